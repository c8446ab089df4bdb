// Every receipt, payment, order and purchase invoice of the demo company, its page read back
// and held against what the books themselves say, asked of the database in statements of this
// test's own: the pages must show each party's own lines and vouchers where two suppliers hold
// the same key, an application names no account, or a sale has several complements.

#include "SesionDetalle.h"
#include "detail_pages/FrmAuditoriaCBTECTABLE.h"
#include "detail_pages/PaginaComprobante.h"
#include "detail_pages/PaginaRecibo.h"
#include "detail_pages/PaginaStock.h"

#include <algorithm>

namespace {

// A voucher of the demo and the account of its supplier or customer.
struct Cpte {
    QString tc, sucursal, numero, letra, cuenta;
    ClaveComprobante Clave() const { return {tc, sucursal, numero, letra}; }
    std::string Nombre() const {
        return QString(tc + ' ' + sucursal + '-' + numero + ' ' + letra + " / " + cuenta)
            .toStdString();
    }
};

// A row of a page's table: the text of its cells, tags dropped, and the key its link opens
// ("TC SUCURSAL NUMERO LETRA", then "CUENTA" when the link names one).
struct FilaPagina {
    QStringList celdas;
    QString enlace;
};

// An amount as the pages print it: the database's text with the decimal comma.
QString Importe(QString texto) {
    return texto.replace(u'.', u',');
}

// An amount counted in ten-thousandths, as the pages print it.
QString DeDiezmilesimos(qint64 n) {
    const QString fraccion = QString::number(std::abs(n % 10000)).rightJustified(4, u'0');
    QString texto = (n < 0 ? "-" : "") + QString::number(std::abs(n / 10000));
    return fraccion == "0000" ? texto
                              : texto + ',' + QString(fraccion).remove(QRegularExpression("0+$"));
}

QString EnlaceLeido(const QString& fila) {
    static const QRegularExpression enlace(QStringLiteral(
        "HREF=\"?_TC_(.*?)_SUCURSAL_(.*?)_NUMERO_(.*?)_LETRA_(.*?)(?:_CUENTA_(.*?))?\"?>"));
    const QRegularExpressionMatch m = enlace.match(fila);
    if (!m.hasMatch())
        return QString();
    const QString clave =
        QStringList{m.captured(1), m.captured(2), m.captured(3), m.captured(4)}.join(u' ');
    return m.captured(5).isEmpty() ? clave : clave + " " + m.captured(5);
}

// The rows of the table the page heads with `titulo`: a line each, up to the table's end.
QList<FilaPagina> Tabla(const QString& pagina, const QString& titulo) {
    static const QRegularExpression celda(QStringLiteral("<TD[^>]*>(.*?)</TD>"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression etiqueta(QStringLiteral("<[^>]*>"));
    const QStringList lineas = pagina.split(QStringLiteral("\r\n"));
    auto linea = std::find_if(lineas.begin(), lineas.end(),
                              [&](const QString& l) { return l.contains(titulo); });
    QList<FilaPagina> filas;
    if (linea == lineas.end())
        return filas;
    for (++linea; linea != lineas.end() && *linea != QStringLiteral("</TABLE>"); ++linea) {
        FilaPagina fila{{}, EnlaceLeido(*linea)};
        for (const auto& m : celda.globalMatch(*linea))
            fila.celdas << QString(m.captured(1)).remove(etiqueta);
        filas << fila;
    }
    return filas;
}

QStringList Ordenadas(QStringList filas) {
    filas.sort();
    return filas;
}

class OraculoPaginas : public SesionDetalle {
protected:
    void TearDown() override {
        Liberar<FrmAuditoriaCBTECTABLE>();
        SesionDetalle::TearDown();
    }

    // The vouchers of these types, once per account that holds them.
    std::vector<Cpte> Comprobantes(const QString& tipos) {
        std::vector<Cpte> cptes;
        for (const QString& fila :
             Filas("SELECT DISTINCT RTRIM(TC), SUCURSAL, NUMERO, LETRA, CUENTA FROM MV_CPTE "
                   "WHERE TC IN (" +
                   tipos + ") ORDER BY 1, 2, 3, 4, 5")) {
            const QStringList c = fila.split(u'|');
            cptes.push_back({c[0], c[1], c[2], c[3], c[4]});
        }
        EXPECT_FALSE(cptes.empty()) << tipos.toStdString();
        return cptes;
    }

    static QString DeLaClave(const Cpte& c, const QString& alias) {
        return alias + ".TC = '" + c.tc + "' AND " + alias + ".SUCURSAL = '" + c.sucursal +
               "' AND " + alias + ".NUMERO = '" + c.numero + "' AND " + alias + ".LETRA = '" +
               c.letra + "'";
    }

    // The voucher's journal lines in the entry that holds its line on the party's account, as
    // "CUENTA|side|amount".
    QStringList LineasDelAsiento(const Cpte& c) {
        QStringList lineas;
        for (const QString& fila :
             Filas("SELECT L.CUENTA, L.[DEBE-HABER], L.IMPORTE FROM MV_ASIENTOS L JOIN (SELECT "
                   "DISTINCT PERIODO, MES_OPERATIVO, [NUMERO ASIENTO] AS N, TIPO_REG FROM "
                   "MV_ASIENTOS P WHERE " +
                   DeLaClave(c, "P") + " AND P.CUENTA = '" + c.cuenta +
                   "') E ON L.PERIODO = E.PERIODO AND L.MES_OPERATIVO = E.MES_OPERATIVO AND "
                   "L.[NUMERO ASIENTO] = E.N AND L.TIPO_REG = E.TIPO_REG WHERE " +
                   DeLaClave(c, "L"))) {
            const QStringList v = fila.split(u'|');
            lineas << v[0] + '|' + v[1] + '|' + Importe(v[2]);
        }
        return Ordenadas(lineas);
    }

    // The voucher's applications of the party (or of no account), each as the settled
    // voucher's key and account, that voucher's amount (its first complement's) and the
    // amount applied. Purchase keys are the supplier's own, and their links say whose.
    QStringList Aplicaciones(const Cpte& c) {
        const QString cuenta = "ISNULL(A.CUENTA, '" + c.cuenta + "')";
        QStringList aplicaciones;
        for (const QString& fila : Filas(
                 "SELECT RTRIM(A.TCO_ORIGEN), A.SUCURSAL_ORIGEN, A.NUMERO_ORIGEN, "
                 "A.LETRA_ORIGEN, " +
                 cuenta +
                 ", T.CIRCUITO, O.IMPORTE, A.IMPORTE FROM MV_APLICACION A LEFT JOIN "
                 "TA_COMPROBANTES T ON T.CODIGO = A.TCO_ORIGEN LEFT JOIN MV_CPTE O ON O.TC = "
                 "A.TCO_ORIGEN AND O.SUCURSAL = A.SUCURSAL_ORIGEN AND O.NUMERO = A.NUMERO_ORIGEN "
                 "AND O.LETRA = A.LETRA_ORIGEN AND O.CUENTA = " +
                 cuenta +
                 " AND O.IDCOMPLEMENTO = (SELECT MIN(M.IDCOMPLEMENTO) FROM MV_CPTE M WHERE "
                 "M.TC = O.TC AND M.SUCURSAL = O.SUCURSAL AND M.NUMERO = O.NUMERO AND M.LETRA "
                 "= O.LETRA AND M.CUENTA = O.CUENTA) WHERE " +
                 DeLaClave(c, "A") + " AND (A.CUENTA = '" + c.cuenta + "' OR A.CUENTA IS NULL)")) {
            const QStringList v = fila.split(u'|');
            const QString enlace = QStringList{v[0], v[1], v[2], v[3]}.join(u' ') +
                                   (v[5] == "C" ? " " + v[4] : QString());
            aplicaciones << enlace + '|' + Importe(v[6]) + '|' + Importe(v[7]);
        }
        return Ordenadas(aplicaciones);
    }

    // The applications that name this voucher's key on one side, each as the other side's
    // key (and the account the page's links carry) with the amount applied.
    QStringList AplicacionesDeUnLado(const Cpte& c, bool aplicados, const QString& cuentaEnlace,
                                     const QString& condicionCuenta) {
        const QString otro = aplicados ? "TCO_ORIGEN, SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN"
                                       : "TC, SUCURSAL, NUMERO, LETRA";
        const QString propio = aplicados ? DeLaClave(c, "A")
                                         : QString(DeLaClave(c, "A"))
                                               .replace(".TC", ".TCO_ORIGEN")
                                               .replace(".SUCURSAL", ".SUCURSAL_ORIGEN")
                                               .replace(".NUMERO", ".NUMERO_ORIGEN")
                                               .replace(".LETRA", ".LETRA_ORIGEN");
        QStringList filas;
        for (QString fila :
             Filas("SELECT " + otro + ", IMPORTE, CUENTA FROM MV_APLICACION A WHERE " + propio +
                   condicionCuenta)) {
            QStringList v = fila.split(u'|');
            v[0] = v[0].trimmed();
            const QString cuenta = cuentaEnlace.isNull() ? v[5] : cuentaEnlace;
            filas << QStringList{v[0], v[1], v[2], v[3]}.join(u' ') +
                         (cuenta.isEmpty() ? QString() : " " + cuenta) + '|' + Importe(v[4]);
        }
        return Ordenadas(filas);
    }

    // The history of actions on the key, "action|user".
    QStringList Historial(const Cpte& c, const QString& complemento) {
        QStringList filas;
        for (const QString& fila :
             Filas("SELECT TIPO_ACCION, USUARIO FROM MV_CPTEACCIONES WHERE TC = '" + c.tc +
                   "' AND IDCOMPROBANTE = '" + c.sucursal + c.numero + c.letra + "'" +
                   (complemento.isEmpty() ? QString() : " AND IDCOMPLEMENTO = " + complemento))) {
            const QStringList v = fila.split(u'|');
            const QString accion = v[0] == "A"   ? "ALTA"
                                   : v[0] == "B" ? "BAJA"
                                   : v[0] == "M" ? "MODIFICACION"
                                                 : v[0];
            filas << accion + '|' + v[1];
        }
        return Ordenadas(filas);
    }

    static QStringList Leidas(const QString& pagina, const QString& titulo,
                              const std::vector<int>& columnas, bool conEnlace) {
        QStringList filas;
        for (const FilaPagina& f : Tabla(pagina, titulo)) {
            QStringList celdas;
            if (conEnlace)
                celdas << f.enlace;
            for (int i : columnas)
                celdas << f.celdas.value(i).trimmed();
            filas << celdas.join(u'|');
        }
        return Ordenadas(filas);
    }

    // Both application sections and the history of the page, against the books; how many rows
    // they hold. The links carry `cuentaEnlace`, or the account each application names.
    int AplicacionesEHistorial(const QString& pagina, const Cpte& c, const QString& cuentaEnlace,
                               const QString& condicionCuenta, const QString& complemento) {
        const QStringList aplicados = AplicacionesDeUnLado(c, true, cuentaEnlace, condicionCuenta);
        const QStringList aplican = AplicacionesDeUnLado(c, false, cuentaEnlace, condicionCuenta);
        const QStringList historial = Historial(c, complemento);
        EXPECT_EQ(Leidas(pagina, "<B>COMPROBANTES APLICADOS POR ", {2}, true), aplicados);
        EXPECT_EQ(Leidas(pagina, "<B>COMPROBANTES QUE APLICAN A ", {2}, true), aplican);
        EXPECT_EQ(Leidas(pagina, "<B>HISTORIAL DE ACCIONES</B>", {0, 3}, false), historial);
        return int(aplicados.size() + aplican.size() + historial.size());
    }

    // The debit and credit sums of the same lines, "debit|credit", added up in ten-thousandths
    // so that no floating point creeps into them.
    QString SumasDelAsiento(const Cpte& c) {
        const QString lado = "SUM(CASE WHEN L.[DEBE-HABER] = '%1' THEN CAST(ROUND(L.IMPORTE * "
                             "10000, 0) AS BIGINT) ELSE 0 END)";
        const QStringList sumas =
            Filas("SELECT " + lado.arg('D') + ", " + lado.arg('H') + " FROM MV_ASIENTOS L WHERE " +
                  DeLaClave(c, "L") + " AND EXISTS (SELECT * FROM MV_ASIENTOS P WHERE " +
                  DeLaClave(c, "P") + " AND P.CUENTA = '" + c.cuenta +
                  "' AND P.PERIODO = L.PERIODO AND P.MES_OPERATIVO = L.MES_OPERATIVO AND "
                  "P.[NUMERO ASIENTO] = L.[NUMERO ASIENTO] AND P.TIPO_REG = L.TIPO_REG)")
                .value(0)
                .split(u'|');
        return DeDiezmilesimos(sumas.value(0).toLongLong()) + '|' +
               DeDiezmilesimos(sumas.value(1).toLongLong());
    }
};

// A receipt or payment opened for its party: the means of payment are the other lines of the
// party's own entry; the settled vouchers are the party's applications, each once, with the
// amount of the party's voucher.
TEST_F(OraculoPaginas, RecibosYPagos) {
    const QString ruta = dir.filePath("AuditoriaRECIBOdetalles.htm");
    int filas = 0;
    for (const Cpte& c : Comprobantes("'CB', 'PG'")) {
        SCOPED_TRACE(c.Nombre());
        PaginaRecibo::Generar(ruta, c.Clave(), true, c.cuenta);
        const QString pagina = QString::fromLatin1(Bytes(ruta));

        QStringList medios;
        for (const QString& linea : LineasDelAsiento(c))
            if (linea.section(u'|', 0, 0) != c.cuenta)
                medios << linea;
        QStringList leidos;
        for (const FilaPagina& f : Tabla(pagina, "<B>DETALLES DEL PAGO </B>"))
            leidos << f.celdas.value(0).section(" - ", 0, 0) + '|' + f.celdas.value(4) + '|' +
                          f.celdas.value(5);
        EXPECT_EQ(Ordenadas(leidos), medios);

        const QStringList aplicaciones = Aplicaciones(c);
        QStringList afectados;
        for (const FilaPagina& f : Tabla(pagina, "<B>COMPROBANTES AFECTADOS</B>"))
            afectados << f.enlace + '|' + f.celdas.value(2) + '|' + f.celdas.value(3);
        EXPECT_EQ(Ordenadas(afectados), aplicaciones);
        filas += int(medios.size() + aplicaciones.size());
    }
    EXPECT_GT(filas, 0);
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
}

// An order's page lists the reception reports of its own supplier, or of none.
TEST_F(OraculoPaginas, InformesDeRecepcionDeCadaOrden) {
    const QString ruta = dir.filePath("AuditoriaCBTEdetalles.htm");
    int filas = 0;
    for (const Cpte& c : Comprobantes("'OC'")) {
        SCOPED_TRACE(c.Nombre());
        PaginaComprobante::Generar(ruta, c.Clave(), false, c.cuenta);
        QStringList informes;
        for (const QString& fila :
             Filas("SELECT RTRIM(TC), SUCURSAL, NUMERO, LETRA FROM MV_STOCK WHERE SECUENCIA = 1 "
                   "AND TC_ORIGEN = 'OC' AND IDCOMPROBANTE_ORIGEN = '" +
                   c.sucursal + c.numero + c.letra + "' AND (CUENTAPROVEEDOR = '" + c.cuenta +
                   "' OR CUENTAPROVEEDOR IS NULL)"))
            informes << QString(fila).replace(u'|', u' ');
        QStringList leidos;
        for (const FilaPagina& f :
             Tabla(QString::fromLatin1(Bytes(ruta)), "<B>INFORMES DE RECEPCION</B>"))
            leidos << f.enlace;
        EXPECT_EQ(Ordenadas(leidos), Ordenadas(informes));
        filas += int(informes.size());
    }
    EXPECT_GT(filas, 0);
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
}

// The journal entry of a purchase invoice or payment opened on its supplier's account: the
// voucher's lines of the entry that holds that account's line, and their sums.
TEST_F(OraculoPaginas, AsientoDeLaCuentaDelComprobante) {
    FrmAuditoriaCBTECTABLE& ventana = Instancia<FrmAuditoriaCBTECTABLE>();
    ventana.Load();
    static const QRegularExpression suma(
        QStringLiteral("<td class=TableCABpIE align=right>([^<]*)</td>"));
    for (const Cpte& c : Comprobantes("'FCC', 'PG'")) {
        SCOPED_TRACE(c.Nombre());
        ventana.Mostrar(c.tc, c.sucursal, c.numero, c.letra, c.cuenta);
        const QString pagina = QString::fromLatin1(Bytes(EnTemporal("AuditoriaCBTEctable.htm")));
        QStringList leidas;
        for (const FilaPagina& f : Tabla(pagina, "<B>ASIENTOS </B>")) {
            const bool debe = !f.celdas.value(4).isEmpty();
            leidas << f.celdas.value(0) + (debe ? "|D|" : "|H|") + f.celdas.value(debe ? 4 : 5);
        }
        const QStringList lineas = LineasDelAsiento(c);
        EXPECT_EQ(Ordenadas(leidas), lineas);
        EXPECT_FALSE(lineas.isEmpty());

        QStringList sumas;
        for (const auto& m : suma.globalMatch(pagina))
            sumas << m.captured(1);
        EXPECT_EQ(sumas.join(u'|'), SumasDelAsiento(c));
    }
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
}

// Every sales and purchase voucher opened for its party: its items, the applications of that
// party on either side, and its history, each once.
TEST_F(OraculoPaginas, SeccionesDeCadaComprobante) {
    const QString ruta = dir.filePath("AuditoriaCBTEdetalles.htm");
    int filas = 0;
    for (const Cpte& c : Comprobantes("SELECT CODIGO FROM TA_COMPROBANTES WHERE CIRCUITO IN "
                                      "('C', 'V') AND CODIGO NOT IN ('CB', 'PG')")) {
        SCOPED_TRACE(c.Nombre());
        const bool venta = Filas("SELECT CIRCUITO FROM TA_COMPROBANTES WHERE CODIGO = '" + c.tc +
                                 "'") == QStringList{"V"};
        PaginaComprobante::Generar(ruta, c.Clave(), venta, c.cuenta);
        const QString pagina = QString::fromLatin1(Bytes(ruta));
        const QString complemento =
            venta ? Filas("SELECT MIN(IDCOMPLEMENTO) FROM MV_CPTE C WHERE " + DeLaClave(c, "C"))
                        .value(0)
                  : QString();

        static const QRegularExpression parte(QStringLiteral(
            "Sr/s\\.:</B></TD><TD COLSPAN=2> </TD><TD class=TableCabeceraValor COLSPAN=27 "
            "NOWRAP>([^<]*)</TD><TD> </TD><TD class=TableCabeceraValor COLSPAN=10 "
            "NOWRAP>([^<]*)<"));
        const QRegularExpressionMatch m = parte.match(pagina);
        EXPECT_EQ(m.captured(1) + '|' + m.captured(2),
                  Filas("SELECT NOMBRE, CUENTA FROM MV_CPTE C WHERE " + DeLaClave(c, "C") +
                        " AND CUENTA = '" + c.cuenta + "' ORDER BY IDCOMPLEMENTO")
                      .value(0));

        QStringList insumos;
        for (const QString& fila :
             Filas("SELECT IDARTICULO, CANTIDAD, TOTAL FROM MV_CPTEINSUMOS I WHERE " +
                   DeLaClave(c, "I") +
                   (venta ? " AND IDCOMPLEMENTO = " + complemento
                          : " AND CUENTA = '" + c.cuenta + "'"))) {
            const QStringList v = fila.split(u'|');
            insumos << v[0].trimmed() + '|' + Importe(v[1]) + '|' + Importe(v[2]);
        }
        EXPECT_EQ(Leidas(pagina, "<B>INSUMOS</B>", {0, 3, venta ? 6 : 5}, false),
                  Ordenadas(insumos));

        filas += int(insumos.size()) + AplicacionesEHistorial(pagina, c, c.cuenta,
                                                              " AND A.CUENTA = '" + c.cuenta + "'",
                                                              complemento);
    }
    EXPECT_GT(filas, 0);
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
}

// Every stock voucher: its article lines, the applications on either side with the account
// each names, and its history.
TEST_F(OraculoPaginas, ComprobantesDeStock) {
    const QString ruta = dir.filePath("AuditoriaTCSTOCK.htm");
    int filas = 0;
    for (const QString& fila : Filas("SELECT DISTINCT RTRIM(TC), SUCURSAL, NUMERO, LETRA FROM "
                                     "MV_STOCK ORDER BY 1, 2, 3, 4")) {
        const QStringList k = fila.split(u'|');
        const Cpte c{k[0], k[1], k[2], k[3], {}};
        SCOPED_TRACE(c.Nombre());
        PaginaStock::Generar(ruta, c.Clave(), false);
        const QString pagina = QString::fromLatin1(Bytes(ruta));

        QStringList insumos;
        for (const QString& linea :
             Filas("SELECT IDARTICULO, DESCRIPCION, CANTIDAD, PRECIOVENTA FROM MV_STOCK S WHERE " +
                   DeLaClave(c, "S"))) {
            const QStringList v = linea.split(u'|');
            insumos << v[0].trimmed() + '|' + v[1] + '|' + Importe(v[2]) + '|' + Importe(v[3]);
        }
        EXPECT_EQ(Leidas(pagina, "<B>INSUMOS</B>", {0, 1, 3, 4}, false), Ordenadas(insumos));

        filas += int(insumos.size()) +
                 AplicacionesEHistorial(pagina, c, QString(), QString(), QString());
    }
    EXPECT_GT(filas, 0);
    EXPECT_TRUE(guion.Mensajes.empty()) << Avisos();
}

} // namespace

#include "audit/FuenteAsientos.h"

#include "platform/ado/Recordset.h"
#include "platform/errors/DescripcionesError.h"
#include "platform/runtime/Currency.h"
#include "session/DB_Dll.h"
#include "session/ModGlobalUtilidades.h"

#include <QStringList>

namespace {

const QString Prefijo = QStringLiteral("{MV_ASIENTOS.");
const QString Conector = QStringLiteral(" AND ");

const QStringList& ColumnasAceptadas() {
    static const QStringList columnas = {
        QStringLiteral("PERIODO"),       QStringLiteral("TC"),    QStringLiteral("SUCURSAL"),
        QStringLiteral("NUMERO"),        QStringLiteral("LETRA"), QStringLiteral("MES_OPERATIVO"),
        QStringLiteral("NUMERO ASIENTO")};
    return columnas;
}

[[noreturn]] void SeleccionNoValida(const QString& seleccion) {
    LanzarError(5, QStringLiteral("selección \"%1\"").arg(seleccion));
}

// A quoted value ends at the quote that is not doubled; `pos` is left after it.
QString ValorEntreComillas(const QString& texto, qsizetype& pos) {
    QString valor;
    for (++pos; pos < texto.size(); ++pos) {
        if (texto.at(pos) != u'\'') {
            valor += texto.at(pos);
        } else if (pos + 1 < texto.size() && texto.at(pos + 1) == u'\'') {
            valor += u'\'';
            ++pos;
        } else {
            ++pos;
            return valor;
        }
    }
    SeleccionNoValida(texto);
}

// A bare value runs to the next connector or the end.
QString ValorSinComillas(const QString& texto, qsizetype& pos) {
    qsizetype fin = texto.indexOf(Conector, pos, Qt::CaseInsensitive);
    if (fin < 0)
        fin = texto.size();
    const QString valor = texto.mid(pos, fin - pos).trimmed();
    pos = fin;
    return valor;
}

// A row of Sentencia's statement.
FilaAsiento LeerFila(ado::Recordset& rs) {
    const auto texto = [&](int i) { return rs.Fields(i).Value().toString(); };
    FilaAsiento fila;
    fila.Fecha = rs.Fields(0).Value().toDate();
    fila.Cuenta = texto(1);
    fila.Descripcion = texto(2);
    fila.DebeHaber = texto(3);
    fila.Importe = Currency::DesdeVariant(rs.Fields(4).Value());
    fila.Concepto = texto(5);
    fila.NumeroAsiento = texto(6);
    fila.Periodo = texto(7);
    fila.MesOperativo = texto(8);
    fila.TC = texto(9);
    fila.Sucursal = texto(10);
    fila.Numero = texto(11);
    fila.Letra = texto(12);
    fila.TcOrigen = texto(13);
    fila.CpteOrigen = texto(14);
    return fila;
}

} // namespace

FuenteAsientos& FuenteAsientos::Instancia() {
    static FuenteAsientos fuente;
    return fuente;
}

QList<QPair<QString, QString>> FuenteAsientos::LeerSeleccion(const QString& seleccion) {
    QList<QPair<QString, QString>> terminos;
    qsizetype pos = 0;
    while (pos < seleccion.size()) {
        if (!terminos.isEmpty()) {
            if (seleccion.mid(pos, Conector.size()).compare(Conector, Qt::CaseInsensitive) != 0)
                SeleccionNoValida(seleccion);
            pos += Conector.size();
        }
        if (seleccion.mid(pos, Prefijo.size()).compare(Prefijo, Qt::CaseInsensitive) != 0)
            SeleccionNoValida(seleccion);
        const qsizetype cierre = seleccion.indexOf(u'}', pos);
        const qsizetype igual = seleccion.indexOf(u'=', cierre);
        if (cierre < 0 || igual < 0 ||
            !seleccion.mid(cierre + 1, igual - cierre - 1).trimmed().isEmpty())
            SeleccionNoValida(seleccion);
        const QString columna = seleccion.mid(pos + Prefijo.size(), cierre - pos - Prefijo.size());
        if (!ColumnasAceptadas().contains(columna, Qt::CaseInsensitive))
            SeleccionNoValida(seleccion);
        pos = igual + 1;
        while (pos < seleccion.size() && seleccion.at(pos) == u' ')
            ++pos;
        const bool comillas = pos < seleccion.size() && seleccion.at(pos) == u'\'';
        const QString valor =
            comillas ? ValorEntreComillas(seleccion, pos) : ValorSinComillas(seleccion, pos);
        terminos.append({columna.toUpper(), valor});
    }
    return terminos;
}

QString FuenteAsientos::Sentencia(const QList<QPair<QString, QString>>& terminos) {
    const DB_Dll& db = DB_Dll::Instancia();
    QString condicion;
    for (const auto& [columna, valor] : terminos)
        condicion += (condicion.isEmpty() ? QStringLiteral(" WHERE ") : Conector) +
                     QStringLiteral("A.[") + columna + QStringLiteral("] = ") +
                     db.SQLValue(valor, QStringLiteral("'"));
    return QStringLiteral("SELECT A.FECHA, A.CUENTA, C.DESCRIPCION, A.[DEBE-HABER], A.IMPORTE, "
                          "A.DETALLE, A.[NUMERO ASIENTO], A.PERIODO, A.MES_OPERATIVO, A.TC, "
                          "A.SUCURSAL, A.NUMERO, A.LETRA, A.TC_ORIGEN, A.CPTE_ORIGEN "
                          "FROM MV_ASIENTOS A LEFT JOIN MA_CUENTAS C ON C.CODIGO = A.CUENTA") +
           condicion + QStringLiteral(" ORDER BY A.TC, A.SUCURSAL, A.NUMERO, A.LETRA, A.SECUENCIA");
}

std::vector<FilaAsiento> FuenteAsientos::FilasAsiento(const PedidoReporte& pedido) {
    DB_Dll& db = DB_Dll::Instancia();
    const QString sql = db.SS_TSinonimos(Sentencia(LeerSeleccion(pedido.Seleccion)));
    ado::Recordset rs;
    rs.Open(sql, db.gCnn, ado::adOpenForwardOnly, ado::adLockReadOnly);
    std::vector<FilaAsiento> filas;
    for (; !rs.Eof(); rs.MoveNext())
        filas.push_back(LeerFila(rs));
    return filas;
}

int FuenteAsientos::Decimales() {
    return ModGlobal::DecimalesPara(-1);
}

QString FuenteAsientos::NombreMoneda(const QString& codigo) {
    DB_Dll& db = DB_Dll::Instancia();
    if (!db.ExisteTablaDB(QStringLiteral("TA_MONEDAS")))
        return codigo;
    // Codes are stored right-aligned ("   1"), and asked for as the user writes them ("1").
    const QString sql = QStringLiteral("SELECT DESCRIPCION FROM TA_MONEDAS WHERE "
                                       "LTRIM(RTRIM(MONEDA)) = ") +
                        db.SQLValue(codigo.trimmed(), QStringLiteral("'"));
    ado::Recordset rs;
    rs.Open(sql, db.gCnn, ado::adOpenForwardOnly, ado::adLockReadOnly);
    const QString nombre = rs.Eof() ? QString() : rs.Fields(0).Value().toString().trimmed();
    return nombre.isEmpty() ? codigo : nombre;
}

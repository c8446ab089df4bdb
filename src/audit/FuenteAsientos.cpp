#include "audit/FuenteAsientos.h"

#include "platform/ado/Recordset.h"
#include "platform/errors/DescripcionesError.h"
#include "platform/runtime/Currency.h"
#include "session/DB_Dll.h"

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
    return QStringLiteral("SELECT A.FECHA, A.CUENTA, C.DESCRIPCION, A.[DEBE-HABER], A.IMPORTE "
                          "FROM MV_ASIENTOS A LEFT JOIN MA_CUENTAS C ON C.CODIGO = A.CUENTA") +
           condicion + QStringLiteral(" ORDER BY A.TC, A.SUCURSAL, A.NUMERO, A.LETRA, A.SECUENCIA");
}

std::vector<FilaAsiento> FuenteAsientos::FilasAsiento(const PedidoReporte& pedido) {
    DB_Dll& db = DB_Dll::Instancia();
    const QString sql = db.SS_TSinonimos(Sentencia(LeerSeleccion(pedido.Seleccion)));
    ado::Recordset rs;
    rs.Open(sql, db.gCnn, ado::adOpenForwardOnly, ado::adLockReadOnly);
    std::vector<FilaAsiento> filas;
    for (; !rs.Eof(); rs.MoveNext()) {
        FilaAsiento fila;
        fila.Fecha = rs.Fields(0).Value().toDate();
        fila.Cuenta = rs.Fields(1).Value().toString();
        fila.Descripcion = rs.Fields(2).Value().toString();
        fila.DebeHaber = rs.Fields(3).Value().toString();
        fila.Importe = Currency::DesdeVariant(rs.Fields(4).Value());
        filas.push_back(fila);
    }
    return filas;
}

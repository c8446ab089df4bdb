#include "entries/Talonarios.h"

#include "platform/ado/Recordset.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/errors/Procedimiento.h"
#include "platform/runtime/Currency.h"
#include "platform/runtime/Fechas.h"
#include "platform/runtime/Numeros.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/runtime/Variantes.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"
#include "session/DialogoErrores.h"
#include "session/ModGlobalUtilidades.h"

#include <optional>

namespace ModNumeracion {
namespace {

const QString CR = QStringLiteral("\r");

QString Valor(ado::Recordset& rs, const QString& campo) {
    return UtilGeneral::Instancia().ValorCampo(rs.Fields(campo).Value());
}

Currency Importe(ado::Recordset& rs, const QString& campo) {
    return UtilGeneral::Instancia().ValorMoneda(Valor(rs, campo));
}

QString Rellenado(const QString& TC) {
    return UtilGeneral::Instancia().Rellenar(vb::Trim(TC), 4);
}

QString Ceros(qint64 numero, int ancho) {
    return QStringLiteral("%1").arg(numero, ancho, 10, QChar(u'0'));
}

// Any number may be typed on a range of a type numbered outside the system, or on one that
// lets the number be changed and has no limits.
bool NumeracionLibre(ado::Recordset& rs, const QString& letra) {
    const QVariant externo = rs.Fields(QStringLiteral("Externo")).Value();
    if (!vb::IsNull(externo) && ModGlobal::ValorLogico(Valor(rs, QStringLiteral("Externo"))))
        return true;
    return ModGlobal::ValorLogico(Valor(rs, QStringLiteral("Modificanumeracion"))) &&
           Importe(rs, letra + "_NRO_DESDE") == Currency() &&
           Importe(rs, letra + "_NRO_HASTA") == Currency();
}

// The range of the branch that holds the number, as the check needs it.
struct Rango {
    short talonario = 0;
    QVariant vence;
};

bool LetraValida(QString& Letra, QString& Mensaje) {
    const QString letra = vb::Trim(Letra);
    if (letra.isEmpty()) {
        Letra = QStringLiteral("X");
        return true;
    }
    // One letter of the list, not any piece of its text: a comma would name no column.
    if (LetrasComprobante.split(u',').contains(letra, Qt::CaseInsensitive))
        return true;
    Mensaje = " La letra Informada no es Valida, la misma debe ser " + LetrasComprobante;
    return false;
}

bool TipoExterno(const QString& TC) {
    const QString externo = vb::ValorTexto(DB_Dll::Instancia().DatosTabla(
        QStringLiteral("V_TA_CPTE"), TC, QStringLiteral("EXTERNO"), QStringLiteral("CODIGO")));
    return !externo.isEmpty() && ModGlobal::ValorLogico(externo);
}

// Walks the ranges of the branch: a free-numbered one accepts any number at once; otherwise
// the last range holding the number is the one it is checked against.
struct Recorrido {
    bool leyoFilas = false;
    bool libre = false;
    std::optional<Rango> rango;
};

Recorrido RecorrerRangos(const QString& TC, const QString& Sucursal, const QString& letra,
                         const Currency& numero) {
    UtilGeneral& util = UtilGeneral::Instancia();
    DB_Dll& db = DB_Dll::Instancia();
    QString sql = "Select * from v_ta_cpte where codigo = " + db.SQLValue(Rellenado(TC)) + " and " +
                  letra + "_SUC_DEFAULT = " + util.ValorMoneda(Sucursal).ATexto() +
                  " ORDER BY TALONARIO";
    ado::Recordset rs;
    Recorrido r;
    if (!db.AbrirRecordset(sql, rs))
        SalirDelProcedimiento();
    for (; !rs.Eof(); rs.MoveNext()) {
        r.leyoFilas = true;
        const short talonario = static_cast<short>(vb::CInt(rs.Fields("talonario").Value()));
        if (NumeracionLibre(rs, letra)) {
            TalonarioActual = talonario;
            r.libre = true;
            return r;
        }
        if (Importe(rs, letra + "_NRO_DESDE") <= numero &&
            Importe(rs, letra + "_NRO_HASTA") >= numero) {
            TalonarioActual = talonario;
            r.rango = Rango{talonario, rs.Fields(letra + "Vence").Value()};
        }
    }
    return r;
}

QString Cierre() {
    return CR + CR + "Verifique los datos desde la TABLA DE COMPROBANTES y vuelta a " +
           "Intentarlo";
}

bool Vencido(const QVariant& vence, const QString& Fecha) {
    if (vb::Trim(Fecha).isEmpty() || vb::ValorTexto(vence).isEmpty())
        return false;
    return vb::CDate(vence).date() < vb::CDate(Fecha).date();
}

} // namespace

bool ValidaNumeracionComprobante(const QString& TC, const QString& Sucursal, const QString& Numero,
                                 QString& Letra, QString& Mensaje, const QString& Fecha) {
    const Currency numero = UtilGeneral::Instancia().ValorMoneda(Numero);
    if (!LetraValida(Letra, Mensaje))
        return false;
    if (TipoExterno(TC)) {
        Mensaje.clear();
        return true;
    }
    const QString letra = vb::Trim(Letra);
    const Recorrido r = RecorrerRangos(TC, Sucursal, letra, numero);
    if (r.libre) {
        Mensaje.clear();
        return true;
    }
    if (!r.leyoFilas) {
        Mensaje = QStringLiteral("Debe configurar la numeracióN de Comprobantes");
        return false;
    }
    const QString n = numero.ATexto();
    bool ok = numero > Currency();
    if (!r.rango) {
        // A number outside every range of the branch has no range to be judged by.
        Mensaje += CR + "El Número de comprobante (" + n +
                   ") no pertenece a ningún talonario de la sucursal " + Sucursal +
                   " para la letra " + letra;
        ok = false;
    } else if (Vencido(r.rango->vence, Fecha)) {
        const QString control = QString::number(r.rango->talonario);
        Mensaje = "El rango de numeracion del comprobante " + TC + " Control nro: " + control +
                  " se encuenta vencida...! Debe dar de alta un nuevo talonario para el " +
                  "comprobante " + TC;
        ok = false;
    }
    Mensaje += Cierre();
    if (ok)
        Mensaje.clear();
    return ok;
}

namespace {

// The branch the caller asks for ("*0002"), when the type has ranges there.
QString FiltroSucursal(const QString& TC, QString& Sucursal) {
    const QString pedido = vb::Trim(Sucursal);
    if (pedido.size() <= 1 || !pedido.startsWith(u'*'))
        return {};
    Sucursal = pedido.mid(1);
    DB_Dll& db = DB_Dll::Instancia();
    const QString filtro = " AND A_SUC_DEFAULT = " + db.SQLValue(Sucursal);
    QString sql =
        "SELECT * FROM V_TA_CPTE WHERE CODIGO = " + db.SQLValue(Rellenado(TC)) + ' ' + filtro;
    ado::Recordset rs;
    if (!db.AbrirRecordset(sql, rs, &db.gCnn))
        SalirDelProcedimiento();
    return rs.Bof() ? QString() : filtro;
}

void AbrirRangos(const QString& TC, const QString& filtro, const QString& UNegocio,
                 ado::Recordset& rs) {
    DB_Dll& db = DB_Dll::Instancia();
    const QString tipo = "SELECT * FROM V_TA_CPTE WHERE CODIGO = " + db.SQLValue(Rellenado(TC));
    QString sql = tipo + filtro + " ORDER BY TALONARIO";
    if (!vb::Trim(UNegocio).isEmpty())
        sql = tipo +
              " AND UNEGOCIO = " + db.SQLValue(UtilGeneral::Instancia().Rellenar(UNegocio, 4)) +
              filtro + "  ORDER BY TALONARIO";
    if (!db.AbrirRecordset(sql, rs, &db.gCnn))
        SalirDelProcedimiento();
    if (rs.Bof() && !vb::Trim(UNegocio).isEmpty()) {
        sql = tipo + " ORDER BY TALONARIO";
        if (!db.AbrirRecordset(sql, rs, &db.gCnn))
            SalirDelProcedimiento();
    }
}

// The letter a range issues: the wanted one when it is among its letters, else its first.
void AjustarLetra(ado::Recordset& rs, QString& Letra) {
    const QVariant letras = rs.Fields(QStringLiteral("Letras")).Value();
    if (!vb::IsNull(letras)) {
        const QString texto = vb::ValorTexto(letras);
        if (!texto.contains(Letra, Qt::CaseInsensitive))
            Letra = texto.left(1);
    }
    if (vb::Trim(Letra).isEmpty())
        Letra = QStringLiteral("X");
}

// Takes the range when it has a number left.
bool TomarRango(ado::Recordset& rs, const QString& letra, QString& Sucursal, QString& Numero,
                bool& ModificaNumeracion) {
    const QVariant ultimo = rs.Fields(letra + "_ULTIMO_NRO").Value();
    const QVariant hasta = rs.Fields(letra + "_NRO_HASTA").Value();
    if (vb::IsNull(ultimo) || vb::IsNull(hasta) ||
        !(Importe(rs, letra + "_ULTIMO_NRO") < Importe(rs, letra + "_NRO_HASTA")))
        return false;
    Sucursal = Ceros(vb::CLng(Importe(rs, letra + "_SUC_DEFAULT")), 4);
    const qint64 numero = vb::CLng(Importe(rs, letra + "_ULTIMO_NRO"));
    Numero = numero == 0 ? QStringLiteral("00000001") : Ceros(numero, 8);
    TalonarioActual = static_cast<short>(vb::CInt(rs.Fields("talonario").Value()));
    ModificaNumeracion = ModGlobal::ValorLogico(Valor(rs, QStringLiteral("Modificanumeracion")));
    return true;
}

} // namespace

void Obtener_Nro_Comprobante_Contable(const QString& TC, QString& Sucursal, QString& Numero,
                                      QString& Letra, bool& ModificaNumeracion,
                                      const QString& UNegocio) {
    QString filtro;
    ado::Recordset rs;
    bool agotado = false;
    EjecutarPasos(
        QStringLiteral("Obtener_Nro_Comprobante_Contable"), TratarConDialogo,
        {[&] {
             if (vb::Trim(Letra).isEmpty())
                 Letra = QStringLiteral("X");
         },
         [&] { filtro = FiltroSucursal(TC, Sucursal); },
         [&] { AbrirRangos(TC, filtro, UNegocio, rs); },
         [&] {
             if (rs.Bof()) {
                 Sucursal = Numero = QStringLiteral("1");
                 Letra = QStringLiteral("X");
                 return;
             }
             for (agotado = true; agotado && !rs.Eof(); rs.MoveNext()) {
                 AjustarLetra(rs, Letra);
                 agotado = !TomarRango(rs, vb::Trim(Letra), Sucursal, Numero, ModificaNumeracion);
             }
         },
         [&] { Letra = vb::Trim(Letra); },
         [&] {
             if (agotado)
                 MsgBox("Todos los talonarios del comprobante " + TC +
                        " se encuentran utilizados, debe dar de alta un nuevo talonario para el "
                        "comprobante " +
                        TC);
         },
         [&] { DB_Dll::Instancia().CierraRecordset(rs); }});
}

} // namespace ModNumeracion

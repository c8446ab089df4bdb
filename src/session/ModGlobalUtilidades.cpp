#include "session/ModGlobalUtilidades.h"

#include "platform/ado/Recordset.h"
#include "platform/controls/Asistel.h"
#include "platform/controls/FlexGrid.h"
#include "platform/dialogs/CodigosMsgBox.h"
#include "platform/errors/Procedimiento.h"
#include "platform/runtime/Currency.h"
#include "platform/runtime/ErrorVb.h"
#include "platform/runtime/Locale.h"
#include "platform/runtime/Numeros.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/suite/UtilGeneral.h"
#include "platform/suite/UtilSistema.h"
#include "session/DB_Dll.h"
#include "session/ModGlobal.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QListWidget>

namespace ModGlobal {
namespace {

// Retrying or skipping cannot mend a condition that cannot be built: the operator is told
// and the procedure leaves.
AccionError InformarYSalir(const ErrorEjecucion& error, const QString& procedimiento) {
    DB_Dll::Instancia().TratamientoErrores(error, vbOKOnly + vbCritical, procedimiento);
    return AccionError::Abortar;
}

void FijarIcono(QWidget& ventana) {
    QIcon icono(QStringLiteral(":/ICONSORVANE"));
    if (icono.isNull() && QFileInfo::exists(QStringLiteral("sorvane.ico")))
        icono = QIcon(QStringLiteral("sorvane.ico"));
    if (!icono.isNull())
        ventana.setWindowIcon(icono);
}

void FijarEstiloBarras(QWidget& ventana) {
    const int estilo = Valores.EstiloBarras.toInt();
    for (const char* nombre : {"Asistel1", "TBarRep1", "Util0011"})
        if (auto* barra = ventana.findChild<controles::Asistel*>(QLatin1String(nombre)))
            barra->SetStyleBar(estilo);
}

// The amount rounded to n decimals (halves to even) with exactly n decimals, no grouping.
// The figure is text: at the ends of the range it is shown rounded, though no amount could hold
// the rounded value.
QString ConDecimales(const Currency& importe, int n) {
    return importe.ATexto(n);
}

QString Literal(const QString& texto) {
    return DB_Dll::Instancia().SQLValue(texto);
}

QString Termino(const QString& Campo, const QString& Operador, const QString& Comilla,
                const QString& elemento) {
    if (Comilla == QStringLiteral("'"))
        return Campo + Operador + Literal(elemento);
    return Campo + Operador + Comilla + elemento + Comilla;
}

bool AbrirCuenta(const QString& columna, const QString& Codigo, ado::Recordset& Rs,
                 bool SoloLectura) {
    QString sql = QStringLiteral("SELECT * FROM MA_CUENTAS WHERE ") + columna +
                  QStringLiteral(" =  ") + Literal(Codigo);
    if (!DB_Dll::Instancia().AbrirRecordset(
            sql, Rs, nullptr, SoloLectura ? ado::adOpenForwardOnly : ado::adOpenDynamic,
            SoloLectura ? ado::adLockReadOnly : ado::adLockOptimistic, -1, true))
        SalirDelProcedimiento();
    return !Rs.Eof();
}

// A quoted literal keeps its apostrophes (doubled); a bare one (a number, a keyword) cannot
// hold any.
QString LiteralValor(const QString& Valor, const QString& Tipo) {
    QString valor = Valor;
    if (Tipo != QStringLiteral("'"))
        valor.remove(u'\'');
    return DB_Dll::Instancia().SQLValue(valor, Tipo);
}

} // namespace

int DecimalesPara(int pedido) {
    int n = pedido;
    if (n == -1)
        n = vb::CInt(vb::Val(Valores.CantidadDecimales));
    if (n == 0)
        n = Locale::DecimalesMoneda();
    if (n == -2)
        n = 0;
    return n;
}

QString FmtFecha() {
    return QStringLiteral("dd/mm/yy");
}

QString FmtHora() {
    return QStringLiteral("hh:mm");
}

bool ValorLogico(const QString& Texto) {
    static const QStringList falsos{QStringLiteral("FALSE"), QStringLiteral("FALSO"),
                                    QStringLiteral("0"), QStringLiteral("NO"), QStringLiteral("N")};
    return !falsos.contains(Texto.toUpper());
}

void PrepararFormulario(QWidget& Formulario) {
    bool esMdi = false;
    IgnorarErrores({
        [&] { FijarIcono(Formulario); },
        [&] {
            esMdi = vb::Iguales(QString::fromLatin1(Formulario.metaObject()->className()),
                                QStringLiteral("FRMMDI"));
        },
    });
    if (esMdi)
        return;
    IgnorarErrores({
        [&] { UtilSistema::Instancia().AjustarFormulario(Formulario); },
        [&] { FijarEstiloBarras(Formulario); },
        [&] { QCoreApplication::processEvents(); },
    });
}

QString ObtenerCampo(const QString& Texto, long N, const QString& Separador) {
    const QString texto = vb::Trim(Texto);
    if (texto.isEmpty() || N < 1)
        return {};
    QStringList campos{texto};
    if (!Separador.isEmpty()) {
        campos = texto.split(Separador, Qt::KeepEmptyParts, Qt::CaseInsensitive);
        if (campos.size() > 1 && texto.endsWith(Separador, Qt::CaseInsensitive))
            campos.removeLast();
    }
    if (N > campos.size())
        return {};
    return vb::Trim(campos.at(N - 1));
}

QString FmtMoneda(const QString& Importe, const QVariant& Decimales) {
    QString resultado;
    EjecutarPasos(QStringLiteral("FmtMoneda"), suite::TratarError, {[&] {
                      const int pedido = vb::CInt(Decimales);
                      resultado = pedido == -3
                                      ? Importe
                                      : ConDecimales(UtilGeneral::Instancia().ValorMoneda(Importe),
                                                     DecimalesPara(pedido));
                  }});
    return resultado;
}

bool BuscarCuenta(QString& Codigo, ado::Recordset& Rs, bool SoloLectura, bool& EsCodigoOpcional) {
    const QString porOpcional = QStringLiteral("CodigoOpcional");
    const QString porCodigo = QStringLiteral("Codigo");
    if (AbrirCuenta(EsCodigoOpcional ? porOpcional : porCodigo, Codigo, Rs, SoloLectura)) {
        Codigo = vb::ValorTexto(Rs.Fields(porCodigo).Value());
        return true;
    }
    if (EsCodigoOpcional)
        return AbrirCuenta(porCodigo, Codigo, Rs, SoloLectura);
    if (!AbrirCuenta(porOpcional, Codigo, Rs, SoloLectura))
        return false;
    EsCodigoOpcional = true;
    Codigo = vb::ValorTexto(Rs.Fields(porCodigo).Value());
    return true;
}

void LimpiarFilaGrilla(controles::FlexGrid& Grilla, long Fila, long ColumnaInicial) {
    for (long columna = ColumnaInicial; columna < Grilla.Cols(); ++columna)
        Grilla.SetTextMatrix(int(Fila), int(columna), QString());
}

void MarcarLista(QListWidget& Lista, bool Marcar, int Indice) {
    const int actual = Lista.currentRow();
    for (int i = 0; i < Lista.count(); ++i)
        Lista.item(i)->setSelected(Marcar);
    Lista.setCurrentRow(Indice == -1 ? actual : Indice, QItemSelectionModel::NoUpdate);
}

int ListaSeleccionados(const QListWidget& Lista, QStringList& Elementos, int Caracteres,
                       bool Recortar) {
    QStringList elegidos;
    for (int i = 0; i < Lista.count(); ++i) {
        if (!Lista.item(i)->isSelected())
            continue;
        const QString texto = Lista.item(i)->text();
        if (Caracteres == -1)
            elegidos << vb::Trim(texto);
        else
            elegidos << (Recortar ? vb::Trim(vb::Right(texto, Caracteres))
                                  : vb::Right(texto, Caracteres));
    }
    if (!elegidos.isEmpty())
        Elementos = elegidos;
    return int(elegidos.size());
}

QString ArmarCondicion(const QString& Campo, const QString& Operador, const QStringList& Elementos,
                       const QString& Conector, const QString& Comilla,
                       const QVariant& IncluirNulos, bool OmitirVacios) {
    QString condicion;
    const ResultadoPasos resultado =
        EjecutarPasos(QStringLiteral("ArmarCondicion"), InformarYSalir, {[&] {
                          if (Elementos.isEmpty())
                              vb::Raise(9);
                          condicion = Termino(Campo, Operador, Comilla, Elementos.at(0));
                          for (qsizetype k = 1; k < Elementos.size(); ++k) {
                              if (OmitirVacios && vb::Trim(Elementos.at(k)).isEmpty())
                                  continue;
                              condicion +=
                                  Conector + Termino(Campo, Operador, Comilla, Elementos.at(k));
                          }
                          if (vb::CDbl(IncluirNulos) != 0)
                              condicion += Conector + Campo + QStringLiteral(" is null ");
                      }});
    return resultado.SalioAntes ? QStringLiteral("1=0") : condicion;
}

bool CuentaHabilitada(const QString& Usuario, const QString& Cuenta) {
    if (!Valores.BloqueoActivo)
        return true;
    DB_Dll& db = DB_Dll::Instancia();
    const QString tabla = QStringLiteral("MA_CUENTAS_USUARIOS");
    const QString grupo = vb::Trim(vb::ValorTexto(
        db.DatosTabla(QStringLiteral("TA_USUARIOS"), Usuario, QStringLiteral("GRUPO"),
                      QStringLiteral("NOMBRE"), 8, QString(), true)));
    if (grupo.isEmpty())
        return true;
    const QString condicion = QStringLiteral(" CUENTA = ") + Literal(Cuenta) +
                              QStringLiteral(" AND GRUPOUSER = ") + Literal(grupo);
    if (db.ExisteEnTabla(tabla, Cuenta, QStringLiteral("CUENTA"), nullptr, 8, condicion, true))
        return true;
    return !db.ExisteEnTabla(tabla, Cuenta, QStringLiteral("CUENTA"), nullptr, 8, QString(), true);
}

int ObtenerPeriodo(const QString& Fecha) {
    DB_Dll& db = DB_Dll::Instancia();
    QString sql = QStringLiteral("Select * from MV_EJERCICIOS where [FECHA DESDE] <= ") +
                  Literal(Fecha) + QStringLiteral(" and [FECHA HASTA] >= ") + Literal(Fecha);
    ado::Recordset rs;
    int periodo = 0;
    if (db.AbrirRecordset(sql, rs, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly, -1,
                          true) &&
        !rs.Eof())
        periodo = vb::CInt(rs.Fields(QStringLiteral("Periodo")).Value());
    db.CierraRecordset(rs);
    return periodo;
}

void AgregarCampoValor(const QString& Campo, const QString& Valor, const QString& Tipo,
                       bool Nuevo) {
    if (Nuevo)
        CamposValores.clear();
    else if (CamposValores.empty())
        vb::Raise(9);
    QString sinApostrofes = Valor;
    sinApostrofes.remove(u'\'');
    const bool esNulo = vb::UCase(sinApostrofes) == QStringLiteral("NULL");
    CamposValores.push_back({Campo, esNulo ? QStringLiteral("Null") : LiteralValor(Valor, Tipo)});
}

} // namespace ModGlobal

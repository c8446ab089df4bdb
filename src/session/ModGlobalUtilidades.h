#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

class QListWidget;
class QWidget;
namespace ado {
class Recordset;
}
namespace controles {
class FlexGrid;
}

// Small procedures shared by every window: formats, yes/no words, window preparation, field
// splitting, multi-select lists and the condition built from them, grid rows, accounts, the
// fiscal period of a date and the field/value list of the statement builder.
namespace ModGlobal {

// One column of the statement being built: its name and the SQL literal of its value (or
// the keyword Null).
struct CampoValor {
    QString Campo;
    QString Valor;
};
// Filled by AgregarCampoValor, read and reset by the statement builder.
inline std::vector<CampoValor> CamposValores;

// Date and time patterns of the classic runtime: "dd/mm/yy" and "hh:mm".
QString FmtFecha();
QString FmtHora();
// False for "FALSE", "FALSO", "0", "NO" and "N" (any case, untrimmed); true for anything else.
bool ValorLogico(const QString& Texto);
// The program's standard set-up of a window at load: icon, adjustment to the screen and the
// style of its toolbars. Nothing it does may fail the load.
void PrepararFormulario(QWidget& Formulario);
// Field N (from 1) of the trimmed text cut at each separator (letters without regard to
// case), trimmed; empty when there is no such field. A trailing separator adds no field.
QString ObtenerCampo(const QString& Texto, long N, const QString& Separador);
// The amount with n decimals in the user's notation, no grouping: n = Decimales, the
// configured CantidadDecimales for -1, the locale's currency digits for 0, none for -2;
// -3 gives Importe back untouched. Empty when the operator leaves after an error.
QString FmtMoneda(const QString& Importe, const QVariant& Decimales);
// The number of decimals FmtMoneda writes for `pedido` (-1: the configured CantidadDecimales).
int DecimalesPara(int pedido);
// Finds an account by code or optional code (trying the other when the first finds nothing)
// and leaves `Rs` on it. `Codigo` receives the account's code, and `EsCodigoOpcional` becomes
// true when only the optional code matched. A read that fails, once put to the operator,
// leaves the calling procedure (SalirDelProcedimiento): nothing can be said of the account.
bool BuscarCuenta(QString& Codigo, ado::Recordset& Rs, bool SoloLectura, bool& EsCodigoOpcional);
// Empties the cells of one grid row from `ColumnaInicial` to the last column.
void LimpiarFilaGrilla(controles::FlexGrid& Grilla, long Fila, long ColumnaInicial);
// Selects (or deselects) every item; the current row is kept (Indice -1) or moved to Indice.
void MarcarLista(QListWidget& Lista, bool Marcar, int Indice);
// The selected items in list order: the trimmed text (Caracteres -1) or its last Caracteres
// characters, trimmed when Recortar. Returns how many; with none, Elementos is left alone.
int ListaSeleccionados(const QListWidget& Lista, QStringList& Elementos, int Caracteres,
                       bool Recortar);
// "Campo Operador Elemento" terms joined by Conector, plus a "Campo is null" term when
// IncluirNulos. When it cannot be built the error is reported and the result matches nothing.
QString ArmarCondicion(const QString& Campo, const QString& Operador, const QStringList& Elementos,
                       const QString& Conector, const QString& Comilla,
                       const QVariant& IncluirNulos, bool OmitirVacios);
// Whether the user's group may use the account (always while account blocking is off).
bool CuentaHabilitada(const QString& Usuario, const QString& Cuenta);
// The fiscal period holding the date (as the caller writes it); 0 when none does, or when
// the periods could not be read (the operator was told).
int ObtenerPeriodo(const QString& Fecha);
// Adds a column to CamposValores (Nuevo starts the list afresh). The value becomes the SQL
// literal of Tipo ("'" quoted text, "@" amount, "" bare), or Null for "NULL" in any case.
void AgregarCampoValor(const QString& Campo, const QString& Valor, const QString& Tipo, bool Nuevo);

} // namespace ModGlobal

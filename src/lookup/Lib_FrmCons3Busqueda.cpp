// Searching and keys of the list lookup: typing searches the rows already read (never the
// database), F5 narrows the statement, the quantity keys and the stock-shortage report.

#include "lookup/Lib_FrmCons3.h"
#include "lookup/ModeloConsulta.h"
#include "lookup/PalabrasSql.h"
#include "platform/ado/TokenSql.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/errors/Procedimiento.h"
#include "platform/forms/CodigosTecla.h"
#include "platform/forms/Colores.h"
#include "platform/runtime/Currency.h"
#include "platform/runtime/ErrorVb.h"
#include "platform/runtime/Locale.h"
#include "platform/runtime/Texto.h"
#include "platform/runtime/ValorTexto.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QEvent>
#include <QLineEdit>
#include <QTableView>

namespace {

constexpr long kColorFoco = 16776960;   // cyan
constexpr long kColorNormal = 16777215; // white
const QString kColumnaCantidad = QStringLiteral("**Cantidad**");

// Where the statement's tail begins: its GROUP BY, else its ORDER BY; -1 without either.
qsizetype CorteOrden(const QString& sql) {
    const qsizetype grupo = PosicionPalabras(sql, {u"group", u"by"});
    return grupo >= 0 ? grupo : PosicionPalabras(sql, {u"order", u"by"});
}

// Ctrl with a letter leaves the key press no character to type (only a control code).
bool LetraConCtrl(int keyCode, int shift) {
    return (shift & vbCtrlMask) && !(shift & vbAltMask) && keyCode >= 'A' && keyCode <= 'Z';
}

// A quantity cell as a number: its leading number, in either notation.
double Cantidad(const QString& texto) {
    return UtilGeneral::Instancia().ValorMoneda(texto).ADouble();
}

QString FormatoCantidad(double valor, int decimales) {
    return Locale::Actual().toString(valor, 'f', decimales);
}

} // namespace

// ---- Statements ---------------------------------------------------------------------------

QString Lib_FrmCons3::SentenciaConCondicion(const QString& sql, const QString& campo,
                                            const QString& texto, bool usaLike) {
    const qsizetype corte = CorteOrden(sql);
    const QString cabeza = corte < 0 ? sql : sql.left(corte);
    QString orden = corte < 0 ? QString() : sql.mid(corte);
    // An ORDER BY naming no column would make the statement invalid.
    if (PosicionPalabras(orden, {u"order", u"by"}) == 0 &&
        orden.simplified().compare(QStringLiteral("order by"), Qt::CaseInsensitive) == 0)
        orden.clear();
    QString prefijo;
    if (vb::InStr(cabeza, QStringLiteral("stk_ma_articulos.")) > 0)
        prefijo = QStringLiteral("stk_ma_articulos.");
    if (vb::InStr(cabeza, QStringLiteral("v_ma_articulos.")) > 0)
        prefijo = QStringLiteral("v_ma_articulos.");
    const QString union_ = PosicionPalabras(cabeza, {u"where"}) >= 0 ? QStringLiteral(" and ")
                                                                     : QStringLiteral(" where ");
    const QString condicion =
        usaLike ? QStringLiteral(" like '%") + ado::DoblarApostrofos(texto) + QStringLiteral("%' ")
                : QStringLiteral(" like '") +
                      ado::DoblarApostrofos(UtilGeneral::Instancia().Reemplazar(
                          texto, QStringLiteral("*"), QStringLiteral("%"))) +
                      QStringLiteral("%' ");
    return cabeza + union_ + prefijo + campo + condicion + orden;
}

QString Lib_FrmCons3::SentenciaFaltante(const QString& fechaHora, const QString& idArticulo,
                                        const QString& descripcion, const QString& usuario) {
    return QStringLiteral("INSERT INTO V_MV_FALTANTES (FechaHora,IdArticulo,Descripcion,Usuario) "
                          "values('") +
           ado::DoblarApostrofos(fechaHora) + QStringLiteral("','") +
           ado::DoblarApostrofos(UtilGeneral::Instancia().Rellenar(idArticulo, 25)) +
           QStringLiteral("','") + ado::DoblarApostrofos(vb::Trim(descripcion)) +
           QStringLiteral("','") + ado::DoblarApostrofos(usuario) + QStringLiteral("')");
}

bool Lib_FrmCons3::TeclaDeBusqueda(int keyCode, bool checkBoxes) {
    if (keyCode == vbKeyBack)
        return true;
    if (keyCode == vbKeySpace)
        return !checkBoxes;
    return (keyCode >= 47 && keyCode <= 93) || (keyCode >= vbKeyNumpad0 && keyCode <= 111);
}

// ---- Incremental search -------------------------------------------------------------------

long Lib_FrmCons3::Busqueda(long Clave, const QString& QueValor) {
    long fila = 0;
    IgnorarErrores(
        {[&] { fila = modelo_->Buscar(Clave < 1 ? 0 : int(Clave), vb::Trim(QueValor)) + 1; }});
    return fila;
}

void Lib_FrmCons3::CmbSearch_Change(int Index) {
    IgnorarErrores({[&] {
        const long clave = UtilGeneral::Instancia().ValorEntero(QString::number(Index));
        const long fila = Busqueda(clave, vb::Trim(CmbSearch[size_t(Index)]->currentText()));
        if (fila != 0)
            Seleccionar(int(fila - 1));
    }});
}

namespace {

void Colorear(QComboBox& caja, long colorBGR) {
    QPalette paleta = caja.palette();
    paleta.setColor(QPalette::Base, ColorDesdeBGR(colorBGR));
    caja.setPalette(paleta);
    caja.lineEdit()->setPalette(paleta);
}

} // namespace

void Lib_FrmCons3::CmbSearch_GotFocus(int Index) {
    indiceBusqueda_ = Index;
    Colorear(*CmbSearch[size_t(Index)], kColorFoco);
}

void Lib_FrmCons3::CmbSearch_LostFocus(int Index) {
    IgnorarErrores({[&] { Colorear(*CmbSearch[size_t(Index)], kColorNormal); }});
}

bool Lib_FrmCons3::eventFilter(QObject* objeto, QEvent* evento) {
    const bool entra = evento->type() == QEvent::FocusIn;
    if (entra || evento->type() == QEvent::FocusOut) {
        for (size_t i = 0; i < CmbSearch.size(); ++i) {
            if (objeto != CmbSearch[i] && objeto != CmbSearch[i]->lineEdit())
                continue;
            ProtegerEvento(entra ? QStringLiteral("CmbSearch_GotFocus")
                                 : QStringLiteral("CmbSearch_LostFocus"),
                           [&] {
                               if (entra)
                                   CmbSearch_GotFocus(int(i));
                               else
                                   CmbSearch_LostFocus(int(i));
                           });
        }
    }
    return Formulario::eventFilter(objeto, evento);
}

int Lib_FrmCons3::CajaConFoco() const {
    const QWidget* foco = QApplication::focusWidget();
    for (size_t i = 0; foco && i < CmbSearch.size(); ++i)
        if (foco == CmbSearch[i] || CmbSearch[i]->isAncestorOf(foco))
            return int(i);
    return -1;
}

// ---- Keys ---------------------------------------------------------------------------------

void Lib_FrmCons3::Form_KeyDown(int& keyCode, int shift) {
    teclaParaBusqueda_ = false;
    if (keyCode == vbKeyF12 && esListaArticulos_) {
        keyCode = 0;
        InformarFaltante();
        return;
    }
    const QWidget* foco = QApplication::focusWidget();
    if (foco && (foco == ListView1 || ListView1->isAncestorOf(foco))) {
        ListView1_KeyDown(keyCode, shift);
        return;
    }
    const int caja = CajaConFoco();
    if (caja >= 0)
        CmbSearch_KeyDown(caja, keyCode, shift);
}

// A key the list passed on types the character it means into the current search box.
void Lib_FrmCons3::Form_KeyPress(int& keyAscii) {
    if (!teclaParaBusqueda_)
        return;
    teclaParaBusqueda_ = false;
    EscribirEnBusqueda(keyAscii);
    keyAscii = 0;
}

void Lib_FrmCons3::EscribirEnBusqueda(int keyAscii) {
    if (indiceBusqueda_ < 0 || indiceBusqueda_ >= int(CmbSearch.size()))
        return;
    QComboBox& caja = *CmbSearch[size_t(indiceBusqueda_)];
    QString texto = caja.currentText();
    if (keyAscii == vbKeyBack)
        texto.chop(1);
    else if (keyAscii >= vbKeySpace)
        texto += QChar(keyAscii);
    else
        return;
    caja.setEditText(texto);
    caja.setFocus();
    caja.lineEdit()->end(false);
}

void Lib_FrmCons3::CmbSearch_KeyDown(int Index, int& KeyCode, int /*Shift*/) {
    IgnorarErrores({[&] {
        switch (KeyCode) {
        case vbKeyF5:
            ReConsulta(Index);
            break;
        case vbKeyDown:
        case vbKeyUp:
        case vbKeyPageDown:
        case vbKeyPageUp:
            KeyCode = 0;
            ListView1->setFocus();
            break;
        default:
            break;
        }
    }});
}

void Lib_FrmCons3::ListView1_KeyDown(int& KeyCode, int Shift) {
    EjecutarPasos(QStringLiteral("ListView1_KeyDown"), suite::TratarError, {[&] {
                      if (KeyCode == vbKeyReturn) {
                          CmdAceptar_Click();
                      } else if (KeyCode == vbKeyInsert || KeyCode == vbKeyDelete) {
                          if (UsaCantidades)
                              TeclaCantidad(KeyCode, Shift);
                      } else if (KeyCode == vbKeySpace && CheckBoxes) {
                          // The tick of the selected row, whichever cell has the focus.
                          KeyCode = 0;
                          const int fila = FilaSeleccionada();
                          if (fila >= 0)
                              modelo_->SetMarcada(fila, !modelo_->Marcada(fila));
                      } else if (LetraConCtrl(KeyCode, Shift)) {
                          // Held with Ctrl, a letter still types: its capital, the
                          // character of its key code.
                          const int letra = KeyCode;
                          KeyCode = 0;
                          EscribirEnBusqueda(letra);
                      } else {
                          teclaParaBusqueda_ = TeclaDeBusqueda(KeyCode, CheckBoxes);
                      }
                  }});
}

void Lib_FrmCons3::ListView1_ColumnClick(int Columna) {
    IgnorarErrores({[&] {
        ordenada_ = true;
        claveOrden_ = Columna - 1;
        descendente_ = !descendente_;
        Ordenar();
    }});
}

// ---- F5: the statement narrowed ------------------------------------------------------------

void Lib_FrmCons3::ReConsulta(int indice) {
    QComboBox& caja = *CmbSearch[size_t(indice)];
    QString texto = caja.currentText();
    if (!CfgUsaConsultaLIKE) {
        texto =
            UtilGeneral::Instancia().Reemplazar(texto, QStringLiteral("*"), QStringLiteral("%"));
        caja.setEditText(texto);
    }
    const qsizetype corte = CorteOrden(SQL);
    sqlOrden_ = corte < 0 ? QString() : SQL.mid(corte);
    SQL = SentenciaConCondicion(SQL, camposBusqueda_[size_t(indice)], texto, CfgUsaConsultaLIKE);
    caja.setEditText(QString());
    sqlActual_ = SQL;
    Cargar();
}

// ---- Quantities ---------------------------------------------------------------------------

void Lib_FrmCons3::TeclaCantidad(int keyCode, int shift) {
    const bool pedir = keyCode == vbKeyInsert && shift == vbShiftMask;
    if (shift != 0 && !pedir)
        return;
    const int fila = FilaSeleccionada();
    if (fila < 0)
        vb::Raise(91);
    const int columna = IndiceColumna(kColumnaCantidad) - 1;
    if (columna < 0)
        vb::Raise(380);
    const QString celda = modelo_->Celda(fila, columna);
    if (pedir) {
        const QString respuesta = InputBox(QStringLiteral("Ingrese la Cantidad del Articulo..."),
                                           QStringLiteral("Carga de Datos"), celda);
        // Nothing, zero or no number leaves the row as it was.
        if (Cantidad(respuesta) == 0)
            return;
        modelo_->SetCelda(fila, columna, FormatoCantidad(Cantidad(respuesta), 2));
        modelo_->SetMarcada(fila, true);
    } else if (keyCode == vbKeyInsert) {
        modelo_->SetCelda(fila, columna, FormatoCantidad(Cantidad(celda) + 1, 1));
        modelo_->SetMarcada(fila, true);
    } else {
        modelo_->SetCelda(fila, columna, FormatoCantidad(Cantidad(celda) - 1, 1));
        if (Cantidad(modelo_->Celda(fila, columna)) <= 0) {
            modelo_->SetMarcada(fila, false);
            modelo_->SetCelda(fila, columna, QStringLiteral("0.00"));
        }
    }
}

// ---- F12: stock shortage ------------------------------------------------------------------

void Lib_FrmCons3::InformarFaltante() {
    const int fila = FilaSeleccionada();
    if (fila < 0)
        return;
    const QString id = CeldaColumna(fila, IndiceColumna(QStringLiteral("idarticulo")));
    const QString descripcion = CeldaColumna(fila, IndiceColumna(QStringLiteral("Descripcion")));
    const QString pregunta = QStringLiteral("Desea informar el articulo ") + vb::Trim(id) + u' ' +
                             vb::Trim(descripcion) +
                             QStringLiteral("\r\ncomo un faltante de stock?");
    if (MsgBox(pregunta, vbYesNo + vbQuestion, QStringLiteral("Atención!")) != vbYes)
        return;
    DB_Dll& db = DB_Dll::Instancia();
    QString sentencia = SentenciaFaltante(vb::ValorTexto(QDateTime::currentDateTime()), id,
                                          descripcion, db.gUsuario);
    db.EjecutaConsultaSQL(sentencia);
    if (db.gCnn.Errors().Count() > 0)
        MsgBox(QStringLiteral("No se pudo informar el faltante de stock:\r\n") +
                   db.gCnn.Errors().Item(0).Description,
               vbCritical, QStringLiteral("Atención!"));
}

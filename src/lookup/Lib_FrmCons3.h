#pragma once

#include "platform/ado/Recordset.h"
#include "platform/forms/Formulario.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

class ModeloConsulta;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QTableView;

// "Consulta...": the list lookup. The lookup controller sets the public properties, shows the
// window modally and reads back `ValorDevuelto`, or `Valores` after a multiple choice. The
// window lists a statement's rows under one search box per column: typing searches the rows
// already read, F5 narrows the statement in the database, Enter accepts and Esc cancels.
//
// Collections are shared lists: a null pointer is a collection set to nothing.
class Lib_FrmCons3 : public Formulario {
    Q_OBJECT
public:
    Lib_FrmCons3();
    ~Lib_FrmCons3() override;

    // ---- Public properties, set by the controller before the window is shown ------------
    QString SQL;           // the statement listed; nothing is listed when it is blank
    QString CampoDevuelto; // caption of the column returned (and compared with ValoresDefault)
    bool CheckBoxes = false;
    QString ValoresDefault; // values ticked in advance, separated by commas; "@10" widens
    QString FiltroInicial;  // first text of the first search box
    bool OrdenarPorLwv = false;
    QString MuestraStock; // "SI": article rows coloured by stock level
    QVariant StkNivel1;
    QVariant StkNivel2;
    QVariant StkNivel3;
    QVariant StkNivel4;
    std::shared_ptr<QStringList> Valores;
    std::shared_ptr<QStringList> Cantidades;
    bool UsaCantidades = false;
    QString CampoBusqueda;
    bool CfgUsaConsultaLIKE = false;
    std::shared_ptr<QStringList> CmpsDevueltos; // further captions returned with one choice
    QVariant ValorDevuelto;
    bool GrabarCfg = false;

    // ---- Methods --------------------------------------------------------------------------
    // Columns and search boxes for the fields of the open recordset.
    void Encolumnar();
    // One row per record from the recordset's position to its end; neither argument limits.
    void Leer(qint32& Cdesde, qint16& Cuantas);
    // Search boxes over their columns; list, panel, scroll bar and window sized to them.
    void CalcularAncho();
    // The first row (from 1, in the order shown) whose column `Clave` (0 the row's text, n its
    // n-th sub-item) begins with the text; 0 when none does.
    long Busqueda(long Clave, const QString& QueValor);
    // Position (from 1) of the column so captioned, blanks and case aside; 0 when none is.
    int IndiceColumna(const QString& Columna);

    void CmdAceptar_Click();
    void CmdCancelar_Click();
    void CmdNueva_Click();
    void CmbSearch_GotFocus(int Index);
    void CmbSearch_LostFocus(int Index);
    void CmbSearch_Change(int Index);
    void CmbSearch_KeyDown(int Index, int& KeyCode, int Shift);
    void ListView1_KeyDown(int& KeyCode, int Shift);
    // `Columna` from 1.
    void ListView1_ColumnClick(int Columna);
    void HScroll1_Change();

    // ---- Statements -------------------------------------------------------------------------
    // The statement F5 lists: the condition "campo like 'text%'" ("like '%text%'" with
    // `usaLike`, else with every "*" of the text as "%") joined with WHERE or AND in front of
    // the statement's GROUP BY or ORDER BY, keywords taken only as whole words outside quotes.
    // Apostrophes in the text are doubled; an ORDER BY with nothing after it is dropped.
    static QString SentenciaConCondicion(const QString& sql, const QString& campo,
                                         const QString& texto, bool usaLike);
    // The stock-shortage report of an article.
    static QString SentenciaFaltante(const QString& fechaHora, const QString& idArticulo,
                                     const QString& descripcion, const QString& usuario);
    // The keys that type into the search box from the list (before the character they mean
    // is known): Backspace, Space without check boxes, letters, digits and the numeric pad.
    static bool TeclaDeBusqueda(int keyCode, bool checkBoxes);

    // ---- State the lookup keeps (read-only for callers) ---------------------------------
    const QString& SQLInicial() const { return sqlInicial_; }
    const QString& SQLActual() const { return sqlActual_; }
    const QString& TablaConsulta() const { return tablaConsulta_; }
    bool EsListaArticulos() const { return esListaArticulos_; }
    int IndiceBusqueda() const { return indiceBusqueda_; }
    ModeloConsulta& Modelo() const { return *modelo_; }
    // The selected row (from 0, in the order shown); -1 when none is.
    int FilaSeleccionada() const;

    // ---- Controls ---------------------------------------------------------------------------
    QWidget* picFields;
    std::vector<QComboBox*> CmbSearch; // box i lies over column i + 1
    QTableView* ListView1;
    QLabel* lblFieldName;
    QScrollBar* HScroll1;
    QGroupBox* Frame1;
    QPushButton* CmdAceptar;
    QPushButton* CmdCancelar;
    QPushButton* CmdNueva;
    QMenu* MNU_Emergente;

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void Form_Resize() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_KeyPress(int& keyAscii) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CrearControles();
    void CrearBotones();
    QComboBox* CajaBusqueda(int indice);
    void Cargar();
    void TomarTablaConsulta();
    void PrepararLista();
    void LeerTextos();
    void LeerRegistros(int punto, int stock);
    void Ordenar();
    void Seleccionar(int fila);
    QString CeldaColumna(int fila, int columna) const;
    void Aceptar();
    void AceptarMarcadas();
    void AceptarSeleccionada();
    void ReConsulta(int indice);
    void EscribirEnBusqueda(int keyAscii);
    void TeclaCantidad(int keyCode, int shift);
    void InformarFaltante();
    void LeerAnchosColumnas();
    void GrabarAnchosColumnas();
    int CajaConFoco() const;
    int AnchoColumna(int columna) const;
    int AnchoInicialColumna(int columna, int caracteres) const;
    void FijarAnchoColumna(int columna, int twips);
    int IzquierdaColumna(int columna) const;

    ModeloConsulta* modelo_;
    ado::Recordset rs_;
    std::vector<QString> camposBusqueda_; // field name carried by each search box
    bool esListaArticulos_ = false;
    QString tablaConsulta_;
    QString sqlInicial_;
    QString sqlActual_;
    QString sqlOrden_;
    int indiceBusqueda_ = 0;
    bool ordenada_ = false;
    int claveOrden_ = 0;
    bool descendente_ = false;
    bool teclaParaBusqueda_ = false;
};

#pragma once

#include "platform/forms/Formulario.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
namespace controles {
class Node;
class TreeView;
} // namespace controles

// Where the rows of a tree lookup hang: every code under the longest code already in the
// tree that begins it, letter case and trailing blanks aside, so hierarchical codes ("1", "11",
// "111") show as levels with no level table. Codes are registered as their nodes go in; the empty
// code stands for the root.
class IndicePrefijos {
public:
    // The node registered for the longest code that begins `codigo`; `sinPadre` when none.
    int Padre(const QString& codigo, int sinPadre = -1) const;
    // A code registered twice keeps its first node.
    void Agregar(const QString& codigo, int nodo);

private:
    QHash<QString, int> nodos_;
};

// For each code in order, the position in `codigos` of the code it hangs under, or -1 for
// the root. Only earlier codes count: a parent listed after its child is not seen.
std::vector<int> PadresPorPrefijo(const QStringList& codigos);

// The statement with one more condition on the description, put before the ORDER BY (when
// there is one) with "where" or, when the statement already filters, "and". The text goes
// into the literal with its apostrophes doubled.
QString SentenciaConDescripcion(const QString& sql, const QString& texto);

// "Consulta...": the tree form of the lookup. It lists a two-column statement (code,
// description) as a tree of prefix-coded rows; the user picks one node, or ticks several,
// and the picked code is checked against the table of the returned column. The lookup
// controller sets the public values, shows the window modally and reads the results.
class Lib_FrmCons3Tree : public Formulario {
    Q_OBJECT
public:
    Lib_FrmCons3Tree();
    ~Lib_FrmCons3Tree() override;

    // Column 1 the code, column 2 the description, each code after the codes that begin it.
    QString SQL;
    // "IDFAMILIA", "IDPOSICION" or "CODIGO" (any case) choose the table checked on accept.
    QString CampoDevuelto;
    // Multiple choice: the tree shows check boxes and accept returns every ticked code.
    bool CheckBoxes = false;
    // Single choice: the value found; "" when the code is in no table or on cancel.
    QVariant ValorDevuelto;
    // Multiple choice: the values in tree order. Null (nothing) after a cancel.
    std::shared_ptr<QStringList> Valores;
    // Not read here; released on cancel like Valores.
    std::shared_ptr<QStringList> CmpsDevueltos;

    void CmdAceptar_Click();
    void CmdCancelar_Click();
    void CmdNueva_Click();

    QWidget* picFields;
    QComboBox* CmbSearch;
    QLabel* lblFieldName;
    controles::TreeView* TreeV;
    QGroupBox* Frame1;
    QPushButton* CmdAceptar;
    QPushButton* CmdCancelar;
    QPushButton* CmdNueva;

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CrearControles();
    void ArmarTreeVAutomatico();
    void AgregarFilas(const std::vector<std::pair<QString, QString>>& filas);
    void CmbSearch_Change();
    void CmbSearch_KeyDown(int& KeyCode, int Shift);
    void TreeV_NodeCheck(controles::Node* nodo);
    void ElegirVarios();
    const controles::Node* NodoElegido() const;
    void ElegirUno();
    std::optional<QString> Buscar(const QString& tabla, const QString& columna,
                                  const QString& codigo) const;
};

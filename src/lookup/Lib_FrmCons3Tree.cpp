#include "lookup/Lib_FrmCons3Tree.h"

#include "platform/ado/Recordset.h"
#include "platform/ado/TokenSql.h"
#include "platform/controls/Node.h"
#include "platform/controls/TeclaTomada.h"
#include "platform/controls/TreeView.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/errors/Procedimiento.h"
#include "platform/forms/CodigosTecla.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/Texto.h"
#include "platform/suite/UtilGeneral.h"
#include "session/DB_Dll.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using controles::Node;

namespace {

const QString Raiz = QStringLiteral("Consulta...");

// Letter case folded one character at a time, so a prefix keeps its length. Trailing blanks
// go: a fixed-width code comes padded ("1   "), and the database holds it equal to "1".
QString Plegar(const QString& texto) {
    QString plegado = vb::RTrim(texto);
    for (QChar& c : plegado)
        c = c.toUpper();
    return plegado;
}

// The code is the key without the leading "A" that keeps keys apart from indexes.
QString CodigoDe(const Node& nodo) {
    return nodo.Key().mid(1);
}

// The code and description a node shows, split at its first "-"; the root shows none.
std::pair<QString, QString> PartesDe(const QString& texto) {
    const int guion = texto.indexOf(QLatin1Char('-'));
    if (guion < 0)
        return {QString(), vb::Trim(texto)};
    return {vb::Trim(texto.left(guion)), vb::Trim(texto.mid(guion + 1))};
}

// Descendants take the node's tick level by level, six levels down at most.
void MarcarDescendientes(Node& nodo, bool marcado, int niveles) {
    if (niveles == 0)
        return;
    for (Node* hijo = nodo.Child(); hijo; hijo = hijo->Next()) {
        hijo->SetChecked(marcado);
        MarcarDescendientes(*hijo, marcado, niveles - 1);
    }
}

} // namespace

// ---- Prefix parenting and the description filter -------------------------------------------

int IndicePrefijos::Padre(const QString& codigo, int sinPadre) const {
    const QString clave = Plegar(codigo);
    for (int largo = clave.size(); largo >= 0; --largo) {
        const auto encontrado = nodos_.constFind(clave.left(largo));
        if (encontrado != nodos_.constEnd())
            return *encontrado;
    }
    return sinPadre;
}

void IndicePrefijos::Agregar(const QString& codigo, int nodo) {
    const QString clave = Plegar(codigo);
    if (!nodos_.contains(clave))
        nodos_.insert(clave, nodo);
}

std::vector<int> PadresPorPrefijo(const QStringList& codigos) {
    IndicePrefijos indice;
    std::vector<int> padres;
    for (int i = 0; i < codigos.size(); ++i) {
        padres.push_back(indice.Padre(codigos[i]));
        indice.Agregar(codigos[i], i);
    }
    return padres;
}

QString SentenciaConDescripcion(const QString& sql, const QString& texto) {
    const ado::TokensSql tokens = ado::Tokenizar(sql);
    qsizetype corte = sql.size();
    qsizetype posicion = 0;
    bool filtrada = false;
    for (int i = 0; i < tokens.size(); posicion += tokens[i].texto.size(), ++i) {
        filtrada = filtrada || tokens[i].EsPalabra("WHERE");
        const int siguiente = ado::Siguiente(tokens, i);
        if (corte == sql.size() && tokens[i].EsPalabra("ORDER") && siguiente >= 0 &&
            tokens[siguiente].EsPalabra("BY"))
            corte = posicion;
    }
    return sql.left(corte) + (filtrada ? QStringLiteral(" and ") : QStringLiteral(" where ")) +
           QStringLiteral("Descripcion") + " like '%" + ado::DoblarApostrofos(texto) + "%' " +
           sql.mid(corte);
}

// ---- The window ---------------------------------------------------------------------------

Lib_FrmCons3Tree::Lib_FrmCons3Tree() {
    SetCaption(Raiz);
    SetAreaCliente(5910, 4530);
    CrearControles();
    SetBotonPredeterminado(CmdAceptar);
    SetBotonCancelar(CmdCancelar);
    Conectar(CmdAceptar, &QPushButton::clicked, "CmdAceptar_Click", [this] { CmdAceptar_Click(); });
    Conectar(CmdCancelar, &QPushButton::clicked, "CmdCancelar_Click",
             [this] { CmdCancelar_Click(); });
    Conectar(CmdNueva, &QPushButton::clicked, "CmdNueva_Click", [this] { CmdNueva_Click(); });
    Conectar(CmbSearch, &QComboBox::editTextChanged, "CmbSearch_Change",
             [this] { CmbSearch_Change(); });
    Conectar(CmbSearch, &QComboBox::activated, "CmbSearch_Click", [this] { CmbSearch_Change(); });
    TreeV->NodeCheck = [this](Node* nodo) {
        ProtegerEvento(QStringLiteral("Lib_FrmCons3Tree.TreeV_NodeCheck"),
                       [&] { TreeV_NodeCheck(nodo); });
    };
    TreeV->DblClick = [this] {
        ProtegerEvento(QStringLiteral("Lib_FrmCons3Tree.TreeV_DblClick"),
                       [this] { CmdAceptar_Click(); });
    };
    CmbSearch->installEventFilter(this);
    CmbSearch->lineEdit()->installEventFilter(this);
}

Lib_FrmCons3Tree::~Lib_FrmCons3Tree() = default;

void Lib_FrmCons3Tree::CrearControles() {
    picFields = new QWidget(this);
    Colocar(*picFields, 0, 0, 5955, 4185);
    lblFieldName = new QLabel(picFields);
    lblFieldName->setFont(QFont(QStringLiteral("Tahoma")));
    Colocar(*lblFieldName, 0, 60, 1572, 252);
    CmbSearch = new QComboBox(picFields);
    CmbSearch->setEditable(true);
    CmbSearch->setInsertPolicy(QComboBox::NoInsert);
    CmbSearch->setToolTip(QStringLiteral("F5 realiza nueva busqueda"));
    Colocar(*CmbSearch, 0, 0, 5895, 315);
    TreeV = new controles::TreeView(picFields);
    Colocar(*TreeV, 0, 330, 5895, 3825);
    Frame1 = new QGroupBox(this);
    Colocar(*Frame1, 0, 4215, 6180, 255);
    auto boton = [this](const QString& caption, int left) {
        auto* b = new QPushButton(caption, Frame1);
        b->setAutoDefault(false);
        Colocar(*b, left, 0, 1695, 255);
        return b;
    };
    CmdAceptar = boton(QStringLiteral("&Aceptar"), 120);
    CmdCancelar = boton(QStringLiteral("&Cancelar"), 2040);
    CmdNueva = boton(QStringLiteral("&Nueva Busqueda"), 3915);
}

void Lib_FrmCons3Tree::Form_Load() {
    EjecutarPasos("FORM_LOAD", suite::TratarError,
                  {[this] { Valores = std::make_shared<QStringList>(); },
                   [this] { TreeV->Nodes().Clear(); }, [this] { TreeV->SetCheckboxes(CheckBoxes); },
                   [this] { ArmarTreeVAutomatico(); }});
}

void Lib_FrmCons3Tree::Form_Unload(bool&) {
    EjecutarPasos("Form_Unload",
                  [](const ErrorEjecucion& error, const QString&) {
                      MsgBox(error.Description(), vbCritical, QStringLiteral("Aviso al Operador"));
                      return AccionError::Abortar;
                  },
                  {[this] { TreeV->Nodes().Clear(); }});
}

// The whole result is read first; the rows then go in one by one, so a row that cannot be
// added (a repeated code) is reported on its own and the rest still show.
void Lib_FrmCons3Tree::ArmarTreeVAutomatico() {
    std::vector<std::pair<QString, QString>> filas;
    ado::Recordset rs;
    DB_Dll& db = DB_Dll::Instancia();
    const UtilGeneral& util = UtilGeneral::Instancia();
    const ResultadoPasos leido = EjecutarPasos(
        "ArmarTreeVAutomatico", suite::TratarError,
        {[this] { TreeV->Nodes().Clear(); },
         [this] {
             TreeV->SetLineStyle(1);
             TreeV->SetStyle(7);
         },
         [this] { TreeV->Nodes().Add(nullptr, 0, QStringLiteral("A"), Raiz)->SetExpanded(true); },
         [&] {
             QString sql = SQL;
             if (!db.AbrirRecordset(sql, rs, &db.gCnn, ado::adOpenForwardOnly, ado::adLockReadOnly,
                                    -1, true))
                 SalirDelProcedimiento();
         },
         [&] {
             if (rs.Bof() && rs.Eof())
                 SalirDelProcedimiento();
         },
         [&] {
             for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
                 filas.emplace_back(util.ValorCampo(rs.Fields(0).Value()),
                                    util.ValorCampo(rs.Fields(1).Value()));
         }});
    if (!leido.SalioAntes)
        AgregarFilas(filas);
}

void Lib_FrmCons3Tree::AgregarFilas(const std::vector<std::pair<QString, QString>>& filas) {
    controles::ColeccionNodos& nodos = TreeV->Nodes();
    IndicePrefijos indice;
    indice.Agregar(QString(), 1);
    std::vector<Paso> pasos;
    pasos.reserve(filas.size() + 1);
    for (const auto& [codigo, descripcion] : filas)
        pasos.push_back([&, codigo, descripcion] {
            Node* padre = nodos.Item(indice.Padre(codigo, 1));
            nodos.Add(padre, controles::tvwChild, "A" + codigo, codigo + " - " + descripcion);
            indice.Agregar(codigo, nodos.Count());
        });
    pasos.push_back([&] { nodos.Item(1)->SetExpanded(true); });
    EjecutarPasos("ArmarTreeVAutomatico", suite::TratarError, pasos);
}

// ---- Search box ---------------------------------------------------------------------------

void Lib_FrmCons3Tree::CmbSearch_Change() {
    const QString buscado = CmbSearch->currentText();
    controles::ColeccionNodos& nodos = TreeV->Nodes();
    for (int i = 1; i <= nodos.Count(); ++i) {
        Node* nodo = nodos.Item(i);
        const auto [codigo, descripcion] = PartesDe(nodo->Text());
        if (codigo.startsWith(buscado, Qt::CaseInsensitive) ||
            descripcion.startsWith(buscado, Qt::CaseInsensitive)) {
            nodo->SetSelected(true);
            nodo->EnsureVisible();
            return;
        }
    }
}

void Lib_FrmCons3Tree::CmbSearch_KeyDown(int& KeyCode, int) {
    if (KeyCode == vbKeyF5) {
        QString nueva;
        IgnorarErrores({[&] { nueva = SentenciaConDescripcion(SQL, CmbSearch->currentText()); },
                        [&] { CmbSearch->setEditText(QString()); }, [&] { SQL = nueva; },
                        [&] { Form_Load(); }});
        return;
    }
    if (KeyCode == vbKeyDown || KeyCode == vbKeyUp || KeyCode == vbKeyPageDown ||
        KeyCode == vbKeyPageUp)
        IgnorarErrores({[this] { TreeV->setFocus(); }});
}

bool Lib_FrmCons3Tree::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress &&
        (objeto == CmbSearch || objeto == CmbSearch->lineEdit())) {
        const controles::EventoKeyDown keyDown = [this](int& KeyCode, int Shift) {
            ProtegerEvento(QStringLiteral("Lib_FrmCons3Tree.CmbSearch_KeyDown"),
                           [&] { CmbSearch_KeyDown(KeyCode, Shift); });
        };
        if (controles::TeclaTomada(*static_cast<QKeyEvent*>(evento), keyDown))
            return true;
    }
    return Formulario::eventFilter(objeto, evento);
}

// ---- Tree, accept, cancel, new search -----------------------------------------------------

void Lib_FrmCons3Tree::TreeV_NodeCheck(Node* nodo) {
    MarcarDescendientes(*nodo, nodo->Checked(), 6);
}

// Accepting a single choice with no node picked chooses nothing, as a cancel does.
void Lib_FrmCons3Tree::CmdAceptar_Click() {
    if (!CheckBoxes && !NodoElegido()) {
        CmdCancelar_Click();
        return;
    }
    EjecutarPasos("CmdAceptar_Click", suite::TratarError,
                  {[this] {
                       if (CheckBoxes)
                           ElegirVarios();
                       else
                           ElegirUno();
                   },
                   [this] { Hide(); }});
}

void Lib_FrmCons3Tree::ElegirVarios() {
    if (!Valores)
        Valores = std::make_shared<QStringList>();
    controles::ColeccionNodos& nodos = TreeV->Nodes();
    for (int i = 1; i <= nodos.Count(); ++i) {
        const Node& nodo = *nodos.Item(i);
        if (!nodo.Checked())
            continue;
        const QString codigo = CodigoDe(nodo);
        if (vb::Iguales(CampoDevuelto, "IDFAMILIA") || vb::Iguales(CampoDevuelto, "CODIGO"))
            Valores->append(vb::Trim(codigo));
        else if (vb::Iguales(CampoDevuelto, "IDPOSICION"))
            if (const auto valor = Buscar("MA_POSICIONES", "IDPOSICION", codigo))
                Valores->append(*valor);
    }
}

// The node selected or, when the selection is empty, the one the cursor stands on.
const Node* Lib_FrmCons3Tree::NodoElegido() const {
    if (const Node* nodo = TreeV->SelectedItem())
        return nodo;
    return static_cast<const Node*>(TreeV->currentItem());
}

void Lib_FrmCons3Tree::ElegirUno() {
    const Node* nodo = NodoElegido();
    if (!nodo)
        return;
    const QString codigo = CodigoDe(*nodo);
    std::optional<QString> valor;
    if (vb::Iguales(CampoDevuelto, "IDFAMILIA"))
        valor = Buscar("@admin_V_TA_FAMILIAS", "IDFAMILIA", codigo);
    else if (vb::Iguales(CampoDevuelto, "IDPOSICION"))
        valor = Buscar("MA_POSICIONES", "IDPOSICION", codigo);
    else if (vb::Iguales(CampoDevuelto, "CODIGO")) {
        valor = Buscar("TA_CCOSTO", "CODIGO", codigo);
        if (!valor)
            valor = Buscar("MA_CUENTAS", "CODIGO", codigo);
    } else
        return;
    ValorDevuelto = valor.value_or(QStringLiteral(""));
}

// The returned column of the row whose `columna` holds the code; nothing when none does.
std::optional<QString> Lib_FrmCons3Tree::Buscar(const QString& tabla, const QString& columna,
                                                const QString& codigo) const {
    ado::Recordset fila;
    if (!DB_Dll::Instancia().ExisteEnTabla(tabla, codigo, columna, &fila, 8, QString(), true))
        return std::nullopt;
    return UtilGeneral::Instancia().ValorCampo(fila.Fields(CampoDevuelto).Value());
}

void Lib_FrmCons3Tree::CmdCancelar_Click() {
    ValorDevuelto = QStringLiteral("");
    CmpsDevueltos.reset();
    Valores.reset();
    Hide();
}

void Lib_FrmCons3Tree::CmdNueva_Click() {
    ArmarTreeVAutomatico();
}

#include "TextosCortados.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace {

// The style option the control itself paints with (initStyleOption is protected).
template <class Control, class Opcion> Opcion OpcionDe(const Control& control) {
    struct Acceso : Control {
        static auto Iniciar() { return &Acceso::initStyleOption; }
    };
    Opcion opcion;
    (control.*Acceso::Iniciar())(&opcion);
    return opcion;
}

// The text as drawn: "&&" is one ampersand, a single "&" marks the access key.
QString SinAcceso(const QString& texto) {
    QString visto;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (texto[i] == u'&' && i + 1 < texto.size())
            ++i;
        visto += texto[i];
    }
    return visto;
}

class Revision {
public:
    explicit Revision(QStringList& cortes) : cortes_(cortes) {}

    void Comparar(const QWidget& control, const QString& texto, int necesita, int tiene) {
        if (necesita > tiene)
            cortes_ << QStringLiteral("%1 \"%2\": %3 px en %4")
                           .arg(QString::fromLatin1(control.metaObject()->className()), texto)
                           .arg(necesita)
                           .arg(tiene);
    }
    int Ancho(const QWidget& control, const QString& texto) const {
        return control.fontMetrics().horizontalAdvance(SinAcceso(texto));
    }

    void Etiqueta(const QLabel& l) {
        if (l.text().isEmpty() || l.wordWrap())
            return;
        const int sangria = std::max(l.indent(), 0) + 2 * l.margin();
        Comparar(l, l.text(), Ancho(l, l.text()), l.contentsRect().width() - sangria);
    }

    // A button with an icon shows its caption beside it, or under it when it paints the icon
    // above (the main window's graphical buttons), wrapping at blanks.
    void Boton(const QPushButton& b) {
        if (b.text().isEmpty())
            return;
        const auto opcion = OpcionDe<QPushButton, QStyleOptionButton>(b);
        const QRect interior =
            b.style()->subElementRect(QStyle::SE_PushButtonContents, &opcion, &b);
        const int ancho = Ancho(b, b.text());
        if (b.icon().isNull())
            return Comparar(b, b.text(), ancho, interior.width());
        const int alLado = interior.width() - b.iconSize().width() - 4;
        if (ancho > alLado && !CabeBajoIcono(b, interior))
            Comparar(b, b.text(), ancho, alLado);
    }
    bool CabeBajoIcono(const QPushButton& b, const QRect& interior) const {
        const QRect texto = b.fontMetrics().boundingRect(QRect(QPoint(), interior.size()),
                                                         Qt::TextWordWrap, SinAcceso(b.text()));
        return texto.width() <= interior.width() &&
               b.iconSize().height() + 2 + texto.height() <= interior.height();
    }

    template <class Control> void Casilla(const Control& c, QStyle::SubElement contenido) {
        if (c.text().isEmpty())
            return;
        const auto opcion = OpcionDe<Control, QStyleOptionButton>(c);
        Comparar(c, c.text(), Ancho(c, c.text()),
                 c.style()->subElementRect(contenido, &opcion, &c).width());
    }

    void Marco(const QGroupBox& g) {
        if (g.title().isEmpty())
            return;
        const auto opcion = OpcionDe<QGroupBox, QStyleOptionGroupBox>(g);
        const QRect titulo =
            g.style()->subControlRect(QStyle::CC_GroupBox, &opcion, QStyle::SC_GroupBoxLabel, &g);
        Comparar(g, g.title(), titulo.right() + 1, g.width());
    }

    void Lista(const QComboBox& c) {
        if (c.isEditable())
            return;
        const auto opcion = OpcionDe<QComboBox, QStyleOptionComboBox>(c);
        const QRect texto = c.style()->subControlRect(QStyle::CC_ComboBox, &opcion,
                                                      QStyle::SC_ComboBoxEditField, &c);
        for (int i = 0; i < c.count(); ++i)
            Comparar(c, c.itemText(i), Ancho(c, c.itemText(i)), texto.width() - 2);
    }

    void Titulos(const QHeaderView& h) {
        if (h.orientation() != Qt::Horizontal || !h.model())
            return;
        for (int i = 0; i < h.count(); ++i)
            if (!h.isSectionHidden(i))
                Comparar(h, h.model()->headerData(i, Qt::Horizontal).toString(),
                         h.sectionSizeHint(i), h.sectionSize(i));
    }

private:
    QStringList& cortes_;
};

} // namespace

QStringList TextosCortados(const QWidget& ventana) {
    QStringList cortes;
    Revision revision(cortes);
    for (const QWidget* control : ventana.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&ventana))
            continue;
        if (auto* l = qobject_cast<const QLabel*>(control))
            revision.Etiqueta(*l);
        else if (auto* b = qobject_cast<const QPushButton*>(control))
            revision.Boton(*b);
        else if (auto* c = qobject_cast<const QCheckBox*>(control))
            revision.Casilla(*c, QStyle::SE_CheckBoxContents);
        else if (auto* r = qobject_cast<const QRadioButton*>(control))
            revision.Casilla(*r, QStyle::SE_RadioButtonContents);
        else if (auto* g = qobject_cast<const QGroupBox*>(control))
            revision.Marco(*g);
        else if (auto* c = qobject_cast<const QComboBox*>(control))
            revision.Lista(*c);
        else if (auto* h = qobject_cast<const QHeaderView*>(control))
            revision.Titulos(*h);
    }
    return cortes;
}

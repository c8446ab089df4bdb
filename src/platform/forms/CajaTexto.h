#pragma once

#include <QLineEdit>
#include <functional>

// A text box as the windows use it: the properties they read and write, colours as BGR
// longs, and its events as handlers the window assigns. Every event runs inside the event
// guard. Key events arrive through the window's key handling (see FiltroTeclas); a
// handler that sets the key to 0 swallows it, one that changes KeyAscii types the new
// character instead.
class CajaTexto : public QLineEdit {
    Q_OBJECT
public:
    explicit CajaTexto(QWidget* parent = nullptr);

    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    std::function<void()> Change;
    std::function<void(int& keyCode, int shift)> KeyDown;
    std::function<void(int& keyAscii)> KeyPress;
    // Before the focus leaves for another control of the window; cancel keeps it here.
    std::function<void(bool& cancel)> Validate;

    QString Text() const { return text(); }
    void SetText(const QString& texto) { setText(texto); }
    const QString& Tag() const { return tag_; }
    void SetTag(const QString& tag) { tag_ = tag; }
    const QString& DataField() const { return dataField_; }
    void SetDataField(const QString& dataField) { dataField_ = dataField; }
    // 0 means no limit.
    int MaxLength() const;
    void SetMaxLength(int largo);
    int SelStart() const;
    // Puts the caret there, selecting nothing.
    void SetSelStart(int inicio);
    int SelLength() const;
    // Selects that many characters from SelStart.
    void SetSelLength(int largo);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool habilitada) { setEnabled(habilitada); }
    bool Locked() const { return isReadOnly(); }
    void SetLocked(bool bloqueada) { setReadOnly(bloqueada); }
    long BackColor() const { return fondo_; }
    void SetBackColor(long bgr);
    long ForeColor() const { return letra_; }
    void SetForeColor(long bgr);
    // The element's position in its control array; -1 for a box of its own.
    int Index() const { return index_; }

protected:
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;
    // The menu's Paste types the text through the key handlers, as the paste key does.
    void contextMenuEvent(QContextMenuEvent* evento) override;

private:
    friend class FiltroTeclas;
    friend class ArregloCajasTexto;
    friend class Formulario;

    // For the owner of the handlers when it goes: a box outlives both its array and the
    // derived part of its window, and still gets focus events while the window closes.
    void QuitarManejadores();
    void DispararKeyDown(int& keyCode, int shift);
    void DispararKeyPress(int& keyAscii);
    void Disparar(const char* evento, const std::function<void()>& manejador);
    bool Validar(Qt::FocusReason razon);

    QString tag_;
    QString dataField_;
    long fondo_;
    long letra_;
    int index_ = -1;
};

#pragma once

#include <QLabel>

namespace controles {

// One panel of a status bar; its width is in twips.
class Panel : public QLabel {
public:
    explicit Panel(QWidget* padre = nullptr);

    QString Text() const { return text(); }
    void SetText(const QString& texto) { setText(texto); }
    int Width() const;
    void SetWidth(int twips);
};

} // namespace controles

#pragma once

#include <QList>
#include <QStatusBar>

namespace controles {

class Panel;

// A status bar of text panels, counted from 1; it starts with one panel.
class StatusBar : public QStatusBar {
public:
    explicit StatusBar(QWidget* padre = nullptr);

    Panel* Panels(int indice) const;
    int PanelCount() const { return paneles_.size(); }
    Panel* AddPanel();

private:
    QList<Panel*> paneles_;
};

} // namespace controles

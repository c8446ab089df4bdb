#include "platform/controls/StatusBar.h"

#include "platform/controls/ErroresControles.h"
#include "platform/controls/Panel.h"

namespace controles {

StatusBar::StatusBar(QWidget* padre) : QStatusBar(padre) {
    AddPanel();
}

Panel* StatusBar::Panels(int indice) const {
    if (indice < 1 || indice > paneles_.size())
        LanzarErrorControl(errIndiceFueraDeLimites);
    return paneles_.at(indice - 1);
}

Panel* StatusBar::AddPanel() {
    auto* panel = new Panel(this);
    addWidget(panel);
    paneles_.append(panel);
    return panel;
}

} // namespace controles

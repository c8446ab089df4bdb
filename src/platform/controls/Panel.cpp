#include "platform/controls/Panel.h"

#include "platform/forms/Twips.h"

namespace controles {

namespace {
constexpr int AnchoPredeterminado = 1440;
}

Panel::Panel(QWidget* padre) : QLabel(padre) {
    SetWidth(AnchoPredeterminado);
}

int Panel::Width() const {
    return ATwips(width());
}

// A negative width (a window narrower than its margins) leaves the panel empty.
void Panel::SetWidth(int twips) {
    setFixedWidth(qMax(0, APixeles(twips)));
}

} // namespace controles

#pragma once

#include <QFont>

// The one face every window draws its text in. The design tables place captions and values in
// room measured for a narrow sans serif of 11 pixels; Liberation Sans Narrow (Debian's
// fonts-liberation) at that size keeps every caption and value of the windows within it,
// where the system's default face does not. The faces the designs name for particular labels
// ("Tahoma") are drawn in it too, at the size and weight the design gives them.
QFont FuenteVentanas();

#pragma once

#include <QDateTime>
#include <QStringView>

namespace ado {

// "yyyy-MM-dd", "yyyy-MM-dd HH:mm:ss" or that with a fraction of any length, as engines and
// drivers write datetimes; the fraction is kept to the millisecond. Invalid for any other
// text. Read digit by digit: lists read thousands of them.
QDateTime FechaIso(QStringView texto);

} // namespace ado

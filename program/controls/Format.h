// How the program shows numbers and dates: in the lists, on the invoice totals and in the
// printed reports, always in the user's locale.
#pragma once

#include <QString>
#include <QVariant>

namespace controls {

// A number with digit grouping and exactly two decimals ("##,##0.#0"): 1234.5 -> 1,234.50.
QString FormatAmount(double value);

// A stored number as the lists show it: the shortest form that reads back as the same
// single-precision amount (25, 12.5, 12345678).
QString NumberText(const QVariant &value);

// A stored date as the program shows it: the user's short date, followed, when withTime is
// set and the time of day is not midnight, by the time of day (the long form without the
// time-zone name). Stored dates are ISO text; Null is empty; other text shows as it is.
QString DateText(const QVariant &value, bool withTime);

} // namespace controls

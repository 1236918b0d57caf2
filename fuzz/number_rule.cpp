// The one number rule of the amount fields, on any text, in an English and a German locale:
// a text is numeric or converts to 0; a numeric text is a finite single-precision number
// made of digits, grouping and decimal characters and an optional minus sign; blanks around
// it change nothing; and an amount shown with two decimals reads back as nearly the same.
#include "FuzzSupport.h"

#include "controls/Format.h"
#include "startup/modGlobal.h"

#include <cfloat>
#include <cmath>

namespace {

void checkIn(const QLocale &locale, const QString &text) {
    QLocale::setDefault(locale);
    const bool numeric = modGlobal::IsNumeric(text);
    const float value = modGlobal::ConvertNumber(text);
    FUZZ_CHECK(std::isfinite(value), "[%s] converts to a number that is not finite", qPrintable(text));
    if (!numeric) {
        FUZZ_CHECK(value == 0.0f, "[%s] is not numeric but converts to %.9g", qPrintable(text),
                   double(value));
        return;
    }
    const QString digitsOnly = text.trimmed()
                                   .remove(locale.groupSeparator())
                                   .remove(locale.decimalPoint())
                                   .remove(locale.negativeSign());
    for (const QChar c : digitsOnly)
        FUZZ_CHECK(c >= QLatin1Char('0') && c <= QLatin1Char('9'), "[%s] is numeric with [%s]",
                   qPrintable(text), qPrintable(QString(c)));
    FUZZ_CHECK(!digitsOnly.isEmpty(), "[%s] is numeric without a digit", qPrintable(text));
    const QString padded = QStringLiteral("  ") + text + QStringLiteral(" ");
    FUZZ_CHECK(modGlobal::IsNumeric(padded) && modGlobal::ConvertNumber(padded) == value,
               "blanks around [%s] change it", qPrintable(text));
    // What the totals show can be typed again and means the same amount.
    const QString shown = controls::FormatAmount(double(value));
    FUZZ_CHECK(modGlobal::IsNumeric(shown), "[%s] shown as [%s] is not numeric", qPrintable(text),
               qPrintable(shown));
    const double back = double(modGlobal::ConvertNumber(shown));
    const double tolerance = 0.005 + std::fabs(double(value)) * 1e-6;
    FUZZ_CHECK(std::fabs(back - double(value)) <= tolerance, "[%s] = %.9g shown as [%s] reads %.9g",
               qPrintable(text), double(value), qPrintable(shown), back);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::EnsureApplication();
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    checkIn(QLocale(QLocale::English, QLocale::UnitedStates), text);
    checkIn(QLocale(QLocale::German, QLocale::Germany), text);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return 0;
}

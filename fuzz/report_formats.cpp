// The report formats on any value a column can hold (a single-precision amount, a date, or
// text): money prints as a dollar amount with grouping and two decimals that reads back as
// the amount, "0.00" as a plain two-decimal number, the long date as the English weekday,
// month, day and year of that date; a value a format cannot read prints as it is.
#include "FuzzSupport.h"

#include "reports/Paginator.h"

#include <QRegularExpression>

#include <cmath>
#include <cstring>

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);

void checkMoney(double amount, const QString &printed) {
    static const QRegularExpression shape(QStringLiteral("^-?\\$\\d{1,3}(,\\d{3})*\\.\\d\\d$"));
    FUZZ_CHECK(shape.match(printed).hasMatch(), "%.17g printed as [%s]", amount, qPrintable(printed));
    const double back = QString(printed).remove(QLatin1Char('$')).remove(QLatin1Char(',')).toDouble();
    FUZZ_CHECK(std::fabs(back - amount) <= 0.005 + std::fabs(amount) * 1e-15, "%.17g printed as [%s]", amount,
               qPrintable(printed));
    FUZZ_CHECK(!(printed.startsWith(QLatin1Char('-')) && back == 0.0), "[%s] is minus nothing",
               qPrintable(printed));
}

void checkTwoDecimals(double amount, const QString &printed) {
    static const QRegularExpression shape(QStringLiteral("^-?\\d+\\.\\d\\d$"));
    FUZZ_CHECK(shape.match(printed).hasMatch(), "%.17g printed as [%s]", amount, qPrintable(printed));
    FUZZ_CHECK(std::fabs(printed.toDouble() - amount) <= 0.005 + std::fabs(amount) * 1e-15,
               "%.17g printed as [%s]", amount, qPrintable(printed));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1)
        return 0;
    fuzz::EnsureApplication();
    const QString money = QString::fromLatin1(reports::FormatMoney);
    const QString twoDecimals = QString::fromLatin1(reports::FormatTwoDecimals);
    const QString longDate = QString::fromLatin1(reports::FormatLongDate);

    // An amount as the database returns a single-precision value.
    const double amount = double(fuzz::Amount(data, size, 1));
    checkMoney(amount, reports::FormatValue(QVariant(amount), money));
    checkTwoDecimals(amount, reports::FormatValue(QVariant(amount), twoDecimals));

    // A date, stored as ISO text with or without a time of day.
    if (size >= 4) {
        const QDate date = QDate(1900, 1, 1).addDays((int(data[1]) << 8 | data[2]) * 3 + data[3] % 3);
        const QString stored = data[0] % 2 ? date.toString(Qt::ISODate)
                                           : date.toString(Qt::ISODate) + QStringLiteral(" 23:59:59");
        const QString printed = reports::FormatValue(QVariant(stored), longDate);
        FUZZ_CHECK(printed == english.toString(date, longDate), "[%s] printed as [%s]", qPrintable(stored),
                   qPrintable(printed));
        FUZZ_CHECK(english.toDate(printed, longDate) == date, "[%s] does not read back", qPrintable(printed));
    }

    // Any text in any of the formats: no crash; a text that no format can read as its kind
    // prints as it is; what does read as a number prints in the format's shape.
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    for (const QString &format : {money, twoDecimals, longDate, QString()}) {
        const QString printed = reports::FormatValue(QVariant(text), format);
        bool isNumber = false;
        const double number = text.trimmed().toDouble(&isNumber);
        if (format == money && isNumber && std::isfinite(number) && std::fabs(number) < 1e300)
            checkMoney(number, printed);
        else if (format == twoDecimals && isNumber && std::isfinite(number) && std::fabs(number) < 1e300)
            checkTwoDecimals(number, printed);
        else if (format.isEmpty() || (format != longDate && !isNumber))
            FUZZ_CHECK(printed == text, "[%s] printed as [%s]", qPrintable(text), qPrintable(printed));
    }
    return 0;
}

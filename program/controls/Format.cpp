#include "controls/Format.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

#include <charconv>

namespace controls {

QString FormatAmount(double value) {
    return QLocale().toString(value, 'f', 2);
}

QString NumberText(const QVariant &value) {
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        // Stored amounts are single precision: show the shortest text that reads back as the
        // same amount (12.5, not 12.5000000001; 12345678, not 1.234568e+07), so that an
        // amount shown and saved again stays what it was.
        char buffer[64];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value.toFloat(), std::chars_format::fixed);
        QString text = result.ec == std::errc() ? QString::fromLatin1(buffer, result.ptr - buffer)
                                                : QString::number(value.toDouble(), 'g', 9);
        return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
    }
    default:
        return value.toString();
    }
}

QString DateText(const QVariant &value, bool withTime) {
    if (!value.isValid() || value.isNull())
        return QString();
    QDateTime when;
    if (value.typeId() == QMetaType::QDateTime) {
        when = value.toDateTime();
    } else if (value.typeId() == QMetaType::QDate) {
        when = QDateTime(value.toDate(), QTime(0, 0));
    } else {
        const QString text = value.toString().trimmed();
        when = QDateTime::fromString(text, Qt::ISODate);
        if (!when.isValid())
            when = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!when.isValid()) {
            const QDate date = QDate::fromString(text, Qt::ISODate);
            if (date.isValid())
                when = QDateTime(date, QTime(0, 0));
        }
        if (!when.isValid())
            return value.toString();
    }
    const QLocale locale;
    QString text = locale.toString(when.date(), QLocale::ShortFormat);
    if (withTime && when.time() != QTime(0, 0)) {
        // The long time form without its time-zone name, worked out once per locale.
        static QString cachedLocale;
        static QString timeFormat;
        if (cachedLocale != locale.name() || timeFormat.isEmpty()) {
            timeFormat = locale.timeFormat(QLocale::LongFormat);
            timeFormat.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
            timeFormat = timeFormat.trimmed();
            cachedLocale = locale.name();
        }
        text += QLatin1Char(' ') + locale.toString(when.time(), timeFormat);
    }
    return text;
}

} // namespace controls

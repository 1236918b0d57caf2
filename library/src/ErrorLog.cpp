#include "ErrorLog.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

namespace ordwen::detail {

namespace {

const QString ruleLine = QLatin1Char('%') + QString(51, QLatin1Char('-')) + QLatin1Char('%');
const QString blankFrameLine = QLatin1Char('%') + QString(51, QLatin1Char(' ')) + QLatin1Char('%');
const QString shortRuleLine = QLatin1Char('%') + QString(33, QLatin1Char('-')) + QLatin1Char('%');
const QString informationLine = QStringLiteral("% Error Information %");

QString timeLine(const QString &errorText) {
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    // The long time format without the time zone name, written by the locale itself so that
    // its morning/afternoon words and digits match the date beside it.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(now.time(), timeFormat.trimmed()) + QLatin1Char(' ') + errorText;
}

} // namespace

void WriteErrorLog(const QString &folder, const QString &label, int bannerBlanks, LogForm form, int number,
                   const QString &description) {
    const QString path = folder + QStringLiteral("/error.log");
    // Only an ordinary file counts as an existing log; a folder of that name does not.
    const QFileInfo info(path);
    const bool exists = info.exists() && info.isFile();

    QStringList lines;
    if (!exists) {
        lines << ruleLine << QString(bannerBlanks, QLatin1Char(' ')) + QStringLiteral("Brisola - Error Log")
              << ruleLine;
    }
    lines << blankFrameLine;
    if (form == LogForm::Initialize && exists)
        lines << informationLine;
    const QString errorText =
        (exists ? QStringLiteral("Error: ") : QStringLiteral(" Error: ")) + QString::number(number);
    lines << timeLine(errorText) << label << ruleLine << description
          << (form == LogForm::Initialize ? shortRuleLine : ruleLine);

    QFile file(path);
    const QIODevice::OpenMode mode =
        exists ? (QIODevice::WriteOnly | QIODevice::Append) : QIODevice::WriteOnly;
    if (!file.open(mode))
        return;
    for (const QString &line : lines)
        file.write(line.toLocal8Bit() + "\r\n");
    file.close();
}

} // namespace ordwen::detail

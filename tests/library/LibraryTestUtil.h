// Helpers shared by the library's tests: creating a House through the entry point, reading
// back the statement it sent, recognising the library's time stamps and reading error.log.
#pragma once

#include <ordwen/ordwen.h>

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <QTest>

#include <memory>

using HousePtr = std::unique_ptr<ordwen::_House>;

inline HousePtr makeHouse() {
    void *object = nullptr;
    if (DllGetClassObject(ordwen::CLSID_House, ordwen::IID__House, &object) != ordwen::S_OK_)
        return {};
    return HousePtr(static_cast<ordwen::_House *>(object));
}

// Elements "v0", "v1", ...: a record array whose values need no escaping.
inline QStringList plainArray(int count) {
    QStringList text;
    for (int i = 0; i < count; ++i)
        text << QStringLiteral("v%1").arg(i);
    return text;
}

// Every write call through one door, so that cases can share one table.
inline bool callWrite(ordwen::_House &house, const QString &method, QStringList &text, QList<float> &amounts,
                      const QDateTime &date, float fee) {
    if (method == QLatin1String("AddClient"))
        return house.AddClient(text, fee);
    if (method == QLatin1String("UpdateClient"))
        return house.UpdateClient(text, fee);
    if (method == QLatin1String("AddNotes"))
        return house.AddNotes(text);
    if (method == QLatin1String("UpdateNotes"))
        return house.UpdateNotes(text);
    if (method == QLatin1String("AddInvoice"))
        return house.AddInvoice(text, amounts, date);
    if (method == QLatin1String("AddAddress"))
        return house.AddAddress(text);
    if (method == QLatin1String("UpdateAddress"))
        return house.UpdateAddress(text);
    if (method == QLatin1String("AddOwner"))
        return house.AddOwner(text);
    if (method == QLatin1String("UpdateOwner"))
        return house.UpdateOwner(text);
    qFatal("unknown write call %s", qPrintable(method));
}

inline int elementCount(const QString &method) {
    if (method.endsWith(QLatin1String("Client")))
        return 22;
    if (method.endsWith(QLatin1String("Notes")))
        return 2;
    if (method == QLatin1String("AddInvoice"))
        return 15;
    if (method.endsWith(QLatin1String("Address")))
        return 12;
    return 11; // owner profile
}

inline QString lastStatement() {
    return QString::fromUtf8(OrdwenLastStatement());
}

// The current time, to the second, as the library stamps it.
inline QDateTime nowToSecond() {
    QDateTime now = QDateTime::currentDateTime();
    now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    return now;
}

inline bool isStampBetween(const QString &text, const QDateTime &from, const QDateTime &to) {
    const QDateTime stamp = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return stamp.isValid() && stamp >= from && stamp <= to;
}

// The statement with every stamp of the current date and time (taken between from and to)
// replaced by {now}, so that a statement can be compared with its expected text as a whole.
inline QString withNowPlaceholder(QString statement, const QDateTime &from, const QDateTime &to) {
    static const QRegularExpression stamp(QStringLiteral("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d"));
    qsizetype offset = 0;
    for (;;) {
        const QRegularExpressionMatch match = stamp.match(statement, offset);
        if (!match.hasMatch())
            return statement;
        if (isStampBetween(match.captured(), from, to)) {
            statement.replace(match.capturedStart(), match.capturedLength(), QStringLiteral("{now}"));
            offset = match.capturedStart() + 5;
        } else {
            offset = match.capturedEnd();
        }
    }
}

// The lines of error.log without their CR LF ends. A line end without CR fails the check
// by leaving a stray LF inside a line.
inline QList<QByteArray> logLines(const QByteArray &log) {
    QList<QByteArray> lines = log.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        else
            line.append("<no CR>");
    }
    return lines;
}

inline QByteArray ruleLine() {
    return '%' + QByteArray(51, '-') + '%';
}
inline QByteArray blankFrameLine() {
    return '%' + QByteArray(51, ' ') + '%';
}
inline QByteArray shortRuleLine() {
    return '%' + QByteArray(33, '-') + '%';
}
inline QByteArray bannerLine(int blanks) {
    return QByteArray(blanks, ' ') + "Brisola - Error Log";
}

// The time line of an entry: short date, a blank, long time, a blank, then the error text
// (a pattern). The clock values are not compared, only that the date is today's and a time
// stands between.
inline void verifyTimeLine(const QByteArray &line, const QString &errorPattern) {
    const QString text = QString::fromLocal8Bit(line);
    const QRegularExpression form(QStringLiteral("^(\\S+) (\\d\\S*(?: \\S+)*) ") + errorPattern +
                                  QLatin1Char('$'));
    const QRegularExpressionMatch match = form.match(text);
    QVERIFY2(match.hasMatch(), qPrintable(text));
    QCOMPARE(match.captured(1), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
}

// The library's failure message for a failed write or number call.
inline QString failureMessage(int number, const QString &description, const QString &function) {
    return QStringLiteral("ERROR # %1\r\n\r\n%2\r\nIn the Dynamic Link Library\r\nFunction: %3")
        .arg(number)
        .arg(description, function);
}

// Whether any file descriptor of this process refers to the file: the library must not keep
// the database open between calls.
inline bool processHasFileOpen(const QString &file) {
    const QString target = QFileInfo(file).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/self/fd"));
    const QStringList entries = fds.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        const QString linked = QFileInfo(fds.filePath(entry)).symLinkTarget();
        if (!target.isEmpty() && linked == target)
            return true;
    }
    return false;
}

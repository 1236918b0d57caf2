#include "modGlobal.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGridLayout>
#include <QLineEdit>
#include <QLocale>
#include <QLockFile>
#include <QMap>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace modGlobal {

ordwen::ConnectionPtr conShared;
std::shared_ptr<ordwen::_House> objHouse;
QString strProcedure;
ordwen::RecordsetPtr rsShared;
ListRow itmShared;
QString strOwnerName;
QString strCompany;

namespace {

QString &applicationFolderOverride() {
    static QString folder;
    return folder;
}

std::function<void(int)> &processEnd() {
    static std::function<void(int)> end;
    return end;
}

struct ProcessState {
    int exitStatus = 0;
    bool ended = false;
};

ProcessState &processState() {
    static ProcessState state;
    return state;
}

QString &helpFile() {
    static QString file;
    return file;
}

QMap<QString, std::function<void()>> &closeSteps() {
    static QMap<QString, std::function<void()>> steps;
    return steps;
}

std::unique_ptr<QLockFile> &instanceLock() {
    static std::unique_ptr<QLockFile> lock;
    return lock;
}

bool isInsideEditorWidget(const QWidget *widget) {
    // The line edits inside combo boxes and date pickers are not text boxes of the window.
    for (const QWidget *p = widget->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<const QComboBox *>(p) || qobject_cast<const QAbstractSpinBox *>(p))
            return true;
    }
    return false;
}

} // namespace

QString AppVersion() {
    return QString::number(AppMajor) + QLatin1Char('.') + QString::number(AppMinor);
}

QString ApplicationFolder() {
    const QString &folder = applicationFolderOverride();
    if (!folder.isEmpty())
        return folder;
    return QCoreApplication::applicationDirPath();
}

void SetApplicationFolder(const QString &folder) {
    applicationFolderOverride() = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
}

QString AppPath(const QString &relative) {
    return ApplicationFolder() + QLatin1Char('/') + relative;
}

std::shared_ptr<ordwen::_House> CreateHouse() {
    void *object = nullptr;
    if (DllGetClassObject(ordwen::CLSID_House, ordwen::IID__House, &object) != ordwen::S_OK_ || !object)
        return {};
    return std::shared_ptr<ordwen::_House>(static_cast<ordwen::_House *>(object));
}

void NewHouse() {
    objHouse = CreateHouse();
}

void CloseSharedRecordset() {
    if (rsShared) {
        rsShared->Close();
        rsShared.reset();
    }
}

QString TrimBlanks(const QString &text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

void TrimTextBoxes(QWidget &window) {
    const auto widgets = window.findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        // The boxes of a window it owns (a dialog parented to it) are not its own.
        if (widget->window() != window.window())
            continue;
        if (auto *line = qobject_cast<QLineEdit *>(widget)) {
            if (isInsideEditorWidget(line))
                continue;
            const QString trimmed = TrimBlanks(line->text());
            if (trimmed != line->text())
                line->setText(trimmed);
        } else if (auto *rich = qobject_cast<QTextEdit *>(widget)) {
            const QString text = rich->toPlainText();
            const QString trimmed = TrimBlanks(text);
            if (trimmed != text)
                rich->setPlainText(trimmed);
        } else if (auto *plain = qobject_cast<QPlainTextEdit *>(widget)) {
            const QString text = plain->toPlainText();
            const QString trimmed = TrimBlanks(text);
            if (trimmed != text)
                plain->setPlainText(trimmed);
        }
    }
}

bool Pause(short &intSeconds) {
    // Counted in clock-second boundaries crossed, not in elapsed time: Pause(0) returns at
    // the next change of the clock's second. The monotonic timer bounds the wait in case the
    // clock is set back meanwhile.
    const qint64 start = QDateTime::currentMSecsSinceEpoch() / 1000;
    const qint64 longest = (qint64(std::max<short>(intSeconds, 0)) + 1) * 1000;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
        if (nowMs / 1000 - start > intSeconds || waited.elapsed() >= longest)
            return true;
        // Sleep in the event loop until just after the next second boundary.
        const int untilNextSecond = int(1000 - nowMs % 1000) + 1;
        QEventLoop loop;
        QTimer::singleShot(untilNextSecond, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void SetBusyPointer() {
    if (!QApplication::overrideCursor())
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void SetDefaultPointer() {
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

namespace {

// The shape of a number in the given locale, with its grouping and decimal characters.
const QRegularExpression &numberPattern(const QLocale &locale) {
    static QString cachedName;
    static QRegularExpression pattern;
    const QString name = locale.name() + locale.groupSeparator() + locale.decimalPoint();
    if (name != cachedName) {
        const QString g = QRegularExpression::escape(locale.groupSeparator());
        const QString d = QRegularExpression::escape(locale.decimalPoint());
        const QString minus = QRegularExpression::escape(locale.negativeSign());
        pattern = QRegularExpression(
            QStringLiteral("^(?:-|%1)?(?:(?:\\d{1,3}(?:%2\\d{3})+|\\d+)(?:%3\\d*)?|%3\\d+)$")
                .arg(minus, g, d));
        cachedName = name;
    }
    return pattern;
}

bool readNumber(const QString &typed, double &value) {
    const QLocale locale;
    const QString text = typed.trimmed();
    if (text.isEmpty() || !numberPattern(locale).match(text).hasMatch())
        return false;
    QString plain = text;
    plain.remove(locale.groupSeparator());
    plain.replace(locale.decimalPoint(), QStringLiteral("."));
    plain.replace(locale.negativeSign(), QStringLiteral("-"));
    bool ok = false;
    value = plain.toDouble(&ok);
    return ok && std::isfinite(value) && std::fabs(value) <= double(FLT_MAX);
}

} // namespace

bool IsNumeric(const QString &text) {
    double value = 0;
    return readNumber(text, value);
}

float ConvertNumber(const QString &text) {
    double value = 0;
    return readNumber(text, value) ? float(value) : 0.0f;
}

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

QString FullName(const QString &firstName, const QString &lastName) {
    return firstName + QLatin1Char(' ') + lastName;
}

QMessageBox::StandardButton ShowMessage(QWidget *parent, const QString &text, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton, const QString &title) {
    QMessageBox box(icon, title.isEmpty() ? QString::fromLatin1(AppTitle) : title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    // A short message under a long title ("Record Saved Successfully") would make a box too
    // narrow for its title bar: keep the box at least as wide as the title needs.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const int titleWidth = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 120;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void SetInstanceLock(std::unique_ptr<QLockFile> lock) {
    instanceLock() = std::move(lock);
}

void SetProcessEnd(std::function<void(int)> end) {
    processEnd() = std::move(end);
    processState() = ProcessState();
}

void SetCloseStep(const QString &name, std::function<void()> release) {
    if (release)
        closeSteps().insert(name, std::move(release));
    else
        closeSteps().remove(name);
}

void SetExitStatus(int status) {
    processState().exitStatus = status;
}

bool ProcessEnded() {
    return processState().ended;
}

void EndProcess(int status) {
    processState().ended = true;
    if (processEnd()) {
        processEnd()(status);
        return;
    }
    std::fflush(nullptr);
    std::_Exit(status);
}

QString HelpFile() {
    return helpFile();
}

void SetHelpFile(const QString &file) {
    helpFile() = file;
}

void CloseAll() {
    // Nothing of the program stays open between events but the instance lock.
    if (auto &lock = instanceLock()) {
        lock->unlock();
        lock.reset();
    }
    rsShared.reset();
    itmShared = {};
    if (objHouse)
        objHouse.reset();
    if (conShared)
        conShared.reset();
    // Taken out first: a release may register again.
    const QMap<QString, std::function<void()>> steps = std::exchange(closeSteps(), {});
    for (const auto &release : steps)
        release();
    QDir::setCurrent(ApplicationFolder());
    SetDefaultPointer();
    // The windows are not unloaded one by one: the process simply ends.
    EndProcess(processState().exitStatus);
}

} // namespace modGlobal

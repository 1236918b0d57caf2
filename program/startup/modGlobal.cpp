#include "modGlobal.h"

#include "controls/WaitPointer.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
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

namespace {

// Takes the blanks off both ends of a text in place: a box may hold a long note, and a trimmed
// copy beside it would double what it costs.
bool trimInPlace(QString &text) {
    qsizetype last = text.size();
    while (last > 0 && text.at(last - 1) == QLatin1Char(' '))
        --last;
    qsizetype first = 0;
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    if (first == 0 && last == text.size())
        return false;
    text.truncate(last);
    text.remove(0, first);
    return true;
}

} // namespace

QString TrimBlanks(const QString &text) {
    QString trimmed = text;
    trimInPlace(trimmed);
    return trimmed;
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
            // Setting its text drops any formatting, as trimming a rich-text box always has.
            if (QString text = rich->toPlainText(); trimInPlace(text))
                rich->setPlainText(text);
        } else if (auto *plain = qobject_cast<QPlainTextEdit *>(widget)) {
            if (QString text = plain->toPlainText(); trimInPlace(text))
                plain->setPlainText(text);
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
    controls::ShowBusyPointer();
}

void SetDefaultPointer() {
    controls::ShowNormalPointer();
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

QString FullName(const QString &firstName, const QString &lastName) {
    return firstName + QLatin1Char(' ') + lastName;
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

#include "startup/modMain.h"

#include "controls/AppInfo.h"
#include "controls/Messages.h"
#include "controls/WaitPointer.h"
#include "main_window/frmOrdwen.h"
#include "owner_profile/frmAddOwner.h"
#include "startup/frmSplash.h"
#include "startup/modGlobal.h"
#include "tools/SafetyCopies.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QPointer>
#include <QStringList>

#include <cerrno>
#include <exception>
#include <functional>
#include <memory>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace modMain {

namespace {

const QString crlf = QStringLiteral("\r\n");
const QString mainProcedure = QStringLiteral("SubMain Load Procedure");

// Error numbers of failures that do not come from the database engine.
constexpr int errFileNotFound = 53;
constexpr int errPathFileAccess = 75;
constexpr int errCannotCreateObject = 429;
constexpr int errInternal = 51;
// A database that cannot take this build's tables (the library says why).
constexpr int errDatabaseNotUpgraded = 3251;
// The database engine's code when the reason for a failed read cannot be learnt.
constexpr int sqliteCantOpen = 14;

struct MainError {
    int number = 0;
    QString description;
};

using Step = std::function<std::optional<MainError>()>;

QPointer<frmOrdwen> &mainWindow() {
    static QPointer<frmOrdwen> window;
    return window;
}

bool takeInstanceLock() {
    auto lock = std::make_unique<QLockFile>(InstanceLockPath());
    // However old, a lock counts as held while the process that took it runs; the lock of a
    // process that is gone (a crash) is taken over.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    modGlobal::SetInstanceLock(std::move(lock));
    return true;
}

void refuseSecondCopy() {
    messages::ShowMessage(nullptr,
                          QString::fromLatin1(controls::AppTitle) +
                              QStringLiteral(" is already running on this computer! "),
                          QMessageBox::Warning);
    modGlobal::EndProcess(1);
}

std::optional<MainError> findDatabase() {
    if (DatabaseExists())
        return std::nullopt;
    messages::ShowMessage(
        nullptr,
        QStringLiteral("Database Not Found.") + crlf + crlf +
            QStringLiteral("The database must reside in the folder where it was originally installed."),
        QMessageBox::Critical, QMessageBox::Ok, QMessageBox::NoButton,
        QStringLiteral(" ERROR - DATABASE NOT FOUND"));
    modGlobal::SetExitStatus(1);
    modGlobal::CloseAll();
    return std::nullopt;
}

// The day's safety copy of the records, made before anything reads or writes them. A copy
// that cannot be written is noted in error.log and start-up goes on: the records themselves
// are untouched, and the user can work as on any other day.
std::optional<MainError> makeSafetyCopy() {
    try {
        const tools::DailyCopyResult copy = tools::MakeDailyCopy(QDate::currentDate());
        if (copy.outcome == tools::DailyCopyOutcome::Failed)
            WriteMainErrorLog(copy.failure.number, tools::DailyCopyFailureText(copy));
    } catch (const std::exception &e) {
        WriteMainErrorLog(errInternal, QStringLiteral("The safety copy was not written: ") +
                                           QString::fromLocal8Bit(e.what()));
    }
    return std::nullopt;
}

// A database of an earlier build gets what this build stores, after the day's safety copy
// holds it as it was. One that cannot take it stays exactly as it is and the start goes on:
// only payments are refused then, each time with the reason error.log keeps as well.
std::optional<MainError> upgradeDatabase() {
    const ordwen::UpgradeOutcome outcome = ordwen::UpgradeDatabase(tools::DatabaseFilePath());
    if (outcome.result == ordwen::UpgradeResult::Refused)
        WriteMainErrorLog(errDatabaseNotUpgraded,
                          QStringLiteral("The database was not brought up to date for payments: ") +
                              outcome.reason);
    return std::nullopt;
}

std::optional<MainError> loadMainWindow() {
    // The program has one main window: a start after an earlier one (as the tests run Main
    // again in one process) replaces the earlier window instead of leaving it behind.
    delete mainWindow().data();
    mainWindow() = new frmOrdwen;
    mainWindow()->Form_Load();
    if (!modGlobal::objHouse)
        return MainError{errCannotCreateObject,
                         QStringLiteral("The data-access library could not create its House object.")};
    return std::nullopt;
}

// A database that cannot be opened or read would otherwise lead the user into the first-use
// window, whose save can only fail. Reading changes nothing in the file.
std::optional<MainError> checkDatabaseReadable() {
    if (!modGlobal::objHouse || modGlobal::objHouse->LoadOwner())
        return std::nullopt;
    // The library's read shows nothing when it fails, but leaves the engine's reason on the
    // House's connection.
    MainError error{sqliteCantOpen, QStringLiteral("unable to open database file")};
    if (const ordwen::ConnectionPtr connection = modGlobal::objHouse->conDataBase();
        connection && connection->ErrorNumber() != 0)
        error = {connection->ErrorNumber(), connection->ErrorDescription()};
    const QString file = QDir::toNativeSeparators(modGlobal::AppPath(QStringLiteral("home/home.qd")));
    return MainError{error.number, QStringLiteral("The database file ") + file +
                                       QStringLiteral(" cannot be opened or read: ") + error.description};
}

std::optional<MainError> runSplash() {
    auto splash = std::make_unique<frmSplash>();
    splash->Form_Load();
    {
        const controls::WaitPointer wait;
        splash->close();
        splash.reset();
    }
    return std::nullopt;
}

std::optional<MainError> showMainWindow() {
    mainWindow()->show();
    return std::nullopt;
}

// Runs one step; an exception stands for any other run-time failure of start-up.
std::optional<MainError> run(const Step &step) {
    try {
        return step();
    } catch (const std::exception &e) {
        return MainError{errInternal, QString::fromLocal8Bit(e.what())};
    } catch (...) {
        return MainError{errInternal, QStringLiteral("Internal error")};
    }
}

QString timeLine(int number) {
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    // The long time format without the time zone name.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    // A leading blank stands where a minus sign would.
    const QString numberText =
        number < 0 ? QString::number(number) : QLatin1Char(' ') + QString::number(number);
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(now.time(), timeFormat.trimmed()) + QLatin1Char(' ') + QStringLiteral("Error:") +
           numberText;
}

} // namespace

void WriteMainErrorLog(int number, const QString &description) {
    const QString ruleLine = QLatin1Char('%') + QString(51, QLatin1Char('-')) + QLatin1Char('%');
    const QString blankFrameLine = QLatin1Char('%') + QString(51, QLatin1Char(' ')) + QLatin1Char('%');
    const QString path = modGlobal::AppPath(QStringLiteral("error.log"));
    // Only an ordinary file counts as an existing log; a folder of that name does not.
    const QFileInfo info(path);
    const bool exists = info.exists() && info.isFile();

    QStringList lines;
    if (!exists)
        lines << ruleLine << QString(11, QLatin1Char(' ')) + QStringLiteral("Brisola - Error Log")
              << ruleLine;
    lines << blankFrameLine << timeLine(number) << mainProcedure << QStringLiteral("---") << description
          << ruleLine;

    QFile file(path);
    if (!file.open(exists ? (QIODevice::WriteOnly | QIODevice::Append) : QIODevice::WriteOnly))
        return; // the message still tells the user what went wrong
    for (const QString &line : lines)
        file.write(line.toLocal8Bit() + "\r\n");
}

bool HandleMainError(int number, const QString &description) {
    if (number == errFileNotFound || number == errPathFileAccess) {
        controls::ShowNormalPointer();
        return true;
    }
    {
        const controls::WaitPointer wait;
        WriteMainErrorLog(number, description);
    }
    modGlobal::strProcedure = mainProcedure;
    messages::ShowMessage(nullptr,
                          QStringLiteral("ERROR #") + QString::number(number) + crlf + crlf + description +
                              crlf + QStringLiteral("In the: ModMain code module") + crlf +
                              QStringLiteral("Procedure: ") + modGlobal::strProcedure,
                          QMessageBox::Critical);
    return false;
}

QString InstanceLockPath() {
    QString folder = QFileInfo(modGlobal::ApplicationFolder()).canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(QDir(modGlobal::ApplicationFolder()).absolutePath());
    const QByteArray key =
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QDir::tempPath() +
           QStringLiteral("/brisola-%1-%2.lock").arg(::getuid()).arg(QString::fromLatin1(key));
}

frmOrdwen *MainWindow() {
    return mainWindow();
}

bool DatabaseExists() {
    const controls::WaitPointer wait;
    const QString folder = modGlobal::ApplicationFolder();
    if (QDir::currentPath() != folder)
        QDir::setCurrent(folder);
    const QByteArray path = QFile::encodeName(modGlobal::AppPath(QStringLiteral("home/home.qd")));
    bool exists = false;
    struct stat status {};
    if (::stat(path.constData(), &status) == 0)
        exists = S_ISREG(status.st_mode);
    else
        exists = errno != ENOENT && errno != ENOTDIR;
    return exists;
}

void LoadOwnerProfile() {
    using namespace modGlobal;
    rsShared = std::make_shared<ordwen::Recordset>();
    rsShared = objHouse ? objHouse->LoadOwner() : ordwen::RecordsetPtr();
    if (!rsShared || (rsShared->isBOF() && rsShared->isEOF())) {
        // First use: the window stores the profile and the two names, or ends the program.
        controls::ShowNormalPointer();
        frmAddOwner owner;
        owner.Form_Load();
        owner.exec();
        CloseSharedRecordset();
        return;
    }
    rsShared->MoveFirst();
    strOwnerName = FullName(rsShared->Text(QStringLiteral("FName")), rsShared->Text(QStringLiteral("LName")));
    strCompany = rsShared->Text(QStringLiteral("Company"));
    CloseSharedRecordset();
    controls::ShowNormalPointer();
}

void Main() {
    using namespace modGlobal;
    {
        // The hourglass until the database is looked for, which shows its own.
        const controls::WaitPointer wait;
        // The program ends through CloseAll only, never because its last visible window closed
        // (the main window is still hidden while the first-use and splash windows come and go).
        QApplication::setQuitOnLastWindowClosed(false);
        SetHelpFile(AppPath(QStringLiteral("help/ordwen.hlp")));
        // The clipboard is left alone: emptying it at every start would destroy what the user
        // had copied in another program.

        if (!takeInstanceLock()) {
            refuseSecondCopy();
            return;
        }
    }

    // No registration step: the library lies beside the program and is found there through
    // the program's run path; nothing needs to make it known to the system.

    const Step steps[] = {
        findDatabase,
        makeSafetyCopy,
        upgradeDatabase,
        loadMainWindow,
        checkDatabaseReadable,
        [] {
            LoadOwnerProfile();
            return std::optional<MainError>();
        },
        runSplash,
        showMainWindow,
    };
    for (const Step &step : steps) {
        const std::optional<MainError> error = run(step);
        if (ProcessEnded())
            return;
        if (error && !HandleMainError(error->number, error->description)) {
            // The main window is not shown, and a hidden program that nobody can reach must
            // not stay behind: it ends.
            SetExitStatus(1);
            CloseAll();
            return;
        }
    }
}

} // namespace modMain

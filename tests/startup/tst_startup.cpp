// Start-up as the user meets it: the checks of Main in their order, the first-use profile,
// the splash and the main window, a second copy, and a start that fails.
#include "MessageBoxHelper.h"
#include "TestAppFolder.h"
#include "TestMain.h"

#include "main_window/frmOrdwen.h"
#include "owner_profile/frmAddOwner.h"
#include "startup/frmSplash.h"
#include "startup/modGlobal.h"
#include "startup/modMain.h"

#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>

#include <unistd.h>

namespace {

// Records, in order, the class of every window that opens. A first-use window that a test
// does not expect is left through eXit at once, so that the test fails instead of hanging.
class WindowLog : public QObject {
public:
    WindowLog() { qApp->installEventFilter(this); }
    ~WindowLog() override { qApp->removeEventFilter(this); }
    QStringList shown;
    bool expectEntryWindow = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->isWindow()) {
                shown << QString::fromLatin1(widget->metaObject()->className());
                if (auto *entry = qobject_cast<frmAddOwner *>(widget); entry && !expectEntryWindow)
                    QTimer::singleShot(0, entry, [entry] { entry->cmdExit->click(); });
            }
        }
        return false;
    }
};

// Runs an action once on the first visible window of class T, from the event loop of whatever
// modal window start-up is showing.
template <typename T> class OnWindow : public QObject {
public:
    explicit OnWindow(std::function<void(T *)> action) : m_action(std::move(action)) {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const auto windows = QApplication::topLevelWidgets();
            for (QWidget *widget : windows) {
                if (auto *window = qobject_cast<T *>(widget); window && window->isVisible()) {
                    m_timer.stop();
                    m_ran = true;
                    m_action(window);
                    return;
                }
            }
        });
        m_timer.start(10);
    }
    bool ran() const { return m_ran; }

private:
    QTimer m_timer;
    std::function<void(T *)> m_action;
    bool m_ran = false;
};

const QStringList Profile = {
    QStringLiteral("Smith"),         QStringLiteral("Ann"),         QStringLiteral("Shine Cleaning"),
    QStringLiteral("12 Elm Street"), QStringLiteral("Springfield"), QStringLiteral("IL"),
    QStringLiteral("62704"),         QStringLiteral("555-0134"),    QString()};

QStringList logLines(const QByteArray &log) {
    QStringList lines = QString::fromLocal8Bit(log).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList folderContents(const QString &path) {
    QStringList entries;
    QDirIterator it(path, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << it.next().mid(path.size());
    entries.sort();
    return entries;
}

const QString RuleLine = QLatin1Char('%') + QString(51, QLatin1Char('-')) + QLatin1Char('%');

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

    std::unique_ptr<TestAppFolder> folder;
    bool ended = false;
    int exitStatus = -1;
    int waits = 0;
    QList<int> barAtWaits;
    bool busyWhileWaiting = true;
    QString startFolder;

    void useFolder(bool withDatabase, bool withPicture = true) {
        folder = std::make_unique<TestAppFolder>(withDatabase);
        if (withPicture)
            folder->copyDelivered(QStringLiteral("images"));
        modGlobal::SetApplicationFolder(folder->path());
    }

    // A fresh process end for each start: CloseAll and the refusal record instead of exiting.
    void catchProcessEnd() {
        ended = false;
        exitStatus = -1;
        modGlobal::SetProcessEnd([this](int status) {
            ended = true;
            exitStatus = status;
        });
    }

    void seedProfile() {
        QVERIFY(folder->exec(QStringLiteral(
            "INSERT INTO tblOwner (OwnerID, LName, FName, Company, Address, City, State, Zip, Phone, Email, "
            "FullName, AddDate) VALUES ('Lee - 431', 'Lee', 'Ann', 'Shine Cleaning', '2 B Rd', 'Bton', 'BC', "
            "'12345', '5550199', '', 'Ann Lee', '2024-01-02 03:04:05')")));
    }

    bool mainWindowShown() const { return modMain::MainWindow() && modMain::MainWindow()->isVisible(); }

private slots:
    void initTestCase() {
        startFolder = QDir::currentPath();
        // The splash's real waits are tested once, elsewhere; here each wait only records.
        frmSplash::SetWait([this] {
            ++waits;
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *splash = qobject_cast<frmSplash *>(widget); splash && splash->isVisible())
                    barAtWaits << splash->proBar->value();
            }
            busyWhileWaiting = busyWhileWaiting && QApplication::overrideCursor() &&
                               QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        });
    }

    void init() {
        waits = 0;
        barAtWaits.clear();
        busyWhileWaiting = true;
        catchProcessEnd();
    }

    void cleanup() {
        delete modMain::MainWindow();
        modGlobal::SetInstanceLock(nullptr);
        modGlobal::objHouse.reset();
        modGlobal::strOwnerName.clear();
        modGlobal::strCompany.clear();
        modGlobal::strProcedure.clear();
        modGlobal::SetDefaultPointer();
        modGlobal::SetProcessEnd({});
        modGlobal::SetApplicationFolder(QString());
        QDir::setCurrent(startFolder);
        folder.reset();
    }

    void cleanupTestCase() { frmSplash::SetWait({}); }

    void missingDatabaseEndsAfterTheMessage_data() {
        QTest::addColumn<bool>("folderInItsPlace");
        QTest::newRow("no file") << false;
        QTest::newRow("a folder of that name") << true;
    }

    void missingDatabaseEndsAfterTheMessage() {
        QFETCH(bool, folderInItsPlace);
        useFolder(false);
        if (folderInItsPlace)
            QVERIFY(QDir().mkpath(folder->databasePath()));
        const QStringList before = folderContents(folder->path());

        WindowLog windows;
        MessageBoxHelper boxes;
        boxes.answer(QMessageBox::Ok);
        modMain::Main();

        QCOMPARE(boxes.count(), 1);
        EXPECT_BOX(
            boxes.last(),
            QStringLiteral("Database Not Found.\r\n\r\nThe database must reside in the folder where it "
                           "was originally installed."),
            QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok,
            QStringLiteral(" ERROR - DATABASE NOT FOUND"));
        QVERIFY(ended);
        QVERIFY(exitStatus != 0);
        // Only the message: no other window opened, nothing was created.
        QCOMPARE(windows.shown, QStringList{QStringLiteral("QMessageBox")});
        QCOMPARE(folderContents(folder->path()), before);
        QVERIFY(!QApplication::overrideCursor());
        // CloseAll let go of the instance lock.
        QLockFile lock(modMain::InstanceLockPath());
        QVERIFY(lock.tryLock(0));
    }

    void firstUseAsksForTheProfileBeforeTheSplash() {
        useFolder(true);
        WindowLog windows;
        windows.expectEntryWindow = true;
        MessageBoxHelper boxes;
        bool mainWindowHiddenMeanwhile = false;
        OnWindow<frmAddOwner> entry([&](frmAddOwner *window) {
            mainWindowHiddenMeanwhile = modMain::MainWindow() && !modMain::MainWindow()->isVisible();
            for (int i = 0; i < 9; ++i)
                window->txtBox[i]->setText(Profile[i]);
            window->cmdSave->click();
        });
        boxes.answer(QMessageBox::Ok); // "Profile Information Saved!"
        modMain::Main();

        QVERIFY(entry.ran());
        QVERIFY(!ended);
        QVERIFY(mainWindowHiddenMeanwhile);
        QCOMPARE(windows.shown, (QStringList{QStringLiteral("frmAddOwner"), QStringLiteral("QMessageBox"),
                                             QStringLiteral("frmSplash"), QStringLiteral("frmOrdwen")}));
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Profile Information Saved! ")});
        QVERIFY(mainWindowShown());
        QCOMPARE(barAtWaits, (QList<int>{0, 2, 4, 6, 8, 10, 12, 14}));

        const QVariantMap row = folder->rows(QStringLiteral("SELECT * FROM tblOwner")).value(0);
        QCOMPARE(row.value("OwnerID").toString(), QStringLiteral("Smith - 431"));
        QCOMPARE(row.value("FullName").toString(), QStringLiteral("Ann Smith"));
        QVERIFY(!row.value("AddDate").toString().isEmpty());
        QCOMPARE(modGlobal::strOwnerName, QStringLiteral("Ann Smith"));
        QCOMPARE(modGlobal::strCompany, QStringLiteral("Shine Cleaning"));
    }

    void leavingTheFirstUseWindowEndsTheProgram() {
        useFolder(true);
        WindowLog windows;
        windows.expectEntryWindow = true;
        MessageBoxHelper boxes;
        OnWindow<frmAddOwner> entry([&](frmAddOwner *window) {
            window->txtBox[0]->setText(QStringLiteral("Smith"));
            window->cmdExit->click();
        });
        modMain::Main();

        QVERIFY(entry.ran());
        QVERIFY(ended);
        QCOMPARE(exitStatus, 0);
        QCOMPARE(windows.shown, QStringList{QStringLiteral("frmAddOwner")});
        QCOMPARE(waits, 0);
        QVERIFY(!mainWindowShown());
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(folder->value(QStringLiteral("SELECT COUNT(*) FROM tblOwner")).toInt(), 0);
        QLockFile lock(modMain::InstanceLockPath());
        QVERIFY(lock.tryLock(0));
    }

    void storedProfileGoesStraightToTheSplash_data() {
        QTest::addColumn<bool>("withPicture");
        QTest::addColumn<bool>("earlier"); // records of an earlier version: no payments, version 0
        QTest::newRow("splash picture delivered") << true << false;
        QTest::newRow("splash picture missing") << false << false;
        QTest::newRow("records of an earlier version") << true << true;
    }

    void storedProfileGoesStraightToTheSplash() {
        QFETCH(bool, withPicture);
        QFETCH(bool, earlier);
        useFolder(true, withPicture);
        seedProfile();
        if (earlier)
            QVERIFY(folder->exec(QStringLiteral("DROP TABLE tblPayments")) &&
                    folder->exec(QStringLiteral("PRAGMA user_version = 0")));
        // Started from another folder: the database is found all the same.
        QDir::setCurrent(QDir::rootPath());
        QApplication::clipboard()->setText(QStringLiteral("copied by the user"));

        WindowLog windows;
        MessageBoxHelper boxes;
        bool splashSeen = false;
        bool pictureShown = false;
        QString version;
        frmSplash::SetWait([&] {
            ++waits;
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *window = qobject_cast<frmSplash *>(widget); window && window->isVisible()) {
                    splashSeen = true;
                    pictureShown = !window->Image1->pixmap().isNull();
                    version = window->lblVersion->text();
                }
            }
        });
        modMain::Main();
        initTestCase(); // the recording wait again

        QVERIFY(!ended);
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(windows.shown, (QStringList{QStringLiteral("frmSplash"), QStringLiteral("frmOrdwen")}));
        QCOMPARE(waits, 8);
        QVERIFY(splashSeen);
        QCOMPARE(pictureShown, withPicture);
        QCOMPARE(version, QStringLiteral("2.0"));
        QVERIFY(mainWindowShown());
        QCOMPARE(modMain::MainWindow()->windowTitle(), QStringLiteral("Brisola - 2.0"));
        QCOMPARE(modGlobal::strOwnerName, QStringLiteral("Ann Lee"));
        QCOMPARE(modGlobal::strCompany, QStringLiteral("Shine Cleaning"));
        QCOMPARE(QDir::currentPath(), QFileInfo(folder->path()).canonicalFilePath());
        QCOMPARE(modGlobal::HelpFile(), folder->path() + QStringLiteral("/help/ordwen.hlp"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("copied by the user"));
        QVERIFY(!QApplication::overrideCursor());
        // The records are brought up to date (user_version, at byte 60 of the file); the day's
        // safety copy keeps them as they were.
        const QString copy =
            QStringLiteral("home/backup/home-") + QDate::currentDate().toString(Qt::ISODate) + ".qd";
        QCOMPARE(folder->readFile(QStringLiteral("home/home.qd")).mid(60, 4), QByteArray("\0\0\0\1", 4));
        QCOMPARE(folder->readFile(copy).mid(60, 4), QByteArray("\0\0\0", 3) + char(earlier ? 0 : 1));

        // Closing the main window ends the program normally and frees the lock.
        modMain::MainWindow()->close();
        QVERIFY(ended);
        QCOMPARE(exitStatus, 0);
        QLockFile lock(modMain::InstanceLockPath());
        QVERIFY(lock.tryLock(0));
    }

    void loadOwnerProfile_data() {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<bool>("asksForTheProfile");
        QTest::addColumn<QString>("ownerName");
        QTest::addColumn<QString>("company");
        const QString insert = QStringLiteral(
            "INSERT INTO tblOwner (OwnerID, LName, FName, Company, AddDate) VALUES ('%1 - 431', '%1', '%2', "
            "'%3', '2024-01-02 03:04:05')");
        QTest::newRow("one profile") << QStringList{insert.arg("Lee", "Ann", "Shine Cleaning")} << false
                                     << QStringLiteral("Ann Lee") << QStringLiteral("Shine Cleaning");
        QTest::newRow("several profiles: the first counts")
            << QStringList{insert.arg("Lee", "Ann", "Shine Cleaning"), insert.arg("Roe", "Bo", "Later Co")}
            << false << QStringLiteral("Ann Lee") << QStringLiteral("Shine Cleaning");
        QTest::newRow("no profile") << QStringList() << true << QString() << QString();
        QTest::newRow("the profile cannot be read")
            << QStringList{QStringLiteral("DROP TABLE tblOwner")} << true << QString() << QString();
    }

    void loadOwnerProfile() {
        QFETCH(QStringList, statements);
        QFETCH(bool, asksForTheProfile);
        QFETCH(QString, ownerName);
        QFETCH(QString, company);
        useFolder(true);
        for (const QString &statement : statements)
            QVERIFY(folder->exec(statement));
        modGlobal::NewHouse();
        QVERIFY(modGlobal::objHouse);
        modGlobal::SetBusyPointer();

        // The first-use window is left through eXit, which ends the program.
        OnWindow<frmAddOwner> entry([](frmAddOwner *window) { window->cmdExit->click(); });
        modMain::LoadOwnerProfile();

        QCOMPARE(entry.ran(), asksForTheProfile);
        QCOMPARE(ended, asksForTheProfile);
        QCOMPARE(modGlobal::strOwnerName, ownerName);
        QCOMPARE(modGlobal::strCompany, company);
        QVERIFY(!modGlobal::rsShared);
        QVERIFY(!QApplication::overrideCursor());
    }

    void splashRunsTheBarWithTheHourglass() {
        useFolder(true);
        seedProfile();
        WindowLog windows;
        modMain::Main();
        QCOMPARE(windows.shown, (QStringList{QStringLiteral("frmSplash"), QStringLiteral("frmOrdwen")}));
        QCOMPARE(barAtWaits, (QList<int>{0, 2, 4, 6, 8, 10, 12, 14}));
        QVERIFY(busyWhileWaiting);
        // The splash is gone once the main window shows.
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<frmSplash *>(widget) || !widget->isVisible());
        QVERIFY(mainWindowShown());
    }

    void secondCopyIsRefused() {
        useFolder(true);
        QLockFile running(modMain::InstanceLockPath());
        QVERIFY(running.tryLock(0));

        WindowLog windows;
        MessageBoxHelper boxes;
        boxes.answer(QMessageBox::Ok);
        modMain::Main();

        QCOMPARE(boxes.count(), 1);
        EXPECT_BOX(boxes.last(), QStringLiteral("Brisola is already running on this computer! "),
                   QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Brisola"));
        QVERIFY(ended);
        QVERIFY(exitStatus != 0);
        QCOMPARE(windows.shown, QStringList{QStringLiteral("QMessageBox")});
        QVERIFY(!modMain::MainWindow());
        // The running copy keeps its lock.
        QVERIFY(running.isLocked());
        QVERIFY(QFile::exists(modMain::InstanceLockPath()));
    }

    void runningProgramRefusesASecondStartAndACrashDoesNotBlock() {
        useFolder(true);
        for (const char *file : {"brisola", "libordwen.so"}) {
            QVERIFY(QFile::copy(QStringLiteral(BRISOLA_APP_DIR "/") + QLatin1String(file),
                                folder->filePath(QLatin1String(file))));
        }
        QProcess first;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        first.setProcessEnvironment(environment);
        first.setProgram(folder->filePath(QStringLiteral("brisola")));
        first.start();
        QVERIFY(first.waitForStarted());
        // It waits in its first-use window, holding the lock of its folder.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(modMain::InstanceLockPath()), 15000);

        {
            MessageBoxHelper boxes;
            boxes.answer(QMessageBox::Ok);
            modMain::Main();
            QCOMPARE(boxes.texts(),
                     QStringList{QStringLiteral("Brisola is already running on this computer! ")});
            QVERIFY(ended);
            QVERIFY(!modMain::MainWindow());
        }
        QCOMPARE(first.state(), QProcess::Running);

        // The running copy crashes; its lock file stays behind.
        first.kill();
        QVERIFY(first.waitForFinished(5000));
        QVERIFY(QFile::exists(modMain::InstanceLockPath()));

        seedProfile();
        catchProcessEnd();
        MessageBoxHelper boxes;
        modMain::Main();
        QCOMPARE(boxes.count(), 0);
        QVERIFY(!ended);
        QVERIFY(mainWindowShown());
    }

    void unreadableDatabaseIsReportedAndLeftAsItIs_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not a database")
            << QByteArray("These are not the records you are looking for.\n").repeated(200) << 26
            << QStringLiteral("file is not a database");
        QTest::newRow("empty file") << QByteArray() << 1 << QStringLiteral("no such table: tblOwner");
    }

    void unreadableDatabaseIsReportedAndLeftAsItIs() {
        QFETCH(QByteArray, content);
        QFETCH(int, number);
        QFETCH(QString, reason);
        useFolder(true);
        {
            QFile file(folder->databasePath());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(content);
        }
        const QStringList before = folderContents(folder->path());

        WindowLog windows;
        MessageBoxHelper boxes;
        boxes.answer(QMessageBox::Ok);
        modMain::Main();

        const QString description = QStringLiteral("The database file ") + folder->databasePath() +
                                    QStringLiteral(" cannot be opened or read: ") + reason;
        QCOMPARE(boxes.count(), 1);
        EXPECT_BOX(boxes.last(),
                   QStringLiteral("ERROR #%1\r\n\r\n").arg(number) + description +
                       QStringLiteral("\r\nIn the: ModMain code module\r\nProcedure: SubMain Load Procedure"),
                   QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Brisola"));
        QCOMPARE(modGlobal::strProcedure, QStringLiteral("SubMain Load Procedure"));

        // Not half started: no first-use window, no splash, no main window; the program ends.
        QCOMPARE(windows.shown, QStringList{QStringLiteral("QMessageBox")});
        QVERIFY(ended);
        QVERIFY(exitStatus != 0);
        // The file is exactly as it was; only the log was added.
        QCOMPARE(folder->readFile(QStringLiteral("home/home.qd")), content);
        QStringList after = folderContents(folder->path());
        after.removeAll(QStringLiteral("/error.log"));
        QCOMPARE(after, before);

        const QStringList lines = logLines(folder->errorLog());
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[0], RuleLine);
        QCOMPARE(lines[1], QString(11, QLatin1Char(' ')) + QStringLiteral("Brisola - Error Log"));
        QCOMPARE(lines[2], RuleLine);
        QCOMPARE(lines[3], QLatin1Char('%') + QString(51, QLatin1Char(' ')) + QLatin1Char('%'));
        QVERIFY2(lines[4].endsWith(QStringLiteral(" Error: %1").arg(number)), qPrintable(lines[4]));
        QCOMPARE(lines[5], QStringLiteral("SubMain Load Procedure"));
        QCOMPARE(lines[6], QStringLiteral("---"));
        QCOMPARE(lines[7], description);
        QCOMPARE(lines[8], RuleLine);

        // A second start that fails the same way appends its entry without a new header.
        catchProcessEnd();
        boxes.answer(QMessageBox::Ok);
        modMain::Main();
        const QStringList again = logLines(folder->errorLog());
        QCOMPARE(again.size(), 15);
        QCOMPARE(again.mid(0, 9), lines);
        QCOMPARE(again[9], lines[3]);
        QCOMPARE(again[11], QStringLiteral("SubMain Load Procedure"));
        QCOMPARE(folder->readFile(QStringLiteral("home/home.qd")), content);
    }

    void databaseFolderThatCannotBeSearched() {
        if (::geteuid() == 0)
            QSKIP("the superuser reads every folder");
        useFolder(true);
        const QString home = folder->filePath(QStringLiteral("home"));
        QVERIFY(QFile::setPermissions(home, QFileDevice::Permissions()));
        WindowLog windows;
        MessageBoxHelper boxes;
        boxes.answer(QMessageBox::Ok);
        modMain::Main();
        QFile::setPermissions(home, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        // Not "not found": the file may well be there. The user is told it cannot be read.
        QCOMPARE(boxes.count(), 1);
        QVERIFY2(boxes.last().text.contains(QStringLiteral("cannot be opened or read")),
                 qPrintable(boxes.last().text));
        QVERIFY(ended);
        QVERIFY(!mainWindowShown());
    }

    void mainErrorHandling_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<QString>("errorText");
        QTest::newRow("53 file not found") << 53 << true << QString();
        QTest::newRow("75 path/file access error") << 75 << true << QString();
        QTest::newRow("a database failure") << 3022 << false << QStringLiteral("Error: 3022");
        QTest::newRow("number zero") << 0 << false << QStringLiteral("Error: 0");
        QTest::newRow("a negative number") << -2147221231 << false << QStringLiteral("Error:-2147221231");
    }

    void mainErrorHandling() {
        QFETCH(int, number);
        QFETCH(bool, goesOn);
        QFETCH(QString, errorText);
        useFolder(true);
        modGlobal::SetBusyPointer();
        MessageBoxHelper boxes;
        const QString description = QStringLiteral("First line\r\nsecond line");

        // Only the errors that stop the start are told.
        if (!goesOn)
            boxes.answer(QMessageBox::Ok);
        QCOMPARE(modMain::HandleMainError(number, description), goesOn);
        QVERIFY(!QApplication::overrideCursor());
        if (goesOn) {
            QCOMPARE(boxes.count(), 0);
            QVERIFY(!QFile::exists(folder->errorLogPath()));
            return;
        }
        QCOMPARE(boxes.count(), 1);
        EXPECT_BOX(boxes.last(),
                   QStringLiteral("ERROR #%1\r\n\r\nFirst line\r\nsecond line\r\nIn the: ModMain code "
                                  "module\r\nProcedure: SubMain Load Procedure")
                       .arg(number),
                   QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Brisola"));
        // The description of two lines is written unchanged: one line more.
        const QStringList lines = logLines(folder->errorLog());
        QCOMPARE(lines.size(), 10);
        QVERIFY2(lines[4].startsWith(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat) +
                                     QLatin1Char(' ')),
                 qPrintable(lines[4]));
        QVERIFY2(lines[4].endsWith(QLatin1Char(' ') + errorText), qPrintable(lines[4]));
        QCOMPARE(lines.mid(7, 2), (QStringList{QStringLiteral("First line"), QStringLiteral("second line")}));
    }

    // The time of day is written in the user's own long format, like the date beside it.
    void mainErrorTimeInUserLocale() {
        const QLocale korean(QLocale::Korean, QLocale::SouthKorea);
        struct LocaleRestore {
            QLocale saved;
            ~LocaleRestore() { QLocale::setDefault(saved); }
        } restore{QLocale()};
        QLocale::setDefault(korean);
        useFolder(true);
        MessageBoxHelper boxes;
        boxes.answer(QMessageBox::Ok);
        modMain::HandleMainError(5, QStringLiteral("database is locked"));

        const QStringList lines = logLines(folder->errorLog());
        QVERIFY(lines.size() > 4);
        const QString timeLine = lines[4];
        QVERIFY2(timeLine.startsWith(korean.toString(QDate::currentDate(), QLocale::ShortFormat)),
                 qPrintable(timeLine));
        QVERIFY2(!timeLine.contains(QLatin1String("AM")) && !timeLine.contains(QLatin1String("PM")),
                 qPrintable(timeLine));
        QVERIFY2(timeLine.contains(korean.amText()) || timeLine.contains(korean.pmText()),
                 qPrintable(timeLine));
        QVERIFY2(timeLine.endsWith(QStringLiteral(" Error: 5")), qPrintable(timeLine));
    }
};

BRISOLA_TEST_MAIN(TestStartup)
#include "tst_startup.moc"

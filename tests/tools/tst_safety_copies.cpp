// The daily safety copy: one a day and no more, the 30 newest kept, a copy consistent while
// the records are in use, nothing copied from a file that holds no records, and a copy that
// cannot be written leaving the records untouched and start-up going on.
#include "MessageBoxHelper.h"
#include "TestMain.h"
#include "ToolsFixture.h"

#include "MainWindowParts.h"
#include "controls/ListView.h"
#include "startup/frmSplash.h"
#include "startup/modMain.h"
#include "tools/SafetyCopies.h"

#include <QLockFile>
#include <QSqlError>

using tools::DailyCopyOutcome;

namespace {

const QDate Today(2026, 12, 8);

QStringList dayNames(const QList<int> &offsets) {
    QStringList names;
    for (int offset : offsets)
        names << ToolsFolder::dayName(Today.addDays(offset));
    names.sort();
    return names;
}

QList<int> range(int from, int to) {
    QList<int> offsets;
    for (int i = from; i <= to; ++i)
        offsets << i;
    return offsets;
}

QStringList logLines(const QByteArray &log) {
    QStringList lines = QString::fromLocal8Bit(log).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestSafetyCopies : public QObject {
    Q_OBJECT

    std::unique_ptr<ToolsFolder> tf;

private slots:
    void init() { tf = std::make_unique<ToolsFolder>(); }
    void cleanup() { tf.reset(); }

    void oneCopyADay() {
        QVERIFY(tf->seed(2, 3, 1, 4));
        const QByteArray before = fileBytes(tf->folder.databasePath());

        tools::DailyCopyResult first = tools::MakeDailyCopy(Today);
        QCOMPARE(first.outcome, DailyCopyOutcome::Made);
        QCOMPARE(first.path, tf->backupPath(ToolsFolder::dayName(Today)));
        QCOMPARE(fileCount(first.path, "tblClients"), 2);
        QCOMPARE(fileCount(first.path, "tblInvoices"), 3);
        QCOMPARE(fileCount(first.path, "tblNotes"), 1);
        QCOMPARE(fileCount(first.path, "tblAddress"), 4);
        QCOMPARE(fileValue(first.path, QStringLiteral("PRAGMA integrity_check")).toString(),
                 QStringLiteral("ok"));
        // Copying never changes the records.
        QCOMPARE(fileBytes(tf->folder.databasePath()), before);

        // A later start the same day leaves the day's copy as it was.
        QVERIFY(tf->seed(1, 0, 0, 0, 10));
        const QByteArray copied = fileBytes(first.path);
        QCOMPARE(tools::MakeDailyCopy(Today).outcome, DailyCopyOutcome::AlreadyMade);
        QCOMPARE(fileBytes(first.path), copied);
        QCOMPARE(tf->backupFiles(), dayNames({0}));

        // The next day has a copy of its own, of the records as they are then.
        const tools::DailyCopyResult next = tools::MakeDailyCopy(Today.addDays(1));
        QCOMPARE(next.outcome, DailyCopyOutcome::Made);
        QCOMPARE(fileCount(next.path, "tblClients"), 3);
        QCOMPARE(tf->backupFiles(), dayNames({0, 1}));
    }

    void keepsTheNewestCopies_data() {
        QTest::addColumn<QList<int>>("earlier"); // days of the copies already there
        QTest::addColumn<QStringList>("others"); // other files in the folder
        QTest::addColumn<QList<int>>("kept");    // days of the copies left
        QTest::newRow("29 earlier days: all kept") << range(-29, -1) << QStringList() << range(-29, 0);
        QTest::newRow("30 earlier days: the oldest goes") << range(-30, -1) << QStringList() << range(-29, 0);
        QTest::newRow("40 earlier days: 30 newest stay") << range(-40, -1) << QStringList() << range(-29, 0);
        QTest::newRow("gaps between days")
            << QList<int>{-100, -60, -3} << QStringList() << QList<int>{-100, -60, -3, 0};
        // Set back, the clock makes today older than every copy: today's copy is the newest
        // state of the records all the same and stays.
        QList<int> afterSetBack = range(2, 30);
        afterSetBack.prepend(0);
        QTest::newRow("clock set back") << range(1, 30) << QStringList() << afterSetBack;
        QTest::newRow("other files are never removed")
            << range(-35, -1)
            << QStringList{QStringLiteral("before-restore-2026-01-02-030405.qd"), QStringLiteral("notes.txt"),
                           QStringLiteral("home-2026-13-45.qd"), QStringLiteral("home-2020-01-01.qd.bak")}
            << range(-29, 0);
    }

    void keepsTheNewestCopies() {
        QFETCH(QList<int>, earlier);
        QFETCH(QStringList, others);
        QFETCH(QList<int>, kept);
        QVERIFY(QDir().mkpath(tf->backupPath(QString())));
        for (int offset : earlier)
            QVERIFY(writeBytes(tf->backupPath(ToolsFolder::dayName(Today.addDays(offset))), "old copy"));
        for (const QString &name : others)
            QVERIFY(writeBytes(tf->backupPath(name), "other"));

        QCOMPARE(tools::MakeDailyCopy(Today).outcome, DailyCopyOutcome::Made);

        QStringList expected = dayNames(kept) + others;
        expected.sort();
        QCOMPARE(tf->backupFiles(), expected);
        for (const QString &name : others)
            QCOMPARE(fileBytes(tf->backupPath(name)), QByteArray("other"));
    }

    void failedCopyTouchesNothing_data() {
        QTest::addColumn<QString>("blocker"); // what stands in the way
        QTest::newRow("a file where the copies' folder belongs") << QStringLiteral("home/backup");
        QTest::newRow("a folder under the day's copy name")
            << QStringLiteral("home/backup/") + ToolsFolder::dayName(Today) + QStringLiteral("/");
        QTest::newRow("a full folder under the unfinished copy's name")
            << QStringLiteral("home/backup/") + ToolsFolder::dayName(Today) + QStringLiteral(".part/x");
    }

    void failedCopyTouchesNothing() {
        QFETCH(QString, blocker);
        QVERIFY(tf->seed(1, 1, 1, 1));
        if (blocker.endsWith(QLatin1Char('/')))
            QVERIFY(QDir().mkpath(tf->folder.filePath(blocker)));
        else {
            QVERIFY(QDir().mkpath(QFileInfo(tf->folder.filePath(blocker)).absolutePath()));
            QVERIFY(writeBytes(tf->folder.filePath(blocker), "in the way"));
        }
        const QByteArray before = fileBytes(tf->folder.databasePath());

        const tools::DailyCopyResult result = tools::MakeDailyCopy(Today);
        QCOMPARE(result.outcome, DailyCopyOutcome::Failed);
        QVERIFY(result.failure.number != 0);
        QVERIFY(!result.failure.description.isEmpty());
        QCOMPARE(fileBytes(tf->folder.databasePath()), before);
        QVERIFY(!QFileInfo(result.path).isFile());
        QVERIFY(!QFileInfo(result.path + QStringLiteral(".part")).isFile());
        QVERIFY2(tools::DailyCopyFailureText(result).contains(QDir::toNativeSeparators(result.path)),
                 qPrintable(tools::DailyCopyFailureText(result)));
    }

    void nothingCopiedFromAFileWithoutRecords_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not a database") << QByteArray("These are not the records.\n").repeated(300);
        QTest::newRow("empty file") << QByteArray();
    }

    void nothingCopiedFromAFileWithoutRecords() {
        QFETCH(QByteArray, content);
        QVERIFY(writeBytes(tf->folder.databasePath(), content));
        QCOMPARE(tools::MakeDailyCopy(Today).outcome, DailyCopyOutcome::NothingToCopy);
        QCOMPARE(fileBytes(tf->folder.databasePath()), content);
        // Not even the folder is made: a bad file must not push good copies out.
        QVERIFY(!QFileInfo::exists(tf->backupPath(QString())));
    }

    void nothingCopiedFromAnotherProgramsDatabase() {
        QFile::remove(tf->folder.databasePath());
        {
            const QString name = QStringLiteral("other-program");
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
                db.setDatabaseName(tf->folder.databasePath());
                QVERIFY(db.open());
                QVERIFY(QSqlQuery(db).exec(QStringLiteral("CREATE TABLE tblClients (ClientID TEXT)")));
                db.close();
            }
            QSqlDatabase::removeDatabase(name);
        }
        QCOMPARE(tools::MakeDailyCopy(Today).outcome, DailyCopyOutcome::NothingToCopy);
        QVERIFY(tf->backupFiles().isEmpty());
    }

    void copyIsConsistentWhileTheRecordsAreInUse() {
        QVERIFY(tf->seed(5, 5, 5, 5));
        const QString name = QStringLiteral("writer");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(tf->folder.databasePath());
            QVERIFY(db.open());
            // Another connection is halfway through a change: the copy holds the records
            // as they were before it, whole.
            QVERIFY(db.transaction());
            QSqlQuery insert(db);
            QVERIFY2(insert.exec(QStringLiteral(
                         "INSERT INTO tblClients (ClientID, Client) VALUES ('QD-99', 'Half')")),
                     qPrintable(insert.lastError().text()));
            const tools::DailyCopyResult result = tools::MakeDailyCopy(Today);
            QCOMPARE(result.outcome, DailyCopyOutcome::Made);
            QVERIFY(db.commit());
            db.close();
            QCOMPARE(fileCount(result.path, "tblClients"), 5);
            QCOMPARE(fileValue(result.path, QStringLiteral("PRAGMA integrity_check")).toString(),
                     QStringLiteral("ok"));
        }
        QSqlDatabase::removeDatabase(name);
        QCOMPARE(tf->folder.value(QStringLiteral("SELECT COUNT(*) FROM tblClients")).toInt(), 6);
    }
};

// Start-up with the daily copy: made after the database check, before the main window; a
// copy that fails is logged and start-up goes on to the main window.
class TestSafetyCopyAtStartup : public QObject {
    Q_OBJECT

    std::unique_ptr<TestAppFolder> folder;
    bool ended = false;

    void start() {
        ended = false;
        modGlobal::SetProcessEnd([this](int) { ended = true; });
        MessageBoxHelper boxes;
        modMain::Main();
        QCOMPARE(boxes.count(), 0);
        QVERIFY(!ended);
        QVERIFY(modMain::MainWindow() && modMain::MainWindow()->isVisible());
    }

    QString todaysCopy() const {
        return folder->filePath(QStringLiteral("home/backup/") + ToolsFolder::dayName(QDate::currentDate()));
    }

private slots:
    void initTestCase() {
        frmSplash::SetWait([] {});
    }
    void cleanupTestCase() { frmSplash::SetWait({}); }

    void init() {
        folder = std::make_unique<TestAppFolder>();
        folder->copyDelivered(QStringLiteral("images"));
        modGlobal::SetApplicationFolder(folder->path());
        QVERIFY(folder->exec(QStringLiteral("INSERT INTO tblOwner (OwnerID, LName, FName, Company) VALUES "
                                            "('Lee - 1', 'Lee', 'Ann', 'Shine')")));
        QVERIFY(
            folder->exec(QStringLiteral("INSERT INTO tblClients (ClientID, Client) VALUES ('QD-1', 'One')")));
    }

    void cleanup() {
        delete modMain::MainWindow();
        modGlobal::SetInstanceLock(nullptr);
        modGlobal::objHouse.reset();
        modGlobal::SetDefaultPointer();
        modGlobal::SetProcessEnd({});
        modGlobal::SetApplicationFolder(QString());
        folder.reset();
    }

    void startupMakesTheDaysCopyOnce() {
        start();
        QCOMPARE(fileCount(todaysCopy(), "tblClients"), 1);
        QVERIFY(!QFileInfo::exists(folder->errorLogPath()));
        const QByteArray copy = fileBytes(todaysCopy());

        // A second start the same day: no second copy, the first one untouched.
        delete modMain::MainWindow();
        modGlobal::SetInstanceLock(nullptr);
        QVERIFY(
            folder->exec(QStringLiteral("INSERT INTO tblClients (ClientID, Client) VALUES ('QD-2', 'Two')")));
        start();
        QCOMPARE(QDir(folder->filePath(QStringLiteral("home/backup"))).entryList(QDir::Files).size(), 1);
        QCOMPARE(fileBytes(todaysCopy()), copy);
    }

    void failedCopyIsLoggedAndStartUpGoesOn() {
        // A file stands where the copies' folder belongs.
        QVERIFY(writeBytes(folder->filePath(QStringLiteral("home/backup")), "in the way"));
        const QByteArray records = fileBytes(folder->databasePath());
        start();
        QCOMPARE(fileBytes(folder->databasePath()), records);
        // The main window shows the records as on any other day.
        QCOMPARE(MainWindowParts(*modMain::MainWindow()).lvClients->topLevelItemCount(), 1);

        const QStringList lines = logLines(folder->errorLog());
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[1], QString(11, QLatin1Char(' ')) + QStringLiteral("Brisola - Error Log"));
        QVERIFY2(lines[4].endsWith(QStringLiteral(" Error: 75")), qPrintable(lines[4]));
        QCOMPARE(lines[5], QStringLiteral("SubMain Load Procedure"));
        QCOMPARE(lines[7], QStringLiteral("The safety copy ") + QDir::toNativeSeparators(todaysCopy()) +
                               QStringLiteral(" was not written: cannot make the folder ") +
                               QDir::toNativeSeparators(folder->filePath(QStringLiteral("home/backup"))));
    }
};

BRISOLA_TEST_MAIN(TestSafetyCopies, TestSafetyCopyAtStartup)

#include "tst_safety_copies.moc"

// The program against the faults a real machine produces: a database it may not write, a
// folder it may not write in, a file locked by another program, replaced, cut short or
// deleted while the program runs; an error log that cannot be written; the process killed
// in the middle of its writes; printing that fails. In every case what is stored stays
// stored, what was typed stays in the window, and the user is told what happened.
#include "../main_window/MainWindowFixture.h"
#include "../reports/ReportFixture.h"
#include "Unprivileged.h"

#include "startup/frmSplash.h"
#include "startup/modMain.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSet>
#include <QTabWidget>
#include <QTextEdit>
#include <QThread>

#include <sys/stat.h>

namespace {

constexpr auto Critical = QMessageBox::Critical;
constexpr auto Ok = QMessageBox::Ok;

const QString libraryTitle = QStringLiteral("Ordwen");

QString libraryFailure(int number, const QString &description, const QString &function) {
    return QStringLiteral("ERROR # %1\r\n\r\n%2\r\nIn the Dynamic Link Library\r\nFunction: %3")
        .arg(number)
        .arg(description, function);
}

QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

constexpr QFileDevice::Permissions ownerAll =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
constexpr QFileDevice::Permissions ownerReadSearch = QFileDevice::ReadOwner | QFileDevice::ExeOwner;

// Another program that holds the whole database file locked until it is let go.
class LockingProcess {
public:
    bool lock(const QString &database) {
        m_process.setProgram(QStringLiteral(FAULT_HELPER));
        m_process.setArguments({QStringLiteral("lock"), database});
        m_process.start();
        if (!m_process.waitForStarted(10000))
            return false;
        while (m_process.canReadLine() || m_process.waitForReadyRead(10000)) {
            if (m_process.readLine().trimmed() == "locked")
                return true;
        }
        return false;
    }
    void release() {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
        m_process.waitForFinished(2000);
    }
    ~LockingProcess() { release(); }

private:
    QProcess m_process;
};

// The Clipboard tab with a note typed and saved.
void saveNote(MainWindowParts &w, const QString &text) {
    w.tabMain->setCurrentIndex(4);
    w.cmdClearNote->click();
    w.rtNotes->setPlainText(text);
    QTest::mouseClick(w.cmdSaveNotes, Qt::LeftButton);
}

struct ExpectedBox {
    QString text;
    QString title;
};

} // namespace

Q_DECLARE_METATYPE(QList<ExpectedBox>)

class TestFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void saveMeetsABrokenDatabase_data();
    void saveMeetsABrokenDatabase();
    void errorLogCannotBeWritten_data();
    void errorLogCannotBeWritten();
    void startUpFailureWithAnUnwritableLog();
    void killedInTheMiddleOfWrites();
    void printingFails_data();
    void printingFails();
    void savesWhileAReportIsOpen();
};

void TestFaults::initTestCase() {
    // Every case below depends on a read-only file really being read-only: as root the test
    // program runs itself as nobody (see main), and must never get here with root's rights.
    QVERIFY2(unprivileged::ReadOnlyMeansReadOnly(), "this process may write read-only files");
}

void TestFaults::saveMeetsABrokenDatabase_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QList<ExpectedBox>>("expected");
    QTest::addColumn<bool>("logged");   // the failed write left an entry in error.log
    QTest::addColumn<bool>("mendable"); // once the fault is gone, the same save succeeds

    const ExpectedBox notSaved{QStringLiteral("Note Record was NOT Saved! "), QStringLiteral(" ERROR")};
    QTest::newRow("database file read-only")
        << "file read-only"
        << QList<ExpectedBox>{{libraryFailure(8, QStringLiteral("attempt to write a readonly database"),
                                              QStringLiteral("AddNotes")),
                               libraryTitle},
                              notSaved}
        << true << true;
    QTest::newRow("database folder read-only")
        << "folder read-only"
        << QList<ExpectedBox>{{libraryFailure(1544, QStringLiteral("attempt to write a readonly database"),
                                              QStringLiteral("AddNotes")),
                               libraryTitle},
                              notSaved}
        << true << true;
    QTest::newRow("locked by another program")
        << "locked"
        << QList<ExpectedBox>{{libraryFailure(5, QStringLiteral("database is locked"),
                                              QStringLiteral("GetNewNoteID")),
                               libraryTitle},
                              notSaved}
        << false << true;
    QTest::newRow("replaced by a file that is not a database")
        << "not a database"
        << QList<ExpectedBox>{{libraryFailure(26, QStringLiteral("file is not a database"),
                                              QStringLiteral("GetNewNoteID")),
                               libraryTitle},
                              notSaved}
        << false << false;
    QTest::newRow("cut to half its size")
        << "truncated"
        << QList<ExpectedBox>{{libraryFailure(11, QStringLiteral("database disk image is malformed"),
                                              QStringLiteral("GetNewNoteID")),
                               libraryTitle},
                              notSaved}
        << false << false;
    QTest::newRow("deleted while the program runs")
        << "deleted"
        << QList<ExpectedBox>{{libraryFailure(14, QStringLiteral("unable to open database file"),
                                              QStringLiteral("GetNewNoteID")),
                               libraryTitle},
                              notSaved}
        << false << false;
}

// A note saved while the database is unusable: the library's message, then the window's,
// the typed text still in the editor, the stored notes still listed and stored, and no
// file made or changed behind the user's back.
void TestFaults::saveMeetsABrokenDatabase() {
    QFETCH(QString, fault);
    QFETCH(QList<ExpectedBox>, expected);
    QFETCH(bool, logged);
    QFETCH(bool, mendable);

    MainWindowFixture f;
    QVERIFY(f.folder.exec(QStringLiteral("INSERT INTO tblNotes (NoteID, NoteText, AddDate) VALUES "
                                         "('QDN-1', 'Call O''Brien on Monday', '2024-03-04 09:00:00')")));
    // Pages enough that half the file loses tables, as a cut-short copy does.
    for (int i = 2; i <= 40; ++i) {
        QVERIFY(
            f.folder.exec(QStringLiteral("INSERT INTO tblNotes (NoteID, NoteText) VALUES ('QDN-%1', '%2')")
                              .arg(i)
                              .arg(QString(400, QLatin1Char('a' + i % 26)))));
    }
    const QList<QVariantMap> storedBefore =
        f.folder.rows(QStringLiteral("SELECT * FROM tblNotes ORDER BY ID"));
    MainWindowParts &w = f.open();
    QCOMPARE(w.lvNotes->topLevelItemCount(), 40);

    const QString database = f.folder.databasePath();
    const QString home = f.folder.filePath(QStringLiteral("home"));
    // Whatever happens, the folder can be cleaned up afterwards.
    struct Permissions {
        QString folder;
        ~Permissions() { QFile::setPermissions(folder, ownerAll); }
    } restoreHome{home};
    LockingProcess other;
    QByteArray damaged;
    if (fault == QLatin1String("file read-only")) {
        QVERIFY(QFile::setPermissions(database, QFileDevice::ReadOwner));
    } else if (fault == QLatin1String("folder read-only")) {
        QVERIFY(QFile::setPermissions(home, ownerReadSearch));
    } else if (fault == QLatin1String("locked")) {
        QVERIFY(other.lock(database));
    } else if (fault == QLatin1String("not a database")) {
        damaged = QByteArray("Quarterly figures, do not open\n").repeated(300);
        QVERIFY(writeFile(database, damaged));
    } else if (fault == QLatin1String("truncated")) {
        const QByteArray whole = fileBytes(database);
        damaged = whole.left(whole.size() / 2);
        QVERIFY(writeFile(database, damaged));
    } else if (fault == QLatin1String("deleted")) {
        QVERIFY(QFile::remove(database));
    }
    const QByteArray bytesDuringFault = fileBytes(database);

    const QString typed = QStringLiteral("Bring the ladder for O'Brien's windows");
    for (int i = 0; i < expected.size(); ++i)
        f.boxes.answer(Ok);
    saveNote(w, typed);

    QCOMPARE(f.boxes.count(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_BOX(f.boxes.shown().at(i), expected[i].text, Critical, Ok, Ok, expected[i].title);
    QVERIFY(!f.pointerBusy());
    // Nothing typed is lost, and the list still shows what is stored.
    QCOMPARE(w.rtNotes->toPlainText(), typed);
    QCOMPARE(w.lvNotes->topLevelItemCount(), 40);
    QVERIFY(w.lblNoteID->text().isEmpty());
    // The file is exactly as the fault left it: not repaired, not recreated, not grown.
    if (fault == QLatin1String("deleted"))
        QVERIFY(!QFile::exists(database));
    QCOMPARE(fileBytes(database), bytesDuringFault);
    if (!damaged.isEmpty())
        QCOMPARE(fileBytes(database), damaged);
    QCOMPARE(QDir(home).entryList(QDir::Files | QDir::Hidden),
             fault == QLatin1String("deleted") ? QStringList() : QStringList{QStringLiteral("home.qd")});

    const QByteArray log = f.folder.errorLog();
    if (logged) {
        QVERIFY2(log.contains("AddNotes - DLL Function"), log.constData());
    } else {
        QVERIFY2(log.isEmpty(), log.constData());
    }

    // The fault mended, the very same click stores the note, and nothing stored before it
    // was lost on the way.
    QVERIFY(QFile::setPermissions(database, QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
            !QFile::exists(database));
    QVERIFY(QFile::setPermissions(home, ownerAll));
    other.release();
    if (!mendable)
        return;
    QCOMPARE(f.folder.rows(QStringLiteral("SELECT * FROM tblNotes ORDER BY ID")), storedBefore);
    f.boxes.answer(QMessageBox::No);
    QTest::mouseClick(w.cmdSaveNotes, Qt::LeftButton);
    QCOMPARE(f.boxes.count(), expected.size() + 1);
    QCOMPARE(f.boxes.last().title, QStringLiteral("Record Saved Successfully"));
    QCOMPARE(
        f.folder.value(QStringLiteral("SELECT NoteText FROM tblNotes WHERE NoteID = 'QDN-41'")).toString(),
        typed);
    QCOMPARE(f.folder.rows(QStringLiteral("SELECT * FROM tblNotes WHERE ID <= 40 ORDER BY ID")),
             storedBefore);
    QCOMPARE(f.folder.value(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
}

void TestFaults::errorLogCannotBeWritten_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("a folder named error.log") << "folder named error.log";
    QTest::newRow("application folder read-only") << "read-only folder";
}

// A failed save whose log entry cannot be written: the messages still come, nothing breaks,
// and whatever stands in the log's place is left alone.
void TestFaults::errorLogCannotBeWritten() {
    QFETCH(QString, fault);
    MainWindowFixture f;
    MainWindowParts &w = f.open();
    const QString log = f.folder.errorLogPath();
    QVERIFY(QFile::setPermissions(f.folder.databasePath(), QFileDevice::ReadOwner));
    if (fault == QLatin1String("folder named error.log")) {
        QVERIFY(QDir().mkpath(log + QStringLiteral("/inside")));
    } else {
        QVERIFY(QFile::setPermissions(f.folder.path(), ownerReadSearch));
    }

    f.boxes.answer({Ok, Ok});
    saveNote(w, QStringLiteral("Invoice the Smiths"));
    QFile::setPermissions(f.folder.path(), ownerAll);

    QCOMPARE(f.boxes.count(), 2);
    EXPECT_BOX(
        f.boxes.shown().at(0),
        libraryFailure(8, QStringLiteral("attempt to write a readonly database"), QStringLiteral("AddNotes")),
        Critical, Ok, Ok, libraryTitle);
    EXPECT_BOX(f.boxes.shown().at(1), QStringLiteral("Note Record was NOT Saved! "), Critical, Ok, Ok,
               QStringLiteral(" ERROR"));
    QCOMPARE(w.rtNotes->toPlainText(), QStringLiteral("Invoice the Smiths"));
    if (fault == QLatin1String("folder named error.log")) {
        QVERIFY(QFileInfo(log).isDir());
        QCOMPARE(QDir(log).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("inside")});
    } else {
        QVERIFY(!QFile::exists(log));
    }
    // A later failure, with the log writable again, is logged as the first one would have been.
    QVERIFY(QDir(log).removeRecursively() || !QFile::exists(log));
    f.boxes.answer({Ok, Ok});
    QTest::mouseClick(w.cmdSaveNotes, Qt::LeftButton);
    QCOMPARE(f.boxes.count(), 4);
    QVERIFY(QFileInfo(log).isFile());
    QVERIFY(f.folder.errorLog().contains("AddNotes - DLL Function"));
}

// Start-up that fails on a damaged database, with a folder where its log would go: the
// start-up message is still shown and the program still ends.
void TestFaults::startUpFailureWithAnUnwritableLog() {
    TestAppFolder folder;
    modGlobal::SetApplicationFolder(folder.path());
    int status = -1;
    modGlobal::SetProcessEnd([&status](int code) { status = code; });
    frmSplash::SetWait([] {});
    QVERIFY(writeFile(folder.databasePath(), QByteArray("not a database at all\n").repeated(100)));
    QVERIFY(QDir().mkpath(folder.errorLogPath()));
    {
        MessageBoxHelper boxes;
        boxes.answer(Ok);
        modMain::Main();
        QCOMPARE(boxes.count(), 1);
        QVERIFY2(boxes.last().text.startsWith(QStringLiteral("ERROR #26\r\n\r\nThe database file ")),
                 qPrintable(boxes.last().text));
        QVERIFY(boxes.last().text.endsWith(QStringLiteral("Procedure: SubMain Load Procedure")));
    }
    QVERIFY(status > 0);
    QVERIFY(QFileInfo(folder.errorLogPath()).isDir());
    QVERIFY(!modMain::MainWindow() || !modMain::MainWindow()->isVisible());
    delete modMain::MainWindow();
    modGlobal::SetInstanceLock(nullptr);
    modGlobal::objHouse.reset();
    modGlobal::SetDefaultPointer();
    modGlobal::SetProcessEnd({});
    modGlobal::SetApplicationFolder(QString());
    frmSplash::SetWait({});
    QDir::setCurrent(QDir::tempPath());
}

// A process that writes through House, killed at random moments 200 times: the file stays
// sound, every write that returned true is there, and at most the one write under way when
// the process died is there without having been acknowledged.
void TestFaults::killedInTheMiddleOfWrites() {
    TestAppFolder folder;
    const QString database = folder.databasePath();
    QSet<QString> acknowledged;
    int runsKilledMidBurst = 0;
    QRandomGenerator random(20241208);
    constexpr int runs = 200;
    for (int run = 1; run <= runs; ++run) {
        QProcess writer;
        writer.setProgram(QStringLiteral(FAULT_HELPER));
        writer.setArguments({QStringLiteral("burst"), folder.path(), QString::number(run)});
        writer.start();
        QVERIFY(writer.waitForStarted(10000));
        // Most kills come in the middle of the burst, after a few writes were acknowledged
        // and while the next one runs; some while the writer opens, before its first write.
        const int waitFor = random.bounded(10) == 0 ? -1 : random.bounded(0, 4);
        QByteArray output;
        auto acknowledgedSoFar = [&output] { return output.count("QDN-") + output.count("INV-"); };
        if (waitFor >= 0) {
            while (!output.contains("ready\n") || acknowledgedSoFar() < waitFor) {
                QVERIFY2(writer.waitForReadyRead(10000), output.constData());
                output += writer.readAllStandardOutput();
            }
        }
        QThread::usleep(random.bounded(0, 3000));
        writer.kill();
        QVERIFY(writer.waitForFinished(10000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
        output += writer.readAllStandardOutput();
        const QList<QByteArray> lines = output.split('\n');
        int acks = 0;
        for (const QByteArray &line : lines) {
            if (line.startsWith("QDN-") || line.startsWith("INV-")) {
                acknowledged.insert(QString::fromLatin1(line));
                ++acks;
            }
        }
        QVERIFY(acks >= waitFor);
        if (waitFor > 0)
            ++runsKilledMidBurst;
        if (run % 50 == 0)
            QCOMPARE(folder.value(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    }
    QCOMPARE(folder.value(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    // The kills really fell among the writes.
    qInfo("%d runs, %d of them killed after their first write; %lld writes acknowledged", runs,
          runsKilledMidBurst, qsizetype(acknowledged.size()));
    QVERIFY2(runsKilledMidBurst >= runs / 3, qPrintable(QString::number(runsKilledMidBurst)));

    QSet<QString> stored;
    for (const QVariantMap &row :
         folder.rows(QStringLiteral("SELECT NoteID AS id, NoteText AS text FROM tblNotes"))) {
        const QString id = row.value(QStringLiteral("id")).toString();
        stored.insert(id);
        QCOMPARE(row.value(QStringLiteral("text")).toString(),
                 QStringLiteral("O'Brien's note ") + id.mid(4) + QStringLiteral(" \u00e9t\u00e9"));
    }
    for (const QVariantMap &row :
         folder.rows(QStringLiteral("SELECT InvoiceID AS id, BZip, TotalAmt FROM tblInvoices"))) {
        const QString id = row.value(QStringLiteral("id")).toString();
        stored.insert(id);
        QCOMPARE(row.value(QStringLiteral("BZip")).toString(), QStringLiteral("slot 7 of ") + id.mid(4));
        QCOMPARE(row.value(QStringLiteral("TotalAmt")).toDouble(), 32.25);
    }
    const QSet<QString> lost = acknowledged - stored;
    QVERIFY2(lost.isEmpty(), qPrintable(QStringList(lost.values()).join(QLatin1Char(' '))));
    const QSet<QString> unacknowledged = stored - acknowledged;
    QVERIFY2(unacknowledged.size() <= runs, qPrintable(QString::number(unacknowledged.size())));
    QSet<QString> runsWithExtra;
    for (const QString &id : unacknowledged)
        runsWithExtra.insert(id.section(QLatin1Char('-'), 1, 1));
    QCOMPARE(runsWithExtra.size(), unacknowledged.size());
    QVERIFY(!QFile::exists(database + QStringLiteral("-journal")) ||
            folder.value(QStringLiteral("SELECT COUNT(*) FROM tblNotes")).isValid());
}

void TestFaults::printingFails_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("record"); // "invoice" or "note"
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("pdfWritten");

    const QString noPdf = QStringLiteral("No printer is installed, and the %1 %2 could not be saved as a PDF "
                                         "file either:\r\n%3 ");
    const QString refused = QStringLiteral("The %1 %2 could not be printed on Office.\r\nThe stored %1 is "
                                           "unchanged; print it again once the printer is ready. ");
    for (const QString &record : {QStringLiteral("invoice"), QStringLiteral("note")}) {
        const QString id =
            record == QLatin1String("invoice") ? QStringLiteral("INV-1") : QStringLiteral("QDN-1");
        const QByteArray tag = record.toLatin1();
        QTest::newRow(tag + ", no default printer")
            << "no printer" << record
            << QStringLiteral("No printer is installed. The %1 %2 was saved as a PDF file:\r\n%3 ")
                   .arg(record, id)
            << int(QMessageBox::Information) << true;
        QTest::newRow(tag + ", the printer refuses the job")
            << "refused" << record << refused.arg(record, id) << int(Critical) << false;
        QTest::newRow(tag + ", printed/ is a file")
            << "printed is a file" << record << noPdf.arg(record, id) << int(Critical) << false;
        QTest::newRow(tag + ", printed/ is read-only")
            << "printed read-only" << record << noPdf.arg(record, id) << int(Critical) << false;
        QTest::newRow(tag + ", application folder read-only")
            << "folder read-only" << record << noPdf.arg(record, id) << int(Critical) << false;
    }
}

// A print that cannot go out: the invoice is still stored and listed, a note stays as it
// was, and the user is told the print failed (or, without a printer, where the PDF went).
void TestFaults::printingFails() {
    QFETCH(QString, fault);
    QFETCH(QString, record);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(bool, pdfWritten);

    MainWindowFixture f;
    auto printers = std::make_shared<FakePrinters>();
    reports::SetPrintDestination(printers);
    struct Restore {
        ~Restore() {
            reports::DataReport::Release();
            reports::SetPrintDestination(nullptr);
        }
    } restore;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann Lee"),
                         QStringLiteral("Ottawa")));
    QVERIFY(f.folder.exec(QStringLiteral("INSERT INTO tblOwner (OwnerID, LName, FName, Company) VALUES "
                                         "('O-1', 'Lopez', 'Maria', 'Sparkle Cleaning')")));
    QVERIFY(f.folder.exec(QStringLiteral("INSERT INTO tblNotes (NoteID, NoteText, AddDate) VALUES "
                                         "('QDN-1', 'Window cleaner''s number', '2024-03-04 09:00:00')")));
    const QList<QVariantMap> notesBefore = f.folder.rows(QStringLiteral("SELECT * FROM tblNotes"));
    MainWindowParts &w = f.open();

    const QString printed = f.folder.filePath(QStringLiteral("printed"));
    if (fault == QLatin1String("refused")) {
        printers->defaultPrinter = QStringLiteral("Office");
        printers->fail = true;
    } else if (fault == QLatin1String("printed is a file")) {
        QVERIFY(writeFile(printed, "a file where the folder should be"));
    } else if (fault == QLatin1String("printed read-only")) {
        QVERIFY(QDir().mkpath(printed));
        QVERIFY(QFile::setPermissions(printed, ownerReadSearch));
    } else if (fault == QLatin1String("folder read-only")) {
        QVERIFY(QFile::setPermissions(f.folder.path(), ownerReadSearch));
    }
    const QString id = record == QLatin1String("invoice") ? QStringLiteral("INV-1") : QStringLiteral("QDN-1");
    const QString pdf = printed + QLatin1Char('/') + id + QStringLiteral(".pdf");
    if (message.contains(QStringLiteral("%3")))
        message = message.arg(QDir::toNativeSeparators(pdf));

    if (record == QLatin1String("invoice")) {
        w.tabMain->setCurrentIndex(2);
        MainWindowFixture::clickRow(w.lvBilling,
                                    MainWindowFixture::rowOf(w.lvBilling, QStringLiteral("QD-1")));
        w.txtBilling[0]->setText(QStringLiteral("2"));
        w.txtBilling[1]->setText(QStringLiteral("30"));
        QTest::mouseClick(w.cmdTotalAmount, Qt::LeftButton);
        f.boxes.answer({Ok, QMessageBox::No});
        QTest::mouseClick(w.cmdPrintInvoice, Qt::LeftButton);
        QCOMPARE(f.boxes.count(), 2);
        QCOMPARE(f.boxes.shown().at(1).title, QStringLiteral("Record Saved Successfully"));
    } else {
        w.tabMain->setCurrentIndex(4);
        MainWindowFixture::clickRow(w.lvNotes, 0);
        QCOMPARE(w.lblNoteID->text(), id);
        f.boxes.answer(Ok);
        QTest::mouseClick(w.cmdPrintNote, Qt::LeftButton);
        QCOMPARE(f.boxes.count(), 1);
    }
    QFile::setPermissions(f.folder.path(), ownerAll);
    QFile::setPermissions(printed, ownerAll);

    EXPECT_BOX(f.boxes.shown().at(0), message, QMessageBox::Icon(icon), Ok, Ok, QStringLiteral("Brisola"));
    QCOMPARE(QFileInfo(pdf).isFile(), pdfWritten);
    if (pdfWritten)
        QVERIFY(fileBytes(pdf).startsWith("%PDF-"));
    if (fault == QLatin1String("printed is a file"))
        QCOMPARE(fileBytes(printed), QByteArray("a file where the folder should be"));
    // No half-written file stays behind.
    if (!pdfWritten && QFileInfo(printed).isDir())
        QCOMPARE(QDir(printed).entryList(QDir::Files | QDir::Hidden), QStringList());

    if (record == QLatin1String("invoice")) {
        const QList<QVariantMap> invoices = f.folder.rows(
            QStringLiteral("SELECT InvoiceID, ClientID, Hours, Rate, TotalAmt FROM tblInvoices"));
        QCOMPARE(invoices.size(), 1);
        QCOMPARE(invoices[0].value(QStringLiteral("InvoiceID")).toString(), id);
        QCOMPARE(invoices[0].value(QStringLiteral("ClientID")).toString(), QStringLiteral("QD-1"));
        QCOMPARE(invoices[0].value(QStringLiteral("TotalAmt")).toDouble(), 60.0);
        QCOMPARE(MainWindowFixture::column(w.lvInvoices, 0), QStringList{id});
    } else {
        QCOMPARE(f.folder.rows(QStringLiteral("SELECT * FROM tblNotes")), notesBefore);
        QCOMPARE(MainWindowFixture::column(w.lvNotes, 0), QStringList{id});
    }
    QVERIFY(f.folder.errorLog().isEmpty());
    QVERIFY(!f.pointerBusy());
}

// The reports read the file through a connection of their own, kept while a preview is open:
// it must never keep the program's own saves out.
void TestFaults::savesWhileAReportIsOpen() {
    MainWindowFixture f;
    struct Release {
        ~Release() {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w->inherits("reports::frmReportPreview"))
                    delete w;
            }
            reports::DataReport::Release();
        }
    } release;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann Lee"),
                         QStringLiteral("Ottawa")));
    MainWindowParts &w = f.open();
    w.tabMain->setCurrentIndex(3);
    QTest::mouseClick(w.cmdClientList, Qt::LeftButton);
    QWidget *preview = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->inherits("reports::frmReportPreview"))
            preview = window;
    }
    QVERIFY(preview);
    QCOMPARE(f.boxes.count(), 0);

    f.boxes.answer(QMessageBox::No);
    saveNote(w, QStringLiteral("Saved with the client list open"));
    QCOMPARE(f.boxes.count(), 1);
    QCOMPARE(f.boxes.last().title, QStringLiteral("Record Saved Successfully"));
    QCOMPARE(f.folder.value(QStringLiteral("SELECT NoteText FROM tblNotes")).toString(),
             QStringLiteral("Saved with the client list open"));
    QVERIFY(f.folder.errorLog().isEmpty());
}

int main(int argc, char **argv) {
    unprivileged::RunAsNobodyIfRoot(argc, argv);
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestFaults test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faults.moc"

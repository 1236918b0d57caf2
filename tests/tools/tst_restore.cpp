// Restoring a safety copy: the copies listed newest first with what they hold; a copy with
// known counts brought back, the records as they were kept aside; a bad copy, a copy that
// cannot be set aside or written leaving the records byte for byte as they were; and the
// restore window over the main window, whose lists show the restored records.
#include "../main_window/MainWindowFixture.h"
#include "AccessibleNames.h"
#include "TestMain.h"
#include "ToolsFixture.h"

#include "tools/SafetyCopies.h"
#include "tools/frmRestore.h"

#include <QLabel>
#include <QPushButton>
#include <QSqlError>
#include <QTimer>

using tools::RestoreStep;

namespace {

const QDate Today(2026, 12, 8);
const QDateTime Moment(QDate(2026, 12, 8), QTime(14, 30, 5));

// A copy made from the records as they are now, for the given day.
bool copyForDay(const QDate &day) {
    return tools::MakeDailyCopy(day).outcome == tools::DailyCopyOutcome::Made;
}

} // namespace

class TestRestore : public QObject {
    Q_OBJECT

    std::unique_ptr<ToolsFolder> tf;

private slots:
    void init() { tf = std::make_unique<ToolsFolder>(); }
    void cleanup() {
        tools::frmRestore::SetClock({});
        tf.reset();
    }

    void copiesNewestFirstWithWhatTheyHold() {
        QVERIFY(tf->seed(1, 2, 3, 4));
        QVERIFY(copyForDay(Today.addDays(-2)));
        QVERIFY(tf->seed(1, 0, 0, 1, 10));
        QVERIFY(copyForDay(Today.addDays(-1)));
        QVERIFY(!tools::CopyDatabase(tf->folder.databasePath(),
                                     tf->backupPath(QStringLiteral("before-restore-2026-12-07-120000.qd")),
                                     true, true));
        QVERIFY(writeBytes(tf->backupPath(ToolsFolder::dayName(Today)), "damaged"));
        // Neither a copy nor a name of one: not listed.
        QVERIFY(writeBytes(tf->backupPath(QStringLiteral("readme.txt")), "x"));
        QVERIFY(writeBytes(tf->backupPath(ToolsFolder::dayName(Today) + QStringLiteral(".part")), "x"));

        const QList<tools::SafetyCopy> copies = tools::ListSafetyCopies();
        QCOMPARE(copies.size(), 4);
        QCOMPARE(copies[0].path, tf->backupPath(ToolsFolder::dayName(Today)));
        QVERIFY(!copies[0].counts);
        QVERIFY(copies[1].beforeRestore);
        QCOMPARE(copies[1].taken, QDateTime(QDate(2026, 12, 7), QTime(12, 0)));
        QCOMPARE(copies[2].path, tf->backupPath(ToolsFolder::dayName(Today.addDays(-1))));
        QCOMPARE(copies[3].path, tf->backupPath(ToolsFolder::dayName(Today.addDays(-2))));
        QVERIFY(copies[3].counts);
        QCOMPARE(copies[3].counts->clients, 1);
        QCOMPARE(copies[3].counts->invoices, 2);
        QCOMPARE(copies[3].counts->notes, 3);
        QCOMPARE(copies[3].counts->addresses, 4);
        QCOMPARE(copies[2].counts->clients, 2);
        QCOMPARE(copies[2].counts->addresses, 5);

        // The window shows the same, in the user's short date.
        tools::frmRestore window(nullptr, {});
        window.Form_Load();
        QCOMPARE(window.lvCopies->topLevelItemCount(), 4);
        QCOMPARE(AccessibleNameFaults(&window), QString());
        const auto cells = [&window](int row) {
            QStringList texts;
            for (int column = 0; column < window.lvCopies->columnCount(); ++column)
                texts << window.lvCopies->Text(row, column);
            return texts;
        };
        QCOMPARE(cells(0), (QStringList{QStringLiteral("12/8/26"), QStringLiteral("cannot be read"),
                                        QString(), QString(), QString()}));
        QCOMPARE(cells(1).value(0), QStringLiteral("12/7/26 12:00 PM (before a restore)"));
        QCOMPARE(cells(3), (QStringList{QStringLiteral("12/6/26"), QStringLiteral("1"), QStringLiteral("2"),
                                        QStringLiteral("3"), QStringLiteral("4")}));
    }

    void restoreBringsBackTheCopy() {
        QVERIFY(tf->seed(2, 3, 1, 4));
        QVERIFY(copyForDay(Today.addDays(-1)));
        const QString copy = tf->backupPath(ToolsFolder::dayName(Today.addDays(-1)));
        QVERIFY(tf->seed(5, 5, 5, 5, 20));
        const QByteArray copyBytes = fileBytes(copy);

        const tools::RestoreResult result = tools::RestoreSafetyCopy(copy, Moment);
        QVERIFY2(result.restored, qPrintable(result.failure.description));
        const QString db = tf->folder.databasePath();
        QCOMPARE(fileCount(db, "tblClients"), 2);
        QCOMPARE(fileCount(db, "tblInvoices"), 3);
        QCOMPARE(fileCount(db, "tblNotes"), 1);
        QCOMPARE(fileCount(db, "tblAddress"), 4);
        QCOMPARE(result.counts.clients, 2);
        QCOMPARE(result.counts.invoices, 3);
        QCOMPARE(result.counts.notes, 1);
        QCOMPARE(result.counts.addresses, 4);
        QCOMPARE(fileValue(db, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        // The records themselves: the same rows as in the copy.
        QCOMPARE(tf->folder.value(QStringLiteral("SELECT group_concat(ClientID) FROM tblClients")).toString(),
                 QStringLiteral("QD-1,QD-2"));
        // New records carry on the copy's numbering.
        QCOMPARE(tf->folder.value(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = 'tblClients'"))
                     .toInt(),
                 2);

        // The records as they were, kept aside; the copy itself untouched.
        QCOMPARE(result.asidePath, tf->backupPath(QStringLiteral("before-restore-2026-12-08-143005.qd")));
        QCOMPARE(fileCount(result.asidePath, "tblClients"), 7);
        QCOMPARE(fileCount(result.asidePath, "tblAddress"), 9);
        QCOMPARE(fileBytes(copy), copyBytes);

        // A second restore in the same second keeps the first aside copy.
        const tools::RestoreResult again = tools::RestoreSafetyCopy(result.asidePath, Moment);
        QVERIFY(again.restored);
        QCOMPARE(again.asidePath, tf->backupPath(QStringLiteral("before-restore-2026-12-08-143005-2.qd")));
        QCOMPARE(fileCount(db, "tblClients"), 7);
    }

    void earlierBuildsCopyIsRestoredAndBroughtUpToDate() {
        QVERIFY(tf->seed(2, 3, 1, 4));
        // The records as an earlier build kept them: no payments, version 0.
        QVERIFY(tf->folder.exec(QStringLiteral("DROP TABLE tblPayments")));
        QVERIFY(tf->folder.exec(QStringLiteral("PRAGMA user_version = 0")));
        QVERIFY(copyForDay(Today.addDays(-1)));
        const QString copy = tf->backupPath(ToolsFolder::dayName(Today.addDays(-1)));
        const QByteArray copyBytes = fileBytes(copy);

        const tools::RestoreResult result = tools::RestoreSafetyCopy(copy, Moment);
        QVERIFY2(result.restored, qPrintable(result.failure.description));
        QCOMPARE(result.upgrade.result, ordwen::UpgradeResult::Upgraded);
        const QString db = tf->folder.databasePath();
        QCOMPARE(fileValue(db, QStringLiteral("PRAGMA user_version")).toInt(), 1);
        QCOMPARE((QList<int>{fileCount(db, "tblPayments"), fileCount(db, "tblInvoices")}),
                 (QList<int>{0, 3}));
        QCOMPARE(fileBytes(copy), copyBytes);
    }

    void badCopyLeavesTheRecordsAsTheyWere_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("not a database") << QStringLiteral("text");
        QTest::newRow("empty file") << QStringLiteral("empty");
        QTest::newRow("cut short") << QStringLiteral("truncated");
        QTest::newRow("a damaged page") << QStringLiteral("damaged");
        QTest::newRow("another program's database") << QStringLiteral("foreign");
        QTest::newRow("gone") << QStringLiteral("missing");
    }

    void badCopyLeavesTheRecordsAsTheyWere() {
        QFETCH(QString, kind);
        // Enough rows for several pages, so that a page can be damaged.
        QVERIFY(tf->seed(300, 300, 50, 50));
        QVERIFY(copyForDay(Today.addDays(-1)));
        const QString copy = tf->backupPath(ToolsFolder::dayName(Today.addDays(-1)));
        QByteArray bytes = fileBytes(copy);
        QVERIFY(bytes.size() > 16 * 4096);
        if (kind == QLatin1String("text"))
            bytes = QByteArray("Not the records at all.\n").repeated(500);
        else if (kind == QLatin1String("empty"))
            bytes.clear();
        else if (kind == QLatin1String("truncated"))
            bytes.truncate(bytes.size() / 2);
        else if (kind == QLatin1String("damaged"))
            bytes.replace(5 * 4096 + 100, 2000, QByteArray(2000, '\x55'));
        if (kind == QLatin1String("foreign")) {
            QFile::remove(copy);
            QVERIFY(!tools::CopyDatabase(tf->folder.databasePath(), copy, true, false));
            const QString name = QStringLiteral("foreign");
            {
                QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
                other.setDatabaseName(copy);
                QVERIFY(other.open());
                QVERIFY(QSqlQuery(other).exec(QStringLiteral("DROP TABLE tblNotes")));
                other.close();
            }
            QSqlDatabase::removeDatabase(name);
        } else if (kind == QLatin1String("missing")) {
            QVERIFY(QFile::remove(copy));
        } else {
            QVERIFY(writeBytes(copy, bytes));
        }
        QVERIFY(tf->seed(1, 0, 0, 0, 1000));
        const QByteArray records = fileBytes(tf->folder.databasePath());
        const QStringList filesBefore = tf->backupFiles();

        const tools::RestoreResult result = tools::RestoreSafetyCopy(copy, Moment);
        QVERIFY(!result.restored);
        QCOMPARE(result.failedStep, RestoreStep::CheckCopy);
        QVERIFY(!result.failure.description.isEmpty());
        QCOMPARE(fileBytes(tf->folder.databasePath()), records);
        // Refused before anything was copied aside.
        QCOMPARE(tf->backupFiles(), filesBefore);
        QVERIFY(result.asidePath.isEmpty());
    }

    void damagedRecordsAreRestoredAndKeptAside() {
        // The records went bad after the copy was made: the reason to restore.
        QVERIFY(tf->seed(300, 300, 0, 0));
        QVERIFY(copyForDay(Today.addDays(-1)));
        QByteArray damaged = fileBytes(tf->folder.databasePath());
        damaged.replace(6 * 4096, 3000, QByteArray(3000, '\x33'));
        QVERIFY(writeBytes(tf->folder.databasePath(), damaged));
        QVERIFY(fileValue(tf->folder.databasePath(), QStringLiteral("PRAGMA integrity_check")).toString() !=
                QStringLiteral("ok"));

        const tools::RestoreResult result =
            tools::RestoreSafetyCopy(tf->backupPath(ToolsFolder::dayName(Today.addDays(-1))), Moment);
        QVERIFY2(result.restored, qPrintable(result.failure.description));
        QCOMPARE(fileValue(tf->folder.databasePath(), QStringLiteral("PRAGMA integrity_check")).toString(),
                 QStringLiteral("ok"));
        QCOMPARE(fileCount(tf->folder.databasePath(), "tblClients"), 300);
        // The damaged records are kept aside as they were, page for page.
        QCOMPARE(fileBytes(result.asidePath).size(), damaged.size());
        QCOMPARE(fileBytes(result.asidePath).mid(6 * 4096, 4096), damaged.mid(6 * 4096, 4096));
    }

    void restoreThatCannotSetTheRecordsAsideChangesNothing() {
        QVERIFY(tf->seed(2, 0, 0, 0));
        QVERIFY(copyForDay(Today.addDays(-1)));
        QVERIFY(tf->seed(2, 0, 0, 0, 10));
        // A full folder stands under the name the aside copy is written to.
        const QString aside = tools::BeforeRestorePath(Moment);
        QVERIFY(QDir().mkpath(aside + QStringLiteral(".part/x")));
        const QByteArray records = fileBytes(tf->folder.databasePath());

        const tools::RestoreResult result =
            tools::RestoreSafetyCopy(tf->backupPath(ToolsFolder::dayName(Today.addDays(-1))), Moment);
        QVERIFY(!result.restored);
        QCOMPARE(result.failedStep, RestoreStep::CopyAside);
        QCOMPARE(fileBytes(tf->folder.databasePath()), records);
        QVERIFY(!QFileInfo(aside).exists());
    }

    void restoreThatCannotWriteChangesNothing() {
        QVERIFY(tf->seed(2, 0, 0, 0));
        QVERIFY(copyForDay(Today.addDays(-1)));
        QVERIFY(tf->seed(2, 0, 0, 0, 10));
        const QByteArray records = fileBytes(tf->folder.databasePath());
        const QString name = QStringLiteral("reader");
        {
            // Another connection is in the middle of reading the records: they cannot be
            // written over until it is done, and the restore gives up after waiting.
            QSqlDatabase reader = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            reader.setDatabaseName(tf->folder.databasePath());
            QVERIFY(reader.open());
            QVERIFY(reader.transaction());
            QSqlQuery read(reader);
            QVERIFY(read.exec(QStringLiteral("SELECT COUNT(*) FROM tblClients")) && read.next());

            const tools::RestoreResult result =
                tools::RestoreSafetyCopy(tf->backupPath(ToolsFolder::dayName(Today.addDays(-1))), Moment);
            QVERIFY(!result.restored);
            QCOMPARE(result.failedStep, RestoreStep::Restore);
            QCOMPARE(result.failure.number, 5); // the records are busy
            // The records as they were are kept aside all the same.
            QCOMPARE(fileCount(result.asidePath, "tblClients"), 4);
            read.finish();
            QVERIFY(reader.commit());
            reader.close();
        }
        QSqlDatabase::removeDatabase(name);
        QCOMPARE(fileBytes(tf->folder.databasePath()), records);
    }
};

// The restore window over the main window.
class TestRestoreWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { tools::frmRestore::SetClock({}); }

    void restoreRefillsTheMainWindow() {
        MainWindowFixture f;
        tools::frmRestore::SetClock([] { return Moment; });
        f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann Berg"),
                     QStringLiteral("Oakville"));
        QVERIFY(f.folder.exec(QStringLiteral("INSERT INTO tblNotes (NoteID, NoteText, AddDate) VALUES "
                                             "('QDN-1', 'Old note', '2024-03-01 09:00:00')")));
        QVERIFY(copyForDay(Today.addDays(-1)));
        f.seedClient(QStringLiteral("QD-2"), QStringLiteral("Home"), QStringLiteral("Bert Lund"),
                     QStringLiteral("Maple Bay"));
        QVERIFY(
            f.folder.exec(QStringLiteral("INSERT INTO tblInvoices (InvoiceID, ClientID, ServiceDate, Client) "
                                         "VALUES ('INV-1', 'QD-2', '2024-03-04', 'Bert Lund')")));
        MainWindowParts &w = f.open();
        QCOMPARE(w.lvClients->topLevelItemCount(), 2);
        QCOMPARE(w.lvInvoices->topLevelItemCount(), 1);
        // Bert is chosen on every tab that can choose him.
        w.tabMain->setCurrentIndex(1);
        MainWindowFixture::clickRow(w.lvClients,
                                    MainWindowFixture::rowOf(w.lvClients, QStringLiteral("QD-2")));
        w.tabMain->setCurrentIndex(2);
        MainWindowFixture::clickRow(w.lvBilling,
                                    MainWindowFixture::rowOf(w.lvBilling, QStringLiteral("QD-2")));
        w.tabMain->setCurrentIndex(3);
        MainWindowFixture::clickRow(w.lvInvoices, 0);
        QCOMPARE(w.lblID->text(), QStringLiteral("QD-2"));
        QCOMPARE(w.lblBillID->text(), QStringLiteral("QD-2"));
        QCOMPARE(w.lblInvoice[0]->text(), QStringLiteral("INV-1"));

        tools::frmRestore window(&w.w, [&w] { w.RefillAfterRestore(); });
        window.Form_Load();
        QCOMPARE(window.lvCopies->topLevelItemCount(), 1);

        // Nothing chosen yet.
        f.boxes.answer(QMessageBox::Ok);
        window.cmdRestore->click();
        EXPECT_BOX(f.boxes.last(), QStringLiteral("Select a safety copy to restore! "), QMessageBox::Warning,
                   QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Brisola"));
        f.boxes.clear();

        window.lvCopies->ChooseRow(0);
        const QString aside = tools::BeforeRestorePath(Moment);
        const QString question =
            QStringLiteral("Restore the safety copy of 12/7/26? \r\n\r\nThe records as they "
                           "are now are first copied to ") +
            aside + QStringLiteral(", so that this restore can be undone. ");
        // Answered No: nothing happens.
        const QByteArray records = fileBytes(f.folder.databasePath());
        f.boxes.answer(QMessageBox::No);
        window.cmdRestore->click();
        EXPECT_BOX(f.boxes.last(), question, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::No, QStringLiteral("Restore a Safety Copy"));
        QCOMPARE(fileBytes(f.folder.databasePath()), records);
        QVERIFY(!QFileInfo::exists(aside));
        QCOMPARE(w.lvClients->topLevelItemCount(), 2);
        f.boxes.clear();

        f.boxes.answer({QMessageBox::Yes, QMessageBox::Ok});
        window.cmdRestore->click();
        QCOMPARE(f.boxes.count(), 2);
        EXPECT_BOX(
            f.boxes.shown()[1],
            QStringLiteral("The safety copy of 12/7/26 was restored: 1 clients, 0 invoices, 1 notes and 0 "
                           "address entries. \r\n\r\nThe records as they were before are kept in ") +
                aside + QStringLiteral(". "),
            QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok,
            QStringLiteral("Restore a Safety Copy"));

        // Every list shows the restored records, and nothing is chosen any more.
        QCOMPARE(MainWindowFixture::column(w.lvClients, 0), QStringList{QStringLiteral("QD-1")});
        QCOMPARE(MainWindowFixture::column(w.lvBilling, 0), QStringList{QStringLiteral("QD-1")});
        QCOMPARE(w.lvInvoices->topLevelItemCount(), 0);
        QCOMPARE(MainWindowFixture::column(w.lvNotes, 0), QStringList{QStringLiteral("QDN-1")});
        QVERIFY(w.lblID->text().isEmpty());
        QVERIFY(w.lblBillID->text().isEmpty());
        QVERIFY(w.lblInvoice[0]->text().isEmpty());
        QVERIFY(w.txtEdit[0]->text().isEmpty());
        QVERIFY(!modGlobal::itmShared);
        // The window lists the aside copy now, newest first.
        QCOMPARE(window.lvCopies->topLevelItemCount(), 2);
        QCOMPARE(window.lvCopies->Key(0), aside);
        QVERIFY(!QApplication::overrideCursor());
    }

    void failedRestoreSaysSoAndChangesNothing() {
        MainWindowFixture f;
        tools::frmRestore::SetClock([] { return Moment; });
        f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann Berg"),
                     QStringLiteral("Oak"));
        QVERIFY(QDir().mkpath(f.folder.filePath(QStringLiteral("home/backup"))));
        const QString copy = f.folder.filePath(QStringLiteral("home/backup/home-2026-12-01.qd"));
        QVERIFY(writeBytes(copy, QByteArray("garbage").repeated(100)));
        MainWindowParts &w = f.open();
        const QByteArray records = fileBytes(f.folder.databasePath());

        tools::frmRestore window(&w.w, [&w] { w.RefillAfterRestore(); });
        window.Form_Load();
        window.lvCopies->ChooseRow(0);
        f.boxes.answer({QMessageBox::Yes, QMessageBox::Ok});
        window.cmdRestore->click();
        QCOMPARE(f.boxes.count(), 2);
        EXPECT_BOX(
            f.boxes.shown()[1],
            QStringLiteral("The safety copy was NOT restored! \r\n\r\nThe safety copy cannot be used: file "
                           "is not a database. \r\n\r\nThe records are as they were. "),
            QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, QStringLiteral(" ERROR"));
        QCOMPARE(fileBytes(f.folder.databasePath()), records);
        QCOMPARE(w.lvClients->topLevelItemCount(), 1);
    }

    void menuOpensTheRestoreWindow() {
        MainWindowFixture f;
        MainWindowParts &w = f.open();
        bool shown = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *window = qobject_cast<tools::frmRestore *>(widget); window && window->isVisible()) {
                    shown = true;
                    window->cmdClose->click();
                }
            }
        });
        poll.start(10);
        w.mnuToolsRestore->trigger();
        QVERIFY(shown);
    }
};

BRISOLA_TEST_MAIN(TestRestore, TestRestoreWindow)

#include "tst_restore.moc"

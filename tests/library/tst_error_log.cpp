// error.log and the library's failure messages: which failures are logged, which are shown,
// and the exact lines of every entry.
#include "LibraryTestUtil.h"
#include "MessageBoxHelper.h"
#include "TestAppFolder.h"
#include "TestMain.h"

#include <QFile>
#include <QTest>

using ordwen::_House;
using ordwen::RecordsetPtr;

namespace {

// A write call with a full record of plain values.
bool callWrite(_House &house, const QString &method) {
    QStringList text = plainArray(elementCount(method));
    QList<float> amounts = {1, 2, 3, 4, 5, 6, 7};
    return callWrite(house, method, text, amounts, QDateTime(QDate(2024, 1, 2), QTime(0, 0)), 1);
}

RecordsetPtr callNumber(_House &house, const QString &method) {
    if (method == QLatin1String("GetNewClientID"))
        return house.GetNewClientID();
    if (method == QLatin1String("GetNewNoteID"))
        return house.GetNewNoteID();
    if (method == QLatin1String("GetNewInvoiceID"))
        return house.GetNewInvoiceID();
    if (method == QLatin1String("GetNewNameID"))
        return house.GetNewNameID();
    if (method == QLatin1String("GetNewAddressID"))
        return house.GetNewAddressID();
    return house.GetNewBillID();
}

} // namespace

class tst_ErrorLog : public QObject {
    Q_OBJECT

private slots:
    void writeFailure_data();
    void writeFailure();
    void appendKeepsWhatWasThere();
    void numberFailure_data();
    void numberFailure();
    void readAndDeleteFailuresAreSilent();
    void unwritableLog();
    void timeInUserLocale();
};

void tst_ErrorLog::writeFailure_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<int>("bannerBlanks");
    QTest::addColumn<bool>("shown");

    QTest::newRow("AddClient") << "AddClient"
                               << "tblClients" << QByteArray("AddClient - DLL Function") << 14 << true;
    QTest::newRow("UpdateClient") << "UpdateClient"
                                  << "tblClients" << QByteArray("UpdateTrap - DLL Function") << 14 << false;
    QTest::newRow("AddNotes") << "AddNotes"
                              << "tblNotes" << QByteArray("AddNotes - DLL Function") << 14 << true;
    QTest::newRow("UpdateNotes") << "UpdateNotes"
                                 << "tblNotes" << QByteArray("UpdateNotes - DLL Function") << 13 << true;
    QTest::newRow("AddInvoice") << "AddInvoice"
                                << "tblInvoices" << QByteArray("AddInvoice - DLL Function") << 14 << true;
    QTest::newRow("AddAddress") << "AddAddress"
                                << "tblAddress" << QByteArray("AddAddress - DLL Function") << 14 << true;
    QTest::newRow("UpdateAddress") << "UpdateAddress"
                                   << "tblAddress" << QByteArray("UpdateAddress - DLL Function") << 13
                                   << true;
    QTest::newRow("AddOwner") << "AddOwner"
                              << "tblOwner" << QByteArray("AddOwner - DLL Function") << 14 << true;
    QTest::newRow("UpdateOwner") << "UpdateOwner"
                                 << "tblOwner" << QByteArray("UpdateOwner - DLL Function") << 13 << true;
}

// The first failure creates the file with its header; the second is appended without one.
void tst_ErrorLog::writeFailure() {
    QFETCH(QString, method);
    QFETCH(QString, table);
    QFETCH(QByteArray, label);
    QFETCH(int, bannerBlanks);
    QFETCH(bool, shown);
    TestAppFolder folder;
    MessageBoxHelper boxes;
    QVERIFY(folder.exec("DROP TABLE " + table));
    HousePtr house = makeHouse();
    const QByteArray description = "no such table: " + table.toLatin1();

    if (shown)
        boxes.answer(QMessageBox::Ok);
    QVERIFY(!callWrite(*house, method));
    QList<QByteArray> lines = logLines(folder.errorLog());
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines[0], ruleLine());
    QCOMPARE(lines[1], bannerLine(bannerBlanks));
    QCOMPARE(lines[2], ruleLine());
    QCOMPARE(lines[3], blankFrameLine());
    verifyTimeLine(lines[4], QStringLiteral(" Error: 1"));
    QCOMPARE(lines[5], label);
    QCOMPARE(lines[6], ruleLine());
    QCOMPARE(lines[7], description);
    QCOMPARE(lines[8], ruleLine());

    if (shown) {
        QCOMPARE(boxes.count(), 1);
        EXPECT_BOX(boxes.last(), failureMessage(1, QString::fromLatin1(description), method),
                   QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Ordwen"));
        QCOMPARE(house->strFunction(), method);
    } else {
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(house->strFunction(), QString());
    }

    const QByteArray first = folder.errorLog();
    if (shown)
        boxes.answer(QMessageBox::Ok);
    QVERIFY(!callWrite(*house, method));
    const QByteArray log = folder.errorLog();
    QVERIFY(log.startsWith(first));
    lines = logLines(log);
    QCOMPARE(lines.size(), 15);
    QCOMPARE(lines[9], blankFrameLine());
    verifyTimeLine(lines[10], QStringLiteral("Error: 1"));
    QCOMPARE(lines[11], label);
    QCOMPARE(lines[12], ruleLine());
    QCOMPARE(lines[13], description);
    QCOMPARE(lines[14], ruleLine());
    QCOMPARE(boxes.count(), shown ? 2 : 0);
}

void tst_ErrorLog::appendKeepsWhatWasThere() {
    TestAppFolder folder;
    MessageBoxHelper boxes;
    const QByteArray earlier = "an earlier entry\r\nof two lines\r\n";
    {
        QFile log(folder.errorLogPath());
        QVERIFY(log.open(QIODevice::WriteOnly));
        log.write(earlier);
    }
    QVERIFY(folder.exec("DROP TABLE tblNotes"));
    HousePtr house = makeHouse();
    boxes.answer(QMessageBox::Ok);
    QVERIFY(!callWrite(*house, QStringLiteral("AddNotes")));

    const QByteArray log = folder.errorLog();
    QVERIFY(log.startsWith(earlier));
    const QList<QByteArray> lines = logLines(log.mid(earlier.size()));
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[0], blankFrameLine());
    verifyTimeLine(lines[1], QStringLiteral("Error: 1"));
    QCOMPARE(lines[2], QByteArray("AddNotes - DLL Function"));
    QCOMPARE(lines[3], ruleLine());
    QCOMPARE(lines[4], QByteArray("no such table: tblNotes"));
    QCOMPARE(lines[5], ruleLine());
}

void tst_ErrorLog::numberFailure_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("table");
    QTest::newRow("GetNewClientID") << "GetNewClientID"
                                    << "tblClients";
    QTest::newRow("GetNewNoteID") << "GetNewNoteID"
                                  << "tblNotes";
    QTest::newRow("GetNewInvoiceID") << "GetNewInvoiceID"
                                     << "tblInvoices";
    QTest::newRow("GetNewNameID") << "GetNewNameID"
                                  << "tblAddress";
    QTest::newRow("GetNewAddressID") << "GetNewAddressID"
                                     << "tblAddress";
    QTest::newRow("GetNewBillID") << "GetNewBillID"
                                  << "tblBilling";
}

// A number call shows the failure message but writes nothing to the log; the query never
// ran, so there is no recordset.
void tst_ErrorLog::numberFailure() {
    QFETCH(QString, method);
    QFETCH(QString, table);
    TestAppFolder folder;
    MessageBoxHelper boxes;
    QVERIFY(folder.exec("DROP TABLE " + table));
    HousePtr house = makeHouse();

    boxes.answer(QMessageBox::Ok);
    QVERIFY(!callNumber(*house, method));
    QCOMPARE(boxes.count(), 1);
    EXPECT_BOX(boxes.last(), failureMessage(1, "no such table: " + table, method), QMessageBox::Critical,
               QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Ordwen"));
    QCOMPARE(house->strFunction(), method);
    QVERIFY(!QFile::exists(folder.errorLogPath()));
}

void tst_ErrorLog::readAndDeleteFailuresAreSilent() {
    TestAppFolder folder;
    MessageBoxHelper boxes;
    QVERIFY(folder.exec("DROP TABLE tblClients"));
    HousePtr house = makeHouse();

    QVERIFY(!house->LoadClients());
    QVERIFY(!house->RefreshClients());
    QCOMPARE(boxes.count(), 0);

    // The question comes before the database is touched; a delete that then failed is not a
    // success, and no failure message follows it.
    boxes.answer(QMessageBox::Yes);
    QVERIFY(!house->DeleteClient(QStringLiteral("QD-1")));
    QCOMPARE(boxes.count(), 1);
    EXPECT_BOX(boxes.last(),
               QStringLiteral("Delete this Client Record?\r\n\r\nOnce deleted it can't be recovered!"),
               QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
               QStringLiteral("** WARNING **"));
    QVERIFY(!QFile::exists(folder.errorLogPath()));
    QCOMPARE(house->strFunction(), QString());
}

// When the entry cannot be written the call must still end as a failure the user sees.
void tst_ErrorLog::unwritableLog() {
    TestAppFolder folder;
    MessageBoxHelper boxes;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("error.log")));
    QVERIFY(folder.exec("DROP TABLE tblNotes"));
    HousePtr house = makeHouse();

    boxes.answer(QMessageBox::Ok);
    QVERIFY(!callWrite(*house, QStringLiteral("AddNotes")));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text,
             failureMessage(1, QStringLiteral("no such table: tblNotes"), QStringLiteral("AddNotes")));
    boxes.answer(QMessageBox::Ok);
    QVERIFY(!callWrite(*house, QStringLiteral("AddNotes")));
    QCOMPARE(boxes.count(), 2);
    QVERIFY(QFileInfo(folder.errorLogPath()).isDir());

    // Once the way is clear again the next failure is logged as usual.
    QVERIFY(QDir(folder.path()).rmdir(QStringLiteral("error.log")));
    boxes.answer(QMessageBox::Ok);
    QVERIFY(!callWrite(*house, QStringLiteral("AddNotes")));
    QCOMPARE(logLines(folder.errorLog()).size(), 9);
}

// The time of day is written the way the user's regional settings write it, like the date
// beside it: with their own words for morning and afternoon.
void tst_ErrorLog::timeInUserLocale() {
    const QLocale korean(QLocale::Korean, QLocale::SouthKorea);
    QVERIFY(korean.timeFormat(QLocale::LongFormat).contains(QLatin1String("AP")));
    QLocale::setDefault(korean);
    TestAppFolder folder;
    MessageBoxHelper boxes;
    QVERIFY(folder.exec("DROP TABLE tblNotes"));
    HousePtr house = makeHouse();
    boxes.answer(QMessageBox::Ok);
    const bool saved = callWrite(*house, QStringLiteral("AddNotes"));
    const QList<QByteArray> lines = logLines(folder.errorLog());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    QVERIFY(!saved);
    QCOMPARE(lines.size(), 9);
    const QString timeLine = QString::fromLocal8Bit(lines[4]);
    QVERIFY2(
        timeLine.startsWith(korean.toString(QDate::currentDate(), QLocale::ShortFormat) + QLatin1Char(' ')),
        qPrintable(timeLine));
    QVERIFY2(timeLine.contains(korean.amText()) || timeLine.contains(korean.pmText()), qPrintable(timeLine));
    QVERIFY2(!timeLine.contains(QLatin1String("AM")) && !timeLine.contains(QLatin1String("PM")),
             qPrintable(timeLine));
    QVERIFY(timeLine.endsWith(QLatin1String("  Error: 1")));
}

BRISOLA_TEST_MAIN(tst_ErrorLog)
#include "tst_error_log.moc"

// Payments: what is owed after them, the refusal to delete an invoice they point to, and the
// upgrade of a database made by an earlier build. Run as nobody, so that read-only is read-only.
#include "../robustness/Unprivileged.h"
#include "LibraryTestUtil.h"
#include "MessageBoxHelper.h"
#include "TestAppFolder.h"
#include "TestMain.h"

#include <QFile>

namespace {

// Two clients, three invoices.
const QStringList kInvoices = {
    "INSERT INTO tblClients (ClientID,Client) VALUES ('QD-1','Ann'),('QD-2','Bob')",
    "INSERT INTO tblInvoices (InvoiceID,ClientID,Client,ServiceDate,TotalAmt) VALUES ('INV-1','QD-1','Ann',"
    "'2024-01-05',100),('INV-2','QD-1','Ann','2024-02-05',50.1),('INV-3','QD-2','Bob','2024-01-10',33.33)"};

bool seed(TestAppFolder &folder, const QStringList &statements) {
    return std::all_of(statements.cbegin(), statements.cend(),
                       [&](const QString &sql) { return folder.exec(sql); });
}

// "INV-n:amount" each, recorded through AddPayment in turn as PAY-1, PAY-2, ...
bool addPayments(ordwen::_House &house, const QStringList &payments) {
    for (int i = 0; i < payments.size(); ++i) {
        const QStringList part = payments[i].split(QLatin1Char(':'));
        QStringList text = {QStringLiteral("PAY-%1").arg(i + 1), part[0],
                            part[0] == "INV-3" ? "QD-2" : "QD-1", "Check", ""};
        if (!house.AddPayment(text, part[1].toFloat(), QDate(2024, 3, 1)))
            return false;
    }
    return true;
}

// Every row as its fields joined by '|', Null shown as "-".
QStringList rowTexts(const ordwen::RecordsetPtr &rs) {
    QStringList rows;
    for (int r = 0; rs && r < rs->RecordCount(); ++r) {
        QStringList fields;
        for (int f = 0; f < rs->FieldCount(); ++f)
            fields << (rs->Value(r, f).isValid() ? rs->Value(r, f).toString() : QStringLiteral("-"));
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}

// The six tables of the build before payments: today's schema without its payments part.
QStringList earlierSchema() {
    QFile file(testSchemaFile());
    const QString schema = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    QStringList statements =
        schema.left(schema.indexOf(QLatin1String("-- Payments"))).split(QLatin1Char(';'));
    statements.removeFirst(); // BEGIN
    statements.removeLast();  // what follows the last table
    return statements;
}

const QString kCannotTake = QStringLiteral("Payments can't be recorded in this database: %1.\r\n\r\n"
                                           "Clients, invoices and notes are kept as before.");

} // namespace

class tst_Payments : public QObject {
    Q_OBJECT

private slots:
    void balances_data();
    void balances();
    void refusals_data();
    void refusals();
    void upgrade_data();
    void upgrade();
};

void tst_Payments::balances_data() {
    QTest::addColumn<QStringList>("payments");
    QTest::addColumn<QStringList>("annInvoices"); // LoadBalances("QD-1")
    QTest::addColumn<QStringList>("clients");     // LoadBalances("")
    QTest::newRow("nothing paid") << QStringList()
                                  << QStringList{"INV-1|2024-01-05|100|0|100", "INV-2|2024-02-05|50.1|0|50.1"}
                                  << QStringList{"QD-1|Ann|150.1|0|150.1|2024-01-05",
                                                 "QD-2|Bob|33.33|0|33.33|2024-01-10"};
    QTest::newRow("partial payments, thirds to the cent")
        << QStringList{"INV-1:60", "INV-1:40", "INV-2:20.05", "INV-3:11.11", "INV-3:11.11", "INV-3:11.11"}
        << QStringList{"INV-1|2024-01-05|100|100|0", "INV-2|2024-02-05|50.1|20.05|30.05"}
        << QStringList{"QD-1|Ann|150.1|120.05|30.05|2024-02-05", "QD-2|Bob|33.33|33.33|0|-"};
    QTest::newRow("overpaid invoice, another owing")
        << QStringList{"INV-1:100.5", "INV-2:0.01"}
        << QStringList{"INV-1|2024-01-05|100|100.5|-0.5", "INV-2|2024-02-05|50.1|0.01|50.09"}
        << QStringList{"QD-1|Ann|150.1|100.51|49.59|2024-02-05", "QD-2|Bob|33.33|0|33.33|2024-01-10"};
}

void tst_Payments::balances() {
    QFETCH(QStringList, payments);
    QFETCH(QStringList, annInvoices);
    QFETCH(QStringList, clients);
    TestAppFolder folder;
    QVERIFY(seed(folder, kInvoices));
    HousePtr house = makeHouse();
    MessageBoxHelper boxes;
    QVERIFY(addPayments(*house, payments));
    QCOMPARE(rowTexts(house->LoadBalances(QStringLiteral("QD-1"))), annInvoices);
    QCOMPARE(rowTexts(house->LoadBalances(QString())), clients);
    // Ann's payments alone, and everyone's.
    QCOMPARE(rowTexts(house->LoadPayments("QD-1")).size(), payments.size() - payments.filter("INV-3").size());
    QCOMPARE(rowTexts(house->LoadPayments(QString())).size(), payments.size());
}

void tst_Payments::refusals_data() {
    QTest::addColumn<QString>("call");   // AddPayment's texts, amount and date, or DeleteInvoice's invoice
    QTest::addColumn<QString>("box");    // the one box shown
    QTest::addColumn<QString>("counts"); // invoices and payments afterwards
    const QString notRecorded = QStringLiteral("The payment was not recorded: %1.");
    QTest::newRow("zero amount") << "PAY-4|INV-1|QD-1|Cash|0|2024-03-01"
                                 << notRecorded.arg("its amount must be more than 0.00") << "3 3";
    QTest::newRow("no date") << "PAY-4|INV-1|QD-1|Cash|5|" << notRecorded.arg("its date is not a valid date")
                             << "3 3";
    QTest::newRow("unknown method") << "PAY-4|INV-1|QD-1|IOU|5|2024-03-01"
                                    << notRecorded.arg(
                                           "its method must be one of Cash, Check, Card, Transfer, Other")
                                    << "3 3";
    QTest::newRow("another client's invoice") << "PAY-4|INV-3|QD-1|Cash|5|2024-03-01"
                                              << notRecorded.arg("client QD-1 has no invoice INV-3") << "3 3";
    QTest::newRow("identifier taken") << "PAY-3|INV-1|QD-1|Cash|5|2024-03-01"
                                      << notRecorded.arg("a payment PAY-3 is already recorded") << "3 3";
    QTest::newRow("invoice with two payments")
        << "INV-1"
        << "This invoice has payments recorded against it: PAY-1, PAY-3."
           "\r\n\r\nDelete them in Tools > Payments first."
        << "3 3";
    QTest::newRow("invoice without") << "INV-2"
                                     << "Delete this Invoice Record?\r\n\r\nOnce deleted it can't be "
                                        "recovered!"
                                     << "2 3";
}

void tst_Payments::refusals() {
    QFETCH(QString, call);
    QFETCH(QString, box);
    QFETCH(QString, counts);
    TestAppFolder folder;
    QVERIFY(seed(folder, kInvoices));
    HousePtr house = makeHouse();
    MessageBoxHelper boxes;
    QVERIFY(addPayments(*house, {"INV-1:10", "INV-3:5", "INV-1:20"}));
    const bool deletes = call.startsWith(u"INV");
    boxes.answer(deletes ? QMessageBox::Yes : QMessageBox::Ok);
    QStringList text = call.split(QLatin1Char('|'));
    const bool done =
        deletes ? house->DeleteInvoice(call)
                : house->AddPayment(text, text[4].toFloat(), QDate::fromString(text[5], Qt::ISODate));
    QCOMPARE(done, counts.startsWith(u'2'));
    QCOMPARE(boxes.texts(), QStringList{box});
    QCOMPARE(
        folder.value("SELECT (SELECT COUNT(*) FROM tblInvoices) || ' ' || (SELECT COUNT(*) FROM tblPayments)")
            .toString(),
        counts);
}

void tst_Payments::upgrade_data() {
    QTest::addColumn<QString>("prepare"); // a statement after the earlier schema, or a fault
    QTest::addColumn<QString>("refusal"); // why the file cannot take it; empty when it can
    const QString foreign = "it already holds a table or index of that name that this program did not make";
    QTest::newRow("earlier database") << QString() << QString();
    QTest::newRow("a table of that name") << "CREATE TABLE tblPayments (Who TEXT)" << foreign;
    QTest::newRow("an index of that name")
        << "CREATE INDEX idxPaymentsClient ON tblClients (Client)" << foreign;
    QTest::newRow("read-only file") << "file"
                                    << "the file is read-only";
    QTest::newRow("read-only folder")
        << "folder"
        << "the file could not be changed (attempt to write a readonly database)";
}

void tst_Payments::upgrade() {
    QFETCH(QString, prepare);
    QFETCH(QString, refusal);
    QVERIFY(unprivileged::ReadOnlyMeansReadOnly());
    TestAppFolder folder(false);
    QVERIFY(seed(folder, earlierSchema() + kInvoices + QStringList{prepare}.filter(" ")));
    const QString home = folder.filePath(QStringLiteral("home"));
    if (prepare == "file" || prepare == "folder")
        QFile::setPermissions(prepare == "file" ? folder.databasePath() : home,
                              QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray before = folder.readFile(QStringLiteral("home/home.qd"));

    const ordwen::UpgradeOutcome outcome = ordwen::UpgradeDatabase(folder.databasePath());
    QCOMPARE(outcome.reason, refusal);
    QCOMPARE(outcome.result,
             refusal.isEmpty() ? ordwen::UpgradeResult::Upgraded : ordwen::UpgradeResult::Refused);
    if (!refusal.isEmpty())
        QVERIFY(folder.readFile(QStringLiteral("home/home.qd")) == before);
    QCOMPARE(QDir(home).entryList(QDir::Files), QStringList{"home.qd"});

    HousePtr house = makeHouse();
    MessageBoxHelper boxes;
    if (refusal.isEmpty()) {
        QVERIFY(addPayments(*house, {"INV-2:50.1"}));
        QCOMPARE(rowTexts(house->LoadBalances(QString())),
                 (QStringList{"QD-1|Ann|150.1|50.1|100|2024-01-05", "QD-2|Bob|33.33|0|33.33|2024-01-10"}));
    } else {
        boxes.answer({QMessageBox::Ok, QMessageBox::Ok});
        QVERIFY(!house->LoadBalances(QString()));
        QVERIFY(!addPayments(*house, {"INV-2:50.1"}));
        QCOMPARE(boxes.texts(), QStringList(2, kCannotTake.arg(refusal)));
        QCOMPARE(house->conDataBase()->ErrorDescription(), kCannotTake.arg(refusal));
    }
    // Nothing the earlier build kept is lost.
    QCOMPARE(
        folder.value(QStringLiteral("SELECT group_concat(InvoiceID || ':' || TotalAmt) FROM tblInvoices")),
        QVariant(QStringLiteral("INV-1:100.0,INV-2:50.1,INV-3:33.33")));
    QFile::setPermissions(home, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

int main(int argc, char **argv) {
    unprivileged::RunAsNobodyIfRoot(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    return testmain::Run<tst_Payments>(argc, argv);
}
#include "tst_payments.moc"

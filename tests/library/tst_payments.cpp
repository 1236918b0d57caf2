// Payments: what is owed after them, the refusal to delete an invoice they point to, and the
// upgrade of a database made by an earlier build.
#include "LibraryTestUtil.h"
#include "MessageBoxHelper.h"
#include "TestAppFolder.h"
#include "TestMain.h"

#include <QFile>
#include <QTest>

namespace {

// Two clients, three invoices; Bob's 33.33 is paid in three payments of 11.11.
const QString kInvoices =
    QStringLiteral("INSERT INTO tblClients (ClientID,Client) VALUES ('QD-1','Ann'),('QD-2','Bob');"
                   "INSERT INTO tblInvoices (InvoiceID,ClientID,Client,ServiceDate,TotalAmt) VALUES "
                   "('INV-1','QD-1','Ann','2024-01-05',100),('INV-2','QD-1','Ann','2024-02-05',50.1),"
                   "('INV-3','QD-2','Bob','2024-01-10',33.33)");

// "INV-n:amount" each, recorded through AddPayment in turn as PAY-1, PAY-2, ...
bool addPayments(ordwen::_House &house, const QStringList &payments) {
    for (int i = 0; i < payments.size(); ++i) {
        const QStringList parts = payments[i].split(QLatin1Char(':'));
        const QString client =
            parts[0] == QLatin1String("INV-3") ? QStringLiteral("QD-2") : QStringLiteral("QD-1");
        QStringList text = {
            QStringLiteral("PAY-%1").arg(i + 1), parts[0], client, QStringLiteral("Check"), {}};
        if (!house.AddPayment(text, parts[1].toFloat(), QDate(2024, 3, 1)))
            return false;
    }
    return true;
}

// Every row as text, fields joined by '|', Null shown as "-".
QStringList rowTexts(const ordwen::RecordsetPtr &rs) {
    QStringList rows;
    if (!rs)
        return {QStringLiteral("<no recordset>")};
    for (int r = 0; r < rs->RecordCount(); ++r) {
        QStringList fields;
        for (int f = 0; f < rs->FieldCount(); ++f) {
            const QVariant value = rs->Value(r, f);
            fields << (value.isValid() ? value.toString() : QStringLiteral("-"));
        }
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}

// The six tables of the build before payments, as its schema made them.
QString earlierSchema() {
    QFile file(QStringLiteral(BRISOLA_SOURCE_DIR "/tests/library/data/schema-before-payments.sql"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class tst_Payments : public QObject {
    Q_OBJECT

private slots:
    void balances_data();
    void balances();
    void loadPaymentsOrder();
    void paymentRefused_data();
    void paymentRefused();
    void deleteInvoice_data();
    void deleteInvoice();
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
    QVERIFY(folder.execScript(kInvoices));
    HousePtr house = makeHouse();
    MessageBoxHelper boxes;
    QVERIFY(addPayments(*house, payments));
    QCOMPARE(rowTexts(house->LoadBalances(QStringLiteral("QD-1"))), annInvoices);
    QCOMPARE(rowTexts(house->LoadBalances(QString())), clients);
    QCOMPARE(boxes.count(), 0);
}

void tst_Payments::loadPaymentsOrder() {
    TestAppFolder folder;
    QVERIFY(folder.execScript(
        kInvoices +
        QStringLiteral(";INSERT INTO tblPayments (PaymentID,InvoiceID,ClientID,PaidDate,Amount,Method) "
                       "VALUES ('PAY-1','INV-2','QD-1','2024-03-02',5,'Cash'),"
                       "('PAY-2','INV-3','QD-2','2024-03-01',6,'Card'),"
                       "('PAY-3','INV-1','QD-1','2024-03-01',7,'Check')")));
    HousePtr house = makeHouse();
    auto idsOf = [](const ordwen::RecordsetPtr &rs) {
        QStringList ids;
        for (int r = 0; rs && r < rs->RecordCount(); ++r)
            ids << rs->Value(r, rs->FieldIndex(QStringLiteral("PaymentID"))).toString();
        return ids;
    };
    QCOMPARE(idsOf(house->LoadPayments(QStringLiteral("QD-1"))), (QStringList{"PAY-3", "PAY-1"}));
    QCOMPARE(idsOf(house->LoadPayments(QString())), (QStringList{"PAY-2", "PAY-3", "PAY-1"}));
}

void tst_Payments::paymentRefused_data() {
    QTest::addColumn<QStringList>("text");
    QTest::addColumn<float>("amount");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("message");

    const QStringList good = {"PAY-1", "INV-1", "QD-1", "Cash", ""};
    const QDate day(2024, 3, 1);
    QTest::newRow("zero amount") << good << 0.0f << day << "its amount must be more than 0.00";
    QTest::newRow("no date") << good << 5.0f << QDate() << "its date is not a valid date";
    QTest::newRow("unknown method") << QStringList{"PAY-1", "INV-1", "QD-1", "IOU", ""} << 5.0f << day
                                    << "its method must be one of Cash, Check, Card, Transfer, Other";
    QTest::newRow("another client's invoice") << QStringList{"PAY-1", "INV-3", "QD-1", "Cash", ""} << 5.0f
                                              << day << "client QD-1 has no invoice INV-3";
    QTest::newRow("identifier taken") << QStringList{"PAY-9", "INV-1", "QD-1", "Cash", ""} << 5.0f << day
                                      << "a payment PAY-9 is already recorded";
}

void tst_Payments::paymentRefused() {
    QFETCH(QStringList, text);
    QFETCH(float, amount);
    QFETCH(QDate, date);
    QFETCH(QString, message);
    TestAppFolder folder;
    QVERIFY(folder.execScript(kInvoices +
                              QStringLiteral(";INSERT INTO tblPayments (PaymentID,InvoiceID,ClientID,Amount) "
                                             "VALUES ('PAY-9','INV-2','QD-1',1)")));
    HousePtr house = makeHouse();
    MessageBoxHelper boxes;
    boxes.answer(QMessageBox::Ok);
    QVERIFY(!house->AddPayment(text, amount, date));
    EXPECT_BOX(boxes.last(), "The payment was not recorded: " + message + ".", QMessageBox::Warning,
               QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Ordwen"));
    QCOMPARE(folder.value(QStringLiteral("SELECT COUNT(*) FROM tblPayments")).toInt(), 1);
}

void tst_Payments::deleteInvoice_data() {
    QTest::addColumn<QString>("invoice");
    QTest::addColumn<QStringList>("boxTexts");
    QTest::addColumn<int>("invoicesLeft");

    QTest::newRow("two payments")
        << "INV-1"
        << QStringList{"This invoice has payments recorded against it: PAY-1, PAY-3.\r\n\r\n"
                       "Delete them in Tools > Payments first."}
        << 3;
    QTest::newRow("none")
        << "INV-2" << QStringList{"Delete this Invoice Record?\r\n\r\nOnce deleted it can't be recovered!"}
        << 2;
}

void tst_Payments::deleteInvoice() {
    QFETCH(QString, invoice);
    QFETCH(QStringList, boxTexts);
    QFETCH(int, invoicesLeft);
    TestAppFolder folder;
    QVERIFY(folder.execScript(kInvoices));
    HousePtr house = makeHouse();
    MessageBoxHelper boxes;
    QVERIFY(addPayments(*house, {"INV-1:10", "INV-3:5", "INV-1:20"}));
    const QStringList &expected = boxTexts;
    boxes.answer(expected.size() == 1 && expected[0].startsWith(u"Delete this") ? QMessageBox::Yes
                                                                                : QMessageBox::Ok);
    QCOMPARE(house->DeleteInvoice(invoice), expected[0].startsWith(u"Delete this"));
    QCOMPARE(boxes.texts(), expected);
    QCOMPARE(folder.value(QStringLiteral("SELECT COUNT(*) FROM tblInvoices")).toInt(), invoicesLeft);
    QCOMPARE(folder.value(QStringLiteral("SELECT COUNT(*) FROM tblPayments")).toInt(), 3);
}

void tst_Payments::upgrade_data() {
    QTest::addColumn<QString>("prepare"); // statements after the earlier schema
    QTest::addColumn<int>("result");      // ordwen::UpgradeResult
    QTest::addColumn<QString>("refusal"); // the payment calls' message after it; empty when they work

    QTest::newRow("earlier database") << QString() << int(ordwen::UpgradeResult::Upgraded) << QString();
    QTest::newRow("already current") << QStringLiteral(
                                            "PRAGMA user_version = 1;"
                                            "CREATE TABLE tblPayments (PaymentID TEXT, InvoiceID TEXT,"
                                            "ClientID TEXT, PaidDate TEXT, Amount REAL, Method TEXT,"
                                            "Notes TEXT, AddDate TEXT, ID INTEGER PRIMARY KEY)")
                                     << int(ordwen::UpgradeResult::Current) << QString();
    QTest::newRow("a table of that name")
        << QStringLiteral("CREATE TABLE tblPayments (Who TEXT)") << int(ordwen::UpgradeResult::Refused)
        << "it already holds a table or index of that name that this program "
           "did not make";
    QTest::newRow("an index of that name")
        << QStringLiteral("CREATE INDEX idxPaymentsClient ON tblClients (Client)")
        << int(ordwen::UpgradeResult::Refused)
        << "it already holds a table or index of that name that this program "
           "did not make";
}

void tst_Payments::upgrade() {
    QFETCH(QString, prepare);
    QFETCH(QString, refusal);
    QFETCH(int, result);
    TestAppFolder folder(false);
    const QString schema = earlierSchema();
    QVERIFY(!schema.isEmpty());
    QVERIFY(folder.execScript(schema));
    QVERIFY(folder.execScript(kInvoices));
    if (!prepare.isEmpty())
        QVERIFY(folder.execScript(prepare));
    const QByteArray before = folder.readFile(QStringLiteral("home/home.qd"));

    const ordwen::UpgradeOutcome outcome = ordwen::UpgradeDatabase(folder.databasePath());
    QCOMPARE(int(outcome.result), result);
    QCOMPARE(outcome.reason, refusal);
    if (outcome.result != ordwen::UpgradeResult::Upgraded)
        QVERIFY(folder.readFile(QStringLiteral("home/home.qd")) == before);

    HousePtr house = makeHouse();
    MessageBoxHelper boxes;
    if (refusal.isEmpty()) {
        QCOMPARE(folder.value(QStringLiteral("PRAGMA user_version")).toInt(), 1);
        QVERIFY(addPayments(*house, {"INV-2:50.1"}));
        QCOMPARE(rowTexts(house->LoadBalances(QString())),
                 (QStringList{"QD-1|Ann|150.1|50.1|100|2024-01-05", "QD-2|Bob|33.33|0|33.33|2024-01-10"}));
    } else {
        boxes.answer(QMessageBox::Ok);
        QVERIFY(!house->LoadBalances(QString()));
        EXPECT_BOX(boxes.last(),
                   "Payments can't be recorded in this database: " + refusal +
                       ".\r\n\r\nClients, invoices and notes are kept as before.",
                   QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Ordwen"));
    }
    // Nothing the earlier build kept is lost.
    QCOMPARE(
        folder.value(QStringLiteral("SELECT group_concat(InvoiceID || ':' || TotalAmt) FROM tblInvoices")),
        QVariant(QStringLiteral("INV-1:100.0,INV-2:50.1,INV-3:33.33")));
}

BRISOLA_TEST_MAIN(tst_Payments)
#include "tst_payments.moc"

// The payment rules on plain records, without a window: the amount as typed against what the
// invoice still owes, the date against today, and the balances of the clients that owe.
#include "RefusalText.h"
#include "TestMain.h"

#include "tools/PaymentRules.h"

Q_DECLARE_METATYPE(rules::Check)

namespace {

const QDate Today(2026, 12, 8);

rules::Check amountRefusal(const char *message) {
    return rules::Refusal{PaymentRecord::AmountField, QString::fromUtf8(message)};
}

} // namespace

class TestPaymentRules : public QObject {
    Q_OBJECT
private slots:
    void checks_data() {
        QTest::addColumn<QString>("invoiceID");
        QTest::addColumn<int>("daysFromToday");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<double>("owed");
        QTest::addColumn<rules::Check>("refusal");
        const rules::Check none;
        QTest::newRow("all of it, today") << "INV-3" << 0 << "40" << 40.0 << none;
        QTest::newRow("part, with a point, a year ago") << "INV-3" << -365 << "12.50" << 40.0 << none;
        QTest::newRow("digit grouping") << "INV-3" << 0 << " 1,234.56 " << 1234.56 << none;
        QTest::newRow("a cent") << "INV-3" << 0 << "0.01" << 0.01 << none;
        QTest::newRow("no invoice chosen")
            << "" << 1 << "x" << 0.0
            << rules::Check({PaymentRecord::InvoiceField, "Choose the invoice the payment is for! ",
                             QMessageBox::Warning});
        QTest::newRow("tomorrow") << "INV-3" << 1 << "x" << 40.0
                                  << rules::Check({PaymentRecord::DateField,
                                                   "The Date Paid is later than the current date! ",
                                                   QMessageBox::Warning});
        QTest::newRow("empty") << "INV-3" << 0 << "  " << 40.0 << amountRefusal("Enter the Amount paid! ");
        QTest::newRow("comma as decimal point")
            << "INV-3" << 0 << "12,5" << 40.0 << amountRefusal("Amount field contains invalid characters! ");
        QTest::newRow("fraction of a cent")
            << "INV-3" << 0 << "12.345" << 40.0
            << amountRefusal("The Amount has more than two decimals: enter it to the cent! ");
        QTest::newRow("zero") << "INV-3" << 0 << "0" << 40.0
                              << amountRefusal("The Amount paid must be more than 0.00! ");
        QTest::newRow("zero with decimals")
            << "INV-3" << 0 << "0.00" << 40.0 << amountRefusal("The Amount paid must be more than 0.00! ");
        QTest::newRow("negative") << "INV-3" << 0 << "-5" << 40.0
                                  << amountRefusal("The Amount paid must be more than 0.00! ");
        QTest::newRow("a cent over")
            << "INV-3" << 0 << "40.01" << 40.0
            << amountRefusal("The Amount paid (40.01) is more than invoice INV-3 still owes (40.00)! ");
        QTest::newRow("invoice paid up")
            << "INV-3" << 0 << "1,000" << 0.0
            << amountRefusal("The Amount paid (1,000.00) is more than invoice INV-3 still owes (0.00)! ");
    }
    void checks() {
        QFETCH(QString, invoiceID);
        QFETCH(int, daysFromToday);
        QFETCH(QString, amount);
        QFETCH(double, owed);
        QFETCH(rules::Check, refusal);
        const PaymentRecord payment{invoiceID, "QD-1", owed, Today.addDays(daysFromToday),
                                    amount,    "Cash", ""};
        QCOMPARE(rules::CheckPayment(payment, Today), refusal);
    }

    void owingClients() {
        const ordwen::Recordset balances({"ClientID", "Client", "Invoiced", "Paid", "Owed", "OldestUnpaid"},
                                         {{"QD-2", "Bea", 300.0, 50.25, 249.75, "2026-11-08"},
                                          {"QD-1", "Al", 40.0, 0.0, 40.1, "2026-12-08"},
                                          {"QD-3", "Cy", 80.0, 80.0, 0.0, QVariant()}});
        const rules::OwedBalances owing = rules::OwingClients(balances, Today);
        QCOMPARE(owing.total, 289.85);
        QList<QVariantList> rows;
        for (int row = 0; row < owing.rows.RecordCount(); ++row) {
            QVariantList values;
            for (int field = 0; field < owing.rows.FieldCount(); ++field)
                values << owing.rows.Value(row, field);
            rows << values;
        }
        QCOMPARE(rows, (QList<QVariantList>{{"QD-2", "Bea", 249.75, "2026-11-08", 30},
                                            {"QD-1", "Al", 40.1, "2026-12-08", 0}}));
    }
};

BRISOLA_TEST_MAIN(TestPaymentRules)
#include "tst_payment_rules.moc"

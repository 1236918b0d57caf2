// The client and invoice rules on plain records, without a window.
#include "RefusalText.h"
#include "TestMain.h"

#include "main_window/ClientRules.h"
#include "main_window/InvoiceRules.h"

#include <cmath>

Q_DECLARE_METATYPE(ClientRecord)
Q_DECLARE_METATYPE(InvoiceTotals)
Q_DECLARE_METATYPE(rules::Check)

using rules::Refusal;
static const char TotalsMessage[] =
    "Enter values for your services and click the yellow Service Charge Totals button! ";

static ClientRecord Filled() {
    ClientRecord c;
    c.boxes = {"Ann",   "1 Main St", "", "Ottawa", "ON",  "K1A", "555-0101", "Bo",
               "Box 9", "",          "", "",       "K2P", "Tue", "1,234.50"};
    c.clientType = "Home", c.notes = "Key", c.schedule = "Weekly", c.service = "Home", c.feeType = "Job";
    c.billing = "Monthly", c.pets = "No";
    return c;
}

static QString &At(ClientRecord &c, int field) { // a box, or the type or an option group
    QString *const chosen[] = {&c.clientType, &c.schedule, &c.service, &c.feeType, &c.billing, &c.pets};
    return field < ClientRecord::ClientTypeField ? c.boxes[std::size_t(field)]
                                                 : *chosen[field - ClientRecord::ClientTypeField];
}

class TestClientRules : public QObject {
    Q_OBJECT
private slots:
    void clientChecks_data() {
        QTest::addColumn<ClientRecord>("client");
        QTest::addColumn<rules::Check>("newClient");
        QTest::addColumn<rules::Check>("changedClient");
        using Typed = std::initializer_list<std::pair<int, const char *>>; // field, text
        auto row = [](const char *name, Typed typed, rules::Check onNew, rules::Check onChange) {
            ClientRecord c = Filled();
            for (const auto &[field, text] : typed)
                At(c, field) = QString::fromLatin1(text);
            QTest::newRow(name) << c << onNew << onChange;
        };
        using F = ClientRecord::Field;
        const Refusal noType{F::ClientTypeField, "Select a Client Type "},
            badFee{ClientRecord::FeeBox, "Fee Amount contains invalid characters! "};
        row("optional boxes empty", {{2, ""}, {8, ""}, {12, ""}, {13, ""}, {14, ""}}, {}, {});
        row("type first", {{F::ClientTypeField, ""}, {0, ""}}, noType, noType);
        // The option groups are checked on new clients only.
        row("schedule before fee", {{F::ScheduleField, ""}, {F::ServiceField, ""}, {14, "$45"}},
            Refusal{F::ScheduleField, "Select a Service Schedule! "}, badFee);
        row("billing before fee", {{F::BillingField, ""}, {14, "1e3"}},
            Refusal{F::BillingField, "Select a Billing Schedule! "}, badFee);
        row("fee before pets", {{14, "4 5"}, {F::PetsField, ""}}, badFee, badFee);
    }
    void clientChecks() {
        QFETCH(ClientRecord, client);
        QFETCH(rules::Check, newClient);
        QFETCH(rules::Check, changedClient);
        QCOMPARE(rules::CheckNewClient(client), newClient);
        QCOMPARE(rules::CheckEditClient(client), changedClient);
    }
    void clientValues() {
        QCOMPARE(rules::ClientValues(Filled(), "QD-7"),
                 (QStringList{"QD-7",     "Home", "Ann",   "1 Main St", "",       "Ottawa", "ON",  "K1A",
                              "555-0101", "Bo",   "Box 9", "",          "Ottawa", "ON",     "K2P", "Weekly",
                              "Home",     "Tue",  "Job",   "Monthly",   "No",     "Key"}));
        QCOMPARE(rules::ClientFee(Filled()), 1234.5f);
    }
    void invoiceChecks_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<InvoiceTotals>("totals");
        QTest::addColumn<rules::Check>("refusal");
        const InvoiceTotals worked{40, 40, true};
        auto row = [](const char *name, QStringList boxes, InvoiceTotals totals, rules::Check refusal) {
            QTest::newRow(name) << boxes << totals << refusal;
        };
        row("hours", {"ten", "1e3"}, worked, Refusal{0, "Hours Worked field contains invalid characters! "});
        row("other amount before its description", {"", "", "", "", "1.2.3", "x"}, worked,
            Refusal{4, "Other Services Amt field contains invalid characters! "});
        row("description before past due", {"", "", "", "", "12", "x"}, worked,
            Refusal{3, "Enter brief description of Other Services! "});
        const Refusal noTotal{InvoiceRecord::TotalsField, TotalsMessage, QMessageBox::Warning};
        row("not worked out", {}, {40, 40, false}, noTotal);
        row("negative", {}, {0, -50, true}, noTotal);
        row("shows 0.00", {}, {0, 0.005f, true}, noTotal);
        row("too large to show", {}, {INFINITY, INFINITY, true}, noTotal);
        row("shows 0.01", {}, {0, 0.0051f, true}, {});
    }
    void invoiceChecks() {
        QFETCH(QStringList, boxes);
        QFETCH(InvoiceTotals, totals);
        QFETCH(rules::Check, refusal);
        InvoiceRecord invoice;
        invoice.serviceDate = QDate(2024, 5, 10);
        std::copy(boxes.begin(), boxes.end(), invoice.boxes.begin());
        QCOMPARE(rules::CheckInvoice(invoice, totals, QDate(2024, 5, 10)), refusal);
        // A service date after today is refused before anything else.
        QCOMPARE(rules::CheckInvoice(invoice, totals, QDate(2024, 5, 9)),
                 rules::Check({InvoiceRecord::ServiceDateField,
                               "The Service Date is later than the current date! ", QMessageBox::Warning}));
    }
    void invoiceValues() {
        InvoiceRecord invoice;
        invoice.boxes = {"10.25", "20", "1,000", "Windows", "12.5", "7.75"};
        invoice.billingAddress = {"1 Main ", "", "Hull ", "ON ", "K1A "};
        invoice.clientID = "QD-1", invoice.client = "Ann ", invoice.notes = "Oven";
        invoice.dayOfWeek = "Tue ", invoice.schedule = "Weekly ", invoice.service = "Home ";
        invoice.feeType = "Job ", invoice.pets = "No";
        QCOMPARE(rules::InvoiceTexts(invoice, "INV-3"),
                 (QStringList{"INV-3", "QD-1", "Ann ", "1 Main ", "", "Hull ", "ON ", "K1A ", "Windows",
                              "Tue ", "Weekly ", "Home ", "Job ", "No", "Oven", ""}));
        // One amount at a time in single precision: the other services before the contract fee.
        invoice.boxes = {"100000000", "1", "8", "", "4", ""};
        QVERIFY(rules::WorkOutTotals(invoice) == (InvoiceTotals{1e8f, 100000008.0f, true}));
        // The worked-out amounts are stored as shown, to the cent.
        QCOMPARE(rules::InvoiceAmounts(invoice, {0.125f, 1234.567f, true}),
                 (QList<float>{1e8f, 1, 0.13f, 8, 4, 0, 1234.57f, 0}));
    }
};

BRISOLA_TEST_MAIN(TestClientRules)
#include "tst_client_rules.moc"

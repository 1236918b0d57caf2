// The statement of account and the income by month as they come out in a PDF, and the income
// chart's bars in the page model.
#include "ReportFixture.h"
#include "TestMain.h"

#include "reports/Paginator.h"
#include "reports/ReportLayout.h"
#include "reports/Reports.h"
#include "reports/frmReportPreview.h"

using namespace reports;

namespace {

using Rows = QList<QStringList>; // invoices: id, service date, total; payments: id, invoice, date, amount

bool seed(ReportFixture &f, const Rows &invoices, const Rows &payments) {
    bool ok = f.seedOwner();
    for (const QStringList &i : invoices)
        ok = ok && f.seedInvoice(i[0], i[1], "1", i[2]);
    for (const QStringList &p : payments)
        ok = ok && f.folder.exec(
                       QStringLiteral("INSERT INTO tblPayments (PaymentID, InvoiceID, ClientID, PaidDate, "
                                      "Amount, Method) VALUES ('%1', '%2', 'QD-1', '%3', %4, 'Check')")
                           .arg(p[0], p[1], p[2], p[3]));
    return ok;
}

// The PDF's lines, blanks run together, that hold one of the words.
QStringList pdfLines(const PageModel &model, const QString &path, const QRegularExpression &words) {
    if (!SavePdf(model, path))
        return {QStringLiteral("no PDF")};
    QStringList lines;
    for (const QString &line : pdfText(path).split(QLatin1Char('\n'))) {
        if (line.contains(words))
            lines << line.simplified();
    }
    return lines;
}

QString shortDate(int y, int m, int d) {
    return QLocale().toString(QDate(y, m, d), QLocale::ShortFormat);
}

} // namespace

class TestPaymentReports : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!hasPdfToText())
            QFAIL("pdftotext (poppler-utils) is needed: run scripts/setup.sh");
    }
    void statement_data();
    void statement();
    void incomeByMonth_data();
    void incomeByMonth();
    void longStatementPages();
    void refused_data();
    void refused();
};

void TestPaymentReports::statement_data() {
    QTest::addColumn<bool>("clientStored");
    QTest::addColumn<Rows>("invoices");
    QTest::addColumn<Rows>("payments");
    QTest::addColumn<QStringList>("expected");
    const Rows invoices{{"INV-2", "2026-03-10", "80.25"}, {"INV-1", "2026-02-01", "100"}};
    QTest::newRow("partial payments, an invoice before a payment of its day")
        << true << invoices
        << Rows{{"PAY-2", "INV-2", "2026-03-10", "50"}, {"PAY-1", "INV-1", "2026-02-15", "60.1"}}
        << QStringList{"12 Queen St 1 Main St",
                       shortDate(2026, 2, 1) + " INV-1 Invoice $100.00 $100.00",
                       shortDate(2026, 2, 15) + " PAY-1 Check payment for INV-1 $60.10 $39.90",
                       shortDate(2026, 3, 10) + " INV-2 Invoice $80.25 $120.15",
                       shortDate(2026, 3, 10) + " PAY-2 Check payment for INV-2 $50.00 $70.15",
                       "Amount Due: $70.15"};
    QTest::newRow("no payments, client deleted: billed as its latest invoice")
        << false << invoices << Rows{}
        << QStringList{"12 Queen St 1 Main St", "Ottawa, ON K1A 0B1 Suite 2",
                       shortDate(2026, 2, 1) + " INV-1 Invoice $100.00 $100.00",
                       shortDate(2026, 3, 10) + " INV-2 Invoice $80.25 $180.25", "Amount Due: $180.25"};
}

void TestPaymentReports::statement() {
    QFETCH(bool, clientStored);
    QFETCH(Rows, invoices);
    QFETCH(Rows, payments);
    QFETCH(QStringList, expected);
    ReportFixture f;
    QVERIFY(seed(f, invoices, payments));
    QVERIFY(!clientStored || f.seedClient("QD-1", "Home", "Ann Smith"));
    frmReportPreview *first = ShowStatement("QD-1", nullptr);
    QVERIFY(first);
    QPointer<frmReportPreview> earlier = first;
    frmReportPreview *window = ShowStatement("QD-1", nullptr);
    QVERIFY(window && window == OpenStatement());
    QTRY_VERIFY(!earlier); // one statement preview at a time
    QCOMPARE(f.boxes.count(), 0);
    const QStringList lines = pdfLines(window->Model(), f.folder.filePath("statement.pdf"),
                                       QRegularExpression("INV-|PAY-|Due|Suite|Main"));
    QCOMPARE(lines, expected);
    const QStringList head = window->Model().Texts(0);
    for (const char *part : {"Sparkle & Shine Cleaning", "12 Queen St", "Ann Smith", "Ottawa, ON K1A 0B1"})
        QVERIFY2(head.contains(part), part);
    window->close();
}

void TestPaymentReports::incomeByMonth_data() {
    QTest::addColumn<Rows>("invoices");
    QTest::addColumn<Rows>("payments");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QList<QList<int>>>("relativeBars"); // per month: bar heights as parts of 100
    QStringList empty;
    for (const char *m : {"January", "February", "March", "April", "May", "June", "July", "August",
                          "September", "October", "November", "December"})
        empty << QLatin1String(m) + " $0.00 $0.00";
    QTest::newRow("empty year") << Rows{} << Rows{} << (QStringList(empty) << "Year Total $0.00 $0.00")
                                << QList<QList<int>>(12, {0, 0});
    QStringList months = empty;
    months[0] = "January $400.00 $100.00";
    months[2] = "March $200.00 $300.50";
    QList<QList<int>> bars(12, {0, 0});
    bars[0] = {100, 25};
    bars[2] = {50, 75};
    QTest::newRow("invoiced by service date, received by paid date")
        << Rows{{"INV-1", "2026-01-05", "150"},
                {"INV-2", "2026-01-31", "250"},
                {"INV-3", "2026-03-01", "200"},
                {"INV-4", "2025-12-31", "999"},
                {"INV-5", "2027-01-01", "999"}}
        << Rows{{"PAY-1", "INV-4", "2026-01-02", "100"},
                {"PAY-2", "INV-1", "2026-03-02", "300.5"},
                {"PAY-3", "INV-3", "2025-03-02", "999"}}
        << (QStringList(months) << "Year Total $600.00 $400.50") << bars;
}

void TestPaymentReports::incomeByMonth() {
    QFETCH(Rows, invoices);
    QFETCH(Rows, payments);
    QFETCH(QStringList, expected);
    QFETCH(QList<QList<int>>, relativeBars);
    ReportFixture f;
    QVERIFY(seed(f, invoices, payments));
    frmReportPreview *window = ShowIncomeByMonth(2026, nullptr);
    QVERIFY(window && window == OpenIncomeByMonth());
    QCOMPARE(window->Model().PageCount(), 1);
    QCOMPARE(pdfLines(window->Model(), f.folder.filePath("income.pdf"),
                      QRegularExpression("^\\s*(January|February|March|April|May|June|July|August|September|"
                                         "October|November|December|Year Total)")),
             expected);
    // The month bars stand on the axis; the legend's swatches above the plot do not.
    const QList<PageItem> items = window->Model().Items(0);
    int axis = 0;
    for (const PageItem &item : items)
        axis = item.kind == ElementKind::Bar ? std::max(axis, item.top + item.height) : axis;
    QList<int> heights;
    for (const PageItem &item : items) {
        if (item.kind == ElementKind::Bar && item.top + item.height == axis)
            heights << item.height;
    }
    QCOMPARE(heights.size(), 24);
    const int tallest = *std::max_element(heights.cbegin(), heights.cend());
    QList<QList<int>> relative;
    for (int m = 0; m < 12; ++m)
        relative << QList<int>{int(std::lround(heights[2 * m] * 100.0 / std::max(tallest, 1))),
                               int(std::lround(heights[2 * m + 1] * 100.0 / std::max(tallest, 1)))};
    QCOMPARE(relative, relativeBars);
    QVERIFY(tallest == 0 || tallest > 3000); // scaled to the largest value: the tallest fills the plot
    window->close();
}

void TestPaymentReports::longStatementPages() {
    QList<QVariantList> lines;
    for (int n = 1; n <= 100; ++n)
        lines << QVariantList{"2026-01-01", QStringLiteral("INV-%1").arg(n), "Invoice", 10.0, QVariant(),
                              10.0 * n};
    const auto rows = std::make_shared<Rowset>(
        QStringList{"Date", "Number", "Details", "Invoiced", "Paid", "Balance"}, lines);
    const auto values = std::make_shared<Rowset>(QStringList{"Client", "ClientID", "AmountDue"},
                                                 QList<QVariantList>{{"Ann Smith", "QD-1", 1000.0}});
    modGlobal::strCompany = QStringLiteral("Sparkle");
    const PageModel model = Paginate(rptStatement("Ann Smith"), rows, values, QDate(2026, 12, 9));
    modGlobal::strCompany.clear();
    QCOMPARE(model.PageCount(), 3);
    const QStringList heads{"Date", "Number", "Details", "Invoiced", "Paid", "Balance"};
    // The first page opens with the report header alone, the next ones with the page header.
    QCOMPARE(model.Texts(0).mid(0, 3),
             (QStringList{"Sparkle", "Statement of Account", "Statement Date: 12/9/26"}));
    QCOMPARE(model.Texts(1).mid(0, 11),
             QStringList({"Sparkle", "Statement of Account", "Ann Smith", "QD-1"}) + heads +
                 QStringList{"1/1/26"});
    QVERIFY(model.Texts(2).contains("INV-100"));
    QCOMPARE(model.Texts(2).mid(model.Texts(2).indexOf("Amount Due:"), 2),
             (QStringList{"Amount Due:", "$1,000.00"}));
    QCOMPARE(model.Texts(2).mid(model.Texts(2).size() - 6),
             (QStringList{"Page", "3", "of", "3", "Brisola v2.0", "www.brisola.example.org"}));
}

void TestPaymentReports::refused_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("client");
    QTest::addColumn<QString>("message");
    QTest::newRow("client with nothing stored")
        << "SELECT 1"
        << "QD-9"
        << "The client QD-9 has no record, invoice or payment stored, so there is no statement to show. ";
    QTest::newRow("database without payments") << "DROP TABLE tblPayments"
                                               << "QD-1"
                                               << "The report could not read the database:\r\nno such table: "
                                                  "tblPayments Unable to execute statement ";
}

void TestPaymentReports::refused() {
    QFETCH(QString, sql);
    QFETCH(QString, client);
    QFETCH(QString, message);
    ReportFixture f;
    QVERIFY(f.seedClient("QD-1", "Home", "Ann Smith") && f.folder.exec(sql));
    f.boxes.answer(QMessageBox::Ok);
    QVERIFY(!ShowStatement(client, nullptr));
    QVERIFY(!OpenStatement());
    QCOMPARE(f.boxes.count(), 1);
    QCOMPARE(f.boxes.last().text, message);
    QVERIFY(!QApplication::overrideCursor());
}

BRISOLA_TEST_MAIN(TestPaymentReports)
#include "tst_payment_reports.moc"

// The page model: values formatted as the reports print them, placeholders, where each
// element stands on the page, how bands are spread over pages and how many pages result.
#include "ReportFixture.h"
#include "TestMain.h"

#include "reports/Paginator.h"
#include "reports/Renderer.h"
#include "reports/ReportLayout.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <cfloat>
#include <functional>

using namespace reports;

namespace {

const QStringList clientFields{"ClientID", "ClientType", "Client", "Contact", "Service",
                               "Schedule", "Pets",       "Fee",    "FeeType", "Notes"};

QVariantList clientRow(int n, const QString &type) {
    return {QStringLiteral("QD-%1").arg(n),
            type,
            QStringLiteral("Client %1").arg(n),
            QStringLiteral("Contact %1").arg(n),
            QStringLiteral("Home"),
            QStringLiteral("Weekly"),
            QStringLiteral("No"),
            25.0 + n,
            QStringLiteral("Job"),
            QStringLiteral("Notes of %1").arg(n)};
}

std::shared_ptr<Rowset> clientRows(int count) {
    QList<QVariantList> rows;
    for (int n = 1; n <= count; ++n)
        rows << clientRow(n, QStringLiteral("Home"));
    return std::make_shared<Rowset>(clientFields, rows);
}

// A grouped rowset: one parent per type, with the given number of clients each.
std::shared_ptr<Rowset> groupedRows(const QStringList &types, const QList<int> &counts) {
    QList<QVariantList> parents;
    QList<std::shared_ptr<const Rowset>> children;
    int n = 0;
    for (int g = 0; g < types.size(); ++g) {
        parents << QVariantList{types[g]};
        QList<QVariantList> rows;
        for (int i = 0; i < counts[g]; ++i)
            rows << clientRow(++n, types[g]);
        children << std::make_shared<const Rowset>(clientFields, rows);
    }
    auto rowset = std::make_shared<Rowset>(QStringList{"ClientType"}, parents);
    rowset->SetChildren(QStringLiteral("cmdClientByType"), children);
    return rowset;
}

std::shared_ptr<Rowset> invoiceRow() {
    const QStringList fields{"InvoiceID",      "Client",      "BCity",   "BAdd1",    "BAdd2",
                             "ServiceDate",    "BState",      "BZip",    "Hours",    "Rate",
                             "HourAmt",        "OtherAmt",    "PastDue", "TotalAmt", "Company",
                             "CompanyAddress", "OtherCharges"};
    const QVariantList row{"INV-3",    "Ann Smith",  "Ottawa",  "1 Main St",
                           QVariant(), "2007-03-06", "ON",      "K1A 0B1",
                           2.5,        18.0,         45.0,      20.0,
                           1169.5,     1234.5,       "Sparkle", "Ottawa, ON K1A 0B1",
                           "Oven"};
    return std::make_shared<Rowset>(fields, QList<QVariantList>{row});
}

const PageItem *findItem(const QList<PageItem> &items, const QString &text) {
    for (const PageItem &item : items) {
        if (item.text == text)
            return &item;
    }
    return nullptr;
}

// True when the texts hold "Page", n, "of", N one after the other.
bool readsPageOf(const QStringList &texts, int page, int pages) {
    const int at = int(texts.indexOf(QStringLiteral("Page")));
    return at >= 0 && texts.value(at + 1) == QString::number(page) &&
           texts.value(at + 2) == QStringLiteral("of") && texts.value(at + 3) == QString::number(pages);
}

Layout layoutByName(const QString &name) {
    const std::function<Layout()> all[] = {rptClientList, rptClientType, rptClient,
                                           rptAddress,    rptInvoice,    rptNotes};
    for (const auto &make : all) {
        Layout layout = make();
        if (layout.name == name)
            return layout;
    }
    return Layout();
}

} // namespace

class TestReportPages : public QObject {
    Q_OBJECT
private slots:
    void init() {
        modGlobal::strCompany = QStringLiteral("Sparkle & Shine Cleaning");
        modGlobal::strOwnerName = QStringLiteral("Maria Lopez");
    }
    void formats_data();
    void formats();
    void placeholders_data();
    void placeholders();
    void reportCreation_data();
    void reportCreation();
    void elementsStayInsideTheirSections_data();
    void elementsStayInsideTheirSections();
    void onePagePerRecord_data();
    void onePagePerRecord();
    void listRowsFlowOverPages_data();
    void listRowsFlowOverPages();
    void newPagePerClientType();
    void invoiceElementPositions_data();
    void invoiceElementPositions();
    void noRowsPrintNoDetail_data();
    void noRowsPrintNoDetail();
    void nullPrintsEmpty();
    void widestAmountsFitTheirFields_data();
    void widestAmountsFitTheirFields();
    void longNoteGoesOnInWholeLines_data();
    void longNoteGoesOnInWholeLines();
    void longTextBreaksAsEachParagraphLaidOut_data();
    void longTextBreaksAsEachParagraphLaidOut();
};

void TestReportPages::formats_data() {
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    const QString money = QString::fromLatin1(FormatMoney);
    const QString two = QString::fromLatin1(FormatTwoDecimals);
    const QString date = QString::fromLatin1(FormatLongDate);
    QTest::newRow("money grouped") << QVariant(1234.5) << money << "$1,234.50";
    QTest::newRow("money millions") << QVariant(1234567.891) << money << "$1,234,567.89";
    QTest::newRow("money zero") << QVariant(0.0) << money << "$0.00";
    QTest::newRow("money single precision") << QVariant(double(45.1f)) << money << "$45.10";
    QTest::newRow("money negative") << QVariant(-5.0) << money << "-$5.00";
    QTest::newRow("money tiny negative") << QVariant(-0.001) << money << "$0.00";
    QTest::newRow("money rounds up") << QVariant(0.995) << money << "$1.00";
    QTest::newRow("money stored as text") << QVariant("12.5") << money << "$12.50";
    QTest::newRow("money not a number") << QVariant("n/a") << money << "n/a";
    QTest::newRow("money null") << QVariant() << money << "";
    QTest::newRow("hours") << QVariant(2.5) << two << "2.50";
    QTest::newRow("hours no grouping") << QVariant(1234.5) << two << "1234.50";
    QTest::newRow("hours whole") << QVariant(3) << two << "3.00";
    QTest::newRow("hours null") << QVariant() << two << "";
    QTest::newRow("service date") << QVariant("2007-03-06") << date << "Tuesday, March 06, 2007";
    QTest::newRow("date with time") << QVariant("2024-12-25 14:30:00") << date
                                    << "Wednesday, December 25, 2024";
    QTest::newRow("date value") << QVariant(QDate(2007, 3, 6)) << date << "Tuesday, March 06, 2007";
    QTest::newRow("unreadable date") << QVariant("next week") << date << "next week";
    QTest::newRow("date null") << QVariant() << date << "";
    QTest::newRow("plain text") << QVariant("Ann's Place") << QString() << "Ann's Place";
    QTest::newRow("plain number") << QVariant(12.5) << QString() << "12.5";
    QTest::newRow("empty text") << QVariant("") << QString() << "";
}

void TestReportPages::formats() {
    QFETCH(QVariant, value);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(FormatValue(value, format), expected);
    if (format.isEmpty())
        return; // plain numbers follow the user's locale
    // Month and weekday names stay English whatever the user's language.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const QString underFrench = FormatValue(value, format);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(underFrench, expected);
}

void TestReportPages::placeholders_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("title") << "%i"
                           << "Sparkle";
    QTest::newRow("page of pages") << "Page %p of %P"
                                   << "Page 3 of 12";
    QTest::newRow("date") << "%d"
                          << "3/6/07";
    QTest::newRow("no placeholder") << "Invoice:"
                                    << "Invoice:";
    QTest::newRow("unknown code kept") << "100% %x"
                                       << "100% %x";
    QTest::newRow("trailing percent") << "50%"
                                      << "50%";
    QTest::newRow("title holding a code") << "%i!"
                                          << "Sparkle!";
}

void TestReportPages::placeholders() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(ExpandPlaceholders(text, QStringLiteral("Sparkle"), 3, 12, QDate(2007, 3, 6)), expected);
    // A title that itself holds a code is printed as it is, not expanded again.
    QCOMPARE(ExpandPlaceholders("%i", QStringLiteral("50% %p off"), 1, 2, QDate()),
             QStringLiteral("50% %p off"));
}

void TestReportPages::reportCreation_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("width");
    QTest::newRow("client list") << "rptClientList"
                                 << "Brisola - Client List"
                                 << "Sparkle & Shine Cleaning" << 11175;
    QTest::newRow("by type") << "rptClientType"
                             << "Brisola - Client List By Type"
                             << "Sparkle & Shine Cleaning" << 11175;
    QTest::newRow("data sheet") << "rptClient"
                                << "Brisola - Client Data Sheet"
                                << "Sparkle & Shine Cleaning" << 11175;
    QTest::newRow("address list") << "rptAddress"
                                  << "Brisola - Address List"
                                  << "Maria Lopez" << 10620;
    QTest::newRow("invoice") << "rptInvoice"
                             << "Brisola  -  Invoice"
                             << "Sparkle & Shine Cleaning" << 11175;
    QTest::newRow("note") << "rptNotes"
                          << "Brisola  -  Note"
                          << "Sparkle & Shine Cleaning" << 11175;
}

void TestReportPages::reportCreation() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, title);
    QFETCH(int, width);
    const Layout layout = layoutByName(name);
    QCOMPARE(layout.name, name);
    QCOMPARE(layout.caption, caption);
    QCOMPARE(layout.title, title);
    QCOMPARE(layout.width, width);
    const Margins &m = layout.margins;
    QVERIFY(m.left + layout.width + m.right <= PaperWidth);
    QVERIFY(m.top == 1000 || m.bottom == 1000);
    // The title is what the first page's "%i" shows.
    const PageModel model = Paginate(layout, nullptr);
    QVERIFY(model.Texts(0).contains(title));
}

void TestReportPages::elementsStayInsideTheirSections_data() {
    QTest::addColumn<QString>("name");
    for (const char *name :
         {"rptClientList", "rptClientType", "rptClient", "rptAddress", "rptInvoice", "rptNotes"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestReportPages::elementsStayInsideTheirSections() {
    QFETCH(QString, name);
    const Layout layout = layoutByName(name);
    const Section *sections[] = {&layout.pageHeader, &layout.groupHeader, &layout.detail, &layout.groupFooter,
                                 &layout.pageFooter};
    int total = 0;
    for (const Section *section : sections) {
        for (const Element &e : section->elements) {
            ++total;
            const QString where = QStringLiteral("%1 at %2,%3").arg(e.text).arg(e.left).arg(e.top);
            QVERIFY2(e.left >= 0 && e.left + e.width <= layout.width, qPrintable(where));
            QVERIFY2(e.top >= 0 && e.top + e.height <= section->height, qPrintable(where));
        }
    }
    // The page header, detail and page footer always fit on one page together.
    const int printable = PaperHeight - layout.margins.top - layout.margins.bottom;
    QVERIFY(layout.pageHeader.height + layout.groupHeader.height + layout.detail.height +
                layout.pageFooter.height <=
            printable);
    QVERIFY(total > 10);
}

void TestReportPages::onePagePerRecord_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("records");
    QTest::newRow("data sheet, one client") << "rptClient" << 1;
    QTest::newRow("data sheet, five clients") << "rptClient" << 5;
    QTest::newRow("address list, one entry") << "rptAddress" << 1;
    QTest::newRow("address list, four entries") << "rptAddress" << 4;
}

void TestReportPages::onePagePerRecord() {
    QFETCH(QString, name);
    QFETCH(int, records);
    const QStringList fields{"ClientID", "Client", "FullName", "City"};
    QList<QVariantList> rows;
    for (int n = 1; n <= records; ++n)
        rows << QVariantList{QStringLiteral("ID-%1").arg(n), QStringLiteral("Client %1").arg(n),
                             QStringLiteral("Person %1").arg(n), QStringLiteral("City %1").arg(n)};
    const PageModel model = Paginate(layoutByName(name), std::make_shared<Rowset>(fields, rows));
    QCOMPARE(model.PageCount(), records);
    for (int page = 0; page < records; ++page) {
        const QStringList texts = model.Texts(page);
        QVERIFY2(readsPageOf(texts, page + 1, records), qPrintable(texts.join('|')));
        QCOMPARE(texts.count(QStringLiteral("City %1").arg(page + 1)), 1);
        QCOMPARE(texts.filter(QRegularExpression("^City \\d+$")).size(), 1);
    }
}

void TestReportPages::listRowsFlowOverPages_data() {
    QTest::addColumn<int>("clients");
    QTest::newRow("none") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("one page full") << 27;
    QTest::newRow("one over") << 28;
    QTest::newRow("many") << 100;
}

void TestReportPages::listRowsFlowOverPages() {
    QFETCH(int, clients);
    const Layout layout = rptClientList();
    const PageModel model = Paginate(layout, clientRows(clients));
    const int footerTop = PaperHeight - layout.margins.bottom - layout.pageFooter.height;
    const int bodyTop = layout.margins.top + layout.pageHeader.height;
    // As many rows on a page as fit between the page header and the page footer.
    const int perPage = (footerTop - bodyTop) / layout.detail.height;
    const int pages = clients == 0 ? 1 : (clients + perPage - 1) / perPage;
    QCOMPARE(model.PageCount(), pages);
    QStringList seen;
    for (int page = 0; page < pages; ++page) {
        const QList<PageItem> items = model.Items(page);
        QVERIFY(findItem(items, QStringLiteral("Client Type")));
        QVERIFY(readsPageOf(model.Texts(page), page + 1, pages));
        for (const PageItem &item : items) {
            if (item.kind == ElementKind::TextBox && item.text.startsWith(QLatin1String("QD-"))) {
                seen << item.text;
                QVERIFY(item.top >= bodyTop);
                QVERIFY(item.top - 144 + layout.detail.height <= footerTop);
            }
        }
    }
    QStringList expected;
    for (int n = 1; n <= clients; ++n)
        expected << QStringLiteral("QD-%1").arg(n);
    QCOMPARE(seen, expected);
}

void TestReportPages::newPagePerClientType() {
    const Layout layout = rptClientType();
    const PageModel model = Paginate(layout, groupedRows({"Church", "Home", "Retail"}, {2, 30, 1}));
    // 30 clients of one type need a second page; every type starts on a page of its own.
    QCOMPARE(model.PageCount(), 4);
    const QList<QStringList> expectedTypeOnPage = {{"Church"}, {"Home"}, {}, {"Retail"}};
    const int groupHeaderTop = layout.margins.top + layout.pageHeader.height + 144;
    for (int page = 0; page < model.PageCount(); ++page) {
        const QList<PageItem> items = model.Items(page);
        QStringList headers;
        for (const PageItem &item : items) {
            if (item.kind == ElementKind::TextBox && item.bold && item.top == groupHeaderTop &&
                item.left == 400 + 288)
                headers << item.text;
        }
        QCOMPARE(headers, expectedTypeOnPage[page]);
        QVERIFY(readsPageOf(model.Texts(page), page + 1, 4));
    }
    // Each group ends with its count and its type, read as one line.
    auto footerLine = [&](int page) {
        const QList<PageItem> items = model.Items(page);
        for (const PageItem &item : items) {
            if (item.kind == ElementKind::Count) {
                const PageItem *type = nullptr;
                for (const PageItem &other : items) {
                    if (other.kind == ElementKind::TextBox && other.top == item.top &&
                        other.left == item.left + 576)
                        type = &other;
                }
                return item.text + QLatin1Char(' ') + (type ? type->text : QString());
            }
        }
        return QString();
    };
    QCOMPARE(footerLine(0), QStringLiteral("2 Church"));
    QCOMPARE(footerLine(1), QString()); // the Home group goes on
    QCOMPARE(footerLine(2), QStringLiteral("30 Home"));
    QCOMPARE(footerLine(3), QStringLiteral("1 Retail"));
    // The fee prints as money.
    QVERIFY(model.Texts(0).contains(QStringLiteral("$26.00")));
}

void TestReportPages::invoiceElementPositions_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("align");
    // Page position: left margin 400, top margin 500, detail below the 1296 page header.
    const int detail = 500 + 1296;
    QTest::newRow("title") << "Sparkle & Shine Cleaning" << 400 + 237 << 500 << 10701 << int(Align::Centre);
    QTest::newRow("invoice number") << "INV-3" << 400 + 1440 << detail + 144 << 2880 << int(Align::Left);
    QTest::newRow("invoice date") << "3/6/07" << 400 + 9216 << detail + 144 << 1728 << int(Align::Right);
    QTest::newRow("service date") << "Tuesday, March 06, 2007" << 400 + 2016 << detail + 4320 << 8070
                                  << int(Align::Left);
    QTest::newRow("hours") << "2.50" << 400 + 2016 << detail + 4896 << 1020 << int(Align::Right);
    QTest::newRow("rate") << "$18.00" << 400 + 2016 << detail + 5328 << 1020 << int(Align::Right);
    QTest::newRow("hourly charge") << "$45.00" << 400 + 4800 << detail + 5328 << 1530 << int(Align::Right);
    QTest::newRow("past due") << "$1,169.50" << 400 + 4800 << detail + 5904 << 1530 << int(Align::Right);
    QTest::newRow("total") << "$1,234.50" << 400 + 8352 << detail + 6768 << 2592 << int(Align::Left);
    QTest::newRow("business city line")
        << "Ottawa, ON K1A 0B1" << 400 + 2058 << detail + 10224 << 7065 << int(Align::Centre);
    QTest::newRow("program in footer")
        << "Brisola v2.0" << 400 + 4650 << 15840 - 1000 - 288 << 1875 << int(Align::Centre);
    QTest::newRow("web address") << QString::fromLatin1(WebAddress) << 400 + 144 << 15840 - 1000 - 288 << 2160
                                 << int(Align::Left);
}

void TestReportPages::invoiceElementPositions() {
    QFETCH(QString, text);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);
    QFETCH(int, align);
    const PageModel model = Paginate(rptInvoice(), invoiceRow(), QDate(2007, 3, 6));
    QCOMPARE(model.PageCount(), 1);
    const QList<PageItem> items = model.Items(0);
    const PageItem *item = findItem(items, text);
    QVERIFY2(item, qPrintable(model.Texts(0).join('|')));
    QCOMPARE(item->left, left);
    QCOMPARE(item->top, top);
    QCOMPARE(item->width, width);
    QCOMPARE(int(item->align), align);
}

void TestReportPages::noRowsPrintNoDetail_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("detailLabel");
    QTest::newRow("invoice") << "rptInvoice"
                             << "INVOICE TOTAL:";
    QTest::newRow("note") << "rptNotes"
                          << "Note Number";
    QTest::newRow("clients by type") << "rptClientType"
                                     << "Fee Type";
}

void TestReportPages::noRowsPrintNoDetail() {
    QFETCH(QString, name);
    QFETCH(QString, detailLabel);
    const Layout layout = layoutByName(name);
    for (const std::shared_ptr<Rowset> &rows : {std::shared_ptr<Rowset>(), std::make_shared<Rowset>()}) {
        const PageModel model = Paginate(layout, rows);
        QCOMPARE(model.PageCount(), 1);
        const QStringList texts = model.Texts(0);
        QVERIFY(texts.contains(QStringLiteral("Sparkle & Shine Cleaning")));
        QVERIFY(!texts.contains(detailLabel));
    }
}

void TestReportPages::nullPrintsEmpty() {
    QList<QVariantList> rows{clientRow(1, QStringLiteral("Home"))};
    rows[0][7] = QVariant(); // Fee
    rows[0][3] = QVariant(); // Contact
    const PageModel model = Paginate(rptClient(), std::make_shared<Rowset>(clientFields, rows));
    const QList<PageItem> items = model.Items(0);
    int boxes = 0;
    for (const PageItem &item : items) {
        if (item.kind != ElementKind::TextBox)
            continue;
        ++boxes;
        QVERIFY2(!item.text.contains(QLatin1String("$")), qPrintable(item.text));
    }
    QCOMPARE(boxes, 23);
    QVERIFY(findItem(items, QStringLiteral("Client 1")));
    QVERIFY(findItem(items, QStringLiteral("Notes of 1")));
}

void TestReportPages::widestAmountsFitTheirFields_data() {
    QTest::addColumn<QString>("field"); // report.column
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("printed");
    // The largest amounts the entry boxes accept, read by the program's number rule.
    auto typed = [](const char *text) { return double(modGlobal::ConvertNumber(QLatin1String(text))); };
    const double hourly = float(typed("999999") * typed("99999")); // worked out in single precision
    QTest::newRow("by type, fee") << "rptClientType.Fee" << typed("999999999") << "$1,000,000,000.00";
    QTest::newRow("data sheet, fee") << "rptClient.Fee" << typed("999999999") << "$1,000,000,000.00";
    QTest::newRow("hourly charge") << "rptInvoice.HourAmt" << hourly << "$99,998,900,224.00";
    QTest::newRow("other amount") << "rptInvoice.OtherAmt" << typed("99999999") << "$100,000,000.00";
    QTest::newRow("past due") << "rptInvoice.PastDue" << typed("-9999999") << "-$9,999,999.00";
    QTest::newRow("total") << "rptInvoice.TotalAmt" << hourly + 2e8 << "$100,198,900,224.00";
    // The contract fee box takes any length: beyond its field the amount prints smaller.
    QTest::newRow("contract fee") << "rptInvoice.ContractFee" << double(FLT_MAX)
                                  << "$340,282,346,638,528,859,811,704,183,484,516,925,440.00";
}

void TestReportPages::widestAmountsFitTheirFields() {
    QFETCH(QString, field);
    QFETCH(double, value);
    QFETCH(QString, printed);
    const bool fitsAtItsSize = !field.endsWith("ContractFee");
    const Layout layout = layoutByName(field.section('.', 0, 0));
    auto rows = std::make_shared<Rowset>(QStringList{"ClientType", field.section('.', 1)},
                                         QList<QVariantList>{{"Home", value}});
    if (layout.grouped)
        rows->SetChildren("cmdClientByType", {std::make_shared<const Rowset>(*rows)});
    const QList<PageItem> items = Paginate(layout, rows).Items(0);
    const PageItem *item = findItem(items, printed);
    QVERIFY(item);
    const qreal atItsSize = QFontMetricsF(ReportFont(item->bold, item->pointSize)).horizontalAdvance(printed);
    QCOMPARE(atItsSize <= item->width, fitsAtItsSize);
    QVERIFY(QFontMetricsF(ItemFont(*item)).horizontalAdvance(printed) <= item->width);
}

void TestReportPages::longNoteGoesOnInWholeLines_data() {
    QTest::addColumn<QString>("note");
    QTest::addColumn<int>("minPages");
    QTest::newRow("10,000 characters") << QStringLiteral("a word ").repeated(1430) << 2;
    QTest::newRow("600 lines") << QStringLiteral("a line\r\n").repeated(600) << 10;
    QTest::newRow("one word of 30,000 characters") << QString(30000, QLatin1Char('x')) << 2;
}

void TestReportPages::longNoteGoesOnInWholeLines() {
    QFETCH(QString, note);
    QFETCH(int, minPages);
    const Layout layout = rptNotes();
    const PageModel model =
        Paginate(layout, std::make_shared<Rowset>(QStringList{"NoteText"}, QList<QVariantList>{{note}}));
    QVERIFY(model.PageCount() >= minPages);
    const int bottom = PaperHeight - layout.margins.bottom - layout.pageFooter.height;
    QString printed;
    for (int page = 0; page < model.PageCount(); ++page) {
        for (const PageItem &item : model.Items(page)) {
            if (item.kind != ElementKind::TextBox || item.left != 400 + 288)
                continue;
            printed += item.text;
            QVERIFY(item.top + item.height <= bottom);
            if (item.linePitch > 0) // every line whole inside its box
                QVERIFY(int(item.text.count('\n') + 1) * item.linePitch <= item.height);
        }
    }
    QCOMPARE(printed.remove(QRegularExpression("\\s")), note.remove(QRegularExpression("\\s")));
}

void TestReportPages::longTextBreaksAsEachParagraphLaidOut_data() {
    QTest::addColumn<int>("mostWords");
    QTest::newRow("paragraphs of a line or two") << 45;
    QTest::newRow("paragraphs of many lines") << 400;
}

// A long text (broken in halves, its plain paragraphs measured without laying them out) breaks
// where laying out each paragraph on its own breaks it.
void TestReportPages::longTextBreaksAsEachParagraphLaidOut() {
    QFETCH(int, mostWords);
    const QStringList words =
        QStringLiteral("a I to AV Wa The floor, kitchen windows. Ta Yo Ça €20 well-known "
                       "fi ffl Lj שלום e\u0301 x\ty")
            .split(' ');
    const QStringList breaks{"\r\n", "\n", "\r"};
    QString text;
    for (quint32 seed = 7; text.size() < 300000;) {
        auto next = [&seed](int below) { return int(((seed = seed * 1103515245u + 12345u) >> 16) % below); };
        for (int n = 1 + next(mostWords); n > 0; --n)
            text += words[next(int(words.size()) - (next(20) ? 3 : 0))] + QString(1 + (next(9) == 0), ' ');
        text.chop(next(2));
        text += breaks[next(3)];
    }
    const QFont font = ReportFont(false, DefaultPointSize);
    QList<qsizetype> starts, lengths;
    for (qsizetype pos = 0;;) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        if (pos == end)
            starts << pos, lengths << 0;
        QTextLayout layout(text.mid(pos, end - pos), font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); pos < end && line.isValid(); line = layout.createLine()) {
            line.setLineWidth(10512);
            starts << pos + line.textStart();
            lengths << line.textLength();
        }
        layout.endLayout();
        if (end == text.size())
            break;
        pos = end + (text.mid(end, 2) == "\r\n" ? 2 : 1);
    }
    const TextLines lines = BreakLines(text, font, 10512);
    QCOMPARE(lines.starts, starts);
    QCOMPARE(lines.lengths, lengths);
}

BRISOLA_TEST_MAIN(TestReportPages)
#include "tst_report_pages.moc"

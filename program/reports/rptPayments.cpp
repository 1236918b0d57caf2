// The reports of money owed and received. The statement of account: the business and the
// client's billing address, then every invoice and payment with the balance after it, and the
// amount due. The income by month: what was invoiced and received each month of a year, the
// year's totals and a bar chart of the months.
#include "reports/ReportLayout.h"

#include "startup/modGlobal.h"

namespace reports {

namespace {

using Column = TableColumn;

constexpr Column statementColumns[] = {
    {"Date", "Date", 144, 1300, Align::Left, FormatShortDate},
    {"Number", "Number", 1500, 1500},
    {"Details", "Details", 3060, 3400},
    {"Invoiced", "Invoiced", 6520, 1400, Align::Right, FormatMoney},
    {"Paid", "Paid", 7980, 1400, Align::Right, FormatMoney},
    {"Balance", "Balance", 9440, 1500, Align::Right, FormatMoney},
};

constexpr Column incomeColumns[] = {
    {"Month", "Month", 1440, 2880},
    {"Invoiced", "Invoiced", 4464, 2400, Align::Right, FormatMoney},
    {"Received", "Received", 7056, 2400, Align::Right, FormatMoney},
};

constexpr int RuleLeft = 144;
constexpr int RuleWidth = 10800;
constexpr int RowHeight = 285;

// The column heads between two rules, from `top`.
template <std::size_t N> void addColumnHeads(Section &section, const Column (&columns)[N], int top) {
    section.elements << HLine(RuleLeft, top, RuleWidth) << HLine(RuleLeft, top + 432, RuleWidth);
    for (const Column &c : columns)
        section.elements << Caption(QLatin1String(c.head), c.left, top + 72, c.width, RowHeight, c.align);
}

template <std::size_t N> void addRow(Section &section, const Column (&columns)[N], int top) {
    for (const Column &c : columns)
        section.elements << TextBox(QLatin1String(c.field), c.left, top, c.width, RowHeight, c.align,
                                    QLatin1String(c.format));
}

// The page header's column heads below its title (and what stands between), one detail row
// per table row.
template <std::size_t N> void addTable(Layout &r, const Column (&columns)[N]) {
    addColumnHeads(r.pageHeader, columns, 1296);
    r.pageHeader.height = 1800;
    r.detail.height = 300;
    r.detail.keepTogether = true;
    addRow(r.detail, columns, 0);
}

// A total: an amount in bold.
Element total(const char *field, int left, int width) {
    return Emphasised(TextBox(QLatin1String(field), left, 144, width, RowHeight, Align::Right,
                              QString::fromLatin1(FormatMoney)),
                      DefaultPointSize);
}

Layout standardReport(const QString &name, const QString &caption) {
    Layout r;
    r.name = name;
    r.caption = ReportCaption(caption);
    r.title = modGlobal::strCompany;
    r.width = 11175;
    r.margins = {400, 500, 500, 1000};
    r.pageFooter = StandardPageFooter(435, 8928, RuleWidth);
    return r;
}

} // namespace

Layout rptStatement(const QString &client) {
    const QString name = QStringLiteral("Statement of Account");
    Layout r = standardReport(
        QStringLiteral("rptStatement"),
        QStringLiteral(" - ") + name +
            (client.trimmed().isEmpty() ? QString() : QStringLiteral(" - ") + client.trimmed()));
    r.pageHeaderAfterFirstPage = true;

    // The first page: the business (as the invoice shows it) beside the client's billing address.
    Section &h = r.reportHeader;
    AddTitleBlock(h, name);
    h.elements << Label(QStringLiteral("Statement Date: %d"), 6480, 1152, 4464, RowHeight, Align::Right)
               << HLine(RuleLeft, 1440, RuleWidth)
               << Caption(QStringLiteral("From"), 144, 1584, 2880, RowHeight)
               << Caption(QStringLiteral("Bill To"), 5760, 1584, 2880, RowHeight)
               << Emphasised(TextBox(QStringLiteral("Company"), 144, 1872, 5472, RowHeight), 9)
               << Emphasised(TextBox(QStringLiteral("Client"), 5760, 1872, 5184, RowHeight), 9);
    const char *from[] = {"Address", "CompanyAddress", "Phone", "Email"};
    const char *to[] = {"BillTo1", "BillTo2", "BillTo3"};
    for (int i = 0; i < 4; ++i)
        h.elements << TextBox(QLatin1String(from[i]), 144, 2160 + i * 288, 5472, RowHeight);
    for (int i = 0; i < 3; ++i)
        h.elements << TextBox(QLatin1String(to[i]), 5760, 2160 + i * 288, 5184, RowHeight);
    h.elements << Label(QStringLiteral("Client ID:"), 5760, 3024, 1008, RowHeight)
               << TextBox(QStringLiteral("ClientID"), 6768, 3024, 4176, RowHeight);
    addColumnHeads(h, statementColumns, 3456);
    h.height = 3960;

    // The pages after it: the title, whose statement this is, and the column heads.
    AddTitleBlock(r.pageHeader, name);
    r.pageHeader.elements << TextBox(QStringLiteral("Client"), 144, 1008, 7776, RowHeight)
                          << TextBox(QStringLiteral("ClientID"), 8064, 1008, 2880, RowHeight, Align::Right);
    addTable(r, statementColumns);

    Section &f = r.reportFooter;
    const QString money = QString::fromLatin1(FormatMoney);
    f.height = 1152;
    f.keepTogether = true;
    f.elements << HLine(RuleLeft, 72, RuleWidth)
               << Caption(QStringLiteral("Totals"), 3060, 144, 3400, RowHeight)
               << total("Invoiced", 6520, 1400) << total("Paid", 7980, 1400)
               << Caption(QStringLiteral("Amount Due:"), 6520, 576, 2860, 435, Align::Right, 11)
               << Emphasised(TextBox(QStringLiteral("AmountDue"), 9440, 576, 1500, 435, Align::Right, money),
                             11);
    return r;
}

Layout rptIncomeByMonth(int year) {
    const QString name = QStringLiteral("Income by Month ") + QString::number(year);
    Layout r = standardReport(QStringLiteral("rptIncomeByMonth"), QStringLiteral(" - ") + name);
    AddTitleBlock(r.pageHeader, name);
    addTable(r, incomeColumns);

    // The year's totals, then the months as bars.
    Section &f = r.reportFooter;
    const QString money = QString::fromLatin1(FormatMoney);
    f.keepTogether = true;
    f.elements << HLine(RuleLeft, 72, RuleWidth)
               << Caption(QStringLiteral("Year Total"), 1440, 144, 2880, RowHeight)
               << total("Invoiced", 4464, 2400) << total("Received", 7056, 2400)
               << BarChart(QStringLiteral("Abbreviation"),
                           {{QStringLiteral("Invoiced"), QStringLiteral("Invoiced")},
                            {QStringLiteral("Received"), QStringLiteral("Received")}},
                           RuleLeft, 864, RuleWidth, 6480, money);
    f.height = 7488;
    return r;
}

} // namespace reports

// The clients by type: each client type on a page of its own, its clients in a table, and
// the number of clients of that type at its end.
#include "reports/ReportLayout.h"

#include "startup/modGlobal.h"

namespace reports {

namespace {

using Column = TableColumn;

// The fee column holds the largest fee the entry boxes accept ($1,000,000,000.00); the
// service and fee type columns, whose values are short words, give it the room.
const Column columns[] = {
    {"Client ID", "ClientID", 288, 864, Align::Left},    {"Client", "Client", 1152, 3168, Align::Centre},
    {"Schedule", "Schedule", 4320, 2160, Align::Centre}, {"Service", "Service", 6480, 1728, Align::Centre},
    {"Fee Type", "FeeType", 8208, 1152, Align::Centre},  {"Fee", "Fee", 9360, 1509, Align::Right},
};

constexpr int edges[] = {144, 1152, 4320, 6480, 8208, 9360, 10944};

} // namespace

Layout rptClientType() {
    Layout r;
    r.name = QStringLiteral("rptClientType");
    r.caption = ReportCaption(QStringLiteral(" - Client List By Type"));
    r.title = modGlobal::strCompany;
    r.width = 11175;
    r.margins = {400, 500, 500, 1000};
    r.grouped = true;

    r.pageHeader.height = 1440;
    AddTitleBlock(r.pageHeader, QStringLiteral("Client List By Type"));
    r.pageHeader.elements << Label(QStringLiteral("%d"), 288, 1152, 1740, 285);

    Section &g = r.groupHeader;
    g.height = 1308;
    g.newPageBefore = true;
    g.elements << Emphasised(TextBox(QStringLiteral("ClientType"), 288, 144, 5472, 435), 12);
    for (int top : {576, 864, 1296})
        g.elements << HLine(144, top, 10800);
    for (const Column &c : columns)
        g.elements << Caption(QLatin1String(c.head), c.left, 1008, c.width, 285, Align::Centre);
    for (int x : edges)
        g.elements << VLine(x, 864, 432);

    Section &d = r.detail;
    d.height = 447;
    d.keepTogether = true;
    for (const Column &c : columns)
        d.elements << TextBox(
            QLatin1String(c.field), c.left, 144, c.width, 285, c.align,
            QLatin1String(c.field) == QLatin1String("Fee") ? QString::fromLatin1(FormatMoney) : QString());
    for (int x : edges)
        d.elements << VLine(x, 0, 420);
    d.elements << HLine(144, 432, 10800);

    Section &f = r.groupFooter;
    f.height = 435;
    f.newPageAfter = true;
    f.elements = {
        Emphasised(CountBox(144, 144, 576, 288), DefaultPointSize),
        Emphasised(TextBox(QStringLiteral("ClientType"), 720, 144, 3600, 285), DefaultPointSize),
        HLine(144, 432, 10800),
    };

    r.pageFooter = StandardPageFooter(435, 8928, 10800);
    return r;
}

} // namespace reports

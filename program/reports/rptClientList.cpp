// The client list: one table row per client, under a framed table head.
#include "reports/ReportLayout.h"

#include "startup/modGlobal.h"

namespace reports {

namespace {

using Column = TableColumn;

constexpr Column columns[] = {
    {"Client ID", "ClientID", 144, 870},
    {"Client", "Client", 1008, 2880},
    {"Client Type", "ClientType", 3888, 1440},
    {"Contact", "Contact", 5328, 2016},
    {"Service", "Service", 7344, 1575},
    {"Schedule", "Schedule", 8928, 1434},
    {"Pets", "Pets", 10368, 579},
};

constexpr int edges[] = {144, 1008, 3888, 5328, 7344, 8928, 10368, 10944};

} // namespace

Layout rptClientList() {
    Layout r;
    r.name = QStringLiteral("rptClientList");
    r.caption = ReportCaption(QStringLiteral(" - Client List"));
    r.title = modGlobal::strCompany;
    r.width = 11175;
    r.margins = {400, 500, 500, 1000};

    r.pageHeader.height = 1740;
    AddTitleBlock(r.pageHeader, QStringLiteral("Client List"));
    r.pageHeader.elements << HLine(144, 1296, 10800) << HLine(144, 1728, 10800);
    for (const Column &c : columns)
        r.pageHeader.elements << Caption(QLatin1String(c.head), c.left, 1440, c.width, 285, Align::Centre);
    for (int x : edges)
        r.pageHeader.elements << VLine(x, 1296, 435);

    r.detail.height = 450;
    r.detail.keepTogether = true;
    for (const Column &c : columns)
        r.detail.elements << TextBox(QLatin1String(c.field), c.left, 144, c.width, 285, Align::Centre);
    for (int x : edges)
        r.detail.elements << VLine(x, 0, 435);
    r.detail.elements << HLine(144, 432, 10800);

    r.pageFooter = StandardPageFooter(435, 8928, 10230);
    return r;
}

} // namespace reports

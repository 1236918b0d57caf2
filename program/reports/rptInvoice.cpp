// The invoice: the client's billing address, the charges of one service and the business's
// remittance block, on one page.
#include "reports/ReportLayout.h"

#include "startup/modGlobal.h"

namespace reports {

Layout rptInvoice() {
    Layout r;
    r.name = QStringLiteral("rptInvoice");
    r.caption = ReportCaption(QStringLiteral("  -  Invoice"));
    r.title = modGlobal::strCompany;
    r.width = 11175;
    r.margins = {400, 500, 400, 1000};

    r.pageHeader.height = 1296;
    r.pageHeader.elements = {
        Caption(QStringLiteral("%i"), 237, 0, 10701, 570, Align::Centre, 18),
        Caption(QStringLiteral("Invoice"), 3495, 720, 4185, 435, Align::Centre, 14),
        HLine(144, 1296, 10800),
    };

    const QString money = QString::fromLatin1(FormatMoney);
    Section &d = r.detail;
    d.height = 11334;
    d.keepTogether = true;
    d.elements = {
        Caption(QStringLiteral("Invoice:"), 144, 144, 1296, 288),
        TextBox(QStringLiteral("InvoiceID"), 1440, 144, 2880, 288),
        Caption(QStringLiteral("Invoice Date:"), 7776, 144, 1440, 288, Align::Right),
        Label(QStringLiteral("%d"), 9216, 144, 1728, 288, Align::Right),
        Caption(QStringLiteral("Client"), 144, 720, 1290, 435),
        TextBox(QStringLiteral("Client"), 1440, 720, 9504, 435),
        Caption(QStringLiteral("City"), 144, 1440, 1290, 435),
        TextBox(QStringLiteral("BCity"), 1440, 1440, 5760, 435),
        Caption(QStringLiteral("Address"), 144, 1872, 1290, 435),
        TextBox(QStringLiteral("BAdd1"), 1440, 1872, 5760, 435),
        Caption(QStringLiteral("Address"), 144, 2304, 1290, 435),
        TextBox(QStringLiteral("BAdd2"), 1440, 2304, 5760, 435),
        Caption(QStringLiteral("ST/Prov"), 144, 2736, 1290, 435),
        TextBox(QStringLiteral("BState"), 1440, 2736, 864, 435),
        TextBox(QStringLiteral("BZip"), 2448, 2736, 2160, 435),
        Caption(QStringLiteral("Invoice  Charges"), 2563, 3600, 6048, 288, Align::Centre, 11),
        Caption(QStringLiteral("Service Date"), 144, 4320, 1875, 288),
        TextBox(QStringLiteral("ServiceDate"), 2016, 4320, 8070, 288, Align::Left,
                QString::fromLatin1(FormatLongDate)),
        Caption(QStringLiteral("Hours"), 144, 4896, 1860, 285),
        TextBox(QStringLiteral("Hours"), 2016, 4896, 1020, 285, Align::Right,
                QString::fromLatin1(FormatTwoDecimals)),
        Caption(QStringLiteral("Rate Per Hour"), 144, 5328, 1860, 300),
        TextBox(QStringLiteral("Rate"), 2016, 5328, 1020, 300, Align::Right, money),
        // The middle column's amounts reach $99,999,999,999.00 (the largest hours times the
        // largest rate the boxes accept): their boxes start nearer their captions, since the
        // other charges' text stands to the right.
        Caption(QStringLiteral("Other Amount"), 3456, 4896, 1296, 285),
        TextBox(QStringLiteral("OtherAmt"), 4800, 4896, 1530, 285, Align::Right, money),
        Caption(QStringLiteral("Hourly Charge"), 3456, 5328, 1296, 285),
        TextBox(QStringLiteral("HourAmt"), 4800, 5328, 1530, 285, Align::Right, money),
        Caption(QStringLiteral("Contract Fee"), 144, 5904, 1725, 285),
        TextBox(QStringLiteral("ContractFee"), 1872, 5904, 1530, 285, Align::Right, money),
        Caption(QStringLiteral("Past Due Amt"), 3456, 5904, 1296, 285),
        TextBox(QStringLiteral("PastDue"), 4800, 5904, 1530, 285, Align::Right, money),
        TextBox(QStringLiteral("OtherCharges"), 6480, 4896, 4473, 1728),
        // The total starts where its caption's text ends, so that a total of hundreds of
        // billions fits before the right edge.
        Caption(QStringLiteral("INVOICE TOTAL:"), 6480, 6768, 1872, 435, Align::Left, 11),
        Emphasised(TextBox(QStringLiteral("TotalAmt"), 8352, 6768, 2592, 435, Align::Left, money), 11),
        // The remittance block.
        Emphasised(TextBox(QStringLiteral("Company"), 735, 9360, 9705, 435, Align::Centre), 12),
        TextBox(QStringLiteral("Address"), 2059, 9936, 7065, 285, Align::Centre),
        TextBox(QStringLiteral("CompanyAddress"), 2058, 10224, 7065, 300, Align::Centre),
        TextBox(QStringLiteral("Phone"), 2851, 10656, 5472, 288, Align::Centre),
        TextBox(QStringLiteral("Email"), 2707, 11088, 5760, 240, Align::Centre),
    };
    for (int top : {432, 3888, 7488, 7776, 8064, 8352, 8640, 8928})
        d.elements << HLine(144, top, 10800);

    r.pageFooter.height = 288;
    r.pageFooter.elements = {
        Label(QString::fromLatin1(ProgramLabel), 4650, 0, 1875, 285, Align::Centre),
        Label(QString::fromLatin1(WebAddress), 144, 0, 2160, 288),
        HLine(144, 288, 10800),
    };
    return r;
}

} // namespace reports

// The client data sheet: every stored value of one client on a page of its own, with ruled
// lines for notes written by hand.
#include "reports/ReportLayout.h"

#include "startup/modGlobal.h"

namespace reports {

namespace {

struct Field {
    const char *label;
    int labelLeft;
    int labelWidth;
    const char *column;
    int left;
    int top;
    int width;
    bool money;
};

constexpr Field fields[] = {
    {"Client Name", 288, 1440, "Client", 1728, 576, 3888, false},
    {"Client ID", 288, 1440, "ClientID", 1728, 1008, 864, false},
    {"Client Type", 3168, 1170, "ClientType", 4320, 1008, 1437, false},
    {"Address", 288, 1440, "Add1", 1728, 1440, 4032, false},
    {"Address", 288, 1440, "Add2", 1728, 1728, 4032, false},
    {"City", 288, 1440, "City", 1728, 2016, 4032, false},
    {"State / Province", 288, 1440, "State", 1728, 2304, 720, false},
    {"Postal Code", 288, 1440, "Zip", 1728, 2592, 1440, false},
    {"Telephone", 288, 1440, "Phone", 1728, 3024, 2730, false},
    {"Contact Name", 288, 1440, "Contact", 1728, 3456, 2730, false},
    {"Address", 6048, 1290, "BAdd1", 7344, 576, 3465, false},
    {"Address", 6048, 1290, "BAdd2", 7344, 864, 3465, false},
    {"City", 6048, 1290, "BCity", 7344, 1152, 3465, false},
    {"State/Prov", 6048, 1290, "BState", 7344, 1440, 855, false},
    {"Postal Code", 6048, 1290, "BZip", 7344, 1728, 1290, false},
    {"Billing Interval", 6048, 1290, "BSchedule", 7344, 2160, 1440, false},
    {"Day Of Week", 6192, 1290, "DayOfWeek", 7488, 3168, 2448, false},
    // Wide enough for the largest fee the entry boxes accept.
    {"Fee", 6192, 1290, "Fee", 7488, 3456, 1440, true},
    {"Schedule", 6192, 1290, "Schedule", 7488, 3744, 2445, false},
    {"Service", 6192, 1290, "Service", 7488, 4032, 2445, false},
    {"Fee Type", 6192, 1290, "FeeType", 7488, 4320, 2445, false},
    {"Pets", 6192, 1290, "Pets", 7488, 4608, 720, false},
};

} // namespace

Layout rptClient() {
    Layout r;
    r.name = QStringLiteral("rptClient");
    r.caption = ReportCaption(QStringLiteral(" - Client Data Sheet"));
    r.title = modGlobal::strCompany;
    r.width = 11175;
    r.margins = {400, 500, 500, 1000};

    r.pageHeader.height = 1155;
    AddTitleBlock(r.pageHeader, QStringLiteral("Client Data Sheet"));
    r.pageHeader.elements << Label(QStringLiteral("%d"), 144, 864, 1740, 285) << HLine(144, 1152, 10800);

    Section &d = r.detail;
    d.height = 12240;
    d.keepTogether = true;
    d.elements = {
        Caption(QStringLiteral("Client Information"), 288, 144, 5472, 285, Align::Centre, 10),
        Caption(QStringLiteral("Billing Information"), 5904, 144, 5040, 285, Align::Centre, 10),
        Caption(QStringLiteral("Service Information"), 5904, 2736, 5040, 285, Align::Centre, 10),
        Caption(QStringLiteral("Notes"), 144, 5184, 10800, 285, Align::Centre, 10),
    };
    for (const Field &f : fields) {
        d.elements << Caption(QLatin1String(f.label), f.labelLeft, f.top, f.labelWidth, 285)
                   << TextBox(QLatin1String(f.column), f.left, f.top, f.width, 285, Align::Left,
                              f.money ? QString::fromLatin1(FormatMoney) : QString());
    }
    d.elements << TextBox(QStringLiteral("Notes"), 288, 5616, 9645, 1296);

    // The frame of the three blocks and of the notes.
    d.elements << HLine(144, 0, 10800) << VLine(144, 0, 5040) << VLine(10944, 0, 5040) << VLine(5904, 0, 5040)
               << HLine(144, 432, 10800) << HLine(5904, 2592, 5040) << HLine(5904, 3024, 5040)
               << HLine(144, 5040, 10800) << HLine(144, 5472, 10800) << VLine(144, 5040, 1872)
               << VLine(10944, 5040, 1872);
    AddWritingLines(d, 288, 5472, 4032, 4608, 288);
    AddWritingLines(d, 144, 10800, 6912, 11664, 432);
    d.elements << HLine(5760, 12240, 5190);

    r.pageFooter = StandardPageFooter(432, 8928, 10800);
    return r;
}

} // namespace reports

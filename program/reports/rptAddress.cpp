// The address list: one address-book entry per page, headed by the owner's name.
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
};

constexpr Field fields[] = {
    {"Full Name", 144, 1728, "FullName", 1872, 144, 3885},
    {"Address", 144, 1728, "Address", 1872, 576, 3885},
    {"City", 144, 1728, "City", 1872, 1008, 3885},
    {"State / Province", 144, 1728, "State", 1872, 1440, 855},
    {"Postal Code", 144, 1728, "Zip", 1872, 1872, 2445},
    {"EMail Address", 144, 1728, "Email", 1872, 2304, 5475},
    {"Home Phone", 6192, 1440, "HPhone", 7632, 144, 2736},
    {"Cell Phone", 6192, 1440, "CPhone", 7632, 576, 2736},
    {"Work Phone", 6192, 1440, "WPhone", 7632, 1008, 2736},
};

} // namespace

Layout rptAddress() {
    Layout r;
    r.name = QStringLiteral("rptAddress");
    r.caption = ReportCaption(QStringLiteral(" - Address List"));
    r.title = modGlobal::strOwnerName;
    r.width = 10620;
    r.margins = {400, 500, 500, 1000};

    r.pageHeader.height = 1296;
    r.pageHeader.elements = {
        Caption(QStringLiteral("Fernhollow Address List"), 2430, 0, 5760, 420, Align::Centre, 14),
        Caption(QStringLiteral("%i"), 1728, 720, 7200, 435, Align::Centre, 12),
        HLine(2145, 1296, 6330),
    };

    Section &d = r.detail;
    d.height = 11814;
    d.keepTogether = true;
    for (const Field &f : fields)
        d.elements << Caption(QLatin1String(f.label), f.labelLeft, f.top, f.labelWidth, 285)
                   << TextBox(QLatin1String(f.column), f.left, f.top, f.width, 285);
    d.elements << HLine(144, 0, 10224);
    AddWritingLines(d, 144, 10224, 3024, 3888, 432);
    AddWritingLines(d, 144, 10224, 4464, 11808, 432);

    r.pageFooter = StandardPageFooter(435, 8352, 10230);
    return r;
}

} // namespace reports

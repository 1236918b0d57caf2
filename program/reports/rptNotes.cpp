// A note on a ruled sheet, with room below the note for handwriting.
#include "reports/ReportLayout.h"

#include "startup/modGlobal.h"

namespace reports {

namespace {

// A note longer than its box goes on, whole lines only, on the pages that follow.
Element ContinuingTextBox(const QString &column, int left, int top, int width, int height) {
    Element box = TextBox(column, left, top, width, height);
    box.continues = true;
    return box;
}

} // namespace

Layout rptNotes() {
    Layout r;
    r.name = QStringLiteral("rptNotes");
    r.caption = ReportCaption(QStringLiteral("  -  Note"));
    r.title = modGlobal::strCompany;
    r.width = 11175;
    r.margins = {400, 500, 400, 1000};

    r.pageHeader.height = 1728;
    r.pageHeader.elements = {
        Caption(QStringLiteral("%i"), 1987, 0, 7200, 435, Align::Centre, 14),
        Caption(QStringLiteral("Note"), 3217, 720, 4740, 288, Align::Centre, 11),
        Label(QStringLiteral("%d"), 9072, 1440, 1860, 285, Align::Right),
        HLine(144, 1728, 10800),
    };

    Section &d = r.detail;
    d.height = 7062;
    d.elements = {
        Caption(QStringLiteral("Note Date"), 144, 288, 1296, 285),
        TextBox(QStringLiteral("AddDate"), 1440, 288, 4605, 285, Align::Left,
                QString::fromLatin1(FormatLongDate)),
        Caption(QStringLiteral("Note Number"), 144, 720, 1290, 285),
        TextBox(QStringLiteral("NoteID"), 1440, 720, 1440, 285),
        ContinuingTextBox(QStringLiteral("NoteText"), 288, 1296, 10512, 2160),
        HLine(144, 1152, 10800),
        VLine(144, 1152, 2448),
        VLine(10944, 1152, 2448),
    };
    AddWritingLines(d, 144, 10800, 3600, 7056, 432);

    r.pageFooter.height = 435;
    r.pageFooter.elements = {
        Label(QString::fromLatin1(WebAddress), 144, 144, 1872, 285),
        Label(QString::fromLatin1(ProgramLabel), 4313, 144, 2549, 288, Align::Centre),
        HLine(144, 432, 10800),
    };
    return r;
}

} // namespace reports

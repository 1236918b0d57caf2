// Lays a report out into pages before anything is drawn, so that every page knows the
// total page count. The page model keeps, per page, which band of which row stands where;
// the elements with their final text and position are worked out when a page is asked for,
// so memory grows with the number of pages, not with what was painted.
#pragma once

#include "reports/DataReport.h"
#include "reports/ReportLayout.h"

#include <QDate>
#include <QFont>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <memory>

namespace reports {

// One element as it stands on a page: position in twips from the paper's top-left corner.
struct PageItem {
    ElementKind kind = ElementKind::Label;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QString text;
    Align align = Align::Left;
    bool bold = false;
    double pointSize = DefaultPointSize;
    // An amount: printed smaller rather than cut when it is wider than its box.
    bool fitWidth = false;
    // Above 0: the text is already broken into lines at its line feeds, one line every
    // `linePitch` twips from the top.
    int linePitch = 0;
    // A chart's bar: which series it shows (its shade), -1 for anything else.
    int series = -1;
};

// Where a wrapping box's text breaks into lines: each line a range of the text, its line
// breaks left out.
struct TextLines {
    QList<qsizetype> starts;
    QList<qsizetype> lengths;
    // The text broken, kept so that each page takes its lines from it: formatting a long value
    // again for every page of it would cost its length once per page.
    QString text;
    int Count() const { return int(starts.size()); }
};

// Breaks a text into the lines a box of this width shows, at word boundaries (inside a word
// too long for a line), and at every line break (CR LF, CR or LF). Linear in the text's
// length.
TextLines BreakLines(const QString &text, const QFont &font, int width);

class PageModel {
public:
    PageModel() = default;

    const Layout &ReportLayout() const { return *m_layout; }
    int PageCount() const { return int(m_pageStarts.size()); }
    // The elements of a page (counted from 0), in the order they are painted.
    QList<PageItem> Items(int page) const;
    // The texts of a page's labels, text boxes and counts, top to bottom, then left to right.
    QStringList Texts(int page) const;
    QDate Today() const { return m_today; }

private:
    friend PageModel Paginate(const Layout &, std::shared_ptr<const Rowset>, std::shared_ptr<const Rowset>,
                              const QDate &);

    enum class Band : unsigned char {
        ReportHeader,
        PageHeader,
        GroupHeader,
        Detail,
        GroupFooter,
        PageFooter,
        ReportFooter,
        Continued // the further lines of the detail's continuing box
    };
    struct Placed {
        Band band;
        int group;         // parent row of a grouped report, -1 otherwise
        int row;           // detail row (within the group's child rows), -1 for none
        int top;           // from the top margin
        int firstLine = 0; // a continued band's lines of its row's text
        int lineCount = 0;
    };
    const Section &SectionOf(Band band) const;
    QString ElementText(const Element &element, const Placed &placed, int page) const;
    // A bar chart's bars, axis and labels, its box's corner at left, top on the paper.
    void AppendChart(QList<PageItem> &items, const Element &chart, int left, int top) const;
    // Lines first..first+count of a row's broken text, joined by line feeds.
    QString LinesText(int row, int first, int count) const;

    // The broken text of each detail row whose continuing box overflows, by row.
    QHash<int, TextLines> m_lines;
    int m_linePitch = 0;
    int m_continuing = -1; // index of the detail's continuing element, -1 for none

    std::shared_ptr<const Layout> m_layout = std::make_shared<const Layout>();
    std::shared_ptr<const Rowset> m_rows;
    std::shared_ptr<const Rowset> m_values; // row 0: what text boxes outside the rows print
    QList<Placed> m_placed;
    QList<int> m_pageStarts; // index into m_placed where each page begins
    QDate m_today;
};

// Lays the rows out with the layout. `rows` may be null (no data: pages without details).
// `today` is what "%d" prints.
PageModel Paginate(const Layout &layout, std::shared_ptr<const Rowset> rows,
                   const QDate &today = QDate::currentDate());
// The same, with the report's values: the text boxes of the report and page headers and
// footers print the columns of the first row of `values` (empty text without it).
PageModel Paginate(const Layout &layout, std::shared_ptr<const Rowset> rows,
                   std::shared_ptr<const Rowset> values, const QDate &today = QDate::currentDate());

// A column value as a text box prints it: Null as empty text, numbers and dates through
// one of the report formats, anything the format cannot read as it is.
QString FormatValue(const QVariant &value, const QString &format);

// A label's text with "%i" (title), "%p" (page), "%P" (pages) and "%d" (today, short date)
// put in.
QString ExpandPlaceholders(const QString &text, const QString &title, int page, int pages,
                           const QDate &today);

} // namespace reports

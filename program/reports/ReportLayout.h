// A banded report as data: sections of elements placed in twips (1440 per inch), the
// report's caption, title, width and page margins. The layouts hold no painting code; the
// paginator turns a layout and its rows into pages, the renderer paints those.
#pragma once

#include <QList>
#include <QString>

namespace reports {

enum class Align { Left, Centre, Right };

enum class ElementKind {
    Label,   // fixed text; may hold "%i" title, "%p" page, "%P" pages, "%d" today
    TextBox, // one column of the current row, through an optional format
    Count,   // the number of rows of the current group
    HLine,   // a horizontal rule: left, top, width
    VLine,   // a vertical rule: left, top, height
    // A bar chart of the report's rows in its box: one group of bars per row, labelled by
    // the column `text`, one bar per series, all scaled to the largest value; the value axis
    // is labelled through `format`.
    BarChart,
    Bar, // on a page only: one filled bar of a chart (or a legend's swatch)
};

// The number and date formats the reports use.
inline constexpr char FormatMoney[] = "\"$\"#,##0.00";
inline constexpr char FormatTwoDecimals[] = "0.00";
inline constexpr char FormatLongDate[] = "dddd, MMMM dd, yyyy";
inline constexpr char FormatShortDate[] = "Short Date"; // the user's short date

inline constexpr double DefaultPointSize = 8.25;

// One series of a bar chart: the column its values come from, and its caption in the legend.
struct ChartSeries {
    QString column;
    QString caption;
};

struct Element {
    ElementKind kind = ElementKind::Label;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QString text; // label text, or the column of a text box
    Align align = Align::Left;
    QString format;
    bool bold = false;
    double pointSize = DefaultPointSize;
    // A wrapping box whose text goes on after its band, on following pages, when it holds
    // more lines than the box.
    bool continues = false;
    QList<ChartSeries> series{}; // a bar chart's series, one bar of each per row
};

struct Section {
    int height = 0;
    QList<Element> elements;
    bool keepTogether = false;
    bool newPageBefore = false;
    bool newPageAfter = false;
};

struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Letter paper, 8.5 x 11 inches.
inline constexpr int PaperWidth = 12240;
inline constexpr int PaperHeight = 15840;

struct Layout {
    QString name;    // rptClientList ...
    QString caption; // the preview window's caption
    QString title;   // what "%i" prints
    int width = 0;   // the printable report width
    Margins margins;
    // A grouped report binds its group sections to the parent rows and its detail to each
    // parent's child rows.
    bool grouped = false;
    // The report header stands in for the page header on the first page, which then starts
    // with the report header.
    bool pageHeaderAfterFirstPage = false;
    Section reportHeader;
    Section pageHeader;
    Section groupHeader;
    Section detail;
    Section groupFooter;
    Section pageFooter;
    Section reportFooter;
};

// A column of a report's table: its head, the column of the rows it shows, where it stands.
struct TableColumn {
    const char *head;
    const char *field;
    int left;
    int width;
    Align align = Align::Left;
    const char *format = "";
};

// Element builders, so that each layout reads as its table of positions.
Element Label(const QString &text, int left, int top, int width, int height, Align align = Align::Left);
// A caption or heading: bold.
Element Caption(const QString &text, int left, int top, int width, int height, Align align = Align::Left,
                double pointSize = DefaultPointSize);
Element TextBox(const QString &column, int left, int top, int width, int height, Align align = Align::Left,
                const QString &format = QString());
Element CountBox(int left, int top, int width, int height, Align align = Align::Left);
// The element in bold at the given size (a total, a heading value).
Element Emphasised(Element element, double pointSize);
Element HLine(int left, int top, int width);
Element VLine(int left, int top, int height);
Element BarChart(const QString &labelColumn, const QList<ChartSeries> &series, int left, int top, int width,
                 int height, const QString &format);

// What every list report shares: the page-number footer with the program's name and web
// address, and the title block of the page header.
inline constexpr char WebAddress[] = "www.brisola.example.org";
inline constexpr char ProgramLabel[] = "Brisola v2.0";
Section StandardPageFooter(int height, int webLeft, int ruleWidth);
void AddTitleBlock(Section &pageHeader, const QString &reportName);
// Ruled writing lines: one rule every `step` twips from `first` to `last`, inclusive.
void AddWritingLines(Section &section, int left, int width, int first, int last, int step);

// The application title followed by the report's part, e.g. "Brisola - Client List".
QString ReportCaption(const QString &suffix);

// The six reports, each as built when the report is created: captions, title from the
// business profile (the address list: the owner's name), width and margins.
Layout rptClientList();
Layout rptClientType();
Layout rptClient();
Layout rptAddress();
Layout rptInvoice();
Layout rptNotes();
// The statement of account of one client (its caption names the client) and the income by
// month of one year. Their text boxes outside the detail read the report's values: the
// business block, the client's address, the totals.
Layout rptStatement(const QString &client);
Layout rptIncomeByMonth(int year);

} // namespace reports

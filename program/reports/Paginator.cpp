#include "reports/Paginator.h"

#include "controls/Format.h"
#include "reports/PlainGlyphs.h"
#include "reports/Renderer.h"

#include <QDateTime>
#include <QLocale>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <optional>
#include <thread>

namespace reports {

namespace {

const QLocale &english() {
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

// Two decimals, rounded; a value that rounds to zero prints without a minus sign.
QString twoDecimals(double value, bool grouped) {
    double rounded = std::round(value * 100.0) / 100.0;
    if (rounded == 0.0)
        rounded = 0.0;
    const QString digits = grouped ? english().toString(std::fabs(rounded), 'f', 2)
                                   : QString::number(std::fabs(rounded), 'f', 2);
    return rounded < 0 ? QLatin1Char('-') + digits : digits;
}

QDate readDate(const QVariant &value) {
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().date();
    const QString text = value.toString().trimmed();
    QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    if (!date.isValid())
        date = QDateTime::fromString(text, Qt::ISODate).date();
    return date;
}

bool isNumber(const QVariant &value, double &number) {
    bool ok = false;
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float ||
        value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong) {
        number = value.toDouble(&ok);
        return ok && std::isfinite(number);
    }
    number = value.toString().trimmed().toDouble(&ok);
    return ok && std::isfinite(number);
}

bool isLineBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// Breaks one paragraph (no line breaks in it) into lines, appending them. The paragraph is
// laid out a window at a time: greedy breaking depends only on where a line starts, so every
// line of a window but its last, which the window's end may have cut short, stands as it is,
// and the next window starts where that last line started. Each character is laid out about
// once however long the paragraph is.
void breakParagraph(const QString &text, qsizetype from, qsizetype to, const QFont &font, int width,
                    PlainGlyphs *plain, TextLines &lines) {
    // A paragraph that stands clear inside the width is one line, however the shaper would
    // measure it to the last fraction.
    if (from == to || (plain && plain->FitsOnOneLine(QStringView(text).mid(from, to - from), width))) {
        lines.starts << from;
        lines.lengths << to - from;
        return;
    }
    constexpr qsizetype Window = 4096;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    while (from < to) {
        qsizetype length = std::min(Window, to - from);
        const bool last = from + length == to;
        if (!last && text[from + length - 1].isHighSurrogate())
            --length;
        QTextLayout layout(text.mid(from, length), font);
        layout.setTextOption(option);
        QList<std::pair<qsizetype, qsizetype>> found;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            found.append({line.textStart(), line.textLength()});
        }
        layout.endLayout();
        if (!last && found.size() > 1)
            found.removeLast();
        qsizetype advance = found.isEmpty() ? 0 : found.last().first + found.last().second;
        if (advance <= 0) { // never stand still: the window is one line
            found = {{0, length}};
            advance = length;
        }
        for (const auto &[start, count] : found) {
            lines.starts << from + start;
            lines.lengths << count;
        }
        from += advance;
    }
}

} // namespace

namespace {

// Breaks the paragraphs of text[from, to) (from at a paragraph's start) into lines.
void breakParagraphs(const QString &text, qsizetype from, qsizetype to, const QFont &font, int width,
                     TextLines &lines) {
    // Only a long text repays asking the shaper for its character pairs first.
    constexpr qsizetype ManyCharacters = 64 * 1024;
    std::optional<PlainGlyphs> plain;
    if (to - from >= ManyCharacters)
        plain.emplace(font);
    qsizetype pos = from;
    for (;;) {
        qsizetype end = pos;
        while (end < to && !isLineBreak(text[end]))
            ++end;
        breakParagraph(text, pos, end, font, width, plain ? &*plain : nullptr, lines);
        if (end >= to)
            break;
        const bool crlf =
            text[end] == QLatin1Char('\r') && end + 1 < to && text[end + 1] == QLatin1Char('\n');
        pos = end + (crlf ? 2 : 1);
    }
}

// A line break near the middle of a long text, where it splits into two runs of paragraphs that
// break into lines on their own: its position and length, or a length of 0 when there is none.
std::pair<qsizetype, qsizetype> middleBreak(const QString &text) {
    const qsizetype n = text.size();
    for (qsizetype i = n / 2; i < n; ++i) {
        if (text[i] == QLatin1Char('\n') && text[i - 1] == QLatin1Char('\r'))
            return {i - 1, 2};
        if (isLineBreak(text[i]))
            return {i, text[i] == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n') ? 2 : 1};
    }
    return {n, 0};
}

} // namespace

TextLines BreakLines(const QString &text, const QFont &font, int width) {
    TextLines lines;
    // A long text of several paragraphs is broken in two halves at once, one on another
    // thread: lines never run across a paragraph's end, so the halves do not depend on
    // each other.
    constexpr qsizetype LongText = 256 * 1024;
    const auto [middle, breakLength] =
        text.size() >= LongText ? middleBreak(text) : std::pair<qsizetype, qsizetype>();
    if (breakLength == 0) {
        breakParagraphs(text, 0, text.size(), font, width, lines);
        return lines;
    }
    TextLines second;
    std::jthread other([&, from = middle + breakLength] {
        // A font of its own (setting a value detaches it): a font shared with the other thread
        // would look its typeface up again for each thread in turn.
        QFont own = font;
        own.setKerning(font.kerning());
        breakParagraphs(text, from, text.size(), own, width, second);
    });
    breakParagraphs(text, 0, middle, font, width, lines);
    other.join();
    lines.starts << second.starts;
    lines.lengths << second.lengths;
    return lines;
}

QString FormatValue(const QVariant &value, const QString &format) {
    if (!value.isValid() || value.isNull())
        return QString();
    if (format == QLatin1String(FormatMoney)) {
        double number = 0;
        if (!isNumber(value, number))
            return value.toString();
        QString text = twoDecimals(number, true);
        return text.startsWith(QLatin1Char('-')) ? QStringLiteral("-$") + text.mid(1)
                                                 : QLatin1Char('$') + text;
    }
    if (format == QLatin1String(FormatTwoDecimals)) {
        double number = 0;
        return isNumber(value, number) ? twoDecimals(number, false) : value.toString();
    }
    if (format == QLatin1String(FormatShortDate))
        return controls::DateText(value, false);
    if (format == QLatin1String(FormatLongDate)) {
        const QDate date = readDate(value);
        return date.isValid() ? english().toString(date, QString::fromLatin1(FormatLongDate))
                              : value.toString();
    }
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
        return controls::NumberText(value);
    return value.toString();
}

QString ExpandPlaceholders(const QString &text, const QString &title, int page, int pages,
                           const QDate &today) {
    if (!text.contains(QLatin1Char('%')))
        return text;
    QString out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('%') && i + 1 < text.size()) {
            const QChar code = text[i + 1];
            if (code == QLatin1Char('i')) {
                out += title;
            } else if (code == QLatin1Char('p')) {
                out += QString::number(page);
            } else if (code == QLatin1Char('P')) {
                out += QString::number(pages);
            } else if (code == QLatin1Char('d')) {
                out += QLocale().toString(today, QLocale::ShortFormat);
            } else {
                out += c;
                continue;
            }
            ++i;
            continue;
        }
        out += c;
    }
    return out;
}

const Section &PageModel::SectionOf(Band band) const {
    switch (band) {
    case Band::ReportHeader:
        return m_layout->reportHeader;
    case Band::PageHeader:
        return m_layout->pageHeader;
    case Band::GroupHeader:
        return m_layout->groupHeader;
    case Band::Detail:
        return m_layout->detail;
    case Band::GroupFooter:
        return m_layout->groupFooter;
    case Band::PageFooter:
        return m_layout->pageFooter;
    case Band::Continued:
        return m_layout->detail;
    case Band::ReportFooter:
        break;
    }
    return m_layout->reportFooter;
}

QString PageModel::ElementText(const Element &element, const Placed &placed, int page) const {
    switch (element.kind) {
    case ElementKind::Label:
        return ExpandPlaceholders(element.text, m_layout->title, page + 1, PageCount(), m_today);
    case ElementKind::Count: {
        const std::shared_ptr<const Rowset> child = m_rows ? m_rows->Child(placed.group) : nullptr;
        return QString::number(child ? child->RowCount() : 0);
    }
    case ElementKind::TextBox: {
        const bool reportBand = placed.band == Band::ReportHeader || placed.band == Band::PageHeader ||
                                placed.band == Band::PageFooter || placed.band == Band::ReportFooter;
        if (reportBand)
            return m_values ? FormatValue(m_values->Value(0, element.text), element.format) : QString();
        if (!m_rows)
            return QString();
        const bool groupBand = placed.band == Band::GroupHeader || placed.band == Band::GroupFooter;
        if (m_layout->grouped && groupBand)
            return FormatValue(m_rows->Value(placed.group, element.text), element.format);
        if (m_layout->grouped) {
            const std::shared_ptr<const Rowset> child = m_rows->Child(placed.group);
            return child ? FormatValue(child->Value(placed.row, element.text), element.format) : QString();
        }
        return FormatValue(m_rows->Value(placed.row, element.text), element.format);
    }
    case ElementKind::HLine:
    case ElementKind::VLine:
    case ElementKind::BarChart:
    case ElementKind::Bar:
        break;
    }
    return QString();
}

void PageModel::AppendChart(QList<PageItem> &items, const Element &chart, int left, int top) const {
    // Room for the value axis's labels on the left, the legend above, the row labels below.
    constexpr int AxisLabelWidth = 1300;
    constexpr int LabelHeight = 285;
    constexpr int Gap = 72;
    constexpr int Swatch = 180;
    constexpr int Ticks = 4;
    const int plotLeft = left + AxisLabelWidth + Gap;
    const int plotRight = left + chart.width;
    const int plotTop = top + LabelHeight + Gap + LabelHeight / 2;
    const int plotBottom = top + chart.height - LabelHeight - Gap;
    const int plotHeight = std::max(0, plotBottom - plotTop);
    const int rowCount = m_rows ? m_rows->RowCount() : 0;
    const int seriesCount = int(chart.series.size());

    auto label = [&](const QString &text, int x, int y, int width, Align align) {
        PageItem item{ElementKind::Label, x,    y, width, LabelHeight, text, align, false,
                      chart.pointSize,    true, 0};
        items << item;
    };
    auto bar = [&](int x, int y, int width, int height, int series) {
        PageItem item{ElementKind::Bar, x,     y, width, height, QString(), Align::Left, false,
                      chart.pointSize,  false, 0};
        item.series = series;
        items << item;
    };

    // What is not a number, and what is below zero, stands as no bar.
    QList<double> values;
    double largest = 0;
    for (int r = 0; r < rowCount; ++r) {
        for (const ChartSeries &s : chart.series) {
            double value = 0;
            if (!isNumber(m_rows->Value(r, s.column), value) || value < 0)
                value = 0;
            values << value;
            largest = std::max(largest, value);
        }
    }

    // The legend, right-aligned above the plot.
    int legendRight = plotRight;
    for (int k = seriesCount - 1; k >= 0; --k) {
        constexpr int CaptionWidth = 1300;
        label(chart.series[k].caption, legendRight - CaptionWidth, top, CaptionWidth, Align::Left);
        bar(legendRight - CaptionWidth - Gap - Swatch, top + (LabelHeight - Swatch) / 2, Swatch, Swatch, k);
        legendRight -= CaptionWidth + 2 * Gap + Swatch;
    }

    // The value axis: the largest value at the top; with nothing but zeros, zero alone.
    items << PageItem{ElementKind::VLine, plotLeft, plotTop,         0,     plotHeight, QString(),
                      Align::Left,        false,    chart.pointSize, false, 0};
    const int tickCount = largest > 0 ? Ticks : 0;
    for (int t = 0; t <= tickCount; ++t) {
        const int y = plotBottom - int(std::lround(double(plotHeight) * t / Ticks));
        const double value = tickCount > 0 ? largest * t / Ticks : 0.0;
        label(FormatValue(value, chart.format), left, y - LabelHeight / 2, AxisLabelWidth - Gap,
              Align::Right);
        items << PageItem{ElementKind::HLine,
                          plotLeft - Gap,
                          y,
                          plotRight - plotLeft + Gap,
                          0,
                          QString(),
                          Align::Left,
                          false,
                          chart.pointSize,
                          false,
                          0};
    }

    // One group of bars per row, a quarter of its width left between groups.
    if (rowCount == 0 || seriesCount == 0)
        return;
    const int groupWidth = (plotRight - plotLeft) / rowCount;
    const int barWidth = std::max(1, groupWidth * 3 / 4 / seriesCount);
    for (int r = 0; r < rowCount; ++r) {
        const int groupLeft = plotLeft + r * groupWidth;
        const int barsLeft = groupLeft + (groupWidth - barWidth * seriesCount) / 2;
        for (int k = 0; k < seriesCount; ++k) {
            const double value = values[r * seriesCount + k];
            const int height = largest > 0 ? int(std::lround(value / largest * plotHeight)) : 0;
            bar(barsLeft + k * barWidth, plotBottom - height, barWidth, height, k);
        }
        label(FormatValue(m_rows->Value(r, chart.text), QString()), groupLeft, plotBottom + Gap, groupWidth,
              Align::Centre);
    }
}

QString PageModel::LinesText(int row, int first, int count) const {
    const auto found = m_lines.constFind(row);
    if (found == m_lines.cend() || !m_rows)
        return QString();
    const TextLines &lines = *found;
    const QString &text = lines.text;
    const int end = std::min(first + count, lines.Count());
    QString out;
    for (int i = first; i < end; ++i) {
        if (i > first)
            out += QLatin1Char('\n');
        out += QStringView(text).mid(lines.starts[i], lines.lengths[i]);
    }
    return out;
}

QList<PageItem> PageModel::Items(int page) const {
    QList<PageItem> items;
    if (page < 0 || page >= PageCount())
        return items;
    const int first = m_pageStarts[page];
    const int end = page + 1 < PageCount() ? m_pageStarts[page + 1] : int(m_placed.size());
    const Margins &m = m_layout->margins;
    for (int i = first; i < end; ++i) {
        const Placed &placed = m_placed[i];
        if (placed.band == Band::Continued) {
            const Element &e = m_layout->detail.elements[m_continuing];
            items << PageItem{e.kind,
                              m.left + e.left,
                              m.top + placed.top,
                              e.width,
                              placed.lineCount * m_linePitch,
                              LinesText(placed.row, placed.firstLine, placed.lineCount),
                              e.align,
                              e.bold,
                              e.pointSize,
                              false,
                              m_linePitch};
            continue;
        }
        const QList<Element> &elements = SectionOf(placed.band).elements;
        for (int k = 0; k < elements.size(); ++k) {
            const Element &e = elements[k];
            if (e.kind == ElementKind::BarChart) {
                AppendChart(items, e, m.left + e.left, m.top + placed.top + e.top);
                continue;
            }
            const bool amount = e.kind == ElementKind::TextBox && e.format == QLatin1String(FormatMoney);
            PageItem item{e.kind,
                          m.left + e.left,
                          m.top + placed.top + e.top,
                          e.width,
                          e.height,
                          ElementText(e, placed, page),
                          e.align,
                          e.bold,
                          e.pointSize,
                          amount,
                          0};
            // A box whose text goes on further shows the lines that fit it whole.
            if (placed.band == Band::Detail && k == m_continuing && m_lines.contains(placed.row)) {
                item.text = LinesText(placed.row, 0, std::max(1, e.height / m_linePitch));
                item.linePitch = m_linePitch;
            }
            items << item;
        }
    }
    return items;
}

QStringList PageModel::Texts(int page) const {
    QList<PageItem> items = Items(page);
    std::stable_sort(items.begin(), items.end(), [](const PageItem &a, const PageItem &b) {
        return a.top != b.top ? a.top < b.top : a.left < b.left;
    });
    QStringList texts;
    for (const PageItem &item : items) {
        if (item.kind != ElementKind::HLine && item.kind != ElementKind::VLine &&
            item.kind != ElementKind::Bar)
            texts << item.text;
    }
    return texts;
}

PageModel Paginate(const Layout &layout, std::shared_ptr<const Rowset> rows, const QDate &today) {
    return Paginate(layout, std::move(rows), nullptr, today);
}

PageModel Paginate(const Layout &layout, std::shared_ptr<const Rowset> rows,
                   std::shared_ptr<const Rowset> values, const QDate &today) {
    using Band = PageModel::Band;
    PageModel model;
    model.m_layout = std::make_shared<const Layout>(layout);
    model.m_rows = rows;
    model.m_values = std::move(values);
    model.m_today = today;

    const int printable = PaperHeight - layout.margins.top - layout.margins.bottom;
    const int footerTop = printable - layout.pageFooter.height;
    int y = 0;
    bool pageHasBands = false; // anything beyond the page header

    auto startPage = [&] {
        const bool first = model.m_pageStarts.isEmpty();
        model.m_pageStarts << int(model.m_placed.size());
        y = 0;
        if (!(first && layout.pageHeaderAfterFirstPage)) {
            model.m_placed << PageModel::Placed{Band::PageHeader, -1, -1, 0};
            y = layout.pageHeader.height;
        }
        pageHasBands = false;
    };
    auto finishPage = [&] { model.m_placed << PageModel::Placed{Band::PageFooter, -1, -1, footerTop}; };
    auto newPage = [&] {
        finishPage();
        startPage();
    };
    // No band is split: one that does not fit below what the page holds moves whole to the
    // next page. A band taller than a whole page stands alone on its page.
    auto place = [&](Band band, const Section &section, int group, int row) {
        if (section.height == 0 && section.elements.isEmpty())
            return;
        if (pageHasBands && y + section.height > footerTop)
            newPage();
        model.m_placed << PageModel::Placed{band, group, row, y};
        y += section.height;
        pageHasBands = true;
    };

    startPage();
    place(Band::ReportHeader, layout.reportHeader, -1, -1);
    if (layout.grouped) {
        bool breakPending = false;
        const int groups = rows ? rows->RowCount() : 0;
        for (int g = 0; g < groups; ++g) {
            if ((layout.groupHeader.newPageBefore || breakPending) && pageHasBands)
                newPage();
            breakPending = false;
            place(Band::GroupHeader, layout.groupHeader, g, -1);
            const std::shared_ptr<const Rowset> child = rows->Child(g);
            const int count = child ? child->RowCount() : 0;
            for (int r = 0; r < count; ++r)
                place(Band::Detail, layout.detail, g, r);
            place(Band::GroupFooter, layout.groupFooter, g, -1);
            breakPending = layout.groupFooter.newPageAfter;
        }
    } else {
        // A continuing box's further lines follow its band, on pages of their own, each page
        // holding as many whole lines as fit above the page footer.
        const QList<Element> &elements = layout.detail.elements;
        for (int k = 0; k < elements.size(); ++k) {
            if (elements[k].continues && elements[k].kind == ElementKind::TextBox)
                model.m_continuing = k;
        }
        QFont font;
        int boxLines = 0;
        if (model.m_continuing >= 0) {
            const Element &e = elements[model.m_continuing];
            font = ReportFont(e.bold, e.pointSize);
            model.m_linePitch = LinePitch(font);
            boxLines = std::max(1, e.height / model.m_linePitch);
        }
        constexpr int continuedGap = 144; // below the page header's rule
        const int count = rows ? rows->RowCount() : 0;
        for (int r = 0; r < count; ++r) {
            place(Band::Detail, layout.detail, -1, r);
            if (model.m_continuing < 0)
                continue;
            const Element &e = elements[model.m_continuing];
            const QString text = FormatValue(rows->Value(r, e.text), e.format);
            TextLines lines = BreakLines(text, font, e.width);
            if (lines.Count() <= boxLines)
                continue;
            lines.text = text;
            for (int next = boxLines; next < lines.Count();) {
                newPage();
                const int top = y + continuedGap;
                const int room = std::max(1, (footerTop - top) / model.m_linePitch);
                const int taken = std::min(room, lines.Count() - next);
                model.m_placed << PageModel::Placed{Band::Continued, -1, r, top, next, taken};
                y = top + taken * model.m_linePitch;
                pageHasBands = true;
                next += taken;
            }
            model.m_lines.insert(r, std::move(lines));
        }
    }
    place(Band::ReportFooter, layout.reportFooter, -1, -1);
    finishPage();
    return model;
}

} // namespace reports

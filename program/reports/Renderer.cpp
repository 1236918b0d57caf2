#include "reports/Renderer.h"

#include "reports/PlainGlyphs.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace reports {

namespace {

// A rule as thick as one screen pixel.
constexpr int RuleWidth = 15;

Qt::Alignment alignmentOf(const PageItem &item) {
    switch (item.align) {
    case Align::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// The plain-text settings of the fonts painted so far, kept over the pages of one output.
class GlyphCache {
public:
    PlainGlyphs &For(const PageItem &item) {
        std::unique_ptr<PlainGlyphs> &found = m_fonts[{item.bold, item.pointSize}];
        if (!found)
            found = std::make_unique<PlainGlyphs>(ReportFont(item.bold, item.pointSize));
        return *found;
    }

private:
    std::map<std::pair<bool, double>, std::unique_ptr<PlainGlyphs>> m_fonts;
};

// A box taller than a line wraps at word boundaries, and inside a word too long for the
// box; its line breaks stand. A one-line box shows its text on one line.
void drawText(QPainter &painter, const PageItem &item, GlyphCache &glyphs) {
    const QRect box(item.left, item.top, item.width, item.height);
    if (item.linePitch > 0) {
        // Broken into lines when laid out: each line stands where the page model put it.
        painter.save();
        painter.setClipRect(box, Qt::IntersectClip);
        int top = item.top;
        PlainGlyphs *plain = item.align == Align::Left ? &glyphs.For(item) : nullptr;
        QGlyphRun run;
        for (const QStringView line : QStringView(item.text).split(QLatin1Char('\n'))) {
            if (plain && plain->Set(line, item.width, run))
                painter.drawGlyphRun(QPointF(item.left, top), run);
            else
                painter.drawText(QRect(item.left, top, item.width, item.linePitch),
                                 int(alignmentOf(item)) | Qt::TextSingleLine, line.toString());
            top += item.linePitch;
        }
        painter.restore();
        return;
    }
    if (!WrapsText(item)) {
        QString text = item.text;
        text.replace(QLatin1String("\r\n"), QLatin1String(" "));
        text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        // Text outside its box is cut off, as on the laid-out page.
        painter.drawText(box, int(alignmentOf(item)) | Qt::TextSingleLine, text);
        return;
    }
    QString text = item.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextOption option(alignmentOf(item));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.drawText(QRectF(box), text, option);
    painter.restore();
}

// A chart's bar, filled in its series' shade (greys, so that a black-and-white printer keeps
// the series apart) and outlined.
void drawBar(QPainter &painter, const PageItem &item) {
    if (item.height <= 0 || item.width <= 0)
        return;
    static const QColor shades[] = {QColor(64, 64, 64), QColor(176, 176, 176), QColor(120, 120, 120),
                                    QColor(224, 224, 224)};
    const QColor &shade = shades[std::max(item.series, 0) % std::size(shades)];
    const QRect box(item.left, item.top, item.width, item.height);
    painter.fillRect(box, shade);
    painter.drawRect(box);
}

} // namespace

QFont ReportFont(bool bold, double pointSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(int(std::lround(pointSize * 20)));
    font.setBold(bold);
    // Unhinted, so that text measures the same on screen, on paper and in a PDF.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

int LinePitch(const QFont &font) {
    return int(std::ceil(QFontMetricsF(font).lineSpacing()));
}

QFont ItemFont(const PageItem &item) {
    QFont font = ReportFont(item.bold, item.pointSize);
    if (!item.fitWidth || item.width <= 0)
        return font;
    const qreal wide = QFontMetricsF(font).horizontalAdvance(item.text);
    if (wide <= item.width)
        return font;
    // Text widths grow with the size: scale down, then step down until it fits.
    int size = int(std::floor(font.pixelSize() * item.width / wide));
    for (; size > 1; --size) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(item.text) <= item.width)
            break;
    }
    font.setPixelSize(std::max(size, 1));
    return font;
}

bool WrapsText(const PageItem &item) {
    if (item.kind != ElementKind::TextBox)
        return false;
    const QFontMetrics metrics(ReportFont(item.bold, item.pointSize));
    return item.height >= 2 * metrics.height();
}

QPageLayout LetterFullPage() {
    QPageLayout layout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF());
    // A printer that cannot print to the paper's edge would otherwise refuse no margins, or
    // move the origin in by its own margins and shift every element.
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

void BeginTwips(QPainter &painter, const QPaintDevice &device) {
    painter.scale(device.logicalDpiX() / 1440.0, device.logicalDpiY() / 1440.0);
}

namespace {

void paintPage(QPainter &painter, const PageModel &model, int page, GlyphCache &glyphs) {
    QPen pen(Qt::black);
    pen.setWidth(RuleWidth);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // Fonts are few: remember the last one rather than building one per element.
    bool fontBold = false;
    double fontSize = -1;
    for (const PageItem &item : model.Items(page)) {
        switch (item.kind) {
        case ElementKind::HLine:
            painter.drawLine(item.left, item.top, item.left + item.width, item.top);
            break;
        case ElementKind::VLine:
            painter.drawLine(item.left, item.top, item.left, item.top + item.height);
            break;
        case ElementKind::Bar:
            drawBar(painter, item);
            break;
        case ElementKind::BarChart: // laid out into bars, rules and labels by the page model
            break;
        case ElementKind::Label:
        case ElementKind::TextBox:
        case ElementKind::Count:
            if (item.text.isEmpty())
                break;
            if (item.fitWidth) {
                painter.setFont(ItemFont(item));
                fontSize = -1; // the next item sets its own
            } else if (item.bold != fontBold || item.pointSize != fontSize) {
                painter.setFont(ReportFont(item.bold, item.pointSize));
                fontBold = item.bold;
                fontSize = item.pointSize;
            }
            drawText(painter, item, glyphs);
            break;
        }
    }
}

} // namespace

void PaintPage(QPainter &painter, const PageModel &model, int page) {
    GlyphCache glyphs;
    paintPage(painter, model, page, glyphs);
}

bool PaintPages(QPagedPaintDevice &device, const PageModel &model, int first, int last,
                const PageProgress &progress) {
    first = std::max(first, 0);
    last = std::min(last, model.PageCount() - 1);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    BeginTwips(painter, device);
    GlyphCache glyphs;
    for (int page = first; page <= last; ++page) {
        if (page > first && !device.newPage()) {
            painter.end();
            return false;
        }
        paintPage(painter, model, page, glyphs);
        if (progress && !progress(page - first + 1)) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

bool SavePdf(const PageModel &model, const QString &path, const PageProgress &progress) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    bool written = false;
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(1440);
        pdf.setPageLayout(LetterFullPage());
        pdf.setTitle(model.ReportLayout().caption);
        pdf.setCreator(QStringLiteral("Brisola"));
        written = PaintPages(pdf, model, 0, model.PageCount() - 1, progress);
    }
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace reports

#include "reports/Renderer.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QSaveFile>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <vector>

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

// Plain text in one font, set without shaping each line anew: a character's glyph comes from
// the font's own table, and the step from one character to the next is what the shaper gives
// for that pair, asked once per pair. A line with any character or pair the shaper does not set
// that way (another font, joined or reordered glyphs, marks) is left to the shaper, so every line
// stands as the shaper would set it.
class PlainGlyphs {
public:
    explicit PlainGlyphs(const QFont &font)
        : m_font(font), m_raw(QRawFont::fromFont(font)), m_glyphs(0x10000), m_latinPairs(256 * 256, Unknown) {
        const std::optional<Shaped> x = shape(QStringLiteral("x"));
        m_usable = m_raw.isValid() && x && QFontMetricsF(font).height() <= LinePitch(font);
        if (m_usable)
            m_baseline = x->positions[0].y();
    }

    // The glyphs of a line with their positions from the line's left end on its top, or false
    // when the line needs the shaper or would not keep inside `width`.
    bool Set(QStringView line, int width, QGlyphRun &run) {
        if (!m_usable || line.isEmpty())
            return false;
        const qsizetype n = line.size();
        QList<quint32> indexes(n);
        QList<QPointF> positions(n);
        qreal x = 0;
        qreal inkEnd = 0;
        // The shaper sets each run of one script on its own, with no kerning across runs.
        QChar::Script script = QChar::Script_Common;
        for (qsizetype i = 0; i < n; ++i) {
            const Glyph &g = glyph(line[i].unicode());
            if (!g.plain)
                return false;
            if (g.script != QChar::Script_Common) {
                if (script != QChar::Script_Common && script != g.script)
                    return false;
                script = g.script;
            }
            indexes[i] = g.index;
            positions[i] = QPointF(x, m_baseline);
            if (!line[i].isSpace())
                inkEnd = x + g.advance;
            if (i + 1 < n) {
                const qreal step = pair(line[i].unicode(), line[i + 1].unicode());
                if (std::isnan(step))
                    return false;
                x += step;
            }
        }
        // The shaper clips a line that overhangs its box; such a line is left to it.
        if (inkEnd > width - EdgeRoom)
            return false;
        run.setRawFont(m_raw);
        run.setGlyphIndexes(indexes);
        run.setPositions(positions);
        return true;
    }

private:
    // Room kept below the box's width for the bearing the shaper adds to a line's width.
    static constexpr qreal EdgeRoom = 100;
    static constexpr qreal Unknown = -std::numeric_limits<qreal>::infinity();

    struct Glyph {
        bool known = false;
        bool plain = false;
        QChar::Script script = QChar::Script_Common;
        quint32 index = 0;
        qreal advance = 0;
    };
    struct Shaped {
        QList<quint32> indexes;
        QList<QPointF> positions;
    };

    // What the shaper makes of a short text on one line: set in this font alone, one glyph
    // per character in reading order, each the one the font's table names.
    std::optional<Shaped> shape(const QString &text) const {
        QTextLayout layout(text, m_font);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(1e6);
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.glyphRuns();
        if (runs.size() != 1 || runs[0].rawFont() != m_raw)
            return std::nullopt;
        Shaped shaped{runs[0].glyphIndexes(), runs[0].positions()};
        if (shaped.indexes != m_raw.glyphIndexesForString(text) || shaped.positions.size() != text.size() ||
            shaped.positions[0].x() != 0)
            return std::nullopt;
        return shaped;
    }

    static bool plainCharacter(QChar c) {
        if (c.unicode() < 0x20 || c.isSurrogate() || c.isMark() || c.category() == QChar::Other_Format ||
            c.category() == QChar::Other_NotAssigned || c.category() == QChar::Other_Control)
            return false;
        const QChar::Script script = c.script();
        return script == QChar::Script_Common || script == QChar::Script_Latin ||
               script == QChar::Script_Greek || script == QChar::Script_Cyrillic;
    }

    const Glyph &glyph(char16_t c) {
        Glyph &g = m_glyphs[c];
        if (g.known)
            return g;
        g.known = true;
        if (!plainCharacter(QChar(c)))
            return g;
        const std::optional<Shaped> alone = shape(QString(QChar(c)));
        if (!alone || alone->positions[0].y() != m_baseline)
            return g;
        g.script = QChar(c).script();
        g.index = alone->indexes[0];
        g.advance = m_raw.advancesForGlyphIndexes(alone->indexes).value(0).x();
        g.plain = true;
        return g;
    }

    // From a character's pen position to the next one's; NaN when the pair needs the shaper.
    qreal pair(char16_t a, char16_t b) {
        qreal *known = a < 256 && b < 256 ? &m_latinPairs[a * 256 + b] : nullptr;
        if (!known) {
            const auto found = m_otherPairs.find(quint32(a) << 16 | b);
            if (found != m_otherPairs.end())
                return found->second;
        } else if (*known != Unknown) {
            return *known;
        }
        qreal step = std::numeric_limits<qreal>::quiet_NaN();
        const QChar text[] = {QChar(a), QChar(b)};
        if (const std::optional<Shaped> both = shape(QString(text, 2));
            both && both->positions[1].y() == m_baseline)
            step = both->positions[1].x();
        if (known)
            *known = step;
        else
            m_otherPairs.emplace(quint32(a) << 16 | b, step);
        return step;
    }

    QFont m_font;
    QRawFont m_raw;
    bool m_usable = false;
    qreal m_baseline = 0;
    std::vector<Glyph> m_glyphs;
    std::vector<qreal> m_latinPairs;
    std::map<quint32, qreal> m_otherPairs;
};

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

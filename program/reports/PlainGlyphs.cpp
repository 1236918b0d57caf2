#include "reports/PlainGlyphs.h"

#include "reports/Renderer.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QTextLayout>

#include <cmath>
#include <limits>

namespace reports {

namespace {

// Room kept below the box's width for the bearing the shaper adds to a line's width.
constexpr qreal EdgeRoom = 100;
constexpr float Unknown = -std::numeric_limits<float>::infinity();

bool plainCharacter(QChar c) {
    if (c.unicode() < 0x20 || c.isSurrogate() || c.isMark() || c.category() == QChar::Other_Format ||
        c.category() == QChar::Other_NotAssigned || c.category() == QChar::Other_Control)
        return false;
    const QChar::Script script = c.script();
    return script == QChar::Script_Common || script == QChar::Script_Latin || script == QChar::Script_Greek ||
           script == QChar::Script_Cyrillic;
}

} // namespace

PlainGlyphs::PlainGlyphs(const QFont &font)
    : m_font(font), m_raw(QRawFont::fromFont(font)), m_latinGlyphs(256), m_latinPairs(256 * 256, Unknown) {
    const std::optional<Shaped> x = shape(QStringLiteral("x"));
    m_usable = m_raw.isValid() && x && QFontMetricsF(font).height() <= LinePitch(font);
    if (m_usable)
        m_baseline = x->positions[0].y();
}

template <typename Place>
std::optional<PlainGlyphs::Walked> PlainGlyphs::walk(QStringView text, Place place) {
    if (!m_usable || text.isEmpty())
        return std::nullopt;
    Walked walked;
    qreal x = 0;
    // The shaper sets each run of one script on its own, with no kerning across runs.
    QChar::Script script = QChar::Script_Common;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const Glyph &g = glyph(text[i].unicode());
        if (!g.plain)
            return std::nullopt;
        if (g.script != QChar::Script_Common) {
            if (script != QChar::Script_Common && script != g.script)
                return std::nullopt;
            script = g.script;
        }
        place(g.index, x);
        walked.end = x + g.advance;
        if (!text[i].isSpace())
            walked.inkEnd = walked.end;
        if (i + 1 < text.size()) {
            const qreal step = pair(text[i].unicode(), text[i + 1].unicode());
            if (std::isnan(step))
                return std::nullopt;
            x += step;
        }
    }
    return walked;
}

bool PlainGlyphs::Set(QStringView line, int width, QGlyphRun &run) {
    QList<quint32> indexes;
    QList<QPointF> positions;
    indexes.reserve(line.size());
    positions.reserve(line.size());
    const std::optional<Walked> walked = walk(line, [&](quint32 index, qreal x) {
        indexes << index;
        positions << QPointF(x, m_baseline);
    });
    // The shaper clips a line that overhangs its box; such a line is left to it.
    if (!walked || walked->inkEnd > width - EdgeRoom)
        return false;
    run.setRawFont(m_raw);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    return true;
}

bool PlainGlyphs::FitsOnOneLine(QStringView text, int width) {
    const std::optional<Walked> walked = walk(text, [](quint32, qreal) {});
    return walked && walked->end <= width - EdgeRoom;
}

// What the shaper makes of a short text on one line: set in this font alone, one glyph per
// character in reading order, each the one the font's table names.
std::optional<PlainGlyphs::Shaped> PlainGlyphs::shape(const QString &text) const {
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

const PlainGlyphs::Glyph &PlainGlyphs::glyph(char16_t c) {
    Glyph &g = c < 256 ? m_latinGlyphs[c] : m_otherGlyphs[c];
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
qreal PlainGlyphs::pair(char16_t a, char16_t b) {
    float *known = a < 256 && b < 256 ? &m_latinPairs[a * 256 + b] : nullptr;
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
        *known = float(step); // a step is a whole number of 64ths of a twip: exact in a float
    else
        m_otherPairs.emplace(quint32(a) << 16 | b, step);
    return step;
}

} // namespace reports

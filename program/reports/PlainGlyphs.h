// Plain text in one font, set without shaping it anew: a character's glyph comes from the
// font's own table, and the step from one character to the next is what the shaper gives for
// that pair, asked once per pair. A text with any character or pair the shaper does not set that
// way (another font or script run, joined or reordered glyphs, marks) is left to the shaper, so
// that everything stands as the shaper would set it.
#pragma once

#include <QChar>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QStringView>

#include <map>
#include <optional>
#include <vector>

class QGlyphRun;

namespace reports {

class PlainGlyphs {
public:
    explicit PlainGlyphs(const QFont &font);

    // The glyphs of a line with their positions from the line's left end on its top, or false
    // when the line needs the shaper or would not keep clear inside `width`.
    bool Set(QStringView line, int width, QGlyphRun &run);

    // Whether the whole text, blanks included, stands on one line clear inside `width`.
    bool FitsOnOneLine(QStringView text, int width);

private:
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
    struct Walked {
        qreal inkEnd = 0; // after the last glyph that is not a blank
        qreal end = 0;    // after the last glyph
    };

    // Places each glyph of the text in turn (`place(glyph, x)`), or gives nothing when the text
    // needs the shaper.
    template <typename Place> std::optional<Walked> walk(QStringView text, Place place);
    std::optional<Shaped> shape(const QString &text) const;
    const Glyph &glyph(char16_t c);
    qreal pair(char16_t a, char16_t b);

    QFont m_font;
    QRawFont m_raw;
    bool m_usable = false;
    qreal m_baseline = 0;
    std::vector<Glyph> m_latinGlyphs;
    std::map<char16_t, Glyph> m_otherGlyphs;
    std::vector<float> m_latinPairs;
    std::map<quint32, qreal> m_otherPairs;
};

} // namespace reports

#include "about/RtfReader.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <utility>
#include <vector>

namespace rtf {

namespace {

// Deeper groups than this are read as if their braces were not there: a file of nothing
// but opening braces must not grow the group stack without end.
constexpr int MaxGroupDepth = 256;
// Control words and their numbers are short; longer runs of letters or digits are cut here.
constexpr int MaxWordLength = 32;
constexpr int MaxDigits = 10;

// Windows code page 1252 where it differs from Latin-1 (bytes 0x80 to 0x9F).
constexpr char16_t Cp1252High[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                     0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

QChar fromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(Cp1252High[byte - 0x80]);
    return QChar(byte);
}

enum class Destination {
    Text,        // shown
    FontTable,   // font names
    ColourTable, // colours
    Skip,        // read and left out
};

struct State {
    Destination destination = Destination::Text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24; // 12 pt
    int colour = 0;      // index into the colour table; 0 is the automatic colour
    int font = -1;       // font number; -1 the default font
    int unicodeSkip = 1; // characters that stand in for each \u character
    Qt::Alignment alignment = Qt::AlignLeft;
    int spaceBefore = 0; // twips
    int spaceAfter = 0;
    int leftIndent = 0;
    int firstIndent = 0;
};

// Destinations whose text is never shown.
bool isSkippedDestination(const QByteArray &word) {
    static const char *const skipped[] = {
        "author",
        "buptim",
        "category",
        "colorschememapping",
        "comment",
        "company",
        "creatim",
        "datastore",
        "doccomm",
        "fldinst",
        "filetbl",
        "footer",
        "footerf",
        "footerl",
        "footerr",
        "footnote",
        "generator",
        "header",
        "headerf",
        "headerl",
        "headerr",
        "info",
        "keywords",
        "latentstyles",
        "listoverridetable",
        "listtable",
        "manager",
        "nonshppict",
        "object",
        "operator",
        "pgdsctbl",
        "pict",
        "printim",
        "private",
        "revtbl",
        "revtim",
        "rsidtbl",
        "stylesheet",
        "subject",
        "themedata",
        "title",
        "xmlnstbl",
        "bkmkstart",
        "bkmkend",
        "mmathPr",
    };
    return std::any_of(std::begin(skipped), std::end(skipped),
                       [&word](const char *name) { return word == name; });
}

class Reader {
public:
    Reader(const QByteArray &data, QTextDocument &document) : m_data(data), m_cursor(&document) {}

    void run() {
        // Skip anything before the opening brace (a byte-order mark, blanks).
        qsizetype pos = m_data.indexOf('{');
        if (pos < 0)
            pos = 0;
        m_pos = pos;
        // One edit of the document for the whole text: otherwise every run written would
        // lay its paragraph out again, and a long paragraph of many runs takes minutes.
        m_cursor.beginEditBlock();
        while (m_pos < m_data.size()) {
            const char c = m_data.at(m_pos++);
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                closeGroup();
                break;
            case '\\':
                controlSequence();
                break;
            case '\r':
            case '\n':
                break; // line ends in the file are not text
            default:
                byteOfText(static_cast<unsigned char>(c));
                break;
            }
        }
        flush();
        m_cursor.setBlockFormat(blockFormat(m_paragraph));
        m_cursor.endEditBlock();
    }

private:
    // ---- Groups ----

    void openGroup() {
        flush();
        m_unicodeSkipLeft = 0;
        if (int(m_stack.size()) >= MaxGroupDepth) {
            ++m_overflow;
            return;
        }
        m_stack.push_back(m_state);
        m_firstInGroup = true;
    }

    void closeGroup() {
        flush();
        m_unicodeSkipLeft = 0;
        if (m_overflow > 0) {
            --m_overflow;
            return;
        }
        if (m_stack.empty())
            return; // a closing brace too many
        if (m_state.destination == Destination::FontTable)
            commitFont();
        m_state = m_stack.back();
        m_stack.pop_back();
        m_firstInGroup = false;
    }

    // ---- Control words and symbols ----

    void controlSequence() {
        if (m_pos >= m_data.size())
            return; // a backslash at the very end
        const char c = m_data.at(m_pos);
        if (isLetter(c)) {
            controlWord();
            return;
        }
        ++m_pos;
        const bool first = m_firstInGroup;
        m_firstInGroup = false;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            character(QChar::fromLatin1(c));
            break;
        case '\'':
            hexCharacter();
            break;
        case '~':
            character(QChar(0x00A0));
            break;
        case '_':
            character(QChar(0x2011));
            break;
        case '-':
            break; // an optional hyphen
        case '*':
            // A destination that a reader may ignore when it does not know it; this one
            // knows none of them.
            if (first)
                setDestination(Destination::Skip);
            break;
        case '\r':
        case '\n':
            paragraph();
            break;
        case '\t':
            character(QLatin1Char('\t'));
            break;
        default:
            break; // an unknown symbol
        }
    }

    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    void controlWord() {
        QByteArray word;
        while (m_pos < m_data.size() && isLetter(m_data.at(m_pos))) {
            if (word.size() < MaxWordLength)
                word += m_data.at(m_pos);
            ++m_pos;
        }
        bool hasNumber = false;
        bool negative = false;
        long long number = 0;
        if (m_pos < m_data.size() && m_data.at(m_pos) == '-' && m_pos + 1 < m_data.size() &&
            isDigit(m_data.at(m_pos + 1))) {
            negative = true;
            ++m_pos;
        }
        int digits = 0;
        while (m_pos < m_data.size() && isDigit(m_data.at(m_pos))) {
            if (digits < MaxDigits)
                number = number * 10 + (m_data.at(m_pos) - '0');
            ++digits;
            ++m_pos;
            hasNumber = true;
        }
        if (negative)
            number = -number;
        // One blank ends a control word and belongs to it.
        if (m_pos < m_data.size() && m_data.at(m_pos) == ' ')
            ++m_pos;
        const bool first = m_firstInGroup;
        m_firstInGroup = false;
        const int value = int(std::clamp<long long>(number, -2147483647LL, 2147483647LL));
        apply(word, hasNumber, value, first);
    }

    void apply(const QByteArray &word, bool hasNumber, int value, bool firstInGroup) {
        const bool on = !hasNumber || value != 0;
        // Formatting changes end the run of text before them.
        auto change = [this] { flush(); };

        if (word == "par") {
            paragraph();
        } else if (word == "line") {
            character(QChar(QChar::LineSeparator));
        } else if (word == "tab") {
            character(QLatin1Char('\t'));
        } else if (word == "emdash") {
            character(QChar(0x2014));
        } else if (word == "endash") {
            character(QChar(0x2013));
        } else if (word == "bullet") {
            character(QChar(0x2022));
        } else if (word == "lquote") {
            character(QChar(0x2018));
        } else if (word == "rquote") {
            character(QChar(0x2019));
        } else if (word == "ldblquote") {
            character(QChar(0x201C));
        } else if (word == "rdblquote") {
            character(QChar(0x201D));
        } else if (word == "u") {
            unicodeCharacter(value);
        } else if (word == "uc") {
            m_state.unicodeSkip = std::clamp(value, 0, 10);
        } else if (word == "bin") {
            // Binary data of the given length follows; it is never text.
            const qsizetype length = hasNumber && value > 0 ? value : 0;
            m_pos = std::min<qsizetype>(m_data.size(), m_pos + length);
        } else if (word == "b") {
            change();
            m_state.bold = on;
        } else if (word == "i") {
            change();
            m_state.italic = on;
        } else if (word == "ul") {
            change();
            m_state.underline = on;
        } else if (word == "ulnone") {
            change();
            m_state.underline = false;
        } else if (word == "plain") {
            change();
            m_state.bold = m_state.italic = m_state.underline = false;
            m_state.halfPoints = 24;
            m_state.colour = 0;
            m_state.font = m_defaultFont;
        } else if (word == "fs") {
            change();
            // Half-points; 1 to 200 points shown, anything else is the normal size.
            m_state.halfPoints = hasNumber && value > 0 ? std::clamp(value, 2, 400) : 24;
        } else if (word == "cf") {
            change();
            m_state.colour = std::max(0, value);
        } else if (word == "f") {
            if (m_state.destination == Destination::FontTable) {
                commitFont();
                m_fontNumber = value;
            } else {
                change();
                m_state.font = value;
            }
        } else if (word == "deff") {
            m_defaultFont = value;
            m_state.font = value;
        } else if (word == "pard") {
            m_state.alignment = Qt::AlignLeft;
            m_state.spaceBefore = m_state.spaceAfter = m_state.leftIndent = m_state.firstIndent = 0;
            paragraphChanged();
        } else if (word == "ql" || word == "qc" || word == "qr" || word == "qj") {
            m_state.alignment = word == "qc"   ? Qt::AlignHCenter
                                : word == "qr" ? Qt::AlignRight
                                : word == "qj" ? Qt::AlignJustify
                                               : Qt::AlignLeft;
            paragraphChanged();
        } else if (word == "sb") {
            m_state.spaceBefore = std::clamp(value, 0, 2880);
            paragraphChanged();
        } else if (word == "sa") {
            m_state.spaceAfter = std::clamp(value, 0, 2880);
            paragraphChanged();
        } else if (word == "li") {
            m_state.leftIndent = std::clamp(value, 0, 7200);
            paragraphChanged();
        } else if (word == "fi") {
            m_state.firstIndent = std::clamp(value, -7200, 7200);
            paragraphChanged();
        } else if (word == "fonttbl") {
            setDestination(Destination::FontTable);
        } else if (word == "colortbl") {
            setDestination(Destination::ColourTable);
            m_colourStarted = false;
        } else if (word == "red" || word == "green" || word == "blue") {
            if (m_state.destination == Destination::ColourTable) {
                const int part = std::clamp(value, 0, 255);
                if (!m_colourStarted)
                    m_pendingColour = QColor(0, 0, 0);
                m_colourStarted = true;
                if (word == "red")
                    m_pendingColour.setRed(part);
                else if (word == "green")
                    m_pendingColour.setGreen(part);
                else
                    m_pendingColour.setBlue(part);
            }
        } else if (firstInGroup && isSkippedDestination(word)) {
            setDestination(Destination::Skip);
        }
        // Every other word is one this reader does not need.
    }

    void setDestination(Destination destination) {
        flush();
        // Inside a left-out group everything stays left out.
        if (m_state.destination != Destination::Skip)
            m_state.destination = destination;
    }

    // ---- Characters ----

    void hexCharacter() {
        auto hexValue = [](char c) {
            if (c >= '0' && c <= '9')
                return c - '0';
            if (c >= 'a' && c <= 'f')
                return c - 'a' + 10;
            if (c >= 'A' && c <= 'F')
                return c - 'A' + 10;
            return -1;
        };
        if (m_pos + 1 >= m_data.size()) {
            m_pos = m_data.size(); // cut short
            return;
        }
        const int high = hexValue(m_data.at(m_pos));
        const int low = hexValue(m_data.at(m_pos + 1));
        if (high < 0 || low < 0)
            return; // not a character; the bytes are read again as text
        m_pos += 2;
        character(fromCp1252(static_cast<unsigned char>(high * 16 + low)));
    }

    void unicodeCharacter(int value) {
        // Numbers above 32767 are written negative.
        if (value < 0)
            value += 65536;
        if (value > 0 && value <= 0xFFFF) {
            const QChar c{char16_t(value)};
            // A character beyond the first plane comes as two halves; a half on its own
            // is no character.
            if (c.isHighSurrogate()) {
                m_highSurrogate = c;
            } else if (c.isLowSurrogate()) {
                if (!m_highSurrogate.isNull()) {
                    character(m_highSurrogate, true);
                    character(c, true);
                }
                m_highSurrogate = QChar();
            } else {
                m_highSurrogate = QChar();
                character(c, true);
            }
        }
        m_unicodeSkipLeft = m_state.unicodeSkip;
    }

    void byteOfText(unsigned char byte) {
        m_firstInGroup = false;
        if (byte < 0x20 && byte != '\t')
            return; // control bytes are not text
        character(fromCp1252(byte));
    }

    // One character of text, or the stand-in for a Unicode character when one is due.
    void character(QChar c, bool unicode = false) {
        if (!unicode && m_unicodeSkipLeft > 0) {
            --m_unicodeSkipLeft;
            return;
        }
        // The second half of a character beyond the first plane must follow the first.
        if (!c.isLowSurrogate())
            m_highSurrogate = QChar();
        // Control characters, however written, are no text; a tab is.
        if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
            return;
        switch (m_state.destination) {
        case Destination::Text:
            m_text += c;
            m_paragraph = m_state;
            break;
        case Destination::FontTable:
            if (c == QLatin1Char(';'))
                commitFont();
            else
                m_fontName += c;
            break;
        case Destination::ColourTable:
            if (c == QLatin1Char(';')) {
                m_colours.append(m_colourStarted ? m_pendingColour : QColor());
                m_formats.clear();
                m_colourStarted = false;
            }
            break;
        case Destination::Skip:
            break;
        }
    }

    void commitFont() {
        const QString name = m_fontName.trimmed();
        if (m_fontNumber >= 0 && !name.isEmpty() && !m_fonts.contains(m_fontNumber)) {
            m_fonts.insert(m_fontNumber, name);
            m_formats.clear();
        }
        m_fontName.clear();
        m_fontNumber = -1;
    }

    // ---- Output ----

    void paragraph() {
        if (m_unicodeSkipLeft > 0) {
            --m_unicodeSkipLeft;
            return;
        }
        if (m_state.destination != Destination::Text)
            return;
        flush();
        m_paragraph = m_state;
        m_cursor.setBlockFormat(blockFormat(m_paragraph));
        m_cursor.insertBlock(blockFormat(m_paragraph));
    }

    void paragraphChanged() {
        if (m_state.destination == Destination::Text)
            m_paragraph = m_state;
    }

    // Writes the text read since the last change, in the formatting it was read in.
    void flush() {
        if (m_text.isEmpty())
            return;
        m_cursor.insertText(m_text, cachedCharFormat(m_paragraph));
        m_text.clear();
    }

    // A text of many runs uses few formats: each is made once (and again when the font or
    // colour table grows after it).
    const QTextCharFormat &cachedCharFormat(const State &state) {
        const FormatKey key{quint64(state.bold) | quint64(state.italic) << 1 | quint64(state.underline) << 2 |
                                quint64(quint32(state.halfPoints)) << 3 |
                                quint64(quint32(state.colour)) << 32,
                            state.font};
        auto found = m_formats.find(key);
        if (found == m_formats.end())
            found = m_formats.insert(key, charFormat(state));
        return *found;
    }

    QTextCharFormat charFormat(const State &state) const {
        QTextCharFormat format;
        format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(state.italic);
        format.setFontUnderline(state.underline);
        format.setFontPointSize(state.halfPoints / 2.0);
        if (state.colour > 0 && state.colour < m_colours.size() && m_colours.at(state.colour).isValid())
            format.setForeground(m_colours.at(state.colour));
        const auto font = m_fonts.constFind(state.font);
        if (font != m_fonts.constEnd())
            format.setFontFamilies({*font});
        return format;
    }

    static QTextBlockFormat blockFormat(const State &state) {
        // Spacing and indents are in twips, 15 to a screen pixel.
        QTextBlockFormat format;
        format.setAlignment(state.alignment);
        format.setTopMargin(state.spaceBefore / 15.0);
        format.setBottomMargin(state.spaceAfter / 15.0);
        format.setLeftMargin(state.leftIndent / 15.0);
        format.setTextIndent(state.firstIndent / 15.0);
        return format;
    }

    const QByteArray &m_data;
    qsizetype m_pos = 0;
    QTextCursor m_cursor;

    State m_state;
    std::vector<State> m_stack;
    int m_overflow = 0; // groups opened beyond the depth limit and not yet closed
    bool m_firstInGroup = false;
    int m_unicodeSkipLeft = 0; // stand-in characters still to leave out
    QChar m_highSurrogate;     // the first half of a character beyond the first plane

    // The text read and not yet written, and the state it was read in (also what the
    // current paragraph looks like).
    QString m_text;
    State m_paragraph;

    QHash<int, QString> m_fonts;
    int m_fontNumber = -1;
    QString m_fontName;
    int m_defaultFont = -1;

    using FormatKey = std::pair<quint64, int>; // the flags, size and colour; the font
    QHash<FormatKey, QTextCharFormat> m_formats;

    QList<QColor> m_colours;
    QColor m_pendingColour;
    bool m_colourStarted = false;
};

} // namespace

bool IsRtf(const QByteArray &data) {
    // Blanks, line ends and a UTF-8 byte-order mark may come first.
    qsizetype i = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < data.size() &&
           (data.at(i) == ' ' || data.at(i) == '\r' || data.at(i) == '\n' || data.at(i) == '\t'))
        ++i;
    return data.mid(i, 5) == "{\\rtf";
}

void Read(const QByteArray &data, QTextDocument &document) {
    document.clear();
    if (!IsRtf(data)) {
        QString text = QString::fromUtf8(data);
        // Control characters other than tabs and line ends are no text to show.
        text.removeIf([](QChar c) {
            return c.category() == QChar::Other_Control && c != QLatin1Char('\t') && c != QLatin1Char('\n');
        });
        document.setPlainText(text);
        return;
    }
    // Nobody undoes reading a file; recording each run for it would only cost time.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    Reader(data, document).run();
    document.setUndoRedoEnabled(undo);
}

} // namespace rtf

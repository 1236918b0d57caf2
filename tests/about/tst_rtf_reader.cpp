// The program's own rich-text reader: the delivered About text shown with its formatting,
// the constructs of the format, and bytes that are no well-formed rich text at all.
#include "TestAppFolder.h"
#include "TestMain.h"

#include "about/RtfReader.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

namespace {

QByteArray deliveredAbout() {
    QFile file(testDataFolder() + QStringLiteral("/text/About.rtf"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The document's paragraphs, one a line, each character as read (line separators and
// non-breaking blanks as they are).
QString plainText(const QTextDocument &document) {
    QStringList paragraphs;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        paragraphs << b.text();
    return paragraphs.join(QLatin1Char('\n'));
}

QString plainText(const QByteArray &rtf) {
    QTextDocument document;
    rtf::Read(rtf, document);
    return plainText(document);
}

// The character format at the start of the first occurrence of `text`, with the block that
// holds it; false when the text does not occur within one fragment.
bool formatOf(const QTextDocument &document, const QString &text, QTextCharFormat &format,
              QTextBlock &block) {
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.text().contains(text)) {
                format = fragment.charFormat();
                block = b;
                return true;
            }
        }
    }
    return false;
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT
private slots:
    void deliveredFormatting_data();
    void deliveredFormatting();
    void deliveredStructure();
    void constructs_data();
    void constructs();
    void malformed_data();
    void malformed();
    void truncatedDeliveredFile();
    void randomBytes();
};

void TestRtfReader::deliveredFormatting_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<double>("points");
    QTest::addColumn<QColor>("colour"); // invalid: the automatic colour
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("alignment");

    const QColor automatic;
    const int left = int(Qt::AlignLeft);
    const int centre = int(Qt::AlignHCenter);
    QTest::newRow("title") << "Brisola" << true << false << false << 14.0 << QColor(0, 0, 128)
                           << "Comic Sans MS" << centre;
    QTest::newRow("subtitle") << "The record book" << false << true << false << 8.0 << QColor(96, 96, 96)
                              << "Verdana" << centre;
    QTest::newRow("body") << "keeps the records" << false << false << false << 8.5 << automatic << "Verdana"
                          << left;
    QTest::newRow("heading in colour")
        << "Day to day" << true << false << false << 9.0 << QColor(0, 100, 0) << "Verdana" << left;
    QTest::newRow("tab name in italics")
        << "Add Clients" << false << true << false << 8.5 << automatic << "Verdana" << left;
    QTest::newRow("underlined advice")
        << "close Brisola first" << false << false << true << 8.5 << automatic << "Verdana" << left;
    QTest::newRow("bold file name") << "home/home.qd" << true << false << false << 8.5 << automatic
                                    << "Verdana" << left;
    QTest::newRow("red warning") << "Nothing is sent anywhere:" << true << false << false << 8.5
                                 << QColor(160, 0, 0) << "Verdana" << left;
    QTest::newRow("small print") << "made with Qt" << false << false << false << 7.0 << QColor(96, 96, 96)
                                 << "Verdana" << centre;
}

void TestRtfReader::deliveredFormatting() {
    QFETCH(QString, text);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, underline);
    QFETCH(double, points);
    QFETCH(QColor, colour);
    QFETCH(QString, family);
    QFETCH(int, alignment);

    const QByteArray rtf = deliveredAbout();
    QVERIFY(!rtf.isEmpty());
    QTextDocument document;
    rtf::Read(rtf, document);
    QTextCharFormat format;
    QTextBlock block;
    QVERIFY2(formatOf(document, text, format, block), qPrintable(text));
    QCOMPARE(format.fontWeight() >= QFont::Bold, bold);
    QCOMPARE(format.fontItalic(), italic);
    QCOMPARE(format.fontUnderline(), underline);
    QCOMPARE(format.fontPointSize(), points);
    if (colour.isValid())
        QCOMPARE(format.foreground().color(), colour);
    else
        QCOMPARE(format.foreground().style(), Qt::NoBrush);
    QCOMPARE(format.fontFamilies().toStringList().value(0), family);
    QCOMPARE(int(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask), alignment);
}

void TestRtfReader::deliveredStructure() {
    QTextDocument document;
    rtf::Read(deliveredAbout(), document);
    const QString text = document.toPlainText();
    // Paragraphs as paragraphs: the title, the subtitle and the body each stand alone.
    QCOMPARE(document.begin().text(), QStringLiteral("Brisola"));
    QVERIFY(document.blockCount() >= 10);
    int bullets = 0;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        if (b.text().startsWith(QStringLiteral("\u2022\t"))) {
            ++bullets;
            // The list hangs its bullet into the indent.
            QVERIFY(b.blockFormat().leftMargin() > 0);
            QVERIFY(b.blockFormat().textIndent() < 0);
        }
    }
    QCOMPARE(bullets, 4);
    QVERIFY(text.contains(QStringLiteral("business\u2019s own profile")));
    QVERIFY(text.contains(QStringLiteral("2.0 \u2014 made")));
    // The tables and the generator note are no text.
    QVERIFY(!text.contains(QStringLiteral("Verdana")));
    QVERIFY(!text.contains(QStringLiteral("Comic")));
    QVERIFY(!text.contains(QStringLiteral("Verdana;")));
    QVERIFY(!text.contains(QStringLiteral("by hand")));
    QVERIFY(!text.contains(QLatin1Char('\\')));
    QVERIFY(!text.contains(QLatin1Char('{')));
}

void TestRtfReader::constructs_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("paragraphs") << QByteArray("{\\rtf1 one\\par two\\par three}") << "one\ntwo\nthree";
    QTest::newRow("line break in a paragraph") << QByteArray("{\\rtf1 one\\line two}") << "one\u2028two";
    QTest::newRow("file line ends are no text")
        << QByteArray("{\\rtf1 one\r\ntwo\n three}") << "onetwo three";
    QTest::newRow("escaped characters") << QByteArray("{\\rtf1 a\\\\b\\{c\\}d}") << "a\\b{c}d";
    QTest::newRow("code page characters")
        << QByteArray("{\\rtf1 caf\\'e9 \\'80 \\'93q\\'94}") << "caf\u00e9 \u20ac \u201cq\u201d";
    QTest::newRow("unicode with stand-in")
        << QByteArray("{\\rtf1 \\u8364?5 \\u-4064?x}") << "\u20ac5 \uf020x";
    QTest::newRow("unicode, two stand-ins") << QByteArray("{\\rtf1\\uc2 \\u233\\'65\\'65!}") << "\u00e9!";
    QTest::newRow("unicode beyond the first plane")
        << QByteArray("{\\rtf1 \\u-10179?\\u-8704?!}") << QString::fromUtf8("\xF0\x9F\x98\x80!");
    QTest::newRow("blank ending a word belongs to it")
        << QByteArray("{\\rtf1 \\b bold\\b0  two}") << "bold two";
    QTest::newRow("non-breaking blank and hyphens")
        << QByteArray("{\\rtf1 a\\~b\\-c\\_d}") << "a\u00a0bc\u2011d";
    QTest::newRow("tab") << QByteArray("{\\rtf1 a\\tab b}") << "a\tb";
    QTest::newRow("ignorable destination") << QByteArray("{\\rtf1 a{\\*\\mine hidden}b}") << "ab";
    QTest::newRow("skipped destinations")
        << QByteArray("{\\rtf1{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}"
                      "{\\pict\\pngblip 89504e47}x}")
        << "x";
    QTest::newRow("field shows its result") << QByteArray("{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}"
                                                          "{\\fldrslt shown}}}")
                                            << "shown";
    QTest::newRow("binary data skipped") << QByteArray("{\\rtf1 a\\bin3 {}\\b}") << "ab";
    QTest::newRow("group ends restore the formatting") << QByteArray("{\\rtf1 {\\b x}y}") << "xy";
    QTest::newRow("byte-order mark and blanks first") << QByteArray("\xEF\xBB\xBF  {\\rtf1 x}") << "x";
    QTest::newRow("plain text shows as it is")
        << QByteArray("Just text, \\b not rtf {}") << "Just text, \\b not rtf {}";
}

void TestRtfReader::constructs() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(plainText(rtf), text);
}

void TestRtfReader::malformed_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("shown"); // text that must still be read, if any

    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("opening only") << QByteArray("{\\rtf") << "";
    QTest::newRow("closing braces too many") << QByteArray("{\\rtf1 {\\b bold}}}} after}}") << "bold after";
    QTest::newRow("closing braces missing") << QByteArray("{\\rtf1 {\\b {\\i open") << "open";
    QTest::newRow("unknown control words")
        << QByteArray("{\\rtf1 \\foo12 \\bar-5 \\zzz text\\qqq}") << "text";
    QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 end\\") << "end";
    QTest::newRow("hex cut short") << QByteArray("{\\rtf1 end\\'") << "end";
    QTest::newRow("hex half") << QByteArray("{\\rtf1 end\\'4") << "end";
    QTest::newRow("hex not hex") << QByteArray("{\\rtf1 a\\'zzb}") << "a";
    QTest::newRow("huge numbers") << QByteArray(
                                         "{\\rtf1 \\fs99999999999999999999 \\cf-99999999999 \\f123456789012 "
                                         "\\sa999999999 \\li-99999 \\uc99999 x}")
                                  << "x";
    QTest::newRow("colour beyond the table")
        << QByteArray("{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\cf9 x}") << "x";
    QTest::newRow("colour parts out of range")
        << QByteArray("{\\rtf1{\\colortbl;\\red-4\\green999\\blue3;}\\cf1 x}") << "x";
    QTest::newRow("unicode out of range") << QByteArray("{\\rtf1 \\u99999999999 a\\u-99999 b\\u0 c}") << "";
    QTest::newRow("lone surrogate halves") << QByteArray("{\\rtf1 \\u-10179?a\\u-8704?b}") << "ab";
    QTest::newRow("binary length beyond the end") << QByteArray("{\\rtf1 a\\bin2147483647 xyz") << "a";
    QTest::newRow("binary length negative") << QByteArray("{\\rtf1 a\\bin-5 b}") << "ab";
    QTest::newRow("NUL and control bytes")
        << QByteArray("{\\rtf1 a\0b\x01\x02\x1b c}\\'00\\'1b", 24) << "ab c";
    QTest::newRow("control word of a thousand letters")
        << QByteArray("{\\rtf1 \\") + QByteArray(1000, 'x') + QByteArray(" after}") << "after";
    QTest::newRow("number of a thousand digits")
        << QByteArray("{\\rtf1 \\fs") + QByteArray(1000, '9') + QByteArray(" after}") << "after";
    QTest::newRow("deep nesting") << QByteArray("{\\rtf1 ") + QByteArray(100000, '{') + QByteArray("deep") +
                                         QByteArray(100000, '}')
                                  << "deep";
    QTest::newRow("deep nesting, never closed") << QByteArray("{\\rtf1 ") + QByteArray(200000, '{') + "deep"
                                                << "deep";
    QTest::newRow("only closing braces") << QByteArray("{\\rtf1 ") + QByteArray(200000, '}') + "x"
                                         << "x";
    QTest::newRow("font table without end") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Verdana") << "";
    QTest::newRow("plain binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "PNG";
}

void TestRtfReader::malformed() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, shown);
    const QString text = plainText(rtf);
    QVERIFY2(text.contains(shown), qPrintable(text.left(200)));
    // No markup leaks into what is shown.
    if (rtf::IsRtf(rtf)) {
        QVERIFY(!text.contains(QStringLiteral("\\rtf")));
        QVERIFY(!text.contains(QLatin1Char('\0')));
    }
}

void TestRtfReader::truncatedDeliveredFile() {
    // A file cut short anywhere is read without harm, and shows the text up to the cut and
    // nothing else. A cut inside a control word may leave another word (\pard cut to \par),
    // so the text is compared only where the cut falls outside one.
    const QByteArray rtf = deliveredAbout();
    const QString whole = plainText(rtf);
    QVERIFY(!whole.isEmpty());
    const QRegularExpression insideWord(QStringLiteral("\\\\[a-z]+-?[0-9]*$"));
    for (qsizetype length = 5; length < rtf.size(); ++length) {
        const QString cut = plainText(rtf.left(length));
        if (insideWord.match(QString::fromLatin1(rtf.left(length).right(40))).hasMatch())
            continue;
        if (!whole.startsWith(cut))
            QFAIL(qPrintable(QStringLiteral("cut at %1 shows \"%2\"").arg(length).arg(cut.right(40))));
    }
}

void TestRtfReader::randomBytes() {
    // Fixed seeds: the same bytes on every run.
    for (quint32 seed = 1; seed <= 20; ++seed) {
        QRandomGenerator random(seed);
        QByteArray body(16384, '\0');
        for (char &c : body)
            c = char(random.bounded(256));
        // Biased towards the characters that mean something to the reader.
        for (int i = 0; i < 2000; ++i)
            body[random.bounded(body.size())] = "{}\\'*"[random.bounded(5)];
        QTextDocument document;
        rtf::Read(QByteArray("{\\rtf1\\ansi ") + body, document);
        QVERIFY(document.characterCount() > 0);
        QVERIFY(!plainText(document).contains(QLatin1Char('\0')));
    }
}

BRISOLA_TEST_MAIN(TestRtfReader)
#include "tst_rtf_reader.moc"

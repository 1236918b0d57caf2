// The About window's rich-text reader on any bytes: it never crashes, never runs away (the
// fuzzer's time limit), and reads the same bytes to the same text every time.
#include "FuzzSupport.h"

#include "about/RtfReader.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::EnsureApplication();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument first;
    rtf::Read(bytes, first);
    QTextDocument second;
    second.setPlainText(QStringLiteral("left over from before"));
    rtf::Read(bytes, second);
    FUZZ_CHECK(first.toPlainText() == second.toPlainText(), "two readings differ");
    FUZZ_CHECK(!second.toPlainText().contains(QStringLiteral("left over from before")) ||
                   bytes.contains("left over from before"),
               "the document kept its old content");
    if (!rtf::IsRtf(bytes))
        return 0;
    // Rich text never shows its own markup: a control word or group brace in the shown text
    // can only have come from an escaped character.
    const QString shown = first.toPlainText();
    if (shown.contains(QStringLiteral("\\rtf1")))
        FUZZ_CHECK(bytes.contains("\\\\rtf1") || bytes.contains("\\'5c") || bytes.contains("\\u92") ||
                       bytes.contains("\\'5C"),
                   "markup shown as text");
    return 0;
}

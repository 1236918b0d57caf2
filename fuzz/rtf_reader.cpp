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
    return 0;
}

// What the fuzz targets share: a headless application made on first use, a scratch copy of
// the delivered database, and a way of cutting the fuzzer's bytes into text fields. The same
// targets run under libFuzzer and, for the committed corpus, under the plain replay driver.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fuzz {

// A message box the code under test opens would wait for a click for ever: for a target it
// is a finding, reported with its text.
class NoMessageBoxes : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show) {
            if (auto *box = qobject_cast<QMessageBox *>(watched)) {
                std::fprintf(stderr, "unexpected message box: %s\n", qPrintable(box->text()));
                std::abort();
            }
        }
        return false;
    }
};

inline void EnsureApplication() {
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QApplication *app = new QApplication(argc, argv);
    app->installEventFilter(new NoMessageBoxes);
}

// The bytes after `offset`, cut at every 0x1E byte into fields read as UTF-8 (invalid
// sequences become replacement characters, as text pasted from elsewhere would).
inline QStringList Fields(const uint8_t *data, size_t size, size_t offset, int atLeast) {
    QStringList fields;
    size_t start = offset;
    for (size_t i = offset; i <= size; ++i) {
        if (i == size || data[i] == 0x1E) {
            if (start <= size)
                fields << QString::fromUtf8(reinterpret_cast<const char *>(data) + start,
                                            qsizetype(i - start));
            start = i + 1;
        }
    }
    while (fields.size() < atLeast)
        fields << QString();
    return fields;
}

// A single-precision amount from four bytes; amounts that are not finite numbers cannot be
// typed (the number rule refuses them) and become 0.
inline float Amount(const uint8_t *data, size_t size, size_t offset) {
    uint8_t bytes[4] = {};
    for (size_t i = 0; i < 4 && offset + i < size; ++i)
        bytes[i] = data[offset + i];
    float value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return std::isfinite(value) ? value : 0.0f;
}

} // namespace fuzz

// A broken property: said on stderr, then abort(), which libFuzzer and the replay driver
// both report as a finding.
#define FUZZ_CHECK(condition, ...)                                                                           \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::fprintf(stderr, __VA_ARGS__);                                                               \
            std::fprintf(stderr, "\n");                                                                      \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

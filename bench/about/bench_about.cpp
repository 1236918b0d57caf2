// Times the About window on a large description: a generated RTF file of one paragraph made
// of many short bold, italic and underlined runs (the hardest shape for a reader that writes
// run by run), read into a document, and opened in the About window until it is painted.
//
//   bench_about [--kib N] [--runs N]
#include "about/RtfReader.h"
#include "about/frmAbout.h"
#include "startup/modGlobal.h"

#include "Timing.h"
#include <QAbstractTextDocumentLayout>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>

namespace {

// One paragraph of runs until the file holds `bytes` bytes.
QByteArray generatedRtf(qsizetype bytes) {
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Verdana;}{\\f1 Arial;}}"
                     "{\\colortbl;\\red0\\green0\\blue128;\\red192\\green0\\blue0;}\\pard\\fs17 ";
    const char *const runs[] = {"{\\b bold words} ",        "{\\i italic words} ",
                                "{\\ul underlined words} ", "{\\b\\i\\cf1 bold italic} ",
                                "plain text with \\'e9 ",   "{\\f1\\cf2 other font} "};
    for (int i = 0;; ++i) {
        const char *run = runs[i % std::size(runs)];
        if (rtf.size() + qsizetype(qstrlen(run)) + 1 > bytes)
            break;
        rtf += run;
    }
    rtf += '}';
    return rtf;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    qsizetype kib = 1024;
    int runs = 3;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--kib"))
            kib = std::clamp<qsizetype>(args[++i].toLongLong(), 1, frmAbout::MaxTextBytes / 1024);
        else if (args[i] == QLatin1String("--runs"))
            runs = std::max(1, args[++i].toInt());
    }

    const QByteArray rtf = generatedRtf(kib * 1024);
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("text"));
    QFile file(QDir(folder.path()).filePath(QStringLiteral("text/About.rtf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size()) {
        std::fprintf(stderr, "the About text could not be written\n");
        return 1;
    }
    file.close();
    modGlobal::SetApplicationFolder(folder.path());

    int characters = 0;
    const bench::Timing read = bench::Time(runs, [&](int) {
        QTextDocument document;
        rtf::Read(rtf, document);
        characters = document.characterCount();
    });
    std::printf("%lld bytes of RTF in one paragraph, %d characters shown\n", qlonglong(rtf.size()),
                characters);
    bench::Report("read into a document", read);
    if (characters < rtf.size() / 2) {
        std::fprintf(stderr, "the generated text was not read whole\n");
        return 1;
    }

    // As the user meets it: the window made, the text read into its box and laid out, and
    // the window painted.
    bool shownWhole = true;
    QList<double> loads;
    const bench::Timing open = bench::Time(runs, [&](int) {
        QElapsedTimer load;
        load.start();
        frmAbout about;
        about.Form_Load();
        loads << load.nsecsElapsed() / 1e6;
        shownWhole = about.rtBox->document()->characterCount() == characters && shownWhole;
        about.show();
        about.rtBox->document()->documentLayout()->documentSize();
        QApplication::processEvents();
        about.rtBox->viewport()->grab();
    });
    bench::Report("About window opened and painted", open);
    std::printf("  of which made and loaded, before it shows: mean %.1f ms\n",
                std::accumulate(loads.cbegin(), loads.cend(), 0.0) / loads.size());

    modGlobal::SetApplicationFolder(QString());
    if (!shownWhole)
        std::fprintf(stderr, "the About window did not show the whole text\n");
    return shownWhole ? 0 : 1;
}

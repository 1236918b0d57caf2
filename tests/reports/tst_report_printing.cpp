// Printing an invoice and a note: straight to the default printer without any dialog, to
// printed/<identifier>.pdf with one message when no printer is installed, a failed print
// told and the stored records untouched; and the pages as they come out in a PDF.
#include "ReportFixture.h"
#include "TestMain.h"

#include "reports/Paginator.h"
#include "reports/ReportLayout.h"

#include "reports/Renderer.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>

using namespace reports;

namespace {

// Top-level windows that are shown, message boxes aside (the helper records those).
int shownWindows() {
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !qobject_cast<QMessageBox *>(w))
            ++count;
    }
    return count;
}

} // namespace

class TestReportPrinting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!hasPdfToText())
            QFAIL("pdftotext (poppler-utils) is needed: run scripts/setup.sh");
    }
    void noPrinterSavesPdf_data();
    void noPrinterSavesPdf();
    void defaultPrinterWithoutDialog_data();
    void defaultPrinterWithoutDialog();
    void failedPrintIsToldAndDataKept();
    void pdfThatCannotBeWrittenIsTold();
    void noteWithoutSelection();
    void unknownIdentifierPrintsNoDetail_data();
    void unknownIdentifierPrintsNoDetail();
    void longNoteWrapsInsideItsBox_data();
    void longNoteWrapsInsideItsBox();
    void longNoteGoesOnOverPages();
    void noteLinesStandAsEachLineSetAlone_data();
    void noteLinesStandAsEachLineSetAlone();
    void fileNameFromIdentifier_data();
    void fileNameFromIdentifier();
    void pdfHasEveryPage();
};

void TestReportPrinting::noPrinterSavesPdf_data() {
    QTest::addColumn<bool>("invoice");
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("invoice") << true << "INV-3"
                             << QStringList{"Sparkle & Shine Cleaning",
                                            "INV-3",
                                            "Ann Smith",
                                            "2.50",
                                            "$18.00",
                                            "$45.00",
                                            "$1,234.50",
                                            "$1,169.50",
                                            "Tuesday, March 06, 2007",
                                            "Oven cleaning",
                                            "12 Queen St",
                                            "Ottawa, ON K1A 0B1",
                                            "613-555-0101",
                                            "maria@sparkle.example",
                                            "INVOICE TOTAL:",
                                            "Invoice  Charges",
                                            "Brisola v2.0"};
    QTest::newRow("note")
        << false << "QDN-4"
        << QStringList{"Sparkle & Shine Cleaning", "Note",         "QDN-4",      "Tuesday, March 06, 2007",
                       "Water the plants",         "Brisola v2.0", "Note Number"};
}

void TestReportPrinting::noPrinterSavesPdf() {
    QFETCH(bool, invoice);
    QFETCH(QString, identifier);
    QFETCH(QStringList, expected);
    ReportFixture f;
    QVERIFY(f.seedOwner());
    QVERIFY(f.seedInvoice("INV-3"));
    QVERIFY(f.seedNote("QDN-4", "Water the plants"));
    const int windows = shownWindows();
    f.boxes.answer(QMessageBox::Ok);
    const bool out = invoice ? PrintInvoice(nullptr, identifier) : PrintNote(nullptr, identifier);
    QVERIFY(out);
    QCOMPARE(shownWindows(), windows);
    const QString path = f.folder.filePath(QStringLiteral("printed/") + identifier + QStringLiteral(".pdf"));
    QVERIFY(QFile::exists(path));
    QCOMPARE(f.boxes.count(), 1);
    QVERIFY2(f.boxes.last().text.contains(path), qPrintable(f.boxes.last().text));
    QCOMPARE(f.boxes.last().icon, QMessageBox::Information);
    QCOMPARE(f.boxes.last().title, QStringLiteral("Brisola"));
    QVERIFY(f.printers->jobs.isEmpty());
    // pdftotext reads runs of blanks as one.
    const QString text = pdfText(path).simplified();
    for (const QString &part : expected)
        QVERIFY2(text.contains(part.simplified()),
                 qPrintable(part + QStringLiteral(" missing in:\n") + text));
    QCOMPARE(pdfPageCount(path), 1);
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!DataReport::Instance().IsOpen(invoice ? Command::cmdInvoice : Command::cmdNotes));
}

void TestReportPrinting::defaultPrinterWithoutDialog_data() {
    QTest::addColumn<bool>("invoice");
    QTest::newRow("invoice") << true;
    QTest::newRow("note") << false;
}

void TestReportPrinting::defaultPrinterWithoutDialog() {
    QFETCH(bool, invoice);
    ReportFixture f;
    QVERIFY(f.seedOwner());
    QVERIFY(f.seedInvoice("INV-3"));
    QVERIFY(f.seedNote("QDN-4", "Water the plants"));
    f.printers->defaultPrinter = QStringLiteral("Office_Laser");
    const int windows = shownWindows();
    const QString id = invoice ? QStringLiteral("INV-3") : QStringLiteral("QDN-4");
    QVERIFY(invoice ? PrintInvoice(nullptr, id) : PrintNote(nullptr, id));
    QCOMPARE(f.boxes.count(), 0);
    QCOMPARE(shownWindows(), windows);
    QCOMPARE(f.printers->jobs.size(), 1);
    QCOMPARE(f.printers->jobs[0].printer, QStringLiteral("Office_Laser"));
    QCOMPARE(f.printers->jobs[0].name, id); // the queue shows the record's identifier
    QCOMPARE(f.printers->jobs[0].pages, 1);
    QVERIFY(f.printers->jobs[0].firstPageTexts.contains(id));
    QVERIFY(!QDir(f.folder.filePath("printed")).exists());
}

void TestReportPrinting::failedPrintIsToldAndDataKept() {
    ReportFixture f;
    QVERIFY(f.seedOwner());
    QVERIFY(f.seedInvoice("INV-3"));
    const QList<QVariantMap> before = f.folder.rows("SELECT * FROM tblInvoices");
    const QByteArray fileBefore = f.folder.readFile("home/home.qd");
    f.printers->defaultPrinter = QStringLiteral("Office_Laser");
    f.printers->fail = true;
    f.boxes.answer(QMessageBox::Ok);
    QVERIFY(!PrintInvoice(nullptr, QStringLiteral("INV-3")));
    QCOMPARE(f.boxes.count(), 1);
    QCOMPARE(f.boxes.last().icon, QMessageBox::Critical);
    QVERIFY(f.boxes.last().text.contains(QLatin1String("INV-3")));
    QVERIFY(f.boxes.last().text.contains(QLatin1String("Office_Laser")));
    QCOMPARE(f.folder.rows("SELECT * FROM tblInvoices"), before);
    QCOMPARE(f.folder.readFile("home/home.qd"), fileBefore);
    QVERIFY(!QApplication::overrideCursor());
}

void TestReportPrinting::pdfThatCannotBeWrittenIsTold() {
    ReportFixture f;
    QVERIFY(f.seedNote("QDN-1", "Soap"));
    // A file where the folder would be: nothing can be written into it.
    QFile blocker(f.folder.filePath("printed"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    f.boxes.answer(QMessageBox::Ok);
    QVERIFY(!PrintNote(nullptr, QStringLiteral("QDN-1")));
    QCOMPARE(f.boxes.count(), 1);
    QCOMPARE(f.boxes.last().icon, QMessageBox::Critical);
    QVERIFY(f.boxes.last().text.contains(QLatin1String("could not be saved")));
    QVERIFY(QFileInfo(f.folder.filePath("printed")).isFile());
}

void TestReportPrinting::noteWithoutSelection() {
    ReportFixture f;
    f.printers->defaultPrinter = QStringLiteral("Office_Laser");
    f.boxes.answer(QMessageBox::Ok);
    QVERIFY(!PrintNote(nullptr, QString()));
    QCOMPARE(f.boxes.count(), 1);
    QCOMPARE(f.boxes.last().text, QStringLiteral("Select a note to print! "));
    QCOMPARE(f.boxes.last().icon, QMessageBox::Warning);
    QCOMPARE(f.boxes.last().title, QStringLiteral("Brisola"));
    QVERIFY(f.printers->jobs.isEmpty());
}

void TestReportPrinting::unknownIdentifierPrintsNoDetail_data() {
    QTest::addColumn<bool>("invoice");
    QTest::addColumn<bool>("withProfile");
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("detailText");
    QTest::newRow("unknown invoice") << true << true << "INV-77"
                                     << "INVOICE TOTAL:";
    QTest::newRow("invoice without profile") << true << false << "INV-3"
                                             << "INVOICE TOTAL:";
    QTest::newRow("unknown note") << false << true << "QDN-77"
                                  << "Note Number";
}

void TestReportPrinting::unknownIdentifierPrintsNoDetail() {
    QFETCH(bool, invoice);
    QFETCH(bool, withProfile);
    QFETCH(QString, identifier);
    QFETCH(QString, detailText);
    ReportFixture f;
    if (withProfile)
        QVERIFY(f.seedOwner());
    QVERIFY(f.seedInvoice("INV-3"));
    QVERIFY(f.seedNote("QDN-4", "Water the plants"));
    f.boxes.answer(QMessageBox::Ok);
    QVERIFY(invoice ? PrintInvoice(nullptr, identifier) : PrintNote(nullptr, identifier));
    const QString text = pdfText(f.folder.filePath("printed/" + identifier + ".pdf"));
    QVERIFY2(text.contains(QLatin1String("Sparkle & Shine Cleaning")), qPrintable(text));
    QVERIFY2(!text.contains(detailText), qPrintable(text));
    QVERIFY(!text.contains(QLatin1String("Ann Smith")));
    QVERIFY(!text.contains(QLatin1String("Water the plants")));
}

void TestReportPrinting::longNoteWrapsInsideItsBox_data() {
    QTest::addColumn<QString>("note");
    QTest::addColumn<int>("minLines");
    QStringList words;
    for (int i = 1; i <= 120; ++i)
        words << QStringLiteral("word%1").arg(i);
    QTest::newRow("many words") << words.join(' ') << 3;
    QTest::newRow("one word longer than the box")
        << QStringLiteral("word") + QString(300, QLatin1Char('x')) << 2;
    QTest::newRow("lines of its own") << QStringLiteral("word1\r\nword2\nword3\rword4") << 4;
}

void TestReportPrinting::longNoteWrapsInsideItsBox() {
    QFETCH(QString, note);
    QFETCH(int, minLines);
    ReportFixture f;
    QVERIFY(f.seedNote("QDN-9", note));
    f.boxes.answer(QMessageBox::Ok);
    QVERIFY(PrintNote(nullptr, QStringLiteral("QDN-9")));
    const QList<PdfWord> found = pdfWords(f.folder.filePath("printed/QDN-9.pdf"));
    // The note's box in points (20 twips a point): left margin 400, top margin 500, the
    // detail below the 1728 page header, the box at 288, 1296, 10512 x 2160.
    const double left = (400 + 288) / 20.0, right = (400 + 288 + 10512) / 20.0;
    const double top = (500 + 1728 + 1296) / 20.0, bottom = (500 + 1728 + 1296 + 2160) / 20.0;
    QSet<int> lines;
    QString printed;
    for (const PdfWord &w : found) {
        if (w.yMin < top - 1 || w.yMin > bottom)
            continue;
        printed += w.text;
        QVERIFY2(w.xMin >= left - 1 && w.xMax <= right + 1, qPrintable(w.text));
        QVERIFY2(w.yMax <= bottom + 1, qPrintable(w.text));
        lines.insert(int(w.yMin));
    }
    // Every character shows (the note fits its box), and nothing else stands in it.
    QString expected = note;
    expected.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).remove(QLatin1Char(' '));
    QCOMPARE(printed, expected);
    QVERIFY2(lines.size() >= minLines, qPrintable(QString::number(lines.size())));
    // The ruled lines below stay free for handwriting: nothing stands below the box but the footer.
    for (const PdfWord &w : found) {
        if (w.yMin > bottom && w.yMin < (15840 - 1000 - 435) / 20.0)
            QFAIL(qPrintable(QStringLiteral("text below the note: ") + w.text));
    }
}

void TestReportPrinting::longNoteGoesOnOverPages() {
    QStringList words;
    for (int i = 1; i <= 2000; ++i)
        words << QStringLiteral("w%1").arg(i);
    ReportFixture f;
    QVERIFY(f.seedNote("QDN-9", words.join(' ')));
    f.boxes.answer(QMessageBox::Ok);
    QVERIFY(PrintNote(nullptr, QStringLiteral("QDN-9")));
    // Every word once, in order, over several pages.
    QStringList printed;
    const QList<PdfWord> found = pdfWords(f.folder.filePath("printed/QDN-9.pdf"));
    QVERIFY(!found.isEmpty() && found.last().page > 1);
    for (const PdfWord &w : found)
        printed << (QRegularExpression("^w\\d+$").match(w.text).hasMatch() ? w.text : QString());
    printed.removeAll(QString());
    QCOMPARE(printed, words);
}

void TestReportPrinting::noteLinesStandAsEachLineSetAlone_data() {
    QTest::addColumn<QString>("note");
    QTest::newRow("plain words over pages")
        << QStringLiteral("Dust the shelves, wipe the windows. ").repeated(400);
    QTest::newRow("accents, euro sign, Greek, Cyrillic, kerned pairs")
        << QStringLiteral("Ça va, Øyvind? 20 € — Καλημέρα, привет! AVAWATYA To Ty. ").repeated(80);
    QTest::newRow("scripts, marks and tabs among plain lines")
        << (QStringLiteral("清洁 שלום e\u0301te\u0301 fi ffl\tend\r\n") +
            QStringLiteral("Mop the kitchen floor.\r\n").repeated(3))
               .repeated(30);
}

// The note's lines in the PDF stand word for word where each line, set on its own with the
// painter's text drawing, would put them.
void TestReportPrinting::noteLinesStandAsEachLineSetAlone() {
    QFETCH(QString, note);
    ReportFixture f;
    const PageModel model =
        Paginate(rptNotes(), std::make_shared<Rowset>(QStringList{"NoteText"}, QList<QVariantList>{{note}}));
    const QString printed = f.folder.filePath("printed.pdf"), alone = f.folder.filePath("alone.pdf");
    QVERIFY(SavePdf(model, printed));
    QList<QList<PageItem>> noteItems;
    {
        QPdfWriter pdf(alone);
        pdf.setResolution(1440);
        pdf.setPageLayout(LetterFullPage());
        QPainter painter(&pdf);
        BeginTwips(painter, pdf);
        for (int page = 0; page < model.PageCount(); ++page) {
            QVERIFY(page == 0 || pdf.newPage());
            noteItems << QList<PageItem>();
            for (const PageItem &item : model.Items(page)) {
                if (item.linePitch == 0)
                    continue;
                noteItems.last() << item;
                painter.setFont(ReportFont(item.bold, item.pointSize));
                int top = item.top;
                for (const QString &line : item.text.split('\n')) {
                    painter.drawText(QRect(item.left, top, item.width, item.linePitch),
                                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line);
                    top += item.linePitch;
                }
            }
        }
    }
    auto inNote = [&](const PdfWord &w) {
        for (const PageItem &item : noteItems.value(w.page - 1)) {
            if (w.yMin * 20 >= item.top - 20 && w.yMax * 20 <= item.top + item.height + 20)
                return w.xMin * 20 >= item.left - 20;
        }
        return false;
    };
    auto placed = [](const PdfWord &w) {
        return QStringLiteral("%1 %2 %3 %4 %5 %6")
            .arg(w.page)
            .arg(w.xMin, 0, 'f', 2)
            .arg(w.yMin, 0, 'f', 2)
            .arg(w.xMax, 0, 'f', 2)
            .arg(w.yMax, 0, 'f', 2)
            .arg(w.text);
    };
    QStringList expected, found;
    for (const PdfWord &w : pdfWords(alone))
        expected << placed(w);
    for (const PdfWord &w : pdfWords(printed)) {
        if (inNote(w))
            found << placed(w);
    }
    QVERIFY(model.PageCount() > 1);
    QCOMPARE(found, expected);
}

void TestReportPrinting::fileNameFromIdentifier_data() {
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("invoice") << "INV-3"
                             << "INV-3.pdf";
    QTest::newRow("slashes") << "../../etc/x"
                             << ".._.._etc_x.pdf";
    QTest::newRow("blanks and apostrophes") << "QDN- 1'"
                                            << "QDN-_1_.pdf";
    QTest::newRow("empty") << ""
                           << "report.pdf";
    QTest::newRow("dots only") << ".."
                               << "report.pdf";
}

void TestReportPrinting::fileNameFromIdentifier() {
    QFETCH(QString, identifier);
    QFETCH(QString, fileName);
    ReportFixture f;
    const QString path = PrintedPdfPath(identifier);
    QCOMPARE(path, f.folder.filePath(QStringLiteral("printed/") + fileName));
}

void TestReportPrinting::pdfHasEveryPage() {
    ReportFixture f;
    QList<QVariantList> rows;
    for (int n = 1; n <= 3; ++n)
        rows << QVariantList{QStringLiteral("QD-%1").arg(n), QStringLiteral("Client %1").arg(n)};
    const PageModel model =
        Paginate(rptClient(), std::make_shared<Rowset>(QStringList{"ClientID", "Client"}, rows));
    const QString path = f.folder.filePath("sheets.pdf");
    int progressCalls = 0;
    QVERIFY(SavePdf(model, path, [&](int done) {
        ++progressCalls;
        return done > 0;
    }));
    QCOMPARE(progressCalls, 3);
    QCOMPARE(pdfPageCount(path), 3);
    for (int page = 1; page <= 3; ++page) {
        const QString text = pdfText(path, page, page);
        QVERIFY2(text.contains(QStringLiteral("Client %1").arg(page)), qPrintable(text));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Page\\s+%1\\s+of\\s+3").arg(page))));
        QVERIFY(text.contains(QLatin1String("Client Data Sheet")));
    }
    // The pages are set in Arial or its metric twin, so that text fills its boxes as laid out.
    QProcess fonts;
    fonts.start(QStringLiteral("pdffonts"), {path});
    QVERIFY(fonts.waitForFinished(60000));
    const QStringList fontLines = QString::fromUtf8(fonts.readAllStandardOutput()).split('\n').mid(2);
    QVERIFY(!fontLines.filter(QRegularExpression("\\S")).isEmpty());
    for (const QString &line : fontLines) {
        if (!line.trimmed().isEmpty())
            QVERIFY2(line.startsWith(QLatin1String("LiberationSans")) ||
                         line.startsWith(QLatin1String("Arial")),
                     qPrintable(line));
    }
    // A stopped write leaves the earlier file as it was.
    const QByteArray before = f.folder.readFile("sheets.pdf");
    QVERIFY(!SavePdf(model, path, [](int done) { return done < 2; }));
    QCOMPARE(f.folder.readFile("sheets.pdf"), before);
}

BRISOLA_TEST_MAIN(TestReportPrinting)
#include "tst_report_printing.moc"

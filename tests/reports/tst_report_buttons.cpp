// The four report buttons of the Utilities tab and the preview window: the emptiness
// checks, one preview per report however often its button is pressed, the preview's
// caption, icon, paging and zoom, painting only what is on screen, saving as PDF, and what
// the saved pages hold.
#include "AccessibleNames.h"
#include "MainWindowFixture.h"
#include "ReportFixture.h"
#include "TestMain.h"

#include "reports/Reports.h"
#include "reports/frmReportPreview.h"

#include <QComboBox>
#include <QLabel>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QToolBar>

using namespace reports;

namespace {

// The main window with its own folder, releasing the report data source afterwards.
struct ButtonsFixture : MainWindowFixture {
    ButtonsFixture() {
        modGlobal::strCompany = QStringLiteral("Sparkle & Shine Cleaning");
        modGlobal::strOwnerName = QStringLiteral("Maria Lopez");
    }
    ~ButtonsFixture() {
        for (ListReport r : {ListReport::rptClientList, ListReport::rptClientType, ListReport::rptClient,
                             ListReport::rptAddress})
            UnloadReport(r);
        QApplication::processEvents();
        DataReport::Release();
        modGlobal::strCompany.clear();
        modGlobal::strOwnerName.clear();
    }
    bool seedAddress(const QString &id, const QString &first, const QString &last) {
        return folder.exec(
            QStringLiteral("INSERT INTO tblAddress (AddressID, FName, LName, FullName, City) VALUES "
                           "('%1', '%2', '%3', '%2 %3', 'Kingston')")
                .arg(id, first, last));
    }
    QPushButton *button(const QString &name) { return w->findChild<QPushButton *>(name); }
    void click(const QString &name) {
        parts->tabMain->setCurrentIndex(3);
        QTest::mouseClick(button(name), Qt::LeftButton);
        QApplication::processEvents();
    }
};

QList<frmReportPreview *> openPreviews() {
    QList<frmReportPreview *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *preview = qobject_cast<frmReportPreview *>(widget); preview && preview->isVisible())
            windows << preview;
    }
    return windows;
}

ListReport reportOf(const QString &button) {
    if (button == QLatin1String("cmdAddressList"))
        return ListReport::rptAddress;
    if (button == QLatin1String("cmdClientDataSheet"))
        return ListReport::rptClient;
    if (button == QLatin1String("cmdClientsByType"))
        return ListReport::rptClientType;
    return ListReport::rptClientList;
}

// Where the words of a PDF's pages stand, in reading order, one string per page.
QStringList pdfPages(const QString &path) {
    return pdfText(path).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
}

} // namespace

class TestReportButtons : public QObject {
    Q_OBJECT
private slots:
    void emptinessChecks_data();
    void emptinessChecks();
    void previewOfEachButton_data();
    void previewOfEachButton();
    void twoClicksLeaveOnePreview_data();
    void twoClicksLeaveOnePreview();
    void clientReportsShareTheirRows();
    void pagesThroughAndZooms();
    void paintsOnlyPagesOnScreen();
    void savedListsInOrder_data();
    void savedListsInOrder();
    void clientsByTypeOnePagePerType();
    void closingThePreviewWhileSaving();
    void pdfNameIsTheCaptionAndTheDay_data();
    void pdfNameIsTheCaptionAndTheDay();
    void cancelStopsLongOutput_data();
    void cancelStopsLongOutput();
    void unreadableDatabaseIsTold_data();
    void unreadableDatabaseIsTold();
    void printsThePagesAsked_data();
    void printsThePagesAsked();
};

void TestReportButtons::emptinessChecks_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("address list") << "cmdAddressList"
                                  << "No Address records were found! ";
    QTest::newRow("client list") << "cmdClientList"
                                 << "No Client records were found! ";
    QTest::newRow("data sheet") << "cmdClientDataSheet"
                                << "No Client records were found! ";
    QTest::newRow("by type") << "cmdClientsByType"
                             << "No Client records were found! ";
}

void TestReportButtons::emptinessChecks() {
    QFETCH(QString, button);
    QFETCH(QString, message);
    ButtonsFixture f;
    // The other table has rows: only the report's own table counts.
    if (button == QLatin1String("cmdAddressList"))
        QVERIFY(f.seedClient("QD-1", "Home", "Ann", "Ottawa"));
    else
        QVERIFY(f.seedAddress("A-1", "Bob", "Adams"));
    f.open();
    f.boxes.answer(QMessageBox::Ok);
    f.click(button);
    QCOMPARE(f.boxes.count(), 1);
    QCOMPARE(f.boxes.last().text, message);
    QCOMPARE(f.boxes.last().icon, QMessageBox::Warning);
    QCOMPARE(f.boxes.last().title, QStringLiteral("Brisola"));
    QVERIFY(!f.busyAtBox(0));
    QVERIFY(openPreviews().isEmpty());
    QVERIFY(!modGlobal::rsShared);
    QVERIFY(!QApplication::overrideCursor());
}

void TestReportButtons::previewOfEachButton_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("pages");
    QTest::newRow("address list") << "cmdAddressList"
                                  << "Brisola - Address List" << 2;
    QTest::newRow("client list") << "cmdClientList"
                                 << "Brisola - Client List" << 1;
    QTest::newRow("data sheet") << "cmdClientDataSheet"
                                << "Brisola - Client Data Sheet" << 3;
    QTest::newRow("by type") << "cmdClientsByType"
                             << "Brisola - Client List By Type" << 2;
}

void TestReportButtons::previewOfEachButton() {
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(int, pages);
    ButtonsFixture f;
    QVERIFY(f.seedClient("QD-1", "Home", "Ann", "Ottawa"));
    QVERIFY(f.seedClient("QD-2", "Church", "St Mary", "Ottawa"));
    QVERIFY(f.seedClient("QD-3", "Home", "Bea", "Ottawa"));
    QVERIFY(f.seedAddress("A-1", "Bob", "Adams"));
    QVERIFY(f.seedAddress("A-2", "Cy", "Brown"));
    f.open();
    f.click(button);
    QCOMPARE(f.boxes.count(), 0);
    const QList<frmReportPreview *> previews = openPreviews();
    QCOMPARE(previews.size(), 1);
    frmReportPreview *preview = previews[0];
    QCOMPARE(preview, OpenPreview(reportOf(button)));
    QCOMPARE(preview->windowTitle(), caption);
    QVERIFY(!preview->windowIcon().isNull());
    QCOMPARE(preview->windowModality(), Qt::NonModal);
    QCOMPARE(preview->Model().PageCount(), pages);
    QCOMPARE(preview->lblPageCount->text().trimmed(), QStringLiteral("of %1").arg(pages));
    QCOMPARE(AccessibleNameFaults(preview), QString());
    // The main window stays usable while the preview is open.
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(f.w->isEnabled());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(DataReport::Instance().IsOpen(CommandOf(reportOf(button))));
}

void TestReportButtons::twoClicksLeaveOnePreview_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("client list") << "cmdClientList";
    QTest::newRow("data sheet") << "cmdClientDataSheet";
    QTest::newRow("by type") << "cmdClientsByType";
    QTest::newRow("address list") << "cmdAddressList";
}

void TestReportButtons::twoClicksLeaveOnePreview() {
    QFETCH(QString, button);
    ButtonsFixture f;
    QVERIFY(f.seedClient("QD-1", "Home", "Ann", "Ottawa"));
    QVERIFY(f.seedAddress("A-1", "Bob", "Adams"));
    f.open();
    f.click(button);
    QPointer<frmReportPreview> first = OpenPreview(reportOf(button));
    QVERIFY(first);
    // Stored between the clicks: the second preview shows it.
    QVERIFY(f.seedClient("QD-2", "Retail", "Zed Shop", "Ottawa"));
    QVERIFY(f.seedAddress("A-2", "Zoe", "Young"));
    f.click(button);
    QApplication::processEvents();
    QVERIFY(!first || !first->isVisible());
    const QList<frmReportPreview *> previews = openPreviews();
    QCOMPARE(previews.size(), 1);
    QVERIFY(previews[0] != first.data());
    QStringList texts;
    for (int page = 0; page < previews[0]->Model().PageCount(); ++page)
        texts << previews[0]->Model().Texts(page);
    const QString fresh =
        button == QLatin1String("cmdAddressList") ? QStringLiteral("Zoe Young") : QStringLiteral("QD-2");
    QVERIFY2(texts.contains(fresh), qPrintable(texts.join('|')));
}

void TestReportButtons::clientReportsShareTheirRows() {
    ButtonsFixture f;
    QVERIFY(f.seedClient("QD-1", "Home", "Ann", "Ottawa"));
    f.open();
    f.click("cmdClientList");
    f.click("cmdClientDataSheet");
    // Opening the data sheet unloads only its own report: the list stays.
    QVERIFY(OpenPreview(ListReport::rptClientList));
    QVERIFY(OpenPreview(ListReport::rptClient));
    QCOMPARE(openPreviews().size(), 2);
    f.click("cmdClientList");
    QApplication::processEvents();
    QCOMPARE(openPreviews().size(), 2);
    QVERIFY(OpenPreview(ListReport::rptClient)->Model().Texts(0).contains(QStringLiteral("Ann")));
}

void TestReportButtons::pagesThroughAndZooms() {
    ButtonsFixture f;
    for (int i = 1; i <= 6; ++i)
        QVERIFY(f.seedClient(QStringLiteral("QD-%1").arg(i), "Home", QStringLiteral("C%1").arg(i), "Ottawa"));
    f.open();
    f.click("cmdClientDataSheet");
    frmReportPreview *p = OpenPreview(ListReport::rptClient);
    QVERIFY(p);
    QVERIFY(QTest::qWaitForWindowExposed(p));
    ReportPageView *view = p->View();
    QCOMPARE(view->CurrentPage(), 0);
    QVERIFY(!p->cmdPrevious->isEnabled());
    p->cmdNext->trigger();
    QCOMPARE(view->CurrentPage(), 1);
    QCOMPARE(p->txtPage->value(), 2);
    p->cmdLast->trigger();
    QCOMPARE(view->CurrentPage(), 5);
    QVERIFY(!p->cmdNext->isEnabled());
    p->txtPage->setValue(3);
    QCOMPARE(view->CurrentPage(), 2);
    p->cmdFirst->trigger();
    QCOMPARE(view->CurrentPage(), 0);
    // Zooming keeps the page in view.
    p->txtPage->setValue(4);
    p->cboZoom->setCurrentIndex(frmReportPreview::Zoom50);
    QCOMPARE(view->Zoom(), 0.5);
    QCOMPARE(view->CurrentPage(), 3);
    p->cboZoom->setCurrentIndex(frmReportPreview::Zoom200);
    QCOMPARE(view->Zoom(), 2.0);
    QCOMPARE(view->CurrentPage(), 3);
    p->cboZoom->setCurrentIndex(frmReportPreview::FitWidth);
    QVERIFY(qAbs(view->Zoom() * PaperWidth / 15.0 - (view->viewport()->width() - 2 * ReportPageView::Gap)) <
            2);
}

void TestReportButtons::paintsOnlyPagesOnScreen() {
    ButtonsFixture f;
    QVERIFY(f.folder.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
                          "INSERT INTO tblClients (ClientID, ClientType, Client) "
                          "SELECT 'QD-' || i, 'Home', 'Client ' || i FROM n"));
    f.open();
    f.click("cmdClientDataSheet");
    frmReportPreview *p = OpenPreview(ListReport::rptClient);
    QVERIFY(p);
    QCOMPARE(p->Model().PageCount(), 2000);
    QVERIFY(QTest::qWaitForWindowExposed(p));
    p->View()->viewport()->repaint();
    QVERIFY(!p->View()->PaintedPages().isEmpty());
    QVERIFY(p->View()->PaintedPages().size() <= 2);
    QCOMPARE(p->View()->PaintedPages().first(), 0);
    p->cmdLast->trigger();
    p->View()->viewport()->repaint();
    QVERIFY(p->View()->PaintedPages().size() <= 2);
    QCOMPARE(p->View()->PaintedPages().last(), 1999);
}

void TestReportButtons::savedListsInOrder_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("inOrder");
    QTest::addColumn<QString>("heading");
    QTest::newRow("address list by last then first name")
        << "cmdAddressList" << QStringList{"Bob Adams", "Zoe Adams", "Cy Brown"} << "Maria Lopez";
    QTest::newRow("client list by type then name")
        << "cmdClientList" << QStringList{"St Mary", "Ann", "Bea"} << "Sparkle & Shine Cleaning";
    QTest::newRow("data sheet by type then name")
        << "cmdClientDataSheet" << QStringList{"St Mary", "Ann", "Bea"} << "Sparkle & Shine Cleaning";
}

void TestReportButtons::savedListsInOrder() {
    QFETCH(QString, button);
    QFETCH(QStringList, inOrder);
    QFETCH(QString, heading);
    ButtonsFixture f;
    QVERIFY(f.seedClient("QD-1", "Home", "Bea", "Ottawa"));
    QVERIFY(f.seedClient("QD-2", "Church", "St Mary", "Ottawa"));
    QVERIFY(f.seedClient("QD-3", "Home", "Ann", "Ottawa"));
    QVERIFY(f.seedAddress("A-1", "Cy", "Brown"));
    QVERIFY(f.seedAddress("A-2", "Zoe", "Adams"));
    QVERIFY(f.seedAddress("A-3", "Bob", "Adams"));
    f.open();
    f.click(button);
    frmReportPreview *p = OpenPreview(reportOf(button));
    QVERIFY(p);
    const QString path = f.folder.filePath("saved.pdf");
    QVERIFY(p->SaveAsPdf(path));
    const QString text = pdfText(path);
    qsizetype at = -1;
    for (const QString &name : inOrder) {
        const qsizetype next = text.indexOf(name, at + 1);
        QVERIFY2(next > at, qPrintable(name + QStringLiteral(" out of order in:\n") + text));
        at = next;
    }
    const QStringList pages = pdfPages(path);
    for (int i = 0; i < pages.size(); ++i) {
        QVERIFY(pages[i].contains(heading));
        QVERIFY2(pages[i].simplified().contains(QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages.size())),
                 qPrintable(pages[i]));
    }
    // One entry per page for the data sheet and the address list.
    if (button != QLatin1String("cmdClientList"))
        QCOMPARE(pages.size(), inOrder.size());
}

void TestReportButtons::clientsByTypeOnePagePerType() {
    ButtonsFixture f;
    QVERIFY(f.seedClient("QD-1", "Apartment", "Bea", "Ottawa"));
    QVERIFY(f.seedClient("QD-2", "Church", "St Mary", "Ottawa"));
    QVERIFY(f.seedClient("QD-3", "Apartment", "Ann", "Ottawa"));
    QVERIFY(f.seedClient("QD-4", "Retail", "Shop", "Ottawa"));
    f.open();
    f.click("cmdClientsByType");
    frmReportPreview *p = OpenPreview(ListReport::rptClientType);
    QVERIFY(p);
    const QString path = f.folder.filePath("types.pdf");
    QVERIFY(p->SaveAsPdf(path));
    const QStringList pages = pdfPages(path);
    QCOMPARE(pages.size(), 3);
    const QStringList types{"Apartment", "Church", "Retail"};
    const QList<int> counts{2, 1, 1};
    for (int i = 0; i < 3; ++i) {
        const QString page = pages[i].simplified();
        QVERIFY2(page.contains(QStringLiteral("%1 %2").arg(counts[i]).arg(types[i])), qPrintable(page));
        for (int other = 0; other < 3; ++other) {
            if (other != i)
                QVERIFY2(!page.contains(types[other]), qPrintable(page));
        }
        QVERIFY(page.contains(QLatin1String("Client List By Type")));
        QVERIFY(page.contains(QLatin1String("$25.00")));
    }
    QVERIFY(pages[0].indexOf(QLatin1String("Ann")) < pages[0].indexOf(QLatin1String("Bea")));
}

// The name Save as PDF proposes, from the captions the reports carry.
void TestReportButtons::pdfNameIsTheCaptionAndTheDay_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("file");
    QTest::newRow("address list") << "Brisola - Address List"
                                  << "Address List 2026-12-08.pdf";
    QTest::newRow("by type") << "Brisola - Client List By Type"
                             << "Client List By Type 2026-12-08.pdf";
    QTest::newRow("invoice") << "Brisola  -  Invoice"
                             << "Invoice 2026-12-08.pdf";
    QTest::newRow("no folder separators") << "Notes a/b\\c"
                                          << "Notes a-b-c 2026-12-08.pdf";
}

void TestReportButtons::pdfNameIsTheCaptionAndTheDay() {
    QFETCH(QString, caption);
    QFETCH(QString, file);
    QCOMPARE(reports::PdfFileName(caption, QDate(2026, 12, 8)), file);
}

void TestReportButtons::closingThePreviewWhileSaving() {
    ButtonsFixture f;
    QVERIFY(f.folder.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 60) "
                          "INSERT INTO tblClients (ClientID, ClientType, Client) "
                          "SELECT 'QD-' || i, 'Home', 'Client ' || i FROM n"));
    f.open();
    f.click("cmdClientDataSheet");
    QPointer<frmReportPreview> p = OpenPreview(ListReport::rptClient);
    QVERIFY(p);
    const QString path = f.folder.filePath("stopped.pdf");
    // The button is pressed again while the pages are being written: the save stops, leaves
    // no file, and the old preview goes once it has stopped.
    bool clicked = false;
    QObject timerOwner; // no timer outlives this function's variables
    QTimer::singleShot(0, &timerOwner, [&] {
        clicked = true;
        f.click("cmdClientDataSheet");
    });
    QVERIFY(!p->SaveAsPdf(path));
    QVERIFY(clicked);
    QVERIFY(!QFile::exists(path));
    QTRY_VERIFY(!p);
    QCOMPARE(openPreviews().size(), 1);
    QCOMPARE(f.boxes.count(), 0);
}

void TestReportButtons::cancelStopsLongOutput_data() {
    QTest::addColumn<bool>("print");
    QTest::newRow("save as PDF") << false;
    QTest::newRow("print") << true;
}

void TestReportButtons::cancelStopsLongOutput() {
    QFETCH(bool, print);
    ButtonsFixture f;
    QVERIFY(f.folder.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40) "
                          "INSERT INTO tblClients (ClientID, ClientType, Client) "
                          "SELECT 'QD-' || i, 'Home', 'Client ' || i FROM n"));
    f.open();
    f.click("cmdClientDataSheet");
    frmReportPreview *p = OpenPreview(ListReport::rptClient);
    QVERIFY(p);
    // Cancel pressed in the progress window once the output has begun.
    int cancelled = 0;
    QObject timerOwner; // no timer outlives this function's variables
    std::function<void()> pressCancel = [&] {
        if (auto *progress = p->findChild<QProgressDialog *>(QStringLiteral("dlgProgress"))) {
            progress->cancel();
            ++cancelled;
            return;
        }
        QTimer::singleShot(0, &timerOwner, pressCancel);
    };
    QTimer::singleShot(0, &timerOwner, pressCancel);
    const QString path = f.folder.filePath("stopped.pdf");
    bool out = true;
    if (print) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        out = p->PrintPages(printer);
    } else {
        out = p->SaveAsPdf(path);
    }
    QVERIFY(!out);
    QCOMPARE(cancelled, 1);
    QVERIFY(!p->Busy());
    QCOMPARE(f.boxes.count(), 0); // a stop the user asked for is no failure
    if (!print)
        QVERIFY(!QFile::exists(path));
    // The preview goes on working.
    QVERIFY(p->isVisible());
    QVERIFY(p->SaveAsPdf(path));
    QCOMPARE(pdfPageCount(path), 40);
}

void TestReportButtons::unreadableDatabaseIsTold_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("address list") << "cmdAddressList";
    QTest::newRow("clients by type") << "cmdClientsByType";
}

void TestReportButtons::unreadableDatabaseIsTold() {
    QFETCH(QString, button);
    ButtonsFixture f;
    QVERIFY(f.seedClient("QD-1", "Home", "Ann", "Ottawa"));
    f.open();
    // The file goes away while the program runs: neither check nor report can read it.
    QVERIFY(QFile::remove(f.folder.databasePath()));
    f.boxes.answer(QMessageBox::Ok);
    f.click(button);
    QCOMPARE(f.boxes.count(), 1);
    QCOMPARE(f.boxes.last().icon, QMessageBox::Critical);
    QVERIFY2(f.boxes.last().text.startsWith(QLatin1String("The report could not read the database")),
             qPrintable(f.boxes.last().text));
    QVERIFY(!f.busyAtBox(0));
    QVERIFY(openPreviews().isEmpty());
    QVERIFY(!QFile::exists(f.folder.databasePath()));
    QVERIFY(!QApplication::overrideCursor());
}

void TestReportButtons::printsThePagesAsked_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QList<int>>("pages");
    QTest::newRow("all pages") << 0 << 0 << QList<int>{1, 2, 3, 4};
    QTest::newRow("pages 2 to 3") << 2 << 3 << QList<int>{2, 3};
    QTest::newRow("range past the end") << 4 << 9 << QList<int>{4};
}

void TestReportButtons::printsThePagesAsked() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QList<int>, pages);
    ButtonsFixture f;
    for (int i = 1; i <= 4; ++i)
        QVERIFY(f.seedClient(QStringLiteral("QD-%1").arg(i), "Home", QStringLiteral("C%1").arg(i), "Ottawa"));
    f.open();
    f.click("cmdClientDataSheet");
    frmReportPreview *p = OpenPreview(ListReport::rptClient);
    QVERIFY(p);
    QVERIFY(modGlobal::conShared);
    // A printer that writes a PDF stands for the one the print dialog chose.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = f.folder.filePath("printed.pdf");
    printer.setOutputFileName(path);
    if (from > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(from, to);
    }
    QVERIFY(p->PrintPages(printer));
    const QStringList printed = pdfPages(path);
    QCOMPARE(printed.size(), pages.size());
    for (int i = 0; i < pages.size(); ++i) {
        QVERIFY2(printed[i].simplified().contains(QStringLiteral("Page %1 of 4").arg(pages[i])),
                 qPrintable(printed[i]));
        QVERIFY(printed[i].contains(QStringLiteral("QD-%1").arg(pages[i])));
    }
}

BRISOLA_TEST_MAIN(TestReportButtons)
#include "tst_report_buttons.moc"

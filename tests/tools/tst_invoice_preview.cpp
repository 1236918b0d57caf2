// Tools > Preview Chosen Invoice: the stored invoice chosen on the Utilities tab laid out
// with the invoice report in the preview, saved as PDF; one invoice preview at a time; the
// notice when none is chosen and when the chosen one is gone; the records never changed.
#include "../main_window/MainWindowFixture.h"
#include "TestMain.h"
#include "ToolsFixture.h"

#include "reports/DataReport.h"
#include "reports/frmReportPreview.h"
#include "tools/InvoicePreview.h"

#include <QLabel>
#include <QProcess>
#include <QStandardPaths>

namespace {

QString pdfText(const QString &path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

QList<reports::frmReportPreview *> previews() {
    QList<reports::frmReportPreview *> open;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *preview = qobject_cast<reports::frmReportPreview *>(widget);
            preview && preview->isVisible())
            open << preview;
    }
    return open;
}

void seedInvoices(MainWindowFixture &f) {
    QVERIFY(f.folder.exec(QStringLiteral(
        "INSERT INTO tblOwner (OwnerID, LName, FName, Company, Address, City, State, Zip, Phone, Email, "
        "FullName) "
        "VALUES ('Lee - 1', 'Lee', 'Ann', 'Shine Cleaning', '2 Birch Rd', 'Bton', 'BC', '12345', '555-0199', "
        "'ann@example.com', 'Ann Lee')")));
    QVERIFY(f.folder.exec(QStringLiteral(
        "INSERT INTO tblInvoices (InvoiceID, ClientID, ServiceDate, Client, BAdd1, BAdd2, BCity, BState, "
        "BZip, "
        "Hours, Rate, HourAmt, OtherCharges, OtherAmt, PastDue, ContractFee, TotalAmt, AddDate) VALUES "
        "('INV-1', 'QD-1', '2019-05-14', 'Zoë Martin', '9 Elm St', '', 'Oakville', 'ON', 'L6J 1A1', 3, 20, "
        "60, "
        "'Oven cleaning', 25, 0, 0, 85, '2019-05-14 17:00:00'), "
        "('INV-2', 'QD-2', '2024-02-01', 'Bert Lund', '1 Bay Rd', 'Unit 4', 'Maple Bay', 'BC', 'V0R 2B0', 2, "
        "18, "
        "36, '', 0, 1169.5, 29, 1234.5, '2024-02-01 12:00:00')")));
}

} // namespace

class TestInvoicePreview : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        for (reports::frmReportPreview *preview : previews())
            preview->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        reports::DataReport::Release();
    }

    void previewOfAStoredInvoice_data() {
        QTest::addColumn<QString>("invoiceID");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("an old invoice")
            << QStringLiteral("INV-1")
            << QStringList{QStringLiteral("INV-1"),    QStringLiteral("Zoë Martin"),
                           QStringLiteral("Oakville"), QStringLiteral("Oven cleaning"),
                           QStringLiteral("$85.00"),   QStringLiteral("Shine Cleaning")};
        QTest::newRow("a recent invoice")
            << QStringLiteral("INV-2")
            << QStringList{QStringLiteral("INV-2"),     QStringLiteral("Bert Lund"),
                           QStringLiteral("Unit 4"),    QStringLiteral("$1,234.50"),
                           QStringLiteral("$1,169.50"), QStringLiteral("Shine Cleaning")};
    }

    void previewOfAStoredInvoice() {
        QFETCH(QString, invoiceID);
        QFETCH(QStringList, expected);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext (poppler-utils) is needed: run scripts/setup.sh");
        MainWindowFixture f;
        seedInvoices(f);
        MainWindowParts &w = f.open();
        const QByteArray records = fileBytes(f.folder.databasePath());
        w.tabMain->setCurrentIndex(3);
        MainWindowFixture::clickRow(w.lvInvoices, MainWindowFixture::rowOf(w.lvInvoices, invoiceID));
        QCOMPARE(w.lblInvoice[0]->text(), invoiceID);

        w.mnuToolsPreviewInvoice->trigger();
        QCOMPARE(f.boxes.count(), 0);
        const QList<reports::frmReportPreview *> open = previews();
        QCOMPARE(open.size(), 1);
        reports::frmReportPreview *preview = open[0];
        QCOMPARE(preview->parentWidget(), &w.w);
        QCOMPARE(preview->Model().ReportLayout().name, QStringLiteral("rptInvoice"));
        QCOMPARE(preview->Model().PageCount(), 1);
        const QString page = preview->Model().Texts(0).join(QLatin1Char('|'));
        for (const QString &text : expected)
            QVERIFY2(page.contains(text), qPrintable(text + QStringLiteral(" missing in: ") + page));
        QVERIFY(!reports::DataReport::Instance().IsOpen(reports::Command::cmdInvoice));
        QVERIFY(!QApplication::overrideCursor());

        // Saved as PDF from the preview: the same invoice on paper.
        const QString pdf = f.folder.filePath(QStringLiteral("reprint.pdf"));
        QVERIFY(preview->SaveAsPdf(pdf));
        const QString text = pdfText(pdf).simplified();
        for (const QString &part : expected)
            QVERIFY2(text.contains(part), qPrintable(part + QStringLiteral(" missing in the PDF: ") + text));
        // Previewing and saving read only.
        QCOMPARE(fileBytes(f.folder.databasePath()), records);
    }

    void onePreviewAtATime() {
        MainWindowFixture f;
        seedInvoices(f);
        MainWindowParts &w = f.open();
        reports::frmReportPreview *first = tools::PreviewInvoice(&w.w, QStringLiteral("INV-1"));
        QVERIFY(first);
        const QPointer<reports::frmReportPreview> earlier(first);
        reports::frmReportPreview *second = tools::PreviewInvoice(&w.w, QStringLiteral("INV-2"));
        QVERIFY(second);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(earlier.isNull() || !earlier->isVisible());
        QCOMPARE(previews(), QList<reports::frmReportPreview *>{second});
    }

    void noticeWhenNothingCanBePreviewed_data() {
        QTest::addColumn<QString>("invoiceID"); // empty: none chosen
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::newRow("no invoice chosen")
            << QString() << QStringLiteral("Select an invoice to preview! ") << int(QMessageBox::Warning);
        QTest::newRow("the chosen invoice is gone")
            << QStringLiteral("INV-2")
            << QStringLiteral(
                   "The invoice INV-2 cannot be found in the stored records, so it cannot be previewed. ")
            << int(QMessageBox::Warning);
    }

    void noticeWhenNothingCanBePreviewed() {
        QFETCH(QString, invoiceID);
        QFETCH(QString, message);
        QFETCH(int, icon);
        MainWindowFixture f;
        seedInvoices(f);
        MainWindowParts &w = f.open();
        w.tabMain->setCurrentIndex(3);
        if (!invoiceID.isEmpty()) {
            MainWindowFixture::clickRow(w.lvInvoices, MainWindowFixture::rowOf(w.lvInvoices, invoiceID));
            // Deleted since it was chosen, by another part of the program.
            QVERIFY(f.folder.exec(QStringLiteral("DELETE FROM tblInvoices WHERE InvoiceID = 'INV-2'")));
        }
        f.boxes.answer(QMessageBox::Ok);
        w.mnuToolsPreviewInvoice->trigger();
        QCOMPARE(f.boxes.count(), 1);
        EXPECT_BOX(f.boxes.last(), message, QMessageBox::Icon(icon), QMessageBox::Ok, QMessageBox::Ok,
                   QStringLiteral("Brisola"));
        QVERIFY(previews().isEmpty());
        QVERIFY(!QApplication::overrideCursor());
    }
};

BRISOLA_TEST_MAIN(TestInvoicePreview)
#include "tst_invoice_preview.moc"

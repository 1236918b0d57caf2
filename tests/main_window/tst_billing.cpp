// The Billing tab and the invoice panel, through the real window: working out the amounts,
// the checks, storing and printing an invoice, choosing and deleting invoices.
#include "MainWindowFixture.h"
#include "TestMain.h"

#include "../reports/ReportFixture.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

namespace {

const QString printQuestion =
    QStringLiteral("New Invoice is Printing! \r\n\r\nDo you want to print another Invoice? ");

// The Billing tab with a print destination that never reaches a real printer.
struct BillingFixture {
    BillingFixture() {
        printers = std::make_shared<FakePrinters>();
        reports::SetPrintDestination(printers);
        QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann Lee"),
                             QStringLiteral("Ottawa")));
        QVERIFY(f.seedClient(QStringLiteral("QD-2"), QStringLiteral("Retail"), QStringLiteral("Bob's Shop"),
                             QStringLiteral("Hull")));
        // The invoice report joins the invoice with the business profile.
        QVERIFY(f.folder.exec(QStringLiteral(
            "INSERT INTO tblOwner (OwnerID, LName, FName, Company, Address, City, State, Zip, Phone, Email, "
            "FullName) VALUES ('O-1', 'Lopez', 'Maria', 'Sparkle & Shine Cleaning', '12 Queen St', 'Ottawa', "
            "'ON', 'K1A 0B1', '613-555-0101', 'maria@sparkle.example', 'Maria Lopez')")));
        w = &f.open();
        w->tabMain->setCurrentIndex(2);
        QApplication::processEvents();
    }
    ~BillingFixture() {
        reports::DataReport::Release();
        reports::SetPrintDestination(nullptr);
    }

    void choose(const QString &clientID) {
        MainWindowFixture::clickRow(w->lvBilling, MainWindowFixture::rowOf(w->lvBilling, clientID));
    }
    void type(const QStringList &amounts) {
        for (int i = 0; i < amounts.size(); ++i)
            w->txtBilling[std::size_t(i)]->setText(amounts[i]);
    }
    int invoiceCount() { return f.folder.value(QStringLiteral("SELECT COUNT(*) FROM tblInvoices")).toInt(); }

    MainWindowFixture f;
    std::shared_ptr<FakePrinters> printers;
    MainWindowParts *w = nullptr;
};

void verifyQuestion(const ShownBox &box, const QString &text, const QString &title) {
    QCOMPARE(box.text, text);
    QCOMPARE(box.icon, QMessageBox::Question);
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.defaultButton, QMessageBox::No);
    QCOMPARE(box.title, title);
}

} // namespace

class TestBilling : public QObject {
    Q_OBJECT
private slots:
    void chooseClientFillsCaptions();
    void amountsWorkedOutStoredAndPrinted_data();
    void amountsWorkedOutStoredAndPrinted();
    void checksInOrder_data();
    void checksInOrder();
    void noClientChosenAfterChecksPass();
    void oldTotalsStayWhenAnotherClientIsChosen();
    void refusedSaveKeepsWhatWasTyped();
    void printerFailureKeepsTheStoredInvoice();
    void defaultPrinterGetsTheJobWithoutDialog();
    void enterMovesThroughTheAmounts();
    void chooseAndDeleteInvoice();
    void deleteWithNoInvoiceChosenDoesNothing();
    void deletingClientKeepsItsInvoices();
};

void TestBilling::chooseClientFillsCaptions() {
    BillingFixture b;
    b.type({"2", "10"});
    QTest::mouseClick(b.w->cmdTotalAmount, Qt::LeftButton);
    b.choose(QStringLiteral("QD-2"));
    QCOMPARE(b.w->lblBillID->text(), QStringLiteral("QD-2"));
    QVERIFY(b.w->lblBillID->isHidden());
    const QStringList expected{"Bob's Shop ", "1 Main St ", "Suite 2 ", "Hull ", "ON ", "K1A 0B1 ", {}, {},
                               "Tuesday ",    "Weekly ",    "Home ",    "Job ",  "No "};
    for (int i = 0; i < 13; ++i) {
        if (i == 6 || i == 7)
            continue;
        QCOMPARE(b.w->lblClient[std::size_t(i)]->text(), expected[i]);
    }
    QCOMPARE(b.w->rtBilling->toPlainText(), QStringLiteral("Key under mat"));
    // Amounts, worked-out totals and the date are left as they were.
    QCOMPARE(b.w->txtBilling[0]->text(), QStringLiteral("2"));
    QCOMPARE(b.w->lblClient[7]->text(), QStringLiteral("20.00"));
    QCOMPARE(b.w->datBox->date(), QDate::currentDate());
    // An arrow key moves the row but chooses nothing; a character key chooses.
    b.w->lvBilling->setFocus();
    QTest::keyClick(b.w->lvBilling, Qt::Key_Up);
    QCOMPARE(b.w->lblBillID->text(), QStringLiteral("QD-2"));
    QCOMPARE(b.w->lvBilling->Key(b.w->lvBilling->currentIndex().row()), QStringLiteral("QD-1"));
    QTest::keyClick(b.w->lvBilling, Qt::Key_A);
    QCOMPARE(b.w->lblBillID->text(), QStringLiteral("QD-1"));
    QCOMPARE(b.w->lblClient[0]->text(), QStringLiteral("Ann Lee "));
}

void TestBilling::amountsWorkedOutStoredAndPrinted_data() {
    QTest::addColumn<QStringList>("boxes"); // hours, rate, contract, other text, other amount, past due
    QTest::addColumn<QString>("hourly");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QList<double>>(
        "stored"); // Hours, Rate, HourAmt, ContractFee, OtherAmt, PastDue, TotalAmt
    QTest::newRow("hours and rate") << QStringList{"10.25", "20"} << "205.00"
                                    << "205.00" << QList<double>{10.25, 20, 205, 0, 0, 0, 205};
    QTest::newRow("contract only") << QStringList{"", "", "80"} << "0.00"
                                   << "80.00" << QList<double>{0, 0, 0, 80, 0, 0, 80};
    QTest::newRow("every amount") << QStringList{"2.5", "20", "100", "Windows", "12.25", "7.75"} << "50.00"
                                  << "170.00" << QList<double>{2.5, 20, 50, 100, 12.25, 7.75, 170};
    QTest::newRow("thousands") << QStringList{"1234.5", "1"} << "1,234.50"
                               << "1,234.50" << QList<double>{1234.5, 1, 1234.5, 0, 0, 0, 1234.5};
    // The largest contract fee the number rule takes, with the largest past-due amount the
    // box takes: the total stays a number.
    QTest::newRow("largest amounts")
        << QStringList{"", "", "340,282,346,638,528,859,811,704,183,484,516,925,440", "", "", "99999999"}
        << "0.00"
        << "340,282,346,638,528,859,811,704,183,484,516,925,440.00"
        << QList<double>{0, 0, 0, 3.4028234663852886e38, 0, double(99999999.0f), 3.4028234663852886e38};
    QTest::newRow("description without amount") << QStringList{"", "", "45", "Oven"} << "0.00"
                                                << "45.00" << QList<double>{0, 0, 0, 45, 0, 0, 45};
}

void TestBilling::amountsWorkedOutStoredAndPrinted() {
    QFETCH(QStringList, boxes);
    QFETCH(QString, hourly);
    QFETCH(QString, total);
    QFETCH(QList<double>, stored);
    BillingFixture b;
    b.choose(QStringLiteral("QD-1"));
    b.w->rtBilling->setPlainText(QStringLiteral("Oven door sticks"));
    b.type(boxes);
    QTest::mouseClick(b.w->cmdTotalAmount, Qt::LeftButton);
    QCOMPARE(b.w->lblClient[6]->text(), hourly);
    QCOMPARE(b.w->lblClient[7]->text(), total);

    // No printer here: the invoice goes to a PDF file, one message says where.
    b.f.boxes.answer({QMessageBox::Ok, QMessageBox::No});
    QTest::mouseClick(b.w->cmdPrintInvoice, Qt::LeftButton);
    QCOMPARE(b.f.boxes.count(), 2);
    QVERIFY2(b.f.boxes.shown()[0].text.contains(QStringLiteral("INV-1.pdf")),
             qPrintable(b.f.boxes.shown()[0].text));
    verifyQuestion(b.f.boxes.last(), printQuestion, QStringLiteral("Record Saved Successfully"));
    QCOMPARE(b.w->tabMain->currentIndex(), 0);

    const QList<QVariantMap> rows = b.f.folder.rows(
        QStringLiteral("SELECT InvoiceID, ClientID, Client, BAdd1, BCity, DayOfWeek, Pets, OtherCharges, "
                       "Notes, ServiceDate, "
                       "Hours, Rate, HourAmt, ContractFee, OtherAmt, PastDue, TotalAmt FROM tblInvoices"));
    QCOMPARE(rows.size(), 1);
    const QVariantMap row = rows[0];
    QCOMPARE(row["InvoiceID"].toString(), QStringLiteral("INV-1"));
    QCOMPARE(row["ClientID"].toString(), QStringLiteral("QD-1"));
    // The captions go to the library with their blank; its cleaning trims the stored text.
    QCOMPARE(row["Client"].toString(), QStringLiteral("Ann Lee"));
    QCOMPARE(row["BAdd1"].toString(), QStringLiteral("1 Main St"));
    QCOMPARE(row["BCity"].toString(), QStringLiteral("Ottawa"));
    QCOMPARE(row["DayOfWeek"].toString(), QStringLiteral("Tuesday"));
    QCOMPARE(row["Pets"].toString(), QStringLiteral("No"));
    QCOMPARE(row["OtherCharges"].toString(), boxes.value(3));
    QCOMPARE(row["Notes"].toString(), QStringLiteral("Oven door sticks"));
    QCOMPARE(row["ServiceDate"].toString(), QDate::currentDate().toString(Qt::ISODate));
    const char *const columns[] = {"Hours",    "Rate",    "HourAmt", "ContractFee",
                                   "OtherAmt", "PastDue", "TotalAmt"};
    for (int i = 0; i < 7; ++i)
        QVERIFY2(qFuzzyCompare(row[columns[i]].toDouble() + 1, stored[i] + 1),
                 qPrintable(QString::fromLatin1(columns[i]) + QLatin1Char('=') + row[columns[i]].toString()));

    // The tab is emptied but for the notes and the date; the list shows the new invoice once.
    QVERIFY(b.w->lblBillID->text().isEmpty());
    for (QLabel *caption : b.w->lblClient)
        QVERIFY(caption->text().isEmpty());
    for (QLineEdit *box : b.w->txtBilling)
        QVERIFY(box->text().isEmpty());
    QCOMPARE(MainWindowFixture::column(b.w->lvInvoices, 0), QStringList{QStringLiteral("INV-1")});

    // The printed page is read from the stored row.
    const QString pdf = b.f.folder.filePath(QStringLiteral("printed/INV-1.pdf"));
    QVERIFY(QFile::exists(pdf));
    if (hasPdfToText()) {
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Ann Lee")), qPrintable(text));
        // (An amount of 39 digits does not fit its box on the page.)
        if (total.size() < 20)
            QVERIFY2(text.contains(QLatin1Char('$') + total), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Sparkle & Shine Cleaning")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Ottawa, ON K1A 0B1")) ||
                     text.contains(QStringLiteral("Ottawa")),
                 qPrintable(text));
    }
}

void TestBilling::checksInOrder_data() {
    QTest::addColumn<int>("days");          // the service date from today
    QTest::addColumn<QStringList>("boxes"); // typed after the totals were worked out
    QTest::addColumn<bool>("totals");       // the totals button pressed first (with 1 x 10)
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("focus");
    const int warning = QMessageBox::Warning, critical = QMessageBox::Critical;
    QTest::newRow("1 tomorrow") << 1 << QStringList{"x"} << true
                                << "The Service Date is later than the current date! " << warning << "datBox";
    QTest::newRow("2 hours") << 0 << QStringList{"ten"} << true
                             << "Hours Worked field contains invalid characters! " << critical
                             << "txtBilling(0)";
    QTest::newRow("3 rate with an exponent")
        << 0 << QStringList{"1", "1e3"} << true << "Rate Per Hour field contains invalid characters! "
        << critical << "txtBilling(1)";
    QTest::newRow("4 contract of 400 digits")
        << 0 << QStringList{"1", "10", QString(400, QLatin1Char('9'))} << true
        << "Contract Fee field contains invalid characters! " << critical << "txtBilling(2)";
    QTest::newRow("4 contract beyond single precision")
        << 0 << QStringList{"1", "10", QStringLiteral("1") + QString(39, QLatin1Char('0'))} << true
        << "Contract Fee field contains invalid characters! " << critical << "txtBilling(2)";
    QTest::newRow("4 contract") << 0 << QStringList{"1", "10", "$80"} << true
                                << "Contract Fee field contains invalid characters! " << critical
                                << "txtBilling(2)";
    QTest::newRow("5 other amount") << 0 << QStringList{"1", "10", "", "Oven", "1.2.3"} << true
                                    << "Other Services Amt field contains invalid characters! " << critical
                                    << "txtBilling(4)";
    QTest::newRow("6 other amount without description")
        << 0 << QStringList{"1", "10", "", "", "12"} << true << "Enter brief description of Other Services! "
        << critical << "txtBilling(3)";
    QTest::newRow("7 past due") << 0 << QStringList{"1", "10", "", "", "", "abc"} << true
                                << "Past Due Amt field contains invalid characters! " << critical
                                << "txtBilling(5)";
    QTest::newRow("8 totals zero")
        << 0 << QStringList{"", ""} << false
        << "Enter values for your services and click the yellow Service Charge Totals "
           "button! "
        << warning << "cmdTotalAmount";
}

void TestBilling::checksInOrder() {
    QFETCH(int, days);
    QFETCH(QStringList, boxes);
    QFETCH(bool, totals);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(QString, focus);
    BillingFixture b;
    b.choose(QStringLiteral("QD-1"));
    b.w->datBox->setDate(QDate::currentDate().addDays(days));
    if (totals) {
        b.type({"1", "10"});
        QTest::mouseClick(b.w->cmdTotalAmount, Qt::LeftButton);
    } else {
        QTest::mouseClick(b.w->cmdTotalAmount, Qt::LeftButton);
        QCOMPARE(b.w->lblClient[7]->text(), QStringLiteral("0.00"));
    }
    for (QLineEdit *box : b.w->txtBilling)
        box->clear();
    b.type(boxes);
    b.f.boxes.answer(QMessageBox::Ok);
    QTest::mouseClick(b.w->cmdPrintInvoice, Qt::LeftButton);
    QCOMPARE(b.f.boxes.count(), 1);
    QCOMPARE(b.f.boxes.last().text, message);
    QCOMPARE(int(b.f.boxes.last().icon), icon);
    QCOMPARE(b.f.boxes.last().title, QStringLiteral("Brisola"));
    QCOMPARE(b.w->focusWidget() ? b.w->focusWidget()->objectName() : QString(), focus);
    QVERIFY(!MainWindowFixture::pointerBusy());
    // Nothing stored, nothing printed, and what was typed is still there.
    QCOMPARE(b.invoiceCount(), 0);
    QVERIFY(b.printers->jobs.isEmpty());
    for (int i = 0; i < boxes.size(); ++i)
        QCOMPARE(b.w->txtBilling[std::size_t(i)]->text(), boxes[i]);
    QCOMPARE(b.w->lblBillID->text(), QStringLiteral("QD-1"));
}

void TestBilling::noClientChosenAfterChecksPass() {
    BillingFixture b;
    b.type({"2", "15"});
    QTest::mouseClick(b.w->cmdTotalAmount, Qt::LeftButton);
    b.f.boxes.answer(QMessageBox::Ok);
    QTest::mouseClick(b.w->cmdPrintInvoice, Qt::LeftButton);
    QCOMPARE(b.f.boxes.count(), 1);
    QCOMPARE(b.f.boxes.last().text, QStringLiteral("Select a client to print an invoice for! "));
    QCOMPARE(b.f.boxes.last().icon, QMessageBox::Warning);
    QCOMPARE(b.invoiceCount(), 0);
    QVERIFY(!MainWindowFixture::pointerBusy());
}

void TestBilling::oldTotalsStayWhenAnotherClientIsChosen() {
    BillingFixture b;
    b.choose(QStringLiteral("QD-1"));
    b.type({"3", "12.5"});
    QTest::mouseClick(b.w->cmdTotalAmount, Qt::LeftButton);
    QCOMPARE(b.w->lblClient[7]->text(), QStringLiteral("37.50"));
    b.choose(QStringLiteral("QD-2"));
    QCOMPARE(b.w->lblClient[0]->text(), QStringLiteral("Bob's Shop "));
    QCOMPARE(b.w->lblClient[6]->text(), QStringLiteral("37.50"));
    QCOMPARE(b.w->lblClient[7]->text(), QStringLiteral("37.50"));
}

void TestBilling::refusedSaveKeepsWhatWasTyped() {
    BillingFixture b;
    QVERIFY(b.f.folder.exec(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE INSERT ON tblInvoices BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    b.choose(QStringLiteral("QD-1"));
    b.type({"2", "20", "", "Windows", "5"});
    b.w->rtBilling->setPlainText(QStringLiteral("Bring ladder"));
    QTest::mouseClick(b.w->cmdTotalAmount, Qt::LeftButton);
    b.f.boxes.answer({QMessageBox::Ok, QMessageBox::Ok});
    QTest::mouseClick(b.w->cmdPrintInvoice, Qt::LeftButton);
    QCOMPARE(b.f.boxes.count(), 2);
    QVERIFY(b.f.boxes.shown()[0].text.endsWith(QStringLiteral("Function: AddInvoice")));
    QCOMPARE(b.f.boxes.last().text, QStringLiteral("Invoice was NOT printed! "));
    QCOMPARE(b.f.boxes.last().icon, QMessageBox::Critical);
    QCOMPARE(b.f.boxes.last().title, QStringLiteral(" ERROR"));
    QCOMPARE(b.invoiceCount(), 0);
    QVERIFY(b.printers->jobs.isEmpty());
    QCOMPARE(b.w->lblBillID->text(), QStringLiteral("QD-1"));
    QCOMPARE(b.w->txtBilling[3]->text(), QStringLiteral("Windows"));
    QCOMPARE(b.w->lblClient[7]->text(), QStringLiteral("45.00"));
    QCOMPARE(b.w->rtBilling->toPlainText(), QStringLiteral("Bring ladder"));
    QVERIFY(!MainWindowFixture::pointerBusy());
}

void TestBilling::printerFailureKeepsTheStoredInvoice() {
    BillingFixture b;
    b.printers->defaultPrinter = QStringLiteral("Office");
    b.printers->fail = true;
    b.choose(QStringLiteral("QD-1"));
    b.type({"1", "30"});
    QTest::mouseClick(b.w->cmdTotalAmount, Qt::LeftButton);
    b.f.boxes.answer({QMessageBox::Ok, QMessageBox::Yes});
    QTest::mouseClick(b.w->cmdPrintInvoice, Qt::LeftButton);
    QCOMPARE(b.f.boxes.count(), 2);
    QVERIFY2(b.f.boxes.shown()[0].text.contains(QStringLiteral("could not be printed")),
             qPrintable(b.f.boxes.shown()[0].text));
    QCOMPARE(b.invoiceCount(), 1);
    QCOMPARE(MainWindowFixture::column(b.w->lvInvoices, 0), QStringList{QStringLiteral("INV-1")});
    // Yes: on to the next client.
    QCOMPARE(b.w->tabMain->currentIndex(), 2);
    QCOMPARE(b.w->focusWidget(), b.w->lvBilling);
}

void TestBilling::defaultPrinterGetsTheJobWithoutDialog() {
    BillingFixture b;
    b.printers->defaultPrinter = QStringLiteral("Office");
    for (int invoice = 1; invoice <= 2; ++invoice) {
        b.choose(QStringLiteral("QD-2"));
        b.type({"1", "30"});
        QTest::mouseClick(b.w->cmdTotalAmount, Qt::LeftButton);
        b.f.boxes.answer(QMessageBox::Yes);
        QTest::mouseClick(b.w->cmdPrintInvoice, Qt::LeftButton);
        // The question is the only box: no print dialog, no preview.
        QCOMPARE(b.f.boxes.count(), invoice);
        verifyQuestion(b.f.boxes.last(), printQuestion, QStringLiteral("Record Saved Successfully"));
    }
    QCOMPARE(b.printers->jobs.size(), 2);
    QCOMPARE(b.printers->jobs[1].printer, QStringLiteral("Office"));
    QCOMPARE(b.printers->jobs[1].name, QStringLiteral("INV-2"));
    QVERIFY2(b.printers->jobs[1].firstPageTexts.join(QLatin1Char('|')).contains(QStringLiteral("Bob's Shop")),
             qPrintable(b.printers->jobs[1].firstPageTexts.join(QLatin1Char('|'))));
    QCOMPARE(MainWindowFixture::column(b.w->lvInvoices, 0), (QStringList{"INV-1", "INV-2"}));
    QVERIFY(!QFile::exists(b.f.folder.filePath(QStringLiteral("printed"))));
}

void TestBilling::enterMovesThroughTheAmounts() {
    BillingFixture b;
    for (int i = 0; i < 6; ++i) {
        b.w->txtBilling[std::size_t(i)]->setFocus();
        QTest::keyClick(b.w->txtBilling[std::size_t(i)], Qt::Key_Return);
        QWidget *next = i < 5 ? static_cast<QWidget *>(b.w->txtBilling[std::size_t(i + 1)]) : b.w->rtBilling;
        QCOMPARE(b.w->focusWidget(), next);
    }
    // Enter is used up: no line break reaches the notes from the last box.
    QVERIFY(b.w->rtBilling->toPlainText().isEmpty());
}

void TestBilling::chooseAndDeleteInvoice() {
    BillingFixture b;
    QVERIFY(b.f.folder.exec(
        QStringLiteral("INSERT INTO tblInvoices (InvoiceID, Client, ServiceDate) VALUES "
                       "('INV-1', 'Ann Lee ', '2007-03-06'), ('INV-2', 'Bob', '2024-12-25')")));
    b.w->lvInvoices->clear();
    b.w->LoadInvoiceList();
    b.w->tabMain->setCurrentIndex(3);
    QApplication::processEvents();
    b.w->calBox->setSelectedDate(QDate(2020, 1, 1));
    MainWindowFixture::clickRow(b.w->lvInvoices, 0);
    QCOMPARE(b.w->lblInvoice[0]->text(), QStringLiteral("INV-1"));
    QCOMPARE(b.w->lblInvoice[1]->text(), QStringLiteral("Ann Lee  "));
    QCOMPARE(b.w->lblInvoice[2]->text(), QLocale().toString(QDate(2007, 3, 6), QLocale::ShortFormat) + ' ');

    // Declined in the library's question: nothing changes.
    b.f.boxes.answer({QMessageBox::No, QMessageBox::Ok});
    QTest::mouseClick(b.w->cmdDeleteInvoice, Qt::LeftButton);
    QCOMPARE(b.f.boxes.count(), 2);
    QCOMPARE(b.f.boxes.last().text, QStringLiteral("Invoice Record was NOT Deleted! "));
    QCOMPARE(b.f.boxes.last().icon, QMessageBox::Warning);
    QCOMPARE(b.w->lblInvoice[0]->text(), QStringLiteral("INV-1"));
    QCOMPARE(b.invoiceCount(), 2);

    b.f.boxes.answer({QMessageBox::Yes, QMessageBox::No});
    QTest::mouseClick(b.w->cmdDeleteInvoice, Qt::LeftButton);
    QCOMPARE(b.f.boxes.count(), 4);
    verifyQuestion(
        b.f.boxes.last(),
        QStringLiteral("Invoice Record Deleted! \r\n\r\nDo you want to delete another Invoice record? "),
        QStringLiteral("Record Removed Successfully"));
    QCOMPARE(b.f.folder.value(QStringLiteral("SELECT InvoiceID FROM tblInvoices")).toString(),
             QStringLiteral("INV-2"));
    QCOMPARE(MainWindowFixture::column(b.w->lvInvoices, 0), QStringList{QStringLiteral("INV-2")});
    for (QLabel *caption : b.w->lblInvoice)
        QVERIFY(caption->text().isEmpty());
    QCOMPARE(b.w->calBox->selectedDate(), QDate::currentDate());
    QCOMPARE(b.w->tabMain->currentIndex(), 0);
}

void TestBilling::deleteWithNoInvoiceChosenDoesNothing() {
    BillingFixture b;
    QVERIFY(b.f.folder.exec(QStringLiteral(
        "INSERT INTO tblInvoices (InvoiceID, Client, ServiceDate) VALUES ('INV-1', 'Ann', '2024-01-02')")));
    QTest::mouseClick(b.w->cmdDeleteInvoice, Qt::LeftButton);
    QCOMPARE(b.f.boxes.count(), 0);
    QCOMPARE(b.invoiceCount(), 1);
}

void TestBilling::deletingClientKeepsItsInvoices() {
    BillingFixture b;
    b.choose(QStringLiteral("QD-1"));
    b.type({"1", "40"});
    QTest::mouseClick(b.w->cmdTotalAmount, Qt::LeftButton);
    b.f.boxes.answer({QMessageBox::Ok, QMessageBox::No});
    QTest::mouseClick(b.w->cmdPrintInvoice, Qt::LeftButton);
    QCOMPARE(b.invoiceCount(), 1);

    b.w->tabMain->setCurrentIndex(1);
    QApplication::processEvents();
    MainWindowFixture::clickRow(b.w->lvClients,
                                MainWindowFixture::rowOf(b.w->lvClients, QStringLiteral("QD-1")));
    b.f.boxes.answer({QMessageBox::Yes, QMessageBox::No});
    QTest::mouseClick(b.w->cmdDelete, Qt::LeftButton);
    QCOMPARE(
        b.f.folder.value(QStringLiteral("SELECT COUNT(*) FROM tblClients WHERE ClientID = 'QD-1'")).toInt(),
        0);
    QCOMPARE(
        b.f.folder.value(QStringLiteral("SELECT Client FROM tblInvoices WHERE ClientID = 'QD-1'")).toString(),
        QStringLiteral("Ann Lee"));
    QCOMPARE(MainWindowFixture::column(b.w->lvInvoices, 0), QStringList{QStringLiteral("INV-1")});
}

BRISOLA_TEST_MAIN(TestBilling)
#include "tst_billing.moc"

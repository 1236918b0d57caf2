// The Payments window wired to the library: its lists, choosing, recording, deleting, the
// balances, the report buttons, Enter, Ctrl+F and the Tools menu item that opens it.
#include "AccessibleNames.h"
#include "MessageBoxHelper.h"
#include "TestMain.h"
#include "ToolsFixture.h"

#include "main_window/frmOrdwen.h"
#include "reports/frmReportPreview.h"
#include "tools/Find.h"
#include "tools/frmPayments.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>

namespace {

const QString CrLf2 = QStringLiteral("\r\n\r\n");

QStringList rowTexts(const ListView *list, int row) {
    QStringList texts;
    for (int column = 0; column < list->columnCount(); ++column)
        texts << list->Text(row, column);
    return texts;
}

struct PaymentsFixture : ToolsFolder {
    PaymentsFixture() {
        QVERIFY(folder.exec("INSERT INTO tblClients (ClientID, Client) VALUES ('QD-1', 'Ann Berg'), "
                            "('QD-2', 'Cleo Smith'), ('QD-3', 'Dora Lee')"));
        QVERIFY(
            folder.exec("INSERT INTO tblInvoices (InvoiceID, ClientID, ServiceDate, Client, TotalAmt) VALUES "
                        "('INV-1', 'QD-1', '2026-10-01', 'Ann Berg', 100), ('INV-2', 'QD-1', '2026-11-01', "
                        "'Ann Berg', 40), ('INV-3', 'QD-2', '2026-09-15', 'Cleo Smith', 250)"));
        QVERIFY(
            folder.exec("INSERT INTO tblPayments (PaymentID, InvoiceID, ClientID, PaidDate, Amount, Method, "
                        "Notes, AddDate) VALUES ('PAY-1', 'INV-1', 'QD-1', '2026-10-05', 60, 'Cash', NULL, "
                        "'2026-10-05 09:00:00')"));
    }
    ~PaymentsFixture() { delete w.data(); }
    frmPayments &open() {
        w = new frmPayments;
        return show(*w.data());
    }
    // Ann Berg chosen, and her invoice INV-2 (40.00 owed).
    frmPayments &openWithInvoice() {
        frmPayments &window = open();
        clickRow(window.lvClients, window.lvClients->RowOf("QD-1"));
        clickRow(window.lvInvoices, window.lvInvoices->RowOf("INV-2"));
        return window;
    }
    MessageBoxHelper boxes;
    QPointer<frmPayments> w;
};

} // namespace

class TestPayments : public QObject {
    Q_OBJECT
private slots:
    void listsAndBalances() {
        PaymentsFixture f;
        frmPayments &w = f.open();
        QCOMPARE(ProgramFixture::column(w.lvClients, 0), (QStringList{"QD-2", "QD-1"}));
        QCOMPARE(rowTexts(w.lvClients, 1), (QStringList{"QD-1", "Ann Berg", "140.00", "60.00", "80.00"}));
        const QString days = QString::number(QDate(2026, 9, 15).daysTo(QDate::currentDate()));
        QCOMPARE(rowTexts(w.lvBalances, 0), (QStringList{"QD-2", "Cleo Smith", "250.00", "9/15/26", days}));
        QCOMPARE(w.lvBalances->topLevelItemCount(), 2);
        QCOMPARE(w.lblTotalOwedValue->text(), QStringLiteral("330.00"));
        QCOMPARE(AccessibleNameFaults(&w), QString());
        w.tabPayments->setCurrentIndex(1);
        QCOMPARE(AccessibleNameFaults(&w), QString());
    }

    void chooseClientAndInvoice() {
        PaymentsFixture f;
        frmPayments &w = f.openWithInvoice();
        QCOMPARE(rowTexts(w.lvInvoices, 0), (QStringList{"INV-1", "10/1/26", "100.00", "60.00", "40.00"}));
        QCOMPARE(rowTexts(w.lvPayments, 0), (QStringList{"PAY-1", "INV-1", "10/5/26", "60.00", "Cash", ""}));
        QCOMPARE(w.lblInvoiceValue->text(), QStringLiteral("INV-2, still owed 40.00"));
        // Another client: no invoice of the first one stays chosen.
        ProgramFixture::clickRow(w.lvBalances, 0);
        QCOMPARE(w.lblClientID->text(), QStringLiteral("QD-2"));
        QCOMPARE(ProgramFixture::column(w.lvInvoices, 0), QStringList{"INV-3"});
        QCOMPARE(w.lblInvoiceID->text(), QString());
    }

    void recordPayment_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored"); // the PaymentID stored, empty: none
        QTest::newRow("more than owed")
            << "40.01"
            << "The Amount paid (40.01) is more than invoice INV-2 still owes (40.00)! "
            << "";
        QTest::newRow("all of it") << "40"
                                   << "Payment PAY-2 of 40.00 Recorded against INV-2! " + CrLf2 +
                                          "Do you want to record another Payment? "
                                   << "PAY-2";
    }
    void recordPayment() {
        QFETCH(QString, amount);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        PaymentsFixture f;
        frmPayments &w = f.openWithInvoice();
        w.txtAmount->setText(amount);
        w.cboMethod->setCurrentText("Check");
        w.txtNote->setText("no. 12");
        f.boxes.answer(stored.isEmpty() ? QMessageBox::Ok : QMessageBox::No);
        QTest::mouseClick(w.cmdRecord, Qt::LeftButton);
        QCOMPARE(f.boxes.texts(), QStringList{message});
        const auto rows =
            f.folder.rows("SELECT PaymentID, InvoiceID, ClientID, PaidDate, Amount, Method, Notes "
                          "FROM tblPayments WHERE ID > 1");
        if (stored.isEmpty()) {
            QCOMPARE(rows.size(), 0);
            QCOMPARE(w.focusWidget(), w.txtAmount);
            QCOMPARE((QStringList{w.lblInvoiceID->text(), w.txtAmount->text(), w.txtNote->text()}),
                     (QStringList{"INV-2", amount, "no. 12"}));
            return;
        }
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].values(), (QVariantList{40.0, "QD-1", "INV-2", "Check", "no. 12",
                                                 QDate::currentDate().toString(Qt::ISODate), stored}));
        QCOMPARE(rowTexts(w.lvInvoices, 1).last(), QStringLiteral("0.00"));
        QCOMPARE(w.txtAmount->text(), QString());
        QCOMPARE(w.lblTotalOwedValue->text(), QStringLiteral("290.00"));
    }

    void deletePayment() {
        PaymentsFixture f;
        frmPayments &w = f.openWithInvoice();
        f.boxes.answer(QMessageBox::Ok);
        w.cmdDelete_Click();
        QCOMPARE(f.boxes.texts(), QStringList{"Select a payment to delete! "});
        f.boxes.clear();
        ProgramFixture::clickRow(w.lvPayments, 0);
        f.boxes.answer({QMessageBox::Yes, QMessageBox::No});
        QTest::mouseClick(w.cmdDelete, Qt::LeftButton);
        QCOMPARE(f.boxes.last().text,
                 "Payment PAY-1 Deleted! " + CrLf2 + "Do you want to delete another Payment? ");
        QCOMPARE(f.folder.value("SELECT COUNT(*) FROM tblPayments").toInt(), 0);
        QCOMPARE(w.lvPayments->topLevelItemCount(), 0);
        QCOMPARE(rowTexts(w.lvClients, w.lvClients->RowOf("QD-1")).last(), QStringLiteral("140.00"));
    }

    void reportButtons() {
        PaymentsFixture f;
        frmPayments &w = f.open();
        f.boxes.answer(QMessageBox::Ok);
        QTest::mouseClick(w.cmdStatement, Qt::LeftButton);
        QCOMPARE(f.boxes.texts(), QStringList{"Select a client for the statement! "});
        ProgramFixture::clickRow(w.lvClients, 0);
        QTest::mouseClick(w.cmdStatement, Qt::LeftButton);
        QTest::mouseClick(w.cmdIncome, Qt::LeftButton);
        QCOMPARE(w.findChildren<reports::frmReportPreview *>().size(), 2);
    }

    void enterAndFind() {
        PaymentsFixture f;
        frmPayments &w = f.open();
        w.txtAmount->setFocus();
        QTest::keyClick(w.txtAmount, Qt::Key_Return);
        QCOMPARE(w.focusWidget(), w.cboMethod);
        QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
        auto *find = w.findChild<tools::frmFind *>();
        QVERIFY(find);
        QTest::keyClicks(find->txtFind, "ann");
        QTest::keyClick(find->txtFind, Qt::Key_Return);
        QCOMPARE(w.lblClientID->text(), QStringLiteral("QD-1"));
        QCOMPARE(w.lvInvoices->topLevelItemCount(), 2);
    }

    void menuOpensOneWindow() {
        PaymentsFixture f;
        frmOrdwen main;
        QAction *payments = main.findChild<QAction *>(QStringLiteral("mnuToolsPayments"));
        payments->trigger();
        payments->trigger();
        QCOMPARE(main.findChildren<frmPayments *>().size(), 1);
        QCOMPARE(main.findChild<frmPayments *>()->lvClients->topLevelItemCount(), 2);
    }
};

BRISOLA_TEST_MAIN(TestPayments)
#include "tst_payments_window.moc"

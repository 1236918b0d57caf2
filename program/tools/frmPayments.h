// The Payments window of Tools > Payments...: the clients that have invoices, the chosen
// client's invoices with what each still owes and the payments received, recording a payment
// against the chosen invoice and deleting a chosen payment; on its second tab every client who
// owes anything, largest first, with the total owed. The statement of the chosen client and
// the income of a year open in their previews from the buttons below the tabs.
#pragma once

#include "tools/PaymentRules.h"

#include <QWidget>

class ListView;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

class frmPayments : public QWidget {
    Q_OBJECT
public:
    // The window deletes itself when it is closed.
    explicit frmPayments(QWidget *parent = nullptr);
    ~frmPayments() override;

    // The load step: icon, caption, a new House for the shared slot, the client lists.
    void Form_Load();

    QTabWidget *tabPayments = nullptr;

    // ---- Tab "Clients": a client's invoices and payments ----
    QLabel *lblClients = nullptr;
    ListView *lvClients = nullptr;
    QLabel *lblInvoices = nullptr;
    ListView *lvInvoices = nullptr;
    QLabel *lblInvoice = nullptr;
    QLabel *lblInvoiceValue = nullptr; // the chosen invoice and what it still owes
    QLabel *lblPaidDate = nullptr;
    QDateEdit *dtpPaidDate = nullptr;
    QLabel *lblAmount = nullptr;
    QLineEdit *txtAmount = nullptr;
    QLabel *lblMethod = nullptr;
    QComboBox *cboMethod = nullptr;
    QLabel *lblNote = nullptr;
    QLineEdit *txtNote = nullptr;
    QPushButton *cmdRecord = nullptr;
    QPushButton *cmdClear = nullptr;
    QLabel *lblPayments = nullptr;
    ListView *lvPayments = nullptr;
    QPushButton *cmdDelete = nullptr;
    // Never shown: the identifiers chosen, empty when none is.
    QLabel *lblClientID = nullptr;
    QLabel *lblInvoiceID = nullptr;
    QLabel *lblPaymentID = nullptr;

    // ---- Tab "Balances": who owes what ----
    QLabel *lblBalances = nullptr;
    ListView *lvBalances = nullptr;
    QLabel *lblTotalOwed = nullptr;
    QLabel *lblTotalOwedValue = nullptr;

    // ---- Below the tabs ----
    QPushButton *cmdStatement = nullptr;
    QLabel *lblYear = nullptr;
    QSpinBox *spnYear = nullptr;
    QPushButton *cmdIncome = nullptr;
    QPushButton *cmdClose = nullptr;

    // ---- Events ----
    void lvClients_Click();
    void lvInvoices_Click();
    void lvPayments_Click();
    void lvBalances_Click();
    void cmdRecord_Click();
    void cmdClear_Click();
    void cmdDelete_Click();
    void cmdStatement_Click();
    void cmdIncome_Click();
    void cmdClose_Click();
    // Enter in the amount moves on to the method, in the note to Record Payment.
    void txtEntry_KeyPress(int index, int &KeyAscii);

    // ---- Procedures ----
    // Fills the client list and the balances from the library, the chosen client kept chosen
    // when it is still listed.
    void RefillClients();
    // Fills the chosen client's invoices and payments from the library.
    void LoadClientRecords();
    // "PAY-" and the next number; empty when the library's answer could not be read.
    QString NewPaymentID();
    // The entry fields and the chosen invoice, as a payment.
    PaymentRecord ReadPayment(double owed) const;

private:
    QWidget *BuildClientsTab();
    QWidget *BuildBalancesTab();
    void BuildButtons();
    void SetupLists();
    void SetTabOrder();
    void ChooseInvoice(int row);
    void ForgetPayment();
    // The list a find searches: the one last in use on the tab in front.
    ListView *FindList() const;
};

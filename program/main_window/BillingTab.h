// Tab 2, "Billing": the client list at the top; below it the chosen client's data on the
// left and the charges of one visit on the right. Working out the amounts, checking,
// storing and printing an invoice.
#pragma once

#include "InvoiceRules.h"

#include <QWidget>

#include <array>

class ListView;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class frmOrdwen;

class BillingTab : public QWidget {
    Q_OBJECT
public:
    explicit BillingTab(frmOrdwen &main);

    ListView *list() const { return lvBilling; }

    void lvBilling_Click();
    void lvBilling_KeyPress(QChar key);
    void lvBilling_ColumnClick(int column);
    void cmdTotalAmount_Click();
    void cmdPrintInvoice_Click();
    void cmdClearBilling_Click();
    void txtBilling_KeyPress(int index, int &KeyAscii);
    bool ValidateInvoice();

private:
    // The invoice as the tab shows it.
    InvoiceRecord ReadInvoice() const;
    QWidget *InvoiceFieldWidget(int field) const;

    frmOrdwen &m_main;
    ListView *lvBilling = nullptr;
    QDateEdit *datBox = nullptr;
    std::array<QLabel *, 13> lblClient{};
    std::array<QLineEdit *, 6> txtBilling{};
    QTextEdit *rtBilling = nullptr;
    QLabel *lblBillID = nullptr; // never shown: the client being billed
    QPushButton *cmdTotalAmount = nullptr;
    QPushButton *cmdPrintInvoice = nullptr;
    QPushButton *cmdClearBilling = nullptr;
    // The amounts the totals button worked out, as the invoice is checked and stored with them.
    InvoiceTotals m_totals;
};

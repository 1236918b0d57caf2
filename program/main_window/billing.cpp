// The Billing tab (choosing the client, working out the amounts, checking, storing and
// printing an invoice) and the invoice panel of the Utilities tab.
#include "InvoiceRules.h"
#include "client_columns.h"
#include "frmOrdwen.h"

#include "controls/Builders.h"
#include "controls/EnterMovesOn.h"
#include "controls/ListView.h"
#include "controls/Messages.h"
#include "startup/modGlobal.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

namespace {

// Worked-out captions among lblClient.
constexpr int HourlyCaption = 6;
constexpr int TotalCaption = 7;

// The invoice as the Billing tab shows it.
InvoiceRecord ReadInvoice(const frmOrdwen &w) {
    InvoiceRecord invoice;
    invoice.serviceDate = w.datBox->date();
    for (int i = 0; i < InvoiceRecord::BoxCount; ++i)
        invoice.boxes[std::size_t(i)] = w.txtBilling[std::size_t(i)]->text();
    invoice.clientID = w.lblBillID->text();
    auto caption = [&w](int index) { return w.lblClient[std::size_t(index)]->text(); };
    invoice.client = caption(0);
    for (int i = 0; i < 5; ++i)
        invoice.billingAddress[std::size_t(i)] = caption(1 + i);
    invoice.dayOfWeek = caption(8);
    invoice.schedule = caption(9);
    invoice.service = caption(10);
    invoice.feeType = caption(11);
    invoice.pets = caption(12);
    invoice.notes = controls::StoredText(w.rtBilling);
    return invoice;
}

QWidget *InvoiceFieldWidget(const frmOrdwen &w, int field) {
    if (field == InvoiceRecord::ServiceDateField)
        return w.datBox;
    if (field == InvoiceRecord::TotalsField)
        return w.cmdTotalAmount;
    if (field >= 0 && field < InvoiceRecord::BoxCount)
        return w.txtBilling[std::size_t(field)];
    return nullptr;
}

} // namespace

void frmOrdwen::ConnectBilling() {
    connect(lvBilling, &ListView::Click, this, &frmOrdwen::lvBilling_Click);
    connect(lvBilling, &ListView::KeyPress, this, &frmOrdwen::lvBilling_KeyPress);
    connect(cmdTotalAmount, &QPushButton::clicked, this, &frmOrdwen::cmdTotalAmount_Click);
    connect(cmdPrintInvoice, &QPushButton::clicked, this, &frmOrdwen::cmdPrintInvoice_Click);
    connect(cmdClearBilling, &QPushButton::clicked, this, &frmOrdwen::cmdClearBilling_Click);

    connect(lvInvoices, &ListView::Click, this, &frmOrdwen::lvInvoices_Click);
    connect(lvInvoices, &ListView::KeyPress, this, &frmOrdwen::lvInvoices_KeyPress);
    connect(cmdDeleteInvoice, &QPushButton::clicked, this, &frmOrdwen::cmdDeleteInvoice_Click);
    connect(cmdClearInvoice, &QPushButton::clicked, this, &frmOrdwen::cmdClearInvoice_Click);
}

void frmOrdwen::lvBilling_Click() {
    using namespace client;
    modGlobal::SetBusyPointer();
    const int row = lvBilling->SelectedRow();
    if (row < 0) {
        modGlobal::SetDefaultPointer();
        return;
    }
    modGlobal::itmShared = {lvBilling, lvBilling->Key(row)};
    // Each caption holds the value and one blank, and is stored so.
    auto show = [row, this](int caption, int column) {
        lblClient[std::size_t(caption)]->setText(lvBilling->Value(row, column).toString() + QLatin1Char(' '));
    };
    lblBillID->setText(lvBilling->Key(row));
    show(0, ColName);
    for (int i = 0; i < 5; ++i)
        show(1 + i, ColBAdd1 + i);
    show(8, ColDayOfWeek);
    show(9, ColSchedule);
    show(10, ColService);
    show(11, ColFeeType);
    show(12, ColPets);
    // The client's notes go on the invoice with their line breaks as stored.
    controls::ShowStoredText(rtBilling, lvBilling->Value(row, ColNotes).toString());
    modGlobal::SetDefaultPointer();
}

void frmOrdwen::lvBilling_KeyPress(QChar) {
    lvBilling_Click();
}

void frmOrdwen::cmdTotalAmount_Click() {
    m_totals = rules::WorkOutTotals(ReadInvoice(*this));
    lblClient[HourlyCaption]->setText(modGlobal::FormatAmount(m_totals.hourly));
    lblClient[TotalCaption]->setText(modGlobal::FormatAmount(m_totals.total));
}

bool frmOrdwen::ValidateInvoice() {
    return !messages::ShowRefusal(this,
                                  rules::CheckInvoice(ReadInvoice(*this), m_totals, QDate::currentDate()),
                                  [this](int field) { return InvoiceFieldWidget(*this, field); });
}

void frmOrdwen::cmdPrintInvoice_Click() {
    modGlobal::SetBusyPointer();
    modGlobal::TrimTextBoxes(*this);
    if (!ValidateInvoice())
        return;
    if (lblBillID->text().isEmpty()) {
        messages::ChooseFirst(this, QStringLiteral("Select a client to print an invoice for! "));
        return;
    }
    const InvoiceRecord invoice = ReadInvoice(*this);
    const QDateTime serviceDate(invoice.serviceDate, QTime(0, 0));
    // Without a readable number there is no identifier to store: nothing is saved, and what
    // was typed stays for another try.
    const QString invoiceID = NewInvoiceID();
    bool saved = false;
    if (!invoiceID.isEmpty()) {
        QStringList texts = rules::InvoiceTexts(invoice, invoiceID);
        QList<float> amounts = rules::InvoiceAmounts(invoice, m_totals);
        saved = modGlobal::objHouse && modGlobal::objHouse->AddInvoice(texts, amounts, serviceDate);
    }
    modGlobal::SetDefaultPointer();
    // Only a stored invoice is printed, from its stored row, once the tab is emptied; the
    // list is filled again after it.
    if (saved) {
        cmdClearBilling_Click();
        PrintInvoiceReport(invoiceID);
    }
    // A refused save keeps the amounts and notes typed, so nothing is lost.
    messages::RunOutcome(this, saved,
                         {
                             .clear = {},
                             .refill =
                                 [this] {
                                     lvInvoices->clear();
                                     LoadInvoiceList();
                                 },
                             .question = QStringLiteral("New Invoice is Printing! ") + messages::LineBreaks +
                                         QStringLiteral("Do you want to print another Invoice? "),
                             .title = QStringLiteral("Record Saved Successfully"),
                             .onYes = [this] { lvBilling->setFocus(); },
                             .onNo = [this] { tabMain->setCurrentIndex(0); },
                             .failure = QStringLiteral("Invoice was NOT printed! "),
                             .onFailure = {},
                         });
}

void frmOrdwen::cmdClearBilling_Click() {
    for (QLabel *caption : lblClient)
        caption->clear();
    for (QLineEdit *box : txtBilling)
        box->clear();
    m_totals = {};
    lblBillID->clear();
    lblBillID->hide();
}

void frmOrdwen::txtBilling_KeyPress(int index, int &KeyAscii) {
    controls::FocusNextOnEnter(txtBilling, index, KeyAscii, rtBilling);
}

void frmOrdwen::lvInvoices_Click() {
    modGlobal::SetBusyPointer();
    if (const int row = lvInvoices->SelectedRow(); row >= 0) {
        modGlobal::itmShared = {lvInvoices, lvInvoices->Key(row)};
        lblInvoice[0]->setText(lvInvoices->Key(row));
        lblInvoice[1]->setText(lvInvoices->Text(row, 1) + QLatin1Char(' '));
        lblInvoice[2]->setText(lvInvoices->Text(row, 2) + QLatin1Char(' '));
    }
    modGlobal::SetDefaultPointer();
}

void frmOrdwen::lvInvoices_KeyPress(QChar) {
    lvInvoices_Click();
}

void frmOrdwen::cmdDeleteInvoice_Click() {
    if (lblInvoice[0]->text().isEmpty())
        return;
    // The library asks the user to confirm and removes the row only on Yes.
    const bool deleted = modGlobal::objHouse && modGlobal::objHouse->DeleteInvoice(lblInvoice[0]->text());
    messages::RunOutcome(this, deleted,
                         {
                             .clear = [this] { cmdClearInvoice_Click(); },
                             .refill =
                                 [this] {
                                     lvInvoices->clear();
                                     LoadInvoiceList();
                                 },
                             .question = QStringLiteral("Invoice Record Deleted! ") + messages::LineBreaks +
                                         QStringLiteral("Do you want to delete another Invoice record? "),
                             .title = QStringLiteral("Record Removed Successfully"),
                             .onYes = {},
                             .onNo = [this] { tabMain->setCurrentIndex(0); },
                             .failure = QStringLiteral("Invoice Record was NOT Deleted! "),
                             .failureIcon = QMessageBox::Warning,
                             .onFailure = {},
                         });
}

void frmOrdwen::cmdClearInvoice_Click() {
    for (QLabel *caption : lblInvoice)
        caption->clear();
    calBox->setSelectedDate(QDate::currentDate());
    lvInvoices->setFocus();
}

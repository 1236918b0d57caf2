// The Billing tab (choosing the client, working out the amounts, checking, storing and
// printing an invoice) and the invoice panel of the Utilities tab.
#include "client_columns.h"
#include "frmOrdwen.h"

#include "controls/Builders.h"
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

// Boxes of the Billing tab.
enum BillingBox { Hours = 0, Rate, Contract, OtherText, OtherAmount, PastDue };
// Worked-out captions among lblClient.
constexpr int HourlyCaption = 6;
constexpr int TotalCaption = 7;

} // namespace

void frmOrdwen::ConnectBilling() {
    connect(lvBilling, &ListView::Click, this, &frmOrdwen::lvBilling_Click);
    connect(lvBilling, &ListView::KeyPress, this, &frmOrdwen::lvBilling_KeyPress);
    connect(cmdTotalAmount, &QPushButton::clicked, this, &frmOrdwen::cmdTotalAmount_Click);
    connect(cmdPrintInvoice, &QPushButton::clicked, this, &frmOrdwen::cmdPrintInvoice_Click);
    connect(cmdClearBilling, &QPushButton::clicked, this, &frmOrdwen::cmdClearBilling_Click);
    for (QLineEdit *box : txtBilling)
        box->installEventFilter(this);

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
    auto amount = [this](int box) { return modGlobal::ConvertNumber(txtBilling[std::size_t(box)]->text()); };
    // Single precision throughout, added in this order, as the invoice stores them.
    const float hourly = amount(Hours) * amount(Rate);
    float total = hourly + amount(OtherAmount);
    total = total + amount(Contract);
    total = total + amount(PastDue);
    lblClient[HourlyCaption]->setText(modGlobal::FormatAmount(hourly));
    lblClient[TotalCaption]->setText(modGlobal::FormatAmount(total));
}

namespace {

// The number at the start of a caption: digits with at most one point; reading stops at the
// first other character, so "1,234.00" reads as 1.
double LeadingNumber(const QString &caption) {
    QString digits;
    bool point = false;
    for (const QChar c : caption) {
        if (c.isDigit() && c.unicode() < 128)
            digits += c;
        else if (c == QLatin1Char('.') && !point)
            point = true, digits += c;
        else
            break;
    }
    return digits.toDouble();
}

} // namespace

bool frmOrdwen::ValidateInvoice() {
    if (datBox->date() > QDate::currentDate())
        return messages::Refuse(this, QStringLiteral("The Service Date is later than the current date! "),
                                QMessageBox::Warning, datBox);
    struct NumberCheck {
        int box;
        const char *message;
    };
    static constexpr NumberCheck numbers[] = {
        {Hours, "Hours Worked field contains invalid characters! "},
        {Rate, "Rate Per Hour field contains invalid characters! "},
        {Contract, "Contract Fee field contains invalid characters! "},
        {OtherAmount, "Other Services Amt field contains invalid characters! "},
    };
    // An empty box passes: its amount is 0.
    auto notNumeric = [this](int box) {
        const QString text = txtBilling[std::size_t(box)]->text();
        return !text.isEmpty() && !modGlobal::IsNumeric(text);
    };
    for (const NumberCheck &check : numbers)
        if (notNumeric(check.box))
            return messages::Refuse(this, QString::fromLatin1(check.message), QMessageBox::Critical,
                                    txtBilling[std::size_t(check.box)]);
    if (!txtBilling[OtherAmount]->text().isEmpty() && txtBilling[OtherText]->text().isEmpty())
        return messages::Refuse(this, QStringLiteral("Enter brief description of Other Services! "),
                                QMessageBox::Critical, txtBilling[OtherText]);
    if (notNumeric(PastDue))
        return messages::Refuse(this, QStringLiteral("Past Due Amt field contains invalid characters! "),
                                QMessageBox::Critical, txtBilling[PastDue]);
    if (LeadingNumber(lblClient[TotalCaption]->text()) == 0)
        return messages::Refuse(this,
                                QStringLiteral("Enter values for your services and click the yellow Service "
                                               "Charge Totals button! "),
                                QMessageBox::Warning, cmdTotalAmount);
    return true;
}

QStringList frmOrdwen::InvoiceValues(const QString &invoiceID) const {
    QStringList texts(16);
    texts[0] = invoiceID;
    texts[1] = lblBillID->text();
    for (int i = 0; i <= 5; ++i)
        texts[2 + i] = lblClient[std::size_t(i)]->text(); // name and billing address
    texts[8] = txtBilling[OtherText]->text();
    for (int i = 8; i <= 12; ++i)
        texts[1 + i] = lblClient[std::size_t(i)]->text(); // day, schedule, service, fee type, pets
    texts[14] = controls::StoredText(rtBilling);
    return texts;
}

QList<float> frmOrdwen::InvoiceAmounts() const {
    auto box = [this](int index) { return modGlobal::ConvertNumber(txtBilling[std::size_t(index)]->text()); };
    // The worked-out amounts are stored as they are shown, separators and all.
    auto caption = [this](int index) {
        return modGlobal::ConvertNumber(lblClient[std::size_t(index)]->text());
    };
    return {box(Hours),       box(Rate),    caption(HourlyCaption), box(Contract),
            box(OtherAmount), box(PastDue), caption(TotalCaption),  0.0f};
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
    const QDateTime serviceDate(datBox->date(), QTime(0, 0));
    // Without a readable number there is no identifier to store: nothing is saved, and what
    // was typed stays for another try.
    const QString invoiceID = NewInvoiceID();
    bool saved = false;
    if (!invoiceID.isEmpty()) {
        QStringList texts = InvoiceValues(invoiceID);
        QList<float> amounts = InvoiceAmounts();
        saved = modGlobal::objHouse && modGlobal::objHouse->AddInvoice(texts, amounts, serviceDate);
    }
    modGlobal::SetDefaultPointer();
    // A refused save keeps the amounts and notes typed, so nothing is lost.
    messages::RunOutcome(this, saved,
                         {
                             .clear = [this] { cmdClearBilling_Click(); },
                             .refill =
                                 [this, invoiceID] {
                                     PrintInvoiceReport(invoiceID);
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
    lblBillID->clear();
    lblBillID->hide();
}

void frmOrdwen::txtBilling_KeyPress(int index, int &KeyAscii) {
    if (KeyAscii != 13 || index < 0 || index >= int(txtBilling.size()))
        return;
    KeyAscii = 0;
    if (index + 1 < int(txtBilling.size()))
        txtBilling[std::size_t(index + 1)]->setFocus();
    else
        rtBilling->setFocus();
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

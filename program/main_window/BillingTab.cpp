// Tab 2, "Billing": the client list at the top; below it the chosen client's data on the
// left and the charges of one visit on the right; working out the amounts, checking,
// storing and printing an invoice.
#include "BillingTab.h"
#include "client_columns.h"
#include "frmOrdwen.h"

#include "controls/Builders.h"
#include "controls/EnterMovesOn.h"
#include "controls/Format.h"
#include "controls/ListView.h"
#include "controls/ListViewSort.h"
#include "controls/Messages.h"
#include "controls/Twips.h"
#include "controls/WaitPointer.h"
#include "startup/modGlobal.h"

#include <QCalendarWidget>
#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {

// Worked-out captions among lblClient.
constexpr int HourlyCaption = 6;
constexpr int TotalCaption = 7;

} // namespace

BillingTab::BillingTab(frmOrdwen &main) : m_main(main) {
    setObjectName(QStringLiteral("tabBilling"));

    lvBilling = new ListView(this);
    lvBilling->setObjectName(QStringLiteral("lvBilling"));
    lvBilling->setGeometry(Twips::Rect(90, 90, 12090, 2250));
    controls::NameInput(lvBilling, QStringLiteral("Clients"));

    lblBillID = controls::HiddenLabel(this, QStringLiteral("lblBillID"));

    // The client's data, read only.
    constexpr int top = 2460;
    constexpr int step = 360;
    QLabel *dateLabel = controls::Label(this, QStringLiteral(" Service Date"),
                                        Twips::Rect(90, top, 2100, controls::RowHeight));
    datBox = new QDateEdit(QDate::currentDate(), this);
    datBox->setObjectName(QStringLiteral("datBox"));
    datBox->setCalendarPopup(true);
    datBox->setGeometry(Twips::Rect(2220, top, 1950, 330));
    controls::NameAfterLabel(dateLabel, datBox);
    controls::NameCalendar(datBox->calendarWidget(), QStringLiteral("Service Date calendar"));

    struct Row {
        const char *caption;
        int index;
        int width;
    };
    static constexpr Row clientRows[] = {
        {"Client Name", 0, 3450}, {"Billing Address", 1, 3450}, {"Billing Address", 2, 3450},
        {"City", 3, 3450},        {"State / Province", 4, 900}, {"Postal Code", 5, 1500},
        {"Day Of Week", 8, 3450}, {"Schedule", 9, 3450},        {"Service Type", 10, 3450},
        {"Fee Type", 11, 3450},   {"Pets", 12, 3450},
    };
    int y = top + step;
    const char *previousCaption = "";
    for (const Row &row : clientRows) {
        QLabel *label = controls::Label(this, QLatin1Char(' ') + QLatin1String(row.caption),
                                        Twips::Rect(90, y, 2100, controls::RowHeight));
        lblClient[std::size_t(row.index)] =
            controls::ValueLabel(this, controls::ElementName(QStringLiteral("lblClient"), row.index),
                                 Twips::Rect(2220, y, row.width, controls::RowHeight));
        // The two billing address lines share their caption.
        const bool secondLine = qstrcmp(row.caption, previousCaption) == 0;
        controls::NameAfterLabel(label, lblClient[std::size_t(row.index)],
                                 secondLine ? QStringLiteral("line 2") : QString());
        previousCaption = row.caption;
        y += step;
    }
    QLabel *notesLabel =
        controls::Label(this, QStringLiteral("Notes"), Twips::Rect(90, y + 60, 2100, controls::RowHeight));
    rtBilling = controls::RichTextBox(this, QStringLiteral("rtBilling"),
                                      Twips::Rect(2220, y + 60, 3450, 8820 - y - 60),
                                      QStringLiteral(" 250 characters max! "));
    controls::NameAfterLabel(notesLabel, rtBilling);

    // The charges of one visit and the two worked-out amounts.
    constexpr int left = 6000;
    constexpr int boxLeft = 8730;
    constexpr int chargeStep = 420;
    QLabel *chargeLabel = nullptr;
    auto charge = [&](int row, const QString &caption, const QString &labelTip) {
        chargeLabel =
            controls::Label(this, QLatin1Char(' ') + caption,
                            Twips::Rect(left, top + row * chargeStep, 2700, controls::RowHeight), labelTip);
        return Twips::Rect(boxLeft, top + row * chargeStep, 1650, controls::RowHeight + 15);
    };
    const QString otherTip = QStringLiteral(" Brief description of other charges ");
    QRect r = charge(0, QStringLiteral("Hours Worked"), {});
    txtBilling[0] = controls::TextBox(this, QStringLiteral("txtBilling(0)"),
                                      QRect(r.x(), r.y(), Twips::ToPixels(1050), r.height()), 6,
                                      Qt::AlignHCenter, QStringLiteral(" Example: 10.25  for 10 1/4 hours "));
    controls::NameAfterLabel(chargeLabel, txtBilling[0]);
    r = charge(1, QStringLiteral("Rate Per Hour"), {});
    txtBilling[1] =
        controls::TextBox(this, QStringLiteral("txtBilling(1)"),
                          QRect(r.x(), r.y(), Twips::ToPixels(1050), r.height()), 5, Qt::AlignRight);
    controls::NameAfterLabel(chargeLabel, txtBilling[1]);
    r = charge(2, QStringLiteral("Total Hourly Amt"), {});
    lblClient[6] = controls::ValueLabel(this, QStringLiteral("lblClient(6)"), r, Qt::AlignRight);
    controls::NameAfterLabel(chargeLabel, lblClient[6]);
    r = charge(3, QStringLiteral("Contract Fee"), {});
    txtBilling[2] = controls::TextBox(this, QStringLiteral("txtBilling(2)"), r, 0, Qt::AlignRight);
    controls::NameAfterLabel(chargeLabel, txtBilling[2]);
    r = charge(4, QStringLiteral("Other Services"), otherTip);
    txtBilling[3] =
        controls::TextBox(this, QStringLiteral("txtBilling(3)"),
                          QRect(r.x(), r.y(), Twips::ToPixels(3390), r.height()), 0, Qt::AlignLeft, otherTip);
    controls::NameAfterLabel(chargeLabel, txtBilling[3]);
    r = charge(5, QStringLiteral("Other Services Amt"), {});
    txtBilling[4] = controls::TextBox(this, QStringLiteral("txtBilling(4)"), r, 8, Qt::AlignRight);
    controls::NameAfterLabel(chargeLabel, txtBilling[4]);
    r = charge(6, QStringLiteral("Past Due Amount"), {});
    txtBilling[5] = controls::TextBox(this, QStringLiteral("txtBilling(5)"), r, 8, Qt::AlignRight);
    controls::NameAfterLabel(chargeLabel, txtBilling[5]);
    r = charge(7, QStringLiteral("Total Invoice Amount"), {});
    lblClient[7] = controls::ValueLabel(this, QStringLiteral("lblClient(7)"), r, Qt::AlignRight);
    controls::NameAfterLabel(chargeLabel, lblClient[7]);

    cmdTotalAmount =
        controls::Button(this, QStringLiteral("cmdTotalAmount"), QStringLiteral("Service Charge &Totals"),
                         Twips::Rect(boxLeft, 6150, 3390, 480));
    // Yellow, as the message that sends the user to it calls it. A styled button settles its
    // font when styled, before the this joins the window: it is given the window's font.
    cmdTotalAmount->setStyleSheet(controls::ColouredButtonStyle(QColor(255, 255, 0)));
    cmdTotalAmount->setFont(m_main.font());
    cmdPrintInvoice =
        controls::Button(this, QStringLiteral("cmdPrintInvoice"), QStringLiteral("&Print Invoice"),
                         Twips::Rect(boxLeft, 6780, 3390, 480));
    cmdClearBilling = controls::Button(this, QStringLiteral("cmdClearBilling"), QStringLiteral("Clear"),
                                       Twips::Rect(boxLeft, 7410, 3390, 480));

    connect(lvBilling, &ListView::Click, this, &BillingTab::lvBilling_Click);
    connect(lvBilling, &ListView::KeyPress, this, &BillingTab::lvBilling_KeyPress);
    connect(cmdTotalAmount, &QPushButton::clicked, this, &BillingTab::cmdTotalAmount_Click);
    connect(cmdPrintInvoice, &QPushButton::clicked, this, &BillingTab::cmdPrintInvoice_Click);
    connect(cmdClearBilling, &QPushButton::clicked, this, &BillingTab::cmdClearBilling_Click);
    auto *enter = new controls::EnterMovesOn(this);
    enter->Handle(txtBilling, [this](int index, int &KeyAscii) { txtBilling_KeyPress(index, KeyAscii); });
}

InvoiceRecord BillingTab::ReadInvoice() const {
    InvoiceRecord invoice;
    invoice.serviceDate = datBox->date();
    for (int i = 0; i < InvoiceRecord::BoxCount; ++i)
        invoice.boxes[std::size_t(i)] = txtBilling[std::size_t(i)]->text();
    invoice.clientID = lblBillID->text();
    auto caption = [this](int index) { return lblClient[std::size_t(index)]->text(); };
    invoice.client = caption(0);
    for (int i = 0; i < 5; ++i)
        invoice.billingAddress[std::size_t(i)] = caption(1 + i);
    invoice.dayOfWeek = caption(8);
    invoice.schedule = caption(9);
    invoice.service = caption(10);
    invoice.feeType = caption(11);
    invoice.pets = caption(12);
    invoice.notes = controls::StoredText(rtBilling);
    return invoice;
}

QWidget *BillingTab::InvoiceFieldWidget(int field) const {
    if (field == InvoiceRecord::ServiceDateField)
        return datBox;
    if (field == InvoiceRecord::TotalsField)
        return cmdTotalAmount;
    if (field >= 0 && field < InvoiceRecord::BoxCount)
        return txtBilling[std::size_t(field)];
    return nullptr;
}

void BillingTab::lvBilling_Click() {
    using namespace client;
    controls::WaitPointer wait;
    const int row = lvBilling->SelectedRow();
    if (row < 0)
        return;
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
}

void BillingTab::lvBilling_KeyPress(QChar) {
    lvBilling_Click();
}

void BillingTab::lvBilling_ColumnClick(int column) {
    ListViewSort::ColumnClick(lvBilling, column);
}

void BillingTab::cmdTotalAmount_Click() {
    m_totals = rules::WorkOutTotals(ReadInvoice());
    lblClient[HourlyCaption]->setText(controls::FormatAmount(m_totals.hourly));
    lblClient[TotalCaption]->setText(controls::FormatAmount(m_totals.total));
}

bool BillingTab::ValidateInvoice() {
    return !messages::ShowRefusal(window(),
                                  rules::CheckInvoice(ReadInvoice(), m_totals, QDate::currentDate()),
                                  [this](int field) { return InvoiceFieldWidget(field); });
}

void BillingTab::cmdPrintInvoice_Click() {
    QString invoiceID;
    bool saved = false;
    {
        controls::WaitPointer wait;
        modGlobal::TrimTextBoxes(*window());
        if (!ValidateInvoice())
            return;
        if (lblBillID->text().isEmpty()) {
            messages::ChooseFirst(window(), QStringLiteral("Select a client to print an invoice for! "));
            return;
        }
        const InvoiceRecord invoice = ReadInvoice();
        const QDateTime serviceDate(invoice.serviceDate, QTime(0, 0));
        // Without a readable number there is no identifier to store: nothing is saved, and
        // what was typed stays for another try.
        invoiceID = m_main.NewInvoiceID();
        if (!invoiceID.isEmpty()) {
            QStringList texts = rules::InvoiceTexts(invoice, invoiceID);
            QList<float> amounts = rules::InvoiceAmounts(invoice, m_totals);
            saved = modGlobal::objHouse && modGlobal::objHouse->AddInvoice(texts, amounts, serviceDate);
        }
    }
    // Only a stored invoice is printed, from its stored row, once the tab is emptied; the
    // list is filled again after it.
    if (saved) {
        cmdClearBilling_Click();
        m_main.PrintInvoiceReport(invoiceID);
    }
    // A refused save keeps the amounts and notes typed, so nothing is lost.
    messages::RunOutcome(window(), saved,
                         {
                             .clear = {},
                             .refill = [this] { m_main.RefillInvoiceList(); },
                             .question = QStringLiteral("New Invoice is Printing! ") + messages::LineBreaks +
                                         QStringLiteral("Do you want to print another Invoice? "),
                             .title = QStringLiteral("Record Saved Successfully"),
                             .onYes = [this] { lvBilling->setFocus(); },
                             .onNo = [this] { m_main.ShowFirstTab(); },
                             .failure = QStringLiteral("Invoice was NOT printed! "),
                             .onFailure = {},
                         });
}

void BillingTab::cmdClearBilling_Click() {
    for (QLabel *caption : lblClient)
        caption->clear();
    for (QLineEdit *box : txtBilling)
        box->clear();
    m_totals = {};
    lblBillID->clear();
    lblBillID->hide();
}

void BillingTab::txtBilling_KeyPress(int index, int &KeyAscii) {
    controls::FocusNextOnEnter(txtBilling, index, KeyAscii, rtBilling);
}

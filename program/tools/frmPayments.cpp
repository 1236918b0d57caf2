#include "tools/frmPayments.h"

#include "controls/AppInfo.h"
#include "controls/Builders.h"
#include "controls/EnterMovesOn.h"
#include "controls/Format.h"
#include "controls/ListView.h"
#include "controls/ListViewSort.h"
#include "controls/Messages.h"
#include "controls/Twips.h"
#include "controls/WaitPointer.h"
#include "reports/Reports.h"
#include "startup/RecordID.h"
#include "startup/modGlobal.h"
#include "tools/Find.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>

namespace {

// Client area of the window and the tabs inside it, in twips.
constexpr int ClientWidth = 12060;
constexpr int ClientHeight = 8460;
constexpr int Margin = 90;
constexpr int TabsHeight = 7740;
constexpr int Inner = 120;
constexpr int ButtonHeight = 420;
constexpr int ListTop = Inner + controls::RowHeight + 15;

// Tab "Clients": the client list on the left, the client's records on the right.
constexpr int ClientsWidth = 5160;
constexpr int RecordsLeft = Inner + ClientsWidth + 120;
constexpr int RecordsWidth = 6180;
constexpr int LabelWidth = 1500;
constexpr int RowStep = 360;
constexpr int EntryTop = 2340;
constexpr int PageBottom = 7080;

constexpr ListColumn ClientColumns[] = {
    {"Client ID", 800, Qt::AlignLeft, "ClientID"},
    {"Client", 1600, Qt::AlignLeft, "Client"},
    {"Invoiced", 820, Qt::AlignRight, "Invoiced", CellKind::Amount},
    {"Paid", 820, Qt::AlignRight, "Paid", CellKind::Amount},
    {"Owed", 820, Qt::AlignRight, "Owed", CellKind::Amount},
};
constexpr ListColumn InvoiceColumns[] = {
    {"Invoice ID", 1100, Qt::AlignLeft, "InvoiceID"},
    {"Service Date", 1200, Qt::AlignLeft, "ServiceDate", CellKind::Date},
    {"Total", 1200, Qt::AlignRight, "TotalAmt", CellKind::Amount},
    {"Paid", 1200, Qt::AlignRight, "Paid", CellKind::Amount},
    {"Still Owed", 1200, Qt::AlignRight, "Owed", CellKind::Amount},
};
constexpr int OwedColumn = 4;
constexpr ListColumn PaymentColumns[] = {
    {"Payment ID", 1000, Qt::AlignLeft, "PaymentID"},
    {"Invoice ID", 1000, Qt::AlignLeft, "InvoiceID"},
    {"Date Paid", 1100, Qt::AlignLeft, "PaidDate", CellKind::Date},
    {"Amount", 1000, Qt::AlignRight, "Amount", CellKind::Amount},
    {"Method", 900, Qt::AlignLeft, "Method"},
    {"Note", 1800, Qt::AlignLeft, "Notes"},
};
constexpr ListColumn BalanceColumns[] = {
    {"Client ID", 1200, Qt::AlignLeft, "ClientID"},
    {"Client", 3600, Qt::AlignLeft, "Client"},
    {"Owed", 1500, Qt::AlignRight, "Owed", CellKind::Amount},
    {"Oldest Unpaid", 1700, Qt::AlignLeft, "OldestUnpaid", CellKind::Date},
    {"Days Unpaid", 1400, Qt::AlignRight, "Days"},
};

// The list with its label above it.
ListView *labelledList(QWidget *page, QLabel *&label, const QString &caption, const char *name,
                       const QRect &twips) {
    label = controls::Label(
        page, caption,
        Twips::Rect(twips.x(), twips.y() - controls::RowHeight - 15, twips.width(), controls::RowHeight));
    label->setObjectName(QStringLiteral("lbl") + QLatin1String(name + 2));
    auto *list = new ListView(page);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(Twips::Rect(twips));
    list->setFont(QFont(QStringLiteral("Arial"), 8));
    controls::NameAfterLabel(label, list);
    return list;
}

// A caption on the left of an entry row.
QLabel *rowLabel(QWidget *page, const char *name, const QString &caption, int row) {
    QLabel *label = controls::Label(
        page, caption, Twips::Rect(RecordsLeft, EntryTop + row * RowStep, LabelWidth, controls::RowHeight));
    label->setObjectName(QLatin1String(name));
    return label;
}

QRect rowBox(int row, int width) {
    return Twips::Rect(RecordsLeft + LabelWidth + 60, EntryTop + row * RowStep, width, controls::RowHeight);
}

} // namespace

frmPayments::frmPayments(QWidget *parent) : QWidget(parent, Qt::Window) {
    controls::FixedToolWindow(this, QStringLiteral("frmPayments"), ClientWidth, ClientHeight);
    setWindowTitle(QString::fromLatin1(controls::AppTitle) + QStringLiteral(" - Payments"));

    tabPayments = new QTabWidget(this);
    tabPayments->setObjectName(QStringLiteral("tabPayments"));
    tabPayments->setGeometry(Twips::Rect(Margin, Margin, ClientWidth - 2 * Margin, TabsHeight));
    tabPayments->addTab(BuildClientsTab(), QStringLiteral("Clients"));
    tabPayments->addTab(BuildBalancesTab(), QStringLiteral("Balances"));
    BuildButtons();
    SetupLists();
    SetTabOrder();

    auto *enter = new controls::EnterMovesOn(this);
    enter->Handle(std::array<QLineEdit *, 2>{txtAmount, txtNote},
                  [this](int index, int &KeyAscii) { txtEntry_KeyPress(index, KeyAscii); });
    // Ctrl+F finds in the list in use, choosing the row found as a click would.
    auto *find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    find->setObjectName(QStringLiteral("findShortcut"));
    connect(find, &QShortcut::activated, this, [this] {
        tools::OpenFind(this, [this]() -> tools::FindScope {
            ListView *list = FindList();
            if (list == lvInvoices)
                return {list, [this] { lvInvoices_Click(); }};
            if (list == lvPayments)
                return {list, [this] { lvPayments_Click(); }};
            if (list == lvBalances)
                return {list, [this] { lvBalances_Click(); }};
            return {lvClients, [this] { lvClients_Click(); }};
        });
    });
    connect(cmdRecord, &QPushButton::clicked, this, &frmPayments::cmdRecord_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmPayments::cmdClear_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmPayments::cmdDelete_Click);
    connect(cmdStatement, &QPushButton::clicked, this, &frmPayments::cmdStatement_Click);
    connect(cmdIncome, &QPushButton::clicked, this, &frmPayments::cmdIncome_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmPayments::cmdClose_Click);
    lvClients->setFocus();
}

frmPayments::~frmPayments() = default;

QWidget *frmPayments::BuildClientsTab() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tabClients"));
    lvClients = labelledList(page, lblClients, QStringLiteral("&Clients with invoices"), "lvClients",
                             QRect(Inner, ListTop, ClientsWidth, PageBottom - ListTop));
    lvInvoices =
        labelledList(page, lblInvoices, QStringLiteral("&Invoices of the chosen client"), "lvInvoices",
                     QRect(RecordsLeft, ListTop, RecordsWidth, EntryTop - 120 - ListTop));

    lblInvoice = rowLabel(page, "lblInvoice", QStringLiteral("Invoice"), 0);
    lblInvoiceValue = controls::ValueLabel(page, QStringLiteral("lblInvoiceValue"),
                                           rowBox(0, RecordsWidth - LabelWidth - 60));
    lblPaidDate = rowLabel(page, "lblPaidDate", QStringLiteral("Date &Paid"), 1);
    dtpPaidDate = new QDateEdit(QDate::currentDate(), page);
    dtpPaidDate->setObjectName(QStringLiteral("dtpPaidDate"));
    dtpPaidDate->setCalendarPopup(true);
    dtpPaidDate->setGeometry(rowBox(1, 1950));
    controls::NameAfterLabel(lblPaidDate, dtpPaidDate);
    controls::NameCalendar(dtpPaidDate->calendarWidget(), QStringLiteral("Date Paid calendar"));
    lblAmount = rowLabel(page, "lblAmount", QStringLiteral("&Amount"), 2);
    txtAmount = controls::TextBox(page, QStringLiteral("txtAmount"), rowBox(2, 1950), 14, Qt::AlignRight);
    controls::NameAfterLabel(lblAmount, txtAmount);
    lblMethod = rowLabel(page, "lblMethod", QStringLiteral("&Method"), 3);
    cboMethod = new QComboBox(page);
    cboMethod->setObjectName(QStringLiteral("cboMethod"));
    cboMethod->addItems(rules::PaymentMethods);
    cboMethod->setGeometry(rowBox(3, 1950));
    controls::NameAfterLabel(lblMethod, cboMethod);
    lblNote = rowLabel(page, "lblNote", QStringLiteral("&Note"), 4);
    txtNote =
        controls::TextBox(page, QStringLiteral("txtNote"), rowBox(4, RecordsWidth - LabelWidth - 60), 255);
    controls::NameAfterLabel(lblNote, txtNote);

    const int buttonTop = EntryTop + 5 * RowStep;
    cmdRecord = controls::Button(page, QStringLiteral("cmdRecord"), QStringLiteral("&Record Payment"),
                                 Twips::Rect(RecordsLeft + LabelWidth + 60, buttonTop, 1950, ButtonHeight));
    // Enter on the focused button presses it: the note moves on to it.
    cmdRecord->setAutoDefault(true);
    cmdClear = controls::Button(page, QStringLiteral("cmdClear"), QStringLiteral("C&lear"),
                                Twips::Rect(RecordsLeft + LabelWidth + 2130, buttonTop, 1200, ButtonHeight));

    const int paymentsTop = buttonTop + ButtonHeight + 120 + controls::RowHeight + 15;
    const int deleteTop = PageBottom - ButtonHeight;
    lvPayments =
        labelledList(page, lblPayments, QStringLiteral("Pa&yments of the chosen client"), "lvPayments",
                     QRect(RecordsLeft, paymentsTop, RecordsWidth, deleteTop - 120 - paymentsTop));
    cmdDelete = controls::Button(page, QStringLiteral("cmdDelete"), QStringLiteral("&Delete Payment"),
                                 Twips::Rect(RecordsLeft, deleteTop, 1950, ButtonHeight));

    lblClientID = controls::HiddenLabel(page, QStringLiteral("lblClientID"));
    lblInvoiceID = controls::HiddenLabel(page, QStringLiteral("lblInvoiceID"));
    lblPaymentID = controls::HiddenLabel(page, QStringLiteral("lblPaymentID"));
    return page;
}

QWidget *frmPayments::BuildBalancesTab() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tabBalances"));
    const int totalTop = PageBottom - controls::RowHeight;
    lvBalances = labelledList(
        page, lblBalances, QStringLiteral("Clients who &owe, largest balance first"), "lvBalances",
        QRect(Inner, ListTop, ClientWidth - 2 * Margin - 2 * Inner - 60, totalTop - 120 - ListTop));
    lblTotalOwed = controls::Label(page, QStringLiteral("Total owed"),
                                   Twips::Rect(Inner, totalTop, 1500, controls::RowHeight));
    lblTotalOwed->setObjectName(QStringLiteral("lblTotalOwed"));
    lblTotalOwedValue =
        controls::ValueLabel(page, QStringLiteral("lblTotalOwedValue"),
                             Twips::Rect(Inner + 1560, totalTop, 1800, controls::RowHeight), Qt::AlignRight);
    return page;
}

void frmPayments::BuildButtons() {
    const int top = Margin + TabsHeight + 120;
    cmdStatement = controls::Button(this, QStringLiteral("cmdStatement"), QStringLiteral("&Statement"),
                                    Twips::Rect(Margin, top, 1800, ButtonHeight));
    lblYear = controls::Label(this, QStringLiteral("Y&ear"),
                              Twips::Rect(Margin + 2100, top + 60, 600, controls::RowHeight));
    lblYear->setObjectName(QStringLiteral("lblYear"));
    spnYear = new QSpinBox(this);
    spnYear->setObjectName(QStringLiteral("spnYear"));
    spnYear->setRange(1900, 9999);
    spnYear->setValue(QDate::currentDate().year());
    spnYear->setGeometry(Twips::Rect(Margin + 2700, top + 45, 900, 330));
    controls::NameAfterLabel(lblYear, spnYear);
    cmdIncome = controls::Button(this, QStringLiteral("cmdIncome"), QStringLiteral("Income &by Month"),
                                 Twips::Rect(Margin + 3720, top, 2100, ButtonHeight));
    cmdClose = controls::Button(this, QStringLiteral("cmdClose"), QStringLiteral("Close This &Window"),
                                Twips::Rect(ClientWidth - Margin - 2100, top, 2100, ButtonHeight));
}

void frmPayments::SetupLists() {
    const auto setup = [this](ListView *list, std::span<const ListColumn> columns,
                              void (frmPayments::*click)()) {
        list->SetColumns(columns);
        // The rows come in the library's order until the first header click sorts them.
        ListViewSort::Setup(list, false, 0);
        connect(list->header(), &QHeaderView::sectionClicked, this,
                [list](int column) { ListViewSort::ColumnClick(list, column); });
        connect(list, &ListView::Click, this, click);
        // The list has moved to the row typed to; which key it was does not matter.
        connect(list, &ListView::KeyPress, this, click);
    };
    setup(lvClients, ClientColumns, &frmPayments::lvClients_Click);
    setup(lvInvoices, InvoiceColumns, &frmPayments::lvInvoices_Click);
    setup(lvPayments, PaymentColumns, &frmPayments::lvPayments_Click);
    setup(lvBalances, BalanceColumns, &frmPayments::lvBalances_Click);
}

void frmPayments::SetTabOrder() {
    QWidget *previous = nullptr;
    for (QWidget *next : std::initializer_list<QWidget *>{
             lvClients, lvInvoices, dtpPaidDate, txtAmount, cboMethod, txtNote, cmdRecord, cmdClear,
             lvPayments, cmdDelete, cmdStatement, spnYear, cmdIncome, cmdClose}) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
}

void frmPayments::Form_Load() {
    const controls::WaitPointer wait;
    // A missing icon leaves the window without it.
    const QIcon icon(modGlobal::AppPath(QStringLiteral("images/autorun.ico")));
    if (!icon.availableSizes().isEmpty())
        setWindowIcon(icon);
    for (QLabel *id : {lblClientID, lblInvoiceID, lblPaymentID}) {
        id->clear();
        id->hide();
    }
    if (!modGlobal::objHouse)
        modGlobal::NewHouse();
    RefillClients();
}

void frmPayments::RefillClients() {
    const controls::WaitPointer wait;
    lvClients->clear();
    lvBalances->clear();
    lblTotalOwedValue->clear();
    modGlobal::CloseSharedRecordset();
    if (modGlobal::objHouse)
        modGlobal::rsShared = modGlobal::objHouse->LoadBalances(QString());
    // A failed read leaves the lists empty; the library has told the user.
    if (modGlobal::rsShared) {
        modGlobal::rsShared->MoveFirst();
        FillList(lvClients, *modGlobal::rsShared, ClientColumns);
        rules::OwedBalances owing = rules::OwingClients(*modGlobal::rsShared, QDate::currentDate());
        FillList(lvBalances, owing.rows, BalanceColumns);
        lblTotalOwedValue->setText(controls::FormatAmount(owing.total));
    }
    modGlobal::CloseSharedRecordset();
    // The chosen client stays chosen; one no longer listed is chosen no more.
    const int row = lvClients->RowOf(lblClientID->text());
    if (row >= 0)
        lvClients->ChooseRow(row);
    else
        lblClientID->clear();
    LoadClientRecords();
}

void frmPayments::LoadClientRecords() {
    const controls::WaitPointer wait;
    const QString chosenInvoice = lblInvoiceID->text();
    lvInvoices->clear();
    lvPayments->clear();
    ForgetPayment();
    const QString clientID = lblClientID->text();
    if (!clientID.isEmpty() && modGlobal::objHouse) {
        if (ordwen::RecordsetPtr invoices = modGlobal::objHouse->LoadBalances(clientID)) {
            invoices->MoveFirst();
            FillList(lvInvoices, *invoices, InvoiceColumns);
        }
        if (ordwen::RecordsetPtr payments = modGlobal::objHouse->LoadPayments(clientID)) {
            payments->MoveFirst();
            FillList(lvPayments, *payments, PaymentColumns);
        }
    }
    // The chosen invoice stays chosen, with what it owes now.
    ChooseInvoice(lvInvoices->RowOf(chosenInvoice));
}

void frmPayments::ChooseInvoice(int row) {
    if (row < 0) {
        lblInvoiceID->clear();
        lblInvoiceValue->clear();
        lvInvoices->clearSelection();
        return;
    }
    lvInvoices->ChooseRow(row);
    lblInvoiceID->setText(lvInvoices->Key(row));
    lblInvoiceValue->setText(lvInvoices->Key(row) + QStringLiteral(", still owed ") +
                             lvInvoices->Text(row, OwedColumn));
}

void frmPayments::ForgetPayment() {
    lblPaymentID->clear();
    lvPayments->clearSelection();
}

void frmPayments::lvClients_Click() {
    const int row = lvClients->SelectedRow();
    if (row < 0)
        return;
    const QString clientID = lvClients->Key(row);
    if (clientID == lblClientID->text())
        return;
    lblClientID->setText(clientID);
    // Another client's invoice is no longer the one a payment goes to.
    lblInvoiceID->clear();
    LoadClientRecords();
}

void frmPayments::lvInvoices_Click() {
    ChooseInvoice(lvInvoices->SelectedRow());
}

void frmPayments::lvPayments_Click() {
    const int row = lvPayments->SelectedRow();
    if (row >= 0)
        lblPaymentID->setText(lvPayments->Key(row));
}

void frmPayments::lvBalances_Click() {
    const int row = lvBalances->SelectedRow();
    if (row < 0)
        return;
    // The client owing is chosen on the Clients tab too, for a payment or a statement.
    const int clientRow = lvClients->RowOf(lvBalances->Key(row));
    if (clientRow < 0)
        return;
    lvClients->ChooseRow(clientRow);
    lvClients_Click();
}

void frmPayments::txtEntry_KeyPress(int index, int &KeyAscii) {
    if (KeyAscii != controls::EnterMovesOn::Enter)
        return;
    KeyAscii = 0;
    if (index == 0)
        cboMethod->setFocus();
    else
        cmdRecord->setFocus();
}

ListView *frmPayments::FindList() const {
    if (tabPayments->currentIndex() == 1)
        return lvBalances;
    for (ListView *list : {lvInvoices, lvPayments}) {
        if (focusWidget() == list)
            return list;
    }
    return lvClients;
}

QString frmPayments::NewPaymentID() {
    return RecordID::Next(&ordwen::_House::GetNewPaymentID, QStringLiteral("NewPaymentID"),
                          QStringLiteral("PAY-"));
}

PaymentRecord frmPayments::ReadPayment(double owed) const {
    return {lblInvoiceID->text(), lblClientID->text(),      owed,           dtpPaidDate->date(),
            txtAmount->text(),    cboMethod->currentText(), txtNote->text()};
}

void frmPayments::cmdRecord_Click() {
    modGlobal::TrimTextBoxes(*this);
    const QString invoiceID = lblInvoiceID->text();
    // What the invoice owes now, not when it was listed: another session may have been paid
    // against it since.
    std::optional<double> owed = 0.0;
    if (!invoiceID.isEmpty()) {
        const controls::WaitPointer wait;
        const ordwen::RecordsetPtr invoices =
            modGlobal::objHouse ? modGlobal::objHouse->LoadBalances(lblClientID->text()) : nullptr;
        owed = invoices ? rules::InvoiceOwed(*invoices, invoiceID) : std::nullopt;
    }
    if (!owed) {
        messages::SaveFailed(this, QStringLiteral("Invoice ") + invoiceID +
                                       QStringLiteral(" could not be read: the Payment was NOT Recorded! "));
        return;
    }
    const PaymentRecord payment = ReadPayment(*owed);
    const bool refused = messages::ShowRefusal(this, rules::CheckPayment(payment, QDate::currentDate()),
                                               [this](int field) -> QWidget * {
                                                   switch (field) {
                                                   case PaymentRecord::InvoiceField:
                                                       return lvInvoices;
                                                   case PaymentRecord::DateField:
                                                       return dtpPaidDate;
                                                   case PaymentRecord::AmountField:
                                                       return txtAmount;
                                                   default:
                                                       return nullptr;
                                                   }
                                               });
    if (refused)
        return;
    QString paymentID;
    const bool saved = [this, &payment, &paymentID] {
        const controls::WaitPointer wait;
        // Without a readable number there is no identifier to store: nothing is saved.
        paymentID = NewPaymentID();
        if (paymentID.isEmpty())
            return false;
        QStringList strText = rules::PaymentTexts(payment, paymentID);
        return modGlobal::objHouse &&
               modGlobal::objHouse->AddPayment(strText, rules::PaymentAmount(payment), payment.paidDate);
    }();
    // A refused save keeps what was typed, and the invoice chosen, for another try.
    messages::RunOutcome(this, saved,
                         {
                             .clear = [this] { cmdClear_Click(); },
                             .refill = [this] { RefillClients(); },
                             .question = QStringLiteral("Payment ") + paymentID + QStringLiteral(" of ") +
                                         controls::FormatAmount(rules::PaymentAmount(payment)) +
                                         QStringLiteral(" Recorded against ") + payment.invoiceID +
                                         QStringLiteral("! ") + messages::LineBreaks +
                                         QStringLiteral("Do you want to record another Payment? "),
                             .title = QStringLiteral("Record Saved Successfully"),
                             .onYes = [this] { lvInvoices->setFocus(); },
                             .onNo = [this] { lvClients->setFocus(); },
                             .failure = QStringLiteral("Payment was NOT Recorded! "),
                             .failureIcon = QMessageBox::Critical,
                             .onFailure = {},
                         });
}

void frmPayments::cmdClear_Click() {
    txtAmount->clear();
    txtNote->clear();
    cboMethod->setCurrentIndex(0);
    dtpPaidDate->setDate(QDate::currentDate());
    ChooseInvoice(-1);
    lvInvoices->setFocus();
}

void frmPayments::cmdDelete_Click() {
    const QString paymentID = lblPaymentID->text();
    if (paymentID.isEmpty()) {
        messages::ChooseFirst(this, QStringLiteral("Select a payment to delete! "));
        return;
    }
    // The library asks the user to confirm and removes the row only on Yes.
    const bool deleted = modGlobal::objHouse && modGlobal::objHouse->DeletePayment(paymentID);
    messages::RunOutcome(
        this, deleted,
        {
            .clear = [this] { ForgetPayment(); },
            .refill = [this] { RefillClients(); },
            .question = QStringLiteral("Payment ") + paymentID + QStringLiteral(" Deleted! ") +
                        messages::LineBreaks + QStringLiteral("Do you want to delete another Payment? "),
            .title = QStringLiteral("Record Removed Successfully"),
            .onYes = [this] { lvPayments->setFocus(); },
            .onNo = [this] { lvClients->setFocus(); },
            .failure = QStringLiteral("Payment ") + paymentID + QStringLiteral(" was NOT Deleted! "),
            .failureIcon = QMessageBox::Warning,
            .onFailure = {},
        });
}

void frmPayments::cmdStatement_Click() {
    const QString clientID = lblClientID->text();
    if (clientID.isEmpty()) {
        messages::ChooseFirst(this, QStringLiteral("Select a client for the statement! "));
        return;
    }
    reports::ShowStatement(clientID, this);
}

void frmPayments::cmdIncome_Click() {
    reports::ShowIncomeByMonth(spnYear->value(), this);
}

void frmPayments::cmdClose_Click() {
    close();
}

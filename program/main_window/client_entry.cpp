// Client upkeep on the "Add Clients" and "Manage Clients" tabs: the checks, saving a new
// client, updating and deleting the chosen one, emptying the tabs, and Enter moving on.
#include "startup/ListView.h"
#include "startup/RecordID.h"
#include "frmOrdwen.h"
#include "option_groups.h"

#include "startup/modGlobal.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>

namespace {

const QString LineBreaks = QStringLiteral("\r\n\r\n");
const QString ErrorTitle = QStringLiteral(" ERROR");

// The typing limit a box was laid out with; a stored value longer than that is still
// shown whole (see ShowStoredText).
int designLimit(const QLineEdit *box) {
    const QVariant limit = box->property("designMaxLength");
    return limit.isValid() ? limit.toInt() : box->maxLength();
}

} // namespace

void frmOrdwen::ConnectClientEntry() {
    connect(cmdSaveAdd, &QPushButton::clicked, this, &frmOrdwen::cmdSaveAdd_Click);
    connect(cmdClearAdd, &QPushButton::clicked, this, &frmOrdwen::cmdClearAdd_Click);
    connect(cmdSaveEdit, &QPushButton::clicked, this, &frmOrdwen::cmdSaveEdit_Click);
    connect(cmdClearEdit, &QPushButton::clicked, this, &frmOrdwen::cmdClearEdit_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmOrdwen::cmdDelete_Click);
    for (int i = 0; i < ClientFieldCount; ++i) {
        for (QLineEdit *box : {txtAdd[std::size_t(i)], txtEdit[std::size_t(i)]}) {
            box->setProperty("designMaxLength", box->maxLength());
            box->installEventFilter(this);
        }
    }
}

void frmOrdwen::ShowStoredText(QLineEdit *box, const QString &text) {
    // A text box refuses text beyond its limit; a stored value (a fee shown with digit
    // grouping, say) must not be cut short, or an update would store the cut value.
    box->setMaxLength(qMax(designLimit(box), int(text.size())));
    box->setText(text);
    // A value wider than its box reads from its start.
    box->setCursorPosition(0);
}

QString frmOrdwen::NewClientID() {
    return RecordID::Next(&ordwen::_House::GetNewClientID, QStringLiteral("NewClientID"),
                          QStringLiteral("QD-"));
}

QString frmOrdwen::NewInvoiceID() {
    return RecordID::Next(&ordwen::_House::GetNewInvoiceID, QStringLiteral("NewInvoiceID"),
                          QStringLiteral("INV-"));
}

QString frmOrdwen::NewNoteID() {
    return RecordID::Next(&ordwen::_House::GetNewNoteID, QStringLiteral("NewNoteID"), QStringLiteral("QDN-"));
}

bool frmOrdwen::ValidateClientFields(QComboBox *clientType,
                                     const std::array<QLineEdit *, ClientFieldCount> &boxes) {
    auto refuse = [this](const QString &message, QWidget *focus) {
        modGlobal::SetDefaultPointer();
        modGlobal::ShowMessage(this, message, QMessageBox::Critical);
        focus->setFocus();
        return false;
    };
    if (clientType->currentText().isEmpty())
        return refuse(QStringLiteral("Select a Client Type "), clientType);
    struct Required {
        int index;
        const char *message;
    };
    static constexpr Required required[] = {
        {0, "Enter a Client name "},
        {1, "Enter Client's address "},
        {3, "Enter Client's city "},
        {4, "Enter Client's state or province "},
        {5, "Enter Client's postal (Zip) code "},
        {6, "Enter Client's telephone number "},
        {7, "Enter Contact name "},
    };
    for (const Required &r : required) {
        QLineEdit *box = boxes[std::size_t(r.index)];
        if (box->text().isEmpty())
            return refuse(QString::fromLatin1(r.message), box);
    }
    return true;
}

bool frmOrdwen::ValidateNewClient() {
    if (!ValidateClientFields(cboBoxAdd[0], txtAdd))
        return false;
    auto refuse = [this](const QString &message) {
        modGlobal::SetDefaultPointer();
        modGlobal::ShowMessage(this, message, QMessageBox::Critical);
        return false;
    };
    if (!options::AnyOn(optSchedule))
        return refuse(QStringLiteral("Select a Service Schedule! "));
    if (!options::AnyOn(optService))
        return refuse(QStringLiteral("Select a Service Type! "));
    if (!options::AnyOn(optFee))
        return refuse(QStringLiteral("Select a Fee Type! "));
    if (!options::AnyOn(optBilling))
        return refuse(QStringLiteral("Select a Billing Schedule! "));
    const QString fee = txtAdd[FeeIndex]->text();
    if (!fee.isEmpty() && !modGlobal::IsNumeric(fee)) {
        refuse(QStringLiteral("Fee Amount contains invalid characters! "));
        txtAdd[FeeIndex]->setFocus();
        return false;
    }
    if (!options::AnyOn(optPets))
        return refuse(QStringLiteral("Select Pets (Yes or No)! "));
    return true;
}

bool frmOrdwen::ValidateEditClient() {
    if (!ValidateClientFields(cboBoxEdit, txtEdit))
        return false;
    const QString fee = txtEdit[FeeIndex]->text();
    if (!fee.isEmpty() && !modGlobal::IsNumeric(fee)) {
        modGlobal::SetDefaultPointer();
        modGlobal::ShowMessage(this, QStringLiteral("Fee Amount contains invalid characters! "),
                               QMessageBox::Critical);
        txtEdit[FeeIndex]->setFocus();
        return false;
    }
    return true;
}

QStringList
frmOrdwen::ClientValues(QComboBox *clientType, const std::array<QLineEdit *, ClientFieldCount> &boxes,
                        QTextEdit *notes, std::span<QRadioButton *const> schedule,
                        std::span<QRadioButton *const> service, std::span<QRadioButton *const> feeType,
                        std::span<QRadioButton *const> billing, std::span<QRadioButton *const> pets) const {
    QStringList values(22);
    values[1] = clientType->currentText();
    // Name, service address, telephone and contact: boxes 0 to 7 into slots 2 to 9.
    for (int i = 0; i <= 7; ++i)
        values[2 + i] = boxes[std::size_t(i)]->text();
    // The billing address, field by field: an empty billing box takes the service
    // address's field (slots 3 to 7).
    for (int i = 8; i <= 12; ++i) {
        const QString typed = boxes[std::size_t(i)]->text();
        values[10 + (i - 8)] = typed.isEmpty() ? values[3 + (i - 8)] : typed;
    }
    values[15] = options::ChosenCaption(schedule);
    values[16] = options::ChosenCaption(service);
    values[17] = boxes[13]->text();
    values[18] = options::ChosenCaption(feeType);
    values[19] = options::ChosenCaption(billing);
    values[20] = options::ChosenCaption(pets);
    values[21] = notes->toPlainText();
    return values;
}

void frmOrdwen::RefillClientLists() {
    // The rows are about to go: no shared reference may point at one.
    modGlobal::itmShared = nullptr;
    lvClients->clear();
    LoadClientList();
    lvBilling->clear();
    LoadBillingList();
}

void frmOrdwen::cmdSaveAdd_Click() {
    modGlobal::TrimTextBoxes(*this);
    if (!ValidateNewClient())
        return;
    modGlobal::SetBusyPointer();
    const QString clientID = NewClientID();
    if (clientID.isEmpty()) {
        // Without a readable number there is no identifier to store: nothing is saved,
        // and what was typed stays for another try.
        modGlobal::SetDefaultPointer();
        modGlobal::ShowMessage(this, QStringLiteral("Client Record was NOT Saved! "), QMessageBox::Critical,
                               QMessageBox::Ok, QMessageBox::NoButton, ErrorTitle);
        return;
    }
    QStringList values =
        ClientValues(cboBoxAdd[0], txtAdd, rtBoxAdd, optSchedule, optService, optFee, optBilling, optPets);
    values[0] = clientID;
    const float fee = modGlobal::ConvertNumber(txtAdd[FeeIndex]->text());
    const bool saved = modGlobal::objHouse && modGlobal::objHouse->AddClient(values, fee);
    modGlobal::SetDefaultPointer();
    if (saved) {
        cmdClearAdd_Click();
        RefillClientLists();
        const auto answer =
            modGlobal::ShowMessage(this,
                                   QStringLiteral("New Client Record Saved! ") + LineBreaks +
                                       QStringLiteral("Do you want to add another Client record? "),
                                   QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                                   QStringLiteral("Record Saved Successfully"));
        if (answer != QMessageBox::Yes)
            tabMain->setCurrentIndex(0);
    } else {
        // Nothing was stored: what was typed stays for another try instead of being lost.
        modGlobal::ShowMessage(this, QStringLiteral("Client Record was NOT Saved! "), QMessageBox::Critical,
                               QMessageBox::Ok, QMessageBox::NoButton, ErrorTitle);
    }
    modGlobal::SetDefaultPointer();
}

void frmOrdwen::cmdClearAdd_Click() {
    cboBoxAdd[0]->setCurrentIndex(-1);
    for (QLineEdit *box : txtAdd)
        box->clear();
    options::SwitchAllOff(optSchedule);
    options::SwitchAllOff(optService);
    options::SwitchAllOff(optFee);
    options::SwitchAllOff(optBilling);
    options::SwitchAllOff(optPets);
    rtBoxAdd->clear();
    cboBoxAdd[0]->setFocus();
    modGlobal::SetDefaultPointer();
}

void frmOrdwen::cmdSaveEdit_Click() {
    if (lblID->text().isEmpty()) {
        modGlobal::SetDefaultPointer();
        modGlobal::ShowMessage(this, QStringLiteral("Select a Client record to update! "),
                               QMessageBox::Warning);
        return;
    }
    modGlobal::TrimTextBoxes(*this);
    if (!ValidateEditClient())
        return;
    modGlobal::SetBusyPointer();
    QStringList values = ClientValues(cboBoxEdit, txtEdit, rtBoxEdit, optScheduleEdit, optServiceEdit,
                                      optFeeEdit, optBillingEdit, optPetsEdit);
    values[0] = lblID->text();
    const float fee = modGlobal::ConvertNumber(txtEdit[FeeIndex]->text());
    const bool updated = modGlobal::objHouse && modGlobal::objHouse->UpdateClient(values, fee);
    modGlobal::SetDefaultPointer();
    if (updated) {
        cmdClearEdit_Click();
        RefillClientLists();
        const auto answer =
            modGlobal::ShowMessage(this,
                                   QStringLiteral("New Client Record Updated! ") + LineBreaks +
                                       QStringLiteral("Do you want to update another Client record? "),
                                   QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                                   QStringLiteral("Record Saved Successfully"));
        if (answer == QMessageBox::Yes)
            lvClients->setFocus();
        else
            tabMain->setCurrentIndex(0);
    } else {
        // The stored client is unchanged: the changes typed stay, with the client still
        // chosen, for another try instead of being lost.
        modGlobal::ShowMessage(this, QStringLiteral("Client Record was NOT Updated! "), QMessageBox::Critical,
                               QMessageBox::Ok, QMessageBox::NoButton, ErrorTitle);
    }
}

void frmOrdwen::cmdClearEdit_Click() {
    cboBoxEdit->setCurrentIndex(-1);
    for (QLineEdit *box : txtEdit) {
        box->clear();
        box->setMaxLength(designLimit(box));
    }
    options::SwitchAllOff(optScheduleEdit);
    options::SwitchAllOff(optServiceEdit);
    options::SwitchAllOff(optFeeEdit);
    options::SwitchAllOff(optBillingEdit);
    options::SwitchAllOff(optPetsEdit);
    rtBoxEdit->clear();
    lblID->clear();
    lblID->hide();
    // No client is chosen now, and the list says so too.
    lvClients->clearSelection();
    lvClients->setFocus();
    modGlobal::SetDefaultPointer();
}

void frmOrdwen::cmdDelete_Click() {
    if (lblID->text().isEmpty()) {
        modGlobal::SetDefaultPointer();
        modGlobal::ShowMessage(this, QStringLiteral("Select a Client record to delete! "),
                               QMessageBox::Warning);
        return;
    }
    // The library asks the user to confirm and removes the row only on Yes.
    const bool deleted = modGlobal::objHouse && modGlobal::objHouse->DeleteClient(lblID->text());
    modGlobal::SetDefaultPointer();
    if (deleted) {
        cmdClearEdit_Click();
        RefillClientLists();
        const auto answer =
            modGlobal::ShowMessage(this,
                                   QStringLiteral("Client Record Deleted! ") + LineBreaks +
                                       QStringLiteral("Do you want to delete another Client record? "),
                                   QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                                   QStringLiteral("Record Removed Successfully"));
        if (answer != QMessageBox::Yes)
            tabMain->setCurrentIndex(0);
    } else {
        modGlobal::ShowMessage(this, QStringLiteral("Client Record was NOT Deleted! "), QMessageBox::Warning);
        cmdClearEdit_Click();
    }
}

void frmOrdwen::AdvanceOnEnter(const std::array<QLineEdit *, ClientFieldCount> &boxes, int index,
                               int &KeyAscii) {
    // Enter moves on from the name to the billing postal code; in the day and the fee
    // boxes it is left to the box.
    if (KeyAscii == 13 && index >= 0 && index <= 12) {
        KeyAscii = 0;
        boxes[std::size_t(index + 1)]->setFocus();
    }
}

void frmOrdwen::txtAdd_KeyPress(int index, int &KeyAscii) {
    AdvanceOnEnter(txtAdd, index, KeyAscii);
}

void frmOrdwen::txtEdit_KeyPress(int index, int &KeyAscii) {
    AdvanceOnEnter(txtEdit, index, KeyAscii);
}

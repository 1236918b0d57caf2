// Client upkeep on the "Add Clients" and "Manage Clients" tabs: the checks, saving a new
// client, updating and deleting the chosen one, emptying the tabs, and Enter moving on.
#include "client_columns.h"
#include "frmOrdwen.h"

#include "controls/Builders.h"
#include "controls/ListView.h"
#include "controls/Messages.h"
#include "controls/OptionGroup.h"
#include "startup/RecordID.h"
#include "startup/modGlobal.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>

void frmOrdwen::ConnectClientEntry() {
    connect(cmdSaveAdd, &QPushButton::clicked, this, &frmOrdwen::cmdSaveAdd_Click);
    connect(cmdClearAdd, &QPushButton::clicked, this, &frmOrdwen::cmdClearAdd_Click);
    connect(cmdSaveEdit, &QPushButton::clicked, this, &frmOrdwen::cmdSaveEdit_Click);
    connect(cmdClearEdit, &QPushButton::clicked, this, &frmOrdwen::cmdClearEdit_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmOrdwen::cmdDelete_Click);
    for (int i = 0; i < ClientFieldCount; ++i) {
        for (QLineEdit *box : {txtAdd[std::size_t(i)], txtEdit[std::size_t(i)]}) {
            box->installEventFilter(this);
        }
    }
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
    if (clientType->currentText().isEmpty())
        return messages::Refuse(this, QStringLiteral("Select a Client Type "), QMessageBox::Critical,
                                clientType);
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
            return messages::Refuse(this, QString::fromLatin1(r.message), QMessageBox::Critical, box);
    }
    return true;
}

bool frmOrdwen::ValidateFee(QLineEdit *fee) {
    if (!fee->text().isEmpty() && !modGlobal::IsNumeric(fee->text()))
        return messages::Refuse(this, QStringLiteral("Fee Amount contains invalid characters! "),
                                QMessageBox::Critical, fee);
    return true;
}

bool frmOrdwen::ValidateNewClient() {
    if (!ValidateClientFields(cboBoxAdd[0], txtAdd))
        return false;
    auto refuse = [this](const char *message) {
        return messages::Refuse(this, QString::fromLatin1(message));
    };
    if (!options::AnyOn(optSchedule))
        return refuse("Select a Service Schedule! ");
    if (!options::AnyOn(optService))
        return refuse("Select a Service Type! ");
    if (!options::AnyOn(optFee))
        return refuse("Select a Fee Type! ");
    if (!options::AnyOn(optBilling))
        return refuse("Select a Billing Schedule! ");
    if (!ValidateFee(txtAdd[FeeIndex]))
        return false;
    if (!options::AnyOn(optPets))
        return refuse("Select Pets (Yes or No)! ");
    return true;
}

bool frmOrdwen::ValidateEditClient() {
    return ValidateClientFields(cboBoxEdit, txtEdit) && ValidateFee(txtEdit[FeeIndex]);
}

QStringList
frmOrdwen::ClientValues(QComboBox *clientType, const std::array<QLineEdit *, ClientFieldCount> &boxes,
                        QTextEdit *notes, std::span<QRadioButton *const> schedule,
                        std::span<QRadioButton *const> service, std::span<QRadioButton *const> feeType,
                        std::span<QRadioButton *const> billing, std::span<QRadioButton *const> pets) const {
    using namespace client;
    QStringList values(SlotCount);
    values[ClientType] = clientType->currentText();
    // Name, service address, telephone and contact: boxes 0 to 7.
    for (int i = 0; i <= Contact - Name; ++i)
        values[Name + i] = boxes[std::size_t(i)]->text();
    // The billing address, field by field: an empty billing box (8 to 12) takes the
    // service address's field.
    for (int i = 0; i <= BZip - BAdd1; ++i) {
        const QString typed = boxes[std::size_t(8 + i)]->text();
        values[BAdd1 + i] = typed.isEmpty() ? values[Add1 + i] : typed;
    }
    values[Schedule] = options::ChosenCaption(schedule);
    values[Service] = options::ChosenCaption(service);
    values[DayOfWeek] = boxes[13]->text();
    values[FeeType] = options::ChosenCaption(feeType);
    values[BSchedule] = options::ChosenCaption(billing);
    values[Pets] = options::ChosenCaption(pets);
    values[Notes] = controls::StoredText(notes);
    return values;
}

void frmOrdwen::RefillClientLists() {
    // The rows are about to go: no shared reference may point at one.
    modGlobal::itmShared = {};
    lvClients->clear();
    lvBilling->clear();
    LoadClientLists();
}

void frmOrdwen::cmdSaveAdd_Click() {
    modGlobal::TrimTextBoxes(*this);
    if (!ValidateNewClient())
        return;
    modGlobal::SetBusyPointer();
    messages::SaveOutcome outcome{
        .clear = [this] { cmdClearAdd_Click(); },
        .refill = [this] { RefillClientLists(); },
        .question = QStringLiteral("New Client Record Saved! ") + messages::LineBreaks +
                    QStringLiteral("Do you want to add another Client record? "),
        .title = QStringLiteral("Record Saved Successfully"),
        .onYes = {},
        .onNo = [this] { tabMain->setCurrentIndex(0); },
        .failure = QStringLiteral("Client Record was NOT Saved! "),
        .onFailure = {},
    };
    // Without a readable number there is no identifier to store: nothing is saved, and
    // what was typed stays for another try.
    const QString clientID = NewClientID();
    bool saved = false;
    if (!clientID.isEmpty()) {
        QStringList values = ClientValues(cboBoxAdd[0], txtAdd, rtBoxAdd, optSchedule, optService, optFee,
                                          optBilling, optPets);
        values[client::ClientID] = clientID;
        const float fee = modGlobal::ConvertNumber(txtAdd[FeeIndex]->text());
        saved = modGlobal::objHouse && modGlobal::objHouse->AddClient(values, fee);
    }
    messages::RunOutcome(this, saved, outcome);
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
        messages::ChooseFirst(this, QStringLiteral("Select a Client record to update! "));
        return;
    }
    modGlobal::TrimTextBoxes(*this);
    if (!ValidateEditClient())
        return;
    modGlobal::SetBusyPointer();
    QStringList values = ClientValues(cboBoxEdit, txtEdit, rtBoxEdit, optScheduleEdit, optServiceEdit,
                                      optFeeEdit, optBillingEdit, optPetsEdit);
    values[client::ClientID] = lblID->text();
    const float fee = modGlobal::ConvertNumber(txtEdit[FeeIndex]->text());
    const bool updated = modGlobal::objHouse && modGlobal::objHouse->UpdateClient(values, fee);
    // On failure the stored client is unchanged: the changes typed stay, with the client
    // still chosen, for another try.
    messages::RunOutcome(this, updated,
                         {
                             .clear = [this] { cmdClearEdit_Click(); },
                             .refill = [this] { RefillClientLists(); },
                             .question = QStringLiteral("New Client Record Updated! ") +
                                         messages::LineBreaks +
                                         QStringLiteral("Do you want to update another Client record? "),
                             .title = QStringLiteral("Record Saved Successfully"),
                             .onYes = [this] { lvClients->setFocus(); },
                             .onNo = [this] { tabMain->setCurrentIndex(0); },
                             .failure = QStringLiteral("Client Record was NOT Updated! "),
                             .onFailure = {},
                         });
}

void frmOrdwen::cmdClearEdit_Click() {
    cboBoxEdit->setCurrentIndex(-1);
    for (QLineEdit *box : txtEdit)
        controls::ClearStoredText(box);
    options::SwitchAllOff(optScheduleEdit);
    options::SwitchAllOff(optServiceEdit);
    options::SwitchAllOff(optFeeEdit);
    options::SwitchAllOff(optBillingEdit);
    options::SwitchAllOff(optPetsEdit);
    controls::ClearStoredText(rtBoxEdit);
    lblID->clear();
    lblID->hide();
    // No client is chosen now, and the list says so too.
    lvClients->clearSelection();
    lvClients->setFocus();
    modGlobal::SetDefaultPointer();
}

void frmOrdwen::cmdDelete_Click() {
    if (lblID->text().isEmpty()) {
        messages::ChooseFirst(this, QStringLiteral("Select a Client record to delete! "));
        return;
    }
    // The library asks the user to confirm and removes the row only on Yes.
    const bool deleted = modGlobal::objHouse && modGlobal::objHouse->DeleteClient(lblID->text());
    messages::RunOutcome(this, deleted,
                         {
                             .clear = [this] { cmdClearEdit_Click(); },
                             .refill = [this] { RefillClientLists(); },
                             .question = QStringLiteral("Client Record Deleted! ") + messages::LineBreaks +
                                         QStringLiteral("Do you want to delete another Client record? "),
                             .title = QStringLiteral("Record Removed Successfully"),
                             .onYes = {},
                             .onNo = [this] { tabMain->setCurrentIndex(0); },
                             .failure = QStringLiteral("Client Record was NOT Deleted! "),
                             .failureIcon = QMessageBox::Warning,
                             .onFailure = [this] { cmdClearEdit_Click(); },
                         });
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

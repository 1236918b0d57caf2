// Client upkeep on the "Add Clients" and "Manage Clients" tabs: the checks, saving a new
// client, updating and deleting the chosen one, emptying the tabs, and Enter moving on.
#include "ClientForm.h"
#include "ClientRules.h"
#include "frmOrdwen.h"

#include "controls/Builders.h"
#include "controls/EnterMovesOn.h"
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

#include <span>

void frmOrdwen::ConnectClientEntry() {
    connect(cmdSaveAdd, &QPushButton::clicked, this, &frmOrdwen::cmdSaveAdd_Click);
    connect(cmdClearAdd, &QPushButton::clicked, this, &frmOrdwen::cmdClearAdd_Click);
    connect(cmdSaveEdit, &QPushButton::clicked, this, &frmOrdwen::cmdSaveEdit_Click);
    connect(cmdClearEdit, &QPushButton::clicked, this, &frmOrdwen::cmdClearEdit_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmOrdwen::cmdDelete_Click);
    auto *enter = new controls::EnterMovesOn(this);
    enter->Handle(txtAdd, [this](int index, int &KeyAscii) { txtAdd_KeyPress(index, KeyAscii); });
    enter->Handle(txtEdit, [this](int index, int &KeyAscii) { txtEdit_KeyPress(index, KeyAscii); });
    enter->Handle(txtBilling, [this](int index, int &KeyAscii) { txtBilling_KeyPress(index, KeyAscii); });
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

namespace {

// Shows the refusal, if any; the focus goes into the refused box or the client type.
bool Refused(frmOrdwen *w, const ClientForm &form, const rules::Check &check) {
    return messages::ShowRefusal(w, check, [&form](int field) { return form.field(field); });
}

} // namespace

bool frmOrdwen::ValidateNewClient() {
    return !Refused(this, *m_addForm, rules::CheckNewClient(m_addForm->values()));
}

bool frmOrdwen::ValidateEditClient() {
    return !Refused(this, *m_editForm, rules::CheckEditClient(m_editForm->values()));
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
        const ClientRecord client = m_addForm->values();
        QStringList values = rules::ClientValues(client, clientID);
        const float fee = rules::ClientFee(client);
        saved = modGlobal::objHouse && modGlobal::objHouse->AddClient(values, fee);
    }
    messages::RunOutcome(this, saved, outcome);
}

void frmOrdwen::cmdClearAdd_Click() {
    m_addForm->clear();
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
    const ClientRecord client = m_editForm->values();
    QStringList values = rules::ClientValues(client, lblID->text());
    const float fee = rules::ClientFee(client);
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
    m_editForm->clear();
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

void frmOrdwen::txtAdd_KeyPress(int index, int &KeyAscii) {
    // Enter moves on from the name to the billing postal code; in the day and the fee
    // boxes it is left to the box.
    controls::FocusNextOnEnter(std::span(txtAdd).first(ClientRecord::DayBox + 1), index, KeyAscii, nullptr);
}

void frmOrdwen::txtEdit_KeyPress(int index, int &KeyAscii) {
    controls::FocusNextOnEnter(std::span(txtEdit).first(ClientRecord::DayBox + 1), index, KeyAscii, nullptr);
}

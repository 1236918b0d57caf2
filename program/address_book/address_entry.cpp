// Contact upkeep: the required fields, saving a new contact, updating and deleting the
// chosen one, emptying the panels, and closing the window.
#include "address_book/frmAddressBook.h"

#include "controls/Builders.h"
#include "controls/ListView.h"
#include "controls/Messages.h"
#include "controls/WaitPointer.h"
#include "startup/RecordID.h"
#include "startup/modGlobal.h"

#include <QLabel>
#include <QLineEdit>

namespace {

const QString LineBreaks = QStringLiteral("\r\n\r\n");

AddressRecord ReadContact(const std::array<QLineEdit *, frmAddressBook::FieldCount> &boxes) {
    AddressRecord contact;
    for (int i = 0; i < AddressRecord::FieldCount; ++i)
        contact.fields[std::size_t(i)] = boxes[std::size_t(i)]->text();
    return contact;
}

} // namespace

QString frmAddressBook::NewAddressID() {
    return RecordID::Next(&ordwen::_House::GetNewNameID, QStringLiteral("NewNameID"), QStringLiteral("A-"));
}

bool frmAddressBook::ValidateEntry(const std::array<QLineEdit *, FieldCount> &boxes) {
    return !messages::ShowRefusal(this, rules::CheckAddress(ReadContact(boxes)), [&boxes](int field) {
        return field >= 0 && field < FieldCount ? boxes[std::size_t(field)] : nullptr;
    });
}

bool frmAddressBook::ValidateNewEntry() {
    return ValidateEntry(txtBox);
}

bool frmAddressBook::ValidateEditEntry() {
    return ValidateEntry(txtEdit);
}

void frmAddressBook::cmdSave_Click() {
    modGlobal::TrimTextBoxes(*this);
    if (!ValidateNewEntry())
        return;
    const bool saved = [this] {
        const controls::WaitPointer wait;
        // Without a readable number there is no identifier to store: nothing is saved.
        const QString addressID = NewAddressID();
        if (addressID.isEmpty())
            return false;
        QStringList strText = rules::AddressValues(ReadContact(txtBox), addressID);
        return modGlobal::objHouse && modGlobal::objHouse->AddAddress(strText);
    }();
    // A refused save keeps what was typed for another try.
    messages::RunOutcome(this, saved,
                         {
                             .clear = [this] { cmdClear_Click(); },
                             .refill = [this] { RefillList(); },
                             .question = QStringLiteral("New Address Entry Saved! ") + LineBreaks +
                                         QStringLiteral("Do you want to add another Address? "),
                             .title = QStringLiteral("Record Saved Successfully"),
                             .onYes = {},
                             .onNo = [this] { close(); },
                             .failure = QStringLiteral("Address Record was NOT Saved! "),
                             .failureIcon = QMessageBox::Critical,
                             .onFailure = {},
                         });
}

void frmAddressBook::cmdClear_Click() {
    for (QLineEdit *box : txtBox)
        box->clear();
    txtBox[0]->setFocus();
}

void frmAddressBook::cmdUpdate_Click() {
    if (lblID->text().isEmpty()) {
        messages::ChooseFirst(this, QStringLiteral("Select a record to update! "));
        return;
    }
    modGlobal::TrimTextBoxes(*this);
    if (!ValidateEditEntry())
        return;
    const bool updated = [this] {
        const controls::WaitPointer wait;
        // Identifiers never change.
        QStringList strText = rules::AddressValues(ReadContact(txtEdit), lblID->text());
        return modGlobal::objHouse && modGlobal::objHouse->UpdateAddress(strText);
    }();
    // A refused update keeps the changes typed, and the contact chosen, for another try.
    messages::RunOutcome(this, updated,
                         {
                             .clear = [this] { cmdCancel_Click(); },
                             .refill = [this] { RefillList(); },
                             .question = QStringLiteral("Address Record Updated! ") + LineBreaks +
                                         QStringLiteral("Do you want to update another Address Record? "),
                             .title = QStringLiteral("Record Updated Successfully"),
                             .onYes = [this] { lvNames->setFocus(); },
                             .onNo = [this] { close(); },
                             .failure = QStringLiteral("Address Record was NOT Updated! "),
                             .failureIcon = QMessageBox::Critical,
                             .onFailure = {},
                         });
}

void frmAddressBook::cmdDelete_Click() {
    const QString addressID = lblID->text();
    if (addressID.isEmpty()) {
        messages::ChooseFirst(this, QStringLiteral("Select a record to delete! "));
        return;
    }
    // The library asks the user to confirm and removes the row only on Yes.
    const bool deleted = modGlobal::objHouse && modGlobal::objHouse->DeleteAddress(addressID);
    // No to "delete another" ends the work in this window, as it does after a save or an
    // update; Yes stays, with the focus on the list.
    messages::RunOutcome(this, deleted,
                         {
                             .clear = [this] { cmdCancel_Click(); },
                             .refill = [this] { RefillList(); },
                             .question = QStringLiteral("Address Record Deleted! ") + LineBreaks +
                                         QStringLiteral("Do you want to delete another Address record? "),
                             .title = QStringLiteral("Record Removed Successfully"),
                             .onYes = [this] { lvNames->setFocus(); },
                             .onNo = [this] { close(); },
                             .failure = QStringLiteral("Address Record was NOT Deleted! "),
                             .failureIcon = QMessageBox::Warning,
                             .onFailure = [this] { cmdCancel_Click(); },
                         });
}

void frmAddressBook::cmdCancel_Click() {
    for (QLineEdit *box : txtEdit)
        controls::ClearStoredText(box);
    lblID->clear();
    lblID->hide();
    ForgetSharedRow();
    // No contact is chosen now, and the list says so too.
    lvNames->clearSelection();
    lvNames->setFocus();
}

void frmAddressBook::cmdExit_Click() {
    close();
}

// The address book: the owner's personal contacts. The left panel takes a new contact; the
// right panel, in its frame, lists every stored contact and changes or deletes the one
// chosen from the list. Its implementation is spread over one file per concern:
//   frmAddressBook.cpp   construction, layout, the load step, Enter moving on
//   address_list.cpp     filling lvNames, choosing a contact, header clicks
//   address_entry.cpp    the checks, saving, updating, deleting, clearing
#pragma once

#include "address_book/AddressRules.h"

#include <QWidget>

#include <array>

class ListView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmAddressBook : public QWidget {
    Q_OBJECT
public:
    // The window deletes itself when it is closed.
    explicit frmAddressBook(QWidget *parent = nullptr);
    ~frmAddressBook() override;

    // The load step: icon, picture, caption, a new House for the shared slot, the list.
    void Form_Load();

    // The ten contact fields of each panel, by index; the index is also the slot of the
    // record array: first name, last name, address, city, state or province, postal code,
    // home, work and cell phone, e-mail.
    static constexpr int FieldCount = AddressRecord::FieldCount;

    // ---- Left panel: a new contact ----
    QLabel *lblEntryTitle = nullptr;
    std::array<QLabel *, FieldCount> lblBox{};
    std::array<QLineEdit *, FieldCount> txtBox{};
    QLabel *imgBox = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdClear = nullptr;
    QPushButton *cmdExit = nullptr;

    // ---- Right panel: the stored contacts ----
    QGroupBox *fraUpdate = nullptr;
    ListView *lvNames = nullptr;
    std::array<QLabel *, FieldCount> lblEdit{};
    std::array<QLineEdit *, FieldCount> txtEdit{};
    QPushButton *cmdUpdate = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdCancel = nullptr;
    QLabel *lblID = nullptr; // never shown: the AddressID of the contact loaded, empty when none

    // ---- Events ----
    void cmdSave_Click();
    void cmdClear_Click();
    void cmdExit_Click();
    void cmdUpdate_Click();
    void cmdDelete_Click();
    void cmdCancel_Click();
    void lvNames_Click();
    void lvNames_KeyPress(QChar key);
    void lvNames_ColumnClick(int column);
    // The Enter-key advance; KeyAscii 13 is Enter, set to 0 when the key is used up.
    void txtBox_KeyPress(int index, int &KeyAscii);
    void txtEdit_KeyPress(int index, int &KeyAscii);

    // ---- Procedures ----
    // Appends every stored contact to lvNames; callers empty the list first.
    void LoadAddressList();
    // Empties lvNames and fills it again from the library.
    void RefillList();
    // "A-" and the next number; empty when the library's answer could not be read.
    QString NewAddressID();
    // The four required fields of each panel; the first one missing is refused.
    bool ValidateNewEntry();
    bool ValidateEditEntry();

private:
    void BuildEntryPanel();
    void BuildUpdatePanel();
    void SetupList();
    bool ValidateEntry(const std::array<QLineEdit *, FieldCount> &boxes);
    // Lets go of the shared list row when it is one of this window's rows.
    void ForgetSharedRow();
};

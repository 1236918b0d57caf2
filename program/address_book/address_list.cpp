// The list of stored contacts: filling lvNames from the library, choosing a contact into
// the update panel, and the header click that sorts the list.
#include "address_book/frmAddressBook.h"

#include "controls/Builders.h"
#include "controls/ListView.h"
#include "controls/ListViewSort.h"
#include "controls/WaitPointer.h"
#include "startup/modGlobal.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int LastNameColumn = 3;
// The update panel's fields follow the columns from "First Name" to "Email".
constexpr int FirstFieldColumn = 2;

constexpr ListColumn NameColumns[] = {
    {"ID #", 600, Qt::AlignLeft, "AddressID"},       {"Full Name", 2000, Qt::AlignLeft, "FullName"},
    {"First Name", 1440, Qt::AlignLeft, "FName"},    {"Last Name", 1440, Qt::AlignLeft, "LName"},
    {"Address", 2000, Qt::AlignLeft, "Address"},     {"City", 2000, Qt::AlignLeft, "City"},
    {"State/Prov", 1500, Qt::AlignHCenter, "State"}, {"Zip Code", 1440, Qt::AlignLeft, "Zip"},
    {"Home", 1750, Qt::AlignLeft, "HPhone"},         {"Work", 1750, Qt::AlignLeft, "WPhone"},
    {"Cell", 1750, Qt::AlignLeft, "CPhone"},         {"Email", 2500, Qt::AlignLeft, "Email"},
};

} // namespace

void frmAddressBook::SetupList() {
    lvNames->SetColumns(NameColumns);
    // Kept in last-name order until the first header click.
    ListViewSort::Setup(lvNames, true, LastNameColumn);
    connect(lvNames->header(), &QHeaderView::sectionClicked, this, &frmAddressBook::lvNames_ColumnClick);
    connect(lvNames, &ListView::Click, this, &frmAddressBook::lvNames_Click);
    connect(lvNames, &ListView::KeyPress, this, &frmAddressBook::lvNames_KeyPress);
}

void frmAddressBook::LoadAddressList() {
    const controls::WaitPointer wait;
    modGlobal::CloseSharedRecordset();
    if (modGlobal::objHouse)
        modGlobal::rsShared = modGlobal::objHouse->LoadNames();
    // A failed read leaves the list empty.
    if (modGlobal::rsShared) {
        modGlobal::rsShared->MoveFirst();
        FillList(lvNames, *modGlobal::rsShared, NameColumns);
    }
    modGlobal::CloseSharedRecordset();
}

void frmAddressBook::RefillList() {
    // The rows are about to go: the shared reference must not point at one.
    ForgetSharedRow();
    lvNames->clear();
    LoadAddressList();
}

void frmAddressBook::ForgetSharedRow() {
    // The shared row may belong to another window's list: that one stays.
    if (lvNames && modGlobal::itmShared.list == lvNames)
        modGlobal::itmShared = {};
}

void frmAddressBook::lvNames_Click() {
    const int row = lvNames->SelectedRow();
    if (row < 0)
        return;
    const controls::WaitPointer wait;
    modGlobal::itmShared = {lvNames, lvNames->Key(row)};
    lblID->setText(lvNames->Key(row));
    // Stored values show whole, even one longer than its box takes by typing, so that an
    // update never cuts it.
    for (int i = 0; i < FieldCount; ++i)
        controls::ShowStoredText(txtEdit[std::size_t(i)],
                                 lvNames->Value(row, FirstFieldColumn + i).toString());
}

void frmAddressBook::lvNames_KeyPress(QChar) {
    // The list has moved to the row typed to; which key it was does not matter.
    lvNames_Click();
}

void frmAddressBook::lvNames_ColumnClick(int column) {
    ListViewSort::ColumnClick(lvNames, column);
}

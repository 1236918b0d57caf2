// The four lists of the main window: filling them from the library, choosing a client in
// lvClients, and the header click that sorts a list.
#include "client_columns.h"
#include "frmOrdwen.h"

#include "controls/Builders.h"
#include "controls/ListView.h"
#include "controls/ListViewSort.h"
#include "controls/OptionGroup.h"
#include "startup/modGlobal.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextEdit>

namespace {

constexpr ListColumn InvoiceColumns[] = {
    {"Invoice ID", 2000, Qt::AlignLeft, "InvoiceID"},
    {"Client Name", 4500, Qt::AlignHCenter, "Client"},
    {"Service Date", 2500, Qt::AlignHCenter, "ServiceDate", CellKind::Date},
};

constexpr ListColumn NoteColumns[] = {
    {"Note ID", 1200, Qt::AlignLeft, "NoteID"},
    {"Note", 5000, Qt::AlignLeft, "NoteText"},
    {"Date", 1800, Qt::AlignLeft, "AddDate", CellKind::DateTime},
};

// Fills lists from one of the library's load calls, through the shared recordset: lists
// that show the same records share one read.
void loadList(std::initializer_list<ListView *> lists, ordwen::RecordsetPtr (ordwen::_House::*load)(),
              std::span<const ListColumn> columns) {
    modGlobal::SetBusyPointer();
    modGlobal::CloseSharedRecordset();
    if (modGlobal::objHouse)
        modGlobal::rsShared = (modGlobal::objHouse.get()->*load)();
    for (ListView *list : lists) {
        if (!modGlobal::rsShared)
            break;
        modGlobal::rsShared->MoveFirst();
        FillList(list, *modGlobal::rsShared, columns);
    }
    modGlobal::CloseSharedRecordset();
    modGlobal::SetDefaultPointer();
}

} // namespace

void frmOrdwen::SetupLists() {
    lvClients->SetColumns(client::ListColumns());
    lvBilling->SetColumns(client::ListColumns());
    lvInvoices->SetColumns(InvoiceColumns);
    lvNotes->SetColumns(NoteColumns);

    // The client lists keep themselves sorted by "Client" until their first header click;
    // the invoice and note lists show the library's order.
    ListViewSort::Setup(lvClients, true, client::ColName);
    ListViewSort::Setup(lvBilling, true, client::ColName);
    ListViewSort::Setup(lvInvoices, false, 0);
    ListViewSort::Setup(lvNotes, false, 0);

    connect(lvClients->header(), &QHeaderView::sectionClicked, this, &frmOrdwen::lvClients_ColumnClick);
    connect(lvBilling->header(), &QHeaderView::sectionClicked, this, &frmOrdwen::lvBilling_ColumnClick);
    connect(lvInvoices->header(), &QHeaderView::sectionClicked, this, &frmOrdwen::lvInvoices_ColumnClick);
    connect(lvNotes->header(), &QHeaderView::sectionClicked, this, &frmOrdwen::lvNotes_ColumnClick);

    connect(lvClients, &ListView::Click, this, &frmOrdwen::lvClients_Click);
    connect(lvClients, &ListView::KeyPress, this, &frmOrdwen::lvClients_KeyPress);
}

void frmOrdwen::LoadClientList() {
    loadList({lvClients}, &ordwen::_House::LoadClients, client::ListColumns());
}

void frmOrdwen::LoadBillingList() {
    loadList({lvBilling}, &ordwen::_House::LoadClients, client::ListColumns());
}

void frmOrdwen::LoadClientLists() {
    loadList({lvClients, lvBilling}, &ordwen::_House::LoadClients, client::ListColumns());
}

void frmOrdwen::LoadInvoiceList() {
    loadList({lvInvoices}, &ordwen::_House::LoadInvoices, InvoiceColumns);
}

void frmOrdwen::LoadNotesList() {
    loadList({lvNotes}, &ordwen::_House::LoadNotes, NoteColumns);
}

void frmOrdwen::lvClients_Click() {
    using namespace client;
    modGlobal::SetBusyPointer();
    const int row = lvClients->SelectedRow();
    if (row < 0) {
        modGlobal::SetDefaultPointer();
        return;
    }
    modGlobal::itmShared = {lvClients, lvClients->Key(row)};
    auto cell = [this, row](int column) { return lvClients->Value(row, column).toString(); };
    lblID->setText(lvClients->Key(row));
    // A type outside the box's list leaves the box empty rather than showing the previous
    // client's type.
    cboBoxEdit->setCurrentIndex(
        cboBoxEdit->findText(cell(ColType), Qt::MatchExactly | Qt::MatchCaseSensitive));
    // The boxes follow the columns from the name to the day of the week.
    for (int i = 0; i < FeeIndex; ++i)
        controls::ShowStoredText(txtEdit[std::size_t(i)], cell(ColName + i));
    options::SwitchOnCaption(optScheduleEdit, cell(ColSchedule));
    options::SwitchOnCaption(optServiceEdit, cell(ColService));
    // The fee as the fee box shows it, from the stored amount itself; text that is no
    // number shows as it is.
    const QVariant fee = lvClients->Value(row, ColFee);
    const bool amount = fee.typeId() == QMetaType::Double || fee.typeId() == QMetaType::Float ||
                        fee.typeId() == QMetaType::Int || fee.typeId() == QMetaType::LongLong;
    controls::ShowStoredText(txtEdit[FeeIndex],
                             amount ? modGlobal::FormatAmount(fee.toDouble()) : fee.toString());
    options::SwitchOnCaption(optFeeEdit, cell(ColFeeType));
    options::SwitchOnCaption(optBillingEdit, cell(ColBSchedule));
    options::SwitchOnCaption(optPetsEdit, cell(ColPets));
    controls::ShowStoredText(rtBoxEdit, cell(ColNotes));
    modGlobal::SetDefaultPointer();
}

void frmOrdwen::lvClients_KeyPress(QChar) {
    lvClients_Click();
}

void frmOrdwen::lvClients_ColumnClick(int column) {
    ListViewSort::ColumnClick(lvClients, column);
}

void frmOrdwen::lvBilling_ColumnClick(int column) {
    ListViewSort::ColumnClick(lvBilling, column);
}

void frmOrdwen::lvInvoices_ColumnClick(int column) {
    ListViewSort::ColumnClick(lvInvoices, column);
}

void frmOrdwen::lvNotes_ColumnClick(int column) {
    ListViewSort::ColumnClick(lvNotes, column);
}

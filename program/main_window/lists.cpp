// The four lists of the main window, one on each tab but the first: their columns and
// sorting, filling them from the library, and the identifiers of new records.
#include "BillingTab.h"
#include "ClipboardTab.h"
#include "ManageClientsTab.h"
#include "UtilitiesTab.h"
#include "client_columns.h"
#include "frmOrdwen.h"

#include "controls/ListView.h"
#include "controls/ListViewSort.h"
#include "controls/WaitPointer.h"
#include "reports/Printing.h"
#include "startup/RecordID.h"
#include "startup/modGlobal.h"

#include <QHeaderView>

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
    controls::WaitPointer wait;
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
}

} // namespace

void frmOrdwen::SetupLists() {
    ListView *lvClients = m_manageClients->list();
    ListView *lvBilling = m_billing->list();
    ListView *lvInvoices = m_utilities->list();
    ListView *lvNotes = m_clipboard->list();
    const QFont listFont(QStringLiteral("Arial"), 8);
    for (ListView *list : {lvClients, lvBilling, lvInvoices, lvNotes})
        list->setFont(listFont);

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

    connect(lvClients->header(), &QHeaderView::sectionClicked, m_manageClients,
            &ManageClientsTab::lvClients_ColumnClick);
    connect(lvBilling->header(), &QHeaderView::sectionClicked, m_billing, &BillingTab::lvBilling_ColumnClick);
    connect(lvInvoices->header(), &QHeaderView::sectionClicked, m_utilities,
            &UtilitiesTab::lvInvoices_ColumnClick);
    connect(lvNotes->header(), &QHeaderView::sectionClicked, m_clipboard, &ClipboardTab::lvNotes_ColumnClick);
}

void frmOrdwen::LoadClientList() {
    loadList({m_manageClients->list()}, &ordwen::_House::LoadClients, client::ListColumns());
}

void frmOrdwen::LoadBillingList() {
    loadList({m_billing->list()}, &ordwen::_House::LoadClients, client::ListColumns());
}

void frmOrdwen::LoadClientLists() {
    loadList({m_manageClients->list(), m_billing->list()}, &ordwen::_House::LoadClients,
             client::ListColumns());
}

void frmOrdwen::LoadInvoiceList() {
    loadList({m_utilities->list()}, &ordwen::_House::LoadInvoices, InvoiceColumns);
}

void frmOrdwen::LoadNotesList() {
    loadList({m_clipboard->list()}, &ordwen::_House::LoadNotes, NoteColumns);
}

void frmOrdwen::RefillClientLists() {
    // The rows are about to go: no shared reference may point at one.
    modGlobal::itmShared = {};
    m_manageClients->list()->clear();
    m_billing->list()->clear();
    LoadClientLists();
}

void frmOrdwen::RefillInvoiceList() {
    m_utilities->list()->clear();
    LoadInvoiceList();
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

bool frmOrdwen::PrintInvoiceReport(const QString &invoiceID) {
    return reports::PrintInvoice(this, invoiceID);
}

bool frmOrdwen::PrintNoteReport(const QString &noteID) {
    return reports::PrintNote(this, noteID);
}

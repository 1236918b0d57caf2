// The Tools menu of the main window: find in the list of the tab in front, export of the
// records to CSV, the preview of the chosen invoice, and the restore of a safety copy.
#include "BillingTab.h"
#include "ClipboardTab.h"
#include "ManageClientsTab.h"
#include "UtilitiesTab.h"
#include "frmOrdwen.h"

#include "address_book/frmAddressBook.h"
#include "controls/ListView.h"
#include "controls/WaitPointer.h"
#include "startup/modGlobal.h"
#include "tools/CsvExport.h"
#include "tools/Find.h"
#include "tools/InvoicePreview.h"
#include "tools/frmPayments.h"
#include "tools/frmRestore.h"

#include <QLabel>
#include <QTabWidget>

void frmOrdwen::mnuToolsFind_Click() {
    tools::OpenFind(this, [this]() -> tools::FindScope {
        switch (tabMain->currentIndex()) {
        case 1:
            return {m_manageClients->list(), [this] { m_manageClients->lvClients_Click(); }};
        case 2:
            return {m_billing->list(), [this] { m_billing->lvBilling_Click(); }};
        case 3:
            return {m_utilities->list(), [this] { m_utilities->lvInvoices_Click(); }};
        case 4:
            return {m_clipboard->list(), [this] { m_clipboard->lvNotes_Click(); }};
        default:
            return {};
        }
    });
}

void frmOrdwen::mnuToolsExport_Click() {
    tools::ExportRecords(this);
}

void frmOrdwen::mnuToolsRestore_Click() {
    tools::frmRestore window(this, [this] { RefillAfterRestore(); });
    window.Form_Load();
    window.exec();
}

void frmOrdwen::RefillAfterRestore() {
    const controls::WaitPointer wait;
    // A record chosen before the restore may be another one, or none, in the restored
    // records: an update or delete must not reach it.
    m_manageClients->cmdClearEdit_Click();
    m_billing->cmdClearBilling_Click();
    m_utilities->cmdClearInvoice_Click();
    m_clipboard->cmdClearNote_Click();
    RefillClientLists();
    RefillInvoiceList();
    m_clipboard->list()->clear();
    LoadNotesList();
    if (m_addressBook) {
        m_addressBook->cmdCancel_Click();
        m_addressBook->RefillList();
    }
    // The Payments window shows what the restored records owe, with no invoice chosen.
    if (m_payments) {
        m_payments->cmdClear_Click();
        m_payments->RefillClients();
    }
    // The printed invoices head with the business profile of the restored records.
    if (modGlobal::objHouse) {
        if (const ordwen::RecordsetPtr owner = modGlobal::objHouse->LoadOwner(); owner && !owner->isEOF()) {
            owner->MoveFirst();
            modGlobal::strOwnerName = modGlobal::FullName(owner->Text(QStringLiteral("FName")),
                                                          owner->Text(QStringLiteral("LName")));
            modGlobal::strCompany = owner->Text(QStringLiteral("Company"));
        }
    }
}

void frmOrdwen::mnuToolsPreviewInvoice_Click() {
    tools::PreviewInvoice(this, m_utilities->chosenInvoice());
}

void frmOrdwen::mnuToolsPayments_Click() {
    // A second choice while the window is open brings the same window forward.
    if (!m_payments) {
        m_payments = new frmPayments(this);
        m_payments->Form_Load();
    }
    m_payments->show();
    m_payments->raise();
    m_payments->activateWindow();
}

// The main window: client entry and upkeep, billing and invoices, reports and notes, on the
// five tabs of tabMain. Each tab is a class of its own that holds its controls and their
// handlers; the window composes them and keeps what they share:
//   frmOrdwen.cpp        construction, menus, the load step, closing
//   lists.cpp            filling the four lists and the record identifiers
//   tools_menu.cpp       the Tools menu: find, export, invoice preview, restoring a safety copy
//   AddClientsTab, ManageClientsTab, BillingTab, UtilitiesTab, ClipboardTab: one tab each
#pragma once

#include <QMainWindow>
#include <QPointer>

class AddClientsTab;
class BillingTab;
class ClipboardTab;
class ManageClientsTab;
class UtilitiesTab;
class frmAbout;
class frmAddressBook;
class frmHelp;
class frmPayments;
class QTabWidget;

class frmOrdwen : public QMainWindow {
    Q_OBJECT
public:
    explicit frmOrdwen(QWidget *parent = nullptr);
    ~frmOrdwen() override;

    // The load step, run while the window is still hidden: title, a new House, the four
    // lists filled, the calendar on today, the note tab's picture, "Add Clients" in front.
    void Form_Load();

    AddClientsTab *addClients() const { return m_addClients; }
    ManageClientsTab *manageClients() const { return m_manageClients; }
    BillingTab *billing() const { return m_billing; }
    UtilitiesTab *utilities() const { return m_utilities; }
    ClipboardTab *clipboard() const { return m_clipboard; }
    // Where a "No" to "... another ...?" leads: the first tab.
    void ShowFirstTab();

    // ---- Menu actions ----
    void mnuFileAddAddress_Click();
    void mnuFileUpdateProfile_Click();
    void mnuFileExit_Click();
    void mnuHelpShowHelp_Click();
    void mnuAbout_Click();
    // Finds in the list of the tab in front, choosing the row found as a click would.
    void mnuToolsFind_Click();
    void mnuToolsExport_Click();
    // Previews the invoice chosen on the Utilities tab.
    void mnuToolsPreviewInvoice_Click();
    // Opens the Payments window, or brings it forward.
    void mnuToolsPayments_Click();
    void mnuToolsRestore_Click();
    // After a safety copy was restored: nothing chosen any more, every list (and the
    // address book's and the Payments window's, when open) filled again, the business names
    // read again.
    void RefillAfterRestore();

    // ---- Lists (each fill only appends) ----
    void LoadClientList();
    void LoadBillingList();
    // Both client lists from one read of the clients.
    void LoadClientLists();
    void LoadInvoiceList();
    void LoadNotesList();
    // Both client lists emptied and filled again, after a client was stored or removed.
    void RefillClientLists();
    // The invoice list emptied and filled again.
    void RefillInvoiceList();

    // Record identifiers: prefix and the next number. Empty when the library's answer
    // could not be read; the caller then does not save.
    QString NewClientID();
    QString NewInvoiceID();
    QString NewNoteID();

    // Prints the stored invoice straight to the default printer, without a dialog (with no
    // printer: to printed/<invoiceID>.pdf, telling the user where). True when the pages
    // went out. Stored data is never changed by it.
    bool PrintInvoiceReport(const QString &invoiceID);
    // Prints the stored note the same way. True when the pages went out.
    bool PrintNoteReport(const QString &noteID);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildMenus();
    void SetupLists();

    QTabWidget *tabMain = nullptr;
    AddClientsTab *m_addClients = nullptr;
    ManageClientsTab *m_manageClients = nullptr;
    BillingTab *m_billing = nullptr;
    UtilitiesTab *m_utilities = nullptr;
    ClipboardTab *m_clipboard = nullptr;

    // The windows the menus open without waiting for them: one of each at a time.
    QPointer<frmAddressBook> m_addressBook;
    QPointer<frmPayments> m_payments;
    QPointer<frmAbout> m_about;
    QPointer<frmHelp> m_help;
};

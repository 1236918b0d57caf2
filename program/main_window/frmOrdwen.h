// The main window: client entry and upkeep, billing and invoices, reports and notes, on the
// five tabs of tabMain. Its implementation is spread over one file per concern:
//   frmOrdwen.cpp      construction, menus, the load step, closing
//   layout_*.cpp       the controls of each tab
//   lists.cpp          filling the four lists, choosing a client, header clicks
//   client_entry.cpp   adding, updating and deleting clients
//   billing.cpp        the Billing tab and the invoice panel of the Utilities tab
//   notes.cpp          the Clipboard tab
//   report_buttons.cpp the four report buttons of the Utilities tab, printing an invoice
//   tools_menu.cpp     the Tools menu: find, export, invoice preview, restoring a safety copy
#pragma once

#include "main_window/InvoiceRules.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class ClientForm;
class ListView;
class frmAbout;
class frmAddressBook;
class frmHelp;
class frmPayments;
class QAction;
class QButtonGroup;
class QCalendarWidget;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTextEdit;

namespace reports {
enum class ListReport;
}

class frmOrdwen : public QMainWindow {
    Q_OBJECT
public:
    explicit frmOrdwen(QWidget *parent = nullptr);
    ~frmOrdwen() override;

    // The load step, run while the window is still hidden: title, a new House, the four
    // lists filled, the calendar on today, the note tab's picture, "Add Clients" in front.
    void Form_Load();

    // Number of elements of the entry text-box arrays and the index of the fee box.
    static constexpr int ClientFieldCount = 15;
    static constexpr int FeeIndex = 14;

    // ---- Menus ----
    QMenu *mnuFile = nullptr;
    QAction *mnuFileAddAddress = nullptr;
    QAction *mnuFileUpdateProfile = nullptr;
    QAction *mnuFileExit = nullptr;
    QMenu *mnuTools = nullptr;
    QAction *mnuToolsFind = nullptr; // Ctrl+F
    QAction *mnuToolsExport = nullptr;
    QAction *mnuToolsPreviewInvoice = nullptr;
    QAction *mnuToolsPayments = nullptr;
    QAction *mnuToolsRestore = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpShowHelp = nullptr;
    QAction *mnuAbout = nullptr;

    QTabWidget *tabMain = nullptr;

    // ---- Tab 0, "Add Clients" ----
    std::array<QComboBox *, 1> cboBoxAdd{};
    std::array<QLineEdit *, ClientFieldCount> txtAdd{};
    QTextEdit *rtBoxAdd = nullptr;
    std::array<QRadioButton *, 6> optSchedule{};
    std::array<QRadioButton *, 6> optService{};
    std::array<QRadioButton *, 3> optFee{};
    std::array<QRadioButton *, 3> optBilling{};
    std::array<QRadioButton *, 2> optPets{};
    QPushButton *cmdSaveAdd = nullptr;
    QPushButton *cmdClearAdd = nullptr;
    QLabel *imgBox_1 = nullptr;
    QLabel *imgBox_2 = nullptr;

    // ---- Tab 1, "Manage Clients" ----
    ListView *lvClients = nullptr;
    QComboBox *cboBoxEdit = nullptr;
    std::array<QLineEdit *, ClientFieldCount> txtEdit{};
    QTextEdit *rtBoxEdit = nullptr;
    QLabel *lblID = nullptr; // never shown: the chosen client's ClientID, empty when none
    std::array<QRadioButton *, 6> optScheduleEdit{};
    std::array<QRadioButton *, 6> optServiceEdit{};
    std::array<QRadioButton *, 3> optFeeEdit{};
    std::array<QRadioButton *, 3> optBillingEdit{};
    std::array<QRadioButton *, 2> optPetsEdit{};
    QPushButton *cmdSaveEdit = nullptr;
    QPushButton *cmdClearEdit = nullptr;
    QPushButton *cmdDelete = nullptr;

    // ---- Tab 2, "Billing" ----
    ListView *lvBilling = nullptr;
    QDateEdit *datBox = nullptr;
    std::array<QLabel *, 13> lblClient{};
    std::array<QLineEdit *, 6> txtBilling{};
    QTextEdit *rtBilling = nullptr;
    QLabel *lblBillID = nullptr; // never shown: the client being billed
    QPushButton *cmdTotalAmount = nullptr;
    QPushButton *cmdPrintInvoice = nullptr;
    QPushButton *cmdClearBilling = nullptr;

    // ---- Tab 3, "Utilities" ----
    QPushButton *cmdClientList = nullptr;
    QPushButton *cmdClientDataSheet = nullptr;
    QPushButton *cmdClientsByType = nullptr;
    QPushButton *cmdAddressList = nullptr;
    ListView *lvInvoices = nullptr;
    std::array<QLabel *, 3> lblInvoice{};
    QPushButton *cmdDeleteInvoice = nullptr;
    QPushButton *cmdClearInvoice = nullptr;
    QCalendarWidget *calBox = nullptr;

    // ---- Tab 4, "Clipboard" ----
    ListView *lvNotes = nullptr;
    QTextEdit *rtNotes = nullptr;
    QLabel *lblNoteID = nullptr; // never shown: the chosen note's NoteID
    QLabel *imgClipBoard = nullptr;
    QPushButton *cmdSaveNotes = nullptr;
    QPushButton *cmdPrintNote = nullptr;
    QPushButton *cmdDeleteNote = nullptr;
    QPushButton *cmdClearNote = nullptr;

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
    // address book's, when it is open) filled again, the business names read again.
    void RefillAfterRestore();

    // ---- Lists ----
    void LoadClientList();
    void LoadBillingList();
    // Both client lists from one read of the clients.
    void LoadClientLists();
    void LoadInvoiceList();
    void LoadNotesList();
    void lvClients_Click();
    void lvClients_KeyPress(QChar key);
    void lvClients_ColumnClick(int column);
    void lvBilling_ColumnClick(int column);
    void lvInvoices_ColumnClick(int column);
    void lvNotes_ColumnClick(int column);

    // ---- Client entry ----
    void cmdSaveAdd_Click();
    void cmdClearAdd_Click();
    void cmdSaveEdit_Click();
    void cmdClearEdit_Click();
    void cmdDelete_Click();
    // The Enter-key advance; KeyAscii 13 is Enter, set to 0 when the key is used up.
    void txtAdd_KeyPress(int index, int &KeyAscii);
    void txtEdit_KeyPress(int index, int &KeyAscii);

    // Record identifiers: prefix and the next number. Empty when the library's answer
    // could not be read; the caller then does not save.
    QString NewClientID();
    QString NewInvoiceID();
    QString NewNoteID();

    bool ValidateNewClient();
    bool ValidateEditClient();

    // ---- Reports ----
    // Each list button checks that there is something to list ("No Address records were
    // found! ", "No Client records were found! "), then opens its report in a preview window
    // of its own, replacing that report's earlier preview.
    void cmdAddressList_Click();
    void cmdClientList_Click();
    void cmdClientDataSheet_Click();
    void cmdClientsByType_Click();
    // Prints the stored invoice straight to the default printer, without a dialog (with no
    // printer: to printed/<invoiceID>.pdf, telling the user where). True when the pages
    // went out. Stored data is never changed by it.
    bool PrintInvoiceReport(const QString &invoiceID);
    // Prints the stored note the same way. True when the pages went out.
    bool PrintNoteReport(const QString &noteID);

    // ---- Billing tab and invoices ----
    void lvBilling_Click();
    void lvBilling_KeyPress(QChar key);
    void cmdTotalAmount_Click();
    void cmdPrintInvoice_Click();
    void cmdClearBilling_Click();
    void txtBilling_KeyPress(int index, int &KeyAscii);
    bool ValidateInvoice();
    void lvInvoices_Click();
    void lvInvoices_KeyPress(QChar key);
    void cmdDeleteInvoice_Click();
    void cmdClearInvoice_Click();

    // ---- Clipboard tab ----
    void lvNotes_Click();
    void lvNotes_KeyPress(QChar key);
    void cmdSaveNotes_Click();
    void cmdDeleteNote_Click();
    void cmdPrintNote_Click();
    void cmdClearNote_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildMenus();
    // Points the tab's member arrays at the controls of its client form.
    void BindClientForm(ClientForm *form, QComboBox *&type, std::array<QLineEdit *, ClientFieldCount> &boxes,
                        QTextEdit *&notes, std::array<QRadioButton *, 6> &schedule,
                        std::array<QRadioButton *, 6> &service, std::array<QRadioButton *, 3> &feeType,
                        std::array<QRadioButton *, 3> &billing, std::array<QRadioButton *, 2> &pets);
    ClientForm *m_addForm = nullptr;
    ClientForm *m_editForm = nullptr;
    QWidget *BuildAddTab();
    QWidget *BuildManageTab();
    QWidget *BuildBillingTab();
    QWidget *BuildUtilitiesTab();
    QWidget *BuildClipboardTab();
    void ConnectClientEntry();
    void ConnectBilling();
    void ConnectNotes();
    void RefillNotesList();
    void ConnectReportButtons();
    // The list-report procedure the four report buttons share.
    void ShowListReport(reports::ListReport report);
    void SetupLists();

    void LoadClients(ListView *list);
    void RefillClientLists();

    // The amounts the totals button worked out, as the invoice is checked and stored with them.
    InvoiceTotals m_totals;

    // The windows the menus open without waiting for them: one of each at a time.
    QPointer<frmAddressBook> m_addressBook;
    QPointer<frmPayments> m_payments;
    QPointer<frmAbout> m_about;
    QPointer<frmHelp> m_help;
};

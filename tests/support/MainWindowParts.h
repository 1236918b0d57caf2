// The main window's controls as tests and benchmarks reach them: found by the object names
// the window gives them, or through the client forms of its tabs. The handlers go to the tab
// that owns them, so a test reads as the window's own code does.
#pragma once

#include "controls/ListView.h"
#include "main_window/AddClientsTab.h"
#include "main_window/BillingTab.h"
#include "main_window/ClientForm.h"
#include "main_window/ClipboardTab.h"
#include "main_window/ManageClientsTab.h"
#include "main_window/UtilitiesTab.h"
#include "main_window/frmOrdwen.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>

#include <array>
#include <memory>
#include <stdexcept>

class MainWindowParts {
public:
    explicit MainWindowParts(frmOrdwen &window) : w(window) {
        ClientForm &add = *w.addClients()->form();
        ClientForm &edit = *w.manageClients()->form();
        cboBoxAdd = {add.typeBox()};
        txtAdd = add.boxes();
        rtBoxAdd = add.notes();
        optSchedule = add.schedule();
        optService = add.service();
        optFee = add.feeType();
        optBilling = add.billing();
        optPets = add.pets();
        cboBoxEdit = edit.typeBox();
        txtEdit = edit.boxes();
        rtBoxEdit = edit.notes();
        optScheduleEdit = edit.schedule();
        optServiceEdit = edit.service();
        optFeeEdit = edit.feeType();
        optBillingEdit = edit.billing();
        optPetsEdit = edit.pets();
        for (std::size_t i = 0; i < lblClient.size(); ++i)
            lblClient[i] = find<QLabel>(QStringLiteral("lblClient(%1)").arg(i));
        for (std::size_t i = 0; i < txtBilling.size(); ++i)
            txtBilling[i] = find<QLineEdit>(QStringLiteral("txtBilling(%1)").arg(i));
        for (std::size_t i = 0; i < lblInvoice.size(); ++i)
            lblInvoice[i] = find<QLabel>(QStringLiteral("lblInvoice(%1)").arg(i));
    }

    frmOrdwen &w;

    // ---- Menus ----
    QMenu *mnuFile = find<QMenu>("mnuFile");
    QAction *mnuFileAddAddress = find<QAction>("mnuFileAddAddress");
    QAction *mnuFileUpdateProfile = find<QAction>("mnuFileUpdateProfile");
    QAction *mnuFileExit = find<QAction>("mnuFileExit");
    QMenu *mnuTools = find<QMenu>("mnuTools");
    QAction *mnuToolsFind = find<QAction>("mnuToolsFind");
    QAction *mnuToolsExport = find<QAction>("mnuToolsExport");
    QAction *mnuToolsPreviewInvoice = find<QAction>("mnuToolsPreviewInvoice");
    QAction *mnuToolsRestore = find<QAction>("mnuToolsRestore");
    QMenu *mnuHelp = find<QMenu>("mnuHelp");
    QAction *mnuHelpShowHelp = find<QAction>("mnuHelpShowHelp");
    QAction *mnuAbout = find<QAction>("mnuAbout");
    QTabWidget *tabMain = find<QTabWidget>("tabMain");

    // ---- Add Clients ----
    std::array<QComboBox *, 1> cboBoxAdd{};
    std::array<QLineEdit *, ClientRecord::BoxCount> txtAdd{};
    QTextEdit *rtBoxAdd = nullptr;
    std::array<QRadioButton *, 6> optSchedule{}, optService{};
    std::array<QRadioButton *, 3> optFee{}, optBilling{};
    std::array<QRadioButton *, 2> optPets{};
    QPushButton *cmdSaveAdd = find<QPushButton>("cmdSaveAdd");
    QPushButton *cmdClearAdd = find<QPushButton>("cmdClearAdd");
    QLabel *imgBox_1 = find<QLabel>("imgBox_1");
    QLabel *imgBox_2 = find<QLabel>("imgBox_2");

    // ---- Manage Clients ----
    ListView *lvClients = find<ListView>("lvClients");
    QComboBox *cboBoxEdit = nullptr;
    std::array<QLineEdit *, ClientRecord::BoxCount> txtEdit{};
    QTextEdit *rtBoxEdit = nullptr;
    QLabel *lblID = find<QLabel>("lblID");
    std::array<QRadioButton *, 6> optScheduleEdit{}, optServiceEdit{};
    std::array<QRadioButton *, 3> optFeeEdit{}, optBillingEdit{};
    std::array<QRadioButton *, 2> optPetsEdit{};
    QPushButton *cmdSaveEdit = find<QPushButton>("cmdSaveEdit");
    QPushButton *cmdClearEdit = find<QPushButton>("cmdClearEdit");
    QPushButton *cmdDelete = find<QPushButton>("cmdDelete");

    // ---- Billing ----
    ListView *lvBilling = find<ListView>("lvBilling");
    QDateEdit *datBox = find<QDateEdit>("datBox");
    std::array<QLabel *, 13> lblClient{};
    std::array<QLineEdit *, 6> txtBilling{};
    QTextEdit *rtBilling = find<QTextEdit>("rtBilling");
    QLabel *lblBillID = find<QLabel>("lblBillID");
    QPushButton *cmdTotalAmount = find<QPushButton>("cmdTotalAmount");
    QPushButton *cmdPrintInvoice = find<QPushButton>("cmdPrintInvoice");
    QPushButton *cmdClearBilling = find<QPushButton>("cmdClearBilling");

    // ---- Utilities ----
    QPushButton *cmdClientList = find<QPushButton>("cmdClientList");
    QPushButton *cmdClientDataSheet = find<QPushButton>("cmdClientDataSheet");
    QPushButton *cmdClientsByType = find<QPushButton>("cmdClientsByType");
    QPushButton *cmdAddressList = find<QPushButton>("cmdAddressList");
    ListView *lvInvoices = find<ListView>("lvInvoices");
    std::array<QLabel *, 3> lblInvoice{};
    QPushButton *cmdDeleteInvoice = find<QPushButton>("cmdDeleteInvoice");
    QPushButton *cmdClearInvoice = find<QPushButton>("cmdClearInvoice");
    QCalendarWidget *calBox = find<QCalendarWidget>("calBox");

    // ---- Clipboard ----
    ListView *lvNotes = find<ListView>("lvNotes");
    QPlainTextEdit *rtNotes = find<QPlainTextEdit>("rtNotes");
    QLabel *lblNoteID = find<QLabel>("lblNoteID");
    QLabel *imgClipBoard = find<QLabel>("imgClipBoard");
    QPushButton *cmdSaveNotes = find<QPushButton>("cmdSaveNotes");
    QPushButton *cmdPrintNote = find<QPushButton>("cmdPrintNote");
    QPushButton *cmdDeleteNote = find<QPushButton>("cmdDeleteNote");
    QPushButton *cmdClearNote = find<QPushButton>("cmdClearNote");

    // ---- The window and the handlers, where their tab keeps them ----
    frmOrdwen *operator->() const { return &w; }
    operator frmOrdwen &() const { return w; }
    void Form_Load() const { w.Form_Load(); }
    void show() const { w.show(); }
    bool isVisible() const { return w.isVisible(); }
    QWidget *focusWidget() const { return w.focusWidget(); }
    QString windowTitle() const { return w.windowTitle(); }
    QWidget *centralWidget() const { return w.centralWidget(); }
    QSize size() const { return w.size(); }
    QSize minimumSize() const { return w.minimumSize(); }
    QSize maximumSize() const { return w.maximumSize(); }
    void resize(const QSize &size) const { w.resize(size); }
    bool close() const { return w.close(); }
    template <typename T> T findChild(const QString &name = {}) const { return w.findChild<T>(name); }
    template <typename T> QList<T> findChildren(const QString &name = {}) const {
        return w.findChildren<T>(name);
    }

    void cmdSaveAdd_Click() const { w.addClients()->cmdSaveAdd_Click(); }
    void cmdClearAdd_Click() const { w.addClients()->cmdClearAdd_Click(); }
    void lvClients_Click() const { w.manageClients()->lvClients_Click(); }
    void lvClients_ColumnClick(int column) const { w.manageClients()->lvClients_ColumnClick(column); }
    void cmdClearEdit_Click() const { w.manageClients()->cmdClearEdit_Click(); }
    void lvBilling_Click() const { w.billing()->lvBilling_Click(); }
    void cmdTotalAmount_Click() const { w.billing()->cmdTotalAmount_Click(); }
    void cmdPrintInvoice_Click() const { w.billing()->cmdPrintInvoice_Click(); }
    void lvInvoices_ColumnClick(int column) const { w.utilities()->lvInvoices_ColumnClick(column); }
    void lvNotes_Click() const { w.clipboard()->lvNotes_Click(); }
    void cmdSaveNotes_Click() const { w.clipboard()->cmdSaveNotes_Click(); }
    void cmdPrintNote_Click() const { w.clipboard()->cmdPrintNote_Click(); }
    void RefillAfterRestore() const { w.RefillAfterRestore(); }
    void LoadInvoiceList() const { w.LoadInvoiceList(); }
    void LoadClientLists() const { w.LoadClientLists(); }
    QString NewClientID() const { return w.NewClientID(); }
    QString NewInvoiceID() const { return w.NewInvoiceID(); }
    QString NewNoteID() const { return w.NewNoteID(); }

private:
    // A control the window does not have is a fault of the window, not of the test.
    template <typename T> T *find(const QString &name) const {
        T *found = w.findChild<T *>(name);
        if (!found)
            throw std::logic_error("the main window has no control " + name.toStdString());
        return found;
    }
    template <typename T> T *find(const char *name) const { return find<T>(QString::fromLatin1(name)); }
};

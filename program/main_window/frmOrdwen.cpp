#include "frmOrdwen.h"
#include "AddClientsTab.h"
#include "BillingTab.h"
#include "ClipboardTab.h"
#include "ManageClientsTab.h"
#include "UtilitiesTab.h"

#include "about/frmAbout.h"
#include "about/frmHelp.h"
#include "address_book/frmAddressBook.h"
#include "controls/AppInfo.h"
#include "controls/Builders.h"
#include "controls/ListView.h"
#include "controls/Twips.h"
#include "controls/WaitPointer.h"
#include "owner_profile/frmEditOwner.h"
#include "startup/modGlobal.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QTabWidget>

namespace {

// Client area of the window: 12510 x 9555 twips.
constexpr int ClientWidth = 12510;
constexpr int ClientHeight = 9555;

} // namespace

frmOrdwen::frmOrdwen(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmOrdwen"));
    setFont(QFont(QStringLiteral("Verdana"), 8));
    BuildMenus();

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(Twips::ToPixels(ClientWidth), Twips::ToPixels(ClientHeight));
    setCentralWidget(client);
    // The tabs are laid out at fixed positions: the window keeps their size, menu included.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    tabMain = new QTabWidget(client);
    tabMain->setObjectName(QStringLiteral("tabMain"));
    tabMain->setGeometry(Twips::Rect(90, 90, ClientWidth - 180, ClientHeight - 180));
    tabMain->setUsesScrollButtons(false);
    m_addClients = new AddClientsTab(*this);
    m_manageClients = new ManageClientsTab(*this);
    m_billing = new BillingTab(*this);
    m_utilities = new UtilitiesTab(*this);
    m_clipboard = new ClipboardTab(*this);
    tabMain->addTab(m_addClients, QStringLiteral("Add Clients"));
    tabMain->addTab(m_manageClients, QStringLiteral("Manage Clients"));
    tabMain->addTab(m_billing, QStringLiteral("Billing"));
    tabMain->addTab(m_utilities, QStringLiteral("Utilities"));
    tabMain->addTab(m_clipboard, QStringLiteral("Clipboard"));

    // Measured now that the tabs carry the window's font.
    controls::FitOptionButtons(tabMain);

    SetupLists();

    // A fixed window, as laid out.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowTitle(QString::fromLatin1(controls::AppTitle));
}

frmOrdwen::~frmOrdwen() = default;

void frmOrdwen::BuildMenus() {
    QMenu *mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction *mnuFileAddAddress = mnuFile->addAction(QStringLiteral("Address Book"));
    mnuFileAddAddress->setObjectName(QStringLiteral("mnuFileAddAddress"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("F0"));
    QAction *mnuFileUpdateProfile = mnuFile->addAction(QStringLiteral("Update Business Profile"));
    mnuFileUpdateProfile->setObjectName(QStringLiteral("mnuFileUpdateProfile"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("F1"));
    QAction *mnuFileExit = mnuFile->addAction(QStringLiteral("eXit"));
    mnuFileExit->setObjectName(QStringLiteral("mnuFileExit"));

    QMenu *mnuTools = menuBar()->addMenu(QStringLiteral("&Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    QAction *mnuToolsFind = mnuTools->addAction(QStringLiteral("&Find..."));
    mnuToolsFind->setObjectName(QStringLiteral("mnuToolsFind"));
    mnuToolsFind->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuTools->addSeparator()->setObjectName(QStringLiteral("T0"));
    QAction *mnuToolsExport = mnuTools->addAction(QStringLiteral("&Export to CSV..."));
    mnuToolsExport->setObjectName(QStringLiteral("mnuToolsExport"));
    QAction *mnuToolsPreviewInvoice = mnuTools->addAction(QStringLiteral("&Preview Chosen Invoice"));
    mnuToolsPreviewInvoice->setObjectName(QStringLiteral("mnuToolsPreviewInvoice"));
    QAction *mnuToolsPayments = mnuTools->addAction(QStringLiteral("Pa&yments..."));
    mnuToolsPayments->setObjectName(QStringLiteral("mnuToolsPayments"));
    mnuTools->addSeparator()->setObjectName(QStringLiteral("T1"));
    QAction *mnuToolsRestore = mnuTools->addAction(QStringLiteral("&Restore a Safety Copy..."));
    mnuToolsRestore->setObjectName(QStringLiteral("mnuToolsRestore"));

    QMenu *mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    QAction *mnuHelpShowHelp = mnuHelp->addAction(QStringLiteral("Brisola Help"));
    mnuHelpShowHelp->setObjectName(QStringLiteral("mnuHelpShowHelp"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("H0"));
    QAction *mnuAbout = mnuHelp->addAction(QStringLiteral("About Brisola"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));

    connect(mnuFileAddAddress, &QAction::triggered, this, &frmOrdwen::mnuFileAddAddress_Click);
    connect(mnuFileUpdateProfile, &QAction::triggered, this, &frmOrdwen::mnuFileUpdateProfile_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmOrdwen::mnuFileExit_Click);
    connect(mnuToolsFind, &QAction::triggered, this, &frmOrdwen::mnuToolsFind_Click);
    connect(mnuToolsExport, &QAction::triggered, this, &frmOrdwen::mnuToolsExport_Click);
    connect(mnuToolsPreviewInvoice, &QAction::triggered, this, &frmOrdwen::mnuToolsPreviewInvoice_Click);
    connect(mnuToolsPayments, &QAction::triggered, this, &frmOrdwen::mnuToolsPayments_Click);
    connect(mnuToolsRestore, &QAction::triggered, this, &frmOrdwen::mnuToolsRestore_Click);
    connect(mnuHelpShowHelp, &QAction::triggered, this, &frmOrdwen::mnuHelpShowHelp_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmOrdwen::mnuAbout_Click);
}

void frmOrdwen::Form_Load() {
    {
        controls::WaitPointer wait;
        setWindowTitle(QString::fromLatin1(controls::AppTitle) + QStringLiteral(" - ") +
                       controls::AppVersion());
        modGlobal::NewHouse();

        // The lists are empty at this point; each fill only appends.
        LoadClientLists();
        LoadInvoiceList();
        LoadNotesList();

        m_utilities->ShowToday();
        // A missing picture leaves the note tab without one.
        m_clipboard->ShowPicture(QPixmap(modGlobal::AppPath(QStringLiteral("images/clipboard.png"))));
    }
    ShowFirstTab();
}

void frmOrdwen::ShowFirstTab() {
    tabMain->setCurrentIndex(0);
}

namespace {

// Shows a window the menus open without waiting for it, and brings it forward.
void bringForward(QWidget *window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void frmOrdwen::mnuFileAddAddress_Click() {
    // A second choice while the address book is open brings the same window forward.
    if (!m_addressBook) {
        m_addressBook = new frmAddressBook(this);
        m_addressBook->Form_Load();
    }
    bringForward(m_addressBook);
}

void frmOrdwen::mnuFileUpdateProfile_Click() {
    frmEditOwner w(this);
    w.Form_Load();
    w.exec();
}

void frmOrdwen::mnuFileExit_Click() {
    close();
}

void frmOrdwen::mnuHelpShowHelp_Click() {
    // The help window opens, or comes forward, at the table of contents every time.
    if (!m_help)
        m_help = new frmHelp(this);
    m_help->Open(modGlobal::AppPath(QStringLiteral("help/ordwen.hlp")));
    bringForward(m_help);
}

void frmOrdwen::mnuAbout_Click() {
    if (!m_about) {
        m_about = new frmAbout(this);
        m_about->Form_Load();
    }
    bringForward(m_about);
}

void frmOrdwen::closeEvent(QCloseEvent *event) {
    // Closing the main window in any way ends the program.
    event->accept();
    modGlobal::CloseAll();
}

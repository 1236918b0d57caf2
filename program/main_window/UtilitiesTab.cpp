// Tab 3, "Utilities": the report buttons on the left, the invoice list with its delete
// panel to their right, and the month calendar below that panel. The invoice panel is as
// wide as the list's three columns, so that no column has to be scrolled to.
#include "UtilitiesTab.h"
#include "frmOrdwen.h"

#include "controls/Builders.h"
#include "controls/ListView.h"
#include "controls/ListViewSort.h"
#include "controls/Messages.h"
#include "controls/Twips.h"
#include "controls/WaitPointer.h"
#include "reports/Reports.h"
#include "startup/modGlobal.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using reports::ListReport;

UtilitiesTab::UtilitiesTab(frmOrdwen &main) : m_main(main) {
    setObjectName(QStringLiteral("tabUtilities"));

    auto *reports = new QGroupBox(QStringLiteral("Reports"), this);
    reports->setObjectName(QStringLiteral("fraReports"));
    reports->setGeometry(Twips::Rect(90, 90, 2400, 2850));
    cmdClientList = controls::Button(reports, QStringLiteral("cmdClientList"), QStringLiteral("Client List"),
                                     Twips::Rect(180, 420, 2040, 480));
    cmdClientDataSheet =
        controls::Button(reports, QStringLiteral("cmdClientDataSheet"), QStringLiteral("Client Data Sheet"),
                         Twips::Rect(180, 990, 2040, 480));
    cmdClientsByType = controls::Button(reports, QStringLiteral("cmdClientsByType"),
                                        QStringLiteral("Clients By Type"), Twips::Rect(180, 1560, 2040, 480));
    cmdAddressList = controls::Button(reports, QStringLiteral("cmdAddressList"),
                                      QStringLiteral("Address List"), Twips::Rect(180, 2130, 2040, 480));

    // The list's columns take 600 pixels; the rest is its frame and a vertical scroll bar.
    auto *invoices = new QGroupBox(QStringLiteral("Delete  Invoices"), this);
    invoices->setObjectName(QStringLiteral("fraInvoices"));
    invoices->setGeometry(Twips::Rect(2580, 90, 9600, 5340));
    lvInvoices = new ListView(invoices);
    lvInvoices->setObjectName(QStringLiteral("lvInvoices"));
    lvInvoices->setGeometry(Twips::Rect(150, 360, 9300, 3390));
    // The frame's caption says what is done with the invoices; the list holds them.
    controls::NameInput(lvInvoices, QStringLiteral("Invoices"));

    const char *headings[] = {"Invoice ID", "Client", "Invoice Date"};
    for (int i = 0; i < 3; ++i) {
        const int y = 3930 + i * 450;
        QLabel *label = controls::Label(invoices, QLatin1String(headings[i]),
                                        Twips::Rect(150, y, 1440, controls::RowHeight));
        lblInvoice[std::size_t(i)] =
            controls::ValueLabel(invoices, controls::ElementName(QStringLiteral("lblInvoice"), i),
                                 Twips::Rect(1620, y, 4500, controls::RowHeight));
        controls::NameAfterLabel(label, lblInvoice[std::size_t(i)]);
    }
    cmdDeleteInvoice = controls::Button(invoices, QStringLiteral("cmdDeleteInvoice"),
                                        QStringLiteral("Delete Invoice"), Twips::Rect(6750, 3930, 2700, 480));
    cmdClearInvoice = controls::Button(invoices, QStringLiteral("cmdClearInvoice"), QStringLiteral("Clear"),
                                       Twips::Rect(6750, 4530, 2700, 480));

    calBox = new QCalendarWidget(this);
    calBox->setObjectName(QStringLiteral("calBox"));
    calBox->setGeometry(Twips::Rect(2580, 5580, 9600, 3240));
    calBox->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    controls::NameCalendar(calBox, QStringLiteral("Calendar"));

    connect(cmdAddressList, &QPushButton::clicked, this, &UtilitiesTab::cmdAddressList_Click);
    connect(cmdClientList, &QPushButton::clicked, this, &UtilitiesTab::cmdClientList_Click);
    connect(cmdClientDataSheet, &QPushButton::clicked, this, &UtilitiesTab::cmdClientDataSheet_Click);
    connect(cmdClientsByType, &QPushButton::clicked, this, &UtilitiesTab::cmdClientsByType_Click);
    connect(lvInvoices, &ListView::Click, this, &UtilitiesTab::lvInvoices_Click);
    connect(lvInvoices, &ListView::KeyPress, this, &UtilitiesTab::lvInvoices_KeyPress);
    connect(cmdDeleteInvoice, &QPushButton::clicked, this, &UtilitiesTab::cmdDeleteInvoice_Click);
    connect(cmdClearInvoice, &QPushButton::clicked, this, &UtilitiesTab::cmdClearInvoice_Click);
}

QString UtilitiesTab::chosenInvoice() const {
    return lblInvoice[0]->text();
}

void UtilitiesTab::ShowToday() {
    calBox->setSelectedDate(QDate::currentDate());
}

void UtilitiesTab::cmdAddressList_Click() {
    ShowListReport(ListReport::rptAddress);
}

void UtilitiesTab::cmdClientList_Click() {
    ShowListReport(ListReport::rptClientList);
}

void UtilitiesTab::cmdClientDataSheet_Click() {
    ShowListReport(ListReport::rptClient);
}

void UtilitiesTab::cmdClientsByType_Click() {
    ShowListReport(ListReport::rptClientType);
}

void UtilitiesTab::ShowListReport(ListReport report) {
    using namespace modGlobal;
    const bool addresses = report == ListReport::rptAddress;
    controls::WaitPointer wait;
    rsShared = std::make_shared<ordwen::Recordset>();
    rsShared = !objHouse   ? ordwen::RecordsetPtr()
               : addresses ? objHouse->RefreshAddress()
                           : objHouse->RefreshClients();
    // A check that could not read at all proves nothing is there: the report's own read
    // then says what is wrong.
    const bool empty = rsShared && rsShared->isBOF() && rsShared->isEOF();
    CloseSharedRecordset();
    if (empty) {
        messages::ShowMessage(window(),
                              addresses ? QStringLiteral("No Address records were found! ")
                                        : QStringLiteral("No Client records were found! "),
                              QMessageBox::Warning);
        return;
    }
    reports::ShowReport(report, window());
}

void UtilitiesTab::lvInvoices_Click() {
    controls::WaitPointer wait;
    if (const int row = lvInvoices->SelectedRow(); row >= 0) {
        modGlobal::itmShared = {lvInvoices, lvInvoices->Key(row)};
        lblInvoice[0]->setText(lvInvoices->Key(row));
        lblInvoice[1]->setText(lvInvoices->Text(row, 1) + QLatin1Char(' '));
        lblInvoice[2]->setText(lvInvoices->Text(row, 2) + QLatin1Char(' '));
    }
}

void UtilitiesTab::lvInvoices_KeyPress(QChar) {
    lvInvoices_Click();
}

void UtilitiesTab::lvInvoices_ColumnClick(int column) {
    ListViewSort::ColumnClick(lvInvoices, column);
}

void UtilitiesTab::cmdDeleteInvoice_Click() {
    if (lblInvoice[0]->text().isEmpty())
        return;
    // The library asks the user to confirm and removes the row only on Yes.
    const bool deleted = modGlobal::objHouse && modGlobal::objHouse->DeleteInvoice(lblInvoice[0]->text());
    messages::RunOutcome(window(), deleted,
                         {
                             .clear = [this] { cmdClearInvoice_Click(); },
                             .refill = [this] { m_main.RefillInvoiceList(); },
                             .question = QStringLiteral("Invoice Record Deleted! ") + messages::LineBreaks +
                                         QStringLiteral("Do you want to delete another Invoice record? "),
                             .title = QStringLiteral("Record Removed Successfully"),
                             .onYes = {},
                             .onNo = [this] { m_main.ShowFirstTab(); },
                             .failure = QStringLiteral("Invoice Record was NOT Deleted! "),
                             .failureIcon = QMessageBox::Warning,
                             .onFailure = {},
                         });
}

void UtilitiesTab::cmdClearInvoice_Click() {
    for (QLabel *caption : lblInvoice)
        caption->clear();
    ShowToday();
    lvInvoices->setFocus();
}

// Tab 3, "Utilities": the report buttons on the left, the invoice list with its delete
// panel to their right, and the month calendar below that panel. The invoice panel is as
// wide as the list's three columns, so that no column has to be scrolled to.
#include "controls/ListView.h"
#include "frmOrdwen.h"
#include "layout_helpers.h"

#include "controls/Builders.h"
#include "controls/Twips.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

QWidget *frmOrdwen::BuildUtilitiesTab() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tabUtilities"));

    auto *reports = new QGroupBox(QStringLiteral("Reports"), page);
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
    auto *invoices = new QGroupBox(QStringLiteral("Delete  Invoices"), page);
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

    calBox = new QCalendarWidget(page);
    calBox->setObjectName(QStringLiteral("calBox"));
    calBox->setGeometry(Twips::Rect(2580, 5580, 9600, 3240));
    calBox->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    controls::NameCalendar(calBox, QStringLiteral("Calendar"));
    return page;
}

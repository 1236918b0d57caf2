// Tab 3, "Utilities": the report buttons on the left, the invoice list with its delete
// panel to their right, and the month calendar below that panel. The invoice panel is as
// wide as the list's three columns, so that no column has to be scrolled to.
#include "startup/ListView.h"
#include "frmOrdwen.h"
#include "layout_helpers.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

QWidget *frmOrdwen::BuildUtilitiesTab() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tabUtilities"));

    auto *reports = new QGroupBox(QStringLiteral("Reports"), page);
    reports->setObjectName(QStringLiteral("fraReports"));
    reports->setGeometry(6, 6, 160, 190);
    cmdClientList = layout::Button(reports, QStringLiteral("cmdClientList"), QStringLiteral("Client List"),
                                   QRect(12, 28, 136, 32));
    cmdClientDataSheet = layout::Button(reports, QStringLiteral("cmdClientDataSheet"),
                                        QStringLiteral("Client Data Sheet"), QRect(12, 66, 136, 32));
    cmdClientsByType = layout::Button(reports, QStringLiteral("cmdClientsByType"),
                                      QStringLiteral("Clients By Type"), QRect(12, 104, 136, 32));
    cmdAddressList = layout::Button(reports, QStringLiteral("cmdAddressList"), QStringLiteral("Address List"),
                                    QRect(12, 142, 136, 32));

    // The list's columns take 600 pixels; the rest is its frame and a vertical scroll bar.
    auto *invoices = new QGroupBox(QStringLiteral("Delete  Invoices"), page);
    invoices->setObjectName(QStringLiteral("fraInvoices"));
    invoices->setGeometry(172, 6, 640, 356);
    lvInvoices = new ListView(invoices);
    lvInvoices->setObjectName(QStringLiteral("lvInvoices"));
    lvInvoices->setGeometry(10, 24, 620, 226);

    const char *headings[] = {"Invoice ID", "Client", "Invoice Date"};
    for (int i = 0; i < 3; ++i) {
        const int y = 262 + i * 30;
        layout::Label(invoices, QLatin1String(headings[i]), QRect(10, y, 96, layout::RowHeight));
        lblInvoice[std::size_t(i)] =
            layout::ValueLabel(invoices, layout::ElementName(QStringLiteral("lblInvoice"), i),
                               QRect(108, y, 300, layout::RowHeight));
    }
    cmdDeleteInvoice = layout::Button(invoices, QStringLiteral("cmdDeleteInvoice"),
                                      QStringLiteral("Delete Invoice"), QRect(450, 262, 180, 32));
    cmdClearInvoice = layout::Button(invoices, QStringLiteral("cmdClearInvoice"), QStringLiteral("Clear"),
                                     QRect(450, 302, 180, 32));

    calBox = new QCalendarWidget(page);
    calBox->setObjectName(QStringLiteral("calBox"));
    calBox->setGeometry(172, 372, 640, 216);
    calBox->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    return page;
}

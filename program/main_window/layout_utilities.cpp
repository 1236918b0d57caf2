// Tab 3, "Utilities": the report buttons, the month calendar, and the invoice list with
// its delete panel.
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
    reports->setGeometry(6, 6, 250, 190);
    cmdClientList = layout::Button(reports, QStringLiteral("cmdClientList"), QStringLiteral("Client List"),
                                   QRect(20, 28, 210, 32));
    cmdClientDataSheet = layout::Button(reports, QStringLiteral("cmdClientDataSheet"),
                                        QStringLiteral("Client Data Sheet"), QRect(20, 66, 210, 32));
    cmdClientsByType = layout::Button(reports, QStringLiteral("cmdClientsByType"),
                                      QStringLiteral("Clients By Type"), QRect(20, 104, 210, 32));
    cmdAddressList = layout::Button(reports, QStringLiteral("cmdAddressList"), QStringLiteral("Address List"),
                                    QRect(20, 142, 210, 32));

    calBox = new QCalendarWidget(page);
    calBox->setObjectName(QStringLiteral("calBox"));
    calBox->setGeometry(6, 206, 250, 220);
    calBox->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);

    auto *invoices = new QGroupBox(QStringLiteral("Delete  Invoices"), page);
    invoices->setObjectName(QStringLiteral("fraInvoices"));
    invoices->setGeometry(264, 6, 548, 582);
    lvInvoices = new ListView(invoices);
    lvInvoices->setObjectName(QStringLiteral("lvInvoices"));
    lvInvoices->setGeometry(10, 24, 528, 340);

    const char *headings[] = {"Invoice ID", "Client", "Invoice Date"};
    for (int i = 0; i < 3; ++i) {
        const int y = 378 + i * 30;
        layout::Label(invoices, QLatin1String(headings[i]), QRect(10, y, 110, layout::RowHeight));
        lblInvoice[std::size_t(i)] =
            layout::ValueLabel(invoices, layout::ElementName(QStringLiteral("lblInvoice"), i),
                               QRect(124, y, 300, layout::RowHeight));
    }
    cmdDeleteInvoice = layout::Button(invoices, QStringLiteral("cmdDeleteInvoice"),
                                      QStringLiteral("Delete Invoice"), QRect(124, 480, 160, 32));
    cmdClearInvoice = layout::Button(invoices, QStringLiteral("cmdClearInvoice"), QStringLiteral("Clear"),
                                     QRect(294, 480, 130, 32));
    return page;
}

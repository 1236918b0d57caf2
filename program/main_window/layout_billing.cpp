// Tab 2, "Billing": the client list at the top; below it the chosen client's data on the
// left and the charges of one visit on the right.
#include "startup/ListView.h"
#include "frmOrdwen.h"
#include "layout_helpers.h"

#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

QWidget *frmOrdwen::BuildBillingTab() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tabBilling"));

    lvBilling = new ListView(page);
    lvBilling->setObjectName(QStringLiteral("lvBilling"));
    lvBilling->setGeometry(6, 6, 806, 150);

    lblBillID = layout::HiddenLabel(page, QStringLiteral("lblBillID"));

    // The client's data, read only.
    constexpr int top = 164;
    constexpr int step = 24;
    layout::Label(page, QStringLiteral(" Service Date"), QRect(6, top, 140, layout::RowHeight));
    datBox = new QDateEdit(QDate::currentDate(), page);
    datBox->setObjectName(QStringLiteral("datBox"));
    datBox->setCalendarPopup(true);
    datBox->setGeometry(148, top, 130, 22);

    struct Row {
        const char *caption;
        int index;
        int width;
    };
    static constexpr Row clientRows[] = {
        {"Client Name", 0, 230}, {"Billing Address", 1, 230}, {"Billing Address", 2, 230},
        {"City", 3, 230},        {"State / Province", 4, 60}, {"Postal Code", 5, 100},
        {"Day Of Week", 8, 230}, {"Schedule", 9, 230},        {"Service Type", 10, 230},
        {"Fee Type", 11, 230},   {"Pets", 12, 230},
    };
    int y = top + step;
    for (const Row &row : clientRows) {
        layout::Label(page, QLatin1Char(' ') + QLatin1String(row.caption),
                      QRect(6, y, 140, layout::RowHeight));
        lblClient[std::size_t(row.index)] =
            layout::ValueLabel(page, layout::ElementName(QStringLiteral("lblClient"), row.index),
                               QRect(148, y, row.width, layout::RowHeight));
        y += step;
    }
    layout::Label(page, QStringLiteral("Notes"), QRect(6, y + 4, 140, layout::RowHeight));
    rtBilling = layout::RichTextBox(page, QStringLiteral("rtBilling"), QRect(148, y + 4, 230, 588 - y - 4),
                                    QStringLiteral(" 250 characters max! "));

    // The charges of one visit and the two worked-out amounts.
    constexpr int left = 400;
    constexpr int boxLeft = 582;
    constexpr int chargeStep = 28;
    auto charge = [&](int row, const QString &caption, const QString &labelTip) {
        layout::Label(page, QLatin1Char(' ') + caption,
                      QRect(left, top + row * chargeStep, 180, layout::RowHeight), labelTip);
        return QRect(boxLeft, top + row * chargeStep, 110, layout::RowHeight + 1);
    };
    const QString otherTip = QStringLiteral(" Brief description of other charges ");
    QRect r = charge(0, QStringLiteral("Hours Worked"), {});
    txtBilling[0] =
        layout::TextBox(page, QStringLiteral("txtBilling(0)"), QRect(r.x(), r.y(), 70, r.height()), 6,
                        Qt::AlignHCenter, QStringLiteral(" Example: 10.25  for 10 1/4 hours "));
    r = charge(1, QStringLiteral("Rate Per Hour"), {});
    txtBilling[1] = layout::TextBox(page, QStringLiteral("txtBilling(1)"),
                                    QRect(r.x(), r.y(), 70, r.height()), 5, Qt::AlignRight);
    r = charge(2, QStringLiteral("Total Hourly Amt"), {});
    lblClient[6] = layout::ValueLabel(page, QStringLiteral("lblClient(6)"), r, Qt::AlignRight);
    r = charge(3, QStringLiteral("Contract Fee"), {});
    txtBilling[2] = layout::TextBox(page, QStringLiteral("txtBilling(2)"), r, 0, Qt::AlignRight);
    r = charge(4, QStringLiteral("Other Services"), otherTip);
    txtBilling[3] = layout::TextBox(page, QStringLiteral("txtBilling(3)"),
                                    QRect(r.x(), r.y(), 226, r.height()), 0, Qt::AlignLeft, otherTip);
    r = charge(5, QStringLiteral("Other Services Amt"), {});
    txtBilling[4] = layout::TextBox(page, QStringLiteral("txtBilling(4)"), r, 8, Qt::AlignRight);
    r = charge(6, QStringLiteral("Past Due Amount"), {});
    txtBilling[5] = layout::TextBox(page, QStringLiteral("txtBilling(5)"), r, 8, Qt::AlignRight);
    r = charge(7, QStringLiteral("Total Invoice Amount"), {});
    lblClient[7] = layout::ValueLabel(page, QStringLiteral("lblClient(7)"), r, Qt::AlignRight);

    cmdTotalAmount = layout::Button(page, QStringLiteral("cmdTotalAmount"),
                                    QStringLiteral("Service Charge &Totals"), QRect(boxLeft, 410, 226, 32));
    cmdPrintInvoice = layout::Button(page, QStringLiteral("cmdPrintInvoice"),
                                     QStringLiteral("&Print Invoice"), QRect(boxLeft, 452, 226, 32));
    cmdClearBilling = layout::Button(page, QStringLiteral("cmdClearBilling"), QStringLiteral("Clear"),
                                     QRect(boxLeft, 494, 226, 32));
    return page;
}

// Tab 2, "Billing": the client list at the top; below it the chosen client's data on the
// left and the charges of one visit on the right.
#include "controls/ListView.h"
#include "frmOrdwen.h"
#include "layout_helpers.h"

#include "controls/Builders.h"
#include "controls/Twips.h"

#include <QCalendarWidget>
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
    lvBilling->setGeometry(Twips::Rect(90, 90, 12090, 2250));
    controls::NameInput(lvBilling, QStringLiteral("Clients"));

    lblBillID = controls::HiddenLabel(page, QStringLiteral("lblBillID"));

    // The client's data, read only.
    constexpr int top = 2460;
    constexpr int step = 360;
    QLabel *dateLabel = controls::Label(page, QStringLiteral(" Service Date"),
                                        Twips::Rect(90, top, 2100, controls::RowHeight));
    datBox = new QDateEdit(QDate::currentDate(), page);
    datBox->setObjectName(QStringLiteral("datBox"));
    datBox->setCalendarPopup(true);
    datBox->setGeometry(Twips::Rect(2220, top, 1950, 330));
    controls::NameAfterLabel(dateLabel, datBox);
    controls::NameCalendar(datBox->calendarWidget(), QStringLiteral("Service Date calendar"));

    struct Row {
        const char *caption;
        int index;
        int width;
    };
    static constexpr Row clientRows[] = {
        {"Client Name", 0, 3450}, {"Billing Address", 1, 3450}, {"Billing Address", 2, 3450},
        {"City", 3, 3450},        {"State / Province", 4, 900}, {"Postal Code", 5, 1500},
        {"Day Of Week", 8, 3450}, {"Schedule", 9, 3450},        {"Service Type", 10, 3450},
        {"Fee Type", 11, 3450},   {"Pets", 12, 3450},
    };
    int y = top + step;
    const char *previousCaption = "";
    for (const Row &row : clientRows) {
        QLabel *label = controls::Label(page, QLatin1Char(' ') + QLatin1String(row.caption),
                                        Twips::Rect(90, y, 2100, controls::RowHeight));
        lblClient[std::size_t(row.index)] =
            controls::ValueLabel(page, controls::ElementName(QStringLiteral("lblClient"), row.index),
                                 Twips::Rect(2220, y, row.width, controls::RowHeight));
        // The two billing address lines share their caption.
        const bool secondLine = qstrcmp(row.caption, previousCaption) == 0;
        controls::NameAfterLabel(label, lblClient[std::size_t(row.index)],
                                 secondLine ? QStringLiteral("line 2") : QString());
        previousCaption = row.caption;
        y += step;
    }
    QLabel *notesLabel =
        controls::Label(page, QStringLiteral("Notes"), Twips::Rect(90, y + 60, 2100, controls::RowHeight));
    rtBilling = controls::RichTextBox(page, QStringLiteral("rtBilling"),
                                      Twips::Rect(2220, y + 60, 3450, 8820 - y - 60),
                                      QStringLiteral(" 250 characters max! "));
    controls::NameAfterLabel(notesLabel, rtBilling);

    // The charges of one visit and the two worked-out amounts.
    constexpr int left = 6000;
    constexpr int boxLeft = 8730;
    constexpr int chargeStep = 420;
    QLabel *chargeLabel = nullptr;
    auto charge = [&](int row, const QString &caption, const QString &labelTip) {
        chargeLabel =
            controls::Label(page, QLatin1Char(' ') + caption,
                            Twips::Rect(left, top + row * chargeStep, 2700, controls::RowHeight), labelTip);
        return Twips::Rect(boxLeft, top + row * chargeStep, 1650, controls::RowHeight + 15);
    };
    const QString otherTip = QStringLiteral(" Brief description of other charges ");
    QRect r = charge(0, QStringLiteral("Hours Worked"), {});
    txtBilling[0] = controls::TextBox(page, QStringLiteral("txtBilling(0)"),
                                      QRect(r.x(), r.y(), Twips::ToPixels(1050), r.height()), 6,
                                      Qt::AlignHCenter, QStringLiteral(" Example: 10.25  for 10 1/4 hours "));
    controls::NameAfterLabel(chargeLabel, txtBilling[0]);
    r = charge(1, QStringLiteral("Rate Per Hour"), {});
    txtBilling[1] =
        controls::TextBox(page, QStringLiteral("txtBilling(1)"),
                          QRect(r.x(), r.y(), Twips::ToPixels(1050), r.height()), 5, Qt::AlignRight);
    controls::NameAfterLabel(chargeLabel, txtBilling[1]);
    r = charge(2, QStringLiteral("Total Hourly Amt"), {});
    lblClient[6] = controls::ValueLabel(page, QStringLiteral("lblClient(6)"), r, Qt::AlignRight);
    controls::NameAfterLabel(chargeLabel, lblClient[6]);
    r = charge(3, QStringLiteral("Contract Fee"), {});
    txtBilling[2] = controls::TextBox(page, QStringLiteral("txtBilling(2)"), r, 0, Qt::AlignRight);
    controls::NameAfterLabel(chargeLabel, txtBilling[2]);
    r = charge(4, QStringLiteral("Other Services"), otherTip);
    txtBilling[3] =
        controls::TextBox(page, QStringLiteral("txtBilling(3)"),
                          QRect(r.x(), r.y(), Twips::ToPixels(3390), r.height()), 0, Qt::AlignLeft, otherTip);
    controls::NameAfterLabel(chargeLabel, txtBilling[3]);
    r = charge(5, QStringLiteral("Other Services Amt"), {});
    txtBilling[4] = controls::TextBox(page, QStringLiteral("txtBilling(4)"), r, 8, Qt::AlignRight);
    controls::NameAfterLabel(chargeLabel, txtBilling[4]);
    r = charge(6, QStringLiteral("Past Due Amount"), {});
    txtBilling[5] = controls::TextBox(page, QStringLiteral("txtBilling(5)"), r, 8, Qt::AlignRight);
    controls::NameAfterLabel(chargeLabel, txtBilling[5]);
    r = charge(7, QStringLiteral("Total Invoice Amount"), {});
    lblClient[7] = controls::ValueLabel(page, QStringLiteral("lblClient(7)"), r, Qt::AlignRight);
    controls::NameAfterLabel(chargeLabel, lblClient[7]);

    cmdTotalAmount =
        controls::Button(page, QStringLiteral("cmdTotalAmount"), QStringLiteral("Service Charge &Totals"),
                         Twips::Rect(boxLeft, 6150, 3390, 480));
    // Yellow, as the message that sends the user to it calls it. A styled button settles its
    // font when styled, before the page joins the window: it is given the window's font.
    cmdTotalAmount->setStyleSheet(controls::ColouredButtonStyle(QColor(255, 255, 0)));
    cmdTotalAmount->setFont(font());
    cmdPrintInvoice =
        controls::Button(page, QStringLiteral("cmdPrintInvoice"), QStringLiteral("&Print Invoice"),
                         Twips::Rect(boxLeft, 6780, 3390, 480));
    cmdClearBilling = controls::Button(page, QStringLiteral("cmdClearBilling"), QStringLiteral("Clear"),
                                       Twips::Rect(boxLeft, 7410, 3390, 480));
    return page;
}

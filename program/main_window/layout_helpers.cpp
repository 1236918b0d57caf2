#include "layout_helpers.h"

#include "controls/Builders.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextEdit>

namespace layout {

QComboBox *ClientTypeBox(QWidget *parent, const QString &name, const QRect &geometry, QLabel *label) {
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    controls::NameAfterLabel(label, box);
    box->addItems({QStringLiteral("Apartment"), QStringLiteral("Church"), QStringLiteral("Commercial"),
                   QStringLiteral("Home"), QStringLiteral("Hospital"), QStringLiteral("Restaurant"),
                   QStringLiteral("Retail"), QStringLiteral("Other")});
    box->setCurrentIndex(-1);
    box->setMaxVisibleItems(8);
    return box;
}

const std::array<ClientField, 15> &ClientFields() {
    static const QString sameAddress = QStringLiteral(" Leave blank if same as address above ");
    static const std::array<ClientField, 15> fields{{
        {QStringLiteral("Client Name"), 35, Qt::AlignLeft, {}, false},
        {QStringLiteral("Address"), 35, Qt::AlignLeft, QStringLiteral(" Main street address "), true},
        {QStringLiteral("Address"), 35, Qt::AlignLeft, QStringLiteral(" Office, floor, etc. "), false},
        {QStringLiteral("City"), 35, Qt::AlignLeft, {}, false},
        {QStringLiteral("State / Province"), 3, Qt::AlignHCenter, {}, false},
        {QStringLiteral("Postal Code"), 10, Qt::AlignLeft, {}, false},
        {QStringLiteral("Telephone"), 25, Qt::AlignLeft, {}, false},
        {QStringLiteral("Contact Name"), 35, Qt::AlignLeft,
         QStringLiteral(" Name of person to contact for information or schedule change "), false},
        {QStringLiteral("Billing Address"), 35, Qt::AlignLeft, sameAddress, true},
        {QStringLiteral("Billing Address"), 35, Qt::AlignLeft, sameAddress, true},
        {QStringLiteral("Billing City"), 35, Qt::AlignLeft,
         QStringLiteral(" Leave blank if same as city above "), true},
        {QStringLiteral("Billing State / Province"), 3, Qt::AlignHCenter,
         QStringLiteral(" Leave blank if same as state or province above "), true},
        {QStringLiteral("Billing Postal Code"), 10, Qt::AlignLeft,
         QStringLiteral(" Leave blank if same as postal code above "), true},
        {QStringLiteral("Service Day of Week"), 0, Qt::AlignLeft, QStringLiteral(" Monday - Saturday "),
         false},
        {QStringLiteral("Fee Amount  $"), 9, Qt::AlignRight, QStringLiteral(" Amount charged per service "),
         false},
    }};
    return fields;
}

void NameClientBox(QLabel *label, QWidget *box, int index) {
    const auto &fields = ClientFields();
    const bool secondLine =
        index > 0 && fields[std::size_t(index - 1)].caption == fields[std::size_t(index)].caption;
    controls::NameAfterLabel(label, box, secondLine ? QStringLiteral("line 2") : QString());
}

QStringList ScheduleCaptions() {
    return {QStringLiteral("Daily"),   QStringLiteral("Weekly"),     QStringLiteral("Bi-Weekly"),
            QStringLiteral("Monthly"), QStringLiteral("Bi-Monthly"), QStringLiteral("Other")};
}

QStringList ServiceCaptions() {
    return {QStringLiteral("Home"),   QStringLiteral("Office"),  QStringLiteral("Windows"),
            QStringLiteral("Floors"), QStringLiteral("Special"), QStringLiteral("Other")};
}

QStringList FeeCaptions() {
    return {QStringLiteral("Hourly"), QStringLiteral("Job"), QStringLiteral("Contract")};
}

QStringList BillingCaptions() {
    return {QStringLiteral("Weekly"), QStringLiteral("Monthly"), QStringLiteral("Other")};
}

QStringList PetsCaptions() {
    return {QStringLiteral("Yes"), QStringLiteral("No")};
}

int ClientBoxWidth(int maxLength, int wide, int other) {
    switch (maxLength) {
    case 3:
        return 720;
    case 9:
    case 10:
        return 1500;
    case 35:
        return wide;
    default:
        return other;
    }
}

} // namespace layout

#include "layout_helpers.h"

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

QString ElementName(const QString &arrayName, int index) {
    return arrayName + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

QLabel *Label(QWidget *parent, const QString &caption, const QRect &geometry, const QString &toolTip) {
    auto *label = new QLabel(caption, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    if (!toolTip.isEmpty())
        label->setToolTip(toolTip);
    return label;
}

QLabel *ValueLabel(QWidget *parent, const QString &name, const QRect &geometry, Qt::Alignment alignment) {
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    // A frame rather than a style sheet: a styled label stops taking the window's font.
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setIndent(3);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QLabel *HiddenLabel(QWidget *parent, const QString &name) {
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(0, 0, 1, 1);
    label->hide();
    return label;
}

QLineEdit *TextBox(QWidget *parent, const QString &name, const QRect &geometry, int maxLength,
                   Qt::Alignment alignment, const QString &toolTip) {
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    box->setAlignment(alignment | Qt::AlignVCenter);
    if (!toolTip.isEmpty())
        box->setToolTip(toolTip);
    return box;
}

QTextEdit *RichTextBox(QWidget *parent, const QString &name, const QRect &geometry, const QString &toolTip) {
    auto *box = new QTextEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    // Only the plain text is read and stored: pasted formatting is dropped.
    box->setAcceptRichText(false);
    box->setTabChangesFocus(true);
    if (!toolTip.isEmpty())
        box->setToolTip(toolTip);
    return box;
}

QPushButton *Button(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry,
                    const QString &toolTip) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    if (!toolTip.isEmpty())
        button->setToolTip(toolTip);
    return button;
}

QComboBox *ClientTypeBox(QWidget *parent, const QString &name, const QRect &geometry) {
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->addItems({QStringLiteral("Apartment"), QStringLiteral("Church"), QStringLiteral("Commercial"),
                   QStringLiteral("Home"), QStringLiteral("Hospital"), QStringLiteral("Restaurant"),
                   QStringLiteral("Retail"), QStringLiteral("Other")});
    box->setCurrentIndex(-1);
    box->setMaxVisibleItems(8);
    return box;
}

QGroupBox *OptionGroup(QWidget *parent, const QString &frameName, const QString &arrayName,
                       const QString &caption, const QString &frameToolTip, const QRect &geometry,
                       const QStringList &captions, const QStringList &toolTips,
                       std::span<QRadioButton *> buttons, bool horizontal) {
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(frameName);
    frame->setGeometry(geometry);
    if (!frameToolTip.isEmpty())
        frame->setToolTip(frameToolTip);
    // Exclusive while the user clicks; the clear actions lift this for a moment so that
    // "none on" can be reached again.
    auto *group = new QButtonGroup(frame);
    group->setExclusive(true);
    const int count = int(qMin<qsizetype>(captions.size(), qsizetype(buttons.size())));
    const int columnWidth = horizontal ? (geometry.width() - 16) / qMax(1, count) : geometry.width() - 16;
    for (int i = 0; i < count; ++i) {
        auto *button = new QRadioButton(captions.at(i), frame);
        button->setObjectName(ElementName(arrayName, i));
        if (horizontal)
            button->setGeometry(10 + i * columnWidth, 22, columnWidth - 4, RowHeight);
        else
            button->setGeometry(12, 22 + i * 22, columnWidth - 4, RowHeight);
        if (i < toolTips.size() && !toolTips.at(i).isEmpty())
            button->setToolTip(toolTips.at(i));
        group->addButton(button, i);
        buttons[std::size_t(i)] = button;
    }
    return frame;
}

void FitOptionButtons(QWidget *parent) {
    for (QRadioButton *option : parent->findChildren<QRadioButton *>()) {
        QStyleOptionButton look;
        look.initFrom(option);
        look.text = option->text();
        const QRect clickable =
            option->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &look, option);
        option->resize(qMin(clickable.right() + 1, option->width()), option->height());
    }
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
        return 48;
    case 9:
    case 10:
        return 100;
    case 35:
        return wide;
    default:
        return other;
    }
}

} // namespace layout

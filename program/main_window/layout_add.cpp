// Tab 0, "Add Clients": labels on the left, the entry boxes beside them, the option groups
// and the two decorative pictures on the right.
#include "frmOrdwen.h"
#include "layout_helpers.h"

#include "startup/modGlobal.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

namespace {

constexpr int LabelLeft = 12;
constexpr int LabelWidth = 180;
constexpr int BoxLeft = 196;
constexpr int Top = 12;
constexpr int Step = 27;

QLabel *picture(QWidget *parent, const QString &name, const QRect &geometry, const QString &file) {
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(QPixmap(modGlobal::AppPath(file)));
    return label;
}

} // namespace

QWidget *frmOrdwen::BuildAddTab() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tabAddClients"));

    layout::Label(page, QStringLiteral(" Client Type"), QRect(LabelLeft, Top, LabelWidth, layout::RowHeight));
    cboBoxAdd[0] = layout::ClientTypeBox(page, layout::ElementName(QStringLiteral("cboBoxAdd"), 0),
                                         QRect(BoxLeft, Top, 190, 22));

    const auto &fields = layout::ClientFields();
    for (int i = 0; i < ClientFieldCount; ++i) {
        const auto &field = fields[std::size_t(i)];
        const int y = Top + (i + 1) * Step;
        layout::Label(page, QLatin1Char(' ') + field.caption,
                      QRect(LabelLeft, y, LabelWidth, layout::RowHeight),
                      field.labelToo ? field.toolTip : QString());
        txtAdd[std::size_t(i)] =
            layout::TextBox(page, layout::ElementName(QStringLiteral("txtAdd"), i),
                            QRect(BoxLeft, y, layout::ClientBoxWidth(field.maxLength, 260, 190), layout::RowHeight + 1),
                            field.maxLength, field.alignment, field.toolTip);
    }

    const int notesTop = Top + (ClientFieldCount + 1) * Step;
    layout::Label(page, QStringLiteral("Notes"), QRect(LabelLeft, notesTop, LabelWidth, layout::RowHeight));
    rtBoxAdd = layout::RichTextBox(page, QStringLiteral("rtBoxAdd"), QRect(BoxLeft, notesTop, 260, 100),
                                   QStringLiteral(" 250 characters max! "));

    const QString notesTip = QStringLiteral(" Add description to Notes ");
    layout::OptionGroup(page, QStringLiteral("fraSchedule"), QStringLiteral("optSchedule"),
                        QStringLiteral("[ Service Schedule ]"),
                        QStringLiteral(" Select the service frequency from the options listed "),
                        QRect(480, 10, 158, 164), layout::ScheduleCaptions(),
                        {QStringLiteral(" Service daily "), QStringLiteral(" Service Weekly"),
                         QStringLiteral(" Service Bi-Weekly"), QStringLiteral(" Service Monthly"),
                         QStringLiteral(" Service Bi-Monthly"), notesTip},
                        optSchedule);
    layout::OptionGroup(
        page, QStringLiteral("fraService"), QStringLiteral("optService"), QStringLiteral("[ Service Type ]"),
        QStringLiteral(" Select the type of service performed from the options listed "),
        QRect(648, 10, 158, 164), layout::ServiceCaptions(),
        {QStringLiteral(" Entire Home "), QStringLiteral(" Entire Office "), QStringLiteral(" Windows Only "),
         QStringLiteral(" Floors Only "), notesTip, notesTip},
        optService);
    const QString feeTip = QStringLiteral(" Select how the service is to be charged ");
    layout::OptionGroup(page, QStringLiteral("fraFee"), QStringLiteral("optFee"),
                        QStringLiteral("[ Fee Type ]"), feeTip, QRect(480, 184, 158, 98),
                        layout::FeeCaptions(), {feeTip, feeTip, notesTip}, optFee);
    layout::OptionGroup(
        page, QStringLiteral("fraBilling"), QStringLiteral("optBilling"),
        QStringLiteral("[ Billing Schedule ]"), QStringLiteral(" Select how this client is to be billed "),
        QRect(648, 184, 158, 98), layout::BillingCaptions(),
        {QStringLiteral(" Billed weekly "), QStringLiteral(" Billed monthly "), notesTip}, optBilling);
    layout::OptionGroup(
        page, QStringLiteral("fraPets"), QStringLiteral("optPets"), QStringLiteral("[ Pets ]"),
        QStringLiteral(" Select Yes if the client has pets in the home or office "), QRect(480, 292, 326, 54),
        layout::PetsCaptions(),
        {QStringLiteral(" Client has pets "), QStringLiteral(" Client does not have pets ")}, optPets, true);

    imgBox_1 = picture(page, QStringLiteral("imgBox_1"), QRect(480, 358, 158, 150),
                       QStringLiteral("images/box_1.png"));
    imgBox_2 = picture(page, QStringLiteral("imgBox_2"), QRect(648, 358, 158, 150),
                       QStringLiteral("images/box_2.png"));

    cmdSaveAdd =
        layout::Button(page, QStringLiteral("cmdSaveAdd"), QStringLiteral("&Save"), QRect(480, 522, 158, 32));
    cmdClearAdd = layout::Button(page, QStringLiteral("cmdClearAdd"), QStringLiteral("&Clear All Fields"),
                                 QRect(648, 522, 158, 32));
    return page;
}

// Tab 0, "Add Clients": labels on the left, the entry boxes beside them, the option groups
// and the two decorative pictures on the right.
#include "frmOrdwen.h"
#include "layout_helpers.h"

#include "controls/Builders.h"
#include "controls/Twips.h"

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

constexpr int LabelLeft = 180;
constexpr int LabelWidth = 2700;
constexpr int BoxLeft = 2940;
constexpr int Top = 180;
constexpr int Step = 405;

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

    QLabel *typeLabel = controls::Label(page, QStringLiteral(" Client Type"),
                                        Twips::Rect(LabelLeft, Top, LabelWidth, controls::RowHeight));
    cboBoxAdd[0] = layout::ClientTypeBox(page, controls::ElementName(QStringLiteral("cboBoxAdd"), 0),
                                         Twips::Rect(BoxLeft, Top, 2850, 330), typeLabel);

    const auto &fields = layout::ClientFields();
    for (int i = 0; i < ClientFieldCount; ++i) {
        const auto &field = fields[std::size_t(i)];
        const int y = Top + (i + 1) * Step;
        QLabel *label = controls::Label(page, QLatin1Char(' ') + field.caption,
                                        Twips::Rect(LabelLeft, y, LabelWidth, controls::RowHeight),
                                        field.labelToo ? field.toolTip : QString());
        txtAdd[std::size_t(i)] =
            controls::TextBox(page, controls::ElementName(QStringLiteral("txtAdd"), i),
                              Twips::Rect(BoxLeft, y, layout::ClientBoxWidth(field.maxLength, 3900, 2850),
                                          controls::RowHeight + 15),
                              field.maxLength, field.alignment, field.toolTip);
        layout::NameClientBox(label, txtAdd[std::size_t(i)], i);
    }

    const int notesTop = Top + (ClientFieldCount + 1) * Step;
    QLabel *notesLabel = controls::Label(page, QStringLiteral("Notes"),
                                         Twips::Rect(LabelLeft, notesTop, LabelWidth, controls::RowHeight));
    rtBoxAdd =
        controls::RichTextBox(page, QStringLiteral("rtBoxAdd"), Twips::Rect(BoxLeft, notesTop, 3900, 1500),
                              QStringLiteral(" 250 characters max! "));
    controls::NameAfterLabel(notesLabel, rtBoxAdd);

    const QString notesTip = QStringLiteral(" Add description to Notes ");
    controls::OptionGroup(page, QStringLiteral("fraSchedule"), QStringLiteral("optSchedule"),
                          QStringLiteral("[ Service Schedule ]"),
                          QStringLiteral(" Select the service frequency from the options listed "),
                          Twips::Rect(7200, 150, 2370, 2460), layout::ScheduleCaptions(),
                          {QStringLiteral(" Service daily "), QStringLiteral(" Service Weekly"),
                           QStringLiteral(" Service Bi-Weekly"), QStringLiteral(" Service Monthly"),
                           QStringLiteral(" Service Bi-Monthly"), notesTip},
                          optSchedule);
    controls::OptionGroup(
        page, QStringLiteral("fraService"), QStringLiteral("optService"), QStringLiteral("[ Service Type ]"),
        QStringLiteral(" Select the type of service performed from the options listed "),
        Twips::Rect(9720, 150, 2370, 2460), layout::ServiceCaptions(),
        {QStringLiteral(" Entire Home "), QStringLiteral(" Entire Office "), QStringLiteral(" Windows Only "),
         QStringLiteral(" Floors Only "), notesTip, notesTip},
        optService);
    const QString feeTip = QStringLiteral(" Select how the service is to be charged ");
    controls::OptionGroup(page, QStringLiteral("fraFee"), QStringLiteral("optFee"),
                          QStringLiteral("[ Fee Type ]"), feeTip, Twips::Rect(7200, 2760, 2370, 1470),
                          layout::FeeCaptions(), {feeTip, feeTip, notesTip}, optFee);
    controls::OptionGroup(
        page, QStringLiteral("fraBilling"), QStringLiteral("optBilling"),
        QStringLiteral("[ Billing Schedule ]"), QStringLiteral(" Select how this client is to be billed "),
        Twips::Rect(9720, 2760, 2370, 1470), layout::BillingCaptions(),
        {QStringLiteral(" Billed weekly "), QStringLiteral(" Billed monthly "), notesTip}, optBilling);
    controls::OptionGroup(
        page, QStringLiteral("fraPets"), QStringLiteral("optPets"), QStringLiteral("[ Pets ]"),
        QStringLiteral(" Select Yes if the client has pets in the home or office "),
        Twips::Rect(7200, 4380, 4890, 810), layout::PetsCaptions(),
        {QStringLiteral(" Client has pets "), QStringLiteral(" Client does not have pets ")}, optPets, true);

    imgBox_1 = picture(page, QStringLiteral("imgBox_1"), Twips::Rect(7200, 5370, 2370, 2250),
                       QStringLiteral("images/box_1.png"));
    imgBox_2 = picture(page, QStringLiteral("imgBox_2"), Twips::Rect(9720, 5370, 2370, 2250),
                       QStringLiteral("images/box_2.png"));

    cmdSaveAdd = controls::Button(page, QStringLiteral("cmdSaveAdd"), QStringLiteral("&Save"),
                                  Twips::Rect(7200, 7830, 2370, 480));
    cmdClearAdd = controls::Button(page, QStringLiteral("cmdClearAdd"), QStringLiteral("&Clear All Fields"),
                                   Twips::Rect(9720, 7830, 2370, 480));
    return page;
}

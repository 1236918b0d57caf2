// Tab 1, "Manage Clients": the client list across the top, the chosen client's fields in
// two columns below it, the option groups along the bottom.
#include "startup/ListView.h"
#include "frmOrdwen.h"
#include "layout_helpers.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

namespace {

constexpr int Top = 184;
constexpr int Step = 26;

} // namespace

QWidget *frmOrdwen::BuildManageTab() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tabManageClients"));

    lvClients = new ListView(page);
    lvClients->setObjectName(QStringLiteral("lvClients"));
    lvClients->setGeometry(6, 6, 806, 170);

    lblID = layout::HiddenLabel(page, QStringLiteral("lblID"));

    // Left column: type, name, service address, telephone, contact (boxes 0 to 7).
    layout::Label(page, QStringLiteral(" Client Type"), QRect(6, Top, 150, layout::RowHeight));
    cboBoxEdit = layout::ClientTypeBox(page, QStringLiteral("cboBoxEdit"), QRect(158, Top, 170, 22));
    // Right column: billing address, day, fee (boxes 8 to 14), then the notes.
    const auto &fields = layout::ClientFields();
    for (int i = 0; i < ClientFieldCount; ++i) {
        const auto &field = fields[std::size_t(i)];
        const bool left = i < 8;
        const int y = left ? Top + (i + 1) * Step : Top + (i - 8) * Step;
        const int labelLeft = left ? 6 : 396;
        const int boxLeft = left ? 158 : 578;
        const QString caption = i == FeeIndex ? QStringLiteral("Fee Amount") : field.caption;
        layout::Label(page, QLatin1Char(' ') + caption,
                      QRect(labelLeft, y, left ? 150 : 180, layout::RowHeight));
        txtEdit[std::size_t(i)] =
            layout::TextBox(page, layout::ElementName(QStringLiteral("txtEdit"), i),
                            QRect(boxLeft, y, layout::ClientBoxWidth(field.maxLength, 230, 170), layout::RowHeight + 1),
                            field.maxLength, field.alignment);
    }
    const int notesTop = Top + 7 * Step;
    layout::Label(page, QStringLiteral("Notes"), QRect(396, notesTop, 180, layout::RowHeight));
    rtBoxEdit = layout::RichTextBox(page, QStringLiteral("rtBoxEdit"), QRect(578, notesTop, 230, 50));

    const int groupsTop = 424;
    const int groupsHeight = 164;
    layout::OptionGroup(page, QStringLiteral("fraScheduleEdit"), QStringLiteral("optScheduleEdit"),
                        QStringLiteral("[ Service Schedule ]"), {}, QRect(6, groupsTop, 150, groupsHeight),
                        layout::ScheduleCaptions(), {}, optScheduleEdit);
    layout::OptionGroup(page, QStringLiteral("fraServiceEdit"), QStringLiteral("optServiceEdit"),
                        QStringLiteral("[ Service Type ]"), {}, QRect(162, groupsTop, 136, groupsHeight),
                        layout::ServiceCaptions(),
                        {QStringLiteral(" Entire Home"), QStringLiteral(" Entire office"),
                         QStringLiteral(" Windows Only"), QStringLiteral(" Floors Only")},
                        optServiceEdit);
    layout::OptionGroup(page, QStringLiteral("fraFeeEdit"), QStringLiteral("optFeeEdit"),
                        QStringLiteral("[ Fee Type ]"), {}, QRect(304, groupsTop, 110, 98),
                        layout::FeeCaptions(), {}, optFeeEdit);
    layout::OptionGroup(page, QStringLiteral("fraBillingEdit"), QStringLiteral("optBillingEdit"),
                        QStringLiteral("[ Billing Schedule ]"), {}, QRect(420, groupsTop, 150, 98),
                        layout::BillingCaptions(), {}, optBillingEdit);
    layout::OptionGroup(page, QStringLiteral("fraPetsEdit"), QStringLiteral("optPetsEdit"),
                        QStringLiteral("[ Pets ]"), {}, QRect(304, groupsTop + 106, 266, 54),
                        layout::PetsCaptions(), {}, optPetsEdit, true);

    cmdSaveEdit = layout::Button(page, QStringLiteral("cmdSaveEdit"), QStringLiteral("&Update Record"),
                                 QRect(612, 430, 196, 32));
    cmdClearEdit = layout::Button(page, QStringLiteral("cmdClearEdit"), QStringLiteral("&Clear All Fields"),
                                  QRect(612, 472, 196, 32));
    cmdDelete = layout::Button(page, QStringLiteral("cmdDelete"), QStringLiteral("&Delete Client"),
                               QRect(612, 514, 196, 32));
    return page;
}

// Tab 1, "Manage Clients": the client list across the top, the chosen client's fields in
// two columns below it, the option groups along the bottom.
#include "controls/ListView.h"
#include "frmOrdwen.h"
#include "layout_helpers.h"

#include "controls/Builders.h"
#include "controls/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

namespace {

constexpr int Top = 2760;
constexpr int Step = 390;

} // namespace

QWidget *frmOrdwen::BuildManageTab() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tabManageClients"));

    lvClients = new ListView(page);
    lvClients->setObjectName(QStringLiteral("lvClients"));
    lvClients->setGeometry(Twips::Rect(90, 90, 12090, 2550));
    controls::NameInput(lvClients, QStringLiteral("Clients"));

    lblID = controls::HiddenLabel(page, QStringLiteral("lblID"));

    // Left column: type, name, service address, telephone, contact (boxes 0 to 7).
    QLabel *typeLabel = controls::Label(page, QStringLiteral(" Client Type"),
                                        Twips::Rect(90, Top, 2250, controls::RowHeight));
    cboBoxEdit = layout::ClientTypeBox(page, QStringLiteral("cboBoxEdit"), Twips::Rect(2370, Top, 2550, 330),
                                       typeLabel);
    // Right column: billing address, day, fee (boxes 8 to 14), then the notes.
    const auto &fields = layout::ClientFields();
    for (int i = 0; i < ClientFieldCount; ++i) {
        const auto &field = fields[std::size_t(i)];
        const bool left = i < 8;
        const int y = left ? Top + (i + 1) * Step : Top + (i - 8) * Step;
        const int labelLeft = left ? 90 : 5940;
        const int boxLeft = left ? 2370 : 8670;
        const QString caption = i == FeeIndex ? QStringLiteral("Fee Amount") : field.caption;
        QLabel *label = controls::Label(page, QLatin1Char(' ') + caption,
                                        Twips::Rect(labelLeft, y, left ? 2250 : 2700, controls::RowHeight));
        txtEdit[std::size_t(i)] =
            controls::TextBox(page, controls::ElementName(QStringLiteral("txtEdit"), i),
                              Twips::Rect(boxLeft, y, layout::ClientBoxWidth(field.maxLength, 3450, 2550),
                                          controls::RowHeight + 15),
                              field.maxLength, field.alignment);
        layout::NameClientBox(label, txtEdit[std::size_t(i)], i);
    }
    const int notesTop = Top + 7 * Step;
    QLabel *notesLabel = controls::Label(page, QStringLiteral("Notes"),
                                         Twips::Rect(5940, notesTop, 2700, controls::RowHeight));
    rtBoxEdit =
        controls::RichTextBox(page, QStringLiteral("rtBoxEdit"), Twips::Rect(8670, notesTop, 3450, 750));
    controls::NameAfterLabel(notesLabel, rtBoxEdit);

    const int groupsTop = 6360;
    const int groupsHeight = 2460;
    controls::OptionGroup(page, QStringLiteral("fraScheduleEdit"), QStringLiteral("optScheduleEdit"),
                          QStringLiteral("[ Service Schedule ]"), {},
                          Twips::Rect(90, groupsTop, 2250, groupsHeight), layout::ScheduleCaptions(), {},
                          optScheduleEdit);
    controls::OptionGroup(page, QStringLiteral("fraServiceEdit"), QStringLiteral("optServiceEdit"),
                          QStringLiteral("[ Service Type ]"), {},
                          Twips::Rect(2430, groupsTop, 2040, groupsHeight), layout::ServiceCaptions(),
                          {QStringLiteral(" Entire Home"), QStringLiteral(" Entire office"),
                           QStringLiteral(" Windows Only"), QStringLiteral(" Floors Only")},
                          optServiceEdit);
    controls::OptionGroup(page, QStringLiteral("fraFeeEdit"), QStringLiteral("optFeeEdit"),
                          QStringLiteral("[ Fee Type ]"), {}, Twips::Rect(4560, groupsTop, 1650, 1470),
                          layout::FeeCaptions(), {}, optFeeEdit);
    controls::OptionGroup(page, QStringLiteral("fraBillingEdit"), QStringLiteral("optBillingEdit"),
                          QStringLiteral("[ Billing Schedule ]"), {},
                          Twips::Rect(6300, groupsTop, 2250, 1470), layout::BillingCaptions(), {},
                          optBillingEdit);
    controls::OptionGroup(page, QStringLiteral("fraPetsEdit"), QStringLiteral("optPetsEdit"),
                          QStringLiteral("[ Pets ]"), {}, Twips::Rect(4560, groupsTop + 1590, 3990, 810),
                          layout::PetsCaptions(), {}, optPetsEdit, true);

    cmdSaveEdit = controls::Button(page, QStringLiteral("cmdSaveEdit"), QStringLiteral("&Update Record"),
                                   Twips::Rect(9180, 6450, 2940, 480));
    cmdClearEdit = controls::Button(page, QStringLiteral("cmdClearEdit"), QStringLiteral("&Clear All Fields"),
                                    Twips::Rect(9180, 7080, 2940, 480));
    cmdDelete = controls::Button(page, QStringLiteral("cmdDelete"), QStringLiteral("&Delete Client"),
                                 Twips::Rect(9180, 7710, 2940, 480));
    return page;
}

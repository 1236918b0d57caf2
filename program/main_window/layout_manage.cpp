// Tab 1, "Manage Clients": the client list across the top, the chosen client's fields in
// two columns below it, the option groups along the bottom.
#include "ClientForm.h"
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

// Left column: type, name, service address, telephone, contact (boxes 0 to 7). Right column:
// billing address, day, fee (boxes 8 to 14), then the notes; the option groups along the
// bottom.
ClientForm::Layout ManageFormLayout() {
    const auto left = [](int i) { return i < 8; };
    const auto row = [left](int i) { return left(i) ? Top + (i + 1) * Step : Top + (i - 8) * Step; };
    constexpr int groupsTop = 6360;
    constexpr int groupsHeight = 2460;
    return {
        .typeBoxName = QStringLiteral("cboBoxEdit"),
        .typeLabel = QRect(90, Top, 2250, controls::RowHeight),
        .typeBox = QRect(2370, Top, 2550, 330),
        .boxArray = QStringLiteral("txtEdit"),
        .boxLabel =
            [left, row](int i) {
                return QRect(left(i) ? 90 : 5940, row(i), left(i) ? 2250 : 2700, controls::RowHeight);
            },
        .box =
            [left, row](int i) {
                const int width =
                    layout::ClientBoxWidth(layout::ClientFields()[std::size_t(i)].maxLength, 3450, 2550);
                return QRect(left(i) ? 2370 : 8670, row(i), width, controls::RowHeight + 15);
            },
        .caption =
            [](int i) {
                return i == ClientRecord::FeeBox ? QStringLiteral("Fee Amount")
                                                 : layout::ClientFields()[std::size_t(i)].caption;
            },
        .boxTips = false,
        .notesName = QStringLiteral("rtBoxEdit"),
        .notesLabel = QRect(5940, Top + 7 * Step, 2700, controls::RowHeight),
        .notes = QRect(8670, Top + 7 * Step, 3450, 750),
        .notesTip = {},
        .groupSuffix = QStringLiteral("Edit"),
        .groups = {{
            {QRect(90, groupsTop, 2250, groupsHeight), {}, {}},
            {QRect(2430, groupsTop, 2040, groupsHeight),
             {},
             {QStringLiteral(" Entire Home"), QStringLiteral(" Entire office"),
              QStringLiteral(" Windows Only"), QStringLiteral(" Floors Only")}},
            {QRect(4560, groupsTop, 1650, 1470), {}, {}},
            {QRect(6300, groupsTop, 2250, 1470), {}, {}},
            {QRect(4560, groupsTop + 1590, 3990, 810), {}, {}},
        }},
    };
}

} // namespace

QWidget *frmOrdwen::BuildManageTab() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tabManageClients"));

    lvClients = new ListView(page);
    lvClients->setObjectName(QStringLiteral("lvClients"));
    lvClients->setGeometry(Twips::Rect(90, 90, 12090, 2550));
    controls::NameInput(lvClients, QStringLiteral("Clients"));

    lblID = controls::HiddenLabel(page, QStringLiteral("lblID"));

    m_editForm = new ClientForm(ManageFormLayout(), page);
    m_editForm->setObjectName(QStringLiteral("clientFormEdit"));
    BindClientForm(m_editForm, cboBoxEdit, txtEdit, rtBoxEdit, optScheduleEdit, optServiceEdit, optFeeEdit,
                   optBillingEdit, optPetsEdit);

    cmdSaveEdit = controls::Button(page, QStringLiteral("cmdSaveEdit"), QStringLiteral("&Update Record"),
                                   Twips::Rect(9180, 6450, 2940, 480));
    cmdClearEdit = controls::Button(page, QStringLiteral("cmdClearEdit"), QStringLiteral("&Clear All Fields"),
                                    Twips::Rect(9180, 7080, 2940, 480));
    cmdDelete = controls::Button(page, QStringLiteral("cmdDelete"), QStringLiteral("&Delete Client"),
                                 Twips::Rect(9180, 7710, 2940, 480));
    return page;
}

// Tab 1, "Manage Clients": the client list across the top, the chosen client's fields in
// two columns below it, the option groups along the bottom; updating and deleting the
// chosen client.
#include "ManageClientsTab.h"
#include "ClientForm.h"
#include "ClientRules.h"
#include "client_columns.h"
#include "frmOrdwen.h"
#include "layout_helpers.h"

#include "controls/Builders.h"
#include "controls/EnterMovesOn.h"
#include "controls/ListView.h"
#include "controls/ListViewSort.h"
#include "controls/Messages.h"
#include "controls/Twips.h"
#include "controls/WaitPointer.h"
#include "startup/modGlobal.h"

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

ManageClientsTab::ManageClientsTab(frmOrdwen &main) : m_main(main) {
    setObjectName(QStringLiteral("tabManageClients"));

    lvClients = new ListView(this);
    lvClients->setObjectName(QStringLiteral("lvClients"));
    lvClients->setGeometry(Twips::Rect(90, 90, 12090, 2550));
    controls::NameInput(lvClients, QStringLiteral("Clients"));

    lblID = controls::HiddenLabel(this, QStringLiteral("lblID"));

    m_form = new ClientForm(ManageFormLayout(), this);
    m_form->setObjectName(QStringLiteral("clientFormEdit"));

    cmdSaveEdit = controls::Button(this, QStringLiteral("cmdSaveEdit"), QStringLiteral("&Update Record"),
                                   Twips::Rect(9180, 6450, 2940, 480));
    cmdClearEdit = controls::Button(this, QStringLiteral("cmdClearEdit"), QStringLiteral("&Clear All Fields"),
                                    Twips::Rect(9180, 7080, 2940, 480));
    cmdDelete = controls::Button(this, QStringLiteral("cmdDelete"), QStringLiteral("&Delete Client"),
                                 Twips::Rect(9180, 7710, 2940, 480));

    connect(lvClients, &ListView::Click, this, &ManageClientsTab::lvClients_Click);
    connect(lvClients, &ListView::KeyPress, this, &ManageClientsTab::lvClients_KeyPress);
    connect(cmdSaveEdit, &QPushButton::clicked, this, &ManageClientsTab::cmdSaveEdit_Click);
    connect(cmdClearEdit, &QPushButton::clicked, this, &ManageClientsTab::cmdClearEdit_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &ManageClientsTab::cmdDelete_Click);
    auto *enter = new controls::EnterMovesOn(this);
    enter->Handle(m_form->boxes(), [this](int index, int &KeyAscii) { txtEdit_KeyPress(index, KeyAscii); });
}

void ManageClientsTab::lvClients_Click() {
    controls::WaitPointer wait;
    const int row = lvClients->SelectedRow();
    if (row < 0)
        return;
    modGlobal::itmShared = {lvClients, lvClients->Key(row)};
    lblID->setText(lvClients->Key(row));
    m_form->show(client::RecordOfRow(*lvClients, row));
}

void ManageClientsTab::lvClients_KeyPress(QChar) {
    lvClients_Click();
}

void ManageClientsTab::lvClients_ColumnClick(int column) {
    ListViewSort::ColumnClick(lvClients, column);
}

bool ManageClientsTab::ValidateEditClient() {
    return !messages::ShowRefusal(window(), rules::CheckEditClient(m_form->values()),
                                  [this](int field) { return m_form->field(field); });
}

void ManageClientsTab::cmdSaveEdit_Click() {
    if (lblID->text().isEmpty()) {
        messages::ChooseFirst(window(), QStringLiteral("Select a Client record to update! "));
        return;
    }
    modGlobal::TrimTextBoxes(*window());
    if (!ValidateEditClient())
        return;
    controls::WaitPointer wait;
    const ClientRecord client = m_form->values();
    QStringList values = rules::ClientValues(client, lblID->text());
    const float fee = rules::ClientFee(client);
    const bool updated = modGlobal::objHouse && modGlobal::objHouse->UpdateClient(values, fee);
    // On failure the stored client is unchanged: the changes typed stay, with the client
    // still chosen, for another try.
    messages::RunOutcome(window(), updated,
                         {
                             .clear = [this] { cmdClearEdit_Click(); },
                             .refill = [this] { m_main.RefillClientLists(); },
                             .question = QStringLiteral("New Client Record Updated! ") +
                                         messages::LineBreaks +
                                         QStringLiteral("Do you want to update another Client record? "),
                             .title = QStringLiteral("Record Saved Successfully"),
                             .onYes = [this] { lvClients->setFocus(); },
                             .onNo = [this] { m_main.ShowFirstTab(); },
                             .failure = QStringLiteral("Client Record was NOT Updated! "),
                             .onFailure = {},
                         });
}

void ManageClientsTab::cmdClearEdit_Click() {
    m_form->clear();
    lblID->clear();
    lblID->hide();
    // No client is chosen now, and the list says so too.
    lvClients->clearSelection();
    lvClients->setFocus();
}

void ManageClientsTab::cmdDelete_Click() {
    if (lblID->text().isEmpty()) {
        messages::ChooseFirst(window(), QStringLiteral("Select a Client record to delete! "));
        return;
    }
    // The library asks the user to confirm and removes the row only on Yes.
    const bool deleted = modGlobal::objHouse && modGlobal::objHouse->DeleteClient(lblID->text());
    messages::RunOutcome(window(), deleted,
                         {
                             .clear = [this] { cmdClearEdit_Click(); },
                             .refill = [this] { m_main.RefillClientLists(); },
                             .question = QStringLiteral("Client Record Deleted! ") + messages::LineBreaks +
                                         QStringLiteral("Do you want to delete another Client record? "),
                             .title = QStringLiteral("Record Removed Successfully"),
                             .onYes = {},
                             .onNo = [this] { m_main.ShowFirstTab(); },
                             .failure = QStringLiteral("Client Record was NOT Deleted! "),
                             .failureIcon = QMessageBox::Warning,
                             .onFailure = [this] { cmdClearEdit_Click(); },
                         });
}

void ManageClientsTab::txtEdit_KeyPress(int index, int &KeyAscii) {
    controls::FocusNextOnEnter(std::span(m_form->boxes()).first(ClientRecord::DayBox + 1), index, KeyAscii,
                               nullptr);
}

// Tab 0, "Add Clients": labels on the left, the entry boxes beside them, the option groups
// and the two decorative pictures on the right; saving a new client.
#include "AddClientsTab.h"
#include "ClientForm.h"
#include "ClientRules.h"
#include "frmOrdwen.h"
#include "layout_helpers.h"

#include "controls/Builders.h"
#include "controls/EnterMovesOn.h"
#include "controls/Messages.h"
#include "controls/Twips.h"
#include "controls/WaitPointer.h"

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

ClientForm::Layout AddFormLayout() {
    const QString notesTip = QStringLiteral(" Add description to Notes ");
    const QString feeTip = QStringLiteral(" Select how the service is to be charged ");
    const auto row = [](int i) { return Top + (i + 1) * Step; };
    return {
        .typeBoxName = controls::ElementName(QStringLiteral("cboBoxAdd"), 0),
        .typeLabel = QRect(LabelLeft, Top, LabelWidth, controls::RowHeight),
        .typeBox = QRect(BoxLeft, Top, 2850, 330),
        .boxArray = QStringLiteral("txtAdd"),
        .boxLabel = [row](int i) { return QRect(LabelLeft, row(i), LabelWidth, controls::RowHeight); },
        .box =
            [row](int i) {
                const int width =
                    layout::ClientBoxWidth(layout::ClientFields()[std::size_t(i)].maxLength, 3900, 2850);
                return QRect(BoxLeft, row(i), width, controls::RowHeight + 15);
            },
        .caption = [](int i) { return layout::ClientFields()[std::size_t(i)].caption; },
        .boxTips = true,
        .notesName = QStringLiteral("rtBoxAdd"),
        .notesLabel = QRect(LabelLeft, row(ClientRecord::BoxCount), LabelWidth, controls::RowHeight),
        .notes = QRect(BoxLeft, row(ClientRecord::BoxCount), 3900, 1500),
        .notesTip = QStringLiteral(" 250 characters max! "),
        .groupSuffix = {},
        .groups = {{
            {QRect(7200, 150, 2370, 2460),
             QStringLiteral(" Select the service frequency from the options listed "),
             {QStringLiteral(" Service daily "), QStringLiteral(" Service Weekly"),
              QStringLiteral(" Service Bi-Weekly"), QStringLiteral(" Service Monthly"),
              QStringLiteral(" Service Bi-Monthly"), notesTip}},
            {QRect(9720, 150, 2370, 2460),
             QStringLiteral(" Select the type of service performed from the options listed "),
             {QStringLiteral(" Entire Home "), QStringLiteral(" Entire Office "),
              QStringLiteral(" Windows Only "), QStringLiteral(" Floors Only "), notesTip, notesTip}},
            {QRect(7200, 2760, 2370, 1470), feeTip, {feeTip, feeTip, notesTip}},
            {QRect(9720, 2760, 2370, 1470),
             QStringLiteral(" Select how this client is to be billed "),
             {QStringLiteral(" Billed weekly "), QStringLiteral(" Billed monthly "), notesTip}},
            {QRect(7200, 4380, 4890, 810),
             QStringLiteral(" Select Yes if the client has pets in the home or office "),
             {QStringLiteral(" Client has pets "), QStringLiteral(" Client does not have pets ")}},
        }},
    };
}

} // namespace

AddClientsTab::AddClientsTab(frmOrdwen &main) : m_main(main) {
    setObjectName(QStringLiteral("tabAddClients"));

    m_form = new ClientForm(AddFormLayout(), this);
    m_form->setObjectName(QStringLiteral("clientFormAdd"));

    imgBox_1 = picture(this, QStringLiteral("imgBox_1"), Twips::Rect(7200, 5370, 2370, 2250),
                       QStringLiteral("images/box_1.png"));
    imgBox_2 = picture(this, QStringLiteral("imgBox_2"), Twips::Rect(9720, 5370, 2370, 2250),
                       QStringLiteral("images/box_2.png"));

    cmdSaveAdd = controls::Button(this, QStringLiteral("cmdSaveAdd"), QStringLiteral("&Save"),
                                  Twips::Rect(7200, 7830, 2370, 480));
    cmdClearAdd = controls::Button(this, QStringLiteral("cmdClearAdd"), QStringLiteral("&Clear All Fields"),
                                   Twips::Rect(9720, 7830, 2370, 480));

    connect(cmdSaveAdd, &QPushButton::clicked, this, &AddClientsTab::cmdSaveAdd_Click);
    connect(cmdClearAdd, &QPushButton::clicked, this, &AddClientsTab::cmdClearAdd_Click);
    auto *enter = new controls::EnterMovesOn(this);
    enter->Handle(m_form->boxes(), [this](int index, int &KeyAscii) { txtAdd_KeyPress(index, KeyAscii); });
}

bool AddClientsTab::ValidateNewClient() {
    return !messages::ShowRefusal(window(), rules::CheckNewClient(m_form->values()),
                                  [this](int field) { return m_form->field(field); });
}

void AddClientsTab::cmdSaveAdd_Click() {
    modGlobal::TrimTextBoxes(*window());
    if (!ValidateNewClient())
        return;
    controls::WaitPointer wait;
    messages::SaveOutcome outcome{
        .clear = [this] { cmdClearAdd_Click(); },
        .refill = [this] { m_main.RefillClientLists(); },
        .question = QStringLiteral("New Client Record Saved! ") + messages::LineBreaks +
                    QStringLiteral("Do you want to add another Client record? "),
        .title = QStringLiteral("Record Saved Successfully"),
        .onYes = {},
        .onNo = [this] { m_main.ShowFirstTab(); },
        .failure = QStringLiteral("Client Record was NOT Saved! "),
        .onFailure = {},
    };
    // Without a readable number there is no identifier to store: nothing is saved, and
    // what was typed stays for another try.
    const QString clientID = m_main.NewClientID();
    bool saved = false;
    if (!clientID.isEmpty()) {
        const ClientRecord client = m_form->values();
        QStringList values = rules::ClientValues(client, clientID);
        const float fee = rules::ClientFee(client);
        saved = modGlobal::objHouse && modGlobal::objHouse->AddClient(values, fee);
    }
    messages::RunOutcome(window(), saved, outcome);
}

void AddClientsTab::cmdClearAdd_Click() {
    m_form->clear();
    m_form->typeBox()->setFocus();
}

void AddClientsTab::txtAdd_KeyPress(int index, int &KeyAscii) {
    // Enter moves on from the name to the billing postal code; in the day and the fee
    // boxes it is left to the box.
    controls::FocusNextOnEnter(std::span(m_form->boxes()).first(ClientRecord::DayBox + 1), index, KeyAscii,
                               nullptr);
}

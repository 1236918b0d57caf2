#include "owner_profile/OwnerProfileForm.h"

#include "controls/Builders.h"
#include "controls/EnterMovesOn.h"
#include "controls/Messages.h"
#include "controls/Twips.h"
#include "startup/modGlobal.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace {

// Window client area: 5550 twips wide (15 twips to a pixel).
constexpr int ClientWidth = 5550;
constexpr int TitleTop = 120;
constexpr int FirstRowTop = 630;
constexpr int RowHeight = 360;
constexpr int LabelLeft = 180;
constexpr int LabelWidth = 1680;
constexpr int BoxLeft = 1920;
constexpr int BoxHeight = 315;
constexpr int ButtonWidth = 1500;
constexpr int ButtonHeight = 420;

const char *const FieldCaptions[OwnerProfileForm::FieldCount] = {
    "Last Name",  "First Name",  "Business Name", "Address",      "City",
    "State/Prov", "Postal Code", "Telephone",     "Email Address"};

// Box widths: State/Prov narrow, Postal Code and Telephone medium, the others wide.
constexpr int BoxWidths[OwnerProfileForm::FieldCount] = {3450, 3450, 3450, 3450, 3450, 600, 1650, 1950, 3450};

void setHighlighted(QLabel *label, bool on) {
    QFont font = label->font();
    font.setBold(on);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, on ? QColor(0, 0, 255) : QColor(0, 0, 0));
    label->setPalette(palette);
}

} // namespace

OwnerProfileForm::OwnerProfileForm(QWidget *parent, const QString &title, const int (&maxLengths)[FieldCount],
                                   int clientHeight)
    : QDialog(parent) {
    setFont(QFont(QStringLiteral("Verdana"), 8));
    setFixedSize(Twips::ToPixels(ClientWidth), Twips::ToPixels(clientHeight));

    lblTitle = new QLabel(title, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont(QStringLiteral("Verdana"), 12);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setGeometry(Twips::Rect(0, TitleTop, ClientWidth, 390));

    for (int i = 0; i < FieldCount; ++i) {
        const int top = FirstRowTop + i * RowHeight;
        lblData[i] = controls::Label(this, QString::fromLatin1(FieldCaptions[i]),
                                     Twips::Rect(LabelLeft, top, LabelWidth, BoxHeight));
        lblData[i]->setObjectName(QStringLiteral("lblData_%1").arg(i));
        lblData[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setHighlighted(lblData[i], false);

        // A QLineEdit has a limit of its own (32767); 0 stands for "no limit of the window's".
        txtBox[i] = controls::TextBox(this, QStringLiteral("txtBox_%1").arg(i),
                                      Twips::Rect(BoxLeft, top, BoxWidths[i], BoxHeight), maxLengths[i]);
        controls::NameAfterLabel(lblData[i], txtBox[i]);
        txtBox[i]->installEventFilter(this);
    }
    auto *enter = new controls::EnterMovesOn(this);
    enter->Handle(txtBox, [this](int index, int &KeyAscii) { txtBox_KeyPress(index, KeyAscii); });

    const int buttonTop = FirstRowTop + FieldCount * RowHeight + 90;
    cmdSave = controls::Button(this, QStringLiteral("cmdSave"), tr("&Save"),
                               Twips::Rect(LabelLeft, buttonTop, ButtonWidth, ButtonHeight));
    cmdSave->setStyleSheet(controls::ColouredButtonStyle(QColor(128, 255, 128)));
    cmdExit = controls::Button(
        this, QStringLiteral("cmdExit"), tr("e&Xit"),
        Twips::Rect(ClientWidth - LabelLeft - ButtonWidth, buttonTop, ButtonWidth, ButtonHeight));
    cmdExit->setStyleSheet(controls::ColouredButtonStyle(QColor(255, 224, 192)));
    // Enter on a focused button presses it, as in every dialog.
    cmdSave->setAutoDefault(true);
    cmdExit->setAutoDefault(true);

    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });

    // Tab follows the fields, then Save, then eXit (the first-use window moves Telephone).
    for (int i = 0; i + 1 < FieldCount; ++i)
        setTabOrder(txtBox[i], txtBox[i + 1]);
    setTabOrder(txtBox[FieldCount - 1], cmdSave);
    setTabOrder(cmdSave, cmdExit);
    txtBox[0]->setFocus();
}

int OwnerProfileForm::fieldIndex(const QObject *object) const {
    for (int i = 0; i < FieldCount; ++i) {
        if (txtBox[i] == object)
            return i;
    }
    return -1;
}

bool OwnerProfileForm::eventFilter(QObject *watched, QEvent *event) {
    const int index = fieldIndex(watched);
    if (index < 0)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn: {
        txtBox_GotFocus(index);
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::ShortcutFocusReason) {
            // A line edit entered from the keyboard (or focused as its window opens) selects
            // all its text, and the next key typed would wipe out the value. Entering a field
            // changes only its label: the box takes the focus with its text and caret as they were.
            QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
            QCoreApplication::sendEvent(watched, &plain);
            return true;
        }
        break;
    }
    case QEvent::FocusOut:
        txtBox_LostFocus(index);
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void OwnerProfileForm::txtBox_GotFocus(int index) {
    setHighlighted(lblData[index], true);
}

void OwnerProfileForm::txtBox_LostFocus(int index) {
    setHighlighted(lblData[index], false);
}

void OwnerProfileForm::txtBox_KeyPress(int index, int &KeyAscii) {
    // Used up in every field, so Enter never reaches the window's default button.
    controls::FocusNextOnEnter(txtBox, index, KeyAscii, cmdSave);
}

ProfileRecord OwnerProfileForm::Profile() const {
    ProfileRecord profile;
    for (int i = 0; i < FieldCount; ++i)
        profile.fields[std::size_t(i)] = txtBox[i]->text();
    return profile;
}

bool OwnerProfileForm::ValidateProfile() {
    return !messages::ShowRefusal(this, rules::CheckProfile(Profile()), [this](int field) -> QWidget * {
        return field >= 0 && field < FieldCount ? txtBox[field] : nullptr;
    });
}

std::optional<ProfileRecord> OwnerProfileForm::PrepareProfile() {
    modGlobal::TrimTextBoxes(*this);
    if (!ValidateProfile())
        return std::nullopt;
    return Profile();
}

bool OwnerProfileForm::ReportSave(const ProfileRecord &profile, bool ok) {
    // The names as typed, not as the library escaped them in the array.
    modGlobal::strOwnerName = rules::OwnerName(profile);
    modGlobal::strCompany = profile.fields[ProfileRecord::BusinessName];
    if (ok) {
        messages::ShowMessage(this, QStringLiteral("Profile Information Saved! "), QMessageBox::Warning,
                              QMessageBox::Ok, QMessageBox::NoButton,
                              QStringLiteral("Record Saved Successfully"));
    } else {
        messages::ShowMessage(this, QStringLiteral("Profile Record was NOT Saved! "), QMessageBox::Critical);
    }
    return ok;
}

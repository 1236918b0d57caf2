#include "address_book/frmAddressBook.h"

#include "controls/AppInfo.h"
#include "controls/Builders.h"
#include "controls/EnterMovesOn.h"
#include "controls/ListView.h"
#include "controls/Twips.h"
#include "controls/WaitPointer.h"
#include "startup/modGlobal.h"
#include "tools/Find.h"

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

namespace {

// Client area of the window, in twips.
constexpr int ClientWidth = 9630;
constexpr int ClientHeight = 7935;

// Rows of label and box, in twips, the same in both panels.
constexpr int RowStep = 345;
constexpr int RowHeight = 285;
constexpr int LabelWidth = 1800;
constexpr int ButtonHeight = 450;

// Left panel.
constexpr int EntryLeft = 120;
constexpr int EntryWidth = 3840;
constexpr int EntryFirstRow = 555;

// Right panel: the frame, and inside it the list and the rows.
constexpr int FrameLeft = 4080;
constexpr int FrameTop = 60;
constexpr int FrameWidth = 5430;
constexpr int FrameHeight = 7755;
constexpr int InnerLeft = 120;
constexpr int EditFirstRow = 3120;

struct ContactField {
    const char *caption;     // the new-entry label, leading blank and all
    const char *editCaption; // the update label
    int maxLength;
};

constexpr ContactField Fields[frmAddressBook::FieldCount] = {
    {" First Name", " First Name", 20},
    {" Last Name", " Last Name", 25},
    {" Address", " Address", 35},
    {" City", " City", 35},
    {" State / Province", " State / Province", 3},
    {" Postal (ZIP) Code", " Postal (ZIP) Code", 10},
    {" Home Phone", " Home Phone", 20},
    {" Work Phone", " Work Phone", 20},
    {" Cell Phone", " Cell Phone", 20},
    {" Email", " Email Address", 45},
};

// A box as wide as its values need: three wide letters for a state, a postal code, else
// the rest of the row.
int boxWidth(int maxLength, int rowWidth) {
    if (maxLength <= 3)
        return 600;
    if (maxLength <= 10)
        return 1440;
    return rowWidth;
}

QPushButton *colouredButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry,
                            const QColor &colour) {
    QPushButton *button = controls::Button(parent, QString::fromLatin1(name), caption, geometry);
    button->setStyleSheet(controls::ColouredButtonStyle(colour));
    // Enter on the focused button presses it: the field moves end on Save and Update.
    button->setAutoDefault(true);
    return button;
}

// A field label on the tool-tip background, as every label of this window.
QLabel *fieldLabel(QWidget *parent, const char *caption, const QRect &geometry) {
    QLabel *label = controls::Label(parent, QString::fromLatin1(caption), geometry);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::ToolTipBase));
    palette.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::ToolTipText));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

const QColor Green(128, 255, 128);
const QColor Red(255, 128, 128);
const QColor PaleYellow(255, 255, 192);
const QColor PaleOrange(255, 224, 192);

} // namespace

frmAddressBook::frmAddressBook(QWidget *parent) : QWidget(parent, Qt::Window) {
    controls::FixedToolWindow(this, QStringLiteral("frmAddressBook"), ClientWidth, ClientHeight);
    setWindowTitle(QString::fromLatin1(controls::AppTitle));

    BuildEntryPanel();
    BuildUpdatePanel();
    SetupList();

    // Tab follows each panel's fields to its buttons, left panel first.
    QWidget *previous = nullptr;
    auto chain = [&previous, this](QWidget *next) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    };
    for (QLineEdit *box : txtBox)
        chain(box);
    for (QWidget *button : {cmdSave, cmdClear, cmdExit})
        chain(button);
    chain(lvNames);
    for (QLineEdit *box : txtEdit)
        chain(box);
    for (QWidget *button : {cmdUpdate, cmdDelete, cmdCancel})
        chain(button);

    auto *enter = new controls::EnterMovesOn(this);
    enter->Handle(txtBox, [this](int index, int &KeyAscii) { txtBox_KeyPress(index, KeyAscii); });
    enter->Handle(txtEdit, [this](int index, int &KeyAscii) { txtEdit_KeyPress(index, KeyAscii); });
    // Ctrl+F finds a contact in the list, choosing it as a click would.
    auto *find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    find->setObjectName(QStringLiteral("findShortcut"));
    connect(find, &QShortcut::activated, this, [this] {
        tools::OpenFind(this, [this] { return tools::FindScope{lvNames, [this] { lvNames_Click(); }}; });
    });
    connect(cmdSave, &QPushButton::clicked, this, &frmAddressBook::cmdSave_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmAddressBook::cmdClear_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmAddressBook::cmdExit_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &frmAddressBook::cmdUpdate_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmAddressBook::cmdDelete_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAddressBook::cmdCancel_Click);
    txtBox[0]->setFocus();
}

frmAddressBook::~frmAddressBook() {
    ForgetSharedRow();
}

void frmAddressBook::BuildEntryPanel() {
    lblEntryTitle = controls::Label(this, QStringLiteral(" Address List Entry"),
                                    Twips::Rect(EntryLeft, 120, EntryWidth, 315));
    lblEntryTitle->setObjectName(QStringLiteral("lblEntryTitle"));
    QFont titleFont = lblEntryTitle->font();
    titleFont.setBold(true);
    lblEntryTitle->setFont(titleFont);

    const int boxLeft = EntryLeft + LabelWidth + 60;
    const int rowWidth = EntryLeft + EntryWidth - boxLeft;
    for (int i = 0; i < FieldCount; ++i) {
        const ContactField &field = Fields[i];
        const int top = EntryFirstRow + i * RowStep;
        lblBox[std::size_t(i)] =
            fieldLabel(this, field.caption, Twips::Rect(EntryLeft, top, LabelWidth, RowHeight));
        txtBox[std::size_t(i)] = controls::TextBox(
            this, controls::ElementName(QStringLiteral("txtBox"), i),
            Twips::Rect(boxLeft, top, boxWidth(field.maxLength, rowWidth), RowHeight), field.maxLength);
        // Both panels have the same fields: the name says which panel a box is in.
        controls::NameAfterLabel(lblBox[std::size_t(i)], txtBox[std::size_t(i)], QStringLiteral("(new)"));
    }

    const int pictureTop = EntryFirstRow + FieldCount * RowStep + 60;
    imgBox = new QLabel(this);
    imgBox->setObjectName(QStringLiteral("imgBox"));
    imgBox->setGeometry(Twips::Rect(EntryLeft, pictureTop, EntryWidth, 2880));
    imgBox->setAlignment(Qt::AlignCenter);

    const int buttonTop = 7290;
    cmdSave = colouredButton(this, "cmdSave", QStringLiteral("&Save"),
                             Twips::Rect(EntryLeft, buttonTop, 1020, ButtonHeight), Green);
    cmdClear = colouredButton(this, "cmdClear", QStringLiteral("Clear"),
                              Twips::Rect(EntryLeft + 1140, buttonTop, 900, ButtonHeight), PaleYellow);
    cmdExit =
        colouredButton(this, "cmdExit", QStringLiteral("&Close This Page"),
                       Twips::Rect(EntryLeft + EntryWidth - 1680, buttonTop, 1680, ButtonHeight), PaleOrange);
}

void frmAddressBook::BuildUpdatePanel() {
    fraUpdate = new QGroupBox(QStringLiteral("[ Update Address Book ]"), this);
    fraUpdate->setObjectName(QStringLiteral("fraUpdate"));
    fraUpdate->setGeometry(Twips::Rect(FrameLeft, FrameTop, FrameWidth, FrameHeight));

    lvNames = new ListView(fraUpdate);
    lvNames->setObjectName(QStringLiteral("lvNames"));
    lvNames->setGeometry(Twips::Rect(InnerLeft, 300, FrameWidth - 2 * InnerLeft, 2700));
    controls::NameInput(lvNames, QStringLiteral("Names"));

    const int boxLeft = InnerLeft + LabelWidth + 60;
    const int rowWidth = FrameWidth - InnerLeft - boxLeft;
    for (int i = 0; i < FieldCount; ++i) {
        const ContactField &field = Fields[i];
        const int top = EditFirstRow + i * RowStep;
        lblEdit[std::size_t(i)] =
            fieldLabel(fraUpdate, field.editCaption, Twips::Rect(InnerLeft, top, LabelWidth, RowHeight));
        txtEdit[std::size_t(i)] = controls::TextBox(
            fraUpdate, controls::ElementName(QStringLiteral("txtEdit"), i),
            Twips::Rect(boxLeft, top, boxWidth(field.maxLength, rowWidth), RowHeight), field.maxLength);
        controls::NameAfterLabel(lblEdit[std::size_t(i)], txtEdit[std::size_t(i)],
                                 QStringLiteral("(update)"));
    }

    const int buttonTop = 6900;
    cmdUpdate = colouredButton(fraUpdate, "cmdUpdate", QStringLiteral("&Update"),
                               Twips::Rect(InnerLeft, buttonTop, 1200, ButtonHeight), Green);
    cmdDelete = colouredButton(fraUpdate, "cmdDelete", QStringLiteral("&Delete"),
                               Twips::Rect(InnerLeft + 1320, buttonTop, 1200, ButtonHeight), Red);
    cmdCancel = colouredButton(fraUpdate, "cmdCancel", QStringLiteral("Cancel"),
                               Twips::Rect(InnerLeft + 2640, buttonTop, 1200, ButtonHeight), PaleYellow);

    lblID = controls::HiddenLabel(fraUpdate, QStringLiteral("lblID"));
}

void frmAddressBook::Form_Load() {
    const controls::WaitPointer wait;
    // A missing icon or picture leaves the window without it; nothing else depends on them.
    const QIcon icon(modGlobal::AppPath(QStringLiteral("images/autorun.ico")));
    if (!icon.availableSizes().isEmpty())
        setWindowIcon(icon);
    const QPixmap picture(modGlobal::AppPath(QStringLiteral("images/qd06_.jpg")));
    if (!picture.isNull())
        imgBox->setPixmap(picture.scaled(imgBox->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

    setWindowTitle(QString::fromLatin1(controls::AppTitle) + QStringLiteral(" - ") + controls::AppVersion());
    lblID->clear();
    lblID->hide();
    modGlobal::NewHouse();
    LoadAddressList();
}

void frmAddressBook::txtBox_KeyPress(int index, int &KeyAscii) {
    controls::FocusNextOnEnter(txtBox, index, KeyAscii, cmdSave);
}

void frmAddressBook::txtEdit_KeyPress(int index, int &KeyAscii) {
    controls::FocusNextOnEnter(txtEdit, index, KeyAscii, cmdUpdate);
}

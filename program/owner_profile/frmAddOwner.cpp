#include "owner_profile/frmAddOwner.h"

#include "controls/AppInfo.h"
#include "controls/Twips.h"
#include "controls/WaitPointer.h"
#include "startup/modGlobal.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace {

// Business Name and Telephone take any length here.
constexpr int AddMaxLengths[OwnerProfileForm::FieldCount] = {35, 35, 0, 35, 35, 3, 10, 0, 45};
constexpr int AddClientHeight = 4860;

} // namespace

frmAddOwner::frmAddOwner(QWidget *parent)
    : OwnerProfileForm(parent, QStringLiteral("Business Profile"), AddMaxLengths, AddClientHeight) {
    setObjectName(QStringLiteral("frmAddOwner"));
    // No border and no title bar: the window is left only through its buttons.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QString::fromLatin1(controls::AppTitle));

    lblNote = new QLabel(QStringLiteral("This only needs to be done on first use"), this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setAlignment(Qt::AlignCenter);
    QPalette palette = lblNote->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lblNote->setPalette(palette);
    lblNote->setGeometry(Twips::ToPixels(0), cmdSave->geometry().bottom() + Twips::ToPixels(90), width(),
                         Twips::ToPixels(300));

    // Telephone comes last, after the buttons.
    setTabOrder(txtBox[6], txtBox[8]);
    setTabOrder(txtBox[8], cmdSave);
    setTabOrder(cmdSave, cmdExit);
    setTabOrder(cmdExit, txtBox[7]);
}

frmAddOwner::~frmAddOwner() = default;

void frmAddOwner::Form_Load() {
    modGlobal::NewHouse();
}

void frmAddOwner::cmdSave_Click() {
    const std::optional<ProfileRecord> profile = PrepareProfile();
    if (!profile)
        return;
    QStringList strText = rules::NewProfileValues(*profile);
    const bool ok = [&strText] {
        const controls::WaitPointer wait;
        return modGlobal::objHouse && modGlobal::objHouse->AddOwner(strText);
    }();
    if (ReportSave(*profile, ok)) {
        // Hidden, not unloaded: start-up goes on from where it showed the window.
        m_saved = true;
        accept();
    }
}

void frmAddOwner::cmdExit_Click() {
    close();
}

void frmAddOwner::reject() {}

void frmAddOwner::closeEvent(QCloseEvent *event) {
    event->accept();
    modGlobal::CloseAll();
    // Reached only when a test has taken over the end of the process.
    done(QDialog::Rejected);
}

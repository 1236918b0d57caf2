#include "owner_profile/frmEditOwner.h"

#include "controls/AppInfo.h"
#include "controls/Builders.h"
#include "controls/WaitPointer.h"
#include "startup/modGlobal.h"

#include <QIcon>
#include <QLineEdit>

namespace {

constexpr int EditMaxLengths[OwnerProfileForm::FieldCount] = {35, 35, 35, 35, 35, 3, 10, 25, 45};
constexpr int EditClientHeight = 4470;

// The columns of the stored profile, in field order.
const char *const ProfileColumns[OwnerProfileForm::FieldCount] = {
    "LName", "FName", "Company", "Address", "City", "State", "Zip", "Phone", "Email"};

} // namespace

frmEditOwner::frmEditOwner(QWidget *parent)
    : OwnerProfileForm(parent, QStringLiteral("Update Business Profile"), EditMaxLengths, EditClientHeight) {
    setObjectName(QStringLiteral("frmEditOwner"));
    // A fixed border with a title bar and a close box, no minimize or maximize.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

frmEditOwner::~frmEditOwner() = default;

void frmEditOwner::Form_Load() {
    const QIcon icon(modGlobal::AppPath(QStringLiteral("images/earth.ico")));
    if (!icon.isNull())
        setWindowIcon(icon);
    setWindowTitle(QString::fromLatin1(controls::AppTitle) + QStringLiteral("  -  ") +
                   controls::AppVersion());
    modGlobal::NewHouse();
    LoadProfile();
}

void frmEditOwner::LoadProfile() {
    const controls::WaitPointer wait;
    modGlobal::rsShared = modGlobal::objHouse ? modGlobal::objHouse->LoadOwner() : ordwen::RecordsetPtr();
    // A failed read says nothing about what is stored: only an empty table counts as none.
    m_profileStored = !modGlobal::rsShared || !(modGlobal::rsShared->isBOF() && modGlobal::rsShared->isEOF());
    if (auto rs = modGlobal::rsShared) {
        // With several rows the last one stays in the fields.
        for (rs->MoveFirst(); !rs->isEOF(); rs->MoveNext()) {
            for (int i = 0; i < FieldCount; ++i) {
                // The limit stops typing only: a longer stored value (the first-use window
                // takes any length of business name and telephone) is shown whole, not cut.
                controls::ShowStoredText(txtBox[i], rs->Text(QString::fromLatin1(ProfileColumns[i])));
            }
        }
    }
    modGlobal::CloseSharedRecordset();
}

void frmEditOwner::cmdSave_Click() {
    const std::optional<ProfileRecord> profile = PrepareProfile();
    if (!profile)
        return;
    const bool ok = [this, &profile] {
        const controls::WaitPointer wait;
        if (m_profileStored) {
            QStringList strText = rules::ChangedProfileValues(*profile);
            return modGlobal::objHouse && modGlobal::objHouse->UpdateOwner(strText);
        }
        // Stored as a new profile, as the first-use window stores it.
        QStringList strText = rules::NewProfileValues(*profile);
        return modGlobal::objHouse && modGlobal::objHouse->AddOwner(strText);
    }();
    if (ReportSave(*profile, ok))
        accept();
}

void frmEditOwner::cmdExit_Click() {
    close();
}

// The update window of the business profile, opened modally from the main window's menu:
// it loads the stored profile and writes the changes back.
#pragma once

#include "owner_profile/OwnerProfileForm.h"

class frmEditOwner : public OwnerProfileForm {
    Q_OBJECT
public:
    explicit frmEditOwner(QWidget *parent = nullptr);
    ~frmEditOwner() override;

    // The load step: icon, caption, a new House for the shared slot, the stored profile.
    void Form_Load();

    void cmdSave_Click() override;
    void cmdExit_Click() override;

private:
    void LoadProfile();

    // False when the load found the profile table empty (the profile was removed after
    // start-up). An update would then change no row and still succeed, so the save stores
    // the typed profile as a new one instead.
    bool m_profileStored = true;
};

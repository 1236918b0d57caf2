// The first-use business profile window. Start-up shows it modally when no profile is
// stored; a save hides it so that start-up goes on, leaving it any other way ends the program.
#pragma once

#include "owner_profile/OwnerProfileForm.h"

class frmAddOwner : public OwnerProfileForm {
    Q_OBJECT
public:
    explicit frmAddOwner(QWidget *parent = nullptr);
    ~frmAddOwner() override;

    // The load step: a new House for the shared slot; the fields start empty.
    void Form_Load();

    // True once a save succeeded (the window then only hides itself).
    bool Saved() const { return m_saved; }

    QLabel *lblNote = nullptr; // "This only needs to be done on first use"

    void cmdSave_Click() override;
    void cmdExit_Click() override;

public slots:
    // The window can be left only through its buttons: Escape does nothing.
    void reject() override;

protected:
    // Unloading the window ends the program.
    void closeEvent(QCloseEvent *event) override;

private:
    bool m_saved = false;
};

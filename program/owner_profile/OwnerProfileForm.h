// The layout and field rules that the two business-profile windows share: nine labelled
// text boxes, Save and eXit, the label highlight, Enter moving on, and the eight checks.
#pragma once

#include "owner_profile/ProfileRules.h"

#include <QDialog>
#include <QStringList>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

class OwnerProfileForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int FieldCount = ProfileRecord::FieldCount;

    // The nine fields, top to bottom: Last Name, First Name, Business Name, Address, City,
    // State/Prov, Postal Code, Telephone, Email Address.
    QLineEdit *txtBox[FieldCount] = {};
    QLabel *lblData[FieldCount] = {};
    QLabel *lblTitle = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdExit = nullptr;

protected:
    // maxLengths: the typing limit of each field, 0 for none.
    OwnerProfileForm(QWidget *parent, const QString &title, const int (&maxLengths)[FieldCount],
                     int clientHeight);

    // The profile as the fields hold it.
    ProfileRecord Profile() const;
    // The field rules in their fixed order; the first failure shows its message, puts the
    // focus into its field and gives false.
    bool ValidateProfile();
    // Trims the boxes and checks them; on success gives the profile as typed.
    std::optional<ProfileRecord> PrepareProfile();
    // After a save attempt: the program-wide owner name and business name as typed, then the
    // success or failure message. True when the profile was stored.
    bool ReportSave(const ProfileRecord &profile, bool ok);

    virtual void cmdSave_Click() = 0;
    virtual void cmdExit_Click() = 0;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void txtBox_GotFocus(int index);
    void txtBox_LostFocus(int index);
    // The Enter-key advance; KeyAscii 13 is Enter, set to 0 when the key is used up.
    void txtBox_KeyPress(int index, int &KeyAscii);
    int fieldIndex(const QObject *object) const;
};

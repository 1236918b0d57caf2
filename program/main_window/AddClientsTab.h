// Tab 0, "Add Clients": the client form, the two decorative pictures, Save and Clear.
#pragma once

#include <QWidget>

class ClientForm;
class QLabel;
class QPushButton;
class frmOrdwen;

class AddClientsTab : public QWidget {
    Q_OBJECT
public:
    explicit AddClientsTab(frmOrdwen &main);

    ClientForm *form() const { return m_form; }

    void cmdSaveAdd_Click();
    void cmdClearAdd_Click();
    // The Enter-key advance; KeyAscii 13 is Enter, set to 0 when the key is used up.
    void txtAdd_KeyPress(int index, int &KeyAscii);
    bool ValidateNewClient();

private:
    frmOrdwen &m_main;
    ClientForm *m_form = nullptr;
    QLabel *imgBox_1 = nullptr;
    QLabel *imgBox_2 = nullptr;
    QPushButton *cmdSaveAdd = nullptr;
    QPushButton *cmdClearAdd = nullptr;
};

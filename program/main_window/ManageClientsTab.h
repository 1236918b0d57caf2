// Tab 1, "Manage Clients": the client list, the chosen client in the client form, and
// Update, Clear and Delete. Which client is chosen is held by lblID alone; empty means none.
#pragma once

#include <QWidget>

class ClientForm;
class ListView;
class QLabel;
class QPushButton;
class frmOrdwen;

class ManageClientsTab : public QWidget {
    Q_OBJECT
public:
    explicit ManageClientsTab(frmOrdwen &main);

    ListView *list() const { return lvClients; }
    ClientForm *form() const { return m_form; }

    void lvClients_Click();
    void lvClients_KeyPress(QChar key);
    void lvClients_ColumnClick(int column);
    void cmdSaveEdit_Click();
    void cmdClearEdit_Click();
    void cmdDelete_Click();
    void txtEdit_KeyPress(int index, int &KeyAscii);
    bool ValidateEditClient();

private:
    frmOrdwen &m_main;
    ListView *lvClients = nullptr;
    QLabel *lblID = nullptr; // never shown: the chosen client's ClientID, empty when none
    ClientForm *m_form = nullptr;
    QPushButton *cmdSaveEdit = nullptr;
    QPushButton *cmdClearEdit = nullptr;
    QPushButton *cmdDelete = nullptr;
};

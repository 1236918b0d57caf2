// Tab 3, "Utilities": the report buttons on the left, the invoice list with its delete
// panel to their right, and the month calendar below that panel.
#pragma once

#include <QWidget>

#include <array>

class ListView;
class QCalendarWidget;
class QLabel;
class QPushButton;
class frmOrdwen;

namespace reports {
enum class ListReport;
}

class UtilitiesTab : public QWidget {
    Q_OBJECT
public:
    explicit UtilitiesTab(frmOrdwen &main);

    ListView *list() const { return lvInvoices; }
    // The identifier of the chosen invoice; empty when none is chosen.
    QString chosenInvoice() const;
    // The calendar back on today.
    void ShowToday();

    // Each list button checks that there is something to list ("No Address records were
    // found! ", "No Client records were found! "), then opens its report in a preview window
    // of its own, replacing that report's earlier preview.
    void cmdAddressList_Click();
    void cmdClientList_Click();
    void cmdClientDataSheet_Click();
    void cmdClientsByType_Click();
    void lvInvoices_Click();
    void lvInvoices_KeyPress(QChar key);
    void lvInvoices_ColumnClick(int column);
    void cmdDeleteInvoice_Click();
    void cmdClearInvoice_Click();

private:
    // The list-report procedure the four report buttons share.
    void ShowListReport(reports::ListReport report);

    frmOrdwen &m_main;
    QPushButton *cmdClientList = nullptr;
    QPushButton *cmdClientDataSheet = nullptr;
    QPushButton *cmdClientsByType = nullptr;
    QPushButton *cmdAddressList = nullptr;
    ListView *lvInvoices = nullptr;
    std::array<QLabel *, 3> lblInvoice{};
    QPushButton *cmdDeleteInvoice = nullptr;
    QPushButton *cmdClearInvoice = nullptr;
    QCalendarWidget *calBox = nullptr;
};

// The report buttons of the Utilities tab and the printing of an invoice.
#include "frmOrdwen.h"

#include "reports/Printing.h"
#include "reports/Reports.h"
#include "startup/modGlobal.h"

#include <QPushButton>

using reports::ListReport;

void frmOrdwen::ConnectReportButtons() {
    connect(cmdAddressList, &QPushButton::clicked, this, &frmOrdwen::cmdAddressList_Click);
    connect(cmdClientList, &QPushButton::clicked, this, &frmOrdwen::cmdClientList_Click);
    connect(cmdClientDataSheet, &QPushButton::clicked, this, &frmOrdwen::cmdClientDataSheet_Click);
    connect(cmdClientsByType, &QPushButton::clicked, this, &frmOrdwen::cmdClientsByType_Click);
}

void frmOrdwen::cmdAddressList_Click() {
    ShowListReport(ListReport::rptAddress);
}

void frmOrdwen::cmdClientList_Click() {
    ShowListReport(ListReport::rptClientList);
}

void frmOrdwen::cmdClientDataSheet_Click() {
    ShowListReport(ListReport::rptClient);
}

void frmOrdwen::cmdClientsByType_Click() {
    ShowListReport(ListReport::rptClientType);
}

void frmOrdwen::ShowListReport(ListReport report) {
    using namespace modGlobal;
    const bool addresses = report == ListReport::rptAddress;
    SetBusyPointer();
    rsShared = std::make_shared<ordwen::Recordset>();
    rsShared = !objHouse   ? ordwen::RecordsetPtr()
               : addresses ? objHouse->RefreshAddress()
                           : objHouse->RefreshClients();
    // A check that could not read at all proves nothing is there: the report's own read
    // then says what is wrong.
    if (rsShared && rsShared->isBOF() && rsShared->isEOF()) {
        CloseSharedRecordset();
        SetDefaultPointer();
        ShowMessage(this,
                    addresses ? QStringLiteral("No Address records were found! ")
                              : QStringLiteral("No Client records were found! "),
                    QMessageBox::Warning);
        return;
    }
    CloseSharedRecordset();
    reports::ShowReport(report, this);
    SetDefaultPointer();
}

bool frmOrdwen::PrintInvoiceReport(const QString &invoiceID) {
    return reports::PrintInvoice(this, invoiceID);
}

// The report buttons of the Utilities tab and the printing of an invoice.
#include "frmOrdwen.h"

#include "reports/Printing.h"
#include "startup/modGlobal.h"

bool frmOrdwen::PrintInvoiceReport(const QString &invoiceID) {
    return reports::PrintInvoice(this, invoiceID);
}

#include "tools/InvoicePreview.h"

#include "controls/Messages.h"
#include "controls/WaitPointer.h"
#include "reports/DataReport.h"
#include "reports/Paginator.h"
#include "reports/ReportLayout.h"
#include "reports/frmReportPreview.h"

#include <QPointer>

namespace tools {

namespace {

QPointer<reports::frmReportPreview> &openPreview() {
    static QPointer<reports::frmReportPreview> window;
    return window;
}

} // namespace

reports::frmReportPreview *PreviewInvoice(QWidget *parent, const QString &invoiceID) {
    if (invoiceID.isEmpty()) {
        messages::ChooseFirst(parent, QStringLiteral("Select an invoice to preview! "));
        return nullptr;
    }
    using reports::Command;
    reports::DataReport &data = reports::DataReport::Instance();
    if (data.IsOpen(Command::cmdInvoice))
        data.Close(Command::cmdInvoice);
    if (QPointer<reports::frmReportPreview> &earlier = openPreview()) {
        earlier->Unload();
        earlier.clear();
    }

    reports::frmReportPreview *window = nullptr;
    {
        const controls::WaitPointer wait;
        if (!data.Execute(Command::cmdInvoice, invoiceID)) {
            messages::ShowMessage(parent,
                                  QStringLiteral("The invoice ") + invoiceID +
                                      QStringLiteral(" could not be read from the database:") +
                                      QStringLiteral("\r\n") + data.LastError() + QStringLiteral(" "),
                                  QMessageBox::Critical);
            return nullptr;
        }
        const reports::RowsetPtr rows = data.Result(Command::cmdInvoice);
        // A page without its detail would look like an invoice of nothing.
        if (!rows || rows->RowCount() == 0) {
            data.Close(Command::cmdInvoice);
            messages::ShowMessage(
                parent,
                QStringLiteral("The invoice ") + invoiceID +
                    QStringLiteral(" cannot be found in the stored records, so it cannot be previewed. "),
                QMessageBox::Warning);
            return nullptr;
        }
        reports::PageModel model = reports::Paginate(reports::rptInvoice(), rows);
        data.Close(Command::cmdInvoice);
        window = new reports::frmReportPreview(std::move(model), parent);
        openPreview() = window;
    }
    window->show();
    return window;
}

} // namespace tools

// Tools > Preview Chosen Invoice: a stored invoice laid out with the invoice report, in the
// report preview (paged through, printed through the print dialog, saved as PDF), to print
// an invoice again long after it was made.
#pragma once

#include <QString>

class QWidget;

namespace reports {
class frmReportPreview;
}

namespace tools {

// Opens the preview of the stored invoice, not modally, owned by parent; an earlier invoice
// preview is unloaded first. With no invoice chosen (an empty identifier) it shows "Select an
// invoice to preview! "; an invoice that is no longer stored, or records that cannot be read,
// are told to the user. Null when nothing was opened. Reads only.
reports::frmReportPreview *PreviewInvoice(QWidget *parent, const QString &invoiceID);

} // namespace tools

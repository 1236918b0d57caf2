// Printing an invoice or a note straight to the system's default printer, without a print
// dialog or a preview. With no printer installed the pages go to printed/<identifier>.pdf
// in the application folder and one message says where.
#pragma once

#include "reports/Paginator.h"

#include <QString>

#include <memory>

class QWidget;

namespace reports {

// Where printed pages go. The program uses the system's printers; tests put a destination
// of their own in place so that nothing ever reaches a real printer.
class PrintDestination {
public:
    virtual ~PrintDestination() = default;
    // The name of the system's default printer; empty when no printer is installed.
    virtual QString DefaultPrinter() = 0;
    // Sends every page to the printer as one job named jobName, without a dialog. False
    // when the job could not be handed over.
    virtual bool Print(const PageModel &model, const QString &printer, const QString &jobName) = 0;
};

// Replaces the destination; null puts the system's printers back.
void SetPrintDestination(std::shared_ptr<PrintDestination> destination);
PrintDestination &CurrentPrintDestination();

// The file a record's pages go to when no printer is installed: printed/<identifier>.pdf
// below the application folder. Characters that cannot stand in a file name become "_".
QString PrintedPdfPath(const QString &identifier);

enum class PrintOutcome { Printed, SavedAsPdf, Failed };

// Sends the pages to the default printer, or without one to PrintedPdfPath(identifier);
// `what` names the record in messages ("invoice", "note"). Tells the user where a PDF went
// and when the pages could not go out at all.
PrintOutcome PrintToDefaultPrinter(QWidget *parent, const PageModel &model, const QString &identifier,
                                   const QString &what);

// Prints the stored invoice (its row joined with the business profile) with the invoice
// layout. An identifier that matches no row prints the page without its detail. Reads the
// database only; stored records are never changed, whatever happens to the print. True
// when the pages went out (to the printer, or with no printer to the PDF file).
bool PrintInvoice(QWidget *parent, const QString &invoiceID);

// Prints the stored note with the note layout, as PrintInvoice does. An empty identifier
// (no note chosen) prints nothing and shows "Select a note to print! ".
bool PrintNote(QWidget *parent, const QString &noteID);

} // namespace reports

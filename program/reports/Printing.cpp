#include "reports/Printing.h"

#include "controls/Messages.h"
#include "controls/WaitPointer.h"
#include "reports/DataReport.h"
#include "reports/Renderer.h"
#include "startup/modGlobal.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

namespace reports {

namespace {

const QString crlf = QStringLiteral("\r\n");

class SystemPrinters : public PrintDestination {
public:
    QString DefaultPrinter() override { return QPrinterInfo::defaultPrinter().printerName(); }

    bool Print(const PageModel &model, const QString &printer, const QString &jobName) override {
        const QPrinterInfo info = QPrinterInfo::printerInfo(printer);
        if (info.isNull())
            return false;
        QPrinter device(info, QPrinter::HighResolution);
        device.setDocName(jobName);
        device.setFullPage(true);
        device.setPageLayout(LetterFullPage());
        device.setFullPage(true);
        if (!PaintPages(device, model, 0, model.PageCount() - 1))
            return false;
        return device.printerState() != QPrinter::Error && device.printerState() != QPrinter::Aborted;
    }
};

std::shared_ptr<PrintDestination> &destination() {
    static std::shared_ptr<PrintDestination> current;
    return current;
}

// The invoice and note reports share one shape: run the command, lay out, print, close.
bool printRecord(QWidget *parent, Command command, const Layout &layout, const QString &identifier,
                 const QString &what) {
    DataReport &data = DataReport::Instance();
    PageModel model;
    {
        const controls::WaitPointer wait;
        // The shared connection slot marks that a report is open; nothing opens it.
        modGlobal::conShared = std::make_shared<ordwen::Connection>();
        if (data.IsOpen(command))
            data.Close(command);
        if (!data.Execute(command, identifier)) {
            modGlobal::conShared.reset();
            messages::ShowMessage(
                parent,
                QStringLiteral("The ") + what + QStringLiteral(" ") + identifier +
                    QStringLiteral(" could not be read from the database, so it was not printed.") + crlf +
                    data.LastError() + QStringLiteral(" "),
                QMessageBox::Critical);
            return false;
        }
        model = Paginate(layout, data.Result(command));
    }
    const PrintOutcome outcome = PrintToDefaultPrinter(parent, model, identifier, what);
    if (data.IsOpen(command))
        data.Close(command);
    modGlobal::conShared.reset();
    return outcome != PrintOutcome::Failed;
}

} // namespace

void SetPrintDestination(std::shared_ptr<PrintDestination> replacement) {
    destination() = std::move(replacement);
}

PrintDestination &CurrentPrintDestination() {
    if (!destination())
        destination() = std::make_shared<SystemPrinters>();
    return *destination();
}

QString PrintedPdfPath(const QString &identifier) {
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]"));
    QString name = identifier.trimmed();
    name.replace(unsafe, QStringLiteral("_"));
    // A name of dots alone would point at a folder.
    if (name.isEmpty() || name.count(QLatin1Char('.')) == name.size())
        name = QStringLiteral("report");
    return modGlobal::AppPath(QStringLiteral("printed/") + name + QStringLiteral(".pdf"));
}

PrintOutcome PrintToDefaultPrinter(QWidget *parent, const PageModel &model, const QString &identifier,
                                   const QString &what) {
    PrintDestination &target = CurrentPrintDestination();
    const QString printer = target.DefaultPrinter();
    if (!printer.isEmpty()) {
        const bool printed = [&] {
            const controls::WaitPointer wait;
            return target.Print(model, printer, identifier);
        }();
        if (printed)
            return PrintOutcome::Printed;
        messages::ShowMessage(parent,
                              QStringLiteral("The ") + what + QStringLiteral(" ") + identifier +
                                  QStringLiteral(" could not be printed on ") + printer +
                                  QStringLiteral(".") + crlf + QStringLiteral("The stored ") + what +
                                  QStringLiteral(" is unchanged; print it again once the printer is ready. "),
                              QMessageBox::Critical);
        return PrintOutcome::Failed;
    }

    const QString path = PrintedPdfPath(identifier);
    const bool saved = [&] {
        const controls::WaitPointer wait;
        return QDir().mkpath(QFileInfo(path).absolutePath()) && SavePdf(model, path);
    }();
    if (!saved) {
        messages::ShowMessage(parent,
                              QStringLiteral("No printer is installed, and the ") + what +
                                  QStringLiteral(" ") + identifier +
                                  QStringLiteral(" could not be saved as a PDF file either:") + crlf +
                                  QDir::toNativeSeparators(path) + QStringLiteral(" "),
                              QMessageBox::Critical);
        return PrintOutcome::Failed;
    }
    messages::ShowMessage(parent,
                          QStringLiteral("No printer is installed. The ") + what + QStringLiteral(" ") +
                              identifier + QStringLiteral(" was saved as a PDF file:") + crlf +
                              QDir::toNativeSeparators(path) + QStringLiteral(" "),
                          QMessageBox::Information);
    return PrintOutcome::SavedAsPdf;
}

bool PrintInvoice(QWidget *parent, const QString &invoiceID) {
    return printRecord(parent, Command::cmdInvoice, rptInvoice(), invoiceID, QStringLiteral("invoice"));
}

bool PrintNote(QWidget *parent, const QString &noteID) {
    if (noteID.isEmpty()) {
        messages::ShowMessage(parent, QStringLiteral("Select a note to print! "), QMessageBox::Warning);
        return false;
    }
    return printRecord(parent, Command::cmdNotes, rptNotes(), noteID, QStringLiteral("note"));
}

} // namespace reports

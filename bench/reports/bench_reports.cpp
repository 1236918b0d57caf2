// Builds a throw-away application folder with a database of many clients and address
// entries, then times each step of the reports: reading the rows, laying out the pages,
// painting them to PDF, and the memory the page model takes.
//
//   bench_reports [--clients N] [--keep-pdf DIR]
#include "Fixtures.h"
#include "reports/DataReport.h"
#include "reports/Paginator.h"
#include "reports/Printing.h"
#include "reports/Renderer.h"
#include "reports/ReportLayout.h"
#include "reports/Reports.h"
#include "reports/frmReportPreview.h"
#include "startup/modGlobal.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWindow>

#include <cstdio>
#include <functional>

namespace {

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

double seconds(const std::function<void()> &work, int repeat = 1) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < repeat; ++i)
        work();
    return timer.nsecsElapsed() / 1e9 / repeat;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int clients = 10000;
    QString keepPdf;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--clients") && i + 1 < args.size())
            clients = args[++i].toInt();
        else if (args[i] == QLatin1String("--keep-pdf") && i + 1 < args.size())
            keepPdf = args[++i];
    }
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("home"));
    // One address-book entry per client, so that the address list is as long as the client list.
    const bench::FixtureSize size{clients, clients * 5, clients / 5, clients};
    if (!bench::CreateFixture(folder.filePath(QStringLiteral("home/home.qd")),
                              QStringLiteral(BRISOLA_SCHEMA_FILE), size)) {
        std::fprintf(stderr, "could not create the database\n");
        return 1;
    }
    // QD-1 holds a tenth of the invoices, so that its statement runs over hundreds of pages.
    if (!bench::AddPayments(folder.filePath(QStringLiteral("home/home.qd")), 10))
        return 1;
    modGlobal::SetApplicationFolder(folder.path());
    modGlobal::strCompany = QStringLiteral("Sparkle Cleaning");
    modGlobal::strOwnerName = QStringLiteral("Maria Lopez");
    using namespace reports;
    DataReport &data = DataReport::Instance();

    QTextStream out(stdout);
    out << "clients: " << clients << "\n";
    struct Case {
        const char *name;
        Command command;
        std::function<Layout()> layout;
        QVariant parameter;
    };
    const Case cases[] = {
        {"rptClientList", Command::cmdClients, rptClientList, {}},
        {"rptClientType", Command::cmdClientByType_Grouping, rptClientType, {}},
        {"rptClient", Command::cmdClients, rptClient, {}},
        {"rptAddress", Command::cmdAddress, rptAddress, {}},
        {"rptInvoice", Command::cmdInvoice, rptInvoice, QStringLiteral("INV-1")},
        {"rptNotes", Command::cmdNotes, rptNotes, QStringLiteral("QDN-1")},
    };
    out << "| report | rows read (s) | layout (s) | every element's text (s) | pages | memory growth (KiB) | "
           "PDF (s) "
           "| PDF size (KiB) | memory growth while writing the PDF (KiB) |\n";
    out << "|---|---|---|---|---|---|---|---|---|\n";
    for (const Case &c : cases) {
        const double read = seconds([&] { data.Execute(c.command, c.parameter); });
        const Layout layout = c.layout();
        const long before = residentKiB();
        PageModel model;
        const double lay = seconds([&] { model = Paginate(layout, data.Result(c.command)); }, 5);
        // The final text and position of every element of every page, as painting needs them.
        qsizetype elements = 0;
        const double texts = seconds([&] {
            elements = 0;
            for (int page = 0; page < model.PageCount(); ++page)
                elements += model.Items(page).size();
        });
        const long modelKiB = residentKiB() - before;
        const QString pdf = keepPdf.isEmpty() ? folder.filePath(QStringLiteral("out.pdf"))
                                              : keepPdf + QLatin1Char('/') + QLatin1String(c.name) + ".pdf";
        bool saved = false;
        const long beforePdf = residentKiB();
        const double paint = seconds([&] { saved = SavePdf(model, pdf); });
        const long pdfKiB = residentKiB() - beforePdf;
        out << "| " << c.name << " | " << QString::number(read, 'f', 3) << " | "
            << QString::number(lay, 'f', 4) << " | " << QString::number(texts, 'f', 3) << " (" << elements
            << " elements) | " << model.PageCount() << " | " << modelKiB << " | "
            << (saved ? QString::number(paint, 'f', 2) : QStringLiteral("failed")) << " | "
            << QFileInfo(pdf).size() / 1024 << " | " << pdfKiB << " |\n";
        out.flush();
    }
    // The payments reports: reading (several statements and the sums), laying out, every
    // element's text, and the PDF.
    out << "\n| payments report | read (s) | layout (s) | every element's text (s) | pages | read, layout "
           "and "
           "text (s) | PDF (s) |\n|---|---|---|---|---|---|---|\n";
    struct PaymentsCase {
        const char *name;
        std::function<std::optional<ReportRows>()> read;
        std::function<Layout()> layout;
    };
    const PaymentsCase paymentCases[] = {
        {"rptIncomeByMonth 2020", [&] { return data.IncomeByMonth(2020); },
         [] { return rptIncomeByMonth(2020); }},
        {"rptStatement QD-1", [&] { return data.Statement(QStringLiteral("QD-1")); },
         [] { return rptStatement(QStringLiteral("client")); }},
    };
    for (const PaymentsCase &c : paymentCases) {
        constexpr int Repeat = 5;
        std::optional<ReportRows> rows;
        PageModel model;
        qsizetype elements = 0;
        const double read = seconds([&] { rows = c.read(); }, Repeat);
        if (!rows) {
            std::fprintf(stderr, "%s: %s\n", c.name, qPrintable(data.LastError()));
            return 1;
        }
        const Layout layout = c.layout();
        const double lay = seconds([&] { model = Paginate(layout, rows->rows, rows->values); }, Repeat);
        const double texts = seconds(
            [&] {
                for (int page = 0; page < model.PageCount(); ++page)
                    elements += model.Items(page).size();
            },
            Repeat);
        const double whole = seconds(
            [&] {
                const std::optional<ReportRows> again = c.read();
                const PageModel laid = Paginate(c.layout(), again->rows, again->values);
                for (int page = 0; page < laid.PageCount(); ++page)
                    elements += laid.Items(page).size();
            },
            Repeat);
        const double paint =
            seconds([&] { SavePdf(model, folder.filePath(QStringLiteral("payments.pdf"))); });
        out << "| " << c.name << " | " << QString::number(read, 'f', 4) << " | "
            << QString::number(lay, 'f', 4) << " | " << QString::number(texts, 'f', 4) << " | "
            << model.PageCount() << " | " << QString::number(whole, 'f', 4) << " | "
            << QString::number(paint, 'f', 3) << " |\n";
        out.flush();
    }

    // What the user waits for after a click: reading, laying out, the window and its first
    // painted pages.
    const std::function<frmReportPreview *()> previews[] = {
        [] { return ShowReport(ListReport::rptClient, nullptr); },
        [] { return ShowReport(ListReport::rptClientList, nullptr); },
        [] { return ShowIncomeByMonth(2020, nullptr); },
        [] { return ShowStatement(QStringLiteral("QD-1"), nullptr); },
    };
    for (const auto &show : previews) {
        frmReportPreview *window = nullptr;
        const double open = seconds([&] {
            window = show();
            QElapsedTimer wait;
            wait.start();
            while (!(window->windowHandle() && window->windowHandle()->isExposed()) && wait.elapsed() < 2000)
                QApplication::processEvents();
            window->View()->viewport()->repaint();
        });
        out << "preview of " << window->objectName() << " (" << window->Model().PageCount()
            << " pages) open and painted in " << QString::number(open, 'f', 3)
            << " s, pages painted: " << window->View()->PaintedPages().size() << "\n";
        window->Unload();
        QApplication::processEvents();
    }
    out << "resident memory at the end (KiB): " << residentKiB() << "\n";
    DataReport::Release();
    modGlobal::SetApplicationFolder(QString());
    return 0;
}

// Builds a throw-away application folder with a database of many clients and address
// entries, then times each step of the reports: reading the rows, laying out the pages,
// painting them to PDF, and the memory the page model takes.
//
//   bench_reports [--clients N] [--keep-pdf DIR]
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
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
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

bool createDatabase(const QString &file, int clients) {
    QFile schema(QStringLiteral(BRISOLA_SCHEMA_FILE));
    if (!schema.open(QIODevice::ReadOnly))
        return false;
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
        db.setDatabaseName(file);
        ok = db.open();
        QSqlQuery q(db);
        for (const QString &statement : QString::fromUtf8(schema.readAll()).split(QLatin1Char(';'))) {
            QString text;
            for (const QString &line : statement.split(QLatin1Char('\n')))
                if (!line.trimmed().startsWith(QLatin1String("--")))
                    text += line + QLatin1Char('\n');
            if (!text.trimmed().isEmpty() && !q.exec(text)) {
                std::fprintf(stderr, "schema: %s\n", qPrintable(q.lastError().text()));
                ok = false;
            }
        }
        const QStringList types{"Apartment", "Church",     "Commercial", "Home",
                                "Hospital",  "Restaurant", "Retail",     "Other"};
        db.transaction();
        q.prepare(QStringLiteral(
            "INSERT INTO tblClients (ClientID, ClientType, Client, Add1, Add2, City, State, Zip, "
            "Phone, Contact, BAdd1, BCity, BState, BZip, Schedule, Service, DayOfWeek, Fee, "
            "FeeType, BSchedule, Pets, Notes) VALUES (?, ?, ?, '12 Long Street Name', 'Unit 4', "
            "'Springfield', 'ON', 'K1A 0B1', '613-555-0100', 'Pat Contact', '12 Long Street', "
            "'Springfield', 'ON', 'K1A 0B1', 'Weekly', 'Home', 'Tuesday', ?, 'Job', 'Monthly', "
            "'No', 'Key under the mat; the dog is friendly.')"));
        for (int i = 1; i <= clients; ++i) {
            q.addBindValue(QStringLiteral("QD-%1").arg(i));
            q.addBindValue(types[i % types.size()]);
            q.addBindValue(QStringLiteral("Client number %1").arg(i));
            q.addBindValue(20.0 + i % 50);
            ok = q.exec() && ok;
        }
        q.prepare(
            QStringLiteral("INSERT INTO tblAddress (AddressID, FName, LName, FullName, Address, City, State, "
                           "Zip, HPhone, Email) VALUES (?, ?, ?, ?, '9 Elm St', 'Kingston', 'ON', 'K7L 1A1', "
                           "'613-555-0199', 'someone@example.org')"));
        for (int i = 1; i <= clients; ++i) {
            q.addBindValue(QStringLiteral("A-%1").arg(i));
            q.addBindValue(QStringLiteral("First%1").arg(i));
            q.addBindValue(QStringLiteral("Last%1").arg(i));
            q.addBindValue(QStringLiteral("First%1 Last%1").arg(i));
            ok = q.exec() && ok;
        }
        q.exec(QStringLiteral(
            "INSERT INTO tblOwner (OwnerID, LName, FName, Company, Address, City, State, Zip, Phone, "
            "Email) VALUES ('O-1', 'Lopez', 'Maria', 'Sparkle Cleaning', '12 Queen St', 'Ottawa', "
            "'ON', 'K1A 0B1', '613-555-0101', 'maria@example.org')"));
        q.exec(QStringLiteral(
            "INSERT INTO tblInvoices (InvoiceID, ServiceDate, Client, BCity, Hours, Rate, HourAmt, "
            "OtherCharges, OtherAmt, PastDue, ContractFee, TotalAmt) VALUES ('INV-1', '2007-03-06', "
            "'Ann Smith', 'Ottawa', 2.5, 18, 45, 'Oven', 20, 1169.5, 0, 1234.5)"));
        q.exec(
            QStringLiteral("INSERT INTO tblNotes (NoteID, NoteText, AddDate) VALUES ('QDN-1', 'Buy soap and "
                           "new cloths for the Tuesday clients.', '2007-03-06 10:00:00')"));
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench"));
    return ok;
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
    if (!createDatabase(folder.filePath(QStringLiteral("home/home.qd")), clients)) {
        std::fprintf(stderr, "could not create the database\n");
        return 1;
    }
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
    // What the user waits for after a click: reading, laying out, the window and its first
    // painted pages.
    for (ListReport report : {ListReport::rptClient, ListReport::rptClientList}) {
        frmReportPreview *window = nullptr;
        const double open = seconds([&] {
            window = ShowReport(report, nullptr);
            QElapsedTimer wait;
            wait.start();
            while (!(window->windowHandle() && window->windowHandle()->isExposed()) && wait.elapsed() < 2000)
                QApplication::processEvents();
            window->View()->viewport()->repaint();
        });
        out << "preview of " << window->objectName() << " (" << window->Model().PageCount()
            << " pages) open and painted in " << QString::number(open, 'f', 3)
            << " s, pages painted: " << window->View()->PaintedPages().size() << "\n";
        UnloadReport(report);
        QApplication::processEvents();
    }
    out << "resident memory at the end (KiB): " << residentKiB() << "\n";
    DataReport::Release();
    modGlobal::SetApplicationFolder(QString());
    return 0;
}

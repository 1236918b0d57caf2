// What the report tests share: a temporary application folder with a fresh database, the
// process end replaced, the report data source released afterwards, every message box
// answered, a print destination that never reaches a real printer, and PDF text read back.
#pragma once

#include "MessageBoxHelper.h"
#include "WindowFixture.h"

#include "reports/DataReport.h"
#include "reports/Printing.h"
#include "reports/Renderer.h"
#include "startup/modGlobal.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <memory>

// Stands in for the system's printers: a chosen default (or none), and what was sent.
class FakePrinters : public reports::PrintDestination {
public:
    QString defaultPrinter;
    bool fail = false;
    struct Job {
        QString printer;
        QString name;
        int pages = 0;
        QStringList firstPageTexts;
    };
    QList<Job> jobs;

    QString DefaultPrinter() override { return defaultPrinter; }
    bool Print(const reports::PageModel &model, const QString &printer, const QString &jobName) override {
        jobs << Job{printer, jobName, model.PageCount(), model.Texts(0)};
        return !fail;
    }
};

class ReportFixture : public ProgramFixture {
public:
    ReportFixture() {
        printers = std::make_shared<FakePrinters>();
        reports::SetPrintDestination(printers);
        modGlobal::strCompany = QStringLiteral("Sparkle & Shine Cleaning");
        modGlobal::strOwnerName = QStringLiteral("Maria Lopez");
    }
    ~ReportFixture() {
        reports::DataReport::Release();
        reports::SetPrintDestination(nullptr);
        modGlobal::strCompany.clear();
        modGlobal::strOwnerName.clear();
    }

    bool seedClient(const QString &id, const QString &type, const QString &name, const QString &fee = "25") {
        return folder.exec(
            QStringLiteral("INSERT INTO tblClients (ClientID, ClientType, Client, Add1, City, State, "
                           "Zip, Contact, Service, Schedule, FeeType, Fee, Pets, Notes) VALUES "
                           "(%1, %2, %3, '1 Main St', 'Ottawa', 'ON', 'K1A 0B1', 'Pat', 'Home', "
                           "'Weekly', 'Job', %4, 'No', 'Key under mat')")
                .arg(q(id), type.isNull() ? QStringLiteral("NULL") : q(type), q(name), fee));
    }
    bool seedAddress(const QString &id, const QString &first, const QString &last) {
        return folder.exec(
            QStringLiteral("INSERT INTO tblAddress (AddressID, FName, LName, FullName, Address, City, "
                           "HPhone) VALUES (%1, %2, %3, %4, '9 Elm St', 'Kingston', '555-0199')")
                .arg(q(id), q(first), q(last), q(first + QLatin1Char(' ') + last)));
    }
    bool seedOwner() {
        return folder.exec(QStringLiteral(
            "INSERT INTO tblOwner (OwnerID, LName, FName, Company, Address, City, State, Zip, Phone, Email, "
            "FullName) VALUES ('O-1', 'Lopez', 'Maria', 'Sparkle & Shine Cleaning', '12 Queen St', 'Ottawa', "
            "'ON', 'K1A 0B1', '613-555-0101', 'maria@sparkle.example', 'Maria Lopez')"));
    }
    bool seedInvoice(const QString &id, const QString &serviceDate = QStringLiteral("2007-03-06"),
                     const QString &hours = QStringLiteral("2.5"),
                     const QString &total = QStringLiteral("1234.5")) {
        return folder.exec(
            QStringLiteral("INSERT INTO tblInvoices (InvoiceID, ClientID, ServiceDate, Client, BAdd1, "
                           "BAdd2, BCity, BState, BZip, Hours, Rate, HourAmt, OtherCharges, OtherAmt, "
                           "PastDue, ContractFee, TotalAmt) VALUES (%1, 'QD-1', %2, 'Ann Smith', "
                           "'1 Main St', 'Suite 2', 'Ottawa', 'ON', 'K1A 0B1', %3, 18, 45, "
                           "'Oven cleaning', 20, 1169.5, 0, %4)")
                .arg(q(id), q(serviceDate), hours, total));
    }
    bool seedNote(const QString &id, const QString &text,
                  const QString &addDate = QStringLiteral("2007-03-06 14:30:00")) {
        return folder.exec(
            QStringLiteral("INSERT INTO tblNotes (NoteID, NoteText, AddDate) VALUES (%1, %2, %3)")
                .arg(q(id), q(text), q(addDate)));
    }

    MessageBoxHelper boxes;
    std::shared_ptr<FakePrinters> printers;
};

// The text of a PDF as pdftotext reads it (layout kept, so that a line reads as printed).
inline QString pdfText(const QString &path, int firstPage = 0, int lastPage = 0) {
    QStringList args{QStringLiteral("-layout")};
    if (firstPage > 0)
        args << QStringLiteral("-f") << QString::number(firstPage);
    if (lastPage > 0)
        args << QStringLiteral("-l") << QString::number(lastPage);
    args << path << QStringLiteral("-");
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args);
    if (!p.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Words of a PDF with their boxes in points, as pdftotext -bbox gives them.
struct PdfWord {
    int page = 0;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    QString text;
};

inline QList<PdfWord> pdfWords(const QString &path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!p.waitForFinished(60000))
        return {};
    QList<PdfWord> words;
    QXmlStreamReader xml(p.readAllStandardOutput());
    int page = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("page")) {
            ++page;
        } else if (xml.name() == QLatin1String("word")) {
            const auto a = xml.attributes();
            PdfWord w;
            w.page = page;
            w.xMin = a.value(QLatin1String("xMin")).toDouble();
            w.yMin = a.value(QLatin1String("yMin")).toDouble();
            w.xMax = a.value(QLatin1String("xMax")).toDouble();
            w.yMax = a.value(QLatin1String("yMax")).toDouble();
            w.text = xml.readElementText();
            words << w;
        }
    }
    return words;
}

// The number of pages pdftotext finds in a PDF (form feeds end its pages).
inline int pdfPageCount(const QString &path) {
    return int(pdfText(path).count(QLatin1Char('\f')));
}

inline bool hasPdfToText() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

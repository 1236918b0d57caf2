// The whole program, as a new user meets it: the real brisola in a fresh application folder
// with the delivered empty database, driven through its windows by the preloaded e2e driver
// (first-use profile, a client added, edited and billed with its invoice printed, a note
// saved and printed, an address entry, every report previewed and saved as PDF, About and
// help, eXit). Afterwards the stored rows, the text of every PDF and the absence of
// error.log are checked.
#include "TestAppFolder.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <cstdio>

namespace {

QString pdfText(const QString &path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return QStringLiteral("<pdftotext failed on %1>").arg(path);
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

bool copyFolder(const QString &from, const QString &to) {
    QDir().mkpath(to);
    for (const QFileInfo &entry : QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() ? !copyFolder(entry.filePath(), target) : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void wholeProgram();
};

void TestEndToEnd::wholeProgram() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext (poppler-utils) is needed to read the PDFs back");
    // The application folder as an installation lays it out: the two binaries, the
    // delivered files and the database made from the schema.
    TestAppFolder folder;
    for (const char *file : {"brisola", "libordwen.so"})
        QVERIFY(QFile::copy(QStringLiteral(BRISOLA_APP_DIR "/") + QLatin1String(file),
                            folder.filePath(QLatin1String(file))));
    QFile::setPermissions(folder.filePath(QStringLiteral("brisola")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    for (const char *sub : {"images", "text", "help"})
        QVERIFY(copyFolder(testDataFolder() + QLatin1Char('/') + QLatin1String(sub),
                           folder.filePath(QLatin1String(sub))));
    QVERIFY(QFile::exists(folder.databasePath()));
    const QString out = folder.filePath(QStringLiteral("saved"));
    QVERIFY(QDir().mkpath(out));
    const QString logFile = folder.filePath(QStringLiteral("driver.log"));

    QProcess brisola;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(E2E_DRIVER));
    env.insert(QStringLiteral("BRISOLA_E2E_LOG"), logFile);
    env.insert(QStringLiteral("BRISOLA_E2E_OUT"), out);
    env.insert(QStringLiteral("HOME"), folder.path());
    // No printer reachable: the invoice and the note go to printed/ as PDF files.
    env.insert(QStringLiteral("CUPS_SERVER"), folder.filePath(QStringLiteral("no-cups.sock")));
    // The preloaded driver comes before the sanitizers' runtime in a sanitized build.
    env.insert(QStringLiteral("ASAN_OPTIONS"),
               env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":verify_asan_link_order=0"));
    brisola.setProcessEnvironment(env);
    brisola.setWorkingDirectory(QDir::tempPath());
    brisola.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    brisola.start(folder.filePath(QStringLiteral("brisola")), QStringList());
    QVERIFY(brisola.waitForStarted(10000));
    const bool finished = brisola.waitForFinished(240000);
    if (!finished)
        brisola.kill();
    const QString log = QString::fromUtf8(folder.readFile(QStringLiteral("driver.log")));
    if (!finished || brisola.exitCode() != 0)
        std::fprintf(stderr, "driver log:\n%s\n", qPrintable(log));
    QVERIFY2(finished, qPrintable(log));
    QCOMPARE(brisola.exitStatus(), QProcess::NormalExit);
    QVERIFY2(brisola.exitCode() == 0,
             qPrintable(QString::number(brisola.exitCode()) + QLatin1Char('\n') + log));

    // What the user saw, in order.
    const QString printed = folder.filePath(QStringLiteral("printed"));
    const QStringList expected{
        QStringLiteral("WINDOW|frmAddOwner"),
        QStringLiteral("BOX|Record Saved Successfully|Profile Information Saved! "),
        QStringLiteral("WINDOW|frmOrdwen"),
        QStringLiteral(
            "BOX|Record Saved Successfully|New Client Record Saved! \\n\\nDo you want to add another "
            "Client record? "),
        QStringLiteral("BOX|Record Saved Successfully|New Client Record Updated! \\n\\nDo you want to update "
                       "another Client record? "),
        QStringLiteral("BOX|Brisola|No printer is installed. The invoice INV-1 was saved as a PDF file:\\n") +
            printed + QStringLiteral("/INV-1.pdf "),
        QStringLiteral(
            "BOX|Record Saved Successfully|New Invoice is Printing! \\n\\nDo you want to print another "
            "Invoice? "),
        QStringLiteral(
            "BOX|Record Saved Successfully|New Note Saved! \\n\\nDo you want to add another Note? "),
        QStringLiteral("BOX|Brisola|No printer is installed. The note QDN-1 was saved as a PDF file:\\n") +
            printed + QStringLiteral("/QDN-1.pdf "),
        QStringLiteral("WINDOW|frmAddressBook"),
        QStringLiteral(
            "BOX|Record Saved Successfully|New Address Entry Saved! \\n\\nDo you want to add another "
            "Address? "),
    };
    const QStringList lines = log.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(lines.size() >= expected.size(), qPrintable(log));
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(lines[i], expected[i]);
    QVERIFY2(!log.contains(QStringLiteral("UNEXPECTED")) && !log.contains(QStringLiteral("STUCK")),
             qPrintable(log));
    QVERIFY2(lines.filter(QStringLiteral("PREVIEW|")).size() == 4, qPrintable(log));
    QVERIFY2(lines.filter(QStringLiteral("SAVE AS|")).size() == 4, qPrintable(log));
    QVERIFY2(lines.filter(QRegularExpression(QStringLiteral("^WINDOW\\|frmAbout\\|.+"))).size() == 1,
             qPrintable(log));
    QVERIFY2(lines.filter(QRegularExpression(QStringLiteral("^WINDOW\\|frmHelp\\|[1-9]"))).size() == 1,
             qPrintable(log));
    QCOMPARE(lines.last(), QStringLiteral("EXIT"));

    // What was stored.
    QCOMPARE(folder.rows(QStringLiteral("SELECT OwnerID, LName, FName, Company, Phone FROM tblOwner")),
             (QList<QVariantMap>{{{"OwnerID", "Lopez - 431"},
                                  {"LName", "Lopez"},
                                  {"FName", "Maria"},
                                  {"Company", "Sparkle & Shine Cleaning"},
                                  {"Phone", "613-555-0101"}}}));
    QCOMPARE(folder.rows(QStringLiteral(
                 "SELECT ClientID, ClientType, Client, City, Phone, Fee, Notes FROM tblClients")),
             (QList<QVariantMap>{{{"ClientID", "QD-1"},
                                  {"ClientType", "Home"},
                                  {"Client", "Ann O'Brien"},
                                  {"City", "Kingston"},
                                  {"Phone", "613-555-0123"},
                                  {"Fee", 45.5},
                                  {"Notes", "Key under the mat"}}}));
    QCOMPARE(
        folder.rows(QStringLiteral("SELECT InvoiceID, ClientID, Client, Hours, Rate, HourAmt, OtherCharges, "
                                   "OtherAmt, PastDue, ContractFee, TotalAmt FROM tblInvoices")),
        (QList<QVariantMap>{{{"InvoiceID", "INV-1"},
                             {"ClientID", "QD-1"},
                             {"Client", "Ann O'Brien"},
                             {"Hours", 2.5},
                             {"Rate", 30.0},
                             {"HourAmt", 75.0},
                             {"OtherCharges", "Oven cleaning"},
                             {"OtherAmt", 20.0},
                             {"PastDue", 5.25},
                             {"ContractFee", 10.0},
                             {"TotalAmt", 110.25}}}));
    QCOMPARE(folder.rows(QStringLiteral("SELECT NoteID, NoteText FROM tblNotes")),
             (QList<QVariantMap>{{{"NoteID", "QDN-1"}, {"NoteText", "Order more cloths, ask Ann's key"}}}));
    QCOMPARE(folder.rows(QStringLiteral("SELECT AddressID, FName, LName, FullName, City FROM tblAddress")),
             (QList<QVariantMap>{{{"AddressID", "A-1"},
                                  {"FName", "Jo"},
                                  {"LName", "D'Angelo"},
                                  {"FullName", "Jo D'Angelo"},
                                  {"City", "Kingston"}}}));
    QCOMPARE(folder.value(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));

    // What was printed and saved.
    const QString invoice = pdfText(printed + QStringLiteral("/INV-1.pdf"));
    for (const char *text : {"Sparkle & Shine Cleaning", "Ann O'Brien", "PO Box 9", "Oven cleaning",
                             "$110.25", "$75.00", "INV-1"})
        QVERIFY2(invoice.contains(QLatin1String(text)), qPrintable(invoice));
    const QString note = pdfText(printed + QStringLiteral("/QDN-1.pdf"));
    QVERIFY2(note.contains(QStringLiteral("Order more cloths, ask Ann's key")), qPrintable(note));
    const std::pair<const char *, QStringList> reports[] = {
        {"client-list.pdf", {"QD-1", "Ann O'Brien", "Home", "Weekly", "Sparkle & Shine Cleaning"}},
        {"client-data.pdf", {"Ann O'Brien", "613-555-0123", "Key under the mat", "Kingston"}},
        {"clients-by-type.pdf", {"Home", "Ann O'Brien"}},
        {"address-list.pdf", {"D'Angelo", "Kingston", "555-0100"}},
    };
    for (const auto &[file, texts] : reports) {
        const QString text = pdfText(out + QLatin1Char('/') + QLatin1String(file));
        for (const QString &t : texts)
            QVERIFY2(text.contains(t), qPrintable(QLatin1String(file) + QStringLiteral(": ") + text));
    }

    // Nothing failed, so nothing was logged.
    QVERIFY2(!QFile::exists(folder.errorLogPath()), folder.errorLog().constData());
}

BRISOLA_TEST_MAIN(TestEndToEnd)
#include "tst_e2e.moc"

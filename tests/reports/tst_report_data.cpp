// The report data source: its own read-only connection opened by the first command, the
// five commands with their parameters bound, the grouping of clients by type, the result
// states, and its release at shut-down.
#include "ReportFixture.h"
#include "TestMain.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

using reports::Command;
using reports::DataReport;

class TestReportData : public QObject {
    Q_OBJECT
private slots:
    void connectionOpensWithFirstCommand();
    void ordering_data();
    void ordering();
    void invoiceJoinsProfile_data();
    void invoiceJoinsProfile();
    void parameterIsBoundNotPasted_data();
    void parameterIsBoundNotPasted();
    void readsValuesAsTheDriver_data();
    void readsValuesAsTheDriver();
    void readersOrder_data();
    void readersOrder();
    void groupsClientsByType();
    void resultStates();
    void readsLeaveTheFileFreeForSaves();
    void missingDatabaseIsNotCreated();
    void closeAllReleasesDataSource();
};

static QStringList column(const reports::Rowset &rows, const QString &field) {
    QStringList values;
    for (int r = 0; r < rows.RowCount(); ++r)
        values << rows.Value(r, field).toString();
    return values;
}

void TestReportData::connectionOpensWithFirstCommand() {
    ReportFixture f;
    DataReport &data = DataReport::Instance();
    QVERIFY(!data.IsConnected());
    QVERIFY(!QSqlDatabase::contains(DataReport::ConnectionName()));
    QVERIFY(data.Execute(Command::cmdClients));
    QVERIFY(data.IsConnected());
    QCOMPARE(DataReport::ConnectionName(), QStringLiteral("conReport"));
    QCOMPARE(QFileInfo(QSqlDatabase::database(QStringLiteral("conReport"), false).databaseName()).fileName(),
             QStringLiteral("home.qd?mode=ro"));
}

void TestReportData::ordering_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("addresses by last then first name")
        << int(Command::cmdAddress) << "AddressID" << QStringList{"A-3", "A-1", "A-4", "A-2"};
    QTest::newRow("clients by type then name")
        << int(Command::cmdClients) << "ClientID" << QStringList{"QD-3", "QD-4", "QD-1", "QD-2"};
}

void TestReportData::ordering() {
    QFETCH(int, command);
    QFETCH(QString, field);
    QFETCH(QStringList, expected);
    ReportFixture f;
    QVERIFY(f.seedAddress("A-1", "Zoe", "Brown"));
    QVERIFY(f.seedAddress("A-2", "Zed", "Young"));
    QVERIFY(f.seedAddress("A-3", "Bob", "Adams"));
    QVERIFY(f.seedAddress("A-4", "Amy", "Young"));
    QVERIFY(f.seedClient("QD-1", "Home", "Carl"));
    QVERIFY(f.seedClient("QD-2", "Home", "Dora"));
    QVERIFY(f.seedClient("QD-3", "Church", "Zion Hall"));
    QVERIFY(f.seedClient("QD-4", "Commercial", "Acme"));
    DataReport &data = DataReport::Instance();
    QVERIFY(data.Execute(Command(command)));
    QCOMPARE(column(*data.Result(Command(command)), field), expected);
}

void TestReportData::invoiceJoinsProfile_data() {
    QTest::addColumn<bool>("withProfile");
    QTest::addColumn<QString>("invoiceID");
    QTest::addColumn<int>("rows");
    QTest::newRow("stored invoice and profile") << true << "INV-3" << 1;
    QTest::newRow("no profile row") << false << "INV-3" << 0;
    QTest::newRow("unknown invoice") << true << "INV-99" << 0;
}

void TestReportData::invoiceJoinsProfile() {
    QFETCH(bool, withProfile);
    QFETCH(QString, invoiceID);
    QFETCH(int, rows);
    ReportFixture f;
    QVERIFY(f.seedInvoice("INV-3"));
    QVERIFY(f.seedInvoice("INV-4"));
    if (withProfile)
        QVERIFY(f.seedOwner());
    DataReport &data = DataReport::Instance();
    QVERIFY(data.Execute(Command::cmdInvoice, invoiceID));
    const reports::RowsetPtr result = data.Result(Command::cmdInvoice);
    QCOMPARE(result->RowCount(), rows);
    if (rows == 1) {
        QCOMPARE(result->Value(0, "InvoiceID").toString(), QStringLiteral("INV-3"));
        QCOMPARE(result->Value(0, "Company").toString(), QStringLiteral("Sparkle & Shine Cleaning"));
        QCOMPARE(result->Value(0, "CompanyAddress").toString(), QStringLiteral("Ottawa, ON K1A 0B1"));
        QCOMPARE(result->Value(0, "Hours").toDouble(), 2.5);
    }
}

void TestReportData::parameterIsBoundNotPasted_data() {
    QTest::addColumn<QString>("noteID");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("plain identifier") << "QDN-2" << QStringList{"QDN-2"};
    QTest::newRow("quote trick") << "x' OR '1'='1" << QStringList{};
    QTest::newRow("apostrophe in identifier") << "QDN-'7" << QStringList{"QDN-'7"};
    QTest::newRow("statement appended") << "QDN-1'; DELETE FROM tblNotes; --" << QStringList{};
}

void TestReportData::parameterIsBoundNotPasted() {
    QFETCH(QString, noteID);
    QFETCH(QStringList, expected);
    ReportFixture f;
    QVERIFY(f.seedNote("QDN-1", "first"));
    QVERIFY(f.seedNote("QDN-2", "second"));
    QVERIFY(f.seedNote("QDN-'7", "odd"));
    DataReport &data = DataReport::Instance();
    QVERIFY(data.Execute(Command::cmdNotes, noteID));
    QCOMPARE(column(*data.Result(Command::cmdNotes), "NoteID"), expected);
    QCOMPARE(f.folder.value("SELECT COUNT(*) FROM tblNotes").toInt(), 3);
}

// Each field name and value, by kind and text, as the driver reads it (a missing parameter: Null).
void TestReportData::readsValuesAsTheDriver_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QVariant>("parameter");
    QTest::newRow("clients, Null type") << int(Command::cmdClients) << QVariant();
    QTest::newRow("invoice joined to no profile") << int(Command::cmdInvoice) << QVariant("INV-3");
    QTest::newRow("note") << int(Command::cmdNotes) << QVariant("QDN-1");
    QTest::newRow("missing parameter") << int(Command::cmdNotes) << QVariant();
}

void TestReportData::readsValuesAsTheDriver() {
    QFETCH(int, command);
    QFETCH(QVariant, parameter);
    ReportFixture f;
    QVERIFY(f.seedClient("QD-1", QString(), "Zoë", "0") && f.seedInvoice("INV-3"));
    QVERIFY(f.seedNote("QDN-1", "first\r\nline") && f.seedNote("", "a note without a number"));
    QVERIFY(DataReport::Instance().Execute(Command(command), parameter));
    const reports::Rowset &rows = *DataReport::Instance().Result(Command(command));
    QSqlQuery query(QSqlDatabase::database(DataReport::ConnectionName(), false));
    QVERIFY(query.prepare(DataReport::CommandText(Command(command))));
    if (command == int(Command::cmdInvoice) || command == int(Command::cmdNotes))
        query.addBindValue(parameter.isValid() ? parameter.toString() : QString());
    QVERIFY(query.exec());
    const auto shown = [](const QVariant &v) {
        return QString::fromLatin1(v.typeName()) + u' ' + v.toString();
    };
    QStringList read{rows.Fields()}, expected;
    for (int c = 0; c < query.record().count(); ++c)
        expected << query.record().fieldName(c);
    while (query.next())
        for (int c = 0; c < query.record().count(); ++c)
            expected << shown(query.value(c).isNull() ? QVariant() : query.value(c));
    for (int r = 0; r < rows.RowCount(); ++r)
        for (int c = 0; c < rows.Fields().size(); ++c)
            read << shown(rows.Value(r, c));
    QCOMPARE(read, expected);
}

void TestReportData::readersOrder_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QStringList>("entries"); // last name,first name or type,client
    QTest::addColumn<QStringList>("expected");
    const QStringList names{"O'Neil,Ann", "adams,Bo", "zed,Cy", "Ábel,Di", "adams,al", "100,X", "25,Y"};
    const QStringList read{"100,X", "25,Y", "Ábel,Di", "adams,al", "adams,Bo", "O'Neil,Ann", "zed,Cy"};
    QTest::newRow("addresses") << int(Command::cmdAddress) << names << read;
    const QStringList clients{"Home,Zed", "home,émile", "church,Bob", "Home,adam", "Home,Édith"};
    const QStringList byType{"church,Bob", "home,émile", "Home,adam", "Home,Édith", "Home,Zed"};
    QTest::newRow("clients") << int(Command::cmdClients) << clients << byType;
    QTest::newRow("clients grouped by type") << int(Command::cmdClientByType_Grouping) << clients << byType;
}

void TestReportData::readersOrder() {
    QFETCH(int, command);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, expected);
    ReportFixture f;
    const bool address = command == int(Command::cmdAddress);
    for (int i = 0; i < entries.size(); ++i) {
        const QString a = entries[i].section(',', 0, 0), b = entries[i].section(',', 1);
        QVERIFY(address ? f.seedAddress(QString::number(i), b, a) : f.seedClient(QString::number(i), a, b));
    }
    QVERIFY(DataReport::Instance().Execute(Command(command)));
    const reports::RowsetPtr result = DataReport::Instance().Result(Command(command));
    const bool grouped = command == int(Command::cmdClientByType_Grouping);
    const QStringList names = address ? QStringList{"LName", "FName"} : QStringList{"ClientType", "Client"};
    QStringList read;
    for (int g = 0; g < (grouped ? result->RowCount() : 1); ++g) {
        const auto rows = grouped ? result->Child(g) : std::shared_ptr<const reports::Rowset>(result);
        for (int r = 0; r < rows->RowCount(); ++r)
            read << rows->Value(r, names[0]).toString() + ',' + rows->Value(r, names[1]).toString();
    }
    QCOMPARE(read, expected);
}

void TestReportData::groupsClientsByType() {
    ReportFixture f;
    QVERIFY(f.seedClient("QD-1", "Home", "Walt"));
    QVERIFY(f.seedClient("QD-2", "Church", "St Mary"));
    QVERIFY(f.seedClient("QD-3", "Home", "Anna"));
    QVERIFY(f.seedClient("QD-4", QString(), "No Type Ltd"));
    QVERIFY(f.seedClient("QD-5", "Home", "Mike"));
    DataReport &data = DataReport::Instance();
    QVERIFY(data.Execute(Command::cmdClientByType_Grouping));
    const reports::RowsetPtr parents = data.Result(Command::cmdClientByType_Grouping);
    QCOMPARE(parents->Fields(), QStringList{"ClientType"});
    QCOMPARE(parents->ChildName(), QStringLiteral("cmdClientByType"));
    QCOMPARE(parents->RowCount(), 3);
    QVERIFY(!parents->Value(0, "ClientType").isValid()); // Null: a group of its own
    QCOMPARE(parents->Value(1, "ClientType").toString(), QStringLiteral("Church"));
    QCOMPARE(parents->Value(2, "ClientType").toString(), QStringLiteral("Home"));
    QCOMPARE(column(*parents->Child(0), "ClientID"), QStringList{"QD-4"});
    QCOMPARE(column(*parents->Child(1), "ClientID"), QStringList{"QD-2"});
    QCOMPARE(column(*parents->Child(2), "Client"), (QStringList{"Anna", "Mike", "Walt"}));
    // Every column of the client rows is there.
    QCOMPARE(parents->Child(2)->Value(0, "Notes").toString(), QStringLiteral("Key under mat"));
    QCOMPARE(parents->Child(2)->Value(0, "Fee").toDouble(), 25.0);
}

void TestReportData::resultStates() {
    ReportFixture f;
    QVERIFY(f.seedNote("QDN-1", "first"));
    DataReport &data = DataReport::Instance();
    QVERIFY(!data.IsOpen(Command::cmdNotes));
    QVERIFY(data.Execute(Command::cmdNotes, "QDN-1"));
    const reports::RowsetPtr first = data.Result(Command::cmdNotes);
    QVERIFY(data.IsOpen(Command::cmdNotes));
    QVERIFY(!data.IsOpen(Command::cmdInvoice));
    data.Close(Command::cmdNotes);
    QVERIFY(!data.IsOpen(Command::cmdNotes));
    QCOMPARE(first->RowCount(), 1); // a closed result still reads for the report laid out from it
    QVERIFY(data.Execute(Command::cmdNotes, "QDN-1"));
    QVERIFY(data.IsOpen(Command::cmdNotes));
    QVERIFY(data.Result(Command::cmdNotes) != first);
}

void TestReportData::readsLeaveTheFileFreeForSaves() {
    ReportFixture f;
    for (int i = 1; i <= 50; ++i)
        QVERIFY(f.seedClient(QStringLiteral("QD-%1").arg(i), "Home", QStringLiteral("C%1").arg(i)));
    DataReport &data = DataReport::Instance();
    QVERIFY(data.Execute(Command::cmdClients));
    QVERIFY(data.Execute(Command::cmdClientByType_Grouping));
    QVERIFY(data.IsConnected());
    // The program's saves go through connections of their own while the report one stays open.
    QVERIFY(f.folder.exec("DELETE FROM tblClients WHERE ClientID = 'QD-1'"));
    QCOMPARE(f.folder.value("SELECT COUNT(*) FROM tblClients").toInt(), 49);
}

void TestReportData::missingDatabaseIsNotCreated() {
    ReportFixture f;
    QFile::remove(f.folder.databasePath());
    DataReport &data = DataReport::Instance();
    QVERIFY(!data.Execute(Command::cmdClients));
    QVERIFY(!data.Result(Command::cmdClients));
    QVERIFY(!data.IsOpen(Command::cmdClients));
    QVERIFY(!QFile::exists(f.folder.databasePath()));
    QVERIFY(!data.LastError().isEmpty());
}

void TestReportData::closeAllReleasesDataSource() {
    ReportFixture f;
    QVERIFY(DataReport::Instance().Execute(Command::cmdAddress));
    QVERIFY(DataReport::Exists());
    modGlobal::CloseAll();
    QCOMPARE(f.processEndCode, 0);
    QVERIFY(!DataReport::Exists());
    QVERIFY(!QSqlDatabase::contains(QStringLiteral("conReport")));
    // Used again after that, it comes back as new.
    QVERIFY(!DataReport::Instance().IsConnected());
}

BRISOLA_TEST_MAIN(TestReportData)
#include "tst_report_data.moc"

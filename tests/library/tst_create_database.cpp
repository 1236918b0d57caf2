// The build step that delivers home/home.qd: it makes the database from the schema when there
// is none, and never touches one that exists, since that holds the owner's records.
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QString output;
};

Run createDatabase(const QString &schema, const QString &database) {
    QProcess cmake;
    cmake.setProcessChannelMode(QProcess::MergedChannels);
    cmake.start(QStringLiteral(BRISOLA_CMAKE_COMMAND),
                {QStringLiteral("-DSCHEMA=") + schema, QStringLiteral("-DDATABASE=") + database,
                 QStringLiteral("-P"), QStringLiteral(BRISOLA_SOURCE_DIR "/cmake/create_database.cmake")});
    Run run;
    if (!cmake.waitForFinished(60000))
        return run;
    run.exitCode = cmake.exitStatus() == QProcess::NormalExit ? cmake.exitCode() : -1;
    run.output = QString::fromLocal8Bit(cmake.readAll());
    return run;
}

QStringList tablesOf(const QString &file) {
    QStringList tables;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("schema-check"));
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                           "name NOT LIKE 'sqlite_%' ORDER BY name"),
                            db);
            while (query.next())
                tables << query.value(0).toString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("schema-check"));
    return tables;
}

} // namespace

class tst_CreateDatabase : public QObject {
    Q_OBJECT

private slots:
    void createsMissingDatabase();
    void leavesExistingFileAlone_data();
    void leavesExistingFileAlone();
    void failedSchemaLeavesNoFile();
};

void tst_CreateDatabase::createsMissingDatabase() {
    QTemporaryDir dir;
    const QString database = dir.filePath(QStringLiteral("app/home/home.qd"));
    const Run run = createDatabase(QStringLiteral(BRISOLA_SCHEMA_FILE), database);
    QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    QVERIFY(QFileInfo(database).isFile());
    QCOMPARE(tablesOf(database), QStringList({"tblAddress", "tblBilling", "tblClients", "tblInvoices",
                                              "tblNotes", "tblOwner", "tblPayments"}));
    QVERIFY(!QFile::exists(database + QStringLiteral(".partial")));
}

void tst_CreateDatabase::leavesExistingFileAlone_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("withRecords"); // a real database holding a client instead
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("not a database") << QByteArray("the owner's own file\n") << false;
    QTest::newRow("database with records") << QByteArray() << true;
}

void tst_CreateDatabase::leavesExistingFileAlone() {
    QFETCH(QByteArray, content);
    QFETCH(bool, withRecords);
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("home"));
    const QString database = dir.filePath(QStringLiteral("home/home.qd"));
    if (withRecords) {
        QVERIFY(createDatabase(QStringLiteral(BRISOLA_SCHEMA_FILE), database).exitCode == 0);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
            db.setDatabaseName(database);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("INSERT INTO tblClients (ClientID) VALUES ('QD-1')")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    } else {
        QFile file(database);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const QDateTime past = QDateTime::currentDateTime().addDays(-30);
    {
        QFile file(database);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(past, QFileDevice::FileModificationTime));
    }
    QFile original(database);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();
    const QDateTime mtime = QFileInfo(database).lastModified();

    const Run run = createDatabase(QStringLiteral(BRISOLA_SCHEMA_FILE), database);
    QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(original.readAll(), before);
    QCOMPARE(QFileInfo(database).lastModified(), mtime);
    QCOMPARE(QDir(dir.filePath(QStringLiteral("home"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({"home.qd"}));
}

void tst_CreateDatabase::failedSchemaLeavesNoFile() {
    QTemporaryDir dir;
    const QString schema = dir.filePath(QStringLiteral("broken.sql"));
    {
        QFile file(schema);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("CREATE TABLE tblNotes (NoteID TEXT);\nCREATE TABLE oops (;\n");
    }
    const QString database = dir.filePath(QStringLiteral("home/home.qd"));
    const Run run = createDatabase(schema, database);
    QVERIFY(run.exitCode != 0);
    QVERIFY(!QFile::exists(database));
    QVERIFY(!QFile::exists(database + QStringLiteral(".partial")));
}

BRISOLA_TEST_MAIN(tst_CreateDatabase)
#include "tst_create_database.moc"

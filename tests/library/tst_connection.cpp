// The entry point, the settings of a new House, and the connection: closed after every call,
// waiting briefly for another user of the file, and never damaging a file it cannot use.
#include "LibraryTestUtil.h"
#include "MessageBoxHelper.h"
#include "TestAppFolder.h"
#include "TestMain.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>

#include <future>
#include <thread>

using ordwen::_House;

namespace {

// A connection of the test's own to the database file, standing in for another program.
class OtherUser {
public:
    explicit OtherUser(const QString &file)
        : m_name(QStringLiteral("other-") + QUuid::createUuid().toString(QUuid::Id128)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
        db.open();
    }
    ~OtherUser() {
        QSqlDatabase::database(m_name).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    bool exec(const QString &sql) {
        QSqlQuery query(QSqlDatabase::database(m_name));
        return query.exec(sql);
    }

private:
    QString m_name;
};

// Another user can lock the whole file at once only when no call left a transaction, a
// statement or the file itself open.
bool fileIsFree(const QString &file) {
    if (processHasFileOpen(file))
        return false;
    OtherUser other(file);
    const bool locked = other.exec(QStringLiteral("BEGIN EXCLUSIVE"));
    other.exec(QStringLiteral("ROLLBACK"));
    return locked;
}

QByteArray fileBytes(const QString &file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class tst_Connection : public QObject {
    Q_OBJECT

private slots:
    void entryPoint_data();
    void entryPoint();
    void newHouseIsConfiguredButClosed();
    void closedAfterEveryCall_data();
    void closedAfterEveryCall();
    void shortLockIsWaitedFor();
    void lockedDatabase();
    void refusedCommit();
    void readOnlyDatabase();
    void fileThatIsNotADatabase();
    void folderNameWithUnusualCharacters();
};

void tst_Connection::entryPoint_data() {
    QTest::addColumn<QByteArray>("clsid");
    QTest::addColumn<QByteArray>("iid");
    QTest::addColumn<bool>("nullIid");
    QTest::addColumn<int>("status");

    const QByteArray house = ordwen::CLSID_House;
    QTest::newRow("House") << house << QByteArray(ordwen::IID__House) << false << ordwen::S_OK_;
    QTest::newRow("House, no interface named") << house << QByteArray() << true << ordwen::S_OK_;
    QTest::newRow("House in lower case")
        << house.toLower() << QByteArray(ordwen::IID__House).toLower() << false << ordwen::S_OK_;
    QTest::newRow("unknown class") << QByteArray("{00000000-0000-0000-0000-000000000000}")
                                   << QByteArray(ordwen::IID__House) << false
                                   << ordwen::CLASS_E_CLASSNOTAVAILABLE_;
    QTest::newRow("type library is no class")
        << QByteArray(ordwen::LIBID_ordwen) << QByteArray() << true << ordwen::CLASS_E_CLASSNOTAVAILABLE_;
    QTest::newRow("class without braces")
        << house.mid(1, house.size() - 2) << QByteArray() << true << ordwen::CLASS_E_CLASSNOTAVAILABLE_;
    QTest::newRow("House, other interface")
        << house << QByteArray(ordwen::LIBID_ordwen) << false << ordwen::E_NOINTERFACE_;
}

void tst_Connection::entryPoint() {
    QFETCH(QByteArray, clsid);
    QFETCH(QByteArray, iid);
    QFETCH(bool, nullIid);
    QFETCH(int, status);
    TestAppFolder folder;

    int dummy = 0;
    void *object = &dummy; // must be overwritten either way
    QCOMPARE(DllGetClassObject(clsid.constData(), nullIid ? nullptr : iid.constData(), &object), status);
    if (status == ordwen::S_OK_) {
        QVERIFY(object && object != &dummy);
        HousePtr house(static_cast<_House *>(object));
        QStringList note = {"QDN-1", "made through the entry point"};
        QVERIFY(house->AddNotes(note));
    } else {
        QVERIFY(object == nullptr);
    }
    QCOMPARE(DllGetClassObject(ordwen::CLSID_House, nullptr, nullptr), ordwen::E_POINTER_);
}

void tst_Connection::newHouseIsConfiguredButClosed() {
    TestAppFolder folder(false);
    MessageBoxHelper boxes;
    HousePtr house = makeHouse();
    QVERIFY(house);
    const QString expected = QStringLiteral("Provider=QSQLITE;User ID=;Data Source=") + folder.path() +
                             QStringLiteral("/home/home.qd;Persist Security Info=False;");
    QCOMPARE(house->strConnect(), expected);
    QVERIFY(house->conDataBase());
    QCOMPARE(house->conDataBase()->ConnectionString(), expected);
    QCOMPARE(house->conDataBase()->DataSource(), folder.databasePath());
    QCOMPARE(house->conDataBase()->CursorLocation(), ordwen::adUseClient);
    QVERIFY(!house->conDataBase()->IsOpen());
    QCOMPARE(house->strFunction(), QString());
    QCOMPARE(boxes.count(), 0);
    QVERIFY(!QFile::exists(folder.databasePath()));
    QVERIFY(!QFile::exists(folder.errorLogPath()));
}

void tst_Connection::closedAfterEveryCall_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("write") << "write";
    QTest::newRow("failed write") << "failed write";
    QTest::newRow("update") << "update";
    QTest::newRow("number") << "number";
    QTest::newRow("failed number") << "failed number";
    QTest::newRow("read") << "read";
    QTest::newRow("failed read") << "failed read";
    QTest::newRow("delete answered yes") << "delete yes";
    QTest::newRow("delete answered no") << "delete no";
}

void tst_Connection::closedAfterEveryCall() {
    QFETCH(QString, kind);
    TestAppFolder folder;
    MessageBoxHelper boxes;
    QVERIFY(folder.exec("INSERT INTO tblNotes (NoteID,NoteText) VALUES ('QDN-1','first')"));
    if (kind.startsWith(QLatin1String("failed")))
        QVERIFY(folder.exec("DROP TABLE tblNotes"));
    HousePtr house = makeHouse();
    QStringList note = {"QDN-2", "second"};

    // Twice on the same object: each call opens the connection again and closes it.
    for (int round = 0; round < 2; ++round) {
        // A failed write or number call tells the user; a failed read does not.
        if (kind == QLatin1String("failed write") || kind == QLatin1String("failed number"))
            boxes.answer(QMessageBox::Ok);
        if (kind == QLatin1String("write") || kind == QLatin1String("failed write")) {
            note[0] = QStringLiteral("QDN-%1").arg(round + 2);
            QCOMPARE(house->AddNotes(note), kind == QLatin1String("write"));
        } else if (kind == QLatin1String("update")) {
            QVERIFY(house->UpdateNotes(note));
        } else if (kind.endsWith(QLatin1String("number"))) {
            QCOMPARE(bool(house->GetNewNoteID()), kind == QLatin1String("number"));
        } else if (kind.endsWith(QLatin1String("read"))) {
            QCOMPARE(bool(house->LoadNotes()), kind == QLatin1String("read"));
        } else {
            const bool yes = kind == QLatin1String("delete yes");
            boxes.answer(yes ? QMessageBox::Yes : QMessageBox::No);
            QCOMPARE(house->DeleteNote(QStringLiteral("QDN-1")), yes);
        }
        QVERIFY(!house->conDataBase()->IsOpen());
        QVERIFY2(fileIsFree(folder.databasePath()), qPrintable(kind));
        // Each round's box took its answer: none is left over for the next round's box.
        QVERIFY(!boxes.pendingAnswers());
    }
    if (kind == QLatin1String("write"))
        QCOMPARE(folder.value("SELECT COUNT(*) FROM tblNotes").toInt(), 3);
}

// Another program holding the file for a moment must not make a save fail.
void tst_Connection::shortLockIsWaitedFor() {
    TestAppFolder folder;
    MessageBoxHelper boxes;
    HousePtr house = makeHouse();
    const QString file = folder.databasePath();
    std::promise<bool> locked;
    std::future<bool> lockTaken = locked.get_future();
    std::thread holder([&] {
        OtherUser other(file);
        const bool ok = other.exec(QStringLiteral("BEGIN EXCLUSIVE"));
        locked.set_value(ok);
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        other.exec(QStringLiteral("COMMIT"));
    });
    const bool ok = lockTaken.get();
    QElapsedTimer timer;
    timer.start();
    QStringList note = {"QDN-1", "waited"};
    const bool saved = house->AddNotes(note);
    const qint64 waited = timer.elapsed();
    holder.join();
    QVERIFY(ok);
    QVERIFY(saved);
    QVERIFY2(waited >= 200, qPrintable(QString::number(waited)));
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(folder.value("SELECT NoteText FROM tblNotes").toString(), QStringLiteral("waited"));
}

// A lock that outlasts the wait fails the save like any other engine error; the file stays
// as it was.
void tst_Connection::lockedDatabase() {
    TestAppFolder folder;
    MessageBoxHelper boxes;
    HousePtr house = makeHouse();
    const QByteArray before = fileBytes(folder.databasePath());
    QElapsedTimer timer;
    {
        OtherUser other(folder.databasePath());
        QVERIFY(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        timer.start();
        QStringList note = {"QDN-1", "blocked"};
        boxes.answer(QMessageBox::Ok);
        QVERIFY(!house->AddNotes(note));
        QVERIFY(!house->conDataBase()->IsOpen());
        other.exec(QStringLiteral("ROLLBACK"));
    }
    const qint64 waited = timer.elapsed();
    QVERIFY2(waited >= 1000 && waited < 60000, qPrintable(QString::number(waited)));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().text,
             failureMessage(5, QStringLiteral("database is locked"), QStringLiteral("AddNotes")));
    const QList<QByteArray> lines = logLines(folder.errorLog());
    QCOMPARE(lines.size(), 9);
    verifyTimeLine(lines[4], QStringLiteral(" Error: 5"));
    QCOMPARE(lines[5], QByteArray("AddNotes - DLL Function"));
    QCOMPARE(lines[7], QByteArray("database is locked"));
    QCOMPARE(fileBytes(folder.databasePath()), before);
    QVERIFY(fileIsFree(folder.databasePath()));
}

// A reader that keeps the file past the wait lets the statement run but refuses its commit:
// the save fails with the engine's own number, a confirmed delete is no success, and
// nothing of either is stored.
void tst_Connection::refusedCommit() {
    TestAppFolder folder;
    MessageBoxHelper boxes;
    QVERIFY(folder.exec("INSERT INTO tblNotes (NoteID,NoteText) VALUES ('QDN-1','kept')"));
    HousePtr house = makeHouse();
    QStringList note = {"QDN-2", "not committed"};
    bool saved = true;
    bool deleted = true;
    {
        OtherUser other(folder.databasePath());
        QVERIFY(other.exec(QStringLiteral("BEGIN")));
        QVERIFY(other.exec(QStringLiteral("SELECT COUNT(*) FROM tblNotes")));
        boxes.answer(QMessageBox::Ok);
        saved = house->AddNotes(note);
        QVERIFY(!house->conDataBase()->IsOpen());
        boxes.answer(QMessageBox::Yes);
        deleted = house->DeleteNote(QStringLiteral("QDN-1"));
        QVERIFY(!house->conDataBase()->IsOpen());
        other.exec(QStringLiteral("ROLLBACK"));
    }
    QVERIFY(!saved);
    QVERIFY(!deleted);
    QCOMPARE(boxes.count(), 2);
    EXPECT_BOX(boxes.shown().at(0),
               failureMessage(5, QStringLiteral("database is locked"), QStringLiteral("AddNotes")),
               QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Ordwen"));
    EXPECT_BOX(boxes.shown().at(1),
               QStringLiteral("Delete this Note Record?\r\n\r\nOnce deleted it can't be recovered!"),
               QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
               QStringLiteral("** WARNING **"));
    const QList<QByteArray> lines = logLines(folder.errorLog());
    QCOMPARE(lines.size(), 9);
    verifyTimeLine(lines[4], QStringLiteral(" Error: 5"));
    QCOMPARE(lines[7], QByteArray("database is locked"));
    QCOMPARE(folder.rows("SELECT NoteID, NoteText FROM tblNotes"),
             QList<QVariantMap>({{{"NoteID", "QDN-1"}, {"NoteText", "kept"}}}));
    QVERIFY(fileIsFree(folder.databasePath()));
}

// A database the user may only read: saves fail as usual and the file stays as it was.
void tst_Connection::readOnlyDatabase() {
    TestAppFolder folder;
    MessageBoxHelper boxes;
    const QString file = folder.databasePath();
    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    {
        QFile probe(file);
        if (probe.open(QIODevice::ReadWrite))
            QSKIP("This user may write read-only files (administrator)");
    }
    const QByteArray before = fileBytes(file);
    HousePtr house = makeHouse();

    ordwen::RecordsetPtr notes = house->LoadNotes();
    QVERIFY(notes);
    QCOMPARE(notes->RecordCount(), 0);
    QStringList note = {"QDN-1", "text"};
    boxes.answer(QMessageBox::Ok);
    QVERIFY(!house->AddNotes(note));
    QCOMPARE(boxes.count(), 1);
    QVERIFY2(boxes.last().text.startsWith(QStringLiteral("ERROR # 8\r\n\r\n")),
             qPrintable(boxes.last().text));
    QVERIFY(boxes.last().text.endsWith(QStringLiteral("\r\nFunction: AddNotes")));
    const QList<QByteArray> lines = logLines(folder.errorLog());
    QCOMPARE(lines.size(), 9);
    verifyTimeLine(lines[4], QStringLiteral(" Error: 8"));
    QCOMPARE(fileBytes(file), before);
    QVERIFY(!house->conDataBase()->IsOpen());
}

void tst_Connection::fileThatIsNotADatabase() {
    TestAppFolder folder;
    MessageBoxHelper boxes;
    QByteArray garbage;
    for (int i = 0; i < 200; ++i)
        garbage += "These are the owner's notes, not a database. ";
    {
        QFile file(folder.databasePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(garbage);
    }
    HousePtr house = makeHouse();

    QStringList note = {"QDN-1", "text"};
    boxes.answer(QMessageBox::Ok);
    QVERIFY(!house->AddNotes(note));
    QCOMPARE(boxes.count(), 1);
    QVERIFY2(boxes.last().text.startsWith(QStringLiteral("ERROR # 26\r\n\r\nfile is not a database")),
             qPrintable(boxes.last().text));
    QVERIFY(boxes.last().text.endsWith(QStringLiteral("\r\nFunction: AddNotes")));
    const QList<QByteArray> lines = logLines(folder.errorLog());
    QCOMPARE(lines.size(), 9);
    verifyTimeLine(lines[4], QStringLiteral(" Error: 26"));
    QVERIFY(lines[7].startsWith("file is not a database"));

    QVERIFY(!house->LoadClients());
    QStringList client(22, QStringLiteral("x"));
    QVERIFY(!house->UpdateClient(client, 1));
    boxes.answer(QMessageBox::Yes);
    QVERIFY(!house->DeleteNote(QStringLiteral("QDN-1")));

    QCOMPARE(fileBytes(folder.databasePath()), garbage);
    QVERIFY(!QFile::exists(folder.databasePath() + "-journal"));
}

// The owner chooses where the program lies; blanks, '#', '?', '%' and letters beyond ASCII
// in that folder must not keep the library from its file nor make it create another one.
void tst_Connection::folderNameWithUnusualCharacters() {
    TestAppFolder folder;
    MessageBoxHelper boxes;
    const QString app = folder.filePath(QStringLiteral("My Apps #2 ?x=1 %41 Zoë's; v2"));
    QVERIFY(QDir().mkpath(app + QStringLiteral("/home")));
    QVERIFY(QFile::copy(folder.databasePath(), app + QStringLiteral("/home/home.qd")));
    OrdwenSetApplicationFolder(QFile::encodeName(app).constData());
    HousePtr house = makeHouse();

    QStringList note = {"QDN-1", "found"};
    QVERIFY(house->AddNotes(note));
    ordwen::RecordsetPtr notes = house->LoadNotes();
    QVERIFY(notes);
    QCOMPARE(notes->RecordCount(), 1);
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(folder.value("SELECT COUNT(*) FROM tblNotes").toInt(), 0); // the other copy
    const QStringList entries = QDir(app + QStringLiteral("/home")).entryList(QDir::Files);
    QCOMPARE(entries, QStringList({"home.qd"}));
    QVERIFY(!processHasFileOpen(app + QStringLiteral("/home/home.qd")));
}

BRISOLA_TEST_MAIN(tst_Connection)
#include "tst_connection.moc"

// The read, number and delete calls of House, and a House whose database file is missing.
#include "LibraryTestUtil.h"
#include "MessageBoxHelper.h"
#include "TestAppFolder.h"
#include "TestMain.h"

#include <QFile>
#include <QTest>

using ordwen::_House;
using ordwen::RecordsetPtr;
using RecordsetCall = RecordsetPtr (_House::*)();
Q_DECLARE_METATYPE(RecordsetCall)

namespace {

struct NamedCall {
    const char *name;
    RecordsetCall call;
};

const NamedCall kReadCalls[] = {
    {"LoadClients", &_House::LoadClients},      {"LoadNotes", &_House::LoadNotes},
    {"LoadInvoices", &_House::LoadInvoices},    {"LoadNames", &_House::LoadNames},
    {"LoadOwner", &_House::LoadOwner},          {"RefreshClients", &_House::RefreshClients},
    {"RefreshAddress", &_House::RefreshAddress}};

const NamedCall kNumberCalls[] = {
    {"GetNewClientID", &_House::GetNewClientID},   {"GetNewNoteID", &_House::GetNewNoteID},
    {"GetNewInvoiceID", &_House::GetNewInvoiceID}, {"GetNewNameID", &_House::GetNewNameID},
    {"GetNewAddressID", &_House::GetNewAddressID}, {"GetNewBillID", &_House::GetNewBillID}};

bool callDelete(_House &house, const QString &method, const QString &id) {
    if (method == QLatin1String("DeleteClient"))
        return house.DeleteClient(id);
    if (method == QLatin1String("DeleteNote"))
        return house.DeleteNote(id);
    if (method == QLatin1String("DeleteInvoice"))
        return house.DeleteInvoice(id);
    return house.DeleteAddress(id);
}

} // namespace

class tst_HouseReads : public QObject {
    Q_OBJECT

private slots:
    void readCall_data();
    void readCall();
    void numberCall_data();
    void numberCall();
    void nameAndAddressNumbersAgree();
    void loadClientsOrderAndDetachedCopy();
    void nullIsNotEmptyText();
    void recordsetEnds();
    void loadOwnerWithoutProfile();
    void deleteCall_data();
    void deleteCall();
    void missingDatabase();
};

void tst_HouseReads::readCall_data() {
    QTest::addColumn<RecordsetCall>("call");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<int>("fieldCount");
    QTest::addColumn<QString>("seed"); // inserts two rows
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value"); // of field in the first row

    QTest::newRow("LoadClients") << &_House::LoadClients
                                 << "SELECT * FROM tblClients ORDER BY ClientType,Client;" << 25
                                 << "INSERT INTO tblClients (ClientID,ClientType,Client) VALUES "
                                    "('QD-1','A','Ann'),('QD-2','B','Bob')"
                                 << "Client"
                                 << "Ann";
    QTest::newRow("RefreshClients") << &_House::RefreshClients << "SELECT ClientID FROM tblClients;" << 1
                                    << "INSERT INTO tblClients (ClientID) VALUES ('QD-1'),('QD-2')"
                                    << "ClientID"
                                    << "QD-1";
    QTest::newRow("LoadNotes")
        << &_House::LoadNotes << "SELECT * FROM tblNotes;" << 4
        << "INSERT INTO tblNotes (NoteID,NoteText) VALUES ('QDN-1','one'),('QDN-2','two')"
        << "NoteText"
        << "one";
    QTest::newRow("LoadInvoices")
        << &_House::LoadInvoices << "SELECT * FROM tblInvoices;" << 25
        << "INSERT INTO tblInvoices (InvoiceID,TotalAmt) VALUES ('INV-1',55),('INV-2',1)"
        << "TotalAmt"
        << "55";
    QTest::newRow("LoadNames")
        << &_House::LoadNames << "SELECT * FROM tblAddress;" << 15
        << "INSERT INTO tblAddress (AddressID,LName) VALUES ('A-1','D''Angelo'),('A-2','X')"
        << "LName"
        << "D'Angelo";
    QTest::newRow("RefreshAddress") << &_House::RefreshAddress << "SELECT AddressID FROM tblAddress;" << 1
                                    << "INSERT INTO tblAddress (AddressID) VALUES ('A-1'),('A-2')"
                                    << "AddressID"
                                    << "A-1";
    QTest::newRow("LoadOwner")
        << &_House::LoadOwner << "SELECT * FROM tblOwner;" << 13
        << "INSERT INTO tblOwner (OwnerID,Company) VALUES ('O-1','Shine'),('O-2','Two')"
        << "Company"
        << "Shine";
}

void tst_HouseReads::readCall() {
    QFETCH(RecordsetCall, call);
    QFETCH(QString, statement);
    QFETCH(int, fieldCount);
    QFETCH(QString, seed);
    QFETCH(QString, field);
    QFETCH(QString, value);
    TestAppFolder folder;
    MessageBoxHelper boxes;
    HousePtr house = makeHouse();

    RecordsetPtr empty = ((*house).*call)();
    QVERIFY(empty);
    QCOMPARE(lastStatement(), statement);
    QCOMPARE(empty->RecordCount(), 0);
    QVERIFY(empty->isEOF());
    QVERIFY(empty->isBOF());
    QCOMPARE(empty->FieldCount(), fieldCount);

    QVERIFY(folder.exec(seed));
    RecordsetPtr filled = ((*house).*call)();
    QVERIFY(filled);
    QCOMPARE(filled->RecordCount(), 2);
    QCOMPARE(filled->FieldCount(), fieldCount);
    QVERIFY(filled->FieldIndex(field) >= 0);
    filled->MoveFirst();
    QVERIFY(!filled->isEOF());
    QCOMPARE(filled->Fields(field).toString(), value);
    QCOMPARE(boxes.count(), 0);
}

void tst_HouseReads::numberCall_data() {
    QTest::addColumn<RecordsetCall>("call");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    for (const NamedCall &c : kNumberCalls) {
        const QString name = QString::fromLatin1(c.name);
        QString table = name == QLatin1String("GetNewClientID")    ? "tblClients"
                        : name == QLatin1String("GetNewNoteID")    ? "tblNotes"
                        : name == QLatin1String("GetNewInvoiceID") ? "tblInvoices"
                        : name == QLatin1String("GetNewBillID")    ? "tblBilling"
                                                                   : "tblAddress";
        QTest::newRow(c.name) << c.call << table << name.mid(3); // NewClientID, ...
    }
}

void tst_HouseReads::numberCall() {
    QFETCH(RecordsetCall, call);
    QFETCH(QString, table);
    QFETCH(QString, field);
    TestAppFolder folder;
    MessageBoxHelper boxes;
    HousePtr house = makeHouse();

    RecordsetPtr empty = ((*house).*call)();
    QVERIFY(empty);
    QCOMPARE(lastStatement(), "SELECT MAX(ID) AS [" + field + "] FROM " + table);
    QCOMPARE(empty->RecordCount(), 1);
    QCOMPARE(empty->FieldCount(), 1);
    QCOMPARE(empty->FieldName(0), field);
    empty->MoveFirst();
    QVERIFY(empty->IsNull(field));

    // The counter never reuses a number: after deleting the newest row the largest is the
    // one before it, and the next row still gets a new number.
    for (int i = 0; i < 3; ++i)
        QVERIFY(folder.exec("INSERT INTO " + table + " DEFAULT VALUES"));
    QVERIFY(folder.exec("DELETE FROM " + table + " WHERE ID = 3"));
    RecordsetPtr two = ((*house).*call)();
    QVERIFY(two);
    two->MoveFirst();
    QCOMPARE(two->Fields(field).toInt(), 2);
    QVERIFY(folder.exec("INSERT INTO " + table + " DEFAULT VALUES"));
    RecordsetPtr four = ((*house).*call)();
    QVERIFY(four);
    four->MoveFirst();
    QCOMPARE(four->Fields(0).toInt(), 4);
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(house->strFunction(), QString());
}

void tst_HouseReads::nameAndAddressNumbersAgree() {
    TestAppFolder folder;
    HousePtr house = makeHouse();
    QVERIFY(folder.exec("INSERT INTO tblAddress (AddressID) VALUES ('A-1'),('A-2'),('A-3')"));
    RecordsetPtr name = house->GetNewNameID();
    RecordsetPtr address = house->GetNewAddressID();
    QVERIFY(name && address);
    name->MoveFirst();
    address->MoveFirst();
    QCOMPARE(name->Fields("NewNameID").toInt(), 3);
    QCOMPARE(address->Fields("NewAddressID"), name->Fields("NewNameID"));
}

void tst_HouseReads::loadClientsOrderAndDetachedCopy() {
    TestAppFolder folder;
    QVERIFY(folder.exec("INSERT INTO tblClients (ClientID,ClientType,Client) VALUES "
                        "('QD-1','Residential','Zed'),('QD-2','Commercial','Bob'),"
                        "('QD-3','Residential','Amy'),('QD-4','Commercial','Al')"));
    HousePtr house = makeHouse();
    RecordsetPtr clients = house->LoadClients();
    QVERIFY(clients);

    // The copy belongs to the caller: emptying the table afterwards does not change it.
    QVERIFY(folder.exec("DELETE FROM tblClients"));
    QStringList order;
    for (clients->MoveFirst(); !clients->isEOF(); clients->MoveNext())
        order << clients->Fields("ClientType").toString() + "/" + clients->Fields("Client").toString();
    QCOMPARE(order, QStringList({"Commercial/Al", "Commercial/Bob", "Residential/Amy", "Residential/Zed"}));
}

void tst_HouseReads::nullIsNotEmptyText() {
    TestAppFolder folder;
    QVERIFY(folder.exec("INSERT INTO tblNotes (NoteID,NoteText) VALUES ('QDN-1',NULL),('QDN-2','')"));
    HousePtr house = makeHouse();
    RecordsetPtr notes = house->LoadNotes();
    QVERIFY(notes);
    notes->MoveFirst();
    QCOMPARE(notes->Fields("NoteID").toString(), QStringLiteral("QDN-1"));
    QVERIFY(notes->IsNull("NoteText"));
    QVERIFY(!notes->Fields("NoteText").isValid());
    QCOMPARE(notes->Text("NoteText"), QString());
    notes->MoveNext();
    QCOMPARE(notes->Fields("noteid").toString(), QStringLiteral("QDN-2")); // names ignore case
    QVERIFY(!notes->IsNull("NoteText"));
    QVERIFY(notes->Fields("NoteText").isValid());
    QCOMPARE(notes->Fields("NoteText").toString(), QString());
    notes->MoveNext();
    QVERIFY(notes->isEOF());
}

// Walking off either end of the rows leaves no current row: fields read as nothing, and
// stepping back in comes to the row at that end.
void tst_HouseReads::recordsetEnds() {
    TestAppFolder folder;
    QVERIFY(folder.exec("INSERT INTO tblNotes (NoteID) VALUES ('QDN-1'),('QDN-2')"));
    HousePtr house = makeHouse();
    RecordsetPtr notes = house->LoadNotes();
    QVERIFY(notes);

    QVERIFY(!notes->isBOF() && !notes->isEOF());
    QCOMPARE(notes->Fields("NoteID").toString(), QStringLiteral("QDN-1"));
    notes->MovePrevious();
    QVERIFY(notes->isBOF() && !notes->isEOF());
    QVERIFY(!notes->Fields("NoteID").isValid());
    notes->MovePrevious();
    QVERIFY(notes->isBOF());
    notes->MoveNext();
    QCOMPARE(notes->Fields("NoteID").toString(), QStringLiteral("QDN-1"));

    notes->MoveNext();
    notes->MoveNext();
    QVERIFY(notes->isEOF() && !notes->isBOF());
    QVERIFY(!notes->Fields(0).isValid());
    notes->MoveNext();
    QVERIFY(notes->isEOF());
    notes->MovePrevious();
    QCOMPARE(notes->Fields("NoteID").toString(), QStringLiteral("QDN-2"));

    QVERIFY(!notes->Fields("NoSuchField").isValid());
    QVERIFY(!notes->Fields(-1).isValid());
    QVERIFY(!notes->Fields(notes->FieldCount()).isValid());

    notes->Close();
    QVERIFY(!notes->isOpen());
    QVERIFY(notes->isBOF() && notes->isEOF());
    QVERIFY(!notes->Fields("NoteID").isValid());
}

// No profile is a recordset without rows; a failed query is nothing. Start-up tells them apart.
void tst_HouseReads::loadOwnerWithoutProfile() {
    TestAppFolder folder;
    HousePtr house = makeHouse();
    RecordsetPtr owner = house->LoadOwner();
    QVERIFY(owner);
    QCOMPARE(owner->RecordCount(), 0);

    QVERIFY(folder.exec("DROP TABLE tblOwner"));
    QVERIFY(!house->LoadOwner());
}

void tst_HouseReads::deleteCall_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("idColumn");
    QTest::addColumn<QString>("noun");
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("rowsLeft"); // of two: the one named and another

    const struct {
        const char *method, *table, *idColumn, *noun;
    } kinds[] = {{"DeleteClient", "tblClients", "ClientID", "Client"},
                 {"DeleteNote", "tblNotes", "NoteID", "Note"},
                 {"DeleteInvoice", "tblInvoices", "InvoiceID", "Invoice"},
                 {"DeleteAddress", "tblAddress", "AddressID", "Address"}};
    for (const auto &k : kinds) {
        QTest::addRow("%s yes", k.method)
            << k.method << k.table << k.idColumn << k.noun << "X-1" << int(QMessageBox::Yes) << true << 1;
        QTest::addRow("%s no", k.method)
            << k.method << k.table << k.idColumn << k.noun << "X-1" << int(QMessageBox::No) << false << 2;
        QTest::addRow("%s yes, no such row", k.method)
            << k.method << k.table << k.idColumn << k.noun << "X-9" << int(QMessageBox::Yes) << true << 2;
    }
    QTest::newRow("identifier with apostrophe") << "DeleteClient"
                                                << "tblClients"
                                                << "ClientID"
                                                << "Client"
                                                << "X'1" << int(QMessageBox::Yes) << true << 1;
}

void tst_HouseReads::deleteCall() {
    QFETCH(QString, method);
    QFETCH(QString, table);
    QFETCH(QString, idColumn);
    QFETCH(QString, noun);
    QFETCH(QString, id);
    QFETCH(int, answer);
    QFETCH(bool, result);
    QFETCH(int, rowsLeft);
    TestAppFolder folder;
    MessageBoxHelper boxes;
    QString stored = id;
    stored.replace(QLatin1String("'"), QLatin1String("''"));
    const QString seeded = id == QLatin1String("X-9") ? QStringLiteral("X-1") : stored;
    QVERIFY(folder.exec("INSERT INTO " + table + " (" + idColumn + ") VALUES ('" + seeded + "')"));
    QVERIFY(folder.exec("INSERT INTO " + table + " (" + idColumn + ") VALUES ('X-2')"));
    HousePtr house = makeHouse();

    boxes.answer(QMessageBox::StandardButton(answer));
    QCOMPARE(callDelete(*house, method, id), result);
    QCOMPARE(lastStatement(), "DELETE FROM " + table + " WHERE " + idColumn + " = '" + stored + "';");
    QCOMPARE(boxes.count(), 1);
    EXPECT_BOX(boxes.last(), "Delete this " + noun + " Record?\r\n\r\nOnce deleted it can't be recovered!",
               QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
               QStringLiteral("** WARNING **"));

    QCOMPARE(folder.value("SELECT COUNT(*) FROM " + table).toInt(), rowsLeft);
    QCOMPARE(folder.value("SELECT COUNT(*) FROM " + table + " WHERE " + idColumn + " = 'X-2'").toInt(), 1);
    QVERIFY(!QFile::exists(folder.errorLogPath()));
}

// The program checks for the file before it creates a House; if it goes missing afterwards,
// nothing may create an empty database in its place.
void tst_HouseReads::missingDatabase() {
    TestAppFolder folder(false);
    MessageBoxHelper boxes;
    HousePtr house = makeHouse();
    QVERIFY(house);
    QCOMPARE(boxes.count(), 0);

    for (const NamedCall &c : kReadCalls)
        QVERIFY2(!((*house).*(c.call))(), c.name);
    QCOMPARE(boxes.count(), 0);

    for (const NamedCall &c : kNumberCalls) {
        boxes.answer(QMessageBox::Ok);
        QVERIFY2(!((*house).*(c.call))(), c.name);
        QCOMPARE(boxes.count(), 1);
        QVERIFY2(boxes.last().text.endsWith(QStringLiteral("\r\nFunction: ") + QLatin1String(c.name)),
                 qPrintable(boxes.last().text));
        QCOMPARE(house->strFunction(), QLatin1String(c.name));
        boxes.clear();
    }
    QVERIFY(!QFile::exists(folder.errorLogPath()));

    boxes.answer(QMessageBox::Yes);
    QVERIFY(!house->DeleteClient(QStringLiteral("QD-1")));
    boxes.clear();

    QStringList note = {"QDN-1", "text"};
    boxes.answer(QMessageBox::Ok);
    QVERIFY(!house->AddNotes(note));
    QCOMPARE(boxes.count(), 1);
    EXPECT_BOX(boxes.last(),
               failureMessage(14, QStringLiteral("unable to open database file"), QStringLiteral("AddNotes")),
               QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Ordwen"));
    QVERIFY(QFile::exists(folder.errorLogPath()));

    QVERIFY(!QFile::exists(folder.databasePath()));
    QCOMPARE(QDir(folder.filePath("home")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

BRISOLA_TEST_MAIN(tst_HouseReads)
#include "tst_house_reads.moc"

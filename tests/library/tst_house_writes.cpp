// The write calls of House: the exact statement each one sends, what is stored, and what the
// caller's text array holds afterwards.
#include "LibraryTestUtil.h"
#include "MessageBoxHelper.h"
#include "TestAppFolder.h"
#include "TestMain.h"

#include <QFile>
#include <QTest>

namespace {

QString tableOf(const QString &method) {
    if (method.endsWith(QLatin1String("Client")))
        return QStringLiteral("tblClients");
    if (method.endsWith(QLatin1String("Notes")))
        return QStringLiteral("tblNotes");
    if (method == QLatin1String("AddInvoice"))
        return QStringLiteral("tblInvoices");
    if (method.endsWith(QLatin1String("Address")))
        return QStringLiteral("tblAddress");
    return QStringLiteral("tblOwner");
}

// Element i as the caller passes it: an apostrophe, a NUL and a blank at each end, so that
// escaping, NUL removal and trimming all show in the statement.
QString rawElement(int i) {
    return QStringLiteral(" e'%1").arg(i) + QChar(0) + QStringLiteral("z ");
}
QString escapedElement(int i) {
    return QStringLiteral(" e''%1z ").arg(i);
}
QString cleanedElement(int i) {
    return QStringLiteral("e''%1z").arg(i);
}

QStringList rawArray(int count) {
    QStringList text;
    for (int i = 0; i < count; ++i)
        text << rawElement(i);
    return text;
}

// {uN}: element N escaped but untouched otherwise; {cN}: element N through Clean.
QString expand(QString pattern, int count) {
    for (int i = count - 1; i >= 0; --i) {
        pattern.replace(QStringLiteral("{u%1}").arg(i), escapedElement(i));
        pattern.replace(QStringLiteral("{c%1}").arg(i), cleanedElement(i));
    }
    return pattern;
}

const QString kOldStamp = QStringLiteral("2020-01-02 03:04:05");

} // namespace

class tst_HouseWrites : public QObject {
    Q_OBJECT

private slots:
    void statementAndStoredRow_data();
    void statementAndStoredRow();
    void feeNumberText_data();
    void feeNumberText();
    void serviceDate_data();
    void serviceDate();
    void storedNoteText_data();
    void storedNoteText();
    void clean_data();
    void clean();
    void updateWithUnknownIdentifier_data();
    void updateWithUnknownIdentifier();
    void updateOwnerChangesEveryRow_data();
    void updateOwnerChangesEveryRow();
    void shortArrayIsRefused_data();
    void shortArrayIsRefused();
    void shortestArrayIsAccepted_data();
    void shortestArrayIsAccepted();
};

void tst_HouseWrites::statementAndStoredRow_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("seed");        // a row the update call finds
    QTest::addColumn<QString>("statement");   // expected text, see expand()
    QTest::addColumn<QStringList>("columns"); // column of each element; empty when not written
    QTest::addColumn<QVariantMap>("fixed");   // other columns and their expected values
    QTest::addColumn<QString>("stamped");     // the column that gets the current date and time

    const QStringList clientColumns = {"ClientID", "ClientType", "Client", "Add1",     "Add2",    "City",
                                       "State",    "Zip",        "Phone",  "Contact",  "BAdd1",   "BAdd2",
                                       "BCity",    "BState",     "BZip",   "Schedule", "Service", "DayOfWeek",
                                       "FeeType",  "BSchedule",  "Pets",   "Notes"};
    const QStringList addressColumns = {"FName",  "LName",  "Address", "City",  "State",    "Zip",
                                        "HPhone", "WPhone", "CPhone",  "Email", "FullName", "AddressID"};
    QStringList ownerColumns = {"LName", "FName", "Company", "Address",  "City",   "State",
                                "Zip",   "Phone", "Email",   "FullName", "OwnerID"};

    QTest::newRow("AddClient")
        << "AddClient" << QString()
        << "INSERT INTO tblClients (ClientID,ClientType,Client,Add1,Add2,City,State,Zip,Phone,Contact,"
           "BAdd1,BAdd2,BCity,BState,BZip,Schedule,Service,DayOfWeek,Fee,FeeType,BSchedule,Pets,AddDate,"
           "Notes) VALUES ('{u0}','{u1}','{c2}','{c3}','{c4}','{c5}','{c6}','{c7}','{c8}','{c9}','{c10}',"
           "'{c11}','{c12}','{c13}','{c14}','{u15}','{u16}','{u17}',12.5,'{u18}','{u19}','{u20}','{now}',"
           "'{c21}');"
        << clientColumns << QVariantMap{{"Fee", 12.5}, {"ModDate", QVariant()}} << "AddDate";
    QTest::newRow("UpdateClient")
        << "UpdateClient"
        << "INSERT INTO tblClients (ClientID,Client,Fee,AddDate) VALUES (' e''0z ','Old',1,'" + kOldStamp +
               "')"
        << "UPDATE tblClients SET ClientType = '{u1}',Client = '{c2}',Add1 = '{c3}',Add2 = '{c4}',"
           "City = '{c5}',State = '{c6}',Zip = '{c7}',Phone = '{c8}',Contact = '{c9}',BAdd1 = '{c10}',"
           "BAdd2 = '{c11}',BCity = '{c12}',BState = '{c13}',BZip = '{c14}',Schedule = '{c15}',"
           "Service = '{c16}',DayOfWeek = '{c17}',Fee = 12.5,FeeType = '{c18}',BSchedule = '{c19}',"
           "Pets = '{c20}',Notes = '{c21}' WHERE ClientID = '{u0}';"
        << clientColumns << QVariantMap{{"Fee", 12.5}, {"AddDate", kOldStamp}} << QString();
    QTest::newRow("AddNotes")
        << "AddNotes" << QString()
        << "INSERT INTO tblNotes (NoteID,NoteText,AddDate) VALUES ('{u0}','{c1}','{now}');"
        << QStringList{"NoteID", "NoteText"} << QVariantMap() << "AddDate";
    QTest::newRow("UpdateNotes")
        << "UpdateNotes"
        << "INSERT INTO tblNotes (NoteID,NoteText,AddDate) VALUES (' e''0z ','Old','" + kOldStamp + "')"
        << "UPDATE tblNotes SET NoteText = '{c1}' WHERE NoteID = '{u0}';" << QStringList{"NoteID", "NoteText"}
        << QVariantMap{{"AddDate", kOldStamp}} << QString();
    // The fourth amount is the contract fee and the fifth the other services: the statement
    // writes them in column order, not in array order.
    QTest::newRow("AddInvoice")
        << "AddInvoice" << QString()
        << "INSERT INTO tblInvoices (InvoiceID,ClientID,ServiceDate,Client,BAdd1,BAdd2,BCity,BState,"
           "BZip,Hours,Rate,HourAmt,OtherCharges,OtherAmt,PastDue,ContractFee,TotalAmt,DayOfWeek,"
           "Schedule,Service,FeeType,Pets,Notes,AddDate) VALUES ('{u0}','{u1}','2024-03-05','{c2}',"
           "'{c3}','{c4}','{c5}','{c6}','{c7}',2,20,40,'{c8}',15,0.5,10.25,65.75,'{c9}','{c10}',"
           "'{c11}','{c12}','{c13}','{c14}','{now}');"
        << QStringList{"InvoiceID", "ClientID", "Client",  "BAdd1",        "BAdd2",
                       "BCity",     "BState",   "BZip",    "OtherCharges", "DayOfWeek",
                       "Schedule",  "Service",  "FeeType", "Pets",         "Notes"}
        << QVariantMap{{"ServiceDate", "2024-03-05"},
                       {"Hours", 2.0},
                       {"Rate", 20.0},
                       {"HourAmt", 40.0},
                       {"ContractFee", 10.25},
                       {"OtherAmt", 15.0},
                       {"PastDue", 0.5},
                       {"TotalAmt", 65.75}}
        << "AddDate";
    QTest::newRow("AddAddress")
        << "AddAddress" << QString()
        << "INSERT INTO tblAddress (AddressID,FName,LName,Address,City,State,Zip,HPhone,WPhone,CPhone,"
           "Email,FullName,AddDate) VALUES ('{u11}','{c0}','{c1}','{c2}','{c3}','{c4}','{c5}','{c6}',"
           "'{c7}','{c8}','{c9}','{c10}','{now}');"
        << addressColumns << QVariantMap{{"ModDate", QVariant()}} << "AddDate";
    QTest::newRow("UpdateAddress")
        << "UpdateAddress"
        << "INSERT INTO tblAddress (AddressID,FName,AddDate) VALUES (' e''11z ','Old','" + kOldStamp + "')"
        << "UPDATE tblAddress SET FName = '{c0}',LName = '{c1}',Address = '{c2}',City = '{c3}',"
           "State = '{c4}',Zip = '{c5}',HPhone = '{c6}',WPhone = '{c7}',CPhone = '{c8}',Email = '{c9}',"
           "FullName = '{c10}',ModDate = '{now}' WHERE AddressID = '{u11}';"
        << addressColumns << QVariantMap{{"AddDate", kOldStamp}} << "ModDate";
    QTest::newRow("AddOwner")
        << "AddOwner" << QString()
        << "INSERT INTO tblOwner (OwnerID,LName,FName,Company,Address,City,State,Zip,Phone,Email,"
           "FullName,AddDate) VALUES ('{u10}','{c0}','{c1}','{c2}','{c3}','{c4}','{c5}','{c6}','{c7}',"
           "'{c8}','{c9}','{now}');"
        << ownerColumns << QVariantMap{{"ModDate", QVariant()}} << "AddDate";
    ownerColumns[10].clear(); // the identifier of the profile never changes
    QTest::newRow("UpdateOwner")
        << "UpdateOwner"
        << "INSERT INTO tblOwner (OwnerID,LName,AddDate) VALUES ('OWN-1','Old','" + kOldStamp + "')"
        << "UPDATE tblOwner SET LName = '{c0}',FName = '{c1}',Company = '{c2}',Address = '{c3}',"
           "City = '{c4}',State = '{c5}',Zip = '{c6}',Phone = '{c7}',Email = '{c8}',FullName = '{c9}',"
           "ModDate = '{now}';"
        << ownerColumns << QVariantMap{{"OwnerID", "OWN-1"}, {"AddDate", kOldStamp}} << "ModDate";
}

void tst_HouseWrites::statementAndStoredRow() {
    QFETCH(QString, method);
    QFETCH(QString, seed);
    QFETCH(QString, statement);
    QFETCH(QStringList, columns);
    QFETCH(QVariantMap, fixed);
    QFETCH(QString, stamped);

    TestAppFolder folder;
    MessageBoxHelper boxes;
    if (!seed.isEmpty())
        QVERIFY(folder.exec(seed));
    HousePtr house = makeHouse();
    QVERIFY(house);

    const int count = elementCount(method);
    QStringList text = rawArray(count);
    QList<float> amounts = {2, 20, 40, 10.25f, 15, 0.5f, 65.75f};
    const QDateTime from = nowToSecond();
    QVERIFY(callWrite(*house, method, text, amounts, QDateTime(QDate(2024, 3, 5), QTime(0, 0)), 12.5f));
    const QDateTime to = QDateTime::currentDateTime();

    QCOMPARE(withNowPlaceholder(lastStatement(), from, to), expand(statement, count));
    QCOMPARE(boxes.count(), 0);
    QVERIFY(!QFile::exists(folder.errorLogPath()));
    QCOMPARE(house->strFunction(), QString());

    // Cleaned elements come back to the caller escaped but not trimmed; the others as passed.
    QCOMPARE(text.size(), count);
    for (int i = 0; i < count; ++i) {
        const bool cleaned = statement.contains(QStringLiteral("{c%1}").arg(i));
        QCOMPARE(text.at(i), cleaned ? escapedElement(i) : rawElement(i));
    }

    const QList<QVariantMap> rows = folder.rows("SELECT * FROM " + tableOf(method));
    QCOMPARE(rows.size(), 1);
    const QVariantMap &row = rows.first();
    for (int i = 0; i < columns.size(); ++i) {
        if (columns.at(i).isEmpty())
            continue;
        const bool cleaned = statement.contains(QStringLiteral("{c%1}").arg(i));
        const QString stored = cleaned ? QStringLiteral("e'%1z").arg(i) : QStringLiteral(" e'%1z ").arg(i);
        QVERIFY2(row.value(columns.at(i)).toString() == stored, qPrintable(columns.at(i)));
    }
    for (auto it = fixed.cbegin(); it != fixed.cend(); ++it) {
        const QVariant actual = row.value(it.key());
        if (it.value().typeId() == QMetaType::Double)
            QVERIFY2(actual.isValid() && actual.toDouble() == it.value().toDouble(), qPrintable(it.key()));
        else if (!it.value().isValid())
            QVERIFY2(!actual.isValid(), qPrintable(it.key()));
        else
            QVERIFY2(actual.toString() == it.value().toString(), qPrintable(it.key()));
    }
    if (!stamped.isEmpty())
        QVERIFY2(isStampBetween(row.value(stamped).toString(), from, to),
                 qPrintable(row.value(stamped).toString()));
}

void tst_HouseWrites::feeNumberText_data() {
    QTest::addColumn<float>("fee");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 45.0f << "45";
    QTest::newRow("one decimal") << 12.5f << "12.5";
    QTest::newRow("two decimals") << 10.25f << "10.25";
    QTest::newRow("not exact in binary") << 19.99f << "19.99";
    QTest::newRow("tenth") << 0.1f << "0.1";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("negative") << -3.0f << "-3";
    QTest::newRow("seven digits") << 1234567.0f << "1234567";
    QTest::newRow("thousands with cents") << 1234.56f << "1234.56";
}

void tst_HouseWrites::feeNumberText() {
    QFETCH(float, fee);
    QFETCH(QString, text);
    TestAppFolder folder;
    MessageBoxHelper boxes;
    HousePtr house = makeHouse();

    QStringList client = plainArray(22);
    QVERIFY(house->AddClient(client, fee));
    QVERIFY2(lastStatement().contains("'v17'," + text + ",'v18'"), qPrintable(lastStatement()));
    QCOMPARE(float(folder.value("SELECT Fee FROM tblClients").toDouble()), fee);

    QVERIFY(house->UpdateClient(client, fee));
    QVERIFY2(lastStatement().contains("',Fee = " + text + ",FeeType = '"), qPrintable(lastStatement()));
    QCOMPARE(boxes.count(), 0);
}

void tst_HouseWrites::serviceDate_data() {
    QTest::addColumn<QDateTime>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("date only") << QDateTime(QDate(2024, 3, 5), QTime(0, 0)) << "2024-03-05";
    QTest::newRow("with time of day")
        << QDateTime(QDate(2024, 12, 31), QTime(14, 30, 15)) << "2024-12-31 14:30:15";
    QTest::newRow("one second past midnight")
        << QDateTime(QDate(2025, 1, 1), QTime(0, 0, 1)) << "2025-01-01 00:00:01";
}

void tst_HouseWrites::serviceDate() {
    QFETCH(QDateTime, date);
    QFETCH(QString, text);
    TestAppFolder folder;
    MessageBoxHelper boxes;
    HousePtr house = makeHouse();

    QStringList invoice = plainArray(15);
    QList<float> amounts = {1, 2, 3, 4, 5, 6, 7};
    QVERIFY(house->AddInvoice(invoice, amounts, date));
    QVERIFY2(lastStatement().contains("'v1','" + text + "','v2'"), qPrintable(lastStatement()));
    QCOMPARE(folder.value("SELECT ServiceDate FROM tblInvoices").toString(), text);
}

void tst_HouseWrites::storedNoteText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("apostrophes") << "O'Brien's"
                                 << "O'Brien's";
    QTest::newRow("two apostrophes in a row") << "a''b"
                                              << "a''b";
    QTest::newRow("only blanks") << "    "
                                 << "";
    QTest::newRow("no text at all") << QString() << "";
    QTest::newRow("inner blanks kept") << "  two  words  "
                                       << "two  words";
    QTest::newRow("NUL characters") << QStringLiteral("a") + QChar(0) + "b" + QChar(0) << "ab";
    QTest::newRow("line breaks") << "line 1\r\nline 2"
                                 << "line 1\r\nline 2";
    QTest::newRow("non-ASCII") << QStringLiteral("Café Zoë – ½ € 日本")
                               << QStringLiteral("Café Zoë – ½ € 日本");
    QTest::newRow("statement in the text") << "x'); DROP TABLE tblNotes; --"
                                           << "x'); DROP TABLE tblNotes; --";
}

void tst_HouseWrites::storedNoteText() {
    QFETCH(QString, text);
    QFETCH(QString, stored);
    TestAppFolder folder;
    MessageBoxHelper boxes;
    HousePtr house = makeHouse();

    QStringList note = {"QDN-1", text};
    QVERIFY(house->AddNotes(note));
    QCOMPARE(folder.value("SELECT NoteText FROM tblNotes WHERE NoteID = 'QDN-1'").toString(), stored);
    QCOMPARE(folder.value("SELECT typeof(NoteText) FROM tblNotes").toString(), "text"); // never NULL

    QVERIFY(folder.exec("UPDATE tblNotes SET NoteText = 'other'"));
    QStringList changed = {"QDN-1", text};
    QVERIFY(house->UpdateNotes(changed));
    QCOMPARE(folder.value("SELECT COUNT(*) FROM tblNotes").toInt(), 1);
    QCOMPARE(folder.value("SELECT NoteText FROM tblNotes WHERE NoteID = 'QDN-1'").toString(), stored);
    QCOMPARE(folder.value("SELECT typeof(NoteText) FROM tblNotes").toString(), "text");
    QCOMPARE(boxes.count(), 0);
}

void tst_HouseWrites::clean_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("variable"); // the caller's variable afterwards
    QTest::newRow("apostrophe") << "O'Brien"
                                << "O''Brien"
                                << "O''Brien";
    QTest::newRow("apostrophe with blanks") << " a'b "
                                            << "a''b"
                                            << " a''b ";
    QTest::newRow("nothing to escape") << " abc "
                                       << "abc"
                                       << " abc ";
    QTest::newRow("two apostrophes in a row") << "''"
                                              << "''''"
                                              << "''''";
    QTest::newRow("apostrophes at both ends") << "'x'"
                                              << "''x''"
                                              << "''x''";
    QTest::newRow("NUL characters") << QStringLiteral("x") + QChar(0) + "y" + QChar(0) << "xy"
                                    << "xy";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void tst_HouseWrites::clean() {
    QFETCH(QString, text);
    QFETCH(QString, result);
    QFETCH(QString, variable);
    TestAppFolder folder;
    HousePtr house = makeHouse();
    QCOMPARE(house->Clean(text), result);
    QCOMPARE(text, variable);
}

void tst_HouseWrites::updateWithUnknownIdentifier_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("seed");
    QTest::addColumn<QString>("table");
    QTest::newRow("UpdateClient") << "UpdateClient"
                                  << "INSERT INTO tblClients (ClientID,Client,Fee) VALUES ('QD-1','Kept',5)"
                                  << "tblClients";
    QTest::newRow("UpdateNotes") << "UpdateNotes"
                                 << "INSERT INTO tblNotes (NoteID,NoteText) VALUES ('QDN-1','Kept')"
                                 << "tblNotes";
    QTest::newRow("UpdateAddress") << "UpdateAddress"
                                   << "INSERT INTO tblAddress (AddressID,FName) VALUES ('A-1','Kept')"
                                   << "tblAddress";
}

void tst_HouseWrites::updateWithUnknownIdentifier() {
    QFETCH(QString, method);
    QFETCH(QString, seed);
    QFETCH(QString, table);
    TestAppFolder folder;
    MessageBoxHelper boxes;
    QVERIFY(folder.exec(seed));
    const QList<QVariantMap> before = folder.rows("SELECT * FROM " + table);
    HousePtr house = makeHouse();

    QStringList text = plainArray(elementCount(method));
    text[method == QLatin1String("UpdateAddress") ? 11 : 0] = QStringLiteral("X-99");
    QList<float> amounts;
    QVERIFY(callWrite(*house, method, text, amounts, {}, 1.0f));
    QVERIFY(lastStatement().endsWith(" = 'X-99';"));
    QCOMPARE(folder.rows("SELECT * FROM " + table), before);
    QCOMPARE(boxes.count(), 0);
    QVERIFY(!QFile::exists(folder.errorLogPath()));
}

void tst_HouseWrites::updateOwnerChangesEveryRow_data() {
    QTest::addColumn<int>("rowCount");
    QTest::newRow("no profile") << 0;
    QTest::newRow("one profile") << 1;
    QTest::newRow("two profiles") << 2;
}

void tst_HouseWrites::updateOwnerChangesEveryRow() {
    QFETCH(int, rowCount);
    TestAppFolder folder;
    MessageBoxHelper boxes;
    for (int i = 1; i <= rowCount; ++i) {
        QVERIFY(folder.exec(QStringLiteral("INSERT INTO tblOwner (OwnerID,LName,Company,AddDate) "
                                           "VALUES ('OWN-%1','Old%1','Old Co','%2')")
                                .arg(i)
                                .arg(kOldStamp)));
    }
    HousePtr house = makeHouse();

    QStringList owner = plainArray(11);
    owner[2] = QStringLiteral("Sparkle & Shine");
    QVERIFY(house->UpdateOwner(owner));
    const QList<QVariantMap> rows = folder.rows("SELECT * FROM tblOwner ORDER BY OwnerID");
    QCOMPARE(rows.size(), rowCount);
    for (int i = 0; i < rowCount; ++i) {
        QCOMPARE(rows[i].value("OwnerID").toString(), QStringLiteral("OWN-%1").arg(i + 1));
        QCOMPARE(rows[i].value("LName").toString(), QStringLiteral("v0"));
        QCOMPARE(rows[i].value("Company").toString(), QStringLiteral("Sparkle & Shine"));
        QCOMPARE(rows[i].value("FullName").toString(), QStringLiteral("v9"));
        QCOMPARE(rows[i].value("AddDate").toString(), kOldStamp);
        QVERIFY(!rows[i].value("ModDate").toString().isEmpty());
    }
    QCOMPARE(boxes.count(), 0);
}

void tst_HouseWrites::shortArrayIsRefused_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<int>("elements");
    QTest::addColumn<int>("amountCount");
    const QStringList methods = {"AddClient",  "UpdateClient",  "AddNotes", "UpdateNotes", "AddInvoice",
                                 "AddAddress", "UpdateAddress", "AddOwner", "UpdateOwner"};
    for (const QString &method : methods) {
        const int needed = method == QLatin1String("UpdateOwner") ? 10 : elementCount(method);
        QTest::addRow("%s one element short", qPrintable(method)) << method << needed - 1 << 7;
        QTest::addRow("%s empty", qPrintable(method)) << method << 0 << 7;
    }
    QTest::newRow("AddInvoice one amount short") << "AddInvoice" << 15 << 6;
    QTest::newRow("AddInvoice no amounts") << "AddInvoice" << 15 << 0;
}

// Outside the contract, but a short array must not crash the program nor store half a record.
void tst_HouseWrites::shortArrayIsRefused() {
    QFETCH(QString, method);
    QFETCH(int, elements);
    QFETCH(int, amountCount);
    TestAppFolder folder;
    MessageBoxHelper boxes;
    const QString table = tableOf(method);
    QVERIFY(folder.exec("INSERT INTO " + table + " DEFAULT VALUES"));
    const QList<QVariantMap> before = folder.rows("SELECT * FROM " + table);
    HousePtr house = makeHouse();

    QStringList text = plainArray(elements);
    const QStringList passed = text;
    QList<float> amounts(amountCount, 1.0f);
    // It fails like any other save: logged, and shown to the user but for UpdateClient.
    const bool shown = method != QLatin1String("UpdateClient");
    if (shown)
        boxes.answer(QMessageBox::Ok);
    QVERIFY(!callWrite(*house, method, text, amounts, QDateTime(QDate(2024, 1, 1), QTime(0, 0)), 1.0f));
    QCOMPARE(folder.rows("SELECT * FROM " + table), before);
    QCOMPARE(text, passed);

    QCOMPARE(boxes.count(), shown ? 1 : 0);
    if (shown) {
        EXPECT_BOX(boxes.last(), failureMessage(9, QStringLiteral("Subscript out of range"), method),
                   QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Ordwen"));
    }
    const QList<QByteArray> lines = logLines(folder.errorLog());
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines[5], (shown ? method : QStringLiteral("UpdateTrap")).toLatin1() + " - DLL Function");
}

void tst_HouseWrites::shortestArrayIsAccepted_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<int>("elements");
    QTest::addColumn<QString>("check"); // finds the written row
    QTest::newRow("AddClient") << "AddClient" << 22 << "SELECT COUNT(*) FROM tblClients WHERE Notes = 'v21'";
    QTest::newRow("UpdateClient")
        << "UpdateClient" << 22 << "SELECT COUNT(*) FROM tblClients WHERE ClientID = 'v0' AND Notes = 'v21'";
    QTest::newRow("AddNotes") << "AddNotes" << 2 << "SELECT COUNT(*) FROM tblNotes WHERE NoteText = 'v1'";
    QTest::newRow("UpdateNotes") << "UpdateNotes" << 2
                                 << "SELECT COUNT(*) FROM tblNotes WHERE NoteID = 'v0' AND NoteText = 'v1'";
    QTest::newRow("AddInvoice") << "AddInvoice" << 15
                                << "SELECT COUNT(*) FROM tblInvoices WHERE Notes = 'v14' AND TotalAmt = 7";
    QTest::newRow("AddAddress") << "AddAddress" << 12
                                << "SELECT COUNT(*) FROM tblAddress WHERE AddressID = 'v11' AND FName = 'v0'";
    QTest::newRow("UpdateAddress")
        << "UpdateAddress" << 12
        << "SELECT COUNT(*) FROM tblAddress WHERE AddressID = 'v11' AND FullName = 'v10'";
    QTest::newRow("AddOwner") << "AddOwner" << 11 << "SELECT COUNT(*) FROM tblOwner WHERE OwnerID = 'v10'";
    // The profile's identifier never changes, so the update needs the ten values before it.
    QTest::newRow("UpdateOwner")
        << "UpdateOwner" << 10 << "SELECT COUNT(*) FROM tblOwner WHERE OwnerID = 'OWN-1' AND FullName = 'v9'";
}

// The arrays the program passes hold exactly what each call reads; none may be refused.
void tst_HouseWrites::shortestArrayIsAccepted() {
    QFETCH(QString, method);
    QFETCH(int, elements);
    QFETCH(QString, check);
    TestAppFolder folder;
    MessageBoxHelper boxes;
    QVERIFY(folder.exec("INSERT INTO tblClients (ClientID) VALUES ('v0')"));
    QVERIFY(folder.exec("INSERT INTO tblNotes (NoteID) VALUES ('v0')"));
    QVERIFY(folder.exec("INSERT INTO tblAddress (AddressID) VALUES ('v11')"));
    if (method == QLatin1String("UpdateOwner"))
        QVERIFY(folder.exec("INSERT INTO tblOwner (OwnerID) VALUES ('OWN-1')"));
    HousePtr house = makeHouse();

    QStringList text = plainArray(elements);
    QList<float> amounts = {1, 2, 3, 4, 5, 6, 7};
    QVERIFY(callWrite(*house, method, text, amounts, QDateTime(QDate(2024, 1, 1), QTime(0, 0)), 1.0f));
    QCOMPARE(folder.value(check).toInt(), 1);
    QCOMPARE(text.size(), elements);
    QCOMPARE(boxes.count(), 0);
    QVERIFY(!QFile::exists(folder.errorLogPath()));
}

BRISOLA_TEST_MAIN(tst_HouseWrites)
#include "tst_house_writes.moc"

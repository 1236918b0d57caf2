// A query's rows as a recordset: every value of the same kind and content as the database
// driver's own query gives it (text, numbers, Null, empty text, binary data, long and
// non-Latin text), the field names as the driver spells them, and a statement the reading
// does not take (several statements, a syntax error, a missing table) failing as before.
#include "TestAppFolder.h"
#include "TestMain.h"

#include <ordwen/ordwen.h>

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QUuid>

namespace {

// The rows of a SELECT as the driver gives them: Null as an invalid value.
struct DriverRows {
    QStringList names;
    QList<QVariantList> rows;
};

DriverRows driverRows(const QString &file, const QString &select) {
    DriverRows result;
    const QString name = QStringLiteral("reference-") + QUuid::createUuid().toString(QUuid::Id128);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery query(db);
            query.setForwardOnly(true);
            if (query.exec(select)) {
                const QSqlRecord record = query.record();
                for (int i = 0; i < record.count(); ++i)
                    result.names << record.fieldName(i);
                while (query.next()) {
                    QVariantList row;
                    for (int i = 0; i < record.count(); ++i)
                        row << (query.isNull(i) ? QVariant() : query.value(i));
                    result.rows << row;
                }
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

ordwen::RecordsetPtr libraryRows(const QString &file, const QString &select, int *error = nullptr,
                                 QString *description = nullptr) {
    ordwen::Connection connection;
    connection.setConnectionString(QStringLiteral("Data Source=") + file + QStringLiteral(";"));
    if (!connection.Open())
        return {};
    ordwen::RecordsetPtr rs = connection.Execute(select);
    if (error)
        *error = connection.ErrorNumber();
    if (description)
        *description = connection.ErrorDescription();
    connection.Close();
    return rs;
}

QString describe(const QVariant &value) {
    return value.isValid() ? QStringLiteral("%1(%2)").arg(QLatin1String(value.typeName()), value.toString())
                           : QStringLiteral("Null");
}

} // namespace

class tst_recordset_read : public QObject {
    Q_OBJECT

private slots:
    void valuesAsTheDriverGivesThem_data() {
        QTest::addColumn<QString>("value"); // an SQL expression stored in the column

        QTest::newRow("plain text") << QStringLiteral("'Maple Avenue'");
        QTest::newRow("apostrophe") << QStringLiteral("'O''Brien'");
        QTest::newRow("accents") << QStringLiteral("'Côté, Zoë, Ødegaard, Müller'");
        QTest::newRow("beyond the basic plane") << QStringLiteral("'clé 🔑 ✓'");
        QTest::newRow("line breaks") << QStringLiteral("'one' || char(13) || char(10) || 'two'");
        QTest::newRow("NUL inside text") << QStringLiteral("'a' || char(0) || 'b'");
        QTest::newRow("empty text") << QStringLiteral("''");
        QTest::newRow("Null") << QStringLiteral("NULL");
        QTest::newRow("integer") << QStringLiteral("42");
        QTest::newRow("large integer") << QStringLiteral("9007199254740993");
        QTest::newRow("negative integer") << QStringLiteral("-7");
        QTest::newRow("amount") << QStringLiteral("12.5");
        QTest::newRow("inexact amount") << QStringLiteral("0.1");
        QTest::newRow("binary data") << QStringLiteral("x'00FF10'");
        QTest::newRow("empty binary data") << QStringLiteral("x''");
        QTest::newRow("long text") << QStringLiteral("replace(hex(zeroblob(60000)), '00', 'é')");
    }
    void valuesAsTheDriverGivesThem() {
        QFETCH(QString, value);
        TestAppFolder folder;
        QVERIFY(folder.exec(QStringLiteral("CREATE TABLE t (a TEXT, b REAL, c, d TEXT)")));
        // The value in a text column, a real column and a column without a type, beside
        // ordinary text, in two rows.
        for (int i = 0; i < 2; ++i)
            QVERIFY(
                folder.exec(QStringLiteral("INSERT INTO t VALUES (%1, %1, %1, 'row %2')").arg(value).arg(i)));
        const QString select = QStringLiteral("SELECT * FROM t");
        const DriverRows expected = driverRows(folder.databasePath(), select);
        const ordwen::RecordsetPtr rs = libraryRows(folder.databasePath(), select);
        QVERIFY(rs);
        QCOMPARE(rs->FieldCount(), expected.names.size());
        for (int i = 0; i < rs->FieldCount(); ++i)
            QCOMPARE(rs->FieldName(i), expected.names.at(i));
        QCOMPARE(rs->RecordCount(), expected.rows.size());
        rs->MoveFirst();
        int number = 0;
        for (const QVariantList &row : expected.rows) {
            QVERIFY(!rs->isEOF());
            for (int i = 0; i < row.size(); ++i) {
                const QVariant got = rs->Fields(i);
                QCOMPARE(describe(got), describe(row.at(i)));
                QCOMPARE(got.typeId(), row.at(i).typeId());
                QCOMPARE(got, row.at(i));
                // Reading a value twice gives it twice.
                QCOMPARE(rs->Fields(expected.names.at(i)), row.at(i));
                // Any row read by its number gives the same, wherever the current row is.
                const QVariant byRow = rs->Value(number, i);
                QCOMPARE(describe(byRow), describe(row.at(i)));
                QCOMPARE(byRow.typeId(), row.at(i).typeId());
                QCOMPARE(rs->Value(int(expected.rows.size()) - 1, i), expected.rows.last().at(i));
            }
            rs->MoveNext();
            ++number;
        }
        QVERIFY(rs->isEOF());
        // Outside the rows and the fields there is no value.
        QVERIFY(!rs->Value(-1, 0).isValid());
        QVERIFY(!rs->Value(rs->RecordCount(), 0).isValid());
        QVERIFY(!rs->Value(0, rs->FieldCount()).isValid());
        QVERIFY(!rs->Value(0, -1).isValid());
    }

    void namesAsTheDriverSpellsThem_data() {
        QTest::addColumn<QString>("select");
        QTest::newRow("alias in brackets")
            << QStringLiteral("SELECT MAX(ID) AS [NewClientID] FROM tblClients");
        QTest::newRow("quoted alias") << QStringLiteral("SELECT 1 AS \"Quoted\"");
        QTest::newRow("alias holding a double quote") << QStringLiteral("SELECT 1 AS \"a\"\"b\"");
        QTest::newRow("expression") << QStringLiteral("SELECT 1 + 1, 'x' || 'y'");
        QTest::newRow("no rows") << QStringLiteral("SELECT * FROM tblNotes");
    }
    void namesAsTheDriverSpellsThem() {
        QFETCH(QString, select);
        TestAppFolder folder;
        const DriverRows expected = driverRows(folder.databasePath(), select);
        const ordwen::RecordsetPtr rs = libraryRows(folder.databasePath(), select);
        QVERIFY(rs);
        QStringList names;
        for (int i = 0; i < rs->FieldCount(); ++i)
            names << rs->FieldName(i);
        QCOMPARE(names, expected.names);
        QCOMPARE(rs->RecordCount(), expected.rows.size());
    }

    void refusedStatementsFailAsBefore_data() {
        QTest::addColumn<QString>("statement");
        QTest::newRow("missing table") << QStringLiteral("SELECT * FROM tblNothing");
        QTest::newRow("missing column") << QStringLiteral("SELECT Nothing FROM tblNotes");
        QTest::newRow("syntax error") << QStringLiteral("SELEC * FROM tblNotes");
        QTest::newRow("two statements") << QStringLiteral("SELECT 1; SELECT 2");
    }
    // Nothing comes back, with the engine's error number and text as the driver reports them.
    void refusedStatementsFailAsBefore() {
        QFETCH(QString, statement);
        TestAppFolder folder;
        int expectedNumber = 0;
        QString expectedText;
        {
            const QString name = QStringLiteral("reference-error");
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
                db.setDatabaseName(folder.databasePath());
                QVERIFY(db.open());
                QSqlQuery query(db);
                QVERIFY(!query.exec(statement));
                const QSqlError error = query.lastError();
                expectedNumber = error.nativeErrorCode().toInt();
                expectedText = error.databaseText().isEmpty() ? error.text() : error.databaseText();
                db.close();
            }
            QSqlDatabase::removeDatabase(name);
        }
        QVERIFY(expectedNumber != 0);
        int number = 0;
        QString text;
        QVERIFY(!libraryRows(folder.databasePath(), statement, &number, &text));
        QCOMPARE(number, expectedNumber);
        QCOMPARE(text, expectedText);
    }

    // A recordset outlives its connection and its copies share the rows; closing one copy
    // leaves the others readable.
    void detachedCopies() {
        TestAppFolder folder;
        QVERIFY(
            folder.exec(QStringLiteral("INSERT INTO tblNotes (NoteID, NoteText) VALUES ('QDN-1', 'first')")));
        QVERIFY(folder.exec(
            QStringLiteral("INSERT INTO tblNotes (NoteID, NoteText) VALUES ('QDN-2', 'second')")));
        ordwen::RecordsetPtr rs =
            libraryRows(folder.databasePath(), QStringLiteral("SELECT * FROM tblNotes"));
        QVERIFY(rs);
        ordwen::Recordset copy = *rs;
        rs->Close();
        QVERIFY(rs->isEOF());
        QVERIFY(!rs->Value(0, 0).isValid());
        QCOMPARE(copy.Value(1, copy.FieldIndex(QStringLiteral("NoteText"))).toString(),
                 QStringLiteral("second"));
        copy.MoveFirst();
        copy.MoveNext();
        QCOMPARE(copy.Text(QStringLiteral("notetext")), QStringLiteral("second"));
        copy.MoveNext();
        QVERIFY(copy.isEOF());
        QVERIFY(!copy.Fields(0).isValid());
        copy.MovePrevious();
        QCOMPARE(copy.Fields(QStringLiteral("NoteID")).toString(), QStringLiteral("QDN-2"));
    }
};

BRISOLA_TEST_MAIN(tst_recordset_read)
#include "tst_recordset_read.moc"

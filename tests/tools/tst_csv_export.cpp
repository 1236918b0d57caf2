// Export to CSV: each value as its field (quoting, numbers with a point, Null empty), and the
// four files read back with a CSV reader of the test's own, field for field against the
// stored records, commas, quotes, line breaks and accents included; replacing an earlier
// export only when the user agrees, and a failed export leaving no file changed.
#include "MessageBoxHelper.h"
#include "TestMain.h"
#include "ToolsFixture.h"

#include "tools/CsvExport.h"

#include <QSqlError>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <optional>
#include <tuple>

namespace {

// An RFC 4180 reader: records end in CR LF, fields are split by commas, a quoted field may
// hold anything with its quotes doubled. Nothing for text that breaks those rules.
std::optional<QList<QStringList>> readCsv(const QString &text) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (n == 0)
        return records;
    while (true) {
        field.clear();
        if (i < n && text[i] == QLatin1Char('"')) {
            ++i;
            while (true) {
                if (i >= n)
                    return std::nullopt; // an unclosed quote
                if (text[i] == QLatin1Char('"')) {
                    if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
        } else {
            while (i < n && text[i] != QLatin1Char(',') && text[i] != QLatin1Char('\r')) {
                if (text[i] == QLatin1Char('"') || text[i] == QLatin1Char('\n'))
                    return std::nullopt; // a quote or line break in an unquoted field
                field += text[i++];
            }
        }
        record << field;
        if (i < n && text[i] == QLatin1Char(',')) {
            ++i;
            continue;
        }
        if (i + 1 < n && text[i] == QLatin1Char('\r') && text[i + 1] == QLatin1Char('\n')) {
            i += 2;
            records << record;
            record.clear();
            if (i == n)
                return records;
            continue;
        }
        return std::nullopt; // the last record must end in CR LF too
    }
}

QString connectionName() {
    return QStringLiteral("seed-") + QUuid::createUuid().toString(QUuid::Id128);
}

// Stores one row with bound values, so that any text goes in exactly as given.
bool insertRow(const QString &file, const QString &table, const QVariantMap &values) {
    const QString name = connectionName();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (db.open()) {
            QStringList marks(values.size(), QStringLiteral("?"));
            QSqlQuery query(db);
            query.prepare(
                QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(table, values.keys().join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
            for (const QVariant &value : values)
                query.addBindValue(value);
            ok = query.exec();
            if (!ok)
                qWarning("%s", qPrintable(query.lastError().text()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

struct Table {
    QStringList columns;
    QList<QVariantList> rows;
};

Table storedTable(const QString &file, const QString &table) {
    const QString name = connectionName();
    Table result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery query(db);
            query.exec(QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" ORDER BY ID"));
            const QSqlRecord record = query.record();
            for (int i = 0; i < record.count(); ++i)
                result.columns << record.fieldName(i);
            while (query.next()) {
                QVariantList row;
                for (int i = 0; i < record.count(); ++i)
                    row << (query.isNull(i) ? QVariant() : query.value(i));
                result.rows << row;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

const QVariant Null;

} // namespace

class TestCsvExport : public QObject {
    Q_OBJECT

    std::unique_ptr<ToolsFolder> tf;
    std::unique_ptr<QTemporaryDir> out;

    void seedAwkwardRecords() {
        const QString db = tf->folder.databasePath();
        QVERIFY(insertRow(db, QStringLiteral("tblClients"),
                          {{"ClientID", "QD-1"},
                           {"ClientType", "Home"},
                           {"Client", "Smith, Jones & Co."},
                           {"Add1", "  12 Rue Sainte-Catherine "},
                           {"Add2", ""},
                           {"City", "Montréal"},
                           {"Fee", 12.5},
                           {"AddDate", "2024-01-02 10:00:00"},
                           {"Notes", "Line one\r\nLine two, with \"quotes\""}}));
        QVERIFY(insertRow(db, QStringLiteral("tblClients"),
                          {{"ClientID", "QD-2"},
                           {"ClientType", "Apartment"},
                           {"Client", "Zoë \"Z\" Ångström"},
                           {"City", "Köln"},
                           {"Fee", 0.1},
                           {"Notes", "lf only\nsecond line\rand a lone CR"},
                           {"Pets", "Yes"}}));
        QVERIFY(insertRow(db, QStringLiteral("tblInvoices"),
                          {{"InvoiceID", "INV-1"},
                           {"ClientID", "QD-1"},
                           {"ServiceDate", "2024-03-04"},
                           {"Client", "Smith, Jones & Co."},
                           {"Hours", 2.25},
                           {"Rate", 18.0},
                           {"HourAmt", 40.5},
                           {"OtherCharges", "Windows, inside & out"},
                           {"OtherAmt", 12345678.0},
                           {"PastDue", 0.0},
                           {"TotalAmt", 1234567.5},
                           {"Notes", "ü\r\n\""},
                           {"AddDate", "2024-03-04 16:45:00"}}));
        for (const auto &[id, paid, amount, notes] :
             {std::tuple{"PAY-1", "2024-03-09", 0.1, "cash, \"in hand\""}, {"PAY-2", "2024-03-05", 40.5, ""}})
            QVERIFY(insertRow(db, QStringLiteral("tblPayments"),
                              {{"PaymentID", id},
                               {"InvoiceID", "INV-1"},
                               {"ClientID", "QD-1"},
                               {"PaidDate", paid},
                               {"Amount", amount},
                               {"Method", "Check"},
                               {"Notes", notes},
                               {"AddDate", "2024-03-10 08:00:00"}}));
        QVERIFY(insertRow(
            db, QStringLiteral("tblNotes"),
            {{"NoteID", "QDN-1"}, {"NoteText", "\"Quoted start"}, {"AddDate", "2024-03-01 09:00:00"}}));
        QVERIFY(insertRow(
            db, QStringLiteral("tblNotes"),
            {{"NoteID", "QDN-2"}, {"NoteText", "trailing comma,"}, {"AddDate", "2024-03-02 09:00:00"}}));
        QVERIFY(insertRow(db, QStringLiteral("tblAddress"),
                          {{"AddressID", "A-1"},
                           {"FName", "Renée"},
                           {"LName", "O'Brien"},
                           {"Email", "a,b@example.com"},
                           {"FullName", "Renée O'Brien"},
                           {"AddDate", "2024-01-05 08:00:00"}}));
    }

    // The file's records, read back by the test's own reader; fails the test when the file
    // is no valid CSV after its byte-order mark.
    QList<QStringList> exported(const QString &name) {
        const QByteArray bytes = fileBytes(QDir(out->path()).filePath(name));
        if (!bytes.startsWith("\xEF\xBB\xBF")) {
            qWarning("%s has no byte-order mark", qPrintable(name));
            return {};
        }
        const std::optional<QList<QStringList>> records = readCsv(QString::fromUtf8(bytes.mid(3)));
        if (!records) {
            qWarning("%s is no valid CSV", qPrintable(name));
            return {};
        }
        return *records;
    }

private slots:
    void init() {
        tf = std::make_unique<ToolsFolder>();
        out = std::make_unique<QTemporaryDir>();
        modGlobal::NewHouse();
    }
    void cleanup() {
        tools::SetFolderChooser({});
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        out.reset();
        tf.reset();
    }

    void csvField_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("field");
        QTest::newRow("Null") << Null << QString();
        QTest::newRow("empty text") << QVariant(QString()) << QString();
        QTest::newRow("plain text") << QVariant(QStringLiteral("Home")) << QStringLiteral("Home");
        QTest::newRow("comma") << QVariant(QStringLiteral("a,b")) << QStringLiteral("\"a,b\"");
        QTest::newRow("quotes doubled")
            << QVariant(QStringLiteral("say \"hi\"")) << QStringLiteral("\"say \"\"hi\"\"\"");
        QTest::newRow("CR LF") << QVariant(QStringLiteral("one\r\ntwo")) << QStringLiteral("\"one\r\ntwo\"");
        QTest::newRow("lone LF") << QVariant(QStringLiteral("one\ntwo")) << QStringLiteral("\"one\ntwo\"");
        QTest::newRow("lone CR") << QVariant(QStringLiteral("one\rtwo")) << QStringLiteral("\"one\rtwo\"");
        QTest::newRow("blanks kept") << QVariant(QStringLiteral(" a ")) << QStringLiteral(" a ");
        QTest::newRow("accents") << QVariant(QStringLiteral("Zoë Ångström"))
                                 << QStringLiteral("Zoë Ångström");
        QTest::newRow("apostrophe") << QVariant(QStringLiteral("O'Brien")) << QStringLiteral("O'Brien");
        QTest::newRow("amount") << QVariant(12.5) << QStringLiteral("12.5");
        QTest::newRow("whole amount") << QVariant(45.0) << QStringLiteral("45");
        QTest::newRow("tenth") << QVariant(0.1) << QStringLiteral("0.1");
        QTest::newRow("large amount, no grouping") << QVariant(1234567.25) << QStringLiteral("1234567.25");
        QTest::newRow("eight digits, no exponent") << QVariant(12345678.0) << QStringLiteral("12345678");
        QTest::newRow("negative") << QVariant(-3.75) << QStringLiteral("-3.75");
        QTest::newRow("counter") << QVariant(qlonglong(42)) << QStringLiteral("42");
        // Texts a spreadsheet would run as formulas open as text; numbers stay numbers.
        QTest::newRow("formula") << QVariant(QStringLiteral("=HYPERLINK(\"http://x\",\"y\")"))
                                 << QStringLiteral("\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"");
        QTest::newRow("plus") << QVariant(QStringLiteral("+1 555 0100")) << QStringLiteral("'+1 555 0100");
        QTest::newRow("minus as text") << QVariant(QStringLiteral("-3")) << QStringLiteral("'-3");
        QTest::newRow("at") << QVariant(QStringLiteral("@SUM(A1)")) << QStringLiteral("'@SUM(A1)");
        QTest::newRow("tab first") << QVariant(QStringLiteral("\t=1")) << QStringLiteral("'\t=1");
        QTest::newRow("CR first") << QVariant(QStringLiteral("\r=1")) << QStringLiteral("\"'\r=1\"");
        QTest::newRow("sign inside") << QVariant(QStringLiteral("a=b-c")) << QStringLiteral("a=b-c");
        QTest::newRow("postal code") << QVariant(QStringLiteral("01234")) << QStringLiteral("01234");
        QTest::newRow("negative counter") << QVariant(qlonglong(-3)) << QStringLiteral("-3");
        QTest::newRow("ISO date as stored")
            << QVariant(QStringLiteral("2024-03-04 16:45:00")) << QStringLiteral("2024-03-04 16:45:00");
    }

    void csvField() {
        QFETCH(QVariant, value);
        QFETCH(QString, field);
        QCOMPARE(tools::CsvField(value), field);
        // The user's locale never changes a field.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(tools::CsvField(value), field);
    }

    void filesReadBackFieldForField_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("table");
        QTest::newRow("clients") << QStringLiteral("clients.csv") << QStringLiteral("tblClients");
        QTest::newRow("invoices") << QStringLiteral("invoices.csv") << QStringLiteral("tblInvoices");
        QTest::newRow("notes") << QStringLiteral("notes.csv") << QStringLiteral("tblNotes");
        QTest::newRow("addresses") << QStringLiteral("addresses.csv") << QStringLiteral("tblAddress");
        QTest::newRow("payments") << QStringLiteral("payments.csv") << QStringLiteral("tblPayments");
    }

    void filesReadBackFieldForField() {
        QFETCH(QString, file);
        QFETCH(QString, table);
        seedAwkwardRecords();
        QCOMPARE(tools::ExportToFolder(*modGlobal::objHouse, out->path()), std::optional<QString>());

        const Table stored = storedTable(tf->folder.databasePath(), table);
        QVERIFY(!stored.rows.isEmpty());
        const QList<QStringList> records = exported(file);
        QVERIFY(!records.isEmpty());
        // Every column of the table, named in the first row.
        QCOMPARE(records[0], stored.columns);
        QCOMPARE(records.size(), stored.rows.size() + 1);

        const qsizetype idColumn = stored.columns.indexOf(QStringLiteral("ID"));
        QVERIFY(idColumn >= 0);
        for (const QVariantList &row : stored.rows) {
            // The rows in whatever order the records are listed: matched by their counter.
            const auto match =
                std::find_if(records.cbegin() + 1, records.cend(), [&](const QStringList &fields) {
                    return fields.value(idColumn) == row[idColumn].toString();
                });
            QVERIFY2(match != records.cend(), qPrintable(row[idColumn].toString()));
            QCOMPARE(match->size(), stored.columns.size());
            for (int column = 0; column < row.size(); ++column) {
                const QVariant &value = row[column];
                const QString &field = (*match)[column];
                const QString where = table + QLatin1Char('.') + stored.columns[column];
                if (!value.isValid()) {
                    QVERIFY2(field.isEmpty(), qPrintable(where));
                } else if (value.typeId() == QMetaType::Double) {
                    bool ok = false;
                    QCOMPARE(QLocale::c().toDouble(field, &ok), value.toDouble());
                    QVERIFY2(ok, qPrintable(where + QStringLiteral(": ") + field));
                } else {
                    QVERIFY2(field == value.toString(), qPrintable(where + QStringLiteral(": ") + field));
                }
            }
        }
    }

    void emptyTablesGiveTheirHeaderOnly() {
        QCOMPARE(tools::ExportToFolder(*modGlobal::objHouse, out->path()), std::optional<QString>());
        for (const QString &name : tools::ExportFileNames()) {
            const QList<QStringList> records = exported(name);
            QCOMPARE(records.size(), 1);
            QVERIFY(records[0].contains(QStringLiteral("ID")));
        }
        QCOMPARE(exported(QStringLiteral("notes.csv")).value(0),
                 (QStringList{QStringLiteral("NoteID"), QStringLiteral("NoteText"), QStringLiteral("AddDate"),
                              QStringLiteral("ID")}));
    }

    void exportThroughTheMenuAsksBeforeReplacing() {
        seedAwkwardRecords();
        QString chosen = out->path();
        tools::SetFolderChooser([&chosen](QWidget *) { return chosen; });
        const QString notes = QDir(out->path()).filePath(QStringLiteral("notes.csv"));
        QVERIFY(writeBytes(notes, "an earlier export"));

        MessageBoxHelper boxes;
        const QString question = QStringLiteral("The folder ") + out->path() +
                                 QStringLiteral(" already holds notes.csv. \r\n\r\nReplace them? ");
        boxes.answer(QMessageBox::No);
        tools::ExportRecords(nullptr);
        EXPECT_BOX(boxes.last(), question, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::No, QStringLiteral("Export to CSV"));
        QCOMPARE(fileBytes(notes), QByteArray("an earlier export"));
        QCOMPARE(QDir(out->path()).entryList(QDir::Files), QStringList{QStringLiteral("notes.csv")});
        boxes.clear();

        boxes.answer({QMessageBox::Yes, QMessageBox::Ok});
        tools::ExportRecords(nullptr);
        QCOMPARE(boxes.count(), 2);
        EXPECT_BOX(
            boxes.shown()[1],
            QStringLiteral("The records were exported to ") + out->path() +
                QStringLiteral(": clients.csv, invoices.csv, notes.csv, addresses.csv and payments.csv. "),
            QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Export to CSV"));
        QCOMPARE(exported(QStringLiteral("notes.csv")).size(), 3);
        QVERIFY(!QApplication::overrideCursor());
        boxes.clear();

        // Leaving the folder dialog exports nothing and says nothing.
        chosen.clear();
        QVERIFY(QFile::remove(notes));
        tools::ExportRecords(nullptr);
        QVERIFY(!QFileInfo::exists(notes));
    }

    void failedExportChangesNoFile() {
        seedAwkwardRecords();
        const QDir folder(out->path());
        QVERIFY(writeBytes(folder.filePath(QStringLiteral("invoices.csv")), "earlier invoices"));
        // A folder stands where one of the files goes.
        QVERIFY(folder.mkpath(QStringLiteral("notes.csv/x")));
        tools::SetFolderChooser([this](QWidget *) { return out->path(); });

        MessageBoxHelper boxes;
        boxes.answer({QMessageBox::Yes, QMessageBox::Ok});
        tools::ExportRecords(nullptr);
        QCOMPARE(boxes.count(), 2);
        QVERIFY2(boxes.last().text.startsWith(QStringLiteral("The records were NOT exported! \r\n\r\n") +
                                              folder.filePath(QStringLiteral("notes.csv")) +
                                              QStringLiteral(" could not be written")),
                 qPrintable(boxes.last().text));
        QCOMPARE(boxes.last().icon, QMessageBox::Critical);
        QCOMPARE(boxes.last().title, QStringLiteral(" ERROR"));
        // Nothing half-exported: no new file, the earlier one as it was.
        QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("clients.csv"))));
        QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("addresses.csv"))));
        QCOMPARE(fileBytes(folder.filePath(QStringLiteral("invoices.csv"))), QByteArray("earlier invoices"));
        QCOMPARE(folder.entryList(QDir::Files), QStringList{QStringLiteral("invoices.csv")});
    }

    void exportToAFolderThatIsGone() {
        const QString gone = out->path() + QStringLiteral("/gone");
        const std::optional<QString> failure = tools::ExportToFolder(*modGlobal::objHouse, gone);
        QCOMPARE(failure, std::optional<QString>(QStringLiteral("The folder ") + gone +
                                                 QStringLiteral(" does not exist.")));
        QVERIFY(!QFileInfo::exists(gone));
    }

    void unreadableRecordsExportNothing() {
        QVERIFY(writeBytes(tf->folder.databasePath(), "not the records"));
        const std::optional<QString> failure = tools::ExportToFolder(*modGlobal::objHouse, out->path());
        QCOMPARE(failure, std::optional<QString>(QStringLiteral("The records could not be read.")));
        QVERIFY(QDir(out->path()).entryList(QDir::Files).isEmpty());
    }
};

BRISOLA_TEST_MAIN(TestCsvExport)
#include "tst_csv_export.moc"

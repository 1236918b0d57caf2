// Clean and every write call of House, through the real library against a scratch copy of
// the delivered database. Whatever the text (apostrophes, NUL characters, backslashes,
// quotes, very long or invalid UTF-8 text), the statement keeps its shape: an insert adds
// exactly one row and an update changes exactly the one row it names, and every value reads
// back as the text the user gave, with NUL characters removed and, where the value passes
// through Clean, blanks trimmed at both ends.
#include "FuzzSupport.h"

#include <ordwen/ordwen.h>

#include <QDateTime>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

#include <memory>

namespace {

QString withoutNul(QString text) {
    return text.remove(QChar(u'\0'));
}

QString trimmedBlanks(const QString &text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

// What Clean leaves in the caller's variable: apostrophes doubled, NUL characters removed.
QString escaped(const QString &text) {
    return withoutNul(QString(text).replace(QLatin1Char('\''), QStringLiteral("''")));
}

// One kind of record: its table, the column each element of the array goes to (empty for
// an element the call does not write), and which element names the row an update changes.
struct Kind {
    const char *table;
    QStringList columns;
    int key; // -1: inserts, or an update of every row
};

const Kind clients{"tblClients",
                   {"ClientID", "ClientType", "Client",  "Add1",      "Add2",  "City",   "State", "Zip",
                    "Phone",    "Contact",    "BAdd1",   "BAdd2",     "BCity", "BState", "BZip",  "Schedule",
                    "Service",  "DayOfWeek",  "FeeType", "BSchedule", "Pets",  "Notes"},
                   0};
const Kind notes{"tblNotes", {"NoteID", "NoteText"}, 0};
const Kind invoices{"tblInvoices",
                    {"InvoiceID", "ClientID", "Client", "BAdd1", "BAdd2", "BCity", "BState", "BZip",
                     "OtherCharges", "DayOfWeek", "Schedule", "Service", "FeeType", "Pets", "Notes"},
                    -1};
const Kind addresses{"tblAddress",
                     {"FName", "LName", "Address", "City", "State", "Zip", "HPhone", "WPhone", "CPhone",
                      "Email", "FullName", "AddressID"},
                     11};
const Kind owners{
    "tblOwner",
    {"LName", "FName", "Company", "Address", "City", "State", "Zip", "Phone", "Email", "FullName", "OwnerID"},
    -1};

// Each write call commits, and a commit waits for the disk: a folder in memory, where there
// is one, lets the fuzzer try many more inputs in its time.
QString scratchTemplate() {
    const QString memory = QStringLiteral("/dev/shm");
    return QFileInfo(memory).isDir() && QFileInfo(memory).isWritable()
               ? memory + QStringLiteral("/brisola-fuzz-XXXXXX")
               : QDir::tempPath() + QStringLiteral("/brisola-fuzz-XXXXXX");
}

struct Scratch {
    QTemporaryDir dir{scratchTemplate()};
    std::unique_ptr<ordwen::_House> house;
    QString connection = QStringLiteral("fuzz-check");

    Scratch() {
        QDir(dir.path()).mkpath(QStringLiteral("home"));
        const QString database = dir.filePath(QStringLiteral("home/home.qd"));
        FUZZ_CHECK(QFile::copy(QStringLiteral(FUZZ_TEMPLATE_DB), database), "cannot copy %s",
                   FUZZ_TEMPLATE_DB);
        QFile::setPermissions(database, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        OrdwenSetApplicationFolder(QFile::encodeName(dir.path()).constData());
        void *object = nullptr;
        FUZZ_CHECK(DllGetClassObject(ordwen::CLSID_House, ordwen::IID__House, &object) == ordwen::S_OK_,
                   "no House");
        house.reset(static_cast<ordwen::_House *>(object));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(database);
        FUZZ_CHECK(db.open(), "cannot open the scratch database");
    }

    QSqlQuery query(const QString &sql, const QVariantList &values = {}) {
        QSqlQuery q(QSqlDatabase::database(connection));
        FUZZ_CHECK(q.prepare(sql), "%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        for (const QVariant &value : values)
            q.addBindValue(value);
        FUZZ_CHECK(q.exec(), "%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        return q;
    }
    int count(const char *table) {
        QSqlQuery q = query(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table));
        q.next();
        return q.value(0).toInt();
    }
    // Every row of the table, oldest first, as column -> value. A text is taken from its stored
    // UTF-8 bytes, as the library reads it: the driver's UTF-16 read has SQLite turn the
    // noncharacters U+FFFE and U+FFFF into U+FFFD, though they are stored whole.
    QList<QVariantMap> rows(const char *table) {
        const QString order =
            QStringLiteral(" FROM ") + QLatin1String(table) + QStringLiteral(" ORDER BY rowid");
        QSqlQuery q = query(QStringLiteral("SELECT *") + order);
        const QSqlRecord record = q.record();
        QStringList bytes;
        for (int i = 0; i < record.count(); ++i)
            bytes << QStringLiteral("CAST(%1 AS BLOB)").arg(record.fieldName(i));
        QSqlQuery stored = query(QStringLiteral("SELECT ") + bytes.join(QLatin1Char(',')) + order);
        QList<QVariantMap> result;
        while (q.next() && stored.next()) {
            QVariantMap row;
            for (int i = 0; i < record.count(); ++i) {
                const QVariant value = q.value(i);
                row.insert(record.fieldName(i),
                           q.isNull(i) ? QVariant()
                           : value.typeId() == QMetaType::QString
                               ? QVariant(QString::fromUtf8(stored.value(i).toByteArray()))
                               : value);
            }
            result << row;
        }
        return result;
    }
    void empty() {
        for (const char *table : {"tblClients", "tblNotes", "tblInvoices", "tblAddress", "tblOwner"})
            query(QStringLiteral("DELETE FROM ") + QLatin1String(table));
    }
};

Scratch &scratch() {
    // Kept to the end of the process, whose exit removes only the scratch folder: the Qt
    // objects it holds are left to the process end.
    static Scratch *s = [] {
        auto *made = new Scratch;
        static const QString folder = made->dir.path();
        made->dir.setAutoRemove(false);
        std::atexit([] { QDir(folder).removeRecursively(); });
        return made;
    }();
    return *s;
}

// A row that an update must not touch, and one that it must, keyed by the given text.
void seedRows(const Kind &kind, const QString &key) {
    QStringList columns;
    QVariantList values;
    for (const QString &column : kind.columns) {
        if (!column.isEmpty()) {
            columns << column;
            values << QStringLiteral("old");
        }
    }
    const QString sql = QStringLiteral("INSERT INTO ") + QLatin1String(kind.table) + QStringLiteral(" (") +
                        columns.join(QLatin1Char(',')) + QStringLiteral(") VALUES (") +
                        QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(',')) +
                        QStringLiteral(")");
    if (kind.key >= 0) {
        QVariantList other = values;
        other[kind.key] =
            key == QLatin1String("another") ? QStringLiteral("yet another") : QStringLiteral("another");
        scratch().query(sql, other);
        // Empty text, not Null: the update compares the column with ''.
        values[kind.key] = key.isNull() ? QStringLiteral("") : key;
    }
    scratch().query(sql, values);
}

// The value the user gave for one element, as it must read back: with NUL characters
// removed, and blanks trimmed when the element went through Clean (which then leaves the
// doubled apostrophes in the caller's element).
void checkText(const QString &column, const QString &given, const QString &elementAfter,
               const QVariant &stored) {
    const QString value = stored.toString();
    const bool cleaned = elementAfter != given;
    if (cleaned)
        FUZZ_CHECK(elementAfter == escaped(given),
                   "%s: the caller's element is neither unchanged nor escaped", qPrintable(column));
    if (value == withoutNul(given))
        return;
    FUZZ_CHECK(value == trimmedBlanks(withoutNul(given)) && elementAfter == escaped(given),
               "%s: stored [%s] for [%s]", qPrintable(column), qPrintable(value), qPrintable(given));
}

void checkAmount(const char *column, float given, const QVariant &stored) {
    FUZZ_CHECK(stored.isValid() && float(stored.toDouble()) == given, "%s: stored %s for %.9g", column,
               qPrintable(stored.toString()), double(given));
}

void checkRow(const Kind &kind, const QStringList &given, const QStringList &after, const QVariantMap &row) {
    for (int i = 0; i < kind.columns.size(); ++i) {
        if (!kind.columns[i].isEmpty())
            checkText(kind.columns[i], given[i], after[i], row.value(kind.columns[i]));
    }
}

bool isStamp(const QVariant &value) {
    return QDateTime::fromString(value.toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss")).isValid();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 6)
        return 0;
    fuzz::EnsureApplication();
    Scratch &s = scratch();
    s.empty();
    ordwen::_House &house = *s.house;

    const int method = data[0] % 10;
    const float fee = fuzz::Amount(data, size, 1);
    QList<float> amounts;
    for (size_t i = 0; i < 7; ++i)
        amounts << fuzz::Amount(data, size, 1 + i % 4) * float(i + 1);
    for (float &amount : amounts)
        amount = std::isfinite(amount) ? amount : 0.0f;
    const QDateTime serviceDate(QDate(2000, 1, 1).addDays(data[5] * 97),
                                data[5] % 2 ? QTime(0, 0) : QTime(13, 45, 7));

    const Kind *kinds[] = {&clients,   &clients,   &notes,  &notes, &invoices,
                           &addresses, &addresses, &owners, &owners};
    if (method == 9) {
        // Clean on its own: the caller's variable escaped, the result that trimmed of blanks.
        const QString given = fuzz::Fields(data, size, 6, 1).join(QLatin1Char('\x1e'));
        QString variable = given;
        const QString result = house.Clean(variable);
        FUZZ_CHECK(variable == escaped(given), "Clean left [%s]", qPrintable(variable));
        FUZZ_CHECK(result == trimmedBlanks(variable), "Clean returned [%s]", qPrintable(result));
        FUZZ_CHECK(!QString(result).remove(QStringLiteral("''")).contains(QLatin1Char('\'')),
                   "a lone apostrophe in [%s]", qPrintable(result));
        return 0;
    }
    const Kind &kind = *kinds[method];
    const bool update = method == 1 || method == 3 || method == 6 || method == 8;
    const QStringList given = fuzz::Fields(data, size, 6, int(kind.columns.size()));
    QStringList text = given;

    if (update)
        seedRows(kind, kind.key >= 0 ? withoutNul(given[kind.key]) : QString());
    const QList<QVariantMap> before = s.rows(kind.table);

    bool ok = false;
    switch (method) {
    case 0:
        ok = house.AddClient(text, fee);
        break;
    case 1:
        ok = house.UpdateClient(text, fee);
        break;
    case 2:
        ok = house.AddNotes(text);
        break;
    case 3:
        ok = house.UpdateNotes(text);
        break;
    case 4:
        ok = house.AddInvoice(text, amounts, serviceDate);
        break;
    case 5:
        ok = house.AddAddress(text);
        break;
    case 6:
        ok = house.UpdateAddress(text);
        break;
    case 7:
        ok = house.AddOwner(text);
        break;
    case 8:
        ok = house.UpdateOwner(text);
        break;
    }
    FUZZ_CHECK(ok, "write call %d refused: %s", method, OrdwenLastStatement());

    const QList<QVariantMap> after = s.rows(kind.table);
    FUZZ_CHECK(after.size() == before.size() + (update ? 0 : 1), "%lld rows before, %lld after",
               static_cast<long long>(before.size()), static_cast<long long>(after.size()));
    // The one row written is the newest (an insert) or the keyed, last seeded one (an update);
    // any other row is exactly as it was.
    const QVariantMap &row = after.last();
    for (qsizetype i = 0; i + 1 < after.size(); ++i)
        FUZZ_CHECK(after[i] == before[i], "row %lld of %s changed", static_cast<long long>(i), kind.table);
    QStringList written = given;
    QStringList writtenAfter = text;
    QStringList columns = kind.columns;
    if (method == 8)
        columns[10].clear(); // the profile's identifier is never updated
    const Kind checked{kind.table, columns, kind.key};
    checkRow(checked, written, writtenAfter, row);

    if (method == 0 || method == 1)
        checkAmount("Fee", fee, row.value(QStringLiteral("Fee")));
    if (method == 4) {
        const char *amountColumns[] = {"Hours",    "Rate",    "HourAmt", "ContractFee",
                                       "OtherAmt", "PastDue", "TotalAmt"};
        for (int i = 0; i < 7; ++i)
            checkAmount(amountColumns[i], amounts[i], row.value(QLatin1String(amountColumns[i])));
        const QString expectedDate = serviceDate.time() == QTime(0, 0)
                                         ? serviceDate.date().toString(Qt::ISODate)
                                         : serviceDate.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        FUZZ_CHECK(row.value(QStringLiteral("ServiceDate")).toString() == expectedDate, "ServiceDate %s",
                   qPrintable(row.value(QStringLiteral("ServiceDate")).toString()));
    }
    if (!update)
        FUZZ_CHECK(isStamp(row.value(QStringLiteral("AddDate"))), "AddDate");
    if (method == 6 || method == 8)
        FUZZ_CHECK(isStamp(row.value(QStringLiteral("ModDate"))), "ModDate");
    if (method == 8)
        FUZZ_CHECK(row.value(QStringLiteral("OwnerID")).toString() == QLatin1String("old"),
                   "OwnerID changed");
    return 0;
}

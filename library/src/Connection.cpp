#include "RowStore.h"

#include <ordwen/ordwen.h>

#include <QAtomicInteger>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

#include <sqlite3.h>

#include <optional>

namespace ordwen {

class ConnectionPrivate {
public:
    QString connectionString;
    int cursorLocation = adUseClient;
    QString name; // the QtSql connection name while open
    bool inTransaction = false;
    int errorNumber = 0;
    QString errorDescription;

    void takeError(const QSqlError &error) {
        bool ok = false;
        const int code = error.nativeErrorCode().toInt(&ok);
        errorNumber = ok ? code : -1;
        errorDescription = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    }
    QSqlDatabase database() const { return QSqlDatabase::database(name, false); }

    // Reads the rows of a query into the recordset's compact form, forward only. Nothing when
    // the statement is not a SELECT, or not one the SQLite path takes: the caller runs it as
    // any other statement, which reports its failure as it always has.
    std::optional<RecordsetPtr> readRows(const QString &statement) {
        // A query may name its parts first (WITH ... SELECT).
        const QStringView text = QStringView(statement).trimmed();
        if (!text.startsWith(u"SELECT", Qt::CaseInsensitive) &&
            !text.startsWith(u"WITH", Qt::CaseInsensitive))
            return std::nullopt;
        if (sqlite3 *db = nativeHandle())
            return readRowsNative(db, statement);
        return readRowsQt(statement);
    }

    // The SQLite connection under the QSQLITE driver, or nothing on any other driver (the
    // library then reads through QtSql alone). ORDWEN_READ_PATH=qtsql chooses the QtSql path
    // on SQLite too, so that tests read the same rows both ways.
    sqlite3 *nativeHandle() const {
        static const bool qtOnly = qgetenv("ORDWEN_READ_PATH") == "qtsql";
        if (qtOnly)
            return nullptr;
        const QSqlDriver *driver = database().driver();
        const QVariant handle = driver ? driver->handle() : QVariant();
        if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
            return nullptr;
        return *static_cast<sqlite3 *const *>(handle.constData());
    }

    // Straight from SQLite: each value once, text as the database's own UTF-8 bytes, no
    // QVariant and no UTF-16 copy while reading. Values come out of the same kinds as the
    // QSQLITE driver gives them.
    std::optional<RecordsetPtr> readRowsNative(sqlite3 *db, const QString &statement) {
        sqlite3_stmt *query = nullptr;
        const void *tail = nullptr;
        const int bytes = int((statement.size() + 1) * qsizetype(sizeof(QChar)));
        if (sqlite3_prepare16_v2(db, statement.constData(), bytes, &query, &tail) != SQLITE_OK || !query) {
            sqlite3_finalize(query);
            return std::nullopt;
        }
        const int columns = sqlite3_column_count(query);
        const bool oneStatement = !tail || QStringView(static_cast<const QChar *>(tail)).trimmed().isEmpty();
        if (columns <= 0 || !oneStatement) {
            sqlite3_finalize(query);
            return std::nullopt;
        }
        // Field names as the driver gives them: double quotes removed.
        QStringList names;
        names.reserve(columns);
        for (int c = 0; c < columns; ++c)
            names << QString::fromUtf8(sqlite3_column_name(query, c)).remove(u'"');

        auto rows = std::make_shared<detail::RowStore>(columns);
        int result = SQLITE_ROW;
        bool fits = true;
        while (fits && (result = sqlite3_step(query)) == SQLITE_ROW) {
            for (int c = 0; c < columns && fits; ++c) {
                // One call into the connection per value; the value's own accessors then
                // take no lock. Only this thread uses the connection while the call runs.
                sqlite3_value *value = sqlite3_column_value(query, c);
                switch (sqlite3_value_type(value)) {
                case SQLITE_NULL:
                    fits = rows->addNull();
                    break;
                case SQLITE_INTEGER:
                    fits = rows->addInteger(sqlite3_value_int64(value));
                    break;
                case SQLITE_FLOAT:
                    fits = rows->addReal(sqlite3_value_double(value));
                    break;
                case SQLITE_BLOB: {
                    const void *blob = sqlite3_value_blob(value);
                    fits = rows->addBlob(blob, sqlite3_value_bytes(value));
                    break;
                }
                default: {
                    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
                    fits = rows->addText(text, sqlite3_value_bytes(value));
                    break;
                }
                }
            }
        }
        if (!fits) {
            sqlite3_finalize(query);
            return tooBig();
        }
        if (result != SQLITE_DONE) {
            // A generic failure carries its particular code once the statement is reset.
            if (result == SQLITE_ERROR || result == SQLITE_CONSTRAINT)
                result = sqlite3_reset(query);
            errorNumber = result;
            errorDescription = QString::fromUtf8(sqlite3_errmsg(db));
            sqlite3_finalize(query);
            return RecordsetPtr();
        }
        sqlite3_finalize(query);
        rows->squeeze();
        return std::make_shared<Recordset>(std::move(names), std::move(rows));
    }

    // Through QtSql, for any driver: each value taken from the driver once and kept as its
    // bytes, not as a QVariant per value.
    std::optional<RecordsetPtr> readRowsQt(const QString &statement) {
        QSqlQuery query(database());
        query.setForwardOnly(true);
        if (!query.exec(statement)) {
            takeError(query.lastError());
            return RecordsetPtr();
        }
        if (!query.isSelect())
            return std::nullopt;
        const QSqlRecord record = query.record();
        const int columns = record.count();
        QStringList names;
        names.reserve(columns);
        for (int c = 0; c < columns; ++c)
            names << record.fieldName(c);

        auto rows = std::make_shared<detail::RowStore>(columns);
        bool fits = true;
        while (fits && query.next()) {
            for (int c = 0; c < columns && fits; ++c) {
                const QVariant value = query.value(c);
                if (value.isNull()) {
                    fits = rows->addNull();
                    continue;
                }
                switch (value.typeId()) {
                case QMetaType::LongLong:
                case QMetaType::Int:
                case QMetaType::ULongLong:
                case QMetaType::UInt:
                    fits = rows->addInteger(value.toLongLong());
                    break;
                case QMetaType::Double:
                    fits = rows->addReal(value.toDouble());
                    break;
                case QMetaType::QByteArray: {
                    const QByteArray blob = value.toByteArray();
                    fits = rows->addBlob(blob.constData(), blob.size());
                    break;
                }
                default:
                    fits = rows->addText(value.toString());
                    break;
                }
            }
        }
        if (!fits)
            return tooBig();
        if (query.lastError().isValid()) {
            takeError(query.lastError());
            return RecordsetPtr();
        }
        rows->squeeze();
        return std::make_shared<Recordset>(std::move(names), std::move(rows));
    }

    // A call that needs the connection open came while it was closed.
    void notOpen() {
        errorNumber = SQLITE_MISUSE;
        errorDescription = QStringLiteral("the connection is not open");
    }

    RecordsetPtr tooBig() {
        errorNumber = SQLITE_TOOBIG;
        errorDescription = QStringLiteral("string or blob too big");
        return RecordsetPtr();
    }

    // Runs a transaction statement. QSqlDatabase::transaction(), commit() and rollback()
    // drop the engine's result code, and a refused commit (the file busy) must be reported
    // with its own number like any other failure.
    bool run(const QString &statement) {
        QSqlQuery query(database());
        if (query.exec(statement))
            return true;
        takeError(query.lastError());
        return false;
    }
};

namespace {
QString newConnectionName() {
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("ordwen-%1").arg(++counter);
}
} // namespace

Connection::Connection() : d(std::make_unique<ConnectionPrivate>()) {}

Connection::~Connection() {
    Close();
}

Connection::Connection(const Connection &other) : d(std::make_unique<ConnectionPrivate>()) {
    d->connectionString = other.d->connectionString;
    d->cursorLocation = other.d->cursorLocation;
}

Connection &Connection::operator=(const Connection &other) {
    if (this != &other) {
        Close();
        d->connectionString = other.d->connectionString;
        d->cursorLocation = other.d->cursorLocation;
        ClearErrors();
    }
    return *this;
}

QString Connection::ConnectionString() const {
    return d->connectionString;
}
void Connection::setConnectionString(const QString &text) {
    d->connectionString = text;
}
int Connection::CursorLocation() const {
    return d->cursorLocation;
}
void Connection::setCursorLocation(int location) {
    d->cursorLocation = location;
}

QString Connection::DataSource() const {
    // The folder is written into the string as it is and may itself hold ';', so the value
    // ends only where the next "Name=" item begins (or at the end).
    static const QRegularExpression dataSource(
        QStringLiteral("(?:^|;)\\s*Data Source\\s*=(.*?)(?:;(?=\\s*[A-Za-z][A-Za-z ]*=)|;?$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = dataSource.match(d->connectionString);
    return match.hasMatch() ? match.captured(1) : QString();
}

bool Connection::Open() {
    if (IsOpen())
        return true;
    ClearErrors();
    const QString file = DataSource();
    if (file.isEmpty()) {
        d->errorNumber = SQLITE_CANTOPEN;
        d->errorDescription = QStringLiteral("unable to open database file");
        return false;
    }
    d->name = newConnectionName();
    bool opened = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), d->name);
        // mode=rw: a missing file is an error and is never created.
        db.setDatabaseName(QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded) +
                           QStringLiteral("?mode=rw"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=3000"));
        opened = db.open();
        if (!opened)
            d->takeError(db.lastError());
    }
    if (!opened) {
        QSqlDatabase::removeDatabase(d->name);
        d->name.clear();
    }
    return opened;
}

void Connection::Close() {
    if (d->name.isEmpty())
        return;
    {
        QSqlDatabase db = d->database();
        if (d->inTransaction)
            db.rollback();
        db.close();
    }
    QSqlDatabase::removeDatabase(d->name);
    d->name.clear();
    d->inTransaction = false;
}

bool Connection::IsOpen() const {
    return !d->name.isEmpty() && d->database().isOpen();
}

bool Connection::BeginTrans() {
    if (!IsOpen()) {
        d->notOpen();
        return false;
    }
    if (!d->run(QStringLiteral("BEGIN")))
        return false;
    d->inTransaction = true;
    return true;
}

bool Connection::CommitTrans() {
    if (!IsOpen() || !d->inTransaction)
        return false;
    if (!d->run(QStringLiteral("COMMIT")))
        return false; // still in the transaction: the caller rolls it back
    d->inTransaction = false;
    return true;
}

bool Connection::RollbackTrans() {
    if (!IsOpen() || !d->inTransaction)
        return false;
    d->inTransaction = false;
    return d->run(QStringLiteral("ROLLBACK"));
}

RecordsetPtr Connection::Execute(const QString &statement) {
    if (!IsOpen()) {
        d->notOpen();
        return {};
    }
    if (std::optional<RecordsetPtr> rows = d->readRows(statement))
        return *rows;
    QSqlQuery query(d->database());
    query.setForwardOnly(true);
    if (!query.exec(statement)) {
        d->takeError(query.lastError());
        return {};
    }
    if (!query.isSelect())
        return std::make_shared<Recordset>();
    const QSqlRecord record = query.record();
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    QList<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        row.reserve(names.size());
        for (int i = 0; i < names.size(); ++i)
            row << (query.isNull(i) ? QVariant() : query.value(i));
        rows << row;
    }
    if (query.lastError().isValid()) {
        d->takeError(query.lastError());
        return {};
    }
    return std::make_shared<Recordset>(names, rows);
}

RecordsetPtr Connection::Execute(const QString &statement, const QStringList &values) {
    if (!IsOpen()) {
        d->notOpen();
        return {};
    }
    QSqlQuery query(d->database());
    query.setForwardOnly(true);
    bool ok = query.prepare(statement);
    for (const QString &value : values)
        query.addBindValue(value); // the driver reads the text where it is: no copy
    ok = ok && query.exec();
    if (!ok) {
        d->takeError(query.lastError());
        return {};
    }
    return std::make_shared<Recordset>();
}

int Connection::ErrorNumber() const {
    return d->errorNumber;
}
QString Connection::ErrorDescription() const {
    return d->errorDescription;
}

void Connection::ClearErrors() {
    d->errorNumber = 0;
    d->errorDescription.clear();
}

void Connection::SetError(int number, const QString &description) {
    d->errorNumber = number;
    d->errorDescription = description;
}

} // namespace ordwen

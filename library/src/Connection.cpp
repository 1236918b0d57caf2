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

    // Reads the rows of a query straight from the driver's SQLite connection into the
    // recordset's compact form: no QVariant and no UTF-16 copy per value while reading, and
    // values of the same kinds as the driver's own query gives. Nothing when the statement
    // is not a query this path takes (no result columns, more than one statement, not
    // accepted by SQLite, another driver): the caller then runs it through QSqlQuery, which
    // reports any failure as it always has.
    std::optional<RecordsetPtr> readRows(const QString &statement) {
        // Only a SELECT is worth preparing here: anything else goes straight to QSqlQuery
        // rather than being parsed twice.
        if (!QStringView(statement).trimmed().startsWith(u"SELECT", Qt::CaseInsensitive))
            return std::nullopt;
        const QVariant handle = database().driver()->handle();
        if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
            return std::nullopt;
        sqlite3 *db = *static_cast<sqlite3 *const *>(handle.constData());
        if (!db)
            return std::nullopt;

        sqlite3_stmt *query = nullptr;
        const void *tail = nullptr;
        if (sqlite3_prepare16_v2(db, statement.constData(), int((statement.size() + 1) * sizeof(QChar)),
                                 &query, &tail) != SQLITE_OK ||
            !query) {
            sqlite3_finalize(query);
            return std::nullopt;
        }
        const int columns = sqlite3_column_count(query);
        if (columns <= 0 || (tail && !QString(static_cast<const QChar *>(tail)).trimmed().isEmpty())) {
            sqlite3_finalize(query);
            return std::nullopt;
        }

        // Field names as the driver gives them: double quotes removed.
        QStringList names;
        names.reserve(columns);
        for (int c = 0; c < columns; ++c)
            names << QString(static_cast<const QChar *>(sqlite3_column_name16(query, c))).remove(u'"');

        auto rows = std::make_shared<detail::RowStore>(columns);
        int result = SQLITE_ROW;
        bool fits = true;
        while (fits && (result = sqlite3_step(query)) == SQLITE_ROW) {
            for (int c = 0; c < columns && fits; ++c) {
                // One call into the connection per value; the value's own accessors then
                // need no lock. Only this thread uses the connection while the call runs.
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
            errorNumber = SQLITE_TOOBIG;
            errorDescription = QStringLiteral("string or blob too big");
            return RecordsetPtr();
        }
        if (result != SQLITE_DONE) {
            // A generic error carries its particular code once the statement is reset.
            if (result == SQLITE_ERROR || result == SQLITE_CONSTRAINT)
                result = sqlite3_reset(query);
            errorNumber = result;
            errorDescription = QString(static_cast<const QChar *>(sqlite3_errmsg16(db)));
            sqlite3_finalize(query);
            return RecordsetPtr();
        }
        sqlite3_finalize(query);
        rows->squeeze();
        return std::make_shared<Recordset>(std::move(names), std::move(rows));
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
        d->errorNumber = 14; // SQLITE_CANTOPEN
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
        d->errorNumber = 21; // SQLITE_MISUSE
        d->errorDescription = QStringLiteral("the connection is not open");
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
        d->errorNumber = 21; // SQLITE_MISUSE
        d->errorDescription = QStringLiteral("the connection is not open");
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

} // namespace ordwen

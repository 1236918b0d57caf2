#include "RowStore.h"

#include <ordwen/ordwen.h>

#include <QAtomicInteger>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

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

    // Reads the rows of a query into the recordset's compact form, forward only: each value
    // is taken from the driver once and kept as its bytes, not as a QVariant per value. Nothing
    // when the statement is not a SELECT: the caller runs it as any other statement.
    std::optional<RecordsetPtr> readRows(const QString &statement) {
        if (!QStringView(statement).trimmed().startsWith(u"SELECT", Qt::CaseInsensitive))
            return std::nullopt;
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
                case QMetaType::QString:
                    // Read in place: the driver's own string, not a copy of it.
                    fits = rows->addText(*static_cast<const QString *>(value.constData()));
                    break;
                default:
                    fits = rows->addText(value.toString());
                    break;
                }
            }
        }
        if (!fits) {
            errorNumber = 18; // SQLITE_TOOBIG
            errorDescription = QStringLiteral("string or blob too big");
            return RecordsetPtr();
        }
        if (query.lastError().isValid()) {
            takeError(query.lastError());
            return RecordsetPtr();
        }
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

#include "reports/DataReport.h"

#include "startup/modGlobal.h"

#include <QCollator>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

#include <algorithm>
#include <map>
#include <numeric>
#include <vector>

#include <sqlite3.h>

namespace reports {

Rowset::Rowset(QStringList fields, QList<QVariantList> rows)
    : m_fields(std::move(fields)), m_rows(std::move(rows)) {}

int Rowset::FieldIndex(const QString &name) const {
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant Rowset::Value(int row, int field) const {
    if (row < 0 || row >= m_rows.size() || field < 0)
        return QVariant();
    const QVariantList &values = m_rows[row];
    if (field >= values.size() || values[field].isNull())
        return QVariant();
    return values[field];
}

std::shared_ptr<const Rowset> Rowset::Child(int row) const {
    return row >= 0 && row < m_children.size() ? m_children[row] : nullptr;
}

void Rowset::Reorder(const QList<int> &order) {
    QList<QVariantList> rows;
    rows.reserve(order.size());
    for (int r : order)
        rows << m_rows.value(r);
    m_rows = std::move(rows);
}

void Rowset::SetChildren(QString name, QList<std::shared_ptr<const Rowset>> children) {
    m_childName = std::move(name);
    m_children = std::move(children);
}

namespace {

std::unique_ptr<DataReport> &instance() {
    static std::unique_ptr<DataReport> dataReport;
    return dataReport;
}

int slot(Command command) {
    return static_cast<int>(command);
}

// The parts of a grouping command: the statement that yields the rows, the name of the
// child rowset and the column the rows are grouped by.
struct Grouping {
    QString statement;
    QString childName;
    QString byColumn;
};

Grouping parseGrouping(const QString &text) {
    static const QRegularExpression shape(
        QStringLiteral(R"(SHAPE\s*\{(.*)\}\s*AS\s+(\w+)\s+COMPUTE\s+\w+\s+BY\s+'?(\w+)'?)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = shape.match(text);
    return {match.captured(1).trimmed(), match.captured(2), match.captured(3)};
}

// The SQLite connection under the data source's QSQLITE connection, or nothing on another
// driver.
sqlite3 *nativeHandle(const QSqlDatabase &db) {
    const QSqlDriver *driver = db.driver();
    const QVariant handle = driver ? driver->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

// The rows straight from SQLite, each value of the kind the QSQLITE driver gives: a text is
// converted once from the database's UTF-8, where the driver first has SQLite make a UTF-16
// copy of it (for a long note, tens of megabytes more while it prints). Nothing when the
// statement fails: the driver then runs it again and words the error.
std::optional<RowsetPtr> readNative(sqlite3 *db, const QString &statement, const QVariantList &parameters) {
    sqlite3_stmt *query = nullptr;
    const int bytes = int((statement.size() + 1) * qsizetype(sizeof(QChar)));
    const auto finish = [&query] {
        sqlite3_finalize(query);
        return std::nullopt;
    };
    const void *tail = nullptr;
    // More than one statement is refused by the driver, so it is left to the driver.
    if (sqlite3_prepare16_v2(db, statement.constData(), bytes, &query, &tail) != SQLITE_OK || !query ||
        !QStringView(static_cast<const QChar *>(tail)).trimmed().isEmpty() ||
        sqlite3_bind_parameter_count(query) != int(parameters.size()))
        return finish();
    // Only the kinds the data source passes; any other is left to the driver's own binding.
    for (int i = 0; i < int(parameters.size()); ++i) {
        const QVariant &parameter = parameters[i];
        const int kind = parameter.typeId();
        int bound = SQLITE_MISUSE;
        if (kind == QMetaType::QString) {
            const QString text = parameter.toString();
            // A null text is bound as Null, as the driver binds it.
            bound = text.isNull()
                        ? sqlite3_bind_null(query, i + 1)
                        : sqlite3_bind_text16(query, i + 1, text.constData(),
                                              int(text.size() * qsizetype(sizeof(QChar))), SQLITE_TRANSIENT);
        } else if (kind == QMetaType::Int || kind == QMetaType::LongLong) {
            bound = sqlite3_bind_int64(query, i + 1, parameter.toLongLong());
        } else if (!parameter.isValid()) {
            bound = sqlite3_bind_null(query, i + 1);
        }
        if (bound != SQLITE_OK)
            return finish();
    }
    const int columns = sqlite3_column_count(query);
    QStringList fields;
    for (int c = 0; c < columns; ++c)
        fields << QString::fromUtf8(sqlite3_column_name(query, c)).remove(QLatin1Char('"'));
    QList<QVariantList> rows;
    int result = SQLITE_ROW;
    while ((result = sqlite3_step(query)) == SQLITE_ROW) {
        QVariantList values;
        values.reserve(columns);
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(query, c)) {
            case SQLITE_NULL:
                values << QVariant(QMetaType::fromType<QString>());
                break;
            case SQLITE_INTEGER:
                values << QVariant(qlonglong(sqlite3_column_int64(query, c)));
                break;
            case SQLITE_FLOAT:
                values << QVariant(sqlite3_column_double(query, c));
                break;
            case SQLITE_BLOB:
                values << QVariant(QByteArray(static_cast<const char *>(sqlite3_column_blob(query, c)),
                                              sqlite3_column_bytes(query, c)));
                break;
            default: {
                const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(query, c));
                values << QVariant(QString::fromUtf8(text ? text : "", sqlite3_column_bytes(query, c)));
                break;
            }
            }
        }
        rows << std::move(values);
    }
    if (result != SQLITE_DONE)
        return finish();
    sqlite3_finalize(query);
    return std::make_shared<Rowset>(fields, rows);
}

// Runs one statement and copies its rows out, so that no read stays pending on the
// connection (a pending read would keep the file locked against the program's saves).
RowsetPtr runStatement(const QSqlDatabase &db, const QString &statement, const QVariantList &parameters,
                       QString &error) {
    if (sqlite3 *native = nativeHandle(db)) {
        if (std::optional<RowsetPtr> rows = readNative(native, statement, parameters))
            return *rows;
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(statement)) {
        error = query.lastError().text();
        return nullptr;
    }
    for (const QVariant &parameter : parameters)
        query.addBindValue(parameter);
    if (!query.exec()) {
        error = query.lastError().text();
        return nullptr;
    }
    const QSqlRecord record = query.record();
    QStringList fields;
    for (int i = 0; i < record.count(); ++i)
        fields << record.fieldName(i);
    QList<QVariantList> rows;
    while (query.next()) {
        QVariantList values;
        values.reserve(fields.size());
        for (int i = 0; i < fields.size(); ++i)
            values << query.value(i);
        rows << std::move(values);
    }
    if (query.lastError().isValid()) {
        error = query.lastError().text();
        return nullptr;
    }
    query.finish();
    return std::make_shared<Rowset>(fields, rows);
}

// The columns a statement's ORDER BY names, in order.
QStringList orderColumns(const QString &statement) {
    static const QRegularExpression orderBy(QStringLiteral(R"(\bORDER\s+BY\s+(.+)$)"),
                                            QRegularExpression::CaseInsensitiveOption);
    QStringList columns;
    const QRegularExpressionMatch match = orderBy.match(statement.trimmed());
    if (match.hasMatch()) {
        for (const QString &column : match.captured(1).split(QLatin1Char(',')))
            columns << column.trimmed();
    }
    return columns;
}

// Each row's place among the texts of one column as a reader orders them: case and accents
// by the user's locale, digits as text ("100" before "25"); Null before every text (-1).
// One collation key is worked out per distinct text, not per comparison.
QList<int> collatedRanks(const Rowset &rows, int field, const QCollator &collator) {
    QList<int> textOfRow(rows.RowCount(), -1);
    QHash<QString, int> distinct;
    QStringList texts;
    for (int r = 0; r < rows.RowCount(); ++r) {
        const QVariant value = rows.Value(r, field);
        if (!value.isValid())
            continue;
        const QString text = value.toString();
        const auto found = distinct.constFind(text);
        if (found != distinct.cend()) {
            textOfRow[r] = *found;
            continue;
        }
        textOfRow[r] = int(texts.size());
        distinct.insert(text, int(texts.size()));
        texts << text;
    }
    std::vector<QCollatorSortKey> keys;
    keys.reserve(std::size_t(texts.size()));
    for (const QString &text : std::as_const(texts))
        keys.push_back(collator.sortKey(text));
    std::vector<int> sorted(keys.size());
    std::iota(sorted.begin(), sorted.end(), 0);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&](int a, int b) { return keys[std::size_t(a)].compare(keys[std::size_t(b)]) < 0; });
    std::vector<int> rankOfText(keys.size());
    for (std::size_t i = 0; i < sorted.size(); ++i)
        rankOfText[std::size_t(sorted[i])] = int(i);
    QList<int> ranks(rows.RowCount(), -1);
    for (int r = 0; r < rows.RowCount(); ++r) {
        if (textOfRow[r] >= 0)
            ranks[r] = rankOfText[std::size_t(textOfRow[r])];
    }
    return ranks;
}

QCollator readersCollator() {
    QCollator collator{QLocale()};
    collator.setNumericMode(false);
    return collator;
}

// Sorts the rows by the columns, each as a reader orders it; rows equal in every column stay
// in the order the statement returned them.
void sortAsRead(Rowset &rows, const QStringList &columns) {
    if (columns.isEmpty() || rows.RowCount() < 2)
        return;
    const QCollator collator = readersCollator();
    QList<QList<int>> ranks;
    for (const QString &column : columns) {
        const int field = rows.FieldIndex(column);
        if (field >= 0)
            ranks << collatedRanks(rows, field, collator);
    }
    QList<int> order(rows.RowCount());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        for (const QList<int> &rank : std::as_const(ranks)) {
            if (rank[a] != rank[b])
                return rank[a] < rank[b];
        }
        return false;
    });
    rows.Reorder(order);
}

// One parent row per distinct value of the grouping column, in the order a reader sorts
// those values (Null first), each holding its rows ordered by client name as a reader sorts
// names, rows of the same name in the order the statement returned them.
RowsetPtr groupRows(const Rowset &rows, const Grouping &grouping) {
    const QCollator collator = readersCollator();
    const QList<int> typeRanks = collatedRanks(rows, rows.FieldIndex(grouping.byColumn), collator);
    const QList<int> nameRanks = collatedRanks(rows, rows.FieldIndex(QStringLiteral("Client")), collator);
    std::map<int, QList<int>> groups;
    for (int r = 0; r < rows.RowCount(); ++r)
        groups[typeRanks[r]] << r;
    const int by = rows.FieldIndex(grouping.byColumn);
    QList<QVariantList> parentRows;
    QList<std::shared_ptr<const Rowset>> children;
    for (auto &[rank, members] : groups) {
        std::stable_sort(members.begin(), members.end(),
                         [&](int a, int b) { return nameRanks[a] < nameRanks[b]; });
        QList<QVariantList> childRows;
        childRows.reserve(members.size());
        for (int r : std::as_const(members)) {
            QVariantList values;
            values.reserve(rows.Fields().size());
            for (int f = 0; f < rows.Fields().size(); ++f)
                values << rows.Value(r, f);
            childRows << values;
        }
        parentRows << QVariantList{rows.Value(members.first(), by)};
        children << std::make_shared<const Rowset>(rows.Fields(), childRows);
    }
    auto parents = std::make_shared<Rowset>(QStringList{grouping.byColumn}, parentRows);
    parents->SetChildren(grouping.childName, children);
    return parents;
}

} // namespace

DataReport &DataReport::Instance() {
    if (!instance()) {
        instance().reset(new DataReport);
        // Shut-down closes the report connection with everything else.
        modGlobal::SetCloseStep(QStringLiteral("DataReport"), [] { instance().reset(); });
    }
    return *instance();
}

bool DataReport::Exists() {
    return bool(instance());
}

void DataReport::Release() {
    instance().reset();
    modGlobal::SetCloseStep(QStringLiteral("DataReport"), {});
}

DataReport::DataReport() = default;

DataReport::~DataReport() {
    Disconnect();
}

QString DataReport::ConnectionName() {
    return QStringLiteral("conReport");
}

QString DataReport::CommandName(Command command) {
    switch (command) {
    case Command::cmdAddress:
        return QStringLiteral("cmdAddress");
    case Command::cmdClients:
        return QStringLiteral("cmdClients");
    case Command::cmdInvoice:
        return QStringLiteral("cmdInvoice");
    case Command::cmdNotes:
        return QStringLiteral("cmdNotes");
    case Command::cmdClientByType_Grouping:
        return QStringLiteral("cmdClientByType_Grouping");
    }
    return QString();
}

QString DataReport::CommandText(Command command) {
    switch (command) {
    case Command::cmdAddress:
        return QStringLiteral("SELECT * FROM tblAddress ORDER BY LName,FName");
    case Command::cmdClients:
        return QStringLiteral("SELECT * FROM tblClients ORDER BY ClientType, Client");
    case Command::cmdInvoice:
        return QStringLiteral(
            "SELECT tblInvoices.InvoiceID, tblInvoices.Client, tblInvoices.BCity, tblInvoices.BAdd1, "
            "tblInvoices.BAdd2, tblInvoices.ServiceDate, tblInvoices.BState, tblInvoices.BZip, "
            "tblInvoices.OtherCharges, tblInvoices.ContractFee, tblInvoices.Hours, tblInvoices.Rate, "
            "tblInvoices.HourAmt, tblInvoices.OtherAmt, tblInvoices.PastDue, tblInvoices.TotalAmt, "
            "tblOwner.Company, tblOwner.Address, tblOwner.City, tblOwner.State, tblOwner.Zip, "
            "tblOwner.Phone, "
            "tblOwner.Email, (tblOwner.City || ', ' || tblOwner.State || ' ' || tblOwner.Zip) AS "
            "CompanyAddress "
            "FROM tblInvoices, tblOwner WHERE tblInvoices.InvoiceID = ?");
    case Command::cmdNotes:
        return QStringLiteral("SELECT * FROM tblNotes WHERE NoteID = ?");
    case Command::cmdClientByType_Grouping:
        return QStringLiteral(
            " SHAPE {SELECT * FROM tblClients}  AS cmdClientByType COMPUTE cmdClientByType BY 'ClientType'");
    }
    return QString();
}

bool DataReport::IsConnected() const {
    return !m_databaseFile.isEmpty() && QSqlDatabase::database(ConnectionName(), false).isOpen();
}

bool DataReport::Connect() {
    const QString file = modGlobal::AppPath(QStringLiteral("home/home.qd"));
    // The application folder can change under the tests; a connection to another folder's
    // file is not the one wanted.
    if (IsConnected() && m_databaseFile == file)
        return true;
    Disconnect();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ConnectionName());
        // Read-only: a report can never change a stored record, and a missing file is an
        // error instead of a new empty database.
        db.setDatabaseName(QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded) +
                           QStringLiteral("?mode=ro"));
        db.setConnectOptions(
            QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=3000"));
        if (db.open()) {
            m_databaseFile = file;
            return true;
        }
        m_lastError = db.lastError().text();
    }
    QSqlDatabase::removeDatabase(ConnectionName());
    return false;
}

void DataReport::Disconnect() {
    m_databaseFile.clear();
    if (!QSqlDatabase::contains(ConnectionName()))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(ConnectionName(), false);
        db.close();
    }
    QSqlDatabase::removeDatabase(ConnectionName());
}

bool DataReport::Execute(Command command, const QVariant &parameter) {
    RowsetPtr &result = m_results[std::size_t(slot(command))];
    result.reset();
    m_lastError.clear();
    if (!Connect())
        return false;
    const QSqlDatabase db = QSqlDatabase::database(ConnectionName(), false);
    const QString text = CommandText(command);
    if (command == Command::cmdClientByType_Grouping) {
        const Grouping grouping = parseGrouping(text);
        const RowsetPtr rows = runStatement(db, grouping.statement, {}, m_lastError);
        if (!rows)
            return false;
        result = groupRows(*rows, grouping);
        return true;
    }
    const bool hasParameter = command == Command::cmdInvoice || command == Command::cmdNotes;
    QVariantList parameters;
    if (hasParameter)
        parameters << (parameter.isValid() ? parameter.toString() : QString());
    result = runStatement(db, text, parameters, m_lastError);
    // The engine orders text by character code ("O'Neil" before "adams", "Ábel" last); the
    // reports list names as a reader looks them up.
    if (result)
        sortAsRead(*result, orderColumns(text));
    return bool(result);
}

RowsetPtr DataReport::Query(const QString &statement, const QVariantList &parameters) {
    m_lastError.clear();
    if (!Connect())
        return nullptr;
    return runStatement(QSqlDatabase::database(ConnectionName(), false), statement, parameters, m_lastError);
}

RowsetPtr DataReport::Result(Command command) const {
    return m_results[std::size_t(slot(command))];
}

bool DataReport::IsOpen(Command command) const {
    const RowsetPtr &result = m_results[std::size_t(slot(command))];
    return result && result->IsOpen();
}

void DataReport::Close(Command command) {
    if (const RowsetPtr &result = m_results[std::size_t(slot(command))])
        result->Close();
}

} // namespace reports

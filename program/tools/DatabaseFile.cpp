#include "tools/DatabaseFile.h"

#include <QFile>

#include <sqlite3.h>

#include <memory>

namespace tools {

namespace {

// How long a connection waits for a lock another connection holds before it gives up.
constexpr int BusyTimeoutMs = 5000;

struct CloseDatabase {
    void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;

struct FinalizeStatement {
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

FileFailure failureOf(sqlite3 *db, int code) {
    // The connection's message names the detail ("no such table: tblNotes"); without a
    // connection only the code's own text is known.
    const char *message = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    return FileFailure{code, QString::fromUtf8(message ? message : sqlite3_errstr(code))};
}

std::optional<FileFailure> open(const QString &path, int flags, Database &db) {
    sqlite3 *handle = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, flags, nullptr);
    db.reset(handle);
    if (rc != SQLITE_OK)
        return failureOf(handle, rc);
    sqlite3_extended_result_codes(handle, 0);
    sqlite3_busy_timeout(handle, BusyTimeoutMs);
    return std::nullopt;
}

std::optional<FileFailure> openReadOnly(const QString &path, Database &db) {
    return open(path, SQLITE_OPEN_READONLY, db);
}

// Runs a statement that gives one row with one value; the value's text goes to `text`, or
// its number to `number`.
std::optional<FileFailure> queryOne(sqlite3 *db, const char *sql, QString *text, qint64 *number) {
    sqlite3_stmt *raw = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &raw, nullptr);
    const Statement statement(raw);
    if (rc != SQLITE_OK)
        return failureOf(db, rc);
    rc = sqlite3_step(raw);
    if (rc != SQLITE_ROW)
        return rc == SQLITE_DONE ? FileFailure{SQLITE_ERROR, QStringLiteral("no answer")} : failureOf(db, rc);
    if (text) {
        const auto *value = reinterpret_cast<const char *>(sqlite3_column_text(raw, 0));
        *text = QString::fromUtf8(value ? value : "");
    }
    if (number)
        *number = sqlite3_column_int64(raw, 0);
    return std::nullopt;
}

// The tables every database of the program holds.
constexpr const char *ProgramTablesQuery =
    "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name IN "
    "('tblClients', 'tblNotes', 'tblInvoices', 'tblAddress', 'tblOwner')";
constexpr qint64 ProgramTableCount = 5;

std::optional<FileFailure> checkProgramTables(sqlite3 *db) {
    qint64 tables = 0;
    if (auto failure = queryOne(db, ProgramTablesQuery, nullptr, &tables))
        return failure;
    if (tables != ProgramTableCount)
        return FileFailure{SQLITE_ERROR, QStringLiteral("the file does not hold the tables of the records")};
    return std::nullopt;
}

} // namespace

std::optional<FileFailure> CopyDatabase(const QString &from, const QString &to, bool createTarget,
                                        bool fastTarget) {
    Database source;
    if (auto failure = openReadOnly(from, source))
        return failure;
    Database target;
    if (auto failure = open(to, SQLITE_OPEN_READWRITE | (createTarget ? SQLITE_OPEN_CREATE : 0), target))
        return failure;
    if (fastTarget) {
        // A new file nobody else reads: a journal and syncing would only slow the copy.
        sqlite3_exec(target.get(), "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;", nullptr, nullptr,
                     nullptr);
    }
    sqlite3_backup *backup = sqlite3_backup_init(target.get(), "main", source.get(), "main");
    if (!backup)
        return failureOf(target.get(), sqlite3_errcode(target.get()));
    // All pages in one step: the target is written in a single transaction.
    const int rc = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE) {
        // The step's code says whose fault it was; the source's message is the more telling
        // one when the source could not be read.
        const int sourceCode = sqlite3_errcode(source.get());
        if (sourceCode != SQLITE_OK)
            return failureOf(source.get(), rc);
        return FileFailure{rc, QString::fromUtf8(sqlite3_errstr(rc))};
    }
    return std::nullopt;
}

std::optional<FileFailure> CheckIntegrity(const QString &path) {
    Database db;
    if (auto failure = openReadOnly(path, db))
        return failure;
    QString answer;
    if (auto failure = queryOne(db.get(), "PRAGMA integrity_check", &answer, nullptr))
        return failure;
    if (answer != QLatin1String("ok"))
        return FileFailure{SQLITE_CORRUPT, answer};
    return std::nullopt;
}

std::optional<RecordCounts> CountRecords(const QString &path, FileFailure *failure) {
    auto fail = [failure](FileFailure what) {
        if (failure)
            *failure = std::move(what);
        return std::optional<RecordCounts>();
    };
    Database db;
    if (auto opened = openReadOnly(path, db))
        return fail(*opened);
    if (auto tables = checkProgramTables(db.get()))
        return fail(*tables);
    RecordCounts counts;
    const struct {
        const char *sql;
        qint64 *count;
    } queries[] = {
        {"SELECT COUNT(*) FROM tblClients", &counts.clients},
        {"SELECT COUNT(*) FROM tblInvoices", &counts.invoices},
        {"SELECT COUNT(*) FROM tblNotes", &counts.notes},
        {"SELECT COUNT(*) FROM tblAddress", &counts.addresses},
    };
    for (const auto &query : queries) {
        if (auto counted = queryOne(db.get(), query.sql, nullptr, query.count))
            return fail(*counted);
    }
    return counts;
}

bool IsProgramDatabase(const QString &path, FileFailure *failure) {
    Database db;
    std::optional<FileFailure> problem = openReadOnly(path, db);
    if (!problem)
        problem = checkProgramTables(db.get());
    if (problem && failure)
        *failure = *problem;
    return !problem;
}

} // namespace tools

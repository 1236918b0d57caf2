#include "SqliteBaseline.h"

#include <QDateTime>
#include <QFile>
#include <QUrl>

#include <sqlite3.h>

#include <cstring>

namespace bench::baseline {

namespace {

// The library's way of opening the file: a URI with mode=rw, so that a missing file is an
// error, and a busy timeout of three seconds.
sqlite3 *open(const QString &database) {
    const QByteArray uri =
        (QUrl::fromLocalFile(database).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw")).toUtf8();
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(uri.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, 3000);
    return db;
}

bool exec(sqlite3 *db, const char *sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

void bindText(sqlite3_stmt *statement, int column, const QString &value) {
    sqlite3_bind_text16(statement, column, value.utf16(), int(value.size() * sizeof(QChar)), SQLITE_STATIC);
}

QString nowText() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// Runs one prepared insert in a transaction of its own on a connection of its own.
template <typename Bind> bool insert(const QString &database, const char *sql, Bind bind) {
    sqlite3 *db = open(database);
    if (!db)
        return false;
    bool ok = exec(db, "BEGIN");
    sqlite3_stmt *statement = nullptr;
    ok = ok && sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK;
    if (ok) {
        bind(statement);
        ok = sqlite3_step(statement) == SQLITE_DONE;
    }
    sqlite3_finalize(statement);
    ok = ok && exec(db, "COMMIT");
    if (!ok)
        exec(db, "ROLLBACK");
    sqlite3_close(db);
    return ok;
}

} // namespace

template <typename Row> std::vector<Row> Read(const QString &database, const char *select) {
    std::vector<Row> rows;
    sqlite3 *db = open(database);
    if (!db)
        return rows;
    sqlite3_stmt *statement = nullptr;
    if (exec(db, "BEGIN") && sqlite3_prepare_v2(db, select, -1, &statement, nullptr) == SQLITE_OK) {
        // Where each column goes, worked out once from its declared type.
        enum Kind { Text, Real, Counter };
        const int columns = sqlite3_column_count(statement);
        std::vector<std::pair<Kind, int>> places;
        int texts = 0, reals = 0;
        for (int c = 0; c < columns; ++c) {
            const char *type = sqlite3_column_decltype(statement, c);
            if (type && std::strcmp(type, "REAL") == 0)
                places.emplace_back(Real, reals++);
            else if (type && std::strcmp(type, "INTEGER") == 0)
                places.emplace_back(Counter, 0);
            else
                places.emplace_back(Text, texts++);
        }
        while (sqlite3_step(statement) == SQLITE_ROW) {
            Row &row = rows.emplace_back();
            for (int c = 0; c < columns; ++c) {
                const auto [kind, slot] = places[std::size_t(c)];
                if (kind == Real) {
                    row.real[std::size_t(slot)] = sqlite3_column_double(statement, c);
                } else if (kind == Counter) {
                    row.id = sqlite3_column_int64(statement, c);
                } else if (sqlite3_column_type(statement, c) != SQLITE_NULL) {
                    // The database's own UTF-8, decoded by Qt: quicker than asking SQLite
                    // for UTF-16.
                    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, c));
                    const int bytes = sqlite3_column_bytes(statement, c);
                    row.text[std::size_t(slot)] = QString::fromUtf8(text, bytes);
                }
            }
        }
        sqlite3_finalize(statement);
        exec(db, "COMMIT");
    }
    sqlite3_close(db);
    return rows;
}

qsizetype ReadFloor(const QString &database, const char *select, Floor floor) {
    sqlite3 *db = open(database);
    if (!db)
        return -1;
    qsizetype rows = -1;
    sqlite3_stmt *statement = nullptr;
    if (exec(db, "BEGIN") && sqlite3_prepare_v2(db, select, -1, &statement, nullptr) == SQLITE_OK) {
        const int columns = sqlite3_column_count(statement);
        rows = 0;
        qsizetype kept = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            ++rows;
            for (int c = 0; c < columns && floor != Floor::Step; ++c) {
                if (floor == Floor::Utf8) {
                    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, c));
                    kept += QByteArray(text, sqlite3_column_bytes(statement, c)).size();
                } else {
                    const auto *text = static_cast<const QChar *>(sqlite3_column_text16(statement, c));
                    kept += QString(text, sqlite3_column_bytes16(statement, c) / 2).size();
                }
            }
        }
        sqlite3_finalize(statement);
        exec(db, "COMMIT");
        if (kept < 0)
            rows = -1;
    }
    sqlite3_close(db);
    return rows;
}

template std::vector<ClientRow> Read<ClientRow>(const QString &, const char *);
template std::vector<InvoiceRow> Read<InvoiceRow>(const QString &, const char *);
template std::vector<NoteRow> Read<NoteRow>(const QString &, const char *);
template std::vector<AddressRow> Read<AddressRow>(const QString &, const char *);

bool AddClient(const QString &database, const ClientRecord &record) {
    const QString now = nowText();
    return insert(database,
                  "INSERT INTO tblClients (ClientID,ClientType,Client,Add1,Add2,City,State,Zip,Phone,Contact,"
                  "BAdd1,BAdd2,BCity,BState,BZip,Schedule,Service,DayOfWeek,Fee,FeeType,BSchedule,Pets,"
                  "AddDate,Notes) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
                  [&](sqlite3_stmt *s) {
                      for (int i = 0; i <= 17; ++i)
                          bindText(s, i + 1, record.text[i]);
                      sqlite3_bind_double(s, 19, double(record.fee));
                      for (int i = 18; i <= 20; ++i)
                          bindText(s, i + 2, record.text[i]);
                      bindText(s, 23, now);
                      bindText(s, 24, record.text[21]);
                  });
}

bool AddInvoice(const QString &database, const InvoiceRecord &record) {
    const QString now = nowText();
    const QString serviceDate = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    return insert(database,
                  "INSERT INTO tblInvoices (InvoiceID,ClientID,ServiceDate,Client,BAdd1,BAdd2,BCity,BState,"
                  "BZip,Hours,Rate,HourAmt,OtherCharges,OtherAmt,PastDue,ContractFee,TotalAmt,DayOfWeek,"
                  "Schedule,Service,FeeType,Pets,Notes,AddDate) VALUES "
                  "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
                  [&](sqlite3_stmt *s) {
                      const QStringList &t = record.text;
                      const QList<float> &a = record.amounts;
                      bindText(s, 1, t[0]);
                      bindText(s, 2, t[1]);
                      bindText(s, 3, serviceDate);
                      for (int i = 2; i <= 7; ++i)
                          bindText(s, i + 2, t[i]);
                      sqlite3_bind_double(s, 10, double(a[0]));
                      sqlite3_bind_double(s, 11, double(a[1]));
                      sqlite3_bind_double(s, 12, double(a[2]));
                      bindText(s, 13, t[8]);
                      sqlite3_bind_double(s, 14, double(a[4]));
                      sqlite3_bind_double(s, 15, double(a[5]));
                      sqlite3_bind_double(s, 16, double(a[3]));
                      sqlite3_bind_double(s, 17, double(a[6]));
                      for (int i = 9; i <= 14; ++i)
                          bindText(s, i + 9, t[i]);
                      bindText(s, 24, now);
                  });
}

} // namespace bench::baseline

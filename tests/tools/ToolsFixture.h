// What the Tools tests share: a temporary application folder the program works in, records
// seeded by statements of the test's own, and reading database files without the program.
#pragma once

#include "WindowFixture.h"

#include "startup/modGlobal.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

#include <memory>

class ToolsFolder : public ProgramFixture {
public:
    // n clients, invoices, notes and address entries, numbered from `first`; each kind in
    // one statement, so that seeding many rows stays quick.
    bool seed(int clients, int invoices, int notes, int addresses, int first = 1) {
        auto insert = [first](const char *head, int count, const char *row) {
            QStringList rows;
            for (int i = first; i < first + count; ++i)
                rows << QString::fromLatin1(row).arg(i).arg(i % 9 + 1);
            return QString::fromLatin1(head) + rows.join(QLatin1Char(','));
        };
        const struct {
            int count;
            const char *head;
            const char *row;
        } kinds[] = {
            {clients, "INSERT INTO tblClients (ClientID, ClientType, Client, City, Fee) VALUES ",
             "('QD-%1', 'Home', 'Client %1', 'Town', 25)"},
            {invoices, "INSERT INTO tblInvoices (InvoiceID, ClientID, ServiceDate, Client, TotalAmt) VALUES ",
             "('INV-%1', 'QD-1', '2024-03-0%2', 'Client 1', 40)"},
            {notes, "INSERT INTO tblNotes (NoteID, NoteText, AddDate) VALUES ",
             "('QDN-%1', 'Note %1', '2024-03-01 10:00:00')"},
            {addresses, "INSERT INTO tblAddress (AddressID, FName, LName, FullName) VALUES ",
             "('A-%1', 'First%1', 'Last%1', 'First%1 Last%1')"},
        };
        for (const auto &kind : kinds) {
            if (kind.count > 0 && !folder.exec(insert(kind.head, kind.count, kind.row)))
                return false;
        }
        return true;
    }

    QString backupPath(const QString &name) const {
        return folder.filePath(QStringLiteral("home/backup/") + name);
    }
    static QString dayName(const QDate &day) {
        return QStringLiteral("home-") + day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".qd");
    }

    QStringList backupFiles() const {
        return QDir(folder.filePath(QStringLiteral("home/backup")))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }
};

// A value read from any database file through a connection of the test's own; invalid when
// the file cannot be read.
inline QVariant fileValue(const QString &file, const QString &sql) {
    const QString name = QStringLiteral("probe-") + QUuid::createUuid().toString(QUuid::Id128);
    QVariant result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(sql) && query.next())
                result = query.value(0);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

inline int fileCount(const QString &file, const char *table) {
    const QVariant value = fileValue(file, QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table));
    return value.isValid() ? value.toInt() : -1;
}

inline QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

#include "TestAppFolder.h"

#include <ordwen/ordwen.h>

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

#include <cstdio>

QString testSchemaFile() {
    return QStringLiteral(BRISOLA_SCHEMA_FILE);
}
QString testDataFolder() {
    return QStringLiteral(BRISOLA_DATA_DIR);
}
QString testTemplateDatabase() {
    return QStringLiteral(BRISOLA_TEMPLATE_DB);
}

namespace {

bool copyRecursively(const QString &from, const QString &to) {
    QFileInfo info(from);
    if (info.isDir()) {
        QDir().mkpath(to);
        const auto entries = QDir(from).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        for (const QString &entry : entries) {
            if (!copyRecursively(from + QLatin1Char('/') + entry, to + QLatin1Char('/') + entry))
                return false;
        }
        return true;
    }
    QFile::remove(to);
    return QFile::copy(from, to);
}

// Runs fn with a connection of its own to the database file, removed afterwards.
template <typename Fn> auto withDatabase(const QString &file, Fn fn) {
    const QString name = QStringLiteral("test-") + QUuid::createUuid().toString(QUuid::Id128);
    struct Remover {
        QString name;
        ~Remover() { QSqlDatabase::removeDatabase(name); }
    } remover{name};
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(file);
    if (!db.open())
        std::fprintf(stderr, "TestAppFolder: cannot open %s\n", qPrintable(file));
    auto result = fn(db);
    db.close();
    db = QSqlDatabase();
    return result;
}

} // namespace

TestAppFolder::TestAppFolder(bool withDb) {
    QDir(m_dir.path()).mkpath(QStringLiteral("home"));
    if (withDb)
        createDatabase();
    OrdwenSetApplicationFolder(QFile::encodeName(m_dir.path()).constData());
}

TestAppFolder::~TestAppFolder() {
    OrdwenSetApplicationFolder(nullptr);
}

void TestAppFolder::createDatabase() {
    QFile::remove(databasePath());
    if (!QFile::copy(testTemplateDatabase(), databasePath()))
        std::fprintf(stderr, "TestAppFolder: cannot copy the template database\n");
    QFile::setPermissions(databasePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

void TestAppFolder::copyDelivered(const QString &relative) {
    copyRecursively(testDataFolder() + QLatin1Char('/') + relative, filePath(relative));
}

bool TestAppFolder::exec(const QString &sql) {
    return withDatabase(databasePath(), [&](QSqlDatabase &db) {
        QSqlQuery query(db);
        if (!query.exec(sql)) {
            std::fprintf(stderr, "TestAppFolder::exec failed: %s\n  %s\n",
                         qPrintable(query.lastError().text()), qPrintable(sql));
            return false;
        }
        return true;
    });
}

QList<QVariantMap> TestAppFolder::rows(const QString &sql) {
    return withDatabase(databasePath(), [&](QSqlDatabase &db) {
        QList<QVariantMap> result;
        QSqlQuery query(db);
        if (!query.exec(sql)) {
            std::fprintf(stderr, "TestAppFolder::rows failed: %s\n  %s\n",
                         qPrintable(query.lastError().text()), qPrintable(sql));
            return result;
        }
        while (query.next()) {
            QVariantMap row;
            const QSqlRecord record = query.record();
            for (int i = 0; i < record.count(); ++i)
                row.insert(record.fieldName(i), query.isNull(i) ? QVariant() : query.value(i));
            result.append(row);
        }
        return result;
    });
}

QVariant TestAppFolder::value(const QString &sql) {
    return withDatabase(databasePath(), [&](QSqlDatabase &db) {
        QSqlQuery query(db);
        if (!query.exec(sql) || !query.next() || query.isNull(0))
            return QVariant();
        return query.value(0);
    });
}

QByteArray TestAppFolder::readFile(const QString &relative) const {
    QFile file(filePath(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A temporary application folder with a fresh database made from the schema, used by one test.
// While it lives, the library works in it; ~TestAppFolder restores the library's own folder.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <QVariantMap>

class TestAppFolder {
public:
    // withDatabase false leaves home/ without home.qd.
    explicit TestAppFolder(bool withDatabase = true);
    ~TestAppFolder();
    TestAppFolder(const TestAppFolder &) = delete;
    TestAppFolder &operator=(const TestAppFolder &) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relative) const { return m_dir.path() + QLatin1Char('/') + relative; }
    QString databasePath() const { return filePath(QStringLiteral("home/home.qd")); }
    QString errorLogPath() const { return filePath(QStringLiteral("error.log")); }

    // Puts a fresh database in place (replacing any file there).
    void createDatabase();
    // Copies a delivered file or folder (images/..., text/...) from the data folder.
    void copyDelivered(const QString &relative);

    // Runs statements on the database through a connection of the test's own, closed again
    // before returning. Fails the test (QVERIFY-style message on stderr, false) on error.
    bool exec(const QString &sql);
    QList<QVariantMap> rows(const QString &sql);
    QVariant value(const QString &sql); // first column of the first row

    QByteArray readFile(const QString &relative) const;
    QByteArray errorLog() const { return readFile(QStringLiteral("error.log")); }

private:
    QTemporaryDir m_dir;
};

// Source-tree and build-tree paths the tests need.
QString testSchemaFile();
QString testDataFolder();
QString testTemplateDatabase();

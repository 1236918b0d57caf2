// Installing: cmake --install lays out a complete application folder in the prefix (a prefix
// with a blank in it too), with a desktop entry that passes desktop-file-validate and starts
// the installed program, and a second install keeps the database the user has written to.
#include "TestMain.h"
#include "ToolsFixture.h"

#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// Runs cmake --install of the build into the prefix; the output on failure.
QString install(const QString &prefix) {
    QProcess cmake;
    cmake.setProcessChannelMode(QProcess::MergedChannels);
    cmake.start(QStringLiteral(BRISOLA_CMAKE_COMMAND),
                {QStringLiteral("--install"), QStringLiteral(BRISOLA_BINARY_DIR), QStringLiteral("--prefix"),
                 prefix});
    if (!cmake.waitForFinished(120000) || cmake.exitStatus() != QProcess::NormalExit || cmake.exitCode() != 0)
        return QString::fromLocal8Bit(cmake.readAll()) + QStringLiteral(" (install failed)");
    return QString();
}

// The key's value as a desktop entry reader sees it: the entry-string escapes undone.
QString entryValue(const QString &entry, const QString &key) {
    QFile file(entry);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (!line.startsWith(key + QLatin1Char('=')))
            continue;
        QString value;
        const QString raw = line.mid(key.size() + 1);
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] == QLatin1Char('\\') && i + 1 < raw.size()) {
                const QChar next = raw[++i];
                value += next == QLatin1Char('s') ? QChar(' ') : next;
            } else {
                value += raw[i];
            }
        }
        return value;
    }
    return QString();
}

// The program an Exec value starts: its one argument, unquoted, with %% as %.
QString execProgram(const QString &exec) {
    QString program;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted && c == QLatin1Char('\\') && i + 1 < exec.size())
            program += exec[++i];
        else if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char('%') && i + 1 < exec.size() && exec[i + 1] == QLatin1Char('%'))
            program += exec[++i];
        else if (c == QLatin1Char(' ') && !quoted)
            break;
        else
            program += c;
    }
    return program;
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

private slots:
    void installLaysOutTheApplicationFolder_data() {
        QTest::addColumn<QString>("folderName");
        QTest::newRow("plain prefix") << QStringLiteral("brisola");
        QTest::newRow("prefix with a blank and signs") << QStringLiteral("My Apps $1 & 50% \"x\"");
    }

    void installLaysOutTheApplicationFolder() {
        QFETCH(QString, folderName);
        QTemporaryDir root;
        const QString prefix = root.filePath(folderName);
        const QString failure = install(prefix);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));

        const QDir dir(prefix);
        for (const char *file :
             {"brisola", "libordwen.so", "home/home.qd", "text/About.rtf", "help/ordwen.hlp",
              "images/qd02_.png", "images/clipboard.png", "images/qd06_.jpg", "images/autorun.ico",
              "images/earth.ico", "images/brisola.svg", "brisola.desktop"})
            QVERIFY2(QFileInfo(dir.filePath(QLatin1String(file))).isFile(), file);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("brisola"))).isExecutable());
        QCOMPARE(fileCount(dir.filePath(QStringLiteral("home/home.qd")), "tblOwner"), 0);
        QCOMPARE(fileCount(dir.filePath(QStringLiteral("home/home.qd")), "tblBilling"), 0);

        // The entry names the installed program and icon.
        const QString entry = dir.filePath(QStringLiteral("brisola.desktop"));
        QCOMPARE(execProgram(entryValue(entry, QStringLiteral("Exec"))),
                 dir.filePath(QStringLiteral("brisola")));
        QCOMPARE(entryValue(entry, QStringLiteral("TryExec")), dir.filePath(QStringLiteral("brisola")));
        QCOMPARE(entryValue(entry, QStringLiteral("Icon")),
                 dir.filePath(QStringLiteral("images/brisola.svg")));
        QCOMPARE(entryValue(entry, QStringLiteral("Type")), QStringLiteral("Application"));

        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validator.isEmpty())
            QSKIP("desktop-file-validate is not installed (scripts/setup.sh installs desktop-file-utils)");
        QProcess validate;
        validate.setProcessChannelMode(QProcess::MergedChannels);
        validate.start(validator, {entry});
        QVERIFY(validate.waitForFinished(30000));
        const QString said = QString::fromLocal8Bit(validate.readAll());
        QVERIFY2(validate.exitCode() == 0 && said.trimmed().isEmpty(), qPrintable(said));
    }

    void reinstallKeepsTheDatabase() {
        QTemporaryDir root;
        const QString prefix = root.filePath(QStringLiteral("app"));
        QString failure = install(prefix);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const QString database = prefix + QStringLiteral("/home/home.qd");
        {
            TestAppFolder scratch(false);
            // Records written by the user since the first install.
            QVERIFY(QFile::copy(database, scratch.databasePath()));
            QVERIFY(scratch.exec(
                QStringLiteral("INSERT INTO tblClients (ClientID, Client) VALUES ('QD-1', 'Kept')")));
            QVERIFY(QFile::remove(database));
            QVERIFY(QFile::copy(scratch.databasePath(), database));
        }
        QVERIFY(QDir().mkpath(prefix + QStringLiteral("/home/backup")));
        QVERIFY(writeBytes(prefix + QStringLiteral("/home/backup/home-2026-01-01.qd"), "a copy"));
        const QByteArray records = fileBytes(database);

        failure = install(prefix);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(fileBytes(database), records);
        QCOMPARE(fileBytes(prefix + QStringLiteral("/home/backup/home-2026-01-01.qd")), QByteArray("a copy"));
    }

    void entryStartsTheInstalledProgram() {
        QTemporaryDir root;
        const QString prefix = root.filePath(QStringLiteral("Brisola App"));
        const QString failure = install(prefix);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const QString program =
            execProgram(entryValue(prefix + QStringLiteral("/brisola.desktop"), QStringLiteral("Exec")));

        // Started from elsewhere, as a desktop starts it; it makes the day's safety copy
        // and waits in the first-use window.
        QProcess started;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        started.setProcessEnvironment(environment);
        started.setWorkingDirectory(QDir::rootPath());
        started.start(program, {});
        QVERIFY2(started.waitForStarted(10000), qPrintable(started.errorString()));
        const QString copy =
            prefix + QStringLiteral("/home/backup/") + ToolsFolder::dayName(QDate::currentDate());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(copy).isFile(), 15000);
        QCOMPARE(started.state(), QProcess::Running);
        started.kill();
        QVERIFY(started.waitForFinished(10000));
        QVERIFY(!QFileInfo::exists(prefix + QStringLiteral("/error.log")));
    }
};

BRISOLA_TEST_MAIN(TestInstall)
#include "tst_install.moc"

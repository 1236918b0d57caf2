// A second process for the fault tests: one that holds the database locked, and one that
// writes through House as fast as it can until it is killed, saying which writes returned
// true.
//
//   fault_helper lock <database file>       BEGIN EXCLUSIVE, "locked", held until stdin closes
//   fault_helper burst <application folder> <run>
//                                           "ready", then one line per acknowledged write
#include <ordwen/ordwen.h>

#include <QApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdio>
#include <memory>

namespace {

int holdLock(const QString &file) {
    int status = 1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lock"));
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("BEGIN EXCLUSIVE"))) {
                std::printf("locked\n");
                std::fflush(stdout);
                // Held until the test closes our standard input.
                while (std::fgetc(stdin) != EOF) {
                }
                query.exec(QStringLiteral("ROLLBACK"));
                status = 0;
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("lock"));
    return status;
}

int burst(const QString &folder, const QString &run) {
    OrdwenSetApplicationFolder(QFile::encodeName(folder).constData());
    void *object = nullptr;
    if (DllGetClassObject(ordwen::CLSID_House, ordwen::IID__House, &object) != ordwen::S_OK_)
        return 2;
    std::unique_ptr<ordwen::_House> house(static_cast<ordwen::_House *>(object));
    std::printf("ready\n");
    std::fflush(stdout);
    // Notes and invoices in turn, with text that needs escaping, so that a write is a
    // real statement and not only a counter.
    for (int i = 1; i < 1000000; ++i) {
        const QString number = run + QLatin1Char('-') + QString::number(i);
        bool stored = false;
        QString id;
        if (i % 2) {
            id = QStringLiteral("QDN-") + number;
            QStringList note{
                id, QStringLiteral("O'Brien's note ") + number + QStringLiteral(" \u00e9t\u00e9"), QString()};
            stored = house->AddNotes(note);
        } else {
            id = QStringLiteral("INV-") + number;
            QStringList text;
            for (int slot = 0; slot < 15; ++slot)
                text << QStringLiteral("slot %1 of %2").arg(slot).arg(number);
            text[0] = id;
            QList<float> amounts{1.5f, 20.0f, 30.0f, 0.0f, 2.25f, 0.0f, 32.25f};
            stored = house->AddInvoice(text, amounts, QDateTime(QDate(2024, 5, 6), QTime(0, 0)));
        }
        if (!stored)
            return 3;
        std::printf("%s\n", qPrintable(id));
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("lock"))
        return holdLock(args[2]);
    if (args.size() == 4 && args[1] == QLatin1String("burst"))
        return burst(args[2], args[3]);
    std::fprintf(stderr, "usage: fault_helper lock <file> | burst <folder> <run>\n");
    return 2;
}

// Builds a throw-away application folder with 10,000 clients, 50,000 invoices and a payment
// against each invoice, then times the library's payment reads as the Payments window makes
// them: the balances of every client (the window's first list), and one client's invoices
// with their balances and that client's payments (a click on a client).
//
//   bench_payments [--clients N] [--payments N] [--runs N]
#include "Fixtures.h"
#include "Timing.h"

#include <ordwen/ordwen.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    int clients = 10000, payments = 50000, runs = 20;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--clients"))
            clients = args[++i].toInt();
        else if (args[i] == QLatin1String("--payments"))
            payments = args[++i].toInt();
        else if (args[i] == QLatin1String("--runs"))
            runs = std::max(1, args[++i].toInt());
    }

    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("home"));
    OrdwenSetApplicationFolder(QFile::encodeName(folder.path()).constData());
    const QString database = folder.path() + QStringLiteral("/home/home.qd");
    bench::FixtureSize size = bench::FixtureSize::ForClients(clients);
    size.payments = payments;
    if (!bench::CreateFixture(database, QStringLiteral(BRISOLA_SCHEMA_FILE), size)) {
        std::fprintf(stderr, "the database could not be made\n");
        return 1;
    }
    std::printf("%d clients, %d invoices, %d payments: %.1f MiB\n", size.clients, size.invoices,
                size.payments, QFileInfo(database).size() / 1048576.0);

    void *object = nullptr;
    if (DllGetClassObject(ordwen::CLSID_House, ordwen::IID__House, &object) != ordwen::S_OK_)
        return 1;
    const std::unique_ptr<ordwen::_House> house(static_cast<ordwen::_House *>(object));

    // Every value read once, as a list filling its rows would.
    qint64 sink = 0;
    const auto readAll = [&sink](const ordwen::RecordsetPtr &rs) {
        if (!rs)
            std::abort();
        for (int r = 0; r < rs->RecordCount(); ++r)
            for (int f = 0; f < rs->FieldCount(); ++f)
                sink += rs->Value(r, f).toString().size();
        return rs->RecordCount();
    };

    int rows = 0;
    bench::Report("LoadBalances(\"\"): every client's balance",
                  bench::Time(runs, [&](int) { rows = house->LoadBalances(QString())->RecordCount(); }));
    std::printf("  (%d rows)\n", rows);
    bench::Report("LoadBalances(\"\") and every value read",
                  bench::Time(runs, [&](int) { readAll(house->LoadBalances(QString())); }));

    // Clients of the most and of a typical number of invoices.
    const ordwen::RecordsetPtr all = house->LoadBalances(QString());
    const QString busiest = all->Value(0, all->FieldIndex(QStringLiteral("ClientID"))).toString();
    const QString typical =
        all->Value(all->RecordCount() / 2, all->FieldIndex(QStringLiteral("ClientID"))).toString();
    for (const QString &client : {busiest, typical}) {
        int invoices = 0, paid = 0;
        const QByteArray what =
            QStringLiteral("LoadBalances(%1) + LoadPayments(%1), values read").arg(client).toUtf8();
        bench::Report(what.constData(), bench::Time(runs, [&](int) {
                          invoices = readAll(house->LoadBalances(client));
                          paid = readAll(house->LoadPayments(client));
                      }));
        std::printf("  (%d invoices, %d payments)\n", invoices, paid);
    }
    bench::Report("LoadPayments(\"\"): every payment, values read",
                  bench::Time(runs, [&](int) { readAll(house->LoadPayments(QString())); }));
    std::printf("(checksum %lld)\n", static_cast<long long>(sink));
    return 0;
}

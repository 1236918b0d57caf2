// Builds a throw-away application folder with 10,000 clients and 50,000 invoices (and notes
// and address entries), then times what the Tools add: the daily safety copy start-up makes
// (the copy itself, and a later start the same day), listing the 30 kept copies with their
// counts, find in a 10,000-row client list filled as the main window fills it, and the
// Payments window with a payment against every invoice.
//
//   bench_tools [--clients N] [--invoices N] [--runs N]
#include "Fixtures.h"
#include "controls/ListView.h"
#include "main_window/client_columns.h"
#include "startup/modGlobal.h"
#include "tools/Find.h"
#include "tools/SafetyCopies.h"
#include "tools/frmPayments.h"

#include "Timing.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// The Payments window: the client list and balances filled at its load and after every payment,
// and a client chosen (its invoices and payments).
bool timePayments(const QString &database, int runs) {
    if (!bench::AddPayments(database)) {
        std::fprintf(stderr, "the payments could not be stored\n");
        return false;
    }
    frmPayments window;
    window.Form_Load();
    const int clientRows = window.lvClients->topLevelItemCount();
    std::printf("payments window: %d clients with invoices, %d owing, total owed %s\n", clientRows,
                window.lvBalances->topLevelItemCount(), qPrintable(window.lblTotalOwedValue->text()));
    bench::Report("payments: client list and balances filled",
                  bench::Time(runs, [&](int) { window.RefillClients(); }));
    bench::Report("payments: a client chosen (its invoices and payments)", bench::Time(runs, [&](int run) {
                      window.lvClients->ChooseRow((run * 997) % clientRows);
                      window.lvClients_Click();
                  }));
    return clientRows > 0 && window.lvInvoices->topLevelItemCount() > 0 &&
           window.lvPayments->topLevelItemCount() > 0;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    int clients = 10000, invoices = 50000, runs = 10;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--clients"))
            clients = args[++i].toInt();
        else if (args[i] == QLatin1String("--invoices"))
            invoices = args[++i].toInt();
        else if (args[i] == QLatin1String("--runs"))
            runs = std::max(1, args[++i].toInt());
    }

    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("home"));
    modGlobal::SetApplicationFolder(folder.path());
    OrdwenSetApplicationFolder(QFile::encodeName(folder.path()).constData());
    const QString database = tools::DatabaseFilePath();
    if (!bench::CreateFixture(database, QStringLiteral(BRISOLA_SCHEMA_FILE),
                              {clients, invoices, 1000, 1000})) {
        std::fprintf(stderr, "the database could not be made\n");
        return 1;
    }
    std::printf("%d clients, %d invoices, 1000 notes, 1000 address entries: %.1f MiB\n", clients, invoices,
                QFileInfo(database).size() / 1048576.0);

    // A new day at each run, as at the first start of each day: the copy, its rename and the
    // removal of the oldest beyond 30 (from the 31st run on).
    const QDate first(2026, 1, 1);
    bool allMade = true;
    const bench::Timing copy = bench::Time(std::max(runs, 35), [&](int run) {
        allMade =
            tools::MakeDailyCopy(first.addDays(run)).outcome == tools::DailyCopyOutcome::Made && allMade;
    });
    bench::Report("daily copy at the first start of a day", copy);
    const QDate newest = first.addDays(std::max(runs, 35) - 1);
    const bench::Timing again = bench::Time(runs, [&](int) {
        allMade = tools::MakeDailyCopy(newest).outcome == tools::DailyCopyOutcome::AlreadyMade && allMade;
    });
    bench::Report("a later start the same day (copy already made)", again);
    std::printf("copies kept: %lld\n",
                qlonglong(QDir(tools::SafetyCopyFolder()).entryList(QDir::Files).size()));

    const bench::Timing listing = bench::Time(3, [](int) { tools::ListSafetyCopies(); });
    bench::Report("listing the 30 copies with their counts (restore window)", listing);

    // Find in the client list, filled as the main window fills lvClients.
    modGlobal::NewHouse();
    ListView list;
    list.SetColumns(client::ListColumns());
    const ordwen::RecordsetPtr loaded = modGlobal::objHouse->LoadClients();
    if (!loaded)
        return 1;
    auto fill = [&] {
        list.clear();
        loaded->MoveFirst();
        FillList(&list, *loaded, client::ListColumns());
        list.ChooseRow(0);
    };
    fill();
    // The last row's notes: generated text that no other row holds.
    const QString last = list.Text(list.topLevelItemCount() - 1, client::ColNotes);
    // The first find after a fill makes every cell's text; the list keeps them for the next.
    bench::Timing firstFind;
    {
        QList<double> ms;
        for (int run = 0; run < runs; ++run) {
            fill();
            QElapsedTimer timer;
            timer.start();
            tools::FindNextRow(&list, last);
            ms << double(timer.nsecsElapsed()) / 1e6;
        }
        firstFind = bench::Of(ms);
    }
    bench::Report("find: the first after the list was filled", firstFind);
    const bench::Timing findLast = bench::Time(runs, [&](int) { tools::FindNextRow(&list, last); });
    bench::Report("find: again, the text only in the last row", findLast);
    const bench::Timing findNone =
        bench::Time(runs, [&](int) { tools::FindNextRow(&list, QStringLiteral("zebra")); });
    bench::Report("find: again, a text no row holds (every row searched)", findNone);

    allMade = timePayments(database, runs) && allMade;

    modGlobal::objHouse.reset();
    modGlobal::SetApplicationFolder(QString());
    OrdwenSetApplicationFolder(nullptr);
    return allMade ? 0 : 1;
}

// brisola_bench: how fast the program is with the records of a grown business.
//
// For each database size it builds the database in a temporary application folder, then
// measures the library's calls beside the same work done straight through sqlite3, the main
// window's load and the refills and sorts a user waits for, and the peak memory of a process
// that has every list filled. One table of medians goes to the console and to a Markdown file.
//
//   brisola_bench [--sizes=1000,10000,30000] [--repetitions=N] [--output=FILE] [--no-memory]
//                 [--benchmark_...]
//   brisola_bench --make-database=FOLDER:CLIENTS   (an application folder to start brisola on)
#include "Fixtures.h"
#include "SqliteBaseline.h"

#include "MainWindowParts.h"
#include "controls/ListView.h"
#include "main_window/frmOrdwen.h"
#include "startup/modGlobal.h"
#include "tools/ProcessMemory.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#ifndef BRISOLA_DATA_DIR
#error "BRISOLA_DATA_DIR must name the folder of the delivered files"
#endif

namespace {

using namespace bench;

// ---------------------------------------------------------------------------------------------
// Options and the application folders the runs work in.

struct Options {
    QList<int> sizes{1000, 10000, 30000};
    QList<int> noteMegabytes{1, 10};
    int repetitions = 0; // 0: chosen by size
    QString output;
    bool memory = true;
};

QString schemaFile() {
    return QStringLiteral(BRISOLA_DATA_DIR "/schema.sql");
}

// An application folder with the delivered pictures and a generated database.
bool makeAppFolder(const QString &folder, const FixtureSize &size) {
    QDir().mkpath(folder + QStringLiteral("/home"));
    QDir().mkpath(folder + QStringLiteral("/images"));
    const QDir images(QStringLiteral(BRISOLA_DATA_DIR "/images"));
    for (const QString &name : images.entryList(QDir::Files))
        QFile::copy(images.filePath(name), folder + QStringLiteral("/images/") + name);
    return CreateFixture(folder + QStringLiteral("/home/home.qd"), schemaFile(), size);
}

void useFolder(const QString &folder) {
    modGlobal::SetApplicationFolder(folder);
    const QByteArray path = QFile::encodeName(folder);
    OrdwenSetApplicationFolder(path.constData());
}

// Lets the window lay out and paint what changed, as the event loop would before the user
// sees the result.
void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// ---------------------------------------------------------------------------------------------
// Collecting the medians: every repetition reaches this reporter; the console shows only the
// aggregates.

class Collector : public benchmark::ConsoleReporter {
public:
    bool ReportContext(const Context &context) override { return ConsoleReporter::ReportContext(context); }
    void ReportRuns(const std::vector<Run> &runs) override {
        std::vector<Run> shown;
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                m_times[run.run_name.function_name].push_back(run.GetAdjustedRealTime());
                const auto cpu = run.counters.find("cpu");
                if (cpu != run.counters.end())
                    m_cpu[run.run_name.function_name].push_back(cpu->second.value);
            }
            if (run.run_type == Run::RT_Aggregate || run.repetitions <= 1)
                shown.push_back(run);
            if (run.error_occurred)
                m_errors.push_back(run.run_name.function_name + ": " + run.error_message);
        }
        if (!shown.empty())
            ConsoleReporter::ReportRuns(shown);
    }

    // Median wall-clock time in milliseconds, or nothing when the benchmark did not run.
    std::optional<double> median(const std::string &name) const { return medianOf(m_times, name); }
    // Median processor time in milliseconds.
    std::optional<double> cpu(const std::string &name) const { return medianOf(m_cpu, name); }
    const std::vector<std::string> &errors() const { return m_errors; }

private:
    static std::optional<double> medianOf(const std::map<std::string, std::vector<double>> &samples,
                                          const std::string &name) {
        const auto it = samples.find(name);
        if (it == samples.end() || it->second.empty())
            return std::nullopt;
        std::vector<double> times = it->second;
        std::sort(times.begin(), times.end());
        const std::size_t n = times.size();
        return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    }

    std::map<std::string, std::vector<double>> m_times;
    std::map<std::string, std::vector<double>> m_cpu;
    std::vector<std::string> m_errors;
};

// ---------------------------------------------------------------------------------------------
// The measurements of one database size.

std::string key(const char *metric, int clients) {
    return std::string(metric) + ':' + std::to_string(clients);
}

double processCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Times the work of each iteration alone, on the wall clock (what the user waits) and in
// processor time (what the program spends, whatever else the machine is doing). The
// processor time goes to the report as the counter "cpu", in milliseconds per iteration.
class Timer {
public:
    explicit Timer(benchmark::State &state) : m_state(state) {}
    ~Timer() {
        m_state.counters["cpu"] = benchmark::Counter(m_cpu * 1000, benchmark::Counter::kAvgIterations);
    }
    template <typename Work> void time(Work &&work) {
        QElapsedTimer timer;
        const double cpu = processCpuSeconds();
        timer.start();
        work();
        const double wall = double(timer.nsecsElapsed()) / 1e9;
        m_cpu += processCpuSeconds() - cpu;
        m_state.SetIterationTime(wall);
    }

private:
    benchmark::State &m_state;
    double m_cpu = 0;
};

struct SizeRun {
    int clients = 0;
    FixtureSize size;
    QString folder;      // the database every read and list works on
    QString writeFolder; // a copy of it that the write benchmarks add rows to
    std::unique_ptr<frmOrdwen> window;
    QStringList failures;

    void check(bool condition, const QString &what) {
        if (!condition)
            failures << QStringLiteral("%1 clients: %2").arg(clients).arg(what);
    }
};

benchmark::internal::Benchmark *configure(benchmark::internal::Benchmark *b, int repetitions,
                                          int iterations = 1) {
    return b->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(iterations)
        ->Repetitions(repetitions);
}

void registerReads(SizeRun &run, int repetitions) {
    using ordwen::RecordsetPtr;
    struct Read {
        const char *metric;
        RecordsetPtr (ordwen::_House::*load)();
        const char *select;
        std::function<std::size_t(const QString &, const char *)> baseline;
        int expected;
    };
    const Read reads[] = {
        {"LoadClients", &ordwen::_House::LoadClients, "SELECT * FROM tblClients ORDER BY ClientType,Client;",
         [](const QString &db, const char *sql) {
             return baseline::Read<baseline::ClientRow>(db, sql).size();
         },
         run.size.clients},
        {"LoadInvoices", &ordwen::_House::LoadInvoices, "SELECT * FROM tblInvoices;",
         [](const QString &db, const char *sql) {
             return baseline::Read<baseline::InvoiceRow>(db, sql).size();
         },
         run.size.invoices},
        {"LoadNotes", &ordwen::_House::LoadNotes, "SELECT * FROM tblNotes;",
         [](const QString &db, const char *sql) { return baseline::Read<baseline::NoteRow>(db, sql).size(); },
         run.size.notes},
        {"LoadNames", &ordwen::_House::LoadNames, "SELECT * FROM tblAddress;",
         [](const QString &db, const char *sql) {
             return baseline::Read<baseline::AddressRow>(db, sql).size();
         },
         run.size.addresses},
    };
    for (const Read &read : reads) {
        configure(
            benchmark::RegisterBenchmark(
                key(read.metric, run.clients).c_str(),
                [&run, read](benchmark::State &state) {
                    useFolder(run.folder);
                    const auto house = modGlobal::CreateHouse();
                    Timer timer(state);
                    for (auto _ : state) {
                        int rows = -1;
                        timer.time([&] {
                            RecordsetPtr rs = (house.get()->*read.load)();
                            rows = rs ? rs->RecordCount() : -1;
                        });
                        run.check(
                            rows == read.expected,
                            QStringLiteral("%1 gave %2 rows").arg(QLatin1String(read.metric)).arg(rows));
                    }
                }),
            repetitions);
        // The same call with every field of every row then read once: what a caller pays
        // when it needs all the values, since the recordset converts a value when it is read.
        configure(benchmark::RegisterBenchmark(
                      (key(read.metric, run.clients) + ":everyField").c_str(),
                      [&run, read](benchmark::State &state) {
                          useFolder(run.folder);
                          const auto house = modGlobal::CreateHouse();
                          Timer timer(state);
                          for (auto _ : state) {
                              qsizetype characters = 0;
                              timer.time([&] {
                                  RecordsetPtr rs = (house.get()->*read.load)();
                                  if (!rs)
                                      return;
                                  for (rs->MoveFirst(); !rs->isEOF(); rs->MoveNext()) {
                                      for (int i = 0; i < rs->FieldCount(); ++i)
                                          characters += rs->Fields(i).toString().size();
                                  }
                              });
                              run.check(characters > 0 || read.expected == 0,
                                        QStringLiteral("%1 gave no text").arg(QLatin1String(read.metric)));
                          }
                      }),
                  repetitions);
        for (const auto &[suffix, floor] :
             {std::pair{":step", baseline::Floor::Step}, std::pair{":utf8", baseline::Floor::Utf8},
              std::pair{":utf16", baseline::Floor::Utf16}}) {
            configure(benchmark::RegisterBenchmark(
                          (key(read.metric, run.clients) + suffix).c_str(),
                          [&run, read, floor](benchmark::State &state) {
                              const QString db = run.folder + QStringLiteral("/home/home.qd");
                              Timer timer(state);
                              for (auto _ : state) {
                                  qsizetype rows = 0;
                                  timer.time([&] { rows = baseline::ReadFloor(db, read.select, floor); });
                                  run.check(rows == read.expected, QStringLiteral("floor of %1 gave %2 rows")
                                                                       .arg(QLatin1String(read.metric))
                                                                       .arg(rows));
                              }
                          }),
                      repetitions);
        }
        configure(benchmark::RegisterBenchmark(
                      (key(read.metric, run.clients) + ":sqlite3").c_str(),
                      [&run, read](benchmark::State &state) {
                          const QString db = run.folder + QStringLiteral("/home/home.qd");
                          Timer timer(state);
                          for (auto _ : state) {
                              std::size_t rows = 0;
                              timer.time([&] { rows = read.baseline(db, read.select); });
                              run.check(int(rows) == read.expected, QStringLiteral("sqlite3 %1 gave %2 rows")
                                                                        .arg(QLatin1String(read.metric))
                                                                        .arg(rows));
                          }
                      }),
                  repetitions);
    }
}

void registerWrites(SizeRun &run, int repetitions) {
    // Each repetition adds a few rows to a copy of the database, so the reads and lists are
    // measured on the same rows throughout.
    const int writes = std::max(repetitions, 15);
    configure(benchmark::RegisterBenchmark(key("AddClient", run.clients).c_str(),
                                           [&run](benchmark::State &state) {
                                               useFolder(run.writeFolder);
                                               const auto house = modGlobal::CreateHouse();
                                               int n = run.size.clients;
                                               Timer timer(state);
                                               for (auto _ : state) {
                                                   bench::ClientRecord record = MakeClientRecord(++n);
                                                   bool ok = false;
                                                   timer.time([&] {
                                                       ok = house->AddClient(record.text, record.fee);
                                                   });
                                                   run.check(ok, QStringLiteral("AddClient failed"));
                                               }
                                           }),
              writes, 4);
    configure(benchmark::RegisterBenchmark((key("AddClient", run.clients) + ":sqlite3").c_str(),
                                           [&run](benchmark::State &state) {
                                               const QString db =
                                                   run.writeFolder + QStringLiteral("/home/home.qd");
                                               int n = run.size.clients + 100000;
                                               Timer timer(state);
                                               for (auto _ : state) {
                                                   const bench::ClientRecord record = MakeClientRecord(++n);
                                                   bool ok = false;
                                                   timer.time([&] { ok = baseline::AddClient(db, record); });
                                                   run.check(ok, QStringLiteral("sqlite3 AddClient failed"));
                                               }
                                           }),
              writes, 4);
    configure(benchmark::RegisterBenchmark(key("AddInvoice", run.clients).c_str(),
                                           [&run](benchmark::State &state) {
                                               useFolder(run.writeFolder);
                                               const auto house = modGlobal::CreateHouse();
                                               int n = run.size.invoices;
                                               const QDateTime serviceDate(QDate::currentDate(), QTime(0, 0));
                                               Timer timer(state);
                                               for (auto _ : state) {
                                                   auto record = MakeInvoiceRecord(++n);
                                                   bool ok = false;
                                                   timer.time([&] {
                                                       ok = house->AddInvoice(record.text, record.amounts,
                                                                              serviceDate);
                                                   });
                                                   run.check(ok, QStringLiteral("AddInvoice failed"));
                                               }
                                           }),
              writes, 4);
    configure(benchmark::RegisterBenchmark((key("AddInvoice", run.clients) + ":sqlite3").c_str(),
                                           [&run](benchmark::State &state) {
                                               const QString db =
                                                   run.writeFolder + QStringLiteral("/home/home.qd");
                                               int n = run.size.invoices + 500000;
                                               Timer timer(state);
                                               for (auto _ : state) {
                                                   const auto record = MakeInvoiceRecord(++n);
                                                   bool ok = false;
                                                   timer.time([&] { ok = baseline::AddInvoice(db, record); });
                                                   run.check(ok, QStringLiteral("sqlite3 AddInvoice failed"));
                                               }
                                           }),
              writes, 4);
}

void checkListsFilled(SizeRun &run, const MainWindowParts &w) {
    run.check(w.lvClients->topLevelItemCount() == run.size.clients, QStringLiteral("lvClients not filled"));
    run.check(w.lvBilling->topLevelItemCount() == run.size.clients, QStringLiteral("lvBilling not filled"));
    run.check(w.lvInvoices->topLevelItemCount() == run.size.invoices,
              QStringLiteral("lvInvoices not filled"));
    run.check(w.lvNotes->topLevelItemCount() == run.size.notes, QStringLiteral("lvNotes not filled"));
}

// The main window's load as start-up runs it before the splash: built, loaded, still hidden.
void registerWindowLoad(SizeRun &run, int repetitions) {
    configure(benchmark::RegisterBenchmark(key("MainWindowLoad", run.clients).c_str(),
                                           [&run](benchmark::State &state) {
                                               useFolder(run.folder);
                                               Timer timer(state);
                                               for (auto _ : state) {
                                                   std::unique_ptr<frmOrdwen> w;
                                                   timer.time([&] {
                                                       w = std::make_unique<frmOrdwen>();
                                                       w->Form_Load();
                                                   });
                                                   checkListsFilled(run, MainWindowParts(*w));
                                                   w.reset();
                                                   modGlobal::objHouse.reset();
                                                   settle();
                                               }
                                           }),
              repetitions);
}

// The user's waits on the shown window: refills after a change and header clicks.
void registerListWork(SizeRun &run, int repetitions) {
    auto window = [&run](int tab) {
        useFolder(run.folder);
        if (!run.window) {
            run.window = std::make_unique<frmOrdwen>();
            run.window->Form_Load();
            run.window->show();
            checkListsFilled(run, MainWindowParts(*run.window));
        }
        // The load benchmark, run in between, releases the shared House with its window.
        modGlobal::NewHouse();
        MainWindowParts parts(*run.window);
        parts.tabMain->setCurrentIndex(tab);
        settle();
        return parts;
    };
    configure(benchmark::RegisterBenchmark(key("RefillClientLists", run.clients).c_str(),
                                           [&run, window](benchmark::State &state) {
                                               const MainWindowParts w = window(1);
                                               Timer timer(state);
                                               for (auto _ : state) {
                                                   // What a save of a client does to the lists.
                                                   timer.time([&] {
                                                       w.lvClients->clear();
                                                       w.lvBilling->clear();
                                                       w.LoadClientLists();
                                                       settle();
                                                   });
                                                   checkListsFilled(run, w);
                                               }
                                           }),
              repetitions);
    configure(benchmark::RegisterBenchmark(key("RefillInvoiceList", run.clients).c_str(),
                                           [&run, window](benchmark::State &state) {
                                               const MainWindowParts w = window(3);
                                               Timer timer(state);
                                               for (auto _ : state) {
                                                   timer.time([&] {
                                                       w.lvInvoices->clear();
                                                       w.LoadInvoiceList();
                                                       settle();
                                                   });
                                                   checkListsFilled(run, w);
                                               }
                                           }),
              repetitions);
    // Header clicks alternate between two columns, so that no click finds its rows already in
    // order.
    configure(benchmark::RegisterBenchmark(key("SortClients", run.clients).c_str(),
                                           [&run, window](benchmark::State &state) {
                                               const MainWindowParts w = window(1);
                                               int click = 0;
                                               Timer timer(state);
                                               for (auto _ : state) {
                                                   const int column = click++ % 2 ? 2 : 5; // Client, City
                                                   timer.time([&] {
                                                       w.lvClients_ColumnClick(column);
                                                       settle();
                                                   });
                                                   checkListsFilled(run, w);
                                               }
                                           }),
              repetitions);
    configure(benchmark::RegisterBenchmark(key("SortInvoices", run.clients).c_str(),
                                           [&run, window](benchmark::State &state) {
                                               const MainWindowParts w = window(3);
                                               int click = 0;
                                               Timer timer(state);
                                               for (auto _ : state) {
                                                   const int column = click++ % 2 ? 1 : 2; // Client, date
                                                   timer.time([&] {
                                                       w.lvInvoices_ColumnClick(column);
                                                       settle();
                                                   });
                                                   checkListsFilled(run, w);
                                               }
                                           }),
              repetitions);
}

// The time from a click to the first box with the icon (by default the question that ends a
// save): every box before it is answered with its default button, a question with No.
// Nothing when no such box came.
template <typename Click>
std::optional<double> timeToQuestion(Click &&click, QMessageBox::Icon icon = QMessageBox::Question) {
    QElapsedTimer timer;
    std::optional<double> seen;
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        if (box->icon() == icon && !seen)
            seen = double(timer.nsecsElapsed()) / 1e6;
        if (box->icon() == QMessageBox::Question) {
            box->button(QMessageBox::No)->click();
        } else if (QAbstractButton *button = box->defaultButton()
                                                 ? static_cast<QAbstractButton *>(box->defaultButton())
                                                 : box->buttons().value(0)) {
            button->click();
        }
    });
    watcher.start();
    timer.start();
    click();
    watcher.stop();
    return seen;
}

// The waits a user feels after a click that saves: a client saved on the Add Clients tab, and
// an invoice saved and printed (no printer here: to a PDF file), each until its question box.
// They work on the copy of the database the writes add to.
void registerUserWaits(SizeRun &run, int repetitions) {
    auto window = [&run](int tab) {
        useFolder(run.writeFolder);
        auto w = std::make_unique<frmOrdwen>();
        w->Form_Load();
        w->show();
        MainWindowParts(*w).tabMain->setCurrentIndex(tab);
        settle();
        return w;
    };
    configure(benchmark::RegisterBenchmark(
                  key("SaveClientToQuestion", run.clients).c_str(),
                  [&run, window](benchmark::State &state) {
                      const std::unique_ptr<frmOrdwen> owner = window(0);
                      const MainWindowParts w(*owner);
                      int n = 0;
                      for (auto _ : state) {
                          w.cboBoxAdd[0]->setCurrentText(QStringLiteral("Home"));
                          const char *texts[] = {"Ann Lee", "12 Elm St", "",         "Ottawa",
                                                 "ON",      "K1A 0B1",   "555-0199", "Ann"};
                          for (int i = 0; i < 8; ++i)
                              w.txtAdd[std::size_t(i)]->setText(QString::fromLatin1(texts[i]));
                          w.txtAdd[0]->setText(QStringLiteral("Ann Lee %1").arg(++n));
                          for (QRadioButton *option : {w.optSchedule[1], w.optService[0], w.optFee[1],
                                                       w.optBilling[1], w.optPets[0]})
                              option->setChecked(true);
                          w.txtAdd[14]->setText(QStringLiteral("12.50"));
                          const std::optional<double> ms = timeToQuestion([&] { w.cmdSaveAdd_Click(); });
                          run.check(ms.has_value(), QStringLiteral("no question after saving a client"));
                          state.SetIterationTime(ms.value_or(0) / 1000);
                      }
                      modGlobal::objHouse.reset();
                  }),
              repetitions);
    configure(benchmark::RegisterBenchmark(
                  key("PrintInvoiceToQuestion", run.clients).c_str(),
                  [&run, window](benchmark::State &state) {
                      const std::unique_ptr<frmOrdwen> owner = window(2);
                      const MainWindowParts w(*owner);
                      for (auto _ : state) {
                          w.lvBilling->ChooseRow(0);
                          w.lvBilling_Click();
                          const char *amounts[] = {"2.5", "20", "100", "Windows", "12.25", "7.75"};
                          for (int i = 0; i < 6; ++i)
                              w.txtBilling[std::size_t(i)]->setText(QString::fromLatin1(amounts[i]));
                          w.cmdTotalAmount_Click();
                          const std::optional<double> ms = timeToQuestion([&] { w.cmdPrintInvoice_Click(); });
                          run.check(ms.has_value(), QStringLiteral("no question after printing an invoice"));
                          state.SetIterationTime(ms.value_or(0) / 1000);
                      }
                      modGlobal::objHouse.reset();
                  }),
              repetitions);
}

// One note of `megabytes` among the notes of a small business (20 clients, 4 notes): the
// program started on it until the note tab is painted, the note chosen into the editor,
// saved unchanged until its question, and printed (no printer here: to a PDF file) until
// the message that says where.
void registerLargeNote(const QString &folder, int megabytes, int repetitions, QStringList &failures) {
    const std::string name = "LargeNote" + std::to_string(megabytes);
    struct Step {
        const char *metric;
        std::function<std::optional<double>(const MainWindowParts &)> run;
    };
    auto chooseNote = [](const MainWindowParts &w) {
        w.lvNotes->ChooseRow(w.lvNotes->RowOf(QStringLiteral("QDN-1")));
        w.lvNotes_Click();
    };
    const Step steps[] = {
        {":choose",
         [chooseNote](const MainWindowParts &w) -> std::optional<double> {
             QElapsedTimer timer;
             timer.start();
             chooseNote(w);
             settle();
             return double(timer.nsecsElapsed()) / 1e6;
         }},
        {":save",
         [chooseNote](const MainWindowParts &w) {
             chooseNote(w);
             return timeToQuestion([&] { w.cmdSaveNotes_Click(); });
         }},
        {":print",
         [chooseNote](const MainWindowParts &w) {
             chooseNote(w);
             return timeToQuestion([&] { w.cmdPrintNote_Click(); }, QMessageBox::Information);
         }},
    };
    configure(benchmark::RegisterBenchmark((name + ":start").c_str(),
                                           [folder](benchmark::State &state) {
                                               useFolder(folder);
                                               Timer timer(state);
                                               for (auto _ : state) {
                                                   std::unique_ptr<frmOrdwen> w;
                                                   timer.time([&] {
                                                       w = std::make_unique<frmOrdwen>();
                                                       w->Form_Load();
                                                       w->show();
                                                       MainWindowParts(*w).tabMain->setCurrentIndex(4);
                                                       settle();
                                                   });
                                                   w.reset();
                                                   modGlobal::objHouse.reset();
                                               }
                                           }),
              repetitions);
    for (const Step &step : steps) {
        configure(benchmark::RegisterBenchmark((name + step.metric).c_str(),
                                               [folder, step, &failures](benchmark::State &state) {
                                                   useFolder(folder);
                                                   frmOrdwen window;
                                                   const MainWindowParts w(window);
                                                   w.Form_Load();
                                                   w.show();
                                                   w.tabMain->setCurrentIndex(4);
                                                   settle();
                                                   for (auto _ : state) {
                                                       const std::optional<double> ms = step.run(w);
                                                       if (!ms)
                                                           failures << QStringLiteral(
                                                                           "large note: no box after %1")
                                                                           .arg(QLatin1String(step.metric));
                                                       state.SetIterationTime(ms.value_or(0) / 1000);
                                                   }
                                                   modGlobal::objHouse.reset();
                                               }),
                  repetitions);
    }
}

// A note of `megabytes` of pasted text (lines of words, line breaks as CR LF) as QDN-1.
bool addLargeNote(const QString &database, int megabytes) {
    QString text;
    const QString line = QStringLiteral("Dust the shelves, wipe the windows and mop the kitchen floor.\r\n");
    text.reserve(megabytes * 1024 * 1024 + line.size());
    while (text.size() < megabytes * 1024 * 1024)
        text += line;
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open(QFile::encodeName(database).constData(), &db) == SQLITE_OK;
    sqlite3_stmt *statement = nullptr;
    ok = ok && sqlite3_prepare_v2(db, "UPDATE tblNotes SET NoteText = ? WHERE NoteID = 'QDN-1'", -1,
                                  &statement, nullptr) == SQLITE_OK;
    if (ok) {
        sqlite3_bind_text16(statement, 1, text.utf16(), int(text.size() * 2), SQLITE_STATIC);
        ok = sqlite3_step(statement) == SQLITE_DONE && sqlite3_changes(db) == 1;
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return ok;
}

// ---------------------------------------------------------------------------------------------
// Peak memory: a process of its own loads the main window over the database, shows every
// tab, and reports its high-water mark of resident memory.

long highWaterKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// With `noteSteps`, the note QDN-1 is then chosen, saved unchanged and printed as well.
int peakMemoryChild(const QString &folder, bool noteSteps) {
    useFolder(folder);
    frmOrdwen window;
    const MainWindowParts w(window);
    w.Form_Load();
    w.show();
    for (int tab = 0; tab < w.tabMain->count(); ++tab) {
        w.tabMain->setCurrentIndex(tab);
        settle();
    }
    if (noteSteps) {
        w.tabMain->setCurrentIndex(4);
        for (auto step : {&MainWindowParts::cmdSaveNotes_Click, &MainWindowParts::cmdPrintNote_Click}) {
            w.lvNotes->ChooseRow(w.lvNotes->RowOf(QStringLiteral("QDN-1")));
            w.lvNotes_Click();
            settle();
            timeToQuestion([&] { (w.*step)(); });
            settle();
        }
    }
    std::printf("VmHWM %ld\n", highWaterKiB());
    std::printf("rows %d %d %d %d\n", w.lvClients->topLevelItemCount(), w.lvBilling->topLevelItemCount(),
                w.lvInvoices->topLevelItemCount(), w.lvNotes->topLevelItemCount());
    return 0;
}

// Peak memory in MiB of a process over the folder's database; nothing when it failed.
std::optional<double> measurePeak(const QString &folder, const FixtureSize &size, QStringList &failures,
                                  bool noteSteps = false) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(
        QCoreApplication::applicationFilePath(),
        {(noteSteps ? QStringLiteral("--peak-memory-note=") : QStringLiteral("--peak-memory=")) + folder});
    if (!child.waitForFinished(600000) || child.exitCode() != 0) {
        failures << QStringLiteral("peak-memory process failed for %1 clients").arg(size.clients);
        return std::nullopt;
    }
    long kib = -1;
    QList<int> rows;
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.value(0) == "VmHWM")
            kib = words.value(1).toLong();
        if (words.value(0) == "rows")
            for (int i = 1; i < words.size(); ++i)
                rows << words[i].toInt();
    }
    if (rows != QList<int>{size.clients, size.clients, size.invoices, size.notes})
        failures
            << QStringLiteral("peak-memory process did not fill the lists for %1 clients").arg(size.clients);
    if (kib <= 0)
        return std::nullopt;
    return double(kib) / 1024.0;
}

// ---------------------------------------------------------------------------------------------
// The table.

struct Line {
    QString metric;
    int clients;
    std::optional<double> median;
    std::optional<double> baseline;
    QString unit;   // "ms" or "MiB"
    QString target; // in words, empty when the size has none
    std::optional<bool> met;
    std::optional<double> medianCpu = std::nullopt; // processor time beside the wall clock
    std::optional<double> baselineCpu = std::nullopt;
};

QString figure(std::optional<double> value, const QString &unit) {
    if (!value)
        return QStringLiteral("n/a");
    const int decimals = *value < 10 ? 2 : 1;
    return QString::number(*value, 'f', decimals) + QLatin1Char(' ') + unit;
}

QString figure(std::optional<double> value, std::optional<double> cpu, const QString &unit) {
    QString text = figure(value, unit);
    if (value && cpu)
        text += QStringLiteral(" (cpu %1)").arg(*cpu, 0, 'f', *cpu < 10 ? 2 : 1);
    return text;
}

QString countText(int n) {
    return QLocale(QLocale::English).toString(n);
}

QStringList tableLines(const std::vector<Line> &lines) {
    QStringList out;
    out << QStringLiteral(
        "| Metric | Clients | Median (wall, cpu) | Baseline (wall, cpu) | Ratio (wall) | Target | Met |");
    out << QStringLiteral("|---|---:|---:|---:|---:|---|---|");
    for (const Line &l : lines) {
        QString ratio = QStringLiteral("n/a");
        if (l.median && l.baseline && *l.baseline > 0)
            ratio = QString::number(*l.median / *l.baseline, 'f', 2);
        const QString met = !l.met ? QString() : *l.met ? QStringLiteral("yes") : QStringLiteral("**no**");
        out << QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 | %7 |")
                   .arg(l.metric, countText(l.clients), figure(l.median, l.medianCpu, l.unit),
                        figure(l.baseline, l.baselineCpu, l.unit), ratio, l.target, met);
    }
    return out;
}

QString loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().split(' ').value(0))
                                          : QString();
}

QString machineText(const Options &options) {
    QString cpu;
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuinfo.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : cpuinfo.readAll().split('\n')) {
            if (line.startsWith("model name")) {
                cpu = QString::fromUtf8(line.mid(line.indexOf(':') + 1).trimmed());
                break;
            }
        }
    }
    QString memory;
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (meminfo.open(QIODevice::ReadOnly)) {
        const QByteArray first = meminfo.readLine();
        memory = QString::number(first.mid(9).trimmed().split(' ').value(0).toLong() / 1024) +
                 QStringLiteral(" MiB");
    }
    QStringList sizes;
    for (int s : options.sizes)
        sizes << countText(s);
    return QStringLiteral(
               "Machine: %1 processors (nproc), %2, %3 memory; Qt %4, SQLite %5; build %6; sizes %7 "
               "clients (five invoices per client, one note and one address entry per five "
               "clients).")
        .arg(QThread::idealThreadCount())
        .arg(cpu, memory, QString::fromLatin1(qVersion()), QString::fromLatin1(sqlite3_libversion()),
             QStringLiteral(BRISOLA_BUILD_TYPE), sizes.join(QStringLiteral(", ")));
}

// Writes the run into `file` between its markers, keeping what stands around them (notes
// and figures of earlier runs); a file without markers is replaced.
bool writeResults(const QString &file, const QStringList &section) {
    const QString begin = QStringLiteral("<!-- bench:begin -->");
    const QString end = QStringLiteral("<!-- bench:end -->");
    QString text;
    QFile in(file);
    if (in.open(QIODevice::ReadOnly))
        text = QString::fromUtf8(in.readAll());
    in.close();
    const QString body =
        begin + QLatin1Char('\n') + section.join(QLatin1Char('\n')) + QLatin1Char('\n') + end;
    const qsizetype from = text.indexOf(begin);
    const qsizetype to = text.indexOf(end);
    if (from >= 0 && to > from)
        text.replace(from, to + end.size() - from, body);
    else
        text = QStringLiteral("# Benchmark results\n\n") + body + QLatin1Char('\n');
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    out.write(text.toUtf8());
    return true;
}

std::optional<Options> parse(int &argc, char **argv) {
    Options options;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(QStringLiteral("--sizes="))) {
            options.sizes.clear();
            for (const QString &s : arg.mid(8).split(QLatin1Char(','))) {
                bool ok = false;
                const int n = s.toInt(&ok);
                if (!ok || n <= 0)
                    return std::nullopt;
                options.sizes << n;
            }
        } else if (arg.startsWith(QStringLiteral("--repetitions="))) {
            options.repetitions = arg.mid(14).toInt();
            if (options.repetitions < 2)
                return std::nullopt;
        } else if (arg.startsWith(QStringLiteral("--output="))) {
            options.output = arg.mid(9);
        } else if (arg.startsWith(QStringLiteral("--note-sizes="))) {
            options.noteMegabytes.clear();
            for (const QString &s : arg.mid(13).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                bool ok = false;
                const int n = s.toInt(&ok);
                if (!ok || n <= 0)
                    return std::nullopt;
                options.noteMegabytes << n;
            }
        } else if (arg == QStringLiteral("--no-memory")) {
            options.memory = false;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    return options;
}

int repetitionsFor(const Options &options, int clients) {
    if (options.repetitions > 0)
        return options.repetitions;
    return clients > 10000 ? 5 : 9;
}

void addTimedLines(std::vector<Line> &lines, const Collector &c, int n, double emptyLoad) {
    auto median = [&](const std::string &name) { return c.median(name); };
    // The call against one of its baselines (":sqlite3", or a floor ":step", ":utf8",
    // ":utf16"); a limit of 0 shows the pair for comparison only.
    auto ratioLine = [&](const char *metric, const QString &label, const char *against, double limit,
                         const QString &baselineName) {
        Line l{label,
               n,
               median(key(metric, n)),
               median(key(metric, n) + against),
               QStringLiteral("ms"),
               limit > 0 ? QStringLiteral("ratio ≤ %1 (%2)").arg(limit).arg(baselineName)
                         : QStringLiteral("(beside %1)").arg(baselineName),
               std::nullopt};
        if (limit > 0 && l.median && l.baseline)
            l.met = *l.median <= limit * *l.baseline;
        l.medianCpu = c.cpu(key(metric, n));
        l.baselineCpu = c.cpu(key(metric, n) + against);
        lines.push_back(l);
    };
    ratioLine("AddClient", QStringLiteral("AddClient, one write"), ":sqlite3", 1.2,
              QStringLiteral("sqlite3"));
    ratioLine("AddInvoice", QStringLiteral("AddInvoice, one write"), ":sqlite3", 1.2,
              QStringLiteral("sqlite3"));
    for (const char *metric : {"LoadClients", "LoadInvoices", "LoadNotes", "LoadNames"}) {
        const QString name = QLatin1String(metric);
        ratioLine(metric, name, ":utf16", 0.8, QStringLiteral("floor: every value as UTF-16 with a copy"));
        ratioLine(metric, name, ":step", 3, QStringLiteral("floor: sqlite3_step alone"));
        ratioLine(metric, name, ":utf8", 0, QStringLiteral("floor: every value as UTF-8 with a copy"));
        ratioLine(metric, name, ":sqlite3", 0, QStringLiteral("sqlite3 into structs of QStrings"));
    }
    for (const char *metric : {"LoadClients", "LoadInvoices", "LoadNotes", "LoadNames"}) {
        Line l{QStringLiteral("%1, then every field read once").arg(QLatin1String(metric)),
               n,
               median(key(metric, n) + ":everyField"),
               median(key(metric, n) + ":sqlite3"),
               QStringLiteral("ms"),
               QStringLiteral("(for comparison)"),
               std::nullopt};
        l.medianCpu = c.cpu(key(metric, n) + ":everyField");
        l.baselineCpu = c.cpu(key(metric, n) + ":sqlite3");
        lines.push_back(l);
    }

    {
        Line l{QStringLiteral("Main window load (baseline: empty database)"),
               n,
               median(key("MainWindowLoad", n)),
               emptyLoad,
               QStringLiteral("ms"),
               QString(),
               std::nullopt};
        const double limit = n == 10000 ? 200 : n == 30000 ? 600 : -1;
        if (limit > 0) {
            l.target = QStringLiteral("≤ %1 ms more than empty").arg(limit);
            if (l.median)
                l.met = *l.median - emptyLoad <= limit;
        }
        if (l.median)
            l.metric += QStringLiteral(": %1 ms more").arg(*l.median - emptyLoad, 0, 'f', 1);
        l.medianCpu = c.cpu(key("MainWindowLoad", n));
        l.baselineCpu = c.cpu(key("MainWindowLoad", 0));
        lines.push_back(l);
    }
    auto limitLine = [&](const char *metric, const QString &label, int atClients, double limit) {
        Line l{label, n, median(key(metric, n)), std::nullopt, QStringLiteral("ms"), QString(), std::nullopt};
        if (n == atClients) {
            l.target = QStringLiteral("≤ %1 ms").arg(limit);
            if (l.median)
                l.met = *l.median <= limit;
        }
        l.medianCpu = c.cpu(key(metric, n));
        lines.push_back(l);
    };
    const FixtureSize size = FixtureSize::ForClients(n);
    limitLine("RefillClientLists", QStringLiteral("Both client lists refilled after a save"), 10000, 80);
    limitLine("RefillInvoiceList",
              QStringLiteral("Invoice list refilled (%1 invoices)").arg(countText(size.invoices)), 10000,
              120);
    limitLine("SortClients", QStringLiteral("Header-click sort of lvClients (%1 rows)").arg(countText(n)),
              10000, 30);
    limitLine("SortInvoices",
              QStringLiteral("Header-click sort of lvInvoices (%1 rows)").arg(countText(size.invoices)),
              10000, 150);
    limitLine(
        "SaveClientToQuestion",
        QStringLiteral("Add Clients: \"Save\" clicked to the question box (%1 clients)").arg(countText(n)),
        10000, 250);
    limitLine("PrintInvoiceToQuestion",
              QStringLiteral("Billing: \"Print Invoice\" clicked to the question box, no printer, PDF "
                             "written (%1 invoices)")
                  .arg(countText(size.invoices)),
              10000, 250);
}

} // namespace

int main(int argc, char **argv) {
    // Memory is taken as the program takes it, for the timings and the peaks alike.
    tools::ReturnLargeBlocksWhenFreed();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);

    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(QStringLiteral("--peak-memory=")))
            return peakMemoryChild(arg.mid(14), false);
        if (arg.startsWith(QStringLiteral("--peak-memory-note=")))
            return peakMemoryChild(arg.mid(19), true);
        // --make-database=FOLDER:CLIENTS lays out FOLDER as an application folder with a
        // generated database, for starting the program itself on it.
        if (arg.startsWith(QStringLiteral("--make-database="))) {
            const QString value = arg.mid(16);
            const qsizetype colon = value.lastIndexOf(QLatin1Char(':'));
            bool ok = false;
            const int clients = colon > 0 ? value.mid(colon + 1).toInt(&ok) : 0;
            if (!ok || clients < 0 || QFile::exists(value.left(colon) + QStringLiteral("/home/home.qd"))) {
                std::fprintf(stderr,
                             "brisola_bench: --make-database=FOLDER:CLIENTS, FOLDER without a database\n");
                return 2;
            }
            return makeAppFolder(value.left(colon), FixtureSize::ForClients(clients)) ? 0 : 1;
        }
    }

    std::optional<Options> options = parse(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: brisola_bench [--sizes=N,N,...] [--repetitions=N>=2] [--output=FILE] "
                             "[--note-sizes=MB,MB,...] [--no-memory] [--benchmark_...]\n");
        return 2;
    }
    // Repetitions of the benchmarks of one size run in random order, so that a slow spell of
    // the disk or the machine falls on the library and its baseline alike.
    std::vector<char *> arguments(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleave);
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    argc = count;
    argv = arguments.data();
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    const QString loadAtStart = loadAverage();
    QElapsedTimer runTime;
    runTime.start();
    QTemporaryDir root;
    if (!root.isValid()) {
        std::fprintf(stderr, "brisola_bench: no temporary folder\n");
        return 1;
    }
    Collector collector;
    QStringList failures;
    std::vector<Line> lines;

    // The main window over an empty database: what every size's load is compared with.
    const QString emptyFolder = root.filePath(QStringLiteral("empty"));
    SizeRun empty;
    empty.folder = emptyFolder;
    if (!makeAppFolder(emptyFolder, empty.size))
        return 1;
    registerWindowLoad(empty, std::max(repetitionsFor(*options, 1000), 9));
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::ClearRegisteredBenchmarks();
    failures << empty.failures;
    const double emptyLoad = collector.median(key("MainWindowLoad", 0)).value_or(0);

    std::optional<double> emptyPeak;
    if (options->memory)
        emptyPeak = measurePeak(emptyFolder, empty.size, failures);

    std::vector<Line> memoryLines;
    for (int megabytes : options->noteMegabytes) {
        const QString folder = root.filePath(QStringLiteral("note-%1MB").arg(megabytes));
        const FixtureSize size = FixtureSize::ForClients(20);
        if (!makeAppFolder(folder, size) ||
            !addLargeNote(folder + QStringLiteral("/home/home.qd"), megabytes))
            return 1;
        std::fprintf(stderr, "brisola_bench: a note of %d MB\n", megabytes);
        registerLargeNote(folder, megabytes, 3, failures);
        benchmark::RunSpecifiedBenchmarks(&collector);
        benchmark::ClearRegisteredBenchmarks();
        const double limit = megabytes <= 1 ? 1000 : megabytes <= 10 ? 5000 : -1;
        const char *steps[][2] = {{":start", "started until the note tab is painted"},
                                  {":choose", "chosen into the editor"},
                                  {":save", "saved unchanged until its question"},
                                  {":print", "printed (PDF) until the message"}};
        for (const auto &[suffix, words] : steps) {
            const std::string name = "LargeNote" + std::to_string(megabytes) + suffix;
            Line l{QStringLiteral("A note of %1 MB: %2").arg(megabytes).arg(QLatin1String(words)),
                   20,
                   collector.median(name),
                   std::nullopt,
                   QStringLiteral("ms"),
                   limit > 0 ? QStringLiteral("≤ %1 ms").arg(limit) : QString(),
                   std::nullopt};
            if (limit > 0 && l.median)
                l.met = *l.median <= limit;
            lines.push_back(l);
        }
        if (options->memory) {
            const double database =
                double(QFileInfo(folder + QStringLiteral("/home/home.qd")).size()) / 1048576;
            Line l{QStringLiteral("A note of %1 MB: peak memory, started, chosen, saved and printed "
                                  "(baseline: the database's size)")
                       .arg(megabytes),
                   20,
                   measurePeak(folder, size, failures, true),
                   database,
                   QStringLiteral("MiB"),
                   QStringLiteral("≤ database + 150 MB"),
                   std::nullopt};
            if (l.median)
                l.met = *l.median * 1048576 <= database * 1048576 + 150e6;
            memoryLines.push_back(l);
        }
        QDir(folder).removeRecursively();
    }
    for (int clients : options->sizes) {
        SizeRun run;
        run.clients = clients;
        run.size = FixtureSize::ForClients(clients);
        run.folder = root.filePath(QStringLiteral("clients-%1").arg(clients));
        run.writeFolder = run.folder + QStringLiteral("-writes");
        std::fprintf(stderr, "brisola_bench: building %d clients, %d invoices, %d notes, %d addresses\n",
                     clients, run.size.invoices, run.size.notes, run.size.addresses);
        if (!makeAppFolder(run.folder, run.size) || !makeAppFolder(run.writeFolder, run.size))
            return 1;

        const int repetitions = repetitionsFor(*options, clients);
        registerReads(run, repetitions);
        registerWindowLoad(run, repetitions);
        registerListWork(run, repetitions);
        registerWrites(run, repetitions);
        registerUserWaits(run, repetitions);
        benchmark::RunSpecifiedBenchmarks(&collector);
        benchmark::ClearRegisteredBenchmarks();
        run.window.reset();
        modGlobal::objHouse.reset();
        failures << run.failures;
        addTimedLines(lines, collector, clients, emptyLoad);

        if (options->memory) {
            Line l{QStringLiteral("Peak memory, every list filled (baseline: empty database)"),
                   clients,
                   measurePeak(run.folder, run.size, failures),
                   emptyPeak,
                   QStringLiteral("MiB"),
                   QString(),
                   std::nullopt};
            if (clients == 10000) {
                l.target = QStringLiteral("≤ 110 MB");
                if (l.median)
                    l.met = *l.median * 1024 * 1024 <= 110e6;
            }
            memoryLines.push_back(l);
        }
        QDir(run.folder).removeRecursively();
        QDir(run.writeFolder).removeRecursively();
    }
    lines.insert(lines.end(), memoryLines.begin(), memoryLines.end());

    for (const std::string &error : collector.errors())
        failures << QString::fromStdString(error);

    QStringList section;
    section << QStringLiteral("Run of %1 UTC.").arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    section << QString() << machineText(*options) << QString();
    section << QStringLiteral(
                   "The machine is shared: one-minute load average %1 at the start and %2 at the end of "
                   "this %3 s run. Processor times (cpu) are the program's own, whatever else ran.")
                   .arg(loadAtStart, loadAverage())
                   .arg(runTime.elapsed() / 1000)
            << QString();
    section << QStringLiteral(
                   "Medians of %1 repetitions (writes: of at least 15, four writes each; repetitions of one "
                   "size in random order). Main window "
                   "load: the window built and loaded, still hidden, as start-up does before the "
                   "splash. Refills and sorts: on the shown window, until the list has been laid out "
                   "and painted.")
                   .arg(options->repetitions > 0 ? QString::number(options->repetitions)
                                                 : QStringLiteral("9 (5 above 10,000 clients)"));
    section << QString() << tableLines(lines);
    if (!failures.isEmpty()) {
        section << QString() << QStringLiteral("Failures:");
        for (const QString &f : failures)
            section << QStringLiteral("- ") + f;
    }

    QTextStream console(stdout);
    console << '\n' << section.join(QLatin1Char('\n')) << '\n';
    console.flush();
    if (!options->output.isEmpty() && !writeResults(options->output, section)) {
        std::fprintf(stderr, "brisola_bench: cannot write %s\n", qPrintable(options->output));
        return 1;
    }
    modGlobal::SetApplicationFolder(QString());
    OrdwenSetApplicationFolder(nullptr);
    return failures.isEmpty() ? 0 : 1;
}

// The table window's grid over 20,000 competitors: opening the window, re-sorting by a header
// click and narrowing with a typed filter, each against the bare SQLite query that returns the
// same rows in the same order (read whole with the C API). Prints the ratios, and the rows the
// grid read while scrolling from the top to the bottom.
#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <memory>

#include "assets/database_builder.h"
#include "bench/ratio_reporter.h"
#include "concorrenti_window.h"
#include "data/database_access.h"
#include "platform/fakes/fake_window_services.h"

namespace razudar {
namespace {

constexpr int kRows = 20000;

struct Setup {
    QTemporaryDir folder;
    DatabaseState database;
    FakeWindowServices fakes;
    sqlite3* raw = nullptr;
};

Setup* setup = nullptr;

void fill(db::Database& db) {
    db.execute(QStringLiteral("INSERT INTO Gare (ga_Gara) VALUES (1), (2)"));
    db.execute(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1), "
        "s(k, name) AS (VALUES (0,'Rossi'),(1,'Bianchi'),(2,'Verdi'),(3,'Neri'),(4,'Gallo'),(5,'Conti'),"
        "(6,'Bruno'),(7,'Ricci'),(8,'Greco'),(9,'Marino'),(10,'Costa'),(11,'Fontana'),(12,'Rizzo'),"
        "(13,'Lombardi'),(14,'Moretti'),(15,'Barbieri'),(16,'Ferrari'),(17,'Esposito'),(18,'Romano'),"
        "(19,'Colombo')) "
        "INSERT INTO Concorrenti (co_Gara, co_Concorrente, co_Pettorale, co_Cognome, co_Nome, co_Nazionalita) "
        "SELECT 1, i, i, (SELECT name FROM s WHERE k = (i * 7) % 20) || ' ' || i, 'Nome' || i, "
        "CASE i % 3 WHEN 0 THEN 'ITA' WHEN 1 THEN 'AUT' ELSE 'SUI' END FROM n").arg(kRows));
}

// Reads every value of every row, as a grid filled from a plain query would.
void bareQuery(const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(setup->raw, sql, -1, &stmt, nullptr);
    int rows = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        const int n = sqlite3_column_count(stmt);
        for (int c = 0; c < n; ++c) {
            if (sqlite3_column_type(stmt, c) == SQLITE_TEXT) {
                benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
            } else {
                benchmark::DoNotOptimize(sqlite3_column_int64(stmt, c));
            }
        }
        ++rows;
    }
    sqlite3_finalize(stmt);
    benchmark::DoNotOptimize(rows);
}

std::unique_ptr<testing::ConcorrentiWindow> openWindow() {
    auto window = std::make_unique<testing::ConcorrentiWindow>(setup->database, setup->fakes.services());
    window->start([](tables::clsTabella& t) { t.SuggerisciAggiungi(QStringLiteral("Gara"), 1); });
    return window;
}

void windowOpen(benchmark::State& state) {
    for (auto _ : state) {
        auto window = openWindow();
        benchmark::DoNotOptimize(window->grid->model()->data(window->grid->model()->index(30, 2), Qt::DisplayRole));
    }
}

void bareOpen(benchmark::State& state) {
    for (auto _ : state) bareQuery("SELECT * FROM Concorrenti WHERE co_Gara = 1 ORDER BY co_Concorrente, co_Gara");
}

void windowSort(benchmark::State& state) {
    auto window = openWindow();
    for (auto _ : state) window->tb.dbg_Elenco_HeadClick(2);  // surname, ascending and descending in turn
}

void bareSort(benchmark::State& state) {
    bool descending = false;
    for (auto _ : state) {
        descending = !descending;
        bareQuery(descending
                      ? "SELECT * FROM Concorrenti WHERE co_Gara = 1 ORDER BY co_Cognome DESC, co_Concorrente, co_Gara"
                      : "SELECT * FROM Concorrenti WHERE co_Gara = 1 ORDER BY co_Cognome, co_Concorrente, co_Gara");
    }
}

void windowFilter(benchmark::State& state) {
    auto window = openWindow();
    bool first = false;
    for (auto _ : state) {
        first = !first;
        window->grid->setColumnFilterText(2, first ? QStringLiteral("Ros") : QStringLiteral("Bia"));
        window->tb.dbg_Elenco_FilterChange();
    }
}

void bareFilter(benchmark::State& state) {
    bool first = false;
    for (auto _ : state) {
        first = !first;
        bareQuery(first ? "SELECT * FROM Concorrenti WHERE co_Gara = 1 AND co_Cognome LIKE 'Ros%' "
                          "ORDER BY co_Concorrente, co_Gara"
                        : "SELECT * FROM Concorrenti WHERE co_Gara = 1 AND co_Cognome LIKE 'Bia%' "
                          "ORDER BY co_Concorrente, co_Gara");
    }
}

}  // namespace
}  // namespace razudar

int main(int argc, char** argv) {
    using namespace razudar;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Setup s;
    setup = &s;
    s.database.IndiceDatabase = 1;
    s.database.PercorsiDatabase[1] = assets::createRaceDatabase(s.folder.path());
    ApriDatabase(s.database);
    fill(s.database.current());
    sqlite3_open_v2(s.database.PercorsiDatabase[1].toUtf8().constData(), &s.raw, SQLITE_OPEN_READONLY, nullptr);

    {
        // Scrolling from the top to the bottom reads the pages shown, never the whole list.
        auto window = openWindow();
        window->resize(760, 560);
        window->show();
        QTableView* view = window->grid->view();
        const qint64 before = window->data.rowsRead();
        view->scrollToBottom();
        QApplication::processEvents();
        std::printf("%d rows listed; scrolling to the bottom read %lld rows (page %d rows)\n",
                    window->data.recordCount(), static_cast<long long>(window->data.rowsRead() - before),
                    tables::RecordSource::kPageRows);
    }

    benchmark::RegisterBenchmark("WindowOpen", windowOpen)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BareOpen", bareOpen)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("WindowHeaderSort", windowSort)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BareHeaderSort", bareSort)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("WindowTypedFilter", windowFilter)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BareTypedFilter", bareFilter)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto t = reporter.times();
    const auto ratio = [&](const char* name, const char* window, const char* bare) {
        if (t.count(window) && t.count(bare))
            std::printf("%s: window / bare query %.2fx (target <= 2)\n", name, t[window] / t[bare]);
    };
    ratio("open", "WindowOpen", "BareOpen");
    ratio("header re-sort", "WindowHeaderSort", "BareHeaderSort");
    ratio("typed filter", "WindowTypedFilter", "BareTypedFilter");
    benchmark::Shutdown();
    sqlite3_close(s.raw);
    return 0;
}

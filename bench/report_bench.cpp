// A 1,000-row start list exported to PDF by the report routine's export path: pages per second,
// and the export's time against the bare query that feeds it.
#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

#include "assets/database_builder.h"
#include "bench/ratio_reporter.h"
#include "platform/db/database.h"
#include "tables/reports/report_document.h"
#include "tables/reports/report_export.h"
#include "tables/reports/report_painter.h"

namespace razudar {
namespace {

constexpr int kRows = 1000;

struct Setup {
    QTemporaryDir folder;
    QString database;
    std::optional<tables::ReportDocument> report;
};
Setup* setup = nullptr;

void fill(const QString& path) {
    db::Database d = db::Database::open(path);
    d.execute(QStringLiteral("BEGIN"));
    d.execute(QStringLiteral("INSERT INTO Gare (ga_Gara, ga_Descrizione) VALUES (1, 'Gara di prova')"));
    d.execute(QStringLiteral("INSERT INTO Sessioni (se_Gara, se_TipoTurno, se_Manche, se_Descrizione) VALUES (1, 'GA', 1, '1a Manche')"));
    for (int i = 1; i <= kRows; ++i) {
        d.execute(QStringLiteral("INSERT INTO Concorrenti (co_Gara, co_Concorrente, co_Pettorale, co_Cognome, co_Nome, "
                                 "co_Squadra, co_Nazionalita) VALUES (1, ?, ?, ?, ?, 'Squadra nazionale', 'ITA')"),
                  {i, i, QStringLiteral("Cognome%1").arg(i), QStringLiteral("Nome%1").arg(i)});
        d.execute(QStringLiteral("INSERT INTO OrdinePartenza (op_Gara, op_TipoTurno, op_Manche, op_OrdinePartenza, "
                                 "op_OrarioPartenzaTeorico, op_Concorrente) VALUES (1, 'GA', 1, ?, ?, ?)"),
                  {i, 90000000 + i * 1000, i});
    }
    d.execute(QStringLiteral("COMMIT"));
}

void exportPdf(benchmark::State& state) {
    const QString target = setup->folder.filePath(QStringLiteral("Lista.pdf"));
    for (auto _ : state) {
        const tables::ReportTable table = setup->report->run();
        QString error;
        if (!tables::exportReport(table, tables::ReportExportFormat::Pdf, target, &error))
            state.SkipWithError(error.toStdString().c_str());
    }
    state.counters["rows"] = kRows;
}

// The report's rows, groups and totals without drawing them.
void reportRows(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(setup->report->run().lines.size());
}

void bareQuery(benchmark::State& state) {
    const db::Database d = db::Database::open(setup->database, {false, true});
    QVariantList values;
    const QString sql = setup->report->sql(&values);
    for (auto _ : state) {
        db::RowReader r = d.openReader(sql, values);
        qint64 n = 0;
        for (; !r.atEnd(); r.next())
            for (int c = 0; c < int(r.fields().size()); ++c) n += r.value(c).isValid();
        benchmark::DoNotOptimize(n);
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
    s.database = assets::createRaceDatabase(s.folder.path());
    fill(s.database);
    QString error;
    auto definition = tables::loadReportDefinition(QStringLiteral(RAZUDAR_SOURCE_DIR "/assets/reports/ListaPartenza.rpt"), &error);
    if (!definition) {
        std::fprintf(stderr, "report: %s\n", qPrintable(error));
        return 1;
    }
    s.report.emplace(QStringLiteral("ListaPartenza.rpt"), *definition);
    s.report->setDatabasePath(s.database);

    // The page count, from one paint of the report as the export draws it.
    const tables::ReportTable table = s.report->run();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(300);
    tables::ReportPainter painter(table);
    painter.setupPage(writer);
    {
        QPainter p(&writer);
        painter.paint(p, writer);
    }
    const int pages = painter.pageCount();
    std::printf("%d rows, %d pages, %lld bytes of PDF\n", table.rowCount, pages,
                static_cast<long long>(buffer.size()));

    benchmark::RegisterBenchmark("ReportPdf1000", exportPdf)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ReportRows1000", reportRows)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BareQuery1000", bareQuery)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto t = reporter.times();
    if (t.count("ReportPdf1000") && t.count("BareQuery1000")) {
        std::printf("PDF export: %.1f pages/s; export / bare query %.1fx\n",
                    pages / (t["ReportPdf1000"] / 1000.0), t["ReportPdf1000"] / t["BareQuery1000"]);
        if (t.count("ReportRows1000"))
            std::printf("rows, groups and totals alone / bare query %.1fx\n", t["ReportRows1000"] / t["BareQuery1000"]);
    }
    benchmark::Shutdown();
    return 0;
}

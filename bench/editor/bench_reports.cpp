// The reports at their largest: the CSV export of a 1000-plant registry and the all-plants
// print of 600 plants to PDF.

#include "BenchRegistry.h"
#include "cli/StderrDialogs.h"
#include "registry/LookupLists.h"
#include "reports/CsvExport.h"
#include "reports/PrintJobs.h"

#include <QApplication>
#include <QDateTime>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using BenchRegistry::write;

void exportCsv1000(benchmark::State& state) {
    QTemporaryDir dir;
    const QString reg = dir.filePath("HIDR.DAT");
    write(reg, BenchRegistry::make(1000));
    LookupLists lists;
    lists.setDefaults();
    StderrDialogs dialogs;
    CsvExport::Source source;
    source.registryFile = reg;
    source.lists = &lists;
    source.locale = QLocale(QLocale::Portuguese, QLocale::Brazil);
    for (auto _ : state)
        benchmark::DoNotOptimize(CsvExport::exportToFile(source, dir.filePath("out.csv"), dialogs));
}
BENCHMARK(exportCsv1000)->Unit(benchmark::kMillisecond);

void printPdf600(benchmark::State& state) {
    QTemporaryDir dir;
    const QString reg = dir.filePath("HIDR.DAT");
    write(reg, BenchRegistry::make(600));
    StderrDialogs dialogs;
    AllPlantsJob job;
    job.lists.setDefaults();
    job.locale = QLocale(QLocale::Portuguese, QLocale::Brazil);
    job.footer = [] {
        return footerLine(QStringLiteral("Velarin - HIDR.DAT"), QDateTime::currentDateTime(),
                          QLocale(QLocale::Portuguese, QLocale::Brazil));
    };
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("all.pdf"));
        const LandscapeScope landscape(printer);
        const PrintResult result = printAllPlantsFromFile(printer, reg, job, dialogs);
        if (result.pages != 600)
            state.SkipWithError("not 600 pages");
    }
}
BENCHMARK(printPdf600)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    // bench/run times the reports as whole processes on this same registry.
    if (argc == 4 && std::strcmp(argv[1], "--write-registry") == 0) {
        const QByteArray registry = BenchRegistry::make(std::atoi(argv[3]));
        return write(QString::fromLocal8Bit(argv[2]), registry) ? 0 : 1;
    }
    // The next month's registry for the comparison: a tenth of the plants revised.
    if (argc == 4 && std::strcmp(argv[1], "--write-revised-registry") == 0) {
        const QByteArray registry = BenchRegistry::make(std::atoi(argv[3]), [](TUsinaHd& p, int k) {
            if (k % 10 == 3) {
                p.VolMax += 0.5f;
                p.PCV[1] *= 1.0001;
                p.PolJus[2][1] *= 1.0001f;
            }
        });
        return write(QString::fromLocal8Bit(argv[2]), registry) ? 0 : 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The reports at their largest: the CSV export of a 1000-plant registry and the all-plants
// print of 600 plants to PDF.

#include "cli/StderrDialogs.h"
#include "registry/LookupLists.h"
#include "registry/PlantCodec.h"
#include "reports/CsvExport.h"
#include "reports/PrintJobs.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QByteArray makeRegistry(int plants) {
    QByteArray bytes(qsizetype(plants) * RecordSize, '\0');
    for (int k = 0; k < plants; ++k) {
        TUsinaHd p;
        char name[24]; // room for any number; the record takes the first twelve
        std::snprintf(name, sizeof name, "USINA %-6d", k + 1);
        std::memcpy(p.Nome.data(), name, 12);
        std::memcpy(p.PostoBDH.data(), "BDH00001", 8);
        p.Posto = k + 1;
        p.Sistema = 1 + k % 4;
        p.Empresa = 11 + k % 40;
        p.Jusante = k % 7 == 0 ? 0 : k;
        p.VolMin = 100.5f + k;
        p.VolMax = 5000.25f + k;
        p.CotaMin = 300.5f;
        p.CotaMax = 320.75f;
        for (int i = 0; i < 5; ++i) {
            p.PCV[i] = 300.0f / float(i + 1);
            p.PAC[i] = 0.5f * float(i);
        }
        for (int m = 0; m < 12; ++m)
            p.EvapMen[m] = m * 10 - 40;
        p.NumConjMaq = 5;
        p.NumPolsJus = 6;
        for (int s = 0; s < 5; ++s) {
            p.NumMaq[s] = s + 1;
            p.PotEf[s] = 100.5f * float(s + 1);
            p.QEf[s] = 200 + s;
            p.HEf[s] = 90.25f;
            for (int i = 0; i < 5; ++i) {
                p.QHT[s][i] = 1.5f * float(i);
                p.QHG[s][i] = -2.5f * float(i);
                p.PH[s][i] = 0.125f * float(i);
            }
        }
        for (int q = 0; q < 6; ++q) {
            for (int i = 0; i < 5; ++i)
                p.PolJus[q][i] = 250.0f + float(q + i);
            p.PolJusRef[q] = 255.5f;
        }
        std::memcpy(p.Data.data(), "01/01/26", 8);
        std::memset(p.Obs.data(), ' ', 43);
        p.Reg = 'M';
        encodePlant(p, bytes.data() + qsizetype(k) * RecordSize);
    }
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void exportCsv1000(benchmark::State& state) {
    QTemporaryDir dir;
    const QString reg = dir.filePath("HIDR.DAT");
    writeFile(reg, makeRegistry(1000));
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
    writeFile(reg, makeRegistry(600));
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
    if (argc == 4 && std::strcmp(argv[1], "--write-registry") == 0)
        return writeFile(QString::fromLocal8Bit(argv[2]), makeRegistry(std::atoi(argv[3]))) ? 0 : 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

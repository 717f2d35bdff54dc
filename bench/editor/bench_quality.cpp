// The registry check and comparison as a user runs them from a script: whole quillmark
// processes on registries of 1000 plants, every one with five machine sets and six downstream
// polynomials (the most numbers a plant can hold). Each should take at most 0.2 s.

#include "BenchRegistry.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

// The next month's registry: a tenth of the plants revised.
QByteArray makeRegistry(int plants, bool revised) {
    return BenchRegistry::make(plants, [revised](TUsinaHd& p, int k) {
        if (revised && k % 10 == 3) {
            p.VolMax += 0.5f;
            p.PolJus[2][1] *= 1.0001f;
        }
    });
}

struct Files {
    QTemporaryDir dir;
    QString old = dir.filePath(QStringLiteral("HIDR_OLD.DAT"));
    QString revised = dir.filePath(QStringLiteral("HIDR_NEW.DAT"));
    Files() {
        for (const auto& [path, bytes] :
             {std::pair{old, makeRegistry(1000, false)}, {revised, makeRegistry(1000, true)}})
            if (!BenchRegistry::write(path, bytes))
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }
};

Files& files() {
    static Files f;
    return f;
}

void run(benchmark::State& state, const QStringList& args, int exitCode) {
    for (auto _ : state) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(QStringLiteral(QUILLMARK_EXE), args);
        if (!process.waitForFinished(60000) || process.exitCode() != exitCode) {
            state.SkipWithError("quillmark did not answer as expected");
            return;
        }
    }
}

void check1000(benchmark::State& state) {
    run(state, {QStringLiteral("--check"), files().old}, 1);
}
BENCHMARK(check1000)->Unit(benchmark::kMillisecond)->UseRealTime();

void diff1000(benchmark::State& state) {
    run(state, {QStringLiteral("--diff"), files().old, files().revised}, 1);
}
BENCHMARK(diff1000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The registry check and comparison as a user runs them from a script: whole quillmark
// processes on registries of 1000 plants, every one with five machine sets and six downstream
// polynomials (the most numbers a plant can hold). Each should take at most 0.2 s.

#include "registry/PlantCodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>

namespace {

// A cascade of 1000 plants: each flows into the one before, every seventh into none.
QByteArray makeRegistry(int plants, bool revised) {
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
        p.VolMin = 100.5f + float(k);
        p.VolMax = 5000.25f + float(k);
        p.VolVert = p.VolMax;
        p.VolRef = p.VolMax;
        p.CotaMin = 300.5f;
        p.CotaMax = 320.75f;
        for (int i = 0; i < 5; ++i) {
            p.PCV[i] = 300.0f / float(i + 1) + float(k);
            p.PAC[i] = 0.5f * float(i + 1) + float(k) / 7.0f;
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
                p.QHT[s][i] = 1.5f * float(i + 1) + float(k) / 3.0f;
                p.QHG[s][i] = -2.5f * float(i + 1) - float(k) / 9.0f;
                p.PH[s][i] = 0.125f * float(i + 1) + float(k) / 11.0f;
            }
        }
        for (int q = 0; q < 6; ++q) {
            for (int i = 0; i < 5; ++i)
                p.PolJus[q][i] = 250.0f + float(q + i) + float(k) / 13.0f;
            p.PolJusRef[q] = 255.5f;
        }
        p.ProdEsp = 0.0087f;
        p.ValorPerdas = 1.5f;
        p.CanalFugaMed = 260.0f;
        p.FatCargaMax = 100.0f;
        p.FatCargaMin = 35.5f;
        p.VazMinHist = 187;
        p.NumUnidBase = 4;
        p.TipoTurbina = 1;
        p.RepConj = 1;
        p.TEIF = 2.0f;
        p.IP = 6.0f;
        p.TipoPerdas = 2;
        std::memcpy(p.Data.data(), "01/01/26", 8);
        std::memset(p.Obs.data(), ' ', 43);
        p.Reg = 'M';
        // The next month's registry: a tenth of the plants revised.
        if (revised && k % 10 == 3) {
            p.VolMax += 0.5f;
            p.PolJus[2][1] *= 1.0001f;
        }
        encodePlant(p, bytes.data() + qsizetype(k) * RecordSize);
    }
    return bytes;
}

struct Files {
    QTemporaryDir dir;
    QString old = dir.filePath(QStringLiteral("HIDR_OLD.DAT"));
    QString revised = dir.filePath(QStringLiteral("HIDR_NEW.DAT"));
    Files() {
        for (const auto& [path, bytes] :
             {std::pair{old, makeRegistry(1000, false)}, {revised, makeRegistry(1000, true)}}) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        }
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

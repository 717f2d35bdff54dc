// The largest VAZOES (600 stations, 200 years, values up to 999999) text to binary and back,
// in memory and file to file, and the statistics of that file. bench/run times the whole
// processes beside their floor.
#include "inflows/Series.h"
#include "inflows/Vazoes.h"
#include "workflow/Workflow.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {

using namespace Torvane;

const std::string& largestBinary() {
    static const std::string bin = [] {
        std::mt19937 rng(1931);
        std::uniform_int_distribution<std::int32_t> value(0, 999999);
        std::string out;
        out.reserve(std::size_t(200) * 12 * 600 * 4);
        for (std::size_t i = 0; i < std::size_t(200) * 12 * 600; ++i) {
            const auto u = std::uint32_t(value(rng));
            const char b[4] = {char(u), char(u >> 8), char(u >> 16), char(u >> 24)};
            out.append(b, 4);
        }
        return out;
    }();
    return bin;
}

const std::string& largestText() {
    static const std::string text = [] {
        return vazoesBinToText(largestBinary(), 600, "bench").output.str();
    }();
    return text;
}

void TextToBinInMemory(benchmark::State& state) {
    for (auto _ : state) {
        ConvResult r = vazoesTextToBin(largestText(), 600, "bench");
        benchmark::DoNotOptimize(r.output.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(largestText().size()));
}

void BinToTextInMemory(benchmark::State& state) {
    for (auto _ : state) {
        ConvResult r = vazoesBinToText(largestBinary(), 600, "bench");
        benchmark::DoNotOptimize(r.output.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) *
                            std::int64_t(largestBinary().size()));
}

// Read the input file whole, convert, write through QSaveFile: what one conversion costs.
void fileToFile(benchmark::State& state, const std::string& input, bool toBin) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("IN"));
    const QString out = dir.filePath(QStringLiteral("OUT"));
    {
        QFile f(in);
        f.open(QIODevice::WriteOnly);
        f.write(input.data(), qint64(input.size()));
    }
    for (auto _ : state) {
        QFile f(in);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        const std::string_view view(bytes.constData(), std::size_t(bytes.size()));
        ConvResult r =
            toBin ? vazoesTextToBin(view, 600, "bench") : vazoesBinToText(view, 600, "bench");
        if (!writeWholeFile(out, r.output).isEmpty())
            state.SkipWithError("write failed");
    }
}

void TextToBinFileToFile(benchmark::State& state) {
    fileToFile(state, largestText(), true);
}
void BinToTextFileToFile(benchmark::State& state) {
    fileToFile(state, largestBinary(), false);
}

// The statistics of every station of the same file, beside BinToTextInMemory: the read into
// stations and the CSV of all 600 x 12 months.
void StatsInMemory(benchmark::State& state) {
    for (auto _ : state) {
        const auto history = readVazoesHistory(largestBinary(), false, 600, "bench");
        const std::string csv =
            statsCsv(history.value, std::nullopt, std::nullopt, nullptr, nullptr, ",");
        benchmark::DoNotOptimize(csv.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) *
                            std::int64_t(largestBinary().size()));
}

} // namespace

BENCHMARK(TextToBinInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BinToTextInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(StatsInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(TextToBinFileToFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BinToTextFileToFile)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

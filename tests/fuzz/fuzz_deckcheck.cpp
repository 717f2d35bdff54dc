// The deck check on decks of any bytes: the input is cut into a registry, CONFHD, MODIF, EXPH,
// POSTOS, VAZOES and MLT (the first bytes say where), and every finding must name a rule and
// a file, the findings come by code, and the summary counts them.
#include "tools/DeckCheck.h"
#include "tools/DeckLoad.h"

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8)
        return 0;
    // Seven cut points, one byte each, in 1/256ths of what follows; the eighth byte the horizon.
    const std::size_t rest = size - 8;
    const char* body = reinterpret_cast<const char*>(data + 8);
    std::size_t cuts[8] = {0};
    for (int i = 0; i < 7; ++i)
        cuts[i + 1] = std::max(cuts[i], rest * data[i] / 255);
    const auto part = [&](int k) {
        const std::size_t from = cuts[k];
        const std::size_t to = k + 1 < 8 ? cuts[k + 1] : rest;
        return std::string(body + from, std::max(from, to) - from);
    };
    const int horizon = (data[7] & 1) ? 600 : 320;

    DeckCheck::Inputs in;
    in.registry = DeckCheck::registryPlants(QByteArray::fromStdString(part(0)));
    auto confhd = Deck::readConfhd(part(1));
    if (!confhd.ok())
        return 0;
    in.confhd = *confhd.value;
    if (data[7] & 2)
        if (auto modif = Deck::readModif(part(2)); modif.ok())
            in.modif = *modif.value;
    if (data[7] & 4)
        if (auto exph = Deck::readExph(part(3)); exph.ok())
            in.exph = *exph.value;
    if (data[7] & 8) {
        in.horizon = horizon;
        in.postos = DeckCheck::stations(QByteArray::fromStdString(part(4)));
    }
    // The inflow files tiled up to whole blocks of the horizon, so that they read.
    Torvane::InflowHistory vazoes;
    Torvane::MltValues mlt;
    if (in.horizon > 0 && (data[7] & 16)) {
        std::string v = part(5);
        const std::size_t block = std::size_t(horizon) * 12 * 4;
        std::string bin(block * (1 + data[6] % 3), '\0');
        for (std::size_t i = 0; i < bin.size() && !v.empty(); ++i)
            bin[i] = v[i % v.size()];
        auto read = Torvane::readVazoesHistory(bin, false, horizon, "fuzz");
        require(read.ok(), "whole year blocks read");
        vazoes = std::move(read.value);
        in.vazoes = &vazoes;
        std::string m = part(6);
        std::string mbin(block, '\0');
        for (std::size_t i = 0; i < mbin.size() && !m.empty(); ++i)
            mbin[i] = m[i % m.size()];
        auto readMlt = Torvane::readMltValues(mbin, false, horizon, "fuzz");
        require(readMlt.ok(), "one whole MLT block reads");
        mlt = std::move(readMlt.value);
        in.mlt = &mlt;
    }
    for (const Language language : {Language::Portuguese, Language::English}) {
        const QList<DeckCheck::Finding> findings = DeckCheck::check(in, language);
        std::int32_t last = INT32_MIN;
        for (const DeckCheck::Finding& f : findings) {
            require(f.rule && *f.rule, "a rule");
            require(!f.message.isEmpty(), "a message");
            require(f.code >= last, "by code");
            last = f.code;
        }
        const DeckCheck::Counts c = DeckCheck::countOf(findings);
        require(c.errors + c.warnings + c.infos == findings.size(), "counted");
        require(!DeckCheck::summaryLine(findings, {}, language).isEmpty(), "a summary");
    }
    return 0;
}

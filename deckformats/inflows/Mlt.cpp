#include "inflows/Mlt.h"

#include "inflows/Text.h"

namespace Torvane {

ConvResult mltTextToBin(std::string_view text, int numPostos, TabMlt& tab, std::string_view path) {
    tab.clear(numPostos);
    LineReader lines(textContent(text));
    while (const auto line = lines.next()) {
        const int n = lines.lineNumber();
        const auto posto = parseField(*line, 1, 3);
        if (!posto || *posto < 1 || *posto > numPostos)
            return ConvResult::warning(lineError(path, n, "Código de posto inválido."));
        std::int32_t months[12];
        if (const auto error = readMonthlyInflows(*line, 5, path, n, months))
            return ConvResult::warning(*error);
        for (int m = 1; m <= 12; ++m)
            tab.at(*posto, m) = months[m - 1];
    }
    std::string out;
    out.reserve(std::size_t(12) * std::size_t(numPostos) * 4);
    for (int m = 1; m <= 12; ++m)
        for (int s = 1; s <= numPostos; ++s)
            appendInt32LE(out, tab.at(s, m));
    return ConvResult::success(std::move(out));
}

std::optional<Failure> checkMltBinary(std::string_view binary, int numPostos,
                                      std::string_view path) {
    return checkMltBinarySize(binary.size(), numPostos, path);
}

std::optional<Failure> checkMltBinarySize(std::uint64_t size, int numPostos,
                                          std::string_view path) {
    const std::size_t blockBytes = std::size_t(12) * std::size_t(numPostos) * 4;
    if (size % blockBytes != 0) {
        const int other = otherHorizon(numPostos);
        std::string hint;
        if (other != 0 && size == std::size_t(12) * std::size_t(other) * 4)
            hint = "O tamanho é o do bloco de " + decimal(other) + " postos.";
        return Failure{FailureKind::PlatformError,
                       partialBinaryError(path, size,
                                          "um bloco de " + decimal(std::int64_t(blockBytes)) +
                                              " bytes (" + decimal(numPostos) + " postos)",
                                          hint)};
    }
    // Several blocks used to leave only the last one's values: refuse rather than guess.
    if (size > blockBytes)
        return Failure{FailureKind::Warning,
                       "Arquivo \"" + std::string(path) + "\" tem mais de um bloco de MLT."};
    return std::nullopt;
}

ConvResult mltBinToText(std::string_view binary, int numPostos, TabMlt& tab,
                        std::string_view path) {
    tab.clear(numPostos);
    if (auto failure = checkMltBinary(binary, numPostos, path))
        return {{}, std::move(failure)};
    if (!binary.empty()) {
        const char* p = binary.data();
        for (int m = 1; m <= 12; ++m)
            for (int s = 1; s <= numPostos; ++s, p += 4)
                tab.at(s, m) = readInt32LE(p);
    }
    std::string out;
    out.reserve(std::size_t(numPostos) * 78);
    for (int s = 1; s <= numPostos; ++s) {
        appendRightJustified(out, s, 3);
        out += ' ';
        for (int m = 1; m <= 12; ++m) {
            const std::int32_t v = tab.at(s, m);
            // The text takes no negative value back.
            if (v < 0)
                return ConvResult::warning("Valor " + decimal(v) + " do posto " + decimal(s) +
                                           ", mês " + decimal(m) +
                                           " negativo não cabe no arquivo texto.");
            if (!appendRightJustified(out, v, 6))
                return ConvResult::warning("Valor " + decimal(v) + " do posto " + decimal(s) +
                                           ", mês " + decimal(m) + " não cabe no arquivo texto.");
        }
        out += "\r\n";
    }
    return ConvResult::success(std::move(out));
}

} // namespace Torvane

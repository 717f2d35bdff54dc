#include "formats/Vazoes.h"

#include "formats/Text.h"

namespace Torvane {

ConvResult vazoesTextToBin(std::string_view text, int numPostos, TabVazoes& tab,
                           std::string_view path) {
    tab.clear();
    int largestYear = 0;
    LineReader lines(text);
    while (const auto line = lines.next()) {
        const int n = lines.lineNumber();
        const auto posto = parseInteger(columns(*line, 1, 3));
        if (!posto || *posto < 1 || *posto > numPostos)
            return ConvResult::warning(lineError(path, n, "Código de posto inválido."));
        const auto year = parseInteger(columns(*line, 5, 8));
        if (!year)
            return ConvResult::warning(lineError(path, n, "Campo ano inválido."));
        if (*year < kFirstYear || *year > kLastYear)
            return ConvResult::warning(
                lineError(path, n, "Campo ano (" + decimal(*year) + ") inválido."));
        // The largest year, not the last line's: an earlier line's later years stay.
        if (*year > largestYear)
            largestYear = *year;
        std::int32_t months[12];
        if (const auto error = readMonthlyInflows(*line, 9, path, n, months))
            return ConvResult::warning(*error);
        for (int m = 1; m <= 12; ++m)
            tab.at(*posto, *year - kFirstYear + 1, m) = months[m - 1];
    }

    const int years = largestYear == 0 ? 0 : largestYear - kFirstYear + 1;
    std::string out;
    out.reserve(std::size_t(years) * 12 * std::size_t(numPostos) * 4);
    for (int y = 1; y <= years; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int s = 1; s <= numPostos; ++s)
                appendInt32LE(out, tab.at(s, y, m));
    return ConvResult::success(std::move(out));
}

ConvResult vazoesBinToText(std::string_view binary, int numPostos, TabVazoes& tab,
                           std::string_view path) {
    tab.clear();
    const std::size_t blockBytes = std::size_t(12) * std::size_t(numPostos) * 4;
    if (binary.size() % blockBytes != 0)
        return ConvResult::platformError(kReadBeyondEnd);
    const std::size_t years = binary.size() / blockBytes;
    if (years > std::size_t(kMaxYears))
        return ConvResult::warning("Arquivo \"" + std::string(path) +
                                   "\" tem mais de 200 anos de vazões.");

    const char* p = binary.data();
    for (int y = 1; y <= int(years); ++y)
        for (int m = 1; m <= 12; ++m)
            for (int s = 1; s <= numPostos; ++s, p += 4)
                tab.at(s, y, m) = readInt32LE(p);

    std::string out;
    out.reserve(std::size_t(numPostos) * years * 82);
    for (int s = 1; s <= numPostos; ++s) {
        const std::int32_t* values = tab.station(s);
        bool used = false;
        for (std::size_t i = 0; i < years * 12 && !used; ++i)
            used = values[i] != 0;
        if (!used)
            continue;
        for (int y = 1; y <= int(years); ++y) {
            appendRightJustified(out, s, 3);
            out += ' ';
            appendDecimal(out, kFirstYear - 1 + y);
            for (int m = 1; m <= 12; ++m) {
                const std::int32_t v = values[(y - 1) * 12 + (m - 1)];
                // Single-character values get a leading zero: 0 is "    00".
                if (v >= 0 && v <= 9) {
                    out += "    0";
                    out += char('0' + v);
                } else if (!appendRightJustified(out, v, 6)) {
                    return ConvResult::warning("Valor " + decimal(v) + " do posto " + decimal(s) +
                                               ", ano " + decimal(kFirstYear - 1 + y) + ", mês " +
                                               decimal(m) + " não cabe no arquivo texto.");
                }
            }
            out += "\r\n";
        }
    }
    return ConvResult::success(std::move(out));
}

} // namespace Torvane

#include "inflows/Vazoes.h"

#include "inflows/Text.h"

#include <array>
#include <bit>
#include <cstring>
#include <vector>

namespace Torvane {

namespace {

constexpr std::size_t kLineColumns = 80;

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// The eight decimal digits of v < 10^8 as the bytes of a word, the first digit lowest: both
// halves of four digits at once, split in hundreds, then in tens (multiplications for divisions).
constexpr std::uint64_t eightDigits(std::uint32_t v) {
    const std::uint64_t merged = std::uint64_t(v / 10000) | (std::uint64_t(v % 10000) << 32);
    const std::uint64_t hundreds = ((merged * 10486) >> 20) & ((0x7FULL << 32) | 0x7F);
    const std::uint64_t pairs = ((merged - 100 * hundreds) << 16) + hundreds;
    std::uint64_t tens = ((pairs * 103) >> 10) & 0x000F000F000F000F;
    tens += (pairs - 10 * tens) << 8;
    return tens + 0x3030303030303030;
}

void putBytes(char* p, std::uint64_t word, int count) {
    for (int i = 0; i < count; ++i, word >>= 8)
        p[i] = char(word & 0xFF);
}

// 0..999999 right-justified in six columns, at least two digits ("    07").
void putField6(char* p, std::uint32_t v) {
    std::uint64_t word = eightDigits(v) >> 16;
    const unsigned blanks =
        unsigned(v < 100000) + unsigned(v < 10000) + unsigned(v < 1000) + unsigned(v < 100);
    const std::uint64_t lead = (std::uint64_t(1) << (8 * blanks)) - 1;
    word = (word & ~lead) | (0x202020202020 & lead);
    if constexpr (std::endian::native == std::endian::little) {
        // Two stores from registers: a 6-byte copy of a word on the stack stalls on reload.
        const auto low = std::uint32_t(word);
        const auto high = std::uint16_t(word >> 32);
        std::memcpy(p, &low, 4);
        std::memcpy(p + 4, &high, 2);
    } else {
        putBytes(p, word, 6);
    }
}

struct Line {
    int posto;
    int year;
    std::int32_t months[12];
};

// One line as the columns give it, or its message: the checks in their order.
std::optional<std::string> readLine(std::string_view line, int numPostos, std::string_view path,
                                    int n, Line& out) {
    const auto posto = parseField(line, 1, 3);
    if (!posto || *posto < 1 || *posto > numPostos)
        return lineError(path, n, "Código de posto inválido.");
    const auto year = parseField(line, 5, 8);
    if (!year)
        return lineError(path, n, "Campo ano inválido.");
    if (*year < kFirstYear || *year > kLastYear)
        return lineError(path, n, "Campo ano (" + decimal(*year) + ") inválido.");
    out.posto = *posto;
    out.year = *year;
    return readMonthlyInflows(line, 9, path, n, out.months);
}

// The usual line, exactly 80 columns read in place, its values stored at cell (its station in
// January of its year) and every month after; false sends the line to readLine, which finds its
// end and tells what is wrong or stores it whole (over what was stored here). A field that
// parses holds no line end and column 4 is looked at, so true means the line is the 80 columns.
bool readFullLine(const char* p, int numPostos, char* out, std::size_t yearValues, Line& line) {
    if (isLineEnd(p[3]) || !parseShortField(p, 3, line.posto) || line.posto < 1 ||
        line.posto > numPostos || !parseShortField(p + 4, 4, line.year) || line.year < kFirstYear ||
        line.year > kLastYear)
        return false;
    const std::size_t stride = std::size_t(numPostos) * 4;
    char* cell =
        out + (std::size_t(line.year - kFirstYear) * yearValues + std::size_t(line.posto - 1)) * 4;
    for (int m = 0; m < 12; ++m, cell += stride) {
        std::uint32_t v;
        if (!readSixDigitField(p + 8 + 6 * m, v))
            return false;
        storeInt32LE(cell, std::int32_t(v));
    }
    return true;
}

} // namespace

ConvResult vazoesTextToBin(std::string_view text, int numPostos, std::string_view path) {
    text = textContent(text);
    // Values go straight to their place in the binary (year, month, station); a station-year
    // that no line gives is zeroed at the end, so every byte is written once.
    const std::size_t yearValues = std::size_t(12) * std::size_t(numPostos);
    ByteBuffer out = ByteBuffer::uninitialized(std::size_t(kMaxYears) * yearValues * 4);
    std::vector<bool> given(std::size_t(kMaxYears) * std::size_t(numPostos));
    int largestYear = 0;

    const char* p = text.data();
    const char* const end = p + text.size();
    int n = 0;
    Line line;
    while (p != end) {
        ++n;
        const std::size_t left = std::size_t(end - p);
        const char* next = nullptr;
        bool stored = false;
        if (left >= kLineColumns && (left == kLineColumns || isLineEnd(p[kLineColumns])) &&
            readFullLine(p, numPostos, out.data(), yearValues, line)) {
            next = p + kLineColumns;
            stored = true;
        } else {
            next = p;
            while (next != end && !isLineEnd(*next))
                ++next;
            if (auto error =
                    readLine(std::string_view(p, std::size_t(next - p)), numPostos, path, n, line))
                return ConvResult::warning(std::move(*error));
        }
        if (next != end)
            next += (*next == '\r' && next + 1 != end && next[1] == '\n') ? 2 : 1;
        p = next;

        // The largest year, not the last line's: an earlier line's later years stay.
        if (line.year > largestYear)
            largestYear = line.year;
        const std::size_t y = std::size_t(line.year - kFirstYear);
        const std::size_t s = std::size_t(line.posto - 1);
        given[y * std::size_t(numPostos) + s] = true;
        if (stored)
            continue;
        char* cell = out.data() + (y * yearValues + s) * 4;
        for (int m = 0; m < 12; ++m, cell += std::size_t(numPostos) * 4)
            storeInt32LE(cell, line.months[m]);
    }

    const std::size_t years = largestYear == 0 ? 0 : std::size_t(largestYear - kFirstYear + 1);
    for (std::size_t y = 0; y < years; ++y)
        for (std::size_t s = 0; s < std::size_t(numPostos); ++s) {
            if (given[y * std::size_t(numPostos) + s])
                continue;
            char* cell = out.data() + (y * yearValues + s) * 4;
            for (int m = 0; m < 12; ++m, cell += std::size_t(numPostos) * 4)
                storeInt32LE(cell, 0);
        }
    out.shrink(years * yearValues * 4);
    return ConvResult::success(std::move(out));
}

std::size_t vazoesYearBlockBytes(int numPostos) {
    return std::size_t(12) * std::size_t(numPostos) * 4;
}

std::optional<Failure> checkVazoesBinary(std::string_view binary, int numPostos,
                                         std::string_view path) {
    return checkVazoesBinarySize(binary.size(), numPostos, path);
}

std::optional<Failure> checkVazoesBinarySize(std::uint64_t size, int numPostos,
                                             std::string_view path) {
    const std::size_t blockBytes = vazoesYearBlockBytes(numPostos);
    if (size % blockBytes != 0) {
        const int other = otherHorizon(numPostos);
        std::string hint;
        if (other != 0 && size % vazoesYearBlockBytes(other) == 0)
            hint = "O tamanho serve ao horizonte de " + decimal(other) + " postos (" +
                   decimal(std::int64_t(size / vazoesYearBlockBytes(other))) + " anos).";
        return Failure{FailureKind::PlatformError,
                       partialBinaryError(path, size,
                                          "um número inteiro de anos de " +
                                              decimal(std::int64_t(blockBytes)) + " bytes (" +
                                              decimal(numPostos) + " postos)",
                                          hint)};
    }
    if (size / blockBytes > std::size_t(kMaxYears))
        return Failure{FailureKind::Warning,
                       "Arquivo \"" + std::string(path) + "\" tem mais de 200 anos de vazões."};
    return std::nullopt;
}

std::optional<std::string> vazoesHorizonWarning(std::size_t binarySize, int numPostos,
                                                int thisYear, std::string_view path) {
    const std::size_t blockBytes = vazoesYearBlockBytes(numPostos);
    const int other = otherHorizon(numPostos);
    if (binarySize == 0 || binarySize % blockBytes != 0 || other == 0 ||
        binarySize % vazoesYearBlockBytes(other) != 0)
        return std::nullopt;
    const auto lastYear = std::int64_t(kFirstYear) + std::int64_t(binarySize / blockBytes) - 1;
    if (lastYear <= std::int64_t(thisYear) + 1)
        return std::nullopt;
    const auto otherLast =
        std::int64_t(kFirstYear) + std::int64_t(binarySize / vazoesYearBlockBytes(other)) - 1;
    return "Aviso: o arquivo \"" + std::string(path) + "\" lido com " + decimal(numPostos) +
           " postos traz vazões até " + decimal(lastYear) +
           "; o horizonte pode estar errado (com " + decimal(other) + " postos iria até " +
           decimal(otherLast) + ").";
}

ConvResult vazoesBinToText(std::string_view binary, int numPostos, std::string_view path) {
    if (auto failure = checkVazoesBinary(binary, numPostos, path))
        return {{}, std::move(failure)};
    const std::size_t stations = std::size_t(numPostos);
    const std::size_t years = binary.size() / (std::size_t(12) * stations * 4);

    // A station with any value not 0 is written, every year of it; the others are left out.
    // (Most stations show a value in their first month: the search stops there.)
    const char* values = binary.data();
    std::vector<char> used(stations, 0);
    std::size_t usedCount = 0;
    for (std::size_t s = 0; s < stations; ++s) {
        for (std::size_t row = 0; row < years * 12 && !used[s]; ++row)
            used[s] = readInt32LE(values + (row * stations + s) * 4) != 0;
        usedCount += std::size_t(used[s]);
    }

    constexpr std::size_t kLineBytes = kLineColumns + 2;
    ByteBuffer out = ByteBuffer::uninitialized(usedCount * years * kLineBytes);
    char* w = out.data();
    for (std::size_t s = 0; s < stations; ++s) {
        if (!used[s])
            continue;
        const auto posto = std::uint32_t(s + 1);
        // "  7 ", " 42 ", "600 ": the station right-justified in three columns and a blank.
        std::uint64_t prefix = (eightDigits(posto) >> 40) | std::uint64_t(' ') << 24;
        const unsigned blanks = unsigned(posto < 100) + unsigned(posto < 10);
        const std::uint64_t lead = (std::uint64_t(1) << (8 * blanks)) - 1;
        prefix = (prefix & ~lead) | (0x2020 & lead);
        for (std::size_t y = 0; y < years; ++y) {
            const auto year = std::uint32_t(kFirstYear) + std::uint32_t(y);
            const std::uint64_t head = prefix | (eightDigits(year) >> 32) << 32;
            if constexpr (std::endian::native == std::endian::little)
                std::memcpy(w, &head, 8);
            else
                putBytes(w, head, 8);
            w += 8;
            for (std::size_t m = 0; m < 12; ++m, w += 6) {
                const std::int32_t v = readInt32LE(values + ((y * 12 + m) * stations + s) * 4);
                if (v >= 0 && v <= 999999) {
                    putField6(w, std::uint32_t(v));
                    continue;
                }
                // The text takes no negative value back: refused as one too wide is.
                if (v < 0)
                    return ConvResult::warning("Valor " + decimal(v) + " do posto " +
                                               decimal(posto) + ", ano " + decimal(year) +
                                               ", mês " + decimal(std::int64_t(m + 1)) +
                                               " negativo não cabe no arquivo texto.");
                std::string field;
                if (!appendRightJustified(field, v, 6))
                    return ConvResult::warning("Valor " + decimal(v) + " do posto " +
                                               decimal(posto) + ", ano " + decimal(year) +
                                               ", mês " + decimal(std::int64_t(m + 1)) +
                                               " não cabe no arquivo texto.");
                field.copy(w, 6);
            }
            w[0] = '\r';
            w[1] = '\n';
            w += 2;
        }
    }
    return ConvResult::success(std::move(out));
}

} // namespace Torvane

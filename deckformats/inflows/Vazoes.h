#pragma once
// VAZOES: monthly inflows per station and year, 1931 to 2130. The binary is year blocks of
// 12 x numPostos little-endian 32-bit values (month-major, then station), no header; the text
// is one 80-column line per station and year.

#include "inflows/Result.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Torvane {

inline constexpr int kMaxPostos = 600;
inline constexpr int kFirstYear = 1931;
inline constexpr int kLastYear = 2130;
inline constexpr int kMaxYears = kLastYear - kFirstYear + 1;

// Text to binary: one line per station and year; the binary holds every year up to the largest
// one given, and a station-year no line gives is zero. Binary to text: every station with a value
// that is not 0, every year of it.
ConvResult vazoesTextToBin(std::string_view text, int numPostos, std::string_view pathForMessages);
ConvResult vazoesBinToText(std::string_view binary, int numPostos,
                           std::string_view pathForMessages);

// What a VAZOES binary must be before it is read: whole year blocks, at most 200 of them.
std::optional<Failure> checkVazoesBinary(std::string_view binary, int numPostos,
                                         std::string_view pathForMessages);

std::optional<Failure> checkVazoesBinarySize(std::uint64_t size, int numPostos,
                                             std::string_view pathForMessages);

// Bytes of one year block: 12 x numPostos values.
std::size_t vazoesYearBlockBytes(int numPostos);

// A binary of binarySize bytes that fits both horizons and, read under numPostos, holds years
// past thisYear + 1: the warning that the horizon may be wrong (the conversion still runs).
std::optional<std::string> vazoesHorizonWarning(std::size_t binarySize, int numPostos,
                                                int thisYear, std::string_view pathForMessages);

// The whole history in one flat block (600 x 200 x 12 values). The conversions above no longer
// need it; it stays for callers written against the table, whose overloads below ignore it.
class TabVazoes {
public:
    TabVazoes() : m_values(std::size_t(kMaxPostos) * kMaxYears * 12, 0) {}
    void clear() { std::memset(m_values.data(), 0, m_values.size() * sizeof(std::int32_t)); }
    // posto 1..600, year index 1..200 (1931 is 1), month 1..12
    std::int32_t& at(int posto, int year, int month) {
        return m_values[(std::size_t(posto - 1) * kMaxYears + std::size_t(year - 1)) * 12 +
                        std::size_t(month - 1)];
    }

private:
    std::vector<std::int32_t> m_values;
};

inline ConvResult vazoesTextToBin(std::string_view text, int numPostos, TabVazoes&,
                                  std::string_view pathForMessages) {
    return vazoesTextToBin(text, numPostos, pathForMessages);
}
inline ConvResult vazoesBinToText(std::string_view binary, int numPostos, TabVazoes&,
                                  std::string_view pathForMessages) {
    return vazoesBinToText(binary, numPostos, pathForMessages);
}

} // namespace Torvane

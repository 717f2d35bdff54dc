#pragma once
// MLT: twelve monthly values per station. The binary is one block of 12 x numPostos
// little-endian 32-bit values (month-major, then station); the text one 76-column line per
// station.

#include "inflows/Result.h"
#include "inflows/Vazoes.h"

#include <array>
#include <string_view>

namespace Torvane {

class TabMlt {
public:
    // Rows 1..numPostos back to zero.
    void clear(int numPostos) { std::fill(m_values.begin(), m_values.begin() + numPostos * 12, 0); }
    std::int32_t& at(int posto, int month) {
        return m_values[std::size_t((posto - 1) * 12 + month - 1)];
    }

private:
    std::array<std::int32_t, std::size_t(kMaxPostos) * 12> m_values{};
};

ConvResult mltTextToBin(std::string_view text, int numPostos, TabMlt& tab,
                        std::string_view pathForMessages);
ConvResult mltBinToText(std::string_view binary, int numPostos, TabMlt& tab,
                        std::string_view pathForMessages);

// What an MLT binary must be before it is read: one whole block, or nothing.
std::optional<Failure> checkMltBinary(std::string_view binary, int numPostos,
                                      std::string_view pathForMessages);
std::optional<Failure> checkMltBinarySize(std::uint64_t size, int numPostos,
                                          std::string_view pathForMessages);

} // namespace Torvane

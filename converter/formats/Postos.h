#pragma once
// POSTOS: the station list. Binary record k (20 bytes) is station k: 12 name bytes, then two
// little-endian 32-bit numbers. The text lists the used stations, one per line.

#include "formats/Result.h"

#include <string_view>

namespace Torvane {

inline constexpr int kPostoRecordSize = 20;
inline constexpr int kPostoNameSize = 12;

// Lines in increasing station order; gaps and the rest up to numPostos become blank records.
// A station above numPostos keeps its own position (and no padding follows it).
ConvResult postosTextToBin(std::string_view text, int numPostos, std::string_view pathForMessages);

// One line per record whose first number is not 0, every record of the file.
ConvResult postosBinToText(std::string_view binary);

} // namespace Torvane

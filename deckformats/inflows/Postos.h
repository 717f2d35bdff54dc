#pragma once
// POSTOS: the station list. Binary record k (20 bytes) is station k: 12 name bytes, then two
// little-endian 32-bit numbers. The text lists the used stations, one per line.

#include "inflows/Result.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace Torvane {

inline constexpr int kPostoRecordSize = 20;
inline constexpr int kPostoNameSize = 12;

// Lines in increasing station order; gaps and the rest up to numPostos become blank records.
// A station above numPostos keeps its own position (and no padding follows it).
ConvResult postosTextToBin(std::string_view text, int numPostos, std::string_view pathForMessages);

// One line per record whose first number is not 0, every record of the file. A record whose
// line would not read back (a number of other than 4 characters, a line end in the name) fails.
ConvResult postosBinToText(std::string_view binary, std::string_view pathForMessages);

// What a POSTOS binary must be before it is read: whole 20-byte records.
std::optional<Failure> checkPostosBinary(std::string_view binary,
                                         std::string_view pathForMessages);
std::optional<Failure> checkPostosBinarySize(std::uint64_t size, std::string_view pathForMessages);

} // namespace Torvane

#pragma once
// The two auxiliary conversions: an ENERGIAF binary (24000-byte records of 3000 little-endian
// doubles, one record per stage) printed as text, and an ENERGIA text filtered down to its
// natural-inflow-energy table.

#include "inflows/Result.h"

#include <string>
#include <string_view>

namespace Torvane {

inline constexpr int kEnergiafRecordSize = 24000;

// One number of the listing: a single rounding of the exact value at the coarser of the 8th
// significant digit and the second decimal (ties away from zero), written with two decimals
// and decimalSeparator; past 8 integer digits the exponent form; "NAN", "INF", "-INF".
std::string energiafNumber(double value, std::string_view decimalSeparator);

// Nine lines per record: the stage header, then "Subsistema k" and its 200 values for the
// first four subsystems, each value right-aligned in 9 characters and a blank.
ConvResult energiafToText(std::string_view binary, std::string_view decimalSeparator);

// A number in columns 4 to 7 of an ENERGIA line: blanks around it, a sign, the separator and
// an exponent allowed, a digit required.
bool energiaNumber(std::string_view field, std::string_view decimalSeparator, double& value);

// The header line, then every data line (a number >= 0 in columns 4 to 7) behind its
// subsystem code, until the end or the first "EARM".
ConvResult energiaFilter(std::string_view text, std::string_view decimalSeparator);

} // namespace Torvane

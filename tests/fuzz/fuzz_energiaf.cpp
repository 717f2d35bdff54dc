// ENERGIAF binaries of any bytes: a length that is not whole records gives no listing; whole
// records give nine lines each, the stage header and the four subsystem titles exactly, and
// 200 fields per value line, each a number right-aligned in nine characters (wider ones whole)
// and a blank, that reads back within the rounding the listing promises.
#include "ConverterFuzz.h"
#include "inflows/Energia.h"
#include "inflows/Text.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

using namespace Torvane;

double valueAt(std::string_view record, std::size_t i) {
    std::uint64_t u = 0;
    for (int b = 7; b >= 0; --b)
        u = (u << 8) | static_cast<unsigned char>(record[i * 8 + std::size_t(b)]);
    double d;
    std::memcpy(&d, &u, sizeof d);
    return d;
}

bool digitsAt(const std::string& s, std::size_t at, std::size_t count) {
    if (at + count > s.size())
        return false;
    for (std::size_t i = at; i < at + count; ++i)
        if (s[i] < '0' || s[i] > '9')
            return false;
    return true;
}

// -?(0|[1-9][0-9]{0,7}) separator [0-9]{2}
bool fixedForm(const std::string& t, char separator) {
    const std::size_t start = t.size() > 0 && t[0] == '-' ? 1 : 0;
    const std::size_t sep = t.find(separator, start);
    if (sep == std::string::npos || sep == start || sep - start > 8 || sep + 3 != t.size())
        return false;
    if (!digitsAt(t, start, sep - start) || !digitsAt(t, sep + 1, 2))
        return false;
    return t[start] != '0' || sep - start == 1;
}

// -?[1-9] separator [0-9]{7} E+ [0-9]{2,3}
bool exponentForm(const std::string& t, char separator) {
    const std::size_t start = t.size() > 0 && t[0] == '-' ? 1 : 0;
    if (t.size() < start + 13 || t.size() > start + 14)
        return false;
    return t[start] >= '1' && t[start] <= '9' && t[start + 1] == separator &&
           digitsAt(t, start + 2, 7) && t.compare(start + 9, 2, "E+") == 0 &&
           digitsAt(t, start + 11, t.size() - start - 11);
}

void checkNumber(const std::string& token, double v, char separator) {
    if (std::isnan(v)) {
        FUZZ_CHECK(token == "NAN");
        return;
    }
    if (std::isinf(v)) {
        FUZZ_CHECK(token == (v < 0 ? "-INF" : "INF"));
        return;
    }
    const bool fixed = fixedForm(token, separator);
    const bool exponent = exponentForm(token, separator);
    FUZZ_CHECK(fixed || exponent);
    std::string c = token;
    std::replace(c.begin(), c.end(), separator, '.');
    const double read = std::strtod(c.c_str(), nullptr);
    const double a = std::fabs(v);
    FUZZ_CHECK(fixed ? a < 99999999.5 * (1 + 1e-15) : a >= 99999999.5 * (1 - 1e-15));
    // Two decimals, or eight significant digits where that is coarser.
    const double tolerance = std::max(0.005, a * 6e-8) * (1 + 1e-9) + 1e-12;
    FUZZ_CHECK(std::fabs(read - v) <= tolerance);
    if (v > 0 && read != 0)
        FUZZ_CHECK(token[0] != '-');
    if (v < 0 && read != 0)
        FUZZ_CHECK(token[0] == '-');
}

void checkValueLine(std::string_view line, std::string_view record, int sub, char separator) {
    std::size_t at = 0;
    for (int i = 0; i < 200; ++i) {
        const std::size_t start = at;
        while (at < line.size() && line[at] == ' ')
            ++at;
        const std::size_t tokenStart = at;
        while (at < line.size() && line[at] != ' ')
            ++at;
        const std::string token(line.substr(tokenStart, at - tokenStart));
        FUZZ_CHECK(!token.empty());
        FUZZ_CHECK(tokenStart - start == (token.size() < 9 ? 9 - token.size() : 0));
        FUZZ_CHECK(at < line.size() && line[at] == ' ');
        ++at;
        checkNumber(token, valueAt(record, std::size_t(sub * 200 + i)), separator);
    }
    FUZZ_CHECK(at == line.size());
}

void check(std::string_view binary, char separator) {
    const ConvResult text = energiafToText(binary, std::string_view(&separator, 1));
    FUZZ_FAILURE_EMPTY(text);
    if (binary.size() % kEnergiafRecordSize != 0) {
        FUZZ_CHECK(!text.ok());
        return;
    }
    FUZZ_CHECK(text.ok());
    const std::string_view out = text.output;
    std::size_t at = 0;
    const auto nextLine = [&]() {
        const std::size_t end = out.find("\r\n", at);
        FUZZ_CHECK(end != std::string_view::npos);
        const std::string_view line = out.substr(at, end - at);
        at = end + 2;
        return line;
    };
    const std::size_t stages = binary.size() / kEnergiafRecordSize;
    for (std::size_t n = 1; n <= stages; ++n) {
        const std::string_view record = binary.substr((n - 1) * kEnergiafRecordSize);
        FUZZ_CHECK(nextLine() ==
                   "############    Est\xE1gio " + decimal(std::int64_t(n)) + " ############");
        for (int sub = 0; sub < 4; ++sub) {
            FUZZ_CHECK(nextLine() == "Subsistema " + decimal(sub + 1));
            checkValueLine(nextLine(), record, sub, separator);
        }
    }
    FUZZ_CHECK(at == out.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const char separator = (data[0] & 1) ? ',' : '.';
    const int mode = (data[0] >> 1) % 3;
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    fuzz::Bytes in(data + 1, size - 1);
    if (mode == 0) {
        check(rest, separator);
        return 0;
    }
    // Whole records: the printed values from the input, as raw doubles or as decimal
    // fractions (where the rounding ties lie).
    const std::size_t records = in.range(1, 2);
    std::string bin(records * kEnergiafRecordSize, '\0');
    for (std::size_t r = 0; r < records && !in.empty(); ++r)
        for (std::size_t i = 0; i < 800 && !in.empty(); ++i) {
            double d;
            if (mode == 1) {
                const std::uint64_t u = std::uint64_t(in.u32()) | std::uint64_t(in.u32()) << 32;
                std::memcpy(&d, &u, sizeof d);
            } else {
                const auto mantissa = std::int64_t(in.u32()) - std::int64_t(in.byte() << 24);
                d = double(mantissa) / std::pow(10.0, double(in.range(0, 9)));
            }
            std::uint64_t u;
            std::memcpy(&u, &d, sizeof u);
            for (int b = 0; b < 8; ++b)
                bin[r * kEnergiafRecordSize + i * 8 + std::size_t(b)] = char(u >> (8 * b));
        }
    check(bin, separator);
    return 0;
}

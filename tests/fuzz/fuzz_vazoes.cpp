// VAZOES text and binary of any bytes, under both horizons (first byte), all through the one
// table a program keeps. A failed conversion gives nothing to write; a binary comes out as
// whole year blocks; a binary whose values lie in 0..999999, not all zero, comes back byte for
// byte through the text (all zero: an empty text and an empty binary), and so does the binary
// of any text that converts.
#include "ConverterFuzz.h"
#include "inflows/Text.h"
#include "inflows/Vazoes.h"

namespace {

using namespace Torvane;

TabVazoes& table() {
    static TabVazoes tab;
    return tab;
}

std::size_t blockBytes(int numPostos) {
    return std::size_t(12) * std::size_t(numPostos) * 4;
}

std::string numberIn(std::int64_t v, std::size_t width) {
    std::string s = decimal(v);
    return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

void checkTextShape(std::string_view text) {
    // 80 columns and CR LF per line.
    FUZZ_CHECK(text.size() % 82 == 0);
    for (std::size_t at = 0; at < text.size(); at += 82)
        FUZZ_CHECK(text.substr(at + 80, 2) == "\r\n");
}

void checkBinary(std::string_view binary, int numPostos) {
    const ConvResult text = vazoesBinToText(binary, numPostos, table(), "fuzz");
    FUZZ_FAILURE_EMPTY(text);
    if (binary.size() % blockBytes(numPostos) != 0) {
        FUZZ_CHECK(!text.ok());
        return;
    }
    bool inRange = binary.size() / blockBytes(numPostos) <= std::size_t(kMaxYears);
    bool allZero = true;
    for (std::size_t at = 0; at < binary.size(); at += 4) {
        const std::int32_t v = readInt32LE(binary.data() + at);
        inRange = inRange && v >= 0 && v <= 999999;
        allZero = allZero && v == 0;
    }
    if (inRange)
        FUZZ_CHECK(text.ok());
    if (!text.ok())
        return;
    checkTextShape(text.output);
    const ConvResult back = vazoesTextToBin(text.output, numPostos, table(), "fuzz");
    FUZZ_FAILURE_EMPTY(back);
    if (inRange)
        FUZZ_CHECK(back.ok());
    if (!back.ok())
        return;
    if (allZero) {
        FUZZ_CHECK(text.output.empty());
        FUZZ_CHECK(back.output.empty());
    } else {
        FUZZ_CHECK(back.output == binary);
    }
}

void checkText(std::string_view text, int numPostos) {
    const ConvResult bin = vazoesTextToBin(text, numPostos, table(), "fuzz");
    FUZZ_FAILURE_EMPTY(bin);
    if (!bin.ok())
        return;
    FUZZ_CHECK(bin.output.size() % blockBytes(numPostos) == 0);
    FUZZ_CHECK(bin.output.size() / blockBytes(numPostos) <= std::size_t(kMaxYears));
    // Every value came from six columns and is not negative: the text form holds them all.
    checkBinary(bin.output, numPostos);
}

// Lines of valid stations, years (mostly the first few) and values 0..999999.
std::string shapedText(fuzz::Bytes& in, int numPostos) {
    std::string text;
    // Late years make large binaries: now and then only, to keep the runs quick.
    const bool lateYears = (in.byte() & 7) == 0;
    for (int lines = 0; !in.empty() && lines < 400; ++lines) {
        const std::uint8_t how = in.byte();
        const std::int64_t station = in.range(1, numPostos);
        const std::int64_t year = (lateYears && (how & 0x80))
                                      ? in.range(kFirstYear, kLastYear)
                                      : in.range(kFirstYear, kFirstYear + 7);
        text += numberIn(station, 3) + ' ' + decimal(year);
        for (int m = 1; m <= 12; ++m) {
            const std::int64_t v = (how & 0x40) ? in.range(0, 999999) : in.range(0, 12);
            std::string field = numberIn(v, 6);
            if (how & 0x20) // leading zeros and a plus sign read as well
                field = std::string(6 - decimal(v).size(), '0') + decimal(v);
            else if ((how & 0x04) && v < 10000)
                field = "     +" + decimal(v);
            field = field.substr(field.size() - 6);
            text += field;
        }
        if (how & 0x10)
            text += "  comment past column 80";
        text += (how & 0x08) ? "\n" : "\r\n";
    }
    return text;
}

// Whole year blocks built from the input bytes repeated.
std::string tiledBinary(std::string_view rest, fuzz::Bytes& in, int numPostos) {
    const std::size_t years = in.range(0, 3);
    std::string bin(years * blockBytes(numPostos), '\0');
    if (rest.empty())
        return bin;
    for (std::size_t i = 0; i < bin.size(); ++i)
        bin[i] = rest[i % rest.size()];
    return bin;
}

// A few years of zeros with scattered values, mostly in 0..999999.
std::string sparseBinary(fuzz::Bytes& in, int numPostos) {
    const int years = int(in.range(1, 6));
    std::string bin(std::size_t(years) * blockBytes(numPostos), '\0');
    while (!in.empty()) {
        const std::uint8_t how = in.byte();
        const std::size_t s = std::size_t(in.range(1, numPostos));
        const std::size_t y = std::size_t(in.range(1, years));
        const std::size_t m = std::size_t(in.range(1, 12));
        const std::int64_t v = (how & 0xF0) == 0xF0 ? std::int32_t(in.u32())
                               : (how & 1)          ? in.range(0, 999999)
                                                    : in.range(0, 12);
        std::string rec;
        appendInt32LE(rec, std::int32_t(v));
        bin.replace(((y - 1) * 12 + (m - 1)) * std::size_t(numPostos) * 4 + (s - 1) * 4, 4, rec);
    }
    return bin;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const int numPostos = fuzz::horizonOf(data[0]);
    const int mode = (data[0] >> 1) % 5;
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    fuzz::Bytes in(data + 1, size - 1);
    switch (mode) {
    case 0:
        checkText(rest, numPostos);
        break;
    case 1:
        checkText(shapedText(in, numPostos), numPostos);
        break;
    case 2:
        checkBinary(rest, numPostos);
        break;
    case 3:
        checkBinary(tiledBinary(rest, in, numPostos), numPostos);
        break;
    default:
        checkBinary(sparseBinary(in, numPostos), numPostos);
        break;
    }
    return 0;
}

// MLT text and binary of any bytes, under both horizons (first byte), through the one table a
// program keeps. A failed conversion gives nothing to write; a text that converts gives exactly
// one block; a one-block binary with values in 0..999999 comes back byte for byte through the
// text (76 columns per station, every station), and so does the binary of any text.
#include "ConverterFuzz.h"
#include "inflows/Mlt.h"
#include "inflows/Text.h"

namespace {

using namespace Torvane;

TabMlt& table() {
    static TabMlt tab;
    return tab;
}

std::size_t blockBytes(int numPostos) {
    return std::size_t(12) * std::size_t(numPostos) * 4;
}

std::string numberIn(std::int64_t v, std::size_t width) {
    std::string s = decimal(v);
    return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

void checkBinary(std::string_view binary, int numPostos) {
    const ConvResult text = mltBinToText(binary, numPostos, table(), "fuzz");
    FUZZ_FAILURE_EMPTY(text);
    if (binary.size() % blockBytes(numPostos) != 0) {
        FUZZ_CHECK(!text.ok());
        return;
    }
    bool inRange = binary.size() <= blockBytes(numPostos);
    for (std::size_t at = 0; at < binary.size(); at += 4) {
        const std::int32_t v = readInt32LE(binary.data() + at);
        inRange = inRange && v >= 0 && v <= 999999;
    }
    if (inRange)
        FUZZ_CHECK(text.ok());
    if (!text.ok())
        return;
    FUZZ_CHECK(text.output.size() == std::size_t(numPostos) * 78);
    for (int s = 1; s <= numPostos; ++s) {
        const std::string_view line = std::string_view(text.output).substr((s - 1) * 78, 78);
        FUZZ_CHECK(line.substr(0, 4) == numberIn(s, 3) + ' ');
        FUZZ_CHECK(line.substr(76) == "\r\n");
    }
    const ConvResult back = mltTextToBin(text.output, numPostos, table(), "fuzz");
    FUZZ_FAILURE_EMPTY(back);
    if (inRange)
        FUZZ_CHECK(back.ok());
    if (!back.ok())
        return;
    if (binary.empty())
        FUZZ_CHECK(back.output == std::string(blockBytes(numPostos), '\0'));
    else
        FUZZ_CHECK(back.output == binary);
}

void checkText(std::string_view text, int numPostos) {
    const ConvResult bin = mltTextToBin(text, numPostos, table(), "fuzz");
    FUZZ_FAILURE_EMPTY(bin);
    if (!bin.ok())
        return;
    FUZZ_CHECK(bin.output.size() == blockBytes(numPostos));
    checkBinary(bin.output, numPostos);
}

std::string shapedText(fuzz::Bytes& in, int numPostos) {
    std::string text;
    for (int lines = 0; !in.empty() && lines < 700; ++lines) {
        const std::uint8_t how = in.byte();
        text += numberIn(in.range(1, numPostos), 3) + ((how & 2) ? '\t' : ' ');
        for (int m = 1; m <= 12; ++m) {
            const std::int64_t v = (how & 0x40) ? in.range(0, 999999) : in.range(0, 12);
            std::string field = (how & 0x20) ? std::string(6 - decimal(v).size(), '0') + decimal(v)
                                             : numberIn(v, 6);
            text += field;
        }
        if (how & 0x10)
            text += "  notes";
        text += (how & 0x08) ? "\n" : "\r\n";
    }
    return text;
}

std::string tiledBinary(std::string_view rest, fuzz::Bytes& in, int numPostos) {
    const std::size_t blocks = in.range(0, 2);
    std::string bin(blocks * blockBytes(numPostos), '\0');
    if (!rest.empty())
        for (std::size_t i = 0; i < bin.size(); ++i)
            bin[i] = rest[i % rest.size()];
    return bin;
}

std::string sparseBinary(fuzz::Bytes& in, int numPostos) {
    std::string bin(blockBytes(numPostos), '\0');
    while (!in.empty()) {
        const std::uint8_t how = in.byte();
        const std::size_t s = std::size_t(in.range(1, numPostos));
        const std::size_t m = std::size_t(in.range(1, 12));
        const std::int64_t v = (how & 0xF0) == 0xF0 ? std::int32_t(in.u32())
                               : (how & 1)          ? in.range(0, 999999)
                                                    : in.range(0, 12);
        std::string rec;
        appendInt32LE(rec, std::int32_t(v));
        bin.replace(((m - 1) * std::size_t(numPostos) + (s - 1)) * 4, 4, rec);
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

// POSTOS text and binary of any bytes, under both horizons (first byte). A failed conversion
// gives nothing to write; a text that converts gives whole records up to the horizon at least;
// a binary whose used records hold four-character numbers (and whose blank records are
// truly blank, and one at least is used) comes back byte for byte through the text, and so
// does such a binary made from a text.
#include "ConverterFuzz.h"
#include "inflows/Postos.h"
#include "inflows/Text.h"

namespace {

using namespace Torvane;

std::string numberIn4(std::int64_t v) {
    std::string s = decimal(v);
    return std::string(4 - s.size(), ' ') + s;
}

// True when the text form can hold every record of binary so that it reads back the same.
bool representable(std::string_view binary, int numPostos) {
    const std::size_t n = binary.size() / kPostoRecordSize;
    if (n < std::size_t(numPostos) || n > 9999)
        return false;
    // No used record gives an empty text, which reads as one empty line and fails.
    bool used = false;
    for (std::size_t k = 0; k < n; ++k) {
        const char* rec = binary.data() + k * kPostoRecordSize;
        const std::string_view name(rec, kPostoNameSize);
        const std::int32_t first = readInt32LE(rec + kPostoNameSize);
        const std::int32_t second = readInt32LE(rec + kPostoNameSize + 4);
        if (first == 0) {
            if (name.find_first_not_of(' ') != std::string_view::npos || second != 0)
                return false;
            // Padding only reaches the horizon: a record past it must be used.
            if (k + 1 == n && n > std::size_t(numPostos))
                return false;
            continue;
        }
        // Written unpadded, a number of other than four characters does not read back.
        if (decimal(first).size() != 4 || decimal(second).size() != 4)
            return false;
        if (name.find_first_of("\r\n") != std::string_view::npos)
            return false;
        used = true;
    }
    return used;
}

void checkBinary(std::string_view binary, int numPostos) {
    const ConvResult text = postosBinToText(binary, "fuzz");
    FUZZ_FAILURE_EMPTY(text);
    if (binary.size() % kPostoRecordSize != 0)
        FUZZ_CHECK(!text.ok());
    if (!representable(binary, numPostos))
        return;
    FUZZ_CHECK(text.ok());
    const ConvResult back = postosTextToBin(text.output, numPostos, "fuzz");
    FUZZ_CHECK(back.ok());
    FUZZ_CHECK(back.output == binary);
}

void checkText(std::string_view text, int numPostos) {
    const ConvResult bin = postosTextToBin(text, numPostos, "fuzz");
    FUZZ_FAILURE_EMPTY(bin);
    if (!bin.ok())
        return;
    FUZZ_CHECK(bin.output.size() % kPostoRecordSize == 0);
    FUZZ_CHECK(bin.output.size() >= std::size_t(numPostos) * kPostoRecordSize);
    // A number read from four columns may have fewer characters, which the text form refuses:
    // checkBinary tells which binaries must come back.
    checkBinary(bin.output, numPostos);
}

// Lines in increasing station order with four-character first numbers.
std::string shapedText(fuzz::Bytes& in, int numPostos) {
    std::string text;
    std::int64_t station = 0;
    while (!in.empty() && station < 9990) {
        const std::uint8_t step = in.byte();
        station += (step & 0x80) ? in.range(1, 700) : 1 + (step & 3);
        if (station > 9999)
            break;
        std::string name;
        for (int i = 0; i < kPostoNameSize; ++i) {
            const char c = char(in.byte());
            name += (c == '\n' || c == '\0') ? ' ' : c;
        }
        const std::int64_t first = (step & 0x40) ? in.range(-999, -100) : in.range(1000, 9999);
        const std::int64_t second = (step & 0x08) ? in.range(-999, -100) : in.range(1000, 9999);
        text +=
            numberIn4(station) + "  " + name + "  " + numberIn4(first) + "  " + numberIn4(second);
        if (step & 0x20)
            text += " trailing columns";
        text += (step & 0x10) ? "\n" : "\r\n";
    }
    (void)numPostos;
    return text;
}

// Records up to the horizon and a few past it; unused ones blank.
std::string shapedBinary(fuzz::Bytes& in, int numPostos) {
    const int n = numPostos + int(in.range(0, 3));
    std::string bin;
    for (int k = 1; k <= n; ++k) {
        const std::uint8_t flag = in.byte();
        if (!(flag & 1) && !(k == n && n > numPostos)) {
            bin.append(std::size_t(kPostoNameSize), ' ');
            appendInt32LE(bin, 0);
            appendInt32LE(bin, 0);
            continue;
        }
        for (int i = 0; i < kPostoNameSize; ++i) {
            const char c = char(in.byte());
            bin += c == '\n' ? ' ' : c;
        }
        appendInt32LE(bin, std::int32_t((flag & 2) ? in.range(-999, -100) : in.range(1000, 9999)));
        appendInt32LE(bin, std::int32_t((flag & 4) ? in.range(-999, -100) : in.range(1000, 9999)));
    }
    return bin;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const int numPostos = fuzz::horizonOf(data[0]);
    const int mode = (data[0] >> 1) & 3;
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
    default:
        checkBinary(shapedBinary(in, numPostos), numPostos);
        break;
    }
    return 0;
}

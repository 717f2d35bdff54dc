#pragma once
// Properties every reader of the deck's own files keeps on any bytes: a failure names a line of
// the file, and what reads names its lines in increasing order.
#include "ConverterFuzz.h"
#include "deck/DeckFiles.h"
#include "inflows/Text.h"

#include <algorithm>

namespace fuzz {

inline int lineCount(std::string_view bytes) {
    int n = 0;
    Torvane::LineReader lines(bytes);
    while (lines.next())
        ++n;
    return n;
}

template <typename T>
void checkDeckRead(const Deck::ReadResult<std::vector<T>>& r, std::string_view bytes) {
    const int lines = lineCount(bytes);
    if (!r.ok()) {
        FUZZ_CHECK(r.error.line >= 1 && r.error.line <= lines);
        return;
    }
    int last = 0;
    for (const T& item : *r.value) {
        FUZZ_CHECK(item.line > last && item.line <= lines);
        last = item.line;
    }
}

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace fuzz

// caso.dat and the deck's file index of any bytes: labels fit their columns, names are trimmed.
#include "DeckFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::asText(data, size);
    const std::string caso = Deck::readCaso(bytes);
    FUZZ_CHECK(caso.empty() || (caso.front() != ' ' && caso.back() != ' '));
    for (const Deck::IndexEntry& e : Deck::readDeckIndex(bytes)) {
        FUZZ_CHECK(e.label.size() <= 28);
        FUZZ_CHECK(e.label.empty() || e.label.back() != ' ');
        FUZZ_CHECK(Deck::indexedFile(Deck::readDeckIndex(bytes), e.label).size() <= size);
    }
    return 0;
}

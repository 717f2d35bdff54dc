// MODIF of any bytes.
#include "DeckFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::asText(data, size);
    fuzz::checkDeckRead(Deck::readModif(bytes), bytes);
    return 0;
}

// CONFHD of any bytes.
#include "DeckFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::asText(data, size);
    const auto r = Deck::readConfhd(bytes);
    fuzz::checkDeckRead(r, bytes);
    if (r.ok())
        for (const Deck::ConfhdPlant& p : *r.value)
            FUZZ_CHECK(p.name.size() <= 12 && p.status.size() <= 2);
    return 0;
}

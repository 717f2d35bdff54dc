// EXPH of any bytes: a machine belongs to its block's lines.
#include "DeckFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::asText(data, size);
    const auto r = Deck::readExph(bytes);
    fuzz::checkDeckRead(r, bytes);
    if (r.ok())
        for (const Deck::ExphPlant& p : *r.value)
            for (const Deck::ExphMachine& m : p.machines) {
                FUZZ_CHECK(m.line >= p.line);
                FUZZ_CHECK(m.entry.month >= 1 && m.entry.month <= 12);
            }
    return 0;
}

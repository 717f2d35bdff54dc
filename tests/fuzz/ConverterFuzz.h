#pragma once
// Pieces the converter's fuzz targets share: the horizon from the first byte, a reader of the
// remaining bytes that never runs dry, and a check that names what broke before aborting.

#include "inflows/Result.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

inline int horizonOf(std::uint8_t first) {
    return (first & 1) ? 600 : 320;
}

[[noreturn]] inline void fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, what);
    std::abort();
}

// A failed conversion hands back no bytes to write.
inline void checkFailureEmpty(const Torvane::ConvResult& r, const char* file, int line) {
    if (!r.ok() && !r.output.empty())
        fail("failed conversion with output", file, line);
    if (!r.ok() && r.failure->message.empty())
        fail("failure without message", file, line);
}

// Consumes input bytes; once they run out it yields zeros, so every shape can be built.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool empty() const { return m_pos >= m_size; }
    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::uint32_t u16() { return std::uint32_t(byte()) | std::uint32_t(byte()) << 8; }
    std::uint32_t u32() { return u16() | u16() << 16; }
    // A value in lo..hi (inclusive), from as few bytes as the range needs.
    std::int64_t range(std::int64_t lo, std::int64_t hi) {
        const auto span = std::uint64_t(hi - lo) + 1;
        const std::uint64_t raw = span <= 256 ? byte() : span <= 65536 ? u16() : u32();
        return lo + std::int64_t(raw % span);
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

} // namespace fuzz

#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond))                                                                               \
            ::fuzz::fail(#cond, __FILE__, __LINE__);                                               \
    } while (0)
#define FUZZ_FAILURE_EMPTY(r) ::fuzz::checkFailureEmpty((r), __FILE__, __LINE__)

#pragma once
// Fixed-column text and little-endian records: the pieces every format shares.

#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace Torvane {

// Walks the lines of a text: a line ends at CR LF, at LF or at a CR alone (each one line end,
// never part of the line), as the files come from Windows, Unix or old Mac editors; the last
// line may lack its end, and a final line end starts no further line.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_text(text) {}
    // The next line, or nullopt after the last one.
    std::optional<std::string_view> next();
    // 1-based number of the line last returned.
    int lineNumber() const { return m_number; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_number = 0;
};

// The characters of 1-based columns first..last; a line that ends earlier gives what is there.
std::string_view columns(std::string_view line, int first, int last);

// A numeric field lies wholly inside its line: true when the line reaches column last (a line
// that ends inside the field, or before it, has no such field).
inline bool reaches(std::string_view line, int last) {
    return line.size() >= std::size_t(last);
}

// A decimal integer field that lies wholly inside the line (nullopt otherwise, as for any field
// parseInteger refuses).
std::optional<std::int32_t> parseField(std::string_view line, int first, int last);

// The content of a text input: a UTF-8 byte-order mark at its start and DOS end-of-file bytes
// (0x1A) at its end are no data.
std::string_view textContent(std::string_view text);

// A decimal integer field: leading blanks and one sign allowed; trailing blanks, empty and
// all-blank fields, other characters and values beyond 32 bits refused.
std::optional<std::int32_t> parseInteger(std::string_view field);

// parseInteger for a field of at most 9 characters (too short to overflow 32 bits), inline for
// the fixed columns of the largest files: the same rule, read straight from the buffer.
inline bool parseShortField(const char* p, std::size_t width, std::int32_t& value) {
    std::size_t i = 0;
    while (i < width && p[i] == ' ')
        ++i;
    bool negative = false;
    if (i < width && (p[i] == '+' || p[i] == '-')) {
        negative = p[i] == '-';
        ++i;
    }
    if (i == width)
        return false;
    std::int32_t v = 0;
    for (; i < width; ++i) {
        const unsigned digit = unsigned(static_cast<unsigned char>(p[i])) - unsigned('0');
        if (digit > 9)
            return false;
        v = v * 10 + std::int32_t(digit);
    }
    value = negative ? -v : v;
    return true;
}

// The usual six-column field, blanks and then 1 to 6 digits, read as one word: true with its value,
// false for any other content (a sign, a blank after a digit, any other byte), which
// parseShortField then judges.
inline bool readSixDigitField(const char* p, std::uint32_t& value) {
    constexpr std::uint64_t kOnes = 0x010101010101;
    constexpr std::uint64_t kHigh = 0x808080808080;
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F;
    std::uint64_t x = 0; // byte 0 (the leftmost column) lowest
    if constexpr (std::endian::native == std::endian::little) {
        // Two loads joined in a register: one 8-byte read of a 6-byte copy stalls.
        std::uint32_t low;
        std::uint16_t high;
        std::memcpy(&low, p, 4);
        std::memcpy(&high, p + 4, 2);
        x = low | (std::uint64_t(high) << 32);
    } else {
        for (int i = 5; i >= 0; --i)
            x = (x << 8) | static_cast<unsigned char>(p[i]);
    }
    if (x & kHigh)
        return false;
    // High bit of each byte that is a blank (exact, no borrow between bytes).
    const std::uint64_t t = x ^ (kOnes * ' ');
    const std::uint64_t blanks = ~(((t & kLow7) + kLow7) | t) & kHigh;
    const std::uint64_t digits = x + (blanks >> 3); // each blank becomes '0'
    const std::uint64_t atLeast0 = ((digits | kHigh) - kOnes * '0') & kHigh;
    const std::uint64_t beyond9 = ((digits & kLow7) + kOnes * (0x80 - ':')) & kHigh;
    if (atLeast0 != kHigh || beyond9 != 0)
        return false;
    const std::uint64_t nonBlanks = ~blanks & kHigh;
    if (nonBlanks == 0)
        return false;
    // Blanks only before the first digit.
    if ((blanks >> (unsigned(__builtin_ctzll(nonBlanks)) & ~7u)) != 0)
        return false;
    // Digits in pairs (10 * d0 + d1 in byte 0, and so on), then the three pairs joined.
    const std::uint64_t pairs = (((digits - kOnes * '0') * 2561) >> 8) & 0xFF00FF00FF;
    value = std::uint32_t(pairs & 0xFF) * 10000 + std::uint32_t((pairs >> 16) & 0xFF) * 100 +
            std::uint32_t(pairs >> 32);
    return true;
}

inline void storeInt32LE(char* p, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(p, &u, 4); // one store; the byte-wise form is not always joined into one
    } else {
        p[0] = char(u & 0xFF);
        p[1] = char((u >> 8) & 0xFF);
        p[2] = char((u >> 16) & 0xFF);
        p[3] = char((u >> 24) & 0xFF);
    }
}

// The decimal text of value right-justified in width columns, appended to out; false (and
// nothing appended) when the text needs more than width characters.
bool appendRightJustified(std::string& out, std::int64_t value, int width);
void appendDecimal(std::string& out, std::int64_t value);
std::string decimal(std::int64_t value);

// "Erro no arquivo texto "<path>", linha <n>. <what>"
std::string lineError(std::string_view path, int line, std::string_view what);

// A binary that ends inside a record or a block: "Erro no arquivo binário "<path>": Read beyond
// end of file. O arquivo tem <size> bytes, que não são <whole>." and the hint, when given.
std::string partialBinaryError(std::string_view path, std::size_t size, std::string_view whole,
                               std::string_view hint = {});

// "de 320 postos" / "de 600 postos"; the other horizon of numPostos (320 <-> 600, else 0).
int otherHorizon(int numPostos);

// The twelve monthly inflows of a text line, six columns each from firstColumn, into
// values[0..11]; nullopt when all are whole numbers >= 0, otherwise the message of the first
// month that is not.
std::optional<std::string> readMonthlyInflows(std::string_view line, int firstColumn,
                                              std::string_view path, int lineNumber,
                                              std::int32_t (&values)[12]);

inline void appendInt32LE(std::string& out, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    const char bytes[4] = {char(u & 0xFF), char((u >> 8) & 0xFF), char((u >> 16) & 0xFF),
                           char((u >> 24) & 0xFF)};
    out.append(bytes, 4);
}

inline std::int32_t readInt32LE(const char* p) {
    if constexpr (std::endian::native == std::endian::little) {
        std::uint32_t u; // one load; the byte-wise form is not always joined into one
        std::memcpy(&u, p, 4);
        return static_cast<std::int32_t>(u);
    } else {
        const auto* b = reinterpret_cast<const unsigned char*>(p);
        return static_cast<std::int32_t>(std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) |
                                         (std::uint32_t(b[2]) << 16) | (std::uint32_t(b[3]) << 24));
    }
}

// File bytes are Windows-1252; messages are UTF-8.
std::string ansiToUtf8(std::string_view bytes);

} // namespace Torvane

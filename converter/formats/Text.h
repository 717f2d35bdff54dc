#pragma once
// Fixed-column text and little-endian records: the pieces every format shares.

#include <cstdint>
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

// A decimal integer field: leading blanks and one sign allowed; trailing blanks, empty and
// all-blank fields, other characters and values beyond 32 bits refused.
std::optional<std::int32_t> parseInteger(std::string_view field);

// The decimal text of value right-justified in width columns, appended to out; false (and
// nothing appended) when the text needs more than width characters.
bool appendRightJustified(std::string& out, std::int64_t value, int width);
void appendDecimal(std::string& out, std::int64_t value);
std::string decimal(std::int64_t value);

// "Erro no arquivo texto "<path>", linha <n>. <what>"
std::string lineError(std::string_view path, int line, std::string_view what);

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
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<std::int32_t>(std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) |
                                     (std::uint32_t(b[2]) << 16) | (std::uint32_t(b[3]) << 24));
}

// File bytes are Windows-1252; messages are UTF-8.
std::string ansiToUtf8(std::string_view bytes);

} // namespace Torvane

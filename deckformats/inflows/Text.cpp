#include "inflows/Text.h"

#include "inflows/Result.h"

#include <charconv>
#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace Torvane {

std::optional<std::string_view> LineReader::next() {
    if (m_pos >= m_text.size())
        return std::nullopt;
    const char* const begin = m_text.data() + m_pos;
    const char* const end = m_text.data() + m_text.size();
    const char* p = begin;
    while (p != end && *p != '\n' && *p != '\r')
        ++p;
    const std::string_view line(begin, std::size_t(p - begin));
    if (p != end)
        p += (*p == '\r' && p + 1 != end && p[1] == '\n') ? 2 : 1;
    m_pos = std::size_t(p - m_text.data());
    ++m_number;
    return line;
}

std::string_view columns(std::string_view line, int first, int last) {
    const auto begin = std::size_t(first - 1);
    if (begin >= line.size())
        return {};
    return line.substr(begin, std::size_t(last - first + 1));
}

std::optional<std::int32_t> parseField(std::string_view line, int first, int last) {
    if (!reaches(line, last))
        return std::nullopt;
    return parseInteger(line.substr(std::size_t(first - 1), std::size_t(last - first + 1)));
}

std::string_view textContent(std::string_view text) {
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    while (!text.empty() && text.back() == '\x1A')
        text.remove_suffix(1);
    return text;
}

ByteBuffer ByteBuffer::uninitialized(std::size_t size) {
    ByteBuffer buffer;
    if (size == 0)
        return buffer;
#if defined(__linux__)
    // A large buffer in 2 MiB pages: its first touch costs a few faults instead of one per 4 KiB,
    // which on a virtual machine took more time than the whole conversion.
    constexpr std::size_t kHugePage = std::size_t(2) << 20;
    if (size >= kHugePage) {
        void* p = nullptr;
        if (posix_memalign(&p, kHugePage, (size + kHugePage - 1) & ~(kHugePage - 1)) != 0)
            throw std::bad_alloc();
        ::madvise(p, (size + kHugePage - 1) & ~(kHugePage - 1), MADV_HUGEPAGE);
        buffer.m_data.reset(static_cast<char*>(p));
        buffer.m_size = size;
        return buffer;
    }
#endif
    void* p = std::malloc(size);
    if (!p)
        throw std::bad_alloc();
    buffer.m_data.reset(static_cast<char*>(p));
    buffer.m_size = size;
    return buffer;
}

void ByteBuffer::Free::operator()(char* p) const {
    std::free(p);
}

std::optional<std::int32_t> parseInteger(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    if (i == field.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t(INT32_MAX) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX || value < INT32_MIN)
        return std::nullopt;
    return std::int32_t(value);
}

void appendDecimal(std::string& out, std::int64_t value) {
    char buffer[24];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, res.ptr);
}

std::string decimal(std::int64_t value) {
    std::string s;
    appendDecimal(s, value);
    return s;
}

std::string lineError(std::string_view path, int line, std::string_view what) {
    std::string s = "Erro no arquivo texto \"";
    s += path;
    s += "\", linha ";
    appendDecimal(s, line);
    s += ". ";
    s += what;
    return s;
}

std::string partialBinaryError(std::string_view path, std::size_t size, std::string_view whole,
                               std::string_view hint) {
    std::string s = "Erro no arquivo binário \"";
    s += path;
    s += "\": ";
    s += kReadBeyondEnd;
    s += ". O arquivo tem ";
    appendDecimal(s, std::int64_t(size));
    s += " bytes, que não são ";
    s += whole;
    s += '.';
    if (!hint.empty()) {
        s += ' ';
        s += hint;
    }
    return s;
}

int otherHorizon(int numPostos) {
    return numPostos == 320 ? 600 : numPostos == 600 ? 320 : 0;
}

std::optional<std::string> readMonthlyInflows(std::string_view line, int firstColumn,
                                              std::string_view path, int lineNumber,
                                              std::int32_t (&values)[12]) {
    for (int m = 1; m <= 12; ++m) {
        const int first = firstColumn + 6 * (m - 1);
        const auto value = parseField(line, first, first + 5);
        if (!value)
            return lineError(path, lineNumber,
                             "Valor de vazão do mês " + decimal(m) + " inválido.");
        if (*value < 0)
            return lineError(path, lineNumber,
                             "Valor de vazão do mês " + decimal(m) + " negativo.");
        values[m - 1] = *value;
    }
    return std::nullopt;
}

bool appendRightJustified(std::string& out, std::int64_t value, int width) {
    char buffer[24];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, value);
    const int length = int(res.ptr - buffer);
    if (length > width)
        return false;
    out.append(std::size_t(width - length), ' ');
    out.append(buffer, res.ptr);
    return true;
}

std::string ansiToUtf8(std::string_view bytes) {
    // 0x80..0x9F of Windows-1252; the five unassigned bytes keep their C1 code points.
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        const char32_t cp = (b >= 0x80 && b < 0xA0) ? high[b - 0x80] : b;
        if (cp < 0x80) {
            out += char(cp);
        } else if (cp < 0x800) {
            out += char(0xC0 | (cp >> 6));
            out += char(0x80 | (cp & 0x3F));
        } else {
            out += char(0xE0 | (cp >> 12));
            out += char(0x80 | ((cp >> 6) & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::string notValidInteger(std::string_view fieldBytes) {
    return "'" + ansiToUtf8(fieldBytes) + "' is not a valid integer value";
}

} // namespace Torvane

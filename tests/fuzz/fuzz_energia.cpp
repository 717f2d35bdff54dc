// ENERGIA texts of any bytes: the filter always succeeds, and its output is the header line
// followed by exactly the input lines before the first "EARM" whose columns 4 to 7 hold a
// number not below zero, in their order and unchanged, each behind its subsystem code. The
// numbers are judged here by a pattern of their own, so the two readings check each other.
#include "ConverterFuzz.h"
#include "inflows/Energia.h"

#include <regex>

namespace {

using namespace Torvane;

std::string_view cols(std::string_view line, std::size_t first, std::size_t last) {
    if (first - 1 >= line.size())
        return {};
    return line.substr(first - 1, last - first + 1);
}

bool dataField(std::string_view field, char separator) {
    static const std::regex point(" *([+-]?)([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eE][+-]?[0-9]+)? *");
    static const std::regex comma(" *([+-]?)([0-9]+(,[0-9]*)?|,[0-9]+)([eE][+-]?[0-9]+)? *");
    std::match_results<std::string_view::const_iterator> m;
    if (!std::regex_match(field.begin(), field.end(), m, separator == ',' ? comma : point))
        return false;
    // A negative number is left out; minus zero is not negative.
    const std::string mantissa = m[2].str();
    return m[1].str() != "-" || mantissa.find_first_of("123456789") == std::string::npos;
}

std::string expected(std::string_view text, char separator) {
    std::string out =
        " Sb      Cen  Sem_01   Sem_02   Sem_03   Sem_04   Sem_05   Mes_02   Mes_03\r\n";
    std::string code;
    std::size_t at = 0;
    while (at < text.size()) {
        // CR LF, LF and a lone CR each end a line.
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(at, end - at);
        at = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
        const std::string_view key = cols(line, 4, 7);
        if (key == "Subs") {
            code = cols(line, 16, 17);
        } else if (key == "EARM") {
            break;
        } else if (dataField(key, separator)) {
            out += ' ';
            out += code;
            out += "  ";
            out += line;
            out += "\r\n";
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const char separator = (data[0] & 1) ? ',' : '.';
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const ConvResult r = energiaFilter(text, std::string_view(&separator, 1));
    FUZZ_FAILURE_EMPTY(r);
    FUZZ_CHECK(r.ok());
    FUZZ_CHECK(r.output == expected(text, separator));
    return 0;
}

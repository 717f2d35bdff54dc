#include "inflows/Energia.h"

#include "inflows/Text.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace Torvane {

namespace {

// Adds one unit in the last place of a string of decimal digits; true when it carried out of
// the first digit (the string then has one digit more).
bool incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

std::string exponentForm(const std::string& significant, int exponent, bool negative,
                         std::string_view separator) {
    std::string s = negative ? "-" : "";
    s += significant[0];
    s += separator;
    s.append(significant, 1, 7);
    s += "E+";
    if (exponent < 10)
        s += '0';
    appendDecimal(s, exponent);
    return s;
}

std::string fieldOf(const std::string& number) {
    // Right-aligned in 9; a wider text is written whole and the line grows.
    std::string field;
    if (number.size() < 9)
        field.assign(9 - number.size(), ' ');
    field += number;
    field += ' ';
    return field;
}

double readDoubleLE(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    std::uint64_t u = 0;
    for (int i = 7; i >= 0; --i)
        u = (u << 8) | b[i];
    double d;
    std::memcpy(&d, &u, sizeof d);
    return d;
}

} // namespace

std::string energiafNumber(double value, std::string_view separator) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    const bool negative = std::signbit(value);
    // The exact decimal expansion: every double of magnitude 2^-27 or more has at most 80
    // fractional digits, and anything smaller rounds to zero far from any tie.
    // (to_chars, not printf: the process locale may spell the point otherwise.)
    char buffer[512];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::fixed, 80);
    const std::string exact(buffer, res.ptr);
    const std::size_t point = exact.find('.');
    std::string integer = exact.substr(0, point);
    const std::string fraction = exact.substr(point + 1);
    if (integer == "0")
        integer.clear();
    const int intDigits = int(integer.size());

    if (intDigits > 8) {
        std::string significant = integer.substr(0, 8);
        const bool up = integer[8] >= '5';
        int exponent = intDigits - 1;
        if (up && incrementDigits(significant)) {
            significant.resize(8);
            ++exponent;
        }
        return exponentForm(significant, exponent, negative, separator);
    }

    const int decimals = intDigits <= 6 ? 2 : intDigits == 7 ? 1 : 0;
    std::string digits =
        (integer.empty() ? std::string("0") : integer) + fraction.substr(0, std::size_t(decimals));
    if (fraction[std::size_t(decimals)] >= '5')
        incrementDigits(digits);
    std::string whole = digits.substr(0, digits.size() - std::size_t(decimals));
    const std::string part = digits.substr(digits.size() - std::size_t(decimals));
    while (whole.size() > 1 && whole[0] == '0')
        whole.erase(0, 1);
    if (whole.size() > 8) // 99999999.5 and up became 100000000
        return exponentForm("10000000", 8, negative, separator);
    const bool zero = whole == "0" && part.find_first_not_of('0') == std::string::npos;
    std::string s = negative && !zero ? "-" : "";
    s += whole;
    s += separator;
    s += part;
    s.append(std::size_t(2 - decimals), '0');
    return s;
}

ConvResult energiafToText(std::string_view binary, std::string_view separator) {
    if (binary.size() % kEnergiafRecordSize != 0)
        return ConvResult::platformError(kReadBeyondEnd);
    const std::size_t stages = binary.size() / kEnergiafRecordSize;
    std::string out;
    out.reserve(stages * (4 * 2002 + 100));
    for (std::size_t n = 1; n <= stages; ++n) {
        const char* record = binary.data() + (n - 1) * kEnergiafRecordSize;
        out += "############    Est\xE1gio ";
        appendDecimal(out, std::int64_t(n));
        out += " ############\r\n";
        for (int sub = 0; sub < 4; ++sub) {
            out += "Subsistema ";
            appendDecimal(out, sub + 1);
            out += "\r\n";
            for (int i = 0; i < 200; ++i)
                out +=
                    fieldOf(energiafNumber(readDoubleLE(record + (sub * 200 + i) * 8), separator));
            out += "\r\n";
        }
    }
    return ConvResult::success(std::move(out));
}

bool energiaNumber(std::string_view field, std::string_view separator, double& value) {
    std::size_t i = 0;
    const auto digitsAt = [&](std::size_t& at) {
        const std::size_t start = at;
        while (at < field.size() && field[at] >= '0' && field[at] <= '9')
            ++at;
        return at - start;
    };
    while (i < field.size() && field[i] == ' ')
        ++i;
    std::string normal; // the number spelled with '.', for from_chars
    if (i < field.size() && (field[i] == '+' || field[i] == '-'))
        normal += field[i++];
    std::size_t start = i;
    std::size_t digits = digitsAt(i);
    normal.append(field.substr(start, i - start));
    if (!separator.empty() && field.substr(i, separator.size()) == separator) {
        i += separator.size();
        normal += '.';
        start = i;
        const std::size_t fractionDigits = digitsAt(i);
        normal.append(field.substr(start, i - start));
        digits += fractionDigits;
    }
    if (digits == 0)
        return false;
    if (i < field.size() && (field[i] == 'e' || field[i] == 'E')) {
        normal += 'e';
        ++i;
        if (i < field.size() && (field[i] == '+' || field[i] == '-'))
            normal += field[i++];
        start = i;
        if (digitsAt(i) == 0)
            return false;
        normal.append(field.substr(start, i - start));
    }
    while (i < field.size() && field[i] == ' ')
        ++i;
    if (i != field.size())
        return false;
    // from_chars takes no sign '+' and ignores the process locale.
    const char* first = normal.data();
    if (*first == '+')
        ++first;
    return std::from_chars(first, normal.data() + normal.size(), value).ec == std::errc();
}

ConvResult energiaFilter(std::string_view text, std::string_view separator) {
    std::string out =
        " Sb      Cen  Sem_01   Sem_02   Sem_03   Sem_04   Sem_05   Mes_02   Mes_03\r\n";
    std::string code;
    LineReader lines(text);
    while (const auto line = lines.next()) {
        const std::string_view key = columns(*line, 4, 7);
        if (key == "Subs") {
            code = columns(*line, 16, 17);
            continue;
        }
        if (key == "EARM")
            break;
        double value = 0;
        if (!energiaNumber(key, separator, value) || !(value >= 0))
            continue;
        out += ' ';
        out += code;
        out += "  ";
        out += *line;
        out += "\r\n";
    }
    return ConvResult::success(std::move(out));
}

} // namespace Torvane

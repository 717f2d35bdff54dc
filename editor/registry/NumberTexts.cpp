#include "registry/NumberTexts.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace NumberTexts {

QChar decimalSeparator(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.at(0);
}

namespace {

enum class Form { Fixed, Exponent };

// True when the value lies exactly halfway between the two texts of that precision (decimals
// for the fixed form, digits after the point for the exponent form). With v = M * 2^E, M odd:
// the fixed form's tie is the last of exactly -E decimals; the exponent form's, the last of
// exactly precision + 2 significant digits, a 5.
bool isTie(double value, Form form, int precision) {
    // The bits themselves: a finite value is its 52 stored bits (and the hidden one) times a
    // power of two.
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto biased = int((bits >> 52) & 0x7FF);
    auto m = bits & ((std::uint64_t(1) << 52) - 1);
    if (biased != 0)
        m |= std::uint64_t(1) << 52;
    if (m == 0)
        return false;
    const int zeros = std::countr_zero(m);
    m >>= zeros;
    const int e = (biased == 0 ? -1074 : biased - 1075) + zeros;
    if (form == Form::Fixed)
        return e < 0 && -e == precision + 1;
    // The significant digits as a whole number, when it has as many as a tie needs.
    const int digits = precision + 2;
    std::uint64_t limit = 1;
    for (int i = 0; i < digits && limit <= UINT64_MAX / 10; ++i)
        limit *= 10;
    if (e < 0) {
        for (int i = 0; i < -e; ++i) {
            if (m > limit / 5)
                return false;
            m *= 5;
        }
    } else {
        for (int i = 0; i < e; ++i) {
            if (m % 5 != 0)
                return false;
            m /= 5;
        }
        if (m % 5 != 0)
            return false;
    }
    return m >= limit / 10 && m < limit;
}

// The text with its last digit before any exponent dropped and the digits left rounded up
// in magnitude: "1.2345665e+07" to "1.234567e+07". A carry past the first digit of the
// exponent form moves the point: "9.9999995e+00" to "1.000000e+01".
void roundHalfAway(std::string& text) {
    const std::size_t e = text.find('e');
    std::size_t end = e == std::string::npos ? text.size() : e;
    text.erase(--end, 1);
    if (end > 0 && text[end - 1] == '.')
        text.erase(--end, 1);
    std::size_t i = end;
    bool carry = true;
    while (carry && i-- > 0) {
        if (text[i] == '.')
            continue;
        if (text[i] < '0' || text[i] > '9')
            break;
        carry = text[i] == '9';
        text[i] = carry ? '0' : char(text[i] + 1);
    }
    if (!carry)
        return;
    text.insert(text[0] == '-' ? 1 : 0, 1, '1');
    if (e == std::string::npos)
        return;
    // "10.000000e+00": one digit before the point again, one decimal fewer, exponent + 1.
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        std::swap(text[point], text[point - 1]);
        text.erase(text.find('e') - 1, 1);
    } else {
        text.erase(text.find('e') - 1, 1); // "10e+00"
    }
    const std::size_t mark = text.find('e');
    const int power = std::stoi(text.substr(mark + 1)) + 1;
    char tail[16];
    std::snprintf(tail, sizeof tail, "e%+03d", power);
    text.replace(mark, std::string::npos, tail);
}

// Room for any text of a double in either form (a fixed form of 1e308 has 309 digits).
constexpr std::size_t WorkSize = 512;

// The C locale's text at buffer, rounded half away from zero (as the platform's conversion
// rounds); std::to_chars rounds exact ties to even, so those are rounded again. Its length.
std::size_t cText(char* buffer, double value, Form form, int precision) {
    const auto format =
        form == Form::Fixed ? std::chars_format::fixed : std::chars_format::scientific;
    const bool tie = isTie(value, form, precision);
    const auto result =
        std::to_chars(buffer, buffer + WorkSize, value, format, precision + (tie ? 1 : 0));
    auto size = std::size_t(result.ptr - buffer);
    if (tie) { // rare: exact halves
        std::string text(buffer, size);
        roundHalfAway(text);
        size = std::min(text.size(), WorkSize);
        std::memcpy(buffer, text.data(), size);
    }
    return size;
}

std::size_t nonFinite(char* buffer, double value) {
    const char* text = std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF";
    const std::size_t size = std::strlen(text);
    std::memcpy(buffer, text, size);
    return size;
}

// The texts below with '.' for the separator, at buffer (WorkSize bytes); their length.
std::size_t exponentForm(char* buffer, double value, int significant) {
    if (value == 0)
        value = 0; // no sign on a zero
    const std::size_t size = cText(buffer, value, Form::Exponent, significant - 1);
    if (auto* e = static_cast<char*>(std::memchr(buffer, 'e', size)))
        *e = 'E';
    return size;
}

std::size_t fixedForm(char* buffer, double value, int decimals) {
    if (!std::isfinite(value))
        return nonFinite(buffer, value);
    decimals = std::clamp(decimals, 0, 15);
    std::size_t size = cText(buffer, value, Form::Fixed, decimals);
    const bool negative = buffer[0] == '-';
    const auto* point = static_cast<const char*>(std::memchr(buffer, '.', size));
    const std::size_t integerDigits =
        (point ? std::size_t(point - buffer) : size) - (negative ? 1 : 0);
    // More than 15 integer digits (after rounding) is past what the fixed form shows.
    if (integerDigits > 15)
        return exponentForm(buffer, value, 15);
    // A negative value that rounds to zero shows as zero, without a sign.
    if (negative &&
        std::all_of(buffer + 1, buffer + size, [](char c) { return c == '0' || c == '.'; })) {
        std::memmove(buffer, buffer + 1, --size);
    }
    return size;
}

std::size_t exponentText(char* buffer, double value) {
    if (!std::isfinite(value))
        return nonFinite(buffer, value);
    return exponentForm(buffer, value, 7);
}

QString withSeparator(const char* text, std::size_t size, const QLocale& locale) {
    QString result = QString::fromLatin1(text, qsizetype(size));
    const QChar sep = decimalSeparator(locale);
    if (sep != u'.')
        result.replace(u'.', sep);
    return result;
}

// Copies the text to out (MaxChars bytes), the separator for the point.
std::size_t withSeparator(const char* text, std::size_t size, char separator, char* out) {
    size = std::min(size, MaxChars);
    for (std::size_t i = 0; i < size; ++i)
        out[i] = text[i] == '.' ? separator : text[i];
    return size;
}

} // namespace

QString Fixed(double value, int decimals, const QLocale& locale) {
    char buffer[WorkSize];
    return withSeparator(buffer, fixedForm(buffer, value, decimals), locale);
}

QString Exponent(double value, const QLocale& locale) {
    char buffer[WorkSize];
    return withSeparator(buffer, exponentText(buffer, value), locale);
}

std::size_t fixedChars(char* out, double value, int decimals, char separator) {
    char buffer[WorkSize];
    return withSeparator(buffer, fixedForm(buffer, value, decimals), separator, out);
}

std::size_t exponentChars(char* out, double value, char separator) {
    char buffer[WorkSize];
    return withSeparator(buffer, exponentText(buffer, value), separator, out);
}

std::size_t integerChars(char* out, std::int64_t value) {
    return std::size_t(std::to_chars(out, out + MaxChars, value).ptr - out);
}

QString Integer(std::int64_t value) {
    return QString::number(value);
}

} // namespace NumberTexts

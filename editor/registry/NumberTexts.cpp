#include "registry/NumberTexts.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace NumberTexts {

QChar decimalSeparator(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.at(0);
}

static QString nonFinite(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

static QString withSeparator(QString text, const QLocale& locale) {
    const QChar sep = decimalSeparator(locale);
    if (sep != u'.')
        text.replace(u'.', sep);
    return text;
}

namespace {

enum class Form { Fixed, Exponent };

// True when the value lies exactly halfway between the two texts of that precision (decimals
// for the fixed form, digits after the point for the exponent form). With v = M * 2^E, M odd:
// the fixed form's tie is the last of exactly -E decimals; the exponent form's, the last of
// exactly precision + 2 significant digits, a 5.
bool isTie(double value, Form form, int precision) {
    int exponent = 0;
    const double mantissa = std::frexp(std::fabs(value), &exponent);
    auto m = std::uint64_t(std::ldexp(mantissa, 53));
    if (m == 0)
        return false;
    const int zeros = std::countr_zero(m);
    m >>= zeros;
    const int e = exponent - 53 + zeros;
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

// The C locale's text, rounded half away from zero (as the platform's conversion rounds);
// std::to_chars rounds exact ties to even, so those are rounded again.
std::string cText(double value, Form form, int precision) {
    char buffer[512];
    const auto format =
        form == Form::Fixed ? std::chars_format::fixed : std::chars_format::scientific;
    const bool tie = isTie(value, form, precision);
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, format, precision + (tie ? 1 : 0));
    std::string text(buffer, result.ptr);
    if (tie)
        roundHalfAway(text);
    return text;
}

QString exponentForm(double value, int significant, const QLocale& locale) {
    if (value == 0)
        value = 0; // no sign on a zero
    std::string text = cText(value, Form::Exponent, significant - 1);
    text[text.find('e')] = 'E';
    return withSeparator(QString::fromLatin1(text), locale);
}

} // namespace

QString Fixed(double value, int decimals, const QLocale& locale) {
    if (!std::isfinite(value))
        return nonFinite(value);
    decimals = std::clamp(decimals, 0, 15);
    QString text = QString::fromLatin1(cText(value, Form::Fixed, decimals));
    const bool negative = text.startsWith(u'-');
    const qsizetype point = text.indexOf(u'.');
    const qsizetype integerDigits = (point < 0 ? text.size() : point) - (negative ? 1 : 0);
    // More than 15 integer digits (after rounding) is past what the fixed form shows.
    if (integerDigits > 15)
        return exponentForm(value, 15, locale);
    // A negative value that rounds to zero shows as zero, without a sign.
    if (negative &&
        std::all_of(text.cbegin() + 1, text.cend(), [](QChar c) { return c == u'0' || c == u'.'; }))
        text.remove(0, 1);
    return withSeparator(text, locale);
}

QString Exponent(double value, const QLocale& locale) {
    if (!std::isfinite(value))
        return nonFinite(value);
    return exponentForm(value, 7, locale);
}

QString Integer(std::int64_t value) {
    return QString::number(value);
}

} // namespace NumberTexts

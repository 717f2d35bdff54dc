#pragma once
// The number texts of the display, the CSV and the print-outs. Only the decimal separator
// comes from the locale: never a group separator, always the ASCII minus and digits 0-9.

#include <QLocale>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace NumberTexts {

// The decimal separator of a locale, as one character.
QChar decimalSeparator(const QLocale& locale);

// Exactly d digits after the separator; past 15 integer digits the exponent form.
QString Fixed(double value, int decimals, const QLocale& locale);
// One digit, the separator, six digits, "E", the exponent's sign, at least two digits.
QString Exponent(double value, const QLocale& locale);
// Plain decimal.
QString Integer(std::int64_t value);

// The same texts as bytes, for writers of bytes (the CSV): ASCII, `separator` for the
// decimal separator, written at out, which has room for MaxChars; the count written.
inline constexpr std::size_t MaxChars = 32;
std::size_t fixedChars(char* out, double value, int decimals, char separator);
std::size_t exponentChars(char* out, double value, char separator);
std::size_t integerChars(char* out, std::int64_t value);

} // namespace NumberTexts

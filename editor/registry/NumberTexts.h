#pragma once
// The number texts of the display, the CSV and the print-outs. Only the decimal separator
// comes from the locale: never a group separator, always the ASCII minus and digits 0-9.

#include <QLocale>
#include <QString>
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

} // namespace NumberTexts

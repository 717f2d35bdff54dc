#pragma once
// Numbers typed into the plant form. Stricter than the platform's conversions on purpose:
// a group separator would silently turn "1.234" into 1234 under a comma locale, and "nan" or
// "inf" would reach the registry as values no study can use.

#include "language/LanguageTexts.h"
#include "registry/PlantCodec.h"

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

namespace NumberInput {

// An optional sign and decimal digits, blanks around allowed, within the 32-bit range.
std::optional<std::int32_t> toInteger(const QString& text);

// An optional sign, digits with at most one decimal separator of the locale (digits on at
// least one side of it), an optional exponent ("e" or "E", optional sign, digits); blanks
// around allowed. Refused: group separators, any other separator, "nan", "inf", and values
// whose magnitude exceeds the largest float32.
std::optional<float> toReal(const QString& text, const QLocale& locale);

// A PCV or PAC coefficient typed for a registry of that form: read as toReal reads it, at 32
// bits in the 792-byte form and at 64 bits (up to the largest double) in the 832-byte form.
std::optional<double> toCoefficient(const QString& text, const QLocale& locale, RecordForm form);

// The conversion error texts, with the offending text quoted, in the interface's language
// (the platform's English texts by default).
QString invalidIntegerText(const QString& text, Language language = Language::English);
QString invalidRealText(const QString& text, Language language = Language::English);

} // namespace NumberInput

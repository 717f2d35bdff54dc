#include "editing/NumberInput.h"

#include "registry/NumberTexts.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace NumberInput {

namespace {

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Index just past a run of ASCII digits starting at pos.
qsizetype skipDigits(const QString& s, qsizetype pos) {
    while (pos < s.size() && isAsciiDigit(s.at(pos)))
        ++pos;
    return pos;
}

} // namespace

std::optional<std::int32_t> toInteger(const QString& text) {
    const QString s = text.trimmed();
    qsizetype pos = 0;
    if (pos < s.size() && (s.at(pos) == u'+' || s.at(pos) == u'-'))
        ++pos;
    const qsizetype digitsStart = pos;
    pos = skipDigits(s, pos);
    if (pos == digitsStart || pos != s.size())
        return std::nullopt;
    bool ok = false;
    const qlonglong value = s.toLongLong(&ok);
    if (!ok || value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return std::int32_t(value);
}

namespace {

// The text in the C locale's notation when it has the form toReal takes; empty when not.
std::string asciiNumber(const QString& text, const QLocale& locale) {
    const QString s = text.trimmed();
    const QChar separator = NumberTexts::decimalSeparator(locale);
    std::string ascii; // the same number in the C locale's notation
    ascii.reserve(std::size_t(s.size()));
    const auto append = [&](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i)
            ascii += char(s.at(i).unicode());
    };
    qsizetype pos = 0;
    // No plus sign: the conversion below takes a minus only.
    if (pos < s.size() && (s.at(pos) == u'+' || s.at(pos) == u'-'))
        if (s.at(pos++) == u'-')
            ascii += '-';
    const qsizetype intStart = pos;
    pos = skipDigits(s, pos);
    append(intStart, pos);
    qsizetype digits = pos - intStart;
    if (pos < s.size() && s.at(pos) == separator) {
        ++pos;
        const qsizetype fracStart = pos;
        pos = skipDigits(s, pos);
        ascii += '.';
        append(fracStart, pos);
        digits += pos - fracStart;
    }
    if (digits == 0)
        return {};
    if (pos < s.size() && (s.at(pos) == u'e' || s.at(pos) == u'E')) {
        ascii += 'e';
        ++pos;
        if (pos < s.size() && (s.at(pos) == u'+' || s.at(pos) == u'-'))
            ascii += char(s.at(pos++).unicode());
        const qsizetype expStart = pos;
        pos = skipDigits(s, pos);
        if (pos == expStart)
            return {};
        append(expStart, pos);
    }
    if (pos != s.size())
        return {};
    return ascii;
}

// Correctly rounded to double; nullopt on overflow, underflow to zero or a stray character.
std::optional<double> parseAscii(const std::string& ascii) {
    if (ascii.empty())
        return std::nullopt;
    double value = 0;
    const char* end = ascii.data() + ascii.size();
    const auto [stop, error] = std::from_chars(ascii.data(), end, value);
    if (error != std::errc{} || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> toCoefficient(const QString& text, const QLocale& locale, RecordForm form) {
    if (form != RecordForm::Bytes832) {
        const auto v = toReal(text, locale);
        return v ? std::optional<double>(double(*v)) : std::nullopt;
    }
    return parseAscii(asciiNumber(text, locale));
}

std::optional<float> toReal(const QString& text, const QLocale& locale) {
    const std::string ascii = asciiNumber(text, locale);
    if (ascii.empty())
        return std::nullopt;
    // The C conversion, correctly rounded, without the locale's machinery (the registry check
    // reads every number of every plant). Like the C locale's conversion it refuses a value
    // that overflows or that underflows to zero, so an exponent too large is out of range
    // either way. Values below the smallest float become zero, as a typed 1e-60 means
    // nothing else.
    double value = 0;
    const char* end = ascii.data() + ascii.size();
    const auto [stop, error] = std::from_chars(ascii.data(), end, value);
    if (error != std::errc{} || stop != end || !std::isfinite(value) ||
        std::fabs(value) > double(FLT_MAX))
        return std::nullopt;
    return float(value);
}

QString invalidIntegerText(const QString& text, Language language) {
    return languageMessage(LanguageMessage::NotAnInteger, int(language)).arg(text);
}

QString invalidRealText(const QString& text, Language language) {
    return languageMessage(LanguageMessage::NotAReal, int(language)).arg(text);
}

} // namespace NumberInput

#include "editing/NumberInput.h"

#include "registry/NumberTexts.h"

#include <cfloat>
#include <cmath>

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

std::optional<float> toReal(const QString& text, const QLocale& locale) {
    const QString s = text.trimmed();
    const QChar separator = NumberTexts::decimalSeparator(locale);
    QString ascii; // the same number in the C locale's notation
    ascii.reserve(s.size());
    qsizetype pos = 0;
    if (pos < s.size() && (s.at(pos) == u'+' || s.at(pos) == u'-'))
        ascii.append(s.at(pos++));
    const qsizetype intStart = pos;
    pos = skipDigits(s, pos);
    ascii.append(QStringView(s).mid(intStart, pos - intStart));
    qsizetype digits = pos - intStart;
    if (pos < s.size() && s.at(pos) == separator) {
        ++pos;
        const qsizetype fracStart = pos;
        pos = skipDigits(s, pos);
        ascii.append(u'.');
        ascii.append(QStringView(s).mid(fracStart, pos - fracStart));
        digits += pos - fracStart;
    }
    if (digits == 0)
        return std::nullopt;
    if (pos < s.size() && (s.at(pos) == u'e' || s.at(pos) == u'E')) {
        ascii.append(u'e');
        ++pos;
        if (pos < s.size() && (s.at(pos) == u'+' || s.at(pos) == u'-'))
            ascii.append(s.at(pos++));
        const qsizetype expStart = pos;
        pos = skipDigits(s, pos);
        if (pos == expStart)
            return std::nullopt;
        ascii.append(QStringView(s).mid(expStart, pos - expStart));
    }
    if (pos != s.size())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(ascii, &ok);
    // An exponent too large makes the C conversion fail or give infinity: either way out of
    // range. Values that underflow become zero, as a typed 1e-60 means nothing else.
    if (!ok || !std::isfinite(value) || std::fabs(value) > double(FLT_MAX))
        return std::nullopt;
    return float(value);
}

QString invalidIntegerText(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

QString invalidRealText(const QString& text) {
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

} // namespace NumberInput

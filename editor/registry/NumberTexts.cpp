#include "registry/NumberTexts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

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

static QString exponentForm(double value, int significant, const QLocale& locale) {
    // The C locale's conversion gives the ASCII forms; the separator is swapped in after.
    QString text = QLocale::c().toString(value, 'e', significant - 1).toUpper();
    return withSeparator(text, locale);
}

QString Fixed(double value, int decimals, const QLocale& locale) {
    if (!std::isfinite(value))
        return nonFinite(value);
    decimals = std::clamp(decimals, 0, 15);
    QString text = QLocale::c().toString(value, 'f', decimals);
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

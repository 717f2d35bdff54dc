#include "registry/NumberTexts.h"

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
    if (std::fabs(value) >= 1e15)
        return exponentForm(value, 15, locale);
    QString text = QLocale::c().toString(value, 'f', decimals);
    // A negative value that rounds to zero shows as zero, without a sign.
    if (text.startsWith(u'-') && text.count(u'0') == text.size() - 1 - (decimals > 0 ? 1 : 0))
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

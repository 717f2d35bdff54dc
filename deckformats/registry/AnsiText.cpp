#include "registry/AnsiText.h"

#include <QHash>

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to the C1 controls of the
// same value, as the platform's conversion does, so every byte survives a round trip.
constexpr char16_t HighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

const QHash<char16_t, char>& reverseHigh() {
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        for (int i = 0; i < 32; ++i)
            t.insert(HighTable[i], char(0x80 + i));
        return t;
    }();
    return table;
}

} // namespace

namespace AnsiText {

QChar decodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(HighTable[byte - 0x80]);
    return QChar(char16_t(byte));
}

QString decode(const char* data, std::size_t size) {
    QString text;
    text.resize(qsizetype(size));
    for (std::size_t i = 0; i < size; ++i)
        text[qsizetype(i)] = decodeByte(static_cast<unsigned char>(data[i]));
    return text;
}

QString fieldText(const char* data, std::size_t size) {
    QString text;
    text.reserve(qsizetype(size));
    for (std::size_t i = 0; i < size; ++i)
        if (data[i] != '\0')
            text.append(decodeByte(static_cast<unsigned char>(data[i])));
    return text;
}

char encodeChar(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    return reverseHigh().value(u, '?');
}

QByteArray encode(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i; // one character outside the code page: one '?'
        bytes.append(c.isSurrogate() ? '?' : encodeChar(c));
    }
    return bytes;
}

QString upper(const QString& text) {
    QString result = text;
    for (qsizetype i = 0; i < result.size(); ++i) {
        const QChar c = result.at(i);
        const QChar u = c.toUpper();
        if (u != c && encodeChar(u) != '?')
            result[i] = u;
    }
    return result;
}

} // namespace AnsiText

int NthCharPos(const QString& text, QChar ch, int n) {
    int seen = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == ch && ++seen == n)
            return i == text.size() - 1 ? int(text.size()) + 1 : int(i) + 1;
    }
    return int(text.size()) + 1;
}

QString trimControl(const QString& text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

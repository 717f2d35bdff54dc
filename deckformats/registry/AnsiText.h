#pragma once
// Windows-1252 bytes of the files and the texts shown: decoded only to show them,
// encoded back when storing.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstddef>

namespace AnsiText {

QChar decodeByte(unsigned char byte);
// Every byte decoded; NUL bytes kept as U+0000.
QString decode(const char* data, std::size_t size);
inline QString decode(const QByteArray& bytes) {
    return decode(bytes.constData(), std::size_t(bytes.size()));
}
// A character field as the display shows it: bytes appended one by one, NUL adds nothing.
QString fieldText(const char* data, std::size_t size);
template <std::size_t N> QString fieldText(const std::array<char, N>& field) {
    return fieldText(field.data(), N);
}
// One byte per character; a character Windows-1252 cannot hold becomes '?'.
char encodeChar(QChar c);
QByteArray encode(const QString& text);
// Upper case, only where the capital is itself one Windows-1252 character
// ("ã" to "Ã", "ÿ" to "Ÿ"; "ß" and "µ" stay).
QString upper(const QString& text);

} // namespace AnsiText

// 1-based position of the n-th occurrence of ch; the text's length + 1 when there are fewer
// occurrences or when the n-th is the text's last character.
int NthCharPos(const QString& text, QChar ch, int n);

// Characters 0..32 (blanks, NULs, control characters) trimmed from both ends.
QString trimControl(const QString& text);

#pragma once
// Command-line arguments are bytes; Qt holds file names as UTF-16 text. An argument whose bytes
// the system's encoding cannot hold would open or create a file of another name once decoded
// (0xD5 read as U+FFFD), so both programs refuse it before anything is touched.

#include <QByteArray>
#include <QString>

// True when the system's decoding of the bytes as a file name gives them back when encoded.
bool argumentBytesHold(const QByteArray& bytes);
// The 1-based position of the first of argv[1..] whose bytes do not hold; 0 when all do.
int firstUnusableArgument(int argc, char** argv);
// Every byte from 0x80 up as \xd5, the rest as it is.
QString escapedHighBytes(const QByteArray& bytes);

// The argument as text: decoded when its bytes hold; otherwise UTF-8 where it is valid and
// every stray byte as the lone surrogate U+DC00 + byte, which no decoded name contains, so that
// the name can be refused instead of opened.
QString argumentText(const QByteArray& bytes);
bool hasStrayBytes(const QString& text);
// The text with every stray byte shown as \xD5.
QString shownStrayBytes(const QString& text);

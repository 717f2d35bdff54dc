#include "files/ArgumentBytes.h"

#include <QFile>

bool argumentBytesHold(const QByteArray& bytes) {
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
}

int firstUnusableArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (!argumentBytesHold(QByteArray(argv[i])))
            return i;
    return 0;
}

QString escapedHighBytes(const QByteArray& bytes) {
    QString shown;
    for (char c : bytes)
        shown += (c & 0x80) ? QStringLiteral("\\x%1").arg(uchar(c), 2, 16, QChar(u'0'))
                            : QString(QChar(c));
    return shown;
}

namespace {

bool isStrayByte(const QString& text, qsizetype i) {
    const char16_t c = text.at(i).unicode();
    return c >= 0xDC80 && c <= 0xDCFF && (i == 0 || !text.at(i - 1).isHighSurrogate());
}

// UTF-8 where it is valid, each other byte as U+DC00 + byte.
QString decodeKeepingStrayBytes(const QByteArray& bytes) {
    QString out;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            out += QChar(b);
            ++i;
            continue;
        }
        const int length = (b & 0xE0) == 0xC0   ? 2
                           : (b & 0xF0) == 0xE0 ? 3
                           : (b & 0xF8) == 0xF0 ? 4
                                                : 0;
        char32_t cp = length == 2 ? b & 0x1F : length == 3 ? b & 0x0F : b & 0x07;
        bool valid = length != 0 && i + length <= n;
        for (int k = 1; valid && k < length; ++k) {
            valid = (p[i + k] & 0xC0) == 0x80;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        valid = valid && cp >= least && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
        if (valid) {
            out += QString::fromUcs4(&cp, 1);
            i += length;
        } else {
            out += QChar(char16_t(0xDC00 + b));
            ++i;
        }
    }
    return out;
}

} // namespace

QString argumentText(const QByteArray& bytes) {
    return argumentBytesHold(bytes) ? QFile::decodeName(bytes) : decodeKeepingStrayBytes(bytes);
}

bool hasStrayBytes(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (isStrayByte(text, i))
            return true;
    return false;
}

QString shownStrayBytes(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isStrayByte(text, i))
            out += QStringLiteral("\\x") +
                   QString::number(text.at(i).unicode() - 0xDC00, 16).toUpper();
        else
            out += text.at(i);
    }
    return out;
}

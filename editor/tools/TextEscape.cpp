#include "tools/TextEscape.h"

#include "registry/AnsiText.h"

namespace {

bool shows(QChar c) {
    return c == u' ' || (c.isPrint() && !c.isSpace());
}

} // namespace

QString escapeText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (shows(c)) {
            out += c;
            continue;
        }
        const auto byte = static_cast<unsigned char>(AnsiText::encodeChar(c));
        out += QStringLiteral("\\x%1").arg(uint(byte), 2, 16, QLatin1Char('0'));
    }
    return out;
}

QString escapeBytes(const char* data, std::size_t size) {
    return escapeText(AnsiText::decode(data, size));
}

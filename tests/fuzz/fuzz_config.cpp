// config.ini of any bytes: the reader never fails. Values written as key=value lines come
// back without blanks around them, whatever the case of the section's name; plain ASCII values come
// back exactly.
#include "registry/LookupLists.h"

#include <QByteArray>
#include <QList>
#include <cstdlib>

static bool plainAscii(const QByteArray& v) {
    for (char c : v)
        if (c < 0x21 || c > 0x7E || c == '"' || c == '\'' || c == '[' || c == ';' || c == '#')
            return false;
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)IniFile::fromBytes(bytes).value(QStringLiteral("EMPRESAS"), QStringLiteral("1"));

    // CR LF, LF and a lone CR each end a line, so no value can hold a CR or an LF.
    QByteArray lines = bytes;
    const QList<QByteArray> values = lines.replace('\r', '\n').split('\n');
    QByteArray ini("[sIsTeMaS]\r\n");
    for (qsizetype k = 0; k < values.size() && k < 50; ++k)
        ini += QByteArray::number(k) + " = " + values[k] + "\r\n";
    const IniFile parsed = IniFile::fromBytes(ini);
    for (qsizetype k = 0; k < values.size() && k < 50; ++k) {
        const QString got = parsed.value(QStringLiteral("SISTEMAS"), QString::number(k));
        // Blanks, tabs and CR around a value are dropped (a non-breaking blank is a character
        // of the value); quotes keep what they enclose.
        const auto isBlank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r'; };
        if (!values[k].contains('"') && !values[k].contains('\'') && !got.isEmpty() &&
            (isBlank(got.front()) || isBlank(got.back())))
            std::abort();
        if (plainAscii(values[k]) && got != QString::fromLatin1(values[k]))
            std::abort();
    }
    return 0;
}

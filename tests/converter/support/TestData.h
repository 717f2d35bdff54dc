#pragma once
// File helpers and fictional data builders shared by the converter's tests.

#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

inline std::string int32LE(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return {char(u & 0xFF), char((u >> 8) & 0xFF), char((u >> 16) & 0xFF), char(u >> 24)};
}

inline std::int32_t int32At(std::string_view bytes, std::size_t record) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data() + record * 4);
    return std::int32_t(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
                        std::uint32_t(b[3]) << 24);
}

inline std::string int32Records(const std::vector<std::int32_t>& values) {
    std::string out;
    for (const std::int32_t v : values)
        out += int32LE(v);
    return out;
}

// One VAZOES line: station, year and twelve fields as given (each already 6 characters).
inline std::string vazoesLine(const char* station, const char* year, const std::string& months) {
    return std::string(station) + " " + year + months;
}

inline std::string sixColumns(int v) {
    std::string s = std::to_string(v);
    return std::string(6 - s.size(), ' ') + s;
}

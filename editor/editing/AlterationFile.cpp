#include "editing/AlterationFile.h"

#include "registry/AnsiText.h"
#include "registry/PlantCodec.h"

#include "files/SafeWrite.h"
#include "inflows/Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <bit>
#include <cstring>

namespace AlterationFile {

QString pathIn(const QString& directory) {
    return QDir(directory).filePath(QStringLiteral("Hidr_Modif.dat"));
}

namespace {

float floatAt(const char* p) {
    // Little-endian in the file; compared as 32-bit floats.
    return std::bit_cast<float>(Torvane::readInt32LE(p));
}

} // namespace

void alter(QByteArray& registry) {
    const qsizetype records = registry.size() / RecordSize;
    char* data = registry.data();
    for (qsizetype k = 0; k < records; ++k) {
        char* r = data + k * RecordSize;
        if (r[1] == ' ')
            continue;
        std::memcpy(r + 787, r + 44, 4);
        r[791] = floatAt(r + 56) == floatAt(r + 60) ? 'D' : 'M';
    }
}

Result rewrite(const QString& path) {
    Result result;
    QByteArray bytes;
    {
        // Opened for reading and writing, as the command does: a file we may not write is
        // refused before anything is changed. It is never created.
        QFile file(path);
        if (!QFileInfo::exists(path) || isSpecialFile(path) || !file.open(QIODevice::ReadWrite))
            return result;
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return result;
    }
    alter(bytes);
    if (!writeFileAtomically(path, bytes))
        return result;
    for (qsizetype pos = 0; pos + 12 <= bytes.size(); pos += RecordSize)
        result.names.append(AnsiText::decode(bytes.constData() + pos, 12));
    result.ok = true;
    return result;
}

} // namespace AlterationFile

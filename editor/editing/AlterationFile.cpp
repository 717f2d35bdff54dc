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

void alter(QByteArray& registry, RecordForm form) {
    form = resolveForm(form, registry.size());
    const qsizetype size = recordSize(form);
    static const FieldSpan volRefs[2] = {plantFieldSpan("VolRef", RecordForm::Bytes792),
                                         plantFieldSpan("VolRef", RecordForm::Bytes832)};
    const int volRef = volRefs[form == RecordForm::Bytes832 ? 1 : 0].offset;
    const qsizetype records = registry.size() / size;
    char* data = registry.data();
    for (qsizetype k = 0; k < records; ++k) {
        char* r = data + k * size;
        if (r[1] == ' ')
            continue;
        std::memcpy(r + volRef, r + 44, 4);
        r[size - 1] = floatAt(r + 56) == floatAt(r + 60) ? 'D' : 'M';
    }
}

Result rewrite(const QString& path, RecordForm form) {
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
    form = resolveForm(form, bytes.size());
    alter(bytes, form);
    if (!writeFileAtomically(path, bytes))
        return result;
    for (qsizetype pos = 0; pos + 12 <= bytes.size(); pos += recordSize(form))
        result.names.append(AnsiText::decode(bytes.constData() + pos, 12));
    result.ok = true;
    return result;
}

} // namespace AlterationFile

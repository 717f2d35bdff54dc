#include "registry/TCadHd.h"

#include "registry/PlantCodec.h"

#include "files/SafeWrite.h"
#include <QFile>
#include <cstring>

QString RegistryTexts::codeOutOfRange(std::int32_t code, qint64 count) {
    return QStringLiteral("Código %1 inexistente no Cadastro (%2 registros).").arg(code).arg(count);
}

bool readWholeFile(const QString& fileName, QByteArray& bytes) {
    // A FIFO or a device would hang the read, or never end it.
    if (isSpecialFile(fileName))
        return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

void TCadHd::ReadPlant(std::int32_t code, TUsinaHd& plant, const QString& fileName) {
    QFile file(fileName);
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        m_show(*m_dialogs, RegistryTexts::FileNotFound);
        return;
    }
    if (code < 1)
        return; // nothing before the first record: the plant stays as it was
    const int size = recordSize(m_form);
    const qint64 offset = qint64(code - 1) * size;
    if (offset >= file.size() || !file.seek(offset))
        return;
    const QByteArray bytes = file.read(size);
    decodePlant(bytes.constData(), std::size_t(bytes.size()), plant, m_form);
}

StoreImage buildStoreImage(const QByteArray& source, std::int32_t oldCode, std::int32_t newCode,
                           const TUsinaHd& plant, RecordForm form) {
    StoreImage image;
    form = resolveForm(form, source.size());
    const qint64 size = recordSize(form);
    const qint64 count = source.size() / size;
    for (const std::int32_t code : {newCode, oldCode}) {
        if (code < 1 || code > count) {
            image.badCode = code;
            return image;
        }
    }
    // Every record is copied byte for byte, trailing partial bytes included; then the
    // old slot is vacated and the new one takes the plant.
    image.bytes = source;
    char* data = image.bytes.data();
    if (oldCode != newCode)
        std::memset(data + qint64(oldCode - 1) * size, ' ', std::size_t(size));
    encodePlant(plant, data + qint64(newCode - 1) * size, form);
    image.ok = true;
    return image;
}

bool TCadHd::StorePlant(const QString& target, const QString& source, std::int32_t oldCode,
                        std::int32_t newCode, const TUsinaHd& plant) {
    QByteArray sourceBytes;
    if (source.isEmpty() || !readWholeFile(source, sourceBytes)) {
        m_show(*m_dialogs, RegistryTexts::ReadProblem);
        return false;
    }
    const StoreImage image = buildStoreImage(sourceBytes, oldCode, newCode, plant, m_form);
    if (!image.ok) {
        m_show(*m_dialogs, RegistryTexts::codeOutOfRange(image.badCode,
                                                         sourceBytes.size() / recordSize(m_form)));
        return false;
    }
    if (!writeFileAtomically(target, image.bytes)) {
        m_show(*m_dialogs, RegistryTexts::CannotWrite);
        return false;
    }
    return true;
}

bool TCadHd::WritePlantFields(QIODevice& stream, const TUsinaHd& plant) {
    const QByteArray bytes = encodePlant(plant, m_form);
    return stream.write(bytes) == bytes.size();
}

#include "editing/StoreSequence.h"

#include "editing/Destination.h"
#include "files/SafeWrite.h"
#include "registry/TCadHd.h"
#include "core/Dialogs.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

DestinationChoice ChooseDestFile(Dialogs& dialogs, const QString& startDir,
                                 const QString& registryInUse, const QString& loadedRegistry,
                                 const QDateTime& now, QString& destFileName,
                                 const QString& scratchCopy) {
    // "*" rather than "*.*": on Linux the latter hides names without a dot.
    const QString chosen =
        dialogs.saveFileFor(FileKind::Destination, QString(), QStringLiteral("(*.*) (*)"), startDir,
                            Destination::proposedName(now), /*confirmOverwrite=*/true);
    if (chosen.isEmpty())
        return DestinationChoice::Abandoned;
    if (Destination::refused(chosen, registryInUse, loadedRegistry,
                             scratchCopy.isEmpty() ? Destination::scratchCopyPath(startDir)
                                                   : scratchCopy)) {
        dialogs.message(MessageKind::Warning, Destination::SameAsSource);
        return DestinationChoice::Refused;
    }
    if (isSpecialFile(chosen)) {
        dialogs.message(MessageKind::Warning, notRegularFileText(chosen));
        return DestinationChoice::Refused;
    }
    destFileName = chosen;
    return DestinationChoice::Set;
}

QString scratchCopyFailureText(const QString& scratch, const QString& destination) {
    return QStringLiteral("Cópia de trabalho %1 não pode ser gravada! O Cadastro em uso passa a "
                          "ser %2.")
        .arg(QDir::toNativeSeparators(scratch), QDir::toNativeSeparators(destination));
}

QString scratchCopyMissingText(const QString& scratch, const QString& destination) {
    return QStringLiteral("Cópia de trabalho %1 não encontrada! O Cadastro em uso passa a ser %2.")
        .arg(QDir::toNativeSeparators(scratch), QDir::toNativeSeparators(destination));
}

static QByteArray digestOf(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

QString standInForMissingScratch(const QString& registryInUse, const ScratchCopyOrigin& origin) {
    if (origin.scratch.isEmpty() || registryInUse != origin.scratch ||
        QFileInfo::exists(registryInUse))
        return {};
    QByteArray bytes;
    if (!readWholeFile(origin.destination, bytes) || digestOf(bytes) != origin.digest)
        return {};
    return origin.destination;
}

bool writeScratchCopy(const QString& destination, const QString& scratch, QByteArray* digest) {
    QByteArray bytes;
    if (!readWholeFile(destination, bytes) || !writeFileAtomically(scratch, bytes))
        return false;
    if (digest)
        *digest = digestOf(bytes);
    return true;
}

StoreResult storePlantAndCopy(TCadHd& cad, Dialogs& dialogs, const QString& destination,
                              const QString& registryInUse, const QString& scratch,
                              std::int32_t oldCode, std::int32_t newCode, const TUsinaHd& plant) {
    StoreResult result;
    result.written = cad.StorePlant(destination, registryInUse, oldCode, newCode, plant);
    if (!result.written)
        return result;
    if (scratch.isEmpty()) {
        result.registryInUse = destination;
    } else if (writeScratchCopy(destination, scratch, &result.origin.digest)) {
        result.registryInUse = scratch;
        result.origin.scratch = scratch;
        result.origin.destination = destination;
    } else {
        dialogs.message(MessageKind::Plain, scratchCopyFailureText(scratch, destination));
        result.registryInUse = destination;
    }
    return result;
}

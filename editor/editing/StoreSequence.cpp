#include "editing/StoreSequence.h"

#include "editing/Destination.h"
#include "registry/TCadHd.h"
#include "window/Dialogs.h"

#include "registry/SafeWrite.h"
#include <QDir>

DestinationChoice ChooseDestFile(Dialogs& dialogs, const QString& startDir,
                                 const QString& registryInUse, const QString& loadedRegistry,
                                 const QDateTime& now, QString& destFileName,
                                 const QString& scratchCopy) {
    // "*" rather than "*.*": on Linux the latter hides names without a dot.
    const QString chosen =
        dialogs.saveFile(QString(), QStringLiteral("(*.*) (*)"), startDir,
                         Destination::proposedName(now), /*confirmOverwrite=*/true);
    if (chosen.isEmpty())
        return DestinationChoice::Abandoned;
    if (Destination::refused(chosen, registryInUse, loadedRegistry,
                             scratchCopy.isEmpty() ? Destination::scratchCopyPath(startDir)
                                                   : scratchCopy)) {
        dialogs.message(MessageKind::Warning, Destination::SameAsSource);
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

bool writeScratchCopy(const QString& destination, const QString& scratch) {
    QByteArray bytes;
    if (!readWholeFile(destination, bytes))
        return false;
    return writeFileAtomically(scratch, bytes);
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
    } else if (writeScratchCopy(destination, scratch)) {
        result.registryInUse = scratch;
    } else {
        dialogs.message(MessageKind::Plain, scratchCopyFailureText(scratch, destination));
        result.registryInUse = destination;
    }
    return result;
}

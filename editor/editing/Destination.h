#pragma once
// Choosing where changes are stored: the proposed name, and the files a destination must
// never be.

#include <QDateTime>
#include <QString>

#include "files/SafeWrite.h"

namespace Destination {

// "HIDR_20261208_065314.DAT": formatted here, so no other date of the program changes.
QString proposedName(const QDateTime& when);

// The refusal shown when the destination is one of the registries in use.
inline const QString SameAsSource =
    QStringLiteral("Arquivo de Destino não pode ser igual ao Arquivo de Origem !");

using ::sameFile;

// True when the destination would overwrite the registry in use, the registry loaded, or the
// scratch copy (which is deleted at exit and would take every change with it).
bool refused(const QString& destination, const QString& registryInUse,
             const QString& loadedRegistry, const QString& scratchCopy);

// The scratch copy "AuxCad.cad" in the start-up folder.
QString scratchCopyPath(const QString& startDir);

} // namespace Destination

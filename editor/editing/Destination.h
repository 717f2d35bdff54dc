#pragma once
// Choosing where changes are stored: the proposed name, and the files a destination must
// never be.

#include <QDateTime>
#include <QString>

namespace Destination {

// "HIDR_20261208_065314.DAT": formatted here, so no other date of the program changes.
QString proposedName(const QDateTime& when);

// The refusal shown when the destination is one of the registries in use.
inline const QString SameAsSource =
    QStringLiteral("Arquivo de Destino não pode ser igual ao Arquivo de Origem !");

// True when both paths name the same file: the same canonical path or the same device and
// inode (a symbolic or hard link to it); a path that does not exist compares by its absolute,
// cleaned form. An empty path is never the same as anything.
bool sameFile(const QString& a, const QString& b);

// True when the destination would overwrite the registry in use, the registry loaded, or the
// scratch copy (which is deleted at exit and would take every change with it).
bool refused(const QString& destination, const QString& registryInUse,
             const QString& loadedRegistry, const QString& scratchCopy);

// The scratch copy "AuxCad.cad" in the start-up folder.
QString scratchCopyPath(const QString& startDir);

} // namespace Destination

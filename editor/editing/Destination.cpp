#include "editing/Destination.h"

#include <QDir>
#include <QFileInfo>

namespace Destination {

QString proposedName(const QDateTime& when) {
    return QStringLiteral("HIDR_") + when.toString(QStringLiteral("yyyyMMdd_HHmmss")) +
           QStringLiteral(".DAT");
}

bool refused(const QString& destination, const QString& registryInUse,
             const QString& loadedRegistry, const QString& scratchCopy) {
    return sameFile(destination, registryInUse) || sameFile(destination, loadedRegistry) ||
           sameFile(destination, scratchCopy);
}

QString scratchCopyPath(const QString& startDir) {
    return QDir(startDir).filePath(QStringLiteral("AuxCad.cad"));
}

} // namespace Destination

#include "editing/Destination.h"

#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>

namespace Destination {

QString proposedName(const QDateTime& when) {
    return QStringLiteral("HIDR_") + when.toString(QStringLiteral("yyyyMMdd_HHmmss")) +
           QStringLiteral(".DAT");
}

namespace {

bool sameInode(const QString& a, const QString& b) {
    struct stat sa {};
    struct stat sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

} // namespace

bool sameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo ia(a);
    const QFileInfo ib(b);
    if (ia.exists() && ib.exists()) {
        const QString ca = ia.canonicalFilePath();
        if (!ca.isEmpty() && ca == ib.canonicalFilePath())
            return true;
        return sameInode(a, b);
    }
    return QDir::cleanPath(ia.absoluteFilePath()) == QDir::cleanPath(ib.absoluteFilePath());
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

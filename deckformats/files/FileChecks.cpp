#include "files/FileChecks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

bool isSpecialFile(const QString& path) {
    if (path.isEmpty())
        return false;
#ifdef Q_OS_UNIX
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode);
#else
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
#endif
}

namespace {

// A hard link has a canonical path of its own: only the device and inode tell.
bool sameInode([[maybe_unused]] const QString& a, [[maybe_unused]] const QString& b) {
#ifdef Q_OS_UNIX
    struct stat sa {};
    struct stat sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
#else
    return false;
#endif
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

QString clashingFile(const QString& output, const QStringList& files) {
    for (const QString& file : files)
        if (sameFile(output, file))
            return file;
    return {};
}

OutputCheck checkOutput(const QString& output, const QStringList& inputs) {
    // A FIFO, a device, a socket or a folder would be replaced by a regular file (a device
    // node even as root): only a regular file is ever an output.
    if (isSpecialFile(output))
        return {OutputRefusal::NotRegularFile, {}};
    // Replacing the output would destroy the input before it is read.
    for (const QString& input : inputs)
        if (sameFile(output, input))
            return {OutputRefusal::IsAnInput, input};
    return {};
}

QString notRegularFileText(const QString& path) {
    return QStringLiteral("Arquivo de saída \"%1\" não é um arquivo comum.")
        .arg(QDir::toNativeSeparators(path));
}

QString notRegularInputText(const QString& path) {
    return QStringLiteral("Arquivo de entrada \"%1\" não é um arquivo comum.")
        .arg(QDir::toNativeSeparators(path));
}

QString outputIsInputText() {
    return QStringLiteral("Arquivo de saída não pode ser igual ao arquivo de entrada !");
}

#include "cli/ModuleLookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

namespace Torvane {

QString programFolder(const char* argv0) {
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists())
        return QFileInfo(self.canonicalFilePath()).absolutePath();
    if (argv0)
        return QFileInfo(QFile::decodeName(argv0)).absolutePath();
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

QStringList moduleFolders(const char* argv0) {
    return {programFolder(argv0), QStringLiteral(TORVANE_MODULE_DIR)};
}

QString findModule(const QString& fileName, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(fileName);
        if (QFileInfo(path).isFile())
            return path;
    }
    return QDir(folders.value(0)).filePath(fileName);
}

QFunctionPointer moduleEntry(const QString& fileName, const char* symbol, QString& error,
                             const char* argv0) {
    QLibrary module(findModule(fileName, moduleFolders(argv0)));
    const QFunctionPointer entry = module.resolve(symbol);
    if (!entry)
        error = module.errorString();
    return entry;
}

} // namespace Torvane

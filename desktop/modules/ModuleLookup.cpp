#include "modules/ModuleLookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

namespace Desktop {

QString programFolder(const char* argv0) {
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists())
        return QFileInfo(self.canonicalFilePath()).absolutePath();
    if (argv0)
        return QFileInfo(QFile::decodeName(argv0)).absolutePath();
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

QStringList moduleFolders(const QString& installedFolder, const char* argv0) {
    return {programFolder(argv0), installedFolder};
}

QString findModule(const QString& fileName, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(fileName);
        if (QFileInfo(path).isFile())
            return path;
    }
    return QDir(folders.value(0)).filePath(fileName);
}

QFunctionPointer moduleEntry(const QString& fileName, const char* symbol,
                             const QString& installedFolder, QString& error, const char* argv0) {
    QLibrary module(findModule(fileName, moduleFolders(installedFolder, argv0)));
    const QFunctionPointer entry = module.resolve(symbol);
    if (!entry)
        error = module.errorString();
    return entry;
}

} // namespace Desktop

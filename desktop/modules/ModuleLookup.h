#pragma once
// A program's optional parts (its window, its charts) are modules loaded on demand, so that its
// commands load QtCore only. A build keeps them beside the executable; an installation keeps
// them in a folder of the program's own under the library folder, as executables do not belong
// among libraries.

#include <QFunctionPointer>
#include <QString>
#include <QStringList>

namespace Desktop {

// The folder of the running executable (argv0 serves only where /proc is missing).
QString programFolder(const char* argv0 = nullptr);

// The folders a module is looked for in, in order: beside the executable, then installedFolder.
QStringList moduleFolders(const QString& installedFolder, const char* argv0 = nullptr);

// The first of the folders that holds fileName; when none does, the name in the first folder,
// so that a failure names the place beside the executable.
QString findModule(const QString& fileName, const QStringList& folders);

// Loads the module fileName found in moduleFolders(installedFolder) and resolves its entry
// point symbol; null, with the loader's reason in error, when either fails. The module stays
// loaded.
QFunctionPointer moduleEntry(const QString& fileName, const char* symbol,
                             const QString& installedFolder, QString& error,
                             const char* argv0 = nullptr);

} // namespace Desktop

#pragma once
// torvane's optional parts (the window) are modules loaded on demand, so that the conversions
// load QtCore only. A build keeps them beside the executable; an installation keeps them in
// a folder of their own under the library folder, as executables do not belong among libraries.

#include <QFunctionPointer>
#include <QString>
#include <QStringList>

namespace Torvane {

// The folder of the running executable (argv0 serves only where /proc is missing).
QString programFolder(const char* argv0 = nullptr);

// The folders a module is looked for in, in order: beside the executable, then the installed one.
QStringList moduleFolders(const char* argv0 = nullptr);

// The first of the folders that holds fileName; when none does, the name in the first folder,
// so that a failure names the place beside the executable.
QString findModule(const QString& fileName, const QStringList& folders);

// Loads the module fileName found in moduleFolders and resolves its entry point symbol; null,
// with the loader's reason in error, when either fails. The module stays loaded.
QFunctionPointer moduleEntry(const QString& fileName, const char* symbol, QString& error,
                             const char* argv0 = nullptr);

} // namespace Torvane

#include "cli/CommandLine.h"
#include "workflow/Dialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <cstdio>

namespace {

// The folder of this executable, where the window's module lies beside it.
QString programFolder(const char* argv0) {
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists())
        return QFileInfo(self.canonicalFilePath()).absolutePath();
    return QFileInfo(QFile::decodeName(argv0)).absolutePath();
}

int runWindow(int& argc, char** argv) {
    QLibrary module(programFolder(argv[0]) + QStringLiteral("/" TORVANE_WINDOW_MODULE));
    using Entry = int (*)(int*, char**);
    const auto entry = reinterpret_cast<Entry>(module.resolve("torvaneRunWindow"));
    if (!entry) {
        std::fprintf(stderr, "torvane: a janela não pôde ser aberta: %s\n",
                     module.errorString().toUtf8().constData());
        return Torvane::kExitFailure;
    }
    return entry(&argc, argv);
}

// "vazoes plot" from the window's module, where the chart library is.
int runChartCommand(int& argc, char** argv, const QStringList& arguments) {
    QLibrary module(programFolder(argv[0]) + QStringLiteral("/" TORVANE_WINDOW_MODULE));
    using Entry = int (*)(int*, char**, const QStringList*);
    const auto entry = reinterpret_cast<Entry>(module.resolve("torvaneRunChartCommand"));
    if (!entry) {
        std::fprintf(stderr, "torvane: os gráficos não puderam ser desenhados: %s\n",
                     module.errorString().toUtf8().constData());
        return Torvane::kExitFailure;
    }
    return entry(&argc, argv, &arguments);
}

} // namespace

int main(int argc, char** argv) {
    // The bytes of argv are the names; see argumentsFromBytes for those Qt cannot hold.
    const QStringList arguments = Torvane::argumentsFromBytes(argc, argv);
    if (!Torvane::wantsCommandLine(arguments))
        return runWindow(argc, argv);
    if (Torvane::needsCharts(arguments))
        return runChartCommand(argc, argv, arguments);
    // No display needed: the command line never opens a window.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(Torvane::applicationTitle());
    QCoreApplication::setApplicationVersion(Torvane::applicationVersion());
    return Torvane::runCommandLine(arguments);
}

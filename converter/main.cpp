#include "cli/CommandLine.h"
#include "modules/ModuleLookup.h"
#include "workflow/Dialogs.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

int runWindow(int& argc, char** argv) {
    QString error;
    using Entry = int (*)(int*, char**);
    const auto entry = reinterpret_cast<Entry>(Desktop::moduleEntry(
        QStringLiteral(TORVANE_WINDOW_MODULE), "torvaneRunWindow",
        QStringLiteral(TORVANE_MODULE_DIR), error, argv[0]));
    if (!entry) {
        std::fprintf(stderr, "torvane: a janela não pôde ser aberta: %s\n",
                     error.toUtf8().constData());
        return Torvane::kExitFailure;
    }
    return entry(&argc, argv);
}

// "vazoes plot" from the window's module, where the chart library is.
int runChartCommand(int& argc, char** argv, const QStringList& arguments) {
    QString error;
    using Entry = int (*)(int*, char**, const QStringList*);
    const auto entry = reinterpret_cast<Entry>(Desktop::moduleEntry(
        QStringLiteral(TORVANE_WINDOW_MODULE), "torvaneRunChartCommand",
        QStringLiteral(TORVANE_MODULE_DIR), error, argv[0]));
    if (!entry) {
        std::fprintf(stderr, "torvane: os gráficos não puderam ser desenhados: %s\n",
                     error.toUtf8().constData());
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

#include "cli/CommandLine.h"
#include "window/WindowApplication.h"
#include "workflow/Dialogs.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    // The bytes of argv are the names; see argumentsFromBytes for those Qt cannot hold.
    const QStringList arguments = Torvane::argumentsFromBytes(argc, argv);
    if (Torvane::wantsCommandLine(arguments)) {
        // No display needed: the command line never opens a window.
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(Torvane::applicationTitle());
        QCoreApplication::setApplicationVersion(Torvane::applicationVersion());
        return Torvane::runCommandLine(arguments);
    }
    return Torvane::runWindow(argc, argv);
}

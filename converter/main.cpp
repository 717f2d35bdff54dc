#include "cli/CommandLine.h"
#include "window/QtDialogs.h"
#include "window/TForm1.h"

#include <QApplication>
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

    QApplication app(argc, argv);
    // Qt's own options (-style, -platform, ...) are QApplication's to take.
    QApplication::setApplicationName(Torvane::applicationTitle());
    QApplication::setApplicationVersion(Torvane::applicationVersion());
    QApplication::setApplicationDisplayName(Torvane::applicationTitle());
    Torvane::QtDialogs dialogs;
    Torvane::TForm1 form(dialogs);
    dialogs.setParent(&form);
    form.show();
    return app.exec();
}

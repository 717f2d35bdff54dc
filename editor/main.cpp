#include "cli/CommandLine.h"
#include "core/Dialogs.h"
#include "window/QtDialogs.h"
#include "window/TFRMeditor.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (auto rc = runCommandLine(argc, argv))
        return *rc;
    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationName);

    QtDialogs dialogs;
    if (const QString bad = unusableArgument(argc, argv); !bad.isEmpty()) {
        dialogs.message(MessageKind::Warning, bad);
        return 1;
    }
    TFRMeditor window(dialogs, QCoreApplication::arguments().mid(1));
    dialogs.setParent(&window);
    window.showMaximized();
    return app.exec();
}

#include "reports/CommandLine.h"
#include "window/Dialogs.h"
#include "window/TFRMeditor.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (auto rc = runCommandLine(argc, argv))
        return *rc;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hydro Plant\u00B4s Cadastre Editor"));

    QtDialogs dialogs;
    // The about box is made by the window's language start-up, with the window.
    TFRMeditor window(dialogs, QCoreApplication::arguments().mid(1));
    dialogs.setParent(&window);
    window.showMaximized();
    return app.exec();
}

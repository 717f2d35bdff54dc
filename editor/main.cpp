#include "cli/CommandLine.h"
#include "core/Dialogs.h"
#include "window/QtDialogs.h"
#include "window/TFRMeditor.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Decided before the window's application object exists: without a display it would
    // abort the program, and an option the window does not take is a usage error anyway.
    if (auto rc = runCommandLine(argc, argv))
        return *rc;
    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationName);

    QtDialogs dialogs;
    // Shown before the first activation, while the window's design English stands.
    if (const QString bad = unusableArgument(argc, argv, Language::English); !bad.isEmpty()) {
        dialogs.message(MessageKind::Warning, bad);
        return 1;
    }
    QStringList arguments = windowArguments(QCoreApplication::arguments().mid(1));
    const RecordForm form = takeWindowForm(arguments);
    TFRMeditor window(dialogs, arguments);
    window.document().setRequestedForm(form);
    dialogs.setParent(&window);
    window.showMaximized();
    return app.exec();
}

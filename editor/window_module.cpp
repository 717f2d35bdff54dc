// The window as a module: quillmark loads it only for the window and for the two commands that
// draw, so that every other command never loads Widgets, Gui, Print Support, Svg or Charts.
#include "cli/CommandLine.h"
#include "core/Dialogs.h"
#include "window/DrawingCommands.h"
#include "window/QtDialogs.h"
#include "window/TFRMeditor.h"

#include <QApplication>

extern "C" Q_DECL_EXPORT int quillmarkRunWindow(int* argc, char** argv) {
    QApplication app(*argc, argv);
    QApplication::setApplicationName(ApplicationName);

    QtDialogs dialogs;
    // Shown before the first activation, while the window's design English stands.
    if (const QString bad = unusableArgument(*argc, argv, Language::English); !bad.isEmpty()) {
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

extern "C" Q_DECL_EXPORT int quillmarkRunDrawingCommand(int* argc, char** argv,
                                                        const CliArguments* args) {
    return runDrawingCommand(*argc, argv, *args);
}

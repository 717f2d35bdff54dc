// The window as a module: torvane loads it only when no command is given, so the conversions
// never load Widgets, Gui, Svg or Charts. "vazoes plot" is run from here too, for its charts.
#include "cli/CommandLine.h"
#include "window/SeriesCharts.h"
#include "window/WindowApplication.h"

#include <QApplication>
#include <QtGlobal>
#include <cstdio>

namespace {

// Qt's own notes (a runtime folder not set, a font substituted) are no message of the
// command's: only its errors reach stderr.
QtMessageHandler standardHandler = nullptr;

void quietQtNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtCriticalMsg && type != QtFatalMsg)
        return;
    if (standardHandler)
        standardHandler(type, context, text);
    else
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

} // namespace

extern "C" Q_DECL_EXPORT int torvaneRunWindow(int* argc, char** argv) {
    return Torvane::runWindow(*argc, argv);
}

// The command line with the charts at hand. Qt Charts draws through graphics widgets, which
// need a QApplication; a file needs no display, so without a platform named the offscreen one
// is taken.
extern "C" Q_DECL_EXPORT int torvaneRunChartCommand(int* argc, char** argv,
                                                    const QStringList* arguments) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(quietQtNotes);
    QApplication app(*argc, argv);
    Torvane::setUpWindowApplication();
    return Torvane::runCommandLine(*arguments, &Torvane::plotStation);
}

// The window as a module: torvane loads it only when no command is given, so the conversions
// never load Widgets, Gui or Svg.
#include "window/WindowApplication.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT int torvaneRunWindow(int* argc, char** argv) {
    return Torvane::runWindow(*argc, argv);
}

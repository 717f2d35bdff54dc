#include "files/QtOptions.h"

namespace {

const char* const ValueOptions[] = {"platform",   "platformpluginpath", "platformtheme",
                                    "plugin",     "qwindowgeometry",    "geometry",
                                    "qwindowtitle", "title",            "qwindowicon",
                                    "icon",       "session",            "style",
                                    "stylesheet", "display",            "name",
                                    "visual"};
const char* const FlagOptions[] = {"reverse", "testability", "widgetcount", "dograb",
                                   "nograb",  "sync",        "qdevel",      "qdebug"};
const char* const JoinedOptions[] = {"style=", "stylesheet=", "qmljsdebugger="};

} // namespace

QtOption qtWindowOption(const QString& arg) {
    if (!arg.startsWith(u'-') || arg == u"-" || arg == u"--")
        return QtOption::None;
    const QString bare = arg.mid(arg.startsWith(u"--") ? 2 : 1);
    for (const char* o : ValueOptions)
        if (bare == QLatin1String(o))
            return QtOption::WithValue;
    for (const char* o : FlagOptions)
        if (bare == QLatin1String(o))
            return QtOption::Flag;
    for (const char* o : JoinedOptions)
        if (bare.startsWith(QLatin1String(o)))
            return QtOption::Flag;
    return QtOption::None;
}

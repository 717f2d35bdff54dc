#pragma once
// Qt's own options for a window, which its application object takes out of the arguments
// (QGuiApplication, QApplication and the X11 platform), with one dash or two. Both programs
// leave them to the window and read the rest as their command line.

#include <QString>

enum class QtOption {
    None,      // no option of Qt's ("-" and "--" included)
    Flag,      // stands alone, or carries its value joined ("-style=fusion")
    WithValue, // takes the next argument as its value ("-platform offscreen")
};
QtOption qtWindowOption(const QString& arg);

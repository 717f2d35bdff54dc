#pragma once
// The conversions without the window: torvane KIND DIRECTION INPUT OUTPUT [options].
// Messages go to stderr as UTF-8; 0 on success, 1 on any failure, 2 on a usage error.

#include <QStringList>

namespace Torvane {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// The arguments (program name excluded) less Qt's own options for the window (-platform X,
// -style X, -reverse, ...), which the window's QApplication takes itself. Scanning stops at
// "--"; an option of Qt's that lacks its value stays.
QStringList withoutQtOptions(const QStringList& arguments);

// True when the arguments ask for the command line: anything but Qt's own options.
bool wantsCommandLine(const QStringList& arguments);

// Runs one command; Qt's own options among the arguments are ignored.
int runCommandLine(const QStringList& arguments);

QString helpText();

} // namespace Torvane

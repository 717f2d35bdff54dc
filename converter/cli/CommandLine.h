#pragma once
// The conversions without the window: torvane KIND DIRECTION INPUT OUTPUT [options].
// Messages go to stderr as UTF-8; 0 on success, 1 on any failure, 2 on a usage error.

#include <QStringList>

namespace Torvane {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// True when the arguments (program name excluded) ask for the command line, not the window.
bool wantsCommandLine(const QStringList& arguments);
int runCommandLine(const QStringList& arguments);

QString helpText();

} // namespace Torvane

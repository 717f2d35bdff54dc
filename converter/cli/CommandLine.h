#pragma once
// The conversions without the window: torvane KIND DIRECTION INPUT OUTPUT [options], and
// torvane all DIRECTION INDIR OUTDIR for a folder's three files at once.
// Messages go to stderr as UTF-8; 0 on success, 1 on any failure, 2 on a usage error.

#include "workflow/FolderConversion.h"
#include "workflow/Series.h"

#include <QStringList>

namespace Torvane {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// argv[1..] as arguments. Each is what QFile::decodeName makes of it when QFile::encodeName gives
// those very bytes back; otherwise (bytes that are not UTF-8) every stray byte is held as the
// lone surrogate U+DC00 + byte, which no decoded name contains, so that the command line can
// refuse the name instead of opening or creating another one.
QStringList argumentsFromBytes(int argc, char** argv);

// The arguments (program name excluded) less Qt's own options for the window (-platform X,
// -style X, -reverse, ...), which the window's QApplication takes itself. Scanning stops at
// "--"; an option of Qt's that lacks its value stays.
QStringList withoutQtOptions(const QStringList& arguments);

// True when the arguments ask for the command line: anything but Qt's own options.
bool wantsCommandLine(const QStringList& arguments);

// True for "vazoes plot", which draws with the chart library: torvane runs it from the window's
// module, never on the conversions' path.
bool needsCharts(const QStringList& arguments);

// Runs one command; Qt's own options among the arguments are ignored. renderer draws the charts
// of "vazoes plot" (null where the chart library is not loaded).
int runCommandLine(const QStringList& arguments, PlotRenderer renderer = nullptr);

// The usage text; --lang en gives it in English.
QString helpText(Language language = Language::Portuguese);

} // namespace Torvane

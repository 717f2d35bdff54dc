#include "cli/CurveCommands.h"

#include "cli/CommandLine.h"
#include "cli/StderrDialogs.h"
#include "curves/CurveSummary.h"

#include <QDir>
#include <QStringList>

namespace {

int summary(const CliArguments& args) {
    const QStringList& names = args.names;
    StderrDialogs dialogs(args.language);
    if (!reportMayStart(args, dialogs))
        return 1;
    return PlantCurves::writeSummary(names.at(0), names.at(1), QLocale::system(), dialogs,
                                     args.form)
               ? 0
               : 1;
}

} // namespace

int runSummaryCommand(const CliArguments& args) {
    return summary(args);
}

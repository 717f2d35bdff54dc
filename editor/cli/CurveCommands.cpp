#include "cli/CurveCommands.h"

#include "cli/CommandLine.h"
#include "cli/StderrDialogs.h"
#include "curves/CurveSources.h"
#include "curves/CurveSummary.h"
#include "editing/NumberInput.h"
#include "registry/AnsiText.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "files/SafeWrite.h"
#include "registry/TCadHd.h"
#include "window/CurveCharts.h"

#include <QDir>
#include <QStringList>
#include <cstdio>

namespace {

void say(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

int summary(const CliArguments& args) {
    const QStringList& names = args.names;
    StderrDialogs dialogs(args.language);
    if (refusedReportOutput(names.at(0), names.at(1), dialogs, args.language))
        return 1;
    noteIncompleteRecord(names.at(0), args.language, args.form);
    return PlantCurves::writeSummary(names.at(0), names.at(1), QLocale::system(), dialogs,
                                     args.form)
               ? 0
               : 1;
}

int curves(const CliArguments& args, const QString& usage) {
    const QStringList& names = args.names;
    const Language language = args.language;
    const QString& registryFile = names.at(0);
    const QString& output = names.at(2);
    const std::optional<std::int32_t> code = NumberInput::toInteger(names.at(1));
    if (!code) {
        say(commandText(CommandText::CodeNotNumber, language).arg(names.at(1)));
        std::fputs(usage.toUtf8().constData(), stderr);
        return 1;
    }
    StderrDialogs dialogs(language);
    if (refusedReportOutput(registryFile, output, dialogs, language))
        return 1;
    if (!isCurveFileName(output)) {
        say(curveText(CurveText::SaveExtension, language).arg(output));
        return 1;
    }
    noteIncompleteRecord(registryFile, language, args.form);
    QByteArray registry;
    if (!readWholeFile(registryFile, registry)) {
        dialogs.message(MessageKind::Plain, RegistryTexts::ReadProblem);
        return 1;
    }
    const RecordForm form = resolveForm(args.form, registry.size());
    const PlantList list = plantListFromBytes(registry, form);
    QString entry;
    for (const QString& e : list.entries)
        if (codeTextOfEntry(e, true).toInt() == *code)
            entry = e;
    if (entry.isEmpty()) {
        say(commandText(CommandText::NoPlantWithCode, language).arg(*code));
        return 1;
    }
    TUsinaHd plant;
    const qsizetype size = recordSize(form);
    const qsizetype offset = qsizetype(*code - 1) * size;
    decodePlant(registry.constData() + offset,
                std::size_t(std::min<qsizetype>(size, registry.size() - offset)), plant, form);
    CurvePage page;
    page.title = entry;
    page.language = language; // the charts' and the page's texts too
    page.locale = QLocale::system();
    const PlantCurves::Figures figures =
        PlantCurves::computeFigures(PlantCurves::storedSource(plant));
    QString error;
    if (!writeCurveFile(output, figures, page, error)) {
        dialogs.message(MessageKind::Error, error);
        return 1;
    }
    return 0;
}

} // namespace

int runCurveCommand(const CliArguments& args, const QString& usage) {
    return args.mode == CliMode::Summary ? summary(args) : curves(args, usage);
}

#include "window/DrawingCommands.h"

#include "cli/CommandLine.h"
#include "cli/StderrDialogs.h"
#include "curves/CurveSources.h"
#include "editing/NumberInput.h"
#include "files/SafeWrite.h"
#include "registry/LookupLists.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "registry/TCadHd.h"
#include "reports/PrintJobs.h"
#include "window/CurveCharts.h"

#include <QApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QPrinter>
#include <QStringList>
#include <cstdio>
#include <memory>

namespace {

void say(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

// Qt warns on stderr that it made its own runtime folder when XDG_RUNTIME_DIR is unset, as it
// is in a script or a service: noise in a command's output. That one warning is dropped while
// the command line runs Qt's offscreen platform; every other goes on.
QtMessageHandler previousHandler = nullptr;

void quietRuntimeDir(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (previousHandler)
        previousHandler(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, text).toUtf8().constData());
}

// No window is opened: the offscreen platform serves with or without a display (a display
// that cannot be reached would stop the program before it starts).
void takeOffscreenPlatform() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(quietRuntimeDir);
}

int printPdf(const CliArguments& args, Dialogs& dialogs) {
    const QString& registry = args.names.at(0);
    const QString& output = args.names.at(1);
    if (!reportMayStart(args, dialogs))
        return 1;
    AllPlantsJob job;
    job.form = args.form;
    job.lists = readLists(args, dialogs);
    job.locale = QLocale::system();
    // The sheets carry the headings and the title of the window in that language.
    job.captions = sectionCaptions(int(args.language));
    const QString title = languageTitle(args.language) + QStringLiteral(" - ") + registry;
    const QLocale locale = job.locale;
    job.footer = [title, locale] {
        return footerLine(title, QDateTime::currentDateTime(), locale);
    };
    job.fromPage = args.fromPage;
    job.toPage = args.toPage;

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(output);
    const LandscapeScope landscape(printer);
    const PrintResult result = printAllPlantsFromFile(printer, registry, job, dialogs);
    switch (result.status) {
    case PrintResult::Status::Printed:
        return 0;
    case PrintResult::Status::NothingToPrint:
        dialogs.message(MessageKind::Plain,
                        commandText(CommandText::NothingToPrint, args.language));
        return 1;
    case PrintResult::Status::Failed:
        if (!result.error.isEmpty())
            dialogs.message(MessageKind::Error, result.error);
        return 1;
    }
    return 1;
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

int runDrawingCommand(int& argc, char** argv, const CliArguments& args) {
    takeOffscreenPlatform();
    std::unique_ptr<QCoreApplication> app;
    if (args.mode == CliMode::PrintPdf)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(ApplicationName);
    if (const std::optional<int> refused = refusedConfig(args))
        return *refused;
    if (args.mode == CliMode::PrintPdf) {
        StderrDialogs dialogs(args.language);
        return printPdf(args, dialogs);
    }
    return curves(args, usageText(args.language));
}

#include "cli/CurveCommands.h"

#include "cli/CommandLine.h"
#include "cli/StderrDialogs.h"
#include "curves/CurveSources.h"
#include "curves/CurveSummary.h"
#include "editing/NumberInput.h"
#include "registry/AnsiText.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "registry/SafeWrite.h"
#include "registry/TCadHd.h"
#include "window/CurveCharts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

void say(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

// The names after the option: exactly `wanted` of them, a name beginning with "-" after "--".
bool parseNames(const QStringList& args, const QString& option, qsizetype wanted,
                QStringList& names, QString& error) {
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(option));
    if (!parser.parse(QStringList{QStringLiteral("quillmark")} + args)) {
        error = parser.errorText();
        return false;
    }
    if (parser.optionNames().count(option) > 1) {
        error = QStringLiteral("--%1 is given twice.").arg(option);
        return false;
    }
    names = parser.positionalArguments();
    if (names.size() < wanted) {
        error = option == u"curves"
                    ? QStringLiteral("The option --curves needs a registry, a plant code and an "
                                     "output file.")
                    : QStringLiteral("The option --summary needs two file names.");
        return false;
    }
    if (names.size() > wanted) {
        error = QStringLiteral("Unknown argument: ") + names.at(wanted);
        return false;
    }
    return true;
}

int summary(const QStringList& args, const char* usage) {
    QStringList names;
    QString error;
    if (!parseNames(args, QStringLiteral("summary"), 2, names, error)) {
        std::fprintf(stderr, "%s\n%s", error.toLocal8Bit().constData(), usage);
        return 1;
    }
    StderrDialogs dialogs;
    if (refusedReportOutput(names.at(0), names.at(1), dialogs))
        return 1;
    noteIncompleteRecord(names.at(0), Language::Portuguese);
    return PlantCurves::writeSummary(names.at(0), names.at(1), QLocale::system(), dialogs) ? 0 : 1;
}

int curves(const QStringList& args, const char* usage) {
    QStringList names;
    QString error;
    if (!parseNames(args, QStringLiteral("curves"), 3, names, error)) {
        std::fprintf(stderr, "%s\n%s", error.toLocal8Bit().constData(), usage);
        return 1;
    }
    const QString& registryFile = names.at(0);
    const QString& output = names.at(2);
    const std::optional<std::int32_t> code = NumberInput::toInteger(names.at(1));
    if (!code) {
        std::fprintf(
            stderr, "%s\n%s",
            qPrintable(QStringLiteral("The plant code must be a whole number: ") + names.at(1)),
            usage);
        return 1;
    }
    StderrDialogs dialogs;
    if (refusedReportOutput(registryFile, output, dialogs))
        return 1;
    if (!isCurveFileName(output)) {
        say(curveText(CurveText::SaveExtension, Language::Portuguese).arg(output));
        return 1;
    }
    noteIncompleteRecord(registryFile, Language::Portuguese);
    QByteArray registry;
    if (!readWholeFile(registryFile, registry)) {
        dialogs.message(MessageKind::Plain, RegistryTexts::ReadProblem);
        return 1;
    }
    const PlantList list = plantListFromBytes(registry);
    QString entry;
    for (const QString& e : list.entries)
        if (codeTextOfEntry(e, true).toInt() == *code)
            entry = e;
    if (entry.isEmpty()) {
        say(QStringLiteral("No plant in use has the code %1.").arg(*code));
        return 1;
    }
    TUsinaHd plant;
    const qsizetype offset = qsizetype(*code - 1) * RecordSize;
    decodePlant(registry.constData() + offset,
                std::size_t(std::min<qsizetype>(RecordSize, registry.size() - offset)), plant);
    CurvePage page;
    page.title = entry;
    page.language = Language::Portuguese; // as the window starts
    page.locale = QLocale::system();
    const PlantCurves::Figures figures =
        PlantCurves::computeFigures(PlantCurves::storedSource(plant));
    if (!writeCurveFile(output, figures, page, error)) {
        dialogs.message(MessageKind::Error, error);
        return 1;
    }
    return 0;
}

} // namespace

bool isCurveCommand(int argc, char** argv) {
    return argc >= 2 &&
           (std::strcmp(argv[1], "--curves") == 0 || std::strcmp(argv[1], "--summary") == 0);
}

int runCurveCommand(int argc, char** argv, const char* usage) {
    // A name changed on its way in would read or write another file.
    if (const QString bad = unusableArgument(argc, argv); !bad.isEmpty()) {
        say(bad);
        return 1;
    }
    // Taken before the application object, which would take its own options out of argv.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (std::strcmp(argv[1], "--summary") == 0) {
        // Numbers and files only: the plain application starts fastest.
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(ApplicationName);
        return summary(args, usage);
    }
    // The charts need a GUI application; without a display the offscreen platform serves.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationName);
    return curves(args, usage);
}

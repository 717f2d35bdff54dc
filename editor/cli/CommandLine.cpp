#include "cli/CommandLine.h"

#include "cli/CurveCommands.h"
#include "cli/QualityCommands.h"
#include "cli/StderrDialogs.h"
#include "language/LanguageTexts.h"

#include "registry/LookupLists.h"
#include "registry/SafeWrite.h"
#include "reports/CsvExport.h"
#include "reports/PrintJobs.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

const char* const Usage =
    "Usage:\n"
    "  quillmark [REGISTRY]                        open the editor window\n"
    "  quillmark --export-csv REGISTRY OUTPUT      write the registry as CSV to OUTPUT\n"
    "  quillmark --print-pdf REGISTRY OUTPUT [--pages FROM-TO]\n"
    "                                              print every plant in use to the PDF OUTPUT,\n"
    "                                              one page per plant (pages FROM to TO only)\n"
    "  quillmark --check REGISTRY [--lang pt|en]   check every plant in use: Save's rules and\n"
    "                                              the rules across plants\n"
    "  quillmark --diff OLD NEW [--lang pt|en]     list what differs between two registries\n"
    "  quillmark --curves REGISTRY CODE OUTPUT     draw the curves and figures of a plant to\n"
    "                                              OUTPUT, a .pdf, .png or .svg file\n"
    "  quillmark --summary REGISTRY OUTPUT         write the figures of every plant in use as\n"
    "                                              CSV to OUTPUT\n"
    "Options of these modes:\n"
    "  --config FILE    read the turbine, subsystem and company names from FILE instead of\n"
    "                   the first config.ini found beside the program, in\n"
    "                   $XDG_CONFIG_HOME/velarin (~/.config/velarin), in /etc/xdg/velarin\n"
    "                   or in " VELARIN_DATA_DIR "\n"
    "  --lang pt|en     the language of --check's and --diff's texts (pt when not given)\n"
    "  --help           show this text\n"
    "  --version        show the program's version\n";

QString versionText() {
    return ShortName + QStringLiteral(" (quillmark) ") + ApplicationVersion;
}

// The interface starts in Portuguese, so the sheets carry its title.
QString portugueseTitle() {
    return languageTitle(Language::Portuguese);
}

enum class Mode { None, ExportCsv, PrintPdf, Help, Version };

struct Arguments {
    Mode mode = Mode::None;
    QString registry;
    QString output;
    QString config;
    bool hasPages = false;
    int fromPage = 0;
    int toPage = 0;
};

bool isOption(const char* arg) {
    for (const char* o : {"--export-csv", "--print-pdf", "--config", "--help", "--version"})
        if (std::strcmp(arg, o) == 0)
            return true;
    return false;
}

bool parsePositive(const QString& text, int& value) {
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    value = text.toInt();
    return value >= 1;
}

bool parsePages(const QString& text, int& from, int& to) {
    const qsizetype dash = text.indexOf(u'-');
    return dash > 0 && parsePositive(text.left(dash), from) &&
           parsePositive(text.mid(dash + 1), to) && from <= to;
}

// The whole argument list: one mode with its two names, --pages with --print-pdf only,
// --config anywhere; false with the reason on anything else. A name that begins with "-"
// follows "--".
bool parseArguments(const QStringList& args, Arguments& out, QString& error) {
    QCommandLineParser parser;
    const QCommandLineOption exportCsv(QStringLiteral("export-csv"));
    const QCommandLineOption printPdf(QStringLiteral("print-pdf"));
    const QCommandLineOption help(QStringLiteral("help"));
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption config(QStringLiteral("config"), {}, QStringLiteral("FILE"));
    const QCommandLineOption pages(QStringLiteral("pages"), {}, QStringLiteral("FROM-TO"));
    parser.addOptions({exportCsv, printPdf, help, version, config, pages});
    if (!parser.parse(QStringList{QStringLiteral("quillmark")} + args)) {
        error = parser.errorText();
        return false;
    }
    int modes = 0;
    for (const auto& [option, mode] : {std::pair{&help, Mode::Help},
                                       {&version, Mode::Version},
                                       {&exportCsv, Mode::ExportCsv},
                                       {&printPdf, Mode::PrintPdf}})
        if (parser.isSet(*option)) {
            out.mode = mode;
            modes += int(parser.optionNames().count(option->names().constFirst()));
        }
    if (modes > 1) {
        error = QStringLiteral("Only one of --export-csv, --print-pdf, --help and "
                               "--version can be given.");
        return false;
    }
    const QStringList names = parser.positionalArguments();
    if (out.mode == Mode::ExportCsv || out.mode == Mode::PrintPdf) {
        if (names.size() < 2) {
            error = QStringLiteral("The option --") +
                    (out.mode == Mode::ExportCsv ? QStringLiteral("export-csv")
                                                 : QStringLiteral("print-pdf")) +
                    QStringLiteral(" needs two file names.");
            return false;
        }
        out.registry = names.at(0);
        out.output = names.at(1);
    }
    if (names.size() > (out.registry.isNull() ? 0 : 2)) {
        error = QStringLiteral("Unknown argument: ") + names.value(out.registry.isNull() ? 0 : 2);
        return false;
    }
    if (parser.isSet(config))
        out.config = parser.values(config).constLast();
    if (parser.isSet(pages)) {
        const QString range = parser.values(pages).constLast();
        if (!parsePages(range, out.fromPage, out.toPage)) {
            error = QStringLiteral("--pages takes FROM-TO, two page numbers from 1 on, "
                                   "FROM not above TO: ") +
                    range;
            return false;
        }
        out.hasPages = true;
    }
    if (out.mode == Mode::None) {
        error = QStringLiteral("--config goes with --export-csv or --print-pdf.");
        return false;
    }
    if (out.hasPages && out.mode != Mode::PrintPdf) {
        error = QStringLiteral("--pages goes with --print-pdf.");
        return false;
    }
    return true;
}

LookupLists readLists(const Arguments& args, Dialogs& dialogs) {
    const QString path = args.config.isEmpty() ? configIniPath() : args.config;
    LookupLists lists;
    const ConfigResult config = readLookupLists(path, lists);
    if (!config.found)
        dialogs.message(MessageKind::Warning, config.warning);
    return lists;
}

int exportCsv(const Arguments& args, Dialogs& dialogs) {
    if (refusedReportOutput(args.registry, args.output, dialogs))
        return 1;
    noteIncompleteRecord(args.registry, Language::Portuguese);
    const LookupLists lists = readLists(args, dialogs);
    CsvExport::Source source;
    source.registryFile = args.registry;
    source.lists = &lists;
    source.locale = QLocale::system();
    if (!CsvExport::exportToFile(source, args.output, dialogs))
        return 1;
    dialogs.message(MessageKind::Information,
                    languageMessage(LanguageMessage::CsvWritten, int(Language::Portuguese)));
    return 0;
}

int printPdf(const Arguments& args, Dialogs& dialogs) {
    if (refusedReportOutput(args.registry, args.output, dialogs))
        return 1;
    noteIncompleteRecord(args.registry, Language::Portuguese);
    AllPlantsJob job;
    job.lists = readLists(args, dialogs);
    job.locale = QLocale::system();
    const QString title = portugueseTitle() + QStringLiteral(" - ") + args.registry;
    const QLocale locale = job.locale;
    job.footer = [title, locale] {
        return footerLine(title, QDateTime::currentDateTime(), locale);
    };
    job.fromPage = args.fromPage;
    job.toPage = args.toPage;

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(args.output);
    const LandscapeScope landscape(printer);
    const PrintResult result = printAllPlantsFromFile(printer, args.registry, job, dialogs);
    switch (result.status) {
    case PrintResult::Status::Printed:
        return 0;
    case PrintResult::Status::NothingToPrint:
        dialogs.message(MessageKind::Plain,
                        QStringLiteral("Nenhuma usina a imprimir: nenhuma página foi gerada."));
        return 1;
    case PrintResult::Status::Failed:
        if (!result.error.isEmpty())
            dialogs.message(MessageKind::Error, result.error);
        return 1;
    }
    return 1;
}

} // namespace

QString unusableArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        if (QFile::encodeName(QFile::decodeName(bytes)) == bytes)
            continue;
        QString shown;
        for (char c : bytes)
            shown += (c & 0x80) ? QStringLiteral("\\x%1").arg(uchar(c), 2, 16, QChar(u'0'))
                                : QString(QChar(c));
        return QStringLiteral(
                   "Argument %1 (\"%2\") cannot be used: its bytes are not valid text in "
                   "the system's encoding, so no file of that name can be opened or "
                   "written.")
            .arg(i)
            .arg(shown);
    }
    return {};
}

bool refusedReportOutput(const QString& registry, const QString& output, Dialogs& dialogs) {
    QString why;
    if (isSpecialFile(output))
        why = notRegularFileText(output);
    else if (sameFile(output, registry))
        why = languageMessage(LanguageMessage::OutputIsRegistry, int(Language::Portuguese))
                  .arg(QDir::toNativeSeparators(registry));
    if (!why.isEmpty())
        dialogs.message(MessageKind::Warning, why);
    return !why.isEmpty();
}

void noteIncompleteRecord(const QString& registry, Language language) {
    const QFileInfo info(registry);
    if (!info.isFile())
        return; // the reading that follows says what is wrong with it
    const QString text = incompleteRecordText(registry, info.size(), int(language));
    if (!text.isEmpty())
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

std::optional<int> runCommandLine(int argc, char** argv) {
    if (isQualityCommand(argc, argv))
        return runQualityCommand(argc, argv, Usage);
    if (isCurveCommand(argc, argv))
        return runCurveCommand(argc, argv, Usage);
    if (argc < 2 || !isOption(argv[1]))
        return std::nullopt;
    // A name changed on its way in would read or write another file.
    if (const QString bad = unusableArgument(argc, argv); !bad.isEmpty()) {
        std::fprintf(stderr, "%s\n", bad.toLocal8Bit().constData());
        return 1;
    }

    // Taken before the application object, which would take its own options out of argv.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    Arguments parsed;
    QString error;
    const bool understood = parseArguments(args, parsed, error);
    // Each mode starts no more of Qt than it uses: the sheets need Qt Gui for their fonts and
    // the PDF writer, everything else QtCore alone. Widgets are never started here.
    std::unique_ptr<QCoreApplication> app;
    if (understood && parsed.mode == Mode::PrintPdf) {
        // No window is opened: the offscreen platform serves with or without a display
        // (a display that cannot be reached would stop the program before it starts).
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(ApplicationName);

    if (!understood) {
        std::fprintf(stderr, "%s\n%s", error.toLocal8Bit().constData(), Usage);
        return 1;
    }
    StderrDialogs dialogs;
    switch (parsed.mode) {
    case Mode::Help:
        std::fputs(Usage, stdout);
        return 0;
    case Mode::Version:
        std::fprintf(stdout, "%s\n", qPrintable(versionText()));
        return 0;
    case Mode::ExportCsv:
        return exportCsv(parsed, dialogs);
    case Mode::PrintPdf:
        return printPdf(parsed, dialogs);
    case Mode::None:
        break;
    }
    return 1;
}

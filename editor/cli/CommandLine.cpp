#include "cli/CommandLine.h"

#include "cli/CurveCommands.h"
#include "cli/DeckCommand.h"
#include "cli/QualityCommands.h"
#include "cli/StderrDialogs.h"

#include "registry/LookupLists.h"
#include "files/ArgumentBytes.h"
#include "files/QtOptions.h"
#include "files/SafeWrite.h"
#include "registry/TCadHd.h"
#include "reports/CsvExport.h"
#include "language/WorkbookTexts.h"
#include "tools/RegistryDiff.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <cstring>

namespace {

void say(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

QString versionText() {
    return ShortName + QStringLiteral(" (quillmark) ") + ApplicationVersion;
}

// 0: no Qt option; otherwise how many arguments it spans (the option and its value).
int qtOptionSpan(const QString& arg) {
    switch (qtWindowOption(arg)) {
    case QtOption::None:
        return 0;
    case QtOption::Flag:
        return 1;
    case QtOption::WithValue:
        break;
    }
    return 2;
}

// True when some argument before "--" is an option that the window does not take.
bool asksForCommandLine(const QStringList& args) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == u"--")
            return false;
        if (const int span = qtOptionSpan(arg)) {
            i += span - 1;
            continue;
        }
        if (arg.size() > 1 && arg.startsWith(u'-'))
            return true;
    }
    return false;
}

struct ModeOption {
    const char* name;
    CliMode mode;
    int names; // the file names (and codes) it takes
};
constexpr ModeOption Modes[] = {
    {"--export-csv", CliMode::ExportCsv, 2}, {"--print-pdf", CliMode::PrintPdf, 2},
    {"--check", CliMode::Check, 1},          {"--diff", CliMode::Diff, 2},
    {"--curves", CliMode::Curves, 3},        {"--summary", CliMode::Summary, 2},
    {"--convert", CliMode::Convert, 2},      {"--help", CliMode::Help, 0},
    {"--version", CliMode::Version, 0},      {"--export-xlsx", CliMode::ExportXlsx, 2},
};

const ModeOption* modeOption(const QString& arg) {
    for (const ModeOption& m : Modes)
        if (arg == QLatin1String(m.name))
            return &m;
    return nullptr;
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

// The language asked for, taken first so that every complaint speaks it; false when --lang
// names another.
bool takeLanguage(const QStringList& args, Language& language, QString& error) {
    QString value;
    bool given = false;
    for (qsizetype i = 0; i < args.size() && args.at(i) != u"--"; ++i) {
        if (args.at(i) == u"--lang" && i + 1 < args.size()) {
            value = args.at(++i);
            given = true;
        } else if (args.at(i).startsWith(u"--lang=")) {
            value = args.at(i).mid(7);
            given = true;
        } else if (args.at(i) == u"--config" || args.at(i) == u"--pages" ||
                   args.at(i) == u"--format" || args.at(i) == u"--ignore" ||
                   args.at(i) == u"--form") {
            ++i; // a value, whatever it looks like
        }
    }
    if (!given)
        return true;
    if (value != u"pt" && value != u"en") {
        error = qualityText(QualityText::UsageLanguage, language).arg(value);
        return false;
    }
    language = value == u"en" ? Language::English : Language::Portuguese;
    return true;
}

// The whole argument list: one mode with its names, --config and --lang anywhere, --pages with
// --print-pdf; false with the reason on anything else. A name that begins with "-" follows "--".
bool parseArguments(const QStringList& args, CliArguments& out, QString& error) {
    // The mode first too, whose usage status a complaint takes.
    for (qsizetype i = 0; i < args.size() && args.at(i) != u"--"; ++i)
        if (const ModeOption* m = modeOption(args.at(i)); m && out.mode == CliMode::None)
            out.mode = m->mode;
    if (!takeLanguage(args, out.language, error))
        return false;
    const Language lang = out.language;
    QString modeName, needsMode, pages, format, ignore, form;
    int wanted = 0;
    bool names = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (names || arg == u"-" || !arg.startsWith(u'-')) {
            out.names << arg;
            continue;
        }
        if (arg == u"--") {
            names = true;
            continue;
        }
        if (const ModeOption* m = modeOption(arg)) {
            if (!modeName.isEmpty()) {
                error = modeName == arg
                            ? commandText(CommandText::GivenTwice, lang).arg(arg)
                            : commandText(CommandText::TwoModes, lang).arg(modeName, arg);
                return false;
            }
            out.mode = m->mode;
            modeName = arg;
            wanted = m->names;
            continue;
        }
        QString option = arg, value;
        bool joined = false;
        if (const qsizetype eq = arg.indexOf(u'='); eq > 2 && arg.startsWith(u"--")) {
            option = arg.left(eq);
            value = arg.mid(eq + 1);
            joined = true;
        }
        // Without a mode the arguments were meant for the window, whose Qt options are not
        // what went wrong.
        if (const int span = qtOptionSpan(arg); span && out.mode == CliMode::None) {
            i += span - 1;
            continue;
        }
        if (option != u"--config" && option != u"--lang" && option != u"--pages" &&
            option != u"--format" && option != u"--ignore" && option != u"--form") {
            error = commandText(CommandText::UnknownOption, lang).arg(option);
            return false;
        }
        if (!joined) {
            if (i + 1 >= args.size()) {
                error = commandText(CommandText::NeedsValue, lang).arg(option);
                return false;
            }
            value = args.at(++i);
        }
        if (option == u"--form") {
            form = value; // the window takes it too
            continue;
        }
        if (needsMode.isEmpty())
            needsMode = option;
        if (option == u"--config")
            out.config = value;
        else if (option == u"--pages")
            pages = value;
        else if (option == u"--format")
            format = value;
        else if (option == u"--ignore")
            ignore = value;
    }
    if (!form.isNull()) {
        const std::optional<RecordForm> named = recordFormOption(form);
        if (!named) {
            error = formText(FormText::FormValue, lang).arg(form);
            return false;
        }
        out.form = *named;
    }
    // "--form 832 REGISTRY" alone opens the window.
    if (modeName.isEmpty() && needsMode.isEmpty() && !form.isNull())
        return true;
    if (modeName.isEmpty()) {
        error = commandText(CommandText::NoMode, lang).arg(needsMode);
        return false;
    }
    if (out.mode == CliMode::Convert && (out.names.size() < wanted || form.isNull())) {
        error = formText(FormText::ConvertNames, lang);
        return false;
    }
    if (out.names.size() < wanted) {
        error = out.mode == CliMode::Check  ? qualityText(QualityText::UsageCheck, lang)
                : out.mode == CliMode::Diff ? qualityText(QualityText::UsageDiff, lang)
                : out.mode == CliMode::Curves
                    ? commandText(CommandText::CurvesNames, lang)
                    : commandText(CommandText::TwoNames, lang).arg(modeName);
        return false;
    }
    if (out.names.size() > wanted) {
        error = qualityText(QualityText::UsageArgument, lang).arg(out.names.at(wanted));
        return false;
    }
    if (!pages.isNull()) {
        if (!parsePages(pages, out.fromPage, out.toPage)) {
            error = commandText(CommandText::PagesRange, lang).arg(pages);
            return false;
        }
        if (out.mode != CliMode::PrintPdf) {
            error = commandText(CommandText::PagesOnlyPrint, lang);
            return false;
        }
        out.hasPages = true;
    }
    if (!format.isNull()) {
        if (format != u"text" && format != u"json") {
            error = commandText(CommandText::FormatValue, lang).arg(format);
            return false;
        }
        if (out.mode != CliMode::Check && out.mode != CliMode::Diff) {
            error = commandText(CommandText::FormatOnlyQuality, lang);
            return false;
        }
        out.json = format == u"json";
    }
    if (!ignore.isNull()) {
        if (out.mode != CliMode::Diff) {
            error = commandText(CommandText::IgnoreOnlyDiff, lang);
            return false;
        }
        for (const QString& label : ignore.split(u',')) {
            if (!isDiffField(label)) {
                error = commandText(CommandText::IgnoreUnknown, lang).arg(label);
                return false;
            }
            out.ignored.append(label);
        }
    }
    return true;
}

// --check and --diff answer as diff(1) does, 2 when they cannot run; the reports 1.
int failureStatus(CliMode mode) {
    return mode == CliMode::Check || mode == CliMode::Diff ? 2 : 1;
}

// A usage error: the modes keep their statuses; without a mode it is 2, as for diff(1).
int usageStatus(CliMode mode) {
    return mode == CliMode::None ? 2 : failureStatus(mode);
}

// A file the user named must be read: the built-in lists would silently stand for it.
bool configReadable(const QString& path) {
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}

int exportCsv(const CliArguments& args, Dialogs& dialogs) {
    const QString& registry = args.names.at(0);
    const QString& output = args.names.at(1);
    if (!reportMayStart(args, dialogs))
        return 1;
    const LookupLists lists = readLists(args, dialogs);
    CsvExport::Source source;
    source.registryFile = registry;
    source.form = args.form;
    source.lists = &lists;
    source.locale = QLocale::system();
    source.workbook = args.mode == CliMode::ExportXlsx; // the same refusals, another format
    if (!CsvExport::exportToFile(source, output, dialogs))
        return 1;
    dialogs.message(MessageKind::Information,
                    source.workbook
                        ? workbookText(WorkbookText::Written, args.language)
                        : languageMessage(LanguageMessage::CsvWritten, int(args.language)));
    return 0;
}

// The registry rewritten in the form named, record for record; what narrowing changed is told
// and the command still succeeds. Refused, written and failing as the reports are.
int convertRegistryCommand(const CliArguments& args, Dialogs& dialogs) {
    const QString& registry = args.names.at(0);
    const QString& output = args.names.at(1);
    if (refusedReportOutput(registry, output, dialogs, args.language))
        return 1;
    noteIncompleteRecord(registry, args.language);
    QByteArray bytes;
    if (!readWholeFile(registry, bytes)) {
        dialogs.message(MessageKind::Plain, RegistryTexts::ReadProblem);
        return 1;
    }
    std::vector<std::pair<int, int>> changed;
    const QByteArray converted = convertRegistry(bytes, RecordForm::BySize, args.form, &changed);
    QString reason;
    if (!writeFileAtomically(output, converted, &reason)) {
        dialogs.message(MessageKind::Error, cannotWriteText(output, reason));
        return 1;
    }
    if (const QString narrowed = narrowedText(changed, args.language); !narrowed.isEmpty())
        say(narrowed);
    return 0;
}

} // namespace

QString usageText(Language language) {
    return commandText(CommandText::Usage, language).arg(QStringLiteral(VELARIN_DATA_DIR));
}

LookupLists readLists(const CliArguments& args, Dialogs& dialogs) {
    const QString path = args.config.isEmpty() ? configIniPath() : args.config;
    LookupLists lists;
    const ConfigResult config = readLookupLists(path, lists);
    if (!config.found)
        dialogs.message(MessageKind::Warning, config.warning);
    return lists;
}

std::optional<int> refusedConfig(const CliArguments& args) {
    if (args.config.isEmpty() || configReadable(args.config))
        return std::nullopt;
    say(commandText(CommandText::ConfigUnreadable, args.language)
            .arg(QDir::toNativeSeparators(args.config)));
    return failureStatus(args.mode);
}

QStringList windowArguments(const QStringList& args) {
    if (args.value(0) == u"--")
        return args.mid(1);
    QStringList out;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (const int span = qtOptionSpan(args.at(i))) {
            i += span - 1;
            continue;
        }
        out << args.at(i);
    }
    return out;
}

QString unusableArgument(int argc, char** argv, Language language) {
    const int i = firstUnusableArgument(argc, argv);
    if (i == 0)
        return {};
    return commandText(CommandText::UnusableArgument, language)
        .arg(i)
        .arg(escapedHighBytes(QByteArray(argv[i])));
}

bool refusedReportOutput(const QString& registry, const QString& output, Dialogs& dialogs,
                         Language language) {
    QString why;
    switch (checkOutput(output, {registry}).refusal) {
    case OutputRefusal::NotRegularFile:
        why = notRegularFileText(output);
        break;
    case OutputRefusal::IsAnInput:
        why = languageMessage(LanguageMessage::OutputIsRegistry, int(language))
                  .arg(QDir::toNativeSeparators(registry));
        break;
    case OutputRefusal::None:
        break;
    }
    if (!why.isEmpty())
        dialogs.message(MessageKind::Warning, why);
    return !why.isEmpty();
}

void noteIncompleteRecord(const QString& registry, Language language, RecordForm form) {
    const QFileInfo info(registry);
    if (!info.isFile())
        return; // the reading that follows says what is wrong with it
    if (form == RecordForm::BySize) {
        const QString ambiguous = ambiguousFormText(registry, info.size(), int(language));
        if (!ambiguous.isEmpty())
            std::fprintf(stderr, "%s\n", ambiguous.toUtf8().constData());
    }
    const QString text = incompleteRecordText(registry, info.size(), int(language), form);
    if (!text.isEmpty())
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

bool reportMayStart(const CliArguments& args, Dialogs& dialogs) {
    const QString& registry = args.names.at(0);
    if (refusedReportOutput(registry, args.names.at(1), dialogs, args.language))
        return false;
    noteIncompleteRecord(registry, args.language, args.form);
    return true;
}

std::optional<RecordForm> recordFormOption(const QString& value) {
    if (value == u"792")
        return RecordForm::Bytes792;
    if (value == u"832")
        return RecordForm::Bytes832;
    return std::nullopt;
}

RecordForm takeWindowForm(QStringList& args) {
    for (qsizetype i = 0; i < args.size() && args.at(i) != u"--"; ++i) {
        const QString& arg = args.at(i);
        if (arg == u"--form" && i + 1 < args.size()) {
            const auto form = recordFormOption(args.at(i + 1));
            args.remove(i, 2);
            return form.value_or(RecordForm::BySize);
        }
        if (arg.startsWith(u"--form=")) {
            const auto form = recordFormOption(arg.mid(7));
            args.remove(i);
            return form.value_or(RecordForm::BySize);
        }
    }
    return RecordForm::BySize;
}

std::optional<int> runCommandLine(int argc, char** argv, DrawingCommand drawing) {
    // Taken before any application object, which would take Qt's options out of argv.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (!asksForCommandLine(args))
        return std::nullopt;

    // The deck check has options of its own.
    for (qsizetype i = 0; i < args.size() && args.at(i) != u"--"; ++i)
        if (args.at(i) == u"--check-deck") {
            QCoreApplication app(argc, argv);
            QCoreApplication::setApplicationName(ApplicationName);
            const DeckCommandOutcome outcome = runDeckCheck(args);
            if (const QString bad = unusableArgument(argc, argv, outcome.language);
                !bad.isEmpty()) {
                say(bad);
                return 2;
            }
            if (!outcome.message.isEmpty())
                say(outcome.message);
            if (outcome.usageError)
                std::fputs(usageText(outcome.language).toUtf8().constData(), stderr);
            return std::fwrite(outcome.output.constData(), 1, std::size_t(outcome.output.size()),
                               stdout) == std::size_t(outcome.output.size()) &&
                           std::fflush(stdout) == 0
                       ? outcome.status
                       : 2;
        }

    CliArguments parsed;
    QString error;
    if (!parseArguments(args, parsed, error)) {
        std::fprintf(stderr, "%s\n%s", error.toUtf8().constData(),
                     usageText(parsed.language).toUtf8().constData());
        return usageStatus(parsed.mode);
    }
    if (parsed.mode == CliMode::None)
        return std::nullopt; // the window, in the form named
    switch (parsed.mode) {
    case CliMode::Help:
        std::fputs(usageText(parsed.language).toUtf8().constData(), stdout);
        return 0;
    case CliMode::Version:
        std::fprintf(stdout, "%s\n", qPrintable(versionText()));
        return 0;
    default:
        break;
    }
    // A name changed on its way in would read or write another file.
    if (const QString bad = unusableArgument(argc, argv, parsed.language); !bad.isEmpty()) {
        say(bad);
        return failureStatus(parsed.mode);
    }

    // The sheets need Qt Gui for their fonts and the PDF writer, the charts Qt Widgets' graphics
    // scene: both run in the window's module, so that every other mode loads QtCore alone.
    if (parsed.mode == CliMode::PrintPdf || parsed.mode == CliMode::Curves)
        return drawing(&argc, argv, &parsed);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(ApplicationName);
    if (const std::optional<int> refused = refusedConfig(parsed))
        return *refused;
    StderrDialogs dialogs(parsed.language);
    switch (parsed.mode) {
    case CliMode::ExportCsv:
    case CliMode::ExportXlsx:
        return exportCsv(parsed, dialogs);
    case CliMode::Check:
    case CliMode::Diff:
        return runQualityCommand(parsed);
    case CliMode::Summary:
        return runSummaryCommand(parsed);
    case CliMode::Convert:
        return convertRegistryCommand(parsed, dialogs);
    default:
        break;
    }
    return 1;
}

#include "cli/QualityCommands.h"

#include "cli/CommandLine.h"
#include "cli/StderrDialogs.h"
#include "language/LanguageTexts.h"
#include "registry/LookupLists.h"
#include "registry/TCadHd.h"
#include "tools/RegistryCheck.h"
#include "tools/RegistryDiff.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>
#include <cstring>

namespace {

enum class Command { None, Check, Diff };

struct Arguments {
    Command command = Command::None;
    QStringList registries;
    QString config;
    Language language = Language::Portuguese; // as the window starts
};

bool parseArguments(const QStringList& args, Arguments& out, QString& error) {
    QCommandLineParser parser;
    const QCommandLineOption check(QStringLiteral("check"));
    const QCommandLineOption diff(QStringLiteral("diff"));
    const QCommandLineOption lang(QStringLiteral("lang"), {}, QStringLiteral("pt|en"));
    const QCommandLineOption config(QStringLiteral("config"), {}, QStringLiteral("FILE"));
    parser.addOptions({check, diff, lang, config});
    if (!parser.parse(QStringList{QStringLiteral("quillmark")} + args)) {
        error = parser.errorText();
        return false;
    }
    // The language first, so that every later complaint speaks it.
    if (parser.isSet(lang)) {
        const QString value = parser.values(lang).constLast();
        if (value != u"pt" && value != u"en") {
            error = qualityText(QualityText::UsageLanguage, out.language).arg(value);
            return false;
        }
        out.language = value == u"en" ? Language::English : Language::Portuguese;
    }
    const auto said = [&](const QCommandLineOption& o) {
        return int(parser.optionNames().count(o.names().constFirst()));
    };
    if (said(check) + said(diff) > 1) {
        error = qualityText(QualityText::UsageOneCommand, out.language);
        return false;
    }
    out.command = parser.isSet(check)  ? Command::Check
                  : parser.isSet(diff) ? Command::Diff
                                       : Command::None;
    const QStringList names = parser.positionalArguments();
    const qsizetype wanted = out.command == Command::Check  ? 1
                             : out.command == Command::Diff ? 2
                                                            : 0;
    if (out.command == Command::None) {
        error = qualityText(QualityText::UsageNoCommand, out.language);
        return false;
    }
    if (names.size() < wanted) {
        error = qualityText(out.command == Command::Check ? QualityText::UsageCheck
                                                          : QualityText::UsageDiff,
                            out.language);
        return false;
    }
    if (names.size() > wanted) {
        error = qualityText(QualityText::UsageArgument, out.language).arg(names.at(wanted));
        return false;
    }
    out.registries = names;
    if (parser.isSet(config))
        out.config = parser.values(config).constLast();
    return true;
}

bool readRegistry(const QString& path, Language language, QByteArray& bytes) {
    noteIncompleteRecord(path, language);
    if (readWholeFile(path, bytes))
        return true;
    std::fprintf(stderr, "%s\n",
                 qualityText(QualityText::CannotRead, language)
                     .arg(QDir::toNativeSeparators(path))
                     .toUtf8()
                     .constData());
    return false;
}

// The lines on stdout, the summary last; false when they could not all be written.
bool writeLines(const QList<QStringList>& rows, const QString& summary) {
    QByteArray out;
    for (const QStringList& cells : rows)
        out += cells.join(u'\t').toUtf8() + '\n';
    out += summary.toUtf8() + '\n';
    return std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout) ==
               std::size_t(out.size()) &&
           std::fflush(stdout) == 0;
}

int check(const Arguments& args) {
    QByteArray registry;
    if (!readRegistry(args.registries.at(0), args.language, registry))
        return 2;
    StderrDialogs dialogs;
    LookupLists lists;
    const ConfigResult config =
        readLookupLists(args.config.isEmpty() ? configIniPath() : args.config, lists);
    if (!config.found)
        dialogs.message(MessageKind::Warning, config.warning);
    const CheckReport report = checkRegistry(registry, lists, QLocale::system(), args.language);
    QList<QStringList> rows;
    rows.reserve(report.findings.size());
    for (const CheckFinding& f : report.findings)
        rows.append(findingCells(f));
    if (!writeLines(rows, checkSummary(report, args.language)))
        return 2;
    // The curves' warnings are heuristics: they count for nothing here.
    return report.withProblems == 0 ? 0 : 1;
}

// --config is taken for the sake of one set of options: no value compared needs the lists.
int diff(const Arguments& args) {
    QByteArray before, after;
    if (!readRegistry(args.registries.at(0), args.language, before) ||
        !readRegistry(args.registries.at(1), args.language, after))
        return 2;
    const DiffReport report = diffRegistries(before, after, QLocale::system());
    QList<QStringList> rows;
    rows.reserve(report.lines.size());
    for (const DiffLine& line : report.lines)
        rows.append(diffCells(line, args.language));
    if (!writeLines(rows, diffSummary(report, args.language)))
        return 2;
    return report.differing() == 0 ? 0 : 1;
}

} // namespace

bool isQualityCommand(int argc, char** argv) {
    if (argc < 2)
        return false;
    const auto is = [](const char* arg, const char* option) {
        return std::strcmp(arg, option) == 0;
    };
    const auto asks = [&](const char* arg) {
        return is(arg, "--check") || is(arg, "--diff") || is(arg, "--lang") ||
               std::strncmp(arg, "--lang=", 7) == 0;
    };
    if (!asks(argv[1]) && !is(argv[1], "--config"))
        return false;
    for (int i = 1; i < argc && !is(argv[i], "--"); ++i)
        if (asks(argv[i]))
            return true;
    return false;
}

int runQualityCommand(int argc, char** argv, const char* usage) {
    // Taken before the application object, which would take its own options out of argv.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    // No window and no printer: the plain application starts fastest.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(ApplicationName);

    Arguments parsed;
    QString error;
    if (!parseArguments(args, parsed, error)) {
        std::fprintf(stderr, "%s\n%s", error.toUtf8().constData(), usage);
        return 2;
    }
    return parsed.command == Command::Check ? check(parsed) : diff(parsed);
}

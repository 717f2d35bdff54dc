#include "cli/QualityCommands.h"

#include "cli/CommandLine.h"
#include "cli/StderrDialogs.h"
#include "language/LanguageTexts.h"
#include "registry/LookupLists.h"
#include "registry/TCadHd.h"
#include "tools/RegistryCheck.h"
#include "tools/RegistryDiff.h"

#include <QDir>
#include <QStringList>
#include <cstdio>

namespace {

bool readRegistry(const QString& path, Language language, QByteArray& bytes, RecordForm form) {
    noteIncompleteRecord(path, language, form);
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

int check(const CliArguments& args) {
    QByteArray registry;
    if (!readRegistry(args.names.at(0), args.language, registry, args.form))
        return 2;
    StderrDialogs dialogs(args.language);
    LookupLists lists;
    const ConfigResult config =
        readLookupLists(args.config.isEmpty() ? configIniPath() : args.config, lists);
    if (!config.found)
        dialogs.message(MessageKind::Warning, config.warning);
    const CheckReport report =
        checkRegistry(registry, lists, QLocale::system(), args.language, args.form);
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
int diff(const CliArguments& args) {
    QByteArray before, after;
    if (!readRegistry(args.names.at(0), args.language, before, args.form) ||
        !readRegistry(args.names.at(1), args.language, after, args.form))
        return 2;
    const DiffReport report =
        diffRegistries(before, after, QLocale::system(), args.form, args.form);
    QList<QStringList> rows;
    rows.reserve(report.lines.size());
    for (const DiffLine& line : report.lines)
        rows.append(diffCells(line, args.language));
    if (!writeLines(rows, diffSummary(report, args.language)))
        return 2;
    return report.differing() == 0 ? 0 : 1;
}

} // namespace

int runQualityCommand(const CliArguments& args) {
    return args.mode == CliMode::Check ? check(args) : diff(args);
}

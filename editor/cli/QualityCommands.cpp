#include "cli/QualityCommands.h"

#include "cli/CommandLine.h"
#include "cli/StderrDialogs.h"
#include "language/LanguageTexts.h"
#include "registry/LookupLists.h"
#include "registry/TCadHd.h"
#include "tools/RegistryCheck.h"
#include "tools/RegistryDiff.h"
#include "tools/TextEscape.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
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

// False when stdout did not take them all.
bool writeBytes(const QByteArray& out) {
    return std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout) ==
               std::size_t(out.size()) &&
           std::fflush(stdout) == 0;
}

// The lines on stdout, the summary last.
bool writeLines(const QList<QStringList>& rows, const QString& summary) {
    QByteArray out;
    for (const QStringList& cells : rows)
        out += cells.join(u'\t').toUtf8() + '\n';
    out += summary.toUtf8() + '\n';
    return writeBytes(out);
}

bool writeJson(const QJsonObject& root) {
    return writeBytes(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

// {"findings": [...], "plants": n, "with_errors": n, "by_message": {message: count}}: a real
// registry flags dozens of plants with one rule, and the count per message shows it at once.
QJsonObject checkJson(const CheckReport& report) {
    QJsonArray findings;
    QMap<QString, int> byMessage;
    for (const CheckFinding& f : report.findings) {
        const QStringList cells = findingCells(f);
        findings.append(QJsonObject{
            {QStringLiteral("level"), f.warning ? QStringLiteral("warning") : QStringLiteral("error")},
            {QStringLiteral("code"), f.code},
            {QStringLiteral("name"), cells.at(1)},
            {QStringLiteral("message"), f.message}});
        ++byMessage[f.message];
    }
    QJsonObject counts;
    for (auto m = byMessage.cbegin(); m != byMessage.cend(); ++m)
        counts.insert(m.key(), m.value());
    return {{QStringLiteral("findings"), findings},
            {QStringLiteral("plants"), report.checked},
            {QStringLiteral("with_errors"), report.withProblems},
            {QStringLiteral("by_message"), counts}};
}

// {"changes": [{"code", "name", "field", "old", "new"} or {"code", "name", "change"}],
//  "plants_differing": n}
QJsonObject diffJson(const DiffReport& report) {
    QJsonArray changes;
    for (const DiffLine& line : report.lines) {
        QJsonObject change{{QStringLiteral("code"), line.code},
                           {QStringLiteral("name"), escapeText(line.name)}};
        if (line.kind == DiffLine::Kind::Changed) {
            change.insert(QStringLiteral("field"), line.field);
            change.insert(QStringLiteral("old"), line.oldValue);
            change.insert(QStringLiteral("new"), line.newValue);
        } else {
            change.insert(QStringLiteral("change"), line.kind == DiffLine::Kind::Added
                                                        ? QStringLiteral("added")
                                                        : QStringLiteral("removed"));
        }
        changes.append(change);
    }
    return {{QStringLiteral("changes"), changes},
            {QStringLiteral("plants_differing"), report.differing()}};
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
    if (args.json)
        return writeJson(checkJson(report)) ? (report.withProblems == 0 ? 0 : 1) : 2;
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
    DiffReport report = diffRegistries(before, after, QLocale::system(), args.form, args.form);
    leaveOutFields(report, args.ignored);
    if (args.json)
        return writeJson(diffJson(report)) ? (report.differing() == 0 ? 0 : 1) : 2;
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

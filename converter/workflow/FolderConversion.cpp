#include "workflow/FolderConversion.h"

#include "files/FileChecks.h"

#include <QDir>
#include <QFileInfo>
#include <array>
#include <vector>

namespace Torvane {

namespace {

struct KindName {
    FileKind kind;
    const char* base;
};
constexpr std::array<KindName, 3> kKinds{
    {{FileKind::Postos, "POSTOS"}, {FileKind::Vazoes, "VAZOES"}, {FileKind::Mlt, "MLT"}}};

QString baseName(FileKind kind) {
    for (const KindName& k : kKinds)
        if (k.kind == kind)
            return QLatin1String(k.base);
    return {};
}

// The texts of the folder command, Portuguese first.
QString say(Language language, const char* pt, const char* en) {
    return QString::fromUtf8(language == Language::English ? en : pt);
}

QString listOrNone(const QStringList& names, Language language) {
    return names.isEmpty() ? say(language, "nenhum", "none") : names.join(QStringLiteral(", "));
}

// One line per file converted; the Portuguese one in the success message's words.
QString convertedLine(const FolderJob& job, const ConversionDef& def, FileKind kind,
                      const QString& input, const QString& output) {
    if (job.language == Language::Portuguese)
        return def.successPrefix + QStringLiteral("\"%1\" gerado de \"%2\".").arg(output, input);
    return QStringLiteral("%1 %2 file \"%3\" written from \"%4\".")
        .arg(job.direction == Direction::TextToBin ? QStringLiteral("Binary")
                                                   : QStringLiteral("Text"),
             baseName(kind), output, input);
}

struct Converted {
    FolderFile file;
    QString input;
    QString output;
    ByteBuffer bytes;
    QString line;
};

} // namespace

std::optional<FileKind> folderFileKind(const QString& name) {
    const QString upper = name.toUpper();
    for (const KindName& k : kKinds) {
        const QLatin1String base(k.base);
        if (upper == base || upper == base + QLatin1String(".DAT") ||
            upper == base + QLatin1String(".TXT"))
            return k.kind;
    }
    return std::nullopt;
}

FolderMatch matchFolderFiles(const QStringList& names) {
    FolderMatch match;
    for (const KindName& k : kKinds) {
        QStringList same;
        for (const QString& name : names)
            if (folderFileKind(name) == k.kind)
                same << name;
        if (same.size() > 1 && match.ambiguous.isEmpty())
            match.ambiguous = same;
        if (!same.isEmpty())
            match.files.append({k.kind, same.constFirst()});
    }
    return match;
}

FolderResult convertFolder(Dialogs& dialogs, const FolderJob& job) {
    const Language lang = job.language;
    const auto fail = [&dialogs](const QString& text,
                                 FolderOutcome outcome = FolderOutcome::Failed) {
        dialogs.message(BoxKind::Warning, text);
        return FolderResult{outcome, {}, {}};
    };
    if (!QFileInfo(job.inDir).isDir())
        return fail(say(lang, "Pasta de entrada \"%1\" não existe ou não é uma pasta.",
                        "Input folder \"%1\" does not exist or is not a folder.")
                        .arg(job.inDir));
    // Special files are listed too, to be refused as inputs rather than passed over; folders
    // are no files of the deck.
    const QDir inDir(job.inDir);
    const FolderMatch match =
        matchFolderFiles(inDir.entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name));
    if (!match.ambiguous.isEmpty())
        return fail(say(lang, "Mais de um arquivo de %1 em \"%2\": %3. Deixe só um.",
                        "More than one %1 file in \"%2\": %3. Keep only one.")
                        .arg(baseName(*folderFileKind(match.ambiguous.constFirst())), job.inDir,
                             match.ambiguous.join(QStringLiteral(", "))),
                    FolderOutcome::Ambiguous);
    if (match.files.isEmpty())
        return fail(say(lang,
                        "Nenhum arquivo POSTOS, VAZOES ou MLT (sem extensão, .DAT ou .TXT) "
                        "em \"%1\".",
                        "No POSTOS, VAZOES or MLT file (bare, .DAT or .TXT) in \"%1\".")
                        .arg(job.inDir),
                    FolderOutcome::NothingFound);
    // A missing output folder is not made, as the single conversions make none.
    if (!QFileInfo(job.outDir).isDir())
        return fail(say(lang, "Pasta de saída \"%1\" não existe ou não é uma pasta.",
                        "Output folder \"%1\" does not exist or is not a folder.")
                        .arg(job.outDir));
    // Every output would have its input's name: each would replace its own input.
    if (sameFile(job.inDir, job.outDir))
        return fail(say(lang,
                        "A pasta de saída é a pasta de entrada: cada arquivo gerado "
                        "substituiria o seu original.",
                        "The output folder is the input folder: each output would replace "
                        "its input."));

    const QDir outDir(job.outDir);
    QStringList inputs;
    for (const FolderFile& f : match.files)
        inputs << inDir.filePath(f.name);

    // The refusals of every output first, as the single conversions make them; nothing asked.
    bool refused = false;
    for (const FolderFile& f : match.files) {
        const QString output = outDir.filePath(f.name);
        const OutputCheck check = checkOutput(output, inputs);
        if (check.refusal == OutputRefusal::NotRegularFile)
            dialogs.message(BoxKind::Warning, notRegularFileText(output));
        else if (check.refusal == OutputRefusal::IsAnInput)
            dialogs.message(BoxKind::Warning, outputIsInputText());
        else if (!job.force && QFileInfo::exists(output))
            dialogs.message(BoxKind::Warning,
                            say(lang, "Arquivo %1 já existe; use --force para substituí-lo.",
                                "File %1 already exists; use --force to replace it.")
                                .arg(output));
        else
            continue;
        refused = true;
    }
    if (refused)
        return {};

    // Every input read and converted in memory; each bad one is told, and nothing is written.
    Tables tables;
    std::vector<Converted> converted;
    bool failed = false;
    for (qsizetype i = 0; i < match.files.size(); ++i) {
        const FolderFile& f = match.files.at(i);
        const ConversionDef def = conversionDef(f.kind, job.direction, job.numPostos, tables);
        const InputRead input = readInput(dialogs, inputs.at(i), def.inputCheck, def.checkSize);
        if (!input.bytes) {
            failed = true;
            continue;
        }
        const std::string path = inputs.at(i).toStdString();
        if (def.advise)
            if (const auto advice = def.advise(input.bytes->view(), path))
                dialogs.message(BoxKind::Warning, QString::fromStdString(*advice));
        ConvResult result = def.convert(input.bytes->view(), path);
        if (!result.ok()) {
            showFailure(dialogs, *result.failure);
            failed = true;
            continue;
        }
        const QString output = outDir.filePath(f.name);
        converted.push_back({f, inputs.at(i), output, std::move(result.output),
                             convertedLine(job, def, f.kind, inputs.at(i), output)});
    }
    if (failed)
        return {};

    // Each output atomic: a failed write leaves that file as it was, but those written before
    // it stay written; the message names both.
    FolderResult result;
    for (std::size_t i = 0; i < converted.size(); ++i) {
        const Converted& c = converted[i];
        const QString error = writeWholeFile(c.output, c.bytes.view());
        if (!error.isEmpty()) {
            dialogs.message(BoxKind::Error, error);
            QStringList notWritten;
            for (std::size_t j = i; j < converted.size(); ++j)
                notWritten << converted[j].output;
            dialogs.message(
                BoxKind::Error,
                say(lang,
                    "Gravados antes da falha: %1. Não gravados (ficam como "
                    "estavam): %2.",
                    "Written before the failure: %1. Not written (left as they "
                    "were): %2.")
                    .arg(listOrNone(result.written, lang), listOrNone(notWritten, lang)));
            result.outcome = FolderOutcome::Failed;
            result.lines.clear();
            return result;
        }
        result.written << c.output;
        result.lines << c.line;
    }
    result.outcome = FolderOutcome::Converted;
    return result;
}

} // namespace Torvane

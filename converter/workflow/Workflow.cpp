#include "workflow/Workflow.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace Torvane {

QString qtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return filter;
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i);
        // "VAZOES.DAT(*.*)" names its pattern already; Qt adds it again, so it goes.
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (open > 0 && description.endsWith(QLatin1Char(')')))
            description = description.left(open).trimmed();
        QString pattern = parts.at(i + 1);
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*");
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << description + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

QString withFilterSuffix(const QString& path, const QString& qtFilter) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    const qsizetype open = qtFilter.lastIndexOf(QLatin1Char('('));
    if (open < 0 || !qtFilter.endsWith(QLatin1Char(')')))
        return path;
    const QString pattern = qtFilter.mid(open + 1, qtFilter.size() - open - 2).trimmed();
    if (!pattern.startsWith(QLatin1String("*.")) || pattern.contains(QLatin1Char(' ')) ||
        pattern.indexOf(QLatin1Char('*'), 1) >= 0 || pattern.size() < 3)
        return path;
    return path + pattern.mid(1);
}

QString applicationTitle() {
    return QStringLiteral("Tobrel");
}

QString applicationVersion() {
    return QStringLiteral("0.2");
}

QString overwriteQuestion(const QString& path) {
    return QStringLiteral("O Arquivo ") + path + QStringLiteral("\n\r") +
           QStringLiteral("já existe. ") + QStringLiteral("Deseja substituí-lo ?");
}

QString writeWholeFile(const QString& path, std::string_view bytes) {
    const std::optional<WriteFailure> failure =
        writeWhole(path, bytes.data(), qint64(bytes.size()));
    if (!failure)
        return {};
    switch (failure->step) {
    case WriteFailure::Step::NotRegularFile:
        return failure->reason;
    case WriteFailure::Step::Create:
        return QStringLiteral("Cannot create file \"%1\". %2").arg(path, failure->reason);
    case WriteFailure::Step::Write:
        break;
    }
    return QStringLiteral("Cannot write file \"%1\". %2").arg(path, failure->reason);
}

namespace {

// The whole of an open file: its size in one read, then whatever the size did not foresee (a
// file that grew, or one that reports no size). On a read error the file's error() tells.
ByteBuffer readWhole(QFile& file) {
    const qint64 size = file.size();
    ByteBuffer bytes = ByteBuffer::uninitialized(std::size_t(size));
    qint64 got = 0;
    while (got < size) {
        const qint64 n = file.read(bytes.data() + got, size - got);
        if (n <= 0)
            break;
        got += n;
    }
    bytes.shrink(std::size_t(got));
    if (got < size || file.error() != QFileDevice::NoError)
        return bytes;
    const QByteArray rest = file.readAll();
    if (rest.isEmpty())
        return bytes;
    ByteBuffer whole = ByteBuffer::uninitialized(bytes.size() + std::size_t(rest.size()));
    std::memcpy(whole.data(), bytes.data(), bytes.size());
    std::memcpy(whole.data() + bytes.size(), rest.constData(), std::size_t(rest.size()));
    return whole;
}


} // namespace

std::optional<Outcome> refuseOutput(Dialogs& dialogs, const QString& outputPath,
                                    const QStringList& inputPaths) {
    switch (checkOutput(outputPath, inputPaths).refusal) {
    case OutputRefusal::NotRegularFile:
        dialogs.message(BoxKind::Warning, notRegularFileText(outputPath));
        return Outcome::NotRegularFile;
    case OutputRefusal::IsAnInput:
        dialogs.message(BoxKind::Warning, outputIsInputText());
        return Outcome::SameFile;
    case OutputRefusal::None:
        break;
    }
    if (QFileInfo::exists(outputPath) && !dialogs.confirm(overwriteQuestion(outputPath)))
        return Outcome::Declined;
    return std::nullopt;
}

void showFailure(Dialogs& dialogs, const Failure& failure) {
    dialogs.message(failure.kind == FailureKind::Warning ? BoxKind::Warning : BoxKind::Error,
                    QString::fromStdString(failure.message));
}

InputRead readInput(Dialogs& dialogs, const QString& inputPath, InputCheck check,
                    const SizeCheck& checkSize) {
    const QFileInfo info(inputPath);
    if (!info.exists()) {
        if (check == InputCheck::Warning)
            dialogs.message(BoxKind::Warning,
                            QStringLiteral("Arquivo ") + inputPath + QStringLiteral(" inexistente."));
        else
            dialogs.message(BoxKind::Error, QStringLiteral("File not found"));
        return {std::nullopt, Outcome::MissingInput};
    }
    // A FIFO would wait for a writer for ever, a device never end, a folder has no bytes: only
    // a regular file is ever an input, and it is refused before it is opened.
    if (!info.isFile()) {
        dialogs.message(BoxKind::Warning, notRegularInputText(inputPath));
        return {std::nullopt, Outcome::NotRegularFile};
    }
    // One larger than any valid file of its kind is not read into memory first.
    if (checkSize)
        if (const auto failure = checkSize(std::uint64_t(info.size()), inputPath.toStdString())) {
            showFailure(dialogs, *failure);
            return {std::nullopt, Outcome::Failed};
        }
    QFile input(inputPath);
    // Unbuffered: the whole size in one read (see readWhole).
    if (!input.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        dialogs.message(
            BoxKind::Error,
            QStringLiteral("Cannot open file \"%1\". %2").arg(inputPath, input.errorString()));
        return {std::nullopt, Outcome::Failed};
    }
    ByteBuffer bytes = readWhole(input);
    if (input.error() != QFileDevice::NoError) {
        dialogs.message(
            BoxKind::Error,
            QStringLiteral("Cannot read file \"%1\". %2").arg(inputPath, input.errorString()));
        return {std::nullopt, Outcome::Failed};
    }
    return {std::move(bytes), Outcome::Succeeded};
}

Outcome runConversion(Dialogs& dialogs, const QString& givenInput, const ConversionDef& def) {
    QString inputPath = givenInput;
    if (!def.openTitle.isEmpty()) {
        inputPath = dialogs.openFile(def.openTitle, def.openFilter);
        if (inputPath.isEmpty())
            return Outcome::Cancelled;
    }
    const QString outputPath = dialogs.saveFile(def.saveTitle, def.saveFilter);
    if (outputPath.isEmpty())
        return Outcome::Cancelled;
    if (const auto refused = refuseOutput(dialogs, outputPath, {inputPath}))
        return *refused;
    InputRead input = readInput(dialogs, inputPath, def.inputCheck, def.checkSize);
    if (!input.bytes)
        return input.outcome;
    const ByteBuffer& bytes = *input.bytes;
    if (def.advise)
        if (const auto advice = def.advise(bytes.view(), inputPath.toStdString()))
            dialogs.message(BoxKind::Warning, QString::fromStdString(*advice));

    const ConvResult result = def.convert(bytes.view(), inputPath.toStdString());
    if (!result.ok()) {
        showFailure(dialogs, *result.failure);
        return Outcome::Failed;
    }
    const QString error = writeWholeFile(outputPath, result.output);
    if (!error.isEmpty()) {
        dialogs.message(BoxKind::Error, error);
        return Outcome::Failed;
    }
    dialogs.message(BoxKind::Information, def.successPrefix + QLatin1Char('"') + outputPath +
                                              QLatin1Char('"') + def.successSuffix);
    return Outcome::Succeeded;
}

} // namespace Torvane

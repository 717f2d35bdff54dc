#include "workflow/Series.h"

#include "inflows/Text.h"
#include "workflow/Conversions.h"

#include <QFileInfo>

namespace Torvane {

QStringList SeriesFiles::paths() const {
    QStringList list{vazoes};
    for (const QString& optional : {postos, mlt})
        if (!optional.isEmpty())
            list << optional;
    return list;
}

namespace {

// The bytes of one file read by its reader, or nullopt after the message.
template <typename T, typename Reader>
std::optional<T> readWith(Dialogs& dialogs, const QString& path, FileKind kind, bool text,
                          int numPostos, Reader reader) {
    InputRead input = readInput(dialogs, path, InputCheck::Warning,
                                [&](std::uint64_t size, const std::string& p) {
                                    return checkInputSize(kind, text, numPostos, size, p);
                                });
    if (!input.bytes)
        return std::nullopt;
    // A VAZOES binary that fits both horizons and runs past next year: read on, with a word.
    if (kind == FileKind::Vazoes && !text)
        if (const auto advice = vazoesHorizonWarning(input.bytes->size(), numPostos,
                                                     currentYear(), path.toStdString()))
            dialogs.message(BoxKind::Warning, QString::fromStdString(*advice));
    ReadResult<T> result = reader(input.bytes->view(), path.toStdString());
    if (!result.ok()) {
        showFailure(dialogs, *result.failure);
        return std::nullopt;
    }
    return std::move(result.value);
}

} // namespace

std::optional<SeriesData> readSeries(Dialogs& dialogs, const SeriesFiles& files, int numPostos) {
    SeriesData data;
    auto history = readWith<InflowHistory>(
        dialogs, files.vazoes, FileKind::Vazoes, files.vazoesText, numPostos, [&](std::string_view bytes, const std::string& path) {
            return readVazoesHistory(bytes, files.vazoesText, numPostos, path);
        });
    if (!history)
        return std::nullopt;
    data.history = std::move(*history);
    if (!files.postos.isEmpty()) {
        data.names = readWith<PostoNames>(
            dialogs, files.postos, FileKind::Postos, files.postosText, numPostos, [&](std::string_view bytes, const std::string& path) {
                return readPostoNames(bytes, files.postosText, numPostos, path);
            });
        if (!data.names)
            return std::nullopt;
    }
    if (!files.mlt.isEmpty()) {
        data.mlt = readWith<MltValues>(
            dialogs, files.mlt, FileKind::Mlt, files.mltText, numPostos, [&](std::string_view bytes, const std::string& path) {
                return readMltValues(bytes, files.mltText, numPostos, path);
            });
        if (!data.mlt)
            return std::nullopt;
    }
    return data;
}

QString stationLabel(const SeriesData& data, int posto) {
    const QString number = QString::number(posto);
    if (!data.names)
        return number;
    const std::string_view name = data.names->name(posto);
    if (name.empty())
        return number;
    return number + QStringLiteral(" - ") + QString::fromStdString(ansiToUtf8(name));
}

std::optional<ChartFormat> chartFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return ChartFormat::Png;
    if (suffix == QLatin1String("svg"))
        return ChartFormat::Svg;
    if (suffix == QLatin1String("pdf"))
        return ChartFormat::Pdf;
    return std::nullopt;
}

Outcome saveOutput(Dialogs& dialogs, const QString& outputPath, const QStringList& inputPaths,
                   const std::function<std::optional<QByteArray>()>& produce, const QString& what) {
    if (const auto refused = refuseOutput(dialogs, outputPath, inputPaths))
        return *refused;
    const std::optional<QByteArray> bytes = produce();
    if (!bytes)
        return Outcome::Failed;
    const QString error = writeWholeFile(
        outputPath, std::string_view(bytes->constData(), std::size_t(bytes->size())));
    if (!error.isEmpty()) {
        dialogs.message(BoxKind::Error, error);
        return Outcome::Failed;
    }
    dialogs.message(BoxKind::Information, what + QStringLiteral(" \"") + outputPath +
                                              QStringLiteral("\" gerado com sucesso !"));
    return Outcome::Succeeded;
}

QString periodBeyondFile(const SeriesData& data, const QString& vazoesPath, int to) {
    if (to <= data.history.lastYear())
        return {};
    return QStringLiteral("Período até %1 além do último ano do arquivo \"%2\" (%3).")
        .arg(to)
        .arg(vazoesPath)
        .arg(data.history.lastYear());
}

QString periodStartBeyondFile(const SeriesData& data, const QString& vazoesPath, int from) {
    if (from <= data.history.lastYear())
        return {};
    return QStringLiteral("Período a partir de %1 além do último ano do arquivo \"%2\" (%3).")
        .arg(from)
        .arg(vazoesPath)
        .arg(data.history.lastYear());
}

} // namespace Torvane

#pragma once
// The inflow series as the window and the command line show them: the files read under the
// horizon with the conversions' messages, the station labels, and the outputs written through
// the conversions' own refusals, question and atomic write.

#include "inflows/Series.h"
#include "workflow/Workflow.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace Torvane {

struct SeriesFiles {
    QString vazoes; // required
    bool vazoesText = false;
    QString postos; // empty: no names
    bool postosText = false;
    QString mlt; // empty: no MLT
    bool mltText = false;

    QStringList paths() const;
};

struct SeriesData {
    InflowHistory history;
    std::optional<MltValues> mlt;
    std::optional<PostoNames> names;
};

// Reads every file given; the first failure is shown through dialogs and ends the read.
std::optional<SeriesData> readSeries(Dialogs& dialogs, const SeriesFiles& files, int numPostos);

// "12 - FURNAS" with POSTOS names, else "12".
QString stationLabel(const SeriesData& data, int posto);

enum class ChartFormat { Png, Svg, Pdf };
// From the name's extension (.png, .svg, .pdf, any case).
std::optional<ChartFormat> chartFormatOf(const QString& path);

// An output made from the inputs: refusals and the overwrite question first, then produce
// (which shows its own failures and answers nullopt), the atomic write, and
// "<what> "<path>" gerado com sucesso !".
Outcome saveOutput(Dialogs& dialogs, const QString& outputPath, const QStringList& inputPaths,
                   const std::function<std::optional<QByteArray>()>& produce, const QString& what);

// The period's end must lie within the file: the message for one that does not, else empty.
QString periodBeyondFile(const SeriesData& data, const QString& vazoesPath, int to);
// Likewise its start (--from past the file's last year leaves no year).
QString periodStartBeyondFile(const SeriesData& data, const QString& vazoesPath, int from);

// Both charts of a station in one file; lives where the chart library is loaded.
using PlotRenderer = QByteArray (*)(const SeriesData& data, int posto, Period period,
                                    ChartFormat format);

} // namespace Torvane

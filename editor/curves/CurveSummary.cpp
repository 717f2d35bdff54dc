#include "curves/CurveSummary.h"

#include "core/Dialogs.h"
#include "curves/CurveSources.h"
#include "registry/AnsiText.h"
#include "registry/NumberTexts.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "registry/RecordColumns.h"
#include "files/SafeWrite.h"
#include "registry/TCadHd.h"
#include "reports/CsvExport.h"

namespace PlantCurves {

QByteArray summaryCsv(const QByteArray& registry, const QLocale& locale, RecordForm form) {
    form = resolveForm(form, registry.size());
    const qsizetype size = recordSize(form);
    // As the export: a separator that Windows-1252 cannot hold would be lost, so the point.
    const QLocale numbers = AnsiText::encode(QString(NumberTexts::decimalSeparator(locale))) == "?"
                                ? QLocale::c()
                                : locale;
    QString header = RecordColumns::codeLabel() + u';' + RecordColumns::label("Nome", 0) + u';';
    for (int f = 0; f < FigureCount; ++f)
        header += figureLabel(Figure(f), Language::Portuguese) + u';';
    header += curveText(CurveText::SummaryWarnings, Language::Portuguese) + u';';
    QByteArray out = AnsiText::encode(header) + "\r\n";

    const PlantList list = plantListFromBytes(registry, form);
    out.reserve(out.size() + list.entries.size() * 160);
    for (const QString& entry : list.entries) {
        const int code = codeTextOfEntry(entry, true).toInt();
        const qsizetype offset = qsizetype(code - 1) * size;
        TUsinaHd plant;
        decodePlant(registry.constData() + offset,
                    std::size_t(std::min<qsizetype>(size, registry.size() - offset)), plant, form);
        const Figures figures = computeFigures(storedSource(plant));
        QByteArray line = QByteArray::number(code) + ';';
        line.append(plant.Nome.data(), qsizetype(plant.Nome.size()));
        line += ';';
        for (int f = 0; f < FigureCount; ++f) {
            if (const std::optional<double> v = figures.values[std::size_t(f)].value)
                line +=
                    AnsiText::encode(NumberTexts::Fixed(*v, figureDecimals(Figure(f)), numbers));
            line += ';';
        }
        line += QByteArray::number(figures.warnings.size()) + ";\r\n";
        out += line;
    }
    return out;
}

bool writeSummary(const QString& registryFile, const QString& output, const QLocale& locale,
                  Dialogs& dialogs, RecordForm form) {
    QByteArray registry;
    if (!readWholeFile(registryFile, registry)) {
        dialogs.message(MessageKind::Plain, RegistryTexts::ReadProblem);
        return false;
    }
    QString error;
    if (!writeFileAtomically(output, summaryCsv(registry, locale, form), &error)) {
        dialogs.message(MessageKind::Error, cannotWriteText(output, error));
        return false;
    }
    return true;
}

} // namespace PlantCurves

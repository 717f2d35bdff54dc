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

namespace {

QStringList summaryHeader() {
    QStringList header{RecordColumns::codeLabel(), RecordColumns::label("Nome", 0)};
    for (int f = 0; f < FigureCount; ++f)
        header << figureLabel(Figure(f), Language::Portuguese);
    header << curveText(CurveText::SummaryWarnings, Language::Portuguese);
    return header;
}

// Every plant in use, in code order, with its figures.
template <typename Visit>
void forEachPlant(const QByteArray& registry, RecordForm form, Visit visit) {
    form = resolveForm(form, registry.size());
    const qsizetype size = recordSize(form);
    const PlantList list = plantListFromBytes(registry, form);
    for (const QString& entry : list.entries) {
        const int code = codeTextOfEntry(entry, true).toInt();
        const qsizetype offset = qsizetype(code - 1) * size;
        TUsinaHd plant;
        decodePlant(registry.constData() + offset,
                    std::size_t(std::min<qsizetype>(size, registry.size() - offset)), plant, form);
        visit(code, plant, computeFigures(storedSource(plant)));
    }
}

} // namespace

QByteArray summaryCsv(const QByteArray& registry, const QLocale& locale, RecordForm form) {
    // As the export: a separator that Windows-1252 cannot hold would be lost, so the point.
    const QLocale numbers = AnsiText::encode(QString(NumberTexts::decimalSeparator(locale))) == "?"
                                ? QLocale::c()
                                : locale;
    QByteArray out = AnsiText::encode(summaryHeader().join(u';') + u';') + "\r\n";
    out.reserve(out.size() + registry.size() / 4);
    forEachPlant(registry, form, [&](int code, const TUsinaHd& plant, const Figures& figures) {
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
    });
    return out;
}

Workbook::Sheet summarySheet(const QByteArray& registry, RecordForm form) {
    Workbook::Sheet sheet;
    sheet.header = summaryHeader();
    forEachPlant(registry, form, [&](int code, const TUsinaHd& plant, const Figures& figures) {
        Workbook::Row row{double(code), AnsiText::decode(plant.Nome.data(), plant.Nome.size())};
        for (int f = 0; f < FigureCount; ++f) {
            const std::optional<double> v = figures.values[std::size_t(f)].value;
            row << (v ? Workbook::Cell(*v) : Workbook::Cell());
        }
        row << double(figures.warnings.size());
        sheet.rows << row;
    });
    return sheet;
}

bool writeSummary(const QString& registryFile, const QString& output, const QLocale& locale,
                  Dialogs& dialogs, RecordForm form) {
    QByteArray registry;
    if (!readWholeFile(registryFile, registry)) {
        dialogs.message(MessageKind::Plain, RegistryTexts::ReadProblem);
        return false;
    }
    QString error;
    if (Workbook::isWorkbookName(output)) {
        if (const auto failure = Workbook::write(output, summarySheet(registry, form)))
            error = failure->reason;
        else
            return true;
    } else if (writeFileAtomically(output, summaryCsv(registry, locale, form), &error)) {
        return true;
    }
    dialogs.message(MessageKind::Error, cannotWriteText(output, error));
    return false;
}

} // namespace PlantCurves

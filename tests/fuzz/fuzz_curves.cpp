// The plant curves of a registry of any bytes: for each record, the figures and warnings of the
// stored plant and of the plant form Change shows for it (untouched, then with the counts'
// boxes holding other whole numbers), their texts in both languages, and the summary CSV.
// The declared sets and polynomials stay within 0..5 and 0..6 whatever the record's counts.
#include "curves/CurveSources.h"
#include "curves/CurveSummary.h"
#include "editing/EditForm.h"
#include "registry/LookupLists.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"

#include <QLocale>
#include <cmath>
#include <cstdlib>

namespace {

using namespace PlantCurves;

void checkFigures(const Figures& f, const QLocale& locale) {
    if (f.sets < 0 || f.sets > 5 || f.polynomials < 0 || f.polynomials > 6 || !(f.qmax > 0))
        std::abort();
    for (const Language language : {Language::Portuguese, Language::English}) {
        for (int i = 0; i < FigureCount; ++i) {
            const FigureValue& v = f.values[std::size_t(i)];
            if (v.value && !std::isfinite(*v.value))
                std::abort();
            (void)figureText(v, Figure(i), language, locale);
        }
        for (const CurveWarning& w : f.warnings) {
            const bool tailrace = w.kind == CurveWarning::Kind::TailraceFalls ||
                                  w.kind == CurveWarning::Kind::TailraceHigh;
            if (tailrace && (w.polynomial < 1 || w.polynomial > f.polynomials))
                std::abort();
            if (warningText(w, language, locale).isEmpty())
                std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 16 * RecordSize)
        return 0;
    static const LookupLists lists = [] {
        LookupLists l;
        l.setDefaults();
        return l;
    }();
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::Portuguese, QLocale::Brazil)};
    const QLocale& locale = locales[size % 2];

    const QByteArray registry(reinterpret_cast<const char*>(data), qsizetype(size));
    const PlantList list = plantListFromBytes(registry);
    for (std::size_t r = 0; r * RecordSize < size && r < 8; ++r) {
        TUsinaHd plant;
        decodePlant(registry.constData() + r * RecordSize,
                    std::min<std::size_t>(RecordSize, size - r * RecordSize), plant);
        checkFigures(computeFigures(storedSource(plant)), locale);

        const FormTexts shown = changeFormTexts(std::int32_t(r + 1), plant, lists, list.plantNames,
                                                list.entries, locale);
        const std::optional<ShownPlant> was = ShownPlant{plant, shown};
        checkFigures(computeFigures(formSource(shown, was, locale)), locale);
        // Counts typed by the user: any whole number (taken from the record's other integers).
        FormTexts typed = shown;
        typed.boxes.insert(QStringLiteral("TXT_NGrMaq"), QString::number(plant.Posto));
        typed.boxes.insert(QStringLiteral("TXT_NKeyCur"), QString::number(plant.VazMinHist));
        checkFigures(computeFigures(formSource(typed, was, locale)), locale);
        checkFigures(computeFigures(formSource(typed, std::nullopt, locale)), locale);
    }
    // A header, then a line per plant in use (a name's own CR LF bytes are written as stored).
    qsizetype lines = 1 + list.entries.size();
    for (const QString& entry : list.entries) {
        const qsizetype offset = qsizetype(codeTextOfEntry(entry, true).toInt() - 1) * RecordSize;
        lines += registry.mid(offset, 12).count("\r\n");
    }
    if (summaryCsv(registry, locale).count("\r\n") != lines)
        std::abort();
    return 0;
}

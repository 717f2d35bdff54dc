#include "tools/RegistryCheck.h"

#include "core/CollectingDialogs.h"
#include "curves/CurveSources.h"
#include "editing/ConsistOk.h"
#include "editing/EditForm.h"
#include "language/TMsg.h"
#include "registry/PlantCodec.h"
#include "registry/PlantFields.h"
#include "registry/PlantList.h"
#include "registry/RecordColumns.h"
#include "tools/TextEscape.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <vector>

namespace {

struct Plant {
    std::int32_t code;
    QString name;
    TUsinaHd record;
};

// The label of the box or grid cell that could not be read: the name the CSV and the
// comparison give its field, the cells laid out as the plant's display lays them out.
QString placeLabel(const FormPlace& place) {
    if (place.control == CodeBox)
        return RecordColumns::codeLabel();
    int element = 0;
    const PlantField* field = plantField(place.control);
    if (!field && place.row >= 0)
        field = fieldAtCell(place.control, place.row, place.column, &element, true);
    const int r = place.row;
    const int c = place.column;
    QString label;
    if (field)
        label = field->csvLabelOf(element);
    if (!label.isEmpty())
        return label;
    return place.row < 0 ? place.control
                         : QStringLiteral("%1(%2,%3)").arg(place.control).arg(r + 1).arg(c + 1);
}

// The downstream chains that come back to a plant: each cycle once, from its lowest code
// ("4 -> 9 -> 4"), by that code.
QHash<std::int32_t, QString> cascadeCycles(const std::vector<Plant>& plants,
                                           const QHash<std::int32_t, int>& index) {
    QHash<std::int32_t, QString> cycles;
    std::vector<char> state(plants.size(), 0); // 0 not seen, 1 on the chain walked, 2 done
    for (std::size_t start = 0; start < plants.size(); ++start) {
        std::vector<int> chain;
        int at = int(start);
        while (at >= 0 && state[std::size_t(at)] == 0) {
            state[std::size_t(at)] = 1;
            chain.push_back(at);
            at = index.value(plants[std::size_t(at)].record.Jusante, -1);
        }
        if (at >= 0 && state[std::size_t(at)] == 1) {
            auto first = std::find(chain.begin(), chain.end(), at);
            std::vector<int> cycle(first, chain.end());
            // Codes ascend with the index, so the lowest index is the lowest code.
            std::rotate(cycle.begin(), std::min_element(cycle.begin(), cycle.end()), cycle.end());
            QStringList codes;
            for (int i : cycle)
                codes << QString::number(plants[std::size_t(i)].code);
            const QString back = codes.constFirst();
            codes << back;
            cycles.insert(plants[std::size_t(cycle.front())].code,
                          codes.join(QStringLiteral(" -> ")));
        }
        for (int i : chain)
            state[std::size_t(i)] = 2;
    }
    return cycles;
}

} // namespace

CheckReport checkRegistry(const QByteArray& registry, const LookupLists& lists,
                          const QLocale& locale, Language language, RecordForm form) {
    form = resolveForm(form, registry.size());
    const qsizetype size = recordSize(form);
    const PlantList list = plantListFromBytes(registry, form);
    std::vector<Plant> plants;
    plants.reserve(std::size_t(list.entries.size()));
    QHash<std::int32_t, int> index; // code in use -> its plant
    for (const QString& entry : list.entries) {
        Plant p;
        p.code = codeTextOfEntry(entry, true).toInt();
        p.name = entry.mid(entry.indexOf(QStringLiteral(" - ")) + 3);
        // A record cut short reads as Change reads it: the fields whose bytes exist.
        const qsizetype offset = qsizetype(p.code - 1) * size;
        decodePlant(registry.constData() + offset,
                    std::size_t(std::min<qsizetype>(size, registry.size() - offset)), p.record,
                    form);
        index.insert(p.code, int(plants.size()));
        plants.push_back(std::move(p));
    }

    TMsg catalogue;
    catalogue.InitMensagens();
    const MessageText messages = [&](int entry) { return catalogue.text(int(language), entry); };
    const QHash<std::int32_t, QString> cycles = cascadeCycles(plants, index);
    QHash<QString, std::int32_t> firstWithName;

    CheckReport report;
    report.checked = int(plants.size());
    CollectingDialogs boxes;
    for (const Plant& p : plants) {
        const qsizetype before = report.findings.size();
        const auto add = [&](const QString& message) {
            report.findings.append({p.code, p.name, message});
        };
        boxes.clear();
        FormPlace unread;
        const FormTexts texts =
            changeFormTexts(p.code, p.record, lists, list.plantNames, list.entries, locale);
        ConsistOk(texts, locale, messages, boxes, &unread, form);
        for (const CollectingDialogs::Box& box : boxes.boxes())
            add(box.kind == MessageKind::Plain && !unread.control.isEmpty()
                    ? qualityText(QualityText::UnreadableValue, language)
                          .arg(box.text, placeLabel(unread), escapeText(unread.text))
                    : box.text);

        const auto missing = [&](std::int32_t code) { return code != 0 && !index.contains(code); };
        if (missing(p.record.Jusante))
            add(qualityText(QualityText::DownstreamMissing, language).arg(p.record.Jusante));
        if (missing(p.record.Desvio))
            add(qualityText(QualityText::DeviationMissing, language).arg(p.record.Desvio));
        if (const auto cycle = cycles.constFind(p.code); cycle != cycles.cend())
            add(qualityText(QualityText::CascadeCycle, language).arg(*cycle));
        const QString key = p.name.toCaseFolded();
        if (const auto first = firstWithName.constFind(key); first != firstWithName.cend())
            add(qualityText(QualityText::RepeatedName, language).arg(*first).arg(p.code));
        else
            firstWithName.insert(key, p.code);

        if (report.findings.size() > before)
            ++report.withProblems;
        const PlantCurves::Figures figures =
            PlantCurves::computeFigures(PlantCurves::storedSource(p.record));
        const QString prefix = curveText(CurveText::WarningPrefix, language);
        for (const PlantCurves::CurveWarning& w : figures.warnings)
            report.findings.append(
                {p.code, p.name, prefix + PlantCurves::warningText(w, language, locale), true});
    }
    return report;
}

QStringList findingCells(const CheckFinding& finding) {
    return {QString::number(finding.code), escapeText(finding.name), finding.message};
}

QString checkSummary(const CheckReport& report, Language language) {
    return qualityText(QualityText::CheckSummary, language)
        .arg(countedText(CountedText::PlantsChecked, report.checked, language))
        .arg(report.withProblems);
}

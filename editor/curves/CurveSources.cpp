#include "curves/CurveSources.h"

#include "editing/PlantFormReader.h"

#include <algorithm>
#include <optional>

namespace PlantCurves {

CurveSource storedSource(const TUsinaHd& plant) {
    CurveSource source;
    source.plant = plant;
    return source;
}

namespace {

// A control's text in the language, from the interface's tables: its hint when it has one
// (the label with its unit), else its caption without the closing colon.
std::optional<QString> interfaceText(const char* control, Language language, bool captions = true) {
    for (const auto& table : {controlHints(), controlCaptions()}) {
        for (const LanguageText& row : table)
            if (qstrcmp(row.control, control) == 0) {
                QString text = row.in(language).trimmed();
                if (text.endsWith(u':'))
                    text.chop(1);
                return text.trimmed();
            }
        if (!captions)
            break;
    }
    return std::nullopt;
}
QString textOf(const char* control, Language language) {
    return interfaceText(control, language).value_or(QString::fromLatin1(control));
}

// The label the form shows for an element of a field: the box's hint, or its label (after
// its group's heading); a cell's grid (or row) and column ("Level x Volume A2"), with the
// item's number in a grid of machine sets or polynomials ("UNIT TYPES 2: QEf (m3/s)").
QString formLabel(const PlantField& f, int element, Language language) {
    if (f.isBox()) {
        if (const auto hint = interfaceText(f.control, language, false))
            return *hint;
        if (!*f.label)
            return f.csvLabelOf(element);
        const QString label = textOf(f.label, language);
        return *f.heading ? textOf(f.heading, language) + u' ' + label : label;
    }
    const FormGrid& g = *f.grid;
    const auto [row, column] = f.cellOf(element);
    const GridHeading& heading = g.headings.at(std::size_t(std::clamp(column, 0, g.columns() - 1)));
    QString head =
        heading.text ? QString::fromUtf8(heading.text).trimmed() : textOf(heading.label, language);
    if (head.endsWith(u':'))
        head.chop(1);
    if (g.items != GridItems::Fixed)
        return QStringLiteral("%1 %2: %3")
            .arg(textOf(g.caption, language))
            .arg(g.itemOf(row) + 1)
            .arg(head);
    const char* rowCaption =
        row >= 0 && row < int(g.rowCaptions.size()) ? g.rowCaptions[std::size_t(row)] : nullptr;
    return textOf(rowCaption ? rowCaption : g.caption, language) + u' ' + head;
}

} // namespace

CurveSource formSource(const FormTexts& form, const std::optional<ShownPlant>& shown,
                       const QLocale& locale, Language language, RecordForm recordForm) {
    const PlantReading reading =
        readPlantForm(form, shown ? &*shown : nullptr, locale, language, recordForm);
    CurveSource source;
    source.plant = reading.plant;
    // Each input names the first of its places that does not read.
    for (const UnreadPlace& place : reading.unread) {
        const CurveInput input = place.field->curveInput(place.element);
        if (input == CurveInput::None)
            continue;
        QString& slot = source.unread[std::size_t(input)];
        if (slot.isEmpty())
            slot = formLabel(*place.field, place.element, language);
    }
    return source;
}

} // namespace PlantCurves

#include "editing/WriteNewPlant.h"

#include "editing/NumberInput.h"
#include "registry/AnsiText.h"
#include "registry/PlantFields.h"
#include "registry/PlantTexts.h"

#include <algorithm>
#include <type_traits>

void storeText(const QString& text, char* field, int width) {
    // The encoding gives one byte per character (a pair of surrogates is one '?'), so cutting
    // the bytes never splits a character.
    const QByteArray bytes = AnsiText::encode(text);
    const int n = std::min<int>(width, int(bytes.size()));
    std::copy_n(bytes.constData(), n, field);
    std::fill(field + n, field + width, ' ');
}

namespace {

struct ConversionError {
    QString text;
};

class Builder {
public:
    Builder(const FormSnapshot& form, const QLocale& locale, Language language,
            RecordForm recordForm)
        : m_form(form), m_locale(locale), m_language(language), m_recordForm(recordForm) {}
    TUsinaHd build();

private:
    const ShownPlant* shown() const { return m_form.shown ? &*m_form.shown : nullptr; }

    // A text still the one first shown for the stored plant was not touched: the field keeps
    // the stored value's bits. Any other text is read with Save's number rules.
    template <class T> void take(const QString& text, bool untouched, T& field, T stored) const {
        if (untouched) {
            field = stored;
        } else if constexpr (std::is_same_v<T, float>) {
            const auto v = NumberInput::toReal(text, m_locale);
            if (!v)
                throw ConversionError{NumberInput::invalidRealText(text, m_language)};
            field = *v;
        } else if constexpr (std::is_same_v<T, double>) {
            const auto v = NumberInput::toCoefficient(text, m_locale, m_recordForm);
            if (!v)
                throw ConversionError{NumberInput::invalidRealText(text, m_language)};
            field = *v;
        } else {
            const auto v = NumberInput::toInteger(text);
            if (!v)
                throw ConversionError{NumberInput::invalidIntegerText(text, m_language)};
            field = *v;
        }
    }
    template <class T> void box(const QString& name, T& field, T stored) const {
        const QString text = m_form.box(name);
        take(text,
             shown() && shown()->texts.boxes.contains(name) && shown()->texts.box(name) == text,
             field, stored);
    }
    // `was`: the cell showed a stored value (within the stored counts).
    template <class T>
    void cell(GridTexts PlantGrids::*grid, int row, int column, bool was, T& field,
              T stored) const {
        const QString text = (m_form.*grid).at(row, column);
        take(text, shown() && was && (shown()->texts.*grid).at(row, column) == text, field, stored);
    }
    std::int32_t code(const QString& text) const {
        std::int32_t v = 0;
        take(text, false, v, 0);
        return v;
    }

    const FormSnapshot& m_form;
    const QLocale& m_locale;
    Language m_language;
    RecordForm m_recordForm;
};

TUsinaHd Builder::build() {
    static const TUsinaHd zero{};
    const TUsinaHd& old = shown() ? shown()->plant : zero;
    const int oldSets = shown() ? usedMachineSets(old.NumConjMaq) : 0;
    const int oldPols = shown() ? usedDownstreamPolynomials(old.NumPolsJus) : 0;

    TUsinaHd p;
    for (const PlantField& f : plantFields()) {
        const QString name = f.name();
        switch (f.kind) {
        case FieldKind::Text:
            // The name box shows capitals; a stored name in small letters reaches the box in
            // capitals too, so the plant gets what the box shows.
            storeText(f.upper ? AnsiText::upper(m_form.box(name)) : m_form.box(name), f.bytes(p),
                      f.width);
            break;
        case FieldKind::Integer:
            box(name, p.*f.integer, old.*f.integer);
            break;
        case FieldKind::Real:
            box(name, p.*f.real, old.*f.real);
            break;
        case FieldKind::Coded: {
            const QString entry = m_form.selector(QString::fromLatin1(f.selector));
            switch (f.entry) {
            case PlantField::Entry::Code: {
                // The code before the first blank: it also reads back an unlisted stored
                // value ("17 - ") as it was.
                const qsizetype blank = entry.indexOf(u' ');
                p.*f.integer = code(blank < 0 ? entry : entry.left(blank));
                break;
            }
            case PlantField::Entry::FirstDigit: // "1 - Yes" gives 1
                p.*f.integer = code(entry.left(1));
                break;
            case PlantField::Entry::Letter:
                p.Reg = entry.isEmpty() ? ' ' : AnsiText::encodeChar(entry.at(0));
                break;
            }
            break;
        }
        }
    }

    using G = PlantGrids;
    for (int k = 0; k < 5; ++k) {
        cell(&G::PCVA, 0, k, true, p.PCV[k], old.PCV[k]);
        cell(&G::PCVA, 1, k, true, p.PAC[k], old.PAC[k]);
    }
    for (int m = 0; m < 12; ++m)
        cell(&G::EvapM, 0, m, true, p.EvapMen[m], old.EvapMen[m]);

    // Elements past the counts stay zero (the new plant starts all zero).
    const int sets = usedMachineSets(p.NumConjMaq);
    for (int s = 0; s < sets; ++s) {
        const bool was = s < oldSets;
        cell(&G::ConjMaq1, s, 1, was, p.NumMaq[s], old.NumMaq[s]);
        cell(&G::ConjMaq1, s, 2, was, p.PotEf[s], old.PotEf[s]);
        cell(&G::ConjMaq1, s, 3, was, p.QEf[s], old.QEf[s]);
        cell(&G::ConjMaq1, s, 4, was, p.HEf[s], old.HEf[s]);
    }
    for (int s = 0; s < sets; ++s) {
        const bool was = s < oldSets;
        Coeffs5* curves[3] = {&p.QHT[s], &p.QHG[s], &p.PH[s]};
        const Coeffs5* stored[3] = {&old.QHT[s], &old.QHG[s], &old.PH[s]};
        for (int c = 0; c < 3; ++c)
            for (int k = 0; k < 5; ++k)
                cell(&G::ConjMaq2, 3 * s + c, 2 + k, was, (*curves[c])[k], (*stored[c])[k]);
    }
    const int pols = usedDownstreamPolynomials(p.NumPolsJus);
    for (int q = 0; q < pols; ++q) {
        const bool was = q < oldPols;
        for (int k = 0; k < 5; ++k)
            cell(&G::PolsJus, q, 1 + k, was, p.PolJus[q][k], old.PolJus[q][k]);
        cell(&G::PolsJus, q, 6, was, p.PolJusRef[q], old.PolJusRef[q]);
    }
    return p;
}

} // namespace

NewPlantResult WriteNewPlant(const FormSnapshot& form, const QLocale& locale, Language language,
                             RecordForm recordForm) {
    NewPlantResult result;
    try {
        result.plant = Builder(form, locale, language, recordForm).build();
        result.ok = true;
    } catch (const ConversionError& e) {
        result.error = e.text;
    }
    return result;
}

#include "editing/WriteNewPlant.h"

#include "editing/NumberInput.h"
#include "registry/AnsiText.h"
#include "registry/PlantFields.h"
#include "registry/PlantTexts.h"

#include <algorithm>

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

// Which stored value a text stands for, so that an untouched text keeps its bits.
struct Source {
    enum Kind { None, Box, Grid };
    Kind kind = None;
    QString name;                    // box name
    const GridTexts* now = nullptr;  // grid of the form
    const GridTexts* then = nullptr; // same grid as first shown
    int row = 0;
    int column = 0;
    bool shownFromPlant = false; // the cell displayed a stored value (within the stored counts)
};

class Builder {
public:
    Builder(const FormSnapshot& form, const QLocale& locale) : m_form(form), m_locale(locale) {}
    TUsinaHd build();

private:
    const ShownPlant* shown() const { return m_form.shown ? &*m_form.shown : nullptr; }

    // True when the text is the one first shown for the stored plant.
    bool untouched(const QString& text, const Source& src) const {
        if (!shown())
            return false;
        if (src.kind == Source::Box)
            return shown()->texts.boxes.contains(src.name) && shown()->texts.box(src.name) == text;
        if (src.kind == Source::Grid)
            return src.shownFromPlant && src.then->at(src.row, src.column) == text;
        return false;
    }

    std::int32_t toInt(const QString& text) const {
        const auto v = NumberInput::toInteger(text);
        if (!v)
            throw ConversionError{NumberInput::invalidIntegerText(text)};
        return *v;
    }
    float toReal(const QString& text) const {
        const auto v = NumberInput::toReal(text, m_locale);
        if (!v)
            throw ConversionError{NumberInput::invalidRealText(text)};
        return *v;
    }

    void intBox(const QString& name, std::int32_t& field, std::int32_t stored) {
        const QString text = m_form.box(name);
        field = untouched(text, {Source::Box, name}) ? stored : toInt(text);
    }
    void realBox(const QString& name, float& field, float stored) {
        const QString text = m_form.box(name);
        field = untouched(text, {Source::Box, name}) ? stored : toReal(text);
    }
    Source cell(const GridTexts& now, const GridTexts& then, int row, int column,
                bool fromPlant) const {
        Source s;
        s.kind = Source::Grid;
        s.now = &now;
        s.then = &then;
        s.row = row;
        s.column = column;
        s.shownFromPlant = fromPlant;
        return s;
    }
    void intCell(const Source& src, std::int32_t& field, std::int32_t stored) {
        const QString text = src.now->at(src.row, src.column);
        field = untouched(text, src) ? stored : toInt(text);
    }
    void realCell(const Source& src, float& field, float stored) {
        const QString text = src.now->at(src.row, src.column);
        field = untouched(text, src) ? stored : toReal(text);
    }
    const FormSnapshot& m_form;
    const QLocale& m_locale;
};

TUsinaHd Builder::build() {
    static const TUsinaHd zero{};
    const TUsinaHd& old = shown() ? shown()->plant : zero;
    const FormTexts& then = shown() ? shown()->texts : static_cast<const FormTexts&>(m_form);
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
            intBox(name, p.*f.integer, old.*f.integer);
            break;
        case FieldKind::Real:
            realBox(name, p.*f.real, old.*f.real);
            break;
        case FieldKind::Coded: {
            const QString entry = m_form.selector(QString::fromLatin1(f.selector));
            switch (f.entry) {
            case PlantField::Entry::Code: {
                // The code before the first blank: it also reads back an unlisted stored
                // value ("17 - ") as it was.
                const qsizetype blank = entry.indexOf(u' ');
                p.*f.integer = toInt(blank < 0 ? entry : entry.left(blank));
                break;
            }
            case PlantField::Entry::FirstDigit: // "1 - Yes" gives 1
                p.*f.integer = toInt(entry.left(1));
                break;
            case PlantField::Entry::Letter:
                p.Reg = entry.isEmpty() ? ' ' : AnsiText::encodeChar(entry.at(0));
                break;
            }
            break;
        }
        }
    }

    for (int k = 0; k < 5; ++k) {
        realCell(cell(m_form.PCVA, then.PCVA, 0, k, true), p.PCV[k], old.PCV[k]);
        realCell(cell(m_form.PCVA, then.PCVA, 1, k, true), p.PAC[k], old.PAC[k]);
    }
    for (int m = 0; m < 12; ++m)
        intCell(cell(m_form.EvapM, then.EvapM, 0, m, true), p.EvapMen[m], old.EvapMen[m]);

    // Elements past the counts stay zero (the new plant starts all zero).
    const int sets = usedMachineSets(p.NumConjMaq);
    for (int s = 0; s < sets; ++s) {
        const bool was = s < oldSets;
        intCell(cell(m_form.ConjMaq1, then.ConjMaq1, s, 1, was), p.NumMaq[s], old.NumMaq[s]);
        realCell(cell(m_form.ConjMaq1, then.ConjMaq1, s, 2, was), p.PotEf[s], old.PotEf[s]);
        intCell(cell(m_form.ConjMaq1, then.ConjMaq1, s, 3, was), p.QEf[s], old.QEf[s]);
        realCell(cell(m_form.ConjMaq1, then.ConjMaq1, s, 4, was), p.HEf[s], old.HEf[s]);
    }
    for (int s = 0; s < sets; ++s) {
        const bool was = s < oldSets;
        Coeffs5* curves[3] = {&p.QHT[s], &p.QHG[s], &p.PH[s]};
        const Coeffs5* stored[3] = {&old.QHT[s], &old.QHG[s], &old.PH[s]};
        for (int c = 0; c < 3; ++c)
            for (int k = 0; k < 5; ++k)
                realCell(cell(m_form.ConjMaq2, then.ConjMaq2, 3 * s + c, 2 + k, was),
                         (*curves[c])[k], (*stored[c])[k]);
    }
    const int pols = usedDownstreamPolynomials(p.NumPolsJus);
    for (int q = 0; q < pols; ++q) {
        const bool was = q < oldPols;
        for (int k = 0; k < 5; ++k)
            realCell(cell(m_form.PolsJus, then.PolsJus, q, 1 + k, was), p.PolJus[q][k],
                     old.PolJus[q][k]);
        realCell(cell(m_form.PolsJus, then.PolsJus, q, 6, was), p.PolJusRef[q], old.PolJusRef[q]);
    }
    return p;
}

} // namespace

NewPlantResult WriteNewPlant(const FormSnapshot& form, const QLocale& locale) {
    NewPlantResult result;
    try {
        result.plant = Builder(form, locale).build();
        result.ok = true;
    } catch (const ConversionError& e) {
        result.error = e.text;
    }
    return result;
}

#include "registry/PlantTexts.h"

#include "registry/NumberTexts.h"
#include "registry/PlantFields.h"

#include <algorithm>
#include <utility>

using namespace NumberTexts;

QString GridTexts::at(int row, int column) const {
    if (row < 0 || row >= rows || column < 0 || column >= columns)
        return {};
    return cells.at(row * columns + column);
}

void GridTexts::set(int row, int column, const QString& text) {
    if (row >= 0 && row < rows && column >= 0 && column < columns)
        cells[row * columns + column] = text;
}

GridTexts* PlantGrids::grid(const QString& control) {
    return const_cast<GridTexts*>(std::as_const(*this).grid(control));
}

const GridTexts* PlantGrids::grid(const QString& control) const {
    const std::pair<const char*, const GridTexts*> grids[] = {
        {"StrGr_PCVA", &PCVA},         {"StrGr_EvapM", &EvapM},     {"StrGr_ConjMaq1", &ConjMaq1},
        {"StrGr_ConjMaq2", &ConjMaq2}, {"StrGr_PolsJus", &PolsJus},
    };
    for (const auto& [name, g] : grids)
        if (control == QLatin1String(name))
            return g;
    return nullptr;
}

void PlantGrids::clear() {
    for (GridTexts* g : {&PCVA, &EvapM, &ConjMaq1, &ConjMaq2, &PolsJus})
        std::fill(g->cells.begin(), g->cells.end(), QString());
}

int usedMachineSets(std::int32_t n) {
    return std::clamp<std::int32_t>(n, 0, MaxMachineSets);
}
int usedDownstreamPolynomials(std::int32_t n) {
    return std::clamp<std::int32_t>(n, 0, MaxDownstreamPolynomials);
}
int shownMachineSets(std::int32_t n) {
    return std::max(1, usedMachineSets(n));
}
int shownDownstreamPolynomials(std::int32_t n) {
    return std::max(1, usedDownstreamPolynomials(n));
}

const QStringList& regEntries() {
    static const QStringList e{"M - Mensal", "S - Semanal", "D - Diária"};
    return e;
}
const QStringList& repConjEntries() {
    static const QStringList e{"0 - Aprox.", "1 - Det.", "2 - Simpl."};
    return e;
}
const QStringList& tipoPerdasEntries() {
    static const QStringList e{"1 - %", "2 - m", "3 - K"};
    return e;
}
const QStringList& inflVertEntries() {
    static const QStringList e{"0 - No", "1 - Yes"};
    return e;
}

QString regText(char reg) {
    for (const QString& entry : regEntries())
        if (entry.at(0) == QLatin1Char(reg))
            return entry;
    return {};
}
QString repConjText(std::int32_t v) {
    return repConjEntries().value(v);
}
QString tipoPerdasText(std::int32_t v) {
    return tipoPerdasEntries().value(qsizetype(v) - 1);
}
QString inflVertText(std::int32_t v) {
    return inflVertEntries().at(v != 0);
}

const QStringList& plantBoxNames() {
    static const QStringList names = [] {
        QStringList n;
        for (const PlantField& f : plantFields())
            n << f.name();
        return n;
    }();
    return names;
}

PlantTexts plantDisplayTexts(const TUsinaHd& p, const LookupLists& lists,
                             const QStringList& plantNames, const QLocale& locale) {
    PlantTexts t;
    const FieldNames names{lists, plantNames};
    for (const PlantField& f : plantFields())
        t.boxes.insert(f.name(), f.displayText(p, names, locale));

    for (int k = 0; k < 5; ++k) {
        t.PCVA.set(0, k, Exponent(p.PCV[k], locale));
        t.PCVA.set(1, k, Exponent(p.PAC[k], locale));
    }
    for (int m = 0; m < 12; ++m)
        t.EvapM.set(0, m, Integer(p.EvapMen[m]));

    const int sets = usedMachineSets(p.NumConjMaq);
    t.ConjMaq1 = GridTexts(5, shownMachineSets(p.NumConjMaq));
    t.ConjMaq2 = GridTexts(7, sets > 0 ? 3 * sets : 1);
    for (int s = 0; s < sets; ++s) {
        t.ConjMaq1.set(s, 0, Integer(s + 1));
        t.ConjMaq1.set(s, 1, Integer(p.NumMaq[s]));
        t.ConjMaq1.set(s, 2, Fixed(p.PotEf[s], 1, locale));
        t.ConjMaq1.set(s, 3, Integer(p.QEf[s]));
        t.ConjMaq1.set(s, 4, Fixed(p.HEf[s], 2, locale));
        const Coeffs5* curves[3] = {&p.QHT[s], &p.QHG[s], &p.PH[s]};
        const char* labels[3] = {"QHT", "QHG", "PH"};
        for (int c = 0; c < 3; ++c) {
            const int row = 3 * s + c;
            t.ConjMaq2.set(row, 0, Integer(s + 1));
            t.ConjMaq2.set(row, 1, QString::fromLatin1(labels[c]));
            for (int k = 0; k < 5; ++k)
                t.ConjMaq2.set(row, 2 + k, Exponent((*curves[c])[k], locale));
        }
    }
    const int pols = usedDownstreamPolynomials(p.NumPolsJus);
    t.PolsJus = GridTexts(7, shownDownstreamPolynomials(p.NumPolsJus));
    for (int q = 0; q < pols; ++q) {
        t.PolsJus.set(q, 0, Integer(q + 1));
        for (int k = 0; k < 5; ++k)
            t.PolsJus.set(q, 1 + k, Exponent(p.PolJus[q][k], locale));
        t.PolsJus.set(q, 6, Fixed(p.PolJusRef[q], 2, locale));
    }
    return t;
}

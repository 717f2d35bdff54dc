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

PlantGrids::PlantGrids(int sets, int curves, int polynomials) {
    // The grids with items, in the form's order, take the rows given; the fixed ones theirs.
    const int rows[] = {sets, curves, polynomials};
    std::size_t k = 0;
    for (const FormGrid& g : formGrids())
        this->*g.texts = GridTexts(g.columns(), g.items == GridItems::Fixed
                                                    ? g.rowsPerItem
                                                    : rows[std::min(k++, std::size_t(2))]);
}

GridTexts* PlantGrids::grid(const QString& control) {
    return const_cast<GridTexts*>(std::as_const(*this).grid(control));
}

const GridTexts* PlantGrids::grid(const QString& control) const {
    const FormGrid* g = formGrid(control);
    return g ? &(this->*g->texts) : nullptr;
}

void PlantGrids::clear() {
    for (const FormGrid& g : formGrids())
        std::fill((this->*g.texts).cells.begin(), (this->*g.texts).cells.end(), QString());
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

    // Each grid gets the rows the plant's counts give it; the rows of the items in use show
    // their numbers and names and the fields' values, the others stay empty.
    for (const FormGrid& g : formGrids()) {
        GridTexts& cells = t.*g.texts;
        cells = GridTexts(g.columns(), g.shownRows(p));
        const int used = g.usedItems(p);
        for (int r = 0; r < used * g.rowsPerItem; ++r)
            for (int c : {g.numberColumn, g.labelColumn})
                if (c >= 0)
                    cells.set(r, c, g.itemCell(r, c));
    }
    for (const PlantField& f : formFields()) {
        if (f.isBox())
            continue;
        GridTexts& cells = t.*f.grid->texts;
        const int used = f.grid->usedItems(p) * f.place.perRow;
        for (int e = 0; e < f.access.elements && e < used; ++e) {
            const auto [row, column] = f.cellOf(e);
            cells.set(row, column, f.access.text(p, e, f.decimals, locale));
        }
    }
    return t;
}

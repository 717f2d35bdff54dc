#include "registry/PlantTexts.h"

#include "registry/NumberTexts.h"
#include "registry/PlantFields.h"

#include <algorithm>

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

QString regText(char reg) {
    switch (reg) {
    case 'M':
        return QStringLiteral("M - Mensal");
    case 'S':
        return QStringLiteral("S - Semanal");
    case 'D':
        return QStringLiteral("D - Diária");
    default:
        return {};
    }
}

QString repConjText(std::int32_t v) {
    switch (v) {
    case 0:
        return QStringLiteral("0 - Aprox.");
    case 1:
        return QStringLiteral("1 - Det.");
    case 2:
        return QStringLiteral("2 - Simpl.");
    default:
        return {};
    }
}

QString tipoPerdasText(std::int32_t v) {
    switch (v) {
    case 1:
        return QStringLiteral("1 - %");
    case 2:
        return QStringLiteral("2 - m");
    case 3:
        return QStringLiteral("3 - K");
    default:
        return {};
    }
}

QString inflVertText(std::int32_t v) {
    return v != 0 ? QStringLiteral("1 - Yes") : QStringLiteral("0 - No");
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

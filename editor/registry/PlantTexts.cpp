#include "registry/PlantTexts.h"

#include "registry/AnsiText.h"
#include "registry/NumberTexts.h"

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
    return std::clamp<std::int32_t>(n, 0, 5);
}
int usedDownstreamPolynomials(std::int32_t n) {
    return std::clamp<std::int32_t>(n, 0, 6);
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
    static const QStringList names = {
        "TXT_Nome",     "TXT_Posto",     "TXT_Posto_BDH", "TXT_SistUsi",   "TXT_Empresa",
        "TXT_Jusante",  "TXT_Desvio",    "TXT_VMin",      "TXT_VMax",      "TXT_V_Vert",
        "TXT_V_CDesv",  "TXT_YMin",      "TXT_Ymax",      "TXT_NGrMaq",    "TXT_Resp",
        "TXT_Phd",      "TXT_NKeyCur",   "TXT_JusNom",    "TXT_VICF",      "TXT_FatCgMax",
        "TXT_FatCgMin", "TXT_QNaMH",     "TXT_N_UBase",   "TXT_Tipo_Turb", "TXT_RepGrGer",
        "TXT_TxSForc",  "TXT_TxIndProg", "TXT_TpPerda",   "TXT_Data",      "TXT_Obs",
        "TXT_V_Ref",    "TXT_reg",
    };
    return names;
}

PlantTexts plantDisplayTexts(const TUsinaHd& p, const LookupLists& lists,
                             const QStringList& plantNames, const QLocale& locale) {
    PlantTexts t;
    auto& b = t.boxes;
    const auto coded = [](std::int32_t code, const QString& name) {
        return Integer(code) + QStringLiteral(" - ") + name;
    };
    const QString hm3 = QStringLiteral("   hm3");
    const QString metres = QStringLiteral("   m");

    b["TXT_Nome"] = AnsiText::upper(AnsiText::fieldText(p.Nome));
    b["TXT_Posto_BDH"] = AnsiText::fieldText(p.PostoBDH);
    b["TXT_Data"] = AnsiText::fieldText(p.Data);
    b["TXT_Obs"] = AnsiText::fieldText(p.Obs);
    b["TXT_Posto"] = Integer(p.Posto);
    b["TXT_SistUsi"] = coded(p.Sistema, LookupLists::entry(lists.SystemNames, p.Sistema));
    b["TXT_Empresa"] = coded(p.Empresa, LookupLists::entry(lists.CompanyNames, p.Empresa));
    // A stored name shows as its bytes do in TXT_Nome: a NUL adds nothing.
    const auto plantName = [&](std::int32_t code) {
        return LookupLists::entry(plantNames, code).remove(QChar(u'\0'));
    };
    b["TXT_Jusante"] = coded(p.Jusante, plantName(p.Jusante));
    b["TXT_Desvio"] = coded(p.Desvio, plantName(p.Desvio));
    b["TXT_reg"] = regText(p.Reg);
    b["TXT_VMin"] = Fixed(p.VolMin, 2, locale) + hm3;
    b["TXT_VMax"] = Fixed(p.VolMax, 2, locale) + hm3;
    b["TXT_V_Vert"] = Fixed(p.VolVert, 2, locale) + hm3;
    b["TXT_V_CDesv"] = Fixed(p.VolDesv, 2, locale) + hm3;
    b["TXT_V_Ref"] = Fixed(p.VolRef, 2, locale) + hm3;
    b["TXT_YMin"] = Fixed(p.CotaMin, 2, locale) + metres;
    b["TXT_Ymax"] = Fixed(p.CotaMax, 2, locale) + metres;
    b["TXT_Resp"] = Fixed(p.ProdEsp, 6, locale) + QStringLiteral(" MW/m3/s/m");
    b["TXT_Phd"] = Fixed(p.ValorPerdas, 2, locale);
    b["TXT_JusNom"] = Fixed(p.CanalFugaMed, 2, locale) + QStringLiteral(" m");
    b["TXT_VICF"] = inflVertText(p.InflVert);
    b["TXT_FatCgMax"] = Fixed(p.FatCargaMax, 2, locale) + QStringLiteral(" %");
    b["TXT_FatCgMin"] = Fixed(p.FatCargaMin, 2, locale) + QStringLiteral(" %");
    b["TXT_QNaMH"] = Integer(p.VazMinHist) + QStringLiteral(" m3/s");
    b["TXT_N_UBase"] = Integer(p.NumUnidBase);
    b["TXT_Tipo_Turb"] =
        coded(p.TipoTurbina, LookupLists::entry(lists.TurbineNames, p.TipoTurbina));
    b["TXT_RepGrGer"] = repConjText(p.RepConj);
    b["TXT_TxSForc"] = Fixed(p.TEIF, 3, locale) + QStringLiteral(" %");
    b["TXT_TxIndProg"] = Fixed(p.IP, 3, locale) + QStringLiteral(" %");
    b["TXT_TpPerda"] = tipoPerdasText(p.TipoPerdas);
    b["TXT_NKeyCur"] = Integer(p.NumPolsJus);
    b["TXT_NGrMaq"] = Integer(p.NumConjMaq);

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

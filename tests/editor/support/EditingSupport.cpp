#include "EditingSupport.h"

#include <QStringList>

namespace EditingSupport {

namespace {

// Written out here on purpose, apart from the program's catalogue, so the tests check it.
const QStringList Portuguese = {
    "Código da Usina Inválido. Deve ser entre 1 e 320.",
    "Nome da Usina Inválido. Deve conter pelo menos 1 caracter",
    "Posto Inválido. Deve ser um número maior que 0",
    "Posto BDH Inválido. Deve ser um número maior que 0",
    "Um ou mais volumes estão nulos!",
    "Um ou mais volumes estão negativos!",
    "Volume Mínimo Maior que o Máximo!",
    "Volume para vertimento menor que o mínimo!",
    "Volume para vertimento maior que o máximo!",
    "Volume mínimo para o desvio menor que o volume mínimo do aproveitamento!",
    "Volume mínimo para o desvio maior que o volume máximo do aproveitamento!",
    "Uma ou mais cotas estão nulas!",
    "Cota de Montante negativa!",
    "Volumes iguais e cotas diferentes!",
    "Volumes diferentes e cotas iguais!",
    "Termo independente do polinômio \"Cota x Volume\" e/ou \"Area x Cota\" nulo!",
    "Termo independente (A0) do polinômio \"Cota x Volume\" e/ou \"Area x Cota\" igual a zero!",
    "Número de Conjuntos de Máquinas nulo! Deve ser um valor entre 0 e 5.",
    "Número de Conjuntos de Máquinas inválido! Deve ser um valor entre 0 e 5.",
    "Algum dado do GRID \"Conj. de Máquinas 1\" nulo!",
    "Algum dado do GRID \"Conj. de Máquinas 1\" negativo!",
    "Algum dado do GRID \"Conj. de Máquinas 2\" nulo!",
    "Algum Termo Independente (A0 dos Polinômios Turbina/Gerador/Potência) do GRID \"Conj. de "
    "Máquinas 2\" igual a zero!",
    "Número de Polinômios de Jusante nulo! Deve ser um valor entre 1 e 6.",
    "Número de Polinômios de Jusante inválido! Deve ser um valor entre 1 e 6.",
    "Cota do Canal de Fuga Médio nula!",
    "Cota do Canal de Fuga Médio negativa!",
    "Cota do Canal de Fuga Médio (jusante) maior que a Cota mínima (montante)!",
    "Algum dado do GRID \"Polinômios de Jusante\" nulo!",
    "Termo Independente (A0) do GRID \"Polinômios de Jusante\" igual a zero!",
    "Referência para \"Polinômio de Jusante\" negativa!",
    "Produtibilidade Específica nula!",
    "Produtibilidade Específica negativa!",
    "Coeficiente de Perdas Hidráulicas nulo!",
    "Coeficiente de Perdas Hidráulicas negativo!",
    "Fator de Carga nulo!",
    "Fator de Carga negativo!",
    "Fator de Carga mínimo maior que o máximo!",
    "TEIF e/ou IP nula!",
    "TEIF e/ou IP negativa!",
    "Vazão Mínima do Histórico nula!",
    "Vazão Mínima do Histórico negativa!",
    "Número de Unidades de Base nulo!",
    "Número de Unidades de Base negativo!",
    "Problemas na consistência dos dados!",
    "Volume de Referência nulo!",
    "Volume de Referência deve estar entre o Volume Mínimo e o Volume Máximo!",
};

const QStringList English = {
    "Plant code invalid. Must be between 1 and 320.",
    "Plant Name invalid. Must have at least 1 caracter.",
    "Gauge number invalid. Must be a number greater than 0.",
    "Alt Gauge ID invalid. Must be a number greater than 0.",
    "At least one volume is null!",
    "At least one volume is negative!",
    "Minimum Volume greater than Maximum Volume!",
    "Volume for spilling is smaller than the Minimum Volume!",
    "Volume for spilling is greater than the Maximum Volume!",
    "Volume for deviation smaller than Plant\u00B4s Minimum Volume !",
    "Volume for deviation greater than Plant\u00B4s Maximum Volume !",
    "At least one Level is null !",
    "Negative Level!",
    "Different levels in the same volume !",
    "Different volumes in the same level",
    "Independent term (A0) from \"Level x Volume\" and/or \"Area x Level\" Polynomiums is null!",
    "Independent term (A0) from \"Level x Volume\" and/or \"Area x Level\" Polynomiums is equal "
    "to zero!",
    "Number of Unit Types is null! Must be between 0 and 5.",
    "Number of Unit Types is invalid! Must be between 0 and 5.",
    "Some data from the first \"Unit Types\" GRID is null",
    "Some data from the first \"Unit Types\" GRID is negative",
    "Some data from the second \"Unit Types\" GRID is null",
    "Independent term (A0) from \"Turbin/Generator/Power\" Polynomiums (from the second \"Unit "
    "Types\" GRID) is equal to zero!",
    "Number of Downstream Polynomiums is null! Must be between 1 and 6.",
    "Number of Downstream Polynomiums is invalid! Must be between 1 and 6.",
    "Medium Tailrace Level is null.",
    "Medium Tailrace Level is negative.",
    "Medium Tailrace Level greater than Plant\u00B4s Minimum Level.",
    "Some data from \"Downstream Polynomiums\" null",
    "Independent term (A0) from \"Downstream Polynomiums\" equal to zero.",
    "Downstream Polynomiums reference (m) negative.",
    "Specific Productivity is null.",
    "Specific Productivity is negative.",
    "Losses value is null.",
    "Losses value is negative.",
    "Load Factor null.",
    "Load Factor negative.",
    "Minimum Load Factor greater than Maximum.",
    "TEIF and/or IP is null.",
    "TEIF and/or IP is negative.",
    "Minimal Historical Inflow is null!",
    "Minimal Historical Inflow is negative!",
    "Number of Base Units is null!",
    "Number of Base Units is negative!",
    "Velarin had some problems during input data evaluation.",
    "Reference Volume is null!",
    "Reference Volume must be between Minimum Volume and Maximum Volume.",
};

} // namespace

QString validationText(int language, int entry) {
    const QStringList& texts = language == 2 ? English : Portuguese;
    return entry >= 0 && entry < texts.size() ? texts.at(entry) : QString();
}

FormSnapshot validForm(QChar sep) {
    const auto d = [sep](const char* text) { return QString::fromLatin1(text).replace(u'.', sep); };
    FormSnapshot f;
    auto& b = f.boxes;
    b["TXT_Cod"] = "42";
    b["TXT_Nome"] = "RIO CLARO" + QString(11, u' ');
    b["TXT_Posto"] = "142";
    b["TXT_Posto_BDH"] = "61998000";
    b["TXT_VMax"] = d("1500.50");
    b["TXT_VMin"] = d("200.25");
    b["TXT_V_Vert"] = d("1400.00");
    b["TXT_V_CDesv"] = d("300.00");
    b["TXT_V_Ref"] = d("1000.00");
    b["TXT_Ymax"] = d("410.00");
    b["TXT_YMin"] = d("395.50");
    b["TXT_JusNom"] = d("320.75");
    b["TXT_Resp"] = d("0.008700");
    b["TXT_Phd"] = d("2.50");
    b["TXT_FatCgMax"] = d("100.00");
    b["TXT_FatCgMin"] = d("40.00");
    b["TXT_TxSForc"] = d("2.125");
    b["TXT_TxIndProg"] = d("4.250");
    b["TXT_NGrMaq"] = "2";
    b["TXT_NKeyCur"] = "2";
    b["TXT_QNaMH"] = "85";
    b["TXT_N_UBase"] = "1";
    b["TXT_Data"] = "12/2025" + QString(8, u' ');
    b["TXT_Obs"] = "Usina fictícia de teste" + QString(47, u' ');
    auto& s = f.selectors;
    s["CMBsistema"] = "1 - Sudeste";
    s["CMBempresa"] = "19 - Furnas";
    s["CMBjusante"] = "0 - NÃO HÁ";
    s["CMBdesvio"] = "0 - NÃO HÁ";
    s["CMBtipo_turb"] = "1 - Francis";
    s["CMBrepgrger"] = "1 - Det.";
    s["CMBvicf"] = "1 - Yes";
    s["CMBtp_perda"] = "2 - m";
    s["CMBreg"] = "D - Diária";
    const char* pcv[5] = {"3.801234E+02", "1.250000E-02", "-3.000000E-06", "0.000000E+00",
                          "0.000000E+00"};
    const char* pac[5] = {"1.200000E+01", "4.500000E-01", "0.000000E+00", "0.000000E+00",
                          "0.000000E+00"};
    for (int k = 0; k < 5; ++k) {
        f.PCVA.set(0, k, d(pcv[k]));
        f.PCVA.set(1, k, d(pac[k]));
    }
    const char* evap[12] = {"12", "10", "8", "5", "3", "1", "0", "-2", "4", "7", "9", "11"};
    for (int m = 0; m < 12; ++m)
        f.EvapM.set(0, m, evap[m]);
    for (int r = 0; r < 2; ++r) {
        f.ConjMaq1.set(r, 0, QString::number(r + 1));
        f.ConjMaq1.set(r, 1, r == 0 ? "3" : "1");
        f.ConjMaq1.set(r, 2, d(r == 0 ? "120.5" : "60.0"));
        f.ConjMaq1.set(r, 3, r == 0 ? "210" : "105");
        f.ConjMaq1.set(r, 4, d(r == 0 ? "58.25" : "57.00"));
        const char* labels[3] = {"QHT", "QHG", "PH"};
        for (int c = 0; c < 3; ++c) {
            const int row = 3 * r + c;
            f.ConjMaq2.set(row, 0, QString::number(r + 1));
            f.ConjMaq2.set(row, 1, labels[c]);
            f.ConjMaq2.set(row, 2, d(c == 2 ? "9.500000E-01" : "1.000000E+00"));
            for (int k = 1; k < 5; ++k)
                f.ConjMaq2.set(row, 2 + k, d("0.000000E+00"));
        }
        f.PolsJus.set(r, 0, QString::number(r + 1));
        f.PolsJus.set(r, 1, d(r == 0 ? "3.180000E+02" : "3.190000E+02"));
        f.PolsJus.set(r, 2, d("1.000000E-03"));
        for (int k = 2; k < 5; ++k)
            f.PolsJus.set(r, 1 + k, d("0.000000E+00"));
        f.PolsJus.set(r, 6, d(r == 0 ? "0.00" : "325.00"));
    }
    return f;
}

} // namespace EditingSupport

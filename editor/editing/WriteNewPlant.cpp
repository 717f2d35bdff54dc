#include "editing/WriteNewPlant.h"

#include "editing/NumberInput.h"
#include "registry/AnsiText.h"
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

    void intBox(const char* name, std::int32_t& field, std::int32_t stored) {
        const QString n = QString::fromLatin1(name);
        const QString text = m_form.box(n);
        field = untouched(text, {Source::Box, n}) ? stored : toInt(text);
    }
    void realBox(const char* name, float& field, float stored) {
        const QString n = QString::fromLatin1(name);
        const QString text = m_form.box(n);
        field = untouched(text, {Source::Box, n}) ? stored : toReal(text);
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
    // The code before the first blank of a selector's entry ("12 - ALFA" gives 12).
    std::int32_t codeOf(const char* selector) const {
        const QString text = m_form.selector(QString::fromLatin1(selector));
        const qsizetype blank = text.indexOf(u' ');
        return toInt(blank < 0 ? text : text.left(blank));
    }
    // The first character of a selector's entry as a whole number ("1 - Yes" gives 1).
    std::int32_t firstDigitOf(const char* selector) const {
        return toInt(m_form.selector(QString::fromLatin1(selector)).left(1));
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
    // The name box shows capitals; a stored name in small letters reaches the box in
    // capitals too, so the plant gets what the box shows.
    storeText(AnsiText::upper(m_form.box(QStringLiteral("TXT_Nome"))), p.Nome.data(), 12);
    intBox("TXT_Posto", p.Posto, old.Posto);
    storeText(m_form.box(QStringLiteral("TXT_Posto_BDH")), p.PostoBDH.data(), 8);
    p.Sistema = codeOf("CMBsistema");
    p.Empresa = codeOf("CMBempresa");
    p.Jusante = codeOf("CMBjusante");
    p.Desvio = codeOf("CMBdesvio");
    {
        const QString reg = m_form.selector(QStringLiteral("CMBreg"));
        p.Reg = reg.isEmpty() ? ' ' : AnsiText::encodeChar(reg.at(0));
    }
    realBox("TXT_VMin", p.VolMin, old.VolMin);
    realBox("TXT_VMax", p.VolMax, old.VolMax);
    realBox("TXT_V_Vert", p.VolVert, old.VolVert);
    realBox("TXT_V_CDesv", p.VolDesv, old.VolDesv);
    realBox("TXT_YMin", p.CotaMin, old.CotaMin);
    realBox("TXT_Ymax", p.CotaMax, old.CotaMax);
    realBox("TXT_V_Ref", p.VolRef, old.VolRef);
    realBox("TXT_Resp", p.ProdEsp, old.ProdEsp);
    realBox("TXT_Phd", p.ValorPerdas, old.ValorPerdas);
    realBox("TXT_JusNom", p.CanalFugaMed, old.CanalFugaMed);
    p.InflVert = firstDigitOf("CMBvicf");
    realBox("TXT_FatCgMax", p.FatCargaMax, old.FatCargaMax);
    realBox("TXT_FatCgMin", p.FatCargaMin, old.FatCargaMin);
    intBox("TXT_QNaMH", p.VazMinHist, old.VazMinHist);
    intBox("TXT_N_UBase", p.NumUnidBase, old.NumUnidBase);
    p.TipoTurbina = codeOf("CMBtipo_turb");
    // The code before the blank: the same as the first character for every listed entry,
    // and it also reads back an unlisted stored value ("17 - ") as it was.
    p.RepConj = codeOf("CMBrepgrger");
    realBox("TXT_TxSForc", p.TEIF, old.TEIF);
    realBox("TXT_TxIndProg", p.IP, old.IP);
    p.TipoPerdas = codeOf("CMBtp_perda");
    storeText(m_form.box(QStringLiteral("TXT_Data")), p.Data.data(), 8);
    storeText(m_form.box(QStringLiteral("TXT_Obs")), p.Obs.data(), 43);
    intBox("TXT_NKeyCur", p.NumPolsJus, old.NumPolsJus);
    intBox("TXT_NGrMaq", p.NumConjMaq, old.NumConjMaq);

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

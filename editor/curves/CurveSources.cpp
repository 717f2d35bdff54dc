#include "curves/CurveSources.h"

#include "editing/NumberInput.h"
#include "registry/PlantTexts.h"
#include "registry/RecordColumns.h"

namespace PlantCurves {

CurveSource storedSource(const TUsinaHd& plant) {
    CurveSource source;
    source.plant = plant;
    return source;
}

namespace {

class FormReader {
public:
    FormReader(const FormTexts& form, const std::optional<ShownPlant>& shown, const QLocale& locale,
               CurveSource& out)
        : m_form(form), m_shown(shown ? &*shown : nullptr), m_locale(locale), m_out(out),
          m_old(shown ? shown->plant : TUsinaHd{}) {}

    void read() {
        TUsinaHd& p = m_out.plant;
        realBox("TXT_VMin", "VolMin", Input::VolMin, &TUsinaHd::VolMin);
        realBox("TXT_VMax", "VolMax", Input::VolMax, &TUsinaHd::VolMax);
        realBox("TXT_V_Vert", "VolVert", Input::VolVert, &TUsinaHd::VolVert);
        realBox("TXT_V_Ref", "VolRef", Input::VolRef, &TUsinaHd::VolRef);
        realBox("TXT_YMin", "CotaMin", Input::CotaMin, &TUsinaHd::CotaMin);
        realBox("TXT_Ymax", "CotaMax", Input::CotaMax, &TUsinaHd::CotaMax);
        realBox("TXT_Resp", "ProdEsp", Input::ProdEsp, &TUsinaHd::ProdEsp);
        realBox("TXT_Phd", "ValorPerdas", Input::ValorPerdas, &TUsinaHd::ValorPerdas);
        realBox("TXT_JusNom", "CanalFugaMed", Input::CanalFugaMed, &TUsinaHd::CanalFugaMed);
        intBox("TXT_NGrMaq", "NumConjMaq", Input::NumConjMaq, &TUsinaHd::NumConjMaq);
        intBox("TXT_NKeyCur", "NumPolsJus", Input::NumPolsJus, &TUsinaHd::NumPolsJus);
        // The loss type is chosen, not typed: the selector's first character, as Save reads it.
        const auto type =
            NumberInput::toInteger(m_form.selector(QStringLiteral("CMBtp_perda")).left(1));
        if (type)
            p.TipoPerdas = *type;
        else
            fail(Input::TipoPerdas, "TipoPerdas", 0);

        const int oldSets = m_shown ? usedMachineSets(m_old.NumConjMaq) : 0;
        const int oldPols = m_shown ? usedDownstreamPolynomials(m_old.NumPolsJus) : 0;
        for (int k = 0; k < 5; ++k) {
            real(&FormTexts::PCVA, 0, k, true, p.PCV[k], m_old.PCV[k], Input::PCV, "PCV", k);
            real(&FormTexts::PCVA, 1, k, true, p.PAC[k], m_old.PAC[k], Input::PAC, "PAC", k);
        }
        for (int m = 0; m < 12; ++m)
            integer(&FormTexts::EvapM, 0, m, true, p.EvapMen[m], m_old.EvapMen[m], Input::EvapMen,
                    "EvapMen", m);
        const int sets = usedMachineSets(p.NumConjMaq);
        for (int s = 0; s < sets; ++s) {
            const bool was = s < oldSets;
            integer(&FormTexts::ConjMaq1, s, 1, was, p.NumMaq[s], m_old.NumMaq[s], Input::NumMaq,
                    "NumMaq", s);
            real(&FormTexts::ConjMaq1, s, 2, was, p.PotEf[s], m_old.PotEf[s], Input::PotEf, "PotEf",
                 s);
            integer(&FormTexts::ConjMaq1, s, 3, was, p.QEf[s], m_old.QEf[s], Input::QEf, "QEf", s);
        }
        const int pols = usedDownstreamPolynomials(p.NumPolsJus);
        for (int q = 0; q < pols; ++q) {
            const bool was = q < oldPols;
            for (int k = 0; k < 5; ++k)
                real(&FormTexts::PolsJus, q, 1 + k, was, p.PolJus[q][k], m_old.PolJus[q][k],
                     polJusInput(q), "PolJus", 5 * q + k);
            real(&FormTexts::PolsJus, q, 6, was, p.PolJusRef[q], m_old.PolJusRef[q], polJusInput(q),
                 "PolJusRef", q);
        }
    }

private:
    void fail(Input input, const char* field, int element) {
        QString& slot = m_out.unread[std::size_t(input)];
        if (slot.isEmpty())
            slot = RecordColumns::label(field, element);
    }
    bool untouchedBox(const QString& name, const QString& text) const {
        return m_shown && m_shown->texts.boxes.contains(name) && m_shown->texts.box(name) == text;
    }
    template <class T, class Parse>
    void box(const char* name, const char* field, Input input, T TUsinaHd::*member, Parse parse) {
        const QString control = QString::fromLatin1(name);
        const QString text = m_form.box(control);
        if (untouchedBox(control, text)) {
            m_out.plant.*member = m_old.*member;
        } else if (const auto v = parse(text)) {
            m_out.plant.*member = *v;
        } else {
            fail(input, field, 0);
        }
    }
    void realBox(const char* name, const char* field, Input input, float TUsinaHd::*member) {
        box(name, field, input, member,
            [this](const QString& t) { return NumberInput::toReal(t, m_locale); });
    }
    void intBox(const char* name, const char* field, Input input, std::int32_t TUsinaHd::*member) {
        box(name, field, input, member, [](const QString& t) { return NumberInput::toInteger(t); });
    }
    template <class T, class Parse>
    void cell(GridTexts FormTexts::*grid, int row, int column, bool fromPlant, T& out, T stored,
              Input input, const char* field, int element, Parse parse) {
        const QString text = (m_form.*grid).at(row, column);
        if (m_shown && fromPlant && (m_shown->texts.*grid).at(row, column) == text) {
            out = stored;
        } else if (const auto v = parse(text)) {
            out = *v;
        } else {
            fail(input, field, element);
        }
    }
    void real(GridTexts FormTexts::*grid, int row, int column, bool fromPlant, float& out,
              float stored, Input input, const char* field, int element) {
        cell(grid, row, column, fromPlant, out, stored, input, field, element,
             [this](const QString& t) { return NumberInput::toReal(t, m_locale); });
    }
    void integer(GridTexts FormTexts::*grid, int row, int column, bool fromPlant, std::int32_t& out,
                 std::int32_t stored, Input input, const char* field, int element) {
        cell(grid, row, column, fromPlant, out, stored, input, field, element,
             [](const QString& t) { return NumberInput::toInteger(t); });
    }

    const FormTexts& m_form;
    const ShownPlant* m_shown;
    const QLocale& m_locale;
    CurveSource& m_out;
    TUsinaHd m_old;
};

} // namespace

CurveSource formSource(const FormTexts& form, const std::optional<ShownPlant>& shown,
                       const QLocale& locale) {
    CurveSource source;
    FormReader(form, shown, locale, source).read();
    return source;
}

} // namespace PlantCurves

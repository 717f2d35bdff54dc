#include "curves/CurveSources.h"

#include "editing/NumberInput.h"
#include "registry/PlantTexts.h"
#include "registry/RecordColumns.h"

#include <algorithm>
#include <utility>

namespace PlantCurves {

CurveSource storedSource(const TUsinaHd& plant) {
    CurveSource source;
    source.plant = plant;
    return source;
}

namespace {

// A control's text in the language, from the interface's tables: its hint when it has one
// (the label with its unit), else its caption without the closing colon.
QString interfaceText(const char* control, Language language) {
    for (const auto& table : {controlHints(), controlCaptions()})
        for (const LanguageText& row : table)
            if (qstrcmp(row.control, control) == 0) {
                QString text = row.in(language).trimmed();
                if (text.endsWith(u':'))
                    text.chop(1);
                return text.trimmed();
            }
    return QString::fromLatin1(control);
}

// The label the form shows for an element of a field: the box's label, or the cell's grid
// and column ("Level x Volume A2", "UNIT TYPES 2: QEf (m3/s)").
QString formLabel(const char* field, int element, Language language) {
    static const std::pair<const char*, const char*> boxes[] = {
        {"VolMin", "TXT_VMin"},        {"VolMax", "TXT_VMax"},
        {"VolVert", "TXT_V_Vert"},     {"VolRef", "TXT_V_Ref"},
        {"CotaMin", "TXT_YMin"},       {"CotaMax", "TXT_Ymax"},
        {"ProdEsp", "TXT_Resp"},       {"CanalFugaMed", "TXT_JusNom"},
        {"NumConjMaq", "LBLnumtunit"}, {"NumPolsJus", "LBLndownpols"}};
    for (const auto& [name, control] : boxes)
        if (qstrcmp(field, name) == 0)
            return interfaceText(control, language);
    const auto t = [&](const char* control) { return interfaceText(control, language); };
    const auto coefficient = [](int k) { return QStringLiteral("A%1").arg(k); };
    static const char* const months[12] = {"LBLjan", "LBLfev", "LBLmar", "LBLabr",
                                           "LBLmai", "LBLjun", "LBLjul", "LBLago",
                                           "LBLset", "LBLout", "LBLnov", "LBLdez"};
    const QString f = QString::fromLatin1(field);
    if (f == u"TipoPerdas" || f == u"ValorPerdas")
        return t("LBLperdas") + u' ' + t(f == u"TipoPerdas" ? "LBLtipo" : "LBLvalor");
    if (f == u"PCV" || f == u"PAC")
        return t(f == u"PCV" ? "LBLcotavol" : "LBLareacota") + u' ' + coefficient(element);
    if (f == u"EvapMen")
        return t("LBLevap") + u' ' + t(months[std::clamp(element, 0, 11)]);
    // The machine sets' headings are the same in both languages.
    if (f == u"NumMaq" || f == u"PotEf" || f == u"QEf")
        return QStringLiteral("%1 %2: %3")
            .arg(t("LBLunitypes"))
            .arg(element + 1)
            .arg(f == u"NumMaq"  ? QStringLiteral("#Maq")
                 : f == u"PotEf" ? QStringLiteral("PotEf (MW)")
                                 : QStringLiteral("QEf (m3/s)"));
    if (f == u"PolJus")
        return QStringLiteral("%1 %2: %3")
            .arg(t("LBLpolsdown"))
            .arg(element / 5 + 1)
            .arg(coefficient(element % 5));
    if (f == u"PolJusRef")
        return QStringLiteral("%1 %2: Refer (m)").arg(t("LBLpolsdown")).arg(element + 1);
    return RecordColumns::label(field, element);
}

class FormReader {
public:
    FormReader(const FormTexts& form, const std::optional<ShownPlant>& shown, const QLocale& locale,
               Language language, RecordForm recordForm, CurveSource& out)
        : m_form(form), m_shown(shown ? &*shown : nullptr), m_locale(locale), m_language(language),
          m_form832(recordForm), m_out(out), m_old(shown ? shown->plant : TUsinaHd{}) {}

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
            coefficient(0, k, p.PCV[k], m_old.PCV[k], Input::PCV, "PCV");
            coefficient(1, k, p.PAC[k], m_old.PAC[k], Input::PAC, "PAC");
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
            slot = formLabel(field, element, m_language);
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
    void coefficient(int row, int k, double& out, double stored, Input input, const char* field) {
        cell(&FormTexts::PCVA, row, k, true, out, stored, input, field, k,
             [this](const QString& t) {
                 return NumberInput::toCoefficient(t, m_locale, m_form832);
             });
    }
    void integer(GridTexts FormTexts::*grid, int row, int column, bool fromPlant, std::int32_t& out,
                 std::int32_t stored, Input input, const char* field, int element) {
        cell(grid, row, column, fromPlant, out, stored, input, field, element,
             [](const QString& t) { return NumberInput::toInteger(t); });
    }

    const FormTexts& m_form;
    const ShownPlant* m_shown;
    const QLocale& m_locale;
    Language m_language;
    RecordForm m_form832; // the width PCV and PAC are read in
    CurveSource& m_out;
    TUsinaHd m_old;
};

} // namespace

CurveSource formSource(const FormTexts& form, const std::optional<ShownPlant>& shown,
                       const QLocale& locale, Language language, RecordForm recordForm) {
    CurveSource source;
    FormReader(form, shown, locale, language, recordForm, source).read();
    return source;
}

} // namespace PlantCurves

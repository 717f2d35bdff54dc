#include "registry/PlantFields.h"

#include "registry/AnsiText.h"
#include "registry/NumberTexts.h"
#include "registry/PlantTexts.h"

using namespace NumberTexts;

namespace {

QString coded(std::int32_t code, const QString& name) {
    return Integer(code) + QStringLiteral(" - ") + name;
}
// A stored name shows as its bytes do in TXT_Nome: a NUL adds nothing.
QString plantName(const FieldNames& n, std::int32_t code) {
    return LookupLists::entry(n.plantNames, code).remove(QChar(u'\0'));
}

template <std::size_t N, std::array<char, N> TUsinaHd::*F> char* bytesOf(TUsinaHd& p) {
    return (p.*F).data();
}

using E = PlantField::Entry;

PlantField text(const char* control, char* (*bytes)(TUsinaHd&), int width, bool upper = false) {
    PlantField f{control, FieldKind::Text};
    f.bytes = bytes;
    f.width = width;
    f.upper = upper;
    return f;
}
PlantField integer(const char* control, std::int32_t TUsinaHd::*field, const char* unit = "") {
    PlantField f{control, FieldKind::Integer};
    f.integer = field;
    f.unit = unit;
    return f;
}
PlantField real(const char* control, float TUsinaHd::*field, int decimals, const char* unit = "") {
    PlantField f{control, FieldKind::Real, decimals, unit};
    f.real = field;
    return f;
}
PlantField codedField(const char* control, const char* selector, std::int32_t TUsinaHd::*field,
                      QString (*show)(const TUsinaHd&, const FieldNames&), E entry = E::Code) {
    PlantField f{control, FieldKind::Coded};
    f.selector = selector;
    f.integer = field;
    f.codedText = show;
    f.entry = entry;
    return f;
}

const char* const hm3 = "   hm3";
const char* const metres = "   m";
const char* const percent = " %";

const PlantField kFields[] = {
    text("TXT_Nome", &bytesOf<12, &TUsinaHd::Nome>, 12, true),
    integer("TXT_Posto", &TUsinaHd::Posto),
    text("TXT_Posto_BDH", &bytesOf<8, &TUsinaHd::PostoBDH>, 8),
    codedField("TXT_SistUsi", "CMBsistema", &TUsinaHd::Sistema,
               [](const TUsinaHd& p, const FieldNames& n) {
                   return coded(p.Sistema, LookupLists::entry(n.lists.SystemNames, p.Sistema));
               }),
    codedField("TXT_Empresa", "CMBempresa", &TUsinaHd::Empresa,
               [](const TUsinaHd& p, const FieldNames& n) {
                   return coded(p.Empresa, LookupLists::entry(n.lists.CompanyNames, p.Empresa));
               }),
    codedField("TXT_Jusante", "CMBjusante", &TUsinaHd::Jusante,
               [](const TUsinaHd& p, const FieldNames& n) {
                   return coded(p.Jusante, plantName(n, p.Jusante));
               }),
    codedField("TXT_Desvio", "CMBdesvio", &TUsinaHd::Desvio,
               [](const TUsinaHd& p, const FieldNames& n) {
                   return coded(p.Desvio, plantName(n, p.Desvio));
               }),
    real("TXT_VMin", &TUsinaHd::VolMin, 2, hm3),
    real("TXT_VMax", &TUsinaHd::VolMax, 2, hm3),
    real("TXT_V_Vert", &TUsinaHd::VolVert, 2, hm3),
    real("TXT_V_CDesv", &TUsinaHd::VolDesv, 2, hm3),
    real("TXT_YMin", &TUsinaHd::CotaMin, 2, metres),
    real("TXT_Ymax", &TUsinaHd::CotaMax, 2, metres),
    integer("TXT_NGrMaq", &TUsinaHd::NumConjMaq),
    real("TXT_Resp", &TUsinaHd::ProdEsp, 6, " MW/m3/s/m"),
    real("TXT_Phd", &TUsinaHd::ValorPerdas, 2),
    integer("TXT_NKeyCur", &TUsinaHd::NumPolsJus),
    real("TXT_JusNom", &TUsinaHd::CanalFugaMed, 2, " m"),
    codedField(
        "TXT_VICF", "CMBvicf", &TUsinaHd::InflVert,
        [](const TUsinaHd& p, const FieldNames&) { return inflVertText(p.InflVert); },
        E::FirstDigit),
    real("TXT_FatCgMax", &TUsinaHd::FatCargaMax, 2, percent),
    real("TXT_FatCgMin", &TUsinaHd::FatCargaMin, 2, percent),
    integer("TXT_QNaMH", &TUsinaHd::VazMinHist, " m3/s"),
    integer("TXT_N_UBase", &TUsinaHd::NumUnidBase),
    codedField("TXT_Tipo_Turb", "CMBtipo_turb", &TUsinaHd::TipoTurbina,
               [](const TUsinaHd& p, const FieldNames& n) {
                   return coded(p.TipoTurbina,
                                LookupLists::entry(n.lists.TurbineNames, p.TipoTurbina));
               }),
    codedField("TXT_RepGrGer", "CMBrepgrger", &TUsinaHd::RepConj,
               [](const TUsinaHd& p, const FieldNames&) { return repConjText(p.RepConj); }),
    real("TXT_TxSForc", &TUsinaHd::TEIF, 3, percent),
    real("TXT_TxIndProg", &TUsinaHd::IP, 3, percent),
    codedField("TXT_TpPerda", "CMBtp_perda", &TUsinaHd::TipoPerdas,
               [](const TUsinaHd& p, const FieldNames&) { return tipoPerdasText(p.TipoPerdas); }),
    text("TXT_Data", &bytesOf<8, &TUsinaHd::Data>, 8),
    text("TXT_Obs", &bytesOf<43, &TUsinaHd::Obs>, 43),
    real("TXT_V_Ref", &TUsinaHd::VolRef, 2, hm3),
    codedField(
        "TXT_reg", "CMBreg", nullptr,
        [](const TUsinaHd& p, const FieldNames&) { return regText(p.Reg); }, E::Letter),
};

} // namespace

QString PlantField::displayText(const TUsinaHd& plant, const FieldNames& names,
                                const QLocale& locale) const {
    switch (kind) {
    case FieldKind::Text: {
        const QString t =
            AnsiText::fieldText(bytes(const_cast<TUsinaHd&>(plant)), std::size_t(width));
        return upper ? AnsiText::upper(t) : t;
    }
    case FieldKind::Integer:
        return Integer(plant.*integer) + unitText();
    case FieldKind::Real:
        return Fixed(plant.*real, decimals, locale) + unitText();
    case FieldKind::Coded:
        return codedText(plant, names);
    }
    return {};
}

std::span<const PlantField> plantFields() {
    return kFields;
}

const PlantField* plantField(const QString& control) {
    for (const PlantField& f : kFields)
        if (control == QLatin1String(f.control))
            return &f;
    return nullptr;
}

QString cutUnitSuffix(const QString& boxName, const QString& text) {
    const PlantField* f = plantField(boxName);
    if (!f || !*f->unit)
        return text;
    const QString unit = f->unitText();
    return text.endsWith(unit) ? text.chopped(unit.size()) : text;
}

#include "registry/PlantFields.h"

#include "editing/NumberInput.h"
#include "registry/AnsiText.h"
#include "registry/NumberTexts.h"

#include <type_traits>
#include <utility>

namespace {

// A field's numbers through nested arrays, one element each, row-major.
template <class T> struct Flat {
    using Leaf = T;
    static constexpr int count = 1;
    template <class V> static auto& at(V& v, int) { return v; }
};
template <class T, std::size_t N> struct Flat<std::array<T, N>> {
    using Leaf = typename Flat<T>::Leaf;
    static constexpr int count = int(N) * Flat<T>::count;
    template <class A> static auto& at(A& a, int e) {
        return Flat<T>::at(a[std::size_t(e / Flat<T>::count)], e % Flat<T>::count);
    }
};

// The accessors of a number field, made for its type: a change of a member's type (float to
// double) changes what they read and write and nothing else.
template <auto Member> FieldAccess numbersOf() {
    using Field = std::remove_cvref_t<decltype(std::declval<TUsinaHd&>().*Member)>;
    using F = Flat<Field>;
    using Leaf = typename F::Leaf;
    static_assert(std::is_arithmetic_v<Leaf>);
    FieldAccess a;
    a.elements = F::count;
    a.real = std::is_floating_point_v<Leaf>;
    a.text = [](const TUsinaHd& p, int e, int decimals, const QLocale& locale) {
        const Leaf v = F::at(p.*Member, e);
        if constexpr (std::is_floating_point_v<Leaf>)
            return decimals < 0 ? NumberTexts::Exponent(v, locale)
                                : NumberTexts::Fixed(v, decimals, locale);
        else
            return NumberTexts::Integer(v);
    };
    a.read = [](TUsinaHd& p, int e, const QString& text, const QLocale& locale, RecordForm form) {
        if constexpr (std::is_same_v<Leaf, double>) {
            const auto v = NumberInput::toCoefficient(text, locale, form);
            if (v)
                F::at(p.*Member, e) = *v;
            return v.has_value();
        } else if constexpr (std::is_floating_point_v<Leaf>) {
            const auto v = NumberInput::toReal(text, locale);
            if (v)
                F::at(p.*Member, e) = Leaf(*v);
            return v.has_value();
        } else {
            const auto v = NumberInput::toInteger(text);
            if (v)
                F::at(p.*Member, e) = Leaf(*v);
            return v.has_value();
        }
    };
    a.keep = [](TUsinaHd& to, const TUsinaHd& from, int e) {
        F::at(to.*Member, e) = F::at(from.*Member, e);
    };
    return a;
}

QString coded(std::int32_t code, const QString& name) {
    return NumberTexts::Integer(code) + QStringLiteral(" - ") + name;
}
// A stored name shows as its bytes do in TXT_Nome: a NUL adds nothing.
QString plantName(const FieldNames& n, std::int32_t code) {
    return LookupLists::entry(n.plantNames, code).remove(QChar(u'\0'));
}

template <auto Member> char* bytesOf(TUsinaHd& p) {
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(p.*Member)>, char>)
        return &(p.*Member);
    else
        return (p.*Member).data();
}

using E = PlantField::Entry;
using F = RecordColumns::Format;
using N = RecordColumns::Names;
using I = CurveInput;
using P = LabelPattern;

// One row of the table, told field by field.
struct Row {
    PlantField f;

    Row& csv(const char* label, int order, int slot = 0, P pattern = P::Single) {
        f.csvLabel = label;
        f.labelPattern = pattern;
        f.csvOrder = 10 * order + slot;
        return *this;
    }
    Row& format(F format, N names = N::None) {
        f.csv = format;
        f.names = names;
        return *this;
    }
    Row& rows(int n) {
        f.csvRows = n;
        return *this;
    }
    Row& unit(const char* u) {
        f.unit = u;
        return *this;
    }
    Row& label(const char* l, const char* heading = "") {
        f.label = l;
        f.heading = heading;
        return *this;
    }
    Row& curves(CurveInput input) {
        f.curves = input;
        return *this;
    }
    Row& upper() {
        f.upper = true;
        return *this;
    }
    Row& entry(E e) {
        f.entry = e;
        return *this;
    }
    Row& in(const FormGrid& grid, int row, int column, int perRow) {
        f.grid = &grid;
        f.place = {row, column, perRow};
        return *this;
    }
    operator PlantField() const { return f; }
};

template <auto Member> Row text(const char* field, const char* control) {
    Row r{{field, control, FieldKind::Text}};
    r.f.bytes = &bytesOf<Member>;
    r.f.width = int(sizeof(std::declval<TUsinaHd&>().*Member));
    r.f.csv = F::Text;
    return r;
}
template <auto Member> Row integer(const char* field, const char* control) {
    Row r{{field, control, FieldKind::Integer}};
    r.f.access = numbersOf<Member>();
    return r;
}
// decimals: PlantField::Exponent for the exponent form.
template <auto Member> Row real(const char* field, const char* control, int decimals) {
    Row r{{field, control, FieldKind::Real, decimals}};
    r.f.access = numbersOf<Member>();
    r.f.csv = decimals < 0 ? F::Exponent : F::Fixed;
    return r;
}
template <auto Member>
Row codedField(const char* field, const char* control, const char* selector,
               QString (*show)(const TUsinaHd&, const FieldNames&)) {
    Row r{{field, control, FieldKind::Coded}};
    r.f.selector = selector;
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(std::declval<TUsinaHd&>().*Member)>,
                                 char>) {
        r.f.bytes = &bytesOf<Member>;
        r.f.width = 1;
        r.f.entry = E::Letter;
        r.f.csv = F::Text;
    } else {
        r.f.integer = Member;
        r.f.access = numbersOf<Member>();
    }
    r.f.codedText = show;
    return r;
}

const std::vector<FormGrid>& grids() {
    static const std::vector<FormGrid> g = [] {
        std::vector<FormGrid> v(5);
        FormGrid& pcva = v[0];
        pcva.control = "StrGr_PCVA";
        pcva.texts = &PlantGrids::PCVA;
        pcva.rowsPerItem = 2;
        pcva.byColumns = true;
        pcva.caption = "LBLpolin";
        pcva.rowCaptions = {"LBLcotavol", "LBLareacota"};
        pcva.headings = {{"LBLpcva_A0", "A0"},
                         {"LBLpcva_A1", "A1"},
                         {"LBLpcva_A2", "A2"},
                         {"LBLpcva_A3", "A3"},
                         {"LBLpcva_A4", "A4"}};

        FormGrid& evap = v[1];
        evap.control = "StrGr_EvapM";
        evap.texts = &PlantGrids::EvapM;
        evap.caption = "LBLevap";
        for (const char* month : {"LBLjan", "LBLfev", "LBLmar", "LBLabr", "LBLmai", "LBLjun",
                                  "LBLjul", "LBLago", "LBLset", "LBLout", "LBLnov", "LBLdez"})
            evap.headings.push_back({month, nullptr});

        FormGrid& sets = v[2];
        sets.control = "StrGr_ConjMaq1";
        sets.texts = &PlantGrids::ConjMaq1;
        sets.items = GridItems::MachineSets;
        sets.numberColumn = 0;
        sets.caption = "LBLunitypes";
        sets.headings = {{"LBLconjmaq1_0", "#"},
                         {"LBLconjmaq1_1", "#Maq"},
                         {"LBLconjmaq1_2", "PotEf (MW)"},
                         {"LBLconjmaq1_3", "QEf (m3/s)"},
                         {"LBLconjmaq1_4", "HEf (m)"}};

        FormGrid& curves = v[3];
        curves.control = "StrGr_ConjMaq2";
        curves.texts = &PlantGrids::ConjMaq2;
        curves.items = GridItems::MachineSets;
        curves.rowsPerItem = 3;
        curves.numberColumn = 0;
        curves.labelColumn = 1;
        curves.rowNames = {"QHT", "QHG", "PH"};
        curves.caption = "LBLunitypes";
        curves.headings = {{"LBLconjmaq2_0", "#"},  {"LBLconjmaq2_1", "RL"},
                           {"LBLconjmaq2_2", "A0"}, {"LBLconjmaq2_3", "A1"},
                           {"LBLconjmaq2_4", "A2"}, {"LBLconjmaq2_5", "A3"},
                           {"LBLconjmaq2_6", "A4"}};

        FormGrid& pols = v[4];
        pols.control = "StrGr_PolsJus";
        pols.texts = &PlantGrids::PolsJus;
        pols.items = GridItems::DownstreamPolynomials;
        pols.numberColumn = 0;
        pols.caption = "LBLpolsdown";
        pols.headings = {{"LBLpolsjus_0", "#"},         {"LBLpolsjus_1", "A0"},
                         {"LBLpolsjus_2", "A1"},        {"LBLpolsjus_3", "A2"},
                         {"LBLpolsjus_4", "A3"},        {"LBLpolsjus_5", "A4"},
                         {"LBLpolsjus_6", "Refer (m):"}};
        return v;
    }();
    return g;
}

const char* const hm3 = "   hm3";
const char* const metres = "   m";
const char* const percent = " %";
constexpr int Exp = PlantField::Exponent;

// In the record's order; `csv` gives the export's column label and place.
std::vector<PlantField> buildFields() {
    const auto& g = grids();
    const FormGrid& pcva = g[0];
    const FormGrid& evap = g[1];
    const FormGrid& sets = g[2];
    const FormGrid& curves = g[3];
    const FormGrid& pols = g[4];
    using T = TUsinaHd;
    return {
        text<&T::Nome>("Nome", "TXT_Nome").upper().csv("Usina", 1),
        integer<&T::Posto>("Posto", "TXT_Posto").label("LBLgaugenum").csv("Posto", 4),
        text<&T::PostoBDH>("PostoBDH", "TXT_Posto_BDH").label("LBLaltgaugeid").csv("Posto BDH", 5),
        codedField<&T::Sistema>("Sistema", "TXT_SistUsi", "CMBsistema",
                                [](const T& p, const FieldNames& n) {
                                    return coded(p.Sistema, LookupLists::entry(n.lists.SystemNames,
                                                                               p.Sistema));
                                })
            .label("LBLsystem")
            .csv("Sistema", 2)
            .format(F::Coded, N::Systems),
        codedField<&T::Empresa>("Empresa", "TXT_Empresa", "CMBempresa",
                                [](const T& p, const FieldNames& n) {
                                    return coded(p.Empresa, LookupLists::entry(n.lists.CompanyNames,
                                                                               p.Empresa));
                                })
            .label("LBLgencoID")
            .csv("Empresa", 3)
            .format(F::Coded, N::Companies),
        codedField<&T::Jusante>("Jusante", "TXT_Jusante", "CMBjusante",
                                [](const T& p, const FieldNames& n) {
                                    return coded(p.Jusante, plantName(n, p.Jusante));
                                })
            .label("LBLdowngauge")
            .csv("Jusante", 6)
            .format(F::Coded, N::Plants),
        codedField<&T::Desvio>(
            "Desvio", "TXT_Desvio", "CMBdesvio",
            [](const T& p, const FieldNames& n) { return coded(p.Desvio, plantName(n, p.Desvio)); })
            .label("LBLdeviation")
            .csv("Desvio", 7)
            .format(F::Coded, N::Plants),
        real<&T::VolMin>("VolMin", "TXT_VMin", 2)
            .unit(hm3)
            .label("LBLminvol")
            .csv("Vol.min.(hm3)", 9)
            .curves(I::VolMin),
        real<&T::VolMax>("VolMax", "TXT_VMax", 2)
            .unit(hm3)
            .label("LBLmaxvol")
            .csv("Vol.Máx.(hm3)", 8)
            .curves(I::VolMax),
        real<&T::VolVert>("VolVert", "TXT_V_Vert", 2)
            .unit(hm3)
            .label("Lblvolspill")
            .csv("Vol.Vert.(hm3)", 12)
            .curves(I::VolVert),
        real<&T::VolDesv>("VolDesv", "TXT_V_CDesv", 2)
            .unit(hm3)
            .label("LBLvoldev")
            .csv("Vol.Desv.(hm3)", 13),
        real<&T::CotaMin>("CotaMin", "TXT_YMin", 2)
            .unit(metres)
            .label("LBLminlev")
            .csv("Cota min.(m)", 11)
            .curves(I::CotaMin),
        real<&T::CotaMax>("CotaMax", "TXT_Ymax", 2)
            .unit(metres)
            .label("LBLmaxlev")
            .csv("Cota Máx.(m)", 10)
            .curves(I::CotaMax),
        real<&T::PCV>("PCV", "StrGr_PCVA", Exp)
            .in(pcva, 0, 0, 5)
            .csv("PCV(%1)", 14, 0, P::FromZero)
            .curves(I::PCV),
        real<&T::PAC>("PAC", "StrGr_PCVA", Exp)
            .in(pcva, 1, 0, 5)
            .csv("PAC(%1)", 15, 0, P::FromZero)
            .curves(I::PAC),
        integer<&T::EvapMen>("EvapMen", "StrGr_EvapM")
            .in(evap, 0, 0, 12)
            .csv("Evap.Men.(%1)", 16, 0, P::FromOne)
            .curves(I::EvapMen),
        integer<&T::NumConjMaq>("NumConjMaq", "TXT_NGrMaq")
            .label("LBLnumtunit")
            .csv("Num.Conj.Máq.", 22)
            .curves(I::NumConjMaq),
        integer<&T::NumMaq>("NumMaq", "StrGr_ConjMaq1")
            .in(sets, 0, 1, 1)
            .csv("#Maq(%1)", 32, 0, P::FromOne)
            .curves(I::NumMaq),
        real<&T::PotEf>("PotEf", "StrGr_ConjMaq1", 1)
            .in(sets, 0, 2, 1)
            .csv("PotEf(%1)", 32, 1, P::FromOne)
            .curves(I::PotEf),
        real<&T::QHT>("QHT", "StrGr_ConjMaq2", Exp)
            .in(curves, 0, 2, 5)
            .csv("QHTA%1(%2)", 33, 0, P::Terms),
        real<&T::QHG>("QHG", "StrGr_ConjMaq2", Exp)
            .in(curves, 1, 2, 5)
            .csv("QHGA%1(%2)", 34, 0, P::Terms),
        real<&T::PH>("PH", "StrGr_ConjMaq2", Exp)
            .in(curves, 2, 2, 5)
            .csv("PHA%1(%2)", 35, 0, P::Terms),
        real<&T::HEf>("HEf", "StrGr_ConjMaq1", 2)
            .in(sets, 0, 4, 1)
            .csv("HEf(%1)", 32, 3, P::FromOne),
        integer<&T::QEf>("QEf", "StrGr_ConjMaq1")
            .in(sets, 0, 3, 1)
            .csv("QEf(%1)", 32, 2, P::FromOne)
            .curves(I::QEf),
        real<&T::ProdEsp>("ProdEsp", "TXT_Resp", 6)
            .unit(" MW/m3/s/m")
            .label("LBLprodesp")
            .csv("Prod.Esp.(MW/m3/s/m)", 17)
            .curves(I::ProdEsp),
        real<&T::ValorPerdas>("ValorPerdas", "TXT_Phd", 2)
            .label("LBLvalor", "LBLperdas")
            .csv("Valor Perdas", 27)
            .curves(I::ValorPerdas),
        integer<&T::NumPolsJus>("NumPolsJus", "TXT_NKeyCur")
            .label("LBLndownpols")
            .csv("Num.Pols.Jus.", 23)
            .curves(I::NumPolsJus),
        // The export leaves out the sixth downstream polynomial.
        real<&T::PolJus>("PolJus", "StrGr_PolsJus", Exp)
            .in(pols, 0, 1, 5)
            .csv("PJA%1(%2)", 36, 0, P::Terms)
            .rows(5)
            .curves(I::PolJus),
        real<&T::PolJusRef>("PolJusRef", "StrGr_PolsJus", 2)
            .in(pols, 0, 6, 1)
            .csv("PJRM(%1)", 36, 1, P::FromOne)
            .rows(5)
            .curves(I::PolJus),
        real<&T::CanalFugaMed>("CanalFugaMed", "TXT_JusNom", 2)
            .unit(" m")
            .label("LBLmedtail")
            .csv("Canal Fuga Médio(m)", 18)
            .curves(I::CanalFugaMed),
        codedField<&T::InflVert>(
            "InflVert", "TXT_VICF", "CMBvicf",
            [](const T& p, const FieldNames&) { return inflVertText(p.InflVert); })
            .entry(E::FirstDigit)
            .label("LBLinflspill")
            .csv("Infl.Vert.Canal de Fuga", 30)
            .format(F::YesNo),
        real<&T::FatCargaMax>("FatCargaMax", "TXT_FatCgMax", 2)
            .unit(percent)
            .label("LBLmaxfatcarga")
            .csv("Fat.Carga Máx.(%)", 24),
        real<&T::FatCargaMin>("FatCargaMin", "TXT_FatCgMin", 2)
            .unit(percent)
            .label("LBLminfatcarga")
            .csv("Fat.Carga mín.(%)", 25),
        integer<&T::VazMinHist>("VazMinHist", "TXT_QNaMH")
            .unit(" m3/s")
            .label("LBLminhistflow")
            .csv("Vazão Mín.Hist.(m3/s)", 28),
        integer<&T::NumUnidBase>("NumUnidBase", "TXT_N_UBase")
            .label("LBLnumbaseunits")
            .csv("Num.Unid.Base", 29),
        codedField<&T::TipoTurbina>("TipoTurbina", "TXT_Tipo_Turb", "CMBtipo_turb",
                                    [](const T& p, const FieldNames& n) {
                                        return coded(p.TipoTurbina,
                                                     LookupLists::entry(n.lists.TurbineNames,
                                                                        p.TipoTurbina));
                                    })
            .label("LBLturbtype")
            .csv("Tipo Turbina", 21)
            .format(F::Coded, N::Turbines),
        codedField<&T::RepConj>(
            "RepConj", "TXT_RepGrGer", "CMBrepgrger",
            [](const T& p, const FieldNames&) { return repConjText(p.RepConj); })
            .label("LBLrepset")
            .csv("Rep.Conj(0=aprox/1=det/2=simp)", 31)
            .format(F::Integer),
        real<&T::TEIF>("TEIF", "TXT_TxSForc", 3).unit(percent).label("LBLteif").csv("TEIF(%)", 19),
        real<&T::IP>("IP", "TXT_TxIndProg", 3).unit(percent).label("LBLip").csv("IP(%)", 20),
        codedField<&T::TipoPerdas>(
            "TipoPerdas", "TXT_TpPerda", "CMBtp_perda",
            [](const T& p, const FieldNames&) { return tipoPerdasText(p.TipoPerdas); })
            .label("LBLtipo", "LBLperdas")
            .csv("Tipo Perdas(1=%/2=M/3=K)", 26)
            .format(F::Integer)
            .curves(I::TipoPerdas),
        text<&T::Data>("Data", "TXT_Data").label("LBLdata").csv("Data", 37),
        text<&T::Obs>("Obs", "TXT_Obs").label("Label76").csv("Obs", 38),
        real<&T::VolRef>("VolRef", "TXT_V_Ref", 2)
            .unit(hm3)
            .label("lblvolref")
            .csv("Vol.Ref.", 39)
            .curves(I::VolRef),
        codedField<&T::Reg>("Reg", "TXT_reg", "CMBreg",
                            [](const T& p, const FieldNames&) { return regText(p.Reg); })
            .label("LBLregul")
            .csv("Reg", 40),
    };
}

const std::vector<PlantField>& table() {
    static const std::vector<PlantField> fields = buildFields();
    return fields;
}

} // namespace

int FormGrid::usedItems(const TUsinaHd& plant) const {
    switch (items) {
    case GridItems::Fixed:
        return 1;
    case GridItems::MachineSets:
        return usedMachineSets(plant.NumConjMaq);
    case GridItems::DownstreamPolynomials:
        return usedDownstreamPolynomials(plant.NumPolsJus);
    }
    return 0;
}

int FormGrid::shownRows(const TUsinaHd& plant) const {
    const int used = usedItems(plant);
    return used > 0 ? used * rowsPerItem : 1;
}

QString FormGrid::itemCell(int row, int column) const {
    if (column == numberColumn)
        return QString::number(itemOf(row) + 1);
    if (column == labelColumn && row >= 0)
        return QString::fromLatin1(rowNames[std::size_t(row % rowsPerItem)]);
    return {};
}

std::span<const FormGrid> formGrids() {
    return grids();
}

const FormGrid* formGrid(const QString& control) {
    for (const FormGrid& g : grids())
        if (control == QLatin1String(g.control))
            return &g;
    return nullptr;
}

QString PlantField::displayText(const TUsinaHd& plant, const FieldNames& names,
                                const QLocale& locale) const {
    switch (kind) {
    case FieldKind::Text: {
        const QString t =
            AnsiText::fieldText(bytes(const_cast<TUsinaHd&>(plant)), std::size_t(width));
        return upper ? AnsiText::upper(t) : t;
    }
    case FieldKind::Integer:
    case FieldKind::Real:
        return access.text(plant, 0, decimals, locale) + unitText();
    case FieldKind::Coded:
        return codedText(plant, names);
    }
    return {};
}

std::pair<int, int> PlantField::cellOf(int element) const {
    const int item = element / place.perRow;
    return {item * grid->rowsPerItem + place.row, place.column + element % place.perRow};
}

QString PlantField::cellText(const PlantGrids& grids, int element) const {
    const auto [row, column] = cellOf(element);
    return (grids.*grid->texts).at(row, column);
}

int PlantField::elementAt(int row, int column, bool pastLast) const {
    if (!grid || row < 0 || row % grid->rowsPerItem != place.row || column < place.column ||
        column >= place.column + place.perRow)
        return -1;
    const int element = grid->itemOf(row) * place.perRow + column - place.column;
    return element < access.elements || pastLast ? element : -1;
}

QString PlantField::csvLabelOf(int element) const {
    const QString pattern = QString::fromUtf8(csvLabel);
    switch (labelPattern) {
    case LabelPattern::Single:
        return pattern;
    case LabelPattern::FromZero:
        return pattern.arg(element);
    case LabelPattern::FromOne:
        return pattern.arg(element + 1);
    case LabelPattern::Terms:
        return pattern.arg(element % place.perRow).arg(element / place.perRow + 1);
    }
    return pattern;
}

CurveInput PlantField::curveInput(int element) const {
    if (curves == CurveInput::PolJus)
        return CurveInput(int(CurveInput::PolJus) + element / place.perRow);
    return curves;
}

std::span<const PlantField> formFields() {
    return table();
}

const std::vector<std::reference_wrapper<const PlantField>>& plantFields() {
    static const std::vector<std::reference_wrapper<const PlantField>> boxes = [] {
        std::vector<std::reference_wrapper<const PlantField>> b;
        for (const PlantField& f : table())
            if (f.isBox())
                b.push_back(std::cref(f));
        return b;
    }();
    return boxes;
}

const PlantField* plantField(const QString& control) {
    for (const PlantField& f : plantFields())
        if (control == QLatin1String(f.control))
            return &f;
    return nullptr;
}

const PlantField* fieldAtCell(const QString& grid, int row, int column, int* element,
                              bool pastLast) {
    for (const PlantField& f : table())
        if (!f.isBox() && grid == QLatin1String(f.grid->control))
            if (const int e = f.elementAt(row, column, pastLast); e >= 0) {
                if (element)
                    *element = e;
                return &f;
            }
    return nullptr;
}

const PlantField& formFieldAt(std::size_t offset) {
    // Offsets within the structure, found once on a probe.
    static const std::vector<std::size_t> offsets = [] {
        std::vector<std::size_t> o;
        TUsinaHd probe;
        forEachPlantField(probe, [&](const char*, auto& field) {
            o.push_back(std::size_t(reinterpret_cast<const char*>(&field) -
                                    reinterpret_cast<const char*>(&probe)));
        });
        return o;
    }();
    for (std::size_t i = 0; i < offsets.size() && i < table().size(); ++i)
        if (offsets[i] == offset)
            return table()[i];
    return table().front();
}

QString cutUnitSuffix(const QString& boxName, const QString& text) {
    const PlantField* f = plantField(boxName);
    if (!f || !*f->unit)
        return text;
    const QString unit = f->unitText();
    return text.endsWith(unit) ? text.chopped(unit.size()) : text;
}

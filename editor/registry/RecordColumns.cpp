#include "registry/RecordColumns.h"

#include "registry/NumberTexts.h"
#include "registry/PlantCodec.h"
#include "registry/TUsinaHd.h"

#include <bit>
#include <cstring>
#include <type_traits>
#include <vector>

namespace RecordColumns {

namespace {

// How a field's elements are named: one label, an index from 0 or from 1, or the term and
// the set of a table of five-term polynomials ("QHTA2(3)").
enum class Pattern { Single, FromZero, FromOne, Terms };

struct FieldLayout {
    const char* field;
    const char* label; // UTF-8
    Format format;
    int decimals = 0;
    Names names = Names::None;
    Pattern pattern = Pattern::Single;
};

using F = Format;
using P = Pattern;

// In the record's order.
const FieldLayout kFields[] = {
    {"Nome", "Usina", F::Text},
    {"Posto", "Posto", F::Integer},
    {"PostoBDH", "Posto BDH", F::Text},
    {"Sistema", "Sistema", F::Coded, 0, Names::Systems},
    {"Empresa", "Empresa", F::Coded, 0, Names::Companies},
    {"Jusante", "Jusante", F::Coded, 0, Names::Plants},
    {"Desvio", "Desvio", F::Coded, 0, Names::Plants},
    {"VolMin", "Vol.min.(hm3)", F::Fixed, 2},
    {"VolMax", "Vol.Máx.(hm3)", F::Fixed, 2},
    {"VolVert", "Vol.Vert.(hm3)", F::Fixed, 2},
    {"VolDesv", "Vol.Desv.(hm3)", F::Fixed, 2},
    {"CotaMin", "Cota min.(m)", F::Fixed, 2},
    {"CotaMax", "Cota Máx.(m)", F::Fixed, 2},
    {"PCV", "PCV(%1)", F::Exponent, 0, Names::None, P::FromZero},
    {"PAC", "PAC(%1)", F::Exponent, 0, Names::None, P::FromZero},
    {"EvapMen", "Evap.Men.(%1)", F::Integer, 0, Names::None, P::FromOne},
    {"NumConjMaq", "Num.Conj.Máq.", F::Integer},
    {"NumMaq", "#Maq(%1)", F::Integer, 0, Names::None, P::FromOne},
    {"PotEf", "PotEf(%1)", F::Fixed, 1, Names::None, P::FromOne},
    {"QHT", "QHTA%1(%2)", F::Exponent, 0, Names::None, P::Terms},
    {"QHG", "QHGA%1(%2)", F::Exponent, 0, Names::None, P::Terms},
    {"PH", "PHA%1(%2)", F::Exponent, 0, Names::None, P::Terms},
    {"HEf", "HEf(%1)", F::Fixed, 2, Names::None, P::FromOne},
    {"QEf", "QEf(%1)", F::Integer, 0, Names::None, P::FromOne},
    {"ProdEsp", "Prod.Esp.(MW/m3/s/m)", F::Fixed, 6},
    {"ValorPerdas", "Valor Perdas", F::Fixed, 2},
    {"NumPolsJus", "Num.Pols.Jus.", F::Integer},
    {"PolJus", "PJA%1(%2)", F::Exponent, 0, Names::None, P::Terms},
    {"PolJusRef", "PJRM(%1)", F::Fixed, 2, Names::None, P::FromOne},
    {"CanalFugaMed", "Canal Fuga Médio(m)", F::Fixed, 2},
    {"InflVert", "Infl.Vert.Canal de Fuga", F::YesNo},
    {"FatCargaMax", "Fat.Carga Máx.(%)", F::Fixed, 2},
    {"FatCargaMin", "Fat.Carga mín.(%)", F::Fixed, 2},
    {"VazMinHist", "Vazão Mín.Hist.(m3/s)", F::Integer},
    {"NumUnidBase", "Num.Unid.Base", F::Integer},
    {"TipoTurbina", "Tipo Turbina", F::Coded, 0, Names::Turbines},
    {"RepConj", "Rep.Conj(0=aprox/1=det/2=simp)", F::Integer},
    {"TEIF", "TEIF(%)", F::Fixed, 3},
    {"IP", "IP(%)", F::Fixed, 3},
    {"TipoPerdas", "Tipo Perdas(1=%/2=M/3=K)", F::Integer},
    {"Data", "Data", F::Text},
    {"Obs", "Obs", F::Text},
    {"VolRef", "Vol.Ref.", F::Fixed, 2},
    {"Reg", "Reg", F::Text},
};

const FieldLayout* layoutOf(const char* field) {
    for (const FieldLayout& s : kFields)
        if (std::strcmp(s.field, field) == 0)
            return &s;
    return nullptr;
}

QString labelOf(const FieldLayout& layout, int element) {
    const QString pattern = QString::fromUtf8(layout.label);
    switch (layout.pattern) {
    case Pattern::Single:
        return pattern;
    case Pattern::FromZero:
        return pattern.arg(element);
    case Pattern::FromOne:
        return pattern.arg(element + 1);
    case Pattern::Terms:
        return pattern.arg(element % 5).arg(element / 5 + 1);
    }
    return pattern;
}

// A field in the file: text (its bytes, one element) or numbers of 4 bytes each.
template <class T> struct Shape {
    static constexpr bool text = false;
    static constexpr int numbers = 1;
    static constexpr bool wide = std::is_same_v<T, double>;
};
template <std::size_t N> struct Shape<std::array<char, N>> {
    static constexpr bool text = true;
    static constexpr int bytes = int(N);
};
template <> struct Shape<char> {
    static constexpr bool text = true;
    static constexpr int bytes = 1;
};
template <class T, std::size_t N> struct Shape<std::array<T, N>> {
    static constexpr bool text = false;
    static constexpr int numbers = int(N) * Shape<T>::numbers;
    static constexpr bool wide = Shape<T>::wide;
};

std::vector<Column> buildRecordColumns(RecordForm form) {
    const int wideSize = form == RecordForm::Bytes832 ? 8 : 4;
    std::vector<Column> columns;
    int offset = 0;
    TUsinaHd probe;
    forEachPlantField(probe, [&](const char* name, auto& field) {
        using S = Shape<std::remove_cvref_t<decltype(field)>>;
        const FieldLayout& layout = *layoutOf(name);
        const auto add = [&](int element, int size) {
            Column c;
            c.label = labelOf(layout, element);
            c.field = layout.field;
            c.element = element;
            c.offset = offset;
            c.size = size;
            c.format = layout.format;
            c.decimals = layout.decimals;
            c.names = layout.names;
            columns.push_back(c);
            offset += size;
        };
        if constexpr (S::text)
            add(0, S::bytes);
        else
            for (int e = 0; e < S::numbers; ++e)
                add(e, S::wide ? wideSize : 4);
    });
    return columns;
}

const std::vector<Column>& recordColumns(RecordForm form) {
    static const std::vector<Column> narrow = buildRecordColumns(RecordForm::Bytes792);
    static const std::vector<Column> wide = buildRecordColumns(RecordForm::Bytes832);
    return form == RecordForm::Bytes832 ? wide : narrow;
}

const Column* find(RecordForm form, const char* field, int element) {
    for (const Column& c : recordColumns(form))
        if (c.element == element && std::strcmp(c.field, field) == 0)
            return &c;
    return nullptr;
}

// The export's order: identity and cascade, reservoir, polynomials, evaporation, plant, then
// the machine sets set by set, their curves, five downstream polynomials and the texts.
QList<const Column*> buildCsvOrder(RecordForm form) {
    QList<const Column*> order;
    const auto add = [&](const char* field, int element = 0) {
        order.append(find(form, field, element));
    };
    for (const char* f : {"Nome", "Sistema", "Empresa", "Posto", "PostoBDH", "Jusante", "Desvio",
                          "VolMax", "VolMin", "CotaMax", "CotaMin", "VolVert", "VolDesv"})
        add(f);
    for (const char* f : {"PCV", "PAC"})
        for (int k = 0; k < 5; ++k)
            add(f, k);
    for (int m = 0; m < 12; ++m)
        add("EvapMen", m);
    for (const char* f : {"ProdEsp", "CanalFugaMed", "TEIF", "IP", "TipoTurbina", "NumConjMaq",
                          "NumPolsJus", "FatCargaMax", "FatCargaMin", "TipoPerdas", "ValorPerdas",
                          "VazMinHist", "NumUnidBase", "InflVert", "RepConj"})
        add(f);
    for (int s = 0; s < 5; ++s)
        for (const char* f : {"NumMaq", "PotEf", "QEf", "HEf"})
            add(f, s);
    for (const char* f : {"QHT", "QHG", "PH"})
        for (int e = 0; e < 25; ++e)
            add(f, e);
    for (int q = 0; q < 5; ++q) {
        for (int k = 0; k < 5; ++k)
            add("PolJus", 5 * q + k);
        add("PolJusRef", q);
    }
    for (const char* f : {"Data", "Obs", "VolRef", "Reg"})
        add(f);
    return order;
}

} // namespace

QString codeLabel() {
    return QStringLiteral("CodUsina");
}

std::span<const Column> inRecordOrder(RecordForm form) {
    return recordColumns(form);
}

const QList<const Column*>& inCsvOrder(RecordForm form) {
    static const QList<const Column*> narrow = buildCsvOrder(RecordForm::Bytes792);
    static const QList<const Column*> wide = buildCsvOrder(RecordForm::Bytes832);
    return form == RecordForm::Bytes832 ? wide : narrow;
}

QString label(const char* field, int element) {
    const FieldLayout* layout = layoutOf(field);
    return layout ? labelOf(*layout, element) : QString();
}

std::uint32_t bitsAt(const char* record, int offset) {
    const auto* b = reinterpret_cast<const unsigned char*>(record + offset);
    return std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16) |
           (std::uint32_t(b[3]) << 24);
}

std::int32_t integerAt(const char* record, int offset) {
    return static_cast<std::int32_t>(bitsAt(record, offset));
}

float realAt(const char* record, int offset) {
    const std::uint32_t bits = bitsAt(record, offset);
    float value;
    std::memcpy(&value, &bits, 4);
    return value;
}

std::uint64_t wideBitsAt(const char* record, int offset) {
    return std::uint64_t(bitsAt(record, offset)) |
           (std::uint64_t(bitsAt(record, offset + 4)) << 32);
}

double realOf(const char* record, const Column& column) {
    if (column.size == 8)
        return std::bit_cast<double>(wideBitsAt(record, column.offset));
    return widenExact(realAt(record, column.offset));
}

QString realText(const Column& column, double value, const QLocale& locale) {
    return column.format == Format::Fixed ? NumberTexts::Fixed(value, column.decimals, locale)
                                          : NumberTexts::Exponent(value, locale);
}

const QStringList& namesOf(Names names, const LookupLists& lists, const QStringList& plantNames) {
    static const QStringList none;
    switch (names) {
    case Names::Systems:
        return lists.SystemNames;
    case Names::Companies:
        return lists.CompanyNames;
    case Names::Plants:
        return plantNames;
    case Names::Turbines:
        return lists.TurbineNames;
    case Names::None:
        break;
    }
    return none;
}

} // namespace RecordColumns

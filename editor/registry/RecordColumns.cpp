#include "registry/RecordColumns.h"

#include "registry/NumberTexts.h"
#include "registry/PlantCodec.h"
#include "registry/PlantFields.h"
#include "registry/TUsinaHd.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <type_traits>
#include <vector>

namespace RecordColumns {

namespace {

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

struct Columns {
    std::vector<Column> all;
    std::vector<int> first; // by field in record order: the index of its first element
};

// The record's fields walked in file order beside the form table's, which is in the same
// order: the sizes come from the record, the labels and formats from the table.
Columns buildRecordColumns(RecordForm form) {
    const int wideSize = form == RecordForm::Bytes832 ? 8 : 4;
    Columns columns;
    int offset = 0;
    std::size_t index = 0;
    const auto fields = formFields();
    TUsinaHd probe;
    forEachPlantField(probe, [&](const char* name, auto& field) {
        using S = Shape<std::remove_cvref_t<decltype(field)>>;
        const PlantField& f = fields[std::min(index++, fields.size() - 1)];
        columns.first.push_back(int(columns.all.size()));
        const auto add = [&](int element, int size) {
            Column c;
            c.label = f.csvLabelOf(element);
            c.field = name;
            c.element = element;
            c.offset = offset;
            c.size = size;
            c.format = f.csv;
            c.decimals = std::max(0, f.decimals);
            c.names = f.names;
            columns.all.push_back(c);
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

const Columns& recordColumns(RecordForm form) {
    static const Columns narrow = buildRecordColumns(RecordForm::Bytes792);
    static const Columns wide = buildRecordColumns(RecordForm::Bytes832);
    return form == RecordForm::Bytes832 ? wide : narrow;
}

// The export's order, from the table: by place; fields sharing a place go row by row, each
// with a row of its elements in turn (the machine sets set by set, the downstream
// polynomials each with its reference level).
QList<const Column*> buildCsvOrder(RecordForm form) {
    const auto fields = formFields();
    const Columns& columns = recordColumns(form);
    std::vector<std::size_t> byPlace(std::min(fields.size(), columns.first.size()));
    for (std::size_t i = 0; i < byPlace.size(); ++i)
        byPlace[i] = i;
    std::stable_sort(byPlace.begin(), byPlace.end(), [&](std::size_t a, std::size_t b) {
        return fields[a].csvOrder < fields[b].csvOrder;
    });
    const auto elementsOf = [&](std::size_t i) {
        const std::size_t end =
            i + 1 < columns.first.size() ? std::size_t(columns.first[i + 1]) : columns.all.size();
        return int(end) - columns.first[i];
    };
    QList<const Column*> order;
    for (std::size_t k = 0; k < byPlace.size();) {
        std::size_t group = k;
        while (group < byPlace.size() &&
               fields[byPlace[group]].csvOrder / 10 == fields[byPlace[k]].csvOrder / 10)
            ++group;
        int rows = 0;
        const auto rowsOf = [&](std::size_t i) {
            const PlantField& f = fields[i];
            const int perRow = std::max(1, f.place.perRow);
            return f.csvRows > 0 ? f.csvRows : (elementsOf(i) + perRow - 1) / perRow;
        };
        for (std::size_t j = k; j < group; ++j)
            rows = std::max(rows, rowsOf(byPlace[j]));
        for (int r = 0; r < rows; ++r)
            for (std::size_t j = k; j < group; ++j) {
                const std::size_t i = byPlace[j];
                const int perRow = std::max(1, fields[i].place.perRow);
                if (r >= rowsOf(i))
                    continue;
                for (int e = r * perRow; e < (r + 1) * perRow && e < elementsOf(i); ++e)
                    order.append(&columns.all[std::size_t(columns.first[i] + e)]);
            }
        k = group;
    }
    return order;
}

} // namespace

QString codeLabel() {
    return QStringLiteral("CodUsina");
}

std::span<const Column> inRecordOrder(RecordForm form) {
    return recordColumns(form).all;
}

const QList<const Column*>& inCsvOrder(RecordForm form) {
    static const QList<const Column*> narrow = buildCsvOrder(RecordForm::Bytes792);
    static const QList<const Column*> wide = buildCsvOrder(RecordForm::Bytes832);
    return form == RecordForm::Bytes832 ? wide : narrow;
}

QString label(const char* field, int element) {
    for (const PlantField& f : formFields())
        if (std::strcmp(f.field, field) == 0)
            return f.csvLabelOf(element);
    return {};
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

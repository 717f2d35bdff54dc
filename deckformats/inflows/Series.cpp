#include "inflows/Series.h"

#include "inflows/Mlt.h"
#include "inflows/Postos.h"
#include "inflows/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace Torvane {

InflowHistory::InflowHistory(std::string_view binary, int numPostos)
    : m_numPostos(numPostos),
      m_years(int(binary.size() / (std::size_t(12) * std::size_t(numPostos) * 4))),
      m_values(binary.size() / 4), m_lastDecember(std::size_t(numPostos), kNoData),
      m_firstData(std::size_t(numPostos), kFirstYear) {
    // The binary is year, month, station; one pass in its order puts each station's history
    // in one run.
    const std::size_t stations = std::size_t(numPostos);
    const std::size_t run = std::size_t(m_years) * 12;
    const char* p = binary.data();
    for (std::size_t row = 0; row < run; ++row)
        for (std::size_t s = 0; s < stations; ++s, p += 4)
            m_values[s * run + row] = readInt32LE(p);
    for (std::size_t s = 0; s < stations; ++s) {
        const std::int32_t* values = m_values.data() + s * run;
        int& last = m_lastDecember[s];
        for (int y = m_years - 1; y >= 0 && last <= kNoDecember; --y) {
            if (values[std::size_t(y) * 12 + 11] != 0)
                last = kFirstYear + y;
            else if (last == kNoData &&
                     std::any_of(values + std::size_t(y) * 12, values + std::size_t(y) * 12 + 11,
                                 [](std::int32_t v) { return v != 0; }))
                last = kNoDecember;
        }
        if (last == kNoData)
            continue;
        std::size_t first = 0;
        while (first < run && values[first] == 0)
            ++first;
        m_firstData[s] = kFirstYear + int(first / 12);
    }
}

int InflowHistory::firstDataYear(int posto) const {
    return m_firstData[std::size_t(posto - 1)];
}

std::span<const std::int32_t> InflowHistory::station(int posto) const {
    const std::size_t run = std::size_t(m_years) * 12;
    return {m_values.data() + std::size_t(posto - 1) * run, run};
}

int InflowHistory::lastCompleteYear(int posto) const {
    const int last = m_lastDecember[std::size_t(posto - 1)];
    return last > kNoDecember ? last : lastYear();
}

MltValues::MltValues(std::string_view binary, int numPostos)
    : m_numPostos(numPostos), m_values(std::size_t(numPostos) * 12, 0) {
    if (binary.empty())
        return;
    const char* p = binary.data();
    for (std::size_t m = 0; m < 12; ++m)
        for (std::size_t s = 0; s < std::size_t(numPostos); ++s, p += 4)
            m_values[s * 12 + m] = readInt32LE(p);
}

PostoNames::PostoNames(std::string_view binary) {
    const std::size_t records = binary.size() / kPostoRecordSize;
    m_names.resize(records);
    m_years.resize(records);
    for (std::size_t k = 0; k < records; ++k) {
        const char* record = binary.data() + k * kPostoRecordSize;
        if (readInt32LE(record + kPostoNameSize) == 0)
            continue;
        m_years[k] = {readInt32LE(record + kPostoNameSize), readInt32LE(record + kPostoNameSize + 4)};
        std::string_view name(record, kPostoNameSize);
        while (!name.empty() && name.back() == ' ')
            name.remove_suffix(1);
        m_names[k] = std::string(name);
    }
}

std::string_view PostoNames::name(int posto) const {
    if (posto < 1 || std::size_t(posto) > m_names.size())
        return {};
    return m_names[std::size_t(posto - 1)];
}

std::optional<std::pair<std::int32_t, std::int32_t>> PostoNames::years(int posto) const {
    if (posto < 1 || std::size_t(posto) > m_years.size() || m_years[std::size_t(posto - 1)].first == 0)
        return std::nullopt;
    return m_years[std::size_t(posto - 1)];
}

namespace {

template <typename T> ReadResult<T> failed(Failure failure) {
    ReadResult<T> result;
    result.failure = std::move(failure);
    return result;
}

} // namespace

ReadResult<InflowHistory> readVazoesHistory(std::string_view bytes, bool text, int numPostos,
                                            std::string_view path) {
    if (text) {
        ConvResult binary = vazoesTextToBin(bytes, numPostos, path);
        if (!binary.ok())
            return failed<InflowHistory>(std::move(*binary.failure));
        return {InflowHistory(binary.output.view(), numPostos), std::nullopt};
    }
    if (auto failure = checkVazoesBinary(bytes, numPostos, path))
        return failed<InflowHistory>(std::move(*failure));
    return {InflowHistory(bytes, numPostos), std::nullopt};
}

ReadResult<MltValues> readMltValues(std::string_view bytes, bool text, int numPostos,
                                    std::string_view path) {
    if (text) {
        TabMlt tab;
        ConvResult binary = mltTextToBin(bytes, numPostos, tab, path);
        if (!binary.ok())
            return failed<MltValues>(std::move(*binary.failure));
        return {MltValues(binary.output.view(), numPostos), std::nullopt};
    }
    if (auto failure = checkMltBinary(bytes, numPostos, path))
        return failed<MltValues>(std::move(*failure));
    return {MltValues(bytes, numPostos), std::nullopt};
}

ReadResult<PostoNames> readPostoNames(std::string_view bytes, bool text, int numPostos,
                                      std::string_view path) {
    if (text) {
        ConvResult binary = postosTextToBin(bytes, numPostos, path);
        if (!binary.ok())
            return failed<PostoNames>(std::move(*binary.failure));
        return {PostoNames(binary.output.view()), std::nullopt};
    }
    if (auto failure = checkPostosBinary(bytes, path))
        return failed<PostoNames>(std::move(*failure));
    return {PostoNames(bytes), std::nullopt};
}

Period defaultPeriod(const InflowHistory& history, int posto, const PostoNames* names) {
    if (names)
        if (const auto years = names->years(posto)) {
            const Period listed{std::max(years->first, kFirstYear),
                                std::min(years->second, history.lastYear())};
            if (listed.years() > 0)
                return listed;
        }
    return {history.firstDataYear(posto), history.lastCompleteYear(posto)};
}

namespace {

// The years of the period that the file holds.
Period within(const InflowHistory& history, Period period) {
    return {std::max(period.from, kFirstYear), std::min(period.to, history.lastYear())};
}

} // namespace

std::array<MonthStats, 12> monthStats(const InflowHistory& history, int posto, Period period,
                                      const MltValues* mlt) {
    period = within(history, period);
    std::array<MonthStats, 12> months{};
    const int n = period.years();
    const std::span<const std::int32_t> values = history.station(posto);
    std::array<std::int32_t, kMaxYears> column{};
    std::array<std::int32_t, kMaxYears> sorted{};
    for (int m = 1; m <= 12; ++m) {
        MonthStats& out = months[std::size_t(m - 1)];
        out.years = n;
        if (mlt)
            out.mlt = mlt->value(posto, m);
        if (n == 0)
            continue;
        std::int64_t sum = 0;
        std::int32_t min = 0;
        std::int32_t max = 0;
        for (int i = 0; i < n; ++i) {
            const int year = period.from + i;
            const std::int32_t v = values[std::size_t(year - kFirstYear) * 12 + std::size_t(m - 1)];
            column[std::size_t(i)] = v;
            sum += v;
            out.zeros += int(v == 0);
            if (i == 0 || v < min) {
                min = v;
                out.minYear = year;
            }
            if (i == 0 || v > max) {
                max = v;
                out.maxYear = year;
            }
        }
        out.min = min;
        out.max = max;
        const double mean = double(sum) / n;
        out.mean = mean;
        if (n > 1) {
            double squares = 0;
            for (int i = 0; i < n; ++i)
                squares += (column[std::size_t(i)] - mean) * (column[std::size_t(i)] - mean);
            out.stdDev = std::sqrt(squares / (n - 1));
        }

        // A value is suspect above 5 x the median (the middle value, or the mean of the two
        // middle ones). When fewer than half the values lie below max / 5, the median is at
        // least max / 5 and nothing is above 5 x it: the count costs far less than finding the
        // median, which is then needed only for a month that may hold a suspect value.
        const double fifthOfMax = max / 5.0;
        int belowFifth = 0;
        for (int i = 0; i < n; ++i)
            belowFifth += int(column[std::size_t(i)] < fifthOfMax);
        double median = 0; // 0: no value is suspect for being large
        if (max > 0 && belowFifth >= (n + 1) / 2) {
            std::copy_n(column.begin(), n, sorted.begin());
            const auto middle = sorted.begin() + n / 2;
            std::nth_element(sorted.begin(), middle, sorted.begin() + n);
            median = *middle;
            if (n % 2 == 0)
                median = (median + *std::max_element(sorted.begin(), middle)) / 2;
        }
        if (min < 0 || median > 0)
            for (int i = 0; i < n; ++i) {
                const std::int32_t v = column[std::size_t(i)];
                if (v < 0 || (median > 0 && v > 5 * median))
                    out.suspectYears.push_back(period.from + i);
            }

        if (out.mlt) {
            const double difference = *out.mlt - mean;
            if (mean != 0)
                out.differencePercent = 100 * difference / mean;
            out.mltDiffers = std::abs(difference) > std::max(0.01 * std::abs(mean), 0.5);
        }
    }
    return months;
}

std::optional<double> periodMean(const InflowHistory& history, int posto, Period period) {
    period = within(history, period);
    if (period.years() == 0)
        return std::nullopt;
    const std::span<const std::int32_t> values = history.station(posto);
    std::int64_t sum = 0;
    for (std::size_t i = std::size_t(period.from - kFirstYear) * 12;
         i < std::size_t(period.to - kFirstYear + 1) * 12; ++i)
        sum += values[i];
    return double(sum) / (12.0 * period.years());
}

std::string twoDecimals(double x, std::string_view separator) {
    char buffer[48];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, 2);
    std::string out(buffer, res.ptr);
    if (out == "-0.00")
        out = "0.00";
    const std::size_t point = out.find('.');
    if (point != std::string::npos)
        out.replace(point, 1, separator);
    return out;
}

namespace {

// A name holding the separator, a quote or a line end is quoted, its quotes doubled.
void appendCsvField(std::string& out, std::string_view field) {
    if (field.find_first_of(";\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

StatsTable statsTable(const InflowHistory& history, std::optional<int> from, std::optional<int> to,
                      const MltValues* mlt, const PostoNames* names) {
    StatsTable table;
    // Windows-1252, as the names: "Mês", "Média", "Desvio padrão", "Diferença %".
    table.header = {"Posto",
                    "Nome",
                    "M\xEAs",
                    "Anos",
                    "M\xE9"
                    "dia",
                    "Desvio padr\xE3o",
                    "M\xEDnimo",
                    "Ano do m\xEDnimo",
                    "M\xE1ximo",
                    "Ano do m\xE1ximo",
                    "Meses com zero",
                    "MLT",
                    "Diferen\xE7"
                    "a %",
                    "Anos suspeitos"};
    const auto number = [](const std::optional<double>& x) -> StatsCell {
        return x ? StatsCell(*x) : StatsCell();
    };
    const auto integer = [](const auto& x) -> StatsCell {
        return x ? StatsCell(std::int64_t(*x)) : StatsCell();
    };
    for (int posto = 1; posto <= history.numPostos(); ++posto) {
        if (!history.hasData(posto))
            continue;
        Period period = defaultPeriod(history, posto, names);
        period.from = from.value_or(period.from);
        period.to = to.value_or(period.to);
        const auto months = monthStats(history, posto, period, mlt);
        for (int m = 1; m <= 12; ++m) {
            const MonthStats& s = months[std::size_t(m - 1)];
            const bool any = s.years > 0;
            std::string suspect;
            for (std::size_t i = 0; i < s.suspectYears.size(); ++i) {
                if (i > 0)
                    suspect += ' ';
                appendDecimal(suspect, s.suspectYears[i]);
            }
            table.rows.push_back({
                std::int64_t(posto),
                names ? StatsCell(std::string(names->name(posto))) : StatsCell(),
                std::int64_t(m),
                std::int64_t(s.years),
                number(s.mean),
                number(s.stdDev),
                integer(s.min),
                any ? StatsCell(std::int64_t(s.minYear)) : StatsCell(),
                integer(s.max),
                any ? StatsCell(std::int64_t(s.maxYear)) : StatsCell(),
                std::int64_t(s.zeros),
                integer(s.mlt),
                number(s.differencePercent),
                suspect.empty() ? StatsCell() : StatsCell(suspect),
            });
        }
    }
    return table;
}

std::string statsCsv(const InflowHistory& history, std::optional<int> from, std::optional<int> to,
                     const MltValues* mlt, const PostoNames* names, std::string_view separator) {
    const StatsTable table = statsTable(history, from, to, mlt, names);
    std::string out;
    for (std::size_t i = 0; i < table.header.size(); ++i)
        out += (i > 0 ? ";" : "") + table.header[i];
    out += "\r\n";
    for (const std::vector<StatsCell>& row : table.rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                out += ';';
            if (const auto* v = std::get_if<std::int64_t>(&row[i]))
                appendDecimal(out, *v);
            else if (const auto* x = std::get_if<double>(&row[i]))
                out += twoDecimals(*x, separator);
            else if (const auto* text = std::get_if<std::string>(&row[i]))
                appendCsvField(out, *text);
        }
        out += "\r\n";
    }
    return out;
}

} // namespace Torvane

#pragma once
// Inflow series: the VAZOES history station by station, with the MLT and the POSTOS names beside
// it, and the figures per calendar month that tell whether a file is sound (means, spread,
// extremes, zeros, values far above the usual, and how far the MLT lies from the history).
// The files are read through the conversions' own checks, so a bad file gets the same message.

#include "inflows/Result.h"
#include "inflows/Vazoes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace Torvane {

// A value read from a file, or the failure that stopped the read.
template <typename T> struct ReadResult {
    T value{};
    std::optional<Failure> failure;
    bool ok() const { return !failure.has_value(); }
};

// The whole VAZOES, station-major: each station's values from January of 1931 on, month after
// month, so that one station's history is one contiguous run.
class InflowHistory {
public:
    InflowHistory() = default;
    // binary: the VAZOES binary, already checked to be whole year blocks.
    InflowHistory(std::string_view binary, int numPostos);

    int numPostos() const { return m_numPostos; }
    int years() const { return m_years; }
    int lastYear() const { return kFirstYear + m_years - 1; }
    // years() x 12 values of posto (1..numPostos), January of 1931 first.
    std::span<const std::int32_t> station(int posto) const;
    std::int32_t value(int posto, int year, int month) const {
        return station(posto)[std::size_t(year - kFirstYear) * 12 + std::size_t(month - 1)];
    }
    // Some value other than 0 in any month of any year.
    bool hasData(int posto) const { return m_lastDecember[std::size_t(posto - 1)] != kNoData; }
    // The last year whose December is not 0 (a file's last year is often incomplete), or the
    // file's last year when no December is.
    int lastCompleteYear(int posto) const;
    // The first year with any value that is not 0 (1931 for a station with no data).
    int firstDataYear(int posto) const;

private:
    static constexpr int kNoData = -1;
    static constexpr int kNoDecember = 0;
    int m_numPostos = 0;
    int m_years = 0;
    std::vector<std::int32_t> m_values;
    std::vector<int> m_lastDecember; // per station: a year, kNoDecember or kNoData
    std::vector<int> m_firstData;    // per station: the first year with data, or 1931
};

// The twelve MLT values of every station.
class MltValues {
public:
    MltValues() = default;
    MltValues(std::string_view binary, int numPostos); // one checked block, or empty (all 0)
    int numPostos() const { return m_numPostos; }
    std::int32_t value(int posto, int month) const {
        return m_values[std::size_t(posto - 1) * 12 + std::size_t(month - 1)];
    }

private:
    int m_numPostos = 0;
    std::vector<std::int32_t> m_values;
};

// The station names of a POSTOS, as their Windows-1252 bytes without the trailing blanks.
class PostoNames {
public:
    PostoNames() = default;
    explicit PostoNames(std::string_view binary);
    // Empty for a station the file leaves out (no record, or a first number of 0).
    std::string_view name(int posto) const;
    // The station's first and second numbers, its first and last years of data; nullopt for
    // a station the file leaves out.
    std::optional<std::pair<std::int32_t, std::int32_t>> years(int posto) const;

private:
    std::vector<std::string> m_names;
    std::vector<std::pair<std::int32_t, std::int32_t>> m_years; // (0, 0) when left out
};

// Each file as text or binary under the horizon, with the conversions' messages.
ReadResult<InflowHistory> readVazoesHistory(std::string_view bytes, bool text, int numPostos,
                                            std::string_view path);
ReadResult<MltValues> readMltValues(std::string_view bytes, bool text, int numPostos,
                                    std::string_view path);
ReadResult<PostoNames> readPostoNames(std::string_view bytes, bool text, int numPostos,
                                      std::string_view path);

struct Period {
    int from = kFirstYear;
    int to = kFirstYear - 1;
    int years() const { return to >= from ? to - from + 1 : 0; }
};

// The station's first year with any value that is not 0 to its last year whose December is
// not 0; with names, the station's first and last years in the POSTOS instead (as far as the
// file holds them).
Period defaultPeriod(const InflowHistory& history, int posto, const PostoNames* names = nullptr);

struct MonthStats {
    int years = 0; // every year of the period, zeros included
    std::optional<double> mean;
    std::optional<double> stdDev; // the sample one; none for a single year
    std::optional<std::int32_t> min;
    int minYear = 0; // the first year holding it
    std::optional<std::int32_t> max;
    int maxYear = 0;
    int zeros = 0;
    std::vector<int> suspectYears; // above 5 x the median (when the median is > 0), or negative
    std::optional<std::int32_t> mlt;
    std::optional<double> differencePercent; // 100 x (MLT - mean) / mean; none for a mean of 0
    bool mltDiffers = false;                 // |MLT - mean| > max(1 % of the mean, 0.5 m3/s)
};

// Per calendar month over the years of the period that the file holds; mlt may be null.
std::array<MonthStats, 12> monthStats(const InflowHistory& history, int posto, Period period,
                                      const MltValues* mlt);

// The mean of every monthly value of the period (the level drawn across the series chart).
std::optional<double> periodMean(const InflowHistory& history, int posto, Period period);

// x with two decimals and the given separator ("1234,50", "-3,25"), as the files write it.
std::string twoDecimals(double x, std::string_view separator);

// The statistics as a table: the header, then for each station with data and each month one
// row of station, name, month, years, mean, standard deviation, minimum, its year, maximum, its
// year, zeros, MLT, difference % and the suspect years (one text). Texts in Windows-1252; an
// empty cell for a value not computed (and for the name without names).
using StatsCell = std::variant<std::monostate, std::int64_t, double, std::string>;
struct StatsTable {
    std::vector<std::string> header;
    std::vector<std::vector<StatsCell>> rows;
};
StatsTable statsTable(const InflowHistory& history, std::optional<int> from, std::optional<int> to,
                      const MltValues* mlt, const PostoNames* names);

// The statistics as CSV: a header, then for each station with data and each month one line of
// station, name, month, years, mean, standard deviation, minimum, its year, maximum, its year,
// zeros, MLT, difference % and the suspect years; ';' between fields, CR LF, Windows-1252.
// from/to override the period's ends.
std::string statsCsv(const InflowHistory& history, std::optional<int> from, std::optional<int> to,
                     const MltValues* mlt, const PostoNames* names, std::string_view separator);

} // namespace Torvane

#include "deck/DeckFiles.h"

#include "inflows/Text.h"

#include <charconv>

namespace Deck {

namespace {

using Field = ReadError::Field;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool allBlank(std::string_view s) {
    return trimmed(s).empty();
}

// Reads the fixed columns of one line; the first field that does not read is kept, and the
// later reads of the line are then ignored.
class Columns {
public:
    Columns(std::string_view line, int lineNumber) : m_line(line), m_number(lineNumber) {}

    // Columns first..last (1-based); a field wholly past the line's end is blank, one the
    // line ends inside was cut short and does not read (the digits it lost would change it).
    std::optional<std::string_view> raw(int first, int last) const {
        const auto size = m_line.size();
        if (size < std::size_t(first))
            return std::string_view{};
        if (size < std::size_t(last))
            return std::nullopt;
        return m_line.substr(std::size_t(first) - 1, std::size_t(last - first) + 1);
    }

    std::string text(int first, int last) const {
        const auto size = m_line.size();
        if (size < std::size_t(first))
            return {};
        return std::string(m_line.substr(std::size_t(first) - 1, std::size_t(last - first) + 1));
    }

    std::int32_t integer(int first, int last, Field field) {
        const auto f = raw(first, last);
        if (!f)
            return fail(field, m_line.substr(std::size_t(first) - 1)), 0;
        const std::string_view t = trimmed(*f);
        if (t.empty())
            return 0;
        const auto v = Torvane::parseInteger(t);
        if (!v)
            return fail(field, *f), 0;
        return *v;
    }

    double decimal(int first, int last, Field field) {
        const auto f = raw(first, last);
        if (!f)
            return fail(field, m_line.substr(std::size_t(first) - 1)), 0;
        std::string_view t = trimmed(*f);
        if (t.empty())
            return 0;
        if (t.front() == '+')
            t.remove_prefix(1);
        double v = 0;
        const auto [end, ec] =
            std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::fixed);
        if (ec != std::errc() || end != t.data() + t.size())
            return fail(field, *f), 0;
        return v;
    }

    // MM/YYYY; nullopt when the field is blank.
    std::optional<MonthYear> monthYear(int first, int last, Field field) {
        const auto f = raw(first, last);
        if (!f) {
            fail(field, m_line.substr(std::size_t(first) - 1));
            return std::nullopt;
        }
        const std::string_view t = trimmed(*f);
        if (t.empty())
            return std::nullopt;
        const auto slash = t.find('/');
        const auto month = slash == std::string_view::npos
                               ? std::nullopt
                               : Torvane::parseInteger(t.substr(0, slash));
        const auto year = slash == std::string_view::npos
                              ? std::nullopt
                              : Torvane::parseInteger(t.substr(slash + 1));
        if (!month || !year || *month < 1 || *month > 12 || *year < 1 || *year > 9999) {
            fail(field, *f);
            return std::nullopt;
        }
        return MonthYear{*month, *year};
    }

    bool ok() const { return !m_error.has_value(); }
    const ReadError& error() const { return *m_error; }
    void fail(Field field, std::string_view bytes) {
        if (!m_error)
            m_error = ReadError{m_number, field, std::string(bytes)};
    }

private:
    std::string_view m_line;
    int m_number;
    std::optional<ReadError> m_error;
};

template <typename T> ReadResult<T> failed(ReadError error) {
    return ReadResult<T>{std::nullopt, std::move(error)};
}

std::vector<std::string_view> tokens(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (i > start)
            out.push_back(line.substr(start, i - start));
    }
    return out;
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return out;
}

} // namespace

ReadResult<std::vector<ConfhdPlant>> readConfhd(std::string_view bytes) {
    std::vector<ConfhdPlant> plants;
    Torvane::LineReader lines(bytes);
    while (const auto line = lines.next()) {
        if (lines.lineNumber() <= 2 || allBlank(*line))
            continue;
        Columns c(*line, lines.lineNumber());
        ConfhdPlant p;
        p.line = lines.lineNumber();
        const auto code = c.raw(2, 5);
        if (code && allBlank(*code))
            c.fail(Field::Code, *code);
        p.code = c.integer(2, 5, Field::Code);
        p.name = c.text(7, 18);
        p.station = c.integer(20, 23, Field::Station);
        p.downstream = c.integer(26, 29, Field::Downstream);
        p.ree = c.integer(31, 34, Field::Ree);
        p.initialStorage = c.decimal(36, 41, Field::InitialStorage);
        p.status = std::string(trimmed(c.text(45, 46)));
        p.modified = c.integer(50, 53, Field::Modified);
        p.historyFrom = c.integer(59, 62, Field::HistoryFrom);
        p.historyTo = c.integer(68, 71, Field::HistoryTo);
        if (!c.ok())
            return failed<std::vector<ConfhdPlant>>(c.error());
        plants.push_back(std::move(p));
    }
    return {std::move(plants), {}};
}

ReadResult<std::vector<ModifBlock>> readModif(std::string_view bytes) {
    std::vector<ModifBlock> blocks;
    Torvane::LineReader lines(bytes);
    while (const auto line = lines.next()) {
        if (lines.lineNumber() <= 2)
            continue;
        const auto words = tokens(*line);
        if (words.empty())
            continue;
        const std::string keyword = upper(words.front());
        if (keyword == "USINA") {
            const auto code = words.size() > 1 ? Torvane::parseInteger(words[1]) : std::nullopt;
            if (!code)
                return failed<std::vector<ModifBlock>>(
                    {lines.lineNumber(), Field::Code,
                     words.size() > 1 ? std::string(words[1]) : std::string()});
            ModifBlock block;
            block.line = lines.lineNumber();
            block.code = *code;
            const auto after = std::size_t(words[1].data() + words[1].size() - line->data());
            block.name = std::string(trimmed(line->substr(after)));
            blocks.push_back(std::move(block));
        } else if (!blocks.empty()) {
            blocks.back().keywords.push_back(keyword);
        }
    }
    return {std::move(blocks), {}};
}

ReadResult<std::vector<ExphPlant>> readExph(std::string_view bytes) {
    std::vector<ExphPlant> plants;
    bool open = false;
    Torvane::LineReader lines(bytes);
    while (const auto line = lines.next()) {
        if (lines.lineNumber() <= 3 || allBlank(*line))
            continue;
        Columns c(*line, lines.lineNumber());
        const auto codeField = c.raw(1, 4);
        if (codeField && trimmed(*codeField) == "9999") {
            open = false;
            continue;
        }
        if (codeField && allBlank(*codeField))
            c.fail(Field::Code, *codeField);
        const std::int32_t code = c.integer(1, 4, Field::Code);
        if (!c.ok())
            return failed<std::vector<ExphPlant>>(c.error());
        if (!open) {
            ExphPlant p;
            p.line = lines.lineNumber();
            p.code = code;
            p.name = c.text(6, 17);
            p.fillingStart = c.monthYear(19, 25, Field::FillingStart);
            p.fillingMonths = c.integer(32, 33, Field::FillingMonths);
            p.deadVolumeFilled = c.decimal(36, 42, Field::DeadVolume);
            plants.push_back(std::move(p));
            open = true;
        } else if (code != plants.back().code) {
            return failed<std::vector<ExphPlant>>(
                {lines.lineNumber(), Field::BlockCode, std::string(*codeField)});
        }
        if (!allBlank(c.text(45, 65))) {
            ExphMachine m;
            m.line = lines.lineNumber();
            const auto entry = c.monthYear(45, 51, Field::EntryDate);
            if (!entry)
                c.fail(Field::EntryDate, c.text(45, 51));
            m.entry = entry.value_or(MonthYear{});
            m.power = c.decimal(53, 58, Field::Power);
            m.number = c.integer(61, 62, Field::MachineNumber);
            m.set = c.integer(65, 65, Field::MachineSet);
            plants.back().machines.push_back(m);
        }
        if (!c.ok())
            return failed<std::vector<ExphPlant>>(c.error());
    }
    if (open)
        return failed<std::vector<ExphPlant>>({plants.back().line, Field::BlockEnd, {}});
    return {std::move(plants), {}};
}

std::string readCaso(std::string_view bytes) {
    Torvane::LineReader lines(bytes);
    const auto first = lines.next();
    return first ? std::string(trimmed(*first)) : std::string();
}

std::vector<IndexEntry> readDeckIndex(std::string_view bytes) {
    std::vector<IndexEntry> entries;
    Torvane::LineReader lines(bytes);
    while (const auto line = lines.next()) {
        if (line->size() < 29 || (*line)[28] != ':')
            continue;
        std::string_view label = line->substr(0, 28);
        while (!label.empty() && isBlank(label.back()))
            label.remove_suffix(1);
        entries.push_back({std::string(label), std::string(trimmed(line->substr(29)))});
    }
    return entries;
}

std::string indexedFile(const std::vector<IndexEntry>& index, std::string_view label) {
    for (const IndexEntry& e : index)
        if (e.label == label)
            return e.file;
    return {};
}

} // namespace Deck

#include "tools/DeckCheck.h"

#include "registry/AnsiText.h"

#include <QDir>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <map>

namespace DeckCheck {

namespace {

using Torvane::kFirstYear;

const char* const kMonthsPt[12] = {"jan", "fev", "mar", "abr", "mai", "jun",
                                   "jul", "ago", "set", "out", "nov", "dez"};
const char* const kMonthsEn[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QString fileName(const std::string& bytes) {
    return AnsiText::decode(bytes.data(), bytes.size()).trimmed();
}

// Names compared with their blanks and letter case aside.
QString nameKey(const QString& name) {
    QString key;
    for (const QChar c : name)
        if (!c.isSpace())
            key.append(c.toUpper());
    return key;
}

// The rules that cannot run without the file.
const char* rulesOf(DeckFile file) {
    switch (file) {
    case DeckFile::MODIF:
        return "modif-plant-not-configured, modif-flag";
    case DeckFile::EXPH:
        return "exph-plant-not-configured, exph-status";
    case DeckFile::POSTOS:
        return "station-unnamed, station-years";
    case DeckFile::VAZOES:
        return "history-missing, history-zero, mlt-mean";
    case DeckFile::MLT:
        return "mlt-mean";
    default:
        return "";
    }
}

class Checker {
public:
    Checker(const Inputs& deck, Language language) : d(deck), lang(language) {
        for (const Deck::ConfhdPlant& p : d.confhd)
            configured.insert(p.code);
        if (d.modif)
            for (const Deck::ModifBlock& b : *d.modif)
                modified.insert(b.code);
        if (d.exph)
            for (const Deck::ExphPlant& p : *d.exph)
                expanding.insert(p.code);
    }

    QList<Finding> run() {
        skipped();
        cascadeCycles();
        for (const Deck::ConfhdPlant& p : d.confhd)
            plant(p);
        if (d.modif)
            modifPlants();
        if (d.exph)
            exphPlants();
        historyMissing();
        std::stable_sort(out.begin(), out.end(),
                         [](const Finding& a, const Finding& b) { return a.code < b.code; });
        return out;
    }

private:
    const Inputs& d;
    Language lang;
    QSet<std::int32_t> configured, modified, expanding;
    QList<Finding> out;

    const RegistryPlant* registered(std::int32_t code) const {
        if (code < 1 || std::size_t(code) > d.registry.size())
            return nullptr;
        const RegistryPlant& p = d.registry[std::size_t(code) - 1];
        return p.inUse ? &p : nullptr;
    }
    QString nameOf(const Deck::ConfhdPlant& p) const {
        const RegistryPlant* r = registered(p.code);
        return r ? r->name.trimmed() : fileName(p.name);
    }
    bool stationKnown(std::int32_t station) const {
        return d.horizon > 0 && station >= 1 && station <= d.horizon;
    }
    const Station* stationEntry(std::int32_t station) const {
        if (!d.postos || !stationKnown(station) || std::size_t(station) > d.postos->size())
            return nullptr;
        return &(*d.postos)[std::size_t(station) - 1];
    }
    // The case's history years that VAZOES holds, or an empty span.
    std::pair<int, int> heldYears(const Deck::ConfhdPlant& p) const {
        const int from = std::max(p.historyFrom, kFirstYear);
        const int to = std::min(p.historyTo, d.vazoes->lastYear());
        return {from, to};
    }

    void add(Level level, const char* rule, DeckFile file, std::int32_t code, QString name,
             QString message) {
        out.append({level, rule, file, code, std::move(name), std::move(message)});
    }

    void skipped() {
        for (const DeckFile file : d.absent)
            add(Level::Info, "rules-skipped", file, 0, {},
                inLanguage(lang, "arquivo ausente; regras não verificadas: %1.",
                           "file absent; rules not run: %1.")
                    .arg(QString::fromLatin1(rulesOf(file))));
        if (d.horizon == 0)
            add(Level::Info, "rules-skipped", DeckFile::POSTOS, 0, {},
                inLanguage(lang, "sem POSTOS nem --stations o horizonte (320 ou 600 postos) é "
                           "desconhecido; regras não verificadas: station-out-of-range, "
                           "history-missing, history-zero, mlt-mean.",
                           "without POSTOS or --stations the horizon (320 or 600 stations) is "
                           "unknown; rules not run: station-out-of-range, history-missing, "
                           "history-zero, mlt-mean."));
    }

    // The downstream codes of the case form a graph with at most one edge out of each plant:
    // every loop is found once, from the first of its plants that the walk meets.
    void cascadeCycles() {
        std::map<std::int32_t, std::int32_t> next;
        for (const Deck::ConfhdPlant& p : d.confhd)
            if (p.downstream != 0 && configured.contains(p.downstream))
                next.emplace(p.code, p.downstream);
        std::map<std::int32_t, int> state; // 1 on the walk now, 2 done
        for (const auto& [start, unused] : next) {
            std::vector<std::int32_t> walk;
            std::int32_t at = start;
            while (true) {
                const int s = state[at];
                if (s == 2)
                    break;
                if (s == 1) {
                    const auto first = std::find(walk.begin(), walk.end(), at);
                    std::vector<std::int32_t> loop(first, walk.end());
                    const std::int32_t lowest = *std::min_element(loop.begin(), loop.end());
                    const auto rotate = std::find(loop.begin(), loop.end(), lowest);
                    std::rotate(loop.begin(), rotate, loop.end());
                    QStringList codes;
                    for (const std::int32_t c : loop)
                        codes.append(QString::number(c));
                    codes.append(QString::number(lowest));
                    QString name;
                    for (const Deck::ConfhdPlant& p : d.confhd)
                        if (p.code == lowest) {
                            name = nameOf(p);
                            break;
                        }
                    add(Level::Error, "cascade-cycle", DeckFile::CONFHD, lowest, name,
                        inLanguage(lang, "as usinas de jusante formam um laço: %1.",
                                   "the downstream plants form a loop: %1.")
                            .arg(codes.join(QStringLiteral(" → "))));
                    break;
                }
                state[at] = 1;
                walk.push_back(at);
                const auto n = next.find(at);
                if (n == next.end())
                    break;
                at = n->second;
            }
            for (const std::int32_t c : walk)
                state[c] = 2;
        }
    }

    void plant(const Deck::ConfhdPlant& p) {
        const QString name = nameOf(p);
        const RegistryPlant* r = registered(p.code);
        auto finding = [&](Level level, const char* rule, DeckFile file, QString message) {
            add(level, rule, file, p.code, name, std::move(message));
        };
        if (!r)
            finding(Level::Error, "plant-not-in-registry", DeckFile::CONFHD,
                    inLanguage(lang, "a usina não está em uso no cadastro.",
                               "the plant is not a plant in use in the registry."));
        if (d.horizon > 0 && !stationKnown(p.station))
            finding(Level::Error, "station-out-of-range", DeckFile::CONFHD,
                    inLanguage(lang, "o posto %1 está fora de 1 a %2.", "station %1 is outside 1 to %2.")
                        .arg(p.station)
                        .arg(d.horizon));
        const Station* station = stationEntry(p.station);
        const bool named = station && !station->name.trimmed().isEmpty();
        if (station && !named)
            finding(Level::Error, "station-unnamed", DeckFile::POSTOS,
                    inLanguage(lang, "o posto %1 não tem nome em POSTOS.",
                               "station %1 has no name in POSTOS.")
                        .arg(p.station));
        if (r && nameKey(r->name) != nameKey(fileName(p.name)))
            finding(Level::Warning, "name-differs", DeckFile::CONFHD,
                    inLanguage(lang, "o nome na configuração é \"%1\".",
                               "the name in the configuration is \"%1\".")
                        .arg(fileName(p.name)));
        if (p.downstream != 0 && !configured.contains(p.downstream))
            finding(Level::Warning, "downstream-not-configured", DeckFile::CONFHD,
                    inLanguage(lang, "a usina de jusante %1 não está na configuração.",
                               "downstream plant %1 is not in the configuration.")
                        .arg(p.downstream));
        if (r && r->desvio != 0 && !configured.contains(r->desvio))
            finding(Level::Warning, "deviation-not-configured", DeckFile::HIDR,
                    inLanguage(lang, "a usina de desvio %1 não está na configuração.",
                               "deviation plant %1 is not in the configuration.")
                        .arg(r->desvio));
        if (d.modif && p.modified == 1 && !modified.contains(p.code))
            finding(Level::Warning, "modif-flag", DeckFile::CONFHD,
                    inLanguage(lang, "marcada como modificada, mas MODIF não tem bloco USINA para ela.",
                               "marked as modified, but MODIF has no USINA block for it."));
        if (d.modif && p.modified == 0 && modified.contains(p.code))
            finding(Level::Warning, "modif-flag", DeckFile::CONFHD,
                    inLanguage(lang, "marcada como não modificada, mas MODIF tem bloco USINA para ela.",
                               "marked as not modified, but MODIF has a USINA block for it."));
        if (d.exph && (p.status == "NE" || p.status == "EE") && !expanding.contains(p.code))
            finding(Level::Warning, "exph-status", DeckFile::CONFHD,
                    inLanguage(lang, "usina %1 sem bloco em EXPH.", "%1 plant without a block in EXPH.")
                        .arg(QString::fromStdString(p.status)));
        if (named && (station->firstYear > p.historyFrom || station->lastYear < p.historyTo))
            finding(Level::Warning, "station-years", DeckFile::POSTOS,
                    inLanguage(lang, "o posto %1 cobre %2 a %3 em POSTOS, não o histórico %4 a %5.",
                               "station %1 covers %2 to %3 in POSTOS, not the history %4 to %5.")
                        .arg(p.station)
                        .arg(station->firstYear)
                        .arg(station->lastYear)
                        .arg(p.historyFrom)
                        .arg(p.historyTo));
        if (d.vazoes && stationKnown(p.station) && p.station <= d.vazoes->numPostos())
            flows(p, name);
        if (r && p.station != r->posto)
            finding(Level::Info, "station-differs", DeckFile::CONFHD,
                    inLanguage(lang, "posto %1 na configuração, %2 no cadastro.",
                               "station %1 in the configuration, %2 in the registry.")
                        .arg(p.station)
                        .arg(r->posto));
        if (r && p.downstream != r->jusante)
            finding(Level::Info, "downstream-differs", DeckFile::CONFHD,
                    inLanguage(lang, "jusante %1 na configuração, %2 no cadastro.",
                               "downstream %1 in the configuration, %2 in the registry.")
                        .arg(p.downstream)
                        .arg(r->jusante));
    }

    void flows(const Deck::ConfhdPlant& p, const QString& name) {
        const auto [from, to] = heldYears(p);
        if (from > to)
            return;
        const auto values = d.vazoes->station(p.station);
        const auto at = [&](int year, int month) {
            return values[std::size_t(year - kFirstYear) * 12 + std::size_t(month - 1)];
        };
        bool allZero = true;
        double sums[12] = {};
        for (int y = from; y <= to; ++y)
            for (int m = 1; m <= 12; ++m) {
                allZero = allZero && at(y, m) == 0;
                sums[m - 1] += at(y, m);
            }
        if (allZero)
            add(Level::Warning, "history-zero", DeckFile::VAZOES, p.code, name,
                inLanguage(lang, "as vazões do posto %1 são todas 0 de %2 a %3.",
                           "the flows of station %1 are all 0 from %2 to %3.")
                    .arg(p.station)
                    .arg(from)
                    .arg(to));
        if (!d.mlt || p.station > d.mlt->numPostos())
            return;
        QStringList months;
        for (int m = 1; m <= 12; ++m) {
            const double mean = sums[m - 1] / double(to - from + 1);
            const double gap = std::fabs(double(d.mlt->value(p.station, m)) - mean);
            if (gap > 0.05 * std::fabs(mean) && gap > 1.0)
                months.append(
                    QStringLiteral("%1 (MLT %2, %3)")
                        .arg(QString::fromLatin1(lang == Language::English ? kMonthsEn[m - 1]
                                                                           : kMonthsPt[m - 1]))
                        .arg(d.mlt->value(p.station, m))
                        .arg(QString::number(mean, 'f', 1)));
        }
        if (!months.isEmpty())
            add(Level::Warning, "mlt-mean", DeckFile::MLT, p.code, name,
                inLanguage(lang, "a MLT do posto %1 difere da média de %2 a %3 em mais de 5 %: %4.",
                           "station %1's MLT differs from the mean of %2 to %3 by more than "
                           "5 %: %4.")
                    .arg(p.station)
                    .arg(from)
                    .arg(to)
                    .arg(months.join(QStringLiteral(", "))));
    }

    void modifPlants() {
        QSet<std::int32_t> said;
        for (const Deck::ModifBlock& b : *d.modif)
            if (!configured.contains(b.code) && !said.contains(b.code)) {
                said.insert(b.code);
                add(Level::Warning, "modif-plant-not-configured", DeckFile::MODIF, b.code,
                    fileName(b.name),
                    inLanguage(lang, "MODIF altera a usina %1 (linha %2), que não está na configuração.",
                               "MODIF changes plant %1 (line %2), which is not in the "
                               "configuration.")
                        .arg(b.code)
                        .arg(b.line));
            }
    }

    void exphPlants() {
        for (const Deck::ExphPlant& e : *d.exph) {
            const auto p =
                std::find_if(d.confhd.begin(), d.confhd.end(),
                             [&](const Deck::ConfhdPlant& c) { return c.code == e.code; });
            if (p == d.confhd.end()) {
                add(Level::Error, "exph-plant-not-configured", DeckFile::EXPH, e.code,
                    fileName(e.name),
                    inLanguage(lang, "EXPH expande a usina %1 (linha %2), que não está na configuração.",
                               "EXPH expands plant %1 (line %2), which is not in the "
                               "configuration.")
                        .arg(e.code)
                        .arg(e.line));
            } else if (p->status == "EX" || p->status == "NC") {
                add(Level::Warning, "exph-status", DeckFile::EXPH, e.code, nameOf(*p),
                    inLanguage(lang, "bloco em EXPH (linha %1) para usina %2 na configuração.",
                               "a block in EXPH (line %1) for a plant %2 in the configuration.")
                        .arg(e.line)
                        .arg(QString::fromStdString(p->status)));
            }
        }
    }

    void historyMissing() {
        if (!d.vazoes || d.horizon == 0 || d.confhd.empty())
            return;
        const auto last =
            std::max_element(d.confhd.begin(), d.confhd.end(),
                             [](const Deck::ConfhdPlant& a, const Deck::ConfhdPlant& b) {
                                 return a.historyTo < b.historyTo;
                             });
        if (d.vazoes->lastYear() < last->historyTo)
            add(Level::Error, "history-missing", DeckFile::VAZOES, 0, {},
                inLanguage(lang, "VAZOES termina em %1, antes de %2, o último ano de histórico do caso "
                           "(usina %3).",
                           "VAZOES ends in %1, before %2, the last history year of the case "
                           "(plant %3).")
                    .arg(d.vazoes->lastYear())
                    .arg(last->historyTo)
                    .arg(last->code));
    }
};

} // namespace

QList<Finding> check(const Inputs& deck, Language language) {
    return Checker(deck, language).run();
}

Counts countOf(const QList<Finding>& findings) {
    Counts c;
    for (const Finding& f : findings)
        (f.level == Level::Error ? c.errors : f.level == Level::Warning ? c.warnings : c.infos)++;
    return c;
}

QString summaryLine(const QList<Finding>& findings, const QList<std::pair<QString, QString>>& files,
                    Language language) {
    // Every one of these words makes its plural with an "s".
    const auto counted = [&](int n, const char* pt, const char* en) {
        return QStringLiteral("%1 %2%3")
            .arg(n)
            .arg(inLanguage(language, pt, en), n == 1 ? QString() : QStringLiteral("s"));
    };
    const Counts c = countOf(findings);
    QStringList read;
    for (const auto& [label, path] : files)
        read.append(QStringLiteral("%1 (%2)").arg(label, QDir::toNativeSeparators(path)));
    return inLanguage(language, "%1, %2, %3. Arquivos lidos: %4.", "%1, %2, %3. Files read: %4.")
        .arg(counted(c.errors, "erro", "error"), counted(c.warnings, "aviso", "warning"),
             counted(c.infos, "info", "info"),
             read.join(QStringLiteral(", ")));
}

QStringList findingCells(const Finding& finding, Language language) {
    return {QString::number(finding.code), finding.name, fileLabel(finding.file),
            levelText(finding.level, language), finding.message};
}

QString fileLabel(DeckFile file) {
    static const char* const labels[] = {"HIDR",   "CONFHD", "MODIF", "EXPH",
                                         "POSTOS", "VAZOES", "MLT"};
    return QString::fromLatin1(labels[int(file)]);
}

QString levelText(Level level, Language language) {
    static const char* const pt[] = {"erro", "aviso", "info"};
    static const char* const en[] = {"error", "warning", "info"};
    return inLanguage(language, pt[int(level)], en[int(level)]);
}

const char* levelId(Level level) {
    static const char* const ids[] = {"error", "warning", "info"};
    return ids[int(level)];
}

} // namespace DeckCheck

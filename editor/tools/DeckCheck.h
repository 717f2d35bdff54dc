#pragma once
// A planning deck checked across its files: the plants of the case's configuration (CONFHD)
// against the registry, the modifications (MODIF), the expansion plan (EXPH), the station list
// (POSTOS), the inflow history (VAZOES) and the long-term means (MLT). The files come in already
// read; a file the deck lacks is absent here, and the rules that need it are not run.

#include "deck/DeckFiles.h"
#include "inflows/Series.h"
#include "language/LanguageTexts.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace DeckCheck {

enum class Level { Error, Warning, Info };
enum class DeckFile { HIDR, CONFHD, MODIF, EXPH, POSTOS, VAZOES, MLT };

struct Finding {
    Level level = Level::Info;
    const char* rule = ""; // the rule's id, the same in every language
    DeckFile file = DeckFile::HIDR;
    std::int32_t code = 0; // 0 for a finding about a whole file
    QString name;
    QString message;
};

// What the deck check needs of a registry record.
struct RegistryPlant {
    bool inUse = false;
    QString name; // the 12 stored characters, decoded
    std::int32_t posto = 0;
    std::int32_t jusante = 0;
    std::int32_t desvio = 0;
};

// A POSTOS record: its name (blanks after it removed) and its first and last years.
struct Station {
    QString name;
    std::int32_t firstYear = 0;
    std::int32_t lastYear = 0;
};

struct Inputs {
    std::vector<RegistryPlant> registry; // code k at k - 1
    std::vector<Deck::ConfhdPlant> confhd;
    std::optional<std::vector<Deck::ModifBlock>> modif;
    std::optional<std::vector<Deck::ExphPlant>> exph;
    std::optional<std::vector<Station>> postos; // station k at k - 1
    const Torvane::InflowHistory* vazoes = nullptr;
    const Torvane::MltValues* mlt = nullptr;
    int horizon = 0;              // 320 or 600; 0 when neither POSTOS nor the user says it
    std::vector<DeckFile> absent; // the optional files the deck lacks
};

// Every finding, by code (the findings about whole files first), each plant's in the order of
// the rules.
QList<Finding> check(const Inputs& deck, Language language);

struct Counts {
    int errors = 0, warnings = 0, infos = 0;
};
Counts countOf(const QList<Finding>& findings);
// "1 erro, 2 avisos, 0 infos. Arquivos lidos: HIDR (/deck/HIDR.DAT), ..."; files: label, path.
QString summaryLine(const QList<Finding>& findings, const QList<std::pair<QString, QString>>& files,
                    Language language);
// A finding's columns in the window: code, plant, file, level, message.
QStringList findingCells(const Finding& finding, Language language);

QString fileLabel(DeckFile file);                  // "HIDR", "CONFHD", ...
QString levelText(Level level, Language language); // "erro" / "error", ...
const char* levelId(Level level);                  // "error", "warning", "info"

} // namespace DeckCheck

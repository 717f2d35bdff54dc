#pragma once
// The files of a planning deck that refer to the registry's plants: the case's hydro
// configuration (CONFHD), the plant modifications (MODIF), the hydro expansion (EXPH), and the
// deck's file index (caso.dat and the index it names). Names stay in their file bytes
// (Windows-1252); a reader answers the file's content or the first place that does not read.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Deck {

// Where a file does not read: its 1-based line, the field (one of the names below, so the
// caller can say it in the user's language) and the bytes found there.
struct ReadError {
    enum class Field {
        Code,           // CONFHD columns 2-5, EXPH columns 1-4, MODIF's USINA code
        Station,        // CONFHD 20-23
        Downstream,     // CONFHD 26-29
        Ree,            // CONFHD 31-34
        InitialStorage, // CONFHD 36-41
        Modified,       // CONFHD 50-53
        HistoryFrom,    // CONFHD 59-62
        HistoryTo,      // CONFHD 68-71
        FillingStart,   // EXPH 19-25
        FillingMonths,  // EXPH 32-33
        DeadVolume,     // EXPH 36-42
        EntryDate,      // EXPH 45-51
        Power,          // EXPH 53-58
        MachineNumber,  // EXPH 61-62
        MachineSet,     // EXPH 65
        BlockCode,      // an EXPH line whose code is not its block's
        BlockEnd,       // an EXPH file that ends inside a block (no 9999)
    };
    int line = 0;
    Field field = Field::Code;
    std::string bytes;
};

template <typename T> struct ReadResult {
    std::optional<T> value;
    ReadError error;
    bool ok() const { return value.has_value(); }
};

// Files larger than any real deck's are refused before they are read.
inline constexpr std::size_t kMaxDeckTextBytes = 64u << 20;

struct ConfhdPlant {
    int line = 0;
    std::int32_t code = 0;
    std::string name; // columns 7-18 as stored
    std::int32_t station = 0;
    std::int32_t downstream = 0;
    std::int32_t ree = 0;
    double initialStorage = 0;
    std::string status; // columns 45-46: "EX", "EE", "NE" or "NC" (blanks trimmed)
    std::int32_t modified = 0;
    std::int32_t historyFrom = 0;
    std::int32_t historyTo = 0;
};
ReadResult<std::vector<ConfhdPlant>> readConfhd(std::string_view bytes);

struct ModifBlock {
    int line = 0; // the USINA line
    std::int32_t code = 0;
    std::string name;                  // what follows the code, blanks trimmed
    std::vector<std::string> keywords; // the keyword of each line of the block, in order
};
ReadResult<std::vector<ModifBlock>> readModif(std::string_view bytes);

struct MonthYear {
    std::int32_t month = 0;
    std::int32_t year = 0;
};
struct ExphMachine {
    int line = 0;
    MonthYear entry;
    double power = 0;
    std::int32_t number = 0;
    std::int32_t set = 0;
};
struct ExphPlant {
    int line = 0; // the block's first line
    std::int32_t code = 0;
    std::string name;
    std::optional<MonthYear> fillingStart; // blank when the reservoir is already filled
    std::int32_t fillingMonths = 0;
    double deadVolumeFilled = 0;
    std::vector<ExphMachine> machines;
};
ReadResult<std::vector<ExphPlant>> readExph(std::string_view bytes);

// caso.dat: the index's file name on its first line.
std::string readCaso(std::string_view bytes);

struct IndexEntry {
    std::string label; // columns 1-28, trailing blanks removed
    std::string file;  // after the colon in column 29, blanks around it removed
};
// The index's lines that have the colon in column 29; others are not entries.
std::vector<IndexEntry> readDeckIndex(std::string_view bytes);
// The file the index names under label, or "" when none.
std::string indexedFile(const std::vector<IndexEntry>& index, std::string_view label);

inline constexpr std::string_view kConfhdLabel = "CONFIGURACAO HIDRAULICA";
inline constexpr std::string_view kModifLabel = "ALTERACAO DADOS USINAS HIDRO";
inline constexpr std::string_view kExphLabel = "DADOS DE EXPANSAO HIDRAULICA";

} // namespace Deck

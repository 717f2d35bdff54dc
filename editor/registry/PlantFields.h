#pragma once
// The one table of the plant form's boxes: for each box, its control name, the record field
// it shows, how the number is written, the unit shown after it, and, for a coded field, the
// selector that stands in for it while editing. The display texts, the edit form, the
// snapshot, the plant built back from the form and the sheets all walk this table.

#include "registry/LookupLists.h"
#include "registry/TUsinaHd.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <span>

enum class FieldKind {
    Text,    // bytes of the record shown as text
    Integer, // a whole number
    Real,    // a float shown with a fixed number of decimals
    Coded,   // a code shown with its name, picked from a selector while editing
};

// What the coded fields' names come from.
struct FieldNames {
    const LookupLists& lists;
    const QStringList& plantNames; // entry 0 "NÃO HÁ", entry k the name of record k
};

struct PlantField {
    const char* control; // objectName of the display box
    FieldKind kind;
    int decimals = 0;            // Real
    const char* unit = "";       // after the number on display; cut for editing
    const char* selector = "";   // Coded: its selector's objectName
    int width = 0;               // Text: bytes in the record
    std::int32_t TUsinaHd::*integer = nullptr; // Integer
    float TUsinaHd::*real = nullptr;           // Real
    char* (*bytes)(TUsinaHd&) = nullptr;       // Text
    // Coded: the display text, and how the selector's entry gives the field back: the code
    // before its first blank, its first character as a digit, or (the regulation) its letter.
    QString (*codedText)(const TUsinaHd&, const FieldNames&) = nullptr;
    enum class Entry { Code, FirstDigit, Letter } entry = Entry::Code;
    bool upper = false; // Text: shown in capitals

    QString name() const { return QString::fromLatin1(control); }
    QString unitText() const { return QString::fromLatin1(unit); }
    // The box's text for a plant, as the display shows it (unit included).
    QString displayText(const TUsinaHd& plant, const FieldNames& names,
                        const QLocale& locale) const;
};

// Every display box, in the order of the record's fields.
std::span<const PlantField> plantFields();
// The box of that control name; null when none.
const PlantField* plantField(const QString& control);

// The code box of the form: not part of the plant, it comes from the plant list.
inline const QString CodeBox = QStringLiteral("TXT_Cod");

// The text with the box's unit removed when it ends with it; otherwise unchanged (a text
// already bare, after a Change left without a plant shown, keeps all its digits).
QString cutUnitSuffix(const QString& boxName, const QString& text);

// Counts of the record's repeated groups, and of the rows a display shows for them.
constexpr int MaxMachineSets = 5;
constexpr int MaxDownstreamPolynomials = 6;
// The highest code of a registry the editor creates (one record per code from 1).
constexpr int MaxPlantCode = 320;

#pragma once
// The one table of the plant form: every record field, the box or the grid cells that show
// it, how its numbers are written, the unit shown after them, its CSV column, and whether the
// curves read it. The display texts, the edit form and its empty rows, the grids' headings,
// the CSV columns, the sheets, Save's reading and the curves' reading all walk this table.
// Controls are named by their object names: the table knows no widget.

#include "registry/LookupLists.h"
#include "registry/PlantCodec.h"
#include "registry/PlantTexts.h"
#include "registry/RecordColumns.h"
#include "registry/TUsinaHd.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

enum class FieldKind {
    Text,    // bytes of the record shown as text
    Integer, // a whole number
    Real,    // a float shown with a fixed number of decimals, or in the exponent form
    Coded,   // a code shown with its name, picked from a selector while editing
};

// The values the plant's curves and figures read. PolJus stands for six: polynomial p
// (with its reference level) is PolJus + p.
enum class CurveInput {
    VolMin,
    VolMax,
    VolVert,
    VolRef,
    CotaMin,
    CotaMax,
    PCV,
    PAC,
    EvapMen,
    NumConjMaq,
    NumMaq,
    PotEf,
    QEf,
    ProdEsp,
    ValorPerdas,
    TipoPerdas,
    CanalFugaMed,
    NumPolsJus,
    PolJus,
    None = -1,
};

// What the coded fields' names come from.
struct FieldNames {
    const LookupLists& lists;
    const QStringList& plantNames; // entry 0 "NÃO HÁ", entry k the name of record k
};

// How a grid's rows are given out: all of them fixed, or one item (of one row or three) per
// machine set or per downstream polynomial, as many as the plant declares.
enum class GridItems { Fixed, MachineSets, DownstreamPolynomials };

struct GridHeading {
    const char* label; // objectName of the heading over the column
    const char* text;  // the same in every language; null: the label's caption
};

struct FormGrid {
    const char* control; // objectName of the grid
    GridTexts PlantGrids::*texts;
    GridItems items = GridItems::Fixed;
    int rowsPerItem = 1;
    int numberColumn = -1;                    // the item's number, from 1
    int labelColumn = -1;                     // the row's name within its item
    std::array<const char*, 3> rowNames{};    // ... "QHT", "QHG", "PH"
    bool byColumns = false;                   // read column by column (else row by row)
    const char* caption = "";                 // the label heading the grid
    std::array<const char*, 2> rowCaptions{}; // labels beside the rows of a fixed grid
    std::vector<GridHeading> headings;        // one per column

    QString name() const { return QString::fromLatin1(control); }
    int columns() const { return int(headings.size()); }
    // The item a row belongs to, and the row's place within it.
    int itemOf(int row) const { return row / rowsPerItem; }
    // The rows the plant's counts give the grid on display (at least one) and with values.
    int shownRows(const TUsinaHd& plant) const;
    int usedItems(const TUsinaHd& plant) const;
    // The text of a number or name column of a row; null for a value column.
    QString itemCell(int row, int column) const;
};

// The five grids in the form's order: StrGr_PCVA, StrGr_EvapM, StrGr_ConjMaq1,
// StrGr_ConjMaq2, StrGr_PolsJus.
std::span<const FormGrid> formGrids();
const FormGrid* formGrid(const QString& control);

// A field's numbers, whatever their type: one element per number (a text field has one),
// counted row-major through nested arrays ("QHT" 7 is set 2, term 2).
struct FieldAccess {
    int elements = 1;
    // The element as the form writes it: integer, or `decimals` decimals, or (decimals < 0)
    // the exponent form.
    QString (*text)(const TUsinaHd&, int element, int decimals, const QLocale&) = nullptr;
    // Reads a typed number into the element under Save's rules; false when it does not read.
    // A polynomial term is read in the width the registry's record form stores it.
    bool (*read)(TUsinaHd&, int element, const QString& text, const QLocale&, RecordForm) = nullptr;
    // The element copied bit for bit.
    void (*keep)(TUsinaHd& to, const TUsinaHd& from, int element) = nullptr;
    bool real = false; // the numbers are reals
};

// Where a grid field's elements go: element 0 at (row, column), the next ones along the row,
// `perRow` of them, then on in the next item's rows.
struct CellPlace {
    int row = 0; // within the item
    int column = 0;
    int perRow = 1;
};

// How a CSV label names an element: one label, an index from 0 or from 1, or the term and the
// row of a table of polynomials ("QHTA2(3)").
enum class LabelPattern { Single, FromZero, FromOne, Terms };

struct PlantField {
    const char* field;   // the TUsinaHd member, as forEachPlantField names it
    const char* control; // objectName of the display box, or of the grid
    FieldKind kind;
    int decimals = 0;       // Real; Exponent for the exponent form
    const char* unit = "";  // after the number on display; cut for editing
    const char* label = ""; // a box's label (with its group's heading in `heading`)
    const char* heading = "";
    const char* selector = "";                 // Coded: its selector's objectName
    int width = 0;                             // Text: bytes in the record
    char* (*bytes)(TUsinaHd&) = nullptr;       // Text
    std::int32_t TUsinaHd::*integer = nullptr; // Coded
    // Coded: the display text, and how the selector's entry gives the field back: the code
    // before its first blank, its first character as a digit, or (the regulation) its letter.
    QString (*codedText)(const TUsinaHd&, const FieldNames&) = nullptr;
    enum class Entry { Code, FirstDigit, Letter } entry = Entry::Code;
    bool upper = false;             // Text: shown in capitals
    const FormGrid* grid = nullptr; // a grid's cells rather than a box
    CellPlace place{};
    FieldAccess access{};
    // The CSV: the column label, how the value is written, its names, and its place in the
    // export (fields of one place are interleaved row by row, a row being `place.perRow`
    // elements; `csvRows` rows of them).
    const char* csvLabel = "";
    LabelPattern labelPattern = LabelPattern::Single;
    RecordColumns::Format csv = RecordColumns::Format::Integer;
    RecordColumns::Names names = RecordColumns::Names::None;
    int csvOrder = 0;
    int csvRows = 0;                      // 0: all
    CurveInput curves = CurveInput::None; // PolJus: one input per polynomial

    static constexpr int Exponent = -1;

    QString name() const { return QString::fromLatin1(control); }
    QString unitText() const { return QString::fromLatin1(unit); }
    bool isBox() const { return grid == nullptr; }
    // The box's text for a plant, as the display shows it (unit included).
    QString displayText(const TUsinaHd& plant, const FieldNames& names,
                        const QLocale& locale) const;
    // The cell of an element within a grid, and the element of a cell (-1 for none). With
    // `pastLast` a cell in a row beyond the record's items names the element it would be.
    std::pair<int, int> cellOf(int element) const;
    int elementAt(int row, int column, bool pastLast = false) const;
    // The text of an element's cell.
    QString cellText(const PlantGrids& grids, int element) const;
    // The CSV label of an element.
    QString csvLabelOf(int element) const;
    // The curves' input an element feeds.
    CurveInput curveInput(int element) const;
};

// Every record field, in the record's order.
std::span<const PlantField> formFields();
// The display boxes, in the order of the record's fields.
const std::vector<std::reference_wrapper<const PlantField>>& plantFields();
// The box of that control name; null when none.
const PlantField* plantField(const QString& control);
// The field at a grid's cell, and which of its elements; null when the cell holds none.
const PlantField* fieldAtCell(const QString& grid, int row, int column, int* element = nullptr,
                              bool pastLast = false);

// The entry of a record member (&TUsinaHd::PolJus).
const PlantField& formFieldAt(std::size_t offset);
template <class M> const PlantField& formField(M TUsinaHd::*member) {
    static const TUsinaHd probe{};
    return formFieldAt(std::size_t(reinterpret_cast<const char*>(&(probe.*member)) -
                                   reinterpret_cast<const char*>(&probe)));
}

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

#pragma once
// A plant as the main window shows it: the text of every display box and grid cell.
// The window, the print-outs and the editing all take the texts from here.

#include "registry/LookupLists.h"
#include "registry/TUsinaHd.h"

#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

// Cells of one grid, addressed as the window addresses them: row, then column.
struct GridTexts {
    int columns = 0;
    int rows = 0;
    QVector<QString> cells; // row-major

    GridTexts() = default;
    GridTexts(int c, int r) : columns(c), rows(r), cells(c * r) {}
    QString at(int row, int column) const;
    void set(int row, int column, const QString& text);
};

// The five grids of the plant form, with the rows given to the machine sets, their curves and
// the downstream polynomials.
struct PlantGrids {
    GridTexts PCVA;
    GridTexts EvapM;
    GridTexts ConjMaq1;
    GridTexts ConjMaq2;
    GridTexts PolsJus;

    // Each grid with its columns, the rows given.
    explicit PlantGrids(int sets = 1, int curves = 1, int polynomials = 1);
    // The grid of that control name (StrGr_PCVA ... StrGr_PolsJus); null when none.
    GridTexts* grid(const QString& control);
    const GridTexts* grid(const QString& control) const;
    void clear(); // every cell empty, the rows kept
};

struct PlantTexts : PlantGrids {
    // Text of each display box by its control name (TXT_Nome ... TXT_reg); TXT_Cod is not
    // part of the plant and comes from the plant list.
    QHash<QString, QString> boxes;

    QString box(const QString& name) const { return boxes.value(name); }
};

// Number of machine-set and downstream-polynomial rows that a display shows: the count,
// within 1..5 and 1..6 (a count of 0 or less leaves one empty row).
int shownMachineSets(std::int32_t numConjMaq);
int shownDownstreamPolynomials(std::int32_t numPolsJus);
// How many of them hold values: the count within 0..5 and 0..6.
int usedMachineSets(std::int32_t numConjMaq);
int usedDownstreamPolynomials(std::int32_t numPolsJus);

// The display texts of a plant. TXT_Nome is in capitals.
PlantTexts plantDisplayTexts(const TUsinaHd& plant, const LookupLists& lists,
                             const QStringList& plantNames, const QLocale& locale);

// The control names of the display boxes, in the order of the record's fields.
const QStringList& plantBoxNames();

// The fixed choices of the coded fields no lookup list names, as their selectors offer them.
const QStringList& regEntries();        // "M - Mensal", "S - Semanal", "D - Diária"
const QStringList& repConjEntries();    // "0 - Aprox.", "1 - Det.", "2 - Simpl."
const QStringList& tipoPerdasEntries(); // "1 - %", "2 - m", "3 - K"
const QStringList& inflVertEntries();   // "0 - No", "1 - Yes"
// A stored value's text: its choice, or empty when there is none (any value but 0 is "1 - Yes").
QString regText(char reg);
QString repConjText(std::int32_t);
QString tipoPerdasText(std::int32_t);
QString inflVertText(std::int32_t);

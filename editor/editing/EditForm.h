#pragma once
// The plain parts of turning the plant form into an editor and back: unit suffixes, the
// grid layout of an empty plant, the selectors of the coded fields, and the blank plant of a
// deletion.

#include "editing/FormSnapshot.h"
#include "registry/LookupLists.h"
#include "registry/PlantFields.h"
#include "registry/PlantTexts.h"
#include "registry/TUsinaHd.h"

#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <utility>

// The machine-set and downstream grids at their edit row counts (a row kept keeps its cells),
// the rows past the counts in TXT_NGrMaq and TXT_NKeyCur in the empty-plant layout.
void toEditRows(FormTexts& f);
// The rows from `sets` machine sets and from `polynomials` downstream polynomials on in the
// empty-plant layout: the set's or polynomial's number (and "QHT", "QHG", "PH"), then "0".
void fillEmptyRows(FormTexts& f, int sets, int polynomials);

// The form's texts as an edit mode shows a plant's display: the unit suffixes cut (Change),
// the grids at their edit row counts, the rows of sets and polynomials past the counts in
// the empty-plant layout. Selectors are left to Monta_CMBs_Auxs_Edt.
FormTexts editTextsOf(const PlantTexts& display, const QString& codeText, bool cutSuffixes);

// One selector of a coded field: its entries and the one selected (-1 for none).
struct SelectorChoice {
    QStringList entries;
    int selected = -1;
};

// The nine selectors by control name (CMBsistema ... CMBreg), filled and preselected from the
// display boxes' texts. In Change (`shown` is the plant on display) a stored value that no
// entry matches gets an entry of its own, its code and " - " (for the regulation the stored
// letter), appended and selected, so that saving keeps it; for a new plant (`shown` null) an
// unmatched box selects the second entry.
QHash<QString, SelectorChoice> Monta_CMBs_Auxs_Edt(const LookupLists& lists,
                                                   const QStringList& plantEntries,
                                                   const QHash<QString, QString>& displayBoxes,
                                                   const TUsinaHd* shown);

// The form's texts for a stored plant as Change shows them: its display texts (plantNames
// and plantEntries are the registry's name table and plant list) in the edit layout, the
// code box holding its code, each selector's text as Change preselects it.
FormTexts changeFormTexts(std::int32_t code, const TUsinaHd& plant, const LookupLists& lists,
                          const QStringList& plantNames, const QStringList& plantEntries,
                          const QLocale& locale);

// Whether two forms read the same: every box, grid cell and selector's text (a box or cell
// never filled reads empty, as does a cell past a grid's rows).
bool sameFormTexts(const FormTexts& a, const FormTexts& b);

// The control names of the nine selectors and of the display boxes they replace, in the
// record's order.
const QList<std::pair<QString, QString>>& codedSelectorBoxes();

// The plant stored in a deleted plant's slot: blank texts, every number zero, a blank
// regulation letter.
TUsinaHd blankPlant();

// The entry of the plant list whose code is the typed code (compared as whole numbers), or
// empty when the code is free or not a number.
QString takenCodeEntry(const QStringList& plantEntries, const QString& codeText);
// "O Código 7 já existe, e corresponde à usina "7 - ALFA". Favor escolher outro código."
QString codeTakenText(const QString& codeText, const QString& entry);

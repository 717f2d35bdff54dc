#pragma once
// Two registries compared record by record: the code (position) matches the plants, a code past
// the end of the shorter file is an empty slot, two empty slots are not compared. A plant in
// one only is added or removed; a plant in both whose bytes differ gives one line per differing
// element, in the record's order, labelled as the CSV export labels its columns. Values are
// compared, not bytes, so the two may be of different record forms: a 32-bit coefficient and
// the same value widened to 64 bits are equal.

#include "language/LanguageTexts.h"
#include "registry/PlantCodec.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>

struct DiffLine {
    enum class Kind { Added, Removed, Changed };
    std::int32_t code = 0;
    QString name; // as the plant list shows it: the new name, the old one for a removed plant
    Kind kind = Kind::Changed;
    // Changed only: the element's label and both values. Integers as integers; reals as the
    // export writes them, where those texts are equal with 9 significant digits, and where
    // those are equal too (-0 and 0, NaN payloads) as their bits in hexadecimal; texts with
    // the bytes that would not show as "\xNN".
    QString field;
    QString oldValue;
    QString newValue;
};

struct DiffReport {
    QList<DiffLine> lines; // code order
    int added = 0;
    int removed = 0;
    int changed = 0;
    int differing() const { return added + removed + changed; }
};

DiffReport diffRegistries(const QByteArray& oldRegistry, const QByteArray& newRegistry,
                          const QLocale& locale, RecordForm oldForm = RecordForm::BySize,
                          RecordForm newForm = RecordForm::BySize);

// True when label names a field the comparison lists (a CSV column label).
bool isDiffField(const QString& label);
// The report without the lines of the fields labelled (a stamp every record changes hides the
// plants that really changed); a plant left with no line no longer counts as changed.
void leaveOutFields(DiffReport& report, const QStringList& labels);

// A line's columns: code, name, then "Usina incluída" / "Usina excluída", or the field, the old
// and the new value (TAB-separated on the command line).
QStringList diffCells(const DiffLine& line, Language language);
// "<k> usinas diferentes (<a> incluídas, <r> excluídas, <c> alteradas)."
QString diffSummary(const DiffReport& report, Language language);

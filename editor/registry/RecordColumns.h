#pragma once
// The record's values one by one: for every element of every field (a number, or a whole
// text field), its place in the record (of either form), its label and how it is written. The CSV
// export takes its header and its columns from here, the registry comparison its labels and values.

#include "registry/LookupLists.h"
#include "registry/PlantCodec.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>

namespace RecordColumns {

enum class Format {
    Text,     // the field's bytes
    Integer,  // a whole number
    Fixed,    // a real with `decimals` decimals
    Exponent, // a real in the exponent form
    Coded,    // a code, written with its name in the CSV
    YesNo,    // a flag, "Yes" or "No" in the CSV
};

// Where a coded column's names come from.
enum class Names { None, Systems, Companies, Plants, Turbines };

struct Column {
    QString label;     // the CSV's column name; "PJA0(6)" … for the elements it lacks
    const char* field; // the record field (TUsinaHd's member name)
    int element = 0;   // index within the field, row-major ("QHT" 7 is set 2, term 2)
    int offset = 0;    // in the record
    int size = 4;      // 4 or 8 for a number, the field's width for a text
    Format format = Format::Integer;
    int decimals = 0; // Fixed
    Names names = Names::None;

    bool isReal() const { return format == Format::Fixed || format == Format::Exponent; }
    bool isText() const { return format == Format::Text; }
};

// The label of the CSV's first column, the plant's code (which is no field of the record).
QString codeLabel();

// Every element of the record, in the record's order: 185 columns covering its 792 (or 832)
// bytes. The same columns in both forms, only PCV and PAC 8 bytes wide in the 832 form.
std::span<const Column> inRecordOrder(RecordForm form = RecordForm::Bytes792);
// The CSV's columns after the code, in the CSV's order (179: the sixth downstream
// polynomial is not exported).
const QList<const Column*>& inCsvOrder(RecordForm form = RecordForm::Bytes792);

// The label of an element of a field, following the field's pattern past its last element
// too ("#Maq(6)"); empty for an unknown field.
QString label(const char* field, int element);

// The 32 bits of a number column in a record (little-endian).
std::uint32_t bitsAt(const char* record, int offset);
std::int32_t integerAt(const char* record, int offset);
float realAt(const char* record, int offset);
// A real column's value in its own width (a float widened exactly).
double realOf(const char* record, const Column& column);
// The 64 bits of a number column of 8 bytes (little-endian).
std::uint64_t wideBitsAt(const char* record, int offset);

// A real column's value as the CSV writes it (Fixed or Exponent, the locale's separator).
QString realText(const Column& column, double value, const QLocale& locale);

// The names list of a coded column.
const QStringList& namesOf(Names names, const LookupLists& lists, const QStringList& plantNames);

} // namespace RecordColumns

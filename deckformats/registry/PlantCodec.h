#pragma once
// The file forms of a plant: little-endian, packed, character fields as raw Windows-1252
// bytes. Two forms differ only in the width of the PCV and PAC coefficients: 32-bit floats
// in the 792-byte form, 64-bit floats in the 832-byte form (every later field 40 bytes on).

#include "registry/TUsinaHd.h"

#include <QByteArray>
#include <QtGlobal>
#include <cstddef>
#include <utility>
#include <vector>

// The record form of a registry. BySize: the form its size tells (formOfSize).
enum class RecordForm { BySize, Bytes792, Bytes832 };

constexpr int RecordSize = 792;     // the 792-byte form's record
constexpr int WideRecordSize = 832; // the 832-byte form's record

constexpr int recordSize(RecordForm form) {
    return form == RecordForm::Bytes832 ? WideRecordSize : RecordSize;
}

// The form a registry of that size is in: 832 when it is a whole number of 832-byte records
// and not of 792-byte ones, else 792 (an ambiguous size, or a size with a partial record).
RecordForm formOfSize(qint64 size);
// A size that is a whole number of records of both forms (not 0).
bool isAmbiguousSize(qint64 size);
// The form named, or the one the size tells.
RecordForm resolveForm(RecordForm form, qint64 size);
// "792" or "832" (the form the size tells for BySize is not known here: "792").
const char* formDigits(RecordForm form);

// Writes the plant's 792 or 832 bytes to out.
void encodePlant(const TUsinaHd& plant, char* out, RecordForm form = RecordForm::Bytes792);
QByteArray encodePlant(const TUsinaHd& plant, RecordForm form = RecordForm::Bytes792);

// Reads a record from the first `size` bytes of data. A record cut short fills only the
// fields whose bytes exist: character fields byte by byte, numbers in their own width;
// the rest of the plant is left as it was.
void decodePlant(const char* data, std::size_t size, TUsinaHd& plant,
                 RecordForm form = RecordForm::Bytes792);

// Offset and size of a field by its name, from the same walk as the codec; -1 when unknown.
struct FieldSpan {
    int offset = -1;
    int size = 0;
};
FieldSpan plantFieldSpan(const char* name, RecordForm form = RecordForm::Bytes792);

// A 32-bit float widened to 64 bits and back, bit for bit: NaN payloads (signalling ones
// included, which a conversion by the FPU would quiet) are moved by hand.
double widenExact(float value);
// A 64-bit value narrowed to 32 bits: the nearest float; a NaN keeps the top of its payload.
// `kept` (when given) says whether widening the result gives the same bits back.
float narrowExact(double value, bool* kept = nullptr);

// A registry's records rewritten in another form, record for record: a slot of blanks
// becomes a slot of blanks of the new size, every other record (a NUL slot too) goes field
// by field, so a round trip of values that fit 32 bits gives the same bytes back. A trailing
// partial record is read over a fresh plant and written whole. `changed` (when given)
// receives {code, coefficients changed} for each record that narrowing changed.
QByteArray convertRegistry(const QByteArray& registry, RecordForm from, RecordForm to,
                           std::vector<std::pair<int, int>>* changed = nullptr);

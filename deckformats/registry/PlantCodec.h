#pragma once
// The 792-byte file form of a plant: little-endian, packed, character fields as raw
// Windows-1252 bytes.

#include "registry/TUsinaHd.h"

#include <QByteArray>
#include <cstddef>

constexpr int RecordSize = 792;

// Writes the plant's 792 bytes to out.
void encodePlant(const TUsinaHd& plant, char* out);
QByteArray encodePlant(const TUsinaHd& plant);

// Reads a record from the first `size` bytes of data. A record cut short (size < 792)
// fills only the fields whose bytes exist: character fields byte by byte, numbers
// four bytes at a time; the rest of the plant is left as it was.
void decodePlant(const char* data, std::size_t size, TUsinaHd& plant);

// Offset and size of a field by its name, from the same walk as the codec; -1 when unknown.
struct FieldSpan {
    int offset = -1;
    int size = 0;
};
FieldSpan plantFieldSpan(const char* name);

#pragma once
// One-sheet Excel workbooks (.xlsx): a header row of texts, then rows of numbers and texts.
// Numbers are written as numbers, in the shortest text that reads back to the same double and
// with no locale; the header row stays frozen while scrolling. QtCore only: the converter's
// command line writes workbooks too and loads no Widgets.

#include "files/SafeWrite.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace Workbook {

// An empty cell (the CSV's empty field), a number or a text.
using Cell = std::variant<std::monostate, double, QString>;
using Row = QList<Cell>;

struct Sheet {
    QString name; // the sheet's tab; empty: the library's default
    QStringList header;
    QList<Row> rows;
};

// A 32-bit float as the number a reader expects: its shortest decimal text read as a double
// (0.1f gives 0.1, not 0.100000001490116).
double fromFloat(float value);

// True when path ends in ".xlsx", in any letter case.
bool isWorkbookName(const QString& path);

// The workbook's bytes; empty, with the reason in error, when it could not be made.
QByteArray build(const Sheet& sheet, QString* error = nullptr);

// Builds the workbook and writes it whole through the atomic write: nullopt once committed,
// else why not (an existing file then stays as it was, and nothing is left beside it).
std::optional<WriteFailure> write(const QString& path, const Sheet& sheet);

} // namespace Workbook

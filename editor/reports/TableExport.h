#pragma once
// A result table (the check's, the comparison's, the deck check's) saved as the user chooses:
// a CSV in the export's conventions (semicolons, Windows-1252, CR LF) or an Excel workbook.

#include "language/LanguageTexts.h"
#include "workbook/Workbook.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class Dialogs;

namespace TableExport {

struct Table {
    QStringList headers;
    QList<QStringList> rows; // the first cell a plant's code (or empty)
};

// The header line and one line per row; a field holding ';', '"' or a line end is quoted.
QByteArray csv(const Table& table);
// The same as one sheet: a code as a number, every other cell as its text.
Workbook::Sheet sheet(const Table& table);

// The save dialog (CSV or workbook, the chosen type or the name's ".xlsx" deciding), the
// refusal of an output that may not be written, the write and its outcome in a box. true when
// the file was written.
struct Request {
    QString startDir;
    Language language = Language::Portuguese;
    std::function<QString(const QString& output)> refusal; // empty when output may be written
};
bool save(Dialogs& dialogs, const Table& table, const Request& request);

} // namespace TableExport

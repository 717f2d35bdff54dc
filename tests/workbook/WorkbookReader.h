#pragma once
// Reads a written workbook back as a spreadsheet program would, without the library that
// wrote it: the zip's central directory, each part inflated, then the sheet's cells.

#include <QByteArray>
#include <QMap>
#include <QString>

struct WorkbookCells {
    bool valid = false;
    // By reference ("B2"): "n:" and the number's text as stored, or "s:" and the text.
    QMap<QString, QString> cells;
    bool headerFrozen = false; // a frozen pane below the first row
    QString cell(const QString& ref) const { return cells.value(ref); }
};

// Every part of a zip by name; empty when the zip cannot be read.
QMap<QString, QByteArray> zipParts(const QByteArray& zip);
WorkbookCells readWorkbook(const QByteArray& xlsx);
WorkbookCells readWorkbookFile(const QString& path);

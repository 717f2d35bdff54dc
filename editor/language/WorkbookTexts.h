#pragma once
// The texts of the Excel workbook outputs: the export's file type, the result windows' Export
// button and dialog, and what a command says once a workbook is written.

#include "language/LanguageTexts.h"

#include <QString>

enum class WorkbookText {
    Written,      // a workbook was written (the CSV's "Arquivo CSV gerado com sucesso !")
    FileType,     // the save dialog's type of a workbook
    CsvFileType,  // the save dialog's type of a result window's CSV
    ExportButton, // the result windows' button
    ExportTitle,  // and its save dialog's title
};
QString workbookText(WorkbookText text, Language language);

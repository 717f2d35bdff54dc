#pragma once
// The report commands of the main window, apart from the window: the export with its save
// dialog, and the three prints with the print dialog, the hourglass and the orientation.
// One long-lived printer keeps the user's choices (and orientation) from one print to the
// next.

#include "language/LanguageTexts.h"
#include "registry/LookupLists.h"
#include "reports/CsvExport.h"
#include "reports/PrintJobs.h"

#include <QImage>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class Dialogs;
class QPrinter;

// File > Export: the save dialog (proposing "CadUsH.csv" in startDir, offering the CSV and an
// Excel workbook), the ".csv" (or ".xlsx") rule with its replace question, the export, and its
// outcome in a box.
struct ExportRequest {
    QString startDir;
    QString registryFile;
    QStringList entries;    // the plant list, "code - name"
    QStringList plantNames; // the name table
    LookupLists lists;
    QLocale locale;
    RecordForm form = RecordForm::BySize; // of the registry's records
    QString successText;                  // shown once the file is written
    // Of the workbook's type in the save dialog and of its message once written.
    Language language = Language::Portuguese;
    // Why an output may not be written (it is a registry in use, or no regular file); empty
    // when it may.
    std::function<QString(const QString& output)> refusal;
};
// true when the file was written.
bool runExportCommand(Dialogs& dialogs, const ExportRequest& request);

class ReportPrinter {
public:
    ReportPrinter();
    ~ReportPrinter();

    QPrinter& printer() { return *m_printer; }
    // Why a PDF file chosen in the print dialog may not be written; empty when it may.
    std::function<QString(const QString& output)> refusal;

    // Each command asks the print dialog first; cancelling changes nothing. Errors go to
    // the general error display. Answer: true when pages went to the printer.
    bool printSheet(Dialogs& dialogs, const std::function<SheetTexts()>& texts);
    bool printAllPlants(Dialogs& dialogs, const QString& registryFile, AllPlantsJob job);
    bool printScreen(Dialogs& dialogs, const std::function<QImage()>& grab,
                     const std::function<QString()>& footer);

private:
    std::unique_ptr<QPrinter> m_printer;
};

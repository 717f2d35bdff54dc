#pragma once
// The registry as one semicolon-separated text: a fixed header and one line per plant in
// use, every field spelled out. Bytes are Windows-1252, lines end in CR LF.

#include "registry/LookupLists.h"
#include "registry/PlantCodec.h"
#include "registry/TUsinaHd.h"
#include "workbook/Workbook.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>

class Dialogs;

namespace CsvExport {

// The header line, CR LF included (180 columns, each followed by ';').
QByteArray headerLine();

// One plant's line, CR LF included. plantNames is the name table of the registry
// (entry 0 "NÃO HÁ"), used for the downstream and diversion plants.
QByteArray plantLine(int code, const TUsinaHd& plant, const QStringList& plantNames,
                     const LookupLists& lists, const QLocale& locale);

// The whole export of a registry's bytes: the header, then every record from code 1 up to
// the highest code of the plant list (entries "code - name") whose name is not blank.
// With no entry the header stands alone. Both record forms give the same texts.
QByteArray buildCsv(const QByteArray& registry, const QStringList& entries,
                    const QStringList& plantNames, const LookupLists& lists, const QLocale& locale,
                    RecordForm form = RecordForm::BySize);

// The same records as one sheet: the CSV's header and columns, a number column as numbers
// (every value as stored, not rounded to the CSV's decimals), a text or coded column as texts.
Workbook::Sheet buildSheet(const QByteArray& registry, const QStringList& entries,
                           const QStringList& plantNames, const LookupLists& lists,
                           RecordForm form = RecordForm::BySize);

// The name written for a name chosen in the save dialog: ".csv" is appended unless the
// name ends in exactly "csv" (letter case counts).
QString targetName(const QString& chosen);

// "O Arquivo <name> já existe. Deseja substituí-lo ?"
QString replaceQuestion(const QString& name);

// Whether the export may write target, the name chosen in the save dialog as the name rule made
// it: refusal's text (empty: none) is warned and false answered; a target other than chosen
// that exists is asked about with replaceQuestion, as the dialog asked only about chosen.
bool mayWriteTarget(const QString& chosen, const QString& target,
                    const std::function<QString(const QString& output)>& refusal,
                    Dialogs& dialogs);

// Reads the registry once and writes its export to target through QSaveFile, so a failure
// leaves target as it was. An unreadable registry shows the registry's read message once;
// a failed write shows the error. true when the file was written. With no entries and
// plant names given, they are taken from the registry's bytes.
struct Source {
    QString registryFile;
    const QStringList* entries = nullptr;
    const QStringList* plantNames = nullptr;
    const LookupLists* lists = nullptr;
    QLocale locale;
    RecordForm form = RecordForm::BySize;
    bool workbook = false; // an Excel workbook (buildSheet) instead of the CSV
};
bool exportToFile(const Source& source, const QString& target, Dialogs& dialogs);

} // namespace CsvExport

// The message shown when an output file cannot be written.
QString cannotWriteText(const QString& path, const QString& reason);

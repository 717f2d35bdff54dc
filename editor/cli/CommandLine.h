#pragma once
// The editor from a script: the reports --export-csv, --print-pdf, --curves and --summary, the
// registry check and comparison --check and --diff, --help and --version. Every mode takes
// --config FILE and --lang pt|en; one parser reads them all (cli/CurveCommands and
// cli/QualityCommands run their modes).

#include "language/LanguageTexts.h"
#include "registry/PlantCodec.h"

#include <QString>
#include <QStringList>
#include <optional>

class Dialogs;
struct LookupLists;

enum class CliMode {
    None,
    ExportCsv,
    PrintPdf,
    Check,
    Diff,
    Curves,
    Summary,
    Help,
    Version,
    Convert,
    ExportXlsx,
};

struct CliArguments {
    CliMode mode = CliMode::None;
    QStringList names;                        // the file names (and the plant code) in order
    QString config;                           // --config; empty: the first config.ini found
    Language language = Language::Portuguese; // --lang; as the window starts
    bool json = false;   // --format json: --check and --diff write one JSON object
    QStringList ignored; // --ignore: the CSV labels --diff leaves out
    // --form: the record form of every registry read (of the output for --convert).
    RecordForm form = RecordForm::BySize;
    bool hasPages = false;
    int fromPage = 0;
    int toPage = 0;
};

// Runs the command line when an argument asks for it: a mode's option, --config, --lang,
// --pages, or any other argument beginning with "-" that is no option Qt takes for the window
// (a usage error, exit status 2 when no mode is given). nullopt leaves the arguments to the
// window. Creates its own application object, QtCore alone, for every mode but the two that
// draw: --print-pdf and --curves are understood here and handed to drawing, which answers their
// exit status.
using DrawingCommand = int (*)(int* argc, char** argv, const CliArguments* parsed);
std::optional<int> runCommandLine(int argc, char** argv, DrawingCommand drawing);

// The usage text in the language given.
QString usageText(Language language);

// The lookup lists of --config, or of the first config.ini found (a warning told when none is).
LookupLists readLists(const CliArguments& args, Dialogs& dialogs);

// A --config file that cannot be read is said, and the mode's failure status answered; the
// built-in lists would silently stand for it.
std::optional<int> refusedConfig(const CliArguments& args);

// The arguments the window reads after the application object took Qt's own options out:
// a leading "--" and any Qt option Qt left (with its value) are dropped.
QStringList windowArguments(const QStringList& args);

// The message for the first argument whose bytes the system's encoding cannot hold as a file
// name (it would name another file once decoded); empty when every argument can be used.
QString unusableArgument(int argc, char** argv, Language language);

// A report written over its registry would lose it; a FIFO or a device is no report file. The
// warning is told, and true answered, when output is either.
bool refusedReportOutput(const QString& registry, const QString& output, Dialogs& dialogs,
                         Language language);

// Every command that reads a registry calls this once for it: a size that is no whole number of
// records of its form is noted on stderr (the command goes on, and the trailing bytes stay as
// they are), and so is a size that fits both forms when no form was named.
void noteIncompleteRecord(const QString& registry, Language language,
                          RecordForm form = RecordForm::BySize);

// The start every report of a registry shares (names: the registry, then the output): false,
// the refusal told, when the output may not be written; else the registry's size noted as
// noteIncompleteRecord does, and true.
bool reportMayStart(const CliArguments& args, Dialogs& dialogs);

// "792" or "832" as a form; nullopt for anything else.
std::optional<RecordForm> recordFormOption(const QString& value);

// The window's "--form 792|832" (or "--form=..."), taken out of its arguments; BySize when
// not given.
RecordForm takeWindowForm(QStringList& args);

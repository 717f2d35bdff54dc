#pragma once
// The reports from a script: --export-csv, --print-pdf, --config, --help, --version; and the
// registry check and comparison, --check and --diff (cli/QualityCommands).

#include "language/LanguageTexts.h"

#include <QString>
#include <optional>

class Dialogs;

// Runs the command-line modes when the first argument is one of their options (matched
// exactly) and answers the exit status; nullopt for any other first argument, which then
// names the registry of the window. Creates its own application object, the least each mode
// needs: QtCore alone for the CSV, the check, the comparison, help and version; Qt Gui for the
// sheets, on Qt's offscreen platform unless QT_QPA_PLATFORM names another.
std::optional<int> runCommandLine(int argc, char** argv);

// The message for the first argument whose bytes the system's encoding cannot hold as a file
// name (it would name another file once decoded); empty when every argument can be used.
QString unusableArgument(int argc, char** argv);

// A report written over its registry would lose it; a FIFO or a device is no report file. The
// warning is told, and true answered, when output is either.
bool refusedReportOutput(const QString& registry, const QString& output, Dialogs& dialogs);

// Every command that reads a registry calls this once for it: a size that is no whole number of
// records is noted on stderr (the command goes on, and the trailing bytes stay as they are).
void noteIncompleteRecord(const QString& registry, Language language);

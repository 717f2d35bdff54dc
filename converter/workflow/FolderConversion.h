#pragma once
// A folder's POSTOS, VAZOES and MLT converted at once into another folder, each under its own
// name. Every input is read and converted before any output is written, so a bad file leaves
// the output folder as it was.

#include "workflow/Conversions.h"
#include "workflow/Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace Torvane {

// The language of the folder command's own texts (the conversions' messages are the window's,
// in Portuguese).
enum class Language { Portuguese, English };

// The kind a file name stands for: POSTOS, VAZOES or MLT, bare or with .DAT or .TXT, in any
// letter case; nullopt for any other name.
std::optional<FileKind> folderFileKind(const QString& name);

struct FolderFile {
    FileKind kind;
    QString name; // as the folder spells it
};

struct FolderMatch {
    QList<FolderFile> files; // POSTOS, VAZOES, MLT, those found
    QStringList ambiguous;   // the names of the first kind matched by more than one, else empty
};

// The files of each kind among names (a folder's entries).
FolderMatch matchFolderFiles(const QStringList& names);

struct FolderJob {
    QString inDir;
    QString outDir;
    Direction direction = Direction::TextToBin;
    int numPostos = 600;
    bool force = false; // an existing output is replaced only then
    Language language = Language::Portuguese;
};

enum class FolderOutcome {
    Converted,
    NothingFound, // no POSTOS, VAZOES or MLT in the input folder
    Ambiguous,    // two names of one kind
    Failed,       // a refusal, a bad input or a failed write; the messages said which
};

struct FolderResult {
    FolderOutcome outcome = FolderOutcome::Failed;
    QStringList lines;   // one per file converted, on success
    QStringList written; // the outputs in place, even when a later write failed
};

// Messages go through dialogs (warnings and errors); nothing is asked.
FolderResult convertFolder(Dialogs& dialogs, const FolderJob& job);

} // namespace Torvane

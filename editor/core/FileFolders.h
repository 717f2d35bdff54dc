#pragma once
// The folder each kind of file was last chosen in, so that the next dialog for that kind
// opens there. Widget-free: the core's dialogs ask it through the seam; the window keeps it
// in the editor's settings.

#include <QString>

enum class FileKind {
    Registry,    // registries read: File > Load, Tools > Compare with...
    Destination, // registries written: the destination of the changes, Convert Record Form
    Export,      // File > Export and the other tables written
    CurvesImage, // the curves' page saved as PDF, PNG or SVG
    DeckFolder,  // Tools > Check Deck...
};

class FileFolders {
public:
    virtual ~FileFolders() = default;
    // Empty when none is known.
    virtual QString lastFolder(FileKind kind) const = 0;
    virtual void setLastFolder(FileKind kind, const QString& folder) = 0;
};

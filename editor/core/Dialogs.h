#pragma once
// The one seam through which the editor talks to the user in modal boxes and dialogs. It
// names no widget, so every layer may call it. The window passes QtDialogs (window/), the
// command line StderrDialogs (cli/), the tests a scripted double.

#include "core/FileFolders.h"

#include <QString>
#include <optional>

class QPrinter;

enum class MessageKind {
    Plain,       // no icon, one OK button
    Warning,     // warning icon, OK
    Error,       // the general error display (critical icon), OK
    Information, // information icon, OK
};

// What the print dialog offers (PrintDialog1's options).
struct PrintRequest {
    bool warnWithoutPrinter = true; // the only option of the single-sheet and screen prints
    bool allowPageRange = false;    // the all-plants print's only option
    int minPage = 1;
    int maxPage = 1;
    bool allowPrintToFile = true; // printing to a PDF file is offered as well
};

// What to do with an edit not yet saved when the user leaves it: save it first, throw it
// away, or stay in it.
enum class LeaveChoice { Save, Discard, Stay };

// The question asked then, its answers' button texts in the interface's language.
struct LeaveQuestion {
    QString text;
    QString save, discard, stay;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal box with a single OK button.
    virtual void message(MessageKind kind, const QString& text) = 0;
    // A confirmation box with Yes and No; true for Yes.
    virtual bool confirm(const QString& text) = 0;
    // Full path of the chosen file, or empty when cancelled.
    virtual QString openFile(const QString& title, const QString& filter, const QString& dir) = 0;
    // Full path of the chosen file, or empty when cancelled. confirmOverwrite asks the
    // platform's own question before an existing file is chosen.
    virtual QString saveFile(const QString& title, const QString& filter, const QString& dir,
                             const QString& proposedName, bool confirmOverwrite) = 0;
    // As saveFile, and which of the filter's types ("PNG (*.png)") was chosen in chosenType;
    // empty when the dialog cannot tell.
    virtual QString saveFileOfType(const QString& title, const QString& filter,
                                   const QString& dir, const QString& proposedName,
                                   bool confirmOverwrite, QString& chosenType) {
        chosenType.clear();
        return saveFile(title, filter, dir, proposedName, confirmOverwrite);
    }
    // A one-line input; nullopt when cancelled.
    virtual std::optional<QString> inputText(const QString& title, const QString& prompt,
                                             const QString& initial) = 0;
    // The print dialog; false when cancelled. On true the printer holds the user's choices
    // (and, with a page range, fromPage()/toPage()).
    virtual bool choosePrinter(QPrinter& printer, const PrintRequest& request) = 0;
    // Full path of the chosen folder, or empty when cancelled (as a seam with no dialogs does).
    virtual QString chooseFolder(const QString& /*title*/, const QString& /*dir*/) { return {}; }
    // Save, discard or go on editing. A seam with no dialogs never has an edit open: it stays,
    // so that nothing typed is thrown away unasked.
    virtual LeaveChoice askLeave(const LeaveQuestion& /*question*/) { return LeaveChoice::Stay; }

    // The dialogs above for one kind of file: each opens in the folder last used for its
    // kind (dir while none is known, or when that folder is gone) and keeps the folder of
    // what was chosen. Without folders they are the dialogs above.
    void setFileFolders(FileFolders* folders) { m_folders = folders; }
    FileFolders* fileFolders() const { return m_folders; }
    QString openFileFor(FileKind kind, const QString& title, const QString& filter,
                        const QString& dir);
    QString saveFileFor(FileKind kind, const QString& title, const QString& filter,
                        const QString& dir, const QString& proposedName, bool confirmOverwrite);
    QString saveFileOfTypeFor(FileKind kind, const QString& title, const QString& filter,
                              const QString& dir, const QString& proposedName,
                              bool confirmOverwrite, QString& chosenType);
    QString chooseFolderFor(FileKind kind, const QString& title, const QString& dir);

private:
    QString startFolder(FileKind kind, const QString& dir) const;
    QString chosen(FileKind kind, const QString& path, bool isFolder);

    FileFolders* m_folders = nullptr;
};

// A seam that opens no dialog: every question is answered as a cancel. The command line and
// the registry check show or keep the messages their own way.
class NoDialogs : public Dialogs {
public:
    bool confirm(const QString&) override { return false; }
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&, const QString&,
                     bool) override {
        return {};
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    bool choosePrinter(QPrinter&, const PrintRequest&) override { return false; }
};

// The editor's name: the caption of every box and the window's design title.
inline const QString ApplicationName = QStringLiteral("Hydro Plant\u00B4s Cadastre Editor");
// The short name, the title of the window from a load on.
inline const QString ShortName = QStringLiteral("Velarin");
inline const QString ApplicationVersion = QStringLiteral("4.0");

// The caption of every box: the application's name as set, else ApplicationName.
QString applicationCaption();

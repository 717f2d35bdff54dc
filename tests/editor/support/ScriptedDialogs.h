#pragma once
// The scripted double of the editor's dialog seam: every box is recorded (kind and exact
// text, in order) and every question is answered from a queue; an empty queue answers
// "cancel" (No, no file, no text, no printer, go on editing).

#include "core/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class ScriptedDialogs : public Dialogs {
public:
    enum class Kind {
        Plain,
        Warning,
        Error,
        Information,
        Confirm,
        OpenFile,
        SaveFile,
        InputText,
        ChoosePrinter,
        ChooseFolder,
        Leave
    };

    struct Box {
        Kind kind;
        QString text;  // the message, or the dialog's title
        QString extra; // the filter of a file dialog, the prompt of an input
    };

    // Answers, consumed in order.
    QQueue<bool> confirmAnswers;
    QQueue<QString> openFileAnswers;
    QQueue<QString> folderAnswers;
    QQueue<QString> saveFileAnswers;
    // The type chosen with a save dialog's file, for those that ask (empty when none queued).
    QQueue<QString> saveTypeAnswers;
    QQueue<std::optional<QString>> inputAnswers;
    QQueue<LeaveChoice> leaveAnswers;
    // A print dialog's answer: true for OK, after setting up the printer as the user would.
    using PrinterAnswer = std::function<bool(QPrinter&, const PrintRequest&)>;
    QQueue<PrinterAnswer> printerAnswers;
    // OK, printing to a PDF file: all pages, or pages from..to when from > 0.
    static PrinterAnswer printToPdf(const QString& file, int from = 0, int to = 0);

    // What each save dialog was given, in order (its title and filter are in boxes too).
    struct SaveRequest {
        QString filter, dir, proposedName;
        bool confirmOverwrite = false;
    };

    QList<Box> boxes;
    QList<SaveRequest> saveRequests;
    // The folder every file dialog (open, save, folder) opened in, in order.
    QStringList dirs;
    QList<PrintRequest> printRequests;

    // The recorded message boxes (not dialogs), as "kind: text" lines.
    QStringList messageLines() const;
    // Texts of the recorded boxes of one kind.
    QStringList texts(Kind kind) const;
    int count(Kind kind) const { return int(texts(kind).size()); }
    void clear() {
        boxes.clear();
        saveRequests.clear();
        printRequests.clear();
        dirs.clear();
    }

    void message(MessageKind kind, const QString& text) override;
    bool confirm(const QString& text) override;
    QString openFile(const QString& title, const QString& filter, const QString& dir) override;
    QString chooseFolder(const QString& title, const QString& dir) override;
    QString saveFile(const QString& title, const QString& filter, const QString& dir,
                     const QString& proposedName, bool confirmOverwrite) override;
    QString saveFileOfType(const QString& title, const QString& filter, const QString& dir,
                           const QString& proposedName, bool confirmOverwrite,
                           QString& chosenType) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& initial) override;
    bool choosePrinter(QPrinter& printer, const PrintRequest& request) override;
    // Recorded with its buttons' texts, "|"-separated, as the extra.
    LeaveChoice askLeave(const LeaveQuestion& question) override;

    static QString kindName(Kind kind);
};

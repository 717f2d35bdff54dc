#pragma once
// The scripted double of the editor's dialog seam: every box is recorded (kind and exact
// text, in order) and every question is answered from a queue; an empty queue answers
// "cancel" (No, no file, no text, no printer).

#include "core/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
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
        ChoosePrinter
    };

    struct Box {
        Kind kind;
        QString text;  // the message, or the dialog's title
        QString extra; // the filter of a file dialog, the prompt of an input
    };

    // Answers, consumed in order.
    QQueue<bool> confirmAnswers;
    QQueue<QString> openFileAnswers;
    QQueue<QString> saveFileAnswers;
    QQueue<std::optional<QString>> inputAnswers;
    // A printer choice accepted; the function may set up the printer (e.g. a PDF file).
    struct PrinterAnswer {
        bool accept = false;
        QString pdfFile; // when not empty, the printer prints to this PDF file
        int fromPage = 0;
        int toPage = 0;
    };
    QQueue<PrinterAnswer> printerAnswers;

    QList<Box> boxes;
    PrintRequest lastPrintRequest;
    QString lastSaveProposedName;
    bool lastSaveConfirmOverwrite = false;

    // The recorded message boxes (not dialogs), as "kind: text" lines.
    QStringList messageLines() const;
    // Texts of the recorded boxes of one kind.
    QStringList texts(Kind kind) const;
    int count(Kind kind) const { return int(texts(kind).size()); }
    void clear() { boxes.clear(); }

    void message(MessageKind kind, const QString& text) override;
    bool confirm(const QString& text) override;
    QString openFile(const QString& title, const QString& filter, const QString& dir) override;
    QString saveFile(const QString& title, const QString& filter, const QString& dir,
                     const QString& proposedName, bool confirmOverwrite) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& initial) override;
    bool choosePrinter(QPrinter& printer, const PrintRequest& request) override;

    static QString kindName(Kind kind);
};

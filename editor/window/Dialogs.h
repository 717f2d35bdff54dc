#pragma once
// The one seam through which the editor talks to the user in modal boxes and
// dialogs. The program passes QtDialogs; tests pass a scripted double; the
// command-line modes pass one that writes to stderr.

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

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
    // A one-line input; nullopt when cancelled.
    virtual std::optional<QString> inputText(const QString& title, const QString& prompt,
                                             const QString& initial) = 0;
    // The print dialog; false when cancelled. On true the printer holds the user's choices
    // (and, with a page range, fromPage()/toPage()).
    virtual bool choosePrinter(QPrinter& printer, const PrintRequest& request) = 0;
};

// The real boxes and dialogs, captioned with the application title.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void message(MessageKind kind, const QString& text) override;
    bool confirm(const QString& text) override;
    QString openFile(const QString& title, const QString& filter, const QString& dir) override;
    QString saveFile(const QString& title, const QString& filter, const QString& dir,
                     const QString& proposedName, bool confirmOverwrite) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& initial) override;
    bool choosePrinter(QPrinter& printer, const PrintRequest& request) override;

private:
    QWidget* m_parent;
};

// For the command-line modes: every box becomes a line on stderr, no question is ever
// answered Yes, and no dialog opens.
class StderrDialogs : public Dialogs {
public:
    void message(MessageKind kind, const QString& text) override;
    bool confirm(const QString& text) override;
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

// The caption of every box: the application title.
QString applicationCaption();

#pragma once
// The dialog seam for tests: every box and dialog is recorded in order, and answers come
// from queues (an empty queue cancels, or answers No).

#include "workflow/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

struct DialogEvent {
    QString kind; // "warning", "error", "information", "confirm", "open", "save", "document"
    QString text; // the box's text, or the dialog's title
    QString filter;
    QString folder; // where a file dialog opened
};

class ScriptedDialogs : public Torvane::Dialogs {
public:
    QQueue<QString> fileAnswers;
    QQueue<bool> confirmAnswers;
    QQueue<bool> openDocumentAnswers;
    QList<DialogEvent> events;

    void message(Torvane::BoxKind kind, const QString& text) override {
        const char* name = kind == Torvane::BoxKind::Warning ? "warning"
                           : kind == Torvane::BoxKind::Error ? "error"
                                                             : "information";
        events.append({QString::fromLatin1(name), text, {}, {}});
    }
    bool confirm(const QString& text) override {
        events.append({QStringLiteral("confirm"), text, {}, {}});
        return !confirmAnswers.isEmpty() && confirmAnswers.dequeue();
    }
    QString openFile(const QString& title, const QString& filter, const QString& folder) override {
        events.append({QStringLiteral("open"), title, filter, folder});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }
    QString saveFile(const QString& title, const QString& filter, const QString& folder) override {
        events.append({QStringLiteral("save"), title, filter, folder});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }

    bool openDocument(const QString& path) override {
        events.append({QStringLiteral("document"), path, {}, {}});
        return !openDocumentAnswers.isEmpty() && openDocumentAnswers.dequeue();
    }

    // "kind: text" per event, for one comparison that shows the whole sequence.
    QStringList log() const {
        QStringList lines;
        for (const DialogEvent& e : events)
            lines << e.kind + QStringLiteral(": ") + e.text;
        return lines;
    }
    // The boxes only (no file dialogs).
    QStringList boxes() const {
        QStringList lines;
        for (const DialogEvent& e : events)
            if (e.kind != QLatin1String("open") && e.kind != QLatin1String("save") &&
                e.kind != QLatin1String("document"))
                lines << e.kind + QStringLiteral(": ") + e.text;
        return lines;
    }
};

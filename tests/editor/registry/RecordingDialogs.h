#pragma once
// A Dialogs double for the registry core's tests: it records every message box (kind and
// text, in order) and opens no dialog.

#include "core/Dialogs.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class RecordingDialogs : public Dialogs {
public:
    QList<QPair<MessageKind, QString>> messages;

    QStringList texts() const {
        QStringList out;
        for (const auto& m : messages)
            out.append(m.second);
        return out;
    }

    void message(MessageKind kind, const QString& text) override { messages.append({kind, text}); }
    bool confirm(const QString& text) override {
        messages.append({MessageKind::Plain, text});
        return false;
    }
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

#pragma once
// The dialog seam of the command line: every box becomes a line on stderr, no question is
// ever answered Yes, and no dialog opens.

#include "core/Dialogs.h"

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

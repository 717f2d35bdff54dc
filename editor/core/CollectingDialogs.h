#pragma once
// A dialog seam that shows nothing: it keeps every message box, kind and text in order, and
// answers every question as a cancel. The core runs the editor's own rules through it where
// their boxes are wanted as values (the registry check runs Save's validation on each plant).

#include "core/Dialogs.h"

#include <QList>
#include <QString>

class CollectingDialogs : public Dialogs {
public:
    struct Box {
        MessageKind kind;
        QString text;
    };

    const QList<Box>& boxes() const { return m_boxes; }
    void clear() { m_boxes.clear(); }

    void message(MessageKind kind, const QString& text) override { m_boxes.append({kind, text}); }
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

private:
    QList<Box> m_boxes;
};

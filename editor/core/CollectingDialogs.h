#pragma once
// A dialog seam that shows nothing: it keeps every message box, kind and text in order, and
// answers every question as a cancel. The core runs the editor's own rules through it where
// their boxes are wanted as values (the registry check runs Save's validation on each plant).

#include "core/Dialogs.h"

#include <QList>
#include <QString>

class CollectingDialogs : public NoDialogs {
public:
    struct Box {
        MessageKind kind;
        QString text;
    };

    const QList<Box>& boxes() const { return m_boxes; }
    void clear() { m_boxes.clear(); }

    void message(MessageKind kind, const QString& text) override { m_boxes.append({kind, text}); }

private:
    QList<Box> m_boxes;
};

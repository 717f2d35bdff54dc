#pragma once
// The real boxes and file dialogs behind the converter's dialog seam.

#include "workflow/Dialogs.h"

class QWidget;

namespace Torvane {

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void message(BoxKind kind, const QString& text) override;
    bool confirm(const QString& text) override;
    QString openFile(const QString& title, const QString& filter, const QString& folder) override;
    QString saveFile(const QString& title, const QString& filter, const QString& folder) override;
    bool openDocument(const QString& path) override;

private:
    QWidget* m_parent;
};

} // namespace Torvane

#pragma once
// The window's dialogs, each file dialog opened in the folder last used: one for the files
// read, one for those saved. The window keeps both between runs.

#include "workflow/Dialogs.h"

#include <QFileInfo>

namespace Torvane {

class FolderDialogs : public Dialogs {
public:
    explicit FolderDialogs(Dialogs& inner) : m_inner(inner) {}

    QString openFolder;
    QString saveFolder;

    void message(BoxKind kind, const QString& text) override { m_inner.message(kind, text); }
    bool confirm(const QString& text) override { return m_inner.confirm(text); }
    QString openFile(const QString& title, const QString& filter, const QString& folder) override {
        return remembered(openFolder, m_inner.openFile(title, filter, pick(folder, openFolder)));
    }
    QString saveFile(const QString& title, const QString& filter, const QString& folder) override {
        return remembered(saveFolder, m_inner.saveFile(title, filter, pick(folder, saveFolder)));
    }
    bool openDocument(const QString& path) override { return m_inner.openDocument(path); }

private:
    static QString pick(const QString& asked, const QString& last) {
        return asked.isEmpty() ? last : asked;
    }
    static QString remembered(QString& last, const QString& chosen) {
        if (!chosen.isEmpty())
            last = QFileInfo(chosen).absolutePath();
        return chosen;
    }

    Dialogs& m_inner;
};

} // namespace Torvane

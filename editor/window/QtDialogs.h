#pragma once
// The dialog seam on real boxes and dialogs, captioned with the application title.

#include "core/Dialogs.h"

class QWidget;

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

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
    LeaveChoice askLeave(const LeaveQuestion& question) override;

private:
    QWidget* m_parent;
};

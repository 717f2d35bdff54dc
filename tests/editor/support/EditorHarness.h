#pragma once
// A main window started as a user starts it, for GUI tests: its own temporary folder as the
// current directory (StartDir) and as the folder of config.ini, the scripted dialogs, and the
// first activation run. The editor's settings live in a folder of the harness's own, never in
// the user's.

#include "ScriptedDialogs.h"
#include "window/TFRMeditor.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class QLineEdit;
class QTableWidget;

// The window's display boxes of the plant's fields, in the record's order, and its five grids.
QList<QLineEdit*> plantBoxes(const TFRMeditor& window);
QList<QTableWidget*> grids(const TFRMeditor& window);
// A grid cell's text (empty for a cell never set), and a cell set as the user types it.
QString cellText(const QTableWidget* grid, int row, int column);
void setCell(QTableWidget* grid, int row, int column, const QString& text);

class EditorHarness {
public:
    // Makes the folder and enters it; writes config.ini there unless told not to.
    explicit EditorHarness(bool withConfig = true);
    ~EditorHarness();

    QString path(const QString& fileName) const;
    QString writeFile(const QString& fileName, const QByteArray& bytes) const;
    // The default config.ini: the lists the program has built in.
    static QByteArray defaultConfig();

    // Creates the window (reads config.ini), sets its locale, shows it and waits for the
    // first activation. Answers for the open dialog go into dialogs.openFileAnswers first.
    TFRMeditor& start(const QStringList& arguments = {}, const QLocale& locale = QLocale::c());
    // Creates the window only (no show, no activation).
    TFRMeditor& create(const QStringList& arguments = {});
    // Destroys the window (runs its destruction).
    void destroy();

    TFRMeditor& window() { return *m_window; }
    // The folder the editor's settings file is kept in (velarin/velarin.conf under it).
    QString settingsPath() const { return m_settingsDir.path(); }
    ScriptedDialogs dialogs;

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_settingsDir;
    QString m_previousDir;
    std::unique_ptr<TFRMeditor> m_window;
};

#pragma once
// The Tools menu of the main window: Check Registry and Compare with..., each opening a
// window of its own (not modal) with the findings of the registry check or comparison, Plant
// Curves, and Check Deck (the registry against the rest of its planning deck). The menu is on while a registry is loaded; while an
// edit is under way the curves follow it, and the other commands ask first whether to save it.

#include "language/LanguageTexts.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class Dialogs;
class EditorDocument;
class QAction;
class QMenu;
class CurvesWindow;
class ResultWindow;
class TFRMeditor;
class QLabel;

class QualityTools : public QObject {
    Q_OBJECT

public:
    // showPlant shows the plant list's entry of that index in the main window.
    QualityTools(TFRMeditor& window, Dialogs& dialogs, std::function<void(int)> showPlant);
    ~QualityTools() override;

    // The menu's state after every command of the main window.
    void updateMenu();
    // Open result windows follow the interface language.
    void languageChanged();

private:
    void check();
    void compareWith();
    void curves();
    void checkDeck();
    void convertForm();
    void refreshCheck();
    void refreshDeck();
    void refreshComparison();
    void exportTable(const ResultWindow& window);
    void present(std::unique_ptr<ResultWindow>& window, const QString& name,
                 void (QualityTools::*refresh)());
    void showPlant(int code);
    Language language() const;
    // The registry in use as the user knows it: for the scratch copy, the destination it copies.
    QString shownRegistry() const;
    // The file's bytes; false, with the failure told and its text in `failure`, when unreadable.
    bool read(const QString& path, QByteArray& bytes, QString& failure);

    TFRMeditor& m_window;
    EditorDocument& m_doc;
    Dialogs& m_dialogs;
    std::function<void(int)> m_showPlant;
    QMenu* m_menu;
    QAction* m_check;
    QAction* m_compare;
    QAction* m_curves;
    QAction* m_checkDeck;
    QAction* m_convert;
    QLabel* m_formLabel; // the record form of the registry in use, beside the menus
    QString m_deckDir; // the folder of the deck last checked
    QString m_other; // the registry the last comparison read as the new one
    std::unique_ptr<ResultWindow> m_checkWindow;
    std::unique_ptr<ResultWindow> m_compareWindow;
    std::unique_ptr<ResultWindow> m_deckWindow;
    std::unique_ptr<CurvesWindow> m_curvesWindow;
};

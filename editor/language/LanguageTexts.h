#pragma once
// The interface texts of both languages, as tables keyed by control name (objectName),
// and the one routine that applies a language to the main window from them.

#include <QString>
#include <QStringList>

#include <span>

class QWidget;

// The values of Lingua.
enum class Language : int { Portuguese = 1, English = 2 };

// One text of a control in both languages.
struct LanguageText {
    const char* control;
    const char* portuguese;
    const char* english;

    QString in(Language language) const;
};

// The window's base titles (the registry path follows while one is loaded).
QString languageTitle(Language language);

// Captions of the menus and menu items (QAction or QMenu of that name).
std::span<const LanguageText> menuCaptions();
// Captions of labels and group boxes.
std::span<const LanguageText> controlCaptions();
// Tool tips, one row per control: the label's and its box's hints are separate rows.
std::span<const LanguageText> controlHints();

// The registry open dialog. The filter is in the file dialog's own form; it keeps the
// designed description and matches every file (a "*.*" pattern would hide names without a dot).
struct OpenDialogCaptions {
    QString title;
    QString filter;
};
OpenDialogCaptions openDialogTexts(Language language);

// What applyLanguage changes besides the window's controls.
struct LanguageTargets {
    int& Lingua;
    OpenDialogCaptions& openDialog;
};

// Applies a language, in this order: Lingua; the window title (the language's title, then
// " - " and the path while a registry is loaded); the check marks of the language items
// (Español and Français stay greyed and unchecked); Export disabled without a registry
// (never enabled here); then every menu caption, the open dialog's texts, the captions of
// labels and group boxes and the hints. Nothing else is touched: field contents, grids and
// the edit state stay as they are. Answers the names of table controls the window lacks.
QStringList applyLanguage(QWidget& window, Language language, const QString& registryFileName,
                          LanguageTargets targets);

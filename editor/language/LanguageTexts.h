#pragma once
// The interface texts of both languages, as tables keyed by control name (objectName), and
// the messages the commands show. Plain data: the window puts them on its controls.

#include <QString>
#include <QStringList>

#include <array>
#include <span>

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

// The messages of the edit and report commands.
enum class LanguageMessage { ChangeNothingShown, Saved, Deleted, CsvWritten, OutputIsRegistry };
// In Portuguese for Lingua 1, otherwise in English (the design's, before the first
// activation).
QString languageMessage(LanguageMessage message, int lingua);

// The captions of the three sections (GroupBox1..3) for a Lingua, as above.
std::array<QString, 3> sectionCaptions(int lingua);

#pragma once
// Puts the language tables' texts on the main window's controls.

#include "language/LanguageTexts.h"

#include <QString>
#include <QStringList>

class QWidget;

// Applies a language, in this order: the window title (the language's title, then " - " and
// the path while a registry is loaded); the check marks of the language items (Español and
// Français stay greyed and unchecked); Export disabled without a registry (never enabled
// here); then every menu caption, the captions of labels and group boxes and the hints.
// Nothing else is touched: field contents, grids and the edit state stay as they are.
// Answers the names of table controls the window lacks.
QStringList applyLanguage(QWidget& window, Language language, const QString& title,
                          bool registryLoaded);

#pragma once
// Qt's own texts (the file and print dialogs, the buttons of message and input boxes) in the
// interface's language: Qt's Portuguese catalogue is installed while Portuguese is chosen and
// removed for English, Qt's own language.

#include "language/LanguageTexts.h"

#include <memory>

class QTranslator;

class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Answers whether Qt's texts are now in the language: false for Portuguese when the
    // system has no Portuguese catalogue of Qt's (they then stay English).
    bool apply(Language language);

private:
    std::unique_ptr<QTranslator> m_portuguese;
    bool m_loaded = false;
    bool m_installed = false;
};

#pragma once
// The dialog seam of the command line: every box becomes a line on stderr, in the command
// line's language, no question is ever answered Yes, and no dialog opens.

#include "core/Dialogs.h"
#include "language/LanguageTexts.h"

class StderrDialogs : public NoDialogs {
public:
    explicit StderrDialogs(Language language = Language::Portuguese) : m_language(language) {}
    void message(MessageKind kind, const QString& text) override;
    bool confirm(const QString& text) override;

private:
    Language m_language;
};

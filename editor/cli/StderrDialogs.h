#pragma once
// The dialog seam of the command line: every box becomes a line on stderr, no question is
// ever answered Yes, and no dialog opens.

#include "core/Dialogs.h"

class StderrDialogs : public NoDialogs {
public:
    void message(MessageKind kind, const QString& text) override;
    bool confirm(const QString& text) override;
};

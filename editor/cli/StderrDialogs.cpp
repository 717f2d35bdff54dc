#include "cli/StderrDialogs.h"

#include <cstdio>

// The shared core writes some of its messages in one language only; here they speak the
// command line's.
void StderrDialogs::message(MessageKind, const QString& text) {
    std::fprintf(stderr, "%s\n", commandLineMessage(text, m_language).toUtf8().constData());
}

bool StderrDialogs::confirm(const QString& text) {
    std::fprintf(stderr, "%s\n", commandLineMessage(text, m_language).toUtf8().constData());
    return false;
}

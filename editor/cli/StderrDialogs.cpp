#include "cli/StderrDialogs.h"

#include <cstdio>

void StderrDialogs::message(MessageKind, const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

bool StderrDialogs::confirm(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    return false;
}

#include "registry/TCadHd.h"

#include "core/Dialogs.h"

void showRegistryMessage(Dialogs& dialogs, const QString& text) {
    dialogs.message(MessageKind::Plain, text);
}

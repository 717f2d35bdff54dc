#include "editing/EditSession.h"

#include <QFile>

EditSession::~EditSession() {
    if (!WrittenScratchCopy.isEmpty())
        QFile::remove(WrittenScratchCopy);
}

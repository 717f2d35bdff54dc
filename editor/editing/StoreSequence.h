#pragma once
// Where a change goes: choosing the destination registry once per loaded registry, and the
// store that rebuilds it and refreshes the scratch copy the editor then reads.

#include "registry/TUsinaHd.h"

#include <QDateTime>
#include <QString>
#include <cstdint>

class Dialogs;
class TCadHd;

enum class DestinationChoice { Set, Abandoned, Refused };

// The save dialog in StartDir with "HIDR_<date>_<time>.DAT" proposed; it asks before an
// existing file is replaced, since the store rewrites it whole. A file that is the registry in
// use, the registry loaded or the scratch copy is refused with the fixed Portuguese warning.
// On Set, destFileName holds the chosen path.
DestinationChoice ChooseDestFile(Dialogs& dialogs, const QString& startDir,
                                 const QString& registryInUse, const QString& loadedRegistry,
                                 const QDateTime& now, QString& destFileName,
                                 const QString& scratchCopy = QString());

// "Cópia de trabalho <scratch> não pode ser gravada! O Cadastro em uso passa a ser <dest>."
QString scratchCopyFailureText(const QString& scratch, const QString& destination);

// Replaces the scratch copy with the destination's bytes through a temporary file (a plain
// copy never replaces an existing file, and a stale copy would lose the previous change).
// The digest of the bytes copied goes to `digest` when given.
bool writeScratchCopy(const QString& destination, const QString& scratch,
                      QByteArray* digest = nullptr);

// "Cópia de trabalho <scratch> não encontrada! O Cadastro em uso passa a ser <dest>."
QString scratchCopyMissingText(const QString& scratch, const QString& destination);

// A scratch copy as a store left it: a copy of the destination's bytes, whose digest is kept.
struct ScratchCopyOrigin {
    QString scratch;
    QString destination;
    QByteArray digest;
};

// The file to read when the registry in use is that scratch copy and it has gone: the
// destination it copied, while that still holds the very bytes copied. Empty otherwise (the
// store then fails to read, as from any missing registry).
QString standInForMissingScratch(const QString& registryInUse, const ScratchCopyOrigin& origin);

struct StoreResult {
    bool written = false;     // the destination holds the plant; only then is anything adopted
    QString registryInUse;    // when written: the scratch copy, or the destination if no copy
    ScratchCopyOrigin origin; // when the scratch copy was written
};

// StorePlant into the destination from the registry in use, then the scratch copy. A copy
// that cannot be written is reported in a plain box and the destination itself becomes the
// registry in use, so the next store never rebuilds from stale data. With no scratch path
// (the user loaded the scratch copy itself, which is never written) the destination becomes
// the registry in use without a word.
StoreResult storePlantAndCopy(TCadHd& cad, Dialogs& dialogs, const QString& destination,
                              const QString& registryInUse, const QString& scratch,
                              std::int32_t oldCode, std::int32_t newCode, const TUsinaHd& plant);

#include "editing/RegistryFiles.h"

#include "core/Dialogs.h"
#include "editing/Destination.h"
#include "language/LanguageTexts.h"
#include "files/SafeWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

RegistryFiles::~RegistryFiles() {
    // Only the scratch copy this run wrote goes, its changes living in the destination; a
    // scratch copy the user loaded to recover it stays.
    if (!m_writtenScratch.isEmpty() && !sameFile(m_writtenScratch, m_loadedFile))
        QFile::remove(m_writtenScratch);
}

void RegistryFiles::claimScratchCopy(const QString& startDir) {
    m_startDir = startDir;
    const QDir dir(m_startDir);
    auto lockFor = [&](const QString& name) {
        auto lock = std::make_unique<QLockFile>(dir.filePath(name + QStringLiteral(".lock")));
        lock->setStaleLockTime(0); // held for the whole run; only a dead holder makes it stale
        return lock;
    };
    m_scratchName = QStringLiteral("AuxCad.cad");
    m_scratchLock = lockFor(m_scratchName);
    if (m_scratchLock->tryLock(0) || m_scratchLock->error() != QLockFile::LockFailedError)
        return; // ours, or a folder where no lock can be taken (nor a copy written)
    m_scratchName = QStringLiteral("AuxCad-%1.cad").arg(QCoreApplication::applicationPid());
    m_scratchLock = lockFor(m_scratchName);
    m_scratchLock->tryLock(0);
}

QString RegistryFiles::scratchPath() const {
    return QDir(m_startDir).filePath(m_scratchName);
}

// A user may have opened a left-over copy to recover it.
void RegistryFiles::removeScratchCopy() const {
    if (m_startDir.isEmpty())
        return;
    const QString auxCad = scratchPath();
    if (QFileInfo::exists(auxCad) && !sameFile(m_registry, auxCad))
        QFile::remove(auxCad);
}

bool RegistryFiles::chooseDestination(const QDateTime& now) {
    // The destination is asked for after a load, or after a failed store dropped it: only in
    // the second case, and only while the registry in use is still the one the store left,
    // is it no new load.
    if (!m_destDropped || m_registry != m_adopted)
        m_loaded = m_registry;
    const bool set = ChooseDestFile(m_dialogs, m_startDir, m_registry, m_loaded, now, m_dest,
                                    scratchPath()) == DestinationChoice::Set;
    if (set)
        m_destDropped = false;
    return set;
}

bool RegistryFiles::store(TCadHd& cad, std::int32_t oldCode, std::int32_t newCode,
                          const TUsinaHd& plant) {
    // A scratch copy removed under the program: the destination it copies is read instead and
    // stays the registry in use whatever this store does (the lists show the same bytes).
    const QString standIn = standInForMissingScratch(m_registry, m_scratchOrigin);
    if (!standIn.isEmpty()) {
        m_dialogs.message(MessageKind::Plain, scratchCopyMissingText(m_registry, standIn));
        m_registry = standIn;
        m_adopted = standIn;
        m_scratchOrigin = {};
    }
    // A scratch copy that the user loaded as the registry is never written over.
    const bool scratchLoaded = Destination::sameFile(m_loaded, scratchPath());
    const StoreResult result =
        storePlantAndCopy(cad, m_dialogs, m_dest, m_registry,
                          scratchLoaded ? QString() : scratchPath(), oldCode, newCode, plant);
    if (!result.written) {
        // Nothing adopted; the next change asks for a destination again.
        m_dest.clear();
        m_destDropped = true;
        return false;
    }
    m_scratchOrigin = result.origin;
    adopt(result.registryInUse);
    return true;
}

void RegistryFiles::adopt(const QString& registryInUse) {
    m_registry = registryInUse;
    m_adopted = registryInUse;
    if (registryInUse == scratchPath())
        m_writtenScratch = registryInUse;
}

QString RegistryFiles::reportRefusal(const QString& output, int lingua) const {
    if (isSpecialFile(output))
        return notRegularFileText(output);
    const QString clash = clashingFile(output, {m_loadedFile, m_registry, scratchPath(), m_dest});
    if (clash.isEmpty())
        return {};
    return languageMessage(LanguageMessage::OutputIsRegistry, lingua)
        .arg(QDir::toNativeSeparators(clash));
}

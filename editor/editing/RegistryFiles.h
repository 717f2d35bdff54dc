#pragma once
// The files an editing session works with: the registry the user loaded, the registry in use
// (the loaded one, or the scratch copy a store refreshed), the scratch copy claimed in the
// start folder, and the destination every change is stored in. Here too the refusals that keep
// a destination or a report off any of them. The questions and warnings go through the seam.

#include "editing/StoreSequence.h"
#include "registry/TUsinaHd.h"

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <cstdint>
#include <memory>

class Dialogs;
class TCadHd;

class RegistryFiles {
public:
    explicit RegistryFiles(Dialogs& dialogs) : m_dialogs(dialogs) {}
    ~RegistryFiles(); // the scratch copy goes, unless it is the registry in use
    RegistryFiles(const RegistryFiles&) = delete;
    RegistryFiles& operator=(const RegistryFiles&) = delete;

    // startDir becomes the start folder; the scratch copy's name in it is claimed for this run.
    void claimScratchCopy(const QString& startDir);
    const QString& startDir() const { return m_startDir; }
    QString scratchPath() const; // "AuxCad.cad" in the start folder, or this editor's own
    // The scratch copy goes, unless it is the registry in use.
    void removeScratchCopy() const;

    // The user loaded file: it is the registry in use from now on.
    void loaded(const QString& file) {
        m_registry = file;
        m_loadedFile = file;
    }
    // No registry in use (a load begins).
    void unload() { m_registry.clear(); }
    // Another file becomes the registry in use (the MSD alteration's).
    void use(const QString& file) { m_registry = file; }
    const QString& registry() const { return m_registry; }
    const QString& loadedFile() const { return m_loadedFile; }

    const QString& destination() const { return m_dest; }
    void dropDestination() { m_dest.clear(); }
    // The save dialog for the destination, with a name proposed from now; false when the
    // user gave none, or one refused.
    bool chooseDestination(const QDateTime& now);

    // The plant stored into the destination from the registry in use, and the scratch copy
    // refreshed from it; false when nothing was written (the destination then dropped).
    bool store(TCadHd& cad, std::int32_t oldCode, std::int32_t newCode, const TUsinaHd& plant);

    // Why a report may not be written to output: no regular file, or the same file as the
    // registry loaded, the registry in use, the scratch copy or the destination (in the
    // language of lingua). Empty when it may.
    QString reportRefusal(const QString& output, int lingua) const;

private:
    void adopt(const QString& registryInUse);

    Dialogs& m_dialogs;
    QString m_startDir;
    QString m_scratchName = QStringLiteral("AuxCad.cad");
    std::unique_ptr<QLockFile> m_scratchLock;
    QString m_registry;
    QString m_loadedFile; // the file the user last loaded
    QString m_dest;
    // The registry the user loaded (refused as a destination), the registry a store last
    // made the one in use, and whether a failed store dropped the destination.
    QString m_loaded;
    QString m_adopted;
    bool m_destDropped = false;
    QString m_writtenScratch; // the scratch copy a store wrote, removed at the end
    ScratchCopyOrigin m_scratchOrigin;
};

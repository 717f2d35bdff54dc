#pragma once
// What the editing keeps between the window's handlers: where the edit started from, which
// registry the user loaded, and how the validation messages are looked up.

#include "editing/ConsistOk.h"
#include "editing/FormSnapshot.h"
#include "editing/StoreSequence.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

class EditSession {
public:
    EditSession() = default;
    EditSession(const EditSession&) = delete;
    EditSession& operator=(const EditSession&) = delete;
    // The scratch copy this session wrote goes with it: the changes live in the destination.
    ~EditSession();

    // Change: the plant on display and the form's texts as first shown for editing, so that
    // untouched numbers keep their stored bits. Empty while creating or browsing.
    std::optional<ShownPlant> Shown;

    // The registry the user loaded (refused as a destination), the registry a store last
    // made the one in use, and whether a failed store dropped the destination.
    QString LoadedRegistry;
    QString AdoptedRegistry;
    bool DestinationDropped = false;
    QString WrittenScratchCopy; // the scratch copy written by a store, removed at the end
    // What the last store's scratch copy copies: its destination stands in if it goes.
    ScratchCopyOrigin ScratchOrigin;

    // The validation message of an entry in the current language.
    MessageText Messages;

    // The clock of the destination proposal (tests set a fixed one).
    std::function<QDateTime()> Now = [] { return QDateTime::currentDateTime(); };

    // Notes the registry in use when a destination is to be chosen. The destination is asked
    // for after a load, or after a failed store dropped it: only in the second case, and only
    // while the registry in use is still the one the store left, is it no new load.
    void noteRegistryInUse(const QString& registryInUse) {
        if (!DestinationDropped || registryInUse != AdoptedRegistry)
            LoadedRegistry = registryInUse;
    }
};

#pragma once
// The files of a planning deck found in its folder and read for the deck check: through the
// deck's caso.dat and the index it names when there is one, otherwise by their usual names,
// whatever their letter case; a file the user names takes the place of the one found.

#include "registry/PlantCodec.h"
#include "tools/DeckCheck.h"

#include <QMap>
#include <QString>
#include <memory>

namespace DeckCheck {

struct DeckPaths {
    QString dir;
    // The user's own choice of a file, by label ("HIDR", "CONFHD", ...); empty when not given.
    QMap<QString, QString> given;
    int stations = 0;                     // --stations: 320 or 600, 0 when not given
    RecordForm form = RecordForm::BySize; // --form: the HIDR's record form
};

// A deck read for the check: the inputs and the files they came from. The inflow files are
// kept here, and the inputs point into them.
struct LoadedDeck {
    Inputs inputs;
    QMap<QString, QString> files; // label -> path of every file read
    QList<std::pair<QString, QString>> fileList() const {
        QList<std::pair<QString, QString>> list;
        for (auto f = files.cbegin(); f != files.cend(); ++f)
            list.append({f.key(), f.value()});
        return list;
    }
    std::unique_ptr<Torvane::InflowHistory> vazoes;
    std::unique_ptr<Torvane::MltValues> mlt;
};

struct LoadResult {
    std::unique_ptr<LoadedDeck> deck; // null when the check cannot run
    QString error;                    // then: which file and why
};

LoadResult loadDeck(const DeckPaths& paths, Language language);

// What the check needs of each whole record of a registry, and of each POSTOS record.
std::vector<RegistryPlant> registryPlants(const QByteArray& bytes,
                                          RecordForm form = RecordForm::BySize);
std::vector<Station> stations(const QByteArray& bytes);

// The file of that name in dir, matched exactly or else whatever its letter case; "" if none.
QString findInFolder(const QString& dir, const QString& name);

} // namespace DeckCheck

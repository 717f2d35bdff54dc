#include "tools/DeckLoad.h"

#include "inflows/Postos.h"
#include "inflows/Text.h"
#include "registry/AnsiText.h"
#include "registry/PlantCodec.h"
#include "registry/TCadHd.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace DeckCheck {

namespace {

// No file of a deck comes near these; a larger one is refused before it is read.
constexpr qint64 kMaxRegistryBytes = qint64(WideRecordSize) * 2000;
constexpr qint64 kMaxInflowBytes = qint64(Torvane::kMaxPostos) * Torvane::kMaxYears * 12 * 4;

QString readProblem(Language language, const QString& label, const QString& path,
                    const QString& why) {
    return inLanguage(language, "%1 (\"%2\") não pode ser lido: %3", "%1 (\"%2\") cannot be read: %3")
        .arg(label, QDir::toNativeSeparators(path), why);
}

// The readers take a view: no copy of a file's bytes.
std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}

// The file's bytes, or the reason it cannot be read.
bool readFile(const QString& path, qint64 limit, Language language, QByteArray& bytes,
              QString& why) {
    const QFileInfo info(path);
    if (!info.exists()) {
        why = inLanguage(language, "arquivo inexistente.", "no such file.");
        return false;
    }
    if (!info.isFile()) {
        why = inLanguage(language, "não é um arquivo comum.", "not a regular file.");
        return false;
    }
    const auto tooLarge = [&](qint64 size) {
        why = inLanguage(language, "%1 bytes, maior que qualquer arquivo desse tipo.",
                         "%1 bytes, larger than any file of its kind.")
                  .arg(size);
        return false;
    };
    if (info.size() > limit)
        return tooLarge(info.size());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = file.errorString();
        return false;
    }
    // Read at the size the file has, not at the limit, which would first take the limit's
    // memory; one byte more tells a file that grew past the limit meanwhile.
    bytes.resize(info.size() + 1);
    const qint64 got = file.read(bytes.data(), bytes.size());
    bytes.resize(std::max<qint64>(got, 0));
    if (got > limit)
        return tooLarge(got);
    if (got < 0 || file.error() != QFileDevice::NoError) {
        why = file.errorString();
        return false;
    }
    return true;
}

QString fieldName(Deck::ReadError::Field field, Language language) {
    using F = Deck::ReadError::Field;
    switch (field) {
    case F::Code:
        return inLanguage(language, "código", "code");
    case F::Station:
        return inLanguage(language, "posto", "station");
    case F::Downstream:
        return inLanguage(language, "jusante", "downstream");
    case F::Ree:
        return QStringLiteral("REE");
    case F::InitialStorage:
        return inLanguage(language, "volume inicial", "initial storage");
    case F::Modified:
        return inLanguage(language, "modificada", "modified");
    case F::HistoryFrom:
        return inLanguage(language, "início do histórico", "history from");
    case F::HistoryTo:
        return inLanguage(language, "fim do histórico", "history to");
    case F::FillingStart:
        return inLanguage(language, "início do enchimento", "filling start");
    case F::FillingMonths:
        return inLanguage(language, "duração do enchimento", "filling duration");
    case F::DeadVolume:
        return inLanguage(language, "volume morto", "dead volume");
    case F::EntryDate:
        return inLanguage(language, "data de entrada", "entry date");
    case F::Power:
        return inLanguage(language, "potência", "power");
    case F::MachineNumber:
        return inLanguage(language, "máquina", "machine");
    case F::MachineSet:
        return inLanguage(language, "conjunto", "machine set");
    case F::BlockCode:
        return inLanguage(language, "código do bloco", "block's code");
    case F::BlockEnd:
        return inLanguage(language, "fim do bloco (9999)", "block's end (9999)");
    }
    return {};
}

QString deckReadError(const Deck::ReadError& e, Language language) {
    return inLanguage(language, "linha %1, campo %2 (\"%3\") inválido.",
               "line %1, field %2 (\"%3\") does not read.")
        .arg(e.line)
        .arg(fieldName(e.field, language), AnsiText::decode(e.bytes.data(), e.bytes.size()));
}

} // namespace

std::vector<RegistryPlant> registryPlants(const QByteArray& bytes, RecordForm form) {
    form = resolveForm(form, bytes.size());
    const qsizetype size = recordSize(form);
    std::vector<RegistryPlant> plants;
    const qsizetype records = bytes.size() / size;
    plants.reserve(std::size_t(records));
    for (qsizetype k = 0; k < records; ++k) {
        const char* record = bytes.constData() + k * size;
        TUsinaHd plant;
        decodePlant(record, std::size_t(size), plant, form);
        RegistryPlant p;
        p.inUse = record[0] != ' ' && record[0] != '\0';
        p.name = AnsiText::decode(plant.Nome.data(), plant.Nome.size());
        p.posto = plant.Posto;
        p.jusante = plant.Jusante;
        p.desvio = plant.Desvio;
        plants.push_back(p);
    }
    return plants;
}

std::vector<Station> stations(const QByteArray& bytes) {
    std::vector<Station> out;
    const qsizetype records = bytes.size() / Torvane::kPostoRecordSize;
    out.reserve(std::size_t(records));
    for (qsizetype k = 0; k < records; ++k) {
        const char* record = bytes.constData() + k * Torvane::kPostoRecordSize;
        Station s;
        s.firstYear = Torvane::readInt32LE(record + Torvane::kPostoNameSize);
        s.lastYear = Torvane::readInt32LE(record + Torvane::kPostoNameSize + 4);
        // A station that the file leaves out (first year 0) has no name.
        if (s.firstYear != 0)
            s.name = AnsiText::decode(record, Torvane::kPostoNameSize).trimmed();
        out.push_back(s);
    }
    return out;
}

QString findInFolder(const QString& dir, const QString& name) {
    if (name.isEmpty())
        return {};
    const QDir folder(dir);
    if (QFileInfo::exists(folder.filePath(name)))
        return folder.filePath(name);
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    return {};
}

LoadResult loadDeck(const DeckPaths& paths, Language language) {
    LoadResult result;
    auto deck = std::make_unique<LoadedDeck>();
    Inputs& in = deck->inputs;

    // Where each file is: the user's choice, else the index's, else its usual name.
    QMap<QString, QString> where;
    const QString caso = findInFolder(paths.dir, QStringLiteral("caso.dat"));
    std::vector<Deck::IndexEntry> index;
    bool indexed = false;
    if (!caso.isEmpty()) {
        QByteArray bytes;
        QString why;
        if (!readFile(caso, 1 << 20, language, bytes, why)) {
            result.error = readProblem(language, QStringLiteral("caso.dat"), caso, why);
            return result;
        }
        const std::string casoLine = Deck::readCaso(view(bytes));
        const QString indexName = AnsiText::decode(casoLine.data(), casoLine.size());
        const QString indexPath = findInFolder(paths.dir, indexName);
        if (indexPath.isEmpty()) {
            result.error =
                readProblem(language, indexName.isEmpty() ? QStringLiteral("caso.dat") : indexName,
                            QDir(paths.dir).filePath(indexName),
                            inLanguage(language, "o índice de arquivos do caso não existe.",
                                "the case's file index does not exist."));
            return result;
        }
        if (!readFile(indexPath, 1 << 20, language, bytes, why)) {
            result.error = readProblem(language, indexName, indexPath, why);
            return result;
        }
        index = Deck::readDeckIndex(view(bytes));
        indexed = true;
    }
    const auto indexedName = [&](std::string_view label) {
        const std::string name = Deck::indexedFile(index, label);
        return findInFolder(paths.dir, AnsiText::decode(name.data(), name.size()));
    };
    where[QStringLiteral("HIDR")] = findInFolder(paths.dir, QStringLiteral("HIDR.DAT"));
    where[QStringLiteral("POSTOS")] = findInFolder(paths.dir, QStringLiteral("POSTOS.DAT"));
    where[QStringLiteral("VAZOES")] = findInFolder(paths.dir, QStringLiteral("VAZOES.DAT"));
    where[QStringLiteral("MLT")] = findInFolder(paths.dir, QStringLiteral("MLT.DAT"));
    where[QStringLiteral("CONFHD")] = indexed
                                          ? indexedName(Deck::kConfhdLabel)
                                          : findInFolder(paths.dir, QStringLiteral("CONFHD.DAT"));
    where[QStringLiteral("MODIF")] = indexed ? indexedName(Deck::kModifLabel)
                                             : findInFolder(paths.dir, QStringLiteral("MODIF.DAT"));
    where[QStringLiteral("EXPH")] = indexed ? indexedName(Deck::kExphLabel)
                                            : findInFolder(paths.dir, QStringLiteral("EXPH.DAT"));
    for (auto g = paths.given.cbegin(); g != paths.given.cend(); ++g)
        where[g.key()] = g.value();
    for (const auto& [label, file] : {std::pair{"MODIF", DeckFile::MODIF},
                                      {"EXPH", DeckFile::EXPH},
                                      {"POSTOS", DeckFile::POSTOS},
                                      {"VAZOES", DeckFile::VAZOES},
                                      {"MLT", DeckFile::MLT}})
        if (where.value(QString::fromLatin1(label)).isEmpty())
            in.absent.push_back(file);

    for (const char* needed : {"HIDR", "CONFHD"})
        if (where.value(QString::fromLatin1(needed)).isEmpty()) {
            result.error =
                inLanguage(language, "%1 não encontrado em \"%2\".", "%1 not found in \"%2\".")
                    .arg(QString::fromLatin1(needed), QDir::toNativeSeparators(paths.dir));
            return result;
        }

    // Each present file read whole; a file that does not read as its format stops the check.
    const auto load = [&](const QString& label, qint64 limit, QByteArray& bytes) -> int {
        const QString path = where.value(label);
        if (path.isEmpty())
            return 0;
        QString why;
        if (!readFile(path, limit, language, bytes, why)) {
            result.error = readProblem(language, label, path, why);
            return -1;
        }
        deck->files[label] = path;
        return 1;
    };
    const auto fail = [&](const QString& label, const QString& why) {
        result.error = readProblem(language, label, where.value(label), why);
        return LoadResult{nullptr, result.error};
    };

    QByteArray bytes;
    if (load(QStringLiteral("HIDR"), kMaxRegistryBytes, bytes) < 0)
        return result;
    in.registry = registryPlants(bytes, paths.form);

    if (load(QStringLiteral("CONFHD"), Deck::kMaxDeckTextBytes, bytes) < 0)
        return result;
    auto confhd = Deck::readConfhd(view(bytes));
    if (!confhd.ok())
        return fail(QStringLiteral("CONFHD"), deckReadError(confhd.error, language));
    in.confhd = std::move(*confhd.value);

    int got = load(QStringLiteral("MODIF"), Deck::kMaxDeckTextBytes, bytes);
    if (got < 0)
        return result;
    if (got > 0) {
        auto modif = Deck::readModif(view(bytes));
        if (!modif.ok())
            return fail(QStringLiteral("MODIF"), deckReadError(modif.error, language));
        in.modif = std::move(*modif.value);
    }
    got = load(QStringLiteral("EXPH"), Deck::kMaxDeckTextBytes, bytes);
    if (got < 0)
        return result;
    if (got > 0) {
        auto exph = Deck::readExph(view(bytes));
        if (!exph.ok())
            return fail(QStringLiteral("EXPH"), deckReadError(exph.error, language));
        in.exph = std::move(*exph.value);
    }

    in.horizon = paths.stations;
    got = load(QStringLiteral("POSTOS"), qint64(Torvane::kMaxPostos) * Torvane::kPostoRecordSize,
               bytes);
    if (got < 0)
        return result;
    if (got > 0) {
        const qint64 records = bytes.size() / Torvane::kPostoRecordSize;
        if (bytes.size() % Torvane::kPostoRecordSize != 0 || (records != 320 && records != 600))
            return fail(QStringLiteral("POSTOS"),
                        inLanguage(language, "%1 bytes não são 320 nem 600 registros de 20 bytes.",
                            "%1 bytes are neither 320 nor 600 records of 20 bytes.")
                            .arg(bytes.size()));
        in.horizon = int(records);
        in.postos = stations(bytes);
    }

    // Their size fits either horizon: without one they are not read.
    for (const char* label : {"VAZOES", "MLT"}) {
        if (in.horizon == 0)
            break;
        got = load(QString::fromLatin1(label), kMaxInflowBytes, bytes);
        if (got < 0)
            return result;
        if (got == 0)
            continue;
        const std::string path = where.value(QString::fromLatin1(label)).toStdString();
        if (label[0] == 'V') {
            auto read = Torvane::readVazoesHistory(view(bytes), false, in.horizon, path);
            if (!read.ok())
                return fail(QStringLiteral("VAZOES"),
                            QString::fromStdString(read.failure->message));
            deck->vazoes = std::make_unique<Torvane::InflowHistory>(std::move(read.value));
            in.vazoes = deck->vazoes.get();
        } else {
            auto read = Torvane::readMltValues(view(bytes), false, in.horizon, path);
            if (!read.ok())
                return fail(QStringLiteral("MLT"), QString::fromStdString(read.failure->message));
            deck->mlt = std::make_unique<Torvane::MltValues>(std::move(read.value));
            in.mlt = deck->mlt.get();
        }
    }
    result.deck = std::move(deck);
    return result;
}

} // namespace DeckCheck

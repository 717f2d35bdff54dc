// The CSV export of a registry of any bytes: a header and one CR LF line per named record up to
// the highest listed code, 180 columns each, under both decimal separators. Only a ';' stored
// inside a text field (a name, an identifier, the date, the observation, the regulation letter)
// adds to a line's count. Odd sizes are read in the 832-byte record form, even ones in the 792.
#include "registry/AnsiText.h"
#include "registry/LookupLists.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "reports/CsvExport.h"

#include <QLocale>
#include <cstdlib>

static qsizetype semicolons(const char* data, std::size_t size) {
    qsizetype n = 0;
    for (std::size_t i = 0; i < size; ++i)
        n += data[i] == ';';
    return n;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 40 * RecordSize)
        return 0;
    static const LookupLists lists = [] {
        LookupLists l;
        l.setDefaults();
        return l;
    }();
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::Portuguese, QLocale::Brazil)};

    const RecordForm form = size % 2 ? RecordForm::Bytes832 : RecordForm::Bytes792;
    const qint64 recordBytes = recordSize(form);
    const QByteArray registry(reinterpret_cast<const char*>(data), qsizetype(size));
    const PlantList list = plantListFromBytes(registry, form);
    if (list.entries.isEmpty()) {
        if (CsvExport::buildCsv(registry, list.entries, list.plantNames, lists, locales[0], form) !=
            CsvExport::headerLine())
            std::abort();
        return 0;
    }
    const int last = codeTextOfEntry(list.entries.constLast(), true).toInt();
    qsizetype lines = 1;
    qsizetype extra = 0;
    for (int code = 1; code <= last && qint64(code - 1) * recordBytes < registry.size(); ++code) {
        const qint64 offset = qint64(code - 1) * recordBytes;
        TUsinaHd plant;
        decodePlant(registry.constData() + offset,
                    std::size_t(std::min<qint64>(recordBytes, registry.size() - offset)), plant,
                    form);
        if (trimControl(AnsiText::decode(plant.Nome.data(), plant.Nome.size())).isEmpty())
            continue;
        ++lines;
        extra += semicolons(plant.Nome.data(), plant.Nome.size()) +
                 semicolons(plant.PostoBDH.data(), plant.PostoBDH.size()) +
                 semicolons(plant.Data.data(), plant.Data.size()) +
                 semicolons(plant.Obs.data(), plant.Obs.size()) + (plant.Reg == ';');
        for (const std::int32_t linked : {plant.Jusante, plant.Desvio})
            if (linked >= 0 && linked < list.plantNames.size())
                extra += list.plantNames.at(linked).count(u';');
    }
    for (const QLocale& locale : locales) {
        const QByteArray csv =
            CsvExport::buildCsv(registry, list.entries, list.plantNames, lists, locale, form);
        if (!csv.startsWith(CsvExport::headerLine()) || !csv.endsWith("\r\n"))
            std::abort();
        if (semicolons(csv.constData(), std::size_t(csv.size())) != 180 * lines + extra)
            std::abort();
    }
    return 0;
}

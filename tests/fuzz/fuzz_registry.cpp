// A registry of any bytes, read in both record forms: every record decodes, encodes back to
// the bytes it came from, and gives display texts under both decimal separators; the plant
// list never reads past the data and names every record; a 792-byte registry widened to the
// 832 form and narrowed again gives its bytes back.
#include "registry/LookupLists.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "registry/PlantTexts.h"

#include <QByteArray>
#include <QLocale>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const LookupLists lists = [] {
        LookupLists l;
        l.setDefaults();
        return l;
    }();
    static const QLocale pointLocale = QLocale::c();
    static const QLocale commaLocale(QLocale::Portuguese, QLocale::Brazil);

    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    PlantList list;
    for (const RecordForm form : {RecordForm::Bytes792, RecordForm::Bytes832}) {
        const std::size_t recordBytes = std::size_t(recordSize(form));
        list = plantListFromBytes(bytes, form);
        const std::size_t whole = size / recordBytes;
        const std::size_t named = size >= 12 ? (size - 12) / recordBytes + 1 : 0;
        if (std::size_t(list.plantNames.size()) < named + 1 ||
            list.entries.size() > qsizetype(named))
            std::abort();

        for (std::size_t r = 0; r * recordBytes < size && r < 64; ++r) {
            const std::size_t available = std::min(recordBytes, size - r * recordBytes);
            TUsinaHd plant;
            decodePlant(bytes.constData() + r * recordBytes, available, plant, form);
            if (r < whole) {
                const QByteArray again = encodePlant(plant, form);
                if (std::memcmp(again.constData(), bytes.constData() + r * recordBytes,
                                recordBytes) != 0)
                    std::abort();
            }
            for (const QLocale* locale : {&pointLocale, &commaLocale}) {
                const PlantTexts texts = plantDisplayTexts(plant, lists, list.plantNames, *locale);
                if (texts.ConjMaq1.rows < 1 || texts.ConjMaq1.rows > 5 || texts.PolsJus.rows < 1 ||
                    texts.PolsJus.rows > 6 || texts.ConjMaq2.rows > 15)
                    std::abort();
                // Numbers never carry a group separator.
                if (texts.box(QStringLiteral("TXT_VMax")).contains(locale->groupSeparator()) &&
                    locale->groupSeparator() != locale->decimalPoint())
                    std::abort();
            }
        }
    }
    if (size % RecordSize == 0 && size <= 64 * RecordSize) {
        const QByteArray wide = convertRegistry(bytes, RecordForm::Bytes792, RecordForm::Bytes832);
        if (wide.size() != qsizetype(size / RecordSize * WideRecordSize) ||
            convertRegistry(wide, RecordForm::Bytes832, RecordForm::Bytes792) != bytes)
            std::abort();
    }
    static const QCollator collator(commaLocale); // opening a collator is costly: once
    (void)plantEntriesByName(list.entries, collator);
    return 0;
}

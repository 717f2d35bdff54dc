// The plant form of a registry of any bytes: for each record, the texts Change shows (display,
// edit rows, selectors), Save's rules over them and the plant Save would build, in both decimal
// notations. The grids keep their edit rows whatever counts the record or a typed box holds, a
// plant that passes every rule builds, and an untouched form builds the stored counts again.
#include "core/CollectingDialogs.h"
#include "editing/ConsistOk.h"
#include "editing/EditForm.h"
#include "editing/WriteNewPlant.h"
#include "language/TMsg.h"
#include "registry/LookupLists.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"

#include <QLocale>
#include <cstdlib>

namespace {

void checkRows(const FormTexts& f) {
    const FormTexts edit;
    if (f.ConjMaq1.rows != edit.ConjMaq1.rows || f.ConjMaq2.rows != edit.ConjMaq2.rows ||
        f.PolsJus.rows != edit.PolsJus.rows ||
        f.ConjMaq1.cells.size() != qsizetype(f.ConjMaq1.rows) * f.ConjMaq1.columns ||
        f.ConjMaq2.cells.size() != qsizetype(f.ConjMaq2.rows) * f.ConjMaq2.columns ||
        f.PolsJus.cells.size() != qsizetype(f.PolsJus.rows) * f.PolsJus.columns)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 16 * RecordSize)
        return 0;
    static const LookupLists lists = [] {
        LookupLists l;
        l.setDefaults();
        return l;
    }();
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::Portuguese, QLocale::Brazil)};
    static const TMsg catalogue = [] {
        TMsg m;
        m.InitMensagens();
        return m;
    }();
    const QLocale& locale = locales[size % 2];
    const int lingua = 1 + int(size / 2 % 2);
    const MessageText messages = [&](int entry) { return catalogue.text(lingua, entry); };

    const QByteArray registry(reinterpret_cast<const char*>(data), qsizetype(size));
    const PlantList list = plantListFromBytes(registry);
    for (std::size_t r = 0; r * RecordSize < size && r < 8; ++r) {
        TUsinaHd plant;
        decodePlant(registry.constData() + r * RecordSize,
                    std::min<std::size_t>(RecordSize, size - r * RecordSize), plant);
        const std::int32_t code = std::int32_t(r + 1);
        FormSnapshot form;
        static_cast<FormTexts&>(form) =
            changeFormTexts(code, plant, lists, list.plantNames, list.entries, locale);
        checkRows(form);
        form.shown = ShownPlant{plant, form};

        CollectingDialogs boxes;
        FormPlace unread;
        const bool valid = ConsistOk(form, locale, messages, boxes, &unread);
        if (valid != boxes.boxes().isEmpty())
            std::abort();
        const NewPlantResult built = WriteNewPlant(form, locale);
        if (valid && !built.ok)
            std::abort();
        if (valid && (built.plant.NumConjMaq != plant.NumConjMaq ||
                      built.plant.NumPolsJus != plant.NumPolsJus))
            std::abort();

        // The counts' boxes as a user may type them, the rows laid out again.
        FormSnapshot typed = form;
        typed.boxes.insert(QStringLiteral("TXT_NGrMaq"), QString::number(plant.Posto));
        typed.boxes.insert(QStringLiteral("TXT_NKeyCur"), QString::number(plant.VazMinHist));
        toEditRows(typed);
        checkRows(typed);
        boxes.clear();
        (void)ConsistOk(typed, locale, messages, boxes, &unread);
        (void)WriteNewPlant(typed, locale);

        const PlantTexts display = plantDisplayTexts(plant, lists, list.plantNames, locale);
        checkRows(editTextsOf(display, QString::number(code), false));
    }
    return 0;
}

// The comparison of two registries of any bytes: the input is cut in two (its first two bytes
// say where). The counts add up, a registry compared with itself differs in nothing, and the
// comparison the other way round swaps the added and the removed plants; a registry compared
// with its twin in the 832-byte form differs in nothing.
#include "language/LanguageTexts.h"
#include "registry/PlantCodec.h"
#include "tools/RegistryDiff.h"

#include <QLocale>
#include <QSet>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2 || size > 2 + 48 * RecordSize)
        return 0;
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::Portuguese, QLocale::Brazil)};
    const std::size_t rest = size - 2;
    const std::size_t cut = (std::size_t(data[0]) | std::size_t(data[1]) << 8) % (rest + 1);
    const QByteArray before(reinterpret_cast<const char*>(data + 2), qsizetype(cut));
    const QByteArray after(reinterpret_cast<const char*>(data + 2 + cut), qsizetype(rest - cut));
    const QLocale& locale = locales[size % 2];

    const DiffReport forward = diffRegistries(before, after, locale);
    int added = 0, removed = 0;
    QSet<std::int32_t> changed;
    std::int32_t last = 0;
    for (const DiffLine& line : forward.lines) {
        if (line.code < 1 || line.code < last)
            std::abort();
        last = line.code;
        switch (line.kind) {
        case DiffLine::Kind::Added:
            ++added;
            break;
        case DiffLine::Kind::Removed:
            ++removed;
            break;
        case DiffLine::Kind::Changed:
            if (line.field.isEmpty() || line.oldValue == line.newValue)
                std::abort();
            changed.insert(line.code);
            break;
        }
        for (const Language language : {Language::Portuguese, Language::English})
            if (diffCells(line, language).size() < 3)
                std::abort();
    }
    if (added != forward.added || removed != forward.removed || changed.size() != forward.changed ||
        forward.differing() != forward.added + forward.removed + forward.changed)
        std::abort();
    (void)diffSummary(forward, Language::English);

    const DiffReport backward = diffRegistries(after, before, locale);
    if (backward.added != forward.removed || backward.removed != forward.added ||
        backward.changed != forward.changed)
        std::abort();
    if (diffRegistries(before, before, locale).differing() != 0)
        std::abort();
    if (before.size() % RecordSize == 0) {
        const QByteArray twin = convertRegistry(before, RecordForm::Bytes792, RecordForm::Bytes832);
        if (diffRegistries(before, twin, locale, RecordForm::Bytes792, RecordForm::Bytes832)
                .differing() != 0)
            std::abort();
    }
    return 0;
}

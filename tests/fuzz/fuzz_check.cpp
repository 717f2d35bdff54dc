// The registry check on a registry of any bytes: every plant in use runs through Save's rules on
// the texts Change shows for it, the rules across plants and the curves' warnings, in both
// languages. The counts agree with the plant list, a finding names a plant in use, and no
// count read from a record (NumConjMaq, NumPolsJus, codes) takes the check out of its grids.
#include "language/LanguageTexts.h"
#include "registry/LookupLists.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "tools/RegistryCheck.h"

#include <QLocale>
#include <QSet>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A plant costs a whole Save; a few dozen of them say all there is to say.
    if (size > 24 * RecordSize)
        return 0;
    static const LookupLists lists = [] {
        LookupLists l;
        l.setDefaults();
        return l;
    }();
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::Portuguese, QLocale::Brazil)};

    const QByteArray registry(reinterpret_cast<const char*>(data), qsizetype(size));
    const PlantList list = plantListFromBytes(registry);
    QSet<int> inUse;
    for (const QString& entry : list.entries)
        inUse.insert(codeTextOfEntry(entry, true).toInt());

    const Language language = size % 2 ? Language::English : Language::Portuguese;
    const CheckReport report = checkRegistry(registry, lists, locales[size / 2 % 2], language);
    if (report.checked != list.entries.size() || report.withProblems < 0 ||
        report.withProblems > report.checked)
        std::abort();
    std::int32_t last = 0;
    for (const CheckFinding& f : report.findings) {
        // In code order, each naming a plant in use, with a message.
        if (f.code < last || !inUse.contains(f.code) || f.message.isEmpty())
            std::abort();
        last = f.code;
        if (findingCells(f).size() != 3)
            std::abort();
    }
    if (checkSummary(report, language).isEmpty())
        std::abort();
    return 0;
}

#include "registry/PlantList.h"

#include "registry/AnsiText.h"
#include "registry/PlantCodec.h"

#include <algorithm>

QStringList PlantList::emptyPlantNames() {
    QStringList names(1001);
    names[0] = QStringLiteral("NÃO HÁ");
    return names;
}

PlantList plantListFromBytes(const QByteArray& registry, RecordForm form) {
    const qsizetype recordBytes = recordSize(resolveForm(form, registry.size()));
    PlantList list;
    list.plantNames = PlantList::emptyPlantNames();
    const qsizetype size = registry.size();
    const char* data = registry.constData();
    // Every record whose name bytes exist gets its name, however many records there are.
    const qsizetype named = size >= 12 ? (size - 12) / recordBytes + 1 : 0;
    if (named + 1 > list.plantNames.size())
        list.plantNames.resize(named + 1);
    qsizetype code = 1;
    for (qsizetype pos = 0; pos + 12 <= size; pos += recordBytes, ++code) {
        const QString name = AnsiText::decode(data + pos, 12);
        list.plantNames[code] = name;
        if (data[pos] != ' ' && data[pos] != '\0')
            list.entries.append(QString::number(code) + QStringLiteral(" - ") + trimControl(name));
    }
    return list;
}

QStringList plantEntriesByName(const QStringList& byCode, const QCollator& collator) {
    QCollator noCase(collator);
    noCase.setCaseSensitivity(Qt::CaseInsensitive);
    QStringList sorted;
    sorted.reserve(byCode.size());
    for (const QString& entry : byCode) {
        const qsizetype dash = entry.indexOf(u'-');
        const QString name = trimControl(entry.mid(dash + 1));
        const QString code = trimControl(entry.left(std::max<qsizetype>(dash, 0)));
        sorted.append(name + QStringLiteral(" (") + code + u')');
    }
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&](const QString& a, const QString& b) { return noCase.compare(a, b) < 0; });
    QStringList unique;
    unique.reserve(sorted.size());
    for (const QString& entry : sorted)
        if (unique.isEmpty() || unique.constLast().compare(entry, Qt::CaseInsensitive) != 0)
            unique.append(entry);
    return unique;
}

QString codeTextOfEntry(const QString& entry, bool byCode) {
    if (byCode)
        return entry.left(NthCharPos(entry, u' ', 1) - 1);
    const qsizetype open = entry.lastIndexOf(u'(');
    const qsizetype close = entry.lastIndexOf(u')');
    if (open < 0 || close <= open)
        return {};
    return entry.mid(open + 1, close - open - 1);
}

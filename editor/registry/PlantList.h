#pragma once
// The plant list of a registry: one entry per record in use ("code - name"), the stored
// names of every record, and the by-name view.

#include "registry/PlantCodec.h"

#include <QByteArray>
#include <QCollator>
#include <QString>
#include <QStringList>

struct PlantList {
    QStringList entries; // ComboBox2: "12 - ALFA", file order
    // PlantNames: entry 0 "NÃO HÁ", entry k the 12 stored name characters of record k.
    // At least 1001 entries; more when the registry has more records.
    QStringList plantNames;

    static QStringList emptyPlantNames();
};

// Builds the list from the registry's bytes. A trailing partial record is listed when its
// 12 name bytes exist.
PlantList plantListFromBytes(const QByteArray& registry, RecordForm form = RecordForm::BySize);

// The by-name entries "NAME (code)" of the by-code entries, sorted by the collator with
// letter case ignored; an entry equal to one already present (ignoring case) is dropped.
QStringList plantEntriesByName(const QStringList& byCode, const QCollator& collator);

// The code text of a list entry: by code, the characters before the first blank; by name,
// the characters between the last "(" and the last ")".
QString codeTextOfEntry(const QString& entry, bool byCode);

#pragma once
// The MSD alteration of a registry: in every plant the reference volume becomes the maximum
// volume and the regulation becomes daily ('D') when the minimum and maximum levels are equal,
// monthly ('M') otherwise.

#include "registry/PlantCodec.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace AlterationFile {

// "Hidr_Modif.dat" in the given folder.
QString pathIn(const QString& directory);

inline const QString Done = QStringLiteral("Alterações MSD geradas com sucesso.");

// Rewrites the bytes in place: every whole record whose second name byte is not a blank gets
// VolRef (787..790) = VolMax (44..47) byte for byte and Reg (791) = 'D' or 'M' by comparing
// CotaMin (56..59) and CotaMax (60..63) as floats. Other records, every other byte and a
// trailing partial record are left as they are. In the 832-byte form VolRef is at 827 and
// Reg at 831.
void alter(QByteArray& registry, RecordForm form = RecordForm::BySize);

struct Result {
    bool ok = false;
    QStringList names; // the 12 stored name characters of record 1, 2, ...
};

// Reads the existing file, alters it and writes it back through a temporary file, so a failed
// write leaves it as it was. Not ok when the file does not exist or cannot be read or written.
Result rewrite(const QString& path, RecordForm form = RecordForm::BySize);

} // namespace AlterationFile

#pragma once
// The figures of every plant in use as one CSV, in the export's conventions: semicolons, the
// locale's decimal separator, Windows-1252, CR LF.

#include "registry/PlantCodec.h"
#include "workbook/Workbook.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

class Dialogs;

namespace PlantCurves {

// The header and one line per plant in use, in code order: code, name, every figure (2
// decimals, the productivities 4; empty when not computed), the number of warnings.
QByteArray summaryCsv(const QByteArray& registry, const QLocale& locale,
                      RecordForm form = RecordForm::BySize);

// The same columns as a workbook's sheet: the figures as numbers in full (not rounded), an
// empty cell when not computed.
Workbook::Sheet summarySheet(const QByteArray& registry, RecordForm form = RecordForm::BySize);

// Reads the registry and writes its summary to output in one step (a workbook when output
// ends in ".xlsx") (nothing written on a
// failure, which is told through the dialogs); true when written. The caller refuses an output
// that is the registry.
bool writeSummary(const QString& registryFile, const QString& output, const QLocale& locale,
                  Dialogs& dialogs, RecordForm form = RecordForm::BySize);

} // namespace PlantCurves

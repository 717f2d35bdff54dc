#pragma once
// The six conversions of POSTOS, VAZOES and MLT as the window and the command line run them:
// dialog titles, filters, success texts and the format behind each.

#include "formats/Mlt.h"
#include "formats/Vazoes.h"
#include "workflow/Workflow.h"

#include <QLocale>
#include <string>

namespace Torvane {

enum class FileKind { Postos, Vazoes, Mlt };
enum class Direction { TextToBin, BinToText };

// The table the MLT conversions fill, owned by whoever runs them for as long as it lives.
// (VAZOES converts straight between its text and its binary.)
struct Tables {
    TabMlt mlt;
};

// numPostos is read when the conversion runs; tables must outlive the returned definition.
ConversionDef conversionDef(FileKind kind, Direction direction, int numPostos, Tables& tables);

// The ENERGIAF listing and the ENERGIA filter, which choose their input in the open dialog
// and write numbers in the given locale's decimal notation.
enum class Auxiliary { EnergiafToText, EnergiaFilter };
ConversionDef auxiliaryDef(Auxiliary which, const QLocale& locale);

// The locale's decimal separator as the Windows-1252 byte the files hold.
std::string decimalSeparatorBytes(const QLocale& locale);

} // namespace Torvane

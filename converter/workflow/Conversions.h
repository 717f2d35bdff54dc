#pragma once
// The six conversions of POSTOS, VAZOES and MLT as the window and the command line run them:
// dialog titles, filters, success texts and the format behind each.

#include "inflows/Mlt.h"
#include "inflows/Vazoes.h"
#include "workflow/Workflow.h"

#include <QLocale>
#include <cstdint>
#include <optional>
#include <string>

namespace Torvane {

enum class FileKind { Postos, Vazoes, Mlt };
enum class Direction { TextToBin, BinToText };

// The table the MLT conversions fill, owned by whoever runs them for as long as it lives.
// (VAZOES converts straight between its text and its binary.)
struct Tables {
    TabMlt mlt;
};

// The largest text input of any kind read (a VAZOES of 600 stations and 200 years is under
// 10 MB): a text may repeat lines, so its size has no exact bound.
inline constexpr std::uint64_t kMaxTextInputBytes = std::uint64_t(256) << 20;

// An input refused by its size before it is read, larger than any valid file of its kind
// under the horizon (text: kMaxTextInputBytes); nullopt when it may be read.
std::optional<Failure> checkInputSize(FileKind kind, bool text, int numPostos, std::uint64_t size,
                                      const std::string& path);

// The year of the system's clock, which the warning on a VAZOES horizon measures from.
int currentYear();

// numPostos is read when the conversion runs; tables must outlive the returned definition.
ConversionDef conversionDef(FileKind kind, Direction direction, int numPostos, Tables& tables);

// The ENERGIAF listing and the ENERGIA filter, which choose their input in the open dialog
// and write numbers in the given locale's decimal notation.
enum class Auxiliary { EnergiafToText, EnergiaFilter };
ConversionDef auxiliaryDef(Auxiliary which, const QLocale& locale);

// The locale's decimal separator as the Windows-1252 byte the files hold.
std::string decimalSeparatorBytes(const QLocale& locale);

} // namespace Torvane

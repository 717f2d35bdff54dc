#pragma once
// Where the curves read a plant from: the stored plant, or the plant form while an edit is
// under way, read as Save reads it.

#include "curves/PlantCurves.h"
#include "editing/FormSnapshot.h"
#include "registry/PlantCodec.h"

#include <QLocale>
#include <optional>

namespace PlantCurves {

// The stored plant: every value reads.
CurveSource storedSource(const TUsinaHd& plant);

// The form being edited. A box or cell whose text is still the one first shown for the stored
// plant (`shown`, empty for a new plant) gives the stored value with its exact bits; any other
// is read with Save's number rules, and one that does not read is named in `unread` by its
// label in the interface's language ("Maximum Volume (hm3)", "Level x Volume A2"). Only the
// sets and polynomials the form's counts declare are read; PCV and PAC in the width of the
// registry's record form.
CurveSource formSource(const FormTexts& form, const std::optional<ShownPlant>& shown,
                       const QLocale& locale, Language language = Language::Portuguese,
                       RecordForm recordForm = RecordForm::Bytes792);

} // namespace PlantCurves

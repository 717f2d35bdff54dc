#pragma once
// Building the plant to be stored from the form's texts.

#include "editing/FormSnapshot.h"
#include "editing/PlantFormReader.h"
#include "language/LanguageTexts.h"
#include "registry/PlantCodec.h"
#include "registry/TUsinaHd.h"

#include <QLocale>
#include <QString>

struct NewPlantResult {
    bool ok = false;
    TUsinaHd plant;
    // When not ok: the conversion error to show ("'x' is not a valid integer value").
    QString error;
};

// Fills a new plant from the form, field by field in record order; the first text that
// cannot be converted ends it with its error. Texts are stored in Windows-1252, a character
// the code page cannot hold as '?', cut to the field's width by characters and padded with
// blanks. Sets beyond the machine-set count and polynomials beyond the downstream count are
// stored as zeros. A number whose text is still the one first shown for the stored plant keeps
// the stored value's bits (the display rounds to 2, 3 or 6 decimals or 7 digits).
// The conversion error is in the interface's language. PCV and PAC are read in the width of
// the registry's record form.
NewPlantResult WriteNewPlant(const FormSnapshot& form, const QLocale& locale,
                             Language language = Language::English,
                             RecordForm recordForm = RecordForm::Bytes792);

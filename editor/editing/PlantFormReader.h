#pragma once
// The plant a form's texts stand for, read field by field through the form table. Save and
// the curves read the form with this one reader: Save stops at the first place that does
// not read, the curves take every one.

#include "editing/FormSnapshot.h"
#include "language/LanguageTexts.h"
#include "registry/PlantFields.h"
#include "registry/TUsinaHd.h"

#include <QList>
#include <QLocale>
#include <QString>

// A box or grid cell whose text does not read.
struct UnreadPlace {
    const PlantField* field = nullptr;
    int element = 0;
    QString error; // the conversion error, in the interface's language
};

struct PlantReading {
    TUsinaHd plant;            // a value that does not read stays zero
    QList<UnreadPlace> unread; // in the order Save reads the form
};

// Reads the boxes in the record's order, then the grids' cells, grid by grid (the reservoir
// polynomials column by column, the others row by row), of the machine sets and downstream
// polynomials the form's counts declare only; the others stay zero. A text still the one
// first shown for the stored plant (`shown`, null for a new plant) keeps the stored value's
// bits (the display rounds). Coded fields come from their selectors; texts are stored in
// Windows-1252, cut to the field's width and padded with blanks, the name in capitals. The
// polynomial terms PCV and PAC are read in the width of the registry's record form.
PlantReading readPlantForm(const FormTexts& form, const ShownPlant* shown, const QLocale& locale,
                           Language language, RecordForm recordForm = RecordForm::Bytes792);

// A character field of the record from a text: the first `width` characters, each one
// Windows-1252 byte ('?' where the code page has none), blanks after a shorter text.
void storeText(const QString& text, char* field, int width);

#pragma once
// The checks a plant form must pass before it is written: 43 rules, always all of them and
// in the same order, each failure reported at once; only a text that cannot be read as a
// number cuts the list short.

#include "editing/FormSnapshot.h"
#include "registry/PlantCodec.h"

#include <QLocale>
#include <QString>
#include <functional>

class Dialogs;

// The validation message of an entry (0..46) in the current interface language.
using MessageText = std::function<QString(int entry)>;

// Catalogue entry shown when a number cannot be read.
constexpr int ConversionFailureEntry = 44;

// Shows the message in a warning box and marks the form invalid.
void Erro_Consist(Dialogs& dialogs, const QString& message, bool& valid);

// Where a number could not be read: a box by its control name, or a cell of a grid (the
// grid's control name, its row and column).
struct FormPlace {
    QString control;
    int row = -1;
    int column = -1;
    QString text; // what the box or cell held
};

// Runs the rules over the form; true when none failed and every number could be read.
// Each failed rule shows its message through Erro_Consist; a conversion failure shows entry 44
// in a plain box and ends the check with false, telling `unread` (when given) where it was.
// The reservoir polynomials' terms are read in the width of the registry's record form.
bool ConsistOk(const FormTexts& form, const QLocale& locale, const MessageText& messages,
               Dialogs& dialogs, FormPlace* unread = nullptr,
               RecordForm recordForm = RecordForm::Bytes792);

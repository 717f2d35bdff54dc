#pragma once
// Test helpers: the validation texts as users read them (the tests' one copy of the
// catalogue), and a plant form that passes every rule.

#include "editing/FormSnapshot.h"

#include <QString>

namespace EditingSupport {

// Entry 0..46 of the validation messages; language 1 Portuguese, 2 English; empty outside.
inline constexpr int ValidationEntries = 47;
QString validationText(int language, int entry);

// A form of a fictional plant that passes all 43 rules under a locale whose decimal
// separator is `separator`: two machine sets, two downstream polynomials.
FormSnapshot validForm(QChar separator = u'.');

} // namespace EditingSupport

#pragma once
// The plant form as text, the way the window holds it at the moment of a Save: the rules and
// the plant building run over this, never over the widgets.

#include "registry/PlantTexts.h"
#include "registry/TUsinaHd.h"

#include <QHash>
#include <QString>
#include <optional>

// Grids by row, then column, at their edit row counts. A cell never filled, or beyond the
// grid's rows, reads empty.
struct FormTexts : PlantGrids {
    QHash<QString, QString> boxes;     // edit box text by control name (TXT_Cod, TXT_VMax, ...)
    QHash<QString, QString> selectors; // selected text by control name (CMBdesvio, ...)

    FormTexts() : PlantGrids(5, 15, 6) {}

    QString box(const QString& name) const { return boxes.value(name); }
    QString selector(const QString& name) const { return selectors.value(name); }
};

// Where an edit started from a stored plant (Change): the plant and the form's texts as they
// were first shown for editing. A text still equal to its first-shown text was not touched,
// and the plant keeps the stored value's exact bits for it.
struct ShownPlant {
    TUsinaHd plant;
    FormTexts texts;
};

struct FormSnapshot : FormTexts {
    std::optional<ShownPlant> shown; // empty for a new plant
};

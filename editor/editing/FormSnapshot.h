#pragma once
// The plant form as text, the way the window holds it at the moment of a Save: the rules and
// the plant building run over this, never over the widgets.

#include "registry/PlantTexts.h"
#include "registry/TUsinaHd.h"

#include <QHash>
#include <QString>
#include <optional>

struct FormTexts {
    QHash<QString, QString> boxes;     // edit box text by control name (TXT_Cod, TXT_VMax, ...)
    QHash<QString, QString> selectors; // selected text by control name (CMBdesvio, ...)
    // Grids by row, then column. A cell never filled, or beyond the grid's rows, reads empty.
    GridTexts PCVA{5, 2};
    GridTexts EvapM{12, 1};
    GridTexts ConjMaq1{5, 5};
    GridTexts ConjMaq2{7, 15};
    GridTexts PolsJus{7, 6};

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

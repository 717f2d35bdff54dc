#pragma once
// A whole registry through the rules: every plant in use through Save's 43 rules, on the texts
// Change shows for it, so a plant has no finding exactly when Change and Save of it, untouched,
// would pass; then the rules across plants that Save cannot see: downstream and deviation
// plants that are not in the registry, cycles in the cascade, repeated names. The findings
// come back as values; the command line and the window only show them.

#include "language/LanguageTexts.h"
#include "registry/LookupLists.h"
#include "registry/PlantCodec.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>

struct CheckFinding {
    std::int32_t code = 0;
    QString name; // as the plant list shows it
    QString message;
    bool warning = false; // a curve warning ("Aviso: ..."): no problem, only a heuristic
};

struct CheckReport {
    int checked = 0;      // plants in use
    int withProblems = 0; // of them, the plants with a finding other than a warning
    // In code order; for one code, Save's rules in their order, then the rules across plants,
    // then the warnings of the plant's curves.
    QList<CheckFinding> findings;
};

// Checks the registry's bytes. The lists give the coded fields' names (Change's selectors),
// the locale the numbers' texts, the language the messages.
CheckReport checkRegistry(const QByteArray& registry, const LookupLists& lists,
                          const QLocale& locale, Language language,
                          RecordForm form = RecordForm::BySize);

// A finding's columns: code, name, message (TAB-separated on the command line).
QStringList findingCells(const CheckFinding& finding);
// "<n> usinas verificadas, <m> com problemas."
QString checkSummary(const CheckReport& report, Language language);

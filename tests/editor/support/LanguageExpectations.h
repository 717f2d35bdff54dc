#pragma once
// What the interface must read in each language, written out apart from the program's
// own tables so that a slip in either shows up. Hints name their controls as a
// comma-separated list: the label and its box carry the same hint.

#include <QString>
#include <QStringList>

#include <vector>

struct ExpectedLanguageText {
    QString controls; // one name, or several separated by commas
    QString portuguese;
    QString english;

    QStringList names() const { return controls.split(QLatin1Char(',')); }
    QString in(int lingua) const { return lingua == 1 ? portuguese : english; }
};

inline const QString ExpectedTitlePortuguese =
    QStringLiteral("Visualizador do Cadastro de Usinas Hidráulicas");
inline const QString ExpectedTitleEnglish = QStringLiteral("Hydro Plant\u00B4s Cadastre editor");

const std::vector<ExpectedLanguageText>& expectedMenuCaptions();
const std::vector<ExpectedLanguageText>& expectedControlCaptions();
const std::vector<ExpectedLanguageText>& expectedHints();

#pragma once
// quillmark --check-deck DIR [--format text|json] [--lang pt|en] [--stations 320|600]
//   [--hidr F] [--confhd F] [--modif F] [--exph F] [--postos F] [--vazoes F] [--mlt F]

#include "language/LanguageTexts.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

struct DeckCommandOutcome {
    int status = 2;    // 0 no error found, 1 errors found, 2 the check could not run
    QByteArray output; // for stdout
    QString message;   // for stderr (a usage error or the file that stopped the check)
    bool usageError = false;
    Language language = Language::Portuguese; // --lang
};

// args: the command line after the program's name.
DeckCommandOutcome runDeckCheck(const QStringList& args);

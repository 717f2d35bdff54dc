#pragma once
// Fictional plants and registries for the report tests.

#include "registry/TUsinaHd.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace ReportSamples {

// A plant with a distinct value in every field (two machine sets, one downstream
// polynomial; InflVert 7; evaporation holding -123 and 1250).
TUsinaHd knownPlant();
// A plant holding only a name (everything else zero), Reg 'M'.
TUsinaHd namedPlant(const char* name);
void setText(char* field, std::size_t size, const char* text); // blank-padded

// A registry of `records` records (at least the highest code), the given plants at their
// codes and NUL bytes elsewhere.
QByteArray registry(const QMap<int, TUsinaHd>& plants, int records = 0);
bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// Runs a program and answers its standard output (empty when it could not run).
QByteArray runTool(const QString& program, const QStringList& arguments);
// pdftotext -layout of a PDF, and the page count from pdfinfo.
QString pdfText(const QString& pdf);
int pdfPages(const QString& pdf);

// A quillmark process as a script runs it: no display and no platform chosen unless given (it
// must pick one itself), no locale but LANG, no XDG_RUNTIME_DIR. exitCode is -1 when it did not end, -2 on a crash.
struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};
Run quillmark(const QStringList& args, const QString& lang = QStringLiteral("C"),
              const QString& display = QString(), const QString& platform = QString());

} // namespace ReportSamples

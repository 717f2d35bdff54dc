#pragma once
// --curves and --summary: a plant's curves as a PDF, PNG or SVG, and every plant's figures as
// a CSV, from a script.

#include <QString>

struct CliArguments;

// Runs the command (arguments already understood; an application object, a QApplication for
// --curves, exists) and answers its exit status: 0 written, 1 any failure (the reason on
// stderr; a plant code that is no number is a usage error, `usage` follows it). Nothing is
// written on a failure.
int runCurveCommand(const CliArguments& args, const QString& usage);

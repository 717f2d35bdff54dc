#pragma once
// --summary: every plant's figures as a CSV, from a script. (--curves, which draws, runs in the
// window's module: window/DrawingCommands.)

#include <QString>

struct CliArguments;

// Runs the command (arguments already understood, an application object exists) and answers
// its exit status: 0 written, 1 any failure (the reason on stderr). Nothing is written on a
// failure.
int runSummaryCommand(const CliArguments& args);

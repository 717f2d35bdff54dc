#pragma once
// --curves and --summary: a plant's curves as a PDF, PNG or SVG, and every plant's figures as
// a CSV, from a script.

// True when the first argument is --curves or --summary (matched exactly).
bool isCurveCommand(int argc, char** argv);

// Runs the command and answers its exit status: 0 written, 1 any failure or usage error
// (the reason on stderr; for a usage error `usage` follows). Nothing is written on a failure.
int runCurveCommand(int argc, char** argv, const char* usage);

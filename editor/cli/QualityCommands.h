#pragma once
// --check and --diff: the registry check and the registry comparison from a script, their
// findings on stdout, one a line, columns between TABs, the summary last.

struct CliArguments;

// Runs the command (arguments already understood) and answers its exit status, as diff(1)
// does: 0 nothing found (or no plant differs), 1 findings (or plants that differ), 2 it could
// not run (a registry that cannot be read: the reason on stderr).
int runQualityCommand(const CliArguments& args);

#pragma once
// --check and --diff: the registry check and the registry comparison from a script, their
// findings on stdout, one a line, columns between TABs, the summary last.

// True when the arguments ask for one of them: an option first (--check, --diff, --lang or
// --config) and --check, --diff or --lang among the arguments before any "--".
bool isQualityCommand(int argc, char** argv);

// Runs the command and answers its exit status, as diff(1) does: 0 nothing found (or no plant
// differs), 1 findings (or plants that differ), 2 it could not run (a registry that cannot be
// read, a usage error: the reason, then `usage`, on stderr).
int runQualityCommand(int argc, char** argv, const char* usage);

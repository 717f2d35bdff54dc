#pragma once
// The commands that draw, --print-pdf (the data sheets) and --curves (a plant's charts), run
// from the window's module where Qt Gui and Qt Charts are; the command line understood their
// arguments.

struct CliArguments;

// Starts the application object the mode needs (Qt Gui for the sheets, a QApplication for the
// charts' graphics scene) on Qt's offscreen platform unless QT_QPA_PLATFORM names another, runs
// the mode and answers its exit status: 0 written, 1 any failure (the reason on stderr).
// Nothing is written on a failure.
int runDrawingCommand(int& argc, char** argv, const CliArguments& args);

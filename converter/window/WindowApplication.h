#pragma once
// The window's process: the application as the desktop sees it, then TForm1 until it closes.

namespace Torvane {

// Application name and version only. No display name: Qt would append it to every window's
// title on Linux (" — Tobrel"), and the titles are exactly the texts the windows set.
void setUpWindowApplication();

// Runs the window; Qt's own options in argv (-style, -platform, ...) are QApplication's.
int runWindow(int& argc, char** argv);

} // namespace Torvane

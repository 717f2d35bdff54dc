#pragma once
// The window's process: the application as the desktop sees it, then TForm1 until it closes.

class QCoreApplication;

namespace Torvane {

// Qt's own texts (file dialogs, Yes and No) in Portuguese, as the window is: Qt's translations
// (Debian's qt6-translations-l10n) from Qt's translations folder. False when none was found.
bool installQtTranslations(QCoreApplication& app);


// Application name and version only. No display name: Qt would append it to every window's
// title on Linux (" — Tobrel"), and the titles are exactly the texts the windows set.
void setUpWindowApplication();

// Runs the window; Qt's own options in argv (-style, -platform, ...) are QApplication's.
int runWindow(int& argc, char** argv);

} // namespace Torvane

#include "window/WindowApplication.h"

#include "window/QtDialogs.h"
#include "window/TForm1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Torvane {

void setUpWindowApplication() {
    QApplication::setApplicationName(applicationTitle());
    QApplication::setApplicationVersion(applicationVersion());
}

bool installQtTranslations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    // qtbase_pt_BR, or qtbase_pt where only that one is installed.
    if (!translator->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

int runWindow(int& argc, char** argv) {
    QApplication app(argc, argv);
    setUpWindowApplication();
    installQtTranslations(app);
    QtDialogs dialogs;
    TForm1 form(dialogs);
    dialogs.setParent(&form);
    form.rememberSettings();
    form.show();
    return app.exec();
}

} // namespace Torvane

#include "window/WindowApplication.h"

#include "window/QtDialogs.h"
#include "window/TForm1.h"

#include <QApplication>

namespace Torvane {

void setUpWindowApplication() {
    QApplication::setApplicationName(applicationTitle());
    QApplication::setApplicationVersion(applicationVersion());
}

int runWindow(int& argc, char** argv) {
    QApplication app(argc, argv);
    setUpWindowApplication();
    QtDialogs dialogs;
    TForm1 form(dialogs);
    dialogs.setParent(&form);
    form.show();
    return app.exec();
}

} // namespace Torvane

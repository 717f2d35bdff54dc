#include "reports/CommandLine.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (auto rc = runCommandLine(argc, argv))
        return *rc;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hydro Plant\u00B4s Cadastre Editor"));
    return 0;
}

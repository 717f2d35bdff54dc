#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hydro Plant\u00B4s Cadastre Editor"));
    return 0;
}

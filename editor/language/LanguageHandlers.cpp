// The interface language's handlers of the main window.
#include "window/TFRMeditor.h"

void TFRMeditor::InitLanguage() {}

void TFRMeditor::MnEditLanPortClick() {
    setBaseTitle(QStringLiteral("Visualizador do Cadastro de Usinas Hidráulicas"));
}

void TFRMeditor::MnEditLanEngClick() {}

void TFRMeditor::MnHelpAboutClick() {}

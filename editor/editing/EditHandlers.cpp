// The plant editing handlers of the main window.
#include "window/TFRMeditor.h"

void TFRMeditor::MnEditPlantCreateClick() {}

void TFRMeditor::MnEditPlantChangeClick() {}

void TFRMeditor::MnEditPlantDelClick() {}

void TFRMeditor::BTNsavechangeClick() {}

void TFRMeditor::BTNcancelchangeClick() {}

void TFRMeditor::MnEditGerAltClick() {}

void TFRMeditor::ChangeTXTsAppearance(bool) {}

// The report handlers of the main window: export and print-outs.
#include "window/TFRMeditor.h"

void TFRMeditor::MnFileExpClick() {}

void TFRMeditor::MnFilePrintCurScrClick() {}

void TFRMeditor::MnFilePrintCurDataClick() {}

void TFRMeditor::MnFilePrintAllDataClick() {}

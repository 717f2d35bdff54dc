// The report handlers of the main window: export and print-outs. They gather what the
// window holds and hand it to the report commands.
#include "window/TFRMeditor.h"

#include "reports/SheetLayout.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QGroupBox>
#include <QImage>

namespace {

QStringList entriesOf(const QComboBox* list) {
    QStringList entries;
    if (!list)
        return entries;
    entries.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->itemText(i));
    return entries;
}

// The language of the success text: the item checked in the Language menu.
CsvExport::Language checkedLanguage(const TFRMeditor& window) {
    if (window.isPortugueseChecked())
        return CsvExport::Language::Portuguese;
    if (window.isEnglishChecked())
        return CsvExport::Language::English;
    if (window.MnEditLanEsp && window.MnEditLanEsp->isChecked())
        return CsvExport::Language::Spanish;
    if (window.MnEditLanFran && window.MnEditLanFran->isChecked())
        return CsvExport::Language::French;
    return CsvExport::Language::Portuguese;
}

} // namespace

ReportPrinter& TFRMeditor::reportPrinter() {
    if (!Reports)
        Reports = std::make_unique<ReportPrinter>();
    return *Reports;
}

QString TFRMeditor::printFooter() const {
    return footerLine(windowTitle(), QDateTime::currentDateTime(), NumberLocale);
}

SheetTexts TFRMeditor::currentSheetTexts() const {
    SheetTexts texts = sheetTextsFromControls(*this);
    texts.footer = printFooter();
    return texts;
}

void TFRMeditor::MnFileExpClick() {
    ExportRequest request;
    request.startDir = StartDir;
    request.registryFile = RegistryFileName;
    request.entries = entriesOf(ComboBox2);
    request.plantNames = PlantNames;
    request.lists = Lookup;
    request.locale = NumberLocale;
    request.language = checkedLanguage(*this);
    runExportCommand(Dlg, request);
}

void TFRMeditor::MnFilePrintCurScrClick() {
    // The client area without the menu bar, as it stands on the screen now.
    reportPrinter().printScreen(
        Dlg, [this] { return centralWidget()->grab().toImage(); },
        [this] { return printFooter(); });
}

void TFRMeditor::MnFilePrintCurDataClick() {
    reportPrinter().printSheet(Dlg, [this] { return currentSheetTexts(); });
}

void TFRMeditor::MnFilePrintAllDataClick() {
    AllPlantsJob job;
    job.entries = entriesOf(ComboBox2);
    job.plantNames = PlantNames;
    job.lists = Lookup;
    job.locale = NumberLocale;
    job.captions = {GroupBox1->title(), GroupBox2->title(), GroupBox3->title()};
    job.footer = [this] { return printFooter(); };
    // The window repaints between plants; no user input gets in, so no command starts.
    job.beforeEachPlant = [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    reportPrinter().printAllPlants(Dlg, RegistryFileName, job);
}

#include "reports/ReportPrinter.h"

#include "core/Dialogs.h"
#include "language/WorkbookTexts.h"

#include <QFileInfo>
#include <QCursor>
#include <QGuiApplication>
#include <QPrinter>

bool runExportCommand(Dialogs& dialogs, const ExportRequest& request) {
    const QString csvType = QStringLiteral("CSV (Comma Delimited) (*.csv)");
    const QString workbookType = workbookText(WorkbookText::FileType, request.language);
    QString chosenType;
    const QString chosen = dialogs.saveFileOfTypeFor(
        FileKind::Export, QStringLiteral("Export"), csvType + QStringLiteral(";;") + workbookType,
        request.startDir, QStringLiteral("CadUsH.csv"), true, chosenType);
    if (chosen.isEmpty())
        return false;
    // The workbook's type or a name ending in ".xlsx" asks for a workbook; anything else is the
    // CSV, under its own name rule.
    const bool workbook = chosenType == workbookType || Workbook::isWorkbookName(chosen);
    // The save dialog asked about the name chosen; a name the rule changed is asked here.
    // The proposed "CadUsH.csv" kept under the workbook's type becomes "CadUsH.xlsx".
    QString target = chosen;
    if (!workbook)
        target = CsvExport::targetName(chosen);
    else if (!Workbook::isWorkbookName(chosen))
        target = (chosen.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? chosen.chopped(4)
                                                                               : chosen) +
                 QStringLiteral(".xlsx");
    if (!CsvExport::mayWriteTarget(chosen, target, request.refusal, dialogs))
        return false;
    CsvExport::Source source;
    source.registryFile = request.registryFile;
    source.entries = &request.entries;
    source.plantNames = &request.plantNames;
    source.lists = &request.lists;
    source.locale = request.locale;
    source.form = request.form;
    source.workbook = workbook;
    if (!CsvExport::exportToFile(source, target, dialogs))
        return false;
    dialogs.message(MessageKind::Information,
                    workbook ? workbookText(WorkbookText::Written, request.language)
                             : request.successText);
    return true;
}

namespace {

// The hourglass for as long as a print runs.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// A PDF file that may not be written is refused before anything is printed.
bool refused(Dialogs& dialogs, const QPrinter& printer,
             const std::function<QString(const QString&)>& refusal) {
    const QString why = refusal && printer.outputFormat() == QPrinter::PdfFormat
                            ? refusal(printer.outputFileName())
                            : QString();
    if (!why.isEmpty())
        dialogs.message(MessageKind::Warning, why);
    return !why.isEmpty();
}

bool report(Dialogs& dialogs, const PrintResult& result) {
    if (result.status == PrintResult::Status::Failed && !result.error.isEmpty())
        dialogs.message(MessageKind::Error, result.error);
    return result.printed();
}

} // namespace

ReportPrinter::ReportPrinter() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

ReportPrinter::~ReportPrinter() = default;

bool ReportPrinter::printSheet(Dialogs& dialogs, const std::function<SheetTexts()>& texts) {
    PrintRequest request;
    request.warnWithoutPrinter = true;
    if (!dialogs.choosePrinter(*m_printer, request) || refused(dialogs, *m_printer, refusal))
        return false;
    const WaitCursor wait;
    const LandscapeScope landscape(*m_printer);
    return report(dialogs, ::printSheet(*m_printer, texts()));
}

bool ReportPrinter::printAllPlants(Dialogs& dialogs, const QString& registryFile,
                                   AllPlantsJob job) {
    const int count = int(job.entries.size());
    if (count == 0)
        return false; // no plant in use: no page to offer
    PrintRequest request;
    request.warnWithoutPrinter = false;
    request.allowPageRange = true;
    request.minPage = 1;
    request.maxPage = count;
    if (!dialogs.choosePrinter(*m_printer, request) || refused(dialogs, *m_printer, refusal))
        return false;
    const WaitCursor wait;
    const LandscapeScope landscape(*m_printer);
    // The dialog leaves no range (0) when every page is to print.
    job.fromPage = m_printer->fromPage();
    job.toPage = m_printer->toPage();
    return report(dialogs, printAllPlantsFromFile(*m_printer, registryFile, job, dialogs));
}

bool ReportPrinter::printScreen(Dialogs& dialogs, const std::function<QImage()>& grab,
                                const std::function<QString()>& footer) {
    PrintRequest request;
    request.warnWithoutPrinter = true;
    if (!dialogs.choosePrinter(*m_printer, request) || refused(dialogs, *m_printer, refusal))
        return false;
    const WaitCursor wait;
    const LandscapeScope landscape(*m_printer);
    const QImage image = grab();
    return report(dialogs, ::printScreen(*m_printer, image, footer()));
}

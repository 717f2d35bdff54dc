#include "reports/ReportPrinter.h"

#include "core/Dialogs.h"

#include <QFileInfo>
#include <QCursor>
#include <QGuiApplication>
#include <QPrinter>

bool runExportCommand(Dialogs& dialogs, const ExportRequest& request) {
    const QString chosen = dialogs.saveFileFor(
        FileKind::Export, QStringLiteral("Export"), QStringLiteral("CSV (Comma Delimited) (*.csv)"),
        request.startDir, QStringLiteral("CadUsH.csv"), true);
    if (chosen.isEmpty())
        return false;
    // The save dialog asked about the name chosen; a name the rule changed is asked here.
    const QString target = CsvExport::targetName(chosen);
    if (const QString why = request.refusal ? request.refusal(target) : QString(); !why.isEmpty()) {
        dialogs.message(MessageKind::Warning, why);
        return false;
    }
    if (target != chosen && QFileInfo::exists(target) &&
        !dialogs.confirm(CsvExport::replaceQuestion(target)))
        return false;
    CsvExport::Source source;
    source.registryFile = request.registryFile;
    source.entries = &request.entries;
    source.plantNames = &request.plantNames;
    source.lists = &request.lists;
    source.locale = request.locale;
    source.form = request.form;
    if (!CsvExport::exportToFile(source, target, dialogs))
        return false;
    dialogs.message(MessageKind::Information, request.successText);
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

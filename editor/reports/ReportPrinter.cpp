#include "reports/ReportPrinter.h"

#include "registry/PlantTexts.h"
#include "window/Dialogs.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPrinter>
#include <QTableWidget>
#include <QVariant>

bool runExportCommand(Dialogs& dialogs, const ExportRequest& request) {
    const QString chosen =
        dialogs.saveFile(QStringLiteral("Export"), QStringLiteral("CSV (Comma Delimited) (*.csv)"),
                         request.startDir, QStringLiteral("CadUsH.csv"), true);
    if (chosen.isEmpty())
        return false;
    // The save dialog asked about the name chosen; a name the rule changed is asked here.
    const QString target = CsvExport::targetName(chosen);
    if (target != chosen && QFileInfo::exists(target) &&
        !dialogs.confirm(CsvExport::replaceQuestion(target)))
        return false;
    CsvExport::Source source;
    source.registryFile = request.registryFile;
    source.entries = &request.entries;
    source.plantNames = &request.plantNames;
    source.lists = &request.lists;
    source.locale = request.locale;
    if (!CsvExport::exportToFile(source, target, dialogs))
        return false;
    dialogs.message(MessageKind::Information, CsvExport::successText(request.language));
    return true;
}

namespace {

QString controlText(const QWidget& window, const QString& name) {
    const QWidget* control = window.findChild<QWidget*>(name);
    return control ? control->property("text").toString() : QString();
}

GridTexts gridTexts(const QWidget& window, const QString& name, int columns) {
    const QTableWidget* grid = window.findChild<QTableWidget*>(name);
    if (!grid)
        return GridTexts(columns, 0);
    GridTexts texts(columns, grid->rowCount());
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < columns && column < grid->columnCount(); ++column)
            if (const QTableWidgetItem* item = grid->item(row, column)) // null when never set
                texts.set(row, column, item->text());
    return texts;
}

// The hourglass for as long as a print runs.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

bool report(Dialogs& dialogs, const PrintResult& result) {
    if (result.status == PrintResult::Status::Failed && !result.error.isEmpty())
        dialogs.message(MessageKind::Error, result.error);
    return result.printed();
}

} // namespace

SheetTexts sheetTextsFromControls(const QWidget& window) {
    SheetTexts texts;
    for (const QString& name : plantBoxNames())
        texts.values.boxes[name] = controlText(window, name);
    texts.values.PCVA = gridTexts(window, QStringLiteral("StrGr_PCVA"), 5);
    texts.values.EvapM = gridTexts(window, QStringLiteral("StrGr_EvapM"), 12);
    texts.values.ConjMaq1 = gridTexts(window, QStringLiteral("StrGr_ConjMaq1"), 5);
    texts.values.ConjMaq2 = gridTexts(window, QStringLiteral("StrGr_ConjMaq2"), 7);
    texts.values.PolsJus = gridTexts(window, QStringLiteral("StrGr_PolsJus"), 7);
    texts.title = controlText(window, QStringLiteral("TXT_Cod")) + QStringLiteral(" - ") +
                  controlText(window, QStringLiteral("TXT_Nome"));
    for (int i = 0; i < 3; ++i) {
        const auto* box = window.findChild<QGroupBox*>(QStringLiteral("GroupBox%1").arg(i + 1));
        texts.captions[i] = box ? box->title() : QString();
    }
    return texts;
}

ReportPrinter::ReportPrinter() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

ReportPrinter::~ReportPrinter() = default;

bool ReportPrinter::printSheet(Dialogs& dialogs, const std::function<SheetTexts()>& texts) {
    PrintRequest request;
    request.warnWithoutPrinter = true;
    if (!dialogs.choosePrinter(*m_printer, request))
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
    if (!dialogs.choosePrinter(*m_printer, request))
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
    if (!dialogs.choosePrinter(*m_printer, request))
        return false;
    const WaitCursor wait;
    const LandscapeScope landscape(*m_printer);
    const QImage image = grab();
    return report(dialogs, ::printScreen(*m_printer, image, footer()));
}

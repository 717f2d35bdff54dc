#include "reports/PrintJobs.h"

#include "registry/AnsiText.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "registry/TCadHd.h"
#include "reports/CsvExport.h"
#include "reports/SheetPainter.h"
#include "core/Dialogs.h"

#include "files/SafeWrite.h"
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <QSaveFile>
#include <algorithm>

LandscapeScope::LandscapeScope(QPrinter& printer)
    : m_printer(printer), m_saved(printer.pageLayout().orientation()) {
    m_printer.setPageOrientation(QPageLayout::Landscape);
}

LandscapeScope::~LandscapeScope() {
    m_printer.setPageOrientation(m_saved);
}

struct PrintJob::Pdf {
    WholeSaveFile file;
    std::unique_ptr<QPdfWriter> writer;
    explicit Pdf(const QString& name) : file(name) {}
};

PrintJob::PrintJob(QPrinter& printer, const QString& title) : m_printer(printer), m_title(title) {}

PrintJob::~PrintJob() {
    if (m_active)
        abandon();
}

bool PrintJob::begin() {
    m_painter = std::make_unique<QPainter>();
    if (m_printer.outputFormat() == QPrinter::PdfFormat) {
        const QString name = m_printer.outputFileName();
        if (name.isEmpty()) {
            m_error = QStringLiteral("The print job has no output file.");
            return false;
        }
        m_pdf = std::make_unique<Pdf>(name);
        if (!m_pdf->file.openForWriting()) {
            m_error = cannotWriteText(name, m_pdf->file.errorString());
            m_pdf.reset();
            return false;
        }
        m_pdf->writer = std::make_unique<QPdfWriter>(&m_pdf->file);
        m_pdf->writer->setTitle(m_title);
        m_pdf->writer->setCreator(applicationCaption());
        m_pdf->writer->setResolution(m_printer.resolution());
        m_pdf->writer->setPageLayout(m_printer.pageLayout());
        if (!m_painter->begin(m_pdf->writer.get())) {
            m_error = QStringLiteral("The print job could not be started.");
            m_pdf->file.cancelWriting();
            m_pdf.reset();
            return false;
        }
    } else {
        m_printer.setDocName(m_title);
        if (!m_painter->begin(&m_printer)) {
            m_error = QStringLiteral("The print job could not be started.");
            return false;
        }
    }
    m_active = true;
    return true;
}

QSize PrintJob::pageSize() const {
    if (m_pdf)
        return m_pdf->writer->pageLayout().paintRectPixels(m_pdf->writer->resolution()).size();
    return m_printer.pageRect(QPrinter::DevicePixel).toRect().size();
}

QPainter& PrintJob::painter() {
    return *m_painter;
}

QPaintDevice* PrintJob::device() const {
    if (m_pdf)
        return m_pdf->writer.get();
    return &m_printer;
}

bool PrintJob::newPage() {
    const bool ok = m_pdf ? m_pdf->writer->newPage() : m_printer.newPage();
    if (!ok)
        m_error = QStringLiteral("The printer could not start a new page.");
    return ok;
}

bool PrintJob::finish() {
    if (!m_active)
        return false;
    m_active = false;
    if (!m_painter->end()) {
        m_error = QStringLiteral("The print job could not be completed.");
        if (m_pdf)
            m_pdf->file.cancelWriting();
        return false;
    }
    if (m_pdf) {
        m_pdf->writer.reset(); // flushes the document's last bytes
        // The system's reason for a write that failed ("No space left on device"): commit()
        // refuses the file but leaves only "Unknown error" to tell.
        const QString reason =
            m_pdf->file.error() != QFileDevice::NoError ? m_pdf->file.errorString() : QString();
        if (!m_pdf->file.commit()) {
            m_error = cannotWriteText(m_pdf->file.fileName(),
                                      reason.isEmpty() ? m_pdf->file.errorString() : reason);
            return false;
        }
    }
    return true;
}

void PrintJob::abandon() {
    if (!m_active)
        return;
    m_active = false;
    if (m_pdf) {
        m_painter->end();
        m_pdf->file.cancelWriting();
    } else {
        m_printer.abort();
        if (m_painter->isActive())
            m_painter->end();
    }
}

namespace {

PrintResult failed(const QString& error) {
    PrintResult r;
    r.status = PrintResult::Status::Failed;
    r.error = error;
    return r;
}

// Runs a job of `count` pages, each laid out by `page` on the job's printable area; a
// page that cannot be laid out abandons the whole job.
PrintResult runJob(QPrinter& printer, int count,
                   const std::function<SheetLayout(int, QSize, const TextWidth&)>& page) {
    PrintJob job(printer, PrintJobTitle);
    if (!job.begin())
        return failed(job.error());
    const TextWidth width = textWidthOn(job.device());
    const QSize size = job.pageSize();
    int printed = 0;
    for (int i = 0; i < count; ++i) {
        const SheetLayout layout = page(i, size, width);
        if (!layout.ok) {
            if (layout.error.isEmpty())
                continue; // nothing on this page
            job.abandon();
            return failed(layout.error);
        }
        if (printed > 0 && !job.newPage()) {
            job.abandon();
            return failed(job.error());
        }
        paintCommands(job.painter(), layout.commands);
        ++printed;
    }
    if (printed == 0) {
        job.abandon();
        PrintResult r;
        r.status = PrintResult::Status::NothingToPrint;
        return r;
    }
    if (!job.finish())
        return failed(job.error());
    PrintResult r;
    r.status = PrintResult::Status::Printed;
    r.pages = printed;
    return r;
}

} // namespace

PrintResult printSheet(QPrinter& printer, const SheetTexts& texts) {
    return runJob(printer, 1, [&](int, QSize size, const TextWidth& width) {
        return layoutSheet(texts, SheetKind::Single, size, width, logoResource());
    });
}

PageSpan pageSpan(int entries, int fromPage, int toPage) {
    PageSpan span;
    const int from = fromPage <= 0 ? 1 : fromPage;
    const int to = toPage <= 0 ? entries : std::min(toPage, entries);
    if (from > to)
        return span;
    span.first = from - 1;
    span.count = to - from + 1;
    return span;
}

PrintResult printAllPlants(QPrinter& printer, const AllPlantsJob& job) {
    const PageSpan span = pageSpan(int(job.entries.size()), job.fromPage, job.toPage);
    if (span.count == 0) {
        PrintResult r;
        r.status = PrintResult::Status::NothingToPrint;
        return r;
    }
    return runJob(printer, span.count, [&](int i, QSize size, const TextWidth& width) {
        SheetLayout none;
        const int code = codeTextOfEntry(job.entries.at(span.first + i), true).toInt();
        const RecordForm form = resolveForm(job.form, job.registry.size());
        const qint64 bytes = recordSize(form);
        const qint64 offset = qint64(code - 1) * bytes;
        if (code < 1 || offset >= job.registry.size())
            return none;
        TUsinaHd plant;
        decodePlant(job.registry.constData() + offset,
                    std::size_t(std::min<qint64>(bytes, job.registry.size() - offset)), plant,
                    form);
        // The list may be older than the file: a slot emptied since is skipped.
        if (plant.Nome[0] == ' ' || plant.Nome[0] == '\0')
            return none;
        SheetTexts texts = sheetTextsFromRecord(code, plant, job.lists, job.plantNames, job.locale);
        texts.captions = job.captions;
        if (job.beforeEachPlant)
            job.beforeEachPlant();
        texts.footer = job.footer ? job.footer() : QString();
        return layoutSheet(texts, SheetKind::AllPlants, size, width, logoResource());
    });
}

PrintResult printAllPlantsFromFile(QPrinter& printer, const QString& registryFile, AllPlantsJob job,
                                   Dialogs& dialogs) {
    if (registryFile.isEmpty() || !readWholeFile(registryFile, job.registry)) {
        dialogs.message(MessageKind::Plain, RegistryTexts::ReadProblem);
        return failed(QString());
    }
    if (job.entries.isEmpty() && job.plantNames.isEmpty()) {
        PlantList list = plantListFromBytes(job.registry, job.form);
        job.entries = std::move(list.entries);
        job.plantNames = std::move(list.plantNames);
    }
    return printAllPlants(printer, job);
}

PrintResult printScreen(QPrinter& printer, const QImage& window, const QString& footer) {
    return runJob(printer, 1, [&](int, QSize size, const TextWidth&) {
        SheetLayout layout;
        layout.commands = layoutScreenPrint(window, footer, size);
        layout.ok = true;
        return layout;
    });
}

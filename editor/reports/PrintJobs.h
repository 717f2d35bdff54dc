#pragma once
// The print jobs of the reports: one data sheet, every plant in use, the window image.
// They take a QPrinter as the user left it in the print dialog; a printer that writes a
// PDF file gets the file only once the job has completed.

#include "registry/LookupLists.h"
#include "registry/PlantCodec.h"
#include "reports/SheetLayout.h"

#include <QByteArray>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class QPainter;
class QPaintDevice;
class QPrinter;
class Dialogs;

inline const QString PrintJobTitle = QStringLiteral("Velarin Graph Module");

// Landscape for as long as it lives; the printer's own orientation comes back however the
// print ends.
class LandscapeScope {
public:
    explicit LandscapeScope(QPrinter& printer);
    ~LandscapeScope();
    LandscapeScope(const LandscapeScope&) = delete;
    LandscapeScope& operator=(const LandscapeScope&) = delete;

private:
    QPrinter& m_printer;
    QPageLayout::Orientation m_saved;
};

// One print job. A printer device is painted directly and aborted when abandoned. A printer
// set to write a PDF file is painted through a QPdfWriter, with the printer's page layout and
// resolution, onto a QSaveFile of that name: an abandoned job leaves no file, a finished one
// replaces the file in one step.
class PrintJob {
public:
    PrintJob(QPrinter& printer, const QString& title);
    ~PrintJob(); // an unfinished job is abandoned
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    bool begin();
    // The printable area in device units.
    QSize pageSize() const;
    QPainter& painter();
    QPaintDevice* device() const;
    bool newPage();
    bool finish();
    void abandon();
    QString error() const { return m_error; }

private:
    struct Pdf;
    QPrinter& m_printer;
    QString m_title;
    std::unique_ptr<Pdf> m_pdf;
    std::unique_ptr<QPainter> m_painter;
    QString m_error;
    bool m_active = false;
};

struct PrintResult {
    enum class Status { Printed, NothingToPrint, Failed };
    Status status = Status::Failed;
    QString error; // Failed: the message for the general error display
    int pages = 0;
    bool printed() const { return status == Status::Printed; }
};

// The plant on screen: one sheet of the texts taken from the window.
PrintResult printSheet(QPrinter& printer, const SheetTexts& texts);

// Every plant in use, one sheet each, in code order, from the registry's bytes read once.
// Pages fromPage..toPage are the fromPage-th to the toPage-th plant in use; 0 for either end
// means the first or the last plant.
struct AllPlantsJob {
    QByteArray registry;
    RecordForm form = RecordForm::BySize; // of the registry's records
    QStringList entries;                  // the plant list, "code - name", code order
    QStringList plantNames;               // the name table
    LookupLists lists;
    QLocale locale;
    std::array<QString, 3> captions = portugueseCaptions();
    std::function<QString()> footer;       // the footer line at the moment a page is drawn
    std::function<void()> beforeEachPlant; // lets the window repaint
    int fromPage = 0;
    int toPage = 0;
};
PrintResult printAllPlants(QPrinter& printer, const AllPlantsJob& job);

// The same, reading the registry file once (job.registry is replaced). An unreadable file
// shows the registry's read message once, prints nothing and answers Failed with no error
// text of its own; empty entries and plant names are taken from the file's bytes.
PrintResult printAllPlantsFromFile(QPrinter& printer, const QString& registryFile, AllPlantsJob job,
                                   Dialogs& dialogs);

// The window image stretched into 5 %..95 % of the page, and the footer.
PrintResult printScreen(QPrinter& printer, const QImage& window, const QString& footer);

// The registry's print pages: which list entries a range selects (clamped to the list).
struct PageSpan {
    int first = 0; // index into the entries
    int count = 0;
};
PageSpan pageSpan(int entries, int fromPage, int toPage);

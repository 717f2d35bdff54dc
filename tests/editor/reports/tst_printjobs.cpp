// The print jobs on real PDF output, read back with poppler's tools.

#include "ReportSamples.h"
#include "ScriptedDialogs.h"
#include "registry/LookupLists.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "registry/TCadHd.h"
#include "reports/PrintJobs.h"
#include "reports/SheetPainter.h"

#include <QDir>
#include <QFontInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace ReportSamples;

namespace {

std::unique_ptr<QPrinter> pdfPrinter(const QString& file) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

LookupLists defaults() {
    LookupLists lists;
    lists.setDefaults();
    return lists;
}

SheetTexts singleTexts() {
    QStringList names = PlantList::emptyPlantNames();
    names[5] = QStringLiteral("BETA        ");
    SheetTexts t;
    t.values = plantDisplayTexts(knownPlant(), defaults(), names, QLocale::c());
    t.title = QStringLiteral("7 - ") + t.values.box("TXT_Nome");
    t.captions = portugueseCaptions();
    t.footer = QStringLiteral("Velarin - /dados/HIDR.DAT - 04/03/2026 05:06:07");
    return t;
}

// Blanks collapsed, so that a check does not depend on how pdftotext spaces columns.
QString simplified(const QString& text) {
    return QString(text).replace(QRegularExpression(QStringLiteral("[ \\t]+")),
                                 QStringLiteral(" "));
}

// Plants in use at 2, 5 and 9; 4 starts with a blank and 6 was vacated.
QByteArray threePlants() {
    TUsinaHd five = knownPlant();
    setText(five.Nome.data(), five.Nome.size(), "Rio Claro");
    QByteArray reg = registry({{2, namedPlant("ALFA")},
                               {4, namedPlant(" FANTASMA")},
                               {5, five},
                               {9, namedPlant("CACHOEIRA")}},
                              10);
    reg.replace(5 * RecordSize, RecordSize, QByteArray(RecordSize, ' '));
    return reg;
}

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

class TestPrintJobs : public QObject {
    Q_OBJECT

private slots:
    void sheetFontIsMonospaced();
    void textsLookAsDrawText_data();
    void textsLookAsDrawText();
    void headingUnderlineClearsTheLineBelow();
    void landscapeIsRestored_data();
    void landscapeIsRestored();
    void pageIsThePrintableArea();
    void singleSheetPdf();
    void allPlants_data();
    void allPlants();
    void abandonedJobLeavesTheFile_data();
    void abandonedJobLeavesTheFile();
    void unreadableRegistryPrintsNothing();
    void screenPrintFillsTheMargins();
};

void TestPrintJobs::sheetFontIsMonospaced() {
    QImage image(100, 100, QImage::Format_RGB32);
    const TextWidth width = textWidthOn(&image);
    QCOMPARE(width(SheetFont::Body, "iiiiiiiiii"), width(SheetFont::Body, "MMMMMMMMMM"));
    QVERIFY(width(SheetFont::Title, "MMMM") > width(SheetFont::Heading, "MMMM"));
    const QString family = QFontInfo(sheetFont(SheetFont::Body)).family();
    QVERIFY2(family == "Courier New" || family == "Liberation Mono", qPrintable(family));
    QVERIFY(sheetFont(SheetFont::Heading).underline());
    QCOMPARE(sheetFont(SheetFont::Footer).pointSize(), 6);
}

// The sheet's texts are set glyph by glyph with the blanks left out; on paper they must be
// what QPainter::drawText sets, whatever they hold (a character the face lacks included).
void TestPrintJobs::textsLookAsDrawText_data() {
    QTest::addColumn<int>("font");
    QTest::addColumn<QString>("text");
    QTest::newRow("columns") << int(SheetFont::Body) << "Volume Máximo: 5000.25      hm3";
    QTest::newRow("leading and trailing blanks") << int(SheetFont::Body) << "   1 - SUL   ";
    QTest::newRow("blanks only") << int(SheetFont::Body) << "      ";
    QTest::newRow("title, code page letters") << int(SheetFont::Title) << "12 - ÉBANO € ÇÃ ";
    QTest::newRow("underlined heading") << int(SheetFont::Heading) << "RESERVATóRIO  X";
    QTest::newRow("soft hyphen, no-break space")
        << int(SheetFont::Body) << QString::fromUtf8("ABC\u00adDEF\u00a0G H");
    QTest::newRow("a Windows-1252 symbol")
        << int(SheetFont::Body) << QString::fromUtf8("A \u2030 B");
    QTest::newRow("footer, a letter the face lacks")
        << int(SheetFont::Footer) << "Velarin - 水力.DAT - 01/02/2026 10:00:00";
}

void TestPrintJobs::textsLookAsDrawText() {
    QFETCH(int, font);
    QFETCH(QString, text);
    const auto blank = [] {
        QImage image(1600, 120, QImage::Format_ARGB32);
        image.fill(Qt::white);
        return image;
    };
    QImage expected = blank();
    {
        QPainter painter(&expected);
        painter.setFont(sheetFont(SheetFont(font)));
        painter.drawText(QPoint(17, 9 + painter.fontMetrics().ascent()), text);
    }
    QImage drawn = blank();
    {
        QPainter painter(&drawn);
        DrawCommand command;
        command.font = SheetFont(font);
        command.pos = QPoint(17, 9);
        command.text = text;
        paintCommands(painter, {command});
    }
    QCOMPARE(drawn, expected);
}

// A heading's underline lies below the heading and above the line drawn under it at the
// sheet's spacing (0.02 of the page), on the landscape page of the printer's own margins.
void TestPrintJobs::headingUnderlineClearsTheLineBelow() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    const int dpi = 300, height = qRound(printer.pageRect(QPrinter::Inch).height() * dpi);
    QImage image(3000, height / 4, QImage::Format_Grayscale8);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    DrawCommand heading, below;
    heading.font = SheetFont::Heading;
    heading.pos = QPoint(100, 50);
    heading.text = QStringLiteral("RESERVATÓRIO");
    below.pos = QPoint(100, 50 + pageFraction(20, height));
    below.text = QStringLiteral("ÁÉÍÓÚ Máximo lbdhkt");
    {
        QPainter painter(&image);
        paintCommands(painter, {heading, below});
    }
    // The underline: the rows inked across nine tenths of the heading's width.
    const QFontMetrics metrics(sheetFont(SheetFont::Heading), &image);
    const int width = metrics.horizontalAdvance(heading.text);
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y) + heading.pos.x();
        if (std::count_if(line, line + width, [](uchar v) { return v < 128; }) * 10 >= width * 9)
            rows << y;
    }
    QVERIFY(!rows.isEmpty());
    QVERIFY(rows.first() >= heading.pos.y() + metrics.ascent());
    QVERIFY2(rows.last() < below.pos.y(), qPrintable(QString::number(rows.last())));
}

void TestPrintJobs::landscapeIsRestored_data() {
    QTest::addColumn<int>("orientation");
    QTest::newRow("portrait") << int(QPageLayout::Portrait);
    QTest::newRow("landscape") << int(QPageLayout::Landscape);
}

void TestPrintJobs::landscapeIsRestored() {
    QFETCH(int, orientation);
    QPrinter printer;
    printer.setPageOrientation(QPageLayout::Orientation(orientation));
    {
        const LandscapeScope scope(printer);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    }
    QCOMPARE(int(printer.pageLayout().orientation()), orientation);
}

void TestPrintJobs::pageIsThePrintableArea() {
    QTemporaryDir dir;
    auto printer = pdfPrinter(dir.filePath("p.pdf"));
    const LandscapeScope scope(*printer);
    PrintJob job(*printer, PrintJobTitle);
    QVERIFY(job.begin());
    const QSize size = job.pageSize();
    QCOMPARE(size, printer->pageRect(QPrinter::DevicePixel).toRect().size());
    QVERIFY(size.width() > size.height());
    QCOMPARE(job.device()->width(), size.width());
    QCOMPARE(job.device()->height(), size.height());
    // Nothing is in place until the job completes.
    QVERIFY(!QFileInfo::exists(dir.filePath("p.pdf")));
    QVERIFY(job.finish());
    QCOMPARE(pdfPages(dir.filePath("p.pdf")), 1);
}

void TestPrintJobs::singleSheetPdf() {
    QTemporaryDir dir;
    const QString file = dir.filePath("sheet.pdf");
    auto printer = pdfPrinter(file);
    const LandscapeScope scope(*printer);
    const PrintResult result = printSheet(*printer, singleTexts());
    QVERIFY2(result.printed(), qPrintable(result.error));
    QCOMPARE(result.pages, 1);
    QCOMPARE(pdfPages(file), 1);
    const QString info = QString::fromUtf8(runTool("pdfinfo", {file}));
    QVERIFY(info.contains("Velarin Graph Module"));
    QVERIFY(info.contains(QRegularExpression("Page size:\\s+84[12](\\.\\d+)? x 595(\\.\\d+)?")));
    const QString text = simplified(pdfText(file));
    for (const char* expected :
         {"7 - SERRA AZUL",
          "CADASTRO",
          "RESERVATÓRIO",
          "USINA",
          "Data: 01/02/26",
          "Obs.: Usina de teste, ficticia",
          "Sistema: 1 - Sudeste",
          "Jusante: 5 - BETA",
          "Volume Máximo: 5678.25 hm3",
          "Regulação: S - Semanal",
          "POLINÔMIOS: COTA X VOLUME 3.015000E+02 -2.500000E-01",
          "JAN FEV MAR ABR MAI JUN JUL AGO SET OUT NOV DEZ",
          "Evaporação Mensal (mm/mês): 12 -123 1250 4 5",
          "Influência do Vert. no Canal de Fuga",
          "# #MAQ POTEF QEF HEF",
          "1 3 125.5 210 95.75",
          "2 2 80.5 150 60.50",
          "PH 5.000000E-01 2.500000E-01",
          "POLINOMIOS DE JUSANTE # A0",
          "1 3.105000E+02 1.250000E-01 -5.000000E-01 0.000000E+00 1.000000E-07 305.25",
          "Velarin - /dados/HIDR.DAT - 04/03/2026 05:06:07"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    QVERIFY(filesIn(dir.path()) == QStringList{"sheet.pdf"});
}

void TestPrintJobs::allPlants_data() {
    QTest::addColumn<int>("fromPage");
    QTest::addColumn<int>("toPage");
    QTest::addColumn<QStringList>("titles"); // one per page, in order
    QTest::newRow("whole range") << 0 << 0
                                 << QStringList{"2 - ALFA", "5 - Rio Claro", "9 - CACHOEIRA"};
    QTest::newRow("1 to 2") << 1 << 2 << QStringList{"2 - ALFA", "5 - Rio Claro"};
    QTest::newRow("2 to 3: the lower end counts")
        << 2 << 3 << QStringList{"5 - Rio Claro", "9 - CACHOEIRA"};
    QTest::newRow("3 to 3") << 3 << 3 << QStringList{"9 - CACHOEIRA"};
    QTest::newRow("upper end past the list")
        << 2 << 7 << QStringList{"5 - Rio Claro", "9 - CACHOEIRA"};
    QTest::newRow("range past the list: nothing") << 4 << 5 << QStringList{};
}

void TestPrintJobs::allPlants() {
    QFETCH(int, fromPage);
    QFETCH(int, toPage);
    QFETCH(QStringList, titles);
    QTemporaryDir dir;
    const QString file = dir.filePath("all.pdf");
    auto printer = pdfPrinter(file);
    const LandscapeScope scope(*printer);

    AllPlantsJob job;
    job.registry = threePlants();
    const PlantList list = plantListFromBytes(job.registry);
    job.entries = list.entries;
    job.plantNames = list.plantNames;
    job.lists = defaults();
    job.locale = QLocale(QLocale::Portuguese, QLocale::Brazil);
    int footers = 0;
    job.footer = [&] { return QStringLiteral("rodape %1").arg(++footers); };
    int repaints = 0;
    job.beforeEachPlant = [&] { ++repaints; };
    job.fromPage = fromPage;
    job.toPage = toPage;
    const PrintResult result = printAllPlants(*printer, job);

    QCOMPARE(repaints, int(titles.size()));
    if (titles.isEmpty()) {
        QCOMPARE(result.status, PrintResult::Status::NothingToPrint);
        QVERIFY(filesIn(dir.path()).isEmpty());
        return;
    }
    QVERIFY2(result.printed(), qPrintable(result.error));
    QCOMPARE(result.pages, int(titles.size()));
    QCOMPARE(pdfPages(file), int(titles.size()));
    QStringList pages = pdfText(file).split(u'\f');
    if (pages.constLast().trimmed().isEmpty())
        pages.removeLast();
    QCOMPARE(pages.size(), titles.size());
    for (int i = 0; i < titles.size(); ++i) {
        const QString page = simplified(pages.at(i));
        QVERIFY2(page.contains(titles.at(i)), qPrintable(titles.at(i)));
        QVERIFY(page.contains("RESERVATÓRIO"));
        QVERIFY(page.contains(QStringLiteral("rodape %1").arg(i + 1)));
        QVERIFY(!page.contains("FANTASMA"));
    }
    // The known plant under a comma separator, with the all-plants spacing.
    if (titles.contains("5 - Rio Claro")) {
        const QString page = simplified(pages.at(titles.indexOf("5 - Rio Claro")));
        QVERIFY(page.contains("Volume Máximo: 5678,25 hm3"));
        QVERIFY(page.contains("1 3 125,5 210 95,75"));
        QVERIFY(page.contains("Influência do Vert. no Canal de Fuga: 1 - Yes"));
    }
}

void TestPrintJobs::abandonedJobLeavesTheFile_data() {
    QTest::addColumn<bool>("existing");
    QTest::newRow("no file before") << false;
    QTest::newRow("an older file") << true;
}

void TestPrintJobs::abandonedJobLeavesTheFile() {
    QFETCH(bool, existing);
    QTemporaryDir dir;
    const QString file = dir.filePath("sheet.pdf");
    if (existing)
        QVERIFY(writeFile(file, "older"));
    auto printer = pdfPrinter(file);
    SheetTexts texts = singleTexts();
    texts.values.boxes["TXT_NGrMaq"] = QString(); // no plant selected yet
    const PrintResult result = printSheet(*printer, texts);
    QCOMPARE(result.status, PrintResult::Status::Failed);
    QCOMPARE(result.error, QString("'' is not a valid integer value"));
    QCOMPARE(filesIn(dir.path()), existing ? QStringList{"sheet.pdf"} : QStringList{});
    if (existing)
        QCOMPARE(readFile(file), QByteArray("older"));
}

void TestPrintJobs::unreadableRegistryPrintsNothing() {
    QTemporaryDir dir;
    const QString file = dir.filePath("all.pdf");
    auto printer = pdfPrinter(file);
    ScriptedDialogs dialogs;
    AllPlantsJob job;
    int repaints = 0;
    job.beforeEachPlant = [&] { ++repaints; };
    const PrintResult result =
        printAllPlantsFromFile(*printer, dir.filePath("missing.dat"), job, dialogs);
    QCOMPARE(result.status, PrintResult::Status::Failed);
    QCOMPARE(dialogs.messageLines(), QStringList{"plain: " + RegistryTexts::ReadProblem});
    QCOMPARE(repaints, 0);
    QVERIFY(filesIn(dir.path()).isEmpty());

    // An empty registry ends without a page as well, and without a message.
    QVERIFY(writeFile(dir.filePath("empty.dat"), QByteArray()));
    const PrintResult empty =
        printAllPlantsFromFile(*printer, dir.filePath("empty.dat"), job, dialogs);
    QCOMPARE(empty.status, PrintResult::Status::NothingToPrint);
    QCOMPARE(dialogs.boxes.size(), 1);
    QCOMPARE(filesIn(dir.path()), QStringList{"empty.dat"});
}

void TestPrintJobs::screenPrintFillsTheMargins() {
    QTemporaryDir dir;
    const QString file = dir.filePath("screen.pdf");
    auto printer = pdfPrinter(file);
    const LandscapeScope scope(*printer);
    // A window image wider than the page: it is stretched, not fitted.
    QImage window(900, 150, QImage::Format_RGB32);
    window.fill(Qt::red);
    const PrintResult result = printScreen(*printer, window, "Velarin - tela 04/03/2026");
    QVERIFY2(result.printed(), qPrintable(result.error));
    QVERIFY(simplified(pdfText(file)).contains("Velarin - tela 04/03/2026"));
    runTool("pdftoppm", {"-r", "20", "-png", "-singlefile", file, dir.filePath("screen")});
    QImage page(dir.filePath("screen.png"));
    QVERIFY(!page.isNull());
    const QPageLayout layout = printer->pageLayout();
    const QRectF paint = layout.paintRect(QPageLayout::Inch);
    // Page pixels of a point given as fractions of the printable area.
    const auto at = [&](double fx, double fy) {
        return page.pixelColor(int((paint.left() + fx * paint.width()) * 20),
                               int((paint.top() + fy * paint.height()) * 20));
    };
    for (const auto& [fx, fy] : {std::pair{0.07, 0.07}, {0.93, 0.93}, {0.5, 0.5}, {0.07, 0.93}})
        QVERIFY2(at(fx, fy).red() > 200 && at(fx, fy).green() < 80,
                 qPrintable(QString::number(fx)));
    for (const auto& [fx, fy] : {std::pair{0.03, 0.5}, {0.97, 0.5}, {0.5, 0.03}, {0.5, 0.965}})
        QVERIFY2(at(fx, fy).green() > 200, qPrintable(QString::number(fy)));
}

QTEST_MAIN(TestPrintJobs)
#include "tst_printjobs.moc"

// The report commands from the main window's menus, with the scripted dialogs.

#include "EditorHarness.h"
#include "ReportSamples.h"
#include "WorkbookReader.h"
#include "reports/ReportPrinter.h"
#include "reports/SheetPainter.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QtTest>

using namespace ReportSamples;

namespace {

using Kind = ScriptedDialogs::Kind;

QByteArray threePlants() {
    return registry({{2, namedPlant("ALFA")}, {5, knownPlant()}, {9, namedPlant("CACHOEIRA")}});
}

// With REPORT_TEST_KEEP naming a folder, the printed PDFs are kept there to be looked at.
void keep(const QString& pdf) {
    const QString dir = qEnvironmentVariable("REPORT_TEST_KEEP");
    if (!dir.isEmpty()) {
        const QString target = dir + u'/' + QFileInfo(pdf).fileName();
        QFile::remove(target);
        QFile::copy(pdf, target);
    }
}

QString simplified(const QString& text) {
    return QString(text).replace(QRegularExpression("[ \\t]+"), " ");
}

} // namespace

class TestReportWindow : public QObject {
    Q_OBJECT

private slots:
    void exportFromTheMenu_data();
    void exportFromTheMenu();
    void exportWorkbook_data();
    void exportWorkbook();
    void printPlantShown();
    void printBeforeAPlantIsChosen();
    void printAllPlantsWithARange_data();
    void printAllPlantsWithARange();
    void screenPrintIsTheClientArea();
    void cancelledPrintsChangeNothing();
    void registryGoneReportsOnce();
    void logoIsTheWindowsPicture();
};

void TestReportWindow::registryGoneReportsOnce() {
    EditorHarness harness;
    const QString reg = harness.writeFile("HIDR.DAT", threePlants());
    TFRMeditor& w = harness.start({reg});
    QVERIFY(QFile::remove(reg));
    harness.dialogs.clear();
    harness.dialogs.saveFileAnswers.enqueue(harness.path("out.csv"));
    w.ui.MnFileExp->trigger();
    harness.dialogs.printerAnswers.enqueue(ScriptedDialogs::printToPdf(harness.path("all.pdf")));
    w.ui.MnFilePrintAllData->trigger();
    // One message for each report, not one per code, and nothing written.
    QCOMPARE(harness.dialogs.messageLines().size(), 2);
    QCOMPARE(
        harness.dialogs.texts(Kind::Plain),
        (QStringList{"Problemas na leitura do Cadastro !", "Problemas na leitura do Cadastro !"}));
    QVERIFY(!QFileInfo::exists(harness.path("out.csv")));
    QVERIFY(!QFileInfo::exists(harness.path("all.pdf")));
}

void TestReportWindow::exportFromTheMenu_data() {
    QTest::addColumn<int>("language"); // the item chosen: Port, Eng
    QTest::addColumn<QString>("text");
    QTest::newRow("Portuguese") << 0 << "Arquivo CSV gerado com sucesso !";
    QTest::newRow("English") << 1 << "CSV File successfully generated !";
}

void TestReportWindow::exportFromTheMenu() {
    QFETCH(int, language);
    QFETCH(QString, text);
    EditorHarness harness;
    const QString reg = harness.writeFile("HIDR.DAT", threePlants());
    TFRMeditor& w = harness.start({reg}, QLocale(QLocale::Portuguese, QLocale::Brazil));
    (language == 0 ? w.ui.MnEditLanPort : w.ui.MnEditLanEng)->trigger();
    harness.dialogs.clear();
    harness.dialogs.saveFileAnswers.enqueue(harness.path("cadastro"));
    w.ui.MnFileExp->trigger();

    QCOMPARE(harness.dialogs.saveRequests.size(), 1);
    QCOMPARE(harness.dialogs.saveRequests[0].proposedName, QString("CadUsH.csv"));
    QVERIFY(harness.dialogs.saveRequests[0].confirmOverwrite);
    QCOMPARE(harness.dialogs.texts(Kind::Information), QStringList{text});
    QCOMPARE(harness.dialogs.count(Kind::Error), 0);
    const QByteArray csv = readFile(harness.path("cadastro.csv"));
    QCOMPARE(csv.count('\n'), 4);
    QVERIFY(
        csv.contains("\r\n5;Serra Azul  ;1 - Sudeste;19 - Furnas;123;BDH-0042;5 - Serra Azul  ;"));
    QVERIFY(csv.contains(";5678,25;1234,50;")); // the window's number locale
    QVERIFY(!QFileInfo::exists(harness.path("CadUsH.Csv")));
    QVERIFY(!QFileInfo::exists(harness.path("cadastro")));
}

void TestReportWindow::exportWorkbook_data() {
    QTest::addColumn<int>("language"); // the item chosen: Port, Eng
    QTest::addColumn<QString>("type"); // the type chosen in the dialog
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    const QString pt = "Pasta de trabalho do Excel (*.xlsx)";
    QTest::newRow("Portuguese") << 0 << pt << "cadastro" << "cadastro.xlsx";
    QTest::newRow("English") << 1 << "Excel workbook (*.xlsx)" << "cadastro" << "cadastro.xlsx";
    QTest::newRow("the proposed name kept") << 0 << pt << "CadUsH.csv" << "CadUsH.xlsx";
    QTest::newRow("the CSV's type, a name in .XLSX")
        << 0 << "CSV (Comma Delimited) (*.csv)" << "c.XLSX" << "c.XLSX";
}

void TestReportWindow::exportWorkbook() {
    QFETCH(int, language);
    QFETCH(QString, type);
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    EditorHarness harness;
    const QString reg = harness.writeFile("HIDR.DAT", threePlants());
    TFRMeditor& w = harness.start({reg}, QLocale(QLocale::Portuguese, QLocale::Brazil));
    (language == 0 ? w.ui.MnEditLanPort : w.ui.MnEditLanEng)->trigger();
    harness.dialogs.clear();
    harness.dialogs.saveFileAnswers.enqueue(harness.path(chosen));
    harness.dialogs.saveTypeAnswers.enqueue(type);
    w.ui.MnFileExp->trigger();

    QVERIFY(harness.dialogs.saveRequests[0].filter.endsWith(";;" + type) ||
            harness.dialogs.saveRequests[0].filter.startsWith(type + ";;"));
    QCOMPARE(harness.dialogs.texts(Kind::Information),
             QStringList{language ? "Excel workbook successfully generated !"
                                  : "Pasta de trabalho do Excel gerada com sucesso !"});
    const WorkbookCells book = readWorkbookFile(harness.path(written));
    QVERIFY(book.valid);
    QCOMPARE(book.cell("A1"), QString("s:CodUsina"));
    QCOMPARE(book.cell("A3"), QString("n:5"));
    QCOMPARE(book.cell("B3"), QString("s:Serra Azul  "));
    QCOMPARE(QDir(harness.path(QString())).entryList({"c*.csv", "c*.xlsx"}, QDir::Files),
             QStringList{written});
}

void TestReportWindow::printPlantShown() {
    EditorHarness harness;
    const QString reg = harness.writeFile("HIDR.DAT", threePlants());
    TFRMeditor& w = harness.start({reg});
    w.ui.ComboBox1->setCurrentIndex(1);
    emit w.ui.ComboBox1->activated(w.ui.ComboBox1->currentIndex());
    QCOMPARE(w.ui.TXT_Nome->text(), QString("SERRA AZUL  "));
    // The controls as they stand, saved or not.
    w.box("TXT_VMax")->setText("4321.00   hm3");
    w.reportPrinter().printer().setPageOrientation(QPageLayout::Portrait);
    const QString pdf = harness.path("sheet.pdf");
    harness.dialogs.clear();
    harness.dialogs.printerAnswers.enqueue(ScriptedDialogs::printToPdf(pdf));
    w.ui.MnFilePrintCurData->trigger();

    QCOMPARE(harness.dialogs.count(Kind::Error), 0);
    QCOMPARE(harness.dialogs.printRequests.size(), 1);
    QVERIFY(harness.dialogs.printRequests[0].warnWithoutPrinter);
    QVERIFY(!harness.dialogs.printRequests[0].allowPageRange);
    QCOMPARE(pdfPages(pdf), 1);
    keep(pdf);
    const QString text = simplified(pdfText(pdf));
    QVERIFY(text.contains("5 - SERRA AZUL"));
    QVERIFY(text.contains("Volume Máximo: 4321.00 hm3"));
    QVERIFY(text.contains("RESERVATÓRIO") || text.contains("RESERVOIR"));
    QVERIFY(text.contains("1 3 125.5 210 95.75"));
    // The footer: the window title as shown, the date and the time.
    QVERIFY2(text.contains(w.windowTitle() + " - "), qPrintable(w.windowTitle()));
    QVERIFY(text.contains(QRegularExpression(" \\d\\d:\\d\\d:\\d\\d")));
    QCOMPARE(w.reportPrinter().printer().pageLayout().orientation(), QPageLayout::Portrait);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestReportWindow::printBeforeAPlantIsChosen() {
    EditorHarness harness;
    const QString reg = harness.writeFile("HIDR.DAT", threePlants());
    TFRMeditor& w = harness.start({reg});
    w.ui.MnFileLoad->trigger(); // the form cleared, no plant chosen
    const QString pdf = harness.path("sheet.pdf");
    harness.dialogs.clear();
    harness.dialogs.printerAnswers.enqueue(ScriptedDialogs::printToPdf(pdf));
    w.ui.MnFilePrintCurData->trigger();
    QCOMPARE(harness.dialogs.texts(Kind::Error), QStringList{"'' is not a valid integer value"});
    QVERIFY(!QFileInfo::exists(pdf));
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestReportWindow::printAllPlantsWithARange_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("whole range") << 0 << 0
                                 << QStringList{"2 - ALFA", "5 - Serra Azul", "9 - CACHOEIRA"};
    QTest::newRow("pages 2 to 3") << 2 << 3 << QStringList{"5 - Serra Azul", "9 - CACHOEIRA"};
}

void TestReportWindow::printAllPlantsWithARange() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, titles);
    EditorHarness harness;
    const QString reg = harness.writeFile("HIDR.DAT", threePlants());
    TFRMeditor& w = harness.start({reg});
    w.ui.MnEditLanEng->trigger();
    const QString pdf = harness.path("all.pdf");
    harness.dialogs.clear();
    harness.dialogs.printerAnswers.enqueue(ScriptedDialogs::printToPdf(pdf, from, to));
    w.ui.MnFilePrintAllData->trigger();

    QCOMPARE(harness.dialogs.printRequests.size(), 1);
    const PrintRequest request = harness.dialogs.printRequests[0];
    QVERIFY(request.allowPageRange);
    QVERIFY(!request.warnWithoutPrinter);
    QCOMPARE(request.minPage, 1);
    QCOMPARE(request.maxPage, 3);
    QCOMPARE(harness.dialogs.count(Kind::Error), 0);
    QCOMPARE(pdfPages(pdf), int(titles.size()));
    const QStringList pages = pdfText(pdf).split(u'\f');
    for (int i = 0; i < titles.size(); ++i) {
        const QString page = simplified(pages.at(i));
        QVERIFY2(page.contains(titles.at(i)), qPrintable(titles.at(i)));
        QVERIFY(page.contains("RESERVOIR")); // the captions as the window shows them
        QVERIFY(page.contains(w.windowTitle()));
    }
}

void TestReportWindow::screenPrintIsTheClientArea() {
    EditorHarness harness;
    const QString reg = harness.writeFile("HIDR.DAT", threePlants());
    TFRMeditor& w = harness.start({reg});
    w.resize(1200, 800);
    QTest::qWait(0);
    const QString pdf = harness.path("screen.pdf");
    harness.dialogs.clear();
    harness.dialogs.printerAnswers.enqueue(ScriptedDialogs::printToPdf(pdf));
    w.ui.MnFilePrintCurScr->trigger();
    QCOMPARE(harness.dialogs.count(Kind::Error), 0);
    QCOMPARE(harness.dialogs.printRequests.size(), 1);
    QVERIFY(harness.dialogs.printRequests[0].warnWithoutPrinter);
    QCOMPARE(pdfPages(pdf), 1);
    keep(pdf);
    QVERIFY(simplified(pdfText(pdf)).contains(w.windowTitle() + " - "));
    // One picture, as large as the central widget: the menu bar is not in it.
    const QString images = QString::fromUtf8(runTool("pdfimages", {"-list", pdf}));
    const QSize client = w.centralWidget()->size() * w.devicePixelRatio();
    QVERIFY2(
        images.contains(QRegularExpression(
            QStringLiteral("\\s%1\\s+%2\\s+(rgb|icc)").arg(client.width()).arg(client.height()))),
        qPrintable(images));
    QVERIFY(client.height() < w.height());
}

void TestReportWindow::cancelledPrintsChangeNothing() {
    EditorHarness harness;
    const QString reg = harness.writeFile("HIDR.DAT", threePlants());
    TFRMeditor& w = harness.start({reg});
    w.reportPrinter().printer().setPageOrientation(QPageLayout::Portrait);
    harness.dialogs.clear();
    for (QAction* a : {w.ui.MnFilePrintCurScr, w.ui.MnFilePrintCurData, w.ui.MnFilePrintAllData})
        a->trigger(); // no answer queued: each dialog is cancelled
    QCOMPARE(harness.dialogs.count(Kind::ChoosePrinter), 3);
    QCOMPARE(harness.dialogs.messageLines(), QStringList{});
    QCOMPARE(w.reportPrinter().printer().pageLayout().orientation(), QPageLayout::Portrait);
    QVERIFY(!QGuiApplication::overrideCursor());
    // Cancelling the save dialog writes nothing either.
    w.ui.MnFileExp->trigger();
    QCOMPARE(harness.dialogs.messageLines(), QStringList{});
}

void TestReportWindow::logoIsTheWindowsPicture() {
    QCOMPARE(logoResource(), TFRMeditor::logoResource());
    QVERIFY(QFileInfo::exists(logoResource()));
}

QTEST_MAIN(TestReportWindow)
#include "tst_reportwindow.moc"

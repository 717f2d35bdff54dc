// The report commands as the window runs them: dialogs, the ".csv" rule, cursor and
// orientation, and the texts read from controls.

#include "ReportSamples.h"
#include "ScriptedDialogs.h"
#include "registry/PlantList.h"
#include "registry/TCadHd.h"
#include "language/LanguageTexts.h"
#include "reports/ReportPrinter.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrinter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace ReportSamples;

namespace {

QByteArray threePlants() {
    return registry({{2, namedPlant("ALFA")}, {5, knownPlant()}, {9, namedPlant("CACHOEIRA")}});
}

ExportRequest exportRequest(const QTemporaryDir& dir) {
    ExportRequest r;
    r.startDir = dir.path();
    r.registryFile = dir.filePath("HIDR.DAT");
    const PlantList list = plantListFromBytes(threePlants());
    r.entries = list.entries;
    r.plantNames = list.plantNames;
    r.lists.setDefaults();
    r.locale = QLocale::c();
    return r;
}

SheetTexts knownSheetTexts() {
    SheetTexts t;
    LookupLists lists;
    lists.setDefaults();
    t.values = plantDisplayTexts(knownPlant(), lists, PlantList::emptyPlantNames(), QLocale::c());
    t.title = "5 - " + t.values.box("TXT_Nome");
    t.captions = portugueseCaptions();
    t.footer = "Velarin - HIDR.DAT";
    return t;
}

} // namespace

class TestReportCommands : public QObject {
    Q_OBJECT

private slots:
    void exportCommand_data();
    void exportCommand();
    void printCommands_data();
    void printCommands();
    void allPlantsRange_data();
    void allPlantsRange();
};

void TestReportCommands::exportCommand_data() {
    QTest::addColumn<QString>("chosen"); // in the temporary folder; empty: cancelled
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("written"); // the file that holds the export, or empty
    QTest::addColumn<QStringList>("messages");
    const QString pt = "information: Arquivo CSV gerado com sucesso !";
    QTest::newRow("cancelled") << QString() << QStringList{} << QList<bool>{} << 0 << QString()
                               << QStringList{};
    QTest::newRow("csv name, Portuguese")
        << "a.csv" << QStringList{} << QList<bool>{} << 0 << "a.csv" << QStringList{pt};
    QTest::newRow("English") << "a.csv" << QStringList{} << QList<bool>{} << 1 << "a.csv"
                             << QStringList{"information: CSV File successfully generated !"};
    QTest::newRow("rule adds .csv") << "plants" << QStringList{"plants"} << QList<bool>{} << 0
                                    << "plants.csv" << QStringList{pt};
    QTest::newRow("chosen name exists: the save dialog asked")
        << "a.csv" << QStringList{"a.csv"} << QList<bool>{} << 0 << "a.csv" << QStringList{pt};
    QTest::newRow("ruled name exists, replace: yes")
        << "plants.txt" << QStringList{"plants.txt.csv"} << QList<bool>{true} << 0
        << "plants.txt.csv"
        << QStringList{"confirm: O Arquivo %1/plants.txt.csv já existe. Deseja substituí-lo ?", pt};
    QTest::newRow("ruled name exists, replace: no")
        << "plants.txt" << QStringList{"plants.txt.csv"} << QList<bool>{false} << 0 << QString()
        << QStringList{"confirm: O Arquivo %1/plants.txt.csv já existe. Deseja substituí-lo ?"};
}

void TestReportCommands::exportCommand() {
    QFETCH(QString, chosen);
    QFETCH(QStringList, existing);
    QFETCH(QList<bool>, answers);
    QFETCH(int, language);
    QFETCH(QString, written);
    QFETCH(QStringList, messages);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("HIDR.DAT"), threePlants()));
    for (const QString& name : existing)
        QVERIFY(writeFile(dir.filePath(name), "older"));
    ScriptedDialogs dialogs;
    if (!chosen.isEmpty())
        dialogs.saveFileAnswers << dir.filePath(chosen);
    dialogs.confirmAnswers << answers;
    ExportRequest request = exportRequest(dir);
    request.successText = languageMessage(LanguageMessage::CsvWritten, language + 1);

    QCOMPARE(runExportCommand(dialogs, request), !written.isEmpty());
    QCOMPARE(dialogs.saveRequests.size(), 1);
    QCOMPARE(dialogs.saveRequests[0].dir, dir.path());
    QCOMPARE(dialogs.saveRequests[0].proposedName, QString("CadUsH.csv"));
    QVERIFY(dialogs.saveRequests[0].confirmOverwrite);
    for (QString& m : messages)
        m.replace("%1", dir.path());
    QCOMPARE(dialogs.messageLines(), messages);
    QStringList expectedFiles = QStringList{"HIDR.DAT"} + existing;
    if (!written.isEmpty()) {
        QVERIFY(readFile(dir.filePath(written)).startsWith("CodUsina;Usina;"));
        if (!expectedFiles.contains(written))
            expectedFiles << written;
    }
    for (const QString& name : existing)
        if (name != written)
            QCOMPARE(readFile(dir.filePath(name)), QByteArray("older"));
    expectedFiles.sort();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), expectedFiles); // no CadUsH.Csv
}

void TestReportCommands::printCommands_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<bool>("validCount");
    QTest::addColumn<int>("pages"); // 0: no file
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("sheet, cancelled") << "sheet" << false << true << 0 << QStringList{};
    QTest::newRow("sheet") << "sheet" << true << true << 1 << QStringList{};
    QTest::newRow("sheet, no plant selected: error, nothing printed")
        << "sheet" << true << false << 0 << QStringList{"error: '' is not a valid integer value"};
    QTest::newRow("screen, cancelled") << "screen" << false << true << 0 << QStringList{};
    QTest::newRow("screen") << "screen" << true << true << 1 << QStringList{};
    QTest::newRow("all, cancelled") << "all" << false << true << 0 << QStringList{};
    QTest::newRow("all") << "all" << true << true << 3 << QStringList{};
}

void TestReportCommands::printCommands() {
    QFETCH(QString, command);
    QFETCH(bool, accept);
    QFETCH(bool, validCount);
    QFETCH(int, pages);
    QFETCH(QStringList, messages);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("HIDR.DAT"), threePlants()));
    const QString pdf = dir.filePath("out.pdf");
    ScriptedDialogs dialogs;
    if (accept)
        dialogs.printerAnswers << ScriptedDialogs::printToPdf(pdf);
    ReportPrinter reports;
    reports.printer().setPageOrientation(QPageLayout::Portrait);

    // While the print runs: landscape and the hourglass.
    int seen = 0;
    const auto during = [&] {
        ++seen;
        QCOMPARE(reports.printer().pageLayout().orientation(), QPageLayout::Landscape);
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    };
    bool printed = false;
    if (command == u"sheet") {
        printed = reports.printSheet(dialogs, [&] {
            during();
            SheetTexts t = knownSheetTexts();
            if (!validCount)
                t.values.boxes["TXT_NGrMaq"] = QString();
            return t;
        });
    } else if (command == u"screen") {
        printed = reports.printScreen(
            dialogs,
            [&] {
                during();
                QImage image(200, 100, QImage::Format_RGB32);
                image.fill(Qt::blue);
                return image;
            },
            [] { return QStringLiteral("Velarin - tela"); });
    } else {
        AllPlantsJob job;
        const PlantList list = plantListFromBytes(threePlants());
        job.entries = list.entries;
        job.plantNames = list.plantNames;
        job.lists.setDefaults();
        job.beforeEachPlant = during;
        printed = reports.printAllPlants(dialogs, dir.filePath("HIDR.DAT"), job);
    }

    QCOMPARE(dialogs.printRequests.size(), 1);
    const PrintRequest& request = dialogs.printRequests.at(0);
    QCOMPARE(request.allowPageRange, command == u"all");
    QCOMPARE(request.warnWithoutPrinter, command != u"all");
    QVERIFY(request.allowPrintToFile);
    if (command == u"all")
        QCOMPARE(request.maxPage, 3);
    QCOMPARE(seen > 0, accept);
    QCOMPARE(printed, pages > 0);
    QCOMPARE(dialogs.messageLines(), messages);
    // Orientation and cursor as they were, however the print ended.
    QCOMPARE(reports.printer().pageLayout().orientation(), QPageLayout::Portrait);
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(QFileInfo::exists(pdf), pages > 0);
    if (pages > 0)
        QCOMPARE(pdfPages(pdf), pages);
}

void TestReportCommands::allPlantsRange_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("all pages") << 0 << 0
                               << QStringList{"2 - ALFA", "5 - Serra Azul", "9 - CACHOEIRA"};
    QTest::newRow("2 to 3") << 2 << 3 << QStringList{"5 - Serra Azul", "9 - CACHOEIRA"};
    QTest::newRow("1 to 1") << 1 << 1 << QStringList{"2 - ALFA"};
}

void TestReportCommands::allPlantsRange() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, titles);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("HIDR.DAT"), threePlants()));
    const QString pdf = dir.filePath("out.pdf");
    ScriptedDialogs dialogs;
    dialogs.printerAnswers << ScriptedDialogs::printToPdf(pdf, from, to);
    ReportPrinter reports;
    AllPlantsJob job;
    const PlantList list = plantListFromBytes(threePlants());
    job.entries = list.entries;
    job.plantNames = list.plantNames;
    job.lists.setDefaults();
    QVERIFY(reports.printAllPlants(dialogs, dir.filePath("HIDR.DAT"), job));
    QCOMPARE(pdfPages(pdf), int(titles.size()));
    const QStringList pages = pdfText(pdf).split(u'\f');
    for (int i = 0; i < titles.size(); ++i)
        QVERIFY2(pages.at(i).contains(titles.at(i)), qPrintable(titles.at(i)));

    // A registry with no plant in use offers no page and prints nothing.
    ScriptedDialogs none;
    QVERIFY(!reports.printAllPlants(none, dir.filePath("HIDR.DAT"), AllPlantsJob()));
    QVERIFY(none.printRequests.isEmpty());
}


QTEST_MAIN(TestReportCommands)
#include "tst_reportcommands.moc"

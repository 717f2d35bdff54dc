// The command-line reports, run as processes of the built program.

#include "ReportSamples.h"
#include "registry/LookupLists.h"
#include "registry/PlantList.h"
#include "reports/CsvExport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace ReportSamples;

namespace {

QString sampleConfig() {
    return QStringLiteral(QUILLMARK_SAMPLES_DIR "/config.ini");
}

QByteArray threePlants() {
    return registry({{2, namedPlant("ALFA")}, {5, knownPlant()}, {9, namedPlant("CACHOEIRA")}});
}

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files);
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void exportCsv_data();
    void exportCsv();
    void exportFailures_data();
    void exportFailures();
    void printPdf_data();
    void printPdf();
    void missingConfigWarns();
    void usage_data();
    void usage();
};

void TestCommandLine::missingConfigWarns() {
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("HIDR.DAT"), threePlants()));
    const QString config = dir.filePath("nowhere.ini");
    const Run run = quillmark(
        {"--export-csv", dir.filePath("HIDR.DAT"), dir.filePath("o.csv"), "--config", config});
    QCOMPARE(run.exitCode, 0);
    // The warning first, then the success text; the built-in names are used.
    const qsizetype warning = run.err.indexOf(missingConfigWarning(config));
    QVERIFY2(warning >= 0, qPrintable(run.err));
    QVERIFY(run.err.indexOf("Arquivo CSV gerado com sucesso !") > warning);
    QVERIFY(readFile(dir.filePath("o.csv")).contains(";19 - Furnas;"));
}

void TestCommandLine::exportCsv_data() {
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("platform");
    QTest::newRow("point") << "C"
                           << "C" << QString() << QString();
    QTest::newRow("comma from LANG") << "pt_BR.UTF-8"
                                     << "pt_BR" << QString() << QString();
    QTest::newRow("a display that cannot be reached") << "C"
                                                      << "C"
                                                      << ":93" << QString();
    // The CSV starts QtCore alone: a platform that cannot be loaded is never asked for.
    QTest::newRow("no platform plugin at all") << "C"
                                               << "C" << QString() << "no-such-platform";
}

void TestCommandLine::exportCsv() {
    QFETCH(QString, lang);
    QFETCH(QString, locale);
    QFETCH(QString, display);
    QFETCH(QString, platform);
    QTemporaryDir dir;
    const QByteArray reg = threePlants();
    QVERIFY(writeFile(dir.filePath("HIDR.DAT"), reg));
    // OUTPUT is written as named: no ".csv" is added.
    const QString out = dir.filePath("plants.txt");
    const Run run =
        quillmark({"--export-csv", dir.filePath("HIDR.DAT"), out, "--config", sampleConfig()}, lang,
                  display, platform);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.contains("Arquivo CSV gerado com sucesso !"), qPrintable(run.err));
    LookupLists lists;
    QVERIFY(readLookupLists(sampleConfig(), lists).found);
    const PlantList list = plantListFromBytes(reg);
    QCOMPARE(readFile(out),
             CsvExport::buildCsv(reg, list.entries, list.plantNames, lists, QLocale(locale)));
    QVERIFY(readFile(out).contains(locale == u"C" ? ";5678.25;" : ";5678,25;"));
    QCOMPARE(filesIn(dir.path()), (QStringList{"HIDR.DAT", "plants.txt"}));
}

void TestCommandLine::exportFailures_data() {
    QTest::addColumn<QString>("registryName");
    QTest::addColumn<QString>("outputName");
    QTest::addColumn<QString>("message");
    QTest::newRow("bad registry path") << "no-such.dat"
                                       << "out.csv"
                                       << "Problemas na leitura do Cadastro !";
    QTest::newRow("registry is a folder") << "sub"
                                          << "out.csv"
                                          << "Problemas na leitura do Cadastro !";
    QTest::newRow("output cannot be written") << "HIDR.DAT"
                                              << "no/such/out.csv"
                                              << "Cannot create file ";
}

void TestCommandLine::exportFailures() {
    QFETCH(QString, registryName);
    QFETCH(QString, outputName);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("HIDR.DAT"), threePlants()));
    QVERIFY(writeFile(dir.filePath("out.csv"), "kept"));
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    const Run run = quillmark({"--export-csv", dir.filePath(registryName), dir.filePath(outputName),
                               "--config", sampleConfig()});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err.count(message), 1);
    QVERIFY(!run.err.contains("sucesso"));
    QCOMPARE(readFile(dir.filePath("out.csv")), QByteArray("kept"));
    QCOMPARE(filesIn(dir.path()), (QStringList{"HIDR.DAT", "out.csv"}));
}

void TestCommandLine::printPdf_data() {
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QByteArray>("registry");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("titles"); // empty: no PDF written
    QTest::addColumn<QString>("message");
    QTest::newRow("every plant") << QStringList{} << threePlants() << 0
                                 << QStringList{"2 - ALFA", "5 - Serra Azul", "9 - CACHOEIRA"}
                                 << QString();
    QTest::newRow("pages 2-3") << QStringList{"--pages", "2-3"} << threePlants() << 0
                               << QStringList{"5 - Serra Azul", "9 - CACHOEIRA"} << QString();
    QTest::newRow("config before the mode") << QStringList{"--pages", "1-1"} << threePlants() << 0
                                            << QStringList{"2 - ALFA"} << QString();
    QTest::newRow("empty registry")
        << QStringList{} << QByteArray() << 1 << QStringList{} << "nenhuma página";
    QTest::newRow("range past the plants")
        << QStringList{"--pages", "4-6"} << threePlants() << 1 << QStringList{} << "nenhuma página";
    QTest::newRow("bad registry path") << QStringList{"missing"} << QByteArray() << 1
                                       << QStringList{} << "Problemas na leitura do Cadastro !";
}

void TestCommandLine::printPdf() {
    QFETCH(QStringList, extra);
    QFETCH(QByteArray, registry);
    QFETCH(int, exitCode);
    QFETCH(QStringList, titles);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QString reg = dir.filePath("HIDR.DAT");
    QVERIFY(writeFile(reg, registry));
    QStringList args;
    if (extra == QStringList{"missing"}) {
        reg = dir.filePath("missing.dat");
        extra.clear();
    }
    const QString out = dir.filePath("plants.pdf");
    if (extra.contains("1-1"))
        args << "--config" << sampleConfig() << "--print-pdf" << reg << out << extra;
    else
        args << "--print-pdf" << reg << out << extra << "--config" << sampleConfig();
    const Run run = quillmark(args);
    QCOMPARE(run.exitCode, exitCode);
    if (!message.isEmpty())
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    if (titles.isEmpty()) {
        QVERIFY(!QFileInfo::exists(out));
        return;
    }
    QCOMPARE(pdfPages(out), int(titles.size()));
    const QStringList pages = pdfText(out).split(u'\f');
    for (int i = 0; i < titles.size(); ++i) {
        QVERIFY2(pages.at(i).contains(titles.at(i)), qPrintable(titles.at(i)));
        // The Portuguese headings and title, whatever the language of the environment.
        QVERIFY(pages.at(i).contains("RESERVATÓRIO"));
        QVERIFY(pages.at(i).contains("Visualizador do Cadastro de Usinas Hidráulicas - " + reg));
    }
}

void TestCommandLine::usage_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("help") << QStringList{"--help"} << 0 << "--export-csv REGISTRY OUTPUT"
                          << QString();
    QTest::newRow("version") << QStringList{"--version"} << 0 << "quillmark" << QString();
    QTest::newRow("export without output")
        << QStringList{"--export-csv", "x.dat"} << 1 << QString() << "needs two file names";
    QTest::newRow("pages the wrong way round")
        << QStringList{"--print-pdf", "a", "b", "--pages", "3-2"} << 1 << QString() << "FROM-TO";
    QTest::newRow("pages with export") << QStringList{"--export-csv", "a", "b", "--pages", "1-2"}
                                       << 1 << QString() << "--pages goes with --print-pdf";
    QTest::newRow("config alone") << QStringList{"--config", "c.ini"} << 1 << QString()
                                  << "--config goes with";
    QTest::newRow("two modes") << QStringList{"--help", "--version"} << 1 << QString()
                               << "Only one of";
    QTest::newRow("unknown argument") << QStringList{"--export-csv", "a", "b", "--bogus"} << 1
                                      << QString() << "bogus"; // the parser's own wording
}

void TestCommandLine::usage() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run run = quillmark(args);
    QCOMPARE(run.exitCode, exitCode);
    if (!out.isEmpty())
        QVERIFY2(run.out.contains(out), qPrintable(run.out));
    if (!err.isEmpty())
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"

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
    void missingConfigWarns_data();
    void missingConfigWarns();
    void usage_data();
    void usage();
    void language_data();
    void language();
    void configUnreadable_data();
    void configUnreadable();
    void unusableName_data();
    void unusableName();
    void withoutWindowModule_data();
    void withoutWindowModule();
};

// With no --config and no config.ini anywhere, the export warns and takes the built-in lists.
void TestCommandLine::missingConfigWarns_data() {
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("warning"); // %1 the config.ini beside the program
    QTest::addColumn<QString>("done");
    QTest::newRow("pt") << "pt" << missingConfigWarning("%1") << "Arquivo CSV gerado com sucesso !";
    QTest::newRow("en") << "en"
                        << "The file %1 was not found. The Turbine, Subsystem and Company lists "
                           "may not be up to date."
                        << "CSV File successfully generated !";
}

void TestCommandLine::missingConfigWarns() {
    QFETCH(QString, lang);
    QFETCH(QString, warning);
    QFETCH(QString, done);
    for (const char* installed :
         {"/etc/xdg/velarin/config.ini", "/usr/local/share/velarin/config.ini"})
        if (QFileInfo::exists(installed))
            QSKIP("a config.ini is installed on this machine");
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("HIDR.DAT"), threePlants()));
    // A copy of the program with no config.ini beside it, in a home with none either.
    const QString program = dir.filePath("quillmark");
    QVERIFY(QFile::copy(QUILLMARK_EXE, program));
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", dir.path());
    env.insert("XDG_CONFIG_HOME", dir.path());
    process.setProcessEnvironment(env);
    process.start(
        program, {"--export-csv", dir.filePath("HIDR.DAT"), dir.filePath("o.csv"), "--lang", lang});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    // The warning first, then the success text; the built-in names are used.
    const qsizetype at = err.indexOf(warning.arg(dir.filePath("config.ini")));
    QVERIFY2(at >= 0, qPrintable(err));
    QVERIFY(err.indexOf(done) > at);
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
                                              << "Não foi possível criar o arquivo ";
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
    if (exitCode == 0)
        QCOMPARE(run.err, QString()); // no word from Qt about its runtime folder
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
    QTest::newRow("help") << QStringList{"--help"} << 0 << "--export-csv CADASTRO SAÍDA"
                          << QString();
    QTest::newRow("help in English") << QStringList{"--help", "--lang", "en"} << 0
                                     << "--export-csv REGISTRY OUTPUT" << QString();
    QTest::newRow("version") << QStringList{"--version"} << 0 << "quillmark" << QString();
    QTest::newRow("export without output")
        << QStringList{"--export-csv", "x.dat"} << 1 << QString() << "pede dois nomes de arquivo";
    QTest::newRow("pages the wrong way round")
        << QStringList{"--print-pdf", "a", "b", "--pages", "3-2"} << 1 << QString() << "INÍCIO-FIM";
    QTest::newRow("pages with export") << QStringList{"--export-csv", "a", "b", "--pages", "1-2"}
                                       << 1 << QString() << "--pages vai com --print-pdf";
    QTest::newRow("config alone") << QStringList{"--config", "c.ini"} << 2 << QString()
                                  << "--config vai com";
    QTest::newRow("two modes") << QStringList{"--help", "--version", "--lang", "en"} << 1
                               << QString() << "Only one of --help and --version";
    // Without a display the window would abort: an option it does not take is refused first.
    QTest::newRow("unknown option")
        << QStringList{"--frobnicate"} << 2 << QString() << "Opção desconhecida: --frobnicate";
    QTest::newRow("misspelled mode")
        << QStringList{"--chek", "x.dat"} << 2 << QString() << "--chek";
    QTest::newRow("after a registry")
        << QStringList{"x.dat", "-x", "--lang", "en"} << 2 << QString() << "Unknown option: -x";
    QTest::newRow("a value missing") << QStringList{"--check", "x.dat", "--config"} << 2
                                     << QString() << "--config pede um valor";
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

// "R" names the registry (plants 2, 5 and 9), "O" the output, "sub" a folder. `err` is what
// stderr says; `holds` what the output holds after a success (a PDF as pdftotext reads it).
void TestCommandLine::language_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err");
    QTest::addColumn<QString>("holds");
    const QStringList en{"--lang", "en"};
    QTest::newRow("registry unreadable") << QStringList{"--export-csv", "none.dat", "O"} + en << 1
                                         << "Problems reading the registry !" << QString();
    QTest::newRow("output a folder")
        << QStringList{"--summary", "R", "sub"} + en << 1 << "is not a regular file." << QString();
    QTest::newRow("output the registry") << QStringList{"--curves", "R", "5", "R"} + en << 1
                                         << "Output file cannot be the registry" << QString();
    QTest::newRow("no plant") << QStringList{"--curves", "R", "3", "O.pdf"} << 1
                              << "Nenhuma usina em uso tem o código 3." << QString();
    QTest::newRow("no plant, English") << QStringList{"--curves", "R", "3", "O.pdf"} + en << 1
                                       << "No plant in use has the code 3." << QString();
    QTest::newRow("no page") << QStringList{"--print-pdf", "R", "O", "--pages", "4-6"} + en << 1
                             << "No plant to print: no page was made." << QString();
    QTest::newRow("usage") << QStringList{"--summary", "R"} + en << 1
                           << "The option --summary needs two file names." << QString();
    QTest::newRow("sheets") << QStringList{"--print-pdf", "R", "O"} + en << 0 << QString()
                            << "RESERVOIR";
    QTest::newRow("sheets' title") << QStringList{"--print-pdf", "R", "O"} + en << 0 << QString()
                                   << "Hydro Plant´s Cadastre editor - ";
    QTest::newRow("charts") << QStringList{"--curves", "R", "5", "O.pdf"} + en << 0 << QString()
                            << "Area x Level";
    QTest::newRow("charts' figures") << QStringList{"--curves", "R", "5", "O.pdf"} + en << 0
                                     << QString() << "Equivalent level (m)";
}

void TestCommandLine::language() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, err);
    QFETCH(QString, holds);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("HIDR.DAT"), threePlants()));
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    QString out;
    for (QString& arg : args) {
        if (arg.startsWith(u'O'))
            arg = out = dir.filePath(arg == u"O" ? "o.pdf" : arg);
        else if (arg == u"R" || arg == u"sub")
            arg = dir.filePath(arg == u"R" ? "HIDR.DAT" : arg);
    }
    const Run run = quillmark(args << "--config" << sampleConfig());
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(err), qPrintable(run.err));
    if (exitCode == 0)
        QVERIFY2(pdfText(out).contains(holds), qPrintable(pdfText(out).left(400)));
    else if (!out.isEmpty())
        QVERIFY(!QFileInfo::exists(out));
}

// A --config that names a file that cannot be read fails the command: nothing is written.
void TestCommandLine::configUnreadable_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("config");
    QTest::addColumn<QString>("message");
    const QString pt = QStringLiteral("O arquivo de configuração %1 não pode ser lido.");
    QTest::newRow("export, missing") << QStringList{"--export-csv", "R", "O"} << "none.ini" << pt;
    QTest::newRow("sheets, a folder") << QStringList{"--print-pdf", "R", "O"} << "sub" << pt;
    QTest::newRow("summary, missing") << QStringList{"--summary", "R", "O"} << "none.ini" << pt;
    QTest::newRow("curves, a folder, English")
        << QStringList{"--curves", "R", "5", "O", "--lang", "en"} << "sub"
        << "The configuration file %1 cannot be read.";
}

void TestCommandLine::configUnreadable() {
    QFETCH(QStringList, args);
    QFETCH(QString, config);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("HIDR.DAT"), threePlants()));
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    for (QString& arg : args)
        arg = arg == u"R" ? dir.filePath("HIDR.DAT") : arg == u"O" ? dir.filePath("o.pdf") : arg;
    const Run run = quillmark(args << "--config" << dir.filePath(config));
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message.arg(dir.filePath(config))), qPrintable(run.err));
    QCOMPARE(filesIn(dir.path()), QStringList{"HIDR.DAT"});
}

// A name whose bytes are not text gets one refusal in every mode, in its language.
void TestCommandLine::unusableName_data() {
    QTest::addColumn<QString>("args"); // for sh; $B is the name
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString pt =
        QStringLiteral("O argumento %1 (\"\\xff.dat\") não pode ser usado: seus bytes não são");
    QTest::newRow("check") << "--check \"$B\"" << 2 << pt.arg(2);
    QTest::newRow("diff") << "--diff HIDR.DAT \"$B\"" << 2 << pt.arg(3);
    QTest::newRow("summary") << "--summary \"$B\" o.csv" << 1 << pt.arg(2);
    QTest::newRow("diff, English")
        << "--lang en --diff \"$B\" HIDR.DAT" << 2 << "Argument 4 (\"\\xff.dat\") cannot be used";
}

void TestCommandLine::unusableName() {
    QFETCH(QString, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("HIDR.DAT"), threePlants()));
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start("sh", {"-c", "B=$(printf '\\377.dat'); exec \"$0\" " + args, QUILLMARK_EXE});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), exitCode);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(err.contains(message), qPrintable(err));
    QVERIFY(!err.contains("não pode ser lido"));
    QCOMPARE(filesIn(dir.path()), QStringList{"HIDR.DAT"});
}

// The program alone, without the window's module beside it (nor installed): the commands that
// only read and write run; those that draw say why they cannot, and write nothing.
void TestCommandLine::withoutWindowModule_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("diff") << QStringList{"--diff", "HIDR.DAT", "HIDR.DAT"} << 0 << QString();
    QTest::newRow("csv") << QStringList{"--export-csv", "HIDR.DAT", "o.csv"} << 0 << QString();
    QTest::newRow("pdf") << QStringList{"--print-pdf", "HIDR.DAT", "o.pdf"} << 1
                         << "quillmark: o desenho não pôde ser feito: ";
    QTest::newRow("curves, English")
        << QStringList{"--lang", "en", "--curves", "HIDR.DAT", "5", "o.png"} << 1
        << "quillmark: nothing could be drawn: ";
}

void TestCommandLine::withoutWindowModule() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    if (QFileInfo::exists(QStringLiteral(QUILLMARK_MODULE_DIR)))
        QSKIP("the window's module is installed on this machine");
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("HIDR.DAT"), threePlants()));
    const QString program = dir.filePath("quillmark");
    QVERIFY(QFile::copy(QUILLMARK_EXE, program));
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(program, args + QStringList{"--config", sampleConfig()});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), exitCode);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(err.contains(message), qPrintable(err));
    if (exitCode != 0)
        QCOMPARE(filesIn(dir.path()), (QStringList{"HIDR.DAT", "quillmark"}));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"

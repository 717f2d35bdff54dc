// Faults that lost or changed files: reports written over the registry, special files taken as
// outputs, argument bytes changed on their way in, a loaded scratch copy deleted at exit, the
// CSV's numbers under locales whose separator Windows-1252 lacks, config.ini's line ends, and
// sample plants that could not be saved as they stand.

#include "EditorHarness.h"
#include "RegistryFixtures.h"
#include "registry/LookupLists.h"
#include "registry/PlantList.h"
#include "reports/CsvExport.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

using Kind = ScriptedDialogs::Kind;

namespace {

struct Run {
    int exitCode = -1;
    QString err;
};

// Runs quillmark from a shell, which passes argument bytes that are no valid text unchanged.
Run quillmark(const QString& shellArguments, const QString& dir) {
    QProcess process;
    process.setWorkingDirectory(dir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.start("/bin/sh", {"-c", "exec \"$0\" " + shellArguments, QStringLiteral(QUILLMARK_EXE)});
    Run run;
    if (process.waitForFinished(60000))
        run.exitCode = process.exitCode();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray twoPlants() {
    using namespace RegistryFixtures;
    return registryBytes(3, {{1, fullPlant("ALFA")}, {3, fullPlant("GAMA")}});
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestEditorFaults : public QObject {
    Q_OBJECT

private slots:
    void commandLineOutputRefused_data();
    void commandLineOutputRefused();
    void windowReportOntoTheRegistry_data();
    void windowReportOntoTheRegistry();
    void specialFilesAreNoOutputs();
    void loadedScratchCopyStays();
    void csvNumbersUnderAnyLocale_data();
    void csvNumbersUnderAnyLocale();
    void configLineEnds_data();
    void configLineEnds();
    void samplePlantsSaveAsTheyStand();
    void checkMarkSetWithoutAClick();
    void formFitsASmallScreen_data();
    void formFitsASmallScreen();
};

void TestEditorFaults::commandLineOutputRefused_data() {
    QTest::addColumn<QString>("arguments"); // after the program, in the shell's notation
    QTest::addColumn<QString>("message");
    const QString same = "Arquivo de saída não pode ser igual ao Cadastro ";
    const QString special = "não é um arquivo comum.";
    QTest::newRow("csv onto the registry") << "--export-csv r.dat r.dat" << same;
    QTest::newRow("pdf through a link") << "--print-pdf r.dat link.dat" << same;
    QTest::newRow("csv into a FIFO") << "--export-csv r.dat fifo" << special;
    QTest::newRow("pdf into a folder") << "--print-pdf r.dat folder" << special;
    QTest::newRow("name not valid text")
        << "--export-csv r.dat \"$(printf 'SA\\315DA.csv')\"" << "SA\\xcdDA.csv";
}

void TestEditorFaults::commandLineOutputRefused() {
    QFETCH(QString, arguments);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString reg = RegistryFixtures::writeFile(dir.path(), "r.dat", twoPlants());
    QVERIFY(QFile::link(reg, dir.filePath("link.dat")));
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    const Run run = quillmark(arguments, dir.path());
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(readAll(reg), twoPlants());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(dir.filePath("fifo")).constData(), &st), 0);
    QVERIFY(S_ISFIFO(st.st_mode));
}

void TestEditorFaults::windowReportOntoTheRegistry_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("print"); // the data sheet to PDF, else the CSV export
    QTest::newRow("export, Portuguese") << false << false;
    QTest::newRow("print, English") << true << true;
}

void TestEditorFaults::windowReportOntoTheRegistry() {
    QFETCH(bool, english);
    QFETCH(bool, print);
    EditorHarness h;
    // Named as the export would name its file: the ".csv" rule leaves it as it is.
    const QString reg = h.writeFile("reg.csv", twoPlants());
    TFRMeditor& w = h.start({reg});
    if (english)
        w.ui.MnEditLanEng->trigger();
    h.dialogs.clear();
    if (print) {
        h.dialogs.printerAnswers.enqueue(ScriptedDialogs::printToPdf(reg));
        w.ui.MnFilePrintCurData->trigger();
    } else {
        h.dialogs.saveFileAnswers.enqueue(reg);
        w.ui.MnFileExp->trigger();
    }
    const QString text = english ? "Output file cannot be the registry %1 !"
                                 : "Arquivo de saída não pode ser igual ao Cadastro %1 !";
    QCOMPARE(h.dialogs.messageLines(), QStringList{"warning: " + text.arg(reg)});
    QCOMPARE(readAll(reg), twoPlants());
}

void TestEditorFaults::specialFilesAreNoOutputs() {
    EditorHarness h;
    const QString reg = h.writeFile("r.dat", twoPlants());
    const QString fifo = h.path("fifo");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    TFRMeditor& w = h.start({reg});
    h.dialogs.clear();
    h.dialogs.saveFileAnswers.enqueue(fifo + ".csv"); // the ".csv" rule: another name
    h.dialogs.saveFileAnswers.enqueue(fifo);         // the destination of a change
    QCOMPARE(::mkfifo(QFile::encodeName(fifo + ".csv").constData(), 0600), 0);
    w.ui.MnFileExp->trigger();
    w.ui.MnEditPlantChange->trigger();
    const QString refused = "warning: Arquivo de saída \"%1\" não é um arquivo comum.";
    QCOMPARE(h.dialogs.messageLines(), (QStringList{refused.arg(fifo + ".csv"), refused.arg(fifo)}));
    QVERIFY(w.ui.BTNsavechange->isHidden()); // no edit without a destination
    for (const QString& f : {fifo, fifo + ".csv"}) {
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(f).constData(), &st), 0);
        QVERIFY(S_ISFIFO(st.st_mode));
    }
}

void TestEditorFaults::loadedScratchCopyStays() {
    EditorHarness h;
    // A scratch copy left by an earlier run, opened to recover it.
    const QByteArray sample = readAll(QUILLMARK_SAMPLES_DIR "/HIDR.DAT");
    const QString scratch = h.writeFile("AuxCad.cad", sample);
    TFRMeditor& w = h.start({scratch});
    h.dialogs.saveFileAnswers.enqueue(h.path("dest.dat"));
    w.ui.MnEditPlantChange->trigger();
    w.ui.BTNsavechange->click();
    QCOMPARE(w.document().registryFileName(), h.path("dest.dat"));
    w.ui.MnFileExit->trigger();
    h.destroy();
    QCOMPARE(readAll(scratch), sample);
}

void TestEditorFaults::csvNumbersUnderAnyLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("volumes");
    QTest::newRow("Arabic, Egypt") << "ar_EG" << QByteArray(";22950.00;4250.00;");
    QTest::newRow("Persian") << "fa_IR" << QByteArray(";22950.00;4250.00;");
    QTest::newRow("Portuguese keeps its comma") << "pt_BR" << QByteArray(";22950,00;4250,00;");
}

void TestEditorFaults::csvNumbersUnderAnyLocale() {
    QFETCH(QString, locale);
    QFETCH(QByteArray, volumes);
    TUsinaHd p = RegistryFixtures::plantNamed("ALFA");
    p.VolMax = 22950;
    p.VolMin = 4250;
    LookupLists lists;
    lists.setDefaults();
    const QByteArray line =
        CsvExport::plantLine(1, p, PlantList::emptyPlantNames(), lists, QLocale(locale));
    QVERIFY2(line.contains(volumes), line.constData());
    QVERIFY(!line.contains('?'));
}

void TestEditorFaults::configLineEnds_data() {
    QTest::addColumn<QByteArray>("end");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("CR alone") << QByteArray("\r");
}

void TestEditorFaults::configLineEnds() {
    QFETCH(QByteArray, end);
    const IniFile ini = IniFile::fromBytes("[SISTEMAS]" + end + "1=Sudeste" + end + "2=Sul" + end +
                                           end + "[EMPRESAS]" + end + "19=Furnas");
    QCOMPARE(ini.value("SISTEMAS", "1"), QString("Sudeste"));
    QCOMPARE(ini.value("SISTEMAS", "2"), QString("Sul"));
    QCOMPARE(ini.value("EMPRESAS", "19"), QString("Furnas"));
}

void TestEditorFaults::samplePlantsSaveAsTheyStand() {
    EditorHarness h;
    const QString sample = h.writeFile("HIDR.DAT", readAll(QUILLMARK_SAMPLES_DIR "/HIDR.DAT"));
    TFRMeditor& w = h.start({sample});
    h.dialogs.saveFileAnswers.enqueue(h.path("dest.dat"));
    const int plants = w.ui.ComboBox1->count();
    QVERIFY(plants >= 20);
    for (int i = 0; i < plants; ++i) {
        w.ui.ComboBox1->setCurrentIndex(i);
        emit w.ui.ComboBox1->activated(i);
        const QString entry = w.ui.ComboBox1->currentText();
        h.dialogs.clear();
        w.ui.MnEditPlantChange->trigger();
        w.ui.BTNsavechange->click();
        QVERIFY2(h.dialogs.count(Kind::Warning) == 0 && h.dialogs.count(Kind::Plain) == 0,
                 qPrintable(entry + ": " + h.dialogs.messageLines().join(" | ")));
        QVERIFY2(w.ui.BTNsavechange->isHidden(), qPrintable(entry));
    }
}

// Assistive technology toggles a checkable item without a click: the window follows the mark.
void TestEditorFaults::checkMarkSetWithoutAClick() {
    EditorHarness h;
    const QString reg = h.writeFile("r.dat", twoPlants());
    TFRMeditor& w = h.start({reg});
    w.ui.MnEditLanEng->setChecked(true);
    QVERIFY(w.windowTitle().startsWith("Hydro Plant´s Cadastre editor - "));
    QVERIFY(!w.ui.MnEditLanPort->isChecked());
    QCOMPARE(w.ui.GroupBox2->title(), QString("Reservoir"));
    w.ui.MnEditSearchName->setChecked(true);
    QCOMPARE(w.document().listMode(), EditorDocument::ListMode::ByName);
    QVERIFY(!w.ui.MnEditSearchCode->isChecked());
    QCOMPARE(w.ui.ComboBox1->itemText(0), QString("ALFA (1)"));
}

void TestEditorFaults::formFitsASmallScreen_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("mode");
    for (bool english : {false, true})
        for (const char* mode : {"browse", "change", "create"})
            QTest::addRow("%s, %s", english ? "English" : "Portuguese", mode) << english << mode;
}

void TestEditorFaults::formFitsASmallScreen() {
    QFETCH(bool, english);
    QFETCH(QString, mode);
    EditorHarness h;
    const QString sample = h.writeFile("HIDR.DAT", readAll(QUILLMARK_SAMPLES_DIR "/HIDR.DAT"));
    TFRMeditor& w = h.start({sample});
    w.setWindowState(Qt::WindowNoState);
    w.resize(1280, 720);
    if (english)
        w.ui.MnEditLanEng->trigger();
    // The widest turbine name of the lists shown while browsing.
    w.ui.ComboBox1->setCurrentIndex(w.ui.ComboBox1->findText("3 - ", Qt::MatchStartsWith));
    emit w.ui.ComboBox1->activated(w.ui.ComboBox1->currentIndex());
    h.dialogs.saveFileAnswers.enqueue(h.path("dest.dat"));
    if (mode == "change")
        w.ui.MnEditPlantChange->trigger();
    else if (mode == "create")
        w.ui.MnEditPlantCreate->trigger();
    QTest::qWait(50);
    auto* scroller = w.findChild<QScrollArea*>("FormScroller");
    QCOMPARE(scroller->horizontalScrollBar()->maximum(), 0);
    for (const QLineEdit* box : w.findChildren<QLineEdit*>())
        if (box->isVisible())
            QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) <= box->width() - 4,
                     qPrintable(box->objectName() + ": " + box->text()));
    const QLabel* version = w.ui.Label1;
    QVERIFY(version->width() >= version->sizeHint().width());
}

QTEST_MAIN(TestEditorFaults)
#include "tst_editorfaults.moc"

// The main window's start, loading, plant list, scratch copy and File menu, driven as a user
// drives them.

#include "EditorHarness.h"
#include "RegistryFixtures.h"
#include "registry/PlantCodec.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTableWidget>
#include <QTest>

using namespace RegistryFixtures;
using Kind = ScriptedDialogs::Kind;

static const QString PortugueseTitle =
    QStringLiteral("Visualizador do Cadastro de Usinas Hidráulicas");

// Plants at 1, 6 and 320 of 320 records; record 2 named with a leading blank, record 3
// with a leading NUL (both vacated for the list, named all the same).
static QByteArray registryOneSix320() {
    TUsinaHd first = plantNamed(QStringLiteral("ALFA"));
    first.Jusante = 2;
    first.Desvio = 3;
    TUsinaHd blankFirst = plantNamed(QStringLiteral(" OCULTA"));
    TUsinaHd nulFirst = plantNamed(QStringLiteral("XNULA"));
    nulFirst.Nome[0] = '\0';
    return registryBytes(320, {{1, first},
                               {2, blankFirst},
                               {3, nulFirst},
                               {6, plantNamed(QStringLiteral("São Simão"))},
                               {320, plantNamed(QStringLiteral("ÚLTIMA"))}});
}

static QStringList items(const QComboBox* combo) {
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

static bool enabled(QMenu* menu) {
    return menu->menuAction()->isEnabled();
}

class TestEditorWindow : public QObject {
    Q_OBJECT

private slots:
    void start_data();
    void start();
    void plantListOfOneSix320();
    void vacatedRecordsKeepTheirNames();
    void registrySizes_data();
    void registrySizes();
    void keyboardMnemonics();
    void userChoiceShowsThePlant();
    void byNameEntryReadsItsRecord();
    void unreadableRegistryEmptiesTheLists_data();
    void unreadableRegistryEmptiesTheLists();
    void registryGoneWhileBrowsing();
    void loadAfterLoadClearsTheFirst();
    void scratchCopy_data();
    void scratchCopy();
    void printEnabledWhenTheListShowsText();
    void configIni_data();
    void configIni();
    void doubleClickOnTheIndicatorLoads();
    void exitClosesTheWindow();
    void designNamesInTheirGroups_data();
    void designNamesInTheirGroups();
    void selectorsShareTheirBoxesPlace();
    void designStates();
    void labelsNameTheirBoxes();
    void exceptionInAHandlerIsShown();
    void programStarts();
};

void TestEditorWindow::start_data() {
    QTest::addColumn<QString>("argument"); // "<file>" stands for the registry's path
    QTest::addColumn<QString>("dialogAnswer");
    QTest::addColumn<bool>("dialogShown");
    QTest::addColumn<QString>("titleBase");
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("shownName");

    const int red = int(TFRMeditor::SinalColor::Red);
    const int green = int(TFRMeditor::SinalColor::Green);
    QTest::newRow("registry argument") << "<file>"
                                       << "" << false << PortugueseTitle << green << "ALFA        ";
    QTest::newRow("no argument, cancelled") << ""
                                            << "" << true << "Velarin" << red << "";
    QTest::newRow("blank argument, cancelled") << "   "
                                               << "" << true << "Velarin" << red << "";
    QTest::newRow("no argument, file chosen")
        << ""
        << "<file>" << true << "Velarin" << green << "ALFA        ";
}

void TestEditorWindow::start() {
    QFETCH(QString, argument);
    QFETCH(QString, dialogAnswer);
    QFETCH(bool, dialogShown);
    QFETCH(QString, titleBase);
    QFETCH(int, signal);
    QFETCH(QString, shownName);

    EditorHarness h;
    const QString file = h.writeFile("HIDR.DAT", registryOneSix320());
    argument.replace("<file>", file);
    dialogAnswer.replace("<file>", file);
    if (dialogShown)
        h.dialogs.openFileAnswers.enqueue(dialogAnswer);
    TFRMeditor& w = h.start({argument});

    QVERIFY(w.firstActivationDone());
    QCOMPARE(h.dialogs.count(Kind::OpenFile), dialogShown ? 1 : 0);
    if (dialogShown) {
        const ScriptedDialogs::Box box = h.dialogs.boxes.constFirst();
        QCOMPARE(box.text, QStringLiteral("Abrir Cadastro de Usinas Hidráulicas"));
        QCOMPARE(box.extra, QStringLiteral("Cadastro de Usinas Hidráulicas (*)"));
    }
    QCOMPARE(h.dialogs.messageLines(), QStringList());
    const bool loaded = !shownName.isEmpty();
    QCOMPARE(w.windowTitle(),
             loaded ? titleBase + " - " + QDir::toNativeSeparators(file) : titleBase);
    QCOMPARE(int(w.signalColor()), signal);
    QCOMPARE(w.ui.Sinal->pixmap().toImage(), (loaded ? w.ui.ImgGreen : w.ui.ImgRed)->pixmap().toImage());
    QCOMPARE(w.ui.MnFileExp->isEnabled(), loaded);
    QCOMPARE(enabled(w.ui.MnEditSearch), loaded);
    QCOMPARE(w.ui.TXT_Nome->text(), shownName);
    QCOMPARE(w.document().registryFileName(), loaded ? file : QString());
    QVERIFY(w.document().destFileName().isEmpty());
    if (loaded) {
        QCOMPARE(w.ui.ComboBox1->currentText(), QStringLiteral("1 - ALFA"));
        QCOMPARE(w.ui.TXT_Cod->text(), QStringLiteral("1"));
        QCOMPARE(w.document().currentCode(), 1);
        QVERIFY(w.ui.MnEditSearchCode->isChecked());
        QVERIFY(!w.ui.MnEditSearchName->isChecked());
    } else {
        QCOMPARE(w.ui.ComboBox1->count(), 0);
        QCOMPARE(w.ui.ComboBox2->count(), 0);
        QCOMPARE(w.box("TXT_Posto")->text(), QString());
        QCOMPARE(cellText(w.ui.StrGr_PCVA, 0, 0), QString());
    }
    QVERIFY(w.isMaximized());
}

void TestEditorWindow::plantListOfOneSix320() {
    EditorHarness h;
    const QString file = h.writeFile("HIDR.DAT", registryOneSix320());
    TFRMeditor& w = h.start({file});
    const QStringList expected = {"1 - ALFA", "6 - São Simão", "320 - ÚLTIMA"};
    QCOMPARE(items(w.ui.ComboBox2), expected);
    QCOMPARE(items(w.ui.ComboBox1), expected);
    QCOMPARE(w.document().plantNames().value(0), QStringLiteral("NÃO HÁ"));
    QCOMPARE(w.document().plantNames().value(6), QStringLiteral("São Simão   "));
    QCOMPARE(w.document().plantNames().value(5), QString(12, u' '));
    QCOMPARE(w.document().plantNames().value(321), QString());
    QVERIFY(w.document().plantNames().size() >= 1001);
}

void TestEditorWindow::vacatedRecordsKeepTheirNames() {
    EditorHarness h;
    const QString file = h.writeFile("HIDR.DAT", registryOneSix320());
    TFRMeditor& w = h.start({file});
    // Plant 1 points at records 2 (blank first byte) and 3 (NUL first byte).
    QCOMPARE(w.box("TXT_Jusante")->text(), QStringLiteral("2 -  OCULTA     "));
    QCOMPARE(w.box("TXT_Desvio")->text(), QStringLiteral("3 - NULA       ")); // a NUL adds nothing
}

void TestEditorWindow::registrySizes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("lastEntryDownstream"); // TXT_Jusante of the last entry's plant

    TUsinaHd far = plantNamed(QStringLiteral("LONGE"));
    far.Jusante = 1003;
    far.Posto = 77;
    QTest::newRow("more than 1000 records")
        << registryBytes(1005, {{1003, plantNamed(QStringLiteral("MIL E TRES"))}, {1005, far}})
        << QStringList{"1003 - MIL E TRES", "1005 - LONGE"} << "1003 - MIL E TRES  ";

    // A trailing partial record that holds its name and part of its numbers.
    TUsinaHd cut = plantNamed(QStringLiteral("PARCIAL"));
    cut.Posto = 77;
    cut.Jusante = 1;
    QByteArray partial = registryBytes(1, {{1, plantNamed(QStringLiteral("INTEIRA"))}});
    partial += encodePlant(cut).left(32); // up to, not including, Jusante
    QTest::newRow("partial record with its name")
        << partial << QStringList{"1 - INTEIRA", "2 - PARCIAL"} << "0 - NÃO HÁ";
    QByteArray nameOnly = registryBytes(1, {{1, plantNamed(QStringLiteral("INTEIRA"))}});
    nameOnly += encodePlant(cut).left(11);
    QTest::newRow("partial record without its whole name")
        << nameOnly << QStringList{"1 - INTEIRA"} << "0 - NÃO HÁ";
}

void TestEditorWindow::registrySizes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    QFETCH(QString, lastEntryDownstream);

    EditorHarness h;
    const QString file = h.writeFile("HIDR.DAT", bytes);
    TFRMeditor& w = h.start({file});
    QCOMPARE(items(w.ui.ComboBox2), entries);
    w.ui.ComboBox1->setCurrentIndex(w.ui.ComboBox1->count() - 1);
    emit w.ui.ComboBox1->activated(w.ui.ComboBox1->currentIndex());
    QCOMPARE(w.box("TXT_Jusante")->text(), lastEntryDownstream);
    if (entries.size() > 1)
        QCOMPARE(w.box("TXT_Posto")->text(), QStringLiteral("77"));
    // A size that is no whole number of records is told once, at the load.
    const qint64 rest = bytes.size() % RecordSize;
    const QStringList told =
        rest == 0
            ? QStringList()
            : QStringList{QStringLiteral("warning: O Cadastro %1 tem %2 bytes, que não formam "
                                         "um número inteiro de registros de 792 bytes: os "
                                         "%3 bytes finais são lidos como um registro "
                                         "incompleto e mantidos como estão.")
                              .arg(QDir::toNativeSeparators(file))
                              .arg(bytes.size())
                              .arg(rest)};
    QCOMPARE(h.dialogs.messageLines(), told);
}

void TestEditorWindow::keyboardMnemonics() {
    EditorHarness h;
    const QString file = h.writeFile("HIDR.DAT", registryOneSix320());
    TFRMeditor& w = h.start({});
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    h.dialogs.openFileAnswers.enqueue(file);
    // Alt and the File menu's letter open it, Load's letter chooses Load (whatever the
    // interface language made of the captions).
    const QKeySequence fileKey = QKeySequence::mnemonic(w.ui.MnFile->menuAction()->text());
    const QKeySequence loadKey = QKeySequence::mnemonic(w.ui.MnFileLoad->text());
    QVERIFY(!fileKey.isEmpty() && !loadKey.isEmpty());
    QTest::keyClick(&w, fileKey[0].key(), Qt::AltModifier);
    QTRY_VERIFY(w.ui.MnFile->isVisible());
    QTest::keyClick(w.ui.MnFile, loadKey[0].key());
    QTRY_COMPARE(w.document().registryFileName(), file);
    QCOMPARE(h.dialogs.count(Kind::OpenFile), 2);
}

void TestEditorWindow::userChoiceShowsThePlant() {
    EditorHarness h;
    TUsinaHd six = plantNamed(QStringLiteral("São Simão"));
    six.Posto = 66;
    const QString file = h.writeFile(
        "HIDR.DAT", registryBytes(8, {{1, plantNamed(QStringLiteral("ALFA"))}, {6, six}}));
    TFRMeditor& w = h.start({file});
    QCOMPARE(w.box("TXT_Posto")->text(), QStringLiteral("0"));

    // A programmatic index change is no user choice: nothing is read.
    w.ui.ComboBox1->setCurrentIndex(1);
    QCOMPARE(w.ui.TXT_Nome->text(), QStringLiteral("ALFA        "));
    QCOMPARE(w.document().currentCode(), 1);

    emit w.ui.ComboBox1->activated(1);
    QCOMPARE(w.ui.TXT_Nome->text(), QStringLiteral("SÃO SIMÃO   "));
    QCOMPARE(w.box("TXT_Posto")->text(), QStringLiteral("66"));
    QCOMPARE(w.ui.TXT_Cod->text(), QStringLiteral("6"));
    QCOMPARE(w.document().currentCode(), 6);
    QCOMPARE(h.dialogs.messageLines(), QStringList());
}

void TestEditorWindow::byNameEntryReadsItsRecord() {
    EditorHarness h;
    TUsinaHd alfa = plantNamed(QStringLiteral("ALFA"));
    alfa.Posto = 1212;
    const QString file = h.writeFile(
        "HIDR.DAT", registryBytes(12, {{3, plantNamed(QStringLiteral("BETA"))}, {12, alfa}}));
    TFRMeditor& w = h.start({file});
    w.ui.MnEditSearchName->trigger();
    QCOMPARE(w.ui.ComboBox1->itemText(0), QStringLiteral("ALFA (12)"));
    w.ui.ComboBox1->setCurrentIndex(0);
    emit w.ui.ComboBox1->activated(0);
    QCOMPARE(w.box("TXT_Posto")->text(), QStringLiteral("1212"));
    QCOMPARE(w.ui.TXT_Cod->text(), QStringLiteral("12"));
    QCOMPARE(w.document().currentCode(), 12);
}

void TestEditorWindow::unreadableRegistryEmptiesTheLists_data() {
    QTest::addColumn<bool>("fromCommandLine");
    QTest::addColumn<QString>("target");
    QTest::newRow("File > Load, missing file") << false << "NADA.DAT";
    QTest::newRow("command line, missing file") << true << "NADA.DAT";
    QTest::newRow("File > Load, a folder") << false << "PASTA";
    QTest::newRow("command line, a folder") << true << "PASTA";
}

void TestEditorWindow::unreadableRegistryEmptiesTheLists() {
    QFETCH(bool, fromCommandLine);
    QFETCH(QString, target);
    EditorHarness h;
    const QString good = h.writeFile("HIDR.DAT", registryOneSix320());
    QVERIFY(QDir(h.path(".")).mkdir("PASTA"));
    const QString missing = h.path(target);
    TFRMeditor& w = h.start({good});
    QCOMPARE(w.ui.ComboBox2->count(), 3);
    h.dialogs.clear();

    if (fromCommandLine) {
        // A second window on the missing file, after one that listed plants.
        h.start({missing});
    } else {
        h.dialogs.openFileAnswers.enqueue(missing);
        w.ui.MnFileLoad->trigger();
    }
    TFRMeditor& v = h.window();
    QCOMPARE(h.dialogs.messageLines(),
             QStringList{QStringLiteral("plain: Problemas na leitura do Cadastro !")});
    QCOMPARE(v.ui.ComboBox2->count(), 0);
    QCOMPARE(v.ui.ComboBox1->count(), 0);
    QCOMPARE(v.document().listShownText(), QString());
    QCOMPARE(v.document().plantNames().value(0), QStringLiteral("NÃO HÁ"));
    QCOMPARE(v.document().plantNames().value(1), QString());
    QCOMPARE(v.ui.TXT_Nome->text(), QString());
    // Loading carries on: the file is the registry in use, though nothing is listed.
    QCOMPARE(v.document().registryFileName(), missing);
    QVERIFY(v.windowTitle().endsWith(" - " + QDir::toNativeSeparators(missing)));
    QCOMPARE(v.signalColor(), TFRMeditor::SinalColor::Green);
}

void TestEditorWindow::registryGoneWhileBrowsing() {
    EditorHarness h;
    const QString file = h.writeFile("HIDR.DAT", registryOneSix320());
    TFRMeditor& w = h.start({file});
    QVERIFY(QFile::remove(file));
    h.dialogs.clear();
    w.ui.ComboBox1->setCurrentIndex(1);
    emit w.ui.ComboBox1->activated(1);
    QCOMPARE(h.dialogs.messageLines(),
             QStringList{QStringLiteral("plain: Arquivo <Usinas.Dat> não encontrado")});
    // The fresh, all-zero plant is shown and its code kept.
    QCOMPARE(w.box("TXT_Posto")->text(), QStringLiteral("0"));
    QCOMPARE(w.box("TXT_SistUsi")->text(), QStringLiteral("0 - "));
    QCOMPARE(w.box("TXT_Jusante")->text(), QStringLiteral("0 - NÃO HÁ"));
    QCOMPARE(w.ui.TXT_Nome->text(), QString());
    QCOMPARE(w.document().currentCode(), 6);
}

void TestEditorWindow::loadAfterLoadClearsTheFirst() {
    EditorHarness h;
    const QString first = h.writeFile("A.DAT", registryOneSix320());
    const QString second =
        h.writeFile("B.DAT", registryBytes(2, {{2, plantNamed(QStringLiteral("GAMA"))}}));
    TFRMeditor& w = h.start({first});
    h.dialogs.saveFileAnswers.enqueue(h.path("DEST.DAT"));
    w.ui.MnEditPlantChange->trigger(); // a destination chosen
    w.ui.BTNcancelchange->click();
    QCOMPARE(w.document().destFileName(), h.path("DEST.DAT"));

    h.dialogs.openFileAnswers.enqueue(second);
    w.ui.MnFileLoad->trigger();
    QCOMPARE(items(w.ui.ComboBox1), QStringList{"2 - GAMA"});
    QCOMPARE(w.ui.ComboBox1->currentIndex(), -1); // nothing chosen yet
    QCOMPARE(w.document().listShownText(), QStringLiteral("Select the Plant !"));
    QCOMPARE(w.ui.TXT_Nome->text(), QString());
    QCOMPARE(w.windowTitle(), "Velarin - " + QDir::toNativeSeparators(second));
    QVERIFY(w.document().destFileName().isEmpty());

    // Cancelled: no registry at all.
    w.ui.MnFileLoad->trigger();
    QCOMPARE(w.windowTitle(), QStringLiteral("Velarin"));
    QCOMPARE(w.signalColor(), TFRMeditor::SinalColor::Red);
    QVERIFY(w.document().registryFileName().isEmpty());
    QCOMPARE(w.ui.ComboBox1->count(), 0);
    QVERIFY(!w.ui.MnFileExp->isEnabled());
    QVERIFY(!enabled(w.ui.MnEditSearch));
}

void TestEditorWindow::scratchCopy_data() {
    QTest::addColumn<QString>("registry"); // the argument: "AuxCad.cad" or "HIDR.DAT"
    QTest::addColumn<bool>("leftOver");    // a copy exists before the start
    QTest::addColumn<bool>("afterStart");
    QTest::addColumn<bool>("afterExit");

    QTest::newRow("left-over copy, other registry") << "HIDR.DAT" << true << false << false;
    // Only a copy this run wrote goes at the exit (the document's stores are tested apart).
    QTest::newRow("copy made while running") << "HIDR.DAT" << false << false << true;
    QTest::newRow("the copy is the registry") << "AuxCad.cad" << true << true << true;
    QTest::newRow("the copy by a relative name") << "./AuxCad.cad" << true << true << true;
}

void TestEditorWindow::scratchCopy() {
    QFETCH(QString, registry);
    QFETCH(bool, leftOver);
    QFETCH(bool, afterStart);
    QFETCH(bool, afterExit);

    EditorHarness h;
    const QByteArray bytes = registryOneSix320();
    h.writeFile("HIDR.DAT", bytes);
    const QString aux = h.path("AuxCad.cad");
    if (leftOver)
        h.writeFile("AuxCad.cad", bytes);
    TFRMeditor& w = h.start({registry});
    QCOMPARE(QDir(w.document().startDir()).canonicalPath(), QDir(h.path(".")).canonicalPath());
    QCOMPARE(QFile::exists(aux), afterStart);
    if (!leftOver)
        h.writeFile("AuxCad.cad", bytes); // as a saved change makes it
    QCOMPARE(w.ui.ComboBox2->count(), 3);
    h.destroy();
    QCOMPARE(QFile::exists(aux), afterExit);
    QVERIFY(QFile::exists(h.path("HIDR.DAT")));
}

void TestEditorWindow::printEnabledWhenTheListShowsText() {
    EditorHarness h;
    const QString file = h.writeFile("HIDR.DAT", registryOneSix320());
    TFRMeditor& w = h.start({});
    emit w.ui.MnFile->aboutToShow();
    QVERIFY(!enabled(w.ui.MnFilePrint));

    h.dialogs.openFileAnswers.enqueue(file);
    w.ui.MnFileLoad->trigger();
    emit w.ui.MnFile->aboutToShow();
    QVERIFY(enabled(w.ui.MnFilePrint)); // "Select the Plant !" is shown

    w.ui.ComboBox1->setCurrentIndex(0);
    emit w.ui.ComboBox1->activated(0);
    emit w.ui.MnFile->aboutToShow();
    QVERIFY(enabled(w.ui.MnFilePrint));

    h.dialogs.openFileAnswers.enqueue(h.path("NADA.DAT"));
    w.ui.MnFileLoad->trigger();
    emit w.ui.MnFile->aboutToShow();
    QVERIFY(!enabled(w.ui.MnFilePrint));
}

void TestEditorWindow::configIni_data() {
    QTest::addColumn<QByteArray>("config"); // empty: no file
    QTest::addColumn<bool>("warned");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("company");
    QTest::addColumn<QString>("turbine");

    QTest::newRow("missing") << QByteArray() << true << "1 - Sudeste"
                             << "19 - Furnas"
                             << "2 - Kaplan/Propeller";
    QTest::newRow("own names, cut to 20")
        << QByteArray("[SISTEMAS]\n1=Sudeste/Centro-Oeste Brasil\n[EMPRESAS]\n19=Hidro Norte\n")
        << false << "1 - Sudeste/Centro-Oeste"
        << "19 - Hidro Norte"
        << "2 - ";
    QTest::newRow("Windows-1252 file") << QByteArray("[TURBINAS]\n2=H\xc9LICE\n") << false << "1 - "
                                       << "19 - "
                                       << "2 - HÉLICE";
}

void TestEditorWindow::configIni() {
    QFETCH(QByteArray, config);
    QFETCH(bool, warned);
    QFETCH(QString, system);
    QFETCH(QString, company);
    QFETCH(QString, turbine);

    EditorHarness h(false);
    if (!config.isEmpty())
        h.writeFile("config.ini", config);
    TUsinaHd p = plantNamed(QStringLiteral("ALFA"));
    p.Sistema = 1;
    p.Empresa = 19;
    p.TipoTurbina = 2;
    const QString file = h.writeFile("HIDR.DAT", registryBytes(1, {{1, p}}));
    TFRMeditor& w = h.start({file});
    const QString expectedWarning =
        "O Arquivo " + QDir::toNativeSeparators(h.path("config.ini")) +
        " não foi encontrado. As definições de Turbinas, Sistemas e Empresas podem não estar "
        "atualizadas.";
    QCOMPARE(h.dialogs.messageLines(),
             warned ? QStringList{"warning: " + expectedWarning} : QStringList());
    QCOMPARE(w.box("TXT_SistUsi")->text(), system);
    QCOMPARE(w.box("TXT_Empresa")->text(), company);
    QCOMPARE(w.box("TXT_Tipo_Turb")->text(), turbine);
}

void TestEditorWindow::doubleClickOnTheIndicatorLoads() {
    EditorHarness h;
    const QString file = h.writeFile("HIDR.DAT", registryOneSix320());
    TFRMeditor& w = h.start({});
    h.dialogs.openFileAnswers.enqueue(file);
    QTest::mouseDClick(w.ui.Sinal, Qt::LeftButton);
    QCOMPARE(h.dialogs.count(Kind::OpenFile), 2);
    QCOMPARE(w.document().registryFileName(), file);
    QCOMPARE(w.ui.ComboBox1->count(), 3);

    // While editing the indicator is disabled and a double-click does nothing.
    w.ui.Sinal->setEnabled(false);
    QTest::mouseDClick(w.ui.Sinal, Qt::LeftButton);
    QCOMPARE(h.dialogs.count(Kind::OpenFile), 2);
}

void TestEditorWindow::exitClosesTheWindow() {
    EditorHarness h;
    TFRMeditor& w = h.start({});
    QVERIFY(w.isVisible());
    w.ui.MnFileExit->trigger();
    QVERIFY(!w.isVisible());
}

void TestEditorWindow::designNamesInTheirGroups_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("group"); // empty: outside the three groups
    const QStringList top = {"Sinal",    "ComboBox1", "ComboBox2",     "TXT_Cod",
                             "TXT_Nome", "LBLdata",   "TXT_Data",      "Label76",
                             "TXT_Obs",  "Label1",    "ImgRed",        "ImgYellow",
                             "ImgGreen", "Image1",    "BTNsavechange", "BTNcancelchange"};
    const QStringList group1 = {"LBLsystem",     "TXT_SistUsi",   "CMBsistema",   "LBLgencoID",
                                "TXT_Empresa",   "CMBempresa",    "LBLgaugenum",  "TXT_Posto",
                                "LBLaltgaugeid", "TXT_Posto_BDH", "LBLdowngauge", "TXT_Jusante",
                                "CMBjusante",    "LBLdeviation",  "TXT_Desvio",   "CMBdesvio"};
    const QStringList group2 = {
        "LBLregul",   "TXT_reg",     "CMBreg",     "lblvolref",   "TXT_V_Ref",   "LBLmaxvol",
        "TXT_VMax",   "LBLmaxlev",   "TXT_Ymax",   "Lblvolspill", "TXT_V_Vert",  "LBLminvol",
        "TXT_VMin",   "LBLminlev",   "TXT_YMin",   "LBLvoldev",   "TXT_V_CDesv", "LBLpolin",
        "LBLcotavol", "LBLareacota", "StrGr_PCVA", "LBLevap",     "LBLjan",      "LBLfev",
        "LBLmar",     "LBLabr",      "LBLmai",     "LBLjun",      "LBLjul",      "LBLago",
        "LBLset",     "LBLout",      "LBLnov",     "LBLdez",      "StrGr_EvapM"};
    const QStringList group3 = {
        "LBLprodesp",   "TXT_Resp",       "LBLmedtail",     "TXT_JusNom",      "LBLteif",
        "TXT_TxSForc",  "LBLip",          "TXT_TxIndProg",  "LBLturbtype",     "TXT_Tipo_Turb",
        "CMBtipo_turb", "LBLnumtunit",    "TXT_NGrMaq",     "LBLndownpols",    "TXT_NKeyCur",
        "LBLperdas",    "LBLtipo",        "TXT_TpPerda",    "CMBtp_perda",     "LBLvalor",
        "TXT_Phd",      "LBLmaxfatcarga", "TXT_FatCgMax",   "LBLminfatcarga",  "TXT_FatCgMin",
        "LBLinflspill", "TXT_VICF",       "CMBvicf",        "LBLrepset",       "TXT_RepGrGer",
        "CMBrepgrger",  "LBLminhistflow", "TXT_QNaMH",      "LBLnumbaseunits", "TXT_N_UBase",
        "LBLunitypes",  "StrGr_ConjMaq1", "StrGr_ConjMaq2", "LBLpolsdown",     "StrGr_PolsJus"};
    for (const auto& [names, group] :
         {std::pair{top, QString()}, std::pair{group1, QStringLiteral("GroupBox1")},
          std::pair{group2, QStringLiteral("GroupBox2")},
          std::pair{group3, QStringLiteral("GroupBox3")}})
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << name << group;
}

void TestEditorWindow::designNamesInTheirGroups() {
    QFETCH(QString, name);
    QFETCH(QString, group);
    EditorHarness h;
    TFRMeditor& w = h.create();
    const auto found = w.findChildren<QWidget*>(name);
    QCOMPARE(found.size(), 1);
    QWidget* widget = found.constFirst();
    QString inGroup;
    for (QWidget* p = widget->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<QGroupBox*>(p))
            inGroup = p->objectName();
    QCOMPARE(inGroup, group);
}

void TestEditorWindow::selectorsShareTheirBoxesPlace() {
    EditorHarness h;
    TFRMeditor& w = h.start({});
    struct Field {
        QLabel* label;
        QLineEdit* box;
        QComboBox* selector;
    };
    QList<Field> fields;
    for (const auto& [selector, box] : codedSelectorBoxes()) {
        Field f{nullptr, w.findChild<QLineEdit*>(box), w.findChild<QComboBox*>(selector)};
        for (QLabel* label : w.findChildren<QLabel*>())
            if (label->buddy() == f.box)
                f.label = label;
        QVERIFY2(f.label && f.box && f.selector, qPrintable(box));
        fields << f;
    }
    QCOMPARE(fields.size(), 9);
    for (const auto& [label, box, selector] : fields) {
        QVERIFY(box->isVisible());
        QVERIFY(!selector->isVisible());
        QCOMPARE(label->buddy(), static_cast<QWidget*>(box));
        QCOMPARE(selector->parentWidget(), box->parentWidget());
    }
    h.dialogs.saveFileAnswers.enqueue(h.path("dest.dat"));
    w.ui.MnEditPlantCreate->trigger(); // the selectors take the boxes' places
    for (const auto& [label, box, selector] : fields) {
        QVERIFY(!box->isVisible());
        QVERIFY(selector->isVisible());
        QCOMPARE(label->buddy(), static_cast<QWidget*>(selector));
    }
    w.ui.BTNcancelchange->click();
    for (const auto& [label, box, selector] : fields) {
        QVERIFY(box->isVisible() && !selector->isVisible());
        QCOMPARE(label->buddy(), static_cast<QWidget*>(box));
    }
    // Each selector sits in its box's cell, so it takes the box's place when they swap.
    for (const auto& [label, box, selector] : fields) {
        QGridLayout* grid = nullptr;
        for (QGridLayout* g : box->parentWidget()->findChildren<QGridLayout*>())
            if (g->indexOf(box) >= 0)
                grid = g;
        QVERIFY2(grid, qPrintable(box->objectName()));
        int boxCell[4], selectorCell[4];
        QVERIFY(grid->indexOf(selector) >= 0);
        grid->getItemPosition(grid->indexOf(box), &boxCell[0], &boxCell[1], &boxCell[2],
                              &boxCell[3]);
        grid->getItemPosition(grid->indexOf(selector), &selectorCell[0], &selectorCell[1],
                              &selectorCell[2], &selectorCell[3]);
        QCOMPARE(QList<int>(selectorCell, selectorCell + 4), QList<int>(boxCell, boxCell + 4));
    }
}

void TestEditorWindow::designStates() {
    EditorHarness h;
    TFRMeditor& w = h.create();
    QCOMPARE(w.windowTitle(), QStringLiteral("Hydro Plant\u00B4s Cadastre Editor"));
    QVERIFY(w.windowState() & Qt::WindowMaximized);
    QVERIFY(w.ui.BTNsavechange->isHidden());
    QVERIFY(w.ui.BTNcancelchange->isHidden());
    QVERIFY(w.ui.ComboBox2->isHidden());
    QVERIFY(w.ui.ImgRed->isHidden() && w.ui.ImgYellow->isHidden() && w.ui.ImgGreen->isHidden());
    QVERIFY(!w.ui.TXT_Cod->isEnabled());
    QVERIFY(!enabled(w.ui.MnEditSearch));
    QVERIFY(!w.ui.MnEditLanEsp->isEnabled() && !w.ui.MnEditLanFran->isEnabled());
    QVERIFY(w.ui.MnEditLanEng->isChecked() && !w.ui.MnEditLanPort->isChecked());
    QVERIFY(!w.ui.MnEditGerAlt->isVisible());
    QVERIFY(w.ui.MnEditPlantCreate->isCheckable() && !w.ui.MnEditPlantCreate->isChecked());
    QCOMPARE(w.signalColor(), TFRMeditor::SinalColor::Red);
    QCOMPARE(w.ui.ComboBox1->maxVisibleItems(), 25);
    QVERIFY(w.ui.Image1->renderer()->isValid()); // the logo is in the program
    for (QLineEdit* box : plantBoxes(w))
        QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
    QCOMPARE(plantBoxes(w).size(), 32);
    // Column and row counts of the grids.
    const std::tuple<QTableWidget*, int, int> grids[] = {{w.ui.StrGr_PCVA, 5, 2},
                                                         {w.ui.StrGr_EvapM, 12, 1},
                                                         {w.ui.StrGr_ConjMaq1, 5, 1},
                                                         {w.ui.StrGr_ConjMaq2, 7, 1},
                                                         {w.ui.StrGr_PolsJus, 7, 1}};
    for (const auto& [grid, columns, rows] : grids) {
        QCOMPARE(grid->columnCount(), columns);
        QCOMPARE(grid->rowCount(), rows);
    }
    // The design captions of the menus.
    const std::pair<QAction*, const char*> captions[] = {
        {w.ui.MnFile->menuAction(), "&File"},
        {w.ui.MnFileLoad, "&Load..."},
        {w.ui.MnFileExp, "&Export..."},
        {w.ui.MnFilePrint->menuAction(), "&Print..."},
        {w.ui.MnFilePrintCurScr, "&Screen..."},
        {w.ui.MnFilePrintCurData, "&Hydroplant Data..."},
        {w.ui.MnFilePrintAllData, "&All Plants Data..."},
        {w.ui.MnFileExit, "&Exit"},
        {w.ui.MnEdit->menuAction(), "&Edit"},
        {w.ui.MnEditLang->menuAction(), "Language"},
        {w.ui.MnEditSearch->menuAction(), "&Search"},
        {w.ui.MnEditSearchCode, "by &Code"},
        {w.ui.MnEditSearchName, "by &Name"},
        {w.ui.MnEditPlant->menuAction(), "&Plant"},
        {w.ui.MnEditPlantCreate, "&Create"},
        {w.ui.MnEditPlantChange, "C&hange"},
        {w.ui.MnEditPlantDel, "&Delete"},
        {w.ui.MnEditGerAlt, "&Gera Alter. MSD"},
        {w.ui.MnHelp->menuAction(), "&Help"},
        {w.ui.MnHelpAbout, "&About Velarin..."}};
    for (const auto& [action, caption] : captions)
        QCOMPARE(action->text(), QString::fromUtf8(caption));
}

void TestEditorWindow::labelsNameTheirBoxes() {
    EditorHarness h;
    TFRMeditor& w = h.create();
    int labelled = 0;
    for (QLabel* label : w.findChildren<QLabel*>()) {
        auto* box = qobject_cast<QLineEdit*>(label->buddy());
        if (!box)
            continue;
        ++labelled;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), label->text());
    }
    QCOMPARE(labelled, 31); // every box but the code and the name
    QList<QLineEdit*> boxes = plantBoxes(w);
    boxes << w.ui.TXT_Cod;
    for (QLineEdit* box : boxes) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
        QVERIFY2(!face->text(QAccessible::Name).isEmpty(), qPrintable(box->objectName()));
    }
    for (QTableWidget* grid : grids(w))
        QVERIFY2(!grid->accessibleName().isEmpty(), qPrintable(grid->objectName()));
}

void TestEditorWindow::exceptionInAHandlerIsShown() {
    EditorHarness h;
    TFRMeditor& w = h.create();
    w.runGuarded([] { throw std::runtime_error("Falha de teste"); });
    QCOMPARE(h.dialogs.messageLines(), QStringList{"error: Falha de teste"});
}

void TestEditorWindow::programStarts() {
    // The program itself, on a registry given on its command line: it starts and keeps running.
    EditorHarness h;
    const QString file = h.writeFile("HIDR.DAT", registryOneSix320());
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", h.settingsPath()); // the window keeps its Recent list there
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(h.path("."));
    program.start(QStringLiteral(QUILLMARK_EXE), {file});
    QVERIFY(program.waitForStarted());
    QVERIFY(!program.waitForFinished(1500));
    QCOMPARE(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished();
}

QTEST_MAIN(TestEditorWindow)
#include "tst_editorwindow.moc"

// The Tools menu and its windows, driven as a user drives them: when the menu is on, what the
// check and comparison windows show, a double-click, Refresh.

#include "DeckFixtures.h"
#include "EditorHarness.h"
#include "RegistryFixtures.h"
#include "WorkbookReader.h"
#include "registry/AnsiText.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <functional>

using RegistryFixtures::registryBytes;
using RegistryFixtures::validPlant;

namespace {

// Plant 2 fails a rule, plant 10 flows into a plant that is not there.
QByteArray registry() {
    TUsinaHd bad = validPlant(QStringLiteral("RUIM"));
    bad.Posto = 0;
    return registryBytes(12, {{1, validPlant(QStringLiteral("BOA"))},
                              {2, bad},
                              {10, validPlant(QStringLiteral("DEZ"), 11)}});
}

QWidget* topLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

QStringList rows(const QTableWidget* table) {
    QStringList out;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
        out << cells.join(u'|');
    }
    return out;
}

// As the platform delivers a double-click: a click, then the double-click event.
void doubleClick(QTableWidget* table, int row) {
    const QPoint at = table->visualItemRect(table->item(row, 1)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
}

using Step = std::function<void(EditorHarness&, TFRMeditor&)>;

} // namespace

Q_DECLARE_METATYPE(Step)

class TestQualityWindow : public QObject {
    Q_OBJECT

private slots:
    void menuState_data();
    void menuState();
    void checkWindow();
    void resultWindowExports_data();
    void resultWindowExports();
    void compareWindow();
    void checkDeckWindow();
};

void TestQualityWindow::menuState_data() {
    QTest::addColumn<bool>("load");
    QTest::addColumn<Step>("step");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checkEnabled"); // Check and Compare
    const Step none = [](EditorHarness&, TFRMeditor&) {};
    QTest::newRow("no registry") << false << none << false << true;
    QTest::newRow("loaded") << true << none << true << true;
    // The curves follow an edit; Check and Compare stay on and ask first whether to save it.
    QTest::newRow("changing") << true << Step([](EditorHarness& h, TFRMeditor& w) {
        h.dialogs.saveFileAnswers.enqueue(h.path("DEST.DAT"));
        w.ui.MnEditPlantChange->trigger();
    }) << true << true;
    QTest::newRow("creating, then cancelled") << true << Step([](EditorHarness& h, TFRMeditor& w) {
        h.dialogs.saveFileAnswers.enqueue(h.path("DEST.DAT"));
        w.ui.MnEditPlantCreate->trigger();
        QVERIFY(w.findChild<QAction*>("MnToolsCurves")->isEnabled());
        w.ui.BTNcancelchange->click();
    }) << true << true;
}

void TestQualityWindow::menuState() {
    QFETCH(bool, load);
    QFETCH(Step, step);
    QFETCH(bool, enabled);
    QFETCH(bool, checkEnabled);
    EditorHarness h;
    const QString path = h.writeFile("HIDR.DAT", registry());
    TFRMeditor& w = h.start(load ? QStringList{path} : QStringList{});
    step(h, w);
    QMenu* tools = w.findChild<QMenu*>("MnTools");
    QVERIFY(tools);
    QCOMPARE(tools->menuAction()->isEnabled(), enabled);
    for (const char* name : {"MnToolsCheck", "MnToolsCompare", "MnToolsCheckDeck"})
        QCOMPARE(w.findChild<QAction*>(name)->isEnabled(), checkEnabled);
    QVERIFY(w.findChild<QAction*>("MnToolsCurves")->isEnabled());
    // After Edit, before Help.
    const QList<QAction*> bar = w.menuBar()->actions();
    QCOMPARE(bar.indexOf(tools->menuAction()), bar.indexOf(w.ui.MnEdit->menuAction()) + 1);
}

void TestQualityWindow::checkWindow() {
    EditorHarness h;
    const QString path = h.writeFile("HIDR.DAT", registry());
    TFRMeditor& w = h.start({path});
    w.findChild<QAction*>("MnToolsCheck")->trigger();
    QWidget* window = topLevel("FRMcheck");
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Verificação do Cadastro"));
    QCOMPARE(window->findChild<QLabel*>("LBLfiles")->text(),
             "Cadastro: " + QDir::toNativeSeparators(path));
    auto* table = window->findChild<QTableWidget*>("GRDresults");
    const QString rule = QStringLiteral("Posto Inválido. Deve ser um número maior que 0");
    const QString missing = QStringLiteral("Usina de jusante 11 inexistente no Cadastro.");
    QCOMPARE(rows(table), (QStringList{"2|RUIM|" + rule, "10|DEZ|" + missing}));
    QCOMPARE(window->findChild<QLabel*>("LBLsummary")->text(),
             QStringLiteral("3 usinas verificadas, 2 com problemas."));
    // Codes sort as numbers, both ways.
    QVERIFY(table->isSortingEnabled());
    table->horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
    QCOMPARE(rows(table).first(), "10|DEZ|" + missing);

    doubleClick(table, 0);
    QCOMPARE(w.ui.TXT_Cod->text(), QStringLiteral("10"));
    QCOMPARE(w.ui.TXT_Nome->text().trimmed(), QStringLiteral("DEZ"));

    // Refresh reads the registry again, in the language now in use.
    TUsinaHd mended = validPlant(QStringLiteral("BOA2"));
    h.writeFile("HIDR.DAT", registryBytes(12, {{1, validPlant("BOA")}, {2, mended}}));
    w.ui.MnEditLanEng->trigger();
    QCOMPARE(window->windowTitle(), QStringLiteral("Registry Check"));
    window->findChild<QPushButton*>("BTNrefresh")->click();
    QCOMPARE(rows(table), QStringList());
    QCOMPARE(window->findChild<QLabel*>("LBLsummary")->text(),
             QStringLiteral("2 plants checked, 0 with problems."));
    h.destroy();
    QVERIFY(!topLevel("FRMcheck")); // the window goes with the main window
}

void TestQualityWindow::resultWindowExports_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("type"); // chosen in the dialog
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("message"); // %1 the registry
    QTest::newRow("CSV, its extension added")
        << false << "CSV (separado por ponto e vírgula) (*.csv)" << "achados.csv"
        << "information: Arquivo CSV gerado com sucesso !";
    QTest::newRow("workbook, English") << true << "Excel workbook (*.xlsx)" << "achados.xlsx"
                                       << "information: Excel workbook successfully generated !";
    QTest::newRow("over the registry in use: refused")
        << false << "Pasta de trabalho do Excel (*.xlsx)" << "HIDR.DAT"
        << "warning: Arquivo de saída não pode ser igual ao Cadastro %1 !";
}

// The table as found (not as sorted), codes as numbers and texts as texts.
void TestQualityWindow::resultWindowExports() {
    QFETCH(bool, english);
    QFETCH(QString, type);
    QFETCH(QString, chosen);
    QFETCH(QString, message);
    EditorHarness h;
    const QString path = h.writeFile("HIDR.DAT", registry());
    TFRMeditor& w = h.start({path});
    if (english)
        w.ui.MnEditLanEng->trigger();
    w.findChild<QAction*>("MnToolsCheck")->trigger();
    QWidget* window = topLevel("FRMcheck");
    auto* table = window->findChild<QTableWidget*>("GRDresults");
    table->horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
    auto* button = window->findChild<QPushButton*>("BTNexport");
    QCOMPARE(button->text(), english ? QString("&Export...") : QString("&Exportar..."));
    h.dialogs.clear();
    h.dialogs.saveFileAnswers.enqueue(
        h.path(chosen.startsWith("achados") ? chosen.section(u'.', 0, 0) : chosen));
    h.dialogs.saveTypeAnswers.enqueue(type);
    button->click();

    QCOMPARE(h.dialogs.messageLines(), QStringList{message.replace("%1", path)});
    QFile written(h.path(chosen));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    const QString header = table->horizontalHeaderItem(2)->text();
    if (chosen.endsWith(".csv")) {
        QVERIFY(bytes.startsWith(AnsiText::encode("Código;Usina;" + header + "\r\n2;RUIM;")));
    } else if (chosen.endsWith(".xlsx")) {
        const WorkbookCells book = readWorkbook(bytes);
        QVERIFY(book.valid && book.headerFrozen);
        QCOMPARE(book.cell("C1"), "s:" + header);
        QCOMPARE(book.cell("A2") + book.cell("B2") + book.cell("A3"), QString("n:2s:RUIMn:10"));
    } else {
        QCOMPARE(bytes, registry());
    }
}

void TestQualityWindow::compareWindow() {
    EditorHarness h;
    const QString path = h.writeFile("HIDR.DAT", registry());
    TFRMeditor& w = h.start({path});
    // A store makes the scratch copy the registry in use: the window names its destination.
    const QString dest = h.path("DEST.DAT");
    h.dialogs.saveFileAnswers.enqueue(dest);
    w.ui.MnEditPlantChange->trigger();
    w.ui.BTNsavechange->click();
    QVERIFY(w.document().registryFileName() != dest);
    const QString other = h.writeFile(
        "NOVO.DAT", registryBytes(3, {{1, validPlant("BOA")}, {3, validPlant("TRES")}}));
    h.dialogs.openFileAnswers.enqueue(other);
    w.findChild<QAction*>("MnToolsCompare")->trigger();
    QWidget* window = topLevel("FRMcompare");
    QVERIFY(window);
    QCOMPARE(h.dialogs.boxes.last().text, QStringLiteral("Comparar com o Cadastro"));
    QCOMPARE(window->findChild<QLabel*>("LBLfiles")->text(),
             "Antigo: " + QDir::toNativeSeparators(dest) +
                 "\nNovo: " + QDir::toNativeSeparators(other));
    auto* table = window->findChild<QTableWidget*>("GRDresults");
    QCOMPARE(rows(table), (QStringList{"2|RUIM|Usina excluída||", "3|TRES|Usina incluída||",
                                       "10|DEZ|Usina excluída||"}));
    QCOMPARE(window->findChild<QLabel*>("LBLsummary")->text(),
             QStringLiteral("3 usinas diferentes (1 incluída, 2 excluídas, 0 alteradas)."));
    // Plant 3 is not in the registry in use: nothing to show; plant 2 is.
    doubleClick(table, 1);
    QCOMPARE(w.ui.TXT_Cod->text(), QStringLiteral("1"));
    doubleClick(table, 0);
    QCOMPARE(w.ui.TXT_Cod->text(), QStringLiteral("2"));
}

// The deck of the registry in use: its folder offered first, the registry in use read as HIDR.
void TestQualityWindow::checkDeckWindow() {
    EditorHarness h;
    DeckModel deck;
    deck.confhd[3].name = QStringLiteral("OUTRA");
    deck.write(h.path(QString()));
    TFRMeditor& w = h.start({h.path("HIDR.DAT")});
    h.dialogs.folderAnswers.enqueue(h.path(QString()));
    w.findChild<QAction*>("MnToolsCheckDeck")->trigger();
    QCOMPARE(h.dialogs.boxes.last().text, QStringLiteral("Pasta do deck"));
    QCOMPARE(QDir(h.dialogs.boxes.last().extra), QDir(h.path(QString())));
    QWidget* window = topLevel("FRMcheckDeck");
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Verificação do Deck"));
    auto* table = window->findChild<QTableWidget*>("GRDresults");
    QCOMPARE(rows(table),
             QStringList{"4|USINA 4|CONFHD|aviso|o nome na configuração é \"OUTRA\"."});
    QVERIFY(
        window->findChild<QLabel*>("LBLsummary")->text().startsWith("0 erros, 1 aviso, 0 infos."));
    doubleClick(table, 0);
    QCOMPARE(w.ui.TXT_Cod->text(), QStringLiteral("4"));
    w.ui.MnEditLanEng->trigger();
    QCOMPARE(window->windowTitle(), QStringLiteral("Deck Check"));
    QCOMPARE(rows(table), QStringList{"4|USINA 4|CONFHD|warning|the name in the configuration is "
                                      "\"OUTRA\"."});
}

QTEST_MAIN(TestQualityWindow)
#include "tst_qualitywindow.moc"

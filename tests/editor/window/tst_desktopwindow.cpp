// The window's keys, File > Recent and the folder each kind of file dialog opens in, driven
// as a user drives them.

#include "EditorHarness.h"
#include "RegistryFixtures.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QTest>

using namespace RegistryFixtures;

static QByteArray twoPlants() {
    return registryBytes(3, {{1, validPlant("ALFA")}, {3, validPlant("GAMA")}});
}

// File > Recent's registries, in its order.
static QStringList recent(const TFRMeditor& w) {
    QStringList paths;
    for (QAction* item : w.ui.MnFileRecent->actions())
        if (item != w.ui.MnFileRecentNone)
            paths << item->text().section(u' ', 1);
    return paths;
}

static QWidget* topLevel(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name)
            return widget;
    return nullptr;
}

// Opens the file dialog of one kind as a user does, answered with `answer`.
static void openDialog(EditorHarness& h, const QString& how, const QString& answer) {
    TFRMeditor& w = h.window();
    (how == "deck"                       ? h.dialogs.folderAnswers
     : how == "load" || how == "compare" ? h.dialogs.openFileAnswers
                                         : h.dialogs.saveFileAnswers)
        .enqueue(answer);
    const QHash<QString, QString> items = {
        {"load", "MnFileLoad"},        {"export", "MnFileExp"},
        {"compare", "MnToolsCompare"}, {"deck", "MnToolsCheckDeck"},
        {"curves", "MnToolsCurves"},   {"destination", "MnEditPlantChange"}};
    w.findChild<QAction*>(items.value(how))->trigger();
    if (how == "destination")
        w.ui.BTNsavechange->click();
    if (how == "curves")
        topLevel("FRMcurves")->findChild<QPushButton*>("BTNsaveCurves")->click();
}

class TestDesktopWindow : public QObject {
    Q_OBJECT

private slots:
    void shortcuts_data();
    void shortcuts();
    void recentRegistries_data();
    void recentRegistries();
    void damagedSettings_data();
    void damagedSettings();
    void folderPerKind_data();
    void folderPerKind();
    void keysWhileTypingACell();
};

void TestDesktopWindow::shortcuts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("state");   // none (no registry), browsing or editing
    QTest::addColumn<QString>("outcome"); // the boxes shown, and what changed
    const auto row = [](const char* name, const char* key, const char* state, const char* out) {
        QTest::addRow("%s %s", key, state) << name << key << state << out;
    };
    row("MnFileLoad", "Ctrl+O", "browsing", "openFile");
    row("MnFileExp", "Ctrl+E", "browsing", "saveFile");
    row("MnFilePrintCurData", "Ctrl+P", "browsing", "choosePrinter");
    row("MnFileExit", "Ctrl+Q", "browsing", " closed");
    row("MnEditSearchName", "Ctrl+F", "browsing", " by name");
    row("MnEditSearchCode", "Ctrl+G", "browsing", "");
    row("MnEditPlantChange", "F2", "browsing", "saveFile"); // the destination first
    row("MnToolsCheck", "F7", "browsing", " checked");
    row("BTNsavechange", "Ctrl+S", "editing", "information"); // stored
    row("BTNcancelchange", "Esc", "editing", "");
    // Off, or in a menu that is off: nothing at all.
    row("MnFileExp", "Ctrl+E", "none", "");
    row("MnEditSearchName", "Ctrl+F", "none", "");
    row("MnFilePrintCurData", "Ctrl+P", "none", "");
    row("MnToolsCheck", "F7", "none", "");
    row("MnFileLoad", "Ctrl+O", "editing", " editing");
    row("MnEditPlantChange", "F2", "editing", " editing");
    row("MnToolsCheck", "F7", "editing", " editing");
    row("BTNsavechange", "Ctrl+S", "browsing", "");
    row("BTNcancelchange", "Esc", "browsing", "");
}

void TestDesktopWindow::shortcuts() {
    QFETCH(QString, name);
    QFETCH(QString, key);
    QFETCH(QString, state);
    QFETCH(QString, outcome);
    EditorHarness h;
    const QString file = h.writeFile("HIDR.DAT", twoPlants());
    TFRMeditor& w = h.start(state == "none" ? QStringList() : QStringList{file});
    // Shown in the menu beside the item; the buttons' keys are their own.
    const auto* item = w.findChild<QAction*>(name);
    const auto* button = w.findChild<QPushButton*>(name);
    QCOMPARE(item ? item->shortcut() : button->findChild<QShortcut*>()->key(), QKeySequence(key));
    if (state == "editing") {
        h.dialogs.saveFileAnswers.enqueue(h.path("DEST.DAT"));
        w.ui.MnEditPlantChange->trigger();
    }
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    h.dialogs.clear();
    QTest::keySequence(&w, QKeySequence(key));
    QStringList shown;
    for (const ScriptedDialogs::Box& box : h.dialogs.boxes)
        shown << ScriptedDialogs::kindName(box.kind);
    QString seen = shown.join(u',');
    if (w.document().editing())
        seen += " editing";
    if (w.document().listMode() == EditorDocument::ListMode::ByName)
        seen += " by name";
    if (topLevel("FRMcheck") && topLevel("FRMcheck")->isVisible())
        seen += " checked";
    if (!w.isVisible())
        seen += " closed";
    QCOMPARE(seen, outcome);
}

void TestDesktopWindow::recentRegistries_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("gone"); // when a registry listed is no more
    QTest::newRow("pt") << false
                        << "warning: O cadastro %1 não existe mais e sai da lista de recentes.";
    QTest::newRow("en") << true
                        << "warning: The registry %1 no longer exists and leaves the list of "
                           "recent registries.";
}

void TestDesktopWindow::recentRegistries() {
    QFETCH(bool, english);
    QFETCH(QString, gone);
    EditorHarness h;
    QStringList f;
    for (int i = 0; i < 10; ++i)
        f << h.writeFile(QStringLiteral("R%1.DAT").arg(i), twoPlants());
    TFRMeditor& w = h.start({f[0]});
    QCOMPARE(recent(w), QStringList{f[0]});
    // Most recent first; the same file by another name of it once, first again.
    for (const QString& file : {f[1], f[2], h.path("./R0.DAT")}) {
        h.dialogs.openFileAnswers.enqueue(file);
        w.ui.MnFileLoad->trigger();
    }
    QCOMPARE(recent(w), (QStringList{f[0], f[2], f[1]}));
    for (int i = 3; i < 10; ++i) {
        h.dialogs.openFileAnswers.enqueue(f[i]);
        w.ui.MnFileLoad->trigger();
    }
    const QStringList eight = {f[9], f[8], f[7], f[6], f[5], f[4], f[3], f[0]};
    QCOMPARE(recent(w), eight);

    // A new window lists them still; an item loads its registry as Load does, no dialog.
    TFRMeditor& again = h.start({});
    if (english)
        again.ui.MnEditLanEng->trigger();
    QCOMPARE(recent(again), eight);
    h.dialogs.clear();
    again.ui.MnFileRecent->actions().at(2)->trigger();
    QCOMPARE(again.document().registryFileName(), f[7]);
    QCOMPARE(again.ui.ComboBox1->count(), 2);
    QCOMPARE(h.dialogs.boxes.size(), 0);
    // One no longer there leaves the list when chosen; the registry in use stays.
    QFile::remove(f[9]);
    again.ui.MnFileRecent->actions().at(1)->trigger();
    QCOMPARE(h.dialogs.messageLines(), QStringList{gone.arg(f[9])});
    QCOMPARE(recent(again), (QStringList{f[7], f[8], f[6], f[5], f[4], f[3], f[0]}));
    QCOMPARE(again.document().registryFileName(), f[7]);
    again.ui.ComboBox1->setCurrentIndex(0);
    emit again.ui.ComboBox1->activated(0);
    h.dialogs.saveFileAnswers.enqueue(h.path("DEST.DAT"));
    again.ui.MnEditPlantChange->trigger(); // off while editing, as Load is
    QVERIFY(!again.ui.MnFileRecent->menuAction()->isEnabled());
}

void TestDesktopWindow::damagedSettings_data() {
    QTest::addColumn<QByteArray>("content"); // empty: the settings file is a folder
    QTest::addColumn<QStringList>("kept");   // the registries taken from it
    QTest::newRow("junk") << QByteArray("\x00\xff[\x01=\x02\n\x7f@Variant(\x03", 14)
                          << QStringList();
    QByteArray typed = "[Folders]\nregistry=relative\nexport=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)"
                       "\n[Recent]\nregistries=relative.DAT, @Point(1 2), /A.DAT, /A.DAT";
    for (int i = 0; i < 12; ++i)
        typed += ", /B" + QByteArray::number(i) + ".DAT";
    QTest::newRow("wrong types, twice, too many")
        << typed + "\n"
        << QStringList{"/A.DAT", "/B0.DAT", "/B1.DAT", "/B2.DAT", "/B3.DAT", "/B4.DAT", "/B5.DAT"};
    QTest::newRow("a folder") << QByteArray() << QStringList();
}

void TestDesktopWindow::damagedSettings() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, kept);
    EditorHarness h;
    const QString folder = h.settingsPath() + "/velarin";
    QDir().mkpath(content.isEmpty() ? folder + "/velarin.conf" : folder);
    if (!content.isEmpty())
        writeFile(folder, "velarin.conf", content);
    const QString file = h.writeFile("HIDR.DAT", twoPlants());
    TFRMeditor& w = h.start({file});
    QCOMPARE(h.dialogs.messageLines(), QStringList());
    QCOMPARE(recent(w), QStringList{file} + kept);
    // No stored folder was taken: the dialogs open in the start folder.
    for (const QString how : {"export", "load"}) {
        openDialog(h, how, QString());
        QCOMPARE(h.dialogs.dirs.last(), QDir::currentPath());
    }
}

void TestDesktopWindow::folderPerKind_data() {
    QTest::addColumn<QString>("first");  // the dialog answered in another folder
    QTest::addColumn<QString>("answer"); // there
    QTest::addColumn<QString>("next");   // the next of that kind, in a new window: that folder
    QTest::addColumn<QString>("other");  // one of another kind: still the start folder
    const auto row = [](const char* first, const char* answer, const char* next,
                        const char* other) {
        QTest::addRow("%s, %s", first, next) << first << answer << next << other;
    };
    row("load", "OTHER.DAT", "load", "export");
    row("load", "OTHER.DAT", "compare", "destination");
    row("export", "out.csv", "export", "load");
    row("destination", "DEST.DAT", "destination", "export");
    row("deck", ".", "deck", "load");
    row("curves", "c.svg", "curves", "export");
}

void TestDesktopWindow::folderPerKind() {
    QFETCH(QString, first);
    QFETCH(QString, answer);
    QFETCH(QString, next);
    QFETCH(QString, other);
    EditorHarness h;
    const QString registry = h.writeFile("HIDR.DAT", twoPlants());
    const QString elsewhere = h.path("elsewhere");
    QDir().mkpath(elsewhere);
    writeFile(elsewhere, "OTHER.DAT", twoPlants());
    const QString start = QDir::currentPath();
    const std::pair<QString, QString> steps[] = {{first, start}, {next, elsewhere}, {other, start}};
    for (const auto& [how, dir] : steps) {
        h.start({registry});
        h.dialogs.clear();
        openDialog(h, how, how == first ? QDir(elsewhere).filePath(answer) : QString());
        QCOMPARE(h.dialogs.dirs.value(0), dir);
    }
}

// Esc in a cell being typed drops the cell only; Ctrl+S stores what the cell holds, as a
// click on Save (which takes the focus from the cell) does.
void TestDesktopWindow::keysWhileTypingACell() {
    EditorHarness h;
    TFRMeditor& w = h.start({h.writeFile("HIDR.DAT", twoPlants())});
    h.dialogs.saveFileAnswers.enqueue(h.path("DEST.DAT"));
    w.ui.MnEditPlantChange->trigger();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTableWidget* grid = w.ui.StrGr_EvapM;
    for (const char* key : {"Esc", "Ctrl+S"}) {
        grid->editItem(grid->item(0, 1));
        QTest::keyClicks(QApplication::focusWidget(), "55");
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
    }
    QCOMPARE(w.document().currentPlant().EvapMen[1], 55);
    QVERIFY(!w.document().editing());
}

QTEST_MAIN(TestDesktopWindow)
#include "tst_desktopwindow.moc"

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

static bool shown(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && widget->isVisible())
            return true;
    return false;
}

// A window on the registry, changing its first plant when asked (the destination chosen).
static TFRMeditor& start(EditorHarness& h, const QStringList& arguments, bool change = false) {
    TFRMeditor& w = h.start(arguments);
    h.dialogs.saveFileAnswers.enqueue(h.path("DEST.DAT"));
    if (change)
        w.ui.MnEditPlantChange->trigger();
    h.dialogs.clear();
    h.dialogs.saveFileAnswers.clear();
    return w;
}

class TestDesktopWindow : public QObject {
    Q_OBJECT

private slots:
    void shortcuts_data();
    void shortcuts();
    void keysWhileTypingACell();
    void recentRegistries_data();
    void recentRegistries();
    void damagedSettings_data();
    void damagedSettings();
    void folderPerKind_data();
    void folderPerKind();
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
    row("MnFileLoad", "Ctrl+O", "editing", "openFile"); // nothing changed: nothing asked
    // Off, or in a menu that is off: nothing at all.
    row("MnFileExp", "Ctrl+E", "none", "");
    row("MnFilePrintCurData", "Ctrl+P", "none", "");
    row("MnToolsCheck", "F7", "none", "");
    row("MnEditPlantChange", "F2", "editing", " editing");
    row("BTNcancelchange", "Esc", "browsing", "");
}

void TestDesktopWindow::shortcuts() {
    QFETCH(QString, name);
    QFETCH(QString, key);
    QFETCH(QString, state);
    QFETCH(QString, outcome);
    EditorHarness h;
    const QString file = h.writeFile("HIDR.DAT", twoPlants());
    TFRMeditor& w =
        start(h, state == "none" ? QStringList() : QStringList{file}, state == "editing");
    // Shown in the menu beside the item; the buttons' keys are their own.
    const auto* item = w.findChild<QAction*>(name);
    const auto* button = w.findChild<QPushButton*>(name);
    QCOMPARE(item ? item->shortcut() : button->findChild<QShortcut*>()->key(), QKeySequence(key));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keySequence(&w, QKeySequence(key));
    QStringList seen;
    for (const ScriptedDialogs::Box& box : h.dialogs.boxes)
        seen << ScriptedDialogs::kindName(box.kind);
    const bool byName = w.document().listMode() == EditorDocument::ListMode::ByName;
    QCOMPARE(seen.join(u',') + (w.document().editing() ? " editing" : "") +
                 (byName ? " by name" : "") + (shown("FRMcheck") ? " checked" : "") +
                 (w.isVisible() ? "" : " closed"),
             outcome);
}

// Esc in a cell being typed drops the cell only; Ctrl+S stores what the cell holds, as a
// click on Save (which takes the focus from the cell) does.
void TestDesktopWindow::keysWhileTypingACell() {
    EditorHarness h;
    TFRMeditor& w = start(h, {h.writeFile("HIDR.DAT", twoPlants())}, true);
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    for (const char* key : {"Esc", "Ctrl+S"}) {
        w.ui.StrGr_EvapM->editItem(w.ui.StrGr_EvapM->item(0, 1));
        QTest::keyClicks(QApplication::focusWidget(), "55");
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
    }
    QCOMPARE(w.document().currentPlant().EvapMen[1], 55);
    QVERIFY(!w.document().editing());
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
    // Most recent first; the same file by another name of it once, first again; eight.
    const QStringList loads = {f[1], f[2], h.path("./R0.DAT")};
    for (const QString& file : loads + f.mid(3)) {
        h.dialogs.openFileAnswers.enqueue(file);
        w.ui.MnFileLoad->trigger();
        if (file == loads.last())
            QCOMPARE(recent(w), (QStringList{f[0], f[2], f[1]}));
    }
    const QStringList eight = {f[9], f[8], f[7], f[6], f[5], f[4], f[3], f[0]};
    QCOMPARE(recent(w), eight);

    // A new window lists them still; an item loads its registry as Load does, no dialog.
    TFRMeditor& again = start(h, {});
    if (english)
        again.ui.MnEditLanEng->trigger();
    QCOMPARE(recent(again), eight);
    again.ui.MnFileRecent->actions().at(2)->trigger();
    QCOMPARE(again.document().registryFileName(), f[7]);
    QCOMPARE(again.ui.ComboBox1->count(), 2);
    // One no longer there leaves the list when chosen; the registry in use stays.
    QFile::remove(f[9]);
    again.ui.MnFileRecent->actions().at(1)->trigger();
    QCOMPARE(h.dialogs.messageLines(), QStringList{gone.arg(f[9])});
    QCOMPARE(recent(again), (QStringList{f[7], f[8], f[6], f[5], f[4], f[3], f[0]}));
    QCOMPARE(again.document().registryFileName(), f[7]);
    start(h, {f[7]}, true); // on while editing, as Load is: leaving the edit asks first
    QVERIFY(h.window().ui.MnFileRecent->menuAction()->isEnabled());
}

void TestDesktopWindow::damagedSettings_data() {
    QTest::addColumn<QByteArray>("content"); // empty: the settings file is a folder
    QTest::addColumn<QStringList>("kept");   // the registries taken from it
    QTest::newRow("junk") << QByteArray("\x00\xff[\x01=\x02\n\x7f@Variant(\x03", 14)
                          << QStringList();
    QTest::newRow("wrong types, twice, too many")
        << QByteArray("[Folders]\nregistry=relative\n[Recent]\nregistries=relative.DAT, "
                      "@Point(1 2), /A, /A, /B, /C, /D, /E, /F, /G, /H, /I\n")
        << QStringList{"/A", "/B", "/C", "/D", "/E", "/F", "/G"};
    QTest::newRow("a folder") << QByteArray() << QStringList();
}

void TestDesktopWindow::damagedSettings() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, kept);
    EditorHarness h;
    const QString folder = h.settingsPath() + "/velarin";
    QDir().mkpath(content.isEmpty() ? folder + "/velarin.conf" : folder);
    writeFile(folder, "velarin.conf", content);
    const QString file = h.writeFile("HIDR.DAT", twoPlants());
    TFRMeditor& w = h.start({file});
    QCOMPARE(h.dialogs.messageLines(), QStringList());
    QCOMPARE(recent(w), QStringList{file} + kept);
    w.ui.MnFileLoad->trigger(); // no stored folder taken: the start folder
    QCOMPARE(h.dialogs.dirs.last(), QDir::currentPath());
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
    row("MnFileLoad", "OTHER.DAT", "MnFileLoad", "MnFileExp");
    row("MnFileLoad", "OTHER.DAT", "MnToolsCompare", "BTNsavechange");
    row("MnFileExp", "out.csv", "MnFileExp", "MnFileLoad");
    row("BTNsavechange", "DEST.DAT", "BTNsavechange", "MnFileExp");
    row("MnToolsCheckDeck", ".", "MnToolsCheckDeck", "MnFileLoad");
    row("BTNsaveCurves", "c.svg", "BTNsaveCurves", "MnFileExp");
}

void TestDesktopWindow::folderPerKind() {
    QFETCH(QString, first);
    QFETCH(QString, answer);
    QFETCH(QString, next);
    QFETCH(QString, other);
    EditorHarness h;
    const QString registry = h.writeFile("HIDR.DAT", twoPlants());
    const QString start = QDir::currentPath(), elsewhere = h.path("elsewhere");
    QDir().mkpath(elsewhere);
    writeFile(elsewhere, "OTHER.DAT", twoPlants());
    const std::pair<QString, QString> steps[] = {{first, start}, {next, elsewhere}, {other, start}};
    for (const auto& [how, dir] : steps) {
        TFRMeditor& w = h.start({registry});
        h.dialogs.clear();
        const QString chosen = how == first ? QDir(elsewhere).filePath(answer) : QString();
        for (auto* queue :
             {&h.dialogs.openFileAnswers, &h.dialogs.saveFileAnswers, &h.dialogs.folderAnswers})
            *queue = QQueue<QString>({chosen});
        // The dialog as a user opens it: an item, Save after Change, Save... of the curves.
        if (how == "BTNsavechange")
            w.ui.MnEditPlantChange->trigger();
        else if (how == "BTNsaveCurves")
            w.findChild<QAction*>("MnToolsCurves")->trigger();
        else
            w.findChild<QAction*>(how)->trigger();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* button = top->findChild<QPushButton*>(how); button && button->isVisible())
                button->click();
        QCOMPARE(h.dialogs.dirs.value(0), dir);
    }
}

QTEST_MAIN(TestDesktopWindow)
#include "tst_desktopwindow.moc"

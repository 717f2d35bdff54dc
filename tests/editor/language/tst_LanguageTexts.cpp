// Applying a language to a window tree built with the main window's control names.

#include "LanguageExpectations.h"
#include "language/LanguageTexts.h"
#include "window/LanguageApply.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

const QStringList kSubmenus = {"MnFile",       "MnFilePrint", "MnEdit",  "MnEditLang",
                               "MnEditSearch", "MnEditPlant", "MnTools", "MnHelp"};

// Menus, labels, group boxes and boxes named as the main window names them, plus a few
// controls the language leaves alone.
struct Tree {
    std::unique_ptr<QMainWindow> window = std::make_unique<QMainWindow>();
    QWidget* central = new QWidget;

    Tree() {
        window->setWindowTitle(QStringLiteral("Hydro Plant\u00B4s Cadastre Editor"));
        window->setCentralWidget(central);
        auto* layout = new QVBoxLayout(central);
        QHash<QString, QMenu*> menus;
        for (const QString& name : kSubmenus) {
            QMenu* parent =
                name == "MnFile" || name == "MnEdit" || name == "MnTools" || name == "MnHelp"
                    ? nullptr
                    : menus.value(name.startsWith("MnFile") ? "MnFile" : "MnEdit");
            QMenu* menu = parent ? parent->addMenu(name) : window->menuBar()->addMenu(name);
            menu->setObjectName(name); // the menu, not its action, carries the name
            menus.insert(name, menu);
        }
        for (const auto& row : expectedMenuCaptions()) {
            if (kSubmenus.contains(row.controls))
                continue;
            QString owner = row.controls.startsWith("MnEditLan")      ? "MnEditLang"
                            : row.controls.startsWith("MnFilePrint")  ? "MnFilePrint"
                            : row.controls.startsWith("MnEditSearch") ? "MnEditSearch"
                            : row.controls.startsWith("MnEditPlant")  ? "MnEditPlant"
                            : row.controls.startsWith("MnTools")      ? "MnTools"
                            : row.controls.startsWith("MnFile")       ? "MnFile"
                                                                      : "MnHelp";
            QAction* action = menus.value(owner)->addAction(row.controls);
            action->setObjectName(row.controls);
        }
        for (const auto& row : expectedControlCaptions()) {
            QWidget* control = row.controls.startsWith("GroupBox")
                                   ? static_cast<QWidget*>(new QGroupBox(row.controls))
                                   : new QLabel(row.controls);
            control->setObjectName(row.controls);
            layout->addWidget(control);
        }
        auto* sistema = new QLineEdit(QStringLiteral("1 - SUDESTE"));
        addNamed(sistema, "TXT_SistUsi");
        for (const auto& row : expectedHints())
            for (const QString& name : row.names())
                if (!central->findChild<QWidget*>(name)) {
                    auto* box = new QLineEdit;
                    box->setObjectName(name);
                    layout->addWidget(box);
                }
        addNamed(new QLabel(QStringLiteral("Version 4.0 a")), "Label1");
        addNamed(new QLabel(QStringLiteral("Obs.:")), "Label76");
        addNamed(new QPushButton(QStringLiteral("&Save")), "BTNsavechange");
        auto* grid = new QTableWidget(1, 5);
        grid->setItem(0, 0, new QTableWidgetItem(QStringLiteral("1.234560E+02")));
        addNamed(grid, "StrGr_PCVA");
        QAction* gerAlt = menus.value("MnEdit")->addAction(QStringLiteral("&Gera Alter. MSD"));
        gerAlt->setObjectName("MnEditGerAlt");
    }

    void addNamed(QWidget* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        central->layout()->addWidget(w);
    }

    QAction* action(const QString& name) const { return window->findChild<QAction*>(name); }

    // The text a user sees on a table control, whatever its kind.
    QString caption(const QString& name) const {
        if (QAction* a = action(name))
            return a->text();
        if (auto* m = window->findChild<QMenu*>(name))
            return m->title();
        if (auto* l = window->findChild<QLabel*>(name))
            return l->text();
        if (auto* g = window->findChild<QGroupBox*>(name))
            return g->title();
        return QStringLiteral("<missing %1>").arg(name);
    }
    QString hint(const QString& name) const {
        QWidget* w = window->findChild<QWidget*>(name);
        return w ? w->toolTip() : QStringLiteral("<missing %1>").arg(name);
    }

    QStringList apply(Language language, const QString& registry = QString()) {
        // The document holds the language and the title; the window shows them.
        Lingua = int(language);
        openDialog = openDialogTexts(language);
        QString title = languageTitle(language);
        if (!registry.isEmpty())
            title += " - " + QDir::toNativeSeparators(registry);
        return applyLanguage(*window, language, title, !registry.isEmpty());
    }

    int Lingua = 0;
    OpenDialogCaptions openDialog;
};

Language other(Language l) {
    return l == Language::Portuguese ? Language::English : Language::Portuguese;
}

} // namespace

Q_DECLARE_METATYPE(Language)

class TstLanguageTexts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_tree = std::make_unique<Tree>(); }
    void cleanupTestCase() { m_tree.reset(); }
    void walk_data();
    void walk();
    void title_data();
    void title();
    void languageChecks_data();
    void languageChecks();
    void leavesOtherTextsAlone();
    void reportsMissingControls();

private:
    std::unique_ptr<Tree> m_tree; // one window switched back and forth by every walk row
};

// Every caption, menu text and hint, each after a switch from the other language.
void TstLanguageTexts::walk_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<bool>("isHint");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    for (Language l : {Language::Portuguese, Language::English}) {
        const char* tag = l == Language::Portuguese ? "pt" : "en";
        const int lingua = static_cast<int>(l);
        for (const auto* table : {&expectedMenuCaptions(), &expectedControlCaptions()})
            for (const auto& row : *table)
                QTest::addRow("%s caption %s", tag, qPrintable(row.controls))
                    << l << false << row.controls << row.in(lingua);
        for (const auto& row : expectedHints())
            for (const QString& name : row.names())
                QTest::addRow("%s hint %s", tag, qPrintable(name))
                    << l << true << name << row.in(lingua);
    }
}

void TstLanguageTexts::walk() {
    QFETCH(Language, language);
    QFETCH(bool, isHint);
    QFETCH(QString, control);
    QFETCH(QString, text);
    Tree& tree = *m_tree;
    QCOMPARE(tree.apply(other(language)), QStringList());
    QCOMPARE(tree.apply(language), QStringList());
    QCOMPARE(isHint ? tree.hint(control) : tree.caption(control), text);
    QCOMPARE(tree.Lingua, static_cast<int>(language));
}

void TstLanguageTexts::title_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("registry");
    QTest::addColumn<bool>("exportBefore");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("exportAfter");
    QTest::addColumn<QString>("openTitle");
    const QString path = QStringLiteral("/home/ana/estudos/CADASTRO PLANTAS.DAT");
    const QString ptOpen = QStringLiteral("Abrir Cadastro de Usinas Hidráulicas");
    const QString enOpen = QStringLiteral("Open Hydro Plant\u00B4s Cadastre");
    QTest::newRow("pt, no registry")
        << Language::Portuguese << QString() << true << ExpectedTitlePortuguese << false << ptOpen;
    QTest::newRow("en, no registry")
        << Language::English << QString() << true << ExpectedTitleEnglish << false << enOpen;
    QTest::newRow("pt, registry") << Language::Portuguese << path << true
                                  << ExpectedTitlePortuguese + " - " + path << true << ptOpen;
    QTest::newRow("en, registry") << Language::English << path << true
                                  << ExpectedTitleEnglish + " - " + path << true << enOpen;
    // The switch never enables Export.
    QTest::newRow("en, registry, export off")
        << Language::English << path << false << ExpectedTitleEnglish + " - " + path << false
        << enOpen;
}

void TstLanguageTexts::title() {
    QFETCH(Language, language);
    QFETCH(QString, registry);
    QFETCH(bool, exportBefore);
    QFETCH(QString, title);
    QFETCH(bool, exportAfter);
    QFETCH(QString, openTitle);
    Tree tree;
    tree.window->setWindowTitle(QStringLiteral("Velarin - /old/path"));
    tree.action("MnFileExp")->setEnabled(exportBefore);
    tree.apply(language, registry);
    QCOMPARE(tree.window->windowTitle(), title);
    QCOMPARE(tree.action("MnFileExp")->isEnabled(), exportAfter);
    QCOMPARE(tree.openDialog.title, openTitle);
    // The dialog's filter offers every file, names without a dot included.
    QVERIFY(tree.openDialog.filter.endsWith(QStringLiteral("(*)")));
}

void TstLanguageTexts::languageChecks_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<bool>("spanishAndFrenchCheckedBefore");
    QTest::newRow("pt") << Language::Portuguese << false;
    QTest::newRow("en") << Language::English << false;
    QTest::newRow("pt after a stray check") << Language::Portuguese << true;
    QTest::newRow("en after a stray check") << Language::English << true;
}

void TstLanguageTexts::languageChecks() {
    QFETCH(Language, language);
    QFETCH(bool, spanishAndFrenchCheckedBefore);
    Tree tree;
    for (const char* name : {"MnEditLanEsp", "MnEditLanFran"}) {
        tree.action(name)->setCheckable(true);
        tree.action(name)->setChecked(spanishAndFrenchCheckedBefore);
        tree.action(name)->setEnabled(true);
    }
    tree.apply(other(language));
    tree.apply(language);
    QCOMPARE(tree.action("MnEditLanPort")->isChecked(), language == Language::Portuguese);
    QCOMPARE(tree.action("MnEditLanEng")->isChecked(), language == Language::English);
    for (const char* name : {"MnEditLanEsp", "MnEditLanFran"}) {
        QVERIFY2(!tree.action(name)->isChecked(), name);
        QVERIFY2(!tree.action(name)->isEnabled(), name);
    }
}

// Field contents, grid cells, designed texts and hints outside the tables stay.
void TstLanguageTexts::leavesOtherTextsAlone() {
    Tree tree;
    auto* vmax = tree.window->findChild<QLineEdit*>("TXT_VMax");
    vmax->setText(QStringLiteral("1234,50   hm3"));
    vmax->setReadOnly(false); // as while changing a plant
    tree.apply(Language::Portuguese);
    tree.apply(Language::English);
    QCOMPARE(vmax->text(), QStringLiteral("1234,50   hm3"));
    QVERIFY(!vmax->isReadOnly());
    QCOMPARE(vmax->toolTip(), QStringLiteral("Maximum Volume (hm3)"));
    QCOMPARE(tree.window->findChild<QLabel*>("Label1")->text(), QStringLiteral("Version 4.0 a"));
    QCOMPARE(tree.window->findChild<QLabel*>("Label76")->text(), QStringLiteral("Obs.:"));
    QCOMPARE(tree.window->findChild<QPushButton*>("BTNsavechange")->text(),
             QStringLiteral("&Save"));
    QCOMPARE(tree.action("MnEditGerAlt")->text(), QStringLiteral("&Gera Alter. MSD"));
    auto* grid = tree.window->findChild<QTableWidget*>("StrGr_PCVA");
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("1.234560E+02"));
    QCOMPARE(grid->item(0, 1), nullptr);
    auto* sistema = tree.window->findChild<QLineEdit*>("TXT_SistUsi");
    QCOMPARE(sistema->text(), QStringLiteral("1 - SUDESTE"));
}

void TstLanguageTexts::reportsMissingControls() {
    Tree tree;
    delete tree.window->findChild<QLabel*>("LBLdez");
    delete tree.window->findChild<QLineEdit*>("TXT_VICF");
    const QStringList missing = tree.apply(Language::English);
    QCOMPARE(missing, (QStringList{"LBLdez", "TXT_VICF"}));
    // The rest is applied all the same.
    QCOMPARE(tree.caption("LBLnov"), QStringLiteral("NOV"));
    QCOMPARE(tree.hint("LBLinflspill"),
             QStringLiteral("Infl. of Spilling in the Downstream Level (0 = NO , 1 = YES)"));
}

QTEST_MAIN(TstLanguageTexts)
#include "tst_LanguageTexts.moc"

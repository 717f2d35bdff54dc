// The interface language on the real main window: every caption, hint and menu text after
// each switch, the title rules, the check marks, the catalogue's row, the about box, and
// everything else left as it was.

#include "EditingSupport.h"
#include "EditorHarness.h"
#include "LanguageExpectations.h"
#include "RegistryFixtures.h"
#include "language/TMsg.h"
#include "window/TfrmHelpAbout.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

QString seen(TFRMeditor& w, const QString& name, bool hint) {
    if (hint) {
        QWidget* c = w.findChild<QWidget*>(name);
        return c ? c->toolTip() : QStringLiteral("<no control>");
    }
    if (auto* a = w.findChild<QAction*>(name))
        return a->text();
    if (auto* m = w.findChild<QMenu*>(name))
        return m->title();
    if (auto* l = w.findChild<QLabel*>(name))
        return l->text();
    if (auto* g = w.findChild<QGroupBox*>(name))
        return g->title();
    return QStringLiteral("<no control>");
}

// Every table text that differs from what the language should show.
QStringList mismatches(TFRMeditor& w, int lingua) {
    QStringList out;
    auto check = [&](const ExpectedLanguageText& row, bool hint) {
        for (const QString& name : row.names()) {
            const QString got = seen(w, name, hint);
            if (got != row.in(lingua))
                out << QStringLiteral("%1 %2: \"%3\"").arg(hint ? "hint" : "caption", name, got);
        }
    };
    for (const auto& row : expectedMenuCaptions())
        check(row, false);
    for (const auto& row : expectedControlCaptions())
        check(row, false);
    for (const auto& row : expectedHints())
        check(row, true);
    return out;
}

QSet<QString> tableControls(bool hints) {
    QSet<QString> names;
    if (hints) {
        for (const auto& row : expectedHints())
            for (const QString& n : row.names())
                names.insert(n);
    } else {
        for (const auto* table : {&expectedMenuCaptions(), &expectedControlCaptions()})
            for (const auto& row : *table)
                names.insert(row.controls);
    }
    return names;
}

// What a user sees of every named control and action that the language must not touch:
// texts, cells, hints outside the tables, states.
QStringList untouchedState(TFRMeditor& w) {
    const QSet<QString> captions = tableControls(false);
    const QSet<QString> hints = tableControls(true);
    const QSet<QString> languageItems = {"MnEditLanPort", "MnEditLanEng", "MnEditLanEsp",
                                         "MnEditLanFran", "MnFileExp"};
    QStringList out;
    for (QWidget* c : w.findChildren<QWidget*>()) {
        const QString n = c->objectName();
        if (n.isEmpty() || n.startsWith(QLatin1String("qt_")))
            continue;
        QString line =
            n + QStringLiteral(" hidden=%1 enabled=%2").arg(c->isHidden()).arg(c->isEnabled());
        if (!hints.contains(n))
            line += QStringLiteral(" tip=") + c->toolTip();
        // The record form's label speaks the language too (its text holds the form).
        if (!captions.contains(n) && n != u"LBL_RecordForm") {
            if (auto* l = qobject_cast<QLabel*>(c))
                line += QStringLiteral(" text=") + l->text();
            if (auto* g = qobject_cast<QGroupBox*>(c))
                line += QStringLiteral(" title=") + g->title();
            if (auto* b = qobject_cast<QAbstractButton*>(c))
                line += QStringLiteral(" text=") + b->text();
        }
        if (auto* e = qobject_cast<QLineEdit*>(c))
            line += QStringLiteral(" text=%1 ro=%2").arg(e->text()).arg(e->isReadOnly());
        if (auto* cb = qobject_cast<QComboBox*>(c)) {
            line += QStringLiteral(" current=%1 items=").arg(cb->currentText());
            for (int i = 0; i < cb->count(); ++i)
                line += cb->itemText(i) + QLatin1Char('|');
        }
        if (auto* t = qobject_cast<QTableWidget*>(c)) {
            line += QStringLiteral(" %1x%2:").arg(t->rowCount()).arg(t->columnCount());
            for (int r = 0; r < t->rowCount(); ++r)
                for (int k = 0; k < t->columnCount(); ++k)
                    line += (t->item(r, k) ? t->item(r, k)->text() : QString()) + QLatin1Char('|');
        }
        out << line;
    }
    for (QAction* a : w.findChildren<QAction*>()) {
        const QString n = a->objectName();
        if (n.isEmpty() || languageItems.contains(n))
            continue;
        QString line = n + QStringLiteral(" enabled=%1 visible=%2 checked=%3")
                               .arg(a->isEnabled())
                               .arg(a->isVisible())
                               .arg(a->isChecked());
        if (!captions.contains(n))
            line += QStringLiteral(" text=") + a->text();
        out << line;
    }
    out.sort();
    return out;
}

void trigger(TFRMeditor& w, int lingua) {
    (lingua == 1 ? w.ui.MnEditLanPort : w.ui.MnEditLanEng)->trigger();
}

} // namespace

class TstLanguageWindow : public QObject {
    Q_OBJECT
private slots:
    void beforeFirstActivation();
    void switches_data();
    void switches();
    void leavesEverythingElse_data();
    void leavesEverythingElse();
    void titleAfterLoading_data();
    void titleAfterLoading();
    void openDialogTexts_data();
    void openDialogTexts();
    void aboutBox_data();
    void aboutBox();
    void qtOwnTexts();
};

// The design texts are English and English is checked until the first activation.
void TstLanguageWindow::beforeFirstActivation() {
    EditorHarness h;
    TFRMeditor& w = h.create();
    QCOMPARE(w.document().lingua(), 0);
    QVERIFY(w.ui.MnEditLanEng->isChecked());
    QVERIFY(!w.ui.MnEditLanPort->isChecked());
}

// Each row starts the editor (with a registry on the command line or none, the open dialog
// cancelled) and then switches in the given order; after the start and after every switch
// all texts, the title, the check marks, Export and the catalogue row must agree.
void TstLanguageWindow::switches_data() {
    QTest::addColumn<bool>("withRegistry");
    QTest::addColumn<QList<int>>("switches");
    for (bool registry : {false, true}) {
        const char* tag = registry ? "registry" : "none";
        QTest::addRow("%s: start", tag) << registry << QList<int>{};
        QTest::addRow("%s: en", tag) << registry << QList<int>{2};
        QTest::addRow("%s: en pt", tag) << registry << QList<int>{2, 1};
        QTest::addRow("%s: pt again, en twice", tag) << registry << QList<int>{1, 2, 2, 1};
    }
}

void TstLanguageWindow::switches() {
    QFETCH(bool, withRegistry);
    QFETCH(QList<int>, switches);
    EditorHarness h;
    QStringList args;
    QString registry;
    if (withRegistry) {
        registry = h.writeFile(QStringLiteral("CAD TESTE.DAT"),
                               RegistryFixtures::registryBytes(
                                   6, {{2, RegistryFixtures::fullPlant(QStringLiteral("ALFA"))},
                                       {5, RegistryFixtures::plantNamed(QStringLiteral("BETA"))}}));
        args << registry;
    }
    TFRMeditor& w = h.start(args);
    const QString path = QDir::toNativeSeparators(registry);

    auto verify = [&](int lingua, const QString& step) {
        const QStringList wrong = mismatches(w, lingua);
        QVERIFY2(wrong.isEmpty(), qPrintable(step + ": " + wrong.join("; ")));
        QCOMPARE(w.document().lingua(), lingua);
        QCOMPARE(w.ui.MnEditLanPort->isChecked(), lingua == 1);
        QCOMPARE(w.ui.MnEditLanEng->isChecked(), lingua == 2);
        for (QAction* a : {w.ui.MnEditLanEsp, w.ui.MnEditLanFran}) {
            QVERIFY(!a->isChecked());
            QVERIFY(!a->isEnabled());
        }
        QVERIFY(w.ui.MnEditLang->menuAction()->isEnabled());
        QCOMPARE(w.ui.MnFileExp->isEnabled(), withRegistry);
        QCOMPARE(w.document().messages().text(w.document().lingua(), 6),
                 EditingSupport::validationText(lingua, 6));
    };

    // At the start the open dialog was cancelled, which leaves the loading title.
    if (withRegistry)
        QCOMPARE(w.windowTitle(), ExpectedTitlePortuguese + " - " + path);
    else
        QCOMPARE(w.windowTitle(), QStringLiteral("Velarin"));
    verify(1, QStringLiteral("start"));

    for (int lingua : switches) {
        trigger(w, lingua);
        const QString base = lingua == 1 ? ExpectedTitlePortuguese : ExpectedTitleEnglish;
        QCOMPARE(w.windowTitle(), withRegistry ? base + " - " + path : base);
        verify(lingua, QStringLiteral("after %1").arg(lingua));
    }
}

// The plant shown, its fields, the grids, the lists, the designed texts and the edit state
// stay as they were; a plant being changed keeps what the user typed.
void TstLanguageWindow::leavesEverythingElse_data() {
    QTest::addColumn<bool>("editing");
    QTest::newRow("browsing") << false;
    QTest::newRow("changing a plant") << true;
}

void TstLanguageWindow::leavesEverythingElse() {
    QFETCH(bool, editing);
    EditorHarness h;
    const QString registry =
        h.writeFile(QStringLiteral("HIDR.DAT"),
                    RegistryFixtures::registryBytes(
                        3, {{1, RegistryFixtures::fullPlant(QStringLiteral("ALFA"))},
                            {3, RegistryFixtures::fullPlant(QStringLiteral("GAMA"))}}));
    TFRMeditor& w = h.start({registry});
    QVERIFY(!w.box("TXT_VMax")->text().isEmpty());
    if (editing) {
        // The form as the change mode leaves it: open boxes, a selector in a box's place,
        // the save buttons shown, and the user's unsaved input.
        for (QLineEdit* box : plantBoxes(w))
            box->setReadOnly(false);
        w.box("TXT_VMax")->setText(QStringLiteral("999,5"));
        w.ui.TXT_Nome->setText(QStringLiteral("ALFA NOVA"));
        w.box("TXT_reg")->hide();
        w.selector("CMBreg")->show();
        w.ui.BTNsavechange->show();
        w.ui.BTNcancelchange->show();
        w.ui.StrGr_PolsJus->item(0, 1)->setText(QStringLiteral("1,5"));
    }
    h.dialogs.clear();
    const QStringList before = untouchedState(w);
    const QString title = w.windowTitle();
    trigger(w, 2);
    QCOMPARE(untouchedState(w), before);
    trigger(w, 1);
    QCOMPARE(untouchedState(w), before);
    QCOMPARE(w.windowTitle(), title);
    QCOMPARE(w.document().currentCode(), 1);
    QCOMPARE(h.dialogs.boxes.size(), qsizetype(0)); // no box, no question
}

// After File > Load the title is "Velarin - path"; a switch puts the language's title first.
void TstLanguageWindow::titleAfterLoading_data() {
    QTest::addColumn<int>("lingua");
    QTest::newRow("pt") << 1;
    QTest::newRow("en") << 2;
}

void TstLanguageWindow::titleAfterLoading() {
    QFETCH(int, lingua);
    EditorHarness h;
    const QString registry =
        h.writeFile(QStringLiteral("outro.cad"),
                    RegistryFixtures::registryBytes(
                        2, {{1, RegistryFixtures::plantNamed(QStringLiteral("ALFA"))}}));
    TFRMeditor& w = h.start();
    h.dialogs.openFileAnswers.enqueue(registry);
    w.ui.MnFileLoad->trigger();
    const QString path = QDir::toNativeSeparators(registry);
    QCOMPARE(w.windowTitle(), QStringLiteral("Velarin - ") + path);
    trigger(w, lingua);
    QCOMPARE(w.windowTitle(),
             (lingua == 1 ? ExpectedTitlePortuguese : ExpectedTitleEnglish) + " - " + path);
    QVERIFY(w.ui.MnFileExp->isEnabled());
}

// The next File > Load asks in the language chosen.
void TstLanguageWindow::openDialogTexts_data() {
    QTest::addColumn<int>("lingua");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("filter");
    QTest::newRow("pt") << 1 << QStringLiteral("Abrir Cadastro de Usinas Hidráulicas")
                        << QStringLiteral("Cadastro de Usinas Hidráulicas (*)");
    QTest::newRow("en") << 2 << QStringLiteral("Open Hydro Plant\u00B4s Cadastre")
                        << QStringLiteral("Hydro Plant\u00B4s Cadastre (*)");
}

void TstLanguageWindow::openDialogTexts() {
    QFETCH(int, lingua);
    QFETCH(QString, title);
    QFETCH(QString, filter);
    EditorHarness h;
    TFRMeditor& w = h.start();
    trigger(w, 3 - lingua);
    trigger(w, lingua);
    h.dialogs.clear();
    w.ui.MnFileLoad->trigger();
    const QList<ScriptedDialogs::Box> opened = h.dialogs.boxes;
    QCOMPARE(opened.size(), qsizetype(1));
    QCOMPARE(opened[0].kind, ScriptedDialogs::Kind::OpenFile);
    QCOMPARE(opened[0].text, title);
    QCOMPARE(opened[0].extra, filter);
}

void TstLanguageWindow::aboutBox_data() {
    QTest::addColumn<int>("lingua");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heading");
    QTest::newRow("pt") << 1 << QStringLiteral("Sobre o Velarin...")
                        << QStringLiteral("Desenvolvido por:");
    QTest::newRow("en") << 2 << QStringLiteral("About Velarin...")
                        << QStringLiteral("Developed by:");
}

void TstLanguageWindow::aboutBox() {
    QFETCH(int, lingua);
    QFETCH(QString, title);
    QFETCH(QString, heading);
    EditorHarness h;
    TFRMeditor& w = h.start();
    trigger(w, lingua);
    TfrmHelpAbout* box = &w.aboutBox();
    QString shownTitle, shownHeading, shownVersion;
    bool shown = false;
    QTimer::singleShot(0, box, [&] {
        shown = box->isVisible() && box->isModal();
        shownTitle = box->windowTitle();
        shownHeading = box->Label3->text();
        shownVersion = box->Label2->text();
        box->BTNok->click();
    });
    w.ui.MnHelpAbout->trigger();
    QVERIFY(shown);
    QVERIFY(!box->isVisible());
    QCOMPARE(shownTitle, title);
    QCOMPARE(shownHeading, heading);
    QCOMPARE(shownVersion, w.ui.Label1->text());
    QCOMPARE(shownVersion, QStringLiteral("Version 4.0 a"));
    QVERIFY(!box->ImgHelp->pixmap().isNull());
    // The same box is kept for the next time.
    QCOMPARE(&w.aboutBox(), box);
}

// Qt's own buttons and dialogs speak the interface's language, switch after switch.
void TstLanguageWindow::qtOwnTexts() {
    const QDir translations(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!translations.exists("qtbase_pt_BR.qm") && !translations.exists("qtbase_pt.qm"))
        QSKIP("Qt's Portuguese translations are not installed");
    EditorHarness h;
    TFRMeditor& w = h.start({h.writeFile("r.dat", {})});
    const auto yes = [] { return QDialogButtonBox(QDialogButtonBox::Yes).buttons()[0]->text(); };
    QCOMPARE(yes(), QStringLiteral("&Sim"));
    trigger(w, 2);
    QCOMPARE(yes(), QStringLiteral("&Yes"));
    trigger(w, 1);
    QCOMPARE(yes(), QStringLiteral("&Sim"));
}

QTEST_MAIN(TstLanguageWindow)
#include "tst_LanguageWindow.moc"

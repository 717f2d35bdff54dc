// Create from This Plant, and the question before anything that would drop an edit not saved.

#include "EditorHarness.h"
#include "RegistryFixtures.h"
#include "editing/EditForm.h"
#include "registry/PlantCodec.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

QByteArray recordIn(const QString& path, int code) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().mid((code - 1) * RecordSize, RecordSize) : "";
}

// Plants 2 (shown) and 5 (a finding of the check, open); DEST.DAT the destination.
TFRMeditor& started(EditorHarness& h) {
    TUsinaHd bad = RegistryFixtures::validPlant("RUIM");
    bad.Posto = 0;
    const QByteArray bytes = RegistryFixtures::registryBytes(
        7, {{2, RegistryFixtures::validPlant("RIO FUNDO")}, {5, bad}});
    h.dialogs.saveFileAnswers.enqueue(h.path("DEST.DAT"));
    TFRMeditor& w = h.start({h.writeFile("Cadastro.dat", bytes)});
    w.findChild<QAction*>("MnToolsCheck")->trigger();
    return w;
}

// Does what the action says; whether the Change under way was left.
bool leave(const QString& a, TFRMeditor& w) {
    if (a == "close")
        return w.close();
    if (a == "plant list") {
        w.ui.ComboBox1->setCurrentIndex(w.ui.ComboBox1->findText("5 - ", Qt::MatchStartsWith));
        emit w.ui.ComboBox1->activated(w.ui.ComboBox1->currentIndex());
    } else if (a == "curves' plant (a Tools window's row)") {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "FRMcheck")
                emit top->findChild<QTableWidget*>()->cellDoubleClicked(0, 0);
    } else {
        w.findChild<QAction*>(a)->trigger();
    }
    return w.document().mode() != EditorDocument::Mode::Change;
}

} // namespace

Q_DECLARE_METATYPE(LeaveChoice)

class TestLeaveEdit : public QObject {
    Q_OBJECT

private slots:
    // Asked when something changed; left unless kept editing or the Save is refused.
    void leaving_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("typed"); // into TXT_Posto; "" nothing, "back" and back again
        QTest::addColumn<LeaveChoice>("answer");
        const std::tuple<const char*, const char*, LeaveChoice> answers[] = {
            {"nothing changed", "", LeaveChoice::Stay},
            {"save", "999", LeaveChoice::Save},
            {"discard", "999", LeaveChoice::Discard},
            {"keep editing", "999", LeaveChoice::Stay}};
        for (const char* a :
             {"close", "MnFileLoad", "plant list", "MnEditSearchName",
              "curves' plant (a Tools window's row)", "MnEditPlantCreate", "MnToolsCompare"})
            for (const auto& [what, typed, answer] : answers)
                QTest::addRow("%s, %s", a, what) << a << typed << answer;
        QTest::newRow("changed and back") << "close"
                                          << "back" << LeaveChoice::Stay;
        QTest::newRow("typed in a cell not committed") << "close"
                                                       << "cell" << LeaveChoice::Discard;
        QTest::newRow("save refused") << "MnFileLoad"
                                      << "abc" << LeaveChoice::Save;
    }
    void leaving() {
        QFETCH(QString, action);
        QFETCH(QString, typed);
        QFETCH(LeaveChoice, answer);
        EditorHarness h;
        TFRMeditor& w = started(h);
        w.ui.MnEditPlantChange->trigger();
        QLineEdit* posto = w.box("TXT_Posto");
        const QString original = posto->text();
        posto->setText(typed.isEmpty() || typed == "cell" ? original : typed);
        if (typed == "back")
            posto->setText(original);
        if (typed == "cell") { // the cell's editor still open
            w.ui.StrGr_PCVA->setCurrentCell(0, 2);
            w.ui.StrGr_PCVA->editItem(w.ui.StrGr_PCVA->currentItem());
            QTest::keyClicks(w.ui.StrGr_PCVA->indexWidget(w.ui.StrGr_PCVA->currentIndex()), "7");
        }
        h.dialogs.clear();
        h.dialogs.leaveAnswers.enqueue(answer);
        const bool asked = typed == "999" || typed == "abc" || typed == "cell";
        QCOMPARE(leave(action, w), !asked || (answer != LeaveChoice::Stay && typed != "abc"));
        QCOMPARE(h.dialogs.count(ScriptedDialogs::Kind::Leave), int(asked));
        if (asked)
            QCOMPARE(h.dialogs.boxes.first().extra, "Salvar|Descartar|Continuar editando");
        TUsinaHd saved;
        const QByteArray record = recordIn(h.path("DEST.DAT"), 2);
        decodePlant(record.constData(), std::size_t(record.size()), saved);
        QCOMPARE(!record.isEmpty() && saved.Posto == 999,
                 answer == LeaveChoice::Save && typed == "999");
        if (w.document().mode() == EditorDocument::Mode::Change) // as it was, window open
            QVERIFY(posto->text() == typed && w.ui.ComboBox1->currentText() == "2 - RIO FUNDO" &&
                    w.isVisible());
    }

    // Create from This Plant: the source as Change shows it, only the code to type; Save
    // stores it under Create's rules and messages, byte for byte the source's record.
    void createFrom() {
        EditorHarness h;
        TFRMeditor& w = started(h);
        w.ui.MnEditPlantCreateFrom->trigger();
        QVERIFY(w.ui.MnEditPlantCreate->isChecked() && w.ui.TXT_Cod->text().isEmpty());
        w.ui.TXT_Cod->setText("5");
        w.ui.BTNsavechange->click();
        QCOMPARE(h.dialogs.messageLines(), {"warning: " + codeTakenText("5", "5 - RUIM")});
        QVERIFY(w.document().editing() && !QFile::exists(h.path("DEST.DAT")));
        h.dialogs.clear();
        w.ui.TXT_Cod->setText("3");
        w.ui.BTNsavechange->click();
        QCOMPARE(h.dialogs.messageLines(), {"information: Alteração gravada com sucesso !"});
        const QByteArray source = recordIn(h.path("Cadastro.dat"), 2);
        QCOMPARE(recordIn(h.path("DEST.DAT"), 3), source);
        QCOMPARE(recordIn(h.path("DEST.DAT"), 2), source);
    }
};

QTEST_MAIN(TestLeaveEdit)
#include "tst_leaveedit.moc"

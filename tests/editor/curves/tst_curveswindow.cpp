// Tools > Plant Curves driven as a user drives it: the window follows the plant chosen in the
// list and, while editing, what is typed; it speaks the interface's language; it saves and
// prints its page.

#include "EditorHarness.h"
#include "RegistryFixtures.h"
#include "window/CurvesWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>

namespace {

CurvesWindow* curvesWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == u"FRMcurves" && w->isVisible())
            return qobject_cast<CurvesWindow*>(w);
    return nullptr;
}

QString figure(CurvesWindow* w, int row) {
    return w->findChild<QTableWidget*>("GRDfigures")->item(row, 1)->text();
}

QString warnings(CurvesWindow* w) {
    return w->findChild<QLabel*>("LBLwarnings")->text();
}

} // namespace

class TestCurvesWindow : public QObject {
    Q_OBJECT

private slots:
    void followsPlantAndTyping();
    void savesAndPrints();
};

void TestCurvesWindow::followsPlantAndTyping() {
    EditorHarness h;
    TUsinaHd bigger = RegistryFixtures::curvesPlant();
    bigger.VolMax = 900;
    const QString path = h.writeFile(
        "HIDR.DAT",
        RegistryFixtures::registryBytes(2, {{1, RegistryFixtures::curvesPlant()}, {2, bigger}}));
    TFRMeditor& w = h.start({path});
    w.findChild<QAction*>("MnToolsCurves")->trigger();
    CurvesWindow* curves = curvesWindow();
    QVERIFY(curves);
    QCOMPARE(curves->windowTitle(), QStringLiteral("Curvas da Usina - 1 - EXATA"));
    QCOMPARE(figure(curves, 0), QStringLiteral("400.00"));
    QCOMPARE(warnings(curves), QStringLiteral("Nenhum aviso."));

    // Another plant chosen in the list.
    w.ui.ComboBox1->setCurrentIndex(1);
    emit w.ui.ComboBox1->activated(1);
    QTRY_COMPARE(figure(curves, 0), QStringLiteral("800.00"));

    // While changing, the form: every keystroke, one redraw for a burst.
    h.dialogs.saveFileAnswers.enqueue(h.path("DEST.DAT"));
    w.ui.MnEditPlantChange->trigger();
    QVERIFY(w.findChild<QAction*>("MnToolsCurves")->isEnabled());
    QVERIFY(!w.findChild<QAction*>("MnToolsCheck")->isEnabled());
    QTest::qWait(20); // the redraw of the edit layout
    const int before = curves->redraws();
    w.box("TXT_VMax")->setText("1");
    w.box("TXT_VMax")->setText("10");
    w.box("TXT_VMax")->setText("1000");
    QTRY_COMPARE(figure(curves, 0), QStringLiteral("900.00"));
    QCOMPARE(curves->redraws(), before + 1);
    // A text that does not read hides what needs it, and names its box.
    w.box("TXT_VMax")->setText("10x");
    QTRY_COMPARE(figure(curves, 0), QStringLiteral("Vol.Máx.(hm3) ilegível"));
    QCOMPARE(figure(curves, 1), QStringLiteral("311.28"));
    QCOMPARE(curves->findChild<QLabel*>("LBLnotesLevelVolume")->text(),
             QStringLiteral("Não desenhado: Vol.Máx.(hm3) ilegível."));
    QVERIFY(curves->findChild<QLabel*>("LBLnotesAreaLevel")->isHidden());
    QVERIFY(curves->figures().source.plant.CotaMin == 311.25f); // untouched: stored
    setCell(w.ui.StrGr_PCVA, 0, 2, "0"); // a straight level: 300 + 100/8 at VolMin
    QTRY_COMPARE(figure(curves, 1), QStringLiteral("312.50"));
    w.box("TXT_YMin")->setText("300");
    QTRY_VERIFY(warnings(curves).startsWith("Cota no volume mínimo 312.50 m"));

    // The language follows the menu.
    w.ui.MnEditLanEng->trigger();
    QTRY_COMPARE(curves->windowTitle(), QStringLiteral("Plant Curves - 2 - EXATA"));
    QCOMPARE(figure(curves, 0), QStringLiteral("Vol.Máx.(hm3) does not read"));
    QCOMPARE(curves->findChild<QPushButton*>("BTNsaveCurves")->text(), QStringLiteral("&Save..."));

    // Cancel: the plant that was being changed, as stored.
    w.ui.BTNcancelchange->click();
    QTRY_COMPARE(figure(curves, 0), QStringLiteral("800.00"));
    QVERIFY(w.findChild<QAction*>("MnToolsCheck")->isEnabled());
}

void TestCurvesWindow::savesAndPrints() {
    EditorHarness h;
    const QString path = h.writeFile(
        "HIDR.DAT", RegistryFixtures::registryBytes(1, {{1, RegistryFixtures::curvesPlant()}}));
    TFRMeditor& w = h.start({path});
    w.findChild<QAction*>("MnToolsCurves")->trigger();
    CurvesWindow* curves = curvesWindow();
    QVERIFY(curves);
    // The pointer over the plot reads the curve under it.
    QTRY_VERIFY(curves->findChild<QChartView*>("CHTlevelVolume")->chart()->plotArea().width() > 50);
    auto* view = curves->findChild<QChartView*>("CHTlevelVolume");
    const QPointF middle = view->chart()->mapToScene(view->chart()->plotArea().center());
    const QPoint at = view->mapFromScene(middle);
    QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    const QString read = curves->findChild<QLabel*>("LBLreadLevelVolume")->text();
    QVERIFY2(read.startsWith("Volume ") && read.contains(" hm3: cota "), qPrintable(read));
    auto* save = curves->findChild<QPushButton*>("BTNsaveCurves");
    // Onto the registry: refused, nothing written.
    h.dialogs.saveFileAnswers.enqueue(path);
    save->click();
    QCOMPARE(h.dialogs.count(ScriptedDialogs::Kind::Warning), 1);
    QCOMPARE(h.dialogs.saveRequests.last().proposedName, QStringLiteral("Curvas_1.pdf"));
    h.dialogs.saveFileAnswers.enqueue(h.path("curvas.svg"));
    save->click();
    QFile svg(h.path("curvas.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QVERIFY(svg.readAll().contains("Cota equivalente (m)"));

    h.dialogs.printerAnswers.enqueue(ScriptedDialogs::printToPdf(h.path("curvas.pdf")));
    curves->findChild<QPushButton*>("BTNprintCurves")->click();
    QProcess text;
    text.start("pdftotext", {"-layout", h.path("curvas.pdf"), "-"});
    QVERIFY(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(printed.contains("Cota equivalente (m)") && printed.contains("324.89"),
             qPrintable(printed));
    QCOMPARE(h.dialogs.count(ScriptedDialogs::Kind::Error), 0);
}

QTEST_MAIN(TestCurvesWindow)
#include "tst_curveswindow.moc"

// Tools > Plant Curves driven as a user drives it: the window follows the plant chosen in the
// list and, while editing, what is typed; it speaks the interface's language; it saves and
// prints its page.

#include "EditorHarness.h"
#include "RegistryFixtures.h"
#include "curves/CurveSources.h"
#include "window/CurvesWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGraphicsScene>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QTest>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <functional>

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

using Change = std::function<void(TUsinaHd&)>;

// The charts laid out at the size of a page's cell, as a file or a printer gets them.
struct LaidOutCharts {
    QGraphicsScene scene;
    CurveCharts charts;
    LaidOutCharts() {
        for (int c = 0; c < CurveCharts::Count; ++c) {
            scene.addItem(charts.chart(CurveCharts::Which(c)));
            charts.chart(CurveCharts::Which(c))->setGeometry(QRectF(c * 2000, 0, 527, 355));
        }
    }
    void show(const TUsinaHd& plant) {
        charts.show(PlantCurves::computeFigures(PlantCurves::storedSource(plant)),
                    Language::Portuguese, QLocale::c());
        QCoreApplication::sendPostedEvents();
    }
    // The marks' labels in sight.
    QStringList markLabels() const {
        QStringList labels;
        for (QAbstractSeries* s : charts.chart(CurveCharts::LevelVolume)->series())
            if (auto* mark = qobject_cast<QScatterSeries*>(s);
                mark && mark->count() > 0 && mark->pointLabelsVisible())
                labels << mark->pointLabelsFormat();
        return labels;
    }
    // The legend's keys in sight.
    QStringList keys(CurveCharts::Which which) const {
        QStringList labels;
        for (QLegendMarker* m : charts.chart(which)->legend()->markers())
            if (m->isVisible())
                labels << m->label();
        return labels;
    }
};

} // namespace

Q_DECLARE_METATYPE(Change)

class TestCurvesWindow : public QObject {
    Q_OBJECT

private slots:
    void followsPlantAndTyping();
    void savesAndPrints();
    void fitsTheScreen();
    void charts_data();
    void charts();
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
    QTest::qWait(20); // the redraw of the edit layout
    const int before = curves->redraws();
    w.box("TXT_VMax")->setText("1");
    w.box("TXT_VMax")->setText("10");
    w.box("TXT_VMax")->setText("1000");
    QTRY_COMPARE(figure(curves, 0), QStringLiteral("900.00"));
    QCOMPARE(curves->redraws(), before + 1);
    // A text that does not read hides what needs it, and names its box.
    w.box("TXT_VMax")->setText("10x");
    QTRY_COMPARE(figure(curves, 0), QStringLiteral("Volume Máximo (hm3) ilegível"));
    QCOMPARE(figure(curves, 1), QStringLiteral("311.28"));
    QCOMPARE(curves->findChild<QLabel*>("LBLnotesLevelVolume")->text(),
             QStringLiteral("Não desenhado: Volume Máximo (hm3) ilegível."));
    QVERIFY(curves->findChild<QLabel*>("LBLnotesAreaLevel")->isHidden());
    QVERIFY(curves->figures().source.plant.CotaMin == 311.25f); // untouched: stored
    // A cell is followed as its editor is typed, before it is committed; Escape drops it.
    QTableWidgetItem* cell = w.ui.StrGr_PCVA->item(0, 2);
    w.ui.StrGr_PCVA->setCurrentItem(cell);
    w.ui.StrGr_PCVA->editItem(cell);
    auto* editor =
        qobject_cast<QLineEdit*>(w.ui.StrGr_PCVA->indexWidget(w.ui.StrGr_PCVA->currentIndex()));
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "0"); // a straight level: 300 + 100/8 at VolMin
    QTRY_COMPARE(figure(curves, 1), QStringLiteral("312.50"));
    QCOMPARE(w.ui.StrGr_PCVA->item(0, 2)->text(), cell->text());
    QTest::keyClick(editor, Qt::Key_Escape);
    QTRY_COMPARE(figure(curves, 1), QStringLiteral("311.28"));
    setCell(w.ui.StrGr_PCVA, 0, 2, "0");
    QTRY_COMPARE(figure(curves, 1), QStringLiteral("312.50"));
    w.box("TXT_YMin")->setText("300");
    QTRY_VERIFY(warnings(curves).startsWith("Cota no volume mínimo 312.50 m"));

    // The language follows the menu.
    w.ui.MnEditLanEng->trigger();
    QTRY_COMPARE(curves->windowTitle(), QStringLiteral("Plant Curves - 2 - EXATA"));
    QCOMPARE(figure(curves, 0), QStringLiteral("Maximum Volume (hm3) does not read"));
    QCOMPARE(curves->findChild<QPushButton*>("BTNsaveCurves")->text(), QStringLiteral("&Save..."));

    // Cancel: the plant that was being changed, as stored.
    w.ui.BTNcancelchange->click();
    QTRY_COMPARE(figure(curves, 0), QStringLiteral("800.00"));
    QVERIFY(w.findChild<QAction*>("MnToolsCheck")->isEnabled());

    // A plant being created says so in the title, in both languages.
    h.dialogs.saveFileAnswers.enqueue(h.path("DEST2.DAT"));
    w.ui.MnEditPlantCreate->trigger();
    QTRY_COMPARE(curves->windowTitle(), QStringLiteral("Plant Curves - New plant"));
    w.ui.MnEditLanPort->trigger();
    QTRY_COMPARE(curves->windowTitle(), QStringLiteral("Curvas da Usina - Nova usina"));
    w.ui.BTNcancelchange->click();
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
    // A name without an extension takes the chosen type's; an existing file so named is
    // replaced only when the user says so.
    h.dialogs.saveFileAnswers.enqueue(h.path("curvas"));
    h.dialogs.saveTypeAnswers.enqueue("PNG (*.png)");
    save->click();
    QVERIFY(QFile::exists(h.path("curvas.png")));
    QVERIFY(!QFile::exists(h.path("curvas")));
    h.dialogs.saveFileAnswers.enqueue(h.path("curvas"));
    h.dialogs.saveTypeAnswers.enqueue("SVG (*.svg)");
    h.dialogs.confirmAnswers.enqueue(false);
    const qint64 svgSize = QFileInfo(h.path("curvas.svg")).size();
    save->click();
    QCOMPARE(h.dialogs.texts(ScriptedDialogs::Kind::Confirm).last(),
             "O arquivo " + h.path("curvas.svg") + " já existe. Deseja substituí-lo?");
    QCOMPARE(QFileInfo(h.path("curvas.svg")).size(), svgSize);
    QCOMPARE(h.dialogs.count(ScriptedDialogs::Kind::Warning), 1);

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

// At 1280 x 720 or less the window opens inside the screen, and many warnings scroll below
// the figures instead of growing the window or covering the table.
void TestCurvesWindow::fitsTheScreen() {
    EditorHarness h;
    TUsinaHd bad = RegistryFixtures::curvesPlant();
    bad.NumPolsJus = 6; // each falling, and the net heads: 8 warnings
    bad.PolJus.fill({320, -1.0f / 64, 0, 0, 0});
    bad.CanalFugaMed = 900;
    const QString path = h.writeFile("HIDR.DAT", RegistryFixtures::registryBytes(1, {{1, bad}}));
    TFRMeditor& w = h.start({path});
    w.findChild<QAction*>("MnToolsCurves")->trigger();
    CurvesWindow* curves = curvesWindow();
    QVERIFY(curves);
    QTRY_VERIFY(curves->figures().warnings.size() >= 8);
    const QSize screen = w.screen()->availableGeometry().size();
    QVERIFY(curves->width() <= screen.width() && curves->height() <= screen.height());
    QVERIFY(curves->minimumSizeHint().height() < 720);
    curves->resize(1280, 690);
    QTest::qWait(20);
    const auto place = [&](const QWidget* x) {
        return QRect(x->mapTo(curves, QPoint()), x->size());
    };
    const QWidget* list = curves->findChild<QLabel*>("LBLwarnings")->parentWidget(); // viewport
    QVERIFY(!place(curves->findChild<QTableWidget*>("GRDfigures")).intersects(place(list)));
}

// Marks and keys that neither overlap nor repeat, a run-of-river plant, a tailrace far below
// CotaMin, tick labels that differ.
void TestCurvesWindow::charts_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<bool>("tailraceCotaMin"); // the line drawn on the tailrace chart
    QTest::addColumn<int>("legend");           // the tailrace legend's side
    const QStringList apart{"V65", "VolMax = VolVert", "VolMin", "VolRef"};
    QTest::newRow("the fixture") << Change([](TUsinaHd&) {}) << apart << false
                                 << int(Qt::AlignBottom);
    QTest::newRow("VolVert beside VolMax")
        << Change([](TUsinaHd& p) { p.VolVert = 490; })
        << QStringList{"V65", "VolMin", "VolRef", "VolVert, VolMax"} << false
        << int(Qt::AlignBottom);
    QTest::newRow("run-of-river") << Change([](TUsinaHd& p) {
        p.VolMin = p.VolMax = p.VolRef = 300;
        p.CotaMax = p.CotaMin;
    }) << QStringList{"VolMin = VolMax = VolRef = V65", "VolVert"}
                                  << false << int(Qt::AlignBottom);
    QTest::newRow("area within 0.1 km2") << Change([](TUsinaHd& p) {
        p.PAC = {10.2f, 0.005f, 0, 0, 0};
    }) << apart << false << int(Qt::AlignBottom);
    QTest::newRow("tailrace near CotaMin")
        << Change([](TUsinaHd& p) { p.CotaMin = 279; }) << apart << true << int(Qt::AlignBottom);
    QTest::newRow("six tailrace polynomials") << Change([](TUsinaHd& p) {
        p.NumPolsJus = 6;
        for (int q = 0; q < 6; ++q)
            p.PolJus[q] = {270.0f + q, 1.0f / 128, 0, 0, 0};
    }) << apart << false << int(Qt::AlignRight);
}

void TestCurvesWindow::charts() {
    QFETCH(Change, change);
    QFETCH(QStringList, marks);
    QFETCH(bool, tailraceCotaMin);
    QFETCH(int, legend);
    TUsinaHd plant = RegistryFixtures::curvesPlant();
    plant.VolRef = 250; // its label well apart from V65's
    change(plant);
    LaidOutCharts c;
    c.show(plant);
    QStringList shown = c.markLabels();
    shown.sort();
    QVERIFY2(shown == marks, qPrintable(shown.join('|')));
    QCOMPARE(c.keys(CurveCharts::Tailrace).contains("CotaMin"), tailraceCotaMin);
    QCOMPARE(int(c.charts.chart(CurveCharts::Tailrace)->legend()->alignment()), legend);
    QCOMPARE(c.charts.notes(CurveCharts::Tailrace)
                 .contains(QStringLiteral("Fora da escala: CotaMin %1 m, acima das curvas.")
                               .arg(plant.CotaMin, 0, 'f', 2)),
             !tailraceCotaMin);
    // Every chart spans a range, and its tick labels differ from each other.
    for (int w = 0; w < CurveCharts::Count; ++w)
        for (QAbstractAxis* a : c.charts.chart(CurveCharts::Which(w))->axes()) {
            auto* axis = qobject_cast<QValueAxis*>(a);
            QSet<QString> labels;
            for (int t = 0; t < axis->tickCount(); ++t)
                labels << QString::asprintf(qPrintable(axis->labelFormat()),
                                            axis->min() + (axis->max() - axis->min()) * t /
                                                              (axis->tickCount() - 1));
            QCOMPARE(labels.size(), axis->tickCount());
        }
    // CotaMin and CotaMax have keys of their own.
    QList<QLegendMarker*> keys = c.charts.chart(CurveCharts::LevelVolume)->legend()->markers();
    QCOMPARE(keys.size(), 8);
    QCOMPARE(keys[1]->label() + keys[2]->label(), QStringLiteral("CotaMinCotaMax"));
    QVERIFY(keys[1]->brush().color() != keys[2]->brush().color());
    // No plant: no keys.
    c.charts.clear(Language::English);
    QCoreApplication::sendPostedEvents();
    for (int w = 0; w < CurveCharts::Count; ++w)
        QCOMPARE(c.keys(CurveCharts::Which(w)), QStringList());
}

QTEST_MAIN(TestCurvesWindow)
#include "tst_curveswindow.moc"

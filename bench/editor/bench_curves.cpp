// The plant curves at their largest: --summary of 1000 plants as a whole quillmark process
// (at most 0.2 s), and the curves window's redraw after a keystroke in the form being edited,
// charts painted (at most 50 ms).

#include "BenchRegistry.h"
#include "core/Dialogs.h"
#include "window/CurvesWindow.h"
#include "window/TFRMeditor.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtCharts/QChartView>
#include <benchmark/benchmark.h>

namespace {

// Curves a plant could have, and every type of losses.
QByteArray makeRegistry(int plants) {
    return BenchRegistry::make(plants, [](TUsinaHd& p, int k) {
        p.PCV = {300.0f, 4e-3f, -1e-7f, 2e-12f, -1e-17f};
        p.PAC = {-280.0f, 1.0f, 1e-3f, -1e-6f, 0.0f};
        for (int q = 0; q < 6; ++q) {
            p.PolJus[q] = {250.0f + float(q), 2e-3f, -1e-7f, 3e-12f, -1e-17f};
            p.PolJusRef[q] = 255.5f + float(q);
        }
        p.TipoPerdas = 1 + k % 3;
    });
}

void summary1000(benchmark::State& state) {
    QTemporaryDir dir;
    const QString registry = dir.filePath(QStringLiteral("HIDR.DAT"));
    if (!BenchRegistry::write(registry, makeRegistry(1000))) {
        state.SkipWithError("cannot write the registry");
        return;
    }
    const QString output = dir.filePath(QStringLiteral("SUMMARY.csv"));
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(QUILLMARK_EXE),
                      {QStringLiteral("--summary"), registry, output});
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            state.SkipWithError("quillmark did not answer as expected");
            return;
        }
    }
}
BENCHMARK(summary1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The destination of the Change is the one question the window asks.
class BenchDialogs : public NoDialogs {
public:
    QString destination;
    void message(MessageKind, const QString&) override {}
    QString saveFile(const QString&, const QString&, const QString&, const QString&,
                     bool) override {
        return destination;
    }
};

void redrawAfterKeystroke(benchmark::State& state) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QString registry = dir.filePath(QStringLiteral("HIDR.DAT"));
    if (!BenchRegistry::write(registry, makeRegistry(10))) {
        state.SkipWithError("cannot write the registry");
        return;
    }
    BenchDialogs dialogs;
    dialogs.destination = dir.filePath(QStringLiteral("DEST.DAT"));
    {
        TFRMeditor window(dialogs, {registry}, dir.path());
        window.show();
        while (!window.firstActivationDone())
            QCoreApplication::processEvents();
        window.findChild<QAction*>(QStringLiteral("MnToolsCurves"))->trigger();
        window.ui.MnEditPlantChange->trigger();
        CurvesWindow* curves = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == u"FRMcurves")
                curves = qobject_cast<CurvesWindow*>(w);
        if (!curves) {
            state.SkipWithError("no curves window");
            return;
        }
        const QList<QChartView*> views = curves->findChildren<QChartView*>();
        QCoreApplication::processEvents();
        int i = 0;
        for (auto _ : state) {
            const int before = curves->redraws();
            window.box("TXT_VMax")->setText(QString::number(5000 + (++i % 7) * 100));
            while (curves->redraws() == before)
                QCoreApplication::processEvents();
            for (QChartView* view : views)
                view->repaint();
        }
    }
    QDir::setCurrent(previous);
}
BENCHMARK(redrawAfterKeystroke)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

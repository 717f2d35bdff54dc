// The plant curves at their largest: --summary of 1000 plants as a whole quillmark process
// (at most 0.2 s), and the curves window's redraw after a keystroke in the form being edited,
// charts painted (at most 50 ms).

#include "core/Dialogs.h"
#include "registry/PlantCodec.h"
#include "window/CurvesWindow.h"
#include "window/TFRMeditor.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtCharts/QChartView>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>

namespace {

// Every plant with five sets and six tailrace polynomials: the most a plant can draw.
QByteArray makeRegistry(int plants) {
    QByteArray bytes(qsizetype(plants) * RecordSize, '\0');
    for (int k = 0; k < plants; ++k) {
        TUsinaHd p;
        char name[24]; // room for any number; the record takes the first twelve
        std::snprintf(name, sizeof name, "USINA %-6d", k + 1);
        std::memcpy(p.Nome.data(), name, 12);
        p.VolMin = 100.5f + float(k);
        p.VolMax = 5000.25f + float(k);
        p.VolVert = p.VolMax;
        p.VolRef = p.VolMax;
        p.CotaMin = 300.5f;
        p.CotaMax = 320.75f;
        p.PCV = {300.0f, 4e-3f, -1e-7f, 2e-12f, -1e-17f};
        p.PAC = {-280.0f, 1.0f, 1e-3f, -1e-6f, 0.0f};
        for (int m = 0; m < 12; ++m)
            p.EvapMen[m] = m * 10 - 40;
        p.NumConjMaq = 5;
        p.NumPolsJus = 6;
        for (int s = 0; s < 5; ++s) {
            p.NumMaq[s] = s + 1;
            p.PotEf[s] = 100.5f * float(s + 1);
            p.QEf[s] = 200 + s;
        }
        for (int q = 0; q < 6; ++q) {
            p.PolJus[q] = {250.0f + float(q), 2e-3f, -1e-7f, 3e-12f, -1e-17f};
            p.PolJusRef[q] = 255.5f + float(q);
        }
        p.ProdEsp = 0.0087f;
        p.ValorPerdas = 1.5f;
        p.CanalFugaMed = 260.0f;
        p.TipoPerdas = 1 + k % 3;
        p.Reg = 'M';
        encodePlant(p, bytes.data() + qsizetype(k) * RecordSize);
    }
    return bytes;
}

void summary1000(benchmark::State& state) {
    QTemporaryDir dir;
    const QString registry = dir.filePath(QStringLiteral("HIDR.DAT"));
    QFile file(registry);
    const QByteArray bytes = makeRegistry(1000);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the registry");
        return;
    }
    file.close();
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
class BenchDialogs : public Dialogs {
public:
    QString destination;
    void message(MessageKind, const QString&) override {}
    bool confirm(const QString&) override { return false; }
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&, const QString&,
                     bool) override {
        return destination;
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    bool choosePrinter(QPrinter&, const PrintRequest&) override { return false; }
};

void redrawAfterKeystroke(benchmark::State& state) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QString registry = dir.filePath(QStringLiteral("HIDR.DAT"));
    QFile file(registry);
    const QByteArray bytes = makeRegistry(10);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the registry");
        return;
    }
    file.close();
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

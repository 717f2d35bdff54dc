// Faults found in use: fields cut short, inputs that hang or fill memory, texts that do not read
// back, messages that name no file, and the statistics periods.
// The window's own (the Séries page cleared, the size at 1280x720, Qt's translations) are in
// tst_window.
#include "ScriptedDialogs.h"
#include "TestData.h"
#include "inflows/Mlt.h"
#include "inflows/Postos.h"
#include "inflows/Series.h"
#include "inflows/Vazoes.h"
#include "window/SeriesCharts.h"
#include "workflow/Conversions.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineSeries>
#include <QProcess>
#include <QScatterSeries>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>
#include <sys/stat.h>

using namespace Torvane;

namespace {

struct Run {
    int exitCode = -1;
    QString err;
};

Run torvane(const QStringList& args, const QString& workDir, int timeoutMs = 20000) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(workDir);
    p.start(QStringLiteral(TORVANE_EXE), args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {-3, QStringLiteral("timed out")};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2,
            QString::fromUtf8(p.readAllStandardError())};
}

QString message(const ConvResult& r) {
    return r.ok() ? QStringLiteral("<ok>") : QString::fromStdString(r.failure->message);
}

std::string postosRecord(const std::string& name, std::int32_t a, std::int32_t b) {
    return name + int32LE(a) + int32LE(b);
}

// A VAZOES binary of numPostos stations and the years given, station s holding value(s, y, m).
template <typename F> std::string vazoesBinary(int numPostos, int years, F value) {
    std::string out;
    for (int y = 0; y < years; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int s = 1; s <= numPostos; ++s)
                out += int32LE(value(s, 1931 + y, m));
    return out;
}

} // namespace

class TstFaultsInUse : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path(const QString& n) const { return dir.filePath(n); }

private slots:
    // 1. A line cut inside a field fails with that field's message.
    void cutFieldsFail() {
        std::string months;
        for (int m = 1; m <= 12; ++m)
            months += sixColumns(1000 + m * 10);
        const std::string line = vazoesLine("  1", "1931", months); // 80 columns
        QCOMPARE(int(line.size()), 80);
        ConvResult r = vazoesTextToBin(line.substr(0, 79), 320, "V");
        QCOMPARE(message(r),
                 QStringLiteral("Erro no arquivo texto \"V\", linha 1. Valor de vazão do mês 12 "
                                "inválido."));
        // Cut at 60: month 9 (columns 57 to 62) is the damaged one.
        r = vazoesTextToBin(line.substr(0, 60) + "\r\n", 320, "V");
        QCOMPARE(message(r),
                 QStringLiteral("Erro no arquivo texto \"V\", linha 1. Valor de vazão do mês 9 "
                                "inválido."));
        TabMlt tab;
        const std::string mlt = "  1 " + months; // 76 columns
        r = mltTextToBin(mlt.substr(0, 75), 320, tab, "M");
        QCOMPARE(message(r),
                 QStringLiteral("Erro no arquivo texto \"M\", linha 1. Valor de vazão do mês 12 "
                                "inválido."));
        QVERIFY(mltTextToBin(mlt, 320, tab, "M").ok());
        r = postosTextToBin("   1  RIO CLARO     1931  202", 320, "P");
        QCOMPARE(message(r), QStringLiteral("Erro no arquivo texto \"P\", linha 1. '202' is not a "
                                            "valid integer value"));
        // The station field too: "1" alone is a line too short for columns 1 to 3.
        r = vazoesTextToBin("1", 320, "V");
        QCOMPARE(message(r),
                 QStringLiteral("Erro no arquivo texto \"V\", linha 1. Código de posto inválido."));
    }

    // 2. A FIFO or a folder as input is refused before it is opened.
    void fifoAndFolderInputsRefused() {
        const QString fifo = path("fifo");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        Run r = torvane({"vazoes", "to-text", fifo, path("out.txt"), "--stations", "320"},
                        dir.path(), 10000);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QStringLiteral("Arquivo de entrada \"%1\" não é um arquivo comum.\n")
                            .arg(fifo));
        QVERIFY(!QFile::exists(path("out.txt")));
        QDir(dir.path()).mkdir(QStringLiteral("pasta"));
        r = torvane({"mlt", "to-bin", path("pasta"), path("out.bin"), "--stations", "320"},
                    dir.path());
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QStringLiteral("Arquivo de entrada \"%1\" não é um arquivo comum.\n")
                            .arg(path("pasta")));
        // The window's workflow alike.
        ScriptedDialogs dialogs;
        Tables tables;
        dialogs.fileAnswers << path("out2.bin");
        QCOMPARE(runConversion(dialogs, fifo,
                               conversionDef(FileKind::Vazoes, Direction::TextToBin, 320, tables)),
                 Outcome::NotRegularFile);
        QCOMPARE(dialogs.boxes(), QStringList{"warning: Arquivo de entrada \"" + fifo +
                                              "\" não é um arquivo comum."});
    }

    // 3. An input larger than any valid file of its kind is refused by its size, unread.
    void oversizedInputRefusedBySize() {
        const QString big = path("big");
        {
            QFile f(big);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(qint64(1) << 30)); // sparse: 1 GB that takes no room
        }
        QElapsedTimer clock;
        clock.start();
        Run r = torvane({"vazoes", "to-text", big, path("o.txt"), "--stations", "600"}, dir.path());
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.startsWith(QStringLiteral("Erro no arquivo binário \"%1\": Read beyond end of "
                                                 "file. O arquivo tem 1073741824 bytes")
                                      .arg(big)),
                 qPrintable(r.err));
        r = torvane({"vazoes", "to-bin", big, path("o.bin"), "--stations", "600"}, dir.path());
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QStringLiteral("Arquivo \"%1\" tem 1073741824 bytes, mais do que qualquer "
                                       "arquivo TEXTO de vazões válido (até 268435456 bytes).\n")
                            .arg(big));
        {
            QFile f(big);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(1000000000)); // whole 20-byte records, far too many
        }
        r = torvane({"postos", "to-text", big, path("o.txt")}, dir.path());
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QStringLiteral("Arquivo \"%1\" tem 1000000000 bytes, mais do que qualquer "
                                       "arquivo BINÁRIO de postos válido (até 199980 bytes).\n")
                            .arg(big));
        QVERIFY2(clock.elapsed() < 5000, "the file was read");
        QVERIFY(checkInputSize(FileKind::Mlt, false, 320, 15360, "M") == std::nullopt);
        QVERIFY(checkInputSize(FileKind::Mlt, false, 320, 15361, "M").has_value());
    }

    // 4. A conversion to text that would write a field that does not read back fails.
    void fieldsThatDoNotReadBackRefused() {
        const std::string bin = vazoesBinary(320, 1, [](int s, int, int m) {
            return s == 7 && m == 3 ? -12345 : s == 7 ? 100 : 0;
        });
        ConvResult r = vazoesBinToText(bin, 320, "V");
        QCOMPARE(message(r), QStringLiteral("Valor -12345 do posto 7, ano 1931, mês 3 negativo não "
                                            "cabe no arquivo texto."));
        QVERIFY(r.output.empty());
        TabMlt tab;
        std::vector<std::int32_t> mlt(12 * 320, 5);
        mlt[320 * 4 + 9] = -5; // station 10, May
        r = mltBinToText(int32Records(mlt), 320, tab, "M");
        QCOMPARE(message(r),
                 QStringLiteral("Valor -5 do posto 10, mês 5 negativo não cabe no arquivo texto."));
        r = postosBinToText(postosRecord("NOME        ", 12, 2001), "P");
        QVERIFY(!r.ok());
        r = postosBinToText(postosRecord("NO\nME       ", 1931, 2001), "P");
        QCOMPARE(message(r), QStringLiteral("Nome do posto 1 tem uma quebra de linha e não cabe no "
                                            "arquivo texto."));
    }

    // 6. A binary that is no whole number of records names the file, its size and the block.
    void partialBinariesNamed() {
        // 10 years of 600 stations read under 320: 288000 bytes are 18.75 blocks of 15360.
        const std::string bin = vazoesBinary(600, 10, [](int, int, int) { return 1; });
        ConvResult r = vazoesBinToText(bin, 320, "V.DAT");
        QCOMPARE(message(r), QStringLiteral("Erro no arquivo binário \"V.DAT\": Read beyond end of "
                                            "file. O arquivo tem 288000 bytes, que não são um "
                                            "número inteiro de anos de 15360 bytes (320 postos). O "
                                            "tamanho serve ao horizonte de 600 postos (10 anos)."));
        TabMlt tab;
        r = mltBinToText(std::string(28800, '\0'), 320, tab, "M.DAT");
        QCOMPARE(message(r), QStringLiteral("Erro no arquivo binário \"M.DAT\": Read beyond end of "
                                            "file. O arquivo tem 28800 bytes, que não são um bloco "
                                            "de 15360 bytes (320 postos). O tamanho é o do bloco de "
                                            "600 postos."));
        QVERIFY(writeBytes(path("M.DAT"), QByteArray(28800, '\0')));
        QVERIFY(writeBytes(path("V.txt"), "  1 1931" + QByteArray("     1").repeated(12)));
        const Run run = torvane({"vazoes", "stats", path("V.txt"), path("s.csv"), "--stations",
                                 "320", "--text", "--mlt", path("M.DAT")},
                                dir.path());
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.startsWith("Erro no arquivo binário \"" + path("M.DAT") + "\""),
                 qPrintable(run.err));
    }

    // 7. A VAZOES binary that fits both horizons, read under the wrong one, is warned of.
    void wrongHorizonWarned() {
        // 96 years of 600 stations (1931 to 2026) read as 320: 180 years, up to 2110.
        const std::string bin = vazoesBinary(600, 96, [](int s, int, int) { return s; });
        QVERIFY(writeBytes(path("V600"), QByteArray::fromStdString(bin)));
        Run r = torvane({"vazoes", "to-text", path("V600"), path("t.txt"), "--stations", "320"},
                        dir.path());
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.startsWith(QStringLiteral("Aviso: o arquivo \"%1\" lido com 320 postos traz "
                                                 "vazões até 2110; o horizonte pode estar errado "
                                                 "(com 600 postos iria até 2026).\n")
                                      .arg(path("V600"))),
                 qPrintable(r.err));
        r = torvane({"vazoes", "to-text", path("V600"), path("t6.txt"), "--stations", "600"},
                    dir.path());
        QCOMPARE(r.exitCode, 0);
        QVERIFY(!r.err.contains("Aviso"));
        QVERIFY(!vazoesHorizonWarning(bin.size(), 320, 2110, "V").has_value());
        QVERIFY(vazoesHorizonWarning(bin.size(), 320, 2108, "V").has_value());
    }

    // 8. Arguments that look like options, and words that are no file kind.
    void argumentsNamed() {
        Run r = torvane({"vazoes", "to-bin", "-dash.txt", "out", "--stations", "320"}, dir.path());
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.startsWith(QStringLiteral("torvane: opção desconhecida \"-dash.txt\"; um nome "
                                                 "de arquivo que começa com \"-\" vai depois de "
                                                 "\"--\".\n")),
                 qPrintable(r.err));
        r = torvane({"foo"}, dir.path());
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.startsWith(QStringLiteral("torvane: tipo desconhecido \"foo\".\n")),
                 qPrintable(r.err));
    }

    // 9. The default period: the station's data, or its years in the POSTOS.
    void defaultPeriodFollowsTheData() {
        const std::string bin = vazoesBinary(320, 80, [](int s, int y, int) {
            return s == 3 && y >= 1960 && y <= 2000 ? 100 : 0;
        });
        const InflowHistory history(bin, 320);
        QCOMPARE(defaultPeriod(history, 3).from, 1960);
        QCOMPARE(defaultPeriod(history, 3).to, 2000);
        const auto months = monthStats(history, 3, defaultPeriod(history, 3), nullptr);
        QCOMPARE(months[0].years, 41);
        QCOMPARE(months[0].zeros, 0);
        std::string postos;
        postos += postosRecord("A           ", 0, 0) + postosRecord("B           ", 0, 0);
        postos += postosRecord("TRES        ", 1965, 1990);
        const PostoNames names(postos);
        QCOMPARE(defaultPeriod(history, 3, &names).from, 1965);
        QCOMPARE(defaultPeriod(history, 3, &names).to, 1990);
        // stats with --postos: 26 years.
        const std::string csv = statsCsv(history, std::nullopt, std::nullopt, nullptr, &names, ",");
        QVERIFY(csv.find("\r\n3;TRES;1;26;100,00;") != std::string::npos);
    }

    // 10. --from past the data, and an option given twice.
    void periodAndRepeatedOptions() {
        QVERIFY(writeBytes(path("V.txt"), "  1 1931" + QByteArray("     1").repeated(12)));
        Run r = torvane({"vazoes", "stats", path("V.txt"), path("s.csv"), "--stations", "320",
                         "--text", "--from", "1990"},
                        dir.path());
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QStringLiteral("Período a partir de 1990 além do último ano do arquivo "
                                       "\"%1\" (1931).\n")
                            .arg(path("V.txt")));
        QVERIFY(!QFile::exists(path("s.csv")));
        r = torvane({"vazoes", "to-bin", path("V.txt"), path("o"), "--stations", "320",
                     "--stations", "600"},
                    dir.path());
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.startsWith("torvane: opção \"--stations\" dada mais de uma vez.\n"),
                 qPrintable(r.err));
    }

    // 12. plot takes --postos; whole steps on an all-zero axis; A4 landscape; a hollow ring.
    void plotAndCharts() {
        QVERIFY(writeBytes(path("V.txt"), "  1 1931" + QByteArray("     1").repeated(12) +
                                              "\r\n  1 1932" + QByteArray("    90").repeated(12)));
        QVERIFY(writeBytes(path("P.txt"), "   1  RIO CLARO     1931  1932\r\n"));
        Run r = torvane({"vazoes", "plot", path("V.txt"), "1", path("g.pdf"), "--stations", "320",
                         "--text", "--postos", path("P.txt"), "--postos-text"},
                        dir.path(), 60000);
        QCOMPARE(r.exitCode, 0);
        const QByteArray pdf = readBytes(path("g.pdf"));
        QVERIFY(pdf.startsWith("%PDF"));
        // A4 landscape: 842 x 595 points.
        QVERIFY2(pdf.contains("/MediaBox [0 0 841.889") || pdf.contains("/MediaBox [0 0 842"),
                 pdf.mid(pdf.indexOf("/MediaBox"), 40).constData());

        SeriesData data;
        data.history = InflowHistory(vazoesBinary(320, 3, [](int s, int y, int m) {
                                         return s == 2 ? 0 : (y == 1932 && m == 5 ? 900 : 10);
                                     }),
                                     320);
        const Period period{1931, 1933};
        const auto zeros = monthStats(data.history, 2, period, nullptr);
        QChart* chart = makeSeriesChart(data, 2, period, zeros);
        auto* axis = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
        QVERIFY(axis);
        const double step = (axis->max() - axis->min()) / (axis->tickCount() - 1);
        QVERIFY2(step >= 1 && step == std::floor(step) && axis->min() == std::floor(axis->min()),
                 qPrintable(QStringLiteral("%1 to %2 in %3 ticks")
                                .arg(axis->min())
                                .arg(axis->max())
                                .arg(axis->tickCount())));
        delete chart;
        const auto months = monthStats(data.history, 1, period, nullptr);
        chart = makeSeriesChart(data, 1, period, months);
        QScatterSeries* ring = nullptr;
        for (QAbstractSeries* s : chart->series())
            if (auto* scatter = qobject_cast<QScatterSeries*>(s))
                ring = scatter;
        QVERIFY(ring);
        QCOMPARE(ring->brush().style(), Qt::NoBrush);
        delete chart;
    }

    // 13. A byte-order mark and a DOS end-of-file byte are no data.
    void bomAndDosEndOfFileSkipped() {
        std::string months;
        for (int m = 1; m <= 12; ++m)
            months += sixColumns(m);
        const std::string line = vazoesLine("  1", "1931", months);
        const ConvResult plain = vazoesTextToBin(line + "\r\n", 320, "V");
        QVERIFY(plain.ok());
        const ConvResult marked = vazoesTextToBin("\xEF\xBB\xBF" + line + "\r\n\x1A", 320, "V");
        QVERIFY2(marked.ok(), qPrintable(message(marked)));
        QVERIFY(marked.output.view() == plain.output.view());
        TabMlt tab;
        const std::string mlt = "  1 " + months + "\r\n";
        const ConvResult m = mltTextToBin("\xEF\xBB\xBF" + mlt + "\x1A", 320, tab, "M");
        QVERIFY2(m.ok(), qPrintable(message(m)));
        const ConvResult p =
            postosTextToBin("\xEF\xBB\xBF   1  RIO CLARO     1931  2001\r\n\x1A", 320, "P");
        QVERIFY2(p.ok(), qPrintable(message(p)));
        QCOMPARE(p.output.view().substr(0, 12), std::string_view("RIO CLARO   "));
    }

    // 15. The file dialogs' filters, and a chart name without an extension.
    void fileFilters() {
        QCOMPARE(qtFileFilter(QStringLiteral("VAZOES.DAT(*.*)|*.*")),
                 QStringLiteral("VAZOES.DAT (*)"));
        QCOMPARE(qtFileFilter(QStringLiteral("VAZOES|*.*")), QStringLiteral("VAZOES (*)"));
        QCOMPARE(qtFileFilter(QStringLiteral("Gráfico PNG|*.png|Gráfico PDF|*.pdf")),
                 QStringLiteral("Gráfico PNG (*.png);;Gráfico PDF (*.pdf)"));
        QCOMPARE(withFilterSuffix(QStringLiteral("/t/grafico"), QStringLiteral("Gráfico SVG (*.svg)")),
                 QStringLiteral("/t/grafico.svg"));
        QCOMPARE(withFilterSuffix(QStringLiteral("/t/g.png"), QStringLiteral("Gráfico SVG (*.svg)")),
                 QStringLiteral("/t/g.png"));
        QCOMPARE(withFilterSuffix(QStringLiteral("/t/VAZOES"), QStringLiteral("VAZOES.DAT (*)")),
                 QStringLiteral("/t/VAZOES"));
    }
};

QTEST_MAIN(TstFaultsInUse)
#include "tst_faults_in_use.moc"

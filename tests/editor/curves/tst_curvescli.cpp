// quillmark --curves and --summary run as processes with no display: the files they write
// (pdftotext reads the figures back), the refused outputs, and nothing written on a failure.

#include "RegistryFixtures.h"
#include "ReportSamples.h"

#include <QTemporaryDir>
#include <QtTest>

using ReportSamples::pdfText;
using ReportSamples::quillmark;
using ReportSamples::readFile;
using ReportSamples::Run;

class TestCurvesCli : public QObject {
    Q_OBJECT

private slots:
    void run_data();
    void run();
    void help();
    void unreachableDisplay();
};

// "R" names the registry (a plant at code 1), "O" the output; `before` is what O holds first
// ("dir" a folder, "-" nothing). `holds` is a text the output holds after a success (the PDF as
// pdftotext reads it), or what stderr says after a failure, when the output is left as it was.
void TestCurvesCli::run_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("holds");
    const QByteArray none = "-";
    QTest::newRow("summary") << QStringList{"--summary", "R", "O"} << "s.csv" << QByteArray("old")
                             << 0
                             << QByteArray("1;EXATA       ;400,00;311,28;331,98;329,18;324,89;");
    QTest::newRow("summary onto the registry")
        << QStringList{"--summary", "R", "R"} << "" << none << 1
        << QByteArray("Arquivo de saída não pode ser igual ao Cadastro");
    QTest::newRow("summary onto a folder")
        << QStringList{"--summary", "R", "O"} << "out" << QByteArray("dir") << 1
        << QByteArray("não é um arquivo comum");
    QTest::newRow("summary, unreadable registry")
        << QStringList{"--summary", "missing.dat", "O"} << "s.csv" << none << 1
        << QByteArray("Problemas na leitura do Cadastro !");
    QTest::newRow("summary, a name missing") << QStringList{"--summary", "R"} << "" << none << 1
                                             << QByteArray("pede dois nomes de arquivo");
    QTest::newRow("curves, PDF") << QStringList{"--curves", "R", "1", "O"} << "c.pdf" << none << 0
                                 << QByteArray("Cota equivalente (m)");
    QTest::newRow("curves, PDF figures") << QStringList{"--curves", "R", "1", "O"} << "c.PDF"
                                         << QByteArray("old") << 0 << QByteArray("324,89");
    QTest::newRow("curves, PNG") << QStringList{"--curves", "R", "1", "O"} << "c.png" << none << 0
                                 << QByteArray("\x89PNG");
    QTest::newRow("curves, SVG") << QStringList{"--curves", "R", "1", "O"} << "c.svg" << none << 0
                                 << QByteArray("<svg");
    QTest::newRow("curves, other extension")
        << QStringList{"--curves", "R", "1", "O"} << "c.jpg" << none << 1
        << QByteArray("deve terminar em .pdf, .png ou .svg");
    QTest::newRow("curves, no plant there")
        << QStringList{"--curves", "R", "2", "O"} << "c.pdf" << QByteArray("old") << 1
        << QByteArray("Nenhuma usina em uso tem o código 2.");
    QTest::newRow("curves, code not a number") << QStringList{"--curves", "R", "x", "O"} << "c.pdf"
                                               << none << 1 << QByteArray("número inteiro: x");
    QTest::newRow("curves onto the registry")
        << QStringList{"--curves", "R", "1", "R"} << "" << none << 1
        << QByteArray("Arquivo de saída não pode ser igual ao Cadastro");
}

void TestCurvesCli::run() {
    QFETCH(QStringList, args);
    QFETCH(QString, output);
    QFETCH(QByteArray, before);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, holds);
    QTemporaryDir dir;
    const QByteArray registry =
        RegistryFixtures::registryBytes(3, {{1, RegistryFixtures::curvesPlant()}});
    const QString r = RegistryFixtures::writeFile(dir.path(), "HIDR.DAT", registry);
    const QString o = dir.filePath(output);
    if (before == "dir")
        QVERIFY(QDir(dir.path()).mkdir(output));
    else if (before != "-")
        QVERIFY(!RegistryFixtures::writeFile(dir.path(), output, before).isEmpty());
    for (QString& arg : args)
        arg = arg == u"R" ? r : arg == u"O" ? o : arg;
    QDir::setCurrent(dir.path());
    const Run run = quillmark(args, QStringLiteral("pt_BR.UTF-8"));
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(readFile(r), registry);
    if (exitCode != 0) {
        QVERIFY2(run.err.contains(QString::fromUtf8(holds)), qPrintable(run.err));
        if (before == "-")
            QVERIFY(output.isEmpty() || !QFileInfo::exists(o));
        else if (before != "dir")
            QCOMPARE(readFile(o), before);
        return;
    }
    QCOMPARE(run.err, QString()); // its own messages only, and a success has none
    const QByteArray written =
        o.endsWith(".pdf", Qt::CaseInsensitive) ? pdfText(o).toUtf8() : readFile(o);
    QVERIFY2(written.contains(holds), written.left(300).constData());
    if (o.endsWith(".csv"))
        QVERIFY(written.endsWith(";0;\r\n"));
}

void TestCurvesCli::help() {
    const Run run = quillmark({"--help"}, QStringLiteral("pt_BR.UTF-8"));
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains("quillmark --curves CADASTRO CÓDIGO SAÍDA"));
    QVERIFY(run.out.contains("quillmark --summary CADASTRO SAÍDA"));
}

// No window is opened: a display named but out of reach is never asked for.
void TestCurvesCli::unreachableDisplay() {
    QTemporaryDir dir;
    const QString r = RegistryFixtures::writeFile(
        dir.path(), "HIDR.DAT",
        RegistryFixtures::registryBytes(1, {{1, RegistryFixtures::curvesPlant()}}));
    const Run run = quillmark({"--curves", r, "1", dir.filePath("c.png")}, "C", ":93");
    QCOMPARE(run.exitCode, 0);
    QVERIFY(QFileInfo::exists(dir.filePath("c.png")));
}

QTEST_GUILESS_MAIN(TestCurvesCli)
#include "tst_curvescli.moc"

// quillmark --check and --diff run as processes: the exact output, the exit status 0, 1 or 2,
// and the other commands' statuses left as they were.

#include "EditingSupport.h"
#include "RegistryFixtures.h"
#include "ReportSamples.h"
#include "registry/PlantCodec.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

using RegistryFixtures::registryBytes;
using RegistryFixtures::validPlant;
using ReportSamples::quillmark;
using ReportSamples::Run;

namespace {

QByteArray twoPlants() {
    TUsinaHd bad = validPlant(QStringLiteral("RUIM"));
    bad.Posto = 0;
    return registryBytes(3, {{1, validPlant(QStringLiteral("BOA"))}, {2, bad}});
}

QByteArray oneBitLater() {
    QByteArray bytes = twoPlants();
    bytes[plantFieldSpan("VolMax").offset] = char(bytes[plantFieldSpan("VolMax").offset] + 1);
    return bytes;
}

// A plant changed twice: VolMax by one bit and its stamp, which --ignore Data leaves out.
QByteArray restamped() {
    QByteArray bytes = oneBitLater();
    bytes.replace(plantFieldSpan("Data").offset, 2, "99");
    return bytes;
}

} // namespace

class TestQualityCli : public QObject {
    Q_OBJECT

private slots:
    void run_data();
    void run();
    void json_data();
    void json();
};

// "A" and "B" in the arguments name the two files written first (a missing one is not written).
void TestQualityCli::run_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err"); // a line stderr holds
    const QString C = QStringLiteral("C.UTF-8");
    const QString rule = EditingSupport::validationText(1, 2);
    QTest::newRow("check, a finding")
        << QStringList{"--check", "A"} << twoPlants() << QByteArray() << C << 1
        << "2\tRUIM\t" + rule + "\n2 usinas verificadas, 1 com problemas.\n"
        << QString();
    QTest::newRow("check in English, config first")
        << QStringList{"--config", QUILLMARK_SAMPLES_DIR "/config.ini", "--check", "A", "--lang",
                       "en"}
        << twoPlants() << QByteArray() << C << 1
        << "2\tRUIM\t" + EditingSupport::validationText(2, 2) +
               "\n2 plants checked, 1 with problems.\n"
        << QString();
    QTest::newRow("check, nothing found")
        << QStringList{"--check", "A"} << registryBytes(1, {{1, validPlant("BOA")}}) << QByteArray()
        << C << 0 << "1 usina verificada, 0 com problemas.\n"
        << QString();
    // A curve's warning is listed, yet no problem: status 0.
    TUsinaHd warned = validPlant("AVISO");
    warned.PAC[0] = -800;
    QTest::newRow("check, a warning only")
        << QStringList{"--check", "A", "--lang", "en"} << registryBytes(1, {{1, warned}})
        << QByteArray() << C << 0
        << "1\tAVISO\tWarning: Area x level not positive at the level 750.00 m: -50.00 km2.\n"
           "1 plant checked, 0 with problems.\n"
        << QString();
    QTest::newRow("check, unreadable")
        << QStringList{"--check", "missing.dat"} << QByteArray() << QByteArray() << C << 2
        << QString() << "O Cadastro missing.dat não pode ser lido.";
    QTest::newRow("diff, the same")
        << QStringList{"--diff", "A", "B"} << twoPlants() << twoPlants() << C << 0
        << "0 usinas diferentes (0 incluídas, 0 excluídas, 0 alteradas).\n"
        << QString();
    QTest::newRow("diff, one bit, comma locale")
        << QStringList{"--diff", "A", "B"} << twoPlants() << oneBitLater() << "pt_BR.UTF-8" << 1
        << "1\tBOA\tVol.Máx.(hm3)\t22950\t22950,002\n"
           "1 usina diferente (0 incluídas, 0 excluídas, 1 alterada).\n"
        << QString();
    QTest::newRow("diff, English")
        << QStringList{"--lang=en", "--diff", "A", "B"} << twoPlants()
        << registryBytes(3, {{3, validPlant("NOVA")}}) << C << 1
        << "1\tBOA\tPlant removed\n2\tRUIM\tPlant removed\n3\tNOVA\tPlant added\n"
           "3 plants differ (1 added, 2 removed, 0 changed).\n"
        << QString();
    QTest::newRow("diff, new unreadable")
        << QStringList{"--diff", "A", "missing.dat"} << twoPlants() << QByteArray() << C << 2
        << QString() << "O Cadastro missing.dat não pode ser lido.";
    const auto usage = [&](const char* name, const QStringList& args, const char* err) {
        QTest::newRow(name) << args << QByteArray() << QByteArray() << C << 2 << QString()
                            << QString::fromUtf8(err);
    };
    usage("check without a registry", {"--check"}, "A opção --check pede o nome de um Cadastro.");
    usage("both", {"--check", "a", "--diff", "b", "c"},
          "Só uma das opções --check e --diff pode ser dada.");
    usage("unknown language", {"--lang", "fr", "--check", "a"}, "--lang aceita pt ou en: fr");
    usage("English, no registry", {"--lang", "en", "--check"},
          "The option --check needs one registry name.");
    usage("format unknown", {"--check", "a", "--format", "xml"},
          "--format aceita text ou json, não \"xml\".");
    usage("ignore with check", {"--check", "a", "--ignore", "Data"},
          "A opção --ignore vai com --diff.");
    usage("ignore, no such column", {"--diff", "a", "b", "--ignore", "Data,VolMax", "--lang", "en"},
          "--ignore: \"VolMax\" is no column of the CSV.");
    QTest::newRow("format with export") // the export's own usage status
        << QStringList{"--export-csv", "a", "b", "--format", "json"} << QByteArray() << QByteArray()
        << C << 1 << QString() << "A opção --format vai com --check, --diff ou --check-deck.";
    QTest::newRow("diff, the stamp ignored")
        << QStringList{"--diff", "A", "B", "--ignore", "Data"} << twoPlants() << restamped() << C
        << 1
        << "1\tBOA\tVol.Máx.(hm3)\t22950\t22950.002\n"
           "1 usina diferente (0 incluídas, 0 excluídas, 1 alterada).\n"
        << QString();
    QTest::newRow("diff, every change ignored")
        << QStringList{"--diff", "A", "B", "--ignore=Data,Vol.Máx.(hm3)"} << twoPlants()
        << restamped() << C << 0 << "0 usinas diferentes (0 incluídas, 0 excluídas, 0 alteradas).\n"
        << QString();
    QTest::newRow("diff, English, one plant")
        << QStringList{"--diff", "A", "B", "--lang", "en"} << twoPlants() << oneBitLater() << C << 1
        << "1\tBOA\tVol.Máx.(hm3)\t22950\t22950.002\n"
           "1 plant differs (0 added, 0 removed, 1 changed).\n"
        << QString();
    // Every mode takes --lang; the export keeps its own statuses.
    QTest::newRow("export in English")
        << QStringList{"--export-csv", "A", "out.csv", "--lang", "en"} << twoPlants()
        << QByteArray() << C << 0 << QString() << "CSV File successfully generated !";
    QTest::newRow("check, config missing")
        << QStringList{"--check", "A", "--config", "none.ini"} << twoPlants() << QByteArray() << C
        << 2 << QString() << "O arquivo de configuração none.ini não pode ser lido.";
    QTest::newRow("diff, config a folder, English")
        << QStringList{"--diff", "A", "A", "--config", ".", "--lang", "en"} << twoPlants()
        << QByteArray() << C << 2 << QString() << "The configuration file . cannot be read.";
}

void TestQualityCli::run() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(QString, lang);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QTemporaryDir dir;
    QVERIFY(!a.isNull() || !args.contains("A"));
    for (QString& arg : args)
        if (arg == u"A" || arg == u"B") {
            arg = RegistryFixtures::writeFile(dir.path(), arg + ".DAT", arg == u"A" ? a : b);
            QVERIFY(!arg.isEmpty());
        }
    QDir::setCurrent(dir.path()); // the missing registry is named as given
    const Run run = quillmark(args, lang);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, out);
    if (!err.isEmpty())
        QVERIFY2(run.err.split(u'\n').contains(err), qPrintable(run.err));
}

// --format json: the object a standard parser reads, compared whole.
void TestQualityCli::json_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expected");
    const QString rule = EditingSupport::validationText(1, 2);
    QTest::newRow("check")
        << QStringList{"--check", "A", "--format", "json"} << QByteArray() << 1
        << QString::fromUtf8(R"j({"findings": [{"level": "error", "code": 2, "name": "RUIM",
                                 "message": "%1"}],
                              "plants": 2, "with_errors": 1, "by_message": {"%1": 1}})j")
               .arg(rule);
    QTest::newRow("diff, ignoring the stamp")
        << QStringList{"--diff", "A", "B", "--format=json", "--ignore", "Data"} << restamped() << 1
        << QString::fromUtf8(R"j({"changes": [{"code": 1, "name": "BOA", "field": "Vol.Máx.(hm3)",
                                "old": "22950", "new": "22950.002"}],
                              "plants_differing": 1})j");
    QTest::newRow("diff, added and removed")
        << QStringList{"--format", "json", "--diff", "A", "B"}
        << registryBytes(3, {{1, validPlant("BOA")}, {3, validPlant("NOVA")}}) << 1
        << QString::fromUtf8(R"j({"changes": [{"code": 2, "name": "RUIM", "change": "removed"},
                                          {"code": 3, "name": "NOVA", "change": "added"}],
                              "plants_differing": 2})j");
}

void TestQualityCli::json() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, b);
    QFETCH(int, exitCode);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    for (QString& arg : args)
        if (arg == u"A" || arg == u"B")
            arg = RegistryFixtures::writeFile(dir.path(), arg + ".DAT", arg == u"A" ? twoPlants() : b);
    const Run run = quillmark(args, QStringLiteral("C.UTF-8"));
    QCOMPARE(run.exitCode, exitCode);
    QJsonParseError error;
    const QJsonDocument got = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(run.out));
    const QJsonDocument want = QJsonDocument::fromJson(expected.toUtf8(), &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QCOMPARE(got, want);
}

QTEST_GUILESS_MAIN(TestQualityCli)
#include "tst_qualitycli.moc"

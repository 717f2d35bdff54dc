// The deck check: a clean deck made here gives no error and no warning; each row of the table
// changes it in one way and must give its rule's finding. Then the deck found through its index,
// the files that stop the check, and the two outputs.
#include "DeckFixtures.h"
#include "RegistryFixtures.h"
#include "cli/DeckCommand.h"
#include "inflows/Text.h"
#include "registry/PlantCodec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {

using Change = std::function<void(DeckModel&)>;

QJsonArray findingsOf(const QString& dir, const QStringList& more = {}) {
    const DeckCommandOutcome r =
        runDeckCheck(QStringList{QStringLiteral("--check-deck"), dir, QStringLiteral("--format"),
                                 QStringLiteral("json")} +
                     more);
    return QJsonDocument::fromJson(r.output).object().value(QStringLiteral("findings")).toArray();
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TstDeckCheck : public QObject {
    Q_OBJECT

private slots:
    void cleanDeckHasNoErrorNorWarning() {
        QTemporaryDir dir;
        DeckModel().write(dir.path());
        const DeckCommandOutcome r = runDeckCheck({QStringLiteral("--check-deck"), dir.path()});
        QCOMPARE(r.message, QString());
        QCOMPARE(r.status, 0);
        QVERIFY2(r.output.endsWith(
                     "0 erros, 0 avisos, 0 infos. Arquivos lidos: CONFHD (" +
                     QDir::toNativeSeparators(dir.filePath(QStringLiteral("CONFHD.DAT"))).toUtf8() +
                     "), EXPH (" + dir.filePath(QStringLiteral("EXPH.DAT")).toUtf8() + "), HIDR (" +
                     dir.filePath(QStringLiteral("HIDR.DAT")).toUtf8() + "), MLT (" +
                     dir.filePath(QStringLiteral("MLT.DAT")).toUtf8() + "), MODIF (" +
                     dir.filePath(QStringLiteral("MODIF.DAT")).toUtf8() + "), POSTOS (" +
                     dir.filePath(QStringLiteral("POSTOS.DAT")).toUtf8() + "), VAZOES (" +
                     dir.filePath(QStringLiteral("VAZOES.DAT")).toUtf8() + ").\n"),
                 r.output.constData());
    }

    void eachRuleOnItsDeck_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("says"); // a piece of the English message
        auto row = [](const char* name, Change c, const char* rule, const char* level,
                      const char* file, int code, const char* says) {
            QTest::newRow(name) << c << QString::fromLatin1(rule) << QString::fromLatin1(level)
                                << QString::fromLatin1(file) << code << QString::fromUtf8(says);
        };
        row(
            "not in registry",
            [](DeckModel& d) {
                d.confhd.append({50, 5, 0, "NOVA"});
            },
            "plant-not-in-registry", "error", "CONFHD", 50, "not a plant in use");
        row(
            "cycle", [](DeckModel& d) { d.confhd[9].downstream = 8; }, "cascade-cycle", "error",
            "CONFHD", 8, "8 → 9 → 10 → 8");
        row(
            "self cycle", [](DeckModel& d) { d.confhd[3].downstream = 4; }, "cascade-cycle",
            "error", "CONFHD", 4, "4 → 4");
        row(
            "exph not configured",
            [](DeckModel& d) {
                d.exph += "  77 FORA         01/2025       2      0.0\r\n9999\r\n";
            },
            "exph-plant-not-configured", "error", "EXPH", 77, "plant 77 (line 7)");
        row(
            "station past horizon", [](DeckModel& d) { d.confhd[2].station = 321; },
            "station-out-of-range", "error", "CONFHD", 3, "station 321 is outside 1 to 320");
        row(
            "station 0", [](DeckModel& d) { d.confhd[2].station = 0; }, "station-out-of-range",
            "error", "CONFHD", 3, "station 0");
        row(
            "station unnamed", [](DeckModel& d) { d.confhd[2].station = 200; }, "station-unnamed",
            "error", "POSTOS", 3, "station 200 has no name");
        row(
            "history missing", [](DeckModel& d) { d.confhd[1].to = 2030; }, "history-missing",
            "error", "VAZOES", 0, "ends in 2022, before 2030");
        row(
            "name differs", [](DeckModel& d) { d.confhd[3].name = "OUTRA"; }, "name-differs",
            "warning", "CONFHD", 4, "\"OUTRA\"");
        row(
            "downstream outside", [](DeckModel& d) { d.confhd[9].downstream = 99; },
            "downstream-not-configured", "warning", "CONFHD", 10, "downstream plant 99");
        row(
            "deviation outside", [](DeckModel& d) { d.plant(5).Desvio = 99; },
            "deviation-not-configured", "warning", "HIDR", 5, "deviation plant 99");
        row(
            "modif outside", [](DeckModel& d) { d.modif += " USINA 88 FORA\r\n VAZMIN 1\r\n"; },
            "modif-plant-not-configured", "warning", "MODIF", 88, "plant 88 (line 5)");
        row(
            "flag without block", [](DeckModel& d) { d.confhd[1].modified = 1; }, "modif-flag",
            "warning", "CONFHD", 2, "no USINA block");
        row(
            "block without flag", [](DeckModel& d) { d.confhd[0].modified = 0; }, "modif-flag",
            "warning", "CONFHD", 1, "has a USINA block");
        row(
            "new without exph", [](DeckModel& d) { d.confhd[8].status = "EE"; }, "exph-status",
            "warning", "CONFHD", 9, "EE plant without a block");
        row(
            "exph of existing", [](DeckModel& d) { d.confhd[9].status = "EX"; }, "exph-status",
            "warning", "EXPH", 10, "plant EX");
        row(
            "station years", [](DeckModel& d) { d.postos[5].first = 1950; }, "station-years",
            "warning", "POSTOS", 6, "covers 1950 to 2022");
        row(
            "history zero",
            [](DeckModel& d) {
                for (int y = 1931; y < 1931 + kYears; ++y)
                    for (int m = 1; m <= 12; ++m)
                        d.setFlow(7, y, m, 0);
            },
            "history-zero", "warning", "VAZOES", 7, "all 0 from 1931 to 2020");
        row(
            "mlt off", [](DeckModel& d) { d.mlt[2 * 320 + 7] = 1000; }, "mlt-mean", "warning",
            "MLT", 8, "Mar (MLT 1000, 803.0)");
        row(
            "station differs", [](DeckModel& d) { d.plant(2).Posto = 9; }, "station-differs",
            "info", "CONFHD", 2, "station 2 in the configuration, 9 in the registry");
        row(
            "downstream differs", [](DeckModel& d) { d.plant(3).Jusante = 0; },
            "downstream-differs", "info", "CONFHD", 3, "downstream 4 in the configuration, 0");
        // Not findings: names alike but for blanks and case; an MLT within 1 m3/s.
        row(
            "name case", [](DeckModel& d) { d.confhd[3].name = "usina  4"; }, "", "", "", 0, "");
        row(
            "mlt near", [](DeckModel& d) { d.mlt[0] = 102; }, "", "", "", 0, "");
    }
    void eachRuleOnItsDeck() {
        QFETCH(Change, change);
        QFETCH(QString, rule);
        QFETCH(QString, level);
        QFETCH(QString, file);
        QFETCH(int, code);
        QFETCH(QString, says);
        QTemporaryDir dir;
        DeckModel deck;
        change(deck);
        deck.write(dir.path());
        const QJsonArray findings =
            findingsOf(dir.path(), {QStringLiteral("--lang"), QStringLiteral("en")});
        QStringList seen;
        bool found = false;
        for (const QJsonValue& v : findings) {
            const QJsonObject f = v.toObject();
            seen.append(f.value(QStringLiteral("rule")).toString() + u' ' +
                        f.value(QStringLiteral("message")).toString());
            found = found || (f.value(QStringLiteral("rule")).toString() == rule &&
                              f.value(QStringLiteral("level")).toString() == level &&
                              f.value(QStringLiteral("file")).toString() == file &&
                              f.value(QStringLiteral("code")).toInt() == code &&
                              f.value(QStringLiteral("message")).toString().contains(says));
        }
        if (rule.isEmpty())
            QVERIFY2(findings.isEmpty(), qPrintable(seen.join(u'\n')));
        else
            QVERIFY2(found, qPrintable(seen.join(u'\n')));
    }

    // Through caso.dat and its index, files in another letter case; MODIF and EXPH left out.
    void deckFoundThroughItsIndex() {
        QTemporaryDir dir;
        DeckModel().write(dir.path());
        QDir d(dir.path());
        QVERIFY(d.rename(QStringLiteral("CONFHD.DAT"), QStringLiteral("confhd_caso.dat")));
        QVERIFY(d.rename(QStringLiteral("HIDR.DAT"), QStringLiteral("hidr.dat")));
        QVERIFY(d.remove(QStringLiteral("MODIF.DAT")) && d.remove(QStringLiteral("EXPH.DAT")));
        RegistryFixtures::writeFile(dir.path(), QStringLiteral("CASO.DAT"), "ARQUIVOS.DAT    \r\n");
        RegistryFixtures::writeFile(dir.path(), QStringLiteral("arquivos.dat"),
                                    "DADOS GERAIS                : dger.dat\r\n"
                                    "CONFIGURACAO HIDRAULICA     : CONFHD_CASO.DAT\r\n");
        const DeckCommandOutcome r =
            runDeckCheck({QStringLiteral("--check-deck"), dir.path(), QStringLiteral("--format"),
                          QStringLiteral("json")});
        QCOMPARE(r.message, QString());
        const QJsonObject root = QJsonDocument::fromJson(r.output).object();
        QCOMPARE(root.value(QStringLiteral("files"))
                     .toObject()
                     .value(QStringLiteral("CONFHD"))
                     .toString(),
                 dir.filePath(QStringLiteral("confhd_caso.dat")));
        QCOMPARE(root.value(QStringLiteral("errors")).toInt(), 0);
        QCOMPARE(root.value(QStringLiteral("infos")).toInt(), 2); // MODIF and EXPH absent
        // The same deck without POSTOS: the horizon from --stations.
        QVERIFY(d.remove(QStringLiteral("POSTOS.DAT")));
        const QJsonArray without = findingsOf(dir.path());
        QCOMPARE(without.size(), 4); // MODIF, EXPH, POSTOS absent; the horizon unknown
        QCOMPARE(
            findingsOf(dir.path(), {QStringLiteral("--stations"), QStringLiteral("320")}).size(),
            3);
    }

    // The registry in the 832-byte form, found by its size or named: the same findings as its
    // 792-byte twin (a name and a deviation the check reads from the registry).
    void registryInEitherForm() {
        QTemporaryDir dir;
        DeckModel deck;
        deck.plant(3).Desvio = 99;
        deck.confhd[4].name = QStringLiteral("OUTRA");
        deck.write(dir.path());
        const QJsonArray narrow = findingsOf(dir.path());
        QCOMPARE(narrow.size(), 2);
        QFile hidr(dir.filePath(QStringLiteral("HIDR.DAT")));
        QVERIFY(hidr.open(QIODevice::ReadOnly));
        const QByteArray wide =
            convertRegistry(hidr.readAll(), RecordForm::Bytes792, RecordForm::Bytes832, nullptr);
        hidr.close();
        QCOMPARE(wide.size(), 320 * 832);
        RegistryFixtures::writeFile(dir.path(), QStringLiteral("HIDR.DAT"), wide);
        QCOMPARE(findingsOf(dir.path()), narrow);
        QCOMPARE(findingsOf(dir.path(), {QStringLiteral("--form"), QStringLiteral("832")}), narrow);
    }

    void filesThatStopTheCheck_data() {
        QTest::addColumn<QString>("remove");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("says");
        QTest::newRow("no HIDR") << "HIDR.DAT"
                                 << "" << QByteArray() << "HIDR not found in";
        QTest::newRow("no CONFHD") << "CONFHD.DAT"
                                   << "" << QByteArray() << "CONFHD not found in";
        QTest::newRow("CONFHD cut")
            << ""
            << "CONFHD.DAT" << QByteArray("h\nh\n   1 USINA 1       12") << "line 3, field station";
        QTest::newRow("EXPH open")
            << ""
            << "EXPH.DAT" << QByteArray("h\nh\nh\n  10 X\n") << "line 4, field block's end (9999)";
        QTest::newRow("POSTOS size")
            << ""
            << "POSTOS.DAT" << QByteArray(21, 'x') << "21 bytes are neither 320 nor 600";
        QTest::newRow("VAZOES size") << ""
                                     << "VAZOES.DAT" << QByteArray(7, 'x') << "VAZOES (";
    }
    void filesThatStopTheCheck() {
        QFETCH(QString, remove);
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, says);
        QTemporaryDir dir;
        DeckModel().write(dir.path());
        if (!remove.isEmpty())
            QVERIFY(QDir(dir.path()).remove(remove));
        if (!file.isEmpty())
            RegistryFixtures::writeFile(dir.path(), file, bytes);
        const DeckCommandOutcome r = runDeckCheck({QStringLiteral("--check-deck"), dir.path(),
                                                   QStringLiteral("--lang"), QStringLiteral("en")});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.message.contains(says), qPrintable(r.message));
        QVERIFY(r.output.isEmpty());
    }

    void textLinesAndLanguages() {
        QTemporaryDir dir;
        DeckModel deck;
        deck.confhd[3].name = QStringLiteral("OUTRA");
        deck.confhd.append({50, 5, 0, QStringLiteral("NOVA")});
        deck.write(dir.path());
        const DeckCommandOutcome pt = runDeckCheck({QStringLiteral("--check-deck"), dir.path()});
        QCOMPARE(pt.status, 1);
        const QList<QByteArray> lines = pt.output.split('\n');
        QCOMPARE(lines.at(0),
                 QByteArray("CONFHD\t4\tUSINA 4\taviso: o nome na configuração é \"OUTRA\"."));
        QCOMPARE(lines.at(1),
                 QByteArray("CONFHD\t50\tNOVA\terro: a usina não está em uso no cadastro."));
        QVERIFY(lines.at(2).startsWith("1 erro, 1 aviso, 0 infos."));
        const DeckCommandOutcome en =
            runDeckCheck({QStringLiteral("--check-deck"), dir.path(), QStringLiteral("--lang"),
                          QStringLiteral("en")});
        QVERIFY(en.output.startsWith("CONFHD\t4\tUSINA 4\twarning: the name in the configuration"));
        QVERIFY(en.output.contains("\n1 error, 1 warning, 0 infos. Files read: "));
    }
};

QTEST_GUILESS_MAIN(TstDeckCheck)
#include "tst_deckcheck.moc"

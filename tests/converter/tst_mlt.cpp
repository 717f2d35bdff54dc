// MLT: the one block by record number, the checks of the text, the lines of every station,
// and what fits the text's columns.
#include "TestData.h"
#include "inflows/Mlt.h"

#include <QTest>

using namespace Torvane;

namespace {

std::string mltLine(int station, std::initializer_list<int> values) {
    std::string s = std::to_string(station);
    s = std::string(3 - s.size(), ' ') + s + " ";
    for (const int v : values)
        s += sixColumns(v);
    return s;
}

const std::string kStation2 = mltLine(2, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 999999});

QString message(const ConvResult& r) {
    return r.ok() ? QString() : QString::fromStdString(r.failure->message);
}

QString lineError(int n, const QString& what) {
    return QStringLiteral("Erro no arquivo texto \"MLT.txt\", linha %1. ").arg(n) + what;
}

const std::string kZeroLineTail =
    "     0     0     0     0     0     0     0     0     0     0     0     0\r\n";

} // namespace

class TstMlt : public QObject {
    Q_OBJECT
    TabMlt tab;

private slots:
    void oneLineByRecordNumber() {
        const ConvResult r = mltTextToBin(kStation2 + "\r\n", 320, tab, "MLT.txt");
        QVERIFY(r.ok());
        QCOMPARE(r.output.size(), std::size_t(15360));
        const int expected[12] = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 999999};
        for (std::size_t rec = 0; rec < 3840; ++rec)
            QCOMPARE(int32At(r.output, rec), rec % 320 == 1 ? expected[rec / 320] : 0);

        // Back to text: every station of the horizon, zeros as "     0".
        const ConvResult text = mltBinToText(r.output.str(), 320, tab, "MLT.DAT");
        QVERIFY(text.ok());
        QCOMPARE(text.output.size(), std::size_t(320) * 78);
        QCOMPARE(text.output.str().substr(0, 78), "  1 " + kZeroLineTail);
        QCOMPARE(text.output.str().substr(78, 78), kStation2 + "\r\n");
        QCOMPARE(text.output.str().substr(319 * 78, 78), "320 " + kZeroLineTail);
    }

    void emptyBinaryGivesLinesOfZeros_data() {
        QTest::addColumn<int>("numPostos");
        QTest::newRow("320") << 320;
        QTest::newRow("600") << 600;
    }
    void emptyBinaryGivesLinesOfZeros() {
        QFETCH(int, numPostos);
        // Whatever an earlier conversion left in the table.
        QVERIFY(
            mltTextToBin(mltLine(9, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), numPostos, tab, "M")
                .ok());
        const ConvResult r = mltBinToText({}, numPostos, tab, "MLT.DAT");
        QVERIFY(r.ok());
        QCOMPARE(r.output.size(), std::size_t(numPostos) * 78);
        QCOMPARE(r.output.str().substr(8 * 78, 78), "  9 " + kZeroLineTail);
    }

    void textErrors_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        const QByteArray two = QByteArray::fromStdString(kStation2);
        QTest::newRow("station 321")
            << QByteArray::fromStdString(mltLine(321, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}))
            << lineError(1, QStringLiteral("Código de posto inválido."));
        QTest::newRow("empty line at the end")
            << two + "\r\n\r\n"
            << lineError(2, QStringLiteral("Código de posto inválido."));
        QTest::newRow("twelfth field missing")
            << two + "\r\n" + two.left(70)
            << lineError(2, QStringLiteral("Valor de vazão do mês 12 inválido."));
        QTest::newRow("twelfth cut short")
            << two.left(70) + "  7" << lineError(1, QStringLiteral("Valor de vazão do mês 12 inválido."));
        QTest::newRow("negative month 1")
            << QByteArray("  2     -1") + two.mid(10)
            << lineError(1, QStringLiteral("Valor de vazão do mês 1 negativo."));
        QTest::newRow("letters in month 6")
            << two.left(34) + "   abc" + two.mid(40)
            << lineError(1, QStringLiteral("Valor de vazão do mês 6 inválido."));
        QTest::newRow("empty text") << QByteArray() << QString();
    }
    void textErrors() {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        const ConvResult r = mltTextToBin(text.toStdString(), 320, tab, "MLT.txt");
        QCOMPARE(message(r), expected);
        if (r.ok())
            QCOMPARE(r.output.size(), std::size_t(15360));
        else
            QVERIFY(r.output.empty());
    }

    void secondLineForAStationWins() {
        const std::string again = mltLine(2, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
        const ConvResult r = mltTextToBin(kStation2 + "\n" + again + "\n", 320, tab, "M");
        QVERIFY(r.ok());
        QCOMPARE(int32At(r.output, 11 * 320 + 1), 1);
    }

    void binaryEdges_data() {
        QTest::addColumn<int>("blocks");
        QTest::addColumn<int>("extraBytes");
        QTest::addColumn<QString>("failure");
        QTest::newRow("one block") << 1 << 0 << QString();
        QTest::newRow("two blocks")
            << 2 << 0 << QStringLiteral("Arquivo \"MLT.DAT\" tem mais de um bloco de MLT.");
        QTest::newRow("a part of a block")
            << 0 << 400
            << QStringLiteral("Erro no arquivo binário \"MLT.DAT\": Read beyond end of file. O "
                              "arquivo tem 400 bytes, que não são um bloco de 15360 bytes (320 "
                              "postos).");
        QTest::newRow("two blocks and a part")
            << 2 << 4
            << QStringLiteral("Erro no arquivo binário \"MLT.DAT\": Read beyond end of file. O "
                              "arquivo tem 30724 bytes, que não são um bloco de 15360 bytes (320 "
                              "postos).");
    }
    void binaryEdges() {
        QFETCH(int, blocks);
        QFETCH(int, extraBytes);
        QFETCH(QString, failure);
        const ConvResult r =
            mltBinToText(std::string(std::size_t(blocks) * 15360 + std::size_t(extraBytes), '\0'),
                         320, tab, "MLT.DAT");
        QCOMPARE(message(r), failure);
        if (!r.ok())
            QCOMPARE(r.failure->kind, failure.startsWith(QLatin1String("Erro"))
                                          ? FailureKind::PlatformError
                                          : FailureKind::Warning);
    }

    void tooWideValue() {
        std::vector<std::int32_t> values(3840, 0);
        values[6 * 320 + 9] = 1000000;  // station 10, month 7
        values[0 * 320 + 99] = -100000; // station 100, month 1: later in the output
        const ConvResult r = mltBinToText(int32Records(values), 320, tab, "M");
        QCOMPARE(message(r),
                 QStringLiteral("Valor 1000000 do posto 10, mês 7 não cabe no arquivo texto."));
    }

    void roundTripProperty_data() {
        QTest::addColumn<int>("numPostos");
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 15; ++seed) {
            QTest::addRow("320 seed %u", seed) << 320 << seed;
            QTest::addRow("600 seed %u", seed) << 600 << seed;
        }
    }
    void roundTripProperty() {
        QFETCH(int, numPostos);
        QFETCH(quint32, seed);
        QRandomGenerator rng(seed);
        std::vector<std::int32_t> values(12 * std::size_t(numPostos));
        for (auto& v : values) {
            const int pick = rng.bounded(10);
            v = pick < 3 ? 0 : pick < 5 ? rng.bounded(10) : rng.bounded(1000000);
        }
        const std::string bin = int32Records(values);
        const ConvResult text = mltBinToText(bin, numPostos, tab, "M");
        QVERIFY(text.ok());
        QCOMPARE(text.output.size(), std::size_t(numPostos) * 78);
        const ConvResult back = mltTextToBin(text.output.str(), numPostos, tab, "M");
        QVERIFY(back.ok());
        QVERIFY(back.output.str() == bin);
    }
};

QTEST_APPLESS_MAIN(TstMlt)
#include "tst_mlt.moc"

// VAZOES: block layout by record number, the checks of the text in their order, the years
// written, and what fits the text's columns.
#include "TestData.h"
#include "inflows/Vazoes.h"

#include <QTest>
#include <memory>

using namespace Torvane;

namespace {

std::string months(std::initializer_list<int> values) {
    std::string s;
    for (const int v : values)
        s += sixColumns(v);
    return s;
}

const std::string kTwelve = months({11, 22, 33, 44, 55, 66, 77, 88, 99, 100, 1100, 999999});

std::string line(int station, int year, const std::string& monthText = kTwelve) {
    std::string s = std::to_string(station);
    return std::string(3 - s.size(), ' ') + s + " " + std::to_string(year) + monthText;
}

QString message(const ConvResult& r) {
    return r.ok() ? QString() : QString::fromStdString(r.failure->message);
}

QString lineError(int n, const QString& what) {
    return QStringLiteral("Erro no arquivo texto \"VAZOES.txt\", linha %1. ").arg(n) + what;
}

} // namespace

class TstVazoes : public QObject {
    Q_OBJECT

private slots:
    void oneLineGivesOneBlockByRecordNumber() {
        const ConvResult r = vazoesTextToBin(line(1, 1931) + "\r\n", 320, "VAZOES.txt");
        QVERIFY(r.ok());
        QCOMPARE(r.output.size(), std::size_t(15360));
        const int expected[12] = {11, 22, 33, 44, 55, 66, 77, 88, 99, 100, 1100, 999999};
        for (std::size_t rec = 0; rec < 3840; ++rec)
            QCOMPARE(int32At(r.output, rec), rec % 320 == 0 ? expected[rec / 320] : 0);
    }

    void recordNumberOfStationYearMonth() {
        // Station 7, year index 3, month 5 under 600 stations: (3-1)*12*600 + (5-1)*600 + 6.
        std::string text = line(7, 1933, months({0, 0, 0, 0, 4242, 0, 0, 0, 0, 0, 0, 0}));
        const ConvResult r = vazoesTextToBin(text, 600, "VAZOES.txt");
        QVERIFY(r.ok());
        QCOMPARE(r.output.size(), std::size_t(3 * 28800));
        QCOMPARE(int32At(r.output, 2 * 12 * 600 + 4 * 600 + 6), 4242);
    }

    void yearsWrittenAreTheLargestRead() {
        // The last line is 1935 but an earlier one reaches 2000: all 70 years are written.
        const std::string text = line(3, 2000) + "\n" + line(3, 1935) + "\n";
        const ConvResult r = vazoesTextToBin(text, 320, "VAZOES.txt");
        QVERIFY(r.ok());
        QCOMPARE(r.output.size(), std::size_t(70) * 15360);
        QCOMPARE(int32At(r.output, 69 * 3840 + 11 * 320 + 2), 999999);
    }

    void textErrors_data() {
        QTest::addColumn<int>("numPostos");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected"); // empty: accepted
        const QByteArray good = QByteArray::fromStdString(line(1, 1931)) + "\r\n";
        const auto months12 = [](const char* third) {
            return QByteArray::fromStdString(months({1, 2})) + third +
                   QByteArray::fromStdString(months({4, 5, 6, 7, 8, 9, 10, 11, 12}));
        };
        QTest::newRow("station 321 under 320")
            << 320 << QByteArray::fromStdString(line(321, 1931))
            << lineError(1, QStringLiteral("Código de posto inválido."));
        QTest::newRow("station 321 under 600")
            << 600 << QByteArray::fromStdString(line(321, 1931)) << QString();
        QTest::newRow("station 0") << 320 << good + QByteArray::fromStdString(line(0, 1931))
                                   << lineError(2, QStringLiteral("Código de posto inválido."));
        QTest::newRow("station with trailing blank")
            << 320 << "1   1931" + months12("     3")
            << lineError(1, QStringLiteral("Código de posto inválido."));
        QTest::newRow("empty line at the end")
            << 320 << good + "\r\n"
            << lineError(2, QStringLiteral("Código de posto inválido."));
        QTest::newRow("bad station before bad year")
            << 320 << QByteArray("  x 19x1") + months12("     3")
            << lineError(1, QStringLiteral("Código de posto inválido."));
        QTest::newRow("year not an integer") << 320 << "  1 19x1" + months12("     3")
                                             << lineError(1, QStringLiteral("Campo ano inválido."));
        QTest::newRow("year 1930") << 320 << QByteArray::fromStdString(line(1, 1930))
                                   << lineError(1, QStringLiteral("Campo ano (1930) inválido."));
        QTest::newRow("year 2131") << 320 << good + QByteArray::fromStdString(line(1, 2131))
                                   << lineError(2, QStringLiteral("Campo ano (2131) inválido."));
        QTest::newRow("year -001") << 320 << "  1 -001" + months12("     3")
                                   << lineError(1, QStringLiteral("Campo ano (-1) inválido."));
        QTest::newRow("year 1931") << 320 << QByteArray::fromStdString(line(1, 1931)) << QString();
        QTest::newRow("year 2130") << 320 << QByteArray::fromStdString(line(1, 2130)) << QString();
        QTest::newRow("negative month 3")
            << 320 << "  1 1931" + months12("    -5")
            << lineError(1, QStringLiteral("Valor de vazão do mês 3 negativo."));
        QTest::newRow("blank month 3")
            << 320 << "  1 1931" + months12("      ")
            << lineError(1, QStringLiteral("Valor de vazão do mês 3 inválido."));
        QTest::newRow("month 3 with trailing blank")
            << 320 << "  1 1931" + months12("  12  ")
            << lineError(1, QStringLiteral("Valor de vazão do mês 3 inválido."));
        QTest::newRow("negative before a later invalid")
            << 320 << "  1 1931" + months12("    -5").replace(60, 6, "  abc ")
            << lineError(1, QStringLiteral("Valor de vazão do mês 3 negativo."));
        QTest::newRow("twelfth missing")
            << 320 << QByteArray::fromStdString(line(1, 1931)).left(74)
            << lineError(1, QStringLiteral("Valor de vazão do mês 12 inválido."));
        // A field must lie wholly inside its line: the one cut short is the damaged one.
        QTest::newRow("twelfth cut short")
            << 320 << QByteArray::fromStdString(line(1, 1931)).left(74) + "  7"
            << QStringLiteral("Erro no arquivo texto \"VAZOES.txt\", linha 1. Valor de vazão do mês "
                              "12 inválido.");
        QTest::newRow("empty text") << 320 << QByteArray() << QString();
    }
    void textErrors() {
        QFETCH(int, numPostos);
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        const ConvResult r = vazoesTextToBin(text.toStdString(), numPostos, "VAZOES.txt");
        QCOMPARE(message(r), expected);
        if (!r.ok()) {
            QCOMPARE(r.failure->kind, FailureKind::Warning);
            QVERIFY(r.output.empty());
        }
    }

    void replacedLine() {
        const std::string first = line(2, 1931);
        const std::string second =
            line(2, 1931, months({5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5})) + "     7";
        const ConvResult r = vazoesTextToBin(first + "\r\n" + second, 320, "V");
        QVERIFY(r.ok());
        QCOMPARE(int32At(r.output, 0 * 320 + 1), 5);
        QCOMPARE(int32At(r.output, 11 * 320 + 1), 7);
    }

    void binaryToText_data() {
        QTest::addColumn<int>("numPostos");
        QTest::addColumn<QByteArray>("binary");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("failure");
        std::vector<std::int32_t> block(3840, 0);
        block[0] = 7;         // month 1
        block[320] = 1234;    // month 2
        block[3520] = 999999; // month 12
        const QByteArray one = QByteArray::fromStdString(int32Records(block));
        QTest::newRow("one block, zeros as 00")
            << 320 << one
            << QByteArray("  1 1931    07  1234    00    00    00    00    00    00    00    00    "
                          "00999999\r\n")
            << QString();
        QTest::newRow("empty") << 320 << QByteArray() << QByteArray() << QString();
        QTest::newRow("not whole blocks")
            << 320 << one + QByteArray(4, '\0') << QByteArray()
            << QStringLiteral("Erro no arquivo binário \"VAZOES.DAT\": Read beyond end of file. O "
                              "arquivo tem 15364 bytes, que não são um número inteiro de anos de "
                              "15360 bytes (320 postos).");
        QTest::newRow("a 600-station block read under 320 is not whole")
            << 320 << QByteArray(28800, '\0') << QByteArray()
            << QStringLiteral("Erro no arquivo binário \"VAZOES.DAT\": Read beyond end of file. O "
                              "arquivo tem 28800 bytes, que não são um número inteiro de anos de "
                              "15360 bytes (320 postos). O tamanho serve ao horizonte de 600 "
                              "postos (1 anos).");
        std::vector<std::int32_t> wide(3840, 0);
        wide[1 * 320 + 1] = -100000; // station 2, month 2: 7 characters
        wide[3 * 320 + 1] = 1000000; // station 2, month 4
        wide[0 * 320 + 4] = 1234567; // station 5, month 1: later in the output
        QTest::newRow("too wide: the first in output order")
            << 320 << QByteArray::fromStdString(int32Records(wide)) << QByteArray()
            << QStringLiteral(
                   "Valor -100000 do posto 2, ano 1931, mês 2 negativo não cabe no arquivo texto.");
        // Every width a value and a station can have, in the 600-station horizon.
        std::vector<std::int32_t> widths(7200, 0);
        const std::int32_t samples[12] = {7,    10,    99,    100,    999,    1000,
                                          9999, 10000, 99999, 100000, 999999, 0};
        for (int m = 0; m < 12; ++m)
            for (const int station : {9, 10, 100, 600})
                widths[std::size_t(m * 600 + station - 1)] = samples[m];
        const QByteArray months = "    07    10    99   100   999  1000  9999 10000 99999100000"
                                  "999999    00\r\n";
        QTest::newRow("every width of value and station")
            << 600 << QByteArray::fromStdString(int32Records(widths))
            << "  9 1931" + months + " 10 1931" + months + "100 1931" + months + "600 1931" + months
            << QString();
        std::vector<std::int32_t> negative(3840, 0);
        negative[2 * 320] = -99999;
        negative[3 * 320] = -5;
        // The text takes no negative value back: refused rather than written.
        QTest::newRow("negatives that fit the columns")
            << 320 << QByteArray::fromStdString(int32Records(negative))
            << QByteArray()
            << QStringLiteral("Valor -99999 do posto 1, ano 1931, mês 3 negativo não cabe no "
                              "arquivo texto.");
    }
    void binaryToText() {
        QFETCH(int, numPostos);
        QFETCH(QByteArray, binary);
        QFETCH(QByteArray, text);
        QFETCH(QString, failure);
        const ConvResult r = vazoesBinToText(binary.toStdString(), numPostos, "VAZOES.DAT");
        QCOMPARE(message(r), failure);
        if (r.ok())
            QCOMPARE(QByteArray::fromStdString(r.output.str()), text);
        else
            QCOMPARE(r.failure->kind, failure.startsWith(QLatin1String("Erro"))
                                          ? FailureKind::PlatformError
                                          : FailureKind::Warning);
    }

    void yearBlockLimit_data() {
        QTest::addColumn<int>("blocks");
        QTest::addColumn<int>("extraBytes");
        QTest::addColumn<QString>("failure");
        QTest::newRow("200 blocks") << 200 << 0 << QString();
        QTest::newRow("201 blocks")
            << 201 << 0 << QStringLiteral("Arquivo \"VAZOES.DAT\" tem mais de 200 anos de vazões.");
        QTest::newRow("201 blocks and a part: the read error first")
            << 201 << 8
            << QStringLiteral("Erro no arquivo binário \"VAZOES.DAT\": Read beyond end of file. O "
                              "arquivo tem 3087368 bytes, que não são um número inteiro de anos de "
                              "15360 bytes (320 postos).");
    }
    void yearBlockLimit() {
        QFETCH(int, blocks);
        QFETCH(int, extraBytes);
        QFETCH(QString, failure);
        std::string bin(std::size_t(blocks) * 15360 + std::size_t(extraBytes), '\0');
        bin.replace(std::size_t(blocks - 1) * 15360 + 4 * 319, 4, int32LE(12)); // station 320
        const ConvResult r = vazoesBinToText(bin, 320, "VAZOES.DAT");
        QCOMPARE(message(r), failure);
        if (r.ok()) {
            QCOMPARE(r.output.size(), std::size_t(blocks) * 82);
            QVERIFY(r.output.str().rfind("320 2130    12") == r.output.size() - 82);
        }
    }

    void laterYearsOfAStationAreWrittenAsZeros() {
        std::vector<std::int32_t> values(std::size_t(70) * 3840, 0);
        values[5] = 300; // station 6, 1931, month 1
        const ConvResult r = vazoesBinToText(int32Records(values), 320, "V");
        QVERIFY(r.ok());
        QCOMPARE(r.output.size(), std::size_t(70) * 82);
        QCOMPARE(r.output.str().substr(69 * 82, 8), std::string("  6 2000"));
        std::string zeros;
        for (int i = 0; i < 12; ++i)
            zeros += "    00";
        QCOMPARE(r.output.str().substr(69 * 82 + 8, 72), zeros);
    }

    void roundTripProperty_data() {
        QTest::addColumn<int>("numPostos");
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 12; ++seed) {
            QTest::addRow("320 seed %u", seed) << 320 << seed;
            QTest::addRow("600 seed %u", seed) << 600 << seed;
        }
    }
    void roundTripProperty() {
        QFETCH(int, numPostos);
        QFETCH(quint32, seed);
        QRandomGenerator rng(seed);
        const int years = seed == 1 ? 200 : rng.bounded(1, 40);
        std::vector<std::int32_t> values(std::size_t(years) * 12 * std::size_t(numPostos), 0);
        for (int s = 0; s < numPostos; ++s) {
            if (rng.bounded(4) != 0)
                continue; // most stations hold only zeros
            for (int i = 0; i < years * 12; ++i) {
                const int pick = rng.bounded(10);
                values[std::size_t(i) * std::size_t(numPostos) + std::size_t(s)] =
                    pick < 3   ? 0
                    : pick < 5 ? rng.bounded(10)
                               : rng.bounded(1000000);
            }
        }
        values[rng.bounded(int(values.size()))] = 999999; // at least one value not zero
        const std::string bin = int32Records(values);
        const ConvResult text = vazoesBinToText(bin, numPostos, "V");
        QVERIFY(text.ok());
        const ConvResult back = vazoesTextToBin(text.output.str(), numPostos, "V");
        QVERIFY2(back.ok(), back.ok() ? "" : back.failure->message.c_str());
        QVERIFY(back.output.str() == bin);
        // Every written line is 80 columns.
        for (std::size_t at = 0; at < text.output.size(); at += 82)
            QVERIFY(text.output.view().compare(at + 80, 2, "\r\n") == 0);
    }

    void allZerosGiveEmptyTextAndEmptyBinary() {
        const ConvResult text = vazoesBinToText(std::string(3 * 15360, '\0'), 320, "V");
        QVERIFY(text.ok());
        QVERIFY(text.output.empty());
        const ConvResult back = vazoesTextToBin(text.output.str(), 320, "V");
        QVERIFY(back.ok());
        QVERIFY(back.output.empty());
    }

    void secondConversionEqualsTheFirst() {
        const std::string small = line(4, 1932) + "\r\n";
        const std::string expected = vazoesTextToBin(small, 320, "V").output.str();
        // A bigger conversion first fills the shared table with other stations and years.
        std::string big;
        for (int s = 1; s <= 320; ++s)
            big += line(s, 1950) + "\r\n";
        QVERIFY(vazoesTextToBin(big, 320, "V").ok());
        QVERIFY(vazoesTextToBin(small, 320, "V").output.str() == expected);
        const std::string textAlone = vazoesBinToText(expected, 320, "V").output.str();
        QVERIFY(vazoesBinToText(vazoesTextToBin(big, 320, "V").output.str(), 320, "V").ok());
        QVERIFY(vazoesBinToText(expected, 320, "V").output.str() == textAlone);
    }
};

QTEST_APPLESS_MAIN(TstVazoes)
#include "tst_vazoes.moc"

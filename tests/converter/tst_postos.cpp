// POSTOS: record layout, padding to the horizon, the order of the lines, and what the text
// can hold.
#include "TestData.h"
#include "inflows/Postos.h"

#include <QTest>

using namespace Torvane;

namespace {

std::string record(const std::string& name12, std::int32_t first, std::int32_t second) {
    return name12 + int32LE(first) + int32LE(second);
}

const std::string kBlank = record(std::string(12, ' '), 0, 0);

std::string recordAt(const std::string& bin, int k) {
    return bin.substr(std::size_t(k - 1) * 20, 20);
}

QString failureText(const ConvResult& r) {
    return QString::fromStdString(r.failure->message);
}

} // namespace

class TstPostos : public QObject {
    Q_OBJECT
private slots:
    void paddedToHorizon_data() {
        QTest::addColumn<int>("numPostos");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("records");
        const QByteArray three = "   1  RIO CLARO     1001  2001\r\n"
                                 "   2  PEDRA LISA    1002  2002\r\n"
                                 "   5  VAU FUNDO     1005  2005\r\n";
        QTest::newRow("320") << 320 << three << 320;
        QTest::newRow("600") << 600 << three << 600;
        QTest::newRow("station 700 under 600, no padding after it")
            << 600 << QByteArray("   2  PEDRA LISA    1002  2002\r\n 700  ALEM DO FIM   1700  2700")
            << 700;
    }
    void paddedToHorizon() {
        QFETCH(int, numPostos);
        QFETCH(QByteArray, text);
        QFETCH(int, records);
        const ConvResult r = postosTextToBin(text.toStdString(), numPostos, "POSTOS");
        QVERIFY(r.ok());
        QCOMPARE(int(r.output.size()), records * 20);
        for (int k = 1; k <= records; ++k) {
            const std::string got = recordAt(r.output.str(), k);
            const bool listed = text.contains(QByteArray::number(k).rightJustified(4) + "  ");
            if (!listed)
                QVERIFY2(got == kBlank, qPrintable(QStringLiteral("record %1 not blank").arg(k)));
            else
                QCOMPARE(int32At(got, 3), 1000 + k);
        }
        QCOMPARE(recordAt(r.output.str(), 2), record("PEDRA LISA  ", 1002, 2002));
    }

    void gapsBecomeBlankRecords() {
        const ConvResult r = postosTextToBin(
            "   2  PEDRA LISA    1002  2002\n   5  VAU FUNDO     1005  2005", 320, "P");
        QVERIFY(r.ok());
        QCOMPARE(recordAt(r.output.str(), 1), kBlank);
        QCOMPARE(recordAt(r.output.str(), 3), kBlank);
        QCOMPARE(recordAt(r.output.str(), 4), kBlank);
        QCOMPARE(recordAt(r.output.str(), 5), record("VAU FUNDO   ", 1005, 2005));
    }

    void backToTextLeavesUnusedOut() {
        const std::string bin = postosTextToBin("   1  RIO CLARO     1001  2001\r\n"
                                                "   2  PEDRA LISA    1002  2002\r\n"
                                                "   5  VAU FUNDO     1005  2005\r\n",
                                                320, "P")
                                    .output.str();
        // A record whose first number is 0 is unused, whatever its name says.
        std::string withNamedUnused = bin;
        withNamedUnused.replace(2 * 20, 20, record("NOME SOBRA  ", 0, 77));
        const ConvResult r = postosBinToText(withNamedUnused, "P");
        QVERIFY(r.ok());
        QCOMPARE(QByteArray::fromStdString(r.output.str()),
                 QByteArray("   1  RIO CLARO     1001  2001\r\n"
                            "   2  PEDRA LISA    1002  2002\r\n"
                            "   5  VAU FUNDO     1005  2005\r\n"));
    }

    void lineSurvivesRoundTrip() {
        // Columns 5-6, 19-20 and 25-26 come back blank; anything after column 30 is dropped.
        const ConvResult bin =
            postosTextToBin("   7xxS\xC3O JOS\xC9 I  xx1234xx5678 comentario\r\n", 320, "P");
        QVERIFY(bin.ok());
        const ConvResult text = postosBinToText(bin.output.str(), "P");
        QVERIFY(text.ok());
        QCOMPARE(QByteArray::fromStdString(text.output.str()),
                 QByteArray("   7  S\xC3O JOS\xC9 I    1234  5678\r\n"));
    }

    // Such numbers were written unpadded, a text that to-bin then refused; the
    // conversion now fails instead, naming the station and the field.
    void numbersOfFewerThanFourCharactersAreRefused() {
        const ConvResult r = postosBinToText(record("CURTO       ", 12, 2003), "P");
        QVERIFY(!r.ok());
        QCOMPARE(failureText(r),
                 QStringLiteral("Valor 12 do posto 1 (primeiro número, colunas 21 a 24) tem menos "
                                "de 4 caracteres e não volta do arquivo texto."));
        QVERIFY(r.output.empty());
        const ConvResult second = postosBinToText(record("CURTO       ", 1200, 3), "P");
        QCOMPARE(failureText(second),
                 QStringLiteral("Valor 3 do posto 1 (segundo número, colunas 27 a 30) tem menos "
                                "de 4 caracteres e não volta do arquivo texto."));
    }

    void malformedNumbers_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty file") << QByteArray() << "'' is not a valid integer value";
        QTest::newRow("empty line") << QByteArray("\r\n") << "'' is not a valid integer value";
        QTest::newRow("station letters") << QByteArray("  x1  NOME          1001  2001")
                                         << "'  x1' is not a valid integer value";
        QTest::newRow("first number with a trailing blank")
            << QByteArray("   1  NOME          12    2001")
            << "'12  ' is not a valid integer value";
        QTest::newRow("first number short") << QByteArray("   1  NOME           12   2001")
                                            << "' 12 ' is not a valid integer value";
        QTest::newRow("second number missing")
            << QByteArray("   1  NOME          1001  ") << "'' is not a valid integer value";
        QTest::newRow("line ends in the name")
            << QByteArray("   1  NOME") << "'' is not a valid integer value";
        QTest::newRow("second line bad")
            << QByteArray("   1  NOME          1001  2001\r\n   2  OUTRO         10x2  2002")
            << "'10x2' is not a valid integer value";
    }
    void malformedNumbers() {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        const ConvResult r = postosTextToBin(text.toStdString(), 320, "P");
        QVERIFY(!r.ok());
        QCOMPARE(r.failure->kind, FailureKind::PlatformError);
        // The file and the line come before the platform's text.
        QCOMPARE(failureText(r), QStringLiteral("Erro no arquivo texto \"P\", linha %1. ")
                                         .arg(message.contains("10x2") ? 2 : 1) +
                                     message);
        QVERIFY(r.output.empty());
    }

    void stationsOutOfOrder_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        const QByteArray one = "   1  UM            1001  2001\r\n";
        QTest::newRow("repeated") << one + one << 2;
        QTest::newRow("decreasing") << QByteArray("   3  TRES          1003  2003\n") + one << 2;
        QTest::newRow("zero") << QByteArray("   0  ZERO          1000  2000") << 1;
        QTest::newRow("negative")
            << one + "   2  DOIS          1002  2002\n  -4  MENOS         1004  2004\n"
            << 3;
    }
    void stationsOutOfOrder() {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        const ConvResult r = postosTextToBin(text.toStdString(), 600, "dados/POSTOS.txt");
        QVERIFY(!r.ok());
        QCOMPARE(r.failure->kind, FailureKind::Warning);
        QCOMPARE(failureText(r),
                 QStringLiteral("Erro no arquivo texto \"dados/POSTOS.txt\", linha %1. "
                                "Código de posto fora de ordem.")
                     .arg(line));
    }

    void binaryEdges_data() {
        QTest::addColumn<QByteArray>("binary");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("result"); // the text, or the failure message
        QTest::newRow("empty") << QByteArray() << true << QString();
        QTest::newRow("not whole records")
            << QByteArray::fromStdString(record("UM          ", 1001, 1) + "abc") << false
            << QStringLiteral("Erro no arquivo binário \"P\": Read beyond end of file. O arquivo tem 23 "
                              "bytes, que não são um número inteiro de registros de 20 bytes.");
        QTest::newRow("first number of 5 characters")
            << QByteArray::fromStdString(kBlank + kBlank + record("TRES        ", 10000, 1))
            << false << QStringLiteral("Valor 10000 do posto 3 não cabe no arquivo texto.");
        QTest::newRow("second number of 5 characters")
            << QByteArray::fromStdString(record("UM          ", 1001, -1234)) << false
            << QStringLiteral("Valor -1234 do posto 1 não cabe no arquivo texto.");
        QTest::newRow("four characters with a sign fit")
            << QByteArray::fromStdString(record("UM          ", -999, -999)) << true
            << "   1  UM            -999  -999\r\n";
    }
    void binaryEdges() {
        QFETCH(QByteArray, binary);
        QFETCH(bool, ok);
        QFETCH(QString, result);
        const ConvResult r = postosBinToText(binary.toStdString(), "P");
        QCOMPARE(r.ok(), ok);
        QCOMPARE(ok ? QString::fromLatin1(r.output.str()) : failureText(r), result);
        if (!ok)
            QCOMPARE(r.failure->kind, result.startsWith(QLatin1String("Erro"))
                                          ? FailureKind::PlatformError
                                          : FailureKind::Warning);
    }

    void positionBeyondFourDigits() {
        // Record 10000 would print as "0000" and read back as another station.
        std::string bin;
        for (int k = 1; k < 10000; ++k)
            bin += kBlank;
        bin += record("LONGE       ", 1234, 1);
        const ConvResult r = postosBinToText(bin, "P");
        QVERIFY(!r.ok());
        QCOMPARE(failureText(r),
                 QStringLiteral("Valor 10000 do posto 10000 não cabe no arquivo texto."));
    }

    void roundTripProperty_data() {
        QTest::addColumn<int>("numPostos");
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 20; ++seed) {
            QTest::addRow("320 seed %u", seed) << 320 << seed;
            QTest::addRow("600 seed %u", seed) << 600 << seed;
        }
    }
    void roundTripProperty() {
        QFETCH(int, numPostos);
        QFETCH(quint32, seed);
        QRandomGenerator rng(seed);
        // Stations above the horizon keep their place; sometimes the file reaches past it.
        const int last = rng.bounded(4) == 0 ? numPostos + rng.bounded(1, 200) : numPostos;
        std::string bin;
        for (int k = 1; k <= last; ++k) {
            if (rng.bounded(3) != 0 && k != last) {
                bin += kBlank;
                continue;
            }
            std::string name;
            for (int i = 0; i < 12; ++i) {
                int b = rng.bounded(0x20, 0x100);
                if (b == 0x7F)
                    b = 'X';
                name += char(b);
            }
            // A written line reads back only when both numbers have four characters.
            const std::int32_t first =
                rng.bounded(2) ? rng.bounded(1000, 10000) : -rng.bounded(100, 1000);
            const std::int32_t second =
                rng.bounded(2) ? rng.bounded(1000, 10000) : -rng.bounded(100, 1000);
            bin += record(name, first, second);
        }
        const ConvResult text = postosBinToText(bin, "P");
        QVERIFY(text.ok());
        const ConvResult back = postosTextToBin(text.output.str(), numPostos, "P");
        QVERIFY2(back.ok(), back.ok() ? "" : back.failure->message.c_str());
        QVERIFY(back.output.str() == bin);
        const ConvResult textAgain = postosBinToText(back.output.str(), "P");
        QVERIFY(textAgain.output.str() == text.output.str());
    }
};

QTEST_APPLESS_MAIN(TstPostos)
#include "tst_postos.moc"

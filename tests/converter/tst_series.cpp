// Inflow series: the figures per month against values worked out by hand, read alike from the
// text and the binary, the readers' messages those of the conversions, and the CSV's bytes.
#include "TestData.h"
#include "inflows/Mlt.h"
#include "inflows/Postos.h"
#include "inflows/Series.h"

#include <QTest>

using namespace Torvane;

namespace {

struct Row {
    int posto;
    int year;
    int january;
    int december; // the other months hold 1
};

// "5 1931 10 7; 5 1932 0 7": station, year, January and December.
std::vector<Row> rows(const QString& written) {
    std::vector<Row> out;
    for (const QString& r : written.split(';', Qt::SkipEmptyParts)) {
        const QStringList f = r.split(' ', Qt::SkipEmptyParts);
        out.push_back({f[0].toInt(), f[1].toInt(), f[2].toInt(), f[3].toInt()});
    }
    return out;
}

int monthValue(const Row& r, int m) {
    return m == 1 ? r.january : m == 12 ? r.december : 1;
}

std::string vazoesText(const std::vector<Row>& rs) {
    std::string text;
    for (const Row& r : rs) {
        std::string months;
        for (int m = 1; m <= 12; ++m)
            months += sixColumns(monthValue(r, m));
        const std::string station = std::to_string(r.posto);
        text += vazoesLine((std::string(3 - station.size(), ' ') + station).c_str(),
                           std::to_string(r.year).c_str(), months) +
                "\r\n";
    }
    return text;
}

// Written record by record, so that it may hold what the text cannot (a negative value).
std::string vazoesBinary(const std::vector<Row>& rs, int numPostos) {
    int last = kFirstYear;
    for (const Row& r : rs)
        last = std::max(last, r.year);
    std::vector<std::int32_t> values(std::size_t(last - kFirstYear + 1) * 12 * numPostos, 0);
    for (const Row& r : rs)
        for (int m = 1; m <= 12; ++m)
            values[(std::size_t(r.year - kFirstYear) * 12 + std::size_t(m - 1)) * numPostos +
                   std::size_t(r.posto - 1)] = monthValue(r, m);
    return int32Records(values);
}

// "7:103" gives station 7 a January MLT of 103 (the other months 0), as text or binary.
std::string mltFile(const QString& entry, bool text, int numPostos) {
    const int posto = entry.section(':', 0, 0).toInt();
    const int january = entry.section(':', 1).toInt();
    if (text) {
        const std::string station = std::to_string(posto);
        std::string line =
            std::string(3 - station.size(), ' ') + station + " " + sixColumns(january);
        for (int m = 2; m <= 12; ++m)
            line += sixColumns(0);
        return line + "\r\n";
    }
    std::vector<std::int32_t> values(std::size_t(12) * numPostos, 0);
    values[std::size_t(posto - 1)] = january;
    return int32Records(values);
}

QString shown(const std::optional<double>& x) {
    return x ? QString::fromStdString(twoDecimals(*x, ".")) : QString();
}

// "years|mean|std|min@year|max@year|zeros|suspect years|MLT|difference %|mark"
QString figures(const MonthStats& s) {
    QStringList suspects;
    for (const int y : s.suspectYears)
        suspects << QString::number(y);
    return QStringList{QString::number(s.years),
                       shown(s.mean),
                       shown(s.stdDev),
                       s.min ? QStringLiteral("%1@%2").arg(*s.min).arg(s.minYear) : QString(),
                       s.max ? QStringLiteral("%1@%2").arg(*s.max).arg(s.maxYear) : QString(),
                       QString::number(s.zeros),
                       suspects.join(' '),
                       s.mlt ? QString::number(*s.mlt) : QString(),
                       shown(s.differencePercent),
                       s.mltDiffers ? QStringLiteral("*") : QString()}
        .join('|');
}

} // namespace

class TstSeries : public QObject {
    Q_OBJECT

private slots:
    void monthFigures_data() {
        QTest::addColumn<int>("numPostos");
        QTest::addColumn<QString>("history"); // rows of station, year, January, December
        QTest::addColumn<bool>("binaryOnly");
        QTest::addColumn<QString>("mlt");
        QTest::addColumn<int>("to"); // 0: the station's own last complete year
        QTest::addColumn<int>("posto");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("expected");
        // Mean 60/4; squares 25+225+25+225 over 3; median (10+20)/2 = 15, nothing above 75.
        QTest::newRow("a station with a zero")
            << 320 << "5 1931 10 7; 5 1932 0 7; 5 1933 20 7; 5 1934 30 7" << false << "" << 0 << 5
            << 1 << "4|15.00|12.91|0@1932|30@1934|1||||";
        // The December of 1933 is 0: the period ends in 1932. Squares 2 x 2500 over 1.
        const QString incomplete = "1 1931 100 50; 1 1932 200 60; 1 1933 300 0";
        QTest::newRow("an incomplete last year") << 320 << incomplete << false << "" << 0 << 1 << 1
                                                 << "2|150.00|70.71|100@1931|200@1932|0||||";
        // Up to 1933 anyway: mean 110/3, squares 177.78+544.44+1344.44 over 2.
        QTest::newRow("the incomplete year asked for")
            << 320 << incomplete << false << "" << 1933 << 1 << 12
            << "3|36.67|32.15|0@1933|60@1932|1||||";
        QTest::newRow("a single year") << 320 << "2 1931 42 5" << false << "" << 0 << 2 << 1
                                       << "1|42.00||42@1931|42@1931|0||||";
        QTest::newRow("station 600") << 600 << "600 1931 8 1; 600 1932 12 1" << false << "" << 0
                                     << 600 << 1 << "2|10.00|2.83|8@1931|12@1932|0||||";
        // Median 105: 1000 > 525. Mean 1405/5; squares 646420 over 4.
        QTest::newRow("a value ten times too large")
            << 320 << "3 1931 100 1; 3 1932 110 1; 3 1933 1000 1; 3 1934 90 1; 3 1935 105 1"
            << false << "" << 0 << 3 << 1 << "5|281.00|402.00|90@1934|1000@1933|0|1933|||";
        // An even count: the median is (100 + 100) / 2, and only what passes 5 x it is suspect.
        QTest::newRow("five times the median")
            << 320 << "4 1931 100 1; 4 1932 100 1; 4 1933 100 1; 4 1934 500 1" << false << "" << 0
            << 4 << 1 << "4|200.00|200.00|100@1931|500@1934|0||||";
        QTest::newRow("six times the median")
            << 320 << "4 1931 100 1; 4 1932 100 1; 4 1933 100 1; 4 1934 600 1" << false << "" << 0
            << 4 << 1 << "4|225.00|250.00|100@1931|600@1934|0|1934|||";
        QTest::newRow("a negative value") << 320 << "4 1931 10 1; 4 1932 -3 1" << true << "" << 0
                                          << 4 << 1 << "2|3.50|9.19|-3@1932|10@1931|0|1932|||";
        // Mean 101: a difference of 1 is within 1 % (1.01), one of 2 is not.
        const QString hundred = "7 1931 100 5; 7 1932 102 5";
        QTest::newRow("an MLT that matches") << 320 << hundred << false << "7:102" << 0 << 7 << 1
                                             << "2|101.00|1.41|100@1931|102@1932|0||102|0.99|";
        QTest::newRow("an MLT that does not") << 320 << hundred << false << "7:103" << 0 << 7 << 1
                                              << "2|101.00|1.41|100@1931|102@1932|0||103|1.98|*";
        // Mean 1.5: the 0.5 m3/s floor, not the 1 %, decides.
        const QString small = "8 1931 1 5; 8 1932 2 5";
        QTest::newRow("a small mean, MLT 0.5 away") << 320 << small << false << "8:2" << 0 << 8 << 1
                                                    << "2|1.50|0.71|1@1931|2@1932|0||2|33.33|";
        QTest::newRow("a small mean, MLT 1.5 away") << 320 << small << false << "8:3" << 0 << 8 << 1
                                                    << "2|1.50|0.71|1@1931|2@1932|0||3|100.00|*";
        QTest::newRow("a mean of 0") << 600 << "9 1931 0 5; 9 1932 0 5" << false << "9:4" << 0 << 9
                                     << 1 << "2|0.00|0.00|0@1931|0@1931|2||4||*";
    }
    void monthFigures() {
        QFETCH(int, numPostos);
        QFETCH(QString, history);
        QFETCH(bool, binaryOnly);
        QFETCH(QString, mlt);
        QFETCH(int, to);
        QFETCH(int, posto);
        QFETCH(int, month);
        QFETCH(QString, expected);
        const std::vector<Row> rs = rows(history);
        for (const bool text : {false, true}) {
            if (text && binaryOnly)
                continue;
            const std::string bytes = text ? vazoesText(rs) : vazoesBinary(rs, numPostos);
            const auto h = readVazoesHistory(bytes, text, numPostos, "VAZOES");
            QVERIFY(h.ok());
            std::optional<MltValues> mltValues;
            if (!mlt.isEmpty()) {
                const auto m = readMltValues(mltFile(mlt, text, numPostos), text, numPostos, "MLT");
                QVERIFY(m.ok());
                mltValues = m.value;
            }
            Period period = defaultPeriod(h.value, posto);
            if (to)
                period.to = to;
            const auto months =
                monthStats(h.value, posto, period, mltValues ? &*mltValues : nullptr);
            QCOMPARE(figures(months[std::size_t(month - 1)]), expected);
            QVERIFY(h.value.hasData(posto));
            QVERIFY(!h.value.hasData(posto == 1 ? 2 : 1));
        }
    }

    void readersGiveTheConversionsMessages_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected"); // "warning: ..." or "error: ..."
        QTest::newRow("VAZOES text, station above the horizon")
            << "vazoes" << true << QByteArray::fromStdString(vazoesText({{321, 1931, 1, 1}}))
            << "warning: Erro no arquivo texto \"F\", linha 1. Código de posto inválido.";
        QTest::newRow("VAZOES binary, part of a year")
            << "vazoes" << false << QByteArray(15361, '\0')
            << "error: Erro no arquivo binário \"F\": Read beyond end of file. O arquivo tem 15361 "
               "bytes, que não são um número inteiro de anos de 15360 bytes (320 postos).";
        QTest::newRow("MLT binary, two blocks")
            << "mlt" << false << QByteArray(2 * 15360, '\0')
            << "warning: Arquivo \"F\" tem mais de um bloco de MLT.";
        QTest::newRow("MLT text, a negative month")
            << "mlt" << true << QByteArray("  1 " + QByteArray("    -1").repeated(12))
            << "warning: Erro no arquivo texto \"F\", linha 1. Valor de vazão do mês 1 negativo.";
        QTest::newRow("POSTOS binary, part of a record")
            << "postos" << false << QByteArray(21, ' ')
            << "error: Erro no arquivo binário \"F\": Read beyond end of file. O arquivo tem 21 "
               "bytes, que não são um número inteiro de registros de 20 bytes.";
        QTest::newRow("POSTOS text, no number") << "postos" << true << QByteArray("   X  NOME")
                                                << "error: Erro no arquivo texto \"F\", linha 1. '   X' is not a valid integer value";
    }
    void readersGiveTheConversionsMessages() {
        QFETCH(QString, file);
        QFETCH(bool, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        const std::string_view view(bytes.constData(), std::size_t(bytes.size()));
        std::optional<Failure> failure;
        if (file == "vazoes")
            failure = readVazoesHistory(view, text, 320, "F").failure;
        else if (file == "mlt")
            failure = readMltValues(view, text, 320, "F").failure;
        else
            failure = readPostoNames(view, text, 320, "F").failure;
        QVERIFY(failure);
        QCOMPARE((failure->kind == FailureKind::Warning ? "warning: " : "error: ") +
                     QString::fromStdString(failure->message),
                 expected);
    }

    void csvBytes() {
        // Two years of station 6, named in Windows-1252; a name with the separator is quoted.
        const auto h = readVazoesHistory(
            vazoesText(rows("6 1931 1000 7; 6 1932 1500 8; 9 1931 0 3")), true, 320, "V");
        const auto m = readMltValues(mltFile("6:1300", false, 320), false, 320, "M");
        const auto n = readPostoNames(std::string("   6  \xC9"
                                                  "BANO         1006  2006\r\n"
                                                  "   9  A;B \"C\"       1009  2009\r\n"),
                                      true, 320, "P");
        QVERIFY(h.ok() && m.ok() && n.ok());
        const std::string csv =
            statsCsv(h.value, std::nullopt, std::nullopt, &m.value, &n.value, ",");
        const QList<QByteArray> lines = QByteArray::fromStdString(csv).split('\n');
        QCOMPARE(lines.size(), 1 + 24 + 1);
        QCOMPARE(lines[0], QByteArray("Posto;Nome;M\xEAs;Anos;M\xE9"
                                      "dia;Desvio padr\xE3o;M\xEDnimo;"
                                      "Ano do m\xEDnimo;M\xE1ximo;Ano do m\xE1ximo;Meses com zero;"
                                      "MLT;Diferen\xE7"
                                      "a %;Anos suspeitos\r"));
        // Mean 1250, spread 353.55, MLT 4 % above.
        QCOMPARE(lines[1],
                 QByteArray("6;\xC9"
                            "BANO;1;2;1250,00;353,55;1000;1931;1500;1932;0;1300;4,00;\r"));
        // The POSTOS bounds the period (1009 to 2009, as far as the file holds: 1931 to 1932).
        QCOMPARE(lines[13], QByteArray("9;\"A;B \"\"C\"\"\";1;2;0,00;0,00;0;1931;0;1931;2;0;;\r"));
        // A period set from outside holds for every station, empty when it has no year.
        const std::string late = statsCsv(h.value, 1932, 1931, nullptr, nullptr, ".");
        QVERIFY(late.find("\r\n6;;1;0;;;;;;;0;;;\r\n") != std::string::npos);
    }
};

QTEST_MAIN(TstSeries)
#include "tst_series.moc"

// The ENERGIAF listing (its one rounding, the fields, the lines per stage) and the ENERGIA
// filter (which lines pass, behind which code, and where it stops).
#include "inflows/Energia.h"

#include <QTest>
#include <cmath>
#include <cstring>
#include <limits>

using namespace Torvane;

namespace {

std::string doubleLE(double d) {
    std::uint64_t u;
    std::memcpy(&u, &d, sizeof u);
    std::string s;
    for (int i = 0; i < 8; ++i)
        s += char((u >> (8 * i)) & 0xFF);
    return s;
}

// One record whose value i (0-based) is values[i], the rest 0.
std::string energiafRecord(std::initializer_list<std::pair<int, double>> values) {
    std::string rec(24000, '\0');
    for (const auto& [index, value] : values)
        rec.replace(std::size_t(index) * 8, 8, doubleLE(value));
    return rec;
}

QList<QByteArray> linesOf(const std::string& text) {
    QList<QByteArray> lines = QByteArray::fromStdString(text).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& l : lines) {
        if (!l.endsWith('\r'))
            return {"<line without CR>"};
        l.chop(1);
    }
    return lines;
}

const QByteArray kHeader =
    " Sb      Cen  Sem_01   Sem_02   Sem_03   Sem_04   Sem_05   Mes_02   Mes_03";

} // namespace

class TstEnergia : public QObject {
    Q_OBJECT
private slots:
    void number_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("expected");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("1234.5") << 1234.5 << "."
                                << "1234.50";
        QTest::newRow("1234.5 with comma") << 1234.5 << ","
                                           << "1234,50";
        // One rounding from the exact value: two roundings would give .57 and .60.
        QTest::newRow("99074.564941") << 99074.564941 << "."
                                      << "99074.56";
        QTest::newRow("19746.605062") << 19746.605062 << "."
                                      << "19746.61";
        QTest::newRow("7 integer digits: 8th digit is the first decimal") << 1234567.891 << "."
                                                                          << "1234567.90";
        QTest::newRow("8 integer digits") << 12345678.45 << "."
                                          << "12345678.00";
        QTest::newRow("8 integer digits rounding up") << 12345678.5 << "."
                                                      << "12345679.00";
        QTest::newRow("rounds up to 9 digits") << 99999999.5 << "."
                                               << "1.0000000E+08";
        QTest::newRow("stays at 8 digits") << 99999999.49 << "."
                                           << "99999999.00";
        QTest::newRow("9 integer digits") << 123456789.0 << ","
                                          << "1,2345679E+08";
        QTest::newRow("exponent tie away from zero") << 123456785.0 << "."
                                                     << "1.2345679E+08";
        QTest::newRow("negative exponent form") << -123456784.0 << "."
                                                << "-1.2345678E+08";
        QTest::newRow("very large") << 1e300 << "."
                                    << "1.0000000E+300";
        QTest::newRow("exact tie away from zero") << 0.125 << "."
                                                  << "0.13";
        QTest::newRow("negative exact tie") << -0.125 << "."
                                            << "-0.13";
        QTest::newRow("just below a tie") << 2.675 << "."
                                          << "2.67";
        QTest::newRow("just above a tie") << 0.005 << "."
                                          << "0.01";
        QTest::newRow("just below, negative") << -1.005 << "."
                                              << "-1.00";
        QTest::newRow("999999.995 is below the tie") << 999999.995 << "."
                                                     << "999999.99";
        QTest::newRow("zero") << 0.0 << "."
                              << "0.00";
        QTest::newRow("negative zero") << -0.0 << "."
                                       << "0.00";
        QTest::newRow("negative rounding to zero") << -0.004 << "."
                                                   << "0.00";
        QTest::newRow("tiny") << 1e-300 << "."
                              << "0.00";
        QTest::newRow("nan") << nan << "."
                             << "NAN";
        QTest::newRow("inf") << inf << "."
                             << "INF";
        QTest::newRow("-inf") << -inf << "."
                              << "-INF";
    }
    void number() {
        QFETCH(double, value);
        QFETCH(QString, separator);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(energiafNumber(value, separator.toStdString())), expected);
    }

    void twoRecordsGiveEighteenLines() {
        const std::string bin =
            energiafRecord({{0, 1234.5}, {199, -7.0}, {200, 3.0}, {799, 42.0}, {800, 999.0}}) +
            energiafRecord({{600, 1.0}});
        const ConvResult r = energiafToText(bin, ",");
        QVERIFY(r.ok());
        const QList<QByteArray> lines = linesOf(r.output.str());
        QCOMPARE(lines.size(), 18);
        QCOMPARE(lines[0], QByteArray("############    Est\xE1gio 1 ############"));
        QCOMPARE(lines[9], QByteArray("############    Est\xE1gio 2 ############"));
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(lines[1 + 2 * k], "Subsistema " + QByteArray::number(k + 1));
            QCOMPARE(lines[2 + 2 * k].size(), 2000);
        }
        QCOMPARE(lines[2].left(10), QByteArray("  1234,50 "));
        QCOMPARE(lines[2].mid(1990), QByteArray("    -7,00 "));
        QCOMPARE(lines[4].left(10), QByteArray("     3,00 "));
        QCOMPARE(lines[8].mid(1990), QByteArray("    42,00 ")); // value 800; 801 on is not printed
        QCOMPARE(lines[17].left(10), QByteArray("     1,00 "));
        QVERIFY(r.output.str().find("999,00") == std::string::npos);
    }

    void wideAndNotFiniteValues() {
        const std::string bin = energiafRecord({{0, 1000000.0},
                                                {1, -100000.0},
                                                {2, 123456789.0},
                                                {3, std::numeric_limits<double>::quiet_NaN()},
                                                {4, -std::numeric_limits<double>::infinity()},
                                                {5, 999999.99}});
        const QList<QByteArray> lines = linesOf(energiafToText(bin, ".").output.str());
        // Written whole: the line grows by what the wide values need.
        QVERIFY(
            lines[2].startsWith("1000000.00 -100000.00 1.2345679E+08       NAN      -INF 999999.99 "
                                "     0.00 "));
        QCOMPARE(lines[2].size(), 2000 + 1 + 1 + 4);
        QCOMPARE(lines[4].size(), 2000);
    }

    void listingEdges_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("ok");
        QTest::newRow("empty") << 0 << true;
        QTest::newRow("a record and a part") << 24000 + 8 << false;
        QTest::newRow("less than a record") << 23999 << false;
    }
    void listingEdges() {
        QFETCH(int, size);
        QFETCH(bool, ok);
        const ConvResult r = energiafToText(std::string(std::size_t(size), '\0'), ".");
        QCOMPARE(r.ok(), ok);
        if (ok)
            QVERIFY(r.output.empty());
        else
            QCOMPARE(r.failure->message, std::string("Read beyond end of file"));
    }

    void energiaNumber_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<bool>("isNumber");
        QTest::newRow("digits") << QByteArray("  12") << "," << true;
        QTest::newRow("blanks after") << QByteArray("1   ") << "," << true;
        QTest::newRow("comma separator") << QByteArray("1,5 ") << "," << true;
        QTest::newRow("point under comma") << QByteArray("1.5 ") << "," << false;
        QTest::newRow("point separator") << QByteArray("1.5 ") << "." << true;
        QTest::newRow("leading separator") << QByteArray(" ,5 ") << "," << true;
        QTest::newRow("trailing separator") << QByteArray("  5,") << "," << true;
        QTest::newRow("separator alone") << QByteArray("  , ") << "," << false;
        QTest::newRow("exponent") << QByteArray("1e3 ") << "," << true;
        QTest::newRow("exponent without digits") << QByteArray("  1e") << "," << false;
        QTest::newRow("minus") << QByteArray(" -12") << "," << true;
        QTest::newRow("plus") << QByteArray(" +12") << "," << true;
        QTest::newRow("inner blank") << QByteArray("1 2 ") << "," << false;
        QTest::newRow("blank") << QByteArray("    ") << "," << false;
        QTest::newRow("empty") << QByteArray() << "," << false;
        QTest::newRow("inf") << QByteArray(" inf") << "," << false;
        QTest::newRow("nan") << QByteArray(" nan") << "," << false;
        QTest::newRow("hex") << QByteArray("0x1A") << "," << false;
        QTest::newRow("text") << QByteArray("Subs") << "," << false;
    }
    void energiaNumber() {
        QFETCH(QByteArray, field);
        QFETCH(QString, separator);
        QFETCH(bool, isNumber);
        double value = 0;
        QCOMPARE(Torvane::energiaNumber(field.toStdString(), separator.toStdString(), value),
                 isNumber);
    }

    void filter_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<QByteArray>>("expected");
        QTest::newRow("data before any Subs has an empty code")
            << QByteArray("    1   2   3\r\n")
            << QList<QByteArray>{kHeader, "   " + QByteArray("    1   2   3")};
        QTest::newRow("Subs sets the code from columns 16 and 17")
            << QByteArray("   Subsistema  SE xx\n  1 1000.0\n   Subsistema  S \n  2 2000.0\n")
            << QList<QByteArray>{kHeader, " SE    1 1000.0", " S     2 2000.0"};
        QTest::newRow("negative, text and blank lines left out")
            << QByteArray("   Subs        NE\n   -1  55\n  Cen Sem_01\n\n      \n   3   77")
            << QList<QByteArray>{kHeader, " NE     3   77"};
        QTest::newRow("EARM stops") << QByteArray("   1   a\n   EARM\n   2   b\n")
                                    << QList<QByteArray>{kHeader, "      1   a"};
        QTest::newRow("no EARM: read to the end")
            << QByteArray("   1   a\n   2   b")
            << QList<QByteArray>{kHeader, "      1   a", "      2   b"};
        QTest::newRow("zero passes")
            << QByteArray("   0   z") << QList<QByteArray>{kHeader, "      0   z"};
        QTest::newRow("empty input") << QByteArray() << QList<QByteArray>{kHeader};
    }
    void filter() {
        QFETCH(QByteArray, text);
        QFETCH(QList<QByteArray>, expected);
        const ConvResult r = energiaFilter(text.toStdString(), ",");
        QVERIFY(r.ok());
        QCOMPARE(linesOf(r.output.str()), expected);
    }
};

QTEST_APPLESS_MAIN(TstEnergia)
#include "tst_energia.moc"

// Number texts under a point and a comma locale: only the decimal separator changes.

#include "registry/NumberTexts.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace NumberTexts;

namespace {
const QLocale Brazil(QLocale::Portuguese, QLocale::Brazil);
}

class TestNumberTexts : public QObject {
    Q_OBJECT
private slots:
    void fixed_data();
    void fixed();
    void exponent_data();
    void exponent();
    void integer_data();
    void integer();
    void localesAgree();
};

void TestNumberTexts::fixed_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("point"); // under QLocale::c(); the comma form swaps the point

    QTest::newRow("volume") << 1234.5 << 2 << "1234.50";
    QTest::newRow("no group separator") << 1234567.891 << 2 << "1234567.89";
    QTest::newRow("productivity") << double(0.0087f) << 6 << "0.008700";
    QTest::newRow("power") << 216.0 << 1 << "216.0";
    QTest::newRow("rate") << 1.625 << 3 << "1.625";
    QTest::newRow("no decimals") << 41.6 << 0 << "42";
    QTest::newRow("rounding half away") << 0.125 << 2 << "0.13";
    QTest::newRow("binary below the half") << 2.675 << 2 << "2.67";
    // Exact halves round away from zero, whether the digit kept is odd or even.
    QTest::newRow("half, even digit kept") << 100.25 << 1 << "100.3";
    QTest::newRow("half, no decimals") << 2.5 << 0 << "3";
    QTest::newRow("half, negative") << -0.125 << 2 << "-0.13";
    QTest::newRow("half carrying") << 9.5 << 0 << "10";
    QTest::newRow("float value") << double(768.06f) << 2 << "768.06";
    QTest::newRow("negative") << -12.345 << 2 << "-12.35";
    QTest::newRow("negative zero") << -0.0 << 2 << "0.00";
    QTest::newRow("negative rounding to zero") << -0.004 << 2 << "0.00";
    QTest::newRow("negative rounding to zero, no decimals") << -0.4 << 0 << "0";
    QTest::newRow("negative rounding away from zero") << -0.006 << 2 << "-0.01";
    QTest::newRow("zero") << 0.0 << 3 << "0.000";
    QTest::newRow("blank record float") << double(1.3563156e-19f) << 2 << "0.00";
    QTest::newRow("15 integer digits") << 999999999999999.0 << 2 << "999999999999999.00";
    QTest::newRow("16 integer digits") << 1e15 << 2 << "1.00000000000000E+15";
    QTest::newRow("16 digits after rounding") << 999999999999999.9 << 0 << "1.00000000000000E+15";
    QTest::newRow("largest float")
        << double(std::numeric_limits<float>::max()) << 2 << "3.40282346638529E+38";
    QTest::newRow("negative large") << -2.5e20 << 2 << "-2.50000000000000E+20";
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 2 << "NAN";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 2 << "INF";
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << 2 << "-INF";
}

void TestNumberTexts::fixed() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, point);
    QCOMPARE(Fixed(value, decimals, QLocale::c()), point);
    QCOMPARE(Fixed(value, decimals, Brazil), QString(point).replace(u'.', u','));
    // The CSV's bytes are the same texts.
    char out[MaxChars];
    QCOMPARE(QByteArray(out, qsizetype(fixedChars(out, value, decimals, ','))),
             point.toLatin1().replace('.', ','));
}

void TestNumberTexts::exponent_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("point");

    QTest::newRow("example") << 123.456 << "1.234560E+02";
    QTest::newRow("zero") << 0.0 << "0.000000E+00";
    QTest::newRow("negative zero") << -0.0 << "0.000000E+00";
    QTest::newRow("one") << 1.0 << "1.000000E+00";
    QTest::newRow("negative") << -0.00021 << "-2.100000E-04";
    QTest::newRow("seven digits rounded") << 1.23456789 << "1.234568E+00";
    QTest::newRow("rounding to the next power") << 9.9999999 << "1.000000E+01";
    QTest::newRow("half, even digit kept") << 12345665.0 << "1.234567E+07";
    QTest::newRow("half, odd digit kept") << 12345675.0 << "1.234568E+07";
    QTest::newRow("half carrying to the next power") << -99999995.0 << "-1.000000E+08";
    QTest::newRow("half of a fraction") << 0.00048828125 << "4.882813E-04";
    QTest::newRow("float coefficient") << double(-1.695e-08f) << "-1.695000E-08";
    QTest::newRow("blank record float") << double(1.3563156e-19f) << "1.356316E-19";
    QTest::newRow("largest float") << double(std::numeric_limits<float>::max()) << "3.402823E+38";
    QTest::newRow("smallest subnormal float")
        << double(std::numeric_limits<float>::denorm_min()) << "1.401298E-45";
    QTest::newRow("three exponent digits") << 1e100 << "1.000000E+100";
    QTest::newRow("three negative exponent digits") << -2.5e-300 << "-2.500000E-300";
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << "NAN";
}

void TestNumberTexts::exponent() {
    QFETCH(double, value);
    QFETCH(QString, point);
    QCOMPARE(Exponent(value, QLocale::c()), point);
    QCOMPARE(Exponent(value, Brazil), QString(point).replace(u'.', u','));
    char out[MaxChars];
    QCOMPARE(QByteArray(out, qsizetype(exponentChars(out, value, '.'))), point.toLatin1());
}

void TestNumberTexts::integer_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "0";
    QTest::newRow("thousands") << qint64(1234567) << "1234567";
    QTest::newRow("negative") << qint64(-12) << "-12";
    QTest::newRow("blank record") << qint64(538976288) << "538976288";
    QTest::newRow("int32 min") << qint64(INT32_MIN) << "-2147483648";
    QTest::newRow("int64 min") << std::numeric_limits<qint64>::min() << "-9223372036854775808";
}

void TestNumberTexts::integer() {
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QCOMPARE(Integer(value), text);
    char out[MaxChars];
    QCOMPARE(QByteArray(out, qsizetype(integerChars(out, value))), text.toLatin1());
}

// Locales with other digits, minus signs or group separators still give ASCII texts with
// only their decimal separator.
void TestNumberTexts::localesAgree() {
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden); // U+2212 minus
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(decimalSeparator(QLocale::c()), QChar(u'.'));
    QCOMPARE(decimalSeparator(Brazil), QChar(u','));
    QCOMPARE(Fixed(-1234567.5, 2, swedish), QStringLiteral("-1234567,50"));
    QCOMPARE(Exponent(-1234567.5, german), QStringLiteral("-1,234568E+06"));
    const QString arabicText = Fixed(-1234.5, 1, arabic);
    QCOMPARE(arabicText.size(), 7);
    QCOMPARE(arabicText.left(5), QStringLiteral("-1234"));
    QCOMPARE(arabicText.right(1), QStringLiteral("5"));
    QCOMPARE(arabicText.at(5), decimalSeparator(arabic));
}

QTEST_APPLESS_MAIN(TestNumberTexts)
#include "tst_NumberTexts.moc"

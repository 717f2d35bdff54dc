// Numbers typed into the form: what is read, what is refused, under which separator.

#include "editing/NumberInput.h"

#include <QtTest>
#include <cfloat>
#include <cmath>
#include <cstring>

class TestNumberInput : public QObject {
    Q_OBJECT

private slots:
    void integers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "42" << true << 42;
        QTest::newRow("blanks around") << "  42 " << true << 42;
        QTest::newRow("plus") << "+7" << true << 7;
        QTest::newRow("minus") << "-7" << true << -7;
        QTest::newRow("leading zeros") << "007" << true << 7;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << true << int(INT32_MIN);
        QTest::newRow("too large") << "2147483648" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("blanks only") << "   " << false << 0;
        QTest::newRow("sign only") << "-" << false << 0;
        QTest::newRow("blank inside") << "4 2" << false << 0;
        QTest::newRow("blank after sign") << "- 4" << false << 0;
        QTest::newRow("decimal point") << "12.5" << false << 0;
        QTest::newRow("decimal comma") << "12,5" << false << 0;
        QTest::newRow("zero decimals") << "1.0" << false << 0;
        QTest::newRow("group separator") << "1.000" << false << 0;
        QTest::newRow("hexadecimal") << "0x10" << false << 0;
        QTest::newRow("exponent") << "1e3" << false << 0;
        QTest::newRow("unit left on") << "85 m3/s" << false << 0;
        QTest::newRow("non-ASCII digits") << QString::fromUtf8("\u0664\u0662") << false << 0;
    }
    void integers() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, value);
        const auto v = NumberInput::toInteger(text);
        QCOMPARE(v.has_value(), ok);
        if (ok)
            QCOMPARE(*v, value);
    }

    void reals_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<float>("value");
        const auto row = [](const char* name, const char* loc, const QString& text, bool ok,
                            float value) {
            QTest::newRow(name) << QString(loc) << text << ok << value;
        };
        row("point: decimals", "en_US", "1234.5", true, 1234.5f);
        row("point: blanks and sign", "en_US", "  -2.25 ", true, -2.25f);
        row("point: plus", "en_US", "+0.5", true, 0.5f);
        row("point: no integer digits", "en_US", ".5", true, 0.5f);
        row("point: no fraction digits", "en_US", "5.", true, 5.0f);
        row("point: exponent form", "en_US", "1.234560E+02", true, 123.456f);
        row("point: small exponent", "en_US", "-3.000000e-06", true, -3e-6f);
        row("point: integer", "en_US", "320", true, 320.0f);
        row("point: comma refused", "en_US", "1,5", false, 0);
        row("point: group separator refused", "en_US", "1,234.5", false, 0);
        row("point: two points", "en_US", "1.2.3", false, 0);
        row("point: separator alone", "en_US", ".", false, 0);
        row("point: exponent without digits", "en_US", "1e", false, 0);
        row("point: exponent alone", "en_US", "e5", false, 0);
        row("point: blank inside", "en_US", "1 000", false, 0);
        row("point: unit left on", "en_US", "1500.50   hm3", false, 0);
        row("point: nan", "en_US", "nan", false, 0);
        row("point: NaN", "en_US", "NaN", false, 0);
        row("point: inf", "en_US", "inf", false, 0);
        row("point: -INF", "en_US", "-INF", false, 0);
        row("point: Infinity", "en_US", "Infinity", false, 0);
        row("point: above float32", "en_US", "3.5e38", false, 0);
        row("point: below -float32", "en_US", "-3.5E+38", false, 0);
        row("point: huge exponent", "en_US", "1e400", false, 0);
        row("point: near the largest float32", "en_US", "3.4e38", true, 3.4e38f);
        row("point: underflow is zero", "en_US", "1e-60", true, 0.0f);
        row("point: subnormal double is zero", "en_US", "1e-320", true, 0.0f);
        row("point: below every double refused", "en_US", "1e-400", false, 0);
        row("point: zero with a huge exponent", "en_US", "0e-999", true, 0.0f);
        row("point: empty", "en_US", "", false, 0);
        row("comma: decimals", "pt_BR", "1234,5", true, 1234.5f);
        row("comma: exponent form", "pt_BR", "1,234560E+02", true, 123.456f);
        row("comma: point as group refused", "pt_BR", "1.234", false, 0);
        row("comma: point refused", "pt_BR", "0.5", false, 0);
        row("comma: grouped with decimals refused", "pt_BR", "1.234,5", false, 0);
        row("comma: nan", "pt_BR", "nan", false, 0);
        row("comma: German", "de_DE", "-0,75", true, -0.75f);
        row("comma: French narrow blank group", "fr_FR", QString::fromUtf8("1\u202F234,5"), false,
            0);
        row("comma: French non-breaking blank group", "fr_FR", QString::fromUtf8("1\u00A0234"),
            false, 0);
    }
    void reals() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(float, value);
        const auto v = NumberInput::toReal(text, QLocale(locale));
        QCOMPARE(v.has_value(), ok);
        if (ok)
            QCOMPARE(*v, value);
    }

    // A typed "-0" stays a negative zero, as the display shows "0.00" for it anyway.
    void negativeZero() {
        const auto v = NumberInput::toReal("-0", QLocale::c());
        QVERIFY(v && *v == 0.0f && std::signbit(*v));
    }

    void errorTexts() {
        QCOMPARE(NumberInput::invalidIntegerText("4,5"),
                 QString("'4,5' is not a valid integer value"));
        QCOMPARE(NumberInput::invalidRealText(""),
                 QString("'' is not a valid floating point value"));
        QCOMPARE(NumberInput::invalidRealText("%1x"),
                 QString("'%1x' is not a valid floating point value"));
    }
};

QTEST_GUILESS_MAIN(TestNumberInput)
#include "tst_numberinput.moc"

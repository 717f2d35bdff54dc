// The number rule, the column cuts and the line ends every format relies on.
#include "inflows/Energia.h"
#include "inflows/Mlt.h"
#include "inflows/Postos.h"
#include "inflows/Result.h"
#include "inflows/Text.h"
#include "inflows/Vazoes.h"

#include <QTest>

using namespace Torvane;

Q_DECLARE_METATYPE(std::string)

class TstText : public QObject {
    Q_OBJECT
private slots:
    void parseInteger_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("digits") << QByteArray("1234") << true << 1234;
        QTest::newRow("leading blanks") << QByteArray("   7") << true << 7;
        QTest::newRow("plus sign") << QByteArray("  +5") << true << 5;
        QTest::newRow("minus sign") << QByteArray("  -5") << true << -5;
        QTest::newRow("minus zero") << QByteArray("-0") << true << 0;
        QTest::newRow("leading zeros") << QByteArray("0007") << true << 7;
        QTest::newRow("int32 max") << QByteArray("2147483647") << true << 2147483647;
        QTest::newRow("int32 min") << QByteArray("-2147483648") << true << int(INT32_MIN);
        QTest::newRow("trailing blank") << QByteArray("  7 ") << false << 0;
        QTest::newRow("inner blank") << QByteArray("1 2") << false << 0;
        QTest::newRow("blank after sign") << QByteArray("- 5") << false << 0;
        QTest::newRow("all blank") << QByteArray("    ") << false << 0;
        QTest::newRow("empty") << QByteArray("") << false << 0;
        QTest::newRow("sign only") << QByteArray("  -") << false << 0;
        QTest::newRow("two signs") << QByteArray("+-5") << false << 0;
        QTest::newRow("letters") << QByteArray("12a4") << false << 0;
        QTest::newRow("hex") << QByteArray("0x1F") << false << 0;
        QTest::newRow("tab") << QByteArray("\t7") << false << 0;
        QTest::newRow("beyond int32") << QByteArray("2147483648") << false << 0;
        QTest::newRow("far beyond") << QByteArray("99999999999999999999") << false << 0;
        QTest::newRow("decimal point") << QByteArray("1.5") << false << 0;
    }
    void parseInteger() {
        QFETCH(QByteArray, field);
        QFETCH(bool, valid);
        QFETCH(int, value);
        const auto parsed =
            Torvane::parseInteger(std::string_view(field.constData(), field.size()));
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, value);
    }

    void sixDigitFieldAgreesWithTheRule() {
        // Every six-column field over blanks, digits, signs, a letter and a line end: the word-wise
        // reader takes exactly the unsigned ones, with the rule's value.
        const char alphabet[] = {' ', '0', '1', '9', '+', '-', 'x', '\r'};
        char field[6];
        int taken = 0;
        for (int code = 0; code < 262144; ++code) {
            for (int i = 0, c = code; i < 6; ++i, c /= 8)
                field[i] = alphabet[c % 8];
            const auto rule = Torvane::parseInteger(std::string_view(field, 6));
            const bool signed_ =
                std::string_view(field, 6).find_first_of("+-") != std::string::npos;
            std::uint32_t value = 0;
            const bool fast = readSixDigitField(field, value);
            if (fast != (rule && !signed_) || (fast && std::int32_t(value) != *rule))
                QFAIL(qPrintable(QStringLiteral("field [%1]").arg(QLatin1String(field, 6))));
            taken += fast;
        }
        QCOMPARE(taken, 3 + 9 + 27 + 81 + 243 + 729); // k blanks, then 6 - k of the three digits
    }

    void columns_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("inside") << QByteArray("abcdefgh") << 3 << 5 << QByteArray("cde");
        QTest::newRow("cut by the end") << QByteArray("abcdefgh") << 7 << 12 << QByteArray("gh");
        QTest::newRow("past the end") << QByteArray("abc") << 4 << 6 << QByteArray("");
        QTest::newRow("exactly to the end") << QByteArray("abc") << 1 << 3 << QByteArray("abc");
    }
    void columns() {
        QFETCH(QByteArray, line);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QByteArray, expected);
        const auto got =
            Torvane::columns(std::string_view(line.constData(), line.size()), first, last);
        QCOMPARE(QByteArray(got.data(), qsizetype(got.size())), expected);
    }

    void lines_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<QByteArray>>("expected");
        QTest::newRow("empty") << QByteArray() << QList<QByteArray>{};
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QList<QByteArray>{"a", "b"};
        QTest::newRow("lf") << QByteArray("a\nb\n") << QList<QByteArray>{"a", "b"};
        QTest::newRow("last without end") << QByteArray("a\r\nb") << QList<QByteArray>{"a", "b"};
        QTest::newRow("blank last line") << QByteArray("a\r\n\r\n") << QList<QByteArray>{"a", ""};
        QTest::newRow("only a line end") << QByteArray("\n") << QList<QByteArray>{""};
        QTest::newRow("CR, then CR LF") << QByteArray("a\r\r\n") << QList<QByteArray>{"a", ""};
        QTest::newRow("lone CR ends a line") << QByteArray("a\rb\n") << QList<QByteArray>{"a", "b"};
        QTest::newRow("CR only") << QByteArray("a\rb\r") << QList<QByteArray>{"a", "b"};
        QTest::newRow("last line ends in CR")
            << QByteArray("a\nb\r") << QList<QByteArray>{"a", "b"};
        QTest::newRow("LF CR is two ends")
            << QByteArray("a\n\rb") << QList<QByteArray>{"a", "", "b"};
        QTest::newRow("blank CR lines") << QByteArray("\r\r") << QList<QByteArray>{"", ""};
    }
    void lines() {
        QFETCH(QByteArray, text);
        QFETCH(QList<QByteArray>, expected);
        LineReader reader(std::string_view(text.constData(), text.size()));
        QList<QByteArray> got;
        while (const auto line = reader.next()) {
            got << QByteArray(line->data(), qsizetype(line->size()));
            QCOMPARE(reader.lineNumber(), got.size());
        }
        QCOMPARE(got, expected);
    }

    void everyReaderTakesEachLineEnd_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("lineEnd");
        for (const char* format : {"postos", "vazoes", "mlt", "energia"})
            for (const char* end : {"\n", "\r"})
                QTest::addRow("%s, %s", format, *end == '\n' ? "LF" : "CR")
                    << QString::fromLatin1(format) << QByteArray(end);
    }
    void everyReaderTakesEachLineEnd() {
        // Three records, the last one ending too: the output is the CR LF text's, every record in.
        QFETCH(QString, format);
        QFETCH(QByteArray, lineEnd);
        QList<QByteArray> lines;
        if (format == "postos")
            lines = {"   1  RIO CLARO     1001  2001", "   2  SERRA         1002  2002",
                     "   4  VAU           1004    77"};
        else if (format == "vazoes")
            lines = {"  1 1931" + QByteArray("    11").repeated(12),
                     "  2 1931" + QByteArray("    22").repeated(12),
                     "  2 1932" + QByteArray("    77").repeated(12)};
        else if (format == "mlt")
            lines = {"  1 " + QByteArray("    11").repeated(12),
                     "  2 " + QByteArray("    22").repeated(12),
                     "  3 " + QByteArray("    77").repeated(12)};
        else
            lines = {"   Subs        N ", "   7    abc", "  12    def"};
        const auto convert = [&format](const QByteArray& text) {
            const std::string_view in(text.constData(), std::size_t(text.size()));
            TabMlt mlt;
            const ConvResult r = format == "postos"   ? postosTextToBin(in, 320, "P")
                                 : format == "vazoes" ? vazoesTextToBin(in, 320, "V")
                                 : format == "mlt"    ? mltTextToBin(in, 320, mlt, "M")
                                                      : energiaFilter(in, ",");
            return r.ok() ? QByteArray::fromStdString(r.output.str())
                          : QByteArray::fromStdString(r.failure->message);
        };
        const QByteArray expected = convert(lines.join("\r\n") + "\r\n");
        QCOMPARE(convert(lines.join(lineEnd) + lineEnd), expected);
        QCOMPARE(convert(lines.join(lineEnd)), expected);
        QVERIFY(
            expected.contains(format == "energia" ? QByteArray("def") : QByteArray("\x4D\0\0\0")));
    }

    void rightJustified_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<QByteArray>("expected"); // empty: does not fit
        QTest::newRow("padded") << qint64(42) << 6 << QByteArray("    42");
        QTest::newRow("exact") << qint64(999999) << 6 << QByteArray("999999");
        QTest::newRow("too wide") << qint64(1000000) << 6 << QByteArray();
        QTest::newRow("negative fits") << qint64(-99999) << 6 << QByteArray("-99999");
        QTest::newRow("negative too wide") << qint64(-100000) << 6 << QByteArray();
    }
    void rightJustified() {
        QFETCH(qint64, value);
        QFETCH(int, width);
        QFETCH(QByteArray, expected);
        std::string out = "x";
        const bool fits = appendRightJustified(out, value, width);
        QCOMPARE(fits, !expected.isEmpty());
        QCOMPARE(QByteArray::fromStdString(out), QByteArray("x") + expected);
    }

    void messagesAreUtf8() {
        // A Windows-1252 field shown in the platform's message: "Ç" (0xC7) and "€" (0x80).
        QCOMPARE(QString::fromStdString(notValidInteger("\xC7\x80 1")),
                 QStringLiteral("'Ç€ 1' is not a valid integer value"));
    }
};

QTEST_APPLESS_MAIN(TstText)
#include "tst_text.moc"

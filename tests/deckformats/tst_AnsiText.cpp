// Windows-1252 texts of the record: decoding, encoding, the capitals of TXT_Nome, the
// entry cutting helpers.

#include "registry/AnsiText.h"

#include <QTest>

class TestAnsiText : public QObject {
    Q_OBJECT
private slots:
    void everyByteRoundTrips();
    void decodeKnownBytes_data();
    void decodeKnownBytes();
    void encodeOutsideTheCodePage_data();
    void encodeOutsideTheCodePage();
    void fieldTextDropsNul();
    void upper_data();
    void upper();
    void nthCharPos_data();
    void nthCharPos();
    void trimControl_data();
    void trimControl();
};

void TestAnsiText::everyByteRoundTrips() {
    QByteArray all(256, '\0');
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const QString text = AnsiText::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(AnsiText::encode(text), all);
}

void TestAnsiText::decodeKnownBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("Portuguese") << QByteArray("N\xC3O H\xC1 \xC7\xE3\xF5")
                                << QString::fromUtf8("NÃO HÁ Çãõ");
    QTest::newRow("euro and quotes") << QByteArray("\x80\x93\x94\x9F") << QString::fromUtf8("€“”Ÿ");
    QTest::newRow("acute accent of the title") << QByteArray("\xB4") << QString::fromUtf8("´");
}

void TestAnsiText::decodeKnownBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(AnsiText::decode(bytes), text);
    QCOMPARE(AnsiText::encode(text), bytes);
}

void TestAnsiText::encodeOutsideTheCodePage_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Greek") << QString::fromUtf8("αβ") << QByteArray("??");
    QTest::newRow("outside the BMP is one character") << QString::fromUtf8("a\xF0\x9F\x8C\x8A"
                                                                           "b")
                                                      << QByteArray("a?b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
}

void TestAnsiText::encodeOutsideTheCodePage() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(AnsiText::encode(text), bytes);
}

void TestAnsiText::fieldTextDropsNul() {
    const std::array<char, 8> field{'A', '\0', 'B', ' ', '\0', ' ', '\0', '\0'};
    QCOMPARE(AnsiText::fieldText(field), QStringLiteral("AB  "));
}

void TestAnsiText::upper_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ASCII, blanks kept") << "vau da onca  "
                                        << "VAU DA ONCA  ";
    QTest::newRow("Latin-1 letters") << QString::fromUtf8("ãéçõü") << QString::fromUtf8("ÃÉÇÕÜ");
    QTest::newRow("ÿ to Ÿ") << QString::fromUtf8("ÿ") << QString::fromUtf8("Ÿ");
    QTest::newRow("š œ ž") << QString::fromUtf8("šœž") << QString::fromUtf8("ŠŒŽ");
    QTest::newRow("ß stays") << QString::fromUtf8("ß") << QString::fromUtf8("ß");
    QTest::newRow("µ stays") << QString::fromUtf8("µ") << QString::fromUtf8("µ");
    QTest::newRow("ƒ stays") << QString::fromUtf8("ƒ") << QString::fromUtf8("ƒ");
    QTest::newRow("digits and signs") << "a-1 (b)"
                                      << "A-1 (B)";
}

void TestAnsiText::upper() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(AnsiText::upper(text), expected);
}

void TestAnsiText::nthCharPos_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ch");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("position");
    QTest::newRow("first blank") << "12 - ALFA"
                                 << " " << 1 << 3;
    QTest::newRow("second blank") << "12 - ALFA"
                                  << " " << 2 << 5;
    QTest::newRow("fewer occurrences") << "12 - ALFA"
                                       << " " << 3 << 10;
    QTest::newRow("none") << "320"
                          << " " << 1 << 4;
    QTest::newRow("last character") << "ALFA "
                                    << " " << 1 << 6;
    QTest::newRow("first character") << " ALFA"
                                     << " " << 1 << 1;
    QTest::newRow("empty text") << ""
                                << " " << 1 << 1;
}

void TestAnsiText::nthCharPos() {
    QFETCH(QString, text);
    QFETCH(QString, ch);
    QFETCH(int, n);
    QFETCH(int, position);
    QCOMPARE(NthCharPos(text, ch.at(0), n), position);
}

void TestAnsiText::trimControl_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("blanks") << "  ALFA  "
                            << "ALFA";
    QTest::newRow("NUL and controls") << QString::fromLatin1("\0\tALFA\x1F\0", 8) << "ALFA";
    QTest::newRow("inner blanks kept") << " SALTO  ALTO "
                                       << "SALTO  ALTO";
    QTest::newRow("non-breaking blank is a character")
        << QString::fromUtf8("\u00A0A\u00A0") << QString::fromUtf8("\u00A0A\u00A0");
    QTest::newRow("only blanks") << "    "
                                 << "";
}

void TestAnsiText::trimControl() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(::trimControl(text), expected);
}

QTEST_APPLESS_MAIN(TestAnsiText)
#include "tst_AnsiText.moc"

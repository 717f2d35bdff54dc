// The plant list of a registry (by code and by name) and the stored plant names.

#include "registry/PlantCodec.h"
#include "registry/PlantList.h"

#include <QTest>

namespace {

// A registry of `records` records, all empty (NUL) but the named ones.
QByteArray registryWith(int records, const QList<QPair<int, QByteArray>>& names) {
    QByteArray bytes(qsizetype(records) * RecordSize, '\0');
    for (const auto& [code, name] : names)
        bytes.replace(qsizetype(code - 1) * RecordSize, 12, name.leftJustified(12, ' ', true));
    return bytes;
}

QCollator brazilian() {
    return QCollator(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

} // namespace

class TestPlantList : public QObject {
    Q_OBJECT
private slots:
    void listByCode_data();
    void listByCode();
    void plantNamesKeepStoredBytes();
    void moreThan1000Records();
    void byName_data();
    void byName();
    void byNameUnderCLocale();
    void codeText_data();
    void codeText();
};

void TestPlantList::listByCode_data() {
    QTest::addColumn<QByteArray>("registry");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("plants 1, 6 and 320")
        << registryWith(320, {{1, "ALFA"}, {6, "BETA"}, {320, "OMEGA"}})
        << QStringList{"1 - ALFA", "6 - BETA", "320 - OMEGA"};
    QTest::newRow("trailing blanks and controls trimmed")
        << registryWith(12, {{12, QByteArray("ALFA\t\0\0", 7)}}) << QStringList{"12 - ALFA"};
    QTest::newRow("blank or NUL first byte not listed")
        << registryWith(4, {{1, " ALFA"}, {2, QByteArray("\0BETA", 5)}, {3, "GAMA"}})
        << QStringList{"3 - GAMA"};
    QTest::newRow("a slot of 792 blanks")
        << (registryWith(1, {{1, "ALFA"}}) + QByteArray(RecordSize, ' '))
        << QStringList{"1 - ALFA"};
    QTest::newRow("accented name") << registryWith(2, {{2, "\xC9"
                                                           "BANO S\xC3O"}})
                                   << QStringList{QString::fromUtf8("2 - ÉBANO SÃO")};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("trailing record with its 12 name bytes")
        << (registryWith(2, {{1, "ALFA"}}) + QByteArray("CAUDA       X", 13))
        << QStringList{"1 - ALFA", "3 - CAUDA"};
    QTest::newRow("trailing record with fewer name bytes")
        << (registryWith(2, {{1, "ALFA"}}) + QByteArray("CAUDA", 5)) << QStringList{"1 - ALFA"};
}

void TestPlantList::listByCode() {
    QFETCH(QByteArray, registry);
    QFETCH(QStringList, entries);
    QCOMPARE(plantListFromBytes(registry).entries, entries);
}

// Entry k is the 12 name bytes of record k as stored, listed or not; beyond the file empty.
void TestPlantList::plantNamesKeepStoredBytes() {
    const PlantList list =
        plantListFromBytes(registryWith(6, {{1, "ALFA"}, {5, " IPE"}, {6, QByteArray("\0X", 2)}}));
    QCOMPARE(list.plantNames.size(), 1001);
    QCOMPARE(list.plantNames.at(0), QString::fromUtf8("NÃO HÁ"));
    QCOMPARE(list.plantNames.at(1), QStringLiteral("ALFA        "));
    QCOMPARE(list.plantNames.at(2), QString(12, QChar(u'\0')));
    QCOMPARE(list.plantNames.at(5), QStringLiteral(" IPE        "));
    QCOMPARE(list.plantNames.at(6), QString::fromLatin1("\0X          ", 12));
    QCOMPARE(list.plantNames.at(7), QString());
    QCOMPARE(list.plantNames.at(1000), QString());
    QCOMPARE(list.entries, QStringList{"1 - ALFA"});
}

// Every record is listed and named, past code 1000 too.
void TestPlantList::moreThan1000Records() {
    const PlantList list = plantListFromBytes(
        registryWith(1500, {{1, "ALFA"}, {1000, "MIL"}, {1001, "MIL E UM"}, {1500, "FIM"}}));
    QCOMPARE(list.entries,
             (QStringList{"1 - ALFA", "1000 - MIL", "1001 - MIL E UM", "1500 - FIM"}));
    QCOMPARE(list.plantNames.size(), 1501);
    QCOMPARE(list.plantNames.at(1001), QStringLiteral("MIL E UM    "));
    QCOMPARE(list.plantNames.at(1500), QStringLiteral("FIM         "));
}

void TestPlantList::byName_data() {
    QTest::addColumn<QStringList>("byCode");
    QTest::addColumn<QStringList>("byName");

    QTest::newRow("two plants") << QStringList{"3 - BETA", "7 - ALFA"}
                                << QStringList{"ALFA (7)", "BETA (3)"};
    QTest::newRow("accents sort by the locale")
        << QStringList{"1 - ZETA", QString::fromUtf8("2 - ÉBANO"), "3 - ESTRELA",
                       QString::fromUtf8("4 - ÁGUA"), "5 - AZUL"}
        << QStringList{QString::fromUtf8("ÁGUA (4)"), "AZUL (5)", QString::fromUtf8("ÉBANO (2)"),
                       "ESTRELA (3)", "ZETA (1)"};
    QTest::newRow("case ignored, both kept") << QStringList{"7 - ALFA", "8 - BETA", "9 - alfa"}
                                             << QStringList{"ALFA (7)", "alfa (9)", "BETA (8)"};
    QTest::newRow("equal ignoring case listed once")
        << QStringList{"7 - ALFA", "7 - alfa", "8 - BETA"} << QStringList{"ALFA (7)", "BETA (8)"};
    QTest::newRow("hyphen in the name")
        << QStringList{"5 - SALTO-ALTO", "6 - SALTO"} << QStringList{"SALTO (6)", "SALTO-ALTO (5)"};
    QTest::newRow("whole entry compared, code included")
        << QStringList{"12 - ALFA", "3 - ALFA"} << QStringList{"ALFA (12)", "ALFA (3)"};
    QTest::newRow("empty") << QStringList{} << QStringList{};
}

void TestPlantList::byName() {
    QFETCH(QStringList, byCode);
    QFETCH(QStringList, byName);
    QCOMPARE(plantEntriesByName(byCode, brazilian()), byName);
}

// The collator passed in decides; under the C locale "É" sorts after "Z".
void TestPlantList::byNameUnderCLocale() {
    const QStringList byCode{"1 - ZETA", QString::fromUtf8("2 - ÉBANO")};
    QCOMPARE(plantEntriesByName(byCode, QCollator(QLocale::c())),
             (QStringList{"ZETA (1)", QString::fromUtf8("ÉBANO (2)")}));
}

void TestPlantList::codeText_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("byCode");
    QTest::addColumn<QString>("code");
    QTest::newRow("by code") << "12 - ALFA" << true << "12";
    QTest::newRow("by code, hyphen in name") << "5 - SALTO-ALTO" << true << "5";
    QTest::newRow("by code, no blank") << "320" << true << "320";
    QTest::newRow("by name") << "ALFA (12)" << false << "12";
    QTest::newRow("by name, parenthesis in the name") << "RIO (NOVO) (7)" << false << "7";
    QTest::newRow("by name, no parenthesis") << "ALFA" << false << "";
}

void TestPlantList::codeText() {
    QFETCH(QString, entry);
    QFETCH(bool, byCode);
    QFETCH(QString, code);
    QCOMPARE(codeTextOfEntry(entry, byCode), code);
}

QTEST_APPLESS_MAIN(TestPlantList)
#include "tst_PlantList.moc"

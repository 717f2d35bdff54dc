// The registry comparison: which records are compared, each differing element in the record's
// order with the CSV's label, and values that show the difference however small.

#include "RegistryFixtures.h"
#include "registry/PlantCodec.h"
#include "tools/RegistryDiff.h"

#include <QtTest>
#include <cstring>
#include <functional>

using RegistryFixtures::fullPlant;
using RegistryFixtures::registryBytes;

namespace {

using Edit = std::function<void(QByteArray&)>;

// The bits of a number at a field's offset (element index, 4 bytes each) set anew.
Edit setBits(const char* field, int element, std::uint32_t bits) {
    return [=](QByteArray& bytes) {
        const int at = plantFieldSpan(field).offset + 4 * element;
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = char((bits >> (8 * i)) & 0xFF);
    };
}
Edit setText(int offset, const char* text, int size) {
    const QByteArray bytes(text, size);
    return [=](QByteArray& record) { record.replace(offset, size, bytes); };
}
const Edit Nothing = [](QByteArray&) {};

std::uint32_t bitsOf(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, 4);
    return bits;
}

const QByteArray Base = encodePlant(fullPlant(QStringLiteral("ALFA")));

QStringList lines(const DiffReport& report, Language language = Language::Portuguese) {
    QStringList out;
    for (const DiffLine& line : report.lines)
        out << diffCells(line, language).join(u'\t');
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestRegistryDiff : public QObject {
    Q_OBJECT

private slots:
    void onePlant_data();
    void onePlant();
    void records_data();
    void records();
};

// One plant at code 1 in both files (after the common edit), the new one edited.
void TestRegistryDiff::onePlant_data() {
    QTest::addColumn<Edit>("common");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("lines");
    const QLocale c = QLocale::c();
    const QLocale comma(QLocale::Portuguese, QLocale::Brazil);
    const auto one = [](const char* rest) {
        return QStringList{QStringLiteral("1\tALFA\t") + rest};
    };
    QTest::newRow("same") << Nothing << Nothing << c << QStringList();
    // 22950 and the next float both export as "22950.00".
    QTest::newRow("one float bit") << Nothing << setBits("VolMax", 0, bitsOf(22950.0f) + 1) << c
                                   << one("Vol.Máx.(hm3)\t22950\t22950.002");
    QTest::newRow("export texts differ") << Nothing << setBits("VolMin", 0, bitsOf(1980.25f))
                                         << comma << one("Vol.min.(hm3)\t1974,50\t1980,25");
    QTest::newRow("exponent form") << Nothing << setBits("PCV", 1, bitsOf(3.5192e-3f) + 1) << c
                                   << one("PCV(1)\t0.00351920002\t0.00351920025");
    QTest::newRow("signed zero") << Nothing << setBits("VolDesv", 0, 0x80000000u) << c
                                 << one("Vol.Desv.(hm3)\t0x00000000\t0x80000000");
    QTest::newRow("NaN payloads") << setBits("VolVert", 0, 0x7fc00000u)
                                  << setBits("VolVert", 0, 0x7fc00001u) << c
                                  << one("Vol.Vert.(hm3)\t0x7fc00000\t0x7fc00001");
    // The export writes both as "Yes"; the comparison writes the integers.
    QTest::newRow("integer shown the same")
        << Nothing << setBits("InflVert", 0, 7) << c << one("Infl.Vert.Canal de Fuga\t1\t7");
    QTest::newRow("a count") << Nothing << setBits("NumConjMaq", 0, 2) << c
                             << one("Num.Conj.Máq.\t3\t2");
    QTest::newRow("the sixth polynomial")
        << Nothing << Edit([](QByteArray& b) {
               setBits("PolJus", 25, bitsOf(1.5f))(b);
               setBits("PolJusRef", 5, bitsOf(2.0f))(b);
           })
        << c
        << QStringList{"1\tALFA\tPJA0(6)\t0.000000E+00\t1.500000E+00",
                       "1\tALFA\tPJRM(6)\t0.00\t2.00"};
    QTest::newRow("a rename, record order")
        << Nothing << Edit([](QByteArray& b) {
               setBits("Jusante", 0, 2)(b);
               setText(0, "beta\0       ", 12)(b);
               setText(plantFieldSpan("Obs").offset, "Nova obs.\x01", 10)(b);
           })
        << c
        << QStringList{"1\tbeta\tUsina\tALFA        \tbeta\\x00       ", "1\tbeta\tJusante\t6\t2",
                       "1\tbeta\tObs\tDados revisados ap\u00f3s a cheia de mar\u00e7o      "
                       "\tNova obs.\\x01sados ap\u00f3s a cheia de mar\u00e7o      "};
}

void TestRegistryDiff::onePlant() {
    QFETCH(Edit, common);
    QFETCH(Edit, edit);
    QFETCH(QLocale, locale);
    QFETCH(QStringList, lines);
    QByteArray before = Base;
    common(before);
    QByteArray after = before;
    edit(after);
    const DiffReport report = diffRegistries(before, after, locale);
    QCOMPARE(::lines(report), lines);
    QCOMPARE(report.changed, lines.isEmpty() ? 0 : 1);
}

// Which codes are compared, as files of different lengths and contents.
void TestRegistryDiff::records_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("summary");
    const TUsinaHd a = fullPlant(QStringLiteral("A"));
    const TUsinaHd b = fullPlant(QStringLiteral("B"));
    TUsinaHd b2 = b;
    b2.Posto = 157;
    QByteArray nulSlots = registryBytes(3, {{1, a}});
    nulSlots.replace(RecordSize, RecordSize, QByteArray(RecordSize, '\0'));
    QTest::newRow("empty slots are not compared")
        << registryBytes(3, {{1, a}}) << nulSlots << QStringList()
        << "0 usinas diferentes (0 incluídas, 0 excluídas, 0 alteradas).";
    QTest::newRow("added and removed")
        << registryBytes(3, {{1, a}, {2, b}}) << registryBytes(3, {{1, a}, {3, b}})
        << QStringList{"2\tB\tUsina excluída", "3\tB\tUsina incluída"}
        << "2 usinas diferentes (1 incluída, 1 excluída, 0 alteradas).";
    QTest::newRow("longer and shorter")
        << registryBytes(4, {{2, b}, {4, a}}) << registryBytes(6, {{2, b2}, {6, a}})
        << QStringList{"2\tB\tPosto\t156\t157", "4\tA\tUsina excluída", "6\tA\tUsina incluída"}
        << "3 usinas diferentes (1 incluída, 1 excluída, 1 alterada).";
    // A trailing partial record is compared on the bytes it has: a number cut short is not.
    QTest::newRow("partial record")
        << registryBytes(2, {{2, b}}) << registryBytes(2, {{2, b2}}).left(RecordSize + 17)
        << QStringList{"2\tB\tPosto\t156\t157"}
        << "1 usina diferente (0 incluídas, 0 excluídas, 1 alterada).";
    QTest::newRow("partial record, the number cut")
        << registryBytes(2, {{2, b}}) << registryBytes(2, {{2, b2}}).left(RecordSize + 14)
        << QStringList() << "0 usinas diferentes (0 incluídas, 0 excluídas, 0 alteradas).";
}

void TestRegistryDiff::records() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, lines);
    QFETCH(QString, summary);
    const DiffReport report = diffRegistries(before, after, QLocale::c());
    QCOMPARE(::lines(report), lines);
    QCOMPARE(diffSummary(report, Language::Portuguese), summary);
}

QTEST_MAIN(TestRegistryDiff)
#include "tst_registrydiff.moc"

// The 792-byte record form: every field at its offset and width, little-endian, packed;
// floats bit for bit; records cut short.

#include "registry/PlantCodec.h"
#include "registry/TUsinaHd.h"

#include <QTest>
#include <cstring>

namespace {

std::uint32_t bitsOf(float f) {
    std::uint32_t u;
    std::memcpy(&u, &f, 4);
    return u;
}
float floatOf(std::uint32_t u) {
    float f;
    std::memcpy(&f, &u, 4);
    return f;
}

// Fills a field with distinct values, element by element, and appends to `expected` the
// bytes the file must hold for it: characters as they are, numbers little-endian.
struct Filler {
    QByteArray expected;
    int element = 0;
    void fill(char& c) {
        c = char('A' + element++ % 26);
        expected.append(c);
    }
    void putBits(std::uint32_t u) {
        for (int i = 0; i < 4; ++i)
            expected.append(char((u >> (8 * i)) & 0xFF));
    }
    // The four bytes of each number differ, so a swapped or shifted byte shows.
    std::uint32_t nextBits() {
        const std::uint32_t n = std::uint32_t(++element);
        return 0x41000000u | (n << 16) | ((n + 0x80) << 8) | (n + 0x20);
    }
    void fill(std::int32_t& v) {
        const std::uint32_t u = nextBits();
        v = std::int32_t(u);
        putBits(u);
    }
    void fill(float& v) {
        const std::uint32_t u = nextBits();
        v = floatOf(u);
        putBits(u);
    }
    template <class T, std::size_t N> void fill(std::array<T, N>& a) {
        for (auto& e : a)
            fill(e);
    }
};

} // namespace

class TestPlantCodec : public QObject {
    Q_OBJECT
private slots:
    void fieldAtItsOffset_data();
    void fieldAtItsOffset();
    void blankRecord();
    void floatsBitIdentical_data();
    void floatsBitIdentical();
    void recordCutShort_data();
    void recordCutShort();
    void freshPlantIsAllZero();
};

void TestPlantCodec::fieldAtItsOffset_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("size");
    const struct {
        const char* name;
        int offset, size;
    } table[] = {
        {"Nome", 0, 12},        {"Posto", 12, 4},        {"PostoBDH", 16, 8},
        {"Sistema", 24, 4},     {"Empresa", 28, 4},      {"Jusante", 32, 4},
        {"Desvio", 36, 4},      {"VolMin", 40, 4},       {"VolMax", 44, 4},
        {"VolVert", 48, 4},     {"VolDesv", 52, 4},      {"CotaMin", 56, 4},
        {"CotaMax", 60, 4},     {"PCV", 64, 20},         {"PAC", 84, 20},
        {"EvapMen", 104, 48},   {"NumConjMaq", 152, 4},  {"NumMaq", 156, 20},
        {"PotEf", 176, 20},     {"QHT", 196, 100},       {"QHG", 296, 100},
        {"PH", 396, 100},       {"HEf", 496, 20},        {"QEf", 516, 20},
        {"ProdEsp", 536, 4},    {"ValorPerdas", 540, 4}, {"NumPolsJus", 544, 4},
        {"PolJus", 548, 120},   {"PolJusRef", 668, 24},  {"CanalFugaMed", 692, 4},
        {"InflVert", 696, 4},   {"FatCargaMax", 700, 4}, {"FatCargaMin", 704, 4},
        {"VazMinHist", 708, 4}, {"NumUnidBase", 712, 4}, {"TipoTurbina", 716, 4},
        {"RepConj", 720, 4},    {"TEIF", 724, 4},        {"IP", 728, 4},
        {"TipoPerdas", 732, 4}, {"Data", 736, 8},        {"Obs", 744, 43},
        {"VolRef", 787, 4},     {"Reg", 791, 1},
    };
    int covered = 0;
    for (const auto& f : table) {
        QTest::newRow(f.name) << QString::fromLatin1(f.name) << f.offset << f.size;
        covered += f.size;
    }
    QCOMPARE(covered, RecordSize);
    QCOMPARE(RecordSize, 792);
}

// Only the field's bytes change, they sit at the offset in file order, and they read back.
void TestPlantCodec::fieldAtItsOffset() {
    QFETCH(QString, field);
    QFETCH(int, offset);
    QFETCH(int, size);

    TUsinaHd plant;
    Filler filler;
    bool found = false;
    forEachPlantField(plant, [&](const char* name, auto& value) {
        if (field == QLatin1String(name)) {
            filler.fill(value);
            found = true;
        }
    });
    QVERIFY(found);
    QCOMPARE(filler.expected.size(), size);

    const QByteArray bytes = encodePlant(plant);
    QCOMPARE(bytes.size(), RecordSize);
    QByteArray expected(RecordSize, '\0');
    expected.replace(offset, size, filler.expected);
    QCOMPARE(bytes.toHex(' '), expected.toHex(' '));

    const FieldSpan span = plantFieldSpan(field.toLatin1().constData());
    QCOMPARE(span.offset, offset);
    QCOMPARE(span.size, size);

    TUsinaHd back;
    decodePlant(bytes.constData(), std::size_t(bytes.size()), back);
    QVERIFY(samePlantBits(back, plant));
}

// A vacated slot: every integer reads 538976288, every float about 1.3563156E-19.
void TestPlantCodec::blankRecord() {
    const QByteArray blanks(RecordSize, ' ');
    TUsinaHd plant;
    decodePlant(blanks.constData(), RecordSize, plant);
    int ints = 0, floats = 0, chars = 0;
    const auto check = [&](const auto& self, const auto& v) -> void {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::int32_t>) {
            QCOMPARE(v, 538976288);
            ++ints;
        } else if constexpr (std::is_same_v<T, float>) {
            QCOMPARE(bitsOf(v), 0x20202020u);
            QVERIFY(qAbs(double(v) / 1.3563156e-19 - 1) < 1e-7);
            ++floats;
        } else if constexpr (std::is_same_v<T, char>) {
            QCOMPARE(v, ' ');
            ++chars;
        } else {
            for (const auto& e : v)
                self(self, e);
        }
    };
    forEachPlantField(plant, [&](const char*, const auto& v) { check(check, v); });
    QCOMPARE(chars, 12 + 8 + 8 + 43 + 1);
    QCOMPARE(4 * (ints + floats) + chars, RecordSize);
    QCOMPARE(encodePlant(plant), blanks);
}

void TestPlantCodec::floatsBitIdentical_data() {
    QTest::addColumn<quint32>("bits");
    QTest::newRow("1234.5") << quint32(0x449A5000);
    QTest::newRow("0.1") << bitsOf(0.1f);
    QTest::newRow("negative zero") << quint32(0x80000000);
    QTest::newRow("smallest subnormal") << quint32(0x00000001);
    QTest::newRow("negative subnormal") << quint32(0x807FFFFF);
    QTest::newRow("largest") << quint32(0x7F7FFFFF);
    QTest::newRow("infinity") << quint32(0x7F800000);
    QTest::newRow("minus infinity") << quint32(0xFF800000);
    QTest::newRow("quiet NaN with payload") << quint32(0x7FC12345);
    QTest::newRow("signalling NaN") << quint32(0x7F800001);
    QTest::newRow("negative NaN") << quint32(0xFFFFFFFF);
}

// Through VolRef at the odd offset 787 and through an element of a two-dimensional array.
void TestPlantCodec::floatsBitIdentical() {
    QFETCH(quint32, bits);
    TUsinaHd plant;
    plant.VolRef = floatOf(bits);
    plant.PolJus[5][4] = floatOf(bits);
    plant.Reg = 'D';
    const QByteArray bytes = encodePlant(plant);
    QCOMPARE(quint8(bytes[787]), quint8(bits & 0xFF));
    QCOMPARE(quint8(bytes[790]), quint8(bits >> 24));
    QCOMPARE(bytes[791], 'D');
    TUsinaHd back;
    decodePlant(bytes.constData(), RecordSize, back);
    QCOMPARE(bitsOf(back.VolRef), bits);
    QCOMPARE(bitsOf(back.PolJus[5][4]), bits);
    QCOMPARE(bytes.mid(548 + 29 * 4, 4), bytes.mid(787, 4));
}

void TestPlantCodec::recordCutShort_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("postoRead");
    QTest::addColumn<bool>("volMinRead");
    QTest::addColumn<bool>("volMaxRead");
    QTest::addColumn<bool>("regRead");
    QTest::newRow("nothing") << 0 << false << false << false << false;
    QTest::newRow("half a name") << 6 << false << false << false << false;
    QTest::newRow("name and two bytes") << 14 << false << false << false << false;
    QTest::newRow("VolMax half there") << 46 << true << true << false << false;
    QTest::newRow("all but Reg") << 791 << true << true << true << false;
    QTest::newRow("whole") << 792 << true << true << true << true;
}

// Only the fields whose bytes exist are filled; a character field byte by byte.
void TestPlantCodec::recordCutShort() {
    QFETCH(int, size);
    QFETCH(bool, postoRead);
    QFETCH(bool, volMinRead);
    QFETCH(bool, volMaxRead);
    QFETCH(bool, regRead);

    TUsinaHd source;
    std::memcpy(source.Nome.data(), "RIO LONGO   ", 12);
    source.Posto = 77;
    source.VolMin = 10.5f;
    source.VolMax = 99.25f;
    source.Reg = 'S';
    const QByteArray bytes = encodePlant(source);

    TUsinaHd plant;
    std::memcpy(plant.Nome.data(), "xxxxxxxxxxxx", 12);
    plant.Posto = -1;
    plant.VolMin = -2;
    plant.VolMax = -3;
    plant.Reg = 'x';
    decodePlant(bytes.constData(), std::size_t(size), plant);

    const int nameBytes = std::min(size, 12);
    QCOMPARE(QByteArray(plant.Nome.data(), 12),
             QByteArray("RIO LONGO   ").left(nameBytes) + QByteArray(12 - nameBytes, 'x'));
    QCOMPARE(plant.Posto, postoRead ? 77 : -1);
    QCOMPARE(plant.VolMin, volMinRead ? 10.5f : -2.0f);
    QCOMPARE(plant.VolMax, volMaxRead ? 99.25f : -3.0f);
    QCOMPARE(plant.Reg, regRead ? 'S' : 'x');
}

void TestPlantCodec::freshPlantIsAllZero() {
    QCOMPARE(encodePlant(TUsinaHd{}), QByteArray(RecordSize, '\0'));
}

QTEST_APPLESS_MAIN(TestPlantCodec)
#include "tst_PlantCodec.moc"

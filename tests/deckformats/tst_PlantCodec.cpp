// Both record forms (792 and 832 bytes): every field at its offset and width, little-endian,
// packed; floats and doubles bit for bit; records cut short; exact widening and narrowing.

#include "registry/PlantCodec.h"
#include "registry/TUsinaHd.h"

#include <QTest>
#include <bit>
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
    bool wide = false; // the 832-byte form
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
    // A coefficient: 8 bytes of its own in the 832 form, a float's 4 in the 792 form.
    void fill(double& v) {
        const std::uint32_t u = nextBits();
        if (!wide) {
            v = double(floatOf(u));
            putBits(u);
            return;
        }
        const std::uint64_t w = (std::uint64_t(u) << 32) | (u ^ 0x5A5A5A5Au);
        v = std::bit_cast<double>(w);
        putBits(std::uint32_t(w));
        putBits(std::uint32_t(w >> 32));
    }
    template <class T, std::size_t N> void fill(std::array<T, N>& a) {
        for (auto& e : a)
            fill(e);
    }
};

RecordForm formOf(int bytes) {
    return bytes == 832 ? RecordForm::Bytes832 : RecordForm::Bytes792;
}

// Past CotaMax the 832 form is 40 bytes further on.
int shifted(int offset792, int form) {
    return form == 832 && offset792 > 64 ? offset792 + 40 : offset792;
}

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
    void wideBitsKept_data();
    void wideBitsKept();
    void narrowing_data();
    void narrowing();
    void formOfSize_data();
    void formOfSize();
    void convertAndBack();
};

void TestPlantCodec::fieldAtItsOffset_data() {
    QTest::addColumn<int>("form");
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
    for (const int form : {792, 832}) {
        int covered = 0;
        for (const auto& f : table) {
            const bool coefficients = f.offset == 64 || f.offset == 84;
            const int size = form == 832 && coefficients ? 2 * f.size : f.size;
            const int offset = f.offset == 84 && form == 832 ? 104 : shifted(f.offset, form);
            QTest::addRow("%d %s", form, f.name)
                << form << QString::fromLatin1(f.name) << offset << size;
            covered += size;
        }
        QCOMPARE(covered, form);
        QCOMPARE(recordSize(formOf(form)), form);
    }
}

// Only the field's bytes change, they sit at the offset in file order, and they read back.
void TestPlantCodec::fieldAtItsOffset() {
    QFETCH(int, form);
    QFETCH(QString, field);
    QFETCH(int, offset);
    QFETCH(int, size);

    TUsinaHd plant;
    Filler filler;
    filler.wide = form == 832;
    bool found = false;
    forEachPlantField(plant, [&](const char* name, auto& value) {
        if (field == QLatin1String(name)) {
            filler.fill(value);
            found = true;
        }
    });
    QVERIFY(found);
    QCOMPARE(filler.expected.size(), size);

    const QByteArray bytes = encodePlant(plant, formOf(form));
    QCOMPARE(bytes.size(), form);
    QByteArray expected(form, '\0');
    expected.replace(offset, size, filler.expected);
    QCOMPARE(bytes.toHex(' '), expected.toHex(' '));

    const FieldSpan span = plantFieldSpan(field.toLatin1().constData(), formOf(form));
    QCOMPARE(span.offset, offset);
    QCOMPARE(span.size, size);

    TUsinaHd back;
    decodePlant(bytes.constData(), std::size_t(bytes.size()), back, formOf(form));
    QVERIFY(samePlantBits(back, plant));
}

// A vacated slot: every integer reads 538976288, every float about 1.3563156E-19, in either
// form (the 832 form's coefficients are eight blanks).
void TestPlantCodec::blankRecord() {
    for (const int form : {792, 832}) {
        const QByteArray blanks(form, ' ');
        TUsinaHd plant;
        decodePlant(blanks.constData(), std::size_t(form), plant, formOf(form));
        int ints = 0, floats = 0, doubles = 0, chars = 0;
        const auto check = [&](const auto& self, const auto& v) -> void {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::int32_t>) {
                QCOMPARE(v, 538976288);
                ++ints;
            } else if constexpr (std::is_same_v<T, float>) {
                QCOMPARE(bitsOf(v), 0x20202020u);
                QVERIFY(qAbs(double(v) / 1.3563156e-19 - 1) < 1e-7);
                ++floats;
            } else if constexpr (std::is_same_v<T, double>) {
                if (form == 832)
                    QCOMPARE(std::bit_cast<std::uint64_t>(v), 0x2020202020202020ull);
                else
                    QCOMPARE(bitsOf(narrowExact(v)), 0x20202020u);
                ++doubles;
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
        QCOMPARE(doubles, 10);
        QCOMPARE(4 * (ints + floats) + (form == 832 ? 8 : 4) * doubles + chars, form);
        QCOMPARE(encodePlant(plant, formOf(form)), blanks);
    }
}

void TestPlantCodec::floatsBitIdentical_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<quint32>("bits");
    for (const int form : {792, 832}) {
        const auto row = [form](const char* name) -> QTestData& {
            return QTest::addRow("%d %s", form, name) << form;
        };
        row("1234.5") << quint32(0x449A5000);
        row("0.1") << bitsOf(0.1f);
        row("negative zero") << quint32(0x80000000);
        row("smallest subnormal") << quint32(0x00000001);
        row("negative subnormal") << quint32(0x807FFFFF);
        row("largest") << quint32(0x7F7FFFFF);
        row("infinity") << quint32(0x7F800000);
        row("minus infinity") << quint32(0xFF800000);
        row("quiet NaN with payload") << quint32(0x7FC12345);
        row("signalling NaN") << quint32(0x7F800001);
        row("negative NaN") << quint32(0xFFFFFFFF);
    }
}

// Through VolRef at the odd offset 787 (827), through an element of a two-dimensional array,
// and through a coefficient, which the 792 form widens and narrows by hand.
void TestPlantCodec::floatsBitIdentical() {
    QFETCH(int, form);
    QFETCH(quint32, bits);
    TUsinaHd plant;
    plant.VolRef = floatOf(bits);
    plant.PolJus[5][4] = floatOf(bits);
    plant.PAC[3] = widenExact(floatOf(bits));
    plant.Reg = 'D';
    const QByteArray bytes = encodePlant(plant, formOf(form));
    const int volRef = shifted(787, form);
    QCOMPARE(quint8(bytes[volRef]), quint8(bits & 0xFF));
    QCOMPARE(quint8(bytes[volRef + 3]), quint8(bits >> 24));
    QCOMPARE(bytes[form - 1], 'D');
    if (form == 792)
        QCOMPARE(bytes.mid(84 + 3 * 4, 4), bytes.mid(787, 4));
    TUsinaHd back;
    decodePlant(bytes.constData(), std::size_t(form), back, formOf(form));
    QCOMPARE(bitsOf(back.VolRef), bits);
    QCOMPARE(bitsOf(back.PolJus[5][4]), bits);
    QCOMPARE(bitsOf(narrowExact(back.PAC[3])), bits);
    QVERIFY(samePlantBits(back, plant));
    QCOMPARE(bytes.mid(shifted(548, form) + 29 * 4, 4), bytes.mid(volRef, 4));
}

void TestPlantCodec::recordCutShort_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("postoRead");
    QTest::addColumn<bool>("volMinRead");
    QTest::addColumn<bool>("volMaxRead");
    QTest::addColumn<bool>("regRead");
    for (const int form : {792, 832}) {
        const auto row = [form](const char* name, int size792) -> QTestData& {
            return QTest::addRow("%d %s", form, name) << form << shifted(size792, form);
        };
        row("nothing", 0) << false << false << false << false;
        row("half a name", 6) << false << false << false << false;
        row("name and two bytes", 14) << false << false << false << false;
        row("VolMax half there", 46) << true << true << false << false;
        row("all but Reg", 791) << true << true << true << false;
        row("whole", 792) << true << true << true << true;
    }
}

// Only the fields whose bytes exist are filled; a character field byte by byte.
void TestPlantCodec::recordCutShort() {
    QFETCH(int, form);
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
    const QByteArray bytes = encodePlant(source, formOf(form));

    TUsinaHd plant;
    std::memcpy(plant.Nome.data(), "xxxxxxxxxxxx", 12);
    plant.Posto = -1;
    plant.VolMin = -2;
    plant.VolMax = -3;
    plant.Reg = 'x';
    decodePlant(bytes.constData(), std::size_t(size), plant, formOf(form));

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
    QCOMPARE(encodePlant(TUsinaHd{}, RecordForm::Bytes832), QByteArray(WideRecordSize, '\0'));
}

void TestPlantCodec::wideBitsKept_data() {
    QTest::addColumn<quint64>("bits");
    QTest::newRow("0.1") << std::bit_cast<quint64>(0.1);
    QTest::newRow("negative zero") << quint64(0x8000000000000000ull);
    QTest::newRow("smallest subnormal") << quint64(1);
    QTest::newRow("largest") << quint64(0x7FEFFFFFFFFFFFFFull);
    QTest::newRow("signalling NaN, low payload") << quint64(0x7FF0000000000001ull);
    QTest::newRow("negative quiet NaN with payload") << quint64(0xFFF8000000012345ull);
}

// A 64-bit coefficient read and written back in the 832 form keeps every bit.
void TestPlantCodec::wideBitsKept() {
    QFETCH(quint64, bits);
    TUsinaHd plant;
    plant.PCV[4] = std::bit_cast<double>(bits);
    const QByteArray bytes = encodePlant(plant, RecordForm::Bytes832);
    TUsinaHd back;
    decodePlant(bytes.constData(), WideRecordSize, back, RecordForm::Bytes832);
    QCOMPARE(std::bit_cast<quint64>(back.PCV[4]), bits);
    QCOMPARE(encodePlant(back, RecordForm::Bytes832), bytes);
}

void TestPlantCodec::narrowing_data() {
    QTest::addColumn<quint64>("wide");
    QTest::addColumn<quint32>("narrow");
    QTest::addColumn<bool>("kept");
    QTest::newRow("0.5 fits") << std::bit_cast<quint64>(0.5) << bitsOf(0.5f) << true;
    QTest::newRow("0.1 rounds") << std::bit_cast<quint64>(0.1) << bitsOf(0.1f) << false;
    QTest::newRow("too large: infinity")
        << std::bit_cast<quint64>(1e300) << quint32(0x7F800000) << false;
    QTest::newRow("signalling NaN payload fits")
        << (quint64(0x7FF0000000000000ull) | (quint64(0x12345) << 29)) << quint32(0x7F812345)
        << true;
    QTest::newRow("NaN payload below 32 bits stays a NaN")
        << quint64(0x7FF0000000000001ull) << quint32(0x7F800001) << false;
}

void TestPlantCodec::narrowing() {
    QFETCH(quint64, wide);
    QFETCH(quint32, narrow);
    QFETCH(bool, kept);
    bool wasKept = !kept;
    QCOMPARE(bitsOf(narrowExact(std::bit_cast<double>(wide), &wasKept)), narrow);
    QCOMPARE(wasKept, kept);
    if (kept)
        QCOMPARE(std::bit_cast<quint64>(widenExact(floatOf(narrow))), wide);
}

void TestPlantCodec::formOfSize_data() {
    QTest::addColumn<qint64>("size");
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("ambiguous");
    QTest::newRow("320 x 792") << qint64(253440) << 792 << false;
    QTest::newRow("600 x 792") << qint64(475200) << 792 << false;
    QTest::newRow("320 x 832") << qint64(266240) << 832 << false;
    QTest::newRow("600 x 832") << qint64(499200) << 832 << false;
    QTest::newRow("both: 82368") << qint64(82368) << 792 << true;
    QTest::newRow("neither: a partial record") << qint64(832 * 3 + 10) << 792 << false;
    QTest::newRow("empty") << qint64(0) << 792 << false;
}

void TestPlantCodec::formOfSize() {
    QFETCH(qint64, size);
    QFETCH(int, form);
    QFETCH(bool, ambiguous);
    QCOMPARE(recordSize(::formOfSize(size)), form);
    QCOMPARE(isAmbiguousSize(size), ambiguous);
    QCOMPARE(resolveForm(RecordForm::Bytes832, size), RecordForm::Bytes832);
}

// 792 -> 832 -> 792 gives the same bytes, blank and NUL slots and a signalling NaN included.
void TestPlantCodec::convertAndBack() {
    TUsinaHd p;
    std::memcpy(p.Nome.data(), "ALFA        ", 12);
    p.PCV = {301.5, -0.25, double(0.001f), 0, -0.0};
    p.PAC[0] = widenExact(floatOf(0x7F800123));
    p.Reg = 'M';
    const QByteArray narrow =
        encodePlant(p) + QByteArray(792, ' ') + QByteArray(792, '\0') + encodePlant(p);
    const QByteArray wide = convertRegistry(narrow, RecordForm::Bytes792, RecordForm::Bytes832);
    QCOMPARE(wide.size(), 4 * 832);
    QCOMPARE(wide.mid(832, 832), QByteArray(832, ' '));
    QCOMPARE(convertRegistry(wide, RecordForm::BySize, RecordForm::Bytes792), narrow);
}

QTEST_APPLESS_MAIN(TestPlantCodec)
#include "tst_PlantCodec.moc"

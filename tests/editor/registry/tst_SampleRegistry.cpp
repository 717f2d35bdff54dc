// The bundled sample registry holds what the program's own tests and demonstrations lean
// on: gaps, a vacated slot, a downstream chain, a deviation, every regulation letter, one to
// five machine sets and one to six downstream polynomials.

#include "ScriptedDialogs.h"
#include "registry/LookupLists.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "registry/TCadHd.h"

#include <QFile>
#include <QSet>
#include <QTest>
#include <cmath>

class TestSampleRegistry : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void layout();
    void plantsArePlausible();
    void linksPointAtPlants();
    void coversTheCases();

private:
    QByteArray m_bytes;
    QList<QPair<int, TUsinaHd>> m_plants; // the listed ones, by code
    TUsinaHd plant(int code) const {
        TUsinaHd p;
        decodePlant(m_bytes.constData() + qsizetype(code - 1) * RecordSize, RecordSize, p);
        return p;
    }
};

void TestSampleRegistry::initTestCase() {
    QFile file(QStringLiteral(QUILLMARK_SAMPLES_DIR "/HIDR.DAT"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    m_bytes = file.readAll();
    for (int code = 1; code <= m_bytes.size() / RecordSize; ++code) {
        const char first = m_bytes.at(qsizetype(code - 1) * RecordSize);
        if (first != ' ' && first != '\0')
            m_plants.append({code, plant(code)});
    }
}

void TestSampleRegistry::layout() {
    QCOMPARE(m_bytes.size(), 320 * RecordSize);
    const PlantList list = plantListFromBytes(m_bytes);
    QCOMPARE(list.entries.size(), m_plants.size());
    QVERIFY(m_plants.size() >= 18 && m_plants.size() <= 24);
    QCOMPARE(list.entries.last(), QStringLiteral("320 - FIM DO RIO"));
    QCOMPARE(m_bytes.mid(99 * RecordSize, RecordSize), QByteArray(RecordSize, ' '));
    // A plant whose name starts with a blank: named, not listed.
    bool blankStart = false;
    for (int code = 1; code <= 320; ++code)
        blankStart |= list.plantNames.at(code).startsWith(u' ') &&
                      !list.plantNames.at(code).trimmed().isEmpty();
    QVERIFY(blankStart);
    // Codes have gaps.
    QVERIFY(m_plants.last().first - m_plants.first().first + 1 > m_plants.size());

    // The registry reads through the access object as well.
    ScriptedDialogs dialogs;
    TUsinaHd last;
    TCadHd(dialogs).ReadPlant(320, last, QStringLiteral(QUILLMARK_SAMPLES_DIR "/HIDR.DAT"));
    QVERIFY(samePlantBits(last, plant(320)));
    QVERIFY(dialogs.boxes.isEmpty());
}

void TestSampleRegistry::plantsArePlausible() {
    LookupLists lists;
    lists.setDefaults();
    for (const auto& [code, p] : m_plants) {
        const QByteArray where = "plant " + QByteArray::number(code);
        QVERIFY2(QByteArray("MSD").contains(p.Reg), where);
        QVERIFY2(p.NumConjMaq >= 1 && p.NumConjMaq <= 5, where);
        QVERIFY2(p.NumPolsJus >= 1 && p.NumPolsJus <= 6, where);
        QVERIFY2(!lists.SystemNames.at(p.Sistema).isEmpty(), where);
        QVERIFY2(!LookupLists::entry(lists.CompanyNames, p.Empresa).isEmpty(), where);
        QVERIFY2(!LookupLists::entry(lists.TurbineNames, p.TipoTurbina).isEmpty(), where);
        QVERIFY2(p.VolMin > 0 && p.VolMin <= p.VolMax, where);
        QVERIFY2(p.CotaMin > p.CanalFugaMed && p.CotaMin <= p.CotaMax, where);
        QVERIFY2(p.ProdEsp > 0.008f && p.ProdEsp < 0.0095f, where);
        QVERIFY2(p.FatCargaMin < p.FatCargaMax && p.FatCargaMax <= 100, where);
        QVERIFY2(p.TipoPerdas >= 1 && p.TipoPerdas <= 3 && p.RepConj >= 0 && p.RepConj <= 2, where);
        for (int s = 0; s < p.NumConjMaq; ++s)
            QVERIFY2(p.NumMaq[s] > 0 && p.PotEf[s] > 0 && p.QEf[s] > 0 && p.HEf[s] > 0, where);
        // Level from volume at the top of the range: close to the maximum level.
        double level = 0;
        for (int k = 4; k >= 0; --k)
            level = level * p.VolMax + p.PCV[k];
        QVERIFY2(std::fabs(level - p.CotaMax) < 0.5, where);
    }
}

void TestSampleRegistry::linksPointAtPlants() {
    QSet<int> named;
    const QStringList names = plantListFromBytes(m_bytes).plantNames;
    for (int code = 1; code <= 320; ++code)
        if (!names.at(code).trimmed().isEmpty())
            named.insert(code);
    int chainLength = 0, deviations = 0;
    for (const auto& [code, p] : m_plants) {
        QVERIFY(p.Jusante == 0 || named.contains(p.Jusante));
        QVERIFY(p.Desvio == 0 || named.contains(p.Desvio));
        deviations += p.Desvio != 0;
        int length = 0;
        for (int next = p.Jusante; next != 0 && length < 320; next = plant(next).Jusante)
            ++length;
        QVERIFY(length < 320); // no loop
        chainLength = std::max(chainLength, length);
    }
    QVERIFY(chainLength >= 3);
    QVERIFY(deviations >= 1);
}

void TestSampleRegistry::coversTheCases() {
    QSet<int> sets, polynomials;
    QSet<char> regs;
    bool accented = false, lowerCase = false, hyphen = false;
    for (const auto& [code, p] : m_plants) {
        sets.insert(p.NumConjMaq);
        polynomials.insert(p.NumPolsJus);
        regs.insert(p.Reg);
        for (char c : p.Nome) {
            accented |= static_cast<unsigned char>(c) >= 0xC0;
            lowerCase |= c >= 'a' && c <= 'z';
            hyphen |= c == '-';
        }
    }
    QCOMPARE(sets, (QSet<int>{1, 2, 3, 4, 5}));
    QCOMPARE(polynomials, (QSet<int>{1, 2, 3, 4, 5, 6}));
    QCOMPARE(regs, (QSet<char>{'M', 'S', 'D'}));
    QVERIFY(accented);
    QVERIFY(lowerCase);
    QVERIFY(hyphen);
}

QTEST_GUILESS_MAIN(TestSampleRegistry)
#include "tst_SampleRegistry.moc"

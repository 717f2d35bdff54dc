// A plant as the window shows it: every box and grid cell, under a point and a comma
// decimal separator, and the codes and counts that lie outside their lists.

#include "registry/LookupLists.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "registry/PlantTexts.h"

#include <QTest>
#include <cstring>

namespace {

const QLocale Brazil(QLocale::Portuguese, QLocale::Brazil);

template <std::size_t N> void setBytes(std::array<char, N>& field, const char* bytes) {
    field.fill(' ');
    std::memcpy(field.data(), bytes, std::min(N, std::strlen(bytes)));
}

TUsinaHd knownPlant() {
    TUsinaHd p;
    std::memcpy(p.Nome.data(),
                "vau da on\xE7"
                "a\0",
                12);
    p.Posto = 4321;
    setBytes(p.PostoBDH, "60011000");
    p.Sistema = 2;
    p.Empresa = 19;
    p.Jusante = 6;
    p.Desvio = 0;
    p.VolMin = 1234.5f;
    p.VolMax = 22950.0f;
    p.VolVert = 22389.25f;
    p.VolDesv = 0.0f;
    p.CotaMin = 742.5f;
    p.CotaMax = 768.06f;
    p.PCV = {735.1f, 0.001825f, -1.695e-08f, 0.0f, 1e-20f};
    p.PAC = {-210.3f, 0.3133f, 0.000376f, -4.7e-07f, 0.0f};
    p.EvapMen = {-10, -3, -6, 24, 64, 83, 102, 113, 90, 36, 5, -8};
    p.NumConjMaq = 2;
    p.NumMaq = {6, 2, 9, 9, 9};
    p.PotEf = {216.0f, 80.04f, 9, 9, 9};
    p.QHT[0] = {148.0f, 2.7f, -0.0072f, 0, 0};
    p.QHG[1] = {1, 2, 3, 4, 5};
    p.PH[1] = {0, 2.197802f, 3.5e-4f, -7.5e-07f, 0};
    p.QHT[2] = {9, 9, 9, 9, 9}; // beyond the count: not shown
    p.HEf = {90.2f, 36.4f, 9, 9, 9};
    p.QEf = {269, 245, 9, 9, 9};
    p.ProdEsp = 0.0087f;
    p.ValorPerdas = 1.2f;
    p.NumPolsJus = 2;
    p.PolJus[0] = {669.8f, 0.0021f, -1.8e-07f, 9.5e-12f, -2e-16f};
    p.PolJus[1] = {670.6f, 0.00105f, 0, 0, 0};
    p.PolJusRef = {671.3f, 672.55f, 9, 9, 9, 9};
    p.CanalFugaMed = 671.3f;
    p.InflVert = 7;
    p.FatCargaMax = 100.0f;
    p.FatCargaMin = 35.5f;
    p.VazMinHist = 310;
    p.NumUnidBase = 2;
    p.TipoTurbina = 3;
    p.RepConj = 1;
    p.TEIF = 1.625f;
    p.IP = 3.25f;
    p.TipoPerdas = 2;
    setBytes(p.Data, "14/03/03");
    setBytes(p.Obs, "Reserva de 1.5 hm3; revis\xE3o");
    p.VolRef = 20145.0f;
    p.Reg = 'D';
    return p;
}

LookupLists defaultLists() {
    LookupLists lists;
    lists.setDefaults();
    return lists;
}

QStringList knownPlantNames() {
    QStringList names = PlantList::emptyPlantNames();
    names[6] = QStringLiteral("SALTO-BREVE ");
    names[58] = QStringLiteral(" IPÊ ROXO   ");
    names[59] = QString::fromLatin1("ALFA\0\0\0\0\0\0\0\0", 12);
    return names;
}

} // namespace

class TestPlantTexts : public QObject {
    Q_OBJECT
private slots:
    void boxes_data();
    void boxes();
    void everyBoxFilled();
    void grids_data();
    void grids();
    void freshPlant();
    void blankRecord();
    void codesOutsideTheLists_data();
    void codesOutsideTheLists();
    void rowCounts_data();
    void rowCounts();
};

void TestPlantTexts::boxes_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("point");
    QTest::addColumn<QString>("comma");

    const auto same = [](const char* box, const QString& text) {
        QTest::newRow(box) << QString::fromLatin1(box) << text << text;
    };
    const auto number = [](const char* box, const char* text) {
        QTest::newRow(box) << QString::fromLatin1(box) << QString::fromUtf8(text)
                           << QString::fromUtf8(text).replace(u'.', u',');
    };
    same("TXT_Nome", QString::fromUtf8("VAU DA ONÇA"));
    same("TXT_Posto", "4321");
    same("TXT_Posto_BDH", "60011000");
    same("TXT_SistUsi", "2 - Sul");
    same("TXT_Empresa", "19 - Furnas");
    same("TXT_Jusante", "6 - SALTO-BREVE ");
    same("TXT_Desvio", QString::fromUtf8("0 - NÃO HÁ"));
    number("TXT_VMin", "1234.50   hm3");
    number("TXT_VMax", "22950.00   hm3");
    number("TXT_V_Vert", "22389.25   hm3");
    number("TXT_V_CDesv", "0.00   hm3");
    number("TXT_V_Ref", "20145.00   hm3");
    number("TXT_YMin", "742.50   m");
    number("TXT_Ymax", "768.06   m");
    number("TXT_Resp", "0.008700 MW/m3/s/m");
    number("TXT_Phd", "1.20");
    number("TXT_JusNom", "671.30 m");
    same("TXT_VICF", "1 - Yes");
    number("TXT_FatCgMax", "100.00 %");
    number("TXT_FatCgMin", "35.50 %");
    same("TXT_QNaMH", "310 m3/s");
    same("TXT_N_UBase", "2");
    same("TXT_Tipo_Turb", "3 - Pelton");
    same("TXT_RepGrGer", "1 - Det.");
    number("TXT_TxSForc", "1.625 %");
    number("TXT_TxIndProg", "3.250 %");
    same("TXT_TpPerda", "2 - m");
    same("TXT_NKeyCur", "2");
    same("TXT_NGrMaq", "2");
    same("TXT_Data", "14/03/03");
    same("TXT_Obs", QString::fromUtf8("Reserva de 1.5 hm3; revisão") + QString(16, u' '));
    same("TXT_reg", QString::fromUtf8("D - Diária"));
}

void TestPlantTexts::boxes() {
    QFETCH(QString, box);
    QFETCH(QString, point);
    QFETCH(QString, comma);
    const LookupLists lists = defaultLists();
    const QStringList names = knownPlantNames();
    QCOMPARE(plantDisplayTexts(knownPlant(), lists, names, QLocale::c()).box(box), point);
    QCOMPARE(plantDisplayTexts(knownPlant(), lists, names, Brazil).box(box), comma);
}

// Every box of the record has a text; no other name is filled.
void TestPlantTexts::everyBoxFilled() {
    const PlantTexts t =
        plantDisplayTexts(knownPlant(), defaultLists(), knownPlantNames(), QLocale::c());
    QCOMPARE(plantBoxNames().size(), 32);
    QStringList keys = t.boxes.keys();
    keys.sort();
    QStringList expected = plantBoxNames();
    expected.sort();
    QCOMPARE(keys, expected);
}

void TestPlantTexts::grids_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("point");

    const auto cell = [](const char* grid, int row, int column, const char* text) {
        QTest::addRow("%s(%d,%d)", grid, row, column)
            << QString::fromLatin1(grid) << row << column << QString::fromLatin1(text);
    };
    cell("PCVA", 0, 0, "7.351000E+02");
    cell("PCVA", 0, 1, "1.825000E-03");
    cell("PCVA", 0, 2, "-1.695000E-08");
    cell("PCVA", 0, 3, "0.000000E+00");
    cell("PCVA", 0, 4, "1.000000E-20");
    cell("PCVA", 1, 0, "-2.103000E+02");
    cell("PCVA", 1, 3, "-4.700000E-07");
    cell("EvapM", 0, 0, "-10");
    cell("EvapM", 0, 7, "113");
    cell("EvapM", 0, 11, "-8");
    cell("ConjMaq1", 0, 0, "1");
    cell("ConjMaq1", 0, 1, "6");
    cell("ConjMaq1", 0, 2, "216.0");
    cell("ConjMaq1", 0, 3, "269");
    cell("ConjMaq1", 0, 4, "90.20");
    cell("ConjMaq1", 1, 0, "2");
    cell("ConjMaq1", 1, 2, "80.0");
    cell("ConjMaq1", 1, 4, "36.40");
    cell("ConjMaq2", 0, 0, "1");
    cell("ConjMaq2", 0, 1, "QHT");
    cell("ConjMaq2", 0, 2, "1.480000E+02");
    cell("ConjMaq2", 0, 4, "-7.200000E-03");
    cell("ConjMaq2", 1, 1, "QHG");
    cell("ConjMaq2", 2, 1, "PH");
    cell("ConjMaq2", 3, 0, "2");
    cell("ConjMaq2", 3, 1, "QHT");
    cell("ConjMaq2", 4, 1, "QHG");
    cell("ConjMaq2", 4, 6, "5.000000E+00");
    cell("ConjMaq2", 5, 0, "2");
    cell("ConjMaq2", 5, 1, "PH");
    cell("ConjMaq2", 5, 3, "2.197802E+00");
    cell("PolsJus", 0, 0, "1");
    cell("PolsJus", 0, 1, "6.698000E+02");
    cell("PolsJus", 0, 5, "-2.000000E-16");
    cell("PolsJus", 0, 6, "671.30");
    cell("PolsJus", 1, 0, "2");
    cell("PolsJus", 1, 2, "1.050000E-03");
    cell("PolsJus", 1, 6, "672.55");
}

void TestPlantTexts::grids() {
    QFETCH(QString, grid);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, point);
    const auto pick = [&](const PlantTexts& t) -> const GridTexts& {
        return grid == QLatin1String("PCVA")       ? t.PCVA
               : grid == QLatin1String("EvapM")    ? t.EvapM
               : grid == QLatin1String("ConjMaq1") ? t.ConjMaq1
               : grid == QLatin1String("ConjMaq2") ? t.ConjMaq2
                                                   : t.PolsJus;
    };
    const LookupLists lists = defaultLists();
    const QStringList names = knownPlantNames();
    const PlantTexts c = plantDisplayTexts(knownPlant(), lists, names, QLocale::c());
    const PlantTexts br = plantDisplayTexts(knownPlant(), lists, names, Brazil);
    QCOMPARE(pick(c).at(row, column), point);
    QCOMPARE(pick(br).at(row, column), QString(point).replace(u'.', u','));
    QCOMPARE(c.ConjMaq1.rows, 2);
    QCOMPARE(c.ConjMaq2.rows, 6);
    QCOMPARE(c.PolsJus.rows, 2);
    QCOMPARE(c.PCVA.columns * c.PCVA.rows, 10);
    QCOMPARE(c.EvapM.columns, 12);
}

// A plant that was never read: zeros, an empty name, "0 - " and the names of code 0.
void TestPlantTexts::freshPlant() {
    const PlantTexts t =
        plantDisplayTexts(TUsinaHd{}, defaultLists(), PlantList::emptyPlantNames(), Brazil);
    QCOMPARE(t.box("TXT_Nome"), QString());
    QCOMPARE(t.box("TXT_Posto"), QStringLiteral("0"));
    QCOMPARE(t.box("TXT_SistUsi"), QStringLiteral("0 - "));
    QCOMPARE(t.box("TXT_Tipo_Turb"), QString::fromUtf8("0 - NÃO HÁ"));
    QCOMPARE(t.box("TXT_Jusante"), QString::fromUtf8("0 - NÃO HÁ"));
    QCOMPARE(t.box("TXT_VMax"), QStringLiteral("0,00   hm3"));
    QCOMPARE(t.box("TXT_reg"), QString());
    QCOMPARE(t.box("TXT_VICF"), QStringLiteral("0 - No"));
    QCOMPARE(t.box("TXT_RepGrGer"), QStringLiteral("0 - Aprox."));
    QCOMPARE(t.box("TXT_TpPerda"), QString());
    QCOMPARE(t.PCVA.at(1, 4), QStringLiteral("0,000000E+00"));
    QCOMPARE(t.ConjMaq1.rows, 1);
    QCOMPARE(t.ConjMaq1.at(0, 0), QString());
    QCOMPARE(t.ConjMaq2.rows, 1);
    QCOMPARE(t.PolsJus.rows, 1);
    QCOMPARE(t.PolsJus.at(0, 0), QString());
}

// A vacated slot (792 blanks) read as a plant.
void TestPlantTexts::blankRecord() {
    TUsinaHd p;
    decodePlant(QByteArray(RecordSize, ' ').constData(), RecordSize, p);
    const PlantTexts t =
        plantDisplayTexts(p, defaultLists(), PlantList::emptyPlantNames(), QLocale::c());
    QCOMPARE(t.box("TXT_Nome"), QString(12, u' '));
    QCOMPARE(t.box("TXT_Posto"), QStringLiteral("538976288"));
    QCOMPARE(t.box("TXT_SistUsi"), QStringLiteral("538976288 - "));
    QCOMPARE(t.box("TXT_Jusante"), QStringLiteral("538976288 - "));
    QCOMPARE(t.box("TXT_VMin"), QStringLiteral("0.00   hm3"));
    QCOMPARE(t.box("TXT_Resp"), QStringLiteral("0.000000 MW/m3/s/m"));
    QCOMPARE(t.box("TXT_reg"), QString());
    QCOMPARE(t.box("TXT_VICF"), QStringLiteral("1 - Yes"));
    QCOMPARE(t.box("TXT_RepGrGer"), QString());
    QCOMPARE(t.PCVA.at(0, 0), QStringLiteral("1.356316E-19"));
    QCOMPARE(t.ConjMaq1.rows, 5);
    QCOMPARE(t.ConjMaq2.rows, 15);
    QCOMPARE(t.PolsJus.rows, 6);
    QCOMPARE(t.ConjMaq1.at(4, 1), QStringLiteral("538976288"));
    QCOMPARE(t.PolsJus.at(5, 6), QStringLiteral("0.00"));
}

void TestPlantTexts::codesOutsideTheLists_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");

    QTest::newRow("system 4") << "Sistema" << 4 << "TXT_SistUsi"
                              << "4 - Norte";
    QTest::newRow("system 5") << "Sistema" << 5 << "TXT_SistUsi"
                              << "5 - ";
    QTest::newRow("system -1") << "Sistema" << -1 << "TXT_SistUsi"
                               << "-1 - ";
    QTest::newRow("company 0") << "Empresa" << 0 << "TXT_Empresa"
                               << "0 - ";
    QTest::newRow("company 54") << "Empresa" << 54 << "TXT_Empresa"
                                << "54 - Externas Norte";
    QTest::newRow("company 301") << "Empresa" << 301 << "TXT_Empresa"
                                 << "301 - ";
    QTest::newRow("turbine 4") << "TipoTurbina" << 4 << "TXT_Tipo_Turb"
                               << "4 - ";
    QTest::newRow("downstream 1000") << "Jusante" << 1000 << "TXT_Jusante"
                                     << "1000 - ";
    QTest::newRow("downstream 1001") << "Jusante" << 1001 << "TXT_Jusante"
                                     << "1001 - ";
    QTest::newRow("downstream int32 min") << "Jusante" << int(INT32_MIN) << "TXT_Jusante"
                                          << "-2147483648 - ";
    QTest::newRow("downstream with a blank first byte")
        << "Jusante" << 58 << "TXT_Jusante" << QString::fromUtf8("58 -  IPÊ ROXO   ");
    QTest::newRow("deviation with NUL bytes") << "Desvio" << 59 << "TXT_Desvio"
                                              << "59 - ALFA";
    QTest::newRow("deviation -1") << "Desvio" << -1 << "TXT_Desvio"
                                  << "-1 - ";
    QTest::newRow("repconj 3") << "RepConj" << 3 << "TXT_RepGrGer"
                               << "";
    QTest::newRow("loss type 0") << "TipoPerdas" << 0 << "TXT_TpPerda"
                                 << "";
    QTest::newRow("loss type 3") << "TipoPerdas" << 3 << "TXT_TpPerda"
                                 << "3 - K";
    QTest::newRow("spill -1") << "InflVert" << -1 << "TXT_VICF"
                              << "1 - Yes";
    QTest::newRow("spill 0") << "InflVert" << 0 << "TXT_VICF"
                             << "0 - No";
}

void TestPlantTexts::codesOutsideTheLists() {
    QFETCH(QString, field);
    QFETCH(int, code);
    QFETCH(QString, box);
    QFETCH(QString, text);
    TUsinaHd p = knownPlant();
    bool found = false;
    forEachPlantField(p, [&](const char* name, auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::int32_t>) {
            if (field == QLatin1String(name)) {
                value = code;
                found = true;
            }
        }
    });
    QVERIFY(found);
    const PlantTexts t = plantDisplayTexts(p, defaultLists(), knownPlantNames(), QLocale::c());
    QCOMPARE(t.box(box), text);
}

void TestPlantTexts::rowCounts_data() {
    QTest::addColumn<int>("sets");
    QTest::addColumn<int>("polynomials");
    QTest::addColumn<int>("rows1");
    QTest::addColumn<int>("rows2");
    QTest::addColumn<int>("rowsJus");
    QTest::newRow("none") << 0 << 0 << 1 << 1 << 1;
    QTest::newRow("negative") << -3 << -1 << 1 << 1 << 1;
    QTest::newRow("one") << 1 << 1 << 1 << 3 << 1;
    QTest::newRow("full") << 5 << 6 << 5 << 15 << 6;
    QTest::newRow("beyond the arrays") << 6 << 7 << 5 << 15 << 6;
    QTest::newRow("far beyond") << 1000000 << INT32_MAX << 5 << 15 << 6;
}

// At most 5 sets and 6 polynomials are shown; nothing reads past the record's arrays.
void TestPlantTexts::rowCounts() {
    QFETCH(int, sets);
    QFETCH(int, polynomials);
    QFETCH(int, rows1);
    QFETCH(int, rows2);
    QFETCH(int, rowsJus);
    TUsinaHd p = knownPlant();
    p.NumConjMaq = sets;
    p.NumPolsJus = polynomials;
    p.NumMaq[4] = 44;
    p.PolJusRef[5] = 12.5f;
    const PlantTexts t = plantDisplayTexts(p, defaultLists(), knownPlantNames(), QLocale::c());
    QCOMPARE(t.ConjMaq1.rows, rows1);
    QCOMPARE(t.ConjMaq2.rows, rows2);
    QCOMPARE(t.PolsJus.rows, rowsJus);
    QCOMPARE(t.box("TXT_NGrMaq"), QString::number(sets));
    QCOMPARE(t.box("TXT_NKeyCur"), QString::number(polynomials));
    QCOMPARE(t.ConjMaq1.at(0, 0), sets > 0 ? QStringLiteral("1") : QString());
    QCOMPARE(t.ConjMaq1.at(4, 1), sets >= 5 ? QStringLiteral("44") : QString());
    QCOMPARE(t.ConjMaq2.at(14, 1), sets >= 5 ? QStringLiteral("PH") : QString());
    QCOMPARE(t.PolsJus.at(5, 6), polynomials >= 6 ? QStringLiteral("12.50") : QString());
}

QTEST_APPLESS_MAIN(TestPlantTexts)
#include "tst_PlantTexts.moc"

// Building the stored plant from the form: every field from its control, the cuts of the
// texts, the first conversion error, and untouched values keeping their bits.

#include "EditingSupport.h"
#include "editing/EditForm.h"
#include "editing/WriteNewPlant.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "registry/PlantTexts.h"

#include <QtTest>
#include <cmath>
#include <cstring>
#include <limits>

using namespace EditingSupport;

namespace {

template <std::size_t N> QByteArray bytesOf(const std::array<char, N>& a) {
    return QByteArray(a.data(), int(N));
}

void setCell(FormTexts& f, const QString& grid, int row, int column, const QString& text) {
    GridTexts* g = grid == u"PCVA"       ? &f.PCVA
                   : grid == u"EvapM"    ? &f.EvapM
                   : grid == u"ConjMaq1" ? &f.ConjMaq1
                   : grid == u"ConjMaq2" ? &f.ConjMaq2
                                         : &f.PolsJus;
    g->set(row, column, text);
}

// Names of the fields whose bytes differ between two plants.
QStringList differingFields(const TUsinaHd& a, const TUsinaHd& b) {
    const QByteArray ea = encodePlant(a);
    const QByteArray eb = encodePlant(b);
    QStringList names;
    TUsinaHd probe;
    forEachPlantField(probe, [&](const char* name, auto&) {
        const FieldSpan span = plantFieldSpan(name);
        if (ea.mid(span.offset, span.size) != eb.mid(span.offset, span.size))
            names << QString::fromLatin1(name);
    });
    return names;
}

// A stored plant whose floats the display cannot show exactly.
TUsinaHd awkwardPlant() {
    TUsinaHd p;
    std::memcpy(p.Nome.data(), "SERRA VERDE ", 12);
    p.Posto = 251;
    std::memcpy(p.PostoBDH.data(), "60A1    ", 8);
    p.Sistema = 0; // no subsystem named 0
    p.Empresa = 5; // a company without a name
    p.Jusante = 2;
    p.Desvio = 0;
    p.VolMin = 123.456789f;
    p.VolMax = 4567.89123f;
    p.VolVert = 4000.0049f;
    p.VolDesv = 130.001f;
    p.CotaMin = 287.123456f;
    p.CotaMax = 299.987654f;
    p.PCV = {281.234567f, 1.23456789e-3f, -4.5678912e-7f, 1.1e-10f, 0.0f};
    p.PAC = {15.3333333f, 0.1234567891f, 0.0f, 0.0f, -0.0f};
    p.EvapMen = {11, 9, 7, 5, 2, 0, -1, 3, 6, 8, 10, 12};
    p.NumConjMaq = 1;
    p.NumMaq = {4, 7, 0, 0, 0}; // set 2 holds stale values beyond the count
    p.PotEf = {77.77f, 12.5f, 0, 0, 0};
    p.QEf = {301, 9, 0, 0, 0};
    p.HEf = {41.4141f, 3.0f, 0, 0, 0};
    p.QHT[0] = {1.0000001f, 2.2222222e-2f, 0, 0, 0};
    p.QHG[0] = {0.97654321f, 0, 0, 0, 0};
    p.PH[0] = {0.9512345f, 1e-8f, 0, 0, 0};
    p.QHT[1] = {5.5f, 0, 0, 0, 0};
    p.ProdEsp = 0.00873421f;
    p.ValorPerdas = 1.23456f;
    p.NumPolsJus = 1;
    p.PolJus[0] = {280.123456f, 1.5e-3f, -2.7182818e-6f, 0, 0};
    p.PolJus[1] = {9.0f, 0, 0, 0, 0};
    p.PolJusRef = {0.004f, 3.3f, 0, 0, 0, 0};
    p.CanalFugaMed = 281.2345f;
    p.InflVert = 1;
    p.FatCargaMax = 99.995f;
    p.FatCargaMin = 33.3333f;
    p.VazMinHist = 42;
    p.NumUnidBase = 0;
    p.TipoTurbina = 1;
    p.RepConj = 0;
    p.TEIF = 2.12345f;
    p.IP = 4.00049f;
    p.TipoPerdas = 2;
    std::memcpy(p.Data.data(), "06/2026 ", 8);
    std::memcpy(p.Obs.data(), "ficticia                                   ", 43);
    p.VolRef = 2222.22222f;
    p.Reg = ' ';
    return p;
}

// The form as Change shows the plant, as the window would snapshot it after entering the mode.
FormSnapshot changeForm(const TUsinaHd& p, const QLocale& locale) {
    LookupLists lists;
    lists.setDefaults();
    QStringList plants = {"1 - PEDRA ALTA", "2 - RIO FUNDO"};
    QStringList names = PlantList::emptyPlantNames();
    names[1] = "PEDRA ALTA  ";
    names[2] = "RIO FUNDO   ";
    const PlantTexts display = plantDisplayTexts(p, lists, names, locale);
    FormSnapshot f;
    static_cast<FormTexts&>(f) = editTextsOf(display, "3", true);
    const auto selectors = Monta_CMBs_Auxs_Edt(lists, plants, display.boxes, &p);
    for (auto it = selectors.cbegin(); it != selectors.cend(); ++it)
        f.selectors[it.key()] = it->entries.value(it->selected);
    f.shown = ShownPlant{p, f};
    // Save appends the blanks to the fixed-width boxes.
    f.boxes["TXT_Nome"] += QString(11, u' ');
    f.boxes["TXT_Obs"] += QString(47, u' ');
    f.boxes["TXT_Data"] += QString(8, u' ');
    return f;
}

} // namespace

class TestWriteNewPlant : public QObject {
    Q_OBJECT

private slots:
    // The valid form, written with either separator, gives the same plant field by field.
    void fields_data() {
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("locale");
        QTest::newRow("point") << QChar(u'.') << "en_US";
        QTest::newRow("comma") << QChar(u',') << "pt_BR";
    }
    void fields() {
        QFETCH(QChar, separator);
        QFETCH(QString, locale);
        FormSnapshot form = validForm(separator);
        // Rows beyond the declared counts hold values that must not be stored.
        form.ConjMaq1.set(2, 1, "9");
        form.ConjMaq1.set(2, 2, "99");
        form.ConjMaq2.set(6, 2, "7");
        form.PolsJus.set(2, 1, "8");
        form.PolsJus.set(2, 6, "8");
        const NewPlantResult r = WriteNewPlant(form, QLocale(locale));
        QVERIFY2(r.ok, qPrintable(r.error));
        const TUsinaHd& p = r.plant;

        TUsinaHd e;
        std::memcpy(e.Nome.data(), "RIO CLARO   ", 12);
        e.Posto = 142;
        std::memcpy(e.PostoBDH.data(), "61998000", 8);
        e.Sistema = 1;
        e.Empresa = 19;
        e.Jusante = 0;
        e.Desvio = 0;
        e.Reg = 'D';
        e.VolMin = 200.25f;
        e.VolMax = 1500.5f;
        e.VolVert = 1400.0f;
        e.VolDesv = 300.0f;
        e.CotaMin = 395.5f;
        e.CotaMax = 410.0f;
        e.VolRef = 1000.0f;
        e.ProdEsp = 0.0087f;
        e.ValorPerdas = 2.5f;
        e.CanalFugaMed = 320.75f;
        e.InflVert = 1;
        e.FatCargaMax = 100.0f;
        e.FatCargaMin = 40.0f;
        e.VazMinHist = 85;
        e.NumUnidBase = 1;
        e.TipoTurbina = 1;
        e.RepConj = 1;
        e.TEIF = 2.125f;
        e.IP = 4.25f;
        e.TipoPerdas = 2;
        std::memcpy(e.Data.data(), "12/2025 ", 8);
        const QByteArray obs = QByteArray("Usina fict\xED"
                                          "cia de teste")
                                   .leftJustified(43, ' ');
        std::memcpy(e.Obs.data(), obs.constData(), 43);
        e.NumPolsJus = 2;
        e.NumConjMaq = 2;
        e.PCV = {380.1234f, 0.0125f, -3e-6f, 0, 0};
        e.PAC = {12.0f, 0.45f, 0, 0, 0};
        e.EvapMen = {12, 10, 8, 5, 3, 1, 0, -2, 4, 7, 9, 11};
        e.NumMaq = {3, 1, 0, 0, 0};
        e.PotEf = {120.5f, 60.0f, 0, 0, 0};
        e.QEf = {210, 105, 0, 0, 0};
        e.HEf = {58.25f, 57.0f, 0, 0, 0};
        for (int s = 0; s < 2; ++s) {
            e.QHT[s] = {1.0f, 0, 0, 0, 0};
            e.QHG[s] = {1.0f, 0, 0, 0, 0};
            e.PH[s] = {0.95f, 0, 0, 0, 0};
            e.PolJus[s] = {s == 0 ? 318.0f : 319.0f, 1e-3f, 0, 0, 0};
        }
        e.PolJusRef = {0.0f, 325.0f, 0, 0, 0, 0};
        QCOMPARE(differingFields(p, e), QStringList());
    }

    // The first text that cannot be converted, in the order the fields are filled.
    void conversionErrors_data() {
        QTest::addColumn<QStringList>("cells"); // grid:row:column=text
        QTest::addColumn<QString>("error");
        QTest::newRow("decimal evaporation")
            << QStringList{"EvapM:0:3=4.5"} << "'4.5' is not a valid integer value";
        QTest::newRow("machines with decimals")
            << QStringList{"ConjMaq1:0:1=3.0"} << "'3.0' is not a valid integer value";
        QTest::newRow("effective flow with decimals")
            << QStringList{"ConjMaq1:1:3=105.5"} << "'105.5' is not a valid integer value";
        QTest::newRow("level polynomial A2")
            << QStringList{"PCVA:0:2=abc"} << "'abc' is not a valid floating point value";
        QTest::newRow("area polynomial A4 empty")
            << QStringList{"PCVA:1:4="} << "'' is not a valid floating point value";
        QTest::newRow("polynomial A1 of set 2")
            << QStringList{"ConjMaq2:4:3=x"} << "'x' is not a valid floating point value";
        QTest::newRow("downstream A2")
            << QStringList{"PolsJus:1:3=1.0.0"} << "'1.0.0' is not a valid floating point value";
        QTest::newRow("reservoir polynomial before evaporation")
            << QStringList{"EvapM:0:0=a", "PCVA:1:1=b"}
            << "'b' is not a valid floating point value";
        QTest::newRow("PCV and PAC column by column")
            << QStringList{"PCVA:0:3=late", "PCVA:1:2=early"}
            << "'early' is not a valid floating point value";
        QTest::newRow("machine sets before their polynomials")
            << QStringList{"ConjMaq2:0:2=q", "ConjMaq1:1:4=h"}
            << "'h' is not a valid floating point value";
        QTest::newRow("polynomials of set 1 before set 2")
            << QStringList{"ConjMaq2:3:2=two", "ConjMaq2:2:6=one"}
            << "'one' is not a valid floating point value";
        QTest::newRow("a cell beyond the counts is not read")
            << QStringList{"ConjMaq1:3:1=junk", "PolsJus:4:2=junk"} << "";
    }
    void conversionErrors() {
        QFETCH(QStringList, cells);
        QFETCH(QString, error);
        FormSnapshot form = validForm();
        for (const QString& c : cells) {
            const QStringList kv = c.split(u'=');
            const QStringList at = kv[0].split(u':');
            setCell(form, at[0], at[1].toInt(), at[2].toInt(), kv[1]);
        }
        const NewPlantResult r = WriteNewPlant(form, QLocale(QLocale::English));
        QCOMPARE(r.ok, error.isEmpty());
        QCOMPARE(r.error, error);
    }

    void selectorErrors() {
        FormSnapshot form = validForm();
        form.selectors["CMBsistema"] = "";
        const NewPlantResult r = WriteNewPlant(form, QLocale(QLocale::English));
        QVERIFY(!r.ok);
        QCOMPARE(r.error, QString("'' is not a valid integer value"));
    }

    // The character fields: Windows-1252, cut by characters, blanks after.
    void texts_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("stored");
        const QString pad11(11, u' ');
        QTest::newRow("long name cut to 12")
            << "TXT_Nome"
            << "CACHOEIRA DO SUL" + pad11 << QByteArray("CACHOEIRA DO");
        QTest::newRow("three letters, nine blanks")
            << "TXT_Nome"
            << "ABC" + pad11 + pad11 + pad11 << QByteArray("ABC         ");
        QTest::newRow("small letters in capitals") << "TXT_Nome"
                                                   << "salto" + pad11 << QByteArray("SALTO       ");
        QTest::newRow("accents in Windows-1252")
            << "TXT_Nome" << QString::fromUtf8("SÃO JOSÉ") + pad11
            << QByteArray("S\xC3O JOS\xC9    ");
        QTest::newRow("euro sign")
            << "TXT_Nome" << QString::fromUtf8("€URO") + pad11 << QByteArray("\x80URO        ");
        QTest::newRow("outside the code page")
            << "TXT_Nome" << QString::fromUtf8("ŐRSÉG") + pad11 << QByteArray("?RS\xC9G       ");
        QTest::newRow("a character outside the BMP is one '?'")
            << "TXT_Nome" << QString::fromUtf8("A\U0001F600B") + pad11
            << QByteArray("A?B         ");
        QTest::newRow("cut never splits a character")
            << "TXT_Nome" << QString::fromUtf8("ABCDEFGHIJK\U0001F600XYZ")
            << QByteArray("ABCDEFGHIJK?");
        QTest::newRow("short name without padding") << "TXT_Nome"
                                                    << "AB" << QByteArray("AB          ");
        QTest::newRow("three-digit alt gauge") << "TXT_Posto_BDH"
                                               << "123" << QByteArray("123     ");
        QTest::newRow("long alt gauge") << "TXT_Posto_BDH"
                                        << "1234567890" << QByteArray("12345678");
        QTest::newRow("date") << "TXT_Data"
                              << "1/2026" + QString(8, u' ') << QByteArray("1/2026  ");
        QTest::newRow("observation cut to 43")
            << "TXT_Obs" << QString(50, u'x') << QByteArray(43, 'x');
        QTest::newRow("observation, quotes kept")
            << "TXT_Obs" << QString::fromUtf8("“nova” – revisão") + QString(47, u' ')
            << QByteArray("\x93nova\x94 \x96 revis\xE3o").leftJustified(43, ' ');
    }
    void texts() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QByteArray, stored);
        FormSnapshot form = validForm();
        form.boxes[box] = text;
        const NewPlantResult r = WriteNewPlant(form, QLocale(QLocale::English));
        QVERIFY(r.ok);
        const TUsinaHd& p = r.plant;
        const QByteArray got = box == u"TXT_Nome"        ? bytesOf(p.Nome)
                               : box == u"TXT_Posto_BDH" ? bytesOf(p.PostoBDH)
                               : box == u"TXT_Data"      ? bytesOf(p.Data)
                                                         : bytesOf(p.Obs);
        QCOMPARE(got, stored);
    }

    // Changed only in its name, a plant keeps every other byte: floats the display rounds,
    // a subsystem without a name, a company without a name, a blank regulation letter.
    void untouchedKeepsBits_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("point") << "en_US";
        QTest::newRow("comma") << "pt_BR";
    }
    void untouchedKeepsBits() {
        QFETCH(QString, locale);
        const QLocale loc(locale);
        const TUsinaHd stored = awkwardPlant();
        FormSnapshot form = changeForm(stored, loc);
        form.boxes["TXT_Nome"] = "SERRA NOVA" + QString(11, u' ');
        const NewPlantResult r = WriteNewPlant(form, loc);
        QVERIFY2(r.ok, qPrintable(r.error));
        TUsinaHd expected = stored;
        std::memcpy(expected.Nome.data(), "SERRA NOVA  ", 12);
        // Past the counts the new plant holds zeros, whatever the record carried.
        expected.NumMaq[1] = 0;
        expected.PotEf[1] = 0;
        expected.QEf[1] = 0;
        expected.HEf[1] = 0;
        expected.QHT[1] = {};
        expected.PolJus[1] = {};
        expected.PolJusRef[1] = 0;
        QCOMPARE(differingFields(r.plant, expected), QStringList());

        // Without the stored plant the same texts give the rounded values.
        FormSnapshot fresh = form;
        fresh.shown.reset();
        const NewPlantResult rounded = WriteNewPlant(fresh, loc);
        QVERIFY(rounded.ok);
        QVERIFY(differingFields(rounded.plant, expected).contains("VolMax"));
    }

    // A changed text is read; a text changed back to what was shown keeps the bits.
    void changedTextIsRead() {
        const QLocale loc(QLocale::English);
        const TUsinaHd stored = awkwardPlant();
        FormSnapshot form = changeForm(stored, loc);
        form.boxes["TXT_VMax"] = "5000.00";
        form.PCVA.set(0, 1, "2.5E-03");
        const NewPlantResult r = WriteNewPlant(form, loc);
        QVERIFY(r.ok);
        QCOMPARE(r.plant.VolMax, 5000.0f);
        QCOMPARE(r.plant.PCV[1], double(2.5e-3f));
        QCOMPARE(r.plant.PCV[0], stored.PCV[0]);
        QCOMPARE(r.plant.VolMin, stored.VolMin);
    }

    // A set that comes into use shows the empty layout: its zeros are stored, not the stale
    // values the record kept beyond its old count.
    void newSetTakesItsTexts() {
        const QLocale loc(QLocale::English);
        const TUsinaHd stored = awkwardPlant();
        FormSnapshot form = changeForm(stored, loc);
        QCOMPARE(form.ConjMaq1.at(1, 2), QString("0"));
        form.boxes["TXT_NGrMaq"] = "2";
        form.boxes["TXT_NKeyCur"] = "2";
        const NewPlantResult r = WriteNewPlant(form, loc);
        QVERIFY(r.ok);
        QCOMPARE(r.plant.NumMaq[1], 0);
        QCOMPARE(r.plant.PotEf[1], 0.0f);
        QCOMPARE(r.plant.QHT[1][0], 0.0f);
        QCOMPARE(r.plant.PolJus[1][0], 0.0f);
        QCOMPARE(r.plant.PotEf[0], stored.PotEf[0]);
    }

    // A stored NaN in a coefficient that no rule reads survives a change of the name.
    void storedNaNSurvives() {
        const QLocale loc(QLocale::English);
        TUsinaHd stored = awkwardPlant();
        stored.PAC[3] = std::numeric_limits<float>::quiet_NaN();
        FormSnapshot form = changeForm(stored, loc);
        QCOMPARE(form.PCVA.at(1, 3), QString("NAN"));
        const NewPlantResult r = WriteNewPlant(form, loc);
        QVERIFY(r.ok);
        QVERIFY(std::isnan(r.plant.PAC[3]));
    }
};

QTEST_GUILESS_MAIN(TestWriteNewPlant)
#include "tst_writenewplant.moc"

// The plain parts of the edit modes: unit suffixes, the selectors of the coded fields, the
// empty-plant rows, and the blank plant of a deletion.

#include "editing/EditForm.h"
#include "editing/FormSnapshot.h"
#include "editing/WriteNewPlant.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "registry/PlantTexts.h"

#include <QtTest>

namespace {

struct Fixture {
    LookupLists lists;
    QStringList plants = {"1 - PEDRA ALTA", "6 - RIO FUNDO", "320 - FOZ"};
    QStringList names = PlantList::emptyPlantNames();
    Fixture() {
        lists.setDefaults();
        names[1] = "PEDRA ALTA  ";
        names[6] = "RIO FUNDO   ";
        names[9] = " OCULTA     "; // a slot that the list does not show
        names[320] = "FOZ         ";
    }
};

TUsinaHd plantWith(const QString& field, int value) {
    TUsinaHd p;
    p.Sistema = 2;
    p.Empresa = 19;
    p.Jusante = 6;
    p.Desvio = 0;
    p.TipoTurbina = 1;
    p.RepConj = 1;
    p.InflVert = 0;
    p.TipoPerdas = 3;
    p.Reg = 'S';
    if (field == u"Sistema")
        p.Sistema = value;
    else if (field == u"Empresa")
        p.Empresa = value;
    else if (field == u"Jusante")
        p.Jusante = value;
    else if (field == u"Desvio")
        p.Desvio = value;
    else if (field == u"TipoTurbina")
        p.TipoTurbina = value;
    else if (field == u"RepConj")
        p.RepConj = value;
    else if (field == u"InflVert")
        p.InflVert = value;
    else if (field == u"TipoPerdas")
        p.TipoPerdas = value;
    else if (field == u"Reg")
        p.Reg = char(value);
    return p;
}

std::int32_t fieldValue(const TUsinaHd& p, const QString& field) {
    if (field == u"Sistema")
        return p.Sistema;
    if (field == u"Empresa")
        return p.Empresa;
    if (field == u"Jusante")
        return p.Jusante;
    if (field == u"Desvio")
        return p.Desvio;
    if (field == u"TipoTurbina")
        return p.TipoTurbina;
    if (field == u"RepConj")
        return p.RepConj;
    if (field == u"InflVert")
        return p.InflVert;
    if (field == u"TipoPerdas")
        return p.TipoPerdas;
    return static_cast<unsigned char>(p.Reg);
}

} // namespace

class TestEditForm : public QObject {
    Q_OBJECT

private slots:
    void suffixes_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("bare");
        QTest::newRow("volume") << "TXT_VMin"
                                << "1234.50   hm3"
                                << "1234.50";
        QTest::newRow("reference volume") << "TXT_V_Ref"
                                          << "0,00   hm3"
                                          << "0,00";
        QTest::newRow("level") << "TXT_Ymax"
                               << "410.00   m"
                               << "410.00";
        QTest::newRow("productivity") << "TXT_Resp"
                                      << "0.008700 MW/m3/s/m"
                                      << "0.008700";
        QTest::newRow("tailrace") << "TXT_JusNom"
                                  << "320.75 m"
                                  << "320.75";
        QTest::newRow("TEIF") << "TXT_TxSForc"
                              << "2.125 %"
                              << "2.125";
        QTest::newRow("load factor") << "TXT_FatCgMin"
                                     << "40.00 %"
                                     << "40.00";
        QTest::newRow("minimum inflow") << "TXT_QNaMH"
                                        << "85 m3/s"
                                        << "85";
        QTest::newRow("already bare keeps its digits") << "TXT_VMax"
                                                       << "1500.50"
                                                       << "1500.50";
        QTest::newRow("short bare text") << "TXT_QNaMH"
                                         << "85"
                                         << "85";
        QTest::newRow("empty") << "TXT_Resp"
                               << ""
                               << "";
        QTest::newRow("another unit is not cut") << "TXT_JusNom"
                                                 << "320.75   m"
                                                 << "320.75  ";
        QTest::newRow("losses carry no unit") << "TXT_Phd"
                                              << "2.50 %"
                                              << "2.50 %";
        QTest::newRow("set count carries no unit") << "TXT_NGrMaq"
                                                   << "2 m"
                                                   << "2 m";
    }
    void suffixes() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, bare);
        QCOMPARE(cutUnitSuffix(box, text), bare);
    }

    // Edit-mode rows: the rows in use keep the display, the rest take the empty layout.
    void editRows() {
        Fixture fx;
        TUsinaHd p;
        p.NumConjMaq = 2;
        p.NumPolsJus = 1;
        p.PotEf = {11.5f, 22.5f, 0, 0, 0};
        p.QHT[1] = {3.0f, 0, 0, 0, 0};
        p.PolJus[0] = {7.0f, 0, 0, 0, 0};
        const PlantTexts display = plantDisplayTexts(p, fx.lists, fx.names, QLocale::c());
        const FormTexts f = editTextsOf(display, "5", true);
        QCOMPARE(f.box("TXT_Cod"), QString("5"));
        QCOMPARE(f.box("TXT_VMax"), QString("0.00"));
        QCOMPARE(f.ConjMaq1.rows, 5);
        QCOMPARE(f.ConjMaq2.rows, 15);
        QCOMPARE(f.PolsJus.rows, 6);
        QCOMPARE(f.ConjMaq1.at(1, 2), QString("22.5"));
        QCOMPARE(f.ConjMaq2.at(3, 2), QString("3.000000E+00"));
        QCOMPARE(f.ConjMaq1.at(2, 0), QString("3"));
        QCOMPARE(f.ConjMaq1.at(4, 4), QString("0"));
        QCOMPARE(f.ConjMaq2.at(6, 0), QString("3"));
        QCOMPARE(f.ConjMaq2.at(7, 1), QString("QHG"));
        QCOMPARE(f.ConjMaq2.at(14, 1), QString("PH"));
        QCOMPARE(f.ConjMaq2.at(14, 6), QString("0"));
        QCOMPARE(f.PolsJus.at(0, 1), QString("7.000000E+00"));
        QCOMPARE(f.PolsJus.at(1, 0), QString("2"));
        QCOMPARE(f.PolsJus.at(5, 0), QString("6"));
        QCOMPARE(f.PolsJus.at(5, 6), QString("0"));
        const FormTexts create = editTextsOf(display, "", false);
        QCOMPARE(create.box("TXT_VMax"), QString("0.00   hm3"));
    }

    // The entries of each selector, as offered while editing.
    void selectorEntries() {
        Fixture fx;
        const TUsinaHd p = plantWith({}, 0);
        const PlantTexts display = plantDisplayTexts(p, fx.lists, fx.names, QLocale::c());
        const auto s = Monta_CMBs_Auxs_Edt(fx.lists, fx.plants, display.boxes, &p);
        QCOMPARE(s["CMBjusante"].entries,
                 QStringList({"0 - NÃO HÁ", "1 - PEDRA ALTA", "6 - RIO FUNDO", "320 - FOZ"}));
        QCOMPARE(s["CMBdesvio"].entries, s["CMBjusante"].entries);
        QCOMPARE(s["CMBsistema"].entries,
                 QStringList({"1 - Sudeste", "2 - Sul", "3 - Nordeste", "4 - Norte"}));
        QCOMPARE(s["CMBempresa"].entries.size(), 20);
        QCOMPARE(s["CMBempresa"].entries.first(), QString("11 - Escelsa"));
        QCOMPARE(s["CMBempresa"].entries.last(), QString("54 - Externas Norte"));
        QCOMPARE(s["CMBtipo_turb"].entries,
                 QStringList({"0 - NÃO HÁ", "1 - Francis", "2 - Kaplan/Propeller", "3 - Pelton"}));
        QCOMPARE(s["CMBreg"].entries, QStringList({"M - Mensal", "S - Semanal", "D - Diária"}));
        QCOMPARE(s["CMBjusante"].entries.value(s["CMBjusante"].selected), QString("6 - RIO FUNDO"));
        QCOMPARE(s["CMBreg"].selected, 1);
    }

    // In Change a stored value that no entry offers gets its own entry, selected, and saving
    // gives the value back; a value that is offered is selected as it is.
    void ownEntries_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("entries"); // how many the selector then holds
        QTest::newRow("subsystem 0") << "Sistema" << 0 << "CMBsistema"
                                     << "0 - " << 5;
        QTest::newRow("subsystem 3, listed") << "Sistema" << 3 << "CMBsistema"
                                             << "3 - Nordeste" << 4;
        QTest::newRow("subsystem 9, out of range") << "Sistema" << 9 << "CMBsistema"
                                                   << "9 - " << 5;
        QTest::newRow("company without a name") << "Empresa" << 5 << "CMBempresa"
                                                << "5 - " << 21;
        QTest::newRow("company listed") << "Empresa" << 40 << "CMBempresa"
                                        << "40 - Itaipu" << 20;
        QTest::newRow("downstream slot not listed") << "Jusante" << 9 << "CMBjusante"
                                                    << "9 - " << 5;
        QTest::newRow("downstream beyond the file") << "Jusante" << 700 << "CMBjusante"
                                                    << "700 - " << 5;
        QTest::newRow("no downstream plant") << "Jusante" << 0 << "CMBjusante"
                                             << "0 - NÃO HÁ" << 4;
        QTest::newRow("deviation to the last plant") << "Desvio" << 320 << "CMBdesvio"
                                                     << "320 - FOZ" << 4;
        QTest::newRow("turbine 7") << "TipoTurbina" << 7 << "CMBtipo_turb"
                                   << "7 - " << 5;
        QTest::newRow("representation 2") << "RepConj" << 2 << "CMBrepgrger"
                                          << "2 - Simpl." << 3;
        QTest::newRow("representation 17") << "RepConj" << 17 << "CMBrepgrger"
                                           << "17 - " << 4;
        QTest::newRow("representation -1") << "RepConj" << -1 << "CMBrepgrger"
                                           << "-1 - " << 4;
        QTest::newRow("loss type 0") << "TipoPerdas" << 0 << "CMBtp_perda"
                                     << "0 - " << 4;
        QTest::newRow("loss type 2") << "TipoPerdas" << 2 << "CMBtp_perda"
                                     << "2 - m" << 3;
        QTest::newRow("spillage influence") << "InflVert" << 1 << "CMBvicf"
                                            << "1 - Yes" << 2;
        QTest::newRow("regulation blank") << "Reg" << int(' ') << "CMBreg"
                                          << "  - " << 4;
        QTest::newRow("regulation NUL") << "Reg" << 0 << "CMBreg" << QString(QChar(0)) + " - " << 4;
        QTest::newRow("regulation small m") << "Reg" << int('m') << "CMBreg"
                                            << "m - " << 4;
        QTest::newRow("regulation D") << "Reg" << int('D') << "CMBreg"
                                      << "D - Diária" << 3;
    }
    void ownEntries() {
        QFETCH(QString, field);
        QFETCH(int, value);
        QFETCH(QString, selector);
        QFETCH(QString, selected);
        QFETCH(int, entries);
        Fixture fx;
        const TUsinaHd p = plantWith(field, value);
        const PlantTexts display = plantDisplayTexts(p, fx.lists, fx.names, QLocale::c());
        const auto s = Monta_CMBs_Auxs_Edt(fx.lists, fx.plants, display.boxes, &p);
        const SelectorChoice& c = s[selector];
        QCOMPARE(c.entries.value(c.selected), selected);
        QCOMPARE(int(c.entries.size()), entries);

        // Saving what is selected gives the stored value back.
        FormSnapshot form;
        for (auto it = s.cbegin(); it != s.cend(); ++it)
            form.selectors[it.key()] = it->entries.value(it->selected);
        // Every number zero, so only the coded fields matter.
        for (const QString& box : plantBoxNames())
            form.boxes[box] = "0";
        for (int k = 0; k < 5; ++k) {
            form.PCVA.set(0, k, "0");
            form.PCVA.set(1, k, "0");
        }
        for (int m = 0; m < 12; ++m)
            form.EvapM.set(0, m, "0");
        const NewPlantResult again = WriteNewPlant(form, QLocale::c());
        QVERIFY2(again.ok, qPrintable(again.error));
        QCOMPARE(fieldValue(again.plant, field), fieldValue(p, field));
    }

    // A new plant: the display of whatever was shown before decides nothing lasting, an
    // unmatched box takes the second entry and no own entry is added.
    void createSelection() {
        Fixture fx;
        const TUsinaHd p = plantWith("Sistema", 0);
        PlantTexts display = plantDisplayTexts(p, fx.lists, fx.names, QLocale::c());
        display.boxes["TXT_reg"] = "";
        const auto s = Monta_CMBs_Auxs_Edt(fx.lists, fx.plants, display.boxes, nullptr);
        QCOMPARE(s["CMBsistema"].entries.size(), 4);
        QCOMPARE(s["CMBsistema"].entries.value(s["CMBsistema"].selected), QString("2 - Sul"));
        QCOMPARE(s["CMBreg"].selected, 0);
        QCOMPARE(s["CMBjusante"].entries.value(s["CMBjusante"].selected), QString("6 - RIO FUNDO"));
    }

    // The slot of a deleted plant, byte for byte.
    void blankPlantBytes_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<char>("byte");
        QTest::newRow("name") << 0 << 11 << ' ';
        QTest::newRow("gauge") << 12 << 15 << '\0';
        QTest::newRow("alt gauge") << 16 << 23 << ' ';
        QTest::newRow("numbers") << 24 << 735 << '\0';
        QTest::newRow("date and observation") << 736 << 786 << ' ';
        QTest::newRow("reference volume") << 787 << 790 << '\0';
        QTest::newRow("regulation") << 791 << 791 << ' ';
    }
    void blankPlantBytes() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(char, byte);
        const QByteArray bytes = encodePlant(blankPlant());
        QCOMPARE(bytes.size(), RecordSize);
        QCOMPARE(bytes.mid(from, to - from + 1), QByteArray(to - from + 1, byte));
    }
};

QTEST_GUILESS_MAIN(TestEditForm)
#include "tst_editform.moc"

// The 43 rules over a plant form: which boxes a form shows, in which order, of which kind.

#include "EditingSupport.h"
#include "ScriptedDialogs.h"
#include "editing/ConsistOk.h"

#include <QtTest>

using namespace EditingSupport;

Q_DECLARE_METATYPE(QList<int>)

namespace {

// "TXT_VMax=1,5", "CMBdesvio=3 - X", "ConjMaq1:row:col=..."; applied in order.
void apply(FormTexts& f, const QStringList& changes) {
    for (const QString& change : changes) {
        const qsizetype eq = change.indexOf(u'=');
        const QString key = change.left(eq);
        const QString value = change.mid(eq + 1);
        if (key.startsWith(u"TXT_"))
            f.boxes[key] = value;
        else if (key.startsWith(u"CMB"))
            f.selectors[key] = value;
        else {
            const QStringList parts = key.split(u':');
            GridTexts* grid = parts[0] == u"PCVA"       ? &f.PCVA
                              : parts[0] == u"EvapM"    ? &f.EvapM
                              : parts[0] == u"ConjMaq1" ? &f.ConjMaq1
                              : parts[0] == u"ConjMaq2" ? &f.ConjMaq2
                                                        : &f.PolsJus;
            grid->set(parts[1].toInt(), parts[2].toInt(), value);
        }
    }
}

// The boxes as ScriptedDialogs::messageLines() shows them.
QStringList expectedBoxes(const QList<int>& entries, int language) {
    QStringList boxes;
    for (int e : entries)
        boxes << (e == 44 ? "plain: " : "warning: ") + validationText(language, e);
    return boxes;
}

} // namespace

class TestConsistOk : public QObject {
    Q_OBJECT

private:
    void run(const FormTexts& form, const QLocale& locale, int language, const QList<int>& entries,
             bool expectedOk) {
        ScriptedDialogs dialogs;
        const bool ok = ConsistOk(
            form, locale, [language](int e) { return validationText(language, e); }, dialogs);
        const QStringList expected = expectedBoxes(entries, language);
        if (dialogs.messageLines() != expected)
            QFAIL(qPrintable("shown:\n" + dialogs.messageLines().join(u'\n') + "\nexpected:\n" +
                             expected.join(u'\n')));
        QCOMPARE(ok, expectedOk);
    }

private slots:
    void rules_data() {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QList<int>>("entries");
        const auto row = [](const char* name, QStringList changes, QList<int> entries) {
            QTest::newRow(name) << changes << entries;
        };
        row("valid form", {}, {});
        row("1 code empty", {"TXT_Cod="}, {0});
        row("1 code 0", {"TXT_Cod=0"}, {0});
        row("1 code 321", {"TXT_Cod=321"}, {0});
        row("1 code 320", {"TXT_Cod=320"}, {});
        row("1 code 1 with blanks", {"TXT_Cod= 1 "}, {});
        row("1 code not a number", {"TXT_Cod=4a"}, {44});
        row("2 name of blanks", {"TXT_Nome=           "}, {1});
        row("2 name empty", {"TXT_Nome="}, {1});
        row("3 gauge empty, then 4 cannot convert", {"TXT_Posto="}, {2, 44});
        row("4 gauge 0", {"TXT_Posto=0"}, {2});
        row("5 alt gauge empty", {"TXT_Posto_BDH="}, {3});
        row("5 alt gauge not numeric", {"TXT_Posto_BDH=ABC"}, {});
        row("6 spill volume empty", {"TXT_V_Vert="}, {4, 44});
        row("7 minimum volume negative", {"TXT_VMin=-1"}, {5});
        row("8 min above max (9 and 18 follow)", {"TXT_VMin=1600", "TXT_V_Vert=1450"}, {6, 7, 46});
        row("9 spill below min", {"TXT_V_Vert=100"}, {7});
        row("10 spill above max", {"TXT_V_Vert=1600"}, {8});
        row("11 deviation below min, plant selected",
            {"TXT_V_CDesv=100", "CMBdesvio=7 - SERRA AZUL"}, {9});
        row("11 deviation below min, no deviation", {"TXT_V_CDesv=100"}, {});
        row("12 deviation above max", {"TXT_V_CDesv=1600"}, {10});
        row("13 minimum level empty", {"TXT_YMin="}, {11, 44});
        row("13 maximum level empty", {"TXT_Ymax="}, {11, 44});
        row("14 maximum level negative", {"TXT_Ymax=-1"}, {12});
        row("15 equal volumes, different levels",
            {"TXT_VMin=1500.50", "TXT_V_Vert=1500.50", "TXT_V_CDesv=1500.50", "TXT_V_Ref=1500.50"},
            {13});
        row("16 different volumes, equal levels", {"TXT_YMin=410.00"}, {14});
        row("17 reference volume empty", {"TXT_V_Ref="}, {45, 44});
        row("18 reference below min", {"TXT_V_Ref=100"}, {46});
        row("18 reference above max", {"TXT_V_Ref=1600"}, {46});
        row("18 reference equal to min", {"TXT_V_Ref=200.25"}, {});
        row("18 reference equal to max", {"TXT_V_Ref=1500.5"}, {});
        row("19 level polynomial A0 empty", {"PCVA:0:0="}, {15, 44});
        row("19 area polynomial A0 empty", {"PCVA:1:0="}, {15, 44});
        row("20 area polynomial A0 zero", {"PCVA:1:0=0.000000E+00"}, {16});
        row("19/20 A1 is not checked", {"PCVA:0:1="}, {});
        row("21 set count empty", {"TXT_NGrMaq="}, {17, 44});
        row("22 set count negative", {"TXT_NGrMaq=-1"}, {18});
        row("22 no sets: grids not read", {"TXT_NGrMaq=0", "ConjMaq1:0:1=", "ConjMaq2:0:2="}, {});
        row("23a empty cell", {"ConjMaq1:1:3="}, {19, 44});
        row("23b negative cell", {"ConjMaq1:0:2=-1"}, {20});
        row("23 number column not read", {"ConjMaq1:1:0="}, {});
        row("23 row beyond the count not read", {"ConjMaq1:2:1=-5"}, {});
        row("24a empty coefficient", {"ConjMaq2:4:5="}, {21});
        row("24a empty label", {"ConjMaq2:0:1="}, {21});
        row("24b zero A0, detailed", {"ConjMaq2:3:2=0.000000E+00"}, {22});
        row("24b zero A0, approximate", {"ConjMaq2:3:2=0.000000E+00", "CMBrepgrger=0 - Aprox."},
            {});
        row("24 empty A0, detailed, cannot convert", {"ConjMaq2:5:2="}, {21, 44});
        row("24 empty A0, approximate", {"ConjMaq2:5:2=", "CMBrepgrger=0 - Aprox."}, {21});
        row("25 polynomial count empty", {"TXT_NKeyCur="}, {23, 44});
        row("26 polynomial count 0", {"TXT_NKeyCur=0"}, {24});
        row("27 tailrace empty", {"TXT_JusNom="}, {25, 44});
        row("28 tailrace negative", {"TXT_JusNom=-1"}, {26});
        row("29 tailrace above minimum level", {"TXT_JusNom=400"}, {27});
        row("30a empty cell", {"PolsJus:1:3="}, {28});
        row("30a empty number", {"PolsJus:0:0="}, {28});
        row("30b zero A0", {"PolsJus:0:1=0"}, {29});
        row("30c negative reference", {"PolsJus:1:6=-0.5"}, {30});
        row("30 row beyond the count not read", {"PolsJus:2:1=0"}, {});
        row("31 productivity empty", {"TXT_Resp="}, {31, 44});
        row("32 productivity negative", {"TXT_Resp=-0.1"}, {32});
        row("33 losses empty", {"TXT_Phd="}, {33, 44});
        row("34 losses negative", {"TXT_Phd=-1"}, {34});
        row("35 load factor empty", {"TXT_FatCgMin="}, {35, 44});
        row("36 load factor negative", {"TXT_FatCgMin=-1"}, {36});
        row("37 minimum load factor above maximum", {"TXT_FatCgMin=100.5"}, {37});
        row("38 IP empty", {"TXT_TxIndProg="}, {38, 44});
        row("39 TEIF negative", {"TXT_TxSForc=-0.001"}, {39});
        row("40 minimum inflow empty", {"TXT_QNaMH="}, {40, 44});
        row("41 minimum inflow negative", {"TXT_QNaMH=-1"}, {41});
        row("41 minimum inflow 12.5", {"TXT_QNaMH=12.5"}, {44});
        row("41 minimum inflow 12,5", {"TXT_QNaMH=12,5"}, {44});
        row("42 base units empty", {"TXT_N_UBase="}, {42, 44});
        row("43 base units negative", {"TXT_N_UBase=-3"}, {43});
        row("43 base units with decimals", {"TXT_N_UBase=1.0"}, {44});
        row("a unit left on a number", {"TXT_VMax=1500.50   hm3"}, {44});
        row("nan refused", {"TXT_Phd=nan"}, {44});
        row("every failure in one pass",
            {"TXT_Posto=0", "TXT_Posto_BDH=", "TXT_Phd=-1", "TXT_N_UBase=-3"}, {2, 3, 34, 43});
    }
    void rules() {
        QFETCH(QStringList, changes);
        QFETCH(QList<int>, entries);
        FormSnapshot form = validForm();
        apply(form, changes);
        run(form, QLocale(QLocale::English, QLocale::UnitedStates), 1, entries, entries.isEmpty());
    }

    // The same rules under the comma locale: its own separator read, the point refused.
    void commaLocale_data() {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QList<int>>("entries");
        QTest::newRow("valid") << QStringList{} << QList<int>{};
        QTest::newRow("min above max")
            << QStringList{"TXT_VMin=1600,00", "TXT_V_Vert=1450"} << QList<int>{6, 7, 46};
        QTest::newRow("point as group separator")
            << QStringList{"TXT_VMax=1.500"} << QList<int>{44};
        QTest::newRow("a point is no separator here")
            << QStringList{"TXT_Resp=0.0087"} << QList<int>{44};
    }
    void commaLocale() {
        QFETCH(QStringList, changes);
        QFETCH(QList<int>, entries);
        FormSnapshot form = validForm(u',');
        apply(form, changes);
        run(form, QLocale(QLocale::Portuguese, QLocale::Brazil), 1, entries, entries.isEmpty());
    }

    // The sequences that mix several rules.
    void sequences_data() {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<int>("language");
        QTest::addColumn<QList<int>>("entries");
        const QStringList negativeVolumes = {"TXT_VMax=-10", "TXT_VMin=-20", "TXT_V_Vert=-15",
                                             "TXT_V_CDesv=-15", "TXT_V_Ref=-15"};
        QTest::newRow("code 321 and a negative maximum volume")
            << (negativeVolumes + QStringList{"TXT_Cod=321"}) << 1 << QList<int>{0, 5};
        QTest::newRow("code 320 and a negative maximum volume")
            << (negativeVolumes + QStringList{"TXT_Cod=320"}) << 1 << QList<int>{5};
        QTest::newRow("same, in English")
            << (negativeVolumes + QStringList{"TXT_Cod=321"}) << 2 << QList<int>{0, 5};
        QTest::newRow("empty gauge stops the check")
            << QStringList{"TXT_Posto=", "TXT_Phd=-1"} << 1 << QList<int>{2, 44};
        QTest::newRow("empty gauge in English")
            << QStringList{"TXT_Posto="} << 2 << QList<int>{2, 44};
        QStringList fiveSets{"TXT_NGrMaq=6"};
        for (int r = 2; r < 5; ++r) {
            for (int c = 0; c < 5; ++c)
                fiveSets << QString("ConjMaq1:%1:%2=%3").arg(r).arg(c).arg(c == 0 ? r + 1 : 2);
        }
        QTest::newRow("six sets: 18, the sixth row empty, then 44")
            << fiveSets << 1 << QList<int>{18, 19, 44};
        QTest::newRow("two empty downstream cells")
            << QStringList{"PolsJus:0:2=", "PolsJus:0:5="} << 1 << QList<int>{28, 28};
        QTest::newRow("detailed: a zero A0, then a comma under the point locale")
            << QStringList{"ConjMaq2:0:2=0", "ConjMaq2:4:2=0,0", "ConjMaq2:5:2=0.0",
                           "ConjMaq2:6:2=0"}
            << 1 << QList<int>{22, 44};
        QTest::newRow("detailed: zero A0 in two rows of declared sets")
            << QStringList{"ConjMaq2:1:2=0", "ConjMaq2:5:2=0e5", "ConjMaq2:6:2=0"} << 1
            << QList<int>{22, 22};
        QTest::newRow("minimum above maximum in English")
            << QStringList{"TXT_VMin=1600", "TXT_V_Vert=1450"} << 2 << QList<int>{6, 7, 46};
    }
    void sequences() {
        QFETCH(QStringList, changes);
        QFETCH(int, language);
        QFETCH(QList<int>, entries);
        FormSnapshot form = validForm();
        apply(form, changes);
        run(form, QLocale(QLocale::English, QLocale::UnitedStates), language, entries,
            entries.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestConsistOk)
#include "tst_consistok.moc"

// The plant's figures and warnings against values worked out by hand, for polynomials whose
// integrals and roots are exact in binary; the real roots; the form read as Save reads it; the
// summary CSV.

#include "RegistryFixtures.h"
#include "curves/CurveSources.h"
#include "curves/CurveSummary.h"
#include "editing/EditForm.h"
#include "registry/PlantList.h"

#include <QtTest>
#include <cmath>
#include <functional>

using namespace PlantCurves;

namespace {

using Change = std::function<void(TUsinaHd&)>;
using Edit = std::function<void(FormTexts&)>;

QStringList warningTexts(const Figures& f, const QLocale& locale = QLocale::c()) {
    QStringList out;
    for (const CurveWarning& w : f.warnings)
        out << warningText(w, Language::Portuguese, locale);
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(PlantCurves::Figure)
Q_DECLARE_METATYPE(Language)

class TestPlantCurves : public QObject {
    Q_OBJECT

private slots:
    void roots_data();
    void roots();
    void figures_data();
    void figures();
    void warnings_data();
    void warnings();
    void formSource_data();
    void formSource();
    void summary();
};

void TestPlantCurves::roots_data() {
    QTest::addColumn<QList<double>>("coefficients"); // c0..c3
    QTest::addColumn<double>("lo");
    QTest::addColumn<double>("hi");
    QTest::addColumn<QList<double>>("expected");
    QTest::newRow("three simple") << QList<double>{-6, 11, -6, 1} << 0.0 << 4.0
                                  << QList<double>{1, 2, 3};
    QTest::newRow("open interval")
        << QList<double>{-6, 11, -6, 1} << 1.0 << 3.0 << QList<double>{2};
    QTest::newRow("double root where it turns")
        << QList<double>{-3, 7, -5, 1} << 0.0 << 4.0 << QList<double>{1, 3};
    QTest::newRow("one real of three")
        << QList<double>{-1, 0, 0, 1} << -5.0 << 5.0 << QList<double>{1};
    QTest::newRow("quadratic") << QList<double>{-2, 0, 1, 0} << -2.0 << 2.0
                               << QList<double>{-std::sqrt(2.0), std::sqrt(2.0)};
    QTest::newRow("quadratic, cancellation")
        << QList<double>{1, -1e8, 1, 0} << 0.0 << 2e8 << QList<double>{1e-8, 1e8};
    QTest::newRow("linear") << QList<double>{-3, 4, 0, 0} << 0.0 << 1.0 << QList<double>{0.75};
    QTest::newRow("no real root") << QList<double>{1, 0, 1, 0} << -9.0 << 9.0 << QList<double>{};
    QTest::newRow("zero") << QList<double>{0, 0, 0, 0} << -9.0 << 9.0 << QList<double>{};
}

void TestPlantCurves::roots() {
    QFETCH(QList<double>, coefficients);
    QFETCH(double, lo);
    QFETCH(double, hi);
    QFETCH(QList<double>, expected);
    const std::vector<double> found =
        realRoots({coefficients[0], coefficients[1], coefficients[2], coefficients[3]}, lo, hi);
    QCOMPARE(int(found.size()), int(expected.size()));
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(std::fabs(found[std::size_t(i)] - expected[i]) <= 1e-12 * std::fabs(expected[i]),
                 qPrintable(QString::number(found[std::size_t(i)], 'g', 17)));
}

void TestPlantCurves::figures_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<Figure>("figure");
    QTest::addColumn<double>("value"); // NaN: not computed
    QTest::addColumn<QString>("text");
    const Change none = [](TUsinaHd&) {};
    const double nan = std::nan("");
    const auto row = [&](const char* name, const Change& c, Figure f, double v, const char* t) {
        QTest::newRow(name) << c << f << v << QString::fromUtf8(t);
    };
    // The integral of the level over [100, 500] is 135000 - 124e6/24576 hm3.m.
    const double equivalent = (135000.0 - 124e6 / 24576) / 400;
    row("useful volume", none, Figure::UsefulVolume, 400, "400.00");
    row("level at VolMin", none, Figure::LevelAtVolMin, 311.279296875, "311.28");
    row("level at VolMax", none, Figure::LevelAtVolMax, 331.982421875, "331.98");
    row("level at V65 = 360", none, Figure::LevelAtV65, 329.1796875, "329.18");
    row("equivalent level", none, Figure::EquivalentLevel, equivalent, "324.89");
    row(
        "equal volumes: the level there", [](TUsinaHd& p) { p.VolMax = 100; },
        Figure::EquivalentLevel, 311.279296875, "311.28");
    row("Qt, declared sets only", none, Figure::TurbinedFlow, 400, "400.00");
    row("power, declared sets only", none, Figure::InstalledPower, 161, "161.00");
    row(
        "no set", [](TUsinaHd& p) { p.NumConjMaq = 0; }, Figure::InstalledPower, 0, "0.00");
    row("net head, losses in m", none, Figure::NetHeadEquivalent, equivalent - 281.5, "43.39");
    row("net head at V65", none, Figure::NetHeadV65, 329.1796875 - 281.5, "47.68");
    row(
        "net head, losses in %",
        [](TUsinaHd& p) {
            p.TipoPerdas = 1;
            p.ValorPerdas = 2;
        },
        Figure::NetHeadEquivalent, (equivalent - 280) * 0.98, "43.99");
    row(
        "net head, K times Qt squared",
        [](TUsinaHd& p) {
            p.TipoPerdas = 3;
            p.ValorPerdas = 1.0f / 65536;
        },
        Figure::NetHeadEquivalent, equivalent - 280 - 160000.0 / 65536, "42.44");
    row(
        "unknown loss type", [](TUsinaHd& p) { p.TipoPerdas = 7; }, Figure::NetHeadV65, nan,
        "não calculada: tipo de perdas 7");
    row("productivity", none, Figure::ProductivityEquivalent, (equivalent - 281.5) / 128, "0.3390");
    row("productivity at V65", none, Figure::ProductivityV65, (329.1796875 - 281.5) / 128,
        "0.3725");
    row(
        "productivity, unknown loss type", [](TUsinaHd& p) { p.TipoPerdas = 0; },
        Figure::ProductivityEquivalent, nan, "não calculada: tipo de perdas 0");
    row("area at CotaMin", none, Figure::AreaAtCotaMin, 11.25, "11.25");
    row("area at CotaMax", none, Figure::AreaAtCotaMax, 32, "32.00");
    row("yearly evaporation", none, Figure::YearlyEvaporation, 780, "780.00");
    row(
        "a NaN coefficient", [](TUsinaHd& p) { p.PCV[3] = std::nanf(""); }, Figure::LevelAtV65, nan,
        "não calculada: valor não finito");
}

void TestPlantCurves::figures() {
    QFETCH(Change, change);
    QFETCH(Figure, figure);
    QFETCH(double, value);
    QFETCH(QString, text);
    TUsinaHd plant = RegistryFixtures::curvesPlant();
    change(plant);
    const Figures f = computeFigures(storedSource(plant));
    if (std::isnan(value)) {
        QVERIFY(!f[figure].value);
    } else {
        QVERIFY(f[figure].value);
        QVERIFY2(std::fabs(*f[figure].value - value) <= 1e-12 * std::max(1.0, std::fabs(value)),
                 qPrintable(QString::number(*f[figure].value, 'g', 17)));
    }
    QCOMPARE(figureText(f[figure], figure, Language::Portuguese, QLocale::c()), text);
}

void TestPlantCurves::warnings_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("none") << Change([](TUsinaHd&) {}) << QStringList();
    // Slope 1/8 - V/2048: zero at 256, so the level falls from 256 on; it ends far from both
    // limits too.
    QTest::newRow("level falls") << Change([](TUsinaHd& p) { p.PCV[2] = -1.0f / 4096; })
                                 << QStringList{
                                        "Cota x Volume decrescente entre 256.00 e 500.00 hm3.",
                                        "Cota no volume mínimo 310.06 m a mais de 0.5 m da cota "
                                        "mínima 311.25 m.",
                                        "Cota no volume máximo 301.46 m a mais de 0.5 m da cota "
                                        "máxima 332.00 m."};
    // 300 + (V - 300)³/2^20: its slope only touches zero at 300; no fall.
    QTest::newRow("level flat at one point") << Change([](TUsinaHd& p) {
        p.PCV = {300.0f - 27e6f / 1048576, 270000.0f / 1048576, -900.0f / 1048576, 1.0f / 1048576,
                 0};
        p.CotaMin = 292.37060546875f;
        p.CotaMax = 307.62939453125f;
        p.PAC[0] = -200;
    }) << QStringList();
    QTest::newRow("level at VolMin far")
        << Change([](TUsinaHd& p) { p.CotaMin = 310; })
        << QStringList{"Cota no volume mínimo 311.28 m a mais de 0.5 m da cota mínima 310.00 m."};
    QTest::newRow("level at VolMin near enough")
        << Change([](TUsinaHd& p) { p.CotaMin = 310.8f; }) << QStringList();
    QTest::newRow("level at VolMax far")
        << Change([](TUsinaHd& p) { p.CotaMax = 331.4f; })
        << QStringList{"Cota no volume máximo 331.98 m a mais de 0.5 m da cota máxima 331.40 m."};
    QTest::newRow("area negative") << Change([](TUsinaHd& p) { p.PAC[0] = -320; })
                                   << QStringList{"Área x Cota não positiva na cota 311.25 m: "
                                                  "-8.75 km2."};
    QTest::newRow("area zero at CotaMin") << Change([](TUsinaHd& p) { p.PAC[0] = -311.25f; })
                                          << QStringList{"Área x Cota não positiva na cota "
                                                         "311.25 m: 0.00 km2."};
    QTest::newRow("area just positive")
        << Change([](TUsinaHd& p) { p.PAC[0] = -311; }) << QStringList();
    QTest::newRow("area falls") << Change([](TUsinaHd& p) {
        p.PAC = {400, -1, 0, 0, 0};
    }) << QStringList{"Área x Cota decrescente entre 311.25 e 332.00 m."};
    QTest::newRow("tailrace falls") << Change([](TUsinaHd& p) { p.PolJus[1][1] = -1.0f / 256; })
                                    << QStringList{"Polinômio de jusante 2 decrescente entre 0.00 "
                                                   "e 800.00 m3/s."};
    QTest::newRow("tailrace reaches CotaMin at Qmax")
        << Change([](TUsinaHd& p) { p.PolJus[0][0] = 305; })
        << QStringList{"Polinômio de jusante 1: cota 311.25 m na vazão 800.00 m3/s, não abaixo "
                       "da cota mínima 311.25 m."};
    // No set: Qt is 0, so the range is 1000 m3/s, where 302 + 1000/100 reaches CotaMin.
    QTest::newRow("no set, Qmax 1000")
        << Change([](TUsinaHd& p) {
               p.NumConjMaq = 0;
               p.PolJus[1] = {302, 1.0f / 100, 0, 0, 0};
           })
        << QStringList{"Polinômio de jusante 2: cota 312.00 m na vazão 1000.00 m3/s, não abaixo "
                       "da cota mínima 311.25 m."};
    QTest::newRow("net heads not positive")
        << Change([](TUsinaHd& p) { p.CanalFugaMed = 330; })
        << QStringList{"Queda líquida na cota equivalente não positiva: -6.61 m.",
                       "Queda líquida no V65 não positiva: -2.32 m."};
}

void TestPlantCurves::warnings() {
    QFETCH(Change, change);
    QFETCH(QStringList, expected);
    TUsinaHd plant = RegistryFixtures::curvesPlant();
    change(plant);
    QCOMPARE(warningTexts(computeFigures(storedSource(plant))), expected);
    // Every number of a warning takes the locale's separator, the distance allowed too.
    if (!expected.isEmpty() && QTest::currentDataTag() == QByteArray("level at VolMin far"))
        QCOMPARE(warningTexts(computeFigures(storedSource(plant)),
                              QLocale(QLocale::Portuguese, QLocale::Brazil)),
                 QStringList{"Cota no volume mínimo 311,28 m a mais de 0,5 m da cota mínima "
                             "310,00 m."});
}

void TestPlantCurves::formSource_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<Language>("language");
    QTest::addColumn<bool>("change"); // false: a new plant (Create)
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<Figure>("figure");
    QTest::addColumn<double>("value"); // NaN: not read
    QTest::addColumn<QString>("unread");
    const QLocale c = QLocale::c();
    const Language pt = Language::Portuguese, en = Language::English;
    const double nan = std::nan("");
    const Edit none = [](FormTexts&) {};
    const auto box = [](const char* name, const char* text) {
        return Edit([=](FormTexts& f) { f.boxes[QLatin1String(name)] = QString::fromUtf8(text); });
    };
    // The stored 500.004 shows as "500.00": untouched, the stored bits stand.
    QTest::newRow("untouched keeps the stored value")
        << c << pt << true << none << Figure::UsefulVolume << double(500.004f) - 100 << QString();
    QTest::newRow("typed") << c << pt << true << box("TXT_VMax", "600") << Figure::UsefulVolume
                           << 500.0 << QString();
    QTest::newRow("typed, comma locale")
        << QLocale(QLocale::Portuguese, QLocale::Brazil) << pt << true << box("TXT_VMax", "600,5")
        << Figure::UsefulVolume << 500.5 << QString();
    QTest::newRow("unreadable hides what needs it")
        << c << pt << true << box("TXT_VMax", "6x") << Figure::UsefulVolume << nan
        << QStringLiteral("Volume Máximo (hm3)");
    QTest::newRow("and only that") << c << pt << true << box("TXT_VMax", "6x")
                                   << Figure::LevelAtVolMin << 311.279296875 << QString();
    QTest::newRow("a cell") << c << pt << true
                            << Edit([](FormTexts& f) { f.PCVA.set(0, 2, QStringLiteral("-")); })
                            << Figure::EquivalentLevel << nan << QStringLiteral("Cota x Volume A2");
    QTest::newRow("a set's flow") << c << pt << true
                                  << Edit([](FormTexts& f) { f.ConjMaq1.set(1, 3, "5.5"); })
                                  << Figure::TurbinedFlow << nan
                                  << QStringLiteral("CONJUNTOS DE MÁQUINAS 2: QEf (m3/s)");
    QTest::newRow("a set past the count") << c << pt << true << Edit([](FormTexts& f) {
        f.boxes["TXT_NGrMaq"] = "1";
        f.ConjMaq1.set(1, 3, "5.5");
    }) << Figure::TurbinedFlow << 300.0 << QString();
    QTest::newRow("the loss type chosen") << c << pt << true << Edit([](FormTexts& f) {
        f.selectors["CMBtp_perda"] = "1 - %";
        f.boxes["TXT_Phd"] = "2";
        f.boxes["TXT_VMax"] = "500";
    }) << Figure::NetHeadV65 << (329.1796875 - 280) * 0.98
                                          << QString();
    QTest::newRow("new plant, empty box") << c << pt << false << none << Figure::AreaAtCotaMin
                                          << nan << QStringLiteral("Cota Mínima (m)");
    // The boxes and cells by their labels in the interface's language.
    QTest::newRow("English box") << c << en << true << box("TXT_VMax", "6x") << Figure::UsefulVolume
                                 << nan << QStringLiteral("Maximum Volume (hm3)");
}

void TestPlantCurves::formSource() {
    QFETCH(QLocale, locale);
    QFETCH(Language, language);
    QFETCH(bool, change);
    QFETCH(Edit, edit);
    QFETCH(Figure, figure);
    QFETCH(double, value);
    QFETCH(QString, unread);
    TUsinaHd plant = RegistryFixtures::curvesPlant();
    plant.VolMax = 500.004f;
    LookupLists lists;
    lists.setDefaults();
    const QStringList entries{QStringLiteral("1 - EXATA")};
    QStringList names = PlantList::emptyPlantNames();
    names[1] = QStringLiteral("EXATA");
    FormTexts form = changeFormTexts(1, plant, lists, names, entries, locale);
    std::optional<ShownPlant> shown = ShownPlant{plant, form};
    if (!change) {
        shown.reset();
        form.boxes[QStringLiteral("TXT_YMin")].clear();
    }
    edit(form);
    const Figures f = computeFigures(PlantCurves::formSource(form, shown, locale, language));
    if (std::isnan(value)) {
        QVERIFY(!f[figure].value);
        QCOMPARE(f[figure].unread, unread);
    } else {
        QVERIFY(f[figure].value);
        QVERIFY2(std::fabs(*f[figure].value - value) <= 1e-9,
                 qPrintable(QString::number(*f[figure].value, 'g', 17)));
    }
}

// The export's conventions: semicolons, the locale's separator, Windows-1252, CR LF; a
// figure not computed is an empty cell.
void TestPlantCurves::summary() {
    TUsinaHd odd = RegistryFixtures::curvesPlant();
    odd.TipoPerdas = 9;
    odd.PAC[0] = -320;
    const QByteArray csv = summaryCsv(
        RegistryFixtures::registryBytes(4, {{2, RegistryFixtures::curvesPlant()}, {4, odd}}),
        QLocale(QLocale::Portuguese, QLocale::Brazil));
    const QList<QByteArray> lines = csv.split('\n');
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].startsWith("CodUsina;Usina;Volume \xfatil (hm3);Cota no volume m\xednimo"));
    QVERIFY(lines[0].endsWith("Evapora\xe7\xe3o anual (mm);Avisos;\r"));
    QCOMPARE(lines[0].count(';'), 2 + FigureCount + 1);
    QCOMPARE(lines[1], QByteArray("2;EXATA       ;400,00;311,28;331,98;329,18;324,89;400,00;"
                                  "161,00;43,39;47,68;0,3390;0,3725;11,25;32,00;780,00;0;\r"));
    QCOMPARE(lines[2], QByteArray("4;EXATA       ;400,00;311,28;331,98;329,18;324,89;400,00;"
                                  "161,00;;;;;-8,75;12,00;780,00;1;\r"));
    QCOMPARE(lines[3], QByteArray());
}

QTEST_GUILESS_MAIN(TestPlantCurves)
#include "tst_plantcurves.moc"

// Counts read from a record at the ends of their type (NumConjMaq, NumPolsJus: 715827883, whose
// triple overflows an int, INT_MIN, -1, INT_MAX, the blanks' 538976288): every report and the
// edit form's texts run quickly and stay within 5 machine sets and 6 downstream polynomials.
// (Before the clamp, 3 x 715827883 wrapped negative and the edit form laid the empty-plant rows
// over the stored curves; under the sanitizers it is undefined behaviour.)

#include "EditingSupport.h"
#include "RegistryFixtures.h"
#include "ReportSamples.h"
#include "curves/CurveSources.h"
#include "curves/CurveSummary.h"
#include "editing/EditForm.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "reports/CsvExport.h"
#include "reports/SheetLayout.h"
#include "tools/RegistryCheck.h"
#include "tools/RegistryDiff.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <limits>

using EditingSupport::validationText;
using RegistryFixtures::registryBytes;
using RegistryFixtures::validPlant;

namespace {

constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();

TUsinaHd plantWith(std::int32_t sets, std::int32_t polynomials) {
    TUsinaHd p = validPlant("EXTREMA");
    p.NumConjMaq = sets;
    p.NumPolsJus = polynomials;
    return p;
}

LookupLists defaults() {
    LookupLists l;
    l.setDefaults();
    return l;
}

bool messagesContain(const CheckReport& report, const QString& text) {
    for (const CheckFinding& f : report.findings)
        if (f.message == text)
            return true;
    return false;
}

} // namespace

class TestExtremeCounts : public QObject {
    Q_OBJECT

private slots:
    void reports_data() {
        QTest::addColumn<std::int32_t>("sets");
        QTest::addColumn<std::int32_t>("polynomials");
        QTest::newRow("3 x sets overflows") << 715827883 << 715827883;
        QTest::newRow("INT_MIN") << Min << Min;
        QTest::newRow("-1") << -1 << -1;
        QTest::newRow("INT_MAX") << Max << Max;
        QTest::newRow("blanks") << 538976288 << 538976288;
        QTest::newRow("mixed") << Max << Min;
        QTest::newRow("in range") << 2 << 1;
    }

    void reports() {
        QFETCH(std::int32_t, sets);
        QFETCH(std::int32_t, polynomials);
        const TUsinaHd plant = plantWith(sets, polynomials);
        const QByteArray registry = registryBytes(2, {{1, plant}, {2, validPlant("OUTRA", 1)}});
        const LookupLists lists = defaults();
        const QLocale locale = QLocale::c();
        const PlantList list = plantListFromBytes(registry);
        QElapsedTimer clock;
        clock.start();

        // The edit form: the grids at their edit rows; rows of the declared sets keep the stored
        // texts, the others take the empty-plant layout.
        const PlantTexts display = plantDisplayTexts(plant, lists, list.plantNames, locale);
        const FormTexts form =
            changeFormTexts(1, plant, lists, list.plantNames, list.entries, locale);
        const FormTexts edit;
        QCOMPARE(form.ConjMaq1.rows, edit.ConjMaq1.rows);
        QCOMPARE(form.ConjMaq2.rows, edit.ConjMaq2.rows);
        QCOMPARE(form.PolsJus.rows, edit.PolsJus.rows);
        const int used = std::clamp(sets, 0, 5);
        for (int row = 0; row < 15; ++row)
            QCOMPARE(form.ConjMaq2.at(row, 2),
                     row < 3 * used ? display.ConjMaq2.at(row, 2) : QStringLiteral("0"));
        const int usedPols = std::clamp(polynomials, 0, 6);
        for (int row = 0; row < 6; ++row)
            QCOMPARE(form.PolsJus.at(row, 1),
                     row < usedPols ? display.PolsJus.at(row, 1) : QStringLiteral("0"));

        // The check finds the counts out of range, and nothing goes past the grids.
        const CheckReport check = checkRegistry(registry, lists, locale, Language::Portuguese);
        QCOMPARE(check.checked, 2);
        QCOMPARE(messagesContain(check, validationText(1, 18)), sets < 0 || sets > 5);
        // More than 5 sets: the sixth set's row is read, is empty, and its conversion ends the
        // rules before the polynomials' (as Save does).
        QCOMPARE(messagesContain(check, validationText(1, 24)),
                 (polynomials < 1 || polynomials > 6) && sets <= 5);

        // The comparison with the counts in range names both counts, as integers.
        const DiffReport diff =
            diffRegistries(registryBytes(2, {{1, plantWith(2, 1)}}), registry, locale);
        QStringList fields;
        for (const DiffLine& line : diff.lines)
            if (line.code == 1)
                fields << line.field + '=' + line.newValue;
        if (sets != 2)
            QVERIFY(fields.contains("Num.Conj.Máq.=" + QString::number(sets)));
        if (polynomials != 1)
            QVERIFY(fields.contains("Num.Pols.Jus.=" + QString::number(polynomials)));

        // The figures count at most 5 sets and 6 polynomials.
        const PlantCurves::Figures figures =
            PlantCurves::computeFigures(PlantCurves::storedSource(plant));
        QCOMPARE(figures.sets, used);
        QCOMPARE(figures.polynomials, usedPols);
        const PlantCurves::Figures typed = PlantCurves::computeFigures(
            PlantCurves::formSource(form, ShownPlant{plant, form}, locale));
        QCOMPARE(typed.sets, used);
        QCOMPARE(PlantCurves::summaryCsv(registry, locale).count("\r\n"), 3);

        // The CSV writes the counts as they are; the sheet prints at most 5 sets.
        const QByteArray csv =
            CsvExport::buildCsv(registry, list.entries, list.plantNames, lists, locale);
        QCOMPARE(csv.count("\r\n"), 3);
        QVERIFY(csv.split('\n').at(1).contains(';' + QByteArray::number(sets) + ';'));
        const SheetTexts sheet = sheetTextsFromRecord(1, plant, lists, list.plantNames, locale);
        const SheetLayout layout = layoutSheet(
            sheet, SheetKind::AllPlants, QSize(3300, 2550),
            [](SheetFont, const QString& t) { return int(t.size()) * 10; }, QString());
        QVERIFY(layout.ok);
        int setLines = 0;
        for (const DrawCommand& c : layout.commands)
            setLines += c.text.startsWith(QStringLiteral("QHT"));
        QCOMPARE(setLines, used);

        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    }

    // The counts as a user types them into the form: any whole number lays out the same rows.
    void fillEmptyRowsClamps_data() {
        QTest::addColumn<int>("sets");
        QTest::addColumn<int>("polynomials");
        QTest::addColumn<int>("keptSetRows");
        QTest::addColumn<int>("keptPolynomialRows");
        QTest::newRow("overflowing") << 715827883 << 715827883 << 5 << 6;
        QTest::newRow("INT_MAX") << Max << Max << 5 << 6;
        QTest::newRow("INT_MIN") << Min << Min << 0 << 0;
        QTest::newRow("-1") << -1 << -1 << 0 << 0;
        QTest::newRow("2 and 3") << 2 << 3 << 2 << 3;
    }
    void fillEmptyRowsClamps() {
        QFETCH(int, sets);
        QFETCH(int, polynomials);
        QFETCH(int, keptSetRows);
        QFETCH(int, keptPolynomialRows);
        FormTexts f;
        for (GridTexts* g : {&f.ConjMaq1, &f.ConjMaq2, &f.PolsJus})
            std::fill(g->cells.begin(), g->cells.end(), QStringLiteral("x"));
        fillEmptyRows(f, sets, polynomials);
        for (int r = 0; r < f.ConjMaq1.rows; ++r)
            QCOMPARE(f.ConjMaq1.at(r, 1), r < keptSetRows ? QString("x") : QString("0"));
        for (int r = 0; r < f.ConjMaq2.rows; ++r)
            QCOMPARE(f.ConjMaq2.at(r, 2), r < 3 * keptSetRows ? QString("x") : QString("0"));
        for (int r = 0; r < f.PolsJus.rows; ++r)
            QCOMPARE(f.PolsJus.at(r, 1), r < keptPolynomialRows ? QString("x") : QString("0"));
    }

    // The commands end, quickly, on such a registry.
    void commandLine_data() {
        QTest::addColumn<QStringList>("args"); // REG, OLD and OUT stand for the files
        QTest::addColumn<int>("exitCode");
        QTest::newRow("--check") << QStringList{"--check", "REG"} << 1;
        QTest::newRow("--diff") << QStringList{"--diff", "OLD", "REG"} << 1;
        QTest::newRow("--summary") << QStringList{"--summary", "REG", "OUT.csv"} << 0;
        QTest::newRow("--export-csv") << QStringList{"--export-csv", "REG", "OUT.csv"} << 0;
        QTest::newRow("--print-pdf") << QStringList{"--print-pdf", "REG", "OUT.pdf"} << 0;
    }
    void commandLine() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        QByteArray registry;
        int code = 0;
        QList<std::pair<int, TUsinaHd>> plants;
        for (const std::int32_t v : {715827883, Min, -1, Max})
            plants.append({++code, plantWith(v, v)});
        const QString reg =
            RegistryFixtures::writeFile(dir.path(), "HIDR.DAT", registryBytes(code, plants));
        const QString old = RegistryFixtures::writeFile(
            dir.path(), "OLD.DAT", registryBytes(code, {{1, plantWith(2, 1)}}));
        for (QString& a : args)
            a = a == u"REG" ? reg : a == u"OLD" ? old : a.startsWith(u"OUT") ? dir.filePath(a) : a;
        QElapsedTimer clock;
        clock.start();
        const ReportSamples::Run r = ReportSamples::quillmark(args);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_GUILESS_MAIN(TestExtremeCounts)
#include "tst_extremecounts.moc"

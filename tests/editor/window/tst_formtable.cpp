// The form table against the real window and the record: every record field has exactly one
// entry, the entry reads and writes that field and no other, and every box, selector, label,
// grid and cell it names is in the window, a cell showing the entry's value there.

#include "EditorHarness.h"
#include "RegistryFixtures.h"
#include "registry/PlantFields.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <cstring>
#include <memory>

using namespace RegistryFixtures;

namespace {

// The names of the fields of a plant that differ from a zero plant's.
QStringList changedFields(const TUsinaHd& plant) {
    QStringList names;
    TUsinaHd zero;
    forEachPlantField(zero, [&](const char* name, auto& field) {
        bool same = true;
        forEachPlantField(plant, [&](const char* other, const auto& value) {
            if (std::strcmp(name, other) == 0)
                same = std::memcmp(&field, &value, sizeof field) == 0;
        });
        if (!same)
            names << QString::fromLatin1(name);
    });
    return names;
}

} // namespace

class TestFormTable : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFieldOnceAndInTheWindow_data();
    void everyFieldOnceAndInTheWindow();

private:
    std::unique_ptr<EditorHarness> m_harness;
    TFRMeditor* m_window = nullptr;
    TUsinaHd m_plant;
};

void TestFormTable::initTestCase() {
    // Every machine set and downstream polynomial in use, so that every cell is shown.
    m_plant = fullPlant(QStringLiteral("ALFA"));
    m_plant.NumConjMaq = MaxMachineSets;
    m_plant.NumPolsJus = MaxDownstreamPolynomials;
    m_harness = std::make_unique<EditorHarness>();
    const QString file = m_harness->writeFile("HIDR.DAT", registryBytes(1, {{1, m_plant}}));
    m_window = &m_harness->start({file});
}

void TestFormTable::everyFieldOnceAndInTheWindow_data() {
    QTest::addColumn<QString>("field");
    TUsinaHd probe;
    forEachPlantField(probe, [](const char* name, auto&) { QTest::newRow(name) << name; });
}

void TestFormTable::everyFieldOnceAndInTheWindow() {
    QFETCH(QString, field);
    const PlantField* entry = nullptr;
    int entries = 0;
    for (const PlantField& f : formFields())
        if (field == QLatin1String(f.field)) {
            entry = &f;
            ++entries;
        }
    QCOMPARE(entries, 1);
    const PlantField& f = *entry;

    // The entry's accessors reach its own field, each element on its own.
    TUsinaHd written;
    if (f.bytes) {
        f.bytes(written)[0] = 'x';
    } else {
        for (int e = 0; e < f.access.elements; ++e)
            QVERIFY(f.access.read(written, e, QString::number(e + 1), QLocale::c(), RecordForm::Bytes792));
        for (int e = 0; e < f.access.elements; ++e)
            QCOMPARE(f.access.text(written, e, 0, QLocale::c()).toDouble(), double(e + 1));
    }
    QCOMPARE(changedFields(written), QStringList{field});

    const TFRMeditor& w = *m_window;
    if (f.isBox()) {
        auto* box = w.findChild<QLineEdit*>(f.name());
        QVERIFY2(box, f.control);
        if (*f.selector)
            QVERIFY2(w.findChild<QComboBox*>(QString::fromLatin1(f.selector)), f.selector);
        for (const char* label : {f.label, f.heading})
            if (*label)
                QVERIFY2(w.findChild<QLabel*>(QString::fromLatin1(label)), label);
        if (*f.label)
            QCOMPARE(w.findChild<QLabel*>(QString::fromLatin1(f.label))->buddy(), box);
        return;
    }
    const FormGrid& g = *f.grid;
    auto* grid = w.findChild<QTableWidget*>(g.name());
    QVERIFY2(grid, g.control);
    QCOMPARE(grid->columnCount(), g.columns());
    for (const GridHeading& h : g.headings)
        QVERIFY2(w.findChild<QLabel*>(QString::fromLatin1(h.label)), h.label);
    for (const char* caption : g.rowCaptions)
        if (caption)
            QVERIFY2(w.findChild<QLabel*>(QString::fromLatin1(caption)), caption);
    QVERIFY(w.findChild<QLabel*>(QString::fromLatin1(g.caption)));
    for (int e = 0; e < f.access.elements; ++e) {
        const auto [row, column] = f.cellOf(e);
        QVERIFY2(row < grid->rowCount() && column < grid->columnCount(),
                 qPrintable(QStringLiteral("%1 %2").arg(field).arg(e)));
        QCOMPARE(f.elementAt(row, column), e);
        QCOMPARE(cellText(grid, row, column), f.access.text(m_plant, e, f.decimals, QLocale::c()));
    }
}

QTEST_MAIN(TestFormTable)
#include "tst_formtable.moc"

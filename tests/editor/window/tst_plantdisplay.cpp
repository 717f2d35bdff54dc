// A plant as the main window shows it, under both decimal separators, and the plant list's
// two orders with the duplicate-code check of the code box.

#include "EditorHarness.h"
#include "RegistryFixtures.h"
#include "window/GridColumnLabels.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QFocusEvent>
#include <QTest>

using namespace RegistryFixtures;
using Kind = ScriptedDialogs::Kind;

static QStringList items(const QComboBox* combo) {
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

// Shows the plant with the given code, as the user picks it from the list by code.
static void choose(TFRMeditor& w, const QString& entry) {
    const int index = w.ui.ComboBox1->findText(entry);
    QVERIFY2(index >= 0, qPrintable(entry));
    w.ui.ComboBox1->setCurrentIndex(index);
    emit w.ui.ComboBox1->activated(index);
}

class TestPlantDisplay : public QObject {
    Q_OBJECT

private slots:
    void everyField_data();
    void everyField();
    void clearingKeepsRowCounts();
    void columnHeadingsOverTheirColumns();
    void gridRows_data();
    void gridRows();
    void codedFieldsOutsideTheirLists_data();
    void codedFieldsOutsideTheirLists();
    void byNameOrder();
    void byNameTwiceLeavesTheList();
    void byCodeAfterByName();
    void hyphenatedName();
    void codeExit_data();
    void codeExit();
    void codeExitOnLeavingTheBox();
};

void TestPlantDisplay::everyField_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("sep");
    QTest::newRow("point") << QLocale::c() << ".";
    QTest::newRow("comma pt_BR") << QLocale(QLocale::Portuguese, QLocale::Brazil) << ",";
    QTest::newRow("comma de_DE") << QLocale(QLocale::German, QLocale::Germany) << ",";
}

void TestPlantDisplay::everyField() {
    QFETCH(QLocale, locale);
    QFETCH(QString, sep);

    EditorHarness h;
    const QString file =
        h.writeFile("HIDR.DAT", registryBytes(6, {{1, fullPlant(QStringLiteral("São Simão"))},
                                                  {6, plantNamed(QStringLiteral("ILHA-ALTA"))}}));
    TFRMeditor& w = h.start({file}, locale);
    auto x = [&](QString text) { return text.replace("{}", sep); };

    const std::pair<QLineEdit*, QString> boxes[] = {
        {w.ui.TXT_Cod, "1"},
        {w.ui.TXT_Nome, "SÃO SIMÃO   "},
        {w.box("TXT_Posto"), "156"},
        {w.box("TXT_Posto_BDH"), "6135000 "},
        {w.box("TXT_SistUsi"), "1 - Sudeste"},
        {w.box("TXT_Empresa"), "19 - Furnas"},
        {w.box("TXT_Jusante"), "6 - ILHA-ALTA   "},
        {w.box("TXT_Desvio"), "0 - NÃO HÁ"},
        {w.box("TXT_VMin"), x("1974{}50   hm3")},
        {w.box("TXT_VMax"), x("22950{}00   hm3")},
        {w.box("TXT_V_Vert"), x("22950{}00   hm3")},
        {w.box("TXT_V_CDesv"), x("0{}00   hm3")},
        {w.box("TXT_V_Ref"), x("22950{}00   hm3")},
        {w.box("TXT_YMin"), x("750{}00   m")},
        {w.box("TXT_Ymax"), x("768{}00   m")},
        {w.box("TXT_Resp"), x("0{}008700 MW/m3/s/m")},
        {w.box("TXT_Phd"), x("1{}50")},
        {w.box("TXT_JusNom"), x("667{}45 m")},
        {w.box("TXT_VICF"), "1 - Yes"},
        {w.box("TXT_FatCgMax"), x("100{}00 %")},
        {w.box("TXT_FatCgMin"), x("35{}50 %")},
        {w.box("TXT_QNaMH"), "187 m3/s"},
        {w.box("TXT_N_UBase"), "4"},
        {w.box("TXT_Tipo_Turb"), "1 - Francis"},
        {w.box("TXT_RepGrGer"), "1 - Det."},
        {w.box("TXT_TxSForc"), x("2{}345 %")},
        {w.box("TXT_TxIndProg"), x("6{}789 %")},
        {w.box("TXT_TpPerda"), "2 - m"},
        {w.box("TXT_NKeyCur"), "4"},
        {w.box("TXT_NGrMaq"), "3"},
        {w.ui.TXT_Data, "03/11/26"},
        {w.ui.TXT_Obs, QStringLiteral("Dados revisados após a cheia de março").leftJustified(43)},
        {w.box("TXT_reg"), "M - Mensal"},
    };
    for (const auto& [box, expected] : boxes) {
        if (box->text() != expected)
            QFAIL(qPrintable(box->objectName() + ": \"" + box->text() + "\" instead of \"" +
                             expected + "\""));
    }

    struct Cell {
        QTableWidget* grid;
        int row, column;
        QString text;
    };
    const Cell cells[] = {
        {w.ui.StrGr_PCVA, 0, 0, x("7{}367600E+02")},
        {w.ui.StrGr_PCVA, 0, 4, x("-3{}125600E-17")},
        {w.ui.StrGr_PCVA, 1, 0, x("-2{}212500E+05")},
        {w.ui.StrGr_PCVA, 1, 4, x("0{}000000E+00")},
        {w.ui.StrGr_EvapM, 0, 0, "87"},
        {w.ui.StrGr_EvapM, 0, 11, "91"},
        {w.ui.StrGr_ConjMaq1, 0, 0, "1"},
        {w.ui.StrGr_ConjMaq1, 0, 1, "4"},
        {w.ui.StrGr_ConjMaq1, 0, 2, x("175{}0")},
        {w.ui.StrGr_ConjMaq1, 0, 3, "230"},
        {w.ui.StrGr_ConjMaq1, 0, 4, x("84{}50")},
        {w.ui.StrGr_ConjMaq1, 2, 0, "3"},
        {w.ui.StrGr_ConjMaq1, 2, 4, x("61{}25")},
        {w.ui.StrGr_ConjMaq2, 0, 0, "1"},
        {w.ui.StrGr_ConjMaq2, 0, 1, "QHT"},
        {w.ui.StrGr_ConjMaq2, 1, 1, "QHG"},
        {w.ui.StrGr_ConjMaq2, 2, 1, "PH"},
        {w.ui.StrGr_ConjMaq2, 3, 0, "2"},
        {w.ui.StrGr_ConjMaq2, 0, 2, x("1{}250000E+00")},
        {w.ui.StrGr_ConjMaq2, 4, 2, x("-3{}333333E-01")},
        {w.ui.StrGr_ConjMaq2, 8, 0, "3"},
        {w.ui.StrGr_ConjMaq2, 8, 6, x("2{}004000E+00")},
        {w.ui.StrGr_PolsJus, 0, 0, "1"},
        {w.ui.StrGr_PolsJus, 0, 1, x("6{}651200E+02")},
        {w.ui.StrGr_PolsJus, 3, 0, "4"},
        {w.ui.StrGr_PolsJus, 3, 2, x("8{}400000E-03")},
        {w.ui.StrGr_PolsJus, 3, 6, x("669{}50")},
    };
    for (const Cell& c : cells) {
        const QString text = cellText(c.grid, c.row, c.column);
        if (text != c.text)
            QFAIL(qPrintable(QStringLiteral("%1(%2,%3): \"%4\" instead of \"%5\"")
                                 .arg(c.grid->objectName())
                                 .arg(c.row)
                                 .arg(c.column)
                                 .arg(text, c.text)));
    }
    QCOMPARE(w.ui.StrGr_ConjMaq1->rowCount(), 3);
    QCOMPARE(w.ui.StrGr_ConjMaq2->rowCount(), 9);
    QCOMPARE(w.ui.StrGr_PolsJus->rowCount(), 4);
    QCOMPARE(h.dialogs.messageLines(), QStringList());
}

void TestPlantDisplay::clearingKeepsRowCounts() {
    EditorHarness h;
    const QString file =
        h.writeFile("HIDR.DAT", registryBytes(1, {{1, fullPlant(QStringLiteral("ALFA"))}}));
    TFRMeditor& w = h.start({file});
    w.ui.MnFileLoad->trigger(); // cancelled: the form is cleared
    QCOMPARE(w.ui.StrGr_ConjMaq1->rowCount(), 3);
    QCOMPARE(w.ui.StrGr_ConjMaq2->rowCount(), 9);
    QCOMPARE(w.ui.StrGr_PolsJus->rowCount(), 4);
    for (QTableWidget* grid : grids(w))
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < grid->columnCount(); ++c)
                QVERIFY2(cellText(grid, r, c).isEmpty(),
                         qPrintable(grid->objectName()));
    QList<QLineEdit*> boxes = plantBoxes(w);
    boxes << w.ui.TXT_Cod;
    for (QLineEdit* box : boxes)
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    QCOMPARE(w.ui.ComboBox1->count(), 0);
}

void TestPlantDisplay::columnHeadingsOverTheirColumns() {
    EditorHarness h;
    TFRMeditor& w = h.start({});
    QTest::qWait(20);
    const QList<GridColumnLabels*> strips = w.findChildren<GridColumnLabels*>();
    QCOMPARE(strips.size(), 5); // PCVA, EvapM, ConjMaq1, ConjMaq2, PolsJus
    for (const GridColumnLabels* strip : strips) {
        const QTableWidget* grid = strip->grid();
        QCOMPARE(strip->labels().size(), grid->columnCount());
        const QHeaderView* header = grid->horizontalHeader();
        const int gridTop = grid->mapTo(&w, QPoint(0, 0)).y();
        for (int c = 0; c < grid->columnCount(); ++c) {
            const int columnCentre = grid->viewport()
                                         ->mapTo(&w, QPoint(header->sectionViewportPosition(c) +
                                                                header->sectionSize(c) / 2,
                                                            0))
                                         .x();
            // The heading of a column sits right above its centre.
            const QLabel* label = strip->labels().at(c);
            const QRect r(label->mapTo(&w, QPoint(0, 0)), label->size());
            QVERIFY2(label->isVisible() && r.left() <= columnCentre && columnCentre <= r.right() &&
                         r.bottom() <= gridTop && r.bottom() >= gridTop - 2 * r.height(),
                     qPrintable(grid->objectName() + " " + label->text()));
        }
    }
}

void TestPlantDisplay::gridRows_data() {
    QTest::addColumn<int>("sets");
    QTest::addColumn<int>("polynomials");
    QTest::addColumn<int>("rows1");
    QTest::addColumn<int>("rows2");
    QTest::addColumn<int>("rowsPols");
    QTest::newRow("2 sets, no polynomial") << 2 << 0 << 2 << 6 << 1;
    QTest::newRow("none") << 0 << 1 << 1 << 1 << 1;
    QTest::newRow("negative counts") << -3 << -1 << 1 << 1 << 1;
    QTest::newRow("5 and 6") << 5 << 6 << 5 << 15 << 6;
    QTest::newRow("beyond the arrays") << 7 << 9 << 5 << 15 << 6;
    QTest::newRow("blank record counts") << 538976288 << 538976288 << 5 << 15 << 6;
}

void TestPlantDisplay::gridRows() {
    QFETCH(int, sets);
    QFETCH(int, polynomials);
    QFETCH(int, rows1);
    QFETCH(int, rows2);
    QFETCH(int, rowsPols);

    EditorHarness h;
    TUsinaHd p = plantNamed(QStringLiteral("BETA"));
    p.NumConjMaq = sets;
    p.NumPolsJus = polynomials;
    const QString file =
        h.writeFile("HIDR.DAT", registryBytes(2, {{1, fullPlant(QStringLiteral("ALFA"))}, {2, p}}));
    TFRMeditor& w = h.start({file});
    QCOMPARE(w.ui.StrGr_ConjMaq2->rowCount(), 9);
    choose(w, "2 - BETA");
    QCOMPARE(w.ui.StrGr_ConjMaq1->rowCount(), rows1);
    QCOMPARE(w.ui.StrGr_ConjMaq2->rowCount(), rows2);
    QCOMPARE(w.ui.StrGr_PolsJus->rowCount(), rowsPols);
    // Nothing of the plant shown before stays in a row left empty.
    if (sets <= 0) {
        for (int c = 0; c < 5; ++c)
            QCOMPARE(cellText(w.ui.StrGr_ConjMaq1, 0, c), QString());
        for (int c = 0; c < 7; ++c)
            QCOMPARE(cellText(w.ui.StrGr_ConjMaq2, 0, c), QString());
    } else {
        QCOMPARE(cellText(w.ui.StrGr_ConjMaq2, rows2 - 1, 1), QStringLiteral("PH"));
        QCOMPARE(cellText(w.ui.StrGr_ConjMaq1, rows1 - 1, 0), QString::number(rows1));
    }
    if (polynomials <= 0)
        QCOMPARE(cellText(w.ui.StrGr_PolsJus, 0, 6), QString());
    else
        QCOMPARE(cellText(w.ui.StrGr_PolsJus, rowsPols - 1, 0), QString::number(rowsPols));
}

void TestPlantDisplay::codedFieldsOutsideTheirLists_data() {
    QTest::addColumn<int>("sistema");
    QTest::addColumn<int>("empresa");
    QTest::addColumn<int>("jusante");
    QTest::addColumn<int>("turbina");
    QTest::addColumn<QString>("shown"); // the four texts joined by "|"
    QTest::newRow("zero") << 0 << 0 << 0 << 0 << "0 - |0 - |0 - NÃO HÁ|0 - NÃO HÁ";
    QTest::newRow("beyond") << 5 << 301 << 1001 << 4 << "5 - |301 - |1001 - |4 - ";
    QTest::newRow("negative") << -1 << -2 << -3 << -4 << "-1 - |-2 - |-3 - |-4 - ";
    QTest::newRow("known, company without a name")
        << 4 << 12 << 2 << 3 << "4 - Norte|12 - |2 - BETA        |3 - Pelton";
}

void TestPlantDisplay::codedFieldsOutsideTheirLists() {
    QFETCH(int, sistema);
    QFETCH(int, empresa);
    QFETCH(int, jusante);
    QFETCH(int, turbina);
    QFETCH(QString, shown);

    EditorHarness h;
    TUsinaHd p = plantNamed(QStringLiteral("ALFA"));
    p.Sistema = sistema;
    p.Empresa = empresa;
    p.Jusante = jusante;
    p.TipoTurbina = turbina;
    const QString file = h.writeFile(
        "HIDR.DAT", registryBytes(2, {{1, p}, {2, plantNamed(QStringLiteral("BETA"))}}));
    TFRMeditor& w = h.start({file});
    QCOMPARE(QStringList({w.box("TXT_SistUsi")->text(), w.box("TXT_Empresa")->text(),
                          w.box("TXT_Jusante")->text(), w.box("TXT_Tipo_Turb")->text()})
                 .join('|'),
             shown);
}

// Plants 2 Ébano, 3 BETA, 4 Zeta, 5 SALTO-ALTO, 7 ALFA, 9 alfa; 8 starts with a blank.
static QByteArray searchRegistry() {
    TUsinaHd salto = plantNamed(QStringLiteral("SALTO-ALTO"));
    salto.Posto = 55;
    return registryBytes(9, {{2, plantNamed(QStringLiteral("Ébano"))},
                             {3, plantNamed(QStringLiteral("BETA"))},
                             {4, plantNamed(QStringLiteral("Zeta"))},
                             {5, salto},
                             {7, plantNamed(QStringLiteral("ALFA"))},
                             {8, plantNamed(QStringLiteral(" ALFA"))},
                             {9, plantNamed(QStringLiteral("alfa"))}});
}

static const QStringList ByCode = {"2 - Ébano",      "3 - BETA", "4 - Zeta",
                                   "5 - SALTO-ALTO", "7 - ALFA", "9 - alfa"};
static const QStringList ByName = {"ALFA (7)",  "alfa (9)",       "BETA (3)",
                                   "Ébano (2)", "SALTO-ALTO (5)", "Zeta (4)"};

void TestPlantDisplay::byNameOrder() {
    EditorHarness h;
    const QString file = h.writeFile("HIDR.DAT", searchRegistry());
    TFRMeditor& w = h.start({file}, QLocale(QLocale::Portuguese, QLocale::Brazil));
    QCOMPARE(items(w.ui.ComboBox1), ByCode);
    w.ui.MnEditSearchName->trigger();
    QCOMPARE(items(w.ui.ComboBox1), ByName);
    QVERIFY(w.ui.MnEditSearchName->isChecked());
    QVERIFY(!w.ui.MnEditSearchCode->isChecked());
    QCOMPARE(w.document().listMode(), EditorDocument::ListMode::ByName);
    QCOMPARE(items(w.ui.ComboBox2), ByCode); // the master list stays in file order
}

void TestPlantDisplay::byNameTwiceLeavesTheList() {
    EditorHarness h;
    const QString file = h.writeFile("HIDR.DAT", searchRegistry());
    TFRMeditor& w = h.start({file}, QLocale(QLocale::Portuguese, QLocale::Brazil));
    w.ui.MnEditSearchName->trigger();
    w.ui.ComboBox1->setCurrentIndex(2);
    // The action unchecks itself as it is triggered again; the mode, the list and the
    // choice stay.
    w.ui.MnEditSearchName->trigger();
    QCOMPARE(items(w.ui.ComboBox1), ByName);
    QCOMPARE(w.ui.ComboBox1->currentIndex(), 2);
    QVERIFY(w.ui.MnEditSearchName->isChecked());
    QVERIFY(!w.ui.MnEditSearchCode->isChecked());
}

void TestPlantDisplay::byCodeAfterByName() {
    EditorHarness h;
    const QString file = h.writeFile("HIDR.DAT", searchRegistry());
    TFRMeditor& w = h.start({file}, QLocale(QLocale::Portuguese, QLocale::Brazil));
    w.ui.MnEditSearchName->trigger();
    w.ui.MnEditSearchCode->trigger();
    QCOMPARE(items(w.ui.ComboBox1), ByCode);
    QVERIFY(w.ui.MnEditSearchCode->isChecked());
    QVERIFY(!w.ui.MnEditSearchName->isChecked());
    // By code again, while already by code: still rebuilt and still checked.
    w.ui.ComboBox1->addItem(QStringLiteral("marker"));
    w.ui.MnEditSearchCode->trigger();
    QCOMPARE(items(w.ui.ComboBox1), ByCode);
    QVERIFY(w.ui.MnEditSearchCode->isChecked());
}

void TestPlantDisplay::hyphenatedName() {
    EditorHarness h;
    const QString file = h.writeFile("HIDR.DAT", searchRegistry());
    TFRMeditor& w = h.start({file}, QLocale(QLocale::Portuguese, QLocale::Brazil));
    w.ui.MnEditSearchName->trigger();
    choose(w, "SALTO-ALTO (5)");
    QCOMPARE(w.ui.TXT_Cod->text(), QStringLiteral("5"));
    QCOMPARE(w.ui.TXT_Nome->text(), QStringLiteral("SALTO-ALTO  "));
    QCOMPARE(w.box("TXT_Posto")->text(), QStringLiteral("55"));
    QCOMPARE(w.document().currentCode(), 5);
}

void TestPlantDisplay::codeExit_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("entry"); // empty: no message
    QTest::newRow("taken") << "7"
                           << "7 - ALFA";
    QTest::newRow("taken, leading zeros") << "007"
                                          << "7 - ALFA";
    QTest::newRow("first plant") << "2"
                                 << "2 - Ébano";
    QTest::newRow("free") << "8"
                          << "";
    QTest::newRow("beyond the list") << "320"
                                     << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("not a number") << "abc"
                                  << "";
    QTest::newRow("number and letters") << "7a"
                                        << "";
}

void TestPlantDisplay::codeExit() {
    QFETCH(QString, typed);
    QFETCH(QString, entry);
    EditorHarness h;
    const QString file = h.writeFile("HIDR.DAT", searchRegistry());
    TFRMeditor& w = h.start({file});
    w.ui.TXT_Cod->setText(typed);
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w.ui.TXT_Cod, &leave);
    QStringList expected;
    if (!entry.isEmpty())
        expected << "warning: O Código " + typed + " já existe, e corresponde à usina \"" + entry +
                        "\". Favor escolher outro código.";
    QCOMPARE(h.dialogs.messageLines(), expected);
    QCOMPARE(w.ui.TXT_Cod->text(), typed);
}

void TestPlantDisplay::codeExitOnLeavingTheBox() {
    EditorHarness h;
    const QString file = h.writeFile("HIDR.DAT", searchRegistry());
    TFRMeditor& w = h.start({file});
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // The box as the create mode leaves it: enabled and editable.
    w.ui.TXT_Cod->setEnabled(true);
    w.ui.TXT_Cod->setReadOnly(false);
    w.ui.TXT_Cod->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.ui.TXT_Cod));
    w.ui.TXT_Cod->clear();
    QTest::keyClicks(w.ui.TXT_Cod, "7");
    w.ui.TXT_Nome->setFocus();
    QCOMPARE(h.dialogs.count(Kind::Warning), 1);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.ui.TXT_Cod));

    w.ui.TXT_Cod->clear();
    QTest::keyClicks(w.ui.TXT_Cod, "8");
    w.ui.TXT_Nome->setFocus();
    QCOMPARE(h.dialogs.count(Kind::Warning), 1);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.ui.TXT_Nome));
}

QTEST_MAIN(TestPlantDisplay)
#include "tst_plantdisplay.moc"

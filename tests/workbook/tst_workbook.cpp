// The workbook writer: every kind of cell as a spreadsheet reads it back.
#include "WorkbookReader.h"
#include "workbook/Workbook.h"

#include <QTest>
#include <limits>

Q_DECLARE_METATYPE(Workbook::Cell)

class TestWorkbook : public QObject {
    Q_OBJECT

private slots:
    void cells_data() {
        QTest::addColumn<Workbook::Cell>("cell");
        QTest::addColumn<QString>("read"); // empty: no cell
        // 16 significant digits (the library's own format) would read back another double.
        QTest::newRow("double, 17 digits")
            << Workbook::Cell(1234.5678901234567) << "n:1234.5678901234567";
        QTest::newRow("a coefficient's power of ten") << Workbook::Cell(1.0e-9) << "n:1e-09";
        QTest::newRow("float, as its text") << Workbook::Cell(Workbook::fromFloat(0.1f)) << "n:0.1";
        QTest::newRow("NaN, a text")
            << Workbook::Cell(std::numeric_limits<double>::quiet_NaN()) << "s:nan";
        QTest::newRow("text") << Workbook::Cell(QStringLiteral("ÉBANO & <1>")) << "s:ÉBANO & <1>";
        QTest::newRow("digits stay a text") << Workbook::Cell(QStringLiteral("0042")) << "s:0042";
        QTest::newRow("empty") << Workbook::Cell() << "";
    }
    void cells() {
        QFETCH(Workbook::Cell, cell);
        QFETCH(QString, read);
        Workbook::Sheet sheet;
        sheet.header = {"Código", "Valor"};
        sheet.rows = {{1.5, cell}, {2.0, 3.0}};
        QString error;
        const WorkbookCells book = readWorkbook(Workbook::build(sheet, &error));
        QVERIFY2(book.valid, qPrintable(error));
        QVERIFY(book.headerFrozen);
        QCOMPARE(book.cell("A1"), QString("s:Código"));
        QCOMPARE(book.cell("A2"), QString("n:1.5"));
        QCOMPARE(book.cell("B2"), read);
        QCOMPARE(book.cell("B3"), QString("n:3")); // the numbers after it in their own cells
    }
};

QTEST_MAIN(TestWorkbook)
#include "tst_workbook.moc"

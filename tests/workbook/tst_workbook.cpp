// The workbook writer: every kind of cell as a spreadsheet reads it back, and a failed write
// that leaves the old file.
#include "WorkbookReader.h"
#include "workbook/Workbook.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
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
        QTest::newRow("whole") << Workbook::Cell(-42.0) << "n:-42";
        QTest::newRow("NaN, a text")
            << Workbook::Cell(std::numeric_limits<double>::quiet_NaN()) << "s:nan";
        QTest::newRow("text") << Workbook::Cell(QStringLiteral("ÉBANO & <1>")) << "s:ÉBANO & <1>";
        QTest::newRow("digits stay a text") << Workbook::Cell(QStringLiteral("0042")) << "s:0042";
        QTest::newRow("empty") << Workbook::Cell() << "";
        QTest::newRow("empty text") << Workbook::Cell(QString()) << "";
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

    void failedWriteKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("out.xlsx");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("older") == 5);
        old.close();
        setCommitFaultForTesting([](const QString&) { return QStringLiteral("No space"); });
        const auto failure = Workbook::write(path, {{}, {"A"}, {{1.0}}});
        setCommitFaultForTesting({});
        QVERIFY(failure);
        QCOMPARE(failure->reason, QString("No space"));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("older"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.xlsx"});
        // A sheet name the format forbids is a failure with the library's reason.
        QVERIFY(Workbook::write(path, {"a/b", {"A"}, {}}));
    }
};

QTEST_MAIN(TestWorkbook)
#include "tst_workbook.moc"

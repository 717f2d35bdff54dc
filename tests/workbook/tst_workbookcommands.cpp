// Every command that writes a workbook, run as a user runs it: the workbook read back must hold
// its CSV's header and fields, numbers as numbers whatever the locale; and every refusal leaves
// nothing written and an existing output as it was.
#include "RegistryFixtures.h"
#include "TestData.h"
#include "WorkbookReader.h"
#include "registry/AnsiText.h"
#include "registry/PlantCodec.h"
#include "registry/RecordColumns.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Run under Brazilian Portuguese: the CSVs take the decimal comma, the workbooks no locale.
int run(const QString& program, const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "pt_BR.UTF-8");
    env.insert("LANG", "pt_BR.UTF-8");
    p.setProcessEnvironment(env);
    p.start(program, args);
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QString columnName(int index) {
    QString name;
    for (++index; index > 0; index = (index - 1) / 26)
        name.prepend(QChar(u'A' + (index - 1) % 26));
    return name;
}

// The lines of a CSV and their fields (no field of these is quoted); a line's last ';' ends
// its last field.
QList<QStringList> csvFields(const QByteArray& csv) {
    QList<QStringList> lines;
    for (const QByteArray& line : csv.split('\n')) {
        if (line.isEmpty())
            continue;
        QString text = AnsiText::decode(line.chopped(1)); // CR
        if (text.endsWith(u';'))
            text.chop(1);
        lines << text.split(u';');
    }
    return lines;
}

TUsinaHd exactPlant() {
    TUsinaHd plant = RegistryFixtures::fullPlant("EXATA");
    plant.PCV[0] = 1234.5678901234567;
    plant.PAC[1] = 1.0e-9;
    return plant;
}

} // namespace

class TestWorkbookCommands : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        const QString sample = QStringLiteral(QUILLMARK_SAMPLES_DIR "/HIDR.DAT");
        QVERIFY(QFile::copy(sample, path("HIDR.DAT")));
        QVERIFY(!RegistryFixtures::writeFile(m_dir.path(), "WIDE.DAT",
                                             encodePlant(exactPlant(), RecordForm::Bytes832))
                     .isEmpty());
        std::string vazoes;
        for (const char* year : {"1931", "1932"}) {
            std::string months;
            for (int m = 1; m <= 12; ++m)
                months += sixColumns(100 * m + (year[3] - '0'));
            vazoes += vazoesLine("  6", year, months) + "\r\n";
        }
        QVERIFY(writeBytes(path("VAZOES.txt"), QByteArray::fromStdString(vazoes)));
        QVERIFY(writeBytes(path("POSTOS.txt"), "   6  \xC9"
                                               "BANO         1931  1932\r\n"));
    }

    // Each command writes its CSV (its export mode, or OUT.csv) and then its workbook.
    void outputs_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args"); // OUT the output; "--export-csv" then "-xlsx"
        QTest::addColumn<int>("minNumbers");   // number cells at least
        QTest::addColumn<QStringList>("exact"); // "HEADER=cell" on the first row of data
        const QString q = QUILLMARK_EXE;
        QTest::newRow("--export-xlsx of the sample")
            << q << QStringList{"--export-csv", "HIDR.DAT", "OUT"} << 20 * 150 << QStringList{};
        QTest::newRow("--export-xlsx, 64-bit coefficients in full")
            << q << QStringList{"--export-csv", "WIDE.DAT", "OUT", "--lang", "en"} << 150
            << QStringList{RecordColumns::label("PCV", 0) + "=n:1234.5678901234567",
                           RecordColumns::label("PAC", 1) + "=n:1e-09", "Usina=s:EXATA       "};
        QTest::newRow("--summary OUT.XLSX")
            << q << QStringList{"--summary", "HIDR.DAT", "OUT"} << 20 * 10 << QStringList{};
        QTest::newRow("torvane vazoes stats OUT.xlsx")
            << QString(TORVANE_EXE)
            << QStringList{"vazoes",     "stats", "VAZOES.txt", "OUT",          "--stations", "320",
                           "--text",     "--postos", "POSTOS.txt", "--postos-text"}
            << 12 * 10
            << QStringList{"Nome=s:ÉBANO", "Média=n:101.5", "Desvio padrão=n:0.7071067811865476"};
    }
    void outputs() {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QFETCH(int, minNumbers);
        QFETCH(QStringList, exact);
        const QString stem = path(QString::number(qHash(QString(QTest::currentDataTag()))));
        for (QString& a : args)
            a = a.endsWith(".txt") || a.endsWith(".DAT") ? path(a) : a;
        const qsizetype out = args.indexOf("OUT");
        args[out] = stem + ".csv";
        QCOMPARE(run(program, args), 0);
        args[out] = stem + ".XLSX";
        if (args[0] == "--export-csv")
            args[0] = "--export-xlsx";
        QCOMPARE(run(program, args), 0);

        const WorkbookCells book = readWorkbookFile(stem + ".XLSX");
        QVERIFY(book.valid && book.headerFrozen);
        const QList<QStringList> lines = csvFields(readBytes(stem + ".csv"));
        int numbers = 0;
        for (int r = 0; r < lines.size(); ++r)
            for (int c = 0, k = 0; k < lines[r].size(); ++c, ++k) {
                QString field = lines[r][k];
                const QString ref = columnName(c) + QString::number(r + 1);
                const QString cell = book.cell(ref);
                // The export writes a text holding ';' as it is, across fields of the CSV.
                while (cell.startsWith("s:" + field + ";") && k + 1 < lines[r].size())
                    field += ";" + lines[r][++k];
                bool number = false;
                const double value =
                    QLocale::c().toDouble(QString(field).replace(u',', u'.'), &number);
                if (field.isEmpty()) {
                    QVERIFY2(cell.isEmpty(), qPrintable(ref + " " + cell));
                } else if (r > 0 && number && cell.startsWith("n:")) {
                    // The CSV rounds to its decimals; the workbook holds the value.
                    QVERIFY2(qAbs(cell.mid(2).toDouble() - value) <= 0.0051 + 1e-4 * qAbs(value),
                             qPrintable(ref + " " + cell + " " + field));
                    ++numbers;
                } else { // a text column, however it reads: the CSV's text
                    QVERIFY2(cell == "s:" + field, qPrintable(ref + " " + cell + " " + field));
                }
            }
        QVERIFY2(numbers >= minNumbers, qPrintable(QString::number(numbers)));
        for (const QString& e : exact)
            QCOMPARE(book.cell(columnName(int(lines[0].indexOf(e.section(u'=', 0, 0)))) + "2"),
                     e.section(u'=', 1));
    }

    void refusals_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args"); // OUT the output, holding "older" when existing
        QTest::addColumn<bool>("existing");
        const QString q = QUILLMARK_EXE, t = TORVANE_EXE;
        QTest::newRow("--export-xlsx over its registry")
            << q << QStringList{"--export-xlsx", "HIDR.DAT", "HIDR.DAT"} << false;
        QTest::newRow("--export-xlsx, a folder")
            << q << QStringList{"--export-xlsx", "HIDR.DAT", "DIR.xlsx"} << false;
        QTest::newRow("--export-xlsx, registry missing")
            << q << QStringList{"--export-xlsx", "NONE.DAT", "OUT"} << true;
        QTest::newRow("--export-xlsx, folder missing")
            << q << QStringList{"--export-xlsx", "HIDR.DAT", "NODIR/OUT"} << false;
        QTest::newRow("--summary .xlsx, registry missing")
            << q << QStringList{"--summary", "NONE.DAT", "OUT"} << true;
        QTest::newRow("stats .xlsx exists, no --force")
            << t
            << QStringList{"vazoes", "stats", "VAZOES.txt", "OUT", "--stations", "320", "--text"}
            << true;
        QTest::newRow("stats .xlsx, VAZOES read as binary")
            << t
            << QStringList{"vazoes", "stats", "VAZOES.txt", "OUT", "--stations", "320", "--force"}
            << true;
    }
    void refusals() {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QFETCH(bool, existing);
        QTemporaryDir dir;
        for (const char* name : {"HIDR.DAT", "VAZOES.txt"})
            QVERIFY(QFile::copy(path(name), dir.filePath(name)));
        QVERIFY(QDir(dir.path()).mkdir("DIR.xlsx"));
        const QString out = dir.filePath("out.xlsx");
        if (existing)
            QVERIFY(writeBytes(out, "older"));
        const QByteArray registry = readBytes(dir.filePath("HIDR.DAT"));
        for (QString& a : args)
            if (!a.startsWith(u'-') && a != u"vazoes" && a != u"stats" && a != u"320")
                a = a == u"OUT" ? out : dir.filePath(a);
        QCOMPARE(run(program, args), 1);
        QCOMPARE(readBytes(dir.filePath("HIDR.DAT")), registry);
        QCOMPARE(readBytes(out), existing ? QByteArray("older") : QByteArray("<unreadable>"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(),
                 existing ? 4 : 3); // nothing left beside it
    }
};

QTEST_MAIN(TestWorkbookCommands)
#include "tst_workbookcommands.moc"

// The CSV export: header, values and their formats, which records, the name rule, the file.

#include "ReportSamples.h"
#include "ScriptedDialogs.h"
#include "registry/AnsiText.h"
#include "registry/LookupLists.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "registry/TCadHd.h"
#include "reports/CsvExport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace ReportSamples;

namespace {

LookupLists defaults() {
    LookupLists lists;
    lists.setDefaults();
    return lists;
}

QList<QByteArray> lines(const QByteArray& csv) {
    QList<QByteArray> out = csv.split('\n');
    if (!out.isEmpty() && out.constLast().isEmpty())
        out.removeLast();
    return out;
}

QByteArray exportOf(const QByteArray& reg, const QLocale& locale = QLocale::c()) {
    const PlantList list = plantListFromBytes(reg);
    return CsvExport::buildCsv(reg, list.entries, list.plantNames, defaults(), locale);
}

} // namespace

class TestCsvExport : public QObject {
    Q_OBJECT

private slots:
    void header_data();
    void header();
    void knownPlantLine_data();
    void knownPlantLine();
    void whichRecords_data();
    void whichRecords();
    void everyLineHas180Semicolons();
    void longNamesAndCutRecord();
    void targetName_data();
    void targetName();
    void exportFile_data();
    void exportFile();
};

void TestCsvExport::header_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("name");
    QTest::newRow("first") << 0 << "CodUsina";
    QTest::newRow("accented max volume") << 8 << "Vol.Máx.(hm3)";
    QTest::newRow("last PAC") << 23 << "PAC(4)";
    QTest::newRow("December evaporation") << 35 << "Evap.Men.(12)";
    QTest::newRow("tailrace") << 37 << "Canal Fuga Médio(m)";
    QTest::newRow("spill influence") << 49 << "Infl.Vert.Canal de Fuga";
    QTest::newRow("representation") << 50 << "Rep.Conj(0=aprox/1=det/2=simp)";
    QTest::newRow("first set") << 51 << "#Maq(1)";
    QTest::newRow("last set head") << 70 << "HEf(5)";
    QTest::newRow("first QHT") << 71 << "QHTA0(1)";
    QTest::newRow("first QHG") << 96 << "QHGA0(1)";
    QTest::newRow("last PH") << 145 << "PHA4(5)";
    QTest::newRow("first downstream") << 146 << "PJA0(1)";
    QTest::newRow("fifth reference") << 175 << "PJRM(5)";
    QTest::newRow("date") << 176 << "Data";
    QTest::newRow("last") << 179 << "Reg";
}

void TestCsvExport::header() {
    QFETCH(int, column);
    QFETCH(QString, name);
    const QByteArray header = CsvExport::headerLine();
    QVERIFY(header.endsWith(";\r\n"));
    QCOMPARE(header.count(';'), 180);
    QCOMPARE(header.count('\n'), 1);
    // Windows-1252: "á" is the one byte E1.
    QVERIFY(header.contains("Vol.M\xE1x.(hm3);"));
    const QList<QByteArray> columns = header.chopped(2).split(';');
    QCOMPARE(columns.size(), 181); // the trailing ';' leaves an empty piece
    QCOMPARE(columns.at(column), AnsiText::encode(name));
}

void TestCsvExport::knownPlantLine_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("point"); // comma separator: every '.' of a number becomes ','
    QTest::addColumn<bool>("number");
    const auto row = [](const char* tag, int column, const QString& text, bool number = true) {
        QTest::newRow(tag) << column << text << number;
    };
    row("code", 0, "7");
    row("name as stored", 1, "Serra Azul  ", false);
    row("system", 2, "1 - Sudeste", false);
    row("company", 3, "19 - Furnas", false);
    row("gauge", 4, "123");
    row("alternative gauge", 5, "BDH-0042", false);
    row("downstream as stored", 6, "5 - BETA        ", false);
    row("no diversion", 7, "0 - NÃO HÁ", false);
    row("max volume", 8, "5678.25");
    row("min volume", 9, "1234.50");
    row("max level", 10, "310.75");
    row("min level", 11, "300.50");
    row("spill volume", 12, "100.75");
    row("diversion volume", 13, "0.50");
    row("PCV A0", 14, "3.015000E+02");
    row("PCV A1", 15, "-2.500000E-01");
    row("PCV A4", 18, "-3.000000E-09");
    row("PAC A2", 21, "-6.250000E-02");
    row("PAC A3 zero", 22, "0.000000E+00");
    row("PAC A4", 23, "1.000000E-05");
    row("evaporation Jan", 24, "12");
    row("evaporation Feb negative", 25, "-123");
    row("evaporation Mar", 26, "1250");
    row("evaporation Dec", 35, "-7");
    row("productivity", 36, "0.008700");
    row("tailrace", 37, "204.50");
    row("TEIF", 38, "2.500");
    row("IP", 39, "1.250");
    row("turbine", 40, "1 - Francis", false);
    row("sets", 41, "2");
    row("downstream polynomials", 42, "1");
    row("max load", 43, "100.00");
    row("min load", 44, "40.50");
    row("loss type", 45, "2");
    row("loss value", 46, "1.50");
    row("min flow", 47, "55");
    row("base units", 48, "1");
    row("InflVert 7", 49, "Yes", false);
    row("representation", 50, "1");
    row("set 1 machines", 51, "3");
    row("set 1 power", 52, "125.5");
    row("set 1 flow", 53, "210");
    row("set 1 head", 54, "95.75");
    row("set 2 head", 58, "60.50");
    row("set 5 beyond the count: machines", 67, "9");
    row("set 5 beyond the count: power", 68, "3.5");
    row("set 5 beyond the count: head", 70, "3.75");
    row("QHT set 1 A0", 71, "1.000000E+00");
    row("QHT set 2 A4", 80, "1.500000E+01");
    row("QHG set 1 A0", 96, "-1.000000E+00");
    row("PH set 1 A4", 125, "3.125000E-02");
    row("PH set 5 A0", 141, "5.100000E+01");
    row("downstream 1 A0", 146, "3.105000E+02");
    row("downstream 1 A4", 150, "1.000000E-07");
    row("downstream 1 reference", 151, "305.25");
    row("downstream 5 A0", 170, "5.000000E+00");
    row("downstream 5 reference", 175, "45.50");
    row("date", 176, "01/02/26", false);
    row("observation", 177, QString("Usina de teste, ficticia").leftJustified(43), false);
    row("reference volume", 178, "500.50");
    row("regulation", 179, "S", false);
}

void TestCsvExport::knownPlantLine() {
    QFETCH(int, column);
    QFETCH(QString, point);
    QFETCH(bool, number);
    const QByteArray reg =
        registry({{5, namedPlant("BETA")}, {7, knownPlant()}, {9, namedPlant("GAMA")}});
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::Portuguese, QLocale::Brazil)}) {
        const QList<QByteArray> all = lines(exportOf(reg, locale));
        QCOMPARE(all.size(), 4);
        QByteArray line = all.at(2);
        QVERIFY(line.endsWith(";\r"));
        line.chop(2);
        const QList<QByteArray> values = line.split(';');
        QCOMPARE(values.size(), 180);
        QString expected = point;
        if (number && locale.decimalPoint() == u",")
            expected.replace(u'.', u',');
        QCOMPARE(values.at(column), AnsiText::encode(expected));
    }
}

void TestCsvExport::whichRecords_data() {
    QTest::addColumn<QByteArray>("registry");
    QTest::addColumn<QList<QByteArray>>("starts"); // the data lines, by their first value

    QTest::newRow("codes 2 and 5")
        << registry({{2, namedPlant("ALFA")}, {5, namedPlant("BETA")}}, 8)
        << QList<QByteArray>{"2;ALFA", "5;BETA"};
    // A name that starts with a blank is not listed but is exported up to the highest listed
    // code; after it, it is never exported.
    QTest::newRow("blank-led names")
        << registry(
               {{2, namedPlant(" OCULTA")}, {4, namedPlant("DELTA")}, {6, namedPlant(" DEPOIS")}})
        << QList<QByteArray>{"2; OCULTA", "4;DELTA"};
    QByteArray vacated = registry({{1, namedPlant("UM")}, {3, namedPlant("TRES")}});
    vacated.replace(RecordSize, RecordSize, QByteArray(RecordSize, ' '));
    QTest::newRow("vacated slot") << vacated << QList<QByteArray>{"1;UM", "3;TRES"};
    QTest::newRow("no plant listed: header alone")
        << registry({{2, namedPlant(" X")}}, 3) << QList<QByteArray>{};
    QTest::newRow("empty file") << QByteArray() << QList<QByteArray>{};
}

void TestCsvExport::whichRecords() {
    QFETCH(QByteArray, registry);
    QFETCH(QList<QByteArray>, starts);
    const QList<QByteArray> all = lines(exportOf(registry));
    QCOMPARE(all.size(), starts.size() + 1);
    QCOMPARE(all.at(0) + '\n', CsvExport::headerLine());
    for (int i = 0; i < starts.size(); ++i)
        QVERIFY2(all.at(i + 1).startsWith(starts.at(i) + ' ') ||
                     all.at(i + 1).startsWith(starts.at(i) + ';'),
                 all.at(i + 1).left(20).constData());
}

void TestCsvExport::everyLineHas180Semicolons() {
    TUsinaHd odd = knownPlant();
    odd.NumConjMaq = 538976288; // a count no set list can hold changes nothing in the line
    odd.Reg = '\0';
    odd.Data = {'2', '0', '2', '6', '\0', '\0', '\0', '\0'};
    TUsinaHd semicolon = namedPlant("PONTO;VIRG");
    const QByteArray csv = exportOf(registry({{1, odd}, {2, knownPlant()}, {3, semicolon}}));
    const QList<QByteArray> all = lines(csv);
    QCOMPARE(all.size(), 4);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(all.at(i).endsWith('\r'));
        QCOMPARE(all.at(i).count(';'), 180);
    }
    // A semicolon inside a character field is copied as it is.
    QCOMPARE(all.at(3).count(';'), 181);
    // NUL bytes are written as NUL bytes.
    QVERIFY(all.at(1).contains(QByteArray(";2026\0\0\0\0;", 10)));
    QVERIFY(all.at(1).endsWith(QByteArray(";\0;\r", 4)));
}

// Lines are written straight into the output with room made for the longest names of the
// export: a name of any length arrives whole. A registry cut inside its last record exports
// that record as a fresh plant completed by the bytes there are, as a line of its own says.
void TestCsvExport::longNamesAndCutRecord() {
    LookupLists lists = defaults();
    const QString longName = QString(5000, u'Ç') + u'€';
    lists.CompanyNames[19] = longName; // the known plant's company
    lists.SystemNames[1] = QString(300, u'S');
    TUsinaHd plant = knownPlant();
    plant.Jusante = 2;
    const QByteArray whole = registry({{1, plant}, {2, namedPlant("BETA")}, {3, knownPlant()}});
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::Portuguese, QLocale::Brazil)}) {
        const PlantList list = plantListFromBytes(whole);
        const QList<QByteArray> all =
            lines(CsvExport::buildCsv(whole, list.entries, list.plantNames, lists, locale));
        QCOMPARE(all.size(), 4);
        QVERIFY(all.at(1).startsWith("1;Serra Azul  ;1 - " + QByteArray(300, 'S') + ";19 - " +
                                     AnsiText::encode(longName) + ";123;"));
        QCOMPARE(all.at(1).count(';'), 180);
        QCOMPARE(all.at(1) + '\n', CsvExport::plantLine(1, plant, list.plantNames, lists, locale));

        const QByteArray cut = whole.left(whole.size() - 100);
        TUsinaHd partial;
        decodePlant(cut.constData() + 2 * RecordSize, RecordSize - 100, partial);
        const PlantList cutList = plantListFromBytes(cut);
        const QList<QByteArray> cutLines =
            lines(CsvExport::buildCsv(cut, cutList.entries, cutList.plantNames, lists, locale));
        QCOMPARE(cutLines.size(), 4);
        QCOMPARE(cutLines.at(3) + '\n',
                 CsvExport::plantLine(3, partial, cutList.plantNames, lists, locale));
        QVERIFY(cutLines.at(3) != all.at(3)); // the reference volume and the letter are gone
    }
}

void TestCsvExport::targetName_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "/d/export"
                                  << "/d/export.csv";
    QTest::newRow("other extension") << "/d/export.txt"
                                     << "/d/export.txt.csv";
    QTest::newRow("upper case") << "/d/PLANTS.CSV"
                                << "/d/PLANTS.CSV.csv";
    QTest::newRow("lower case") << "/d/plants.csv"
                                << "/d/plants.csv";
    QTest::newRow("ends in csv without a dot") << "/d/mycsv"
                                               << "/d/mycsv";
}

void TestCsvExport::targetName() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QCOMPARE(CsvExport::targetName(chosen), written);
}

void TestCsvExport::exportFile_data() {
    QTest::addColumn<QString>("registryName"); // relative to the temporary folder
    QTest::addColumn<QString>("targetName");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("written") << "reg.dat"
                             << "out.csv" << true << QStringList{};
    QTest::newRow("replaces an older file") << "reg.dat"
                                            << "old.csv" << true << QStringList{};
    QTest::newRow("unreadable registry: one message, nothing written")
        << "missing.dat"
        << "old.csv" << false << QStringList{RegistryTexts::ReadProblem};
    QTest::newRow("target cannot be written")
        << "reg.dat"
        << "no/such/folder/out.csv" << false << QStringList{"error"};
    QTest::newRow("target is a folder: left as it was")
        << "reg.dat"
        << "folder" << false << QStringList{"refused"};
}

void TestCsvExport::exportFile() {
    QFETCH(QString, registryName);
    QFETCH(QString, targetName);
    QFETCH(bool, written);
    QFETCH(QStringList, messages);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray reg = registry({{2, namedPlant("ALFA")}, {5, namedPlant("BETA")}});
    QVERIFY(writeFile(dir.filePath("reg.dat"), reg));
    QVERIFY(writeFile(dir.filePath("old.csv"), "older content"));
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    const QString previousCurrent = QDir::currentPath();
    QDir::setCurrent(dir.path()); // no working copy may appear here

    ScriptedDialogs dialogs;
    const LookupLists lists = defaults();
    CsvExport::Source source;
    source.registryFile = dir.filePath(registryName);
    source.lists = &lists;
    const QString target = dir.filePath(targetName);
    const bool ok = CsvExport::exportToFile(source, target, dialogs);
    QDir::setCurrent(previousCurrent);

    QCOMPARE(ok, written);
    QCOMPARE(dialogs.boxes.size(), messages.size());
    for (int i = 0; i < messages.size(); ++i) {
        const ScriptedDialogs::Box& box = dialogs.boxes.at(i);
        if (messages.at(i) == u"error") {
            QCOMPARE(box.kind, ScriptedDialogs::Kind::Error);
            QVERIFY(box.text.contains(target));
        } else if (messages.at(i) == u"refused") { // no regular file: nothing is tried
            QCOMPARE(box.kind, ScriptedDialogs::Kind::Warning);
            QCOMPARE(box.text, "Arquivo de saída \"" + target + "\" não é um arquivo comum.");
        } else {
            QCOMPARE(box.kind, ScriptedDialogs::Kind::Plain);
            QCOMPARE(box.text, messages.at(i));
        }
    }
    if (written)
        QCOMPARE(readFile(target), exportOf(reg));
    if (targetName == u"old.csv" && !written)
        QCOMPARE(readFile(target), QByteArray("older content"));
    QVERIFY(QFileInfo(dir.filePath("folder")).isDir());
    const QStringList left = QDir(dir.path()).entryList(QDir::Files);
    for (const QString& name : left)
        QVERIFY2(!name.contains("CadUsH", Qt::CaseInsensitive) && !name.contains(".csv."),
                 qPrintable(name));
}

QTEST_GUILESS_MAIN(TestCsvExport)
#include "tst_csvexport.moc"

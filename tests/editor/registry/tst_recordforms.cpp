// The registry's two record forms end to end: the form from the size or --form (ambiguous and
// partial sizes told), values compared across forms, the same CSV, --convert and its narrowing
// report, and Save, the form label and Convert Record Form in the window.
#include "EditorHarness.h"
#include "RegistryFixtures.h"
#include "ReportSamples.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "reports/CsvExport.h"
#include "tools/RegistryDiff.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <bit>

using RegistryFixtures::registryBytes;
using RegistryFixtures::validPlant;

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray widened(const QByteArray& narrow) {
    return convertRegistry(narrow, RecordForm::Bytes792, RecordForm::Bytes832);
}

// Three plants in 792 bytes each, with a blank slot between.
QByteArray sample() {
    return registryBytes(
        4, {{1, validPlant("UM")}, {2, validPlant("DOIS", 1)}, {4, validPlant("QUATRO")}});
}

} // namespace

class TestRecordForms : public QObject {
    Q_OBJECT

private slots:
    // What each size is read as, and what the command says of it.
    void sizeRecognition_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("note");      // a part of the stderr note; empty: none
        QTest::addColumn<QString>("firstLine"); // the CSV's first plant line starts so
        QTest::newRow("832 by its size")
            << widened(sample()) << QStringList() << QString() << "1;UM";
        QTest::newRow("ambiguous: read as 792")
            << registryBytes(104, {{1, validPlant("UM")}}) << QStringList()
            << "a whole number of both 792- and 832-byte records"
            << "1;UM";
        QTest::newRow("ambiguous, --form 832 says nothing")
            << widened(registryBytes(99, {{1, validPlant("UM")}})) << QStringList{"--form", "832"}
            << QString() << "1;UM";
        QTest::newRow("832 with a partial record, --form 832")
            << widened(sample()) + QByteArray(" 17 bytes of tail") << QStringList{"--form=832"}
            << "no whole number of 832-byte records: the last 17 bytes"
            << "1;UM";
    }
    void sizeRecognition() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, options);
        QFETCH(QString, note);
        QFETCH(QString, firstLine);
        QTemporaryDir dir;
        const QString reg = RegistryFixtures::writeFile(dir.path(), "HIDR.DAT", bytes);
        const ReportSamples::Run r = ReportSamples::quillmark(
            QStringList{"--export-csv", reg, dir.filePath("out.csv"), "--lang", "en"} + options);
        QCOMPARE(r.exitCode, 0);
        if (note.isEmpty())
            QVERIFY2(!r.err.contains(u"records"), qPrintable(r.err));
        else
            QVERIFY2(r.err.contains(note), qPrintable(r.err));
        const QList<QByteArray> lines = readFile(dir.filePath("out.csv")).split('\n');
        QVERIFY(lines.size() > 2);
        QVERIFY2(lines.at(1).startsWith(firstLine.toLatin1()), lines.at(1).constData());
    }

    // Values, not bytes: a twin in the other form differs in nothing, a coefficient that only
    // the 64 bits hold differs, written with the shortest text that reads back to it.
    void diffAcrossForms_data() {
        QTest::addColumn<double>("newPac2");
        QTest::addColumn<QString>("line");
        QTest::newRow("twins") << double(0.45f) << QString();
        QTest::newRow("a 64-bit value") << 0.45 << "1\tUM\tPAC(2)\t0.449999988\t0.45";
    }
    void diffAcrossForms() {
        QFETCH(double, newPac2);
        QFETCH(QString, line);
        TUsinaHd p = validPlant("UM");
        p.PAC[2] = double(0.45f);
        const QByteArray narrow = registryBytes(2, {{1, p}});
        p.PAC[2] = newPac2;
        const QByteArray wide = encodePlant(p, RecordForm::Bytes832) + QByteArray(832, ' ');
        const DiffReport report = diffRegistries(narrow, wide, QLocale::c());
        QCOMPARE(report.differing(), line.isEmpty() ? 0 : 1);
        if (!line.isEmpty()) {
            QCOMPARE(report.lines.size(), 1);
            QCOMPARE(diffCells(report.lines.at(0), Language::English).join(u'\t'), line);
        }
        // The command line too: the exit status of diff(1).
        QTemporaryDir dir;
        const ReportSamples::Run r = ReportSamples::quillmark(
            {"--diff", RegistryFixtures::writeFile(dir.path(), "A.DAT", narrow),
             RegistryFixtures::writeFile(dir.path(), "B.DAT", wide)});
        QCOMPARE(r.exitCode, line.isEmpty() ? 0 : 1);
    }

    // The CSV of an 832 registry whose values fit 32 bits is the CSV of its 792 twin.
    void csvIdentical() {
        const QByteArray narrow = sample();
        const PlantList list = plantListFromBytes(narrow);
        LookupLists lists;
        lists.setDefaults();
        const QLocale pt(QLocale::Portuguese, QLocale::Brazil);
        const QByteArray csv =
            CsvExport::buildCsv(narrow, list.entries, list.plantNames, lists, pt);
        QCOMPARE(CsvExport::buildCsv(widened(narrow), list.entries, list.plantNames, lists, pt),
                 csv);
        QVERIFY(csv.count('\n') == 4);
    }

    // Narrowing says what changed and still succeeds; an output that is the registry, or a
    // missing --form, writes nothing.
    void convertCommand_data() {
        QTest::addColumn<QStringList>("args"); // REG and OUT stand for the files
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::addColumn<int>("written"); // the output's size, 0: none
        QTest::newRow("narrowed")
            << QStringList{"--convert", "REG", "OUT", "--form", "792", "--lang", "en"} << 0
            << "Coefficients that changed value when narrowed to 32 bits: 2, in plants 2, 4."
            << 4 * 792;
        QTest::newRow("widened again")
            << QStringList{"--convert", "REG", "OUT", "--form", "832"} << 0 << QString() << 4 * 832;
        QTest::newRow("over the registry")
            << QStringList{"--convert", "REG", "REG", "--form", "792"} << 1 << "Cadastro" << 0;
        QTest::newRow("no --form") << QStringList{"--convert", "REG", "OUT", "--lang", "en"} << 1
                                   << "The option --convert needs a registry" << 0;
    }
    void convertCommand() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QFETCH(int, written);
        QTemporaryDir dir;
        QByteArray wide = widened(sample());
        TUsinaHd p = validPlant("DOIS", 1);
        p.PCV[3] = 1e-300; // no float holds it
        wide.replace(832, 832, encodePlant(p, RecordForm::Bytes832));
        p = validPlant("QUATRO");
        p.PAC[1] = 0.1;
        wide.replace(3 * 832, 832, encodePlant(p, RecordForm::Bytes832));
        const QString reg = RegistryFixtures::writeFile(dir.path(), "HIDR.DAT", wide);
        const QString out = dir.filePath("OUT.DAT");
        for (QString& a : args)
            a = a == u"REG" ? reg : a == u"OUT" ? out : a;
        const ReportSamples::Run r = ReportSamples::quillmark(args);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(err.isEmpty() ? r.err.isEmpty() : r.err.contains(err), qPrintable(r.err));
        QCOMPARE(readFile(reg), wide);
        QCOMPARE(QFileInfo::exists(out), written > 0);
        if (written)
            QCOMPARE(readFile(out).size(), written);
    }

    // Loaded by its size, an 832 registry is labelled so; Save writes the destination in the
    // 832 form, an untouched cell keeping its 64 bits and a typed one read at 64 bits.
    void saveKeepsTheForm() {
        EditorHarness h;
        TUsinaHd p = validPlant("UM");
        p.PCV[1] = 0.1; // no float holds it
        QByteArray bytes = widened(sample());
        bytes.replace(0, 832, encodePlant(p, RecordForm::Bytes832));
        const QString file = h.writeFile("Cadastro.dat", bytes);
        TFRMeditor& w = h.start({file});
        QCOMPARE(w.findChild<QLabel*>("LBL_RecordForm")->text(), "Registros de 832 bytes");
        w.ui.ComboBox1->setCurrentIndex(0);
        emit w.ui.ComboBox1->activated(0);
        h.dialogs.clear();
        h.dialogs.saveFileAnswers.enqueue(h.path("DEST.DAT"));
        w.ui.MnEditPlantChange->trigger();
        setCell(w.ui.StrGr_PCVA, 1, 2, "1.2345678901234E-3");
        w.box("TXT_Posto")->setText("8");
        w.ui.BTNsavechange->click();
        QCOMPARE(h.dialogs.messageLines(),
                 QStringList{"information: Alteração gravada com sucesso !"});
        const QByteArray dest = readFile(h.path("DEST.DAT"));
        QCOMPARE(dest.size(), bytes.size());
        QCOMPARE(dest.mid(832), bytes.mid(832));
        TUsinaHd stored;
        decodePlant(dest.constData(), 832, stored, RecordForm::Bytes832);
        QCOMPARE(stored.Posto, 8);
        QCOMPARE(std::bit_cast<quint64>(stored.PCV[1]), std::bit_cast<quint64>(0.1));
        QCOMPARE(stored.PAC[2], 1.2345678901234e-3);
        QCOMPARE(readFile(file), bytes);
    }

    // Tools > Convert Record Form: what narrowing changes is asked about before anything is
    // written; a No writes nothing.
    void windowConverts() {
        EditorHarness h;
        QByteArray bytes = widened(sample());
        TUsinaHd p = validPlant("DOIS", 1);
        p.PAC[4] = 0.1;
        bytes.replace(832, 832, encodePlant(p, RecordForm::Bytes832));
        TFRMeditor& w = h.start({h.writeFile("Cadastro.dat", bytes)});
        QAction* convert = w.findChild<QAction*>("MnToolsConvert");
        QVERIFY(convert && convert->isEnabled());
        const QString question = "confirm: Coeficientes que mudaram de valor ao passar a 32 "
                                 "bits: 1, nas usinas 2. Gravar assim mesmo?";
        for (const bool yes : {false, true}) {
            h.dialogs.clear();
            h.dialogs.saveFileAnswers.enqueue(h.path("C792.DAT"));
            h.dialogs.confirmAnswers.enqueue(yes);
            convert->trigger();
            QStringList expected{question};
            if (yes)
                expected << "information: Cadastro gravado em registros de 792 bytes: " +
                                QDir::toNativeSeparators(h.path("C792.DAT"));
            QCOMPARE(h.dialogs.messageLines(), expected);
            QCOMPARE(QFileInfo::exists(h.path("C792.DAT")), yes);
        }
        QCOMPARE(readFile(h.path("C792.DAT")).size(), 4 * 792);
    }
};

QTEST_MAIN(TestRecordForms)
#include "tst_recordforms.moc"

// A registry whose size is no whole number of 792-byte records: the window warns once, at the
// load, in its language; every command that reads a registry notes it on stderr; the trailing
// bytes stay as they are on Save.
#include "EditorHarness.h"
#include "RegistryFixtures.h"
#include "ReportSamples.h"
#include "language/LanguageTexts.h"
#include "registry/PlantCodec.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using RegistryFixtures::registryBytes;
using RegistryFixtures::validPlant;

namespace {

// 17 bytes; the blank first byte makes the partial record no plant in use.
const QByteArray Tail(" tail of 17 bytes");

QString portugueseNote(const QString& file, qint64 size, qint64 rest) {
    return QStringLiteral("O Cadastro %1 tem %2 bytes, que não formam um número inteiro de "
                          "registros de 792 bytes: os %3 bytes finais são lidos como um registro "
                          "incompleto e mantidos como estão.")
        .arg(QDir::toNativeSeparators(file))
        .arg(size)
        .arg(rest);
}

QString englishNote(const QString& file, qint64 size, qint64 rest) {
    return QStringLiteral("The registry %1 has %2 bytes, no whole number of 792-byte records: "
                          "the last %3 bytes are read as an incomplete record and kept as they "
                          "are.")
        .arg(QDir::toNativeSeparators(file))
        .arg(size)
        .arg(rest);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestIncompleteRecord : public QObject {
    Q_OBJECT

private slots:
    void catalogueText_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("lingua");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << qint64(0) << 1 << QString();
        QTest::newRow("whole records") << qint64(3 * RecordSize) << 1 << QString();
        QTest::newRow("less than a record, pt")
            << qint64(100) << 1 << portugueseNote("/x/HIDR.DAT", 100, 100);
        QTest::newRow("a record and a byte, en")
            << qint64(RecordSize + 1) << 2 << englishNote("/x/HIDR.DAT", RecordSize + 1, 1);
    }
    void catalogueText() {
        QFETCH(qint64, size);
        QFETCH(int, lingua);
        QFETCH(QString, expected);
        QCOMPARE(incompleteRecordText("/x/HIDR.DAT", size, lingua), expected);
    }

    // Named on the command line: the warning in Portuguese, once, before the first plant.
    // Loaded again in English: the English warning. A Save then warns no more, and the
    // destination and the scratch copy keep the trailing bytes.
    void windowWarnsOnceAtEachLoad() {
        EditorHarness h;
        const QByteArray bytes = registryBytes(2, {{1, validPlant("UM")}}) + Tail;
        const QString file = h.writeFile("Cadastro.dat", bytes);
        TFRMeditor& w = h.start({file});
        const qint64 size = bytes.size();
        QCOMPARE(h.dialogs.messageLines(),
                 QStringList{"warning: " + portugueseNote(file, size, Tail.size())});
        QCOMPARE(w.box("TXT_Nome")->text().trimmed(), QStringLiteral("UM"));

        w.ui.MnEditLanEng->trigger();
        h.dialogs.clear();
        h.dialogs.openFileAnswers.enqueue(file);
        w.ui.MnFileLoad->trigger();
        QCOMPARE(h.dialogs.messageLines(),
                 QStringList{"warning: " + englishNote(file, size, Tail.size())});

        w.ui.ComboBox1->setCurrentIndex(0);
        emit w.ui.ComboBox1->activated(0);
        h.dialogs.clear();
        h.dialogs.saveFileAnswers.enqueue(h.path("DEST.DAT"));
        w.ui.MnEditPlantChange->trigger();
        w.box("TXT_Posto")->setText("8");
        w.ui.BTNsavechange->click();
        QCOMPARE(h.dialogs.messageLines(), QStringList{"information: File successfully updated !"});
        const QByteArray dest = readFile(h.path("DEST.DAT"));
        QCOMPARE(dest.size(), bytes.size());
        QCOMPARE(dest.right(Tail.size()), Tail);
        QCOMPARE(readFile(w.document().registryFileName()), dest);
        QCOMPARE(readFile(file), bytes);
    }

    void wholeRegistryIsNotWarned() {
        EditorHarness h;
        const QString file = h.writeFile("Cadastro.dat", registryBytes(2, {{1, validPlant("UM")}}));
        h.start({file});
        QCOMPARE(h.dialogs.messageLines(), QStringList());
    }

    // Every command that reads a registry notes it on stderr, in the language asked for, and
    // goes on; a whole registry gets no note.
    void commandLineNotes_data() {
        QTest::addColumn<QStringList>("args"); // REG, OTHER and OUT stand for the files
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("notes");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("--export-csv")
            << QStringList{"--export-csv", "REG", "OUT.csv"} << false << 1 << 0;
        QTest::newRow("--print-pdf")
            << QStringList{"--print-pdf", "REG", "OUT.pdf"} << false << 1 << 0;
        QTest::newRow("--check") << QStringList{"--check", "REG"} << false << 1 << 0;
        QTest::newRow("--check --lang en")
            << QStringList{"--check", "REG", "--lang", "en"} << true << 1 << 0;
        QTest::newRow("--diff, both") << QStringList{"--diff", "REG", "REG"} << false << 2 << 0;
        QTest::newRow("--diff, the new one")
            << QStringList{"--diff", "OTHER", "REG", "--lang", "en"} << true << 1 << 0;
        QTest::newRow("--curves") << QStringList{"--curves", "REG", "1", "OUT.svg"} << false << 1
                                  << 0;
        QTest::newRow("--summary") << QStringList{"--summary", "REG", "OUT.csv"} << false << 1 << 0;
    }
    void commandLineNotes() {
        QFETCH(QStringList, args);
        QFETCH(bool, english);
        QFETCH(int, notes);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        const QByteArray whole = registryBytes(2, {{1, validPlant("UM")}});
        const QByteArray bytes = whole + Tail;
        const QString reg = RegistryFixtures::writeFile(dir.path(), "HIDR.DAT", bytes);
        const QString other = RegistryFixtures::writeFile(dir.path(), "WHOLE.DAT", whole);
        QStringList run;
        for (const QString& a : args)
            run << (a == u"REG"            ? reg
                    : a == u"OTHER"        ? other
                    : a.startsWith(u"OUT") ? dir.filePath(a)
                                           : a);
        const ReportSamples::Run r = ReportSamples::quillmark(run);
        QCOMPARE(r.exitCode, exitCode);
        const QString note = english ? englishNote(reg, bytes.size(), Tail.size())
                                     : portugueseNote(reg, bytes.size(), Tail.size());
        QCOMPARE(r.err.count(note), notes);
        QCOMPARE(readFile(reg), bytes);

        // The whole registry alone: no note.
        for (QString& a : run)
            if (a == reg)
                a = other;
        const ReportSamples::Run quiet = ReportSamples::quillmark(run);
        QVERIFY2(!quiet.err.contains(QStringLiteral("792")), qPrintable(quiet.err));
    }
};

QTEST_MAIN(TestIncompleteRecord)
#include "tst_incompleterecord.moc"

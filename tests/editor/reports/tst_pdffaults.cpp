// Every PDF the editor writes, on a full disk: the command fails with a message (exit status 1
// on the command line), the old file stays as it was and no temporary file is left. QPrinter and
// QPdfWriter writing to a file name do not see a full disk (the PDF comes out cut and
// QPainter::end() still says true); the editor's PDFs go through a QSaveFile whose every write
// is whole or fails. Small tmpfs mounts make the full disk; without the right to mount (not
// root) the tests are skipped.

#include "RegistryFixtures.h"
#include "ReportSamples.h"
#include "ScriptedDialogs.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "files/SafeWrite.h"
#include "reports/ReportPrinter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using RegistryFixtures::registryBytes;
using RegistryFixtures::validPlant;

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A 48 KiB tmpfs, unmounted whatever happens, holding an old output file and filled but for
// `room` bytes.
class FullDisk {
public:
    explicit FullDisk(const QString& dir, qint64 room) : m_dir(dir) {
        QDir().mkpath(dir);
        m_mounted =
            QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=48k", "tmpfs", dir}) == 0;
        if (!m_mounted)
            return;
        QFile old(path("OLD.pdf"));
        m_ok = old.open(QIODevice::WriteOnly) && old.write(oldBytes()) == oldBytes().size();
        old.close();
        QFile filler(path("filler"));
        m_ok = m_ok && filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(1024, 'x');
        while (m_ok && filler.write(block) == block.size())
            ;
        filler.close();
        m_ok = m_ok && filler.resize(std::max<qint64>(0, filler.size() - room));
    }
    ~FullDisk() {
        if (m_mounted)
            QProcess::execute("umount", {m_dir});
    }
    bool mounted() const { return m_mounted; }
    bool ready() const { return m_ok; }
    QString path(const QString& name) const { return QDir(m_dir).filePath(name); }
    static QByteArray oldBytes() { return QByteArray("%PDF-1.4 the old report\n"); }
    // The old file as it was, beside the filler and nothing else.
    bool untouched() const {
        return readFile(path("OLD.pdf")) == oldBytes() &&
               QDir(m_dir).entryList(QDir::Files | QDir::Hidden) ==
                   QStringList({"filler", "OLD.pdf"});
    }

private:
    QString m_dir;
    bool m_mounted = false;
    bool m_ok = false;
};

#define FULL_DISK_OR_SKIP(disk)                                                                    \
    do {                                                                                           \
        if (!(disk).mounted())                                                                     \
            QSKIP("a small tmpfs cannot be mounted here (needs root and mount rights)");           \
        QVERIFY((disk).ready());                                                                   \
    } while (false)

QByteArray twentyPlants() {
    QList<std::pair<int, TUsinaHd>> plants;
    for (int code = 1; code <= 20; ++code)
        plants.append({code, validPlant(QStringLiteral("USINA %1").arg(code))});
    return registryBytes(20, plants);
}

} // namespace

class TestPdfFaults : public QObject {
    Q_OBJECT

private slots:
    // The device under the PDF writer: a write the disk takes only in part is written again,
    // the disk's refusal then reaches the file, and commit() keeps the old file. (A plain
    // QSaveFile takes the short count as the end of it, and the last write of a document cut
    // short would be committed.)
    void wholeSaveFileRefusesAShortWrite() {
        QTemporaryDir dir;
        FullDisk disk(dir.filePath("small"), 8192);
        FULL_DISK_OR_SKIP(disk);
        WholeSaveFile file(disk.path("OLD.pdf"));
        QVERIFY(file.openForWriting());
        const QByteArray document(40000, 'p');
        QCOMPARE(file.write(document), qint64(-1));
        QVERIFY(!file.commit());
        QVERIFY(disk.untouched());
    }

    // The command line's PDFs: the all-plants print and a plant's curves.
    void commandLine_data() {
        QTest::addColumn<QStringList>("args"); // REG and OUT stand for the registry and the PDF
        QTest::newRow("--print-pdf") << QStringList{"--print-pdf", "REG", "OUT"};
        QTest::newRow("--print-pdf --pages")
            << QStringList{"--print-pdf", "REG", "OUT", "--pages", "1-1"};
        QTest::newRow("--curves") << QStringList{"--curves", "REG", "1", "OUT"};
    }
    void commandLine() {
        QFETCH(QStringList, args);
        QTemporaryDir dir;
        const QString reg = RegistryFixtures::writeFile(dir.path(), "HIDR.DAT", twentyPlants());
        FullDisk disk(dir.filePath("small"), 4096);
        FULL_DISK_OR_SKIP(disk);
        for (QString& a : args)
            a = a == u"REG" ? reg : a == u"OUT" ? disk.path("OLD.pdf") : a;
        const ReportSamples::Run r = ReportSamples::quillmark(args);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("Não foi possível criar o arquivo ") + disk.path("OLD.pdf")),
                 qPrintable(r.err));
        QVERIFY(disk.untouched());
    }

    // The window's prints to a PDF file: the error box, the old file kept.
    void windowPrints_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("all plants") << 0;
        QTest::newRow("plant data") << 1;
        QTest::newRow("screen") << 2;
    }
    void windowPrints() {
        QFETCH(int, which);
        QTemporaryDir dir;
        const QByteArray registry = twentyPlants();
        const QString reg = RegistryFixtures::writeFile(dir.path(), "HIDR.DAT", registry);
        FullDisk disk(dir.filePath("small"), 4096);
        FULL_DISK_OR_SKIP(disk);
        ScriptedDialogs dialogs;
        dialogs.printerAnswers.enqueue(ScriptedDialogs::printToPdf(disk.path("OLD.pdf")));
        ReportPrinter printer;
        bool printed = true;
        if (which == 0) {
            AllPlantsJob job;
            job.lists.setDefaults();
            const PlantList list = plantListFromBytes(registry);
            job.entries = list.entries;
            job.plantNames = list.plantNames;
            printed = printer.printAllPlants(dialogs, reg, job);
        } else if (which == 1) {
            printed = printer.printSheet(dialogs, [&] {
                LookupLists lists;
                lists.setDefaults();
                const PlantList list = plantListFromBytes(registry);
                TUsinaHd plant;
                decodePlant(registry.constData(), RecordSize, plant);
                return sheetTextsFromRecord(1, plant, lists, list.plantNames, QLocale::c());
            });
        } else {
            QImage window(1200, 900, QImage::Format_RGB32);
            for (int y = 0; y < window.height(); ++y)
                for (int x = 0; x < window.width(); ++x)
                    window.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
            printed = printer.printScreen(
                dialogs, [&] { return window; }, [] { return QStringLiteral("rodapé"); });
        }
        QVERIFY(!printed);
        const QStringList errors = dialogs.texts(ScriptedDialogs::Kind::Error);
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.constFirst().startsWith("Cannot create file " + disk.path("OLD.pdf")),
                 qPrintable(errors.constFirst()));
        QVERIFY(disk.untouched());
    }
};

QTEST_MAIN(TestPdfFaults)
#include "tst_pdffaults.moc"

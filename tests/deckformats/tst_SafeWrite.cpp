// Whole-file writes on a full disk: the old file stays as it was and the failure is reported.
// (A buffered QSaveFile commits a short file there: its flush failure goes unseen.)

#include "ScriptedDialogs.h"
#include "registry/PlantCodec.h"
#include "files/SafeWrite.h"
#include "registry/TCadHd.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A small tmpfs, unmounted whatever happens.
class SmallDisk {
public:
    explicit SmallDisk(const QString& dir) : m_dir(dir) {
        m_mounted =
            QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir}) == 0;
    }
    ~SmallDisk() {
        if (m_mounted)
            QProcess::execute("umount", {m_dir});
    }
    bool mounted() const { return m_mounted; }
    // Fills the disk but for about `room` bytes.
    void fillLeaving(qint64 room) const {
        QFile filler(QDir(m_dir).filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(1024, 'x');
        while (filler.write(block) == block.size() && filler.flush())
            ;
        filler.close();
        QVERIFY(filler.resize(std::max<qint64>(0, filler.size() - room)));
    }

private:
    QString m_dir;
    bool m_mounted = false;
};

} // namespace

class TestSafeWrite : public QObject {
    Q_OBJECT

private slots:
    void fullDiskKeepsTheOldFile_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("small, buffered by Qt") << 3000;
        QTest::newRow("one registry of ten plants") << 10 * RecordSize;
        QTest::newRow("larger than the disk") << 70000;
    }
    void fullDiskKeepsTheOldFile() {
        QFETCH(int, size);
        QTemporaryDir dir;
        SmallDisk disk(dir.path());
        if (!disk.mounted())
            QSKIP("mounting a small tmpfs is not allowed here");
        const QString path = dir.filePath("HIDR.DAT");
        const QByteArray old(2000, 'o');
        QVERIFY(writeFileAtomically(path, old));
        disk.fillLeaving(1024);

        QString error;
        QVERIFY(!writeFileAtomically(path, QByteArray(size, 'n'), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readFile(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"filler", "HIDR.DAT"}));
    }

    void storeOnAFullDiskIsNotWritten() {
        QTemporaryDir dir;
        SmallDisk disk(dir.path());
        if (!disk.mounted())
            QSKIP("mounting a small tmpfs is not allowed here");
        QTemporaryDir elsewhere;
        const QString source = elsewhere.filePath("Cadastro.dat");
        QVERIFY(writeFileAtomically(source, QByteArray(10 * RecordSize, ' ')));
        const QString target = dir.filePath("Destino.dat");
        const QByteArray old(RecordSize, 'o');
        QVERIFY(writeFileAtomically(target, old));
        disk.fillLeaving(2 * RecordSize);

        ScriptedDialogs dialogs;
        TCadHd cad(dialogs);
        TUsinaHd plant;
        plant.Nome = {'N', 'O', 'V', 'A'};
        QVERIFY(!cad.StorePlant(target, source, 3, 3, plant));
        QCOMPARE(dialogs.messageLines(),
                 QStringList{"plain: Novo Cadastro de Usinas: Arquivo não pode ser gravado!"});
        QCOMPARE(readFile(target), old);
    }
};

QTEST_GUILESS_MAIN(TestSafeWrite)
#include "tst_SafeWrite.moc"

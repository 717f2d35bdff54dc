// Failing disks under the window's stores: a folder made read-only, a full file system, a
// registry removed while in use. Small tmpfs mounts inside the test's folder make the faults;
// after each one the files that were good stay as they were, the window says what happened,
// and the next store that succeeds holds every change made before.

#include "EditorHarness.h"
#include "RegistryFixtures.h"
#include "editing/EditForm.h"
#include "registry/PlantCodec.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <cerrno>
#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

using Kind = ScriptedDialogs::Kind;
using RegistryFixtures::fullPlant;

namespace {

const QString Saved = QStringLiteral("information: Alteração gravada com sucesso !");
const QString CannotWrite =
    QStringLiteral("plain: Novo Cadastro de Usinas: Arquivo não pode ser gravado!");
const QString ReadProblem = QStringLiteral("plain: Problemas na leitura do Cadastro !");

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

int postoOf(const QByteArray& registry, int code) {
    TUsinaHd plant;
    const QByteArray record = registry.mid(qsizetype(code - 1) * RecordSize, RecordSize);
    decodePlant(record.constData(), std::size_t(record.size()), plant);
    return plant.Posto;
}

QByteArray sampleRegistry() {
    QList<std::pair<int, TUsinaHd>> plants;
    int code = 0;
    for (const char* name : {"PEDRA ALTA", "RIO FUNDO", "SERRA AZUL", "FOZ CLARA"}) {
        TUsinaHd p = fullPlant(QString::fromLatin1(name));
        for (int s = 0; s < p.NumConjMaq; ++s)
            p.PH[s][0] = 0.5f + float(s); // detailed sets need a non-zero A0
        p.Posto = 10 + code;
        plants.append({code == 3 ? 6 : code + 1, p}); // codes 1, 2, 3, 6
        ++code;
    }
    return RegistryFixtures::registryBytes(10, plants);
}

void select(TFRMeditor& w, int code) {
    for (int i = 0; i < w.ui.ComboBox1->count(); ++i)
        if (w.ui.ComboBox1->itemText(i).startsWith(QString::number(code) + " - ")) {
            w.ui.ComboBox1->setCurrentIndex(i);
            emit w.ui.ComboBox1->activated(w.ui.ComboBox1->currentIndex());
            return;
        }
}

bool editing(const TFRMeditor& w) {
    return !w.ui.BTNsavechange->isHidden() && !w.box("TXT_Posto")->isReadOnly();
}

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
}

bool runMount(const QStringList& arguments) {
    QProcess p;
    p.start(QStringLiteral("mount"), arguments);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// The mounts of one test, inside the harness's temporary folder. Undone in reverse order when
// the guard goes, whatever check failed: the window first (it holds its lock file open), then
// the current directory out of the mounts.
class Mounts {
public:
    explicit Mounts(EditorHarness& h) : m_h(h) {}
    Mounts(const Mounts&) = delete;
    Mounts& operator=(const Mounts&) = delete;
    ~Mounts() {
        m_h.destroy();
        QDir::setCurrent(m_h.path(""));
        while (!m_mounted.isEmpty()) {
            const QString dir = m_mounted.takeLast();
            if (QProcess::execute(QStringLiteral("umount"), {dir}) != 0)
                QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), dir});
        }
    }

    // A 64 KiB tmpfs at a new folder of the harness.
    bool tmpfs(const QString& name) {
        const QString dir = m_h.path(name);
        if (!QDir().mkpath(dir) ||
            !runMount({"-t", "tmpfs", "-o", "size=64k", "tmpfs", QDir::toNativeSeparators(dir)}))
            return false;
        m_mounted << dir;
        return true;
    }

    // The folder turned read-only in place. A remount refuses while a file in it is open for
    // writing (the window's lock file), so a read-only bind of the folder covers it.
    bool readOnly(const QString& name) {
        const QString dir = m_h.path(name);
        if (!runMount({"--bind", dir, dir}))
            return false;
        m_mounted << dir;
        return runMount({"-o", "remount,bind,ro", dir});
    }

    // Fills the file system of the folder to its last byte.
    static bool fill(const QString& dir) {
        const QByteArray path = QFile::encodeName(QDir(dir).filePath("filler"));
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            return false;
        const QByteArray block(4096, 'x');
        for (qsizetype chunk = block.size(); chunk > 0; chunk /= 2)
            while (::write(fd, block.constData(), size_t(chunk)) == chunk) {
            }
        ::close(fd);
        struct statvfs s {};
        return ::statvfs(QFile::encodeName(dir).constData(), &s) == 0 && s.f_bavail == 0;
    }

private:
    EditorHarness& m_h;
    QStringList m_mounted;
};

#define MOUNT_OR_SKIP(expr)                                                                        \
    do {                                                                                           \
        if (!(expr))                                                                               \
            QSKIP("tmpfs cannot be mounted here (needs root and mount rights)");                   \
    } while (0)

const QDateTime Clock(QDate(2026, 12, 9), QTime(7, 30, 0));

} // namespace

class TestWriteFaults : public QObject {
    Q_OBJECT

    QString m_loaded;
    const QByteArray m_loadedBytes = sampleRegistry();

    TFRMeditor& start(EditorHarness& h) {
        m_loaded = h.writeFile("Cadastro.dat", m_loadedBytes);
        TFRMeditor& w = h.start({m_loaded});
        w.document().Now = [] { return Clock; };
        return w;
    }

    // Change of one plant's station number up to Save; the destination, when asked for, is
    // the next scripted answer.
    static void change(TFRMeditor& w, int code) {
        select(w, code);
        w.ui.MnEditPlantChange->trigger();
    }
    static void save(TFRMeditor& w, int posto) {
        w.box("TXT_Posto")->setText(QString::number(posto));
        w.ui.BTNsavechange->click();
    }

    static void faults_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("afterStore");
        for (const char* fault : {"read-only", "full"}) {
            QTest::newRow(qPrintable(QString("%1, first store").arg(fault))) << fault << false;
            QTest::newRow(qPrintable(QString("%1, after a store").arg(fault))) << fault << true;
        }
    }

private slots:
    // The destination's folder turns read-only, or its file system fills up: the store fails
    // with the write message, leaves the last good destination and no temporary file, the
    // edit goes on, and the next destination chosen gets every change.
    void destinationFault_data() { faults_data(); }
    void destinationFault() {
        QFETCH(QString, fault);
        QFETCH(bool, afterStore);
        EditorHarness h;
        Mounts m(h);
        MOUNT_OR_SKIP(m.tmpfs("out"));
        TFRMeditor& w = start(h);
        const QString dest = h.path("out/D.DAT");
        h.dialogs.saveFileAnswers.enqueue(dest);
        if (afterStore) {
            change(w, 2);
            save(w, 4);
            QCOMPARE(h.dialogs.messageLines(), QStringList{Saved});
        }
        const QByteArray lastGood = readFile(dest);
        const QString inUse = w.document().registryFileName();
        const QByteArray inUseBytes = readFile(inUse);
        change(w, 6);
        QCOMPARE(w.document().destFileName(), dest);
        if (fault == "read-only")
            QVERIFY2(m.readOnly("out"), "read-only bind mount failed");
        else
            QVERIFY(Mounts::fill(h.path("out")));
        const QStringList outBefore = entries(h.path("out"));
        h.dialogs.clear();
        save(w, 66);

        QCOMPARE(h.dialogs.messageLines(), QStringList{CannotWrite});
        QVERIFY(editing(w));
        QCOMPARE(w.box("TXT_Posto")->text(), QString("66"));
        QVERIFY(w.document().destFileName().isEmpty());
        QCOMPARE(w.document().registryFileName(), inUse);
        QCOMPARE(readFile(inUse), inUseBytes);
        QCOMPARE(readFile(m_loaded), m_loadedBytes);
        QCOMPARE(QFile::exists(dest), afterStore);
        QCOMPARE(readFile(dest), lastGood);
        QCOMPARE(entries(h.path("out")), outBefore); // no temporary file left behind

        h.dialogs.clear();
        const QString dest2 = h.path("D2.DAT");
        h.dialogs.saveFileAnswers.enqueue(dest2);
        w.ui.BTNsavechange->click();
        QCOMPARE(h.dialogs.count(Kind::SaveFile), 1);
        QCOMPARE(h.dialogs.messageLines(), QStringList{Saved});
        const QByteArray out = readFile(dest2);
        QCOMPARE(postoOf(out, 6), 66);
        QCOMPARE(postoOf(out, 2), afterStore ? 4 : 11);
        QCOMPARE(readFile(w.document().scratchPath()), out);
        QCOMPARE(readFile(m_loaded), m_loadedBytes);
        QCOMPARE(readFile(dest), lastGood);
    }

    // The start-up folder, home of the scratch copy, turns read-only after start, or its
    // file system fills up: the destination is written, the copy's failure is told, the
    // destination becomes the registry in use, an older copy stays as it was, and each later
    // store keeps every change.
    void scratchCopyFault_data() { faults_data(); }
    void scratchCopyFault() {
        QFETCH(QString, fault);
        QFETCH(bool, afterStore);
        EditorHarness h;
        Mounts m(h);
        MOUNT_OR_SKIP(m.tmpfs("start"));
        QVERIFY(QDir::setCurrent(h.path("start")));
        TFRMeditor& w = start(h);
        QCOMPARE(w.document().startDir(), h.path("start"));
        const QString aux = w.document().scratchPath();
        const QString dest = h.path("D.DAT");
        h.dialogs.saveFileAnswers.enqueue(dest);
        if (afterStore) {
            change(w, 2);
            save(w, 4);
            QCOMPARE(h.dialogs.messageLines(), QStringList{Saved});
            QCOMPARE(w.document().registryFileName(), aux);
        }
        const QByteArray auxBefore = readFile(aux);
        change(w, 6);
        if (fault == "read-only")
            QVERIFY2(m.readOnly("start"), "read-only bind mount failed");
        else
            QVERIFY(Mounts::fill(h.path("start")));
        const QStringList startBefore = entries(h.path("start"));
        h.dialogs.clear();
        save(w, 66);

        const QString copyFailed = "plain: Cópia de trabalho " + aux +
                                   " não pode ser gravada! O Cadastro em uso passa a ser " + dest +
                                   ".";
        QCOMPARE(h.dialogs.messageLines(), QStringList({copyFailed, Saved}));
        QVERIFY(!editing(w));
        QCOMPARE(w.document().registryFileName(), dest);
        QVERIFY(w.windowTitle().endsWith(dest));
        QCOMPARE(QFile::exists(aux), afterStore);
        QCOMPARE(readFile(aux), auxBefore);
        QCOMPARE(entries(h.path("start")), startBefore);
        QCOMPARE(readFile(m_loaded), m_loadedBytes);
        QCOMPARE(postoOf(readFile(dest), 6), 66);

        // The next store rebuilds the destination from itself; the fault still holds.
        h.dialogs.clear();
        change(w, 3);
        save(w, 33);
        QCOMPARE(h.dialogs.messageLines(), QStringList({copyFailed, Saved}));
        const QByteArray out = readFile(dest);
        QCOMPARE(postoOf(out, 2), afterStore ? 4 : 11);
        QCOMPARE(postoOf(out, 6), 66);
        QCOMPARE(postoOf(out, 3), 33);
        QCOMPARE(readFile(aux), auxBefore);
        QCOMPARE(readFile(m_loaded), m_loadedBytes);
    }

    // The loaded registry removed under the program. Before any store the store cannot read
    // it: told, nothing written, the edit goes on, and once the file is back the next store
    // holds the change. After a store the scratch copy is read and nothing is noticed.
    void loadedRegistryRemoved_data() {
        QTest::addColumn<bool>("afterStore");
        QTest::newRow("before any store") << false;
        QTest::newRow("after a store") << true;
    }
    void loadedRegistryRemoved() {
        QFETCH(bool, afterStore);
        EditorHarness h;
        TFRMeditor& w = start(h);
        const QString dest = h.path("D.DAT");
        h.dialogs.saveFileAnswers.enqueue(dest);
        if (afterStore) {
            change(w, 2);
            save(w, 4);
        }
        change(w, 6);
        QVERIFY(QFile::remove(m_loaded));
        h.dialogs.clear();
        save(w, 66);
        if (!afterStore) {
            QCOMPARE(h.dialogs.messageLines(), QStringList{ReadProblem});
            QVERIFY(editing(w));
            QVERIFY(!QFile::exists(dest));
            QVERIFY(!QFile::exists(w.document().scratchPath()));
            QCOMPARE(w.document().registryFileName(), m_loaded);
            QVERIFY(writeBytes(m_loaded, m_loadedBytes)); // the user puts it back
            h.dialogs.clear();
            h.dialogs.saveFileAnswers.enqueue(dest);
            w.ui.BTNsavechange->click();
            QCOMPARE(h.dialogs.count(Kind::SaveFile), 1);
        }
        QCOMPARE(h.dialogs.messageLines(), QStringList{Saved});
        const QByteArray out = readFile(dest);
        QCOMPARE(postoOf(out, 6), 66);
        QCOMPARE(postoOf(out, 2), afterStore ? 4 : 11);
        QCOMPARE(readFile(w.document().scratchPath()), out);
    }

    // The scratch copy in use removed under the program. While the destination still holds
    // the bytes it was copied from, the store reads it instead, says so, and the change lands
    // with every earlier one. A destination gone or changed is no stand-in: the store fails
    // as a store from a missing registry does, and writes nothing.
    void scratchCopyRemoved_data() {
        QTest::addColumn<QString>("destination");
        QTest::newRow("destination as written") << "as written";
        QTest::newRow("destination removed") << "removed";
        QTest::newRow("destination changed") << "changed";
    }
    void scratchCopyRemoved() {
        QFETCH(QString, destination);
        EditorHarness h;
        TFRMeditor& w = start(h);
        const QString dest = h.path("D.DAT");
        const QString aux = w.document().scratchPath();
        h.dialogs.saveFileAnswers.enqueue(dest);
        change(w, 2);
        save(w, 4);
        QCOMPARE(w.document().registryFileName(), aux);
        change(w, 6);
        QVERIFY(QFile::remove(aux));
        if (destination == "removed")
            QVERIFY(QFile::remove(dest));
        else if (destination == "changed")
            QVERIFY(writeBytes(dest, m_loadedBytes));
        const QByteArray destBefore = readFile(dest);
        h.dialogs.clear();
        save(w, 66);
        QCOMPARE(readFile(m_loaded), m_loadedBytes);

        if (destination != "as written") {
            QCOMPARE(h.dialogs.messageLines(), QStringList{ReadProblem});
            QVERIFY(editing(w));
            QCOMPARE(readFile(dest), destBefore);
            QCOMPARE(QFile::exists(dest), destination == "changed");
            QVERIFY(!QFile::exists(aux));
            return;
        }
        QCOMPARE(h.dialogs.messageLines(),
                 QStringList({"plain: Cópia de trabalho " + aux +
                                  " não encontrada! O Cadastro em uso passa a ser " + dest + ".",
                              Saved}));
        QVERIFY(!editing(w));
        QByteArray out = readFile(dest);
        QCOMPARE(postoOf(out, 2), 4);
        QCOMPARE(postoOf(out, 6), 66);
        QCOMPARE(readFile(aux), out);
        QCOMPARE(w.document().registryFileName(), aux);

        // Stores go on as before the fault.
        h.dialogs.clear();
        change(w, 3);
        save(w, 33);
        QCOMPARE(h.dialogs.messageLines(), QStringList{Saved});
        out = readFile(dest);
        QCOMPARE(postoOf(out, 2), 4);
        QCOMPARE(postoOf(out, 6), 66);
        QCOMPARE(postoOf(out, 3), 33);
        QCOMPARE(readFile(aux), out);
    }

    // Delete through the same store: a removed scratch copy is stood in for as well.
    void deleteAfterScratchCopyRemoved() {
        EditorHarness h;
        TFRMeditor& w = start(h);
        const QString dest = h.path("D.DAT");
        h.dialogs.saveFileAnswers.enqueue(dest);
        change(w, 2);
        save(w, 4);
        QVERIFY(QFile::remove(w.document().scratchPath()));
        h.dialogs.clear();
        h.dialogs.inputAnswers.enqueue(QString("6"));
        w.ui.MnEditPlantDel->trigger();
        QCOMPARE(h.dialogs.count(Kind::Plain), 1);
        QCOMPARE(h.dialogs.texts(Kind::Information),
                 QStringList{"Alteração gravada com sucesso ! Até breve !"});
        const QByteArray out = readFile(dest);
        QCOMPARE(postoOf(out, 2), 4);
        QCOMPARE(out.mid(5 * RecordSize, RecordSize), encodePlant(blankPlant()));
        QCOMPARE(readFile(w.document().scratchPath()), out);
    }

    // The alteration file rewritten in place on a full file system: it stays as it was, never
    // a short file, and the failure is told.
    void alterationFileOnFullDisk() {
        EditorHarness h;
        Mounts m(h);
        MOUNT_OR_SKIP(m.tmpfs("start"));
        QVERIFY(QDir::setCurrent(h.path("start")));
        TUsinaHd daily = fullPlant("DIARIA");
        daily.CotaMax = daily.CotaMin;
        const QByteArray bytes = RegistryFixtures::registryBytes(3, {{1, daily}});
        const QString path = h.path("start/Hidr_Modif.dat");
        QVERIFY(writeBytes(path, bytes));
        TFRMeditor& w = start(h);
        QVERIFY(Mounts::fill(h.path("start")));
        const QString before = w.document().registryFileName();
        h.dialogs.clear();
        w.ui.MnEditGerAlt->trigger();
        QCOMPARE(h.dialogs.messageLines(), QStringList{ReadProblem});
        QCOMPARE(readFile(path), bytes);
        QCOMPARE(w.document().registryFileName(), before);
    }
};

QTEST_MAIN(TestWriteFaults)
#include "tst_writefaults.moc"

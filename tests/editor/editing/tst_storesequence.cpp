// Choosing the destination and storing into it: which files are written, which are not.

#include "ScriptedDialogs.h"
#include "editing/Destination.h"
#include "editing/EditForm.h"
#include "editing/StoreSequence.h"
#include "registry/PlantCodec.h"
#include "registry/TCadHd.h"

#include <QtTest>

namespace {

TUsinaHd named(const char* name) {
    TUsinaHd p = blankPlant();
    const QByteArray n = QByteArray(name).leftJustified(12, ' ', true);
    std::copy_n(n.constData(), 12, p.Nome.data());
    p.VolMax = 123.5f;
    p.Reg = 'M';
    return p;
}

QByteArray registry(int records) {
    QByteArray bytes;
    for (int k = 1; k <= records; ++k)
        bytes += encodePlant(named(qPrintable(QString("USINA %1").arg(k))));
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray recordOf(const QByteArray& file, int code) {
    return file.mid((code - 1) * RecordSize, RecordSize);
}

} // namespace

class TestStoreSequence : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_loaded;
    QString m_scratch;

    QString path(const char* name) const { return QDir(m_dir.path()).filePath(name); }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        for (const QString& f : QDir(m_dir.path()).entryList(QDir::Files | QDir::System))
            QFile::remove(path(qPrintable(f)));
        m_loaded = path("Cadastro.dat");
        m_scratch = Destination::scratchCopyPath(m_dir.path());
        QVERIFY(writeFile(m_loaded, registry(10)));
    }

    void proposal() {
        ScriptedDialogs dialogs;
        QString dest;
        const QDateTime now(QDate(2026, 12, 8), QTime(6, 53, 14));
        QCOMPARE(ChooseDestFile(dialogs, m_dir.path(), m_loaded, m_loaded, now, dest),
                 DestinationChoice::Abandoned);
        QCOMPARE(dialogs.saveRequests.size(), 1);
        QCOMPARE(dialogs.saveRequests[0].proposedName, QString("HIDR_20261208_065314.DAT"));
        QCOMPARE(dialogs.saveRequests[0].dir, m_dir.path());
        QVERIFY(dialogs.saveRequests[0].confirmOverwrite);
        QVERIFY(dialogs.saveRequests[0].filter.endsWith("(*)"));
        QVERIFY(dest.isEmpty());
        QVERIFY(dialogs.messageLines().isEmpty());
    }

    void choice_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("refused");
        QTest::newRow("a new file") << "HIDR_X.DAT" << false;
        QTest::newRow("an existing other file") << "Outro.dat" << false;
        QTest::newRow("the loaded registry") << "Cadastro.dat" << true;
        QTest::newRow("the loaded registry, another spelling") << "sub/../Cadastro.dat" << true;
        QTest::newRow("a link to the loaded registry") << "link.dat" << true;
        QTest::newRow("the scratch copy") << "AuxCad.cad" << true;
        QTest::newRow("the registry in use") << "EmUso.dat" << true;
    }
    void choice() {
        QFETCH(QString, chosen);
        QFETCH(bool, refused);
        QVERIFY(writeFile(path("Outro.dat"), "o") && writeFile(path("EmUso.dat"), "u"));
        QDir(m_dir.path()).mkdir("sub");
        QFile::remove(path("link.dat"));
        QVERIFY(QFile::link(m_loaded, path("link.dat")));
        ScriptedDialogs dialogs;
        dialogs.saveFileAnswers.enqueue(QDir(m_dir.path()).filePath(chosen));
        QString dest;
        const auto outcome = ChooseDestFile(dialogs, m_dir.path(), path("EmUso.dat"), m_loaded,
                                            QDateTime::currentDateTime(), dest);
        QCOMPARE(outcome, refused ? DestinationChoice::Refused : DestinationChoice::Set);
        QCOMPARE(dest.isEmpty(), refused);
        QCOMPARE(dialogs.messageLines(),
                 refused ? QStringList{"warning: Arquivo de Destino não pode ser igual ao Arquivo "
                                       "de Origem !"}
                         : QStringList{});
    }

    // Two stores: both changes in the destination, the scratch copy equal to it, the loaded
    // file as it was; a stale scratch copy from before is replaced.
    void twoStores() {
        QVERIFY(writeFile(m_scratch, "stale"));
        const QByteArray loadedBefore = readFile(m_loaded);
        ScriptedDialogs dialogs;
        TCadHd cad(dialogs);
        const QString dest = path("HIDR_1.DAT");
        StoreResult r =
            storePlantAndCopy(cad, dialogs, dest, m_loaded, m_scratch, 3, 3, named("TERCEIRA"));
        QVERIFY(r.written);
        QCOMPARE(r.registryInUse, m_scratch);
        QCOMPARE(readFile(m_scratch), readFile(dest));
        r = storePlantAndCopy(cad, dialogs, dest, r.registryInUse, m_scratch, 7, 7, blankPlant());
        QVERIFY(r.written);
        const QByteArray out = readFile(dest);
        QCOMPARE(out.size(), 10 * RecordSize);
        QCOMPARE(recordOf(out, 3), encodePlant(named("TERCEIRA")));
        QCOMPARE(recordOf(out, 7), encodePlant(blankPlant()));
        for (int k : {1, 2, 4, 5, 6, 8, 9, 10})
            QCOMPARE(recordOf(out, k), recordOf(loadedBefore, k));
        QCOMPARE(readFile(m_scratch), out);
        QCOMPARE(readFile(m_loaded), loadedBefore);
        QVERIFY(dialogs.boxes.isEmpty());
    }

    // The destination cannot be written: nothing is adopted, no scratch copy is made.
    void destinationFails() {
        ScriptedDialogs dialogs;
        TCadHd cad(dialogs);
        const QString dest = path("gone/HIDR_1.DAT");
        const StoreResult r =
            storePlantAndCopy(cad, dialogs, dest, m_loaded, m_scratch, 3, 3, named("X"));
        QVERIFY(!r.written);
        QVERIFY(r.registryInUse.isEmpty());
        QVERIFY(!QFile::exists(m_scratch));
        QCOMPARE(dialogs.boxes.size(), 1);
        QCOMPARE(dialogs.boxes[0].text, RegistryTexts::CannotWrite);
    }

    // The scratch copy cannot be written: the destination becomes the registry in use, and
    // the next store rebuilds it from itself.
    void scratchFails() {
        QVERIFY(QDir(m_dir.path()).mkdir("AuxCad.cad")); // in the way, and not a file
        ScriptedDialogs dialogs;
        TCadHd cad(dialogs);
        const QString dest = path("HIDR_1.DAT");
        StoreResult r =
            storePlantAndCopy(cad, dialogs, dest, m_loaded, m_scratch, 2, 2, named("SEGUNDA"));
        QVERIFY(r.written);
        QCOMPARE(r.registryInUse, dest);
        QCOMPARE(dialogs.messageLines(),
                 QStringList{"plain: Cópia de trabalho " + m_scratch +
                             " não pode ser gravada! O Cadastro em uso passa a ser " + dest + "."});
        r = storePlantAndCopy(cad, dialogs, dest, r.registryInUse, m_scratch, 9, 9, named("NONA"));
        QVERIFY(r.written);
        const QByteArray out = readFile(dest);
        QCOMPARE(out.size(), 10 * RecordSize);
        QCOMPARE(recordOf(out, 2), encodePlant(named("SEGUNDA")));
        QCOMPARE(recordOf(out, 9), encodePlant(named("NONA")));
        QVERIFY(QDir(m_dir.path()).rmdir("AuxCad.cad"));
    }
};

QTEST_GUILESS_MAIN(TestStoreSequence)
#include "tst_storesequence.moc"

// Choosing the destination and storing into it: which files are written, which are not.

#include "editing/Destination.h"
#include "editing/EditForm.h"
#include "editing/StoreSequence.h"
#include "registry/PlantCodec.h"
#include "registry/TCadHd.h"
#include "core/Dialogs.h"

#include <QtTest>

namespace {

class SaveDialogs : public Dialogs {
public:
    QList<std::pair<MessageKind, QString>> boxes;
    QStringList answers; // the save dialog's answers, in order ("" = cancel)
    struct Asked {
        QString filter, dir, proposed;
        bool confirmOverwrite = false;
    };
    QList<Asked> asked;

    void message(MessageKind kind, const QString& text) override { boxes.append({kind, text}); }
    bool confirm(const QString&) override { return false; }
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString& filter, const QString& dir,
                     const QString& proposed, bool confirmOverwrite) override {
        asked.append({filter, dir, proposed, confirmOverwrite});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    bool choosePrinter(QPrinter&, const PrintRequest&) override { return false; }
};

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
        SaveDialogs dialogs;
        QString dest;
        const QDateTime now(QDate(2026, 12, 8), QTime(6, 53, 14));
        QCOMPARE(ChooseDestFile(dialogs, m_dir.path(), m_loaded, m_loaded, now, dest),
                 DestinationChoice::Abandoned);
        QCOMPARE(dialogs.asked.size(), 1);
        QCOMPARE(dialogs.asked[0].proposed, QString("HIDR_20261208_065314.DAT"));
        QCOMPARE(dialogs.asked[0].dir, m_dir.path());
        QVERIFY(dialogs.asked[0].confirmOverwrite);
        QVERIFY(dialogs.asked[0].filter.endsWith("(*)"));
        QVERIFY(dest.isEmpty());
        QVERIFY(dialogs.boxes.isEmpty());
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
        SaveDialogs dialogs;
        dialogs.answers = {QDir(m_dir.path()).filePath(chosen)};
        QString dest;
        const auto outcome = ChooseDestFile(dialogs, m_dir.path(), path("EmUso.dat"), m_loaded,
                                            QDateTime::currentDateTime(), dest);
        QCOMPARE(outcome, refused ? DestinationChoice::Refused : DestinationChoice::Set);
        QCOMPARE(dest.isEmpty(), refused);
        if (refused) {
            QCOMPARE(dialogs.boxes.size(), 1);
            QCOMPARE(dialogs.boxes[0].first, MessageKind::Warning);
            QCOMPARE(dialogs.boxes[0].second,
                     QString("Arquivo de Destino não pode ser igual ao Arquivo de Origem !"));
        } else {
            QVERIFY(dialogs.boxes.isEmpty());
        }
    }

    // Two stores: both changes in the destination, the scratch copy equal to it, the loaded
    // file as it was; a stale scratch copy from before is replaced.
    void twoStores() {
        QVERIFY(writeFile(m_scratch, "stale"));
        const QByteArray loadedBefore = readFile(m_loaded);
        SaveDialogs dialogs;
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
        SaveDialogs dialogs;
        TCadHd cad(dialogs);
        const QString dest = path("gone/HIDR_1.DAT");
        const StoreResult r =
            storePlantAndCopy(cad, dialogs, dest, m_loaded, m_scratch, 3, 3, named("X"));
        QVERIFY(!r.written);
        QVERIFY(r.registryInUse.isEmpty());
        QVERIFY(!QFile::exists(m_scratch));
        QCOMPARE(dialogs.boxes.size(), 1);
        QCOMPARE(dialogs.boxes[0].second, RegistryTexts::CannotWrite);
    }

    // The scratch copy cannot be written: the destination becomes the registry in use, and
    // the next store rebuilds it from itself.
    void scratchFails() {
        QVERIFY(QDir(m_dir.path()).mkdir("AuxCad.cad")); // in the way, and not a file
        SaveDialogs dialogs;
        TCadHd cad(dialogs);
        const QString dest = path("HIDR_1.DAT");
        StoreResult r =
            storePlantAndCopy(cad, dialogs, dest, m_loaded, m_scratch, 2, 2, named("SEGUNDA"));
        QVERIFY(r.written);
        QCOMPARE(r.registryInUse, dest);
        QCOMPARE(dialogs.boxes.size(), 1);
        QCOMPARE(dialogs.boxes[0].first, MessageKind::Plain);
        QCOMPARE(dialogs.boxes[0].second,
                 "Cópia de trabalho " + m_scratch +
                     " não pode ser gravada! O Cadastro em uso passa a ser " + dest + ".");
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

// Files of the editing: the MSD alteration of "Hidr_Modif.dat", the destination rules and
// the files a session refuses to write a report onto.

#include "RegistryFixtures.h"
#include "ScriptedDialogs.h"
#include "editing/AlterationFile.h"
#include "editing/Destination.h"
#include "editing/RegistryFiles.h"
#include "registry/PlantCodec.h"
#include "registry/TCadHd.h"

#include <QtTest>
#include <cmath>
#include <limits>
#include <unistd.h>

namespace {

QByteArray record(const char* name, float volMax, float cotaMin, float cotaMax, char reg = 'S') {
    TUsinaHd p;
    const QByteArray n = QByteArray(name).leftJustified(12, ' ', true);
    std::copy_n(n.constData(), 12, p.Nome.data());
    p.Posto = 77;
    p.VolMin = 10.0f;
    p.VolMax = volMax;
    p.CotaMin = cotaMin;
    p.CotaMax = cotaMax;
    p.VolRef = 3.25f;
    p.Obs.fill('o');
    p.Reg = reg;
    return encodePlant(p);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestRegistryFiles : public QObject {
    Q_OBJECT

private slots:
    // One record of each kind; every byte but VolRef and Reg of a plant stays.
    void alteration_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<char>("reg");
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("equal levels: daily")
            << record("SALTO", 1500.0f, 280.0f, 280.0f) << true << 'D';
        QTest::newRow("different levels: monthly")
            << record("SALTO", 1500.0f, 280.0f, 290.0f) << true << 'M';
        QTest::newRow("weekly becomes monthly")
            << record("PONTE", 9.5f, 1.0f, 2.0f, 'S') << true << 'M';
        QTest::newRow("signed zeros are equal") << record("ZERO", 0.0f, 0.0f, -0.0f) << true << 'D';
        QTest::newRow("NaN levels are not equal") << record("NAO", 1.0f, nan, nan) << true << 'M';
        QTest::newRow("792 blanks") << QByteArray(RecordSize, ' ') << false << ' ';
        QTest::newRow("one-letter name") << record("A", 1500.0f, 280.0f, 280.0f) << false << 'S';
        QTest::newRow("blank second letter") << record("A B", 1.0f, 2.0f, 2.0f) << false << 'S';
        QTest::newRow("NUL name is altered") << QByteArray(RecordSize, '\0') << true << 'D';
    }
    void alteration() {
        QFETCH(QByteArray, before);
        QFETCH(bool, changed);
        QFETCH(char, reg);
        QByteArray bytes = before;
        AlterationFile::alter(bytes);
        QCOMPARE(bytes.size(), before.size());
        QCOMPARE(bytes.left(787), before.left(787));
        if (changed)
            QCOMPARE(bytes.mid(787, 4), before.mid(44, 4));
        else
            QCOMPARE(bytes, before);
        QCOMPARE(bytes.at(791), reg);
    }

    // The file rewritten in place: size unchanged, a trailing partial record untouched.
    void rewriteFile() {
        QTemporaryDir dir;
        const QString path = AlterationFile::pathIn(dir.path());
        QVERIFY(path.endsWith("/Hidr_Modif.dat"));
        QByteArray before = record("SALTO", 1500.0f, 280.0f, 280.0f) + QByteArray(RecordSize, ' ') +
                            record("RIO", 7.0f, 1.0f, 5.0f);
        QByteArray partial = record("CAUDA", 1.0f, 2.0f, 2.0f).left(790);
        before += partial;
        QVERIFY(writeFile(path, before));
        const AlterationFile::Result r = AlterationFile::rewrite(path);
        QVERIFY(r.ok);
        const QByteArray after = readFile(path);
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.at(791), 'D');
        QCOMPARE(after.mid(792, 792), QByteArray(RecordSize, ' '));
        QCOMPARE(after.at(3 * 792 - 1), 'M');
        QCOMPARE(after.mid(3 * RecordSize), partial);
        QCOMPARE(r.names.size(), 4);
        QCOMPARE(r.names.at(0), QString("SALTO       "));
        QCOMPARE(r.names.at(1), QString(12, u' '));
        QCOMPARE(r.names.at(3), QString("CAUDA       "));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files) == QStringList{"Hidr_Modif.dat"});
    }

    void rewriteFailures() {
        QTemporaryDir dir;
        const QString path = AlterationFile::pathIn(dir.path());
        QVERIFY(!AlterationFile::rewrite(path).ok);
        QVERIFY(!QFile::exists(path));                     // never created
        QVERIFY(QDir(dir.path()).mkdir("Hidr_Modif.dat")); // there, but not a file
        QVERIFY(!AlterationFile::rewrite(path).ok);
        QVERIFY(QDir(dir.path()).rmdir("Hidr_Modif.dat"));
        if (::geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        const QByteArray before = record("SALTO", 1500.0f, 280.0f, 280.0f);
        QVERIFY(writeFile(path, before));
        QFile::setPermissions(path, QFile::ReadOwner);
        QVERIFY(!AlterationFile::rewrite(path).ok);
        QCOMPARE(readFile(path), before);
    }

    void proposedName() {
        const QDateTime when(QDate(2026, 12, 8), QTime(6, 53, 14));
        QCOMPARE(Destination::proposedName(when), QString("HIDR_20261208_065314.DAT"));
        const QDateTime evening(QDate(2027, 1, 31), QTime(23, 5, 9));
        QCOMPARE(Destination::proposedName(evening), QString("HIDR_20270131_230509.DAT"));
    }

    // Files compared as files: by path, through links, and by inode.
    void sameFile() {
        QTemporaryDir dir;
        const QDir d(dir.path());
        const QString a = d.filePath("Cadastro.dat");
        const QString b = d.filePath("Outro.dat");
        QVERIFY(writeFile(a, "a") && writeFile(b, "b"));
        QVERIFY(d.mkdir("sub"));
        QVERIFY(QFile::link(a, d.filePath("link.dat")));
        QVERIFY(::link(QFile::encodeName(a).constData(),
                       QFile::encodeName(d.filePath("hard.dat")).constData()) == 0);
        QVERIFY(QFile::link(dir.path(), d.filePath("dirlink")));

        QVERIFY(Destination::sameFile(a, a));
        QVERIFY(Destination::sameFile(a, d.filePath("sub/../Cadastro.dat")));
        QVERIFY(Destination::sameFile(a, d.filePath("link.dat")));
        QVERIFY(Destination::sameFile(d.filePath("hard.dat"), a));
        QVERIFY(Destination::sameFile(d.filePath("dirlink/Cadastro.dat"), a));
        QVERIFY(!Destination::sameFile(a, b));
        QVERIFY(!Destination::sameFile(a, d.filePath("cadastro.dat")));
        QVERIFY(!Destination::sameFile(a, QString()));
        QVERIFY(!Destination::sameFile(QString(), QString()));
        // Not there yet: the absolute, cleaned paths decide.
        QVERIFY(Destination::sameFile(d.filePath("novo.dat"), d.filePath("sub/../novo.dat")));
        QVERIFY(!Destination::sameFile(d.filePath("novo.dat"), d.filePath("novo2.dat")));
        QVERIFY(!Destination::sameFile(d.filePath("novo.dat"), a));
        QDir::setCurrent(dir.path());
        QVERIFY(Destination::sameFile("Cadastro.dat", a));
        QVERIFY(Destination::sameFile("./novo.dat", d.filePath("novo.dat")));
    }

    void refused() {
        QTemporaryDir dir;
        const QDir d(dir.path());
        const QString loaded = d.filePath("Cadastro.dat");
        const QString scratch = Destination::scratchCopyPath(dir.path());
        QCOMPARE(scratch, d.filePath("AuxCad.cad"));
        QVERIFY(writeFile(loaded, "x") && writeFile(scratch, "x"));
        const QString inUse = scratch;
        QVERIFY(Destination::refused(loaded, inUse, loaded, scratch));
        QVERIFY(Destination::refused(scratch, inUse, loaded, scratch));
        QVERIFY(Destination::refused(d.filePath("./AuxCad.cad"), loaded, loaded, scratch));
        QVERIFY(!Destination::refused(d.filePath("HIDR_1.DAT"), inUse, loaded, scratch));
        QVERIFY(!Destination::refused(d.filePath("HIDR_1.DAT"), loaded, QString(), scratch));
    }

    // After a store the registry loaded, the scratch copy now in use and the destination are
    // four names for three files: each refuses a report (through a link too), in the language
    // asked; so does anything that is no regular file.
    void reportRefusal_data() {
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("lingua");
        QTest::addColumn<QString>("refusal"); // %1: the file refused, in the folder
        QTest::addColumn<QString>("named");
        const QString same = "Arquivo de saída não pode ser igual ao Cadastro %1 !";
        const QString special = "Arquivo de saída \"%1\" não é um arquivo comum.";
        QTest::newRow("loaded") << "loaded.dat" << 1 << same << "loaded.dat";
        QTest::newRow("scratch copy in use, English")
            << "AuxCad.cad" << 2 << "Output file cannot be the registry %1 !"
            << "AuxCad.cad";
        QTest::newRow("destination") << "dest.dat" << 1 << same << "dest.dat";
        QTest::newRow("link to the destination") << "link.dat" << 1 << same << "dest.dat";
        QTest::newRow("folder") << "folder" << 2 << special << "folder";
        QTest::newRow("free name") << "out.csv" << 1 << QString() << QString();
    }
    void reportRefusal() {
        QFETCH(QString, output);
        QFETCH(int, lingua);
        QFETCH(QString, refusal);
        QFETCH(QString, named);
        QTemporaryDir dir;
        const QDir d(dir.path());
        const QByteArray bytes =
            RegistryFixtures::registryBytes(2, {{1, RegistryFixtures::plantNamed("ALFA")}});
        QVERIFY(writeFile(d.filePath("loaded.dat"), bytes));
        QVERIFY(d.mkdir("folder"));
        QVERIFY(QFile::link(d.filePath("dest.dat"), d.filePath("link.dat")));
        ScriptedDialogs dialogs;
        TCadHd cad(dialogs);
        RegistryFiles files(dialogs);
        files.claimScratchCopy(dir.path());
        files.loaded(d.filePath("loaded.dat"));
        dialogs.saveFileAnswers.enqueue(d.filePath("dest.dat"));
        QVERIFY(files.chooseDestination(QDateTime(QDate(2026, 12, 8), QTime(6, 53, 14))));
        QVERIFY(files.store(cad, 2, 2, RegistryFixtures::plantNamed("BETA")));
        QCOMPARE(files.registry(), files.scratchPath());
        QCOMPARE(dialogs.messageLines(), QStringList());
        const QString expected = refusal.isEmpty() ? QString() : refusal.arg(d.filePath(named));
        QCOMPARE(files.reportRefusal(d.filePath(output), lingua), expected);
    }
};

QTEST_GUILESS_MAIN(TestRegistryFiles)
#include "tst_registryfiles.moc"

// Two editors started in the same folder: the first holds "AuxCad.cad", the second works with
// a scratch copy of its own beside it, and each removes only its own at exit.

#include "EditorHarness.h"
#include "RegistryFixtures.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QtTest>

class TestScratchLock : public QObject {
    Q_OBJECT

private slots:
    void secondEditorKeepsTheFirstsScratchCopy() {
        EditorHarness h;
        const QString registry = h.writeFile(
            "Cadastro.dat",
            RegistryFixtures::registryBytes(3, {{1, RegistryFixtures::plantNamed("ALFA")}}));
        TFRMeditor& first = h.start({registry});
        const QString shared = h.path("AuxCad.cad");
        QCOMPARE(first.document().scratchPath(), shared);
        // The first editor's scratch copy, written by a store.
        h.dialogs.inputAnswers.enqueue(QStringLiteral("1"));
        h.dialogs.saveFileAnswers.enqueue(h.path("dest.dat"));
        first.ui.MnEditPlantDel->trigger();
        QCOMPARE(first.document().registryFileName(), shared);

        ScriptedDialogs secondDialogs;
        QString secondScratch;
        {
            TFRMeditor second(secondDialogs, {registry}, h.path(""));
            second.show();
            QTRY_VERIFY(second.firstActivationDone());
            QVERIFY(second.document().scratchPath() != shared);
            QCOMPARE(QFileInfo(second.document().scratchPath()).absolutePath(),
                     QFileInfo(shared).absolutePath());
            QVERIFY(QFile::exists(shared)); // the start did not take it away
            secondScratch = second.document().scratchPath();
            QVERIFY(QFile::copy(registry, secondScratch));
            second.close();
        }
        QVERIFY(QFile::exists(secondScratch)); // not written by that run: it stays
        QFile::remove(secondScratch);
        QVERIFY(QFile::exists(shared)); // the second's exit left it too

        h.destroy();
        QVERIFY(!QFile::exists(shared));
        // The lock went with the first editor: the name is free for the next one.
        QLockFile lock(shared + ".lock");
        QVERIFY(lock.tryLock(0));
    }

    // A lock left by an editor that no longer runs does not hold the name.
    void staleLockIsTakenOver() {
        EditorHarness h;
        {
            QFile stale(h.path("AuxCad.cad.lock"));
            QVERIFY(stale.open(QIODevice::WriteOnly));
            stale.write("999999\nquillmark\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        }
        TFRMeditor& w = h.start({});
        QCOMPARE(w.document().scratchPath(), h.path("AuxCad.cad"));
    }
};

QTEST_MAIN(TestScratchLock)
#include "tst_scratchlock.moc"

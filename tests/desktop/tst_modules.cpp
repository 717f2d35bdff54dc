// Where a program finds its modules: beside the executable (a build) before the installed folder.

#include "modules/ModuleLookup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestModules : public QObject {
    Q_OBJECT
private slots:
    void findModule_data();
    void findModule();
    void missingModuleNamesItsPlace();
};

void TestModules::findModule_data() {
    QTest::addColumn<QStringList>("present"); // a trailing "/" makes a folder of that name
    QTest::addColumn<QString>("expected");
    QTest::newRow("none: beside the executable") << QStringList{} << "build/libm.so";
    QTest::newRow("beside the executable first")
        << QStringList{"build/libm.so", "installed/libm.so"} << "build/libm.so";
    QTest::newRow("installed") << QStringList{"installed/libm.so"} << "installed/libm.so";
    QTest::newRow("a folder of that name passed over")
        << QStringList{"build/libm.so/", "installed/libm.so"} << "installed/libm.so";
}

void TestModules::findModule() {
    QFETCH(QStringList, present);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QDir root(dir.path());
    QVERIFY(root.mkpath("build") && root.mkpath("installed"));
    for (const QString& name : present) {
        if (name.endsWith(u'/'))
            QVERIFY(root.mkpath(name));
        else
            QVERIFY(QFile(root.filePath(name)).open(QIODevice::WriteOnly));
    }
    QCOMPARE(Desktop::findModule("libm.so", {root.filePath("build"), root.filePath("installed")}),
             root.filePath(expected));
}

// The folders are the executable's own, then the installed one; a module found in neither
// fails with the loader's reason, naming the place beside the executable.
void TestModules::missingModuleNamesItsPlace() {
    const QStringList folders = Desktop::moduleFolders("/usr/lib/nothing");
    QCOMPARE(folders.size(), 2);
    QCOMPARE(folders.at(0), QCoreApplication::applicationDirPath());
    QCOMPARE(folders.at(1), "/usr/lib/nothing");
    QString error;
    QVERIFY(!Desktop::moduleEntry("libnothing.so", "entry", "/usr/lib/nothing", error));
    QVERIFY2(error.contains(folders.at(0) + "/libnothing.so"), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestModules)
#include "tst_modules.moc"

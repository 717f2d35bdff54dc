// The file checks both programs share: each refuses the same outputs and inputs in its own
// words, exits 1 and writes nothing; and the one atomic write and same-file rule where the
// programs' former copies disagreed.

#include "files/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <sys/types.h>

namespace {

// Two blank records: a registry with no plant in use.
const QByteArray kRegistry(2 * 792, ' ');
const QByteArray kPostos = "   1  RIO CLARO     1001  2001\r\n";

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Every name below the folder with its bytes, links and folders marked: what "nothing written"
// is checked against.
QStringList snapshot(const QString& root) {
    QStringList out;
    QDir dir(root);
    for (const QFileInfo& info : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                   QDir::Hidden | QDir::System,
                                                   QDir::Name)) {
        if (info.isSymLink())
            out << info.fileName() + " -> " + info.symLinkTarget();
        else if (info.isDir())
            out << info.fileName() + "/" << snapshot(info.filePath());
        else if (!info.isFile()) // a FIFO: opening it would wait for a writer
            out << info.fileName() + " special";
        else
            out << info.fileName() + " " + readFile(info.filePath()).toHex();
    }
    return out;
}

struct Run {
    int status = -1;
    QString err;
};

Run run(const QString& program, const QStringList& args, const QString& workDir) {
    QProcess p;
    p.setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("LC_ALL", "C.UTF-8");
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2,
            QString::fromUtf8(p.readAllStandardError())};
}

// A folder no one may create a file in, even root (who passes over a folder's mode).
QString unwritableFolder(const QString& inside) {
    const QString folder = QDir(inside).filePath("readonly");
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(QDir(folder).filePath("probe"));
    if (!probe.open(QIODevice::WriteOnly))
        return folder;
    probe.remove();
    return QStringLiteral("/sys");
}

} // namespace

class TestFileChecks : public QObject {
    Q_OBJECT

private slots:
    void bothProgramsRefuse_data();
    void bothProgramsRefuse();
    void oneWrite_data();
    void oneWrite();
    void sameFile_data();
    void sameFile();
};

// In the table: %d is the work folder, %o the output as given, %i the input as given.
void TestFileChecks::bothProgramsRefuse_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("editorSays");
    QTest::addColumn<QString>("converterSays");

    const QString notRegular = "Arquivo de saída \"%o\" não é um arquivo comum.\n";
    QTest::newRow("output is the input")
        << "" << "./IN" << "IN" << "Arquivo de saída não pode ser igual ao Cadastro IN !\n"
        << "Arquivo de saída não pode ser igual ao arquivo de entrada !\n";
    QTest::newRow("output is a link to the input")
        << "link" << "LINK" << "IN" << "Arquivo de saída não pode ser igual ao Cadastro IN !\n"
        << "Arquivo de saída não pode ser igual ao arquivo de entrada !\n";
    QTest::newRow("output is a folder") << "folder" << "FOLDER" << "IN" << notRegular << notRegular;
    QTest::newRow("output is a FIFO") << "fifo" << "FIFO" << "IN" << notRegular << notRegular;
    QTest::newRow("output's folder missing")
        << "" << "NONE/OUT" << "IN"
        << "Não foi possível criar o arquivo %o. No such file or directory\n"
        << "Cannot create file \"%o\". No such file or directory\n";
    QTest::newRow("output's folder unwritable")
        << "readonly" << "%r/OUT" << "IN"
        << "Não foi possível criar o arquivo %o. Permission denied\n"
        << "Cannot create file \"%o\". Permission denied\n";
    QTest::newRow("input missing") << "" << "OUT" << "NADA"
                                   << "Problemas na leitura do Cadastro !\n"
                                   << "Arquivo NADA inexistente.\n";
}

void TestFileChecks::bothProgramsRefuse() {
    QFETCH(QString, setup);
    QFETCH(QString, output);
    QFETCH(QString, input);
    QFETCH(QString, editorSays);
    QFETCH(QString, converterSays);

    for (const bool editor : {true, false}) {
        QTemporaryDir dir;
        const QString d = dir.path();
        QVERIFY(writeFile(dir.filePath("IN"), editor ? kRegistry : kPostos));
        if (setup == "link")
            QVERIFY(QFile::link("IN", dir.filePath("LINK")));
        else if (setup == "folder")
            QVERIFY(QDir(d).mkdir("FOLDER"));
        else if (setup == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("FIFO")).constData(), 0644), 0);
        QString out = output;
        if (setup == "readonly")
            out.replace("%r", unwritableFolder(d));
        const QStringList before = snapshot(d);

        const Run r = editor ? run(QUILLMARK_EXE, {"--export-csv", input, out}, d)
                             : run(TORVANE_EXE, {"postos", "to-bin", input, out}, d);
        const QString expected = QString(editor ? editorSays : converterSays).replace("%o", out);
        QCOMPARE(r.err, expected);
        QCOMPARE(r.status, 1);
        QCOMPARE(snapshot(d), before);
    }
}

// Where the programs' own writes differed: the editor's refused a special file, the converter's
// had the fault seam; both now do both.
void TestFileChecks::oneWrite_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("fault");
    QTest::addColumn<int>("step"); // -1: written

    QTest::newRow("a regular file") << "FILE" << false << -1;
    QTest::newRow("a new file") << "NEW" << false << -1;
    QTest::newRow("a FIFO") << "FIFO" << false << int(WriteFailure::Step::NotRegularFile);
    QTest::newRow("a folder") << "FOLDER" << false << int(WriteFailure::Step::NotRegularFile);
    QTest::newRow("in a missing folder") << "NONE/NEW" << false << int(WriteFailure::Step::Create);
    QTest::newRow("a disk that fails at the commit")
        << "FILE" << true << int(WriteFailure::Step::Write);
}

void TestFileChecks::oneWrite() {
    QFETCH(QString, target);
    QFETCH(bool, fault);
    QFETCH(int, step);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("FILE"), "old"));
    QVERIFY(QDir(dir.path()).mkdir("FOLDER"));
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("FIFO")).constData(), 0644), 0);
    const QStringList before = snapshot(dir.path());
    const QString path = dir.filePath(target);

    setCommitFaultForTesting(fault ? [](const QString&) { return QStringLiteral("No space"); }
                                   : CommitFault());
    const auto failure = writeWhole(path, "new", 3);
    QString error;
    const bool written = writeFileAtomically(path, "new", &error);
    setCommitFaultForTesting({});

    QCOMPARE(written, step < 0);
    QCOMPARE(bool(failure), step >= 0);
    if (written) {
        QCOMPARE(readFile(path), QByteArray("new"));
        return;
    }
    QCOMPARE(int(failure->step), step);
    QCOMPARE(error, failure->reason);
    QCOMPARE(error.isEmpty(), false);
    if (step == int(WriteFailure::Step::NotRegularFile))
        QCOMPARE(error, notRegularFileText(path));
    QCOMPARE(snapshot(dir.path()), before);
}

// The converter's copy said "not the same" whenever a path did not exist; the editor's compared
// the names then, which is the one that stops two names of a file yet to be written.
void TestFileChecks::sameFile_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");

    QTest::newRow("one missing name, two spellings") << "NEW" << "./sub/../NEW" << true;
    QTest::newRow("two missing names") << "NEW" << "NEW2" << false;
    QTest::newRow("a missing name and a file") << "NEW" << "FILE" << false;
    QTest::newRow("a hard link") << "HARD" << "FILE" << true;
    QTest::newRow("a link to a folder's file") << "DIRLINK/FILE" << "FILE" << true;
    QTest::newRow("an empty name") << "" << "" << false;
}

void TestFileChecks::sameFile() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("FILE"), "x"));
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    QCOMPARE(::link(QFile::encodeName(dir.filePath("FILE")).constData(),
                    QFile::encodeName(dir.filePath("HARD")).constData()),
             0);
    QVERIFY(QFile::link(dir.path(), dir.filePath("DIRLINK")));
    const auto at = [&](const QString& name) { return name.isEmpty() ? name : dir.filePath(name); };
    QCOMPARE(::sameFile(at(a), at(b)), same);
    QCOMPARE(::sameFile(at(b), at(a)), same);
}

QTEST_GUILESS_MAIN(TestFileChecks)
#include "tst_FileChecks.moc"

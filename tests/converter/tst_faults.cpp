// Failing disks under the converter's workflow: a folder that cannot take the output, a file
// system that fills up before the commit, and a commit that fails on purpose. After each fault
// the old output is byte for byte what it was, no temporary file is left beside it, the error
// box names the file and the cause, and no success message follows.
#include "ScriptedDialogs.h"
#include "TestData.h"
#include "workflow/Conversions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <sys/mount.h>
#include <sys/resource.h>

using namespace Torvane;

namespace {

const QByteArray kOld = "old output of an earlier run\r\n";

// A small tmpfs mounted for one test; mounting needs privileges that CI may lack.
class Tmpfs {
public:
    explicit Tmpfs(const QString& where, const char* options) : m_where(where) {
        QDir().mkpath(where);
        m_mounted =
            ::mount("tmpfs", QFile::encodeName(where).constData(), "tmpfs", 0, options) == 0;
    }
    ~Tmpfs() {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_where).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    bool makeReadOnly() {
        return ::mount(nullptr, QFile::encodeName(m_where).constData(), nullptr,
                       MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QString m_where;
    bool m_mounted = false;
};

// Writes until the file system refuses more.
void fillUp(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return;
    const QByteArray chunk(4096, 'x');
    while (f.write(chunk) == chunk.size() && f.flush()) {
    }
}

QStringList entriesOf(const QString& dir) {
    QStringList names = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

} // namespace

class TstFaults : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<Tables> tables = std::make_unique<Tables>();

    QString path(const QString& name) const { return dir.filePath(name); }

    // Each conversion with an input of its own, of an output larger than one page.
    ConversionDef definition(const QString& name) {
        if (name == QLatin1String("postos"))
            return conversionDef(FileKind::Postos, Direction::TextToBin, 320, *tables);
        if (name == QLatin1String("vazoes"))
            return conversionDef(FileKind::Vazoes, Direction::TextToBin, 600, *tables);
        if (name == QLatin1String("mlt"))
            return conversionDef(FileKind::Mlt, Direction::BinToText, 320, *tables);
        if (name == QLatin1String("energiaf"))
            return auxiliaryDef(Auxiliary::EnergiafToText, QLocale::c());
        return auxiliaryDef(Auxiliary::EnergiaFilter, QLocale::c());
    }
    QByteArray inputFor(const QString& name) {
        if (name == QLatin1String("postos"))
            return "   3  SERRA FUNDA   1204    17\r\n";
        if (name == QLatin1String("vazoes")) {
            std::string months;
            for (int m = 1; m <= 12; ++m)
                months += sixColumns(100 + m);
            return QByteArray::fromStdString(vazoesLine("  7", "1931", months) + "\r\n");
        }
        if (name == QLatin1String("mlt"))
            return QByteArray(12 * 320 * 4, '\0');
        if (name == QLatin1String("energiaf"))
            return QByteArray(24000, '\0');
        QByteArray text = "   Subs        SE\r\n";
        for (int k = 0; k < 200; ++k)
            text += "     " + QByteArray::number(k % 10) + "    1234.5   1100.2   980.0\r\n";
        return text + "   EARM\r\n";
    }
    // The dialogs' answers: ENERGIAF and ENERGIA choose their input in the open dialog.
    void answer(ScriptedDialogs& d, const QString& name, const QString& input,
                const QString& output) {
        if (name == QLatin1String("energiaf") || name == QLatin1String("energia"))
            d.fileAnswers << input;
        d.fileAnswers << output;
        d.confirmAnswers << true;
    }
    QString expectedOutput(const QString& name) {
        const QByteArray in = inputFor(name);
        const ConvResult r = definition(name).convert(
            std::string_view(in.constData(), std::size_t(in.size())), "input");
        return r.ok() ? QString::number(r.output.size()) : QStringLiteral("failed");
    }

    static void conversions() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"postos", "vazoes", "mlt", "energiaf", "energia"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

private slots:
    void init() {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        setCommitFaultForTesting({});
    }
    void cleanup() { setCommitFaultForTesting({}); }

    void inputsConvert_data() { conversions(); }
    void inputsConvert() {
        // Guards the other tests: each input converts, to more than a page of output.
        QFETCH(QString, name);
        const QString size = expectedOutput(name);
        QVERIFY2(size != QLatin1String("failed"), qPrintable(name));
        QVERIFY2(size.toInt() > 4096, qPrintable(size));
    }

    void folderThatIsARegularFile_data() { conversions(); }
    void folderThatIsARegularFile() {
        // Works as root too: no permission bit is involved.
        QFETCH(QString, name);
        QVERIFY(writeBytes(path("input"), inputFor(name)));
        QVERIFY(writeBytes(path("notafolder"), kOld));
        const QString output = path("notafolder/OUT");
        ScriptedDialogs d;
        answer(d, name, path("input"), output);
        QCOMPARE(runConversion(d, path("input"), definition(name)), Outcome::Failed);
        QCOMPARE(d.boxes().size(), 1);
        QVERIFY2(d.boxes().first().startsWith(
                     QStringLiteral("error: Cannot create file \"%1\". ").arg(output)),
                 qPrintable(d.boxes().first()));
        QVERIFY(d.boxes().first().size() >
                QStringLiteral("error: Cannot create file \"\". ").size() + output.size());
        QCOMPARE(readBytes(path("notafolder")), kOld);
        QCOMPARE(entriesOf(dir.path()), (QStringList{"input", "notafolder"}));
    }

    void readOnlyFolder_data() { conversions(); }
    void readOnlyFolder() {
        QFETCH(QString, name);
        const QString folder = path("ro");
        Tmpfs fs(folder, "size=256k");
        if (!fs.mounted())
            QSKIP("mounting a tmpfs is not allowed here");
        QVERIFY(writeBytes(folder + "/OUT", kOld));
        if (!fs.makeReadOnly())
            QSKIP("remounting read-only is not allowed here");
        QVERIFY(writeBytes(path("input"), inputFor(name)));
        ScriptedDialogs d;
        answer(d, name, path("input"), folder + "/OUT");
        QCOMPARE(runConversion(d, path("input"), definition(name)), Outcome::Failed);
        // The overwrite question, then the error; no success.
        QCOMPARE(d.boxes().size(), 2);
        QVERIFY(d.boxes().at(0).startsWith(QStringLiteral("confirm: ")));
        // The cause is Qt's wording ("Existing file ... is not writable" on Qt 6.4).
        const QString prefix = QStringLiteral("error: Cannot create file \"%1/OUT\". ").arg(folder);
        QVERIFY2(d.boxes().at(1).startsWith(prefix) && d.boxes().at(1).size() > prefix.size(),
                 qPrintable(d.boxes().at(1)));
        QCOMPARE(readBytes(folder + "/OUT"), kOld);
        QCOMPARE(entriesOf(folder), QStringList{"OUT"});
    }

    void fullDisk_data() { conversions(); }
    void fullDisk() {
        QFETCH(QString, name);
        const QString folder = path("small");
        Tmpfs fs(folder, "size=64k");
        if (!fs.mounted())
            QSKIP("mounting a tmpfs is not allowed here");
        QVERIFY(writeBytes(folder + "/OUT", kOld));
        fillUp(folder + "/filler");
        QVERIFY(writeBytes(path("input"), inputFor(name)));
        const QStringList before = entriesOf(folder);

        ScriptedDialogs d;
        answer(d, name, path("input"), folder + "/OUT");
        // Before the fix the buffered bytes failed only inside the commit, which went on
        // and replaced the old output with an empty file, then reported success.
        QCOMPARE(runConversion(d, path("input"), definition(name)), Outcome::Failed);
        QCOMPARE(d.boxes().size(), 2);
        QCOMPARE(d.boxes().at(1),
                 QStringLiteral("error: Cannot write file \"%1/OUT\". ").arg(folder) +
                     QString::fromLocal8Bit(strerror(ENOSPC)));
        QCOMPARE(readBytes(folder + "/OUT"), kOld);
        QCOMPARE(entriesOf(folder), before);

        // Room again: the same conversion now replaces the old output whole.
        QVERIFY(QFile::remove(folder + "/filler"));
        ScriptedDialogs again;
        answer(again, name, path("input"), folder + "/OUT");
        QCOMPARE(runConversion(again, path("input"), definition(name)), Outcome::Succeeded);
        QCOMPARE(QString::number(readBytes(folder + "/OUT").size()), expectedOutput(name));
        QCOMPARE(entriesOf(folder), QStringList{"OUT"});
    }

    void fileSizeLimit_data() { conversions(); }
    void fileSizeLimit() {
        // A write refused part way, without privileges: past RLIMIT_FSIZE the system answers
        // "File too large". The refusal comes at the flush of QSaveFile's buffer, the step
        // whose failure the commit used to ignore (an empty file in place of the old one).
        QFETCH(QString, name);
        QVERIFY(writeBytes(path("input"), inputFor(name)));
        QVERIFY(writeBytes(path("OUT"), kOld));
        rlimit old{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 4096;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        ScriptedDialogs d;
        answer(d, name, path("input"), path("OUT"));
        const Outcome outcome = runConversion(d, path("input"), definition(name));
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(outcome, Outcome::Failed);
        QCOMPARE(d.boxes().size(), 2);
        QCOMPARE(d.boxes().at(1),
                 QStringLiteral("error: Cannot write file \"%1\". ").arg(path("OUT")) +
                     QString::fromLocal8Bit(strerror(EFBIG)));
        QCOMPARE(readBytes(path("OUT")), kOld);
        QCOMPARE(entriesOf(dir.path()), (QStringList{"OUT", "input"}));
    }

    void failedCommit_data() { conversions(); }
    void failedCommit() {
        // The same fault without privileges: the commit is abandoned through the seam.
        QFETCH(QString, name);
        QVERIFY(writeBytes(path("input"), inputFor(name)));
        QVERIFY(writeBytes(path("OUT"), kOld));
        QStringList asked;
        setCommitFaultForTesting([&asked](const QString& p) {
            asked << p;
            return QStringLiteral("No space left on device");
        });
        ScriptedDialogs d;
        answer(d, name, path("input"), path("OUT"));
        QCOMPARE(runConversion(d, path("input"), definition(name)), Outcome::Failed);
        QCOMPARE(asked, QStringList{path("OUT")});
        QCOMPARE(d.boxes().size(), 2);
        QCOMPARE(d.boxes().at(1),
                 QStringLiteral("error: Cannot write file \"%1\". No space left on device")
                     .arg(path("OUT")));
        QCOMPARE(readBytes(path("OUT")), kOld);
        QCOMPARE(entriesOf(dir.path()), (QStringList{"OUT", "input"}));

        setCommitFaultForTesting({});
        ScriptedDialogs again;
        answer(again, name, path("input"), path("OUT"));
        QCOMPARE(runConversion(again, path("input"), definition(name)), Outcome::Succeeded);
        QCOMPARE(QString::number(readBytes(path("OUT")).size()), expectedOutput(name));
    }

    void outputThatIsAFolder() {
        // A folder is refused before the overwrite question: it is never emptied or replaced.
        QVERIFY(writeBytes(path("input"), inputFor("postos")));
        QVERIFY(QDir().mkpath(path("OUT")));
        QVERIFY(writeBytes(path("OUT/keep"), kOld));
        ScriptedDialogs d;
        answer(d, "postos", path("input"), path("OUT"));
        QCOMPARE(runConversion(d, path("input"), definition("postos")), Outcome::NotRegularFile);
        QCOMPARE(d.boxes(), QStringList{QStringLiteral("warning: Arquivo de saída \"%1\" não é "
                                                       "um arquivo comum.")
                                            .arg(path("OUT"))});
        QCOMPARE(readBytes(path("OUT/keep")), kOld);
        QCOMPARE(entriesOf(path("OUT")), QStringList{"keep"});
    }
};

QTEST_GUILESS_MAIN(TstFaults)
#include "tst_faults.moc"

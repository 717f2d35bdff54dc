// The shared workflow through the scripted seam: the order of its questions, and which files
// it touches and which it leaves alone.
#include "ScriptedDialogs.h"
#include "TestData.h"
#include "workflow/Conversions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Torvane;

namespace {

const QByteArray kPostosText = "   1  RIO CLARO     1001  2001\r\n";
const QByteArray kOld = "old contents";

} // namespace

class TstWorkflow : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<Tables> tables = std::make_unique<Tables>();

    QString path(const QString& name) const { return dir.filePath(name); }
    ConversionDef postosToBin() {
        return conversionDef(FileKind::Postos, Direction::TextToBin, 320, *tables);
    }
    QStringList entries() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

private slots:
    void init() {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        QVERIFY(writeBytes(path("POSTOS"), kPostosText));
    }

    void cancelledSaveDialogTouchesNothing() {
        ScriptedDialogs d;
        QCOMPARE(runConversion(d, path("POSTOS"), postosToBin()), Outcome::Cancelled);
        QCOMPARE(d.log(), QStringList{"save: Salvar arquivo BINÁRIO de postos"});
        QCOMPARE(d.events.first().filter, QStringLiteral("POSTOS.DAT(*.*)|*.*"));
        QCOMPARE(entries(), QStringList{"POSTOS"});
    }

    void success() {
        ScriptedDialogs d;
        d.fileAnswers << path("POSTOS.DAT");
        QCOMPARE(runConversion(d, path("POSTOS"), postosToBin()), Outcome::Succeeded);
        QCOMPARE(d.boxes(),
                 QStringList{QStringLiteral("information: Arquivo BINÁRIO de postos \"%1\" "
                                            "gerado com sucesso !")
                                 .arg(path("POSTOS.DAT"))});
        QCOMPARE(readBytes(path("POSTOS.DAT")).size(), 320 * 20);
    }

    void overwriteQuestion_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No keeps the file") << false;
        QTest::newRow("Yes replaces it") << true;
    }
    void overwriteQuestion() {
        QFETCH(bool, yes);
        QVERIFY(writeBytes(path("POSTOS.DAT"), kOld));
        ScriptedDialogs d;
        d.fileAnswers << path("POSTOS.DAT");
        d.confirmAnswers << yes;
        const Outcome outcome = runConversion(d, path("POSTOS"), postosToBin());
        QCOMPARE(d.events.at(1).kind, QStringLiteral("confirm"));
        // LF before CR, then the question on the next line.
        QCOMPARE(d.events.at(1).text, QStringLiteral("O Arquivo ") + path("POSTOS.DAT") +
                                          QStringLiteral("\n\rjá existe. Deseja substituí-lo ?"));
        if (yes) {
            QCOMPARE(outcome, Outcome::Succeeded);
            QCOMPARE(readBytes(path("POSTOS.DAT")).size(), 6400);
        } else {
            QCOMPARE(outcome, Outcome::Declined);
            QCOMPARE(d.events.size(), 2);
            QCOMPARE(readBytes(path("POSTOS.DAT")), kOld);
        }
    }

    void missingInputAfterTheQuestion_data() {
        QTest::addColumn<bool>("outputExists");
        QTest::newRow("output exists") << true;
        QTest::newRow("no output") << false;
    }
    void missingInputAfterTheQuestion() {
        QFETCH(bool, outputExists);
        if (outputExists)
            QVERIFY(writeBytes(path("OUT"), kOld));
        ScriptedDialogs d;
        d.fileAnswers << path("OUT");
        d.confirmAnswers << true;
        QCOMPARE(runConversion(d, path("NADA"), postosToBin()), Outcome::MissingInput);
        QStringList expected;
        if (outputExists)
            expected << QStringLiteral("confirm: ") + Torvane::overwriteQuestion(path("OUT"));
        expected << QStringLiteral("warning: Arquivo %1 inexistente.").arg(path("NADA"));
        QCOMPARE(d.boxes(), expected);
        QCOMPARE(QFile::exists(path("OUT")), outputExists);
        if (outputExists)
            QCOMPARE(readBytes(path("OUT")), kOld);
    }

    void directoryIsNotAnInput() {
        QDir().mkpath(path("pasta"));
        ScriptedDialogs d;
        d.fileAnswers << path("OUT");
        // A folder is said to be no regular file, not a missing one.
        QCOMPARE(runConversion(d, path("pasta"), postosToBin()), Outcome::NotRegularFile);
        QCOMPARE(d.events.last().text,
                 QStringLiteral("Arquivo de entrada \"%1\" não é um arquivo comum.").arg(path("pasta")));
    }

    void outputThatIsNotARegularFile_data() {
        QTest::addColumn<QString>("node"); // what stands at the output path
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("character device") << "char";
        QTest::newRow("block device") << "block";
        QTest::newRow("socket") << "socket";
        QTest::newRow("folder") << "folder";
        QTest::newRow("link to a FIFO") << "link";
    }
    void outputThatIsNotARegularFile() {
        QFETCH(QString, node);
        const QByteArray out = QFile::encodeName(path("OUT"));
        const QByteArray fifo = QFile::encodeName(path("fifo"));
        int made = -1;
        int socketFd = -1;
        if (node == "fifo")
            made = ::mkfifo(out.constData(), 0600);
        else if (node == "char")
            made = ::mknod(out.constData(), S_IFCHR | 0600, makedev(1, 3));
        else if (node == "block")
            made = ::mknod(out.constData(), S_IFBLK | 0600, makedev(7, 0));
        else if (node == "folder")
            made = ::mkdir(out.constData(), 0700);
        else if (node == "link")
            made = ::mkfifo(fifo.constData(), 0600) == 0 ? ::symlink("fifo", out.constData()) : -1;
        else if (node == "socket") {
            socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            if (std::size_t(out.size()) < sizeof address.sun_path) {
                std::memcpy(address.sun_path, out.constData(), std::size_t(out.size()));
                made = ::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address);
            }
        }
        if (made != 0) {
            if (socketFd >= 0)
                ::close(socketFd);
            QSKIP("this node cannot be made here (device nodes need privileges)");
        }
        struct stat before {};
        QCOMPARE(::stat(out.constData(), &before), 0);

        ScriptedDialogs d;
        d.fileAnswers << path("OUT");
        d.confirmAnswers << true;
        QCOMPARE(runConversion(d, path("POSTOS"), postosToBin()), Outcome::NotRegularFile);
        QCOMPARE(d.boxes(), QStringList{QStringLiteral("warning: Arquivo de saída \"%1\" não é "
                                                       "um arquivo comum.")
                                            .arg(path("OUT"))});
        struct stat after {};
        QCOMPARE(::stat(out.constData(), &after), 0);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_rdev, before.st_rdev);
        if (socketFd >= 0)
            ::close(socketFd);
        // Nothing else appeared beside it: no temporary file, no replacement.
        QStringList expected{"OUT", "POSTOS"};
        if (node == "link")
            expected.prepend("fifo");
        QCOMPARE(
            QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
            expected);
    }

    void outputEqualToInputIsRefused_data() {
        QTest::addColumn<QString>("outputName");
        QTest::addColumn<int>("link"); // 0 none, 1 symbolic, 2 hard
        QTest::newRow("same path") << "POSTOS" << 0;
        QTest::newRow("other spelling") << "sub/../POSTOS" << 0;
        QTest::newRow("symbolic link") << "ligacao" << 1;
        QTest::newRow("hard link") << "outro_nome" << 2;
    }
    void outputEqualToInputIsRefused() {
        QFETCH(QString, outputName);
        QFETCH(int, link);
        QDir().mkpath(path("sub"));
        if (link == 1)
            QVERIFY(QFile::link(path("POSTOS"), path(outputName)));
        if (link == 2)
            QCOMPARE(::link(QFile::encodeName(path("POSTOS")).constData(),
                            QFile::encodeName(path(outputName)).constData()),
                     0);
        ScriptedDialogs d;
        d.fileAnswers << path(outputName);
        d.confirmAnswers << true;
        QCOMPARE(runConversion(d, path("POSTOS"), postosToBin()), Outcome::SameFile);
        // Refused before the overwrite question, with nothing touched.
        QCOMPARE(d.boxes(),
                 QStringList{QStringLiteral(
                     "warning: Arquivo de saída não pode ser igual ao arquivo de entrada !")});
        QCOMPARE(readBytes(path("POSTOS")), kPostosText);
    }

    void failedConversionLeavesNoHalfOutput_data() {
        QTest::addColumn<bool>("outputExists");
        QTest::newRow("the old file stays") << true;
        QTest::newRow("no file appears") << false;
    }
    void failedConversionLeavesNoHalfOutput() {
        QFETCH(bool, outputExists);
        // Station 1 converts, then line 2 fails after its gap was already produced.
        QVERIFY(writeBytes(path("POSTOS"), kPostosText + "   9  RUIM          1x09  2009\r\n"));
        if (outputExists)
            QVERIFY(writeBytes(path("POSTOS.DAT"), kOld));
        ScriptedDialogs d;
        d.fileAnswers << path("POSTOS.DAT");
        d.confirmAnswers << true;
        QCOMPARE(runConversion(d, path("POSTOS"), postosToBin()), Outcome::Failed);
        QCOMPARE(d.events.last().kind, QStringLiteral("error"));
        QCOMPARE(d.events.last().text,
                 QStringLiteral("Erro no arquivo texto \"%1\", linha 2. '1x09' is not a valid "
                                "integer value")
                     .arg(path("POSTOS")));
        QCOMPARE(QFile::exists(path("POSTOS.DAT")), outputExists);
        if (outputExists)
            QCOMPARE(readBytes(path("POSTOS.DAT")), kOld);
        QStringList expected{"POSTOS"};
        if (outputExists)
            expected << "POSTOS.DAT";
        QCOMPARE(entries(), expected); // no temporary file left beside it
    }

    void contentErrorIsAWarning() {
        QVERIFY(writeBytes(path("VAZOES"), "999 1931"));
        ScriptedDialogs d;
        d.fileAnswers << path("VAZOES.DAT");
        const ConversionDef def =
            conversionDef(FileKind::Vazoes, Direction::TextToBin, 320, *tables);
        QCOMPARE(runConversion(d, path("VAZOES"), def), Outcome::Failed);
        QCOMPARE(d.boxes(),
                 QStringList{QStringLiteral("warning: Erro no arquivo texto \"%1\", linha 1. "
                                            "Código de posto inválido.")
                                 .arg(path("VAZOES"))});
        QVERIFY(!QFile::exists(path("VAZOES.DAT")));
    }

    void outputThatCannotBeCreated() {
        ScriptedDialogs d;
        d.fileAnswers << path("sem_pasta/POSTOS.DAT");
        QCOMPARE(runConversion(d, path("POSTOS"), postosToBin()), Outcome::Failed);
        QCOMPARE(d.events.last().kind, QStringLiteral("error"));
        QVERIFY(d.events.last().text.startsWith(
            QStringLiteral("Cannot create file \"%1\"").arg(path("sem_pasta/POSTOS.DAT"))));
    }

    void qtFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("open") << "POSTOS|*.*"
                              << "POSTOS (*)";
        QTest::newRow("save") << "VAZOES.DAT(*.*)|*.*"
                              << "VAZOES.DAT (*)";
        QTest::newRow("named pattern") << "Texto|*.txt"
                                       << "Texto (*.txt)";
    }
    void qtFilters() {
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        QCOMPARE(qtFileFilter(filter), expected);
    }
};

QTEST_GUILESS_MAIN(TstWorkflow)
#include "tst_workflow.moc"

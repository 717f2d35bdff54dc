// torvane as a process: each command, its exit status, its messages on stderr, and the files
// it leaves.
#include "ScriptedDialogs.h"
#include "TestData.h"
#include "cli/CommandLine.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace Torvane;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run torvane(const QStringList& args, const QString& workDir) {
    QProcess p;
    // No display of any kind: the command line must not need one.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(workDir);
    p.start(QStringLiteral(TORVANE_EXE), args);
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

const QByteArray kPostos = "   1  RIO CLARO     1001  2001\r\n   3  SERRA         1003  2003\r\n";
const QByteArray kVazoes = "  2 1931" + QByteArray("   123").repeated(12) + "\r\n";
const QByteArray kMlt = "  2 " + QByteArray("   456").repeated(12) + "\r\n";

using Files = QMap<QString, QByteArray>;

// Every file of a folder with its bytes.
Files contents(const QString& folder) {
    Files files;
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        files.insert(name, readBytes(QDir(folder).filePath(name)));
    return files;
}

// count int32 records, or POSTOS records when named, as their texts hold them whole.
QByteArray binary(int count, bool postos = false) {
    std::string out;
    for (int k = 1; k <= count; ++k)
        out += postos ? (std::to_string(100000 + k) + "POSTO ").substr(0, 12) +
                            int32LE(1931 + k % 50) + int32LE(2000 + k % 30)
                      : int32LE(k * 7919 % 99991);
    return QByteArray::fromStdString(out);
}

} // namespace

class TstCli : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString path(const QString& n) const { return dir.filePath(n); }
    // A folder holding just files.
    void makeFolder(const QString& name, const Files& files) {
        QDir(path(name)).removeRecursively();
        QVERIFY(QDir().mkpath(path(name)));
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            QVERIFY(writeBytes(path(name + '/' + it.key()), it.value()));
    }

private slots:
    void init() {
        for (const QString& f : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(path(f));
    }

    void help() {
        const Run r = torvane({"--help"}, dir.path());
        QCOMPARE(r.exitCode, 0);
        for (const char* word :
             {"postos", "vazoes", "mlt", "to-bin", "to-text", "--stations", "--force", "--version"})
            QVERIFY2(r.out.contains(QLatin1String(word)), word);
    }

    void version() {
        // The version the window shows as "Versão 0.2".
        const Run r = torvane({"--version"}, dir.path());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("Tobrel 0.2\n"));
    }

    void qtOptionsOpenTheWindow_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("-platform") << QStringList{"-platform", "offscreen"};
        QTest::newRow("-style") << QStringList{"-platform", "offscreen", "-style", "Fusion"};
        QTest::newRow("--style=, -reverse")
            << QStringList{"--platform", "offscreen", "--style=Fusion", "-reverse"};
        QTest::newRow("-stylesheet, -qwindowgeometry") << QStringList{
            "-platform", "offscreen", "-stylesheet", "nada.qss", "-qwindowgeometry", "300x200+0+0"};
    }
    void qtOptionsOpenTheWindow() {
        QFETCH(QStringList, args);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TORVANE_EXE), args);
        QVERIFY(p.waitForStarted());
        // A usage error ends at once; the window waits for its user.
        QVERIFY2(!p.waitForFinished(1500), p.readAllStandardError().constData());
        p.kill();
        p.waitForFinished();
        QVERIFY(!p.readAllStandardError().contains("torvane:"));
    }

    void commandsLoadNoWindowLibrary() {
        // The loader lists what torvane itself needs; the window's libraries come in its module.
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LD_TRACE_LOADED_OBJECTS"), QStringLiteral("1"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TORVANE_EXE), {QStringLiteral("--help")});
        QVERIFY(p.waitForFinished(60000));
        const QByteArray libraries = p.readAllStandardOutput();
        QVERIFY2(libraries.contains("libQt6Core"), libraries.constData());
        for (const char* window : {"libQt6Gui", "libQt6Widgets", "libQt6Svg", "libQt6Charts"})
            QVERIFY2(!libraries.contains(window), libraries.constData());
    }

    void qtOptionsAreSetAside_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("rest");
        QTest::newRow("values and flags")
            << QStringList{"-style",     "Fusion", "-qwindowtitle", "T", "-reverse",
                           "--platform", "xcb"}
            << QStringList{};
        QTest::newRow("joined value")
            << QStringList{"-stylesheet=a.qss", "-style=Fusion"} << QStringList{};
        QTest::newRow("around a command")
            << QStringList{"-platform", "offscreen", "postos", "to-bin", "IN", "OUT"}
            << QStringList{"postos", "to-bin", "IN", "OUT"};
        QTest::newRow("value missing") << QStringList{"-style"} << QStringList{"-style"};
        QTest::newRow("after --") << QStringList{"--", "-style", "Fusion"}
                                  << QStringList{"--", "-style", "Fusion"};
        QTest::newRow("not Qt's") << QStringList{"-s", "--stations", "320"}
                                  << QStringList{"-s", "--stations", "320"};
    }
    void qtOptionsAreSetAside() {
        QFETCH(QStringList, args);
        QFETCH(QStringList, rest);
        QCOMPARE(Torvane::withoutQtOptions(args), rest);
        QCOMPARE(Torvane::wantsCommandLine(args), !rest.isEmpty());
    }

    void nameWithLeadingDashAfterDoubleDash() {
        QVERIFY(writeBytes(path("-IN"), kPostos));
        const Run r = torvane({"postos", "to-bin", "--force", "--", "-IN", "-OUT"}, dir.path());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(readBytes(path("-OUT")).size(), 12000);
    }

    void commands_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("success");
        QTest::addColumn<int>("outputSize");
        QTest::newRow("postos to-bin, 600 by default")
            << QStringList{"postos", "to-bin", "IN", "OUT"} << kPostos
            << "Arquivo BINÁRIO de postos" << 12000;
        QTest::newRow("postos to-bin 320")
            << QStringList{"postos", "to-bin", "IN", "OUT", "--stations", "320"} << kPostos
            << "Arquivo BINÁRIO de postos" << 6400;
        QTest::newRow("postos to-text")
            << QStringList{"postos", "to-text", "IN", "OUT"}
            << QByteArray::fromStdString(std::string(12, 'A') + int32LE(1234) + int32LE(2001))
            << "Arquivo TEXTO de postos" << 32;
        QTest::newRow("vazoes to-bin")
            << QStringList{"vazoes", "to-bin", "--stations=320", "IN", "OUT"} << kVazoes
            << "Arquivo BINÁRIO de vazões" << 15360;
        QTest::newRow("vazoes to-text")
            << QStringList{"vazoes", "to-text", "IN", "OUT", "--stations", "600"}
            << QByteArray::fromStdString(int32LE(5)) + QByteArray(28796, '\0')
            << "Arquivo TEXTO de vazões" << 82;
        QTest::newRow("mlt to-bin")
            << QStringList{"mlt", "to-bin", "IN", "OUT", "--stations", "600"} << kMlt
            << "Arquivo BINÁRIO de MLT" << 28800;
        QTest::newRow("mlt to-text")
            << QStringList{"mlt", "to-text", "IN", "OUT", "--stations", "320"} << QByteArray()
            << "Arquivo TEXTO de MLT" << 320 * 78;
    }
    void commands() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QString, success);
        QFETCH(int, outputSize);
        QVERIFY(writeBytes(path("IN"), input));
        const Run r = torvane(args, dir.path());
        QCOMPARE(r.err, success + QStringLiteral(" \"OUT\" gerado com sucesso !\n"));
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(readBytes(path("OUT")).size(), outputSize);
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err");
        QTest::newRow("content error")
            << QStringList{"vazoes", "to-bin", "IN", "OUT", "--stations", "320"}
            << QStringLiteral("Erro no arquivo texto \"IN\", linha 1. Código de posto inválido.\n");
        QTest::newRow("platform error")
            << QStringList{"postos", "to-text", "IN", "OUT"}
            << QStringLiteral("Erro no arquivo binário \"IN\": Read beyond end of file. O arquivo "
                              "tem 10 bytes, que não são um número inteiro de registros de 20 "
                              "bytes.\n");
        QTest::newRow("missing input")
            << QStringList{"mlt", "to-bin", "NADA", "OUT", "--stations", "320"}
            << QStringLiteral("Arquivo NADA inexistente.\n");
        QTest::newRow("output is the input")
            << QStringList{"postos", "to-bin", "IN", "./IN", "--force"}
            << QStringLiteral("Arquivo de saída não pode ser igual ao arquivo de entrada !\n");
    }
    void failures() {
        QFETCH(QStringList, args);
        QFETCH(QString, err);
        QVERIFY(writeBytes(path("IN"), "999 1931 x"));
        const Run r = torvane(args, dir.path());
        QCOMPARE(r.err, err);
        QCOMPARE(r.exitCode, 1);
        QVERIFY(!QFile::exists(path("OUT")));
        QCOMPARE(readBytes(path("IN")), QByteArray("999 1931 x"));
    }

    void existingOutputNeedsForce() {
        QVERIFY(writeBytes(path("IN"), kMlt));
        QVERIFY(writeBytes(path("OUT"), "antigo"));
        Run r = torvane({"mlt", "to-bin", "IN", "OUT", "--stations", "320"}, dir.path());
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QStringLiteral("Arquivo OUT já existe; use --force para substituí-lo.\n"));
        QCOMPARE(readBytes(path("OUT")), QByteArray("antigo"));
        r = torvane({"mlt", "to-bin", "IN", "OUT", "--stations", "320", "--force"}, dir.path());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(readBytes(path("OUT")).size(), 15360);
    }

    void outputThatIsAFifo() {
        // With --force too: the FIFO stays a FIFO and nothing is written anywhere.
        QVERIFY(writeBytes(path("IN"), kVazoes));
        QCOMPARE(::mkfifo(QFile::encodeName(path("OUT")).constData(), 0600), 0);
        const Run r =
            torvane({"vazoes", "to-bin", "IN", "OUT", "--stations", "320", "--force"}, dir.path());
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QStringLiteral("Arquivo de saída \"OUT\" não é um arquivo comum.\n"));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(path("OUT")).constData(), &st), 0);
        QVERIFY(S_ISFIFO(st.st_mode));
        QCOMPARE(
            QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList{"IN", "OUT"}));
        QFile::remove(path("OUT"));
    }

    void namesThatAreNotUtf8_data() {
        QTest::addColumn<QByteArray>("input"); // the bytes of the names
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QString>("err"); // empty: the conversion succeeds
        QTest::newRow("input with 0xD5")
            << QByteArray("VAZ\xD5"
                          "ES")
            << QByteArray("OUT")
            << "torvane: o nome dado como ENTRADA, \"VAZ\\xD5ES\", não é UTF-8 válido; esse "
               "nome não pode ser usado.\n";
        QTest::newRow("output with 0xCD")
            << QByteArray("IN")
            << QByteArray("SA\xCD"
                          "DA.bin")
            << "torvane: o nome dado como SAIDA, \"SA\\xCDDA.bin\", não é UTF-8 válido; esse "
               "nome não pode ser usado.\n";
        QTest::newRow("UTF-8 names convert") << QByteArray("VAZ\xC3\x95"
                                                           "ES")
                                             << QByteArray("SA\xC3\x8D"
                                                           "DA.bin")
                                             << QString();
    }
    void namesThatAreNotUtf8() {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, output);
        QFETCH(QString, err);
        const QByteArray in = QFile::encodeName(dir.path()) + '/' + input;
        const QByteArray out = QFile::encodeName(dir.path()) + '/' + output;
        QVERIFY(writeBytes(path("IN"), kVazoes));
        QCOMPARE(::link(QFile::encodeName(path("IN")).constData(), in.constData()) == 0,
                 input != "IN");
        // QProcess passes text; the shell's printf turns octal escapes back into bytes.
        const auto octal = [](const QByteArray& bytes) {
            QString escaped;
            for (const char c : bytes)
                escaped += QStringLiteral("\\%1").arg(uint(uchar(c)), 3, 8, QLatin1Char('0'));
            return escaped;
        };
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"),
                 QStringLiteral("exec \"$0\" vazoes to-bin \"$(printf '%1')\" \"$(printf '%2')\" "
                                "--stations 320")
                     .arg(octal(input), octal(output)),
                 QStringLiteral(TORVANE_EXE)});
        QVERIFY(p.waitForFinished(60000));
        const QString stderrText = QString::fromUtf8(p.readAllStandardError());
        const bool converted = ::access(out.constData(), F_OK) == 0;
        ::unlink(out.constData());
        if (input != "IN")
            ::unlink(in.constData());
        if (err.isEmpty()) {
            QCOMPARE(p.exitCode(), 0);
            QVERIFY(converted);
        } else {
            QCOMPARE(stderrText, err);
            QCOMPARE(p.exitCode(), 2);
            QVERIFY(!converted);
        }
        // Never a file of another name (0xCD read as U+FFFD): only IN is left.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"IN"});
    }

    void auxiliaryCommands_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QByteArray>("outputStart"); // null: no output file
        QByteArray record(24000, '\0');
        const double v = 1234.5;
        std::memcpy(record.data(), &v, 8);
        QTest::newRow("energiaf to-text")
            << QStringList{"energiaf", "to-text", "IN", "OUT"} << record << 0
            << QStringLiteral("Arquivo TEXTO de ENERGIAF \"OUT\" gerado com sucesso !\n")
            << QByteArray(
                   "############    Est\xE1gio 1 ############\r\nSubsistema 1\r\n  1234.50 ");
        QTest::newRow("energiaf, not whole records")
            << QStringList{"energiaf", "to-text", "IN", "OUT"} << record + "x" << 1
            << QStringLiteral("Read beyond end of file\n") << QByteArray();
        QTest::newRow("energia filter")
            << QStringList{"energia", "filter", "IN", "OUT"}
            << QByteArray("   Subs        N \n   7    abc\n") << 0
            << QStringLiteral(
                   "Arquivo TEXTO de ENERGIA FILTRADO (DECOMP) \"OUT\" gerado com sucesso !\n\n"
                   "Foram lidos somente:\"Dados de Energia Natural Afluente para Acoplamento c/ "
                   "Longo Prazo (MWmed)\".\n")
            << QByteArray(
                   " Sb      Cen  Sem_01   Sem_02   Sem_03   Sem_04   Sem_05   Mes_02   Mes_03\r\n"
                   " N      7    abc\r\n");
        QTest::newRow("energia, missing input")
            << QStringList{"energia", "filter", "NADA", "OUT"} << QByteArray() << 1
            << QStringLiteral("File not found: NADA\n") << QByteArray();
        QTest::newRow("energia with stations")
            << QStringList{"energia", "filter", "IN", "OUT", "--stations", "600"} << QByteArray()
            << 2 << QString() << QByteArray();
        QTest::newRow("energiaf with a wrong verb")
            << QStringList{"energiaf", "to-bin", "IN", "OUT"} << QByteArray() << 2 << QString()
            << QByteArray();
    }
    void auxiliaryCommands() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QFETCH(QByteArray, outputStart);
        QVERIFY(writeBytes(path("IN"), input));
        const Run r = torvane(args, dir.path());
        QCOMPARE(r.exitCode, exitCode);
        if (!err.isEmpty())
            QCOMPARE(r.err, err);
        QCOMPARE(QFile::exists(path("OUT")), !outputStart.isNull());
        if (!outputStart.isNull())
            QVERIFY(readBytes(path("OUT")).startsWith(outputStart));
    }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("vazoes without stations")
            << QStringList{"vazoes", "to-bin", "IN", "OUT"} << "--stations";
        QTest::newRow("mlt without stations")
            << QStringList{"mlt", "to-text", "IN", "OUT"} << "--stations";
        QTest::newRow("stations 500")
            << QStringList{"postos", "to-bin", "IN", "OUT", "--stations", "500"} << "500";
        QTest::newRow("stations without value")
            << QStringList{"postos", "to-bin", "IN", "OUT", "--stations"} << "--stations";
        QTest::newRow("unknown kind")
            << QStringList{"energias", "to-bin", "IN", "OUT"} << "energias";
        QTest::newRow("unknown direction")
            << QStringList{"postos", "para-bin", "IN", "OUT"} << "para-bin";
        QTest::newRow("missing output") << QStringList{"postos", "to-bin", "IN"} << "SAIDA";
        QTest::newRow("unknown option")
            << QStringList{"postos", "to-bin", "IN", "OUT", "--sure"} << "--sure";
        QTest::newRow("unknown option with a value")
            << QStringList{"postos", "to-bin", "IN", "OUT", "--sure=yes"} << "--sure";
        QTest::newRow("name with a dash, no --")
            << QStringList{"postos", "to-bin", "-IN", "OUT"} << "-I";
        QTest::newRow("a value for --force")
            << QStringList{"postos", "to-bin", "IN", "OUT", "--force=yes"} << "--force";
        QTest::newRow("a series option on a conversion")
            << QStringList{"vazoes", "to-bin", "IN", "OUT", "--stations", "320", "--text"}
            << "--text";
        QTest::newRow("stats without stations")
            << QStringList{"vazoes", "stats", "IN", "OUT"} << "--stations";
        QTest::newRow("a year before 1931")
            << QStringList{"vazoes", "stats", "IN", "OUT", "--stations", "320", "--from", "1930"}
            << "1930";
        QTest::newRow("--from after --to")
            << QStringList{"vazoes", "stats",  "IN",   "OUT",  "--stations",
                           "320",    "--from", "1950", "--to", "1940"}
            << "--from";
        QTest::newRow("--mlt-text alone")
            << QStringList{"vazoes", "stats", "IN", "OUT", "--stations", "320", "--mlt-text"}
            << "--mlt";
        QTest::newRow("plot, station beyond the horizon")
            << QStringList{"vazoes", "plot", "IN", "321", "OUT.png", "--stations", "320"} << "321";
        QTest::newRow("plot, no chart format")
            << QStringList{"vazoes", "plot", "IN", "2", "OUT", "--stations", "320"} << ".png";
    }
    void seriesCommands_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QByteArray>("outputStart"); // null: output not written
        const QStringList stats{"vazoes", "stats", "IN", "OUT", "--stations", "320", "--text"};
        const QByteArray header = "Posto;Nome;M\xEAs;Anos;M\xE9"
                                  "dia;Desvio padr\xE3o;M\xEDnimo;Ano do m\xEDnimo;M\xE1ximo;Ano "
                                  "do m\xE1ximo;Meses com zero;MLT;Diferen\xE7"
                                  "a %;Anos suspeitos\r\n";
        const QString statsDone =
            QStringLiteral("Arquivo de estatísticas de vazões \"OUT\" gerado com sucesso !\n");
        QTest::newRow("stats") << stats << 0 << statsDone << "OUT"
                               << header + "2;;1;1;123.00;;123;1931;123;1931;0;;;\r\n";
        // MLT 456 against a mean of 123: 100 x 333 / 123.
        QTest::newRow("stats with the MLT")
            << stats + QStringList{"--mlt", "MLT", "--mlt-text"} << 0 << statsDone << "OUT"
            << header + "2;;1;1;123.00;;123;1931;123;1931;0;456;270.73;\r\n";
        QTest::newRow("stats, a period past the file")
            << stats + QStringList{"--to", "1932"} << 1
            << "Período até 1932 além do último ano do arquivo \"IN\" (1931).\n"
            << "OUT" << QByteArray();
        QTest::newRow("stats, MLT missing")
            << stats + QStringList{"--mlt", "NADA"} << 1 << "Arquivo NADA inexistente.\n"
            << "OUT" << QByteArray();
        QTest::newRow("stats over its MLT")
            << QStringList{"vazoes", "stats",  "IN",    "MLT", "--stations",
                           "320",    "--text", "--mlt", "MLT", "--force"}
            << 1 << "Arquivo de saída não pode ser igual ao arquivo de entrada !\n"
            << "MLT" << kMlt;
        const QStringList plot{"vazoes", "plot", "IN", "2", "--stations", "320", "--text"};
        for (const char* name : {"G.png", "G.svg", "G.pdf"})
            QTest::newRow(name) << plot + QStringList{"--mlt", "MLT", "--mlt-text", name} << 0
                                << "Arquivo de gráficos do posto 2 \"" + QString(name) +
                                       "\" gerado com sucesso !\n"
                                << name
                                << QByteArray(name[2] == 'p' && name[3] == 'n' ? "\x89PNG"
                                              : name[2] == 's'                 ? "<?xml"
                                                                               : "%PDF");
        QTest::newRow("plot, a station without data")
            << QStringList{"vazoes", "plot", "IN", "3", "G.png", "--stations", "320", "--text"} << 1
            << "Posto 3 sem vazões no arquivo \"IN\".\n"
            << "G.png" << QByteArray();
    }
    void seriesCommands() {
        // No display: torvane() removes DISPLAY and QT_QPA_PLATFORM.
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QFETCH(QString, output);
        QFETCH(QByteArray, outputStart);
        QVERIFY(writeBytes(path("IN"), kVazoes));
        QVERIFY(writeBytes(path("MLT"), kMlt));
        const Run r = torvane(args, dir.path());
        QCOMPARE(r.err, err);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(QFile::exists(path(output)), !outputStart.isNull());
        if (outputStart.isNull())
            return;
        QVERIFY(readBytes(path(output)).startsWith(outputStart));
        if (output.endsWith(".pdf")) {
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {path(output), QStringLiteral("-")});
            QVERIFY(text.waitForFinished(60000));
            const QString words = QString::fromUtf8(text.readAllStandardOutput());
            for (const char* expected : {"Posto 2: vazões mensais de 1931 a 1931",
                                         "sazonal de 1931", "Vazão (m³/s)", "MLT"})
                QVERIFY2(words.contains(QString::fromUtf8(expected)), expected);
        }
    }

    void folderNames_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("found"); // kind=name, or the ambiguous names
        QTest::newRow("bare") << QStringList{"POSTOS"} << "0=POSTOS";
        QTest::newRow("lower .dat") << QStringList{"postos.dat"} << "0=postos.dat";
        QTest::newRow("mixed .TXT") << QStringList{"Vazoes.TXT"} << "1=Vazoes.TXT";
        QTest::newRow("three among others")
            << QStringList{"HIDR.DAT", "MLT", "POSTOS.txt", "vazoes.DaT"}
            << "0=POSTOS.txt 1=vazoes.DaT 2=MLT";
        QTest::newRow("ambiguous")
            << QStringList{"MLT", "VAZOES.DAT", "vazoes.txt"} << "VAZOES.DAT vazoes.txt";
        QTest::newRow("none") << QStringList{"VAZOES.BAK", "POSTOS.DAT.1", "xMLT", "MLT."} << "";
    }
    void folderNames() {
        QFETCH(QStringList, names);
        const FolderMatch match = matchFolderFiles(names);
        QStringList got = match.ambiguous;
        for (const FolderFile& f : match.files)
            if (match.ambiguous.isEmpty())
                got << QStringLiteral("%1=%2").arg(int(f.kind)).arg(f.name);
        QTEST(got.join(' '), "found");
    }

    void folderBothWaysAndBack_data() {
        QTest::addColumn<int>("stations");
        QTest::newRow("320") << 320;
        QTest::newRow("600") << 600;
    }
    void folderBothWaysAndBack() {
        QFETCH(int, stations);
        const QString n = QString::number(stations);
        const Files binaries{{"POSTOS.DAT", binary(stations, true)},
                             {"vazoes.dat", binary(3 * 12 * stations)},
                             {"Mlt", binary(12 * stations)}};
        makeFolder("bin", binaries);
        makeFolder("txt", {});
        makeFolder("back", {});
        Run r = torvane({"all", "to-text", "bin", "txt", "--stations", n}, dir.path());
        QCOMPARE(r.out,
                 QStringLiteral("Arquivo TEXTO de postos \"txt/POSTOS.DAT\" gerado de "
                                "\"bin/POSTOS.DAT\".\nArquivo TEXTO de vazões "
                                "\"txt/vazoes.dat\" gerado de \"bin/vazoes.dat\".\n"
                                "Arquivo TEXTO de MLT \"txt/Mlt\" gerado de \"bin/Mlt\".\n"));
        const Files texts = contents(path("txt"));
        r = torvane({"all", "to-bin", "txt", "back", "--stations", n, "--lang", "en"}, dir.path());
        QCOMPARE(r.out.section('\n', 0, 0), QStringLiteral("Binary POSTOS file "
                                                           "\"back/POSTOS.DAT\" written from "
                                                           "\"txt/POSTOS.DAT\"."));
        QCOMPARE(contents(path("back")), binaries);
        // Back again over the texts: --force replaces them.
        r = torvane({"all", "to-text", "back", "txt", "--stations", n, "--force"}, dir.path());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(contents(path("txt")), texts);
    }

    void folderRefusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("vazoes"); // the input folder's VAZOES
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        const QStringList all{"all", "to-bin", "in", "out", "--stations", "320"};
        QTest::newRow("bad VAZOES, --force")
            << all + QStringList{"--force"} << QByteArray("  2 19x1\r\n") << 1
            << "Erro no arquivo texto \"in/VAZOES\", linha 1. Campo ano inválido.\n";
        QTest::newRow("existing output")
            << all << kVazoes << 1 << "Arquivo out/MLT já existe; use --force para substituí-lo.\n";
        QTest::newRow("output folder missing")
            << QStringList{"all", "to-bin", "in", "none", "--stations", "320"} << kVazoes << 1
            << "Pasta de saída \"none\" não existe ou não é uma pasta.\n";
        QTest::newRow("output folder is the input")
            << QStringList{"all", "to-bin", "in", "./in/", "--stations", "320", "--force"}
            << kVazoes << 1
            << "A pasta de saída é a pasta de entrada: cada arquivo gerado substituiria o seu "
               "original.\n";
        QTest::newRow("none found")
            << QStringList{"all", "to-bin", "other", "out", "--stations", "320"} << kVazoes << 2
            << "Nenhum arquivo POSTOS, VAZOES ou MLT (sem extensão, .DAT ou .TXT) em \"other\".\n";
        QTest::newRow("ambiguous, en")
            << all + QStringList{"--lang", "en"} << QByteArray() << 2
            << "More than one VAZOES file in \"in\": VAZOES, vazoes.txt. Keep only one.\n";
        QTest::newRow("--lang elsewhere")
            << QStringList{"mlt", "to-bin", "in/MLT", "out/X", "--stations", "320", "--lang", "en"}
            << kVazoes << 2
            << "torvane: --lang só se aplica a all e a --help.\n"
               "Use \"torvane --help\" para ver os comandos.\n";
    }
    void folderRefusals() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, vazoes);
        Files in{{"POSTOS.DAT", kPostos}, {"MLT", kMlt}, {"VAZOES", vazoes}};
        if (vazoes.isEmpty())
            in.insert("vazoes.txt", kVazoes);
        makeFolder("in", in);
        // An output's name, and another.
        const Files before{{"MLT", "old MLT"}, {"notas", "keep"}};
        makeFolder("out", before);
        makeFolder("other", {{"VAZOES.BAK", kVazoes}});
        const Run r = torvane(args, dir.path());
        QTEST(r.err, "err");
        QTEST(r.exitCode, "exitCode");
        QCOMPARE(r.out, QString());
        QCOMPARE(contents(path("out")), before);
    }

    void folderWriteFailureSaysWhatWasWritten() {
        // The second of three commits fails as a full disk would: the first stays written.
        makeFolder("in", {{"POSTOS", kPostos}, {"VAZOES", kVazoes}, {"MLT", kMlt}});
        makeFolder("out", {{"VAZOES", "old"}});
        int commits = 0;
        setCommitFaultForTesting([&commits](const QString&) {
            return ++commits == 2 ? QStringLiteral("No space left on device") : QString();
        });
        ScriptedDialogs d;
        const FolderResult result = convertFolder(
            d, {path("in"), path("out"), Direction::TextToBin, 320, true, Language::Portuguese});
        setCommitFaultForTesting({});
        QCOMPARE(result.outcome, FolderOutcome::Failed);
        QCOMPARE(d.boxes(),
                 (QStringList{QStringLiteral("error: Cannot write file \"%1\". No space left on "
                                             "device")
                                  .arg(path("out/VAZOES")),
                              QStringLiteral("error: Gravados antes da falha: %1. Não gravados "
                                             "(ficam como estavam): %2, %3.")
                                  .arg(path("out/POSTOS"), path("out/VAZOES"), path("out/MLT"))}));
        QCOMPARE(contents(path("out")).keys(), (QStringList{"POSTOS", "VAZOES"}));
        QCOMPARE(readBytes(path("out/VAZOES")), QByteArray("old"));
    }

    void usageErrors() {
        QFETCH(QStringList, args);
        QFETCH(QString, mentions);
        QVERIFY(writeBytes(path("IN"), kPostos));
        const Run r = torvane(args, dir.path());
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(mentions), qPrintable(r.err));
        QVERIFY(!QFile::exists(path("OUT")));
    }
};

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"

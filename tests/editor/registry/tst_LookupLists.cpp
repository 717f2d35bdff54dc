// config.ini: sections and keys, the 20-character cut, encodings, the missing-file warning,
// the built-in lists, and where the file is looked for.

#include "registry/LookupLists.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray windows1252(const char* utf8) {
    QByteArray out;
    for (QChar c : QString::fromUtf8(utf8))
        out.append(char(c.unicode() <= 0xFF ? c.unicode() : '?'));
    return out;
}

} // namespace

class TestLookupLists : public QObject {
    Q_OBJECT
private slots:
    void values_data();
    void values();
    void fileFillsOnlyWhatItHolds();
    void missingFile();
    void defaults();
    void entryOutOfRange_data();
    void entryOutOfRange();
    void leftCharacters_data();
    void leftCharacters();
    void searchOrder_data();
    void searchOrder();
    void installedProgramReadsUserConfig();
};

void TestLookupLists::values_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << QByteArray("[SISTEMAS]\r\n1=Sudeste\r\n") << "SISTEMAS" << 1
                           << "Sudeste";
    QTest::newRow("cut to 20 characters")
        << QByteArray("[SISTEMAS]\n1=Sudeste/Centro-Oeste Brasil\n") << "SISTEMAS" << 1
        << "Sudeste/Centro-Oeste";
    QTest::newRow("exactly 20 kept") << QByteArray("[EMPRESAS]\n300=12345678901234567890\n")
                                     << "EMPRESAS" << 300 << "12345678901234567890";
    QTest::newRow("cut counts characters, UTF-8")
        << QByteArray("[EMPRESAS]\n7=ÁÉÍÓÚÃÕÇáéíóúãõçÂÊÔâêô\n") << "EMPRESAS" << 7
        << QString::fromUtf8("ÁÉÍÓÚÃÕÇáéíóúãõçÂÊÔâ");
    QTest::newRow("cut counts characters, Windows-1252")
        << windows1252("[EMPRESAS]\n7=ÁÉÍÓÚÃÕÇáéíóúãõçÂÊÔâêô\n") << "EMPRESAS" << 7
        << QString::fromUtf8("ÁÉÍÓÚÃÕÇáéíóúãõçÂÊÔâ");
    QTest::newRow("cut keeps a character outside the BMP whole")
        << QByteArray("[EMPRESAS]\n7=1234567890123456789\xF0\x9F\x8C\x8A tail\n") << "EMPRESAS" << 7
        << QString::fromUtf8("1234567890123456789\xF0\x9F\x8C\x8A");
    QTest::newRow("UTF-8") << QByteArray("[TURBINAS]\n0=NÃO HÁ\n") << "TURBINAS" << 0
                           << QString::fromUtf8("NÃO HÁ");
    QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xEF\xBB\xBF[TURBINAS]\n0=NÃO HÁ\n")
                                                << "TURBINAS" << 0 << QString::fromUtf8("NÃO HÁ");
    QTest::newRow("Windows-1252") << windows1252("[TURBINAS]\r\n0=NÃO HÁ\r\n") << "TURBINAS" << 0
                                  << QString::fromUtf8("NÃO HÁ");
    QTest::newRow("Windows-1252 byte 0x80 is the euro sign")
        << QByteArray("[EMPRESAS]\n5=Cia \x80 \xC9nergia\n") << "EMPRESAS" << 5
        << QString::fromUtf8("Cia € Énergia");
    QTest::newRow("UTF-16 with byte-order mark")
        << QByteArray("\xFF\xFE[\0T\0U\0R\0B\0I\0N\0A\0S\0]\0\n\0"
                      "0\0=\0N\0\xC3\0O\0 \0H\0\xC1\0\n\0",
                      2 + 2 * 20)
        << "TURBINAS" << 0 << QString::fromUtf8("NÃO HÁ");
    QTest::newRow("blanks around key and value")
        << QByteArray("[SISTEMAS]\n  2  =   Sul  \t\n") << "SISTEMAS" << 2 << "Sul";
    QTest::newRow("blanks inside kept")
        << QByteArray("[EMPRESAS]\n51=Externas  SE\n") << "EMPRESAS" << 51 << "Externas  SE";
    QTest::newRow("comma, semicolon and backslash are text")
        << QByteArray("[EMPRESAS]\n1=Externas, SE\n2=A;B\n3=C\\D\n") << "EMPRESAS" << 2 << "A;B";
    QTest::newRow("comma kept") << QByteArray("[EMPRESAS]\n1=Externas, SE\n") << "EMPRESAS" << 1
                                << "Externas, SE";
    QTest::newRow("backslash kept")
        << QByteArray("[EMPRESAS]\n3=C\\D\n") << "EMPRESAS" << 3 << "C\\D";
    QTest::newRow("section and key case")
        << QByteArray("[Sistemas]\n3=Nordeste\n") << "SISTEMAS" << 3 << "Nordeste";
    QTest::newRow("blanks in the section line")
        << QByteArray("  [ SISTEMAS ]  \n3=Nordeste\n") << "SISTEMAS" << 3 << "Nordeste";
    QTest::newRow("comment lines") << QByteArray("[SISTEMAS]\n;1=Comentado\n# 1=Outro\n1=Sudeste\n")
                                   << "SISTEMAS" << 1 << "Sudeste";
    QTest::newRow("quoted value") << QByteArray("[SISTEMAS]\n4=\" Norte \"\n") << "SISTEMAS" << 4
                                  << " Norte ";
    QTest::newRow("first of repeated keys")
        << QByteArray("[SISTEMAS]\n1=Primeiro\n1=Segundo\n") << "SISTEMAS" << 1 << "Primeiro";
    QTest::newRow("key of another section")
        << QByteArray("[EMPRESAS]\n1=Sudeste\n[SISTEMAS]\n2=Sul\n") << "SISTEMAS" << 1 << "";
    QTest::newRow("missing key") << QByteArray("[SISTEMAS]\n1=Sudeste\n") << "SISTEMAS" << 2 << "";
    QTest::newRow("missing section")
        << QByteArray("[SISTEMAS]\n1=Sudeste\n") << "TURBINAS" << 1 << "";
    QTest::newRow("key before any section")
        << QByteArray("1=Solto\n[SISTEMAS]\n") << "SISTEMAS" << 1 << "";
    QTest::newRow("empty value") << QByteArray("[SISTEMAS]\n1=\n") << "SISTEMAS" << 1 << "";
    QTest::newRow("leading zero is another key")
        << QByteArray("[SISTEMAS]\n01=Sudeste\n") << "SISTEMAS" << 1 << "";
}

// Through the file, as the window reads it.
void TestLookupLists::values() {
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(int, entry);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(file);
    f.close();

    LookupLists lists;
    lists.setDefaults();
    const ConfigResult result = readLookupLists(path, lists);
    QVERIFY(result.found);
    QVERIFY(result.warning.isEmpty());
    const QStringList& list = section == QLatin1String("TURBINAS")   ? lists.TurbineNames
                              : section == QLatin1String("SISTEMAS") ? lists.SystemNames
                                                                     : lists.CompanyNames;
    QCOMPARE(list.at(entry), expected);
}

// A file that exists replaces every entry, defaults included, with what it holds.
void TestLookupLists::fileFillsOnlyWhatItHolds() {
    LookupLists lists;
    lists.setDefaults();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[EMPRESAS]\n300=Ultima\n301=Fora\n-1=Fora\n");
    f.close();
    QVERIFY(readLookupLists(path, lists).found);
    QCOMPARE(lists.TurbineNames, QStringList(4));
    QCOMPARE(lists.SystemNames, QStringList(5));
    QCOMPARE(lists.CompanyNames.size(), 301);
    QCOMPARE(lists.CompanyNames.at(300), QStringLiteral("Ultima"));
    QCOMPARE(lists.CompanyNames.count(QString()), 300);
}

void TestLookupLists::missingFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    LookupLists lists;
    const ConfigResult result = readLookupLists(path, lists);
    QVERIFY(!result.found);
    QCOMPARE(result.warning,
             QStringLiteral("O Arquivo ") + path +
                 QStringLiteral(" não foi encontrado. As definições de Turbinas, Sistemas e "
                                "Empresas podem não estar atualizadas."));
    LookupLists defaults;
    defaults.setDefaults();
    QCOMPARE(lists.CompanyNames, defaults.CompanyNames);
    QCOMPARE(lists.TurbineNames, defaults.TurbineNames);

    // A folder of that name is not the file either.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("config.ini")));
    QVERIFY(!readLookupLists(path, lists).found);
}

// The built-in lists, and the bundled config.ini holds the same names.
void TestLookupLists::defaults() {
    LookupLists lists;
    lists.setDefaults();
    QCOMPARE(lists.TurbineNames,
             (QStringList{QString::fromUtf8("NÃO HÁ"), "Francis", "Kaplan/Propeller", "Pelton"}));
    QCOMPARE(lists.SystemNames, (QStringList{"", "Sudeste", "Sul", "Nordeste", "Norte"}));
    QStringList offered;
    for (int k = 1; k <= 300; ++k)
        if (!lists.CompanyNames.at(k).trimmed().isEmpty())
            offered << QString::number(k) + QStringLiteral(" - ") + lists.CompanyNames.at(k);
    QCOMPARE(offered.size(), 20);
    QCOMPARE(offered.first(), QStringLiteral("11 - Escelsa"));
    QCOMPARE(offered.last(), QStringLiteral("54 - Externas Norte"));
    QCOMPARE(lists.CompanyNames.at(0), QString());
    QCOMPARE(lists.CompanyNames.size(), 301);

    LookupLists bundled;
    QVERIFY(readLookupLists(QStringLiteral(QUILLMARK_SAMPLES_DIR "/config.ini"), bundled).found);
    QCOMPARE(bundled.TurbineNames, lists.TurbineNames);
    QCOMPARE(bundled.SystemNames, lists.SystemNames);
    QCOMPARE(bundled.CompanyNames, lists.CompanyNames);
}

void TestLookupLists::entryOutOfRange_data() {
    QTest::addColumn<qint64>("code");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0") << qint64(0) << QString::fromUtf8("NÃO HÁ");
    QTest::newRow("3") << qint64(3) << "Pelton";
    QTest::newRow("4") << qint64(4) << "";
    QTest::newRow("-1") << qint64(-1) << "";
    QTest::newRow("blank record") << qint64(538976288) << "";
    QTest::newRow("int32 min") << qint64(INT32_MIN) << "";
}

void TestLookupLists::entryOutOfRange() {
    QFETCH(qint64, code);
    QFETCH(QString, expected);
    LookupLists lists;
    lists.setDefaults();
    QCOMPARE(LookupLists::entry(lists.TurbineNames, code), expected);
}

void TestLookupLists::leftCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    QTest::newRow("shorter") << "abc" << 20 << "abc";
    QTest::newRow("cut") << "abcdef" << 3 << "abc";
    QTest::newRow("pair at the cut") << QString::fromUtf8("ab\xF0\x9F\x8C\x8A"
                                                          "cd")
                                     << 3 << QString::fromUtf8("ab\xF0\x9F\x8C\x8A");
    QTest::newRow("empty") << "" << 5 << "";
}

void TestLookupLists::leftCharacters() {
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(QString, expected);
    QCOMPARE(::leftCharacters(text, count), expected);
}

// Each place config.ini may be in, under one temporary root: beside the executable, in
// $XDG_CONFIG_HOME, in ~/.config, in the system's configuration, the installed sample.
void TestLookupLists::searchOrder_data() {
    QTest::addColumn<QStringList>("present"); // a trailing "/" makes a folder of that name
    QTest::addColumn<QString>("xdgConfigHome");
    QTest::addColumn<QString>("expected");
    const QString program = "program/config.ini", xdg = "xdg/velarin/config.ini",
                  home = "home/.config/velarin/config.ini", etc = "etc/velarin/config.ini",
                  share = "share/config.ini";

    QTest::newRow("none: the place beside the executable, for the warning")
        << QStringList{} << "xdg" << program;
    QTest::newRow("beside the executable before all")
        << QStringList{program, xdg, etc, share} << "xdg" << program;
    QTest::newRow("the user's before the system's") << QStringList{xdg, etc, share} << "xdg" << xdg;
    QTest::newRow("XDG_CONFIG_HOME unset: ~/.config") << QStringList{home, etc} << "" << home;
    QTest::newRow("XDG_CONFIG_HOME set: ~/.config not read")
        << QStringList{home, etc} << "xdg" << etc;
    QTest::newRow("XDG_CONFIG_HOME relative: ignored for ~/.config")
        << QStringList{home} << "relative" << home;
    QTest::newRow("the system's before the installed sample")
        << QStringList{etc, share} << "xdg" << etc;
    QTest::newRow("the installed sample last") << QStringList{share} << "xdg" << share;
    QTest::newRow("a folder named config.ini is passed over")
        << QStringList{program + "/", xdg + "/", share} << "xdg" << share;
}

void TestLookupLists::searchOrder() {
    QFETCH(QStringList, present);
    QFETCH(QString, xdgConfigHome);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    const QDir root(dir.path());
    for (const QString& name : present) {
        if (name.endsWith(u'/')) {
            QVERIFY(root.mkpath(name));
            continue;
        }
        QVERIFY(root.mkpath(QFileInfo(name).path()));
        QFile f(root.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[SISTEMAS]\n1=" + name.toUtf8() + "\n");
    }
    ConfigRoots roots;
    roots.programDir = root.filePath("program");
    roots.xdgConfigHome = xdgConfigHome == "relative" || xdgConfigHome.isEmpty()
                              ? xdgConfigHome
                              : root.filePath(xdgConfigHome);
    roots.home = root.filePath("home");
    roots.systemConfigDir = root.filePath("etc");
    roots.dataDir = root.filePath("share");

    const QString path = firstConfigIni(configIniCandidates(roots));
    QCOMPARE(path, root.filePath(expected));
    LookupLists lists;
    const ConfigResult result = readLookupLists(path, lists);
    QCOMPARE(result.found, present.contains(expected));
    QCOMPARE(result.warning.isEmpty(), result.found);
    if (result.found)
        QCOMPARE(lists.SystemNames.at(1), ::leftCharacters(expected, 20));
}

// The editor copied away from its build, as installed: with no config.ini beside it, the
// one in the user's configuration is read and nothing is missing.
void TestLookupLists::installedProgramReadsUserConfig() {
    QTemporaryDir dir;
    const QDir root(dir.path());
    QVERIFY(root.mkpath("bin") && root.mkpath("xdg/velarin"));
    const QString program = root.filePath("bin/quillmark");
    QVERIFY(QFile::copy(QStringLiteral(QUILLMARK_EXE), program));
    QFile config(root.filePath("xdg/velarin/config.ini"));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("[TURBINAS]\n0=T0 do usuario\n1=T1 do usuario\n2=T2 do usuario\n"
                 "3=T3 do usuario\n");
    config.close();

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", root.filePath("xdg"));
    env.insert("LANG", "C");
    process.setProcessEnvironment(env);
    const QString csv = root.filePath("out.csv");
    process.start(program, {"--export-csv", QUILLMARK_SAMPLES_DIR "/HIDR.DAT", csv});
    QVERIFY(process.waitForFinished(120000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitCode(), 0);
    QVERIFY2(!err.contains(QString::fromUtf8("não foi encontrado")), qPrintable(err));
    QFile out(csv);
    QVERIFY(out.open(QIODevice::ReadOnly));
    QVERIFY(out.readAll().contains(" do usuario"));
}

QTEST_GUILESS_MAIN(TestLookupLists)
#include "tst_LookupLists.moc"

#include "ReportSamples.h"

#include "registry/PlantCodec.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <cstring>

namespace ReportSamples {

void setText(char* field, std::size_t size, const char* text) {
    std::memset(field, ' ', size);
    std::memcpy(field, text, std::min(size, std::strlen(text)));
}

TUsinaHd namedPlant(const char* name) {
    TUsinaHd p;
    setText(p.Nome.data(), p.Nome.size(), name);
    p.Reg = 'M';
    return p;
}

TUsinaHd knownPlant() {
    TUsinaHd p = namedPlant("Serra Azul");
    p.Posto = 123;
    setText(p.PostoBDH.data(), p.PostoBDH.size(), "BDH-0042");
    p.Sistema = 1;
    p.Empresa = 19;
    p.Jusante = 5;
    p.Desvio = 0;
    p.VolMin = 1234.5f;
    p.VolMax = 5678.25f;
    p.VolVert = 100.75f;
    p.VolDesv = 0.5f;
    p.CotaMin = 300.5f;
    p.CotaMax = 310.75f;
    p.PCV = {301.5f, -0.25f, 0.001f, 2.5e-6f, -3e-9f};
    p.PAC = {10.0f, 0.5f, -0.0625f, 0.0f, 1e-5f};
    p.EvapMen = {12, -123, 1250, 4, 5, 6, 7, 8, 9, 10, 11, -7};
    p.NumConjMaq = 2;
    p.NumMaq = {3, 2, 7, 8, 9};
    p.PotEf = {125.5f, 80.5f, 1.5f, 2.5f, 3.5f};
    p.QHT[0] = {1.0f, 2.0f, 3.0f, 4.0f, 5.0f};
    p.QHG[0] = {-1.0f, -2.0f, -3.0f, -4.0f, -5.0f};
    p.PH[0] = {0.5f, 0.25f, 0.125f, 0.0625f, 0.03125f};
    p.QHT[1] = {11.0f, 12.0f, 13.0f, 14.0f, 15.0f};
    p.PH[4] = {51.0f, 52.0f, 53.0f, 54.0f, 55.0f};
    p.HEf = {95.75f, 60.5f, 1.25f, 2.25f, 3.75f};
    p.QEf = {210, 150, 71, 72, 73};
    p.ProdEsp = 0.0087f;
    p.ValorPerdas = 1.5f;
    p.NumPolsJus = 1;
    p.PolJus[0] = {310.5f, 0.125f, -0.5f, 0.0f, 1e-7f};
    p.PolJus[4] = {5.0f, 4.0f, 3.0f, 2.0f, 1.0f};
    p.PolJus[5] = {6.0f, 6.0f, 6.0f, 6.0f, 6.0f};
    p.PolJusRef = {305.25f, 0.0f, 0.0f, 0.0f, 45.5f, 66.0f};
    p.CanalFugaMed = 204.5f;
    p.InflVert = 7;
    p.FatCargaMax = 100.0f;
    p.FatCargaMin = 40.5f;
    p.VazMinHist = 55;
    p.NumUnidBase = 1;
    p.TipoTurbina = 1;
    p.RepConj = 1;
    p.TEIF = 2.5f;
    p.IP = 1.25f;
    p.TipoPerdas = 2;
    setText(p.Data.data(), p.Data.size(), "01/02/26");
    setText(p.Obs.data(), p.Obs.size(), "Usina de teste, ficticia");
    p.VolRef = 500.5f;
    p.Reg = 'S';
    return p;
}

QByteArray registry(const QMap<int, TUsinaHd>& plants, int records) {
    int count = records;
    for (auto it = plants.cbegin(); it != plants.cend(); ++it)
        count = std::max(count, it.key());
    QByteArray bytes(qsizetype(count) * RecordSize, '\0');
    for (auto it = plants.cbegin(); it != plants.cend(); ++it)
        encodePlant(it.value(), bytes.data() + qsizetype(it.key() - 1) * RecordSize);
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return process.readAllStandardOutput();
}

QString pdfText(const QString& pdf) {
    return QString::fromUtf8(runTool(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
}

int pdfPages(const QString& pdf) {
    const QString info = QString::fromUtf8(runTool(QStringLiteral("pdfinfo"), {pdf}));
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

Run quillmark(const QStringList& args, const QString& lang, const QString& display,
              const QString& platform) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL",
                             "LC_NUMERIC", "LC_TIME", "XDG_RUNTIME_DIR"})
        env.remove(QString::fromLatin1(name));
    env.insert("LANG", lang);
    if (!display.isEmpty())
        env.insert("DISPLAY", display);
    if (!platform.isEmpty())
        env.insert("QT_QPA_PLATFORM", platform);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QUILLMARK_EXE), args);
    Run run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace ReportSamples

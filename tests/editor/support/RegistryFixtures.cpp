#include "RegistryFixtures.h"

#include "registry/AnsiText.h"
#include "registry/PlantCodec.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstring>

namespace RegistryFixtures {

template <std::size_t N> static void setChars(std::array<char, N>& field, const QString& text) {
    field.fill(' ');
    const QByteArray bytes = AnsiText::encode(text);
    std::memcpy(field.data(), bytes.constData(), std::min<std::size_t>(N, bytes.size()));
}

TUsinaHd plantNamed(const QString& name) {
    TUsinaHd p;
    setChars(p.Nome, name);
    return p;
}

TUsinaHd fullPlant(const QString& name) {
    TUsinaHd p = plantNamed(name);
    p.Posto = 156;
    setChars(p.PostoBDH, QStringLiteral("6135000"));
    p.Sistema = 1;
    p.Empresa = 19;
    p.Jusante = 6;
    p.Desvio = 0;
    p.VolMin = 1974.5f;
    p.VolMax = 22950.0f;
    p.VolVert = 22950.0f;
    p.VolDesv = 0.0f;
    p.CotaMin = 750.0f;
    p.CotaMax = 768.0f;
    p.PCV = {7.3676e2f, 3.5192e-3f, -1.4712e-7f, 3.4120e-12f, -3.1256e-17f};
    p.PAC = {-2.2125e5f, 5.4311e2f, -0.4437f, 1.1987e-4f, 0.0f};
    p.EvapMen = {87, 84, 79, 70, 57, 46, 47, 62, 84, 97, 95, 91};
    p.NumConjMaq = 3;
    p.NumMaq = {4, 2, 1, 0, 0};
    p.PotEf = {175.0f, 120.5f, 42.0f, 0, 0};
    for (int s = 0; s < 3; ++s)
        for (int k = 0; k < 5; ++k) {
            p.QHT[s][k] = float((s + 1) * (k + 1)) * 1.25f;
            p.QHG[s][k] = -float(k + 1) / float(s + 2);
            p.PH[s][k] = float(k) * 1.0e-3f + float(s);
        }
    p.HEf = {84.5f, 80.0f, 61.25f, 0, 0};
    p.QEf = {230, 170, 78, 0, 0};
    p.ProdEsp = 0.0087f;
    p.ValorPerdas = 1.5f;
    p.NumPolsJus = 4;
    for (int q = 0; q < 4; ++q) {
        p.PolJus[q] = {665.12f + float(q), 2.1e-3f * float(q + 1), -1.3e-7f, 4.2e-12f, 0.0f};
        p.PolJusRef[q] = 668.0f + float(q) * 0.5f;
    }
    p.CanalFugaMed = 667.45f;
    p.InflVert = 1;
    p.FatCargaMax = 100.0f;
    p.FatCargaMin = 35.5f;
    p.VazMinHist = 187;
    p.NumUnidBase = 4;
    p.TipoTurbina = 1;
    p.RepConj = 1;
    p.TEIF = 2.345f;
    p.IP = 6.789f;
    p.TipoPerdas = 2;
    setChars(p.Data, QStringLiteral("03/11/26"));
    setChars(p.Obs, QStringLiteral("Dados revisados após a cheia de março"));
    p.VolRef = 22950.0f;
    p.Reg = 'M';
    return p;
}

TUsinaHd validPlant(const QString& name, std::int32_t jusante) {
    TUsinaHd p = fullPlant(name);
    p.PH[0][0] = 1.0f;
    p.Jusante = jusante;
    // Curves that agree with the levels: a straight level x volume from CotaMin at VolMin to
    // CotaMax at VolMax, and a positive, growing area, so the check has no warning to give.
    const double slope = (768.0 - 750.0) / (22950.0 - 1974.5);
    p.PCV = {float(750.0 - slope * 1974.5), float(slope), 0.0f, 0.0f, 0.0f};
    p.PAC = {-700.0f, 1.0f, 0.0f, 0.0f, 0.0f};
    return p;
}

// Level = 300 + V/8 - V²/8192 over [100, 500] (rising: its slope is 0 at 512); area = h - 300;
// two sets giving Qt = 3x100 + 2x50 = 400 m3/s and 3x40 + 2x20.5 = 161 MW; losses 1.5 m.
// The third set and the third polynomial lie past the counts and must not count.
TUsinaHd curvesPlant() {
    TUsinaHd p = plantNamed(QStringLiteral("EXATA"));
    p.VolMin = 100;
    p.VolMax = 500;
    p.VolRef = 400;
    p.VolVert = 500;
    p.CotaMin = 311.25f;
    p.CotaMax = 332;
    p.PCV = {300, 0.125f, -1.0f / 8192, 0, 0};
    p.PAC = {-300, 1, 0, 0, 0};
    p.NumConjMaq = 2;
    p.NumMaq = {3, 2, 9, 0, 0};
    p.QEf = {100, 50, 999, 0, 0};
    p.PotEf = {40, 20.5f, 999, 0, 0};
    p.CanalFugaMed = 280;
    p.TipoPerdas = 2;
    p.ValorPerdas = 1.5f;
    p.ProdEsp = 1.0f / 128;
    for (int m = 0; m < 12; ++m)
        p.EvapMen[m] = 10 * (m + 1);
    p.NumPolsJus = 2;
    p.PolJus[0] = {270, 1.0f / 128, 0, 0, 0};
    p.PolJus[1] = {271, 1.0f / 256, 0, 0, 0};
    p.PolJus[2] = {999, -1, 0, 0, 0};
    p.PolJusRef = {272, 273, 0, 0, 0, 0};
    return p;
}

QByteArray registryBytes(int records, const QList<std::pair<int, TUsinaHd>>& plants) {
    QByteArray bytes(qsizetype(records) * RecordSize, ' ');
    for (const auto& [code, plant] : plants)
        if (code >= 1 && code <= records)
            encodePlant(plant, bytes.data() + qsizetype(code - 1) * RecordSize);
    return bytes;
}

QString writeFile(const QString& dir, const QString& fileName, const QByteArray& bytes) {
    const QString path = QDir(dir).filePath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    if (file.write(bytes) != bytes.size())
        return {};
    return path;
}

} // namespace RegistryFixtures

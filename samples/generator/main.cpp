// Writes the bundled sample registry: 320 records with a score of fictional plants.
//
//   hidr_generator <file>            writes the registry to <file>
//   hidr_generator --check <file>    exit status 0 when <file> holds exactly what it would write
//
// Every value is computed here from a few figures per plant, so the file can always be
// rebuilt byte for byte.

#include "registry/AnsiText.h"
#include "registry/PlantCodec.h"
#include "registry/TUsinaHd.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int RecordCount = 320;
constexpr int VacatedCode = 100; // a slot freed by a delete: 792 blanks

struct Machines {
    int count;    // machines in the set
    double power; // MW per machine
    double head;  // effective head, m
};

struct Sample {
    int code;
    const char* name; // UTF-8 here, Windows-1252 in the file
    char reg;
    int system;
    int company;
    int downstream;
    int deviation;
    double volMin, volMax;     // hm3
    double levelMin, levelMax; // m
    double tailrace;           // medium tailrace level, m
    int turbine;
    int repConj;
    int lossType;
    double lossValue;
    int tailracePolys;
    int minInflow; // m3/s
    const char* date;
    const char* obs;
    Machines sets[5];
};

// The plants. 1 -> 6 -> 14 -> 27 -> 45 is one river; 52 sends part of its flow to 53 and
// runs into 58, whose name starts with a blank.
// clang-format off
const Sample Samples[] = {
    {1, "PEDRA LUZIDA", 'M', 1, 19, 6, 0, 4250, 22950, 742.5, 768.0, 671.3, 1, 1, 1, 1.2, 2, 310,
     "14/03/03", "Reservatório de cabeceira; dados de 2003.",
     {{6, 216.0, 90.2}}},
    {6, "SALTO-BREVE", 'S', 1, 19, 14, 0, 1120, 2870, 668.0, 671.3, 631.0, 1, 0, 2, 0.9, 3, 420,
     "02/07/04", "Casa de força ao pé da barragem.",
     {{4, 112.5, 37.1}, {2, 80.0, 36.4}}},
    {14, "CORÁ VELHO", 'D', 1, 16, 27, 0, 600, 600, 631.0, 631.0, 612.4, 2, 2, 1, 1.5, 1, 515,
     "30/09/04", "Fio d'água; régua nova instalada.",
     {{3, 56.0, 17.8}}},
    {27, "TRÊS GARÇAS", 'M', 1, 16, 45, 0, 3100, 10600, 588.0, 612.4, 530.6, 1, 1, 1, 1.0, 4, 640,
     "11/11/05", "Quatro conjuntos após a repotenciação.",
     {{4, 190.0, 73.5}, {2, 175.0, 72.0}, {1, 160.0, 70.8}, {2, 40.0, 71.6}}},
    {45, "LAJE DOURADA", 'D', 1, 15, 0, 0, 240, 240, 530.6, 530.6, 511.9, 2, 0, 3, 0.03, 1, 700,
     "05/05/06", "Última usina da cascata.",
     {{5, 38.4, 17.9}}},
    {52, "ÉBANO", 'S', 2, 23, 58, 53, 890, 1510, 402.0, 409.5, 318.0, 1, 2, 2, 1.8, 2, 38,
     "21/01/02", "Desvio para Ribeira Seca pelo túnel norte.",
     {{2, 45.0, 82.5}, {1, 22.5, 80.9}}},
    {53, "RIBEIRA SECA", 'D', 2, 23, 0, 0, 12, 12, 318.0, 318.0, 236.7, 1, 1, 2, 2.4, 1, 4,
     "21/01/02", "Recebe o desvio de Ébano.",
     {{3, 18.0, 80.0}}},
    {58, " IPÊ ROXO", 'D', 2, 24, 0, 0, 75, 75, 316.0, 316.0, 301.2, 2, 0, 1, 1.1, 1, 55,
     "17/08/01", "Pequena central sem reservatório útil.",
     {{2, 9.5, 14.2}}},
    {70, "vau da onça", 'S', 3, 33, 0, 0, 210, 480, 255.0, 260.0, 221.0, 2, 0, 1, 1.3, 2, 610,
     "09/12/05", "Cadastro antigo, nome em minúsculas.",
     {{4, 61.0, 36.8}}},
    {101, "URUTAU", 'M', 3, 33, 0, 0, 5400, 34100, 380.5, 392.5, 302.0, 1, 1, 1, 1.1, 5, 820,
     "28/02/06", "Grande reservatório plurianual.",
     {{5, 250.0, 84.3}, {3, 250.0, 83.1}}},
    {115, "TABOCA VERDE", 'D', 3, 33, 0, 0, 1950, 1950, 302.0, 302.0, 252.4, 2, 2, 1, 1.0, 2, 830,
     "28/02/06", "Opera a fio d'água sob Urutau.",
     {{6, 158.0, 47.5}}},
    {130, "MORRO CINZA", 'S', 4, 37, 0, 0, 980, 3300, 91.0, 96.0, 44.5, 2, 1, 2, 0.7, 3, 1450,
     "13/06/07", "Turbinas bulbo no canal lateral.",
     {{8, 73.8, 45.0}}},
    {150, "ONDINA", 'M', 4, 37, 0, 0, 2600, 11800, 172.0, 184.0, 101.0, 1, 0, 1, 1.4, 6, 960,
     "01/10/07", "Seis curvas de jusante medidas em campo.",
     {{4, 190.5, 74.0}, {4, 185.0, 73.2}, {2, 180.0, 72.8}}},
    {171, "BURITI TORTO", 'D', 2, 22, 0, 0, 30, 30, 520.0, 520.0, 376.0, 3, 2, 3, 0.04, 1, 21,
     "19/04/03", "Queda alta, rodas Pelton.",
     {{2, 33.0, 140.5}, {1, 16.0, 139.0}}},
    {199, "QUEBRA-CANTO", 'S', 2, 20, 0, 0, 160, 410, 612.0, 618.0, 560.0, 1, 1, 1, 2.0, 2, 64,
     "07/07/07", "Barragem de enrocamento, vertedouro livre.",
     {{3, 26.0, 55.4}}},
    {210, "SÃO TIBÚRCIO", 'M', 1, 18, 0, 0, 1400, 6200, 816.0, 829.0, 744.5, 1, 0, 1, 1.6, 3, 95,
     "23/03/08", "Afluência regularizada por Pedra Luzida.",
     {{3, 118.0, 78.0}, {2, 118.0, 77.2}, {1, 60.0, 76.5}}},
    {233, "ARIRANHA", 'D', 1, 17, 0, 0, 44, 44, 390.0, 390.0, 372.8, 2, 2, 1, 0.8, 1, 230,
     "15/09/08", "Pequena central no ribeirão.",
     {{4, 8.5, 16.6}}},
    {256, "VÁRZEA CLARA", 'S', 1, 11, 0, 0, 300, 950, 140.0, 146.5, 118.0, 2, 1, 2, 0.6, 2, 180,
     "02/02/09", "Terceira unidade entra em 2010.",
     {{2, 52.0, 25.7}, {1, 52.0, 25.1}}},
    {287, "MUTUCA PRETA", 'M', 4, 54, 0, 0, 700, 5100, 201.0, 214.0, 128.0, 1, 0, 1, 1.2, 4, 310,
     "30/11/09", "Intercâmbio com a região Norte.",
     {{2, 152.0, 80.5}, {2, 150.0, 79.0}, {1, 75.0, 78.4}, {1, 75.0, 78.0}, {2, 20.0, 79.4}}},
    {300, "ÚLTIMA PEDRA", 'S', 3, 53, 0, 0, 520, 1740, 61.0, 66.5, 12.0, 2, 2, 1, 1.1, 3, 1850,
     "12/12/09", "Penúltimo registro ocupado.",
     {{5, 64.0, 50.0}}},
    {320, "FIM DO RIO", 'D', 3, 52, 0, 0, 90, 90, 12.0, 12.0, 3.1, 2, 1, 2, 0.4, 1, 1900,
     "12/12/09", "Ocupa o último código do cadastro.",
     {{10, 9.6, 8.7}}},
};
// clang-format on

// A character field: the text's Windows-1252 bytes, padded with blanks.
template <std::size_t N> void setText(std::array<char, N>& field, const char* utf8) {
    const QByteArray bytes = AnsiText::encode(QString::fromUtf8(utf8));
    if (std::size_t(bytes.size()) > N) {
        std::fprintf(stderr, "text longer than its field (%zu bytes): %s\n", N, utf8);
        std::exit(3);
    }
    field.fill(' ');
    std::memcpy(field.data(), bytes.constData(), std::min<std::size_t>(N, bytes.size()));
}

float f(double v) {
    return static_cast<float>(v);
}

TUsinaHd makePlant(const Sample& s) {
    TUsinaHd p;
    setText(p.Nome, s.name);
    p.Posto = s.code + 100 * s.system;
    setText(p.PostoBDH, QByteArray::number(60000000 + 1009 * s.code).constData());
    p.Sistema = s.system;
    p.Empresa = s.company;
    p.Jusante = s.downstream;
    p.Desvio = s.deviation;
    p.VolMin = f(s.volMin);
    p.VolMax = f(s.volMax);
    p.VolRef = f(s.volMin + 0.85 * (s.volMax - s.volMin));
    p.VolVert = f(s.volMin + 0.97 * (s.volMax - s.volMin));
    p.VolDesv = s.deviation ? f(s.volMin + 0.4 * (s.volMax - s.volMin)) : 0.0f;
    p.CotaMin = f(s.levelMin);
    p.CotaMax = f(s.levelMax);

    // Level from volume: a concave quadratic through both ends of the operating range (a
    // plant without a regulating range gets its constant level).
    const double dv = s.volMax - s.volMin, dh = s.levelMax - s.levelMin;
    if (dv > 0) {
        const double a2 = -0.35 * dh / (s.volMax * s.volMax);
        const double a1 = (dh - a2 * (s.volMax * s.volMax - s.volMin * s.volMin)) / dv;
        const double a0 = s.levelMin - a1 * s.volMin - a2 * s.volMin * s.volMin;
        p.PCV = {f(a0), f(a1), f(a2), 0.0f, 0.0f};
    } else {
        p.PCV = {f(s.levelMax), 0.0f, 0.0f, 0.0f, 0.0f};
    }
    // Area (km2) from level: grows from the river bed up.
    const double bed = s.tailrace;
    const double areaAtTop = 0.02 * std::sqrt(s.volMax) * 10.0;
    const double b1 = areaAtTop / std::max(1.0, s.levelMax - bed);
    p.PAC = {f(-b1 * bed), f(b1), f(0.0012 * b1), f(-1.5e-6 * b1), 0.0f};

    // Net evaporation, mm/month: negative in the wet months.
    static const int evapShape[12] = {-12, -8, -3, 24, 61, 88, 104, 112, 86, 40, 6, -10};
    for (int m = 0; m < 12; ++m)
        p.EvapMen[m] = evapShape[m] + (s.code * 7 + m * 3) % 11 - 5;

    const double prodEsp = 0.0088 + 0.0001 * (s.turbine % 3) + 0.00001 * (s.code % 7);
    p.ProdEsp = f(prodEsp);
    int sets = 0;
    while (sets < 5 && s.sets[sets].count > 0)
        ++sets;
    p.NumConjMaq = sets;
    double installed = 0;
    for (int k = 0; k < sets; ++k) {
        const Machines& m = s.sets[k];
        p.NumMaq[k] = m.count;
        p.PotEf[k] = f(m.power);
        p.HEf[k] = f(m.head);
        const double flow = m.power / (prodEsp * m.head);
        p.QEf[k] = int(std::lround(flow));
        installed += m.count * m.power;
        // Turbined flow, generated flow and power against head, around the rated point.
        p.QHT[k] = {f(0.55 * flow), f(0.9 * flow / m.head), f(-2.4e-3 * flow / m.head), 0.0f, 0.0f};
        p.QHG[k] = {f(0.52 * flow), f(0.85 * flow / m.head), f(-2.1e-3 * flow / m.head), 0.0f,
                    0.0f};
        p.PH[k] = {f(0.02 * m.power), f(m.power / m.head), f(1.6e-4 * m.power / m.head), f(-7.5e-7), 0.0f};
    }

    p.ValorPerdas = f(s.lossValue);
    p.TipoPerdas = s.lossType;
    p.NumPolsJus = s.tailracePolys;
    for (int q = 0; q < s.tailracePolys; ++q) {
        // Tailrace level from outflow, one curve per downstream reference level.
        p.PolJus[q] = {f(s.tailrace - 1.5 + 0.8 * q), f(2.1e-3 / (1 + q)), f(-1.8e-7), f(9.5e-12),
                       f(-2.0e-16)};
        p.PolJusRef[q] = f(s.tailrace + 1.25 * q);
    }
    p.CanalFugaMed = f(s.tailrace);
    p.InflVert = (s.reg == 'D') ? 1 : 0;
    p.FatCargaMax = 100.0f;
    p.FatCargaMin = f(sets > 1 ? 35.0 : 50.0);
    p.VazMinHist = s.minInflow;
    p.NumUnidBase = installed > 1000 ? 2 : (installed > 300 ? 1 : 0);
    p.TipoTurbina = s.turbine;
    p.RepConj = s.repConj;
    p.TEIF = f(1.5 + 0.125 * (s.code % 9));
    p.IP = f(3.0 + 0.25 * (s.code % 5));
    setText(p.Data, s.date);
    setText(p.Obs, s.obs);
    p.Reg = s.reg;
    return p;
}

QByteArray sampleRegistry() {
    QByteArray bytes(qsizetype(RecordCount) * RecordSize, '\0');
    std::memset(bytes.data() + qsizetype(VacatedCode - 1) * RecordSize, ' ', RecordSize);
    for (const Sample& s : Samples)
        encodePlant(makePlant(s), bytes.data() + qsizetype(s.code - 1) * RecordSize);
    return bytes;
}

int usage() {
    std::fprintf(stderr, "usage: hidr_generator [--check] <file>\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check)
        return usage();
    const QString path = QString::fromLocal8Bit(argv[argc - 1]);
    const QByteArray bytes = sampleRegistry();
    if (check) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", argv[argc - 1]);
            return 1;
        }
        if (file.readAll() != bytes) {
            std::fprintf(stderr, "%s differs from the generator's output\n", argv[argc - 1]);
            return 1;
        }
        return 0;
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        std::fprintf(stderr, "cannot write %s\n", argv[argc - 1]);
        return 1;
    }
    return 0;
}

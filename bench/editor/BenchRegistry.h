#pragma once
// The registries the editor's benchmarks time: every plant with five machine sets and six
// downstream polynomials (the most numbers a plant can hold) and every field filled, in a
// cascade where each flows into the one before and every seventh into none.

#include "registry/PlantCodec.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdio>
#include <cstring>
#include <functional>

namespace BenchRegistry {

// `adjust` may change plant k (0-based) before it is stored.
inline QByteArray make(int plants, const std::function<void(TUsinaHd&, int)>& adjust = {}) {
    QByteArray bytes(qsizetype(plants) * RecordSize, '\0');
    for (int k = 0; k < plants; ++k) {
        TUsinaHd p;
        char name[24]; // room for any number; the record takes the first twelve
        std::snprintf(name, sizeof name, "USINA %-6d", k + 1);
        std::memcpy(p.Nome.data(), name, 12);
        std::memcpy(p.PostoBDH.data(), "BDH00001", 8);
        p.Posto = k + 1;
        p.Sistema = 1 + k % 4;
        p.Empresa = 11 + k % 40;
        p.Jusante = k % 7 == 0 ? 0 : k;
        p.VolMin = 100.5f + float(k);
        p.VolMax = 5000.25f + float(k);
        p.VolVert = p.VolMax;
        p.VolRef = p.VolMax;
        p.CotaMin = 300.5f;
        p.CotaMax = 320.75f;
        for (int i = 0; i < 5; ++i) {
            p.PCV[i] = 300.0f / float(i + 1) + float(k);
            p.PAC[i] = 0.5f * float(i + 1) + float(k) / 7.0f;
        }
        for (int m = 0; m < 12; ++m)
            p.EvapMen[m] = m * 10 - 40;
        p.NumConjMaq = 5;
        p.NumPolsJus = 6;
        for (int s = 0; s < 5; ++s) {
            p.NumMaq[s] = s + 1;
            p.PotEf[s] = 100.5f * float(s + 1);
            p.QEf[s] = 200 + s;
            p.HEf[s] = 90.25f;
            for (int i = 0; i < 5; ++i) {
                p.QHT[s][i] = 1.5f * float(i + 1) + float(k) / 3.0f;
                p.QHG[s][i] = -2.5f * float(i + 1) - float(k) / 9.0f;
                p.PH[s][i] = 0.125f * float(i + 1) + float(k) / 11.0f;
            }
        }
        for (int q = 0; q < 6; ++q) {
            for (int i = 0; i < 5; ++i)
                p.PolJus[q][i] = 250.0f + float(q + i) + float(k) / 13.0f;
            p.PolJusRef[q] = 255.5f;
        }
        p.ProdEsp = 0.0087f;
        p.ValorPerdas = 1.5f;
        p.CanalFugaMed = 260.0f;
        p.FatCargaMax = 100.0f;
        p.FatCargaMin = 35.5f;
        p.VazMinHist = 187;
        p.NumUnidBase = 4;
        p.TipoTurbina = 1;
        p.RepConj = 1;
        p.TEIF = 2.0f;
        p.IP = 6.0f;
        p.TipoPerdas = 2;
        std::memcpy(p.Data.data(), "01/01/26", 8);
        std::memset(p.Obs.data(), ' ', 43);
        p.Reg = 'M';
        if (adjust)
            adjust(p, k);
        encodePlant(p, bytes.data() + qsizetype(k) * RecordSize);
    }
    return bytes;
}

inline bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace BenchRegistry

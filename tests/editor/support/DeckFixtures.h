#pragma once
// A planning deck made in code: a registry of ten plants in a cascade (1 flows into 2, ..., 10
// into none), the case's configuration of the same plants, a modification of plant 1 (marked
// modified), plant 10 new with its expansion block, their stations named for 1931-2022 in
// POSTOS, 92 years of flows in VAZOES and MLTs equal to their means. Every rule of the deck check
// passes on it; a test changes one thing and writes it.

#include "RegistryFixtures.h"
#include "inflows/Text.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <vector>

constexpr int kPlants = 10;
constexpr int kYears = 92; // 1931-2022

struct DeckModel {
    struct Conf {
        int code, station, downstream;
        QString name;
        QString status = QStringLiteral("EX");
        int modified = 0, from = 1931, to = 2020;
    };
    QList<std::pair<int, TUsinaHd>> registry;
    QList<Conf> confhd;
    QByteArray modif = " P.CHAVE  MODIFICACOES E INDICES\r\n XXXXXXXX XXXXXXXXXXXXXXXXXXXXX\r\n"
                       " USINA      1                               USINA 1\r\n"
                       " VAZMIN         34\r\n";
    QByteArray exph = "COD  NOME        ENCHIMENTO  VOLUME MORTO    DATA    POT.   MQ CJ\r\n"
                      "                  INICIO    DUR.MESES  %    ENTRADA\r\n"
                      "XXXX XXXXXXXXXXXX XX/XXXX      XX     XX.X  XX/XXXX XXXX.X\r\n"
                      "  10 USINA 10     03/2024       3      0.0\r\n"
                      "  10                                        01/2025   25.0   1  1\r\n"
                      "9999\r\n";
    struct Posto {
        QByteArray name;
        int first = 0, last = 0;
    };
    QList<Posto> postos = QList<Posto>(320);
    std::vector<std::int32_t> vazoes = std::vector<std::int32_t>(std::size_t(kYears) * 12 * 320);
    std::vector<std::int32_t> mlt = std::vector<std::int32_t>(12 * 320);

    DeckModel() {
        for (int k = 1; k <= kPlants; ++k) {
            TUsinaHd p = RegistryFixtures::plantNamed(QStringLiteral("USINA %1").arg(k));
            p.Posto = k;
            p.Jusante = k == kPlants ? 0 : k + 1;
            registry.append({k, p});
            confhd.append({k, k, p.Jusante, QStringLiteral("USINA %1").arg(k)});
            postos[k - 1] = {QByteArray("POSTO ") + QByteArray::number(k), 1931, 2022};
            for (int m = 1; m <= 12; ++m) {
                setFlow(k, 1931, m, 100 * k + m); // every year alike: the mean is the value
                mlt[std::size_t(m - 1) * 320 + std::size_t(k - 1)] = 100 * k + m;
            }
        }
        for (int y = 1932; y < 1931 + kYears; ++y)
            for (int k = 1; k <= kPlants; ++k)
                for (int m = 1; m <= 12; ++m)
                    setFlow(k, y, m, flow(k, 1931, m));
        confhd[0].modified = 1;
        confhd[kPlants - 1].status = QStringLiteral("NE");
    }
    // VAZOES: year-major blocks of 12 months x 320 stations.
    std::int32_t& at(int station, int year, int month) {
        return vazoes[(std::size_t(year - 1931) * 12 + std::size_t(month - 1)) * 320 +
                      std::size_t(station - 1)];
    }
    std::int32_t flow(int station, int year, int month) { return at(station, year, month); }
    void setFlow(int station, int year, int month, int v) { at(station, year, month) = v; }
    TUsinaHd& plant(int code) { return registry[code - 1].second; }

    void write(const QString& dir) const {
        using RegistryFixtures::writeFile;
        writeFile(dir, QStringLiteral("HIDR.DAT"), RegistryFixtures::registryBytes(320, registry));
        QByteArray conf =
            " NUM  NOME         POSTO JUS   REE V.INIC U.EXIS MODIF INIC.HIST FIM HIST\r\n"
            " XXXX XXXXXXXXXXXX XXXX  XXXX XXXX XXX.XX XXXX   XXXX     XXXX     XXXX\r\n";
        for (const Conf& c : confhd)
            conf +=
                QString::asprintf(" %4d %-12s %4d  %4d %4d %6.2f   %-2s   %4d     %4d     %4d\r\n",
                                  c.code, c.name.toLatin1().constData(), c.station, c.downstream, 1,
                                  50.0, c.status.toLatin1().constData(), c.modified, c.from, c.to)
                    .toLatin1();
        writeFile(dir, QStringLiteral("CONFHD.DAT"), conf);
        writeFile(dir, QStringLiteral("MODIF.DAT"), modif);
        writeFile(dir, QStringLiteral("EXPH.DAT"), exph);
        std::string bin;
        for (const Posto& p : postos) {
            bin += p.name.leftJustified(12, ' ').toStdString();
            Torvane::appendInt32LE(bin, p.first);
            Torvane::appendInt32LE(bin, p.last);
        }
        writeFile(dir, QStringLiteral("POSTOS.DAT"), QByteArray::fromStdString(bin));
        bin.clear();
        for (const std::int32_t v : vazoes)
            Torvane::appendInt32LE(bin, v);
        writeFile(dir, QStringLiteral("VAZOES.DAT"), QByteArray::fromStdString(bin));
        bin.clear();
        for (const std::int32_t v : mlt)
            Torvane::appendInt32LE(bin, v);
        writeFile(dir, QStringLiteral("MLT.DAT"), QByteArray::fromStdString(bin));
    }
};

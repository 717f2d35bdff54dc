#!/usr/bin/env python3
"""A full planning deck for timing the deck check: a registry of 320 slots with 165 plants in a
cascade, the case's configuration of the 165, modifications of every fifth plant, ten new plants
with their expansion blocks, 320 named stations, 93 years of flows (1931-2023) and their means.

    bench/make-deck.py DIR
"""
import os
import struct
import sys

PLANTS, SLOTS, FIRST, YEARS = 165, 320, 1931, 93


def record(code):
    name = f"USINA {code}".ljust(12).encode()
    jusante = 0 if code == PLANTS else code + 1
    rec = bytearray(792)
    rec[0:12] = name
    struct.pack_into("<i", rec, 12, code)  # Posto
    rec[16:24] = b" " * 8  # PostoBDH
    struct.pack_into("<iiii", rec, 24, 1, 1, jusante, 0)  # Sistema, Empresa, Jusante, Desvio
    struct.pack_into("<6f", rec, 40, 100.0, 1000.0, 1000.0, 0.0, 300.0, 330.0)
    rec[736:744] = b"01/01/26"
    rec[744:787] = b" " * 43
    return bytes(rec)


def main(folder):
    os.makedirs(folder, exist_ok=True)
    path = lambda name: os.path.join(folder, name)
    with open(path("HIDR.DAT"), "wb") as f:
        for code in range(1, SLOTS + 1):
            f.write(record(code) if code <= PLANTS else b" " * 792)
    new = set(range(PLANTS - 9, PLANTS + 1))
    lines = [" NUM  NOME         POSTO JUS   REE V.INIC U.EXIS MODIF INIC.HIST FIM HIST",
             " XXXX XXXXXXXXXXXX XXXX  XXXX XXXX XXX.XX XXXX   XXXX     XXXX     XXXX"]
    for code in range(1, PLANTS + 1):
        jusante = 0 if code == PLANTS else code + 1
        status = "NE" if code in new else "EX"
        modified = 1 if code % 5 == 0 else 0
        lines.append(f" {code:4d} {f'USINA {code}':<12s} {code:4d}  {jusante:4d} {1:4d} {50.0:6.2f}"
                     f"   {status:<2s}   {modified:4d}     {FIRST:4d}     {FIRST + YEARS - 2:4d}")
    with open(path("CONFHD.DAT"), "w", newline="") as f:
        f.write("\r\n".join(lines) + "\r\n")
    with open(path("MODIF.DAT"), "w", newline="") as f:
        f.write(" P.CHAVE  MODIFICACOES E INDICES\r\n XXXXXXXX XXXXXXXXXXXXXXXXXXXXX\r\n")
        for code in range(5, PLANTS + 1, 5):
            f.write(f" USINA   {code:4d}                               USINA {code}\r\n"
                    " VAZMIN         34\r\n VOLMAX     1000.0 'H'\r\n")
    with open(path("EXPH.DAT"), "w", newline="") as f:
        f.write("COD  NOME        ENCHIMENTO  VOLUME MORTO    DATA    POT.   MQ CJ\r\n"
                "                  INICIO    DUR.MESES  %    ENTRADA\r\n"
                "XXXX XXXXXXXXXXXX XX/XXXX      XX     XX.X  XX/XXXX XXXX.X\r\n")
        for code in sorted(new):
            f.write(f"{code:4d} {f'USINA {code}':<12s} 03/2024       3      0.0\r\n"
                    f"{code:4d}                                        01/2025   25.0   1  1\r\n"
                    "9999\r\n")
    with open(path("POSTOS.DAT"), "wb") as f:
        for s in range(1, SLOTS + 1):
            f.write(f"POSTO {s}".ljust(12).encode() + struct.pack("<ii", FIRST, FIRST + YEARS - 1))
    flows = [[100 * ((s % 50) + 1) + m for s in range(SLOTS)] for m in range(12)]
    with open(path("VAZOES.DAT"), "wb") as f:
        month = b"".join(struct.pack(f"<{SLOTS}i", *flows[m]) for m in range(12))
        f.write(month * YEARS)
    with open(path("MLT.DAT"), "wb") as f:
        f.write(b"".join(struct.pack(f"<{SLOTS}i", *flows[m]) for m in range(12)))


if __name__ == "__main__":
    main(sys.argv[1])

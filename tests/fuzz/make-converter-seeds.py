#!/usr/bin/env python3
"""Writes the seed corpora of the converter's fuzz targets (fictional stations and values).
The first byte of every seed picks the horizon (bit 0) and the target's mode (see each target)."""
import os
import random
import struct

here = os.path.dirname(os.path.abspath(__file__))
rnd = random.Random(8)


def put(target, name, data):
    folder = os.path.join(here, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def i32(*values):
    return b"".join(struct.pack("<i", v) for v in values)


# POSTOS: mode 0 text, 1 shaped text, 2 binary, 3 shaped binary
names = [b"RIO CLARO   ", b"SERRA FUNDA ", b"PONTE VELHA ", b"LAGOA MANSA "]
text = b"".join(b"%4d  %s  %4d  %4d\r\n" % (k, n, 1000 + 37 * k, 20 * k)
                for k, n in zip((1, 2, 5, 9), names))
put("postos", "text-320", b"\x00" + text)
put("postos", "text-600-lf", b"\x01" + text.replace(b"\r\n", b"\n"))
put("postos", "text-out-of-order", b"\x00" + b"   5  LAGOA MANSA   1200    10\r\n   2  SERRA FUNDA   1300    20\r\n")
put("postos", "text-far-station", b"\x01" + b" 700  PONTE VELHA   -450  9999\r\n")
put("postos", "text-bad-number", b"\x00" + b"   1  RIO CLARO     12a4     1\r\n")
put("postos", "text-empty", b"\x00")
put("postos", "shaped-text", b"\x02" + bytes(rnd.randrange(256) for _ in range(300)))
put("postos", "binary-three", b"\x04" + b"".join(n + i32(1000 + k, k) for k, n in enumerate(names[:3])))
put("postos", "binary-short", b"\x04" + names[0] + i32(1234))
put("postos", "shaped-binary", b"\x07" + bytes(rnd.randrange(256) for _ in range(400)))


def vazoes_line(station, year, values):
    return b"%3d %4d" % (station, year) + b"".join(b"%6d" % v for v in values) + b"\r\n"


# VAZOES and MLT: mode 0 text, 1 shaped text, 2 binary, 3 tiled binary, 4 sparse binary
vz = vazoes_line(1, 1931, range(100, 112)) + vazoes_line(3, 1932, [0, 5, 9, 10, 999999] + [7] * 7)
put("vazoes", "text-320", b"\x00" + vz)
put("vazoes", "text-600", b"\x01" + vz.replace(b"\r\n", b"\n"))
put("vazoes", "text-bad-year", b"\x00" + vazoes_line(2, 1930, range(12)))
put("vazoes", "text-negative", b"\x00" + vazoes_line(2, 1940, [1, 2, -5] + [0] * 9))
put("vazoes", "text-station-321", b"\x00" + vazoes_line(321, 1931, range(12)))
put("vazoes", "shaped-text", b"\x02" + bytes(rnd.randrange(256) for _ in range(400)))
put("vazoes", "binary-raw", b"\x04" + i32(1, 2, 3, 4))
put("vazoes", "tiled", b"\x06\x01" + i32(0, 0, 0, 17, 0, 0, 123456, 0))
put("vazoes", "sparse", b"\x08\x02" + bytes(rnd.randrange(256) for _ in range(200)))
put("vazoes", "sparse-wide", b"\x09\x01" + b"\xf1\x05\x00\x01\x03\x00\xca\x9a\x3b")

mlt = b"".join(b"%3d " % s + b"".join(b"%6d" % (s * 10 + m) for m in range(12)) + b"\r\n"
               for s in (1, 2, 320))
put("mlt", "text-320", b"\x00" + mlt)
put("mlt", "text-600", b"\x01" + mlt.replace(b"\r\n", b"\n"))
put("mlt", "text-short-line", b"\x00" + b"  2 " + b"     1" * 11 + b"\r\n")
put("mlt", "text-station-0", b"\x00" + b"  0 " + b"     1" * 12 + b"\r\n")
put("mlt", "shaped-text", b"\x02" + bytes(rnd.randrange(256) for _ in range(300)))
put("mlt", "binary-raw", b"\x04" + i32(5, 6))
put("mlt", "tiled", b"\x06\x01" + i32(0, 42, 0, 999999))
put("mlt", "sparse", b"\x09" + bytes(rnd.randrange(256) for _ in range(200)))

# ENERGIAF: bit 0 decimal comma; mode 0 raw bytes, 1 raw doubles, 2 decimal fractions
values = [1234.5, 0.005, -0.004, 99999999.5, 12345678.9, 1e12, -7.125, 0.0]
put("energiaf", "record-point", b"\x00" + struct.pack("<%dd" % len(values), *values) + bytes(24000 - 8 * len(values)))
put("energiaf", "short-record", b"\x01" + struct.pack("<3d", 1.5, 2.5, 3.5))
put("energiaf", "doubles-comma", b"\x03\x01" + struct.pack("<4d", 1234.5, float("nan"), float("inf"), -2.675))
put("energiaf", "fractions", b"\x04\x00" + bytes(rnd.randrange(256) for _ in range(200)))

# ENERGIA: bit 0 decimal comma
energia = (b"   Dados de Energia Natural Afluente\r\n"
           b"   Subsistema: SE\r\n"
           b"   Subs        NE\r\n"
           b"     1    1234.5   1100.2\r\n"
           b"    -2    1.0\r\n"
           b"   0,5    77\r\n"
           b"   Cen  Sem_01\r\n"
           b"   Subs        S \r\n"
           b"  1e3  9\r\n"
           b"   EARM\r\n"
           b"     3   after the end\r\n")
put("energia", "filter-point", b"\x00" + energia)
put("energia", "filter-comma", b"\x01" + energia.replace(b"\r\n", b"\n"))
put("energia", "no-earm", b"\x00" + b"    12  before any subsystem\r\n   Subs        N\r\n  +4.  x")

#!/usr/bin/env python3
"""Runs two torvane executables on the same random inputs and reports any difference in exit
status, stderr or output bytes.

    bench/compare_converters.py OLD_TORVANE NEW_TORVANE [CASES] [SEED]

Inputs are random VAZOES, MLT and POSTOS texts and binaries: mostly well formed, with faults
mixed in (bad stations and years, signs, blanks, short and long lines, values that do not fit,
sizes that end inside a record). Line ends are CR LF or LF: a lone CR ends a line only in
newer builds.
"""
import os
import random
import subprocess
import sys
import tempfile


# The chance of a fault in a field or line; each case draws none or a few.
FAULT = [0.0]


def faulty(rng):
    return rng.random() < FAULT[0]


def field(rng, width, lo, hi):
    if faulty(rng):
        return rng.choice([" " * width, "x" * width, ("+" + str(rng.randint(0, 9))).rjust(width),
                           ("-" + str(rng.randint(0, 99))).rjust(width),
                           str(rng.randint(0, 9)).ljust(width), "0" * width,
                           ("1 2").rjust(width)])
    value = rng.randint(lo, hi)
    return str(value).rjust(width)[-width:]


def vazoes_line(rng, stations):
    station = rng.randint(1, stations) if not faulty(rng) else rng.randint(0, 999)
    year = rng.randint(1931, 1931 + rng.randint(0, 199)) if not faulty(rng) else \
        rng.choice([1930, 2131, 9999, 1])
    line = field(rng, 3, station, station) + " " + field(rng, 4, year, year)
    for _ in range(12):
        line += field(rng, 6, 0, rng.choice([9, 999, 999999]))
    if faulty(rng):
        line = line[:rng.randint(0, 79)]
    elif rng.random() < 0.002:
        line += " extra"  # columns past 80 are not read
    return line


def mlt_line(rng, stations):
    station = rng.randint(1, stations) if not faulty(rng) else rng.randint(0, 999)
    line = field(rng, 3, station, station) + " "
    for _ in range(12):
        line += field(rng, 6, 0, 999999)
    return line


def postos_text(rng, stations):
    lines, station = [], 0
    for _ in range(rng.randint(0, 40)):
        station += rng.randint(1, 12) if not faulty(rng) else -1
        name = "".join(rng.choice("ABC XYZ\xc7") for _ in range(12))
        lines.append(field(rng, 4, station, station) + "  " + name + "  " +
                     field(rng, 4, 0, 9999) + "  " + field(rng, 4, 0, 9999))
    return lines


def text_of(rng, lines):
    end = rng.choice(["\r\n", "\n"])
    text = end.join(lines)
    if lines and rng.random() < 0.8:
        text += end
    return text.encode("latin-1")


def binary_of(rng, values):
    out = bytearray()
    for v in values:
        out += (v & 0xFFFFFFFF).to_bytes(4, "little")
    return bytes(out)


def random_value(rng):
    roll = rng.random()
    if roll < 0.3:
        return 0
    if faulty(rng):
        return rng.choice([-1, -99999, -100000, 1000000, 2**31 - 1, -2**31])
    return rng.randint(0, 999999)


def make_case(rng):
    FAULT[0] = rng.choice([0.0, 0.0, 0.0002, 0.002])
    kind = rng.choice(["vazoes", "mlt", "postos"])
    direction = rng.choice(["to-bin", "to-text"])
    stations = rng.choice([320, 600])
    if direction == "to-bin":
        if kind == "vazoes":
            data = text_of(rng, [vazoes_line(rng, stations) for _ in range(rng.randint(0, 3000))])
        elif kind == "mlt":
            data = text_of(rng, [mlt_line(rng, stations) for _ in range(rng.randint(0, stations))])
        else:
            data = text_of(rng, postos_text(rng, stations))
    else:
        if kind == "postos":
            records = rng.randint(0, stations)
            data = bytearray()
            for _ in range(records):
                name = bytes(rng.choice(b"ABC \xc7") for _ in range(12))
                data += name + binary_of(rng, [rng.choice([0, rng.randint(1, 9999)]),
                                               rng.choice([rng.randint(0, 9999), 123456])])
            data = bytes(data)
        else:
            block = 12 * stations
            blocks = rng.choice([0, 1, 2, rng.randint(1, 201)]) if kind == "vazoes" else \
                rng.choice([0, 1, 1, 1, 2])
            used = set(rng.sample(range(stations), rng.randint(0, stations)))
            values = [random_value(rng) if (i % stations) in used else 0
                      for i in range(blocks * block)]
            data = binary_of(rng, values)
        if rng.random() < 0.03 and data:
            data = data[:-rng.randint(1, 3)]
    args = [kind, direction, "ENTRADA", "SAIDA"]
    if kind != "postos" or rng.random() < 0.5:
        args += ["--stations", str(stations)]
    return args, data


def run(exe, folder, args, data):
    for name in os.listdir(folder):
        os.remove(os.path.join(folder, name))
    with open(os.path.join(folder, "ENTRADA"), "wb") as f:
        f.write(data)
    p = subprocess.run([exe] + args, cwd=folder, capture_output=True)
    out = os.path.join(folder, "SAIDA")
    output = open(out, "rb").read() if os.path.exists(out) else None
    return p.returncode, p.stdout, p.stderr, output


def main():
    old, new = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    cases = int(sys.argv[3]) if len(sys.argv) > 3 else 300
    rng = random.Random(int(sys.argv[4]) if len(sys.argv) > 4 else 1931)
    differences = 0
    failures = 0
    with tempfile.TemporaryDirectory() as a, tempfile.TemporaryDirectory() as b:
        for i in range(cases):
            args, data = make_case(rng)
            ra = run(old, a, args, data)
            rb = run(new, b, args, data)
            if ra[0] != 0:
                failures += 1
            if ra != rb:
                differences += 1
                print("case %d differs: %s (%d input bytes)" % (i, " ".join(args), len(data)))
                print("  old: exit %d, stderr %r" % (ra[0], ra[2][:200]))
                print("  new: exit %d, stderr %r" % (rb[0], rb[2][:200]))
    print("%d cases (%d of them failures), %d differences" %
          (cases, failures, differences))
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Runs two quillmark executables on the same random registries and reports any difference in
exit status, stderr, CSV bytes or the sheets' text.

    bench/compare_reports.py OLD_QUILLMARK NEW_QUILLMARK [CASES] [SEED]

Each case is a registry of up to 320 records: plants with names of any Windows-1252 bytes
(';', accents, NULs, a leading blank), vacated slots, and numbers drawn from every corner of
the float (halves that round either way, huge, tiny, subnormal, NaN, infinities, negative
zero); coded fields inside and outside their lists. Both programs write --export-csv and
--print-pdf under the C and the pt_BR locale; the PDFs are compared as `pdftotext -layout`
reads them, the footer's clock line aside. Each executable reads the config.ini beside it.
"""
import os
import random
import struct
import subprocess
import sys
import tempfile

LOCALES = ["C", "pt_BR.UTF-8"]

# (name, offset, kind, count): the record's fields in their order; kind i int32, f float,
# or the width of a character field.
FIELDS = []


def _layout():
    fields = [("Nome", 12), ("Posto", "i"), ("PostoBDH", 8), ("Sistema", "i"), ("Empresa", "i"),
            ("Jusante", "i"), ("Desvio", "i"), ("VolMin", "f"), ("VolMax", "f"),
            ("VolVert", "f"), ("VolDesv", "f"), ("CotaMin", "f"), ("CotaMax", "f"),
            ("PCV", "f", 5), ("PAC", "f", 5), ("EvapMen", "i", 12), ("NumConjMaq", "i"),
            ("NumMaq", "i", 5), ("PotEf", "f", 5), ("QHT", "f", 25), ("QHG", "f", 25),
            ("PH", "f", 25), ("HEf", "f", 5), ("QEf", "i", 5), ("ProdEsp", "f"),
            ("ValorPerdas", "f"), ("NumPolsJus", "i"), ("PolJus", "f", 30),
            ("PolJusRef", "f", 6), ("CanalFugaMed", "f"), ("InflVert", "i"),
            ("FatCargaMax", "f"), ("FatCargaMin", "f"), ("VazMinHist", "i"),
            ("NumUnidBase", "i"), ("TipoTurbina", "i"), ("RepConj", "i"), ("TEIF", "f"),
            ("IP", "f"), ("TipoPerdas", "i"), ("Data", 8), ("Obs", 43), ("VolRef", "f"),
            ("Reg", 1)]
    offset = 0
    for entry in fields:
        name, kind = entry[0], entry[1]
        count = entry[2] if len(entry) > 2 else 1
        FIELDS.append((name, offset, kind, count))
        offset += kind * count if isinstance(kind, int) else 4 * count
    assert offset == 792, offset


_layout()


def real(rng):
    pick = rng.random()
    if pick < 0.35:
        return struct.pack("<f", round(rng.uniform(-1e4, 1e5), rng.randint(0, 4)))
    if pick < 0.5:  # exact halves and quarters: the ties of every form
        return struct.pack("<f", rng.randint(-4000, 4000) / rng.choice([2, 4, 8, 16, 1024]))
    if pick < 0.6:
        return struct.pack("<f", rng.uniform(-1, 1) * 10.0 ** rng.randint(-40, 38))
    if pick < 0.7:
        return struct.pack("<f", rng.choice([0.0, -0.0, 1e-45, -1e-45, 3.4e38, -3.4e38,
                                             float("inf"), float("-inf"), float("nan"),
                                             9.9999995, 0.0005, 0.005, 0.05, 1.5e15, 1e16]))
    return struct.pack("<I", rng.getrandbits(32))  # any bits at all


def integer(rng, lo=-5, hi=400):
    if rng.random() < 0.1:
        return struct.pack("<i", rng.randint(-2 ** 31, 2 ** 31 - 1))
    return struct.pack("<i", rng.randint(lo, hi))


def text(rng, width):
    alphabet = b"ABCDEFGHIJKLMNOPQRSTUVWXYZabcxyz0123456789 ;.-/\xc1\xc9\xe3\xe7\xf5\xd4\x80\x9f\xad\xa0\x89\x81"
    if rng.random() < 0.05:
        alphabet += b"\x00\x01\x1f"
    return bytes(rng.choice(alphabet) for _ in range(width))


def record(rng, records):
    if rng.random() < 0.15:  # a vacated slot, or a never used one
        return rng.choice([b" " * 792, b"\x00" * 792])
    out = bytearray()
    for name, _, kind, count in FIELDS:
        for _ in range(count):
            if name == "Nome":
                value = text(rng, 12)
                if rng.random() < 0.05:
                    value = b" " + value[1:]
            elif isinstance(kind, int):
                value = text(rng, kind)
                if name == "Reg" and rng.random() < 0.8:
                    value = rng.choice([b"M", b"S", b"D"])
            elif kind == "f":
                value = real(rng)
            elif name == "NumConjMaq":
                value = integer(rng, 0, 5) if rng.random() < 0.9 else integer(rng)
            elif name == "NumPolsJus":
                value = integer(rng, 0, 6) if rng.random() < 0.9 else integer(rng)
            elif name in ("Jusante", "Desvio"):
                value = integer(rng, 0, records + 2)
            else:
                value = integer(rng)
            out += value
    return bytes(out)


def registry(rng):
    records = rng.randint(1, 320)
    data = b"".join(record(rng, records) for _ in range(records))
    if rng.random() < 0.1:
        data = data[:-rng.randint(1, 791)]  # ends inside a record
    return data


def run(exe, args, locale, cwd):
    env = dict(os.environ, LC_ALL=locale, LANG=locale, QT_QPA_PLATFORM="offscreen")
    done = subprocess.run([exe] + args, cwd=cwd, env=env, capture_output=True)
    # Qt's own note on the runtime folder came with the platform plugin that the CSV no
    # longer starts; it is no message of the program's.
    err = b"\n".join(line for line in done.stderr.split(b"\n")
                     if not line.startswith(b"QStandardPaths: XDG_RUNTIME_DIR not set"))
    return done.returncode, err


def sheets_text(pdf, registry_path):
    if not os.path.exists(pdf):
        return None
    out = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True).stdout
    # The footer's clock line names the registry; its time is the only thing that may differ.
    return b"\n".join(line for line in out.split(b"\n") if registry_path.encode() not in line)


def main():
    old, new = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    cases = int(sys.argv[3]) if len(sys.argv) > 3 else 10
    seed = int(sys.argv[4]) if len(sys.argv) > 4 else 1
    rng = random.Random(seed)
    differences = 0
    pages = 0
    with tempfile.TemporaryDirectory() as work:
        for case in range(cases):
            path = os.path.join(work, "HIDR%d.DAT" % case)
            with open(path, "wb") as f:
                f.write(registry(rng))
            for locale in LOCALES:
                results = {}
                for label, exe in (("old", old), ("new", new)):
                    csv = os.path.join(work, "%s.csv" % label)
                    pdf = os.path.join(work, "%s.pdf" % label)
                    for stale in (csv, pdf):
                        if os.path.exists(stale):
                            os.remove(stale)
                    rc_csv, err_csv = run(exe, ["--export-csv", path, csv], locale, work)
                    rc_pdf, err_pdf = run(exe, ["--print-pdf", path, pdf], locale, work)
                    csv_bytes = open(csv, "rb").read() if os.path.exists(csv) else None
                    results[label] = (rc_csv, err_csv, csv_bytes, rc_pdf, err_pdf,
                                      sheets_text(pdf, path))
                if results["old"] != results["new"]:
                    differences += 1
                    what = [n for n, a, b in zip(
                        ["csv status", "csv stderr", "csv bytes", "pdf status", "pdf stderr",
                         "sheets text"], results["old"], results["new"]) if a != b]
                    print("case %d (%s): %s differ" % (case, locale, ", ".join(what)))
                elif results["new"][5]:
                    pages += results["new"][5].count(b"\f")
    print("%d cases x %d locales, %d sheets compared: %d differences"
          % (cases, len(LOCALES), pages, differences))
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main())

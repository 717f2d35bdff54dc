#!/usr/bin/env python3
"""Seeds of the editor's fuzz targets (check, diff, curves, editform) from the sample registry:
a few of its plants, the same with a trailing partial record, with counts and codes at the
ends of their range, and (for diff) two versions of a registry cut where the input says.
Run from anywhere; writes tests/fuzz/corpus/<name>/ (existing seeds are kept)."""
import hashlib
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLE = os.path.join(HERE, '..', '..', 'samples', 'HIDR.DAT')
R = 792

data = open(SAMPLE, 'rb').read()
plants = [data[k * R:(k + 1) * R] for k in range(len(data) // R)
          if data[k * R] not in (0x00, 0x20)]


def with_int(record, offset, value):
    return record[:offset] + struct.pack('<i', value) + record[offset + 4:]


def with_float(record, offset, value):
    return record[:offset] + struct.pack('<f', value) + record[offset + 4:]


NUM_CONJ_MAQ, NUM_POLS_JUS, JUSANTE, TIPO_PERDAS, POSTO, VAZ_MIN = 152, 544, 32, 732, 12, 708
extremes = [715827883, -2147483648, -1, 2147483647, 538976288, 6, 7]

registries = [
    plants[0],
    plants[0] + plants[1],
    plants[0] + b' ' * R + plants[2],
    plants[1] + plants[0][:300],             # a trailing partial record
    plants[2][:100],                          # nothing but part of a record
]
for v in extremes:
    registries.append(with_int(with_int(plants[0], NUM_CONJ_MAQ, v), NUM_POLS_JUS, v))
    # the counts typed into the form are taken from Posto and VazMinHist by the targets
    registries.append(with_int(with_int(plants[1], POSTO, v), VAZ_MIN, v))
registries.append(with_int(plants[0], JUSANTE, 1) + with_int(plants[1], JUSANTE, 1))  # a cycle
registries.append(with_int(plants[0], TIPO_PERDAS, 3))
registries.append(with_float(plants[0], 40, float('nan')))


def write(name, blobs):
    folder = os.path.join(HERE, 'corpus', name)
    os.makedirs(folder, exist_ok=True)
    for blob in blobs:
        with open(os.path.join(folder, hashlib.sha1(blob).hexdigest()), 'wb') as f:
            f.write(blob)


for name in ('check', 'curves', 'editform'):
    write(name, registries)


def split(a, b):
    return struct.pack('<H', len(a) % 65536) + a + b


changed = with_float(plants[0], 44, struct.unpack_from('<f', plants[0], 44)[0] * 1.0000001)
write('diff', [
    split(plants[0], plants[0]),
    split(plants[0] + plants[1], changed + plants[1]),
    split(plants[0] + plants[1], plants[0]),             # a plant removed
    split(plants[0], plants[0] + plants[2][:400]),        # a partial plant added
    split(with_int(plants[0], NUM_CONJ_MAQ, 715827883), plants[0]),
    split(b' ' * R + plants[1], plants[1] + b' ' * R),    # moved
])

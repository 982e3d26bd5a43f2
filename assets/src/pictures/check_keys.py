"""Checks the rendered level pictures against their manifests.

usage: check_keys.py WORKDIR N [N ...]

For every item of WORKDIR/levN.manifest: the source exists; items are
numbered 0, 1, 2, ... without gaps; start pictures (jpeg) are 800 x 600; for
transparent items every pixel that reduces to the key's 16-bit RGB565 value
is exactly the key, and the picture has both transparent and visible pixels.
Exits with status 1 on the first failing file after listing all faults.
"""
import os
import shlex
import sys

import numpy as np
from PIL import Image


def rgb565(r, g, b):
    return ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3)


def check(work, n):
    faults = []
    path = os.path.join(work, f"lev{n}.manifest")
    expect = 0
    for line in open(path, encoding="utf-8"):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        f = shlex.split(line)
        idx, name, kind, _bpp, transp, color, src = f[:7]
        if int(idx) != expect:
            faults.append(f"lev{n}: item {idx} where {expect} was expected")
        expect = int(idx) + 1
        if kind == "none":
            continue
        file = os.path.join(work, src)
        if not os.path.exists(file):
            faults.append(f"lev{n}: item {idx} {name}: missing {src}")
            continue
        a = np.asarray(Image.open(file).convert("RGB")).astype(np.int32)
        h, w = a.shape[:2]
        if kind == "jpeg" and (w, h) != (800, 600):
            faults.append(f"lev{n}: item {idx} {name}: start picture is {w}x{h}")
        if transp == "yes":
            c = int(color, 16)  # TColor 0xBBGGRR
            kr, kg, kb = c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF
            v = rgb565(a[..., 0], a[..., 1], a[..., 2])
            exact = (a[..., 0] == kr) & (a[..., 1] == kg) & (a[..., 2] == kb)
            bad = int(((v == rgb565(kr, kg, kb)) & ~exact).sum())
            if bad:
                faults.append(f"lev{n}: item {idx} {name}: {bad} visible pixels reduce to the key")
            if exact.all() or not exact.any():
                faults.append(f"lev{n}: item {idx} {name}: keyed picture without "
                              f"{'visible' if exact.all() else 'transparent'} pixels")
    return faults


def main():
    work, levels = sys.argv[1], sys.argv[2:]
    faults = []
    for n in levels:
        faults += check(work, n)
    for f in faults:
        print("check_keys:", f, file=sys.stderr)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()

"""Regenerates every recording of assets/sounds from the recipes here.

usage: build.py OUTDIR [NAME ...]

Each recording is made as float samples at its final rate and channel
count, converted to its stored sample format with SoX (repeatable mode),
and then checked: RIFF layout, format fields, data length, peak level and,
for the loops, the step across the loop point.
"""
import os
import shutil
import sys

sys.dont_write_bytecode = True
import tempfile

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from common import catalogue, run, write_raw  # noqa: E402
import effects  # noqa: E402
import music  # noqa: E402

# Played looped by the game (some are stored as one-shots).
GAME_LOOPS = {"h_menu", "helik", "vlny", "cizivrtulnik", "tamrox", "kroky",
              "lodicka", "ohen", "sirena", "hudba_hra"}

PEAK_LIMIT = 10 ** (-1 / 20)


def make_float(name, frames, rate, channels, tmp):
    if name in effects.RECIPES:
        x = effects.RECIPES[name](frames, tmp)
    else:
        x = music.RECIPES[name](frames, rate, tmp)
    x = np.asarray(x, dtype=np.float64)
    want = (frames,) if channels == 1 else (frames, channels)
    if x.shape != want:
        raise SystemExit(f"{name}: recipe gave shape {x.shape}, want {want}")
    return x


def convert(x, rate, channels, bits, out, tmp):
    raw = os.path.join(tmp, "final.f32")
    write_raw(raw, x)
    enc = ["-e", "unsigned-integer"] if bits == 8 else ["-e", "signed-integer"]
    run(["sox", "-R", "-t", "raw", "-e", "floating-point", "-b", "32",
         "-c", str(channels), "-r", str(rate), raw,
         "-t", "wav", "-b", str(bits)] + enc + [out])
    os.remove(raw)


def parse_wav(path):
    data = open(path, "rb").read()
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise ValueError("not RIFF WAVE")
    if int.from_bytes(data[4:8], "little") != len(data) - 8:
        raise ValueError("RIFF size does not match the file")
    pos = 12
    chunks = []
    while pos + 8 <= len(data):
        cid = data[pos:pos + 4]
        ln = int.from_bytes(data[pos + 4:pos + 8], "little")
        chunks.append((cid, data[pos + 8:pos + 8 + ln]))
        pos += 8 + ln + (ln & 1)
    if pos != len(data):
        raise ValueError("trailing bytes after the last chunk")
    ids = [c for c, _ in chunks]
    if ids != [b"fmt ", b"data"]:
        raise ValueError(f"chunks are {ids}, want fmt and data only")
    fmt = chunks[0][1]
    if len(fmt) != 16:
        raise ValueError("fmt chunk is not 16 bytes")
    tag, ch, rate, bps, align, bits = (int.from_bytes(fmt[0:2], "little"),
                                       int.from_bytes(fmt[2:4], "little"),
                                       int.from_bytes(fmt[4:8], "little"),
                                       int.from_bytes(fmt[8:12], "little"),
                                       int.from_bytes(fmt[12:14], "little"),
                                       int.from_bytes(fmt[14:16], "little"))
    if tag != 1:
        raise ValueError("not PCM")
    if align != ch * bits // 8 or bps != rate * align:
        raise ValueError("inconsistent block align / byte rate")
    return ch, rate, bits, chunks[1][1]


def samples(raw, ch, bits):
    if bits == 8:
        s = (np.frombuffer(raw, dtype=np.uint8).astype(np.float64) - 128) / 128
    else:
        s = np.frombuffer(raw, dtype="<i2").astype(np.float64) / 32768
    return s.reshape(-1, ch)


def check(path, name, looped, ch, rate, bits, size):
    got_ch, got_rate, got_bits, raw = parse_wav(path)
    errs = []
    if (got_ch, got_rate, got_bits) != (ch, rate, bits):
        errs.append(f"format {got_ch}ch {got_rate}Hz {got_bits}bit, want "
                    f"{ch}ch {rate}Hz {bits}bit")
    if len(raw) != size:
        errs.append(f"data {len(raw)} bytes, want {size}")
    s = samples(raw, got_ch, got_bits)
    peak = np.max(np.abs(s))
    if peak > PEAK_LIMIT:
        errs.append(f"peak {20 * np.log10(peak):.2f} dBFS above -1 dBFS")
    info = f"peak {20 * np.log10(peak):6.2f} dBFS  rms {20 * np.log10(np.sqrt(np.mean(s * s))):6.2f} dBFS"
    if name in GAME_LOOPS:
        for c in range(s.shape[1]):
            d = np.abs(np.diff(s[:, c]))
            p99 = np.percentile(d, 99)
            seam = abs(s[0, c] - s[-1, c])
            info += f"  seam {seam * 128 if bits == 8 else seam * 32768:.0f}/p99 {p99 * 128 if bits == 8 else p99 * 32768:.0f}"
            if seam > p99:
                errs.append(f"channel {c}: loop seam step {seam:.4f} > p99 {p99:.4f}")
    if errs:
        raise SystemExit(f"{name}: " + "; ".join(errs))
    return info


def main():
    outdir = sys.argv[1]
    only = set(sys.argv[2:])
    os.makedirs(outdir, exist_ok=True)
    for idx, name, looped, ch, rate, bits, size in catalogue():
        fname = os.path.join(outdir, f"{idx:02d}_{name}.wav")
        if ch == 0:
            if os.path.exists(fname):
                os.remove(fname)
            continue
        if only and name not in only:
            if os.path.exists(fname):
                print(f"{idx:2d} {name:13s} {check(fname, name, looped, ch, rate, bits, size)}")
            continue
        frames = size // (ch * bits // 8)
        if frames * ch * bits // 8 != size:
            raise SystemExit(f"{name}: {size} bytes is not a whole number of frames")
        tmp = tempfile.mkdtemp(prefix="snd_")
        try:
            x = make_float(name, frames, rate, ch, tmp)
            convert(x, rate, ch, bits, fname + ".tmp", tmp)
            os.replace(fname + ".tmp", fname)
        finally:
            shutil.rmtree(tmp)
        print(f"{idx:2d} {name:13s} {check(fname, name, looped, ch, rate, bits, size)}",
              flush=True)
    # everything else in the folder is stale
    wanted = {f"{i:02d}_{n}.wav" for i, n, _, c, *_ in catalogue() if c}
    for f in os.listdir(outdir):
        if f.endswith(".wav") and f not in wanted:
            raise SystemExit(f"unexpected file {f} in {outdir}")


if __name__ == "__main__":
    main()

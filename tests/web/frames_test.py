#!/usr/bin/env python3
"""The page draws what the native program draws, and keeps its save.

    tests/web/frames_test.py [--native PROGRAM] [--demo DEMO] [--level N] [--ticks T,T,...]
                             [--keep FOLDER]

Plays a demo (the level-1 completion demo by default) in the browser build through
tools/web-test, once for each tick, and compares the canvas with the native
program's headless frame of the same tick (--screenshot-at), pixel for pixel.
Then, in the same browser profile, the menu's saved game: its start screen shows
the level the demo's save left in the browser's storage, as the native program
shows the level of its save file.
"""
import argparse
import os
import pathlib
import struct
import subprocess
import sys
import tempfile
import time
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent.parent
# The golden record's frames: the start, the chair, a hoist, the vortex warning,
# the map, the stretcher, refuelling, the last delivery and the next start screen.
DEFAULT_TICKS = "0,620,630,1210,1510,3910,11930,20800,20900"
# The menu's saved game, and the tick of the start screen it leads to.
SAVED_GAME = ROOT / "tools" / "screenshots.d" / "saved-game.demo"
SAVED_GAME_TICK = 30
# A frame in English: the rescue chair's warning.
ENGLISH_TICK = 620


def read_png(path):
    """(width, height, RGB bytes) of an 8-bit, non-interlaced RGB or RGBA PNG."""
    data = pathlib.Path(path).read_bytes()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        chunk = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", chunk)
        elif kind == b"IDAT":
            idat += chunk
        elif kind == b"IEND":
            break
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        raise ValueError(f"{path}: depth {depth}, colour type {colour}, interlace {interlace}")
    channels = 3 if colour == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = previous[i]
            c = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(bytes(line))
        previous = line
    pixels = b"".join(rows)
    if channels == 4:
        rgb = bytearray(width * height * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = pixels[0::4], pixels[1::4], pixels[2::4]
        pixels = bytes(rgb)
    return width, height, pixels


def compare(native, web):
    """None when equal, else what differs."""
    nw, nh, n = read_png(native)
    ww, wh, w = read_png(web)
    if (nw, nh) != (ww, wh):
        return f"size {ww}x{wh} in the browser, {nw}x{nh} native"
    if n == w:
        return None
    differing = [i for i in range(0, len(n), 3) if n[i:i + 3] != w[i:i + 3]]
    first = differing[0]
    x, y = (first // 3) % nw, (first // 3) // nw
    return (f"{len(differing)} pixels differ; the first at ({x}, {y}): native "
            f"{tuple(n[first:first + 3])}, browser {tuple(w[first:first + 3])}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--native", type=pathlib.Path,
                        default=ROOT / "build" / "release" / "heli-rescue")
    parser.add_argument("--demo", type=pathlib.Path,
                        default=ROOT / "tests" / "demos" / "level1_complete.demo")
    parser.add_argument("--level", type=int, default=1)
    parser.add_argument("--ticks", default=DEFAULT_TICKS)
    parser.add_argument("--keep", type=pathlib.Path, help="keep the pictures in this folder")
    args = parser.parse_args()
    ticks = [int(t) for t in args.ticks.split(",")]
    demo = args.demo.resolve()

    with tempfile.TemporaryDirectory(prefix="web-frames-") as scratch:
        folder = args.keep.resolve() if args.keep else pathlib.Path(scratch)
        folder.mkdir(parents=True, exist_ok=True)
        # The native frames, in one run; the program finds data/ beside itself.
        saves = pathlib.Path(scratch) / "saves"
        profile = pathlib.Path(scratch) / "profile"
        native = [str(args.native.resolve()), "--headless", "--save-dir", str(saves), "--lang", "cs"]
        env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")
        command = native + ["--play", str(demo), "--ticks", str(max(ticks) + 1)]
        if args.level:
            command += ["--level", str(args.level)]
        for t in ticks:
            command += ["--screenshot-at", str(t), str(folder / f"native-{t}.png")]
        subprocess.run(command, check=True, cwd=args.native.resolve().parent, env=env,
                       stdout=subprocess.DEVNULL)
        saved = saves / "uloz.dat"
        saved = f"level {saved.read_bytes()[0]} saved" if saved.exists() else "nothing saved"
        command = native + ["--play", str(SAVED_GAME), "--screenshot-at", str(SAVED_GAME_TICK),
                            str(folder / "native-saved-game.png")]
        subprocess.run(command, check=True, cwd=args.native.resolve().parent, env=env,
                       stdout=subprocess.DEVNULL)
        english = [str(args.native.resolve()), "--headless", "--lang", "en",
                   "--save-dir", str(pathlib.Path(scratch) / "saves-en"), "--play", str(demo),
                   "--ticks", str(ENGLISH_TICK + 1), "--screenshot-at", str(ENGLISH_TICK),
                   str(folder / "native-english.png")]
        if args.level:
            english += ["--level", str(args.level)]
        subprocess.run(english, check=True, cwd=args.native.resolve().parent, env=env,
                       stdout=subprocess.DEVNULL)

        # The browser: one run for each tick, all in one profile.
        def in_browser(what, demo, tick, name, level=None, lang="cs"):
            command = [str(ROOT / "tools" / "web-test"), str(demo), str(tick),
                       str(folder / f"web-{name}.png"), "--profile", str(profile),
                       "--lang", lang]
            if level:
                command += ["--level", str(level)]
            started = time.monotonic()
            run = subprocess.run(command, capture_output=True, text=True)
            seconds = time.monotonic() - started
            if run.returncode != 0:
                print(f"{what}: the browser run failed:\n{run.stdout}{run.stderr}")
                return False
            timedemo = next((l for l in run.stdout.splitlines() if l.startswith("timedemo:")), "")
            difference = compare(folder / f"native-{name}.png", folder / f"web-{name}.png")
            print(f"{what}: {'equal' if difference is None else difference} "
                  f"({seconds:.1f} s; {timedemo})")
            return difference is None

        failures = 0
        for t in ticks:
            failures += not in_browser(f"tick {t}", demo, t, t, args.level)
        failures += not in_browser(f"saved game after the demo ({saved})", SAVED_GAME,
                                   SAVED_GAME_TICK, "saved-game")
        failures += not in_browser(f"tick {ENGLISH_TICK} in English", demo, ENGLISH_TICK,
                                   "english", args.level, "en")
    if failures:
        sys.exit(f"{failures} of {len(ticks) + 2} pictures differ")
    print(f"all {len(ticks) + 2} pictures equal")


if __name__ == "__main__":
    main()

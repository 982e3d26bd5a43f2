#!/usr/bin/env python3
"""Renders the built-in picture lists into PNGs ready for the list writer.

    builtin.py WORK LIST...

For every LIST it reads assets/src/pictures/LIST/manifest, renders each item's
source at the item's exact size, turns it into the stored form (colour key,
palette size) and writes WORK/LIST/<source>.png plus a copy of the manifest.
An item's source is either LIST/<stem>.svg or a function registered under
<stem> in one of the Python generators LIST/*.py (each has a PICTURES dict).

Languages: a generator takes the words it draws from a table with one entry per
language, through words(). Every picture is drawn in Czech; a picture that read
words is drawn once more in every other language into WORK/LANG/LIST/, and the
pictures without words are copied there unchanged, so that each language's list
holds every item and can replace the Czech one whole. A list none of whose
pictures has words gets no other language.

Transparency: a rendered pixel with alpha < 128 becomes the item's transparent
colour, every other pixel keeps its own colour but is moved off the key's
16-bit value, so the key covers exactly the intended area. The intended areas
are written to LIST/masks (index, key pixel count, FNV-1a hash of the mask), and
those of another language to LIST/masks.LANG, for the tests to compare with what
the program prepares.

Generators import this module for the helpers below (render, svg, ...).
"""
import importlib.util
import io
import os
import re
import shutil
import subprocess
import sys
import tempfile

import numpy as np
from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
SRC = os.path.join(ROOT, "assets", "src", "pictures")

# The generators import this file as `builtin`; run as a program it is that module too.
if __name__ == "__main__":
    sys.modules.setdefault("builtin", sys.modules[__name__])

LANGUAGES = ("cs", "en")  # Czech first: the game's own language
LANG = "cs"  # the language being drawn
WORDS_READ = 0  # how often words() was asked while the current picture was drawn


def words(table):
    """The entry of `table` (one per language, each with the same keys) for the
    language being drawn."""
    global WORDS_READ
    WORDS_READ += 1
    entry, czech = table[LANG], table["cs"]
    if isinstance(entry, dict) and set(entry) != set(czech):
        raise SystemExit(f"words for {LANG}: {sorted(set(entry) ^ set(czech))} do not match the Czech")
    return entry


# ---------------------------------------------------------------- helpers


def svg(w, h, body, defs="", vw=None, vh=None):
    """An SVG document of w x h pixels (viewBox vw x vh, default the same)."""
    vw = w if vw is None else vw
    vh = h if vh is None else vh
    return (f'<svg xmlns="http://www.w3.org/2000/svg" '
            f'xmlns:xlink="http://www.w3.org/1999/xlink" width="{w}" height="{h}" '
            f'viewBox="0 0 {vw} {vh}"><defs>{defs}</defs>{body}</svg>')


def render(doc, w, h):
    """Renders SVG text to an RGBA uint8 array of h x w."""
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, "in.svg")
        out = os.path.join(tmp, "out.png")
        with open(src, "w", encoding="utf-8") as f:
            f.write(doc)
        subprocess.run(["rsvg-convert", "-w", str(w), "-h", str(h), "-f", "png", "-o", out, src],
                       check=True)
        img = Image.open(out).convert("RGBA")
        if img.size != (w, h):
            img = img.resize((w, h), Image.LANCZOS)
        return np.array(img)


def over(top, bottom):
    """Source-over of two RGBA uint8 arrays."""
    ta = top[..., 3:4] / 255.0
    ba = bottom[..., 3:4] / 255.0
    oa = ta + ba * (1 - ta)
    rgb = (top[..., :3] * ta + bottom[..., :3] * ba * (1 - ta)) / np.maximum(oa, 1e-6)
    return np.concatenate([rgb, oa * 255], axis=-1).round().clip(0, 255).astype(np.uint8)


def rgba(rgb, alpha=None):
    """An RGBA uint8 array from RGB (float or int) and optional alpha (0..1 or 0..255)."""
    rgb = np.asarray(rgb, dtype=np.float64)
    if alpha is None:
        a = np.full(rgb.shape[:2], 255.0)
    else:
        a = np.asarray(alpha, dtype=np.float64)
        if a.max() <= 1.0:
            a = a * 255.0
    return np.dstack([rgb.clip(0, 255), a.clip(0, 255)]).round().astype(np.uint8)


def noise(w, h, scale, seed, octaves=4):
    """Smooth value noise in 0..1, deterministic for a seed."""
    rng = np.random.default_rng(seed)
    out = np.zeros((h, w))
    amp, total = 1.0, 0.0
    for o in range(octaves):
        s = max(scale / (2 ** o), 1.0)
        gw, gh = int(w / s) + 3, int(h / s) + 3
        grid = rng.random((gh, gw))
        img = Image.fromarray((grid * 255).astype(np.uint8)).resize(
            (int(gw * s), int(gh * s)), Image.BICUBIC)
        a = np.asarray(img, dtype=np.float64)[:h, :w] / 255.0
        out += a * amp
        total += amp
        amp *= 0.5
    return out / total


FONT = "DejaVu Sans"
FONT_BOLD = "font-family:'DejaVu Sans';font-weight:bold"
FONT_SERIF = "font-family:'DejaVu Serif';font-weight:bold"


def esc(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def expect_clear(what, layer, rects):
    """Stops the run when anything drawn in `layer` (RGBA, only what the player
    reads) reaches into one of `rects` (x, y, w, h): the places that panels, texts
    or the clock cover where the game shows the picture. A longer word in another
    language is caught here rather than on screen."""
    h, w = layer.shape[:2]
    for x, y, rw, rh in rects:
        x0, y0 = max(int(x), 0), max(int(y), 0)
        x1, y1 = min(int(x + rw), w), min(int(y + rh), h)
        if x0 >= x1 or y0 >= y1:
            continue
        hit = np.argwhere(layer[y0:y1, x0:x1, 3] > 0)
        if len(hit):
            py, px = hit[0]
            raise SystemExit(f"{what} ({LANG}): drawn under a covered place {(x, y, rw, rh)}, "
                             f"first at ({x0 + px}, {y0 + py})")


def around(room, w, h):
    """The parts of a w x h picture outside `room` (x, y, w, h): with expect_clear,
    what keeps words inside their room."""
    x, y, rw, rh = room
    return [(0, 0, w, y), (0, y + rh, w, h - y - rh), (0, y, x, rh), (x + rw, y, w - x - rw, rh)]


# ------------------------------------------------------------- stored form


def reduce565(r, g, b):
    return ((np.asarray(r) >> 3) << 11) | ((np.asarray(g) >> 2) << 5) | (np.asarray(b) >> 3)


def tcolor_rgb(tc):
    return tc & 0xFF, (tc >> 8) & 0xFF, (tc >> 16) & 0xFF


def push_off_key(rgb, key_rgb, margin):
    """Moves visible pixels off the key's 16-bit value; with a margin (for JPEG,
    whose noise moves colours a little) also out of a box around it."""
    rgb = rgb.astype(np.int32)
    kr, kg, kb = key_rgb
    if margin == 0:
        k = reduce565(kr, kg, kb)
        hit = reduce565(rgb[..., 0], rgb[..., 1], rgb[..., 2]) == k
    else:
        # centre of the key's bucket, so the box is symmetric around what decodes to the key
        cr, cg, cb = (kr & ~7) + 4, (kg & ~3) + 2, (kb & ~7) + 4
        hit = ((abs(rgb[..., 0] - cr) <= margin) & (abs(rgb[..., 1] - cg) <= margin)
               & (abs(rgb[..., 2] - cb) <= margin))
    step = 4 if margin == 0 else margin + 6
    g = rgb[..., 1]
    g = np.where(hit, np.where(g >= 128, g - step, g + step), g)
    rgb[..., 1] = g.clip(0, 255)
    return rgb


def quantise(rgb, mask_visible, colours):
    """Reduces the visible pixels to at most `colours` colours (no dithering)."""
    pix = rgb[mask_visible].astype(np.uint8)
    if len(pix) == 0:
        return rgb
    uniq = np.unique(pix, axis=0)
    if len(uniq) <= colours:
        return rgb
    strip = Image.fromarray(pix.reshape(1, -1, 3), "RGB")
    q = strip.quantize(colors=colours, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    back = np.asarray(q.convert("RGB")).reshape(-1, 3)
    out = rgb.copy()
    out[mask_visible] = back
    return out


def fnv1a64(data):
    h = 0xcbf29ce484222325
    for byte in data:
        h ^= byte
        h = (h * 0x100000001b3) & 0xFFFFFFFFFFFFFFFF
    return h


def mask_hash(mask):
    """FNV-1a 64 over the mask, one byte per pixel (1 = transparent), rows top-down."""
    return fnv1a64(mask.astype(np.uint8).tobytes())


def jpeg_roundtrip(rgb, quality):
    buf = io.BytesIO()
    Image.fromarray(rgb.astype(np.uint8), "RGB").save(buf, "JPEG", quality=quality, subsampling=0)
    return np.asarray(Image.open(io.BytesIO(buf.getvalue())).convert("RGB")).astype(np.int32)


LINE = re.compile(r'^\s*(\d+)\s+"([^"]*)"\s+(\S+)\s+(\S+)\s+(yes|no)\s+(0x[0-9A-Fa-f]+)\s+(\S+)(.*)$')


def size_note(note):
    """Each item line ends with its size as a comment, '# WxH'."""
    m = re.search(r"(\d+)x(\d+)", note)
    return (int(m.group(1)), int(m.group(2))) if m else None


def parse_manifest(path):
    items = []
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line, _, note = raw.partition("#")
            line = line.rstrip()
            if not line.strip():
                continue
            m = LINE.match(line)
            if not m:
                raise SystemExit(f"{path}: bad line: {raw.strip()}")
            idx, name, kind, bpp, transp, colour, source, rest = m.groups()
            q = re.search(r"quality=(\d+)", rest)
            items.append(dict(index=int(idx), name=name, kind=kind,
                              bpp=0 if bpp == "-" else int(bpp), transparent=transp == "yes",
                              colour=int(colour, 16), source=source,
                              quality=int(q.group(1)) if q else 90,
                              size=size_note(note)))
    return items


def load_generators(folder):
    table = {}
    sys.path.insert(0, HERE)
    for fn in sorted(os.listdir(folder)):
        if fn.endswith(".py"):
            module_spec = importlib.util.spec_from_file_location(
                f"pictures_{os.path.basename(folder)}_{fn[:-3]}", os.path.join(folder, fn))
            mod = importlib.util.module_from_spec(module_spec)
            module_spec.loader.exec_module(mod)
            for stem, fun in getattr(mod, "PICTURES", {}).items():
                if stem in table:
                    raise SystemExit(f"{stem} made by two generators")
                table[stem] = fun
    return table


def finish(item, img):
    """Turns a rendered RGBA picture into the stored RGB form; returns (rgb, mask)."""
    h, w = img.shape[:2]
    alpha = img[..., 3]
    mask = alpha < 128
    rgb = img[..., :3].astype(np.int32)
    # visible pixels carry their own colour at full strength (no pre-multiplied fringes)
    key_rgb = tcolor_rgb(item["colour"])
    keyed = item["transparent"] or mask.any()
    jpeg = item["kind"] == "jpeg"
    if keyed:
        rgb = push_off_key(rgb, key_rgb, 14 if jpeg else 0)
    bpp = item["bpp"]
    if item["kind"] in ("dib",) and bpp <= 8:
        colours = (1 << bpp) - (1 if keyed else 0)
        rgb = quantise(rgb, ~mask, colours)
        if keyed:  # quantising may have made a colour that reduces to the key
            rgb = push_off_key(rgb, key_rgb, 0)
    if keyed:
        if jpeg:
            kr, kg, kb = key_rgb
            fill = ((kr & ~7) + 4, (kg & ~3) + 2, (kb & ~7) + 4)
        else:
            fill = key_rgb
        rgb[mask] = fill
        if jpeg:
            rgb = settle_jpeg(rgb, mask, key_rgb, item["quality"])
    return rgb.clip(0, 255).astype(np.uint8), (mask if keyed else None)


def settle_jpeg(rgb, mask, key_rgb, quality):
    """JPEG coding moves colours a little at sharp edges: correct the source where a
    decoded pixel lands on the wrong side of the key, until none does."""
    key = reduce565(*key_rgb)
    target = rgb.copy()
    for _ in range(8):
        dec = jpeg_roundtrip(rgb.clip(0, 255).astype(np.uint8), quality)
        is_key = reduce565(dec[..., 0], dec[..., 1], dec[..., 2]) == key
        bad_key = mask & ~is_key          # meant transparent, decoded visible
        bad_vis = ~mask & is_key          # meant visible, decoded as the key
        if not bad_key.any() and not bad_vis.any():
            break
        rgb[bad_key] = (rgb[bad_key] - (dec[bad_key] - target[bad_key])).clip(0, 255)
        g = rgb[..., 1]
        rgb[..., 1] = np.where(bad_vis, np.where(g >= 128, g - 10, g + 10), g).clip(0, 255)
    return rgb


def draw(item, folder, gens, lang):
    """Renders an item's source in `lang`; returns the RGBA picture and whether it
    read words, or None for a source not drawn yet."""
    global LANG, WORDS_READ
    LANG, WORDS_READ = lang, 0
    stem = os.path.splitext(item["source"])[0]
    w, h = item["size"]
    svg_path = os.path.join(folder, stem + ".svg")
    if stem in gens:
        img = gens[stem](w, h)
    elif os.path.exists(svg_path):
        with open(svg_path, encoding="utf-8") as f:
            img = render(f.read(), w, h)
    elif os.environ.get("PICTURES_PARTIAL"):  # previews while sources are being drawn
        return None
    else:
        raise SystemExit(f"{os.path.basename(folder)}: no source for {stem}")
    if img.shape[:2] != (h, w):
        raise SystemExit(f"{os.path.basename(folder)}/{stem}: rendered {img.shape[1]}x{img.shape[0]}, "
                         f"want {w}x{h}")
    return img, WORDS_READ > 0


def store(item, img, out_dir):
    """Writes the stored form of a rendered picture; returns its mask line (or None)
    and whether a keyed JPEG changes keying when coded."""
    rgb, mask = finish(item, img)
    Image.fromarray(rgb, "RGB").save(os.path.join(out_dir, item["source"]))
    if mask is None:
        return None, False
    problem = False
    if item["kind"] == "jpeg":
        dec = jpeg_roundtrip(rgb, item["quality"])
        kr, kg, kb = tcolor_rgb(item["colour"])
        got = reduce565(dec[..., 0], dec[..., 1], dec[..., 2]) == reduce565(kr, kg, kb)
        bad = int((got != mask).sum())
        if bad:
            problem = True
            print(f"  {out_dir}/{item['source']}: {bad} pixels change keying after JPEG coding",
                  file=sys.stderr)
    return f'{item["index"]} {int(mask.sum())} {mask_hash(mask):016x}', problem


def write_masks(path, lines):
    with open(path, "w", encoding="utf-8") as f:
        f.write("# index, transparent pixel count, FNV-1a 64 of the mask (1 byte per pixel,"
                " 1 = transparent, rows top-down); written by tools/make-pictures\n")
        f.write("\n".join(lines) + "\n")


def build_list(name, work):
    folder = os.path.join(SRC, name)
    items = parse_manifest(os.path.join(folder, "manifest"))
    gens = load_generators(folder)
    # the writer gets the item lines only; the size notes are for the renderer
    with open(os.path.join(folder, "manifest"), encoding="utf-8") as f:
        lines = [ln.split("#", 1)[0].rstrip() for ln in f]
    manifest = "\n".join(ln for ln in lines if ln.strip()) + "\n"
    out_dir = os.path.join(work, name)
    os.makedirs(out_dir, exist_ok=True)
    with open(os.path.join(out_dir, "manifest"), "w", encoding="utf-8") as f:
        f.write(manifest)
    drawn = []  # (item, mask line, read words)
    problems = 0
    for item in items:
        if item["kind"] == "none":
            continue
        got = draw(item, folder, gens, "cs")
        if got is None:
            continue
        img, has_words = got
        line, problem = store(item, img, out_dir)
        problems += problem
        drawn.append((item, line, has_words))
        w, h = item["size"]
        print(f"  {name}/{item['source']} {w}x{h}{'  (words)' if has_words else ''}")
    write_masks(os.path.join(folder, "masks"), [line for _, line, _ in drawn if line])
    if not any(has_words for _, _, has_words in drawn):
        print(f"  {name}: no words, made in Czech only")
        return problems
    for lang in LANGUAGES[1:]:
        lang_dir = os.path.join(work, lang, name)
        os.makedirs(lang_dir, exist_ok=True)
        with open(os.path.join(lang_dir, "manifest"), "w", encoding="utf-8") as f:
            f.write(manifest)
        lang_masks = []
        for item, line, has_words in drawn:
            if has_words:
                img, _ = draw(item, folder, gens, lang)
                line, problem = store(item, img, lang_dir)
                problems += problem
                print(f"  {lang}/{name}/{item['source']}")
            else:  # a picture without words is the same in every language
                shutil.copyfile(os.path.join(out_dir, item["source"]),
                                os.path.join(lang_dir, item["source"]))
            if line:
                lang_masks.append(line)
        write_masks(os.path.join(folder, f"masks.{lang}"), lang_masks)
    return problems


def main():
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    work = sys.argv[1]
    problems = 0
    for name in sys.argv[2:]:
        problems += build_list(name, work)
    if problems:
        print(f"{problems} keyed JPEG pictures do not survive coding exactly", file=sys.stderr)


if __name__ == "__main__":
    main()

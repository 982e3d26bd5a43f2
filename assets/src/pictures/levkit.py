"""Small picture kit shared by the level picture generators (lev1 .. lev8).

Everything here is deterministic: fixed seeds, no time stamps, PNGs written
without metadata.  Vector parts are rendered with rsvg-convert, textures are
made with numpy, and keyed sprites are reduced to binary transparency with an
exact key colour.

Words come from tables with one entry per language (words()); set_language()
chooses the language the following pictures are drawn in.
"""
import os
import subprocess
import sys
import tempfile

import numpy as np
from PIL import Image

# the words tables and the build checks are shared with the built-in lists
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "pictures"))
import builtin  # noqa: E402
from builtin import around, esc, expect_clear, words  # noqa: E402,F401

KEY = (255, 0, 255)          # magenta, TColor 0xFF00FF
SEA_DARK = (31, 95, 139)     # #1f5f8b
SEA_LIGHT = (43, 125, 176)   # #2b7db0
OUTLINE = (26, 26, 26)


def set_language(lang):
    """Draws the words of the pictures that follow in `lang`."""
    if lang not in builtin.LANGUAGES:
        raise SystemExit(f"no such language: {lang}")
    builtin.LANG = lang


def rgb565(c):
    r, g, b = int(c[0]), int(c[1]), int(c[2])
    return ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3)


# ----------------------------------------------------------------- noise
def value_noise(w, h, cell, seed):
    """Smooth noise in 0..1: a random grid of one value per `cell` pixels,
    enlarged bicubically."""
    rng = np.random.default_rng(seed)
    gw = max(2, int(np.ceil(w / cell)) + 3)
    gh = max(2, int(np.ceil(h / cell)) + 3)
    grid = rng.random((gh, gw)).astype(np.float32)
    img = Image.fromarray(grid, mode="F").resize((gw * cell, gh * cell), Image.BICUBIC)
    a = np.asarray(img)[cell:cell + h, cell:cell + w]
    return np.clip(a, 0.0, 1.0)


def fbm(w, h, seed, base=64, octaves=5, gain=0.5):
    total = np.zeros((h, w), np.float32)
    amp, norm, cell = 1.0, 0.0, base
    for o in range(octaves):
        total += amp * value_noise(w, h, max(2, int(cell)), seed * 31 + o)
        norm += amp
        amp *= gain
        cell /= 2.0
    return total / norm


def shade(height, strength=4.0):
    """Lambert shading of a height field lit from the lower left (light
    vector towards -x, +y on screen, and up).  Returns roughly 0..1.5."""
    gy, gx = np.gradient(height.astype(np.float32))
    nx, ny, nz = -gx * strength, -gy * strength, np.ones_like(gx)
    n = np.sqrt(nx * nx + ny * ny + nz * nz)
    lx, ly, lz = -0.55, 0.55, 0.63
    return np.clip((nx * lx + ny * ly + nz * lz) / n, 0.0, 1.0) / 0.63


def lerp_colors(t, stops):
    """Map t (0..1 array) through colour stops [(pos, (r,g,b)), ...]."""
    t = np.clip(t, 0.0, 1.0)
    out = np.zeros(t.shape + (3,), np.float32)
    pos = [p for p, _ in stops]
    cols = [np.array(c, np.float32) for _, c in stops]
    for ch in range(3):
        out[..., ch] = np.interp(t, pos, [c[ch] for c in cols])
    return out


# ------------------------------------------------------------ rendering
def svg_render(svg, w, h):
    """Render SVG text at exactly w x h; returns an RGBA float array 0..255."""
    with tempfile.TemporaryDirectory() as d:
        src = os.path.join(d, "in.svg")
        dst = os.path.join(d, "out.png")
        with open(src, "w", encoding="utf-8") as f:
            f.write(svg)
        subprocess.run(["rsvg-convert", "-w", str(w), "-h", str(h), "-f", "png",
                        "-o", dst, src], check=True)
        im = Image.open(dst).convert("RGBA")
        return np.asarray(im).astype(np.float32)


def svg_doc(w, h, body, defs=""):
    return ('<svg xmlns="http://www.w3.org/2000/svg" '
            'xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'width="{w}" height="{h}" viewBox="0 0 {w} {h}">'
            f'<defs>{defs}</defs>{body}</svg>')


def over(dst, src, x=0, y=0):
    """Alpha-composite RGBA float array src onto RGBA dst at (x, y), in place."""
    h, w = src.shape[:2]
    H, W = dst.shape[:2]
    x0, y0 = max(0, x), max(0, y)
    x1, y1 = min(W, x + w), min(H, y + h)
    if x0 >= x1 or y0 >= y1:
        return dst
    s = src[y0 - y:y1 - y, x0 - x:x1 - x]
    d = dst[y0:y1, x0:x1]
    sa = s[..., 3:4] / 255.0
    da = d[..., 3:4] / 255.0
    oa = sa + da * (1 - sa)
    oc = np.where(oa > 0, (s[..., :3] * sa + d[..., :3] * da * (1 - sa)) / np.maximum(oa, 1e-6), 0)
    d[..., :3] = oc
    d[..., 3:4] = oa * 255.0
    return dst


def rgba(rgb, alpha=None):
    h, w = rgb.shape[:2]
    out = np.zeros((h, w, 4), np.float32)
    out[..., :3] = rgb
    out[..., 3] = 255.0 if alpha is None else alpha
    return out


def blur(a, radius):
    """Separable Gaussian blur (sigma = radius) of a 2-D or 3-D float array,
    edges clamped."""
    if a.ndim == 3:
        return np.stack([blur(a[..., c], radius) for c in range(a.shape[2])], axis=-1)
    if radius <= 0:
        return a.astype(np.float32)
    r = int(np.ceil(radius * 3))
    k = np.exp(-0.5 * (np.arange(-r, r + 1) / radius) ** 2)
    k = (k / k.sum()).astype(np.float32)
    p = np.pad(a.astype(np.float32), r, mode="edge")
    t = np.zeros_like(p)
    for i, kv in enumerate(k):
        t[:, r:-r] += kv * p[:, i:i + p.shape[1] - 2 * r]
    out = np.zeros_like(p)
    for i, kv in enumerate(k):
        out[r:-r, :] += kv * t[i:i + p.shape[0] - 2 * r, :]
    return out[r:-r, r:-r]


def shadow_of(sprite, dx, dy, radius=2.0, opacity=0.45):
    """A soft shadow layer (RGBA) of a sprite's alpha, shifted by (dx, dy)."""
    h, w = sprite.shape[:2]
    a = np.zeros((h, w), np.float32)
    src = sprite[..., 3]
    ys, yd = (slice(0, h - dy), slice(dy, h)) if dy >= 0 else (slice(-dy, h), slice(0, h + dy))
    xs, xd = (slice(0, w - dx), slice(dx, w)) if dx >= 0 else (slice(-dx, w), slice(0, w + dx))
    a[yd, xd] = src[ys, xs]
    if radius > 0:
        a = blur(a, radius)
    out = np.zeros((h, w, 4), np.float32)
    out[..., :3] = (10, 20, 28)
    out[..., 3] = a * opacity
    return out


# --------------------------------------------------------------- output
def keyed(img, key=KEY, threshold=128):
    """RGBA float -> RGB uint8 with binary transparency: alpha >= threshold
    keeps its own colour (nudged off the key's 16-bit value), the rest is
    exactly the key."""
    a = img[..., 3]
    rgb = np.clip(np.rint(img[..., :3]), 0, 255).astype(np.uint8)
    opaque = a >= threshold
    kv = rgb565(key)
    r = rgb[..., 0].astype(np.int32)
    g = rgb[..., 1].astype(np.int32)
    b = rgb[..., 2].astype(np.int32)
    v = ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3)
    clash = opaque & (v == kv)
    if clash.any():
        # move green up a step: leaves the key's 16-bit value
        rgb[..., 1] = np.where(clash, np.clip(g + 8, 0, 255), g).astype(np.uint8)
    out = rgb.copy()
    out[~opaque] = key
    return out


def opaque(img):
    """RGBA float (or RGB) -> RGB uint8, ignoring alpha."""
    return np.clip(np.rint(img[..., :3]), 0, 255).astype(np.uint8)


def save(path, rgb):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    Image.fromarray(rgb, mode="RGB").save(path, format="PNG", optimize=False)


def load_rgba(path):
    return np.asarray(Image.open(path).convert("RGBA")).astype(np.float32)


def check_key(rgb, key=KEY):
    """Count pixels that reduce to the key's 16-bit value but are not exactly
    the key (should be 0)."""
    r = rgb[..., 0].astype(np.int32)
    g = rgb[..., 1].astype(np.int32)
    b = rgb[..., 2].astype(np.int32)
    v = ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3)
    exact = (r == key[0]) & (g == key[1]) & (b == key[2])
    return int(((v == rgb565(key)) & ~exact).sum())


def sea(w, h, seed=7):
    """A calm sea texture in the style's teal-blue range (opaque RGBA)."""
    n = fbm(w, h, seed, base=96, octaves=5)
    ripple = fbm(w, h, seed + 5, base=12, octaves=2)
    t = np.clip(0.25 + 0.6 * n + 0.25 * (ripple - 0.5), 0, 1)
    col = lerp_colors(t, [(0.0, (27, 84, 124)), (0.5, SEA_DARK), (1.0, SEA_LIGHT)])
    return rgba(col)


# ---------------------------------------------------------------- flames
def _tongue(x, y, length, width, angle):
    """SVG path of one flame tongue from (x, y); angle in degrees, 0 = up."""
    a = np.radians(angle)
    dx, dy = np.sin(a), -np.cos(a)
    px, py = -dy, dx
    tx, ty = x + dx * length, y + dy * length
    lx, ly = x + px * width / 2, y + py * width / 2
    rx, ry = x - px * width / 2, y - py * width / 2
    c1x, c1y = x + dx * length * 0.45 + px * width * 0.55, y + dy * length * 0.45 + py * width * 0.55
    c2x, c2y = x + dx * length * 0.45 - px * width * 0.55, y + dy * length * 0.45 - py * width * 0.55
    bx, by = x - dx * width * 0.45, y - dy * width * 0.45
    return (f"M{lx:.1f},{ly:.1f} Q{c1x:.1f},{c1y:.1f} {tx:.1f},{ty:.1f} "
            f"Q{c2x:.1f},{c2y:.1f} {rx:.1f},{ry:.1f} Q{bx:.1f},{by:.1f} {lx:.1f},{ly:.1f} Z")


def flames_svg(points, frame, nframes, seed, wind=35.0, scale=1.0):
    """A fire made of a glowing base and tongues at the given points
    [(x, y, size[, angle]), ...]; tongues lean by `angle` (default: `wind`,
    degrees clockwise from up; light wind blows up-right).  `frame` of
    `nframes` animates lengths and sway.  Layers: dark red, orange, yellow,
    white-hot core."""
    rng = np.random.default_rng(seed)
    layers = [("#9e1f17", 1.0, 1.0), ("#e8561a", 0.78, 0.74), ("#ffae2a", 0.52, 0.5), ("#fff0a0", 0.25, 0.26)]
    params = []
    for pt in points:
        x, y, size = pt[:3]
        base_ang = pt[3] if len(pt) > 3 else wind
        for k in range(3):
            params.append((x + rng.uniform(-0.35, 0.35) * size, y + rng.uniform(-0.35, 0.35) * size, size,
                           rng.uniform(0, 2 * np.pi), rng.uniform(0.75, 1.25), base_ang + rng.uniform(-22, 22)))
    ph = 2 * np.pi * frame / nframes
    out = []
    for color, lf, wf in layers:
        ds = []
        blobs = []
        for (x, y, size, phi, lm, ang) in params:
            L = size * scale * lm * (0.75 + 0.3 * np.sin(ph + phi)) * 2.0
            sway = 9 * np.sin(ph * 2 + phi)
            ds.append(_tongue(x, y, L * lf, size * scale * 1.05 * wf, ang + sway))
            r = size * scale * 0.62 * wf * (0.9 + 0.12 * np.sin(ph + 2 * phi))
            blobs.append(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="{r:.1f}"/>')
        out.append(f'<g fill="{color}"><path d="{" ".join(ds)}"/>{"".join(blobs)}</g>')
    return "".join(out)


def smoke_layer(w, h, seed, frame, nframes, puffs, opacity=0.55):
    """Soft grey smoke puffs (RGBA) drifting up-right from the given sources
    [(x, y, r), ...]; for blending over opaque pictures only."""
    rng = np.random.default_rng(seed)
    out = np.zeros((h, w, 4), np.float32)
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float32)
    a = np.zeros((h, w), np.float32)
    for (x, y, r) in puffs:
        for k in range(6):
            t = ((k + frame / nframes) / 6.0)
            cx = x + t * r * 3.0 + rng.uniform(-2, 2)
            cy = y - t * r * 4.0 + rng.uniform(-2, 2)
            rr = r * (0.5 + t * 1.1)
            a = np.maximum(a, np.clip(1 - np.hypot(xx - cx, yy - cy) / rr, 0, 1) * (1 - t) ** 0.7)
    n = fbm(w, h, seed + 9, base=10, octaves=3)
    a = np.clip(a * (0.6 + 0.8 * n), 0, 1)
    g = 70 + 60 * n
    out[..., 0] = g
    out[..., 1] = g
    out[..., 2] = g + 4
    out[..., 3] = a * 255 * opacity
    return out

"""Map marks (islands, fuel depot, base, vortex) and the explosion frames."""
import math

import numpy as np

import builtin as kit

OUT = "#1a1a1a"


def blob(cx, cy, rx, ry, seed, n=14, wobble=0.18):
    rng = np.random.default_rng(seed)
    pts = []
    for k in range(n):
        a = 2 * math.pi * k / n
        r = 1 + wobble * rng.uniform(-1, 1)
        pts.append((cx + math.cos(a) * rx * r, cy + math.sin(a) * ry * r))
    # smooth closed curve through the points (Catmull-Rom as cubic Beziers)
    d = f"M{pts[0][0]:.2f} {pts[0][1]:.2f}"
    for i in range(n):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[(i + 1) % n], pts[(i + 2) % n]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d += f" C{c1[0]:.2f} {c1[1]:.2f} {c2[0]:.2f} {c2[1]:.2f} {p2[0]:.2f} {p2[1]:.2f}"
    return d + " Z"


def island_mark(w, h, people):
    parts = [f'<path d="{blob(14.5, 12, 13, 10.5, 4)}" fill="#e2d29a" stroke="#6b5a2e" stroke-width="1.2"/>',
             f'<path d="{blob(14.5, 12, 9.5, 7.5, 5)}" fill="#4b8a35"/>',
             f'<path d="{blob(12.5, 10.5, 5, 3.6, 6)}" fill="#6fae4a"/>']
    if people:
        parts.append(f'<circle cx="16" cy="12" r="4.4" fill="#e8321f" stroke="{OUT}" stroke-width="1"/>'
                     '<circle cx="16" cy="12" r="1.6" fill="#ffffff"/>')
    return kit.render(kit.svg(w, h, "".join(parts), vw=29, vh=24), w, h)


def s_palivo(w, h):
    parts = [f'<rect x="1.5" y="1.5" width="30" height="17" rx="3" fill="#f2b21b" stroke="{OUT}" stroke-width="1.4"/>',
             '<path d="M16.5 3.8 C19.5 8 21.6 10.6 21.6 13 A5.1 5.1 0 0 1 11.4 13 C11.4 10.6 13.5 8 16.5 3.8 Z" '
             'fill="#2a2a2a"/>',
             '<path d="M14 12.6 A2.6 2.6 0 0 0 16 15.6" fill="none" stroke="#f7e6a6" stroke-width="1.1"/>']
    return kit.render(kit.svg(w, h, "".join(parts), vw=33, vh=20), w, h)


def s_zakladna(w, h):
    parts = [f'<rect x="1.5" y="1.5" width="27" height="22" rx="3" fill="#f7f7f4" stroke="#c2261b" stroke-width="2.6"/>',
             '<rect x="1" y="1" width="28" height="23" rx="3.4" fill="none" stroke="#1a1a1a" stroke-width="0.8"/>',
             '<path d="M9 6 H12.4 V11 H17.6 V6 H21 V19 H17.6 V14 H12.4 V19 H9 Z" fill="#c2261b"/>']
    return kit.render(kit.svg(w, h, "".join(parts), vw=30, vh=25), w, h)


def s_tamrox(w, h):
    """A storm swirl: four curved arms turning round an eye."""
    c = 32.5
    parts = []
    for k in range(4):
        a0 = k * math.pi / 2
        pts = []
        for i in range(40):
            t = i / 39
            r = 4 + 27 * t
            a = a0 + 2.6 * t
            pts.append((c + math.cos(a) * r, c + math.sin(a) * r, t))
        outer = [(x, y) for x, y, _ in pts]
        # give the arm a width that thins towards the tip
        left, right = [], []
        for i, (x, y, t) in enumerate(pts):
            j = min(i + 1, len(pts) - 1)
            dx, dy = pts[j][0] - pts[max(i - 1, 0)][0], pts[j][1] - pts[max(i - 1, 0)][1]
            n = math.hypot(dx, dy) or 1
            wid = 4.2 * (1 - t) + 0.6
            left.append((x - dy / n * wid, y + dx / n * wid))
            right.append((x + dy / n * wid, y - dx / n * wid))
        d = "M" + " L".join(f"{x:.2f} {y:.2f}" for x, y in left + right[::-1]) + " Z"
        parts.append(f'<path d="{d}" fill="#b9a4e6" stroke="#4b2f8a" stroke-width="0.9"/>')
        del outer
    parts.append(f'<circle cx="{c}" cy="{c}" r="6.5" fill="#e9e2ff" stroke="#4b2f8a" stroke-width="1.2"/>'
                 f'<circle cx="{c}" cy="{c}" r="2.4" fill="#6d4cc2"/>')
    return kit.render(kit.svg(w, h, "".join(parts), vw=65, vh=65), w, h)


def ramp(t, stops):
    """Piecewise-linear colour ramp; t in 0..1, stops [(pos, (r, g, b)), ...]."""
    t = np.clip(t, 0, 1)
    out = np.zeros(t.shape + (3,))
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        m = (t >= p0) & (t <= p1)
        f = ((t - p0) / max(p1 - p0, 1e-6))[..., None]
        out[m] = (np.array(c0) * (1 - f) + np.array(c1) * f)[m]
    return out


FIRE = [(0.0, (255, 255, 236)), (0.25, (255, 233, 120)), (0.5, (255, 166, 38)), (0.75, (222, 78, 18)),
        (1.0, (120, 30, 10))]
SMOKE = [(0.0, (92, 86, 80)), (0.5, (66, 62, 60)), (1.0, (44, 42, 42))]

# per frame: fireball radius, heat (how much of it is still white-hot), smoke radius, smoke amount
FRAMES = [(15, 1.0, 0, 0.0), (27, 0.85, 20, 0.15), (37, 0.6, 34, 0.35), (43, 0.35, 44, 0.6),
          (40, 0.12, 50, 0.85), (24, 0.0, 54, 1.0)]


def explosion(k):
    def make(w, h):
        R, heat, SR, smoke = FRAMES[k]
        yy, xx = np.mgrid[0:h, 0:w].astype(np.float64)
        cx, cy = 54.0, 51.0
        r = np.hypot(xx - cx, yy - cy)
        n1 = kit.noise(w, h, 9, 900 + k)
        n2 = kit.noise(w, h, 16, 950 + k)
        img = np.zeros((h, w, 4))
        # smoke: lumpy dark cloud behind the fire, thinning into separate puffs
        if SR > 0:
            ds = r / SR + 0.55 * (n2 - 0.5) * (1 + smoke)
            puff = (ds < 1.0) & (n1 > 0.62 - 0.5 * smoke + 0.3 * np.clip(ds - 0.4, 0, 1))
            col = kit_ramp(ds * 0.8 + 0.4 * (1 - n1), SMOKE)
            img[puff, :3] = col[puff]
            img[puff, 3] = 255
        # fire: noisy ball, hottest in the middle
        df = r / R + 0.45 * (n1 - 0.5)
        fire = df < 1.0
        if k >= 4:
            fire &= (n2 > 0.5) if k == 4 else (kit.noise(w, h, 5, 990) > 0.58)  # the ball breaks up into flames and embers
        t = np.clip(df * (1.0 - 0.55 * heat) + 0.3 * (1 - heat), 0, 0.92)
        col = kit_ramp(t, FIRE)
        img[fire, :3] = col[fire]
        img[fire, 3] = 255
        # sparks flying out in the first frames
        if k < 3:
            rng = np.random.default_rng(70 + k)
            for _ in range(14 + 6 * k):
                a = rng.uniform(0, 2 * math.pi)
                d = rng.uniform(R * 0.9, R * 1.5)
                x, y = int(cx + math.cos(a) * d), int(cy + math.sin(a) * d)
                if 1 <= x < w - 1 and 1 <= y < h - 1:
                    img[y, x, :3] = (255, 226, 120)
                    img[y, x, 3] = 255
                    x2, y2 = int(cx + math.cos(a) * (d - 2)), int(cy + math.sin(a) * (d - 2))
                    img[y2, x2, :3] = (255, 160, 40)
                    img[y2, x2, 3] = 255
        return img.round().clip(0, 255).astype(np.uint8)
    return make


kit_ramp = ramp

PICTURES = {
    "04_s_ostrov": lambda w, h: island_mark(w, h, True),
    "05_s_palivo": s_palivo,
    "06_s_zakladna": s_zakladna,
    "08_s_tamrox": s_tamrox,
    "35_zeleny_strov": lambda w, h: island_mark(w, h, False),
}
PICTURES.update({f"{9 + k:02d}_vy{k + 1}": explosion(k) for k in range(6)})

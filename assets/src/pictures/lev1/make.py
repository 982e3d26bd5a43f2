"""Pictures of level file 1 (levels 1, 3, 5, 7, 9).

 8..12  rocky islands (tall obstacles: rock fills the area 20 px inside)
13..16  the survivors' camp laid on an island at (50, 105), four frames
17..21  start pictures of levels 1, 3, 5, 7 and 9 (made by briefing.py)

usage: make.py OUTDIR [LANG]
  LANG (default cs) other than cs draws only the pictures with words; the
  others, the same in every language, are expected in OUTDIR already.
"""
import os
import sys

import numpy as np

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import levkit as K  # noqa: E402
import briefing  # noqa: E402

ISLANDS = [  # (w, h, seed, corner radius, grass amount)
    (320, 340, 11, 46, 0.50),
    (360, 320, 12, 50, 0.42),
    (300, 360, 13, 40, 0.55),
    (380, 350, 14, 50, 0.35),
    (340, 380, 15, 44, 0.48),
]


def rounded_rect_sd(w, h, inset, r):
    """Signed distance to a rounded rectangle inset from the picture edges
    (negative inside)."""
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float32) + 0.5
    cx, cy = w / 2.0, h / 2.0
    hx, hy = w / 2.0 - inset - r, h / 2.0 - inset - r
    qx = np.abs(xx - cx) - hx
    qy = np.abs(yy - cy) - hy
    outside = np.sqrt(np.maximum(qx, 0) ** 2 + np.maximum(qy, 0) ** 2)
    inside = np.minimum(np.maximum(qx, qy), 0)
    return outside + inside - r


def rounded_rect_sd_box(xx, yy, x0, y0, x1, y1, r):
    """Signed distance to the rounded box (x0, y0)..(x1, y1) (negative inside)."""
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    qx = np.abs(xx - cx) - ((x1 - x0) / 2.0 - r)
    qy = np.abs(yy - cy) - ((y1 - y0) / 2.0 - r)
    outside = np.sqrt(np.maximum(qx, 0) ** 2 + np.maximum(qy, 0) ** 2)
    inside = np.minimum(np.maximum(qx, qy), 0)
    return outside + inside - r


def island(w, h, seed, radius, grass_amount):
    rng = np.random.default_rng(seed)
    sd = rounded_rect_sd(w, h, 9, radius)
    wobble = (K.fbm(w, h, seed, base=80, octaves=2) - 0.5) * 26
    wobble += (K.fbm(w, h, seed + 1, base=16, octaves=3) - 0.5) * 9
    e = sd + wobble                       # < 0 on land
    inner = (np.mgrid[0:h, 0:w][0] >= 18) & (np.mgrid[0:h, 0:w][0] < h - 18)
    inner &= (np.mgrid[0:h, 0:w][1] >= 18) & (np.mgrid[0:h, 0:w][1] < w - 18)
    # the rock must fill the obstacle area: push the shore outwards there
    e = np.where(inner, np.minimum(e, -6.0), e)
    e = K.blur(e, 1.0)
    depth = -e                            # distance inland, roughly

    n_big = K.fbm(w, h, seed + 100, base=90, octaves=5)
    n_mid = K.fbm(w, h, seed + 200, base=24, octaves=4)
    ridged = 1.0 - np.abs(2.0 * K.fbm(w, h, seed + 300, base=36, octaves=4) - 1.0)

    # A high plateau of organic outline stands on a low, wave-washed rock
    # shelf that fills the rest of the obstacle area.  The camp's place (and
    # the people's around it) is always on the plateau.
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float32)
    ex = 2.6
    pf = ((np.abs(xx - w / 2) / (w / 2 - 24)) ** ex + (np.abs(yy - h / 2) / (h / 2 - 24)) ** ex) ** (1 / ex)
    pf += (K.fbm(w, h, seed + 50, base=56, octaves=3) - 0.5) * 0.34
    camp_sd = rounded_rect_sd_box(xx, yy, 38, 64, 188, 248, 22)
    pm = np.minimum(pf, 1.0 + camp_sd / 40.0)
    pm = np.maximum(pm, 1.0 - depth / 26.0)          # never closer than ~26 px to the shore
    plat = np.clip((1.0 - pm) / 0.07, 0, 1)
    plat = K.blur(plat, 0.8)
    plat_in = np.clip((1.0 - pm) / 0.22, 0, 1)        # well inside the plateau
    cliff = plat * plat * (3 - 2 * plat)
    n_fine = K.fbm(w, h, seed + 250, base=8, octaves=2)
    # terraced rock: a few ledges that catch the light on their lower-left
    # faces and drop into shade on the upper-right ones
    base_h = cliff * (0.35 + 0.75 * (0.7 * n_big + 0.3 * n_mid))
    steps = 5.0
    q = base_h * steps
    fl = np.floor(q)
    fr = q - fl
    terr = (fl + np.clip((fr - 0.82) / 0.18, 0, 1)) / steps
    height = 0.22 * terr + 0.78 * terr * cliff + 0.06 * n_mid + 0.025 * n_fine
    height = K.blur(height, 0.9) * 70.0
    light = K.shade(height, strength=1.0)

    rock = K.lerp_colors(0.55 * n_mid + 0.45 * terr,
                         [(0.0, (98, 88, 76)), (0.45, (138, 131, 120)), (1.0, (176, 164, 142))])
    col = rock * (0.40 + 0.64 * light[..., None])
    # dark pockets in the hollows
    crev = np.clip((0.30 - n_mid) / 0.08, 0, 1) * cliff
    col = col * (1 - 0.35 * crev[..., None])
    depth_terr = terr

    # the low shelf: dark wet rock with tide pools, in the plateau's shadow
    # on its upper-right side
    shelf = 1.0 - cliff
    boulders = K.fbm(w, h, seed + 820, base=11, octaves=2)
    bl = K.shade(K.blur(boulders, 0.6) * 30.0)
    wet = K.lerp_colors(n_fine * 0.4 + n_mid * 0.6, [(0.0, (84, 76, 66)), (1.0, (128, 118, 102))])
    wet = wet * (0.74 + 0.32 * bl[..., None])
    pools = (K.fbm(w, h, seed + 800, base=12, octaves=3) > 0.70).astype(np.float32) * (shelf > 0.9)
    pool_rim = np.clip(K.blur(pools, 1.0) * 3, 0, 1) * (1 - pools)
    pool_col = K.lerp_colors(n_fine, [(0, (38, 100, 128)), (1, (52, 124, 150))])
    wet = wet * (1 - pool_rim[..., None] * 0.3) + np.array((190, 180, 160), np.float32) * pool_rim[..., None] * 0.3
    wet = wet * (1 - pools[..., None]) + pool_col * pools[..., None]
    col = col * (1 - shelf[..., None]) + wet * shelf[..., None]
    cast = np.zeros_like(cliff)
    cast[:-8, 8:] = cliff[8:, :-8]
    cast = K.blur(cast, 2.0) * shelf
    col = col * (1 - 0.45 * cast[..., None])

    # grass on the plateau
    g = n_big * 0.4 + n_mid * 0.3 + 0.3 * depth_terr
    grass_t = np.clip((g - (1.0 - grass_amount)) / 0.035, 0, 1) * plat_in
    tufts = K.fbm(w, h, seed + 400, base=7, octaves=2)
    grass = K.lerp_colors(tufts, [(0.0, (56, 100, 40)), (0.5, (75, 138, 53)), (1.0, (95, 158, 63))])
    grass = grass * (0.70 + 0.32 * light[..., None])
    grass = np.where((tufts < 0.30)[..., None], grass * 0.78, grass)
    col = col * (1 - grass_t[..., None]) + grass * grass_t[..., None]

    # bushes on the grass: round canopies lit from the lower left, with
    # their shadows falling up-right
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float32)
    cand = np.argwhere(grass_t > 0.9)
    if len(cand):
        picks = cand[rng.choice(len(cand), size=min(len(cand), int(28 * grass_amount * 2)), replace=False)]
        radii = rng.uniform(3.5, 7.5, size=len(picks))
        for (py, px), r in zip(picks, radii):
            sh = np.hypot(xx - px - r * 0.6, yy - py + r * 0.6) < r
            col[sh] *= 0.62
        for (py, px), r in zip(picks, radii):
            d = np.hypot(xx - px, yy - py)
            m = d < r
            hl = np.clip(1 - np.hypot(xx - px + r * 0.35, yy - py - r * 0.35) / r, 0, 1)
            bush = np.stack([38 + 50 * hl, 82 + 70 * hl, 30 + 36 * hl], -1)
            col[m] = bush[m]
            rim = (d >= r - 1) & m
            col[rim] *= 0.82
    # a sandy foot along the waterline, wet then dry
    sand_w = 3.0 + 5.0 * K.fbm(w, h, seed + 500, base=30, octaves=2)
    sand_t = np.clip((sand_w - depth) / 2.0, 0, 1) * (depth > -1)
    sand = K.lerp_colors(np.clip(depth / np.maximum(sand_w, 1), 0, 1),
                         [(0.0, (205, 182, 124)), (1.0, (226, 210, 154))])
    col = col * (1 - sand_t[..., None]) + sand * sand_t[..., None]

    # dark wet line at the very edge
    edge = np.clip(1.5 - np.abs(depth), 0, 1)
    col = col * (1 - 0.35 * edge[..., None])
    land = depth > 0

    # broken surf around the shore, and a few boulders in it
    surf = (depth <= 0) & (depth > -4.5) & (K.fbm(w, h, seed + 600, base=10, octaves=2) > 0.47)
    img = np.zeros((h, w, 4), np.float32)
    img[..., :3] = col
    img[..., 3] = np.where(land, 255, 0)
    foam = K.lerp_colors(K.fbm(w, h, seed + 700, base=5, octaves=2), [(0, (200, 226, 232)), (1, (240, 248, 250))])
    img[surf, :3] = foam[surf]
    img[surf, 3] = 255
    for _ in range(9):
        side = rng.integers(4)
        t = rng.random()
        px = [t * w, w - 6, t * w, 6][side]
        py = [6, t * h, h - 6, t * h][side]
        r = rng.uniform(2.5, 5.0)
        yy, xx = np.mgrid[0:h, 0:w]
        dd = np.hypot(xx - px, yy - py)
        m = (dd < r) & (depth <= 0)
        shade_b = np.clip(1.0 - ((xx - px + r * 0.4) ** 2 + (yy - py - r * 0.4) ** 2) ** 0.5 / (r * 1.6), 0, 1)
        bcol = np.stack([100 + 70 * shade_b, 94 + 66 * shade_b, 86 + 60 * shade_b], -1)
        img[m, :3] = bcol[m]
        img[m, 3] = 255
        ring = (dd >= r) & (dd < r + 1.2) & (depth <= 0)
        img[ring, :3] = (230, 240, 242)
        img[ring, 3] = 255
    return img


# ------------------------------------------------------------ the camp
CAMP_W, CAMP_H = 120, 130


def camp_ground(seed=5):
    w, h = CAMP_W, CAMP_H
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float32)
    # an irregular trampled clearing
    d = np.hypot((xx - w / 2) / (w / 2 - 2), (yy - h / 2) / (h / 2 - 2))
    d = d + (K.fbm(w, h, seed, base=20, octaves=3) - 0.5) * 0.35
    mask = d < 0.95
    n = K.fbm(w, h, seed + 1, base=10, octaves=3)
    col = K.lerp_colors(n, [(0, (176, 150, 100)), (0.5, (205, 182, 124)), (1, (222, 204, 150))])
    rim = np.clip((d - 0.78) / 0.17, 0, 1)
    col = col * (1 - rim[..., None]) + np.array((120, 128, 70), np.float32) * rim[..., None]
    img = np.zeros((h, w, 4), np.float32)
    img[..., :3] = col
    img[..., 3] = np.where(mask, 255, 0)
    return img


def sos_stones():
    pts = []
    def S(x0):
        for t in np.linspace(0, 1, 7):
            a = np.pi * (0.25 + 1.25 * t)
            pts.append((x0 + 5 + 4.5 * np.cos(a), 112 - 3.8 * np.sin(a) + 0.0))
        for t in np.linspace(0, 1, 6)[1:]:
            a = np.pi * (0.5 - 1.25 * t)
            pts.append((x0 + 5 + 4.5 * np.cos(a), 120 - 3.8 * np.sin(a)))
    def O(x0):
        for t in np.linspace(0, 2 * np.pi, 11)[:-1]:
            pts.append((x0 + 5 + 4.6 * np.cos(t), 116 + 7.6 * np.sin(t)))
    S(34); O(52); S(70)
    return "".join(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="1.9"/>' for x, y in pts)


def camp_svg(frame):
    """Tent, supply crates, SOS stones, a flag and a campfire (the parts that
    move are the flame and the flag)."""
    flick = [(0, 0, 1.0), (1, -1, 1.15), (-1, 0, 0.9), (0, 1, 1.08)][frame]
    fx, fy = 58 + flick[0], 70 + flick[1]
    s = flick[2]
    # flame tongues, pointing up-right (the wind)
    tongues = []
    for i, (a, l) in enumerate([(-60, 11), (-20, 13), (20, 10), (-100, 8), (60, 8)]):
        ang = np.radians(a + [0, 12, -10, 6][frame] * (1 if i % 2 else -1))
        L = l * s * (1.0 + 0.15 * ((frame + i) % 3 - 1))
        tx, ty = fx + np.sin(ang) * L, fy - np.cos(ang) * L
        bx1, by1 = fx + np.cos(ang) * 3.2, fy + np.sin(ang) * 3.2
        bx2, by2 = fx - np.cos(ang) * 3.2, fy - np.sin(ang) * 3.2
        tongues.append(f'<path d="M{bx1:.1f},{by1:.1f} Q{(bx1+tx)/2+1:.1f},{(by1+ty)/2:.1f} {tx:.1f},{ty:.1f} '
                       f'Q{(bx2+tx)/2-1:.1f},{(by2+ty)/2:.1f} {bx2:.1f},{by2:.1f} Z"/>')
    flag_wave = [0, 2, 0, -2][frame]
    flag_wave2 = [2, 0, -2, 0][frame]
    sos = sos_stones()
    body = f'''
  <!-- SOS of stones between the two groups of people -->
  <g fill="#eeeae0" stroke="#5a554c" stroke-width="0.7">{sos}</g>
  <!-- shadow of the tent (up-right) -->
  <path d="M40,14 L82,6 L92,36 L50,44 Z" fill="#000" opacity="0.28" transform="translate(5,-4)"/>
  <!-- tent: orange ridge tent seen from above -->
  <g stroke="#1a1a1a" stroke-width="1">
    <path d="M40,14 L82,6 L92,36 L50,44 Z" fill="#e46f1c"/>
    <path d="M61,10 L71,40 L92,36 L82,6 Z" fill="#b8521a"/>
    <path d="M40,14 L61,10 L71,40 L50,44 Z" fill="#f08a34"/>
    <path d="M61,10 L71,40" stroke="#fff3d8" stroke-width="1.4"/>
  </g>
  <!-- crates -->
  <g stroke="#1a1a1a" stroke-width="0.9">
    <rect x="86" y="48" width="16" height="13" fill="#8b6a3e"/>
    <path d="M86,54.5 H102 M94,48 V61" stroke="#5e4526"/>
    <rect x="20" y="52" width="13" height="11" fill="#7a7d3c"/>
    <path d="M22,57.5 H31" stroke="#d8d3a0"/>
  </g>
  <!-- fire ring and logs -->
  <circle cx="58" cy="70" r="9" fill="#3b342c" stroke="#6d655a" stroke-width="2.5" stroke-dasharray="3 1.6"/>
  <g stroke="#2a1d12" stroke-width="1"><path d="M50,76 L66,64" stroke="#5b3c22" stroke-width="3"/>
  <path d="M50,64 L66,76" stroke="#6b4828" stroke-width="3"/></g>
  <!-- glow and flames -->
  <circle cx="{fx}" cy="{fy}" r="{12*s:.1f}" fill="#ffb347" opacity="0.28"/>
  <g fill="#e8481c">{''.join(tongues)}</g>
  <g fill="#ffb020" transform="translate({fx},{fy}) scale(0.6) translate({-fx},{-fy})">{''.join(tongues)}</g>
  <circle cx="{fx}" cy="{fy}" r="2.6" fill="#fff1a8"/>
  <!-- flag pole with a red-white cloth blowing up-right -->
  <circle cx="92" cy="94" r="2.2" fill="#3a3a3a"/>
  <path d="M92,94 q5,{-3+flag_wave} 9,-8 q3,{-3+flag_wave2} 6,-8 l3,4 q-3,{3-flag_wave2} -6,8 q-4,{3-flag_wave} -10,8 Z"
        fill="#d42a22" stroke="#1a1a1a" stroke-width="0.8"/>
  <path d="M95,92 q4,{-3+flag_wave} 7,-6" stroke="#ffffff" stroke-width="2" fill="none"/>
'''
    return K.svg_doc(CAMP_W, CAMP_H, body)


def camp(frame):
    img = camp_ground()
    art = K.svg_render(camp_svg(frame), CAMP_W, CAMP_H)
    K.over(img, art)
    return img


def main(out, lang="cs"):
    K.set_language(lang)
    if lang == "cs":  # the pictures without words
        for i, (w, h, seed, r, g) in enumerate(ISLANDS):
            K.save(os.path.join(out, f"{8 + i:02d}_ostrov{i + 1}.png"), K.keyed(island(w, h, seed, r, g)))
        for f in range(4):
            K.save(os.path.join(out, f"{13 + f:02d}_tabor{f + 1}.png"), K.keyed(camp(f)))
    briefing.make(1, out, os.path.join(out, "17_start1.png"))
    briefing.make(3, out, os.path.join(out, "18_start3.png"))
    briefing.make(5, out, os.path.join(out, "19_start5.png"))
    briefing.make(7, out, os.path.join(out, "20_start7.png"))
    briefing.make(9, out, os.path.join(out, "21_start9.png"))


if __name__ == "__main__":
    main(*sys.argv[1:3])

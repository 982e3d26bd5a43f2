"""Land pieces drawn over the sea: the three grass islands, the start islet, the
base building and the fuel depot.

The game counts the area 20 px inside a land picture's edges as land (and the
two buildings' inner area as a tall obstacle), so the ground always covers that
inner rectangle; the shore winds through the outer 20 px, with the colour key
outside it.
"""
import math

import numpy as np

import builtin as kit

MARGIN = 20
# The base building's sign, one entry per language.
BASE_WORDS = {"cs": {"station": "ZÁCHRANNÁ STANICE"}, "en": {"station": "RESCUE STATION"}}
STATION_ROOM = (26, 262, 237, 30)  # on the roof, between the red cross and the units below


def land_mask(w, h, seed, reach=(1.5, 18.5)):
    """Shoreline in the outer margin: distance outside the inner rectangle below a wavy limit."""
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float64)
    dx = np.maximum(np.maximum(MARGIN - xx, xx - (w - 1 - MARGIN)), 0)
    dy = np.maximum(np.maximum(MARGIN - yy, yy - (h - 1 - MARGIN)), 0)
    dist = np.hypot(dx, dy)
    n = 0.75 * kit.noise(w, h, 55, seed, octaves=2) + 0.25 * kit.noise(w, h, 9, seed + 7, octaves=2)
    n = (n - n.min()) / max(n.max() - n.min(), 1e-6)
    lo, hi = reach
    limit = MARGIN - (lo + (hi - lo) * n)  # 4 .. 17 px of land beyond the inner rectangle
    return dist < limit, limit - dist       # mask, depth inland from the shore (in the margin)


def shore_depth(mask):
    """Approximate distance of each land pixel from the water, up to 16 px."""
    depth = np.zeros(mask.shape)
    cur = mask.copy()
    for i in range(16):
        depth += cur
        # erode by one pixel (4-neighbourhood)
        e = cur.copy()
        e[1:, :] &= cur[:-1, :]
        e[:-1, :] &= cur[1:, :]
        e[:, 1:] &= cur[:, :-1]
        e[:, :-1] &= cur[:, 1:]
        cur = e
    return depth


def ground(w, h, seed, kind="grass"):
    """Grass (or paved ground) with a sandy shore and a surf line; returns RGBA."""
    mask, _ = land_mask(w, h, seed)
    depth = shore_depth(mask)
    n1 = kit.noise(w, h, 18, seed + 1)
    n2 = kit.noise(w, h, 5, seed + 2, octaves=2)
    if kind == "grass":
        base = np.array([95, 158, 63]) * (1 - n1[..., None]) + np.array([75, 138, 53]) * n1[..., None]
        tufts = (n2 > 0.66)[..., None]
        base = np.where(tufts, base * 0.82, base)
        light = (n2 < 0.28)[..., None]
        base = np.where(light, base * 1.08, base)
    else:  # paved yard: warm concrete slabs with joints
        base = np.array([176, 168, 150]) + (n1[..., None] - 0.5) * 24
        yy, xx = np.mgrid[0:h, 0:w]
        joints = ((xx % 24) == 0) | ((yy % 24) == 0)
        base = np.where(joints[..., None], base * 0.86, base)
    rgb = base.copy()
    sand_w = 5 + 4 * kit.noise(w, h, 25, seed + 3)
    if kind == "grass":
        # the grass is a rounded patch; the sand around it widens into the corners
        yy, xx = np.mgrid[0:h, 0:w].astype(np.float64)
        ax, ay = w / 2 - 24, h / 2 - 24
        se = (np.abs(xx - w / 2) / ax) ** 2.6 + (np.abs(yy - h / 2) / ay) ** 2.6
        se = se ** (1 / 2.6) + 0.22 * (kit.noise(w, h, 30, seed + 4, octaves=3) - 0.5)
        inland = np.clip((1.0 - se) * min(ax, ay), 0, None)
        sand_w = np.maximum(sand_w, depth - inland + 5)
    dry = np.array([226, 210, 154]) + (n2[..., None] - 0.5) * 16
    wet = np.array([205, 182, 124])
    # beach between the water and the grass, wet at the water's edge
    f = np.clip((depth - 2) / np.maximum(sand_w - 2, 1), 0, 1)[..., None]
    beach = wet * (1 - f) + dry * f
    on_beach = (depth < sand_w)[..., None]
    rgb = np.where(on_beach, beach, rgb)
    # a soft grass edge over the sand
    edge = ((depth >= sand_w) & (depth < sand_w + 1.5))[..., None]
    rgb = np.where(edge, rgb * 0.9, rgb)
    surf = (depth <= 1.0)[..., None]
    rgb = np.where(surf, np.array([236, 244, 240]), rgb)
    return kit.rgba(rgb, mask.astype(np.float64))


def trees(img, spots, seed):
    """Round tree crowns with their shadows thrown up and to the right."""
    h, w = img.shape[:2]
    layer_s, layer_t = [], []
    rng = np.random.default_rng(seed)
    for x, y, r in spots:
        layer_s.append(f'<circle cx="{x + r * 0.55:.1f}" cy="{y - r * 0.55:.1f}" r="{r:.1f}" fill="#22401a" opacity="0.55"/>')
        layer_t.append(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="{r:.1f}" fill="url(#crown)" stroke="#1e3a16" stroke-width="0.8"/>')
        for _ in range(3):
            a = rng.uniform(0, 2 * math.pi)
            rr = r * rng.uniform(0.3, 0.6)
            layer_t.append(f'<circle cx="{x + math.cos(a) * rr:.1f}" cy="{y + math.sin(a) * rr:.1f}" '
                           f'r="{r * 0.35:.1f}" fill="#2f6a22" opacity="0.55"/>')
    defs = ('<radialGradient id="crown" cx="0.35" cy="0.65" r="0.75"><stop offset="0" stop-color="#7cc152"/>'
            '<stop offset="0.6" stop-color="#3f8a2c"/><stop offset="1" stop-color="#285e1c"/></radialGradient>')
    over = kit.render(kit.svg(w, h, "".join(layer_s + layer_t), defs), w, h)
    out = kit.over(over, img)
    out[..., 3] = img[..., 3]  # trees never grow out into the sea
    return out


def rocks(img, spots):
    h, w = img.shape[:2]
    p = []
    for x, y, r in spots:
        p.append(f'<ellipse cx="{x + 1.5}" cy="{y - 1.5}" rx="{r}" ry="{r * 0.75}" fill="#4a463f" opacity="0.6"/>'
                 f'<ellipse cx="{x}" cy="{y}" rx="{r}" ry="{r * 0.75}" fill="#8a8378" stroke="#3e3a34" stroke-width="0.8"/>'
                 f'<ellipse cx="{x - r * 0.25}" cy="{y + r * 0.15}" rx="{r * 0.55}" ry="{r * 0.4}" fill="#aaa396"/>')
    out = kit.over(kit.render(kit.svg(w, h, "".join(p)), w, h), img)
    out[..., 3] = img[..., 3]
    return out


def scatter(w, h, count, seed, keep_out=(), rmin=6, rmax=11):
    rng = np.random.default_rng(seed)
    # keep to the middle, where the grass is
    keep_out = tuple(keep_out) + ((0, 0, w, 34), (0, h - 34, w, h), (0, 0, 34, h), (w - 34, 0, w, h))
    spots = []
    tries = 0
    while len(spots) < count and tries < 2000:
        tries += 1
        r = rng.uniform(rmin, rmax)
        x = rng.uniform(MARGIN + r + 4, w - MARGIN - r - 4)
        y = rng.uniform(MARGIN + r + 4, h - MARGIN - r - 4)
        if any(x0 - r < x < x1 + r and y0 - r < y < y1 + r for x0, y0, x1, y1 in keep_out):
            continue
        if any(math.hypot(x - a, y - b) < r + c + 3 for a, b, c in spots):
            continue
        spots.append((x, y, r))
    return spots


def island(seed, n_trees, n_rocks, keep_out=()):
    def make(w, h):
        img = ground(w, h, seed)
        img = rocks(img, scatter(w, h, n_rocks, seed + 10, keep_out, 3, 5))
        return trees(img, scatter(w, h, n_trees, seed + 20, keep_out), seed + 30)
    return make


def start(w, h):
    """A small rocky islet with a lighthouse."""
    img = ground(w, h, 303)
    img = rocks(img, [(34, 40, 7), (92, 120, 6), (40, 125, 5), (95, 45, 4)])
    p = ['<circle cx="71" cy="72" r="19" fill="#22401a" opacity="0.45"/>',
         '<circle cx="63" cy="80" r="19" fill="url(#tower)" stroke="#1a1a1a" stroke-width="1.2"/>',
         '<circle cx="63" cy="80" r="13" fill="#c8322a" stroke="#1a1a1a" stroke-width="1"/>',
         '<circle cx="63" cy="80" r="8" fill="#fff2b0" stroke="#1a1a1a" stroke-width="1"/>',
         '<circle cx="63" cy="80" r="3" fill="#444"/>',
         '<path d="M63 80 L110 66 L108 94 Z" fill="#fff6c8" opacity="0.35"/>']
    defs = ('<radialGradient id="tower" cx="0.35" cy="0.65" r="0.8"><stop offset="0" stop-color="#ffffff"/>'
            '<stop offset="1" stop-color="#b9b6ae"/></radialGradient>')
    out = kit.over(kit.render(kit.svg(w, h, "".join(p), defs), w, h), img)
    out[..., 3] = img[..., 3]
    return out


def roof_svg(w, h, x0, y0, x1, y1, body):
    defs = ('<linearGradient id="roof" x1="0" y1="1" x2="1" y2="0"><stop offset="0" stop-color="#b9b4a8"/>'
            '<stop offset="1" stop-color="#8f8a80"/></linearGradient>'
            '<linearGradient id="tank" x1="0" y1="1" x2="1" y2="0"><stop offset="0" stop-color="#ffffff"/>'
            '<stop offset="0.55" stop-color="#d8dcdf"/><stop offset="1" stop-color="#8c9399"/></linearGradient>')
    shadow = (f'<path d="M{x1} {y0 + 8} L{x1 + 8} {y0} L{x1 + 8} {y1 - 8} L{x1} {y1} Z" fill="#2c2a24" opacity="0.5"/>'
              f'<path d="M{x0 + 8} {y0} L{x0 + 8} {y0 - 8} L{x1 + 8} {y0 - 8} L{x1} {y0} Z" fill="#2c2a24" opacity="0.5"/>')
    return kit.svg(w, h, shadow + body, defs)


def zakladna2(w, h):
    """The rescue base: a flat-roofed building with a red cross, a door on its left side
    under the canopy (10, 165), and the stretcher's way out along row 180."""
    img = ground(w, h, 416, kind="paved")
    x0, y0, x1, y1 = 18, 18, 271, 366
    sign = (f'<text x="150" y="290" text-anchor="middle" style="{kit.FONT_BOLD};font-size:15px" fill="#3b3934">'
            f'{kit.esc(kit.words(BASE_WORDS)["station"])}</text>')
    kit.expect_clear("ostrovy/zakladna2", kit.render(kit.svg(w, h, sign), w, h), kit.around(STATION_ROOM, w, h))
    b = [f'<rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" fill="#5b574f"/>',
         f'<rect x="{x0 + 4}" y="{y0 + 4}" width="{x1 - x0 - 8}" height="{y1 - y0 - 8}" fill="url(#roof)" '
         'stroke="#e2ddd0" stroke-width="1.5"/>',
         # a raised wing with terracotta roof at the top
         f'<rect x="{x0 + 14}" y="{y0 + 14}" width="150" height="70" fill="#b5583a" stroke="#6e301c" stroke-width="2"/>',
         f'<path d="M{x0 + 14} {y0 + 49} H{x0 + 164}" stroke="#8a3f27" stroke-width="2"/>',
         # red cross on a white square
         f'<rect x="95" y="150" width="110" height="110" fill="#f4f4f0" stroke="#5b574f" stroke-width="2"/>',
         '<rect x="135" y="160" width="30" height="90" fill="#d12a1f"/>',
         '<rect x="105" y="190" width="90" height="30" fill="#d12a1f"/>',
         # vents and units on the roof
         '<rect x="210" y="40" width="40" height="26" fill="#a7a39a" stroke="#4c4943" stroke-width="1.5"/>',
         '<circle cx="230" cy="53" r="9" fill="#6d6a63" stroke="#3b3934" stroke-width="1"/>',
         '<rect x="216" y="290" width="34" height="50" fill="#9e9a90" stroke="#4c4943" stroke-width="1.5"/>',
         '<line x1="220" y1="300" x2="246" y2="300" stroke="#5a5750" stroke-width="2"/>',
         '<line x1="220" y1="310" x2="246" y2="310" stroke="#5a5750" stroke-width="2"/>',
         '<line x1="220" y1="320" x2="246" y2="320" stroke="#5a5750" stroke-width="2"/>',
         '<rect x="48" y="300" width="22" height="22" fill="#77736b" stroke="#3b3934" stroke-width="1.2"/>',
         '<rect x="48" y="330" width="22" height="22" fill="#77736b" stroke="#3b3934" stroke-width="1.2"/>',
         # skylights
         '<rect x="46" y="120" width="28" height="18" fill="#6f9fc0" stroke="#3b3934" stroke-width="1.2"/>',
         '<rect x="46" y="226" width="28" height="18" fill="#6f9fc0" stroke="#3b3934" stroke-width="1.2"/>',
         # doorstep and walkway to the pad, along row 180
         '<rect x="0" y="168" width="22" height="26" fill="#c9c2b0"/>',
         '<rect x="6" y="165" width="14" height="32" fill="#3a2f28"/>',
         sign]
    over = kit.render(roof_svg(w, h, x0, y0, x1, y1, "".join(b)), w, h)
    out = kit.over(over, img)
    out[..., 3] = img[..., 3]
    return out


def benzin2(w, h):
    """The fuel depot: three round tanks, a pump house and the pipes between them."""
    img = ground(w, h, 520, kind="paved")
    p = []
    # bund walls round the tank yard
    p.append('<rect x="20" y="20" width="151" height="332" fill="#8f8878" stroke="#5e584c" stroke-width="3"/>')
    p.append('<rect x="26" y="26" width="139" height="320" fill="#a59d8a"/>')
    for cy in (78, 168, 258):
        p.append(f'<circle cx="{96 + 9}" cy="{cy - 9}" r="40" fill="#2c2a24" opacity="0.45"/>')
        p.append(f'<circle cx="96" cy="{cy}" r="40" fill="url(#tank)" stroke="#4b5055" stroke-width="2"/>')
        p.append(f'<circle cx="96" cy="{cy}" r="28" fill="none" stroke="#a8aeb3" stroke-width="1.5"/>')
        p.append(f'<circle cx="96" cy="{cy}" r="6" fill="#7a8187" stroke="#4b5055" stroke-width="1"/>')
        p.append(f'<path d="M96 {cy - 40} L96 {cy - 28}" stroke="#e2b21b" stroke-width="3"/>')
    # pipes along the left, into the pump house at the bottom
    p.append('<path d="M40 60 V330 M48 60 V330" stroke="#d9a21b" stroke-width="4" fill="none"/>')
    for cy in (78, 168, 258):
        p.append(f'<path d="M48 {cy} H60" stroke="#d9a21b" stroke-width="4"/>')
    p.append('<rect x="112" y="306" width="50" height="38" fill="#c4553a" stroke="#6e301c" stroke-width="2"/>'
             '<path d="M112 325 H162" stroke="#8a3f27" stroke-width="2"/>')
    p.append(f'<text x="96" y="352" text-anchor="middle" style="{kit.FONT_BOLD};font-size:9px" fill="#3b3934"></text>')
    over = kit.render(roof_svg(w, h, 20, 20, 171, 352, "".join(p)), w, h)
    out = kit.over(over, img)
    out[..., 3] = img[..., 3]
    return out


# trava1 also lies under both pads, which cover its area (60, 50)-(157, 162): no trees there
PICTURES = {
    "26_trava1": island(126, 9, 4, keep_out=((55, 45, 162, 167),)),
    "27_trava2": island(227, 11, 5),
    "28_trava3": island(328, 8, 6),
    "03_start": start,
    "16_zakladna2": zakladna2,
    "20_benzin2": benzin2,
}

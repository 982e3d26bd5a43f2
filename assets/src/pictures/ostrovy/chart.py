"""The sea chart of the map screen and the two intro pictures.

Chart geometry: drawn at (0, 0); the world origin is the screen point (350, 280)
and one map unit is one pixel, so the grid lines every 100 units cross there.
The map's bounds (x -350..440, y -280..240) are the chart's edges. Islands are
not drawn in: the map screen puts its own marks on it.
"""
import math

import numpy as np

import builtin as kit

OX, OY = 350, 280

# The chart's words, one entry per language.
CHART_WORDS = {
    "cs": {
        "north": "S",  # sever
        "title": "MAPA OBLASTI",
        "scale": "1 dílek = 100 jednotek",
    },
    "en": {
        "north": "N",
        "title": "AREA MAP",
        "scale": "1 division = 100 units",
    },
}
# The studio logo's and the title picture's words (the studio's name and the
# word SOFTWARE are the logo itself).
INTRO_WORDS = {
    "cs": {"studio": "herní studio", "title": "ZÁCHRANNÝ VRTULNÍK", "subtitle": "BOUŘE NAD OSTROVY"},
    "en": {"studio": "game studio", "title": "RESCUE HELICOPTER", "subtitle": "STORM OVER THE ISLANDS"},
}

# What lies over the chart on screen (x, y, w, h): the two counter panels, the
# instrument panel from row 525, the text "F1  Help" written at (700, 70) (about
# 56 x 18 in the game's font), the mission clock of the timed levels and level 8's
# rescue area, laid over the map at (170, 370).
COVERED = [(0, 0, 129, 57), (364, 0, 129, 57), (0, 525, 801, 75), (698, 68, 62, 22),
           (680, 150, 96, 96), (173, 379, 274, 84)]
CLEAR = 6  # what the chart's words keep off those places
ROSE = (700, 415, 62)  # compass rose, bottom right, below the clock: centre and radius
CARTOUCHE = (26, 452, 139, 44)  # between the row label 5 and level 8's rescue area


def near(x, y, rects, margin):
    return any(rx - margin <= x < rx + rw + margin and ry - margin <= y < ry + rh + margin
               for rx, ry, rw, rh in rects)


def rose():
    cx, cy, r = ROSE
    p = [f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="none" stroke="#f3e6bd" stroke-width="1.2" opacity="0.8"/>'
         f'<circle cx="{cx}" cy="{cy}" r="{r - 8}" fill="none" stroke="#f3e6bd" stroke-width="0.6" opacity="0.8"/>']
    for i in range(32):
        a = 2 * math.pi * i / 32
        r0 = r - (8 if i % 4 == 0 else 4)
        p.append(f'<line x1="{cx + r0 * math.sin(a):.1f}" y1="{cy - r0 * math.cos(a):.1f}" '
                 f'x2="{cx + r * math.sin(a):.1f}" y2="{cy - r * math.cos(a):.1f}" stroke="#f3e6bd" stroke-width="0.8"/>')
    for i in range(8):
        a = 2 * math.pi * i / 8
        long_ = i % 2 == 0
        L = r - 10 if long_ else (r - 10) * 0.6
        wdt = 9 if long_ else 6
        tip = (cx + L * math.sin(a), cy - L * math.cos(a))
        left = (cx + wdt * math.sin(a - math.pi / 2), cy - wdt * math.cos(a - math.pi / 2))
        right = (cx + wdt * math.sin(a + math.pi / 2), cy - wdt * math.cos(a + math.pi / 2))
        p.append(f'<path d="M{cx} {cy} L{left[0]:.1f} {left[1]:.1f} L{tip[0]:.1f} {tip[1]:.1f} Z" fill="#f3e6bd"/>'
                 f'<path d="M{cx} {cy} L{right[0]:.1f} {right[1]:.1f} L{tip[0]:.1f} {tip[1]:.1f} Z" fill="#b89c5a"/>')
    p.append(f'<text x="{cx}" y="{cy - r - 5}" text-anchor="middle" style="{kit.FONT_SERIF};font-size:14px" '
             f'fill="#f3e6bd">{kit.esc(kit.words(CHART_WORDS)["north"])}</text>')
    return "".join(p)


def readable(w, h):
    """What the player reads on the chart: grid labels, soundings, the rose and the cartouche."""
    p = []
    for i, x in enumerate(range(OX % 100, w, 100)):
        p.append(f'<text x="{x + 3}" y="{h - 16}" style="font-family:\'DejaVu Sans\';font-size:9px" '
                 f'fill="#e8f6fb" opacity="0.8">{"ABCDEFGH"[i]}</text>')
    for i, y in enumerate(range(OY % 100, h, 100)):
        p.append(f'<text x="16" y="{y - 3}" style="font-family:\'DejaVu Sans\';font-size:9px" '
                 f'fill="#e8f6fb" opacity="0.8">{i + 1}</text>')
    # depth soundings, off the rose, the cartouche and whatever lies over the chart;
    # (x, y) is a number's baseline start, the number about 10 x 8 above it
    rng = np.random.default_rng(222)
    cx, cy, r = ROSE
    for _ in range(60):
        x, y = rng.uniform(30, w - 30), rng.uniform(30, h - 30)
        depth = int(rng.integers(12, 95))
        if (abs(x - cx) < r + 23 and abs(y - cy) < r + 23) or near(x, y, [CARTOUCHE], 14) \
                or any(near(x + dx, y + dy, COVERED, CLEAR) for dx in (0, 10) for dy in (0, -8)):
            continue
        p.append(f'<text x="{x:.0f}" y="{y:.0f}" style="font-family:\'DejaVu Serif\';font-size:8px;font-style:italic" '
                 f'fill="#cfe8f2" opacity="0.6">{depth}</text>')
    p.append(rose())
    x, y, cw, ch = CARTOUCHE
    p.append(f'<rect x="{x}" y="{y}" width="{cw}" height="{ch}" rx="4" fill="#1d4d6a" opacity="0.75" '
             'stroke="#f3e6bd" stroke-width="1.2"/>' + cartouche_words())
    return "".join(p)


def cartouche_words():
    x, y, cw, ch = CARTOUCHE
    words = kit.words(CHART_WORDS)
    return (f'<text x="{x + cw / 2}" y="{y + 20}" text-anchor="middle" style="{kit.FONT_SERIF};font-size:14px" '
            f'fill="#f3e6bd">{kit.esc(words["title"])}</text>'
            f'<text x="{x + cw / 2}" y="{y + 36}" text-anchor="middle" style="font-family:\'DejaVu Sans\';'
            f'font-size:9px" fill="#d8eef6">{kit.esc(words["scale"])}</text>')


def mapa(w, h):
    words = readable(w, h)
    clear = [(x - CLEAR, y - CLEAR, rw + 2 * CLEAR, rh + 2 * CLEAR) for x, y, rw, rh in COVERED]
    kit.expect_clear("ostrovy/mapa", kit.render(kit.svg(w, h, words), w, h), clear)
    x, y, cw, ch = CARTOUCHE
    kit.expect_clear("ostrovy/mapa cartouche", kit.render(kit.svg(w, h, cartouche_words()), w, h),
                     kit.around((x + 3, y + 3, cw - 6, ch - 6), w, h))
    defs = ('<filter id="paper" x="0" y="0" width="100%" height="100%">'
            '<feTurbulence type="fractalNoise" baseFrequency="0.02" numOctaves="4" seed="11"/>'
            '<feColorMatrix type="matrix" values="0 0 0 0 0.1  0 0 0 0 0.25  0 0 0 0 0.35  0 0 0 0.9 -0.3"/>'
            '</filter>'
            '<radialGradient id="vign" cx="0.5" cy="0.5" r="0.75"><stop offset="0.6" stop-color="#000" stop-opacity="0"/>'
            '<stop offset="1" stop-color="#000" stop-opacity="0.35"/></radialGradient>')
    p = [f'<rect width="{w}" height="{h}" fill="#3a8ab0"/>',
         f'<rect width="{w}" height="{h}" filter="url(#paper)" opacity="0.5"/>']
    # grid: every 100 units through the origin, finer every 20
    for x in range(OX % 20, w, 20):
        major = (x - OX) % 100 == 0
        p.append(f'<line x1="{x}" y1="0" x2="{x}" y2="{h}" stroke="#d8eef6" stroke-width="{1 if major else 0.5}" '
                 f'opacity="{0.55 if major else 0.18}"/>')
    for y in range(OY % 20, h, 20):
        major = (y - OY) % 100 == 0
        p.append(f'<line x1="0" y1="{y}" x2="{w}" y2="{y}" stroke="#d8eef6" stroke-width="{1 if major else 0.5}" '
                 f'opacity="{0.55 if major else 0.18}"/>')
    p.append(words)
    # frame on the chart's edges: the map's bounds
    p.append(f'<rect width="{w}" height="{h}" fill="url(#vign)"/>'
             f'<rect x="2" y="2" width="{w - 4}" height="{h - 4}" fill="none" stroke="#f3e6bd" stroke-width="3"/>'
             f'<rect x="8" y="8" width="{w - 16}" height="{h - 16}" fill="none" stroke="#f3e6bd" stroke-width="1" '
             'stroke-dasharray="10 10"/>')
    return kit.render(kit.svg(w, h, "".join(p), defs), w, h)


STUDIO_ROOM = (500, 74, 254, 25)  # under the red line, inside the picture
TITLE_ROOM = (8, 0, 784, 175)  # above the helicopter's rotor


def soft(w, h):
    """The studio logo, on black (the intro fades it in over black)."""
    studio = (f'<text x="502" y="92" style="font-family:\'DejaVu Sans\';font-size:14px;letter-spacing:4px" '
              f'fill="#9a9a9a">{kit.esc(kit.words(INTRO_WORDS)["studio"])}</text>')
    defs = ('<linearGradient id="metal" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#fff4d0"/>'
            '<stop offset="0.45" stop-color="#f2b23a"/><stop offset="0.55" stop-color="#c46a12"/>'
            '<stop offset="1" stop-color="#ffd27a"/></linearGradient>'
            '<filter id="g" x="-10%" y="-30%" width="120%" height="160%"><feGaussianBlur stdDeviation="5"/></filter>')
    p = [f'<rect width="{w}" height="{h}" fill="#000"/>',
         # rotor emblem
         '<g transform="translate(60 50)">'
         '<circle r="36" fill="none" stroke="#c42a1f" stroke-width="5"/>'
         '<path d="M-32 -6 L32 6 L32 -2 L-32 2 Z" fill="#e8e8e8" transform="rotate(-20)"/>'
         '<path d="M-32 -6 L32 6 L32 -2 L-32 2 Z" fill="#e8e8e8" transform="rotate(70)"/>'
         '<circle r="7" fill="#c42a1f" stroke="#fff" stroke-width="2"/></g>',
         f'<text x="130" y="78" style="{kit.FONT_BOLD};font-size:74px;letter-spacing:5px" fill="#ffa030" '
         'opacity="0.5" filter="url(#g)">KOVRA</text>',
         f'<text x="130" y="78" style="{kit.FONT_BOLD};font-size:74px;letter-spacing:5px" fill="url(#metal)" '
         'stroke="#5a2a08" stroke-width="1.5">KOVRA</text>',
         f'<text x="500" y="58" style="font-family:\'DejaVu Sans\';font-size:30px;letter-spacing:9px" '
         'fill="#d8d8d8">SOFTWARE</text>',
         '<rect x="502" y="70" width="250" height="3" fill="#c42a1f"/>',
         studio]
    kit.expect_clear("ostrovy/soft", kit.render(kit.svg(w, h, studio), w, h),
                     kit.around(STUDIO_ROOM, w, h))
    return kit.render(kit.svg(w, h, "".join(p), defs), w, h)


def intro(w, h):
    """Title picture: a rescue helicopter over a storm-tossed sea, lowering its seat
    to a man clinging to a rock, with the game's title above."""
    defs = """
      <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
        <stop offset="0" stop-color="#0a0e18"/><stop offset="0.5" stop-color="#26324a"/>
        <stop offset="1" stop-color="#4b5a70"/></linearGradient>
      <linearGradient id="sea" x1="0" y1="0" x2="0" y2="1">
        <stop offset="0" stop-color="#23405a"/><stop offset="1" stop-color="#081420"/></linearGradient>
      <filter id="clouds" x="0" y="0" width="100%" height="100%">
        <feTurbulence type="fractalNoise" baseFrequency="0.005 0.012" numOctaves="5" seed="21"/>
        <feColorMatrix type="matrix" values="0 0 0 0 0.42  0 0 0 0 0.45  0 0 0 0 0.52  0 0 0 2.2 -1.0"/>
      </filter>
      <filter id="waves" x="0" y="0" width="100%" height="100%">
        <feTurbulence type="turbulence" baseFrequency="0.01 0.05" numOctaves="4" seed="5"/>
        <feColorMatrix type="matrix" values="0 0 0 0 0.75  0 0 0 0 0.85  0 0 0 0 0.9  0 0 0 2.0 -0.55"/>
      </filter>
      <linearGradient id="beam" x1="0" y1="0" x2="0" y2="1">
        <stop offset="0" stop-color="#fff8d8" stop-opacity="0.6"/>
        <stop offset="1" stop-color="#fff8d8" stop-opacity="0.05"/></linearGradient>
      <linearGradient id="title" x1="0" y1="0" x2="0" y2="1">
        <stop offset="0" stop-color="#fff1b8"/><stop offset="0.5" stop-color="#f5a623"/>
        <stop offset="1" stop-color="#c4400f"/></linearGradient>
      <linearGradient id="hull" x1="0" y1="0" x2="0" y2="1">
        <stop offset="0" stop-color="#f0553f"/><stop offset="1" stop-color="#8e160f"/></linearGradient>
      <filter id="blur"><feGaussianBlur stdDeviation="3"/></filter>
    """
    horizon = 380
    p = [f'<rect width="{w}" height="{horizon}" fill="url(#sky)"/>',
         f'<rect width="{w}" height="{horizon}" filter="url(#clouds)"/>',
         # lightning
         '<path d="M660 165 L642 230 L656 230 L630 320 L668 218 L652 218 L676 165 Z" fill="#eef3ff" opacity="0.9"/>',
         '<path d="M660 165 L642 230 L656 230 L630 320 L668 218 L652 218 L676 165 Z" fill="#9fb8ff" opacity="0.6" filter="url(#blur)"/>',
         f'<rect y="{horizon}" width="{w}" height="{h - horizon}" fill="url(#sea)"/>',
         f'<rect y="{horizon}" width="{w}" height="{h - horizon}" filter="url(#waves)" opacity="0.8"/>',
         # rock with the man
         '<path d="M300 600 L330 505 Q360 470 400 480 Q440 470 470 510 L500 600 Z" fill="#2b2822"/>',
         '<path d="M335 505 Q362 478 398 486 L380 520 Z" fill="#4a463f"/>',
         '<path d="M250 560 Q400 520 560 565 L560 600 L250 600 Z" fill="#dfeef2" opacity="0.35" filter="url(#blur)"/>',
         # searchlight beam from the helicopter down to the rock
         '<path d="M392 262 L330 500 L470 500 L408 262 Z" fill="url(#beam)"/>',
         # the cable and the seat
         '<line x1="400" y1="262" x2="400" y2="440" stroke="#111" stroke-width="2"/>',
         '<rect x="390" y="440" width="20" height="10" rx="3" fill="#f06a1a" stroke="#111" stroke-width="1.5"/>',
         # the man, arms raised
         '<circle cx="402" cy="462" r="7" fill="#e9b48a" stroke="#111" stroke-width="1.2"/>',
         '<path d="M394 470 L410 470 L412 492 L392 492 Z" fill="#ff8a1c" stroke="#111" stroke-width="1.2"/>',
         '<path d="M395 472 L384 452 M409 472 L416 452" stroke="#111" stroke-width="5" stroke-linecap="round"/>',
         '<path d="M395 472 L384 452 M409 472 L416 452" stroke="#ff8a1c" stroke-width="3" stroke-linecap="round"/>',
         # helicopter, side view, facing left
         '<g transform="translate(300 180) scale(1.05)">'
         '<rect x="-40" y="6" width="280" height="4" fill="#111"/>'
         '<rect x="88" y="8" width="10" height="16" fill="#222"/>'
         '<path d="M20 55 Q22 28 56 24 L118 24 Q136 24 142 36 L206 40 L212 24 L222 24 L220 52 L142 54 '
         'Q130 70 102 70 L56 70 Q24 68 20 55 Z" fill="url(#hull)" stroke="#111" stroke-width="2"/>'
         '<path d="M28 48 Q32 32 58 30 L60 50 Z" fill="#9fd3ef" stroke="#111" stroke-width="1.5"/>'
         '<rect x="70" y="32" width="40" height="22" fill="#f4f4f0" stroke="#111" stroke-width="1"/>'
         '<rect x="86" y="35" width="8" height="16" fill="#d0281d"/><rect x="82" y="39" width="16" height="8" fill="#d0281d"/>'
         '<path d="M142 40 L206 42 L206 48 L142 50 Z" fill="#f4f4f0"/>'
         '<circle cx="217" cy="38" r="12" fill="none" stroke="#777" stroke-width="2" opacity="0.7"/>'
         '<rect x="40" y="82" width="110" height="4" rx="2" fill="#222"/>'
         '<rect x="60" y="68" width="4" height="15" fill="#222"/><rect x="122" y="68" width="4" height="15" fill="#222"/>'
         '</g>',
         # rain streaks
         ]
    rng = np.random.default_rng(3030)
    for _ in range(220):
        x, y = rng.uniform(0, w), rng.uniform(0, h)
        p.append(f'<line x1="{x:.0f}" y1="{y:.0f}" x2="{x - 6:.0f}" y2="{y + 18:.0f}" stroke="#c8d6e6" '
                 f'stroke-width="1" opacity="{rng.uniform(0.15, 0.4):.2f}"/>')
    words = kit.words(INTRO_WORDS)
    title = kit.esc(words["title"])
    titles = (f'<text x="403" y="104" text-anchor="middle" style="{kit.FONT_SERIF};font-size:46px;letter-spacing:1px" '
              f'fill="#000" opacity="0.7">{title}</text>'
              f'<text x="400" y="100" text-anchor="middle" style="{kit.FONT_SERIF};font-size:46px;letter-spacing:1px" '
              f'fill="url(#title)" stroke="#3a1405" stroke-width="2">{title}</text>'
              f'<text x="400" y="138" text-anchor="middle" style="font-family:\'DejaVu Sans\';font-size:20px;'
              f'letter-spacing:6px" fill="#dfe8f0">{kit.esc(words["subtitle"])}</text>')
    kit.expect_clear("ostrovy/intro", kit.render(kit.svg(w, h, titles, defs), w, h), kit.around(TITLE_ROOM, w, h))
    p.append(titles)
    return kit.render(kit.svg(w, h, "".join(p), defs), w, h)


PICTURES = {
    "02_mapa": mapa,
    "29_soft": soft,
    "30_intro": intro,
}

"""Pictures of level file 8 (four structures in the southern sea).

 0..3   stranded cargo ship (people on the stern, 180..260 px right,
        100..150 down)
 4..7   lighthouse on a rock (people on the ledge, 40..95 right, 10..60 down)
 8..11  radar station on a caisson (people 60..115 right, 60..110 down)
12..15  crane pontoon (people on the deck, 50..105 right, 80..185 down)
16      the map overlay, drawn on the map at screen (170, 370): the rescue
        area around the four structures
17      start picture (briefing.py)

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


def foam_ring(w, h, shape_svg, seed, width=3.0, density=0.45):
    hull = K.svg_render(K.svg_doc(w, h, shape_svg), w, h)[..., 3] / 255.0
    return foam_from_mask(hull, seed, width, density)


def foam_from_mask(hull, seed, width=3.0, density=0.45):
    h, w = hull.shape
    grow = K.blur(hull, width)
    n = K.fbm(w, h, seed, base=5, octaves=2)
    keep = (grow > 0.1) & (hull < 0.5) & (n > density)
    img = np.zeros((h, w, 4), np.float32)
    img[..., :3] = K.lerp_colors(n, [(0, (196, 222, 230)), (1, (244, 250, 252))])
    img[..., 3] = np.where(keep, 255, 0)
    return img


# ------------------------------------------------------------ cargo ship
SW, SH = 320, 176
SHIP = "M6,88 C8,36 48,12 104,12 L302,12 C310,12 314,18 314,26 L314,150 C314,158 310,164 302,164 L104,164 C48,164 8,140 6,88 Z"


def ship(frame):
    img = foam_ring(SW, SH, f'<path d="{SHIP}" fill="#fff" />', 800 + frame, 4.0)
    lit = frame in (0, 1)
    conts = []
    colors = ["#b8432e", "#2f6fb3", "#d9a23a", "#3f7a4a", "#8a8f96", "#b8432e", "#2f6fb3", "#d9a23a"]
    k = 0
    for cx in range(60, 160, 25):
        for cy in (42, 70, 98, 126):
            if (cx, cy) in ((60, 42), (60, 126)):
                continue
            c = colors[(k * 3 + cy // 28) % len(colors)]
            k += 1
            conts.append(f'<rect x="{cx}" y="{cy}" width="23" height="24" fill="{c}" stroke="#1a1a1a" stroke-width="0.8"/>'
                         f'<path d="M{cx + 4},{cy + 3} v18 M{cx + 10},{cy + 3} v18 M{cx + 16},{cy + 3} v18" '
                         f'stroke="#000" stroke-opacity="0.22"/>')
    body = f'''
  <g>
  <path d="{SHIP}" fill="#2b3a4a" stroke="#1a1a1a" stroke-width="1.2"/>
  <path d="{SHIP}" fill="#7a2a22" transform="translate(160,88) scale(0.95,0.9) translate(-160,-88)"/>
  <path d="{SHIP}" fill="#8f8a80" transform="translate(160,88) scale(0.91,0.8) translate(-160,-88)"/>
  <!-- container stacks, shadow up-right -->
  <rect x="60" y="42" width="98" height="108" transform="translate(6,-5)" fill="#000" opacity="0.3"/>
  {''.join(conts)}
  <!-- bridge house at the stern -->
  <rect x="264" y="48" width="36" height="94" transform="translate(6,-5)" fill="#000" opacity="0.3"/>
  <rect x="264" y="48" width="36" height="94" fill="#eceae2" stroke="#1a1a1a"/>
  <rect x="264" y="48" width="8" height="94" fill="#20303a"/>
  <rect x="280" y="58" width="10" height="16" fill="#d23c28" stroke="#1a1a1a"/>
  <!-- open stern deck where the people wait -->
  <rect x="168" y="46" width="94" height="100" fill="#a39a88" stroke="#1a1a1a" stroke-width="0.8"/>
  <rect x="172" y="56" width="42" height="30" fill="#6f6a60" stroke="#1a1a1a" stroke-width="0.8"/>
  <path d="M220,50 v92" stroke="#f2d23a" stroke-width="2" stroke-dasharray="6 4"/>
  <!-- bow: windlass and mast light -->
  <circle cx="40" cy="88" r="6" fill="#4a4f55" stroke="#1a1a1a"/>
  <circle cx="60" cy="88" r="{5 if lit else 3.5}" fill="{'#ffe14a' if lit else '#7a6a2a'}" stroke="#1a1a1a"/>
  </g>'''
    K.over(img, K.svg_render(K.svg_doc(SW, SH, body), SW, SH))
    return img


# ------------------------------------------------------------ lighthouse
LW, LH = 150, 160


def lighthouse(frame):
    w, h = LW, LH
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float32)
    # a squarish rock: it fills the obstacle area 20 px inside the edges
    d = ((np.abs(xx - 75) / 72) ** 5 + (np.abs(yy - 80) / 78) ** 5) ** 0.2
    d = d + (K.fbm(w, h, 88, base=30, octaves=3) - 0.5) * 0.12
    land = d < 0.95
    n = K.fbm(w, h, 89, base=28, octaves=3)
    height = np.clip((0.95 - d) * 4, 0, 1) * (0.7 + 0.3 * n) * 22
    light = K.shade(K.blur(height, 1.0))
    col = K.lerp_colors(n, [(0, (108, 100, 90)), (1, (156, 148, 134))]) * (0.5 + 0.6 * light[..., None])
    img = K.rgba(col, np.where(land, 255, 0))
    K.over(img, foam_from_mask(land.astype(np.float32), 700 + frame, 3.0), 0, 0)
    ang = frame * 90 + 20
    beam = (f'<g transform="rotate({ang} 75 100)"><path d="M75,100 L140,86 L140,114 Z" fill="#fff6b0" opacity="0.55"/>'
            f'<path d="M75,100 L10,86 L10,114 Z" fill="#fff6b0" opacity="0.35"/></g>')
    body = f'''
  <!-- the ledge where the people wait: a flat concrete landing -->
  <rect x="36" y="8" width="66" height="56" rx="4" fill="#b9b4a8" stroke="#1a1a1a"/>
  <path d="M36,20 h66" stroke="#8f8a80"/>
  <!-- tower, shadow up-right -->
  <circle cx="75" cy="100" r="30" transform="translate(9,-7)" fill="#000" opacity="0.32"/>
  <circle cx="75" cy="100" r="30" fill="#f1eee6" stroke="#1a1a1a" stroke-width="1.2"/>
  <circle cx="75" cy="100" r="30" fill="none" stroke="#d42a22" stroke-width="9" stroke-dasharray="23.6 23.6"/>
  <circle cx="75" cy="100" r="19" fill="#3a3f44" stroke="#1a1a1a"/>
  <circle cx="75" cy="100" r="14" fill="#d42a22" stroke="#1a1a1a"/>
  <circle cx="75" cy="100" r="8" fill="#ffe680"/>
  {beam}
  <circle cx="75" cy="100" r="3.5" fill="#ffffff"/>
'''
    K.over(img, K.svg_render(K.svg_doc(w, h, body), w, h))
    return img


# ---------------------------------------------------------- radar station
RW, RH = 180, 180


def radar(frame):
    w, h = RW, RH
    img = foam_ring(w, h, '<rect x="8" y="8" width="164" height="164" rx="10" fill="#fff"/>', 600 + frame, 3.0)
    n = K.fbm(w, h, 66, base=12, octaves=3)
    conc = K.rgba(K.lerp_colors(n, [(0, (150, 146, 138)), (1, (182, 178, 168))]))
    mask = K.svg_render(K.svg_doc(w, h, '<rect x="8" y="8" width="164" height="164" rx="10" fill="#fff"/>'), w, h)
    conc[..., 3] = mask[..., 3]
    K.over(img, conc)
    ang = frame * 45
    body = f'''
  <rect x="8.5" y="8.5" width="163" height="163" rx="10" fill="none" stroke="#1a1a1a"/>
  <rect x="14" y="14" width="152" height="152" rx="7" fill="none" stroke="#f2d23a" stroke-width="2" stroke-dasharray="8 5"/>
  <!-- people wait on the open part, upper left -->
  <!-- the station block with the radar mast, shadow up-right -->
  <rect x="110" y="100" width="52" height="62" transform="translate(8,-6)" fill="#000" opacity="0.3"/>
  <rect x="110" y="100" width="52" height="62" fill="#e4e1d8" stroke="#1a1a1a"/>
  <rect x="110" y="100" width="52" height="10" fill="#c6c2b6" stroke="#1a1a1a"/>
  <rect x="20" y="128" width="44" height="34" transform="translate(6,-5)" fill="#000" opacity="0.3"/>
  <rect x="20" y="128" width="44" height="34" fill="#7f8c4a" stroke="#1a1a1a"/>
  <path d="M20,145 h44" stroke="#5f6a34"/>
  <circle cx="136" cy="131" r="12" fill="#9aa0a6" stroke="#1a1a1a"/>
  <g transform="rotate({ang} 136 131)">
    <rect x="114" y="127" width="44" height="8" rx="2" fill="#f1eee6" stroke="#1a1a1a"/>
    <rect x="132" y="127" width="8" height="14" fill="#5a6066" stroke="#1a1a1a"/>
  </g>
  <circle cx="150" cy="30" r="{5 if frame % 2 == 0 else 3}" fill="{'#ff3b2a' if frame % 2 == 0 else '#6a1a14'}" stroke="#1a1a1a"/>
  <!-- mooring bollards -->
  <g fill="#3a3f44" stroke="#1a1a1a"><circle cx="24" cy="24" r="4"/><circle cx="24" cy="100" r="4"/><circle cx="100" cy="24" r="4"/></g>
'''
    K.over(img, K.svg_render(K.svg_doc(w, h, body), w, h))
    return img


# ---------------------------------------------------------- crane pontoon
CW, CH = 170, 240


def pontoon(frame):
    w, h = CW, CH
    img = foam_ring(w, h, '<rect x="10" y="10" width="150" height="220" rx="4" fill="#fff"/>', 500 + frame, 3.5)
    n = K.fbm(w, h, 55, base=20, octaves=3)
    deck = K.rgba(K.lerp_colors(n, [(0, (108, 112, 96)), (1, (132, 136, 116))]))
    mask = K.svg_render(K.svg_doc(w, h, '<rect x="10" y="10" width="150" height="220" rx="4" fill="#fff"/>'), w, h)
    deck[..., 3] = mask[..., 3]
    K.over(img, deck)
    swing = [0, 3, 0, -3][frame]
    body = f'''
  <rect x="10.5" y="10.5" width="149" height="219" rx="4" fill="none" stroke="#1a1a1a"/>
  <rect x="13" y="13" width="144" height="214" rx="3" fill="none" stroke="#d9c04a" stroke-width="3"/>
  <g stroke="#000" stroke-opacity="0.2"><path d="M10,60 h150 M10,120 h150 M10,180 h150"/></g>
  <!-- crane house and boom (boom over the sea to the upper right) -->
  <rect x="112" y="172" width="40" height="46" transform="translate(7,-6)" fill="#000" opacity="0.3"/>
  <rect x="112" y="172" width="40" height="46" fill="#e0a21c" stroke="#1a1a1a"/>
  <rect x="116" y="176" width="14" height="10" fill="#20303a"/>
  <g transform="rotate({swing} 132 195)">
    <path d="M126,190 L148,24 L156,26 L138,192 Z" fill="#e0a21c" stroke="#1a1a1a"/>
    <path d="M131,180 L150,40 M137,182 L153,44" stroke="#8a5a10"/>
    <path d="M152,30 v16" stroke="#1a1a1a" stroke-width="1.5"/>
    <rect x="148" y="46" width="8" height="6" fill="#3a3f44"/>
  </g>
  <!-- winch drums and a container -->
  <circle cx="30" cy="30" r="9" fill="#5a6066" stroke="#1a1a1a"/>
  <rect x="20" y="196" width="60" height="24" fill="#2f6fb3" stroke="#1a1a1a"/>
  <path d="M30,199 v18 M40,199 v18 M50,199 v18 M60,199 v18 M70,199 v18" stroke="#000" stroke-opacity="0.25"/>
  <circle cx="148" cy="18" r="{4 if frame % 2 else 2.5}" fill="{'#ff3b2a' if frame % 2 else '#6a1a14'}" stroke="#1a1a1a"/>
'''
    K.over(img, K.svg_render(K.svg_doc(w, h, body), w, h))
    return img


# ------------------------------------------------------------ map overlay
OW, OH = 280, 100
MARKS = [(30, 60), (80, 60), (180, 55), (230, 60)]  # relative to (170, 370)
# The overlay's caption, one entry per language, and its room above the marked area.
OVERLAY_WORDS = {"cs": {"area": "OBLAST ZÁCHRANY – 4 STAVBY"}, "en": {"area": "RESCUE AREA – 4 STRUCTURES"}}
CAPTION_ROOM = (2, 0, OW - 4, 31)


def overlay():
    marks = "".join(
        f'<circle cx="{x}" cy="{y}" r="9" fill="none" stroke="#1a1a1a" stroke-width="4.5"/>'
        f'<circle cx="{x}" cy="{y}" r="9" fill="none" stroke="#ff4a32" stroke-width="2.5"/>'
        f'<path d="M{x - 4},{y} h8 M{x},{y - 4} v8" stroke="#1a1a1a" stroke-width="4"/>'
        f'<path d="M{x - 4},{y} h8 M{x},{y - 4} v8" stroke="#ffffff" stroke-width="2"/>' for x, y in MARKS)
    area = K.esc(K.words(OVERLAY_WORDS)["area"])
    caption = f'''<g font-family="DejaVu Sans" font-weight="bold" font-size="14">
    <text x="140" y="24" text-anchor="middle" fill="none" stroke="#1a1a1a" stroke-width="4" stroke-linejoin="round">{area}</text>
    <text x="140" y="24" text-anchor="middle" fill="#ffffff">{area}</text>
  </g>'''
    K.expect_clear("lev8/mapa", K.svg_render(K.svg_doc(OW, OH, caption), OW, OH), K.around(CAPTION_ROOM, OW, OH))
    body = f'''
  <rect x="6" y="32" width="268" height="58" rx="12" fill="none" stroke="#1a1a1a" stroke-width="4.5"/>
  <rect x="6" y="32" width="268" height="58" rx="12" fill="none" stroke="#ff4a32" stroke-width="2.5" stroke-dasharray="9 5"/>
  {marks}
  {caption}'''
    return K.svg_render(K.svg_doc(OW, OH, body), OW, OH)


def main(out, lang="cs"):
    K.set_language(lang)
    if lang == "cs":  # the pictures without words
        makers = [("lod", ship), ("majak", lighthouse), ("radar", radar), ("jerab", pontoon)]
        for s, (name, fn) in enumerate(makers):
            for f in range(4):
                K.save(os.path.join(out, f"{4 * s + f:02d}_{name}{f + 1}.png"), K.keyed(fn(f)))
    K.save(os.path.join(out, "16_mapa.png"), K.keyed(overlay()))
    briefing.make(8, out, os.path.join(out, "17_start8.png"))


if __name__ == "__main__":
    main(*sys.argv[1:3])

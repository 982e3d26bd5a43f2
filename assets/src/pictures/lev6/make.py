"""Pictures of level file 6 (the drifting boat).

 8..12  the boat adrift, bow up, five frames (foam and the flag move);
        its people crowd on the after deck (55..115 px right, 200..260 down)
13      unused (an empty item)
14      the boat's 7 x 7 mark on the map
15      the flash of a shot, drawn at (70, 160) of the boat
16      start picture (briefing.py)

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

BW, BH = 150, 300

HULL = "M75,6 C100,26 132,70 136,120 L136,262 C136,280 126,290 110,292 L40,292 C24,290 14,280 14,262 L14,120 C18,70 50,26 75,6 Z"
DECK = "M75,20 C96,38 124,78 126,122 L126,258 C126,272 118,280 106,281 L44,281 C32,280 24,272 24,258 L24,122 C26,78 54,38 75,20 Z"


def foam(frame):
    """White water around the hull: the boat drifts stern first, so the
    foam piles up at the stern and trails thinly from the bow."""
    w, h = BW, BH
    rng = np.random.default_rng(900 + frame)
    img = np.zeros((h, w, 4), np.float32)
    hull = K.svg_render(K.svg_doc(w, h, f'<path d="{HULL}" fill="#fff"/>'), w, h)[..., 3] / 255.0
    grow = K.blur(hull, 3.0)
    ring = (grow > 0.08) & (hull < 0.5)
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float32)
    n = K.fbm(w, h, 300 + frame, base=5, octaves=2)
    keep = ring & ((n > 0.42) | (yy > 270))
    # the stern wash grows and breaks up frame by frame
    stern = (yy > 286) & (np.abs(xx - 75) < 50 + 4 * np.sin(frame * 1.3)) & (n > 0.36 + 0.04 * ((frame % 2)))
    keep |= stern & (yy < 299)
    col = K.lerp_colors(n, [(0, (196, 222, 230)), (1, (244, 250, 252))])
    img[..., :3] = col
    img[..., 3] = np.where(keep, 255, 0)
    return img


def boat(frame):
    img = foam(frame)
    n = K.fbm(BW, BH, 61, base=6, octaves=2)
    wave = [0, 1.5, 2.5, 1.5, 0][frame]
    body = f'''
  <defs><clipPath id="deck"><path d="{DECK}"/></clipPath></defs>
  <!-- hull, with a white gunwale -->
  <path d="{HULL}" fill="#6b2f24" stroke="#1a1a1a" stroke-width="1.2"/>
  <path d="{HULL}" fill="none" stroke="#e8e4da" stroke-width="3" transform="translate(75,150) scale(0.955) translate(-75,-150)"/>
  <!-- wooden deck planks -->
  <path d="{DECK}" fill="#a77b4f" stroke="#1a1a1a" stroke-width="1"/>
  <g clip-path="url(#deck)" stroke="#7d5836" stroke-width="1">
    {''.join(f'<path d="M{x},0 V300"/>' for x in range(30, 126, 9))}
  </g>
  <!-- hatch and nets on the foredeck -->
  <rect x="57" y="50" width="36" height="28" fill="#5d4330" stroke="#1a1a1a"/>
  <path d="M57,64 h36 M75,50 v28" stroke="#3e2c1f"/>
  <path d="M40,90 q10,-6 20,0 t20,0 t20,0 t12,2" fill="none" stroke="#2f7a8a" stroke-width="4"/>
  <!-- wheelhouse, lit from the lower left, shadow up-right -->
  <rect x="42" y="104" width="66" height="62" transform="translate(7,-6)" fill="#000" opacity="0.3"/>
  <g stroke="#1a1a1a" stroke-width="1">
    <rect x="42" y="104" width="66" height="62" fill="#e9e6dc"/>
    <path d="M42,166 h66 v-62 l-6,6 v50 h-54 z" fill="#cfcabd"/>
    <rect x="48" y="110" width="54" height="50" fill="#7f8c4a"/>
    <path d="M48,135 h54" stroke="#5f6a34"/>
    <rect x="62" y="94" width="26" height="10" fill="#20303a"/>
    <circle cx="96" cy="118" r="4" fill="#bcbcbc"/>
    <path d="M96,118 l8,-8" stroke="#2a2a2a" stroke-width="1.5"/>
  </g>
  <!-- exhaust stack -->
  <rect x="52" y="170" width="14" height="12" fill="#2a2a2a" stroke="#1a1a1a"/>
  <!-- after deck: where the people wait -->
  <rect x="34" y="188" width="82" height="84" fill="#b58a5a" opacity="0.55"/>
  <!-- life rings and a crate -->
  <circle cx="30" cy="150" r="7" fill="none" stroke="#e8e4da" stroke-width="4"/>
  <circle cx="30" cy="150" r="7" fill="none" stroke="#d42a22" stroke-width="4" stroke-dasharray="5.5 5.5"/>
  <circle cx="120" cy="205" r="7" fill="none" stroke="#e8e4da" stroke-width="4"/>
  <circle cx="120" cy="205" r="7" fill="none" stroke="#d42a22" stroke-width="4" stroke-dasharray="5.5 5.5"/>
  <rect x="26" y="250" width="14" height="18" fill="#8b6a3e" stroke="#1a1a1a"/>
  <!-- a gunman of the crew beside the wheelhouse (olive), aiming right:
       the shot's flash shows at his muzzle -->
  <g stroke="#1a1a1a" stroke-width="0.8">
    <ellipse cx="84" cy="180" rx="8" ry="5" fill="#6b6f3a"/>
    <circle cx="84" cy="180" r="3.4" fill="#3a2a1e"/>
    <path d="M88,181 l8,-1" stroke="#111" stroke-width="2"/>
  </g>
  <!-- stern flag, flapping -->
  <path d="M75,282 l4,{10 + wave} l-8,0 z" fill="#1a1a1a"/>
  <path d="M75,286 q6,{4 + wave} 2,{9 + wave} q-6,2 -8,{3 - wave} z" fill="#e0b020" stroke="#1a1a1a" stroke-width="0.6"/>
'''
    art = K.svg_render(K.svg_doc(BW, BH, body), BW, BH)
    # weathering: slight noise on everything drawn
    art[..., :3] *= (0.9 + 0.18 * n[..., None])
    K.over(img, art)
    return img


def map_mark():
    m = np.zeros((7, 7, 4), np.float32)
    shape = ["..XXX..",
             ".XOOOX.",
             ".XOYOX.",
             ".XOOOX.",
             ".XOOOX.",
             ".XOOOX.",
             "..XXX.."]
    colors = {"X": (26, 26, 26), "O": (235, 120, 30), "Y": (255, 240, 180)}
    for y, row in enumerate(shape):
        for x, c in enumerate(row):
            if c in colors:
                m[y, x, :3] = colors[c]
                m[y, x, 3] = 255
    return m


def flash():
    w, h = 40, 40
    pts = []
    for k in range(16):
        a = np.radians(k * 22.5 + 8)
        r = 19 if k % 2 == 0 else 7
        if k % 4 == 0:
            r = 19.5
        elif k % 2 == 0:
            r = 13
        pts.append(f"{20 + r * np.cos(a):.1f},{20 + r * np.sin(a):.1f}")
    body = f'''<polygon points="{' '.join(pts)}" fill="#ff9a1a" stroke="#1a1a1a" stroke-width="1"/>
  <circle cx="20" cy="20" r="8" fill="#ffe14a"/><circle cx="20" cy="20" r="4" fill="#ffffff"/>'''
    return K.svg_render(K.svg_doc(w, h, body), w, h)


def main(out, lang="cs"):
    K.set_language(lang)
    if lang == "cs":  # the pictures without words
        for f in range(5):
            K.save(os.path.join(out, f"{8 + f:02d}_lod{f + 1}.png"), K.keyed(boat(f)))
        K.save(os.path.join(out, "14_znacka.png"), K.keyed(map_mark()))
        K.save(os.path.join(out, "15_vystrel.png"), K.keyed(flash()))
    briefing.make(6, out, os.path.join(out, "16_start6.png"))


if __name__ == "__main__":
    main(*sys.argv[1:3])

"""Pictures of level file 2 (the burning house in the town by the sea).

 8..12  the burning building, five frames (people wait on the roof, right of
        the fire, and flee to the right)
13      a town house on its lot (11 of them stand in a row, 200 px apart)
14, 15  street segments stacked 180 px apart (14: parked car, 15: tree)
16..19  the fire around the building, drawn 40 px up-left of it, under it
20      start picture (briefing.py)

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

BW, BH = 240, 200          # the building
FW, FH = BW + 80, BH + 80  # its fire, drawn at (-40, -40)


def roof_base():
    """Concrete flat roof with parapet, texture and stains (RGBA)."""
    n = K.fbm(BW, BH, 21, base=30, octaves=4)
    fine = K.fbm(BW, BH, 22, base=4, octaves=2)
    col = K.lerp_colors(0.6 * n + 0.4 * fine, [(0, (142, 140, 134)), (1, (176, 173, 164))])
    img = K.rgba(col)
    svg = K.svg_doc(BW, BH, '''
  <!-- parapet: light on the lower-left sides, dark on the upper-right -->
  <rect x="0.5" y="0.5" width="239" height="199" fill="none" stroke="#1a1a1a" stroke-width="1"/>
  <path d="M1,1 H239 V199 L231,191 V9 H9 Z" fill="#8d8a82"/>
  <path d="M1,1 L9,9 V191 H231 L239,199 H1 Z" fill="#d6d2c6"/>
  <path d="M9,9 H231 V191 H9 Z" fill="none" stroke="#6d6a63" stroke-width="1.2"/>
  <!-- roof seams -->
  <g stroke="#8e8b83" stroke-width="1" opacity="0.7">
    <path d="M9,70 H231 M9,131 H231 M85,9 V191 M160,9 V191"/>
  </g>
  <!-- stair house top-left, with its shadow up-right -->
  <path d="M18,18 h46 v36 h-46 z" transform="translate(6,-5)" fill="#000" opacity="0.3"/>
  <rect x="18" y="18" width="46" height="36" fill="#b55a3a" stroke="#1a1a1a"/>
  <rect x="22" y="22" width="38" height="28" fill="#c96f4c"/>
  <!-- ventilation units along the top -->
  <g stroke="#1a1a1a" stroke-width="0.9">
    <rect x="175" y="18" width="22" height="16" fill="#9ea3a6"/>
    <circle cx="186" cy="26" r="6" fill="#6b7276"/>
    <path d="M181,26 h10 M186,21 v10" stroke="#c9ced1"/>
    <rect x="203" y="18" width="20" height="16" fill="#9ea3a6"/>
    <circle cx="213" cy="26" r="5.5" fill="#6b7276"/>
  </g>
  <!-- roof hatch near the right edge -->
  <rect x="208" y="150" width="16" height="22" fill="#5e6468" stroke="#1a1a1a"/>
  <path d="M210,152 h12 v18 h-12 z" fill="none" stroke="#8a9195"/>
  <!-- a big painted H, the roof marking for rescue flights -->
  <g fill="none" stroke="#f2efe6" stroke-width="4" opacity="0.85">
    <circle cx="140" cy="118" r="36"/>
  </g>
  <path d="M127,100 v36 M153,100 v36 M127,118 h26" stroke="#f2efe6" stroke-width="6" opacity="0.85"/>
''')
    K.over(img, K.svg_render(svg, BW, BH))
    return img


def building(frame):
    img = roof_base()
    # scorch on the burning left part of the roof
    yy, xx = np.mgrid[0:BH, 0:BW].astype(np.float32)
    burn = np.clip((70 - xx) / 45 + (K.fbm(BW, BH, 31, base=20, octaves=3) - 0.5) * 1.2, 0, 1)
    burn *= (xx > 2) & (xx < BW - 2) & (yy > 2) & (yy < BH - 2)
    img[..., :3] *= (1 - 0.75 * burn[..., None])
    # embers glowing in the scorch
    glow = np.clip((K.fbm(BW, BH, 40 + frame, base=6, octaves=2) - 0.62) / 0.1, 0, 1) * (burn > 0.7)
    img[..., 0] = img[..., 0] * (1 - glow) + 255 * glow
    img[..., 1] = img[..., 1] * (1 - glow) + 120 * glow
    img[..., 2] = img[..., 2] * (1 - glow) + 30 * glow
    # flames on the roof, left part, leaning up-right
    pts = [(16, 64, 13), (24, 86, 15), (16, 110, 16), (30, 128, 15), (18, 150, 15), (34, 170, 13),
           (16, 184, 12), (44, 66, 9), (48, 104, 10), (50, 150, 9), (60, 182, 8)]
    fl = K.svg_render(K.svg_doc(BW, BH, K.flames_svg(pts, frame, 5, seed=77)), BW, BH)
    K.over(img, fl)
    # smoke rolling from the fire over the roof
    K.over(img, K.smoke_layer(BW, BH, 5, frame, 5, [(40, 90, 14), (30, 150, 12), (60, 60, 10)], opacity=0.6))
    return img


def fire(frame):
    """Flames bursting out along the walls (the building covers the middle):
    strongest on the left wall, licking out of the left parts of the top and
    bottom walls, a little at the right."""
    rng = np.random.default_rng(123)
    pts = []
    for y in np.linspace(36, FH - 36, 11):
        pts.append((42 + rng.uniform(-3, 3), y, rng.uniform(15, 20), -70 + rng.uniform(-15, 15)))
    for x in np.linspace(54, 190, 7):
        s = 17 - (x - 54) / 20
        pts.append((x, 42, s, 15 + rng.uniform(-10, 10)))
        pts.append((x, FH - 42, s - 1, 160 + rng.uniform(-10, 10)))
    pts.append((FW - 42, 52, 10, 45))
    pts.append((FW - 42, 120, 9, 80))
    body = K.flames_svg(pts, frame, 4, seed=88, wind=40, scale=1.0)
    return K.svg_render(K.svg_doc(FW, FH, body), FW, FH)


def house(seed=1):
    w, h = 200, 250
    n = K.fbm(w, h, seed, base=20, octaves=3)
    col = K.lerp_colors(n, [(0, (168, 160, 142)), (1, (190, 182, 162))])
    img = K.rgba(col)
    joints = "".join(f'<path d="M{x},0 v6 M{x},244 v6"/>' for x in range(14, 200, 18))
    joints += "".join(f'<path d="M0,{y} h6 M194,{y} h6"/>' for y in range(14, 250, 18))
    body = f'''
  <!-- garden with lawn and hedges -->
  <rect x="6" y="150" width="188" height="94" fill="#5f9e3f"/>
  <rect x="6" y="150" width="188" height="94" fill="none" stroke="#3f7a2c" stroke-width="5"/>
  <!-- quay wall of the harbour lot: stone blocks, dark sea-side edge -->
  <path d="M3,3 H197 V247 H3 Z" fill="none" stroke="#a39a88" stroke-width="6"/>
  <g stroke="#6f675a" stroke-width="1">{joints}</g>
  <path d="M0.5,0.5 H199.5 V249.5 H0.5 Z" fill="none" stroke="#1a1a1a" stroke-width="1"/>
  <path d="M6,6 H194 V244 H6 Z" fill="none" stroke="#7d7465" stroke-width="1"/>
  <!-- path to the door -->
  <rect x="92" y="150" width="16" height="100" fill="#cbbfa6"/>
  <!-- shadow of the house up-right -->
  <path d="M24,24 H176 V146 H24 Z" transform="translate(9,-7)" fill="#000" opacity="0.32"/>
  <!-- hip roof, terracotta: lit from the lower left -->
  <g stroke="#1a1a1a" stroke-width="1">
    <path d="M24,24 H176 L136,85 H64 Z" fill="#9c4a2e"/>
    <path d="M176,24 V146 L136,85 Z" fill="#8a3f27"/>
    <path d="M24,146 H176 L136,85 H64 Z" fill="#d9774c"/>
    <path d="M24,24 V146 L64,85 Z" fill="#c8653e"/>
  </g>
  <g stroke="#000" stroke-opacity="0.18" stroke-width="1">
    <path d="M34,37 H166 M44,52 H156 M54,67 H146"/>
    <path d="M44,131 H156 M34,140 H166 M54,116 H146 M60,103 H140"/>
  </g>
  <path d="M64,85 H136" stroke="#f0c2a0" stroke-width="2"/>
  <!-- chimney -->
  <rect x="140" y="40" width="14" height="14" fill="#7a6c60" stroke="#1a1a1a"/>
  <rect x="143" y="43" width="8" height="8" fill="#2b2622"/>
  <!-- tree in the garden, with its shadow -->
  <circle cx="46" cy="198" r="26" transform="translate(10,-8)" fill="#000" opacity="0.28"/>
  <circle cx="46" cy="198" r="26" fill="#3f7a2c" stroke="#1a1a1a"/>
  <circle cx="40" cy="204" r="16" fill="#4b8a35"/>
  <circle cx="36" cy="208" r="8" fill="#6aad48"/>
  <!-- garden shed and a bench -->
  <rect x="150" y="200" width="30" height="24" fill="#7d5a3a" stroke="#1a1a1a"/>
  <path d="M150,212 H180" stroke="#5a3f27"/>
  <rect x="118" y="172" width="22" height="6" fill="#9a7a50" stroke="#1a1a1a" stroke-width="0.8"/>
'''
    K.over(img, K.svg_render(K.svg_doc(w, h, body), w, h))
    return img


def road(kind):
    w, h = 110, 180
    n = K.fbm(w, h, 50 + kind, base=8, octaves=3)
    col = K.lerp_colors(n, [(0, (62, 64, 68)), (1, (86, 88, 92))])
    img = K.rgba(col)
    extra = ''
    if kind == 14:
        extra = '''
  <!-- parked car in the right lane, shadow up-right -->
  <rect x="66" y="40" width="24" height="48" rx="6" transform="translate(4,-3)" fill="#000" opacity="0.35"/>
  <g stroke="#1a1a1a" stroke-width="1">
    <rect x="66" y="40" width="24" height="48" rx="6" fill="#2f6fb3"/>
    <rect x="69" y="52" width="18" height="10" rx="2" fill="#1d2a36"/>
    <rect x="69" y="70" width="18" height="12" rx="2" fill="#28435e"/>
  </g>
  <rect x="66" y="40" width="6" height="48" rx="3" fill="#fff" opacity="0.18"/>
  <!-- drain grates -->
  <rect x="16" y="150" width="8" height="12" fill="#2a2b2e"/>
  <rect x="86" y="120" width="8" height="12" fill="#2a2b2e"/>'''
    else:
        extra = '''
  <!-- pedestrian crossing -->
  <g fill="#ecebe4"><rect x="14" y="100" width="82" height="6"/><rect x="14" y="112" width="82" height="6"/>
  <rect x="14" y="124" width="82" height="6"/><rect x="14" y="136" width="82" height="6"/></g>
  <!-- a tree from the pavement over the road -->
  <circle cx="12" cy="40" r="22" transform="translate(8,-6)" fill="#000" opacity="0.3"/>
  <circle cx="12" cy="40" r="22" fill="#3f7a2c" stroke="#1a1a1a"/>
  <circle cx="7" cy="45" r="13" fill="#4b8a35"/>
  <circle cx="4" cy="48" r="6" fill="#6aad48"/>'''
    body = f'''
  <!-- pavements and kerbs -->
  <rect x="0" y="0" width="10" height="180" fill="#b8b1a2"/>
  <rect x="100" y="0" width="10" height="180" fill="#b8b1a2"/>
  <path d="M10,0 V180 M100,0 V180" stroke="#e0dbcf" stroke-width="2"/>
  <g stroke="#9d968a" stroke-width="1"><path d="M0,45 H10 M0,90 H10 M0,135 H10 M100,45 H110 M100,90 H110 M100,135 H110"/></g>
  <!-- centre line, dashes continue across the tiles -->
  <g fill="#e9d36a"><rect x="53" y="10" width="4" height="50"/><rect x="53" y="100" width="4" height="50"/></g>
  {extra}
'''
    K.over(img, K.svg_render(K.svg_doc(w, h, body), w, h))
    return img


def main(out, lang="cs"):
    K.set_language(lang)
    if lang == "cs":  # the pictures without words
        for f in range(5):
            K.save(os.path.join(out, f"{8 + f:02d}_dum{f + 1}.png"), K.opaque(building(f)))
        K.save(os.path.join(out, "13_domek.png"), K.opaque(house()))
        K.save(os.path.join(out, "14_ulice1.png"), K.opaque(road(14)))
        K.save(os.path.join(out, "15_ulice2.png"), K.opaque(road(15)))
        for f in range(4):
            K.save(os.path.join(out, f"{16 + f:02d}_ohen{f + 1}.png"), K.keyed(fire(f)))
    briefing.make(2, out, os.path.join(out, "20_start2.png"))


if __name__ == "__main__":
    main(*sys.argv[1:3])

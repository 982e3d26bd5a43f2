"""Pictures of level file 4 (offshore platforms).

 8..12  the burning platform, five frames (tall; people wait on its
        helideck, 55..135 px right and 130..210 px down from the corner)
13..16  the other platforms, four frames (gas flare and beacon)
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

PW, PH = 240, 280


def deck_texture(seed):
    n = K.fbm(PW, PH, seed, base=24, octaves=3)
    col = K.lerp_colors(n, [(0, (104, 110, 114)), (1, (134, 140, 144))])
    img = K.rgba(col)
    yy, xx = np.mgrid[0:PH, 0:PW]
    # steel plates
    seam = ((xx % 40) == 0) | ((yy % 30) == 0)
    img[seam, :3] *= 0.82
    # the deck outline: corners cut for the legs
    inside = (xx >= 6) & (xx < PW - 6) & (yy >= 6) & (yy < PH - 6)
    img[..., 3] = np.where(inside, 255, 0)
    return img


def legs_svg():
    """Four legs standing in the sea at the corners, with foam."""
    out = []
    for (x, y) in [(10, 10), (PW - 10, 10), (10, PH - 10), (PW - 10, PH - 10)]:
        out.append(f'<circle cx="{x}" cy="{y}" r="10" fill="#e9f3f5"/>'
                   f'<circle cx="{x}" cy="{y}" r="7.5" fill="#c9a21c" stroke="#1a1a1a"/>'
                   f'<circle cx="{x - 2}" cy="{y + 2}" r="3" fill="#e8c94a"/>')
    return "".join(out)


def helideck_svg(cx, cy, r):
    pts = " ".join(f"{cx + r * np.cos(np.radians(22.5 + 45 * k)):.1f},{cy + r * np.sin(np.radians(22.5 + 45 * k)):.1f}"
                   for k in range(8))
    return f'''
  <polygon points="{pts}" fill="#3f6b44" stroke="#1a1a1a" stroke-width="1.2"/>
  <circle cx="{cx}" cy="{cy}" r="{r * 0.78:.1f}" fill="none" stroke="#f2d23a" stroke-width="3"/>
  <circle cx="{cx}" cy="{cy}" r="{r * 0.92:.1f}" fill="none" stroke="#f4f4ee" stroke-width="1.5" stroke-dasharray="6 4"/>
  <path d="M{cx - 14},{cy - 18} v36 M{cx + 14},{cy - 18} v36 M{cx - 14},{cy} h28" stroke="#f4f4ee" stroke-width="5"/>'''


def platform_svg(burning, variant):
    """Deck furniture; the helideck sits where the people wait."""
    hd = helideck_svg(95, 170, 62)
    derrick_x, derrick_y = (150, 18) if variant == 0 else (20, 20)
    derrick = f'''
  <!-- drilling derrick: a lattice tower seen from above, shadow up-right -->
  <rect x="{derrick_x}" y="{derrick_y}" width="62" height="62" transform="translate(10,-8)" fill="#000" opacity="0.3"/>
  <g stroke="#1a1a1a" stroke-width="1">
    <rect x="{derrick_x}" y="{derrick_y}" width="62" height="62" fill="#7b2a20" fill-opacity="0.25"/>
    <path d="M{derrick_x},{derrick_y} l62,62 M{derrick_x + 62},{derrick_y} l-62,62" stroke="#d23c28" stroke-width="3"/>
    <rect x="{derrick_x}" y="{derrick_y}" width="62" height="62" fill="none" stroke="#d23c28" stroke-width="4"/>
    <rect x="{derrick_x + 21}" y="{derrick_y + 21}" width="20" height="20" fill="#b8b8b0" stroke="#1a1a1a"/>
  </g>'''
    modules = f'''
  <!-- shadows of the modules, up-right -->
  <g fill="#000" opacity="0.28" transform="translate(7,-6)">
    <rect x="14" y="14" width="{110 if variant == 0 else 0}" height="58"/>
    <rect x="168" y="96" width="56" height="60"/><rect x="170" y="170" width="54" height="90"/>
  </g>
  <!-- accommodation and process modules -->
  <g stroke="#1a1a1a" stroke-width="1">
    <rect x="14" y="14" width="{110 if variant == 0 else 0}" height="58" fill="#e9e6dc"/>
    <rect x="14" y="14" width="{110 if variant == 0 else 0}" height="10" fill="#c8c4b8"/>
    <rect x="168" y="96" width="56" height="60" fill="#d9c04a"/>
    <path d="M168,116 h56 M168,136 h56" stroke="#9c8a30"/>
    <rect x="170" y="170" width="54" height="90" fill="#8d9aa3"/>
    <rect x="176" y="178" width="42" height="12" rx="6" fill="#c8d0d4"/>
    <rect x="176" y="198" width="42" height="12" rx="6" fill="#c8d0d4"/>
    <rect x="176" y="218" width="42" height="12" rx="6" fill="#c8d0d4"/>
    <rect x="176" y="238" width="42" height="12" rx="6" fill="#c8d0d4"/>
  </g>
  <!-- pipes -->
  <g fill="none" stroke-linecap="round">
    <path d="M30,248 H150 V100 H160" stroke="#1a1a1a" stroke-width="7"/>
    <path d="M30,248 H150 V100 H160" stroke="#b8643a" stroke-width="5"/>
    <path d="M30,262 H162" stroke="#1a1a1a" stroke-width="5"/>
    <path d="M30,262 H162" stroke="#e0e0d8" stroke-width="3"/>
  </g>
  <!-- lifeboats under the accommodation block -->
  <g stroke="#1a1a1a" stroke-width="1">
    <rect x="{16 if variant == 0 else 98}" y="78" width="44" height="14" rx="7" fill="#f07a1c"/>
    <rect x="{66 if variant == 0 else 148}" y="78" width="44" height="14" rx="7" fill="#f07a1c"/>
    <rect x="{24 if variant == 0 else 106}" y="81" width="28" height="8" rx="4" fill="#ffffff" opacity="0.8"/>
    <rect x="{74 if variant == 0 else 156}" y="81" width="28" height="8" rx="4" fill="#ffffff" opacity="0.8"/>
  </g>
  <!-- railing along the deck edge -->
  <rect x="4" y="4" width="{PW - 8}" height="{PH - 8}" fill="none" stroke="#e8e6e0" stroke-width="1.2"/>
  <!-- safety lines along the deck edge -->
  <rect x="8" y="8" width="{PW - 16}" height="{PH - 16}" fill="none" stroke="#f2d23a" stroke-width="2" stroke-dasharray="10 6"/>'''
    if variant == 1:
        modules = modules.replace('width="0"', 'width="0" opacity="0"')
        modules += '''
  <g stroke="#1a1a1a" stroke-width="1">
    <rect x="96" y="16" width="62" height="56" fill="#e9e6dc"/>
    <rect x="96" y="16" width="62" height="10" fill="#c8c4b8"/>
  </g>'''
    details = f'''  <!-- roof details: windows strip, antenna, a small crane -->
  <g stroke="#1a1a1a" stroke-width="0.8">
    <rect x="{22 if variant == 0 else 104}" y="30" width="10" height="10" fill="#9aa0a6"/>
    <rect x="{38 if variant == 0 else 120}" y="30" width="10" height="10" fill="#9aa0a6"/>
    <circle cx="{108 if variant == 0 else 146}" cy="54" r="5" fill="#c8d0d4"/>
  </g>
'''
    return hd + modules + details + derrick + legs_svg()


def platform(frame, nframes, burning, variant):
    img = deck_texture(60 + variant)
    K.over(img, K.svg_render(K.svg_doc(PW, PH, platform_svg(burning, variant)), PW, PH))
    if burning:
        yy, xx = np.mgrid[0:PH, 0:PW].astype(np.float32)
        burn = np.clip((xx - 140) / 40 + (1 - yy / 120) + (K.fbm(PW, PH, 71, base=18, octaves=3) - 0.5) * 1.4 - 0.4, 0, 1)
        img[..., :3] *= (1 - 0.7 * burn[..., None])
        glow = np.clip((K.fbm(PW, PH, 90 + frame, base=7, octaves=2) - 0.6) / 0.1, 0, 1) * (burn > 0.75)
        img[..., 0] = img[..., 0] * (1 - glow) + 255 * glow
        img[..., 1] = img[..., 1] * (1 - glow) + 110 * glow
        img[..., 2] = img[..., 2] * (1 - glow) + 30 * glow
        pts = [(160, 44, 21), (190, 34, 23), (214, 62, 20), (178, 76, 18), (218, 102, 16), (140, 26, 14),
               (200, 132, 13), (122, 52, 12), (206, 20, 15), (160, 96, 13), (226, 140, 11), (226, 30, 13)]
        K.over(img, K.svg_render(K.svg_doc(PW, PH, K.flames_svg(pts, frame, nframes, seed=44)), PW, PH))
        K.over(img, K.smoke_layer(PW, PH, 9, frame, nframes, [(170, 60, 18), (205, 95, 14), (140, 40, 12)],
                                  opacity=0.7))
        img[..., 3] = np.where(img[..., 3] > 0, img[..., 3], 0)
    else:
        # gas flare at the end of a boom over the sea (top-right) and a beacon
        boom = '''<path d="M196,160 L228,100" stroke="#1a1a1a" stroke-width="6"/>
                  <path d="M196,160 L228,100" stroke="#c9c9c0" stroke-width="4"/>
                  <path d="M200,152 L224,108" stroke="#8a8a80" stroke-width="1" stroke-dasharray="3 3"/>'''
        flare = K.flames_svg([(228, 98, 11)], frame, nframes, seed=5 + variant, wind=30)
        lit = frame % 2 == 0
        beacon = (f'<circle cx="20" cy="{PH - 40}" r="{6 if lit else 4}" fill="{"#ff3b2a" if lit else "#6a1a14"}" '
                  f'stroke="#1a1a1a"/>' + ('<circle cx="20" cy="240" r="10" fill="#ff6a4a" opacity="0.35"/>' if lit else ''))
        K.over(img, K.svg_render(K.svg_doc(PW, PH, boom + flare + beacon), PW, PH))
    return img


def main(out, lang="cs"):
    K.set_language(lang)
    if lang == "cs":  # the pictures without words
        for f in range(5):
            K.save(os.path.join(out, f"{8 + f:02d}_plosina{f + 1}.png"), K.keyed(platform(f, 5, True, 0)))
        for f in range(4):
            K.save(os.path.join(out, f"{13 + f:02d}_vez{f + 1}.png"), K.keyed(platform(f, 4, False, 1)))
    briefing.make(4, out, os.path.join(out, "17_start4.png"))


if __name__ == "__main__":
    main(*sys.argv[1:3])

"""Helicopters seen from straight above, nose up: the rescue helicopter, its
shadow, the military one, the rotor, the rotor wash and the two map marks.

Geometry shared by body and shadow (51 x 115): the rotor mast is at
(25.5, 34.5), i.e. (0.5, 0.3) of the size, where the game centres the rotor.
Light comes from the lower left, so left flanks are lit and right flanks dark.
"""
import math

import numpy as np

import builtin as kit

MAST = (25.5, 34.5)
OUTLINE = "#1a1a1a"


def body_svg(w, h, scheme):
    """The airframe; scheme 'rescue' (red and white) or 'army' (olive)."""
    if scheme == "rescue":
        main_l, main_m, main_d = "#f0553f", "#d0281d", "#8e160f"
        band_l, band_d = "#ffffff", "#c9ccd2"
        cover_l, cover_d = "#f4f4f2", "#a9adb3"
        glass_l, glass_d = "#9fd3ef", "#24506e"
        stripe = "#f6f6f6"
    else:
        main_l, main_m, main_d = "#8a9a55", "#5d6b34", "#343d1c"
        band_l, band_d = "#77854a", "#4a5629"
        cover_l, cover_d = "#6f7b48", "#3f4724"
        glass_l, glass_d = "#7f8f7a", "#1f2a26"
        stripe = "#2f361a"
    defs = f"""
      <linearGradient id="side" x1="0" y1="0" x2="1" y2="0">
        <stop offset="0" stop-color="{main_l}"/><stop offset="0.45" stop-color="{main_m}"/>
        <stop offset="1" stop-color="{main_d}"/></linearGradient>
      <linearGradient id="band" x1="0" y1="0" x2="1" y2="0">
        <stop offset="0" stop-color="{band_l}"/><stop offset="1" stop-color="{band_d}"/></linearGradient>
      <linearGradient id="cover" x1="0" y1="0" x2="1" y2="0">
        <stop offset="0" stop-color="{cover_l}"/><stop offset="1" stop-color="{cover_d}"/></linearGradient>
      <linearGradient id="glass" x1="0" y1="0" x2="1" y2="1">
        <stop offset="0" stop-color="{glass_l}"/><stop offset="1" stop-color="{glass_d}"/></linearGradient>
      <clipPath id="cab"><path d="{CABIN}"/></clipPath>
    """
    army = scheme == "army"
    parts = []
    # skids, outside the cabin, with their cross tubes
    parts.append(f'<g stroke="{OUTLINE}" stroke-width="0.6" fill="#3b3b3b">'
                 '<rect x="8.6" y="15" width="2.6" height="40" rx="1.3"/>'
                 '<rect x="39.8" y="15" width="2.6" height="40" rx="1.3"/>'
                 '<rect x="10" y="22" width="31" height="1.6" fill="#555"/>'
                 '<rect x="10" y="46" width="31" height="1.6" fill="#555"/></g>')
    if army:  # stub wings with rocket pods
        parts.append(f'<g stroke="{OUTLINE}" stroke-width="0.6">'
                     f'<rect x="4" y="38" width="43" height="6" rx="1.5" fill="url(#side)"/>'
                     '<rect x="2" y="33" width="5" height="14" rx="2.4" fill="#2c3217"/>'
                     '<rect x="44" y="33" width="5" height="14" rx="2.4" fill="#2c3217"/>'
                     '<circle cx="4.5" cy="34.6" r="0.9" fill="#111"/>'
                     '<circle cx="46.5" cy="34.6" r="0.9" fill="#111"/></g>')
    # tail boom, stabiliser, fin with the tail rotor
    parts.append(f'<g stroke="{OUTLINE}" stroke-width="0.7">'
                 '<path d="M21.3 58 L29.7 58 L28.3 104 L22.7 104 Z" fill="url(#side)"/>'
                 '<path d="M13 86 Q25.5 83 38 86 L38 91 Q25.5 89.5 13 91 Z" fill="url(#side)"/>'
                 '<rect x="11.5" y="85" width="3" height="7" rx="1" fill="url(#cover)"/>'
                 '<rect x="36.5" y="85" width="3" height="7" rx="1" fill="url(#cover)"/>'
                 '<path d="M23 101 L28 101 L27.3 113 L23.7 113 Z" fill="url(#cover)"/>'
                 '</g>')
    # tail rotor seen edge-on beside the fin, with a blur of its own
    parts.append(f'<rect x="28.6" y="101.5" width="1.6" height="11" rx="0.8" fill="#2a2a2a"/>'
                 '<rect x="30.3" y="103" width="3.6" height="8" rx="1.8" fill="#8c8c8c"/>'
                 '<rect x="30.3" y="106.2" width="3.6" height="1.6" fill="#3a3a3a"/>')
    if not army:  # white chevrons on the red boom
        for y in (64, 72, 80):
            parts.append(f'<path d="M21.7 {y} L25.5 {y + 3.4} L29.3 {y} L29.2 {y + 2.2} '
                         f'L25.5 {y + 5.6} L21.8 {y + 2.2} Z" fill="{stripe}"/>')
        parts.append(f'<rect x="22.6" y="94" width="5.8" height="5" fill="{stripe}"/>')
    else:
        parts.append(f'<rect x="21.9" y="70" width="7.2" height="3" fill="{stripe}"/>')
    # cabin
    parts.append(f'<path d="{CABIN}" fill="url(#side)" stroke="{OUTLINE}" stroke-width="0.8"/>')
    parts.append('<g clip-path="url(#cab)">')
    parts.append('<rect x="0" y="27" width="51" height="9" fill="url(#band)"/>')
    if army:
        for cx, cy, rx, ry in ((18, 46, 4, 6), (31, 20, 3, 4), (33, 52, 4, 3), (20, 57, 3, 2)):
            parts.append(f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="#3c4621" opacity="0.9"/>')
    # left flank highlight and right flank shade along the whole cabin
    parts.append('<rect x="13" y="0" width="3" height="70" fill="#ffffff" opacity="0.18"/>')
    parts.append('<rect x="34" y="0" width="4" height="70" fill="#000000" opacity="0.22"/>')
    parts.append('</g>')
    # windscreen
    parts.append(f'<path d="M17.4 15 Q17 5.2 25.5 3.6 Q34 5.2 33.6 15 Q25.5 12 17.4 15 Z" '
                 f'fill="url(#glass)" stroke="{OUTLINE}" stroke-width="0.6"/>')
    parts.append('<path d="M19.4 11.2 Q20.5 6.8 24 5.6" fill="none" stroke="#ffffff" '
                 'stroke-width="0.9" opacity="0.75"/>')
    parts.append(f'<line x1="25.5" y1="4" x2="25.5" y2="12.8" stroke="{OUTLINE}" stroke-width="0.6"/>')
    # side windows
    parts.append(f'<path d="M15.6 18 L18.2 17 L18.2 26 L15.4 26 Z" fill="url(#glass)" '
                 f'stroke="{OUTLINE}" stroke-width="0.4"/>'
                 f'<path d="M35.4 18 L32.8 17 L32.8 26 L35.6 26 Z" fill="url(#glass)" '
                 f'stroke="{OUTLINE}" stroke-width="0.4"/>')
    # engine cover behind the mast with exhausts and vents
    parts.append(f'<path d="M19.5 28 Q25.5 25.5 31.5 28 L31 56 Q25.5 59 20 56 Z" '
                 f'fill="url(#cover)" stroke="{OUTLINE}" stroke-width="0.6"/>')
    for y in (41, 43.4, 45.8):
        parts.append(f'<line x1="21.6" y1="{y}" x2="29.4" y2="{y}" stroke="#5b5f66" stroke-width="0.6"/>')
    parts.append('<ellipse cx="22.4" cy="53" rx="1.5" ry="2.4" fill="#2b2b2b"/>'
                 '<ellipse cx="28.6" cy="53" rx="1.5" ry="2.4" fill="#2b2b2b"/>')
    if not army:  # rescue cross on the roof
        parts.append('<rect x="21.5" y="17" width="8" height="8" rx="1" fill="#ffffff" '
                     f'stroke="{OUTLINE}" stroke-width="0.4"/>'
                     '<rect x="24.5" y="18" width="2" height="6" fill="#d0281d"/>'
                     '<rect x="22.5" y="20" width="6" height="2" fill="#d0281d"/>')
    else:
        parts.append('<circle cx="25.5" cy="21" r="3.2" fill="#2f361a"/>'
                     '<path d="M25.5 18.4 L26.3 20.5 L28.4 20.5 L26.7 21.7 L27.3 23.7 L25.5 22.5 '
                     'L23.7 23.7 L24.3 21.7 L22.6 20.5 L24.7 20.5 Z" fill="#c9b458"/>')
    # mast fairing
    parts.append(f'<circle cx="{MAST[0]}" cy="{MAST[1]}" r="3.4" fill="#4a4d52" '
                 f'stroke="{OUTLINE}" stroke-width="0.6"/>')
    return kit.svg(w, h, "".join(parts), defs, vw=51, vh=115)


CABIN = ("M25.5 2 C31.5 2 35.8 7 36.6 16 C37.4 24 37.2 36 36 46 C35.2 54 32 60 29.7 62 "
         "L21.3 62 C19 60 15.8 54 15 46 C13.8 36 13.6 24 14.4 16 C15.2 7 19.5 2 25.5 2 Z")


def vrtulnik(w, h):
    return kit.render(body_svg(w, h, "rescue"), w, h)


def voj_vrtulnik(w, h):
    return kit.render(body_svg(w, h, "army"), w, h)


def stin(w, h):
    """The airframe's silhouette, black; the game draws it faint and offset."""
    a = kit.render(body_svg(w, h, "rescue"), w, h)[..., 3]
    rgb = np.zeros((h, w, 3))
    return kit.rgba(rgb, a / 255.0)


def vrtule(w, h):
    """Four blades with lighter trailing ghosts: a turning rotor at 1:1."""
    c = w / 2
    r = w / 2 - 1.5
    parts = []
    # tip-path circle, broken into dashes
    parts.append(f'<circle cx="{c}" cy="{c}" r="{r - 0.6}" fill="none" stroke="#b9bcc0" '
                 'stroke-width="1.1" stroke-dasharray="5 7"/>')
    for k in range(4):
        base = k * 90 + 20
        for lag, colour, width, length in ((-22, "#d2d4d6", 1.4, r - 2), (-11, "#9ea1a6", 2.0, r - 1),
                                           (0, "#2e3033", 3.4, r)):
            a = math.radians(base + lag)
            parts.append(blade(c, a, width, length, colour, tip=(lag == 0)))
    parts.append(f'<circle cx="{c}" cy="{c}" r="5.2" fill="#3d4045" stroke="{OUTLINE}" stroke-width="0.8"/>'
                 f'<circle cx="{c - 0.8}" cy="{c + 0.8}" r="2.2" fill="#9aa0a8"/>')
    return kit.render(kit.svg(w, h, "".join(parts)), w, h)


def blade(c, a, width, length, colour, tip):
    dx, dy = math.cos(a), math.sin(a)
    nx, ny = -dy, dx
    x0, y0 = c + dx * 4, c + dy * 4
    x1, y1 = c + dx * length, c + dy * length
    hw = width / 2
    pts = [(x0 + nx * hw, y0 + ny * hw), (x1 + nx * hw * 0.8, y1 + ny * hw * 0.8),
           (x1 - nx * hw * 0.8, y1 - ny * hw * 0.8), (x0 - nx * hw, y0 - ny * hw)]
    d = "M" + " L".join(f"{x:.2f} {y:.2f}" for x, y in pts) + " Z"
    s = f'<path d="{d}" fill="{colour}"/>'
    if tip:
        tx0, ty0 = c + dx * (length - 6), c + dy * (length - 6)
        s += (f'<line x1="{tx0:.2f}" y1="{ty0:.2f}" x2="{x1:.2f}" y2="{y1:.2f}" stroke="#f0c419" '
              f'stroke-width="{width:.2f}"/>')
        s += (f'<line x1="{x0:.2f}" y1="{y0:.2f}" x2="{tx0:.2f}" y2="{ty0:.2f}" stroke="#6b6f75" '
              f'stroke-width="0.7" transform="translate({nx * -hw * 0.55:.2f} {ny * -hw * 0.55:.2f})"/>')
    return s


def vrtule_voda(w, h):
    """Spray thrown up by the downwash: a ring of droplets and short radial streaks."""
    rng = np.random.default_rng(30)
    c = w / 2
    parts = []
    for i in range(260):
        ang = rng.uniform(0, 2 * math.pi)
        rad = 26 + 20 * rng.beta(2.0, 2.2)
        x, y = c + math.cos(ang) * rad, c + math.sin(ang) * rad
        shade = rng.uniform(0, 1)
        col = (int(172 + 70 * shade), int(212 + 38 * shade), int(226 + 26 * shade))
        col = f"rgb({min(col[0], 246)},{min(col[1], 250)},{min(col[2], 252)})"
        if i % 3 == 0:  # a streak along the radius
            l = rng.uniform(2.5, 6.0)
            x2, y2 = x + math.cos(ang) * l, y + math.sin(ang) * l
            parts.append(f'<line x1="{x:.2f}" y1="{y:.2f}" x2="{x2:.2f}" y2="{y2:.2f}" stroke="{col}" '
                         f'stroke-width="{rng.uniform(1.1, 1.8):.2f}" stroke-linecap="round"/>')
        else:
            parts.append(f'<circle cx="{x:.2f}" cy="{y:.2f}" r="{rng.uniform(0.7, 1.7):.2f}" fill="{col}"/>')
    # a thin broken foam ring where the wash meets the sea
    parts.append(f'<circle cx="{c}" cy="{c}" r="30" fill="none" stroke="#e4f2f7" stroke-width="1.3" '
                 'stroke-dasharray="3 4 7 3"/>')
    return kit.render(kit.svg(w, h, "".join(parts)), w, h)


def mark(w, h, scheme):
    """A small helicopter for the map, nose up, bright enough for the chart."""
    if scheme == "rescue":
        body, light = "#e8321f", "#ffffff"
    else:
        body, light = "#6f7f3a", "#d8d2a0"
    parts = [
        f'<path d="M8.5 2 C11.5 2 12.6 6 12.6 10 C12.6 15 11 18 9.6 19 L9.6 27 L12.5 27.5 L12.5 29.5 '
        f'L4.5 29.5 L4.5 27.5 L7.4 27 L7.4 19 C6 18 4.4 15 4.4 10 C4.4 6 5.5 2 8.5 2 Z" '
        f'fill="{body}" stroke="#1a1a1a" stroke-width="1"/>',
        '<path d="M6.2 7 Q8.5 3.6 10.8 7 Z" fill="#9fd3ef"/>',
        f'<line x1="1" y1="10.5" x2="16" y2="10.5" stroke="{light}" stroke-width="1.2"/>',
        f'<line x1="8.5" y1="3" x2="8.5" y2="18" stroke="{light}" stroke-width="1.2"/>',
        '<circle cx="8.5" cy="10.5" r="1.4" fill="#1a1a1a"/>',
    ]
    return kit.render(kit.svg(w, h, "".join(parts), vw=17, vh=31), w, h)


PICTURES = {
    "00_vrtulnik": vrtulnik,
    "01_stin": stin,
    "02_vrtule": vrtule,
    "07_s_vrt": lambda w, h: mark(w, h, "rescue"),
    "30_vrtule_voda": vrtule_voda,
    "33_voj_vrtulnik": voj_vrtulnik,
    "34_s_vrt_boj": lambda w, h: mark(w, h, "army"),
}

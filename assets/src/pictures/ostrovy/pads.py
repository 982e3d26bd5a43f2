"""Landing pads with their lights, the base flag, the stretcher bearers and the canopy."""
import math

import numpy as np

import builtin as kit

OUT = "#1a1a1a"
LAMP = {"off": ("#3c3f44", "#6b7077"), "green": ("#19c23a", "#b8ffb0"), "red": ("#e0261b", "#ffc0a8")}


def lamp(x, y, state):
    base, hi = LAMP[state]
    s = ""
    if state != "off":
        s += f'<circle cx="{x}" cy="{y}" r="5.5" fill="{base}" opacity="0.45"/>'
    return s + (f'<circle cx="{x}" cy="{y}" r="3" fill="{base}" stroke="{OUT}" stroke-width="0.8"/>'
                f'<circle cx="{x - 0.8}" cy="{y + 0.8}" r="1.1" fill="{hi}"/>')


# The word on the fuel pad, one entry per language (PHM: pohonné hmoty, fuels).
PAD_WORDS = {"cs": {"fuel": "PHM"}, "en": {"fuel": "FUEL"}}
FUEL_WORD_ROOM = (10, 42, 77, 42)  # on the landing band, inside its stripes and lamps

DEFS = ('<linearGradient id="slab" x1="0" y1="1" x2="1" y2="0"><stop offset="0" stop-color="#5d6168"/>'
        '<stop offset="1" stop-color="#43474d"/></linearGradient>')


def base_pad(state):
    """Base pad: the landing box (35, 50)-(92, 102) with its H; a windsock on the left."""
    def make(w, h):
        p = [f'<rect x="33" y="48" width="64" height="61" rx="3" fill="#262421" opacity="0.5" transform="translate(3 -3)"/>',
             f'<rect x="30" y="44" width="66" height="64" rx="4" fill="url(#slab)" stroke="{OUT}" stroke-width="1"/>',
             '<rect x="35" y="50" width="57" height="52" fill="none" stroke="#f2c12e" stroke-width="2" '
             'stroke-dasharray="6 3"/>',
             '<circle cx="63.5" cy="76" r="22" fill="none" stroke="#f4f4f0" stroke-width="2.6"/>',
             '<path d="M53 63 H58.5 V73.5 H68.5 V63 H74 V89 H68.5 V78.5 H58.5 V89 H53 Z" fill="#f4f4f0" '
             f'stroke="{OUT}" stroke-width="0.6"/>',
             # walkway from the pad towards the building on the right
             '<rect x="88" y="64" width="9" height="24" fill="#77736b"/>',
             # windsock
             '<rect x="11" y="26" width="2.4" height="24" fill="#d8d8d0" stroke="#333" stroke-width="0.5"/>',
             '<path d="M12 27 L28 22 L27 30 L12 31 Z" fill="#f07a1a" stroke="#333" stroke-width="0.6"/>',
             '<path d="M17 25.5 L17.5 30.6 M22 24 L22.3 30.3" stroke="#f4f4f0" stroke-width="2"/>']
        for x, y in ((33.5, 47.5), (92.5, 47.5), (33.5, 104.5), (92.5, 104.5)):
            p.append(lamp(x, y, state))
        return kit.render(kit.svg(w, h, "".join(p), DEFS), w, h)
    return make


def fuel_pad(state):
    """Fuel pad: the landing band (0, 40)-(97, 82) across the whole width, a pump above it."""
    def make(w, h):
        p = ['<rect x="3" y="35" width="94" height="58" fill="#262421" opacity="0.5" transform="translate(3 -3)"/>',
             f'<rect x="1" y="34" width="95" height="58" rx="3" fill="url(#slab)" stroke="{OUT}" stroke-width="1"/>']
        for i in range(12):  # hazard stripes along both long edges
            x = 3 + i * 8
            p.append(f'<path d="M{x} 36 h4 l-3 4 h-4 Z M{x} 86 h4 l-3 4 h-4 Z" fill="#f2c12e"/>')
        word = (f'<text x="48.5" y="72" text-anchor="middle" style="{kit.FONT_BOLD};font-size:22px" '
                f'fill="#f2c12e" stroke="#1a1a1a" stroke-width="0.6">{kit.esc(kit.words(PAD_WORDS)["fuel"])}</text>')
        kit.expect_clear("ostrovy/fuel pad", kit.render(kit.svg(w, h, word), w, h),
                         kit.around(FUEL_WORD_ROOM, w, h))
        p += [word,
              # pump with its hose above the pad
              '<rect x="36" y="8" width="24" height="18" rx="2" fill="#d12a1f" stroke="#1a1a1a" stroke-width="1"/>',
              '<rect x="40" y="11" width="16" height="6" fill="#f4f4f0"/>',
              '<path d="M58 22 C70 22 72 30 66 36" fill="none" stroke="#1a1a1a" stroke-width="2.4"/>']
        for x, y in ((4, 37), (93, 37), (4, 89), (93, 89)):
            p.append(lamp(x, y, state))
        return kit.render(kit.svg(w, h, "".join(p), DEFS), w, h)
    return make


def flag(k):
    """The base flag on its pole, waving; four phases of a travelling wave."""
    def make(w, h):
        ph = k * math.pi / 2
        top, bot = [], []
        for i in range(21):
            t = i / 20
            x = 10 + 44 * t
            dy = math.sin(ph - t * 5.0) * 3.2 * t
            top.append((x, 5 + dy + 2 * t))
            bot.append((x, 29 + dy - 2 * t))
        mid = [(x, (a + b) / 2) for (x, a), (_, b) in zip(top, bot)]
        outline = "M" + " L".join(f"{x:.2f} {y:.2f}" for x, y in top + bot[::-1]) + " Z"
        upper = "M" + " L".join(f"{x:.2f} {y:.2f}" for x, y in top + mid[::-1]) + " Z"
        wedge_tip = mid[9]
        wedge = f"M{top[0][0]} {top[0][1]} L{wedge_tip[0]:.2f} {wedge_tip[1]:.2f} L{bot[0][0]} {bot[0][1]} Z"
        shade = []
        for i in range(0, 20, 2):  # folds: darker where the cloth turns away from the light
            c = math.cos(ph - i / 20 * 5.0)
            if c < 0:
                x = 10 + 44 * i / 20
                shade.append(f'<rect x="{x:.2f}" y="0" width="4.4" height="40" fill="#000000" opacity="{-c * 0.22:.2f}"/>')
        p = ['<path d="M8 52 L60 20" stroke="#2c2a24" stroke-width="2.2" opacity="0.5"/>',
             '<defs><clipPath id="cl"><path d="' + outline + '"/></clipPath></defs>',
             f'<path d="{outline}" fill="#d7141a" stroke="{OUT}" stroke-width="0.8"/>',
             f'<path d="{upper}" fill="#f4f4f0"/>',
             f'<path d="{wedge}" fill="#11457e"/>',
             '<g clip-path="url(#cl)">' + "".join(shade) + '</g>',
             f'<path d="{outline}" fill="none" stroke="{OUT}" stroke-width="0.8"/>',
             '<rect x="7.6" y="2" width="2.8" height="51" rx="1.2" fill="#cfd2d6" stroke="#333" stroke-width="0.6"/>',
             '<circle cx="9" cy="2.5" r="2" fill="#f2c12e" stroke="#333" stroke-width="0.5"/>']
        return kit.render(kit.svg(w, h, "".join(p)), w, h)
    return make


def bearer(x, y, step):
    """A paramedic seen from above, walking: feet and arms swing with `step` (-1..1)."""
    return (f'<ellipse cx="{x + 3 * step}" cy="{y - 4}" rx="2.2" ry="1.6" fill="#222"/>'
            f'<ellipse cx="{x - 3 * step}" cy="{y + 4}" rx="2.2" ry="1.6" fill="#222"/>'
            f'<ellipse cx="{x}" cy="{y}" rx="4.4" ry="6.6" fill="#d12a1f" stroke="{OUT}" stroke-width="0.7"/>'
            f'<rect x="{x - 3.6}" y="{y - 1}" width="7.2" height="2" fill="#f4f4f0"/>'
            f'<circle cx="{x}" cy="{y}" r="3.1" fill="#f4f4f0" stroke="{OUT}" stroke-width="0.6"/>')


def stretcher(loaded, k):
    def make(w, h):
        step = 1 if k == 0 else -1
        p = ['<rect x="11" y="5.5" width="49" height="14" fill="#2c2a24" opacity="0.35" transform="translate(2 -2)"/>',
             '<line x1="5" y1="7" x2="66" y2="7" stroke="#9aa0a6" stroke-width="1.6"/>',
             '<line x1="5" y1="18" x2="66" y2="18" stroke="#9aa0a6" stroke-width="1.6"/>',
             f'<rect x="14" y="7" width="43" height="11" fill="#e9a23b" stroke="{OUT}" stroke-width="0.7"/>']
        if loaded:
            p += [f'<rect x="21" y="6.5" width="30" height="12" rx="4" fill="#3f6fb0" stroke="{OUT}" stroke-width="0.7"/>',
                  '<line x1="26" y1="7" x2="26" y2="18" stroke="#2c4f82" stroke-width="1"/>',
                  '<line x1="40" y1="7" x2="40" y2="18" stroke="#2c4f82" stroke-width="1"/>',
                  f'<circle cx="17.5" cy="12.5" r="3.4" fill="#e9b48a" stroke="{OUT}" stroke-width="0.6"/>',
                  '<path d="M14.6 11 Q15 9 17.5 9.1 L17.5 12 Z" fill="#5a3a22"/>']
        p.append(bearer(7, 12.5, step))
        p.append(bearer(64, 12.5, -step))
        return kit.render(kit.svg(w, h, "".join(p), vw=71, vh=25), w, h)
    return make


def striska(w, h):
    """The canopy over the base door: a red and white awning seen from above."""
    p = [f'<rect x="0" y="0" width="{w}" height="{h}" fill="#5b574f"/>']
    for i in range(8):
        p.append(f'<rect x="0.5" y="{0.5 + i * 3.9:.1f}" width="12" height="3.9" '
                 f'fill="{"#d12a1f" if i % 2 == 0 else "#f4f0e6"}"/>')
    p.append('<rect x="0.5" y="0.5" width="12" height="31" fill="none" stroke="#1a1a1a" stroke-width="1"/>'
             '<rect x="9" y="0.5" width="3.5" height="31" fill="#000000" opacity="0.25"/>')
    return kit.render(kit.svg(w, h, "".join(p)), w, h)


PICTURES = {
    "13_zakl_nulova": base_pad("off"), "14_zakl_zelena": base_pad("green"), "15_zakl_cervena": base_pad("red"),
    "17_benzin_0": fuel_pad("off"), "18_benzin_zeleny": fuel_pad("green"), "19_benzin_cerveny": fuel_pad("red"),
    "08_nositka_prazdne1": stretcher(False, 0), "09_nositka_prazdne2": stretcher(False, 1),
    "10_nositka_plne1": stretcher(True, 0), "11_nositka_plne2": stretcher(True, 1),
    "12_striska": striska,
}
PICTURES.update({f"{4 + k:02d}_vlaj{k + 1}": flag(k) for k in range(4)})

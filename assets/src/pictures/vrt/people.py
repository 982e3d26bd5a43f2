"""People seen from above and a little from the front: a waving person in five
phases, the shadow, a falling person, the mark where one died, and the rescue chair."""
import math

import numpy as np

import builtin as kit

OUT = "#1a1a1a"
SKIN = "#e9b48a"
HAIR = "#5a3a22"
SHIRT_L, SHIRT_D = "#ffb347", "#e06a10"   # orange life vest
TROUSERS = "#2d4a7a"

# arm lift from the body's side, in degrees, per phase; the cycle runs 1..5 and back to 1
PHASES = [18, 42, 66, 52, 32]


def arm(x0, y0, side, lift, length=9.0):
    """An arm from the shoulder, raised by `lift` degrees above horizontal, waving."""
    a = math.radians(lift)
    x1 = x0 + side * math.cos(a) * length
    y1 = y0 - math.sin(a) * length
    return (f'<line x1="{x0}" y1="{y0}" x2="{x1:.2f}" y2="{y1:.2f}" stroke="{OUT}" stroke-width="3.2" '
            f'stroke-linecap="round"/>'
            f'<line x1="{x0}" y1="{y0}" x2="{x1:.2f}" y2="{y1:.2f}" stroke="{SHIRT_D}" stroke-width="1.8" '
            f'stroke-linecap="round"/>'
            f'<circle cx="{x1:.2f}" cy="{y1:.2f}" r="1.6" fill="{SKIN}" stroke="{OUT}" stroke-width="0.6"/>')


def person_svg(w, h, lift):
    defs = (f'<linearGradient id="vest" x1="0" y1="0" x2="1" y2="0"><stop offset="0" stop-color="{SHIRT_L}"/>'
            f'<stop offset="1" stop-color="{SHIRT_D}"/></linearGradient>')
    cx = 17.5
    body = [
        # legs (seen a little from the front, below the body)
        f'<rect x="{cx - 3.6}" y="14" width="3" height="8.4" rx="1.3" fill="{TROUSERS}" stroke="{OUT}" stroke-width="0.6"/>',
        f'<rect x="{cx + 0.6}" y="14" width="3" height="8.4" rx="1.3" fill="{TROUSERS}" stroke="{OUT}" stroke-width="0.6"/>',
        arm(cx - 4.6, 12.2, -1, lift),
        arm(cx + 4.6, 12.2, 1, lift + 6),
        f'<ellipse cx="{cx}" cy="13.2" rx="5.6" ry="4" fill="url(#vest)" stroke="{OUT}" stroke-width="0.7"/>',
        f'<line x1="{cx - 4}" y1="13.6" x2="{cx + 4}" y2="13.6" stroke="#f4f0e0" stroke-width="0.9"/>',
        f'<circle cx="{cx}" cy="9.2" r="3.3" fill="{SKIN}" stroke="{OUT}" stroke-width="0.7"/>',
        f'<path d="M{cx - 3} 8.6 Q{cx} 4.6 {cx + 3} 8.6 Q{cx} 7.4 {cx - 3} 8.6 Z" fill="{HAIR}"/>',
    ]
    return kit.svg(w, h, "".join(body), defs, vw=35, vh=24)


def person(phase):
    return lambda w, h: kit.render(person_svg(w, h, PHASES[phase]), w, h)


def pastin(w, h):
    """The waving person's shadow, thrown up and to the right (light from the lower left)."""
    col = "#3a4230"
    parts = [
        f'<ellipse cx="23" cy="13.5" rx="8.5" ry="3.6" transform="rotate(-28 23 13.5)" fill="{col}"/>',
        f'<circle cx="30.2" cy="8.6" r="3" fill="{col}"/>',
        f'<line x1="22" y1="10" x2="26" y2="3" stroke="{col}" stroke-width="2.2" stroke-linecap="round"/>',
        f'<line x1="28" y1="15" x2="33.5" y2="10.5" stroke="{col}" stroke-width="2.2" stroke-linecap="round"/>',
        f'<ellipse cx="18.5" cy="20" rx="4" ry="2.2" fill="{col}"/>',
    ]
    return kit.render(kit.svg(w, h, "".join(parts), vw=35, vh=24), w, h)


def pada(w, h):
    """A falling person, spread out, seen from above (head to the left)."""
    limb = lambda x0, y0, x1, y1, c: (
        f'<line x1="{x0}" y1="{y0}" x2="{x1}" y2="{y1}" stroke="{OUT}" stroke-width="3.4" stroke-linecap="round"/>'
        f'<line x1="{x0}" y1="{y0}" x2="{x1}" y2="{y1}" stroke="{c}" stroke-width="2" stroke-linecap="round"/>')
    parts = [
        limb(21, 9.5, 33, 3.5, TROUSERS), limb(21, 12.5, 33, 18.5, TROUSERS),
        limb(11, 8, 14, 1.8, SHIRT_D), limb(11, 14, 14, 20.2, SHIRT_D),
        f'<circle cx="14.2" cy="1.8" r="1.5" fill="{SKIN}"/><circle cx="14.2" cy="20.2" r="1.5" fill="{SKIN}"/>',
        f'<ellipse cx="16" cy="11" rx="7" ry="4.3" fill="{SHIRT_L}" stroke="{OUT}" stroke-width="0.7"/>',
        f'<circle cx="6.4" cy="11" r="3.4" fill="{SKIN}" stroke="{OUT}" stroke-width="0.7"/>',
        f'<path d="M3.6 9 Q2.6 11 3.6 13 Q5 11 3.6 9 Z" fill="{HAIR}"/>',
    ]
    return kit.render(kit.svg(w, h, "".join(parts), vw=36, vh=22), w, h)


def skvrna(w, h):
    """A dark, scorched patch on the ground with a few small flowers laid on it."""
    rng = np.random.default_rng(32)
    pts = []
    for k in range(18):
        a = 2 * math.pi * k / 18
        r = 1 + 0.22 * rng.uniform(-1, 1)
        pts.append((18.5 + math.cos(a) * 14 * r, 13.5 + math.sin(a) * 9.5 * r))
    d = "M" + " ".join(f"{x:.1f} {y:.1f}" for x, y in pts) + " Z"
    inner = "M" + " ".join(f"{18.5 + (x - 18.5) * 0.6:.1f} {13.5 + (y - 13.5) * 0.6:.1f}" for x, y in pts) + " Z"
    parts = [f'<path d="{d}" fill="#4d3b2c"/>', f'<path d="{inner}" fill="#3a2b20"/>']
    for x, y in ((4, 4), (33, 23), (31, 3.5), (5, 22)):
        parts.append(f'<circle cx="{x}" cy="{y}" r="1.2" fill="#4d3b2c"/>')
    for x, y, c in ((15, 12, "#f3efe6"), (21, 15, "#f2d24b"), (19, 10, "#f3efe6")):
        for k in range(5):
            a = 2 * math.pi * k / 5
            parts.append(f'<circle cx="{x + math.cos(a) * 1.3:.2f}" cy="{y + math.sin(a) * 1.3:.2f}" r="0.9" fill="{c}"/>')
        parts.append(f'<circle cx="{x}" cy="{y}" r="0.7" fill="#d9822b"/>')
    return kit.render(kit.svg(w, h, "".join(parts), vw=37, vh=27), w, h)


def zidle(w, h):
    """The rescue seat on its cable, from above: metal frame, orange seat, hook."""
    parts = [
        f'<rect x="2.5" y="4" width="13" height="11.5" rx="3" fill="#9aa0a6" stroke="{OUT}" stroke-width="0.8"/>',
        '<rect x="4.3" y="7" width="9.4" height="7" rx="1.8" fill="#f06a1a"/>',
        '<rect x="4.3" y="5.2" width="9.4" height="2.2" rx="1" fill="#b4440e"/>',
        '<line x1="5.5" y1="10.5" x2="12.5" y2="10.5" stroke="#ffd24a" stroke-width="1"/>',
        f'<circle cx="9" cy="3" r="2.1" fill="#f4c21b" stroke="{OUT}" stroke-width="0.7"/>',
        '<circle cx="9" cy="3" r="0.8" fill="#3a3a3a"/>',
    ]
    return kit.render(kit.svg(w, h, "".join(parts), vw=18, vh=17), w, h)


PICTURES = {f"{15 + i}_pa{i + 1}": person(i) for i in range(5)}
PICTURES.update({
    "03_zidle": zidle,
    "20_pastin": pastin,
    "29_pada": pada,
    "32_skvrna": skvrna,
})

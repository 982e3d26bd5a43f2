"""The sea behind the flight view, the wave sparkles, and the mission clock."""
import math

import numpy as np

import builtin as kit


def pozadi(w, h):
    """Deep teal-blue water with soft swell and a few brighter ripples; it stands still
    under the scrolling world, so nothing in it may suggest a direction of travel."""
    n1 = kit.noise(w, h, 120, 2101, octaves=3)
    n2 = kit.noise(w, h, 28, 2102, octaves=3)
    n3 = kit.noise(w, h, 7, 2103, octaves=2)
    deep = np.array([31, 95, 139])
    light = np.array([43, 125, 176])
    t = (0.55 * n1 + 0.35 * n2 + 0.10 * n3)[..., None]
    t = (t - t.min()) / (t.max() - t.min())
    rgb = deep * (1 - t) + light * t
    # ripples: thin bright bands where the mid-scale noise crosses a level
    band = np.abs(n2 - 0.5) < 0.012
    rgb = np.where(band[..., None], rgb * 1.12 + 6, rgb)
    dark = np.abs(n3 - 0.5) < 0.02
    rgb = np.where(dark[..., None], rgb * 0.94, rgb)
    return kit.rgba(rgb)


def vlny(k):
    """Foam glints: a crest that appears, breaks, and scatters into spray."""
    def make(w, h):
        p = []
        c = "#e8f4f8"
        if k == 0:
            p.append(f'<path d="M14 18 Q28 12 42 18" fill="none" stroke="{c}" stroke-width="1.6" stroke-linecap="round"/>')
        elif k == 1:
            p.append(f'<path d="M8 19 Q28 9 48 19" fill="none" stroke="{c}" stroke-width="2.2" stroke-linecap="round"/>'
                     f'<path d="M18 23 Q28 19 38 23" fill="none" stroke="{c}" stroke-width="1.2" stroke-linecap="round"/>')
        elif k == 2:
            p.append(f'<path d="M4 20 Q28 6 53 20" fill="none" stroke="{c}" stroke-width="2.6" stroke-linecap="round"/>'
                     f'<path d="M12 25 Q28 17 44 25" fill="none" stroke="{c}" stroke-width="1.4" stroke-linecap="round"/>')
            for x, y in ((10, 12), (22, 8), (36, 8), (47, 12), (29, 4)):
                p.append(f'<circle cx="{x}" cy="{y}" r="1.1" fill="{c}"/>')
        else:
            rng = np.random.default_rng(2400)
            for _ in range(16):
                x, y = rng.uniform(6, 51), rng.uniform(6, 28)
                p.append(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="{rng.uniform(0.7, 1.2):.2f}" fill="{c}"/>')
        img = kit.render(kit.svg(w, h, "".join(p)), w, h)
        return img
    return make


# The clock's word, one entry per language.
CLOCK_WORDS = {"cs": {"time": "ČAS"}, "en": {"time": "TIME"}}
CLOCK_WORD_ROOM = (30, 52, 34, 13)  # below the hub, inside the ring of marks


def hodiny(w, h):
    """Mission clock: the hand turns once over the whole time allowed, so the dial shows
    how much is left, turning red towards the end. Its centre is at (47, 47)."""
    cx = cy = 47
    defs = ('<radialGradient id="face" cx="0.4" cy="0.6" r="0.7"><stop offset="0" stop-color="#fbf8ee"/>'
            '<stop offset="1" stop-color="#d9d2bd"/></radialGradient>'
            '<linearGradient id="rim" x1="0" y1="1" x2="1" y2="0"><stop offset="0" stop-color="#d8dde2"/>'
            '<stop offset="1" stop-color="#4c5258"/></linearGradient>')
    p = [f'<circle cx="{cx + 2}" cy="{cy - 2}" r="45" fill="#000000" opacity="0.35"/>',
         f'<circle cx="{cx}" cy="{cy}" r="45" fill="url(#rim)" stroke="#1a1a1a" stroke-width="1.2"/>',
         f'<circle cx="{cx}" cy="{cy}" r="38" fill="url(#face)" stroke="#1a1a1a" stroke-width="1"/>']

    def arc(a0, a1, r, colour, width):
        x0, y0 = cx + r * math.sin(a0), cy - r * math.cos(a0)
        x1, y1 = cx + r * math.sin(a1), cy - r * math.cos(a1)
        large = 1 if a1 - a0 > math.pi else 0
        return (f'<path d="M{x0:.2f} {y0:.2f} A{r} {r} 0 {large} 1 {x1:.2f} {y1:.2f}" fill="none" '
                f'stroke="{colour}" stroke-width="{width}"/>')
    p.append(arc(0.02, 2 * math.pi * 0.6, 33, "#4aa53a", 5))
    p.append(arc(2 * math.pi * 0.6, 2 * math.pi * 0.82, 33, "#e8b323", 5))
    p.append(arc(2 * math.pi * 0.82, 2 * math.pi * 0.985, 33, "#d62a1e", 5))
    for i in range(24):
        a = 2 * math.pi * i / 24
        r0 = 25 if i % 2 == 0 else 28
        p.append(f'<line x1="{cx + r0 * math.sin(a):.2f}" y1="{cy - r0 * math.cos(a):.2f}" '
                 f'x2="{cx + 30.5 * math.sin(a):.2f}" y2="{cy - 30.5 * math.cos(a):.2f}" stroke="#1a1a1a" '
                 f'stroke-width="{1.6 if i % 2 == 0 else 0.9}"/>')
    word = (f'<text x="{cx}" y="{cy + 16}" text-anchor="middle" style="{kit.FONT_BOLD};font-size:9px" '
            f'fill="#3b3934">{kit.esc(kit.words(CLOCK_WORDS)["time"])}</text>')
    kit.expect_clear("ostrovy/hodiny", kit.render(kit.svg(w, h, word), w, h), kit.around(CLOCK_WORD_ROOM, w, h))
    p.append(word)
    p.append(f'<circle cx="{cx}" cy="{cy}" r="4" fill="#2a2a2a"/>')
    return kit.render(kit.svg(w, h, "".join(p), defs), w, h)


def raficka(w, h):
    """The clock hand, 4 x 40, drawn opaque and rotated about its bottom-right end: a red
    needle with a dark edge, pointing up."""
    rgb = np.zeros((h, w, 3))
    rgb[:, :] = (196, 30, 24)
    rgb[:, 0] = (240, 84, 60)     # lit edge
    rgb[:, w - 1] = (110, 14, 10)  # shaded edge
    rgb[:3, :] = (255, 214, 90)   # bright tip
    rgb[h - 6:, :] = (40, 40, 40)  # the hub end
    return kit.rgba(rgb)


PICTURES = {
    "21_pozadi": pozadi,
    "00_hodiny": hodiny,
    "01_raficka": raficka,
}
PICTURES.update({f"{22 + k}_vlny{k + 1}": vlny(k) for k in range(4)})

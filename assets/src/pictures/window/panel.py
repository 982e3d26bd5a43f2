"""The main window's pictures: the bottom instrument panel, the four gauge bars,
the head icon for people aboard and the frame of the two counters at the top.

The panel's background is stretched to 798 x 73 in the window, so it is drawn in
that space and then reduced to its stored 775 x 67. Places in that space:
gauges at x 83..233, rows 12, 24, 36 (10 high) and 50 (12 high); head icons at
x 269..356, y 37..61 (opaque, on the flat colour HEAD_BG); level number at (768, 32).
"""
import numpy as np
from PIL import Image

import builtin as kit

HEAD_BG = (20, 31, 42)
HEAD_BG_HEX = "#%02x%02x%02x" % HEAD_BG
SW, SH = 798, 73  # the stretched size
GAUGES = [("rotor", 12, 10), ("speed", 24, 10), ("altitude", 36, 10), ("fuel", 50, 12)]
# The panel's words, one entry per language: the gauges' captions, the caption of
# the window for the people aboard, the name plate and the level number's caption.
PANEL_WORDS = {
    "cs": {"rotor": "rotor", "speed": "rychlost", "altitude": "výška", "fuel": "palivo",
           "aboard": "na palubě", "service": "ZÁCHRANNÁ SLUŽBA", "level": "úroveň"},
    "en": {"rotor": "rotor", "speed": "speed", "altitude": "altitude", "fuel": "fuel",
           "aboard": "on board", "service": "RESCUE SERVICE", "level": "level"},
}
# Where each word may go, in the stretched space: gauge captions between the red
# stripe and the gauges, the people's caption above their window between the
# screws, the name plate's words right of its cross, the level's caption left of
# the level box and above the warning stripes.
CAPTION_ROOM = (20, 0, 59, SH)
ABOARD_ROOM = (254, 10, 114, 22)
SERVICE_ROOM = (436, 20, 262, 32)
LEVEL_ROOM = (690, 34, 72, 17)


def image2(w, h):
    words = kit.words(PANEL_WORDS)
    defs = ('<linearGradient id="plate" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#4a525b"/>'
            '<stop offset="0.1" stop-color="#3a4149"/><stop offset="1" stop-color="#23282e"/></linearGradient>'
            '<filter id="brush" x="0" y="0" width="100%" height="100%">'
            '<feTurbulence type="fractalNoise" baseFrequency="0.9 0.02" numOctaves="2" seed="4"/>'
            '<feColorMatrix type="matrix" values="0 0 0 0 1  0 0 0 0 1  0 0 0 0 1  0 0 0 0.08 0"/></filter>')
    p = [f'<rect width="{SW}" height="{SH}" fill="url(#plate)"/>',
         f'<rect width="{SW}" height="{SH}" filter="url(#brush)"/>',
         f'<rect x="0.5" y="0.5" width="{SW - 1}" height="{SH - 1}" fill="none" stroke="#6d7781" stroke-width="1"/>',
         f'<line x1="1" y1="2" x2="{SW - 1}" y2="2" stroke="#8b96a1" stroke-width="1"/>']
    for x, y in ((7, 7), (7, SH - 7), (SW - 7, 7), (SW - 7, SH - 7), (250, 7), (250, SH - 7), (372, 7), (372, SH - 7)):
        p.append(f'<circle cx="{x}" cy="{y}" r="2.4" fill="#20252a" stroke="#7d8893" stroke-width="0.8"/>')
    # gauge slots with their captions
    captions = []
    for key, y, hh in GAUGES:
        p.append(f'<rect x="81" y="{y - 2}" width="155" height="{hh + 4}" rx="2" fill="#101316" stroke="#5c6670" '
                 'stroke-width="1"/>')
        for q in range(1, 4):
            x = 83 + q * 37.5
            p.append(f'<line x1="{x}" y1="{y - 1}" x2="{x}" y2="{y + hh + 1}" stroke="#2a3138" stroke-width="1"/>')
        captions.append(f'<text x="76" y="{y + hh - 1.5}" text-anchor="end" style="{kit.FONT_BOLD};'
                        f'font-size:9.5px" fill="#e6d9a8">{kit.esc(words[key])}</text>')
        p.append(captions[-1])
    p.append('<rect x="14" y="9" width="4" height="55" fill="#c42a1f"/>')
    # window for the people aboard
    aboard = (f'<text x="312" y="27" text-anchor="middle" style="{kit.FONT_BOLD};font-size:9.5px" fill="#e6d9a8">'
              f'{kit.esc(words["aboard"])}</text>')
    p.append('<rect x="264" y="33" width="97" height="32" rx="3" fill="#0c1014" stroke="#7d8893" stroke-width="1"/>'
             f'<rect x="267" y="36" width="91" height="26" fill="{HEAD_BG_HEX}"/>' + aboard)
    # name plate in the middle
    service = (f'<text x="562" y="42" text-anchor="middle" style="{kit.FONT_BOLD};font-size:15px;letter-spacing:2px" '
               f'fill="#0f1215" opacity="0.8">{kit.esc(words["service"])}</text>'
               f'<text x="561" y="41" text-anchor="middle" style="{kit.FONT_BOLD};font-size:15px;letter-spacing:2px" '
               f'fill="#c9d2da">{kit.esc(words["service"])}</text>')
    p.append('<rect x="400" y="16" width="300" height="40" rx="5" fill="#2b3037" stroke="#0d1013" stroke-width="1.5"/>'
             '<rect x="402" y="18" width="296" height="36" rx="4" fill="none" stroke="#5c6670" stroke-width="1"/>'
             '<rect x="414" y="26" width="20" height="20" rx="2" fill="#f4f4f0"/>'
             '<rect x="421" y="28" width="6" height="16" fill="#c42a1f"/><rect x="416" y="33" width="16" height="6" fill="#c42a1f"/>'
             + service)
    for i in range(9):  # warning stripes beside the level box
        x = 708 + i * 5
        p.append(f'<path d="M{x} 60 l5 -8 h3 l-5 8 Z" fill="#e8b323"/>')
    # level number box
    level = (f'<text x="760" y="47" text-anchor="end" style="{kit.FONT_BOLD};font-size:10px" fill="#e6d9a8">'
             f'{kit.esc(words["level"])}</text>')
    p.append('<rect x="764" y="29" width="24" height="27" rx="3" fill="#0c1014" stroke="#7d8893" stroke-width="1"/>'
             + level)
    for what, text, room in (("captions", "".join(captions), CAPTION_ROOM), ("aboard", aboard, ABOARD_ROOM),
                             ("name plate", service, SERVICE_ROOM), ("level", level, LEVEL_ROOM)):
        kit.expect_clear(f"window/Image2 {what}", kit.render(kit.svg(SW, SH, text), SW, SH),
                         kit.around(room, SW, SH))
    big = kit.render(kit.svg(SW, SH, "".join(p), defs), SW, SH)
    small = Image.fromarray(big, "RGBA").resize((w, h), Image.LANCZOS)
    return np.array(small)


def bar(top, mid, bottom):
    """A gauge bar, 38 x 18: glossy in its rows, the first and last rows left out
    (the bottom-left pixel names the colour the window leaves out)."""
    def make(w, h):
        rgb = np.zeros((h, w, 3))
        a = np.ones((h, w))
        for y in range(h):
            t = (y - 1) / (h - 3)
            c = np.array(top) * (1 - t) + np.array(bottom) * t if t > 0.35 else np.array(mid) + (np.array(top) - np.array(mid)) * (0.35 - t) / 0.35
            rgb[y, :] = c
        rgb[2, :] = np.minimum(rgb[2, :] + 60, 255)  # the gloss line
        a[0, :] = 0
        a[h - 1, :] = 0
        return kit.rgba(rgb, a)
    return make


def hlava(w, h):
    """A rescued person's head and shoulders, on the panel window's flat colour."""
    p = [f'<rect width="{w}" height="{h}" fill="{HEAD_BG_HEX}"/>',
         '<path d="M1.5 24 Q2 15.5 10.5 15 Q19 15.5 19.5 24 Z" fill="#f07a1a" stroke="#0c0c0c" stroke-width="1"/>',
         '<path d="M7 15.4 L10.5 19 L14 15.4" fill="none" stroke="#f4f0e0" stroke-width="1.3"/>',
         '<circle cx="10.5" cy="9.5" r="5.6" fill="#e9b48a" stroke="#0c0c0c" stroke-width="1"/>',
         '<path d="M5 8.6 Q6 3.2 10.5 3.4 Q15.4 3.2 16 8.6 Q13 6.4 10.5 6.8 Q7.6 6.4 5 8.6 Z" fill="#5a3a22"/>',
         '<circle cx="8.4" cy="10" r="0.8" fill="#222"/><circle cx="12.6" cy="10" r="0.8" fill="#222"/>',
         '<path d="M8.6 12.4 Q10.5 13.8 12.4 12.4" fill="none" stroke="#8a4a2a" stroke-width="0.8"/>']
    return kit.render(kit.svg(w, h, "".join(p)), w, h)


def image4(w, h):
    """The counters' frame: a dark display for the number (drawn at (40, 24) and (48, 24))
    and a person sign; the same frame serves both counters."""
    defs = ('<linearGradient id="m" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#56606a"/>'
            '<stop offset="1" stop-color="#23282e"/></linearGradient>')
    p = [f'<rect width="{w}" height="{h}" fill="#0c0f12"/>',
         f'<rect x="1" y="0" width="{w - 2}" height="{h - 1}" rx="6" fill="url(#m)" stroke="#8b96a1" stroke-width="1"/>',
         '<rect x="30" y="15" width="52" height="39" rx="3" fill="#05080a" stroke="#0b0d10" stroke-width="1.5"/>',
         '<rect x="31" y="16" width="50" height="37" rx="2" fill="none" stroke="#39424b" stroke-width="1"/>',
         '<circle cx="104" cy="22" r="6" fill="#e6d9a8"/>',
         '<path d="M92 48 Q92 31 104 30 Q116 31 116 48 Z" fill="#e6d9a8"/>',
         '<circle cx="10" cy="10" r="2" fill="#20252a" stroke="#7d8893" stroke-width="0.7"/>',
         '<circle cx="10" cy="47" r="2" fill="#20252a" stroke="#7d8893" stroke-width="0.7"/>',
         '<rect x="30" y="6" width="52" height="4" rx="1" fill="#c42a1f"/>']
    return kit.render(kit.svg(w, h, "".join(p), defs), w, h)


PICTURES = {
    "00_image2": image2,
    "01_gotacky": bar((150, 236, 255), (90, 200, 240), (20, 90, 140)),
    "02_grychlost": bar((170, 255, 150), (90, 220, 80), (24, 110, 30)),
    "03_gvyska": bar((200, 210, 255), (120, 150, 250), (40, 50, 150)),
    "04_gpalivo": bar((255, 236, 140), (250, 180, 40), (170, 80, 10)),
    "05_hlava": hlava,
    "06_image4": image4,
}

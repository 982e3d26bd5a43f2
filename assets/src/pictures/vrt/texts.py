"""Messages drawn over the play view: the crash message, the end of the game and
the controls picture shown by F1."""
import builtin as kit

OUT = "#1a1a1a"


def banner(w, h, text, size, fill_top, fill_bottom, y):
    defs = (f'<linearGradient id="f" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="{fill_top}"/>'
            f'<stop offset="1" stop-color="{fill_bottom}"/></linearGradient>')
    t = kit.esc(text)
    style = f"{kit.FONT_BOLD};font-size:{size}px"
    body = (f'<text x="{w / 2}" y="{y + 2}" text-anchor="middle" style="{style}" fill="#000000" opacity="0.55" '
            f'transform="translate(2 0)">{t}</text>'
            f'<text x="{w / 2}" y="{y}" text-anchor="middle" style="{style}" fill="none" stroke="{OUT}" '
            f'stroke-width="6" stroke-linejoin="round">{t}</text>'
            f'<text x="{w / 2}" y="{y}" text-anchor="middle" style="{style}" fill="url(#f)" stroke="#fff3c4" '
            f'stroke-width="0.8">{t}</text>')
    return kit.render(kit.svg(w, h, body, defs), w, h)


# The messages' words, one entry per language.
BANNER_WORDS = {
    "cs": {"sorry": "Vrtulník je ztracen!", "game_over": "Konec hry"},
    "en": {"sorry": "Helicopter lost!", "game_over": "Game over"},
}
BANNER_MARGIN = 3  # what a message keeps off its picture's edges


def message(w, h, key, size, fill_top, fill_bottom, y):
    text = kit.words(BANNER_WORDS)[key]
    picture = banner(w, h, text, size, fill_top, fill_bottom, y)
    m = BANNER_MARGIN
    kit.expect_clear(f"vrt/{key}", picture, kit.around((m, 0, w - 2 * m, h), w, h))
    return picture


def sorry(w, h):
    return message(w, h, "sorry", 37, "#ff6a3d", "#b8140c", 45)


def konec_hry(w, h):
    return message(w, h, "game_over", 42, "#ffe066", "#e0701a", 42)


# The words of the controls picture, one entry per language. Key labels that are
# not words (arrows, PgUp, Esc, F1) stay as they are.
CONTROLS_WORDS = {
    "cs": {
        "title": "Ovládání",
        "space_key": "mezerník",
        "altitude": "výška",
        "turning": "otáčení",
        "speed": "rychlost",
        "rotor": "otáčky rotoru",
        "chair": "záchranná židle",
        "map": "mapa",
        "help": "nápověda",
        "menu": "menu",
    },
    "en": {
        "title": "Controls",
        "space_key": "Space",
        "altitude": "altitude",
        "turning": "turning",
        "speed": "speed",
        "rotor": "rotor speed",
        "chair": "rescue chair",
        "map": "map",
        "help": "help",
        "menu": "menu",
    },
}

# The game draws the picture at (135, -5) and the counter panel of the rescued at
# (364, 0), 129 x 57, above it: rows 0..4 lie above the screen and columns 229..357
# are covered down to row 61. The controls sit in the two blocks either side.
DRAWN_AT = (135, -5)
RESCUED_PANEL = (364, 0, 129, 57)
ROW_TOP, ROW_PITCH, KEY_H = 7, 15, 13


def covered(w):
    """The picture's rectangles (x, y, w, h) the player does not see."""
    px, py, pw, ph = RESCUED_PANEL
    return [(0, 0, w, -DRAWN_AT[1]), (px - DRAWN_AT[0], py - DRAWN_AT[1], pw, ph)]


def blocks(w):
    """The left and right block: (left edge, right edge) of each."""
    _, (px, _, pw, _) = covered(w)
    return (8, px - 6), (px + pw + 6, w - 8)


# Per block, one line per row: the line's entries (keys, word) left to right, or
# "title". The flight controls go left; the short ones share the narrower right.
LAYOUT = (
    [[(("↑", "↓"), "altitude")], [(("←", "→"), "turning")],
     [(("PgUp", "PgDn"), "rotor")], [(("space_key",), "chair")]],
    ["title", [(("A", "Z"), "speed")], [(("F1",), "help")],
     [(("M",), "map"), (("Esc",), "menu")]],
)


def keycap(x, y, label):
    wide = 8 + 6 * len(label) if len(label) > 1 else 14
    size = 9 if len(label) > 1 else 10
    s = (f'<rect x="{x}" y="{y}" width="{wide:.1f}" height="{KEY_H}" rx="3" fill="#dfe4ea" '
         f'stroke="#0c1218" stroke-width="1"/><rect x="{x + 1.5}" y="{y + KEY_H - 3.5}" '
         f'width="{wide - 3:.1f}" height="2" rx="1" fill="#aab3bd"/>'
         f'<text x="{x + wide / 2:.1f}" y="{y + KEY_H - 3.5}" text-anchor="middle" '
         f'style="{kit.FONT_BOLD};font-size:{size}px" fill="#1b2430">{kit.esc(label)}</text>')
    return s, wide


def entry(x, y, keys, word):
    """One control: its keys as keycaps, then "= word"; returns the SVG and the x after it."""
    words = kit.words(CONTROLS_WORDS)
    parts = []
    for k, label in enumerate(keys):
        if k:
            parts.append(f'<text x="{x + 1.5}" y="{y + 10}" style="font-family:\'DejaVu Sans\';'
                         f'font-size:10px" fill="#9fb2c6">/</text>')
            x += 8
        s, wide = keycap(x, y, words.get(label, label))
        parts.append(s)
        x += wide + 3
    text = f"= {words[word]}"
    parts.append(f'<text x="{x + 3:.1f}" y="{y + 10}" style="font-family:\'DejaVu Sans\';font-size:11px" '
                 f'fill="#f2f5f8">{kit.esc(text)}</text>')
    return "".join(parts), x + 3 + 6.5 * len(text)


def controls(w):
    """The keys and words alone, on nothing."""
    parts = []
    for (left, right), rows in zip(blocks(w), LAYOUT):
        for r, line in enumerate(rows):
            y = ROW_TOP + r * ROW_PITCH
            if line == "title":
                parts.append(f'<text x="{left}" y="{y + 11}" style="{kit.FONT_BOLD};font-size:13px" '
                             f'fill="#e8c64a">{kit.esc(kit.words(CONTROLS_WORDS)["title"])}</text>'
                             f'<line x1="{left}" y1="{y + 13.5}" x2="{right}" y2="{y + 13.5}" '
                             'stroke="#e8c64a" stroke-width="0.8" opacity="0.6"/>')
                continue
            x = left
            for keys, word in line:
                s, x = entry(x, y, keys, word)
                parts.append(s)
                x += 8
    return "".join(parts)


def ovladani(w, h):
    """Every control with its effect, clear of what covers the picture on screen."""
    frame = [(0, 0, 4, h), (w - 4, 0, 4, h), (0, h - 3, w, 3)]
    kit.expect_clear("vrt/ovladani", kit.render(kit.svg(w, h, controls(w)), w, h), covered(w) + frame)
    defs = ('<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#22384f"/>'
            '<stop offset="1" stop-color="#13202e"/></linearGradient>')
    parts = [f'<rect x="0" y="0" width="{w}" height="{h}" fill="#0b1119"/>',
             f'<rect x="1.5" y="1.5" width="{w - 3}" height="{h - 3}" rx="5" fill="url(#bg)" '
             'stroke="#e8c64a" stroke-width="1.5"/>',
             controls(w)]
    return kit.render(kit.svg(w, h, "".join(parts), defs), w, h)


PICTURES = {
    "25_sorry": sorry,
    "27_konec_hry": konec_hry,
    "28_ovladani": ovladani,
}

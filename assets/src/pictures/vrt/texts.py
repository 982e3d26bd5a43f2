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


def sorry(w, h):
    return banner(w, h, "Vrtulník je ztracen!", 37, "#ff6a3d", "#b8140c", 45)


def konec_hry(w, h):
    return banner(w, h, "Konec hry", 42, "#ffe066", "#e0701a", 42)


CONTROLS = [  # (keys, effect), three rows of three
    (("↑", "↓"), "výška"), (("←", "→"), "otáčení"), (("A", "Z"), "rychlost"),
    (("PgUp", "PgDn"), "otáčky rotoru"), (("mezerník",), "záchranná židle"), (("M",), "mapa"),
    (("F1",), "nápověda"), (("Esc",), "menu"), None,
]


def keycap(x, y, label):
    wide = 9 + 6.6 * len(label) if len(label) > 1 else 15
    size = 10 if len(label) > 1 else 11
    s = (f'<rect x="{x}" y="{y}" width="{wide:.1f}" height="15" rx="3" fill="#dfe4ea" stroke="#0c1218" '
         f'stroke-width="1"/><rect x="{x + 1.5}" y="{y + 11}" width="{wide - 3:.1f}" height="2.5" rx="1" '
         f'fill="#aab3bd"/>'
         f'<text x="{x + wide / 2:.1f}" y="{y + 11}" text-anchor="middle" '
         f'style="{kit.FONT_BOLD};font-size:{size}px" fill="#1b2430">{kit.esc(label)}</text>')
    return s, wide


def ovladani(w, h):
    """Every control with its effect; the top 5 rows are off screen where the game draws it."""
    defs = ('<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#22384f"/>'
            '<stop offset="1" stop-color="#13202e"/></linearGradient>')
    parts = [f'<rect x="0" y="0" width="{w}" height="{h}" fill="#0b1119"/>',
             f'<rect x="1.5" y="1.5" width="{w - 3}" height="{h - 3}" rx="5" fill="url(#bg)" '
             'stroke="#e8c64a" stroke-width="1.5"/>']
    columns = (10, 202, 402, w - 10)  # the long entries of the middle row need the room
    for i, entry in enumerate(CONTROLS):
        r, c = divmod(i, 3)
        x = columns[c]
        y = 8 + r * 20
        if entry is None:
            parts.append(f'<text x="{columns[3]:.1f}" y="{y + 12}" text-anchor="end" '
                         f'style="{kit.FONT_BOLD};font-size:13px" fill="#e8c64a">Ovládání</text>')
            continue
        keys, effect = entry
        for k, label in enumerate(keys):
            if k:
                parts.append(f'<text x="{x + 2}" y="{y + 11.5}" style="font-family:\'DejaVu Sans\';'
                             f'font-size:11px" fill="#9fb2c6">/</text>')
                x += 9
            s, wide = keycap(x, y, label)
            parts.append(s)
            x += wide + 3
        parts.append(f'<text x="{x + 4:.1f}" y="{y + 11.5}" style="font-family:\'DejaVu Sans\';font-size:12px" '
                     f'fill="#f2f5f8">= {kit.esc(effect)}</text>')
    return kit.render(kit.svg(w, h, "".join(parts), defs), w, h)


PICTURES = {
    "25_sorry": sorry,
    "27_konec_hry": konec_hry,
    "28_ovladani": ovladani,
}

"""The main menu: the background with the four buttons in their plain state, and
the four highlighted buttons, cut from the same scene rendered highlighted so
that each one fits its place on the background exactly."""
import functools

import numpy as np

import builtin as kit

W, H = 800, 600
# (left, top, width, height): where the game draws each highlighted picture
BUTTONS = [(291, 70, 255, 71), (295, 196, 247, 71), (295, 318, 249, 75), (291, 465, 243, 71)]
# The title and the buttons' captions in button order, one entry per language.
MENU_WORDS = {
    "cs": {"title": "ZÁCHRANNÝ VRTULNÍK", "buttons": ("Nová hra", "Uložená hra", "Návrat", "Konec")},
    "en": {"title": "RESCUE HELICOPTER", "buttons": ("New game", "Continue", "Resume", "Quit")},
}
TITLE_ROOM = (10, 0, W - 20, 78)  # the band above the first button

HELI_SIDE = ("M20 45 Q24 29 52 26 L112 26 Q126 26 131 35 L186 39 L190 27 L198 27 L197 50 L131 51 "
             "Q121 62 96 62 L52 62 Q26 60 20 45 Z")


def scene(lit, title, captions):
    defs = """
      <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
        <stop offset="0" stop-color="#0b1630"/><stop offset="0.55" stop-color="#27355e"/>
        <stop offset="0.8" stop-color="#a0506a"/><stop offset="1" stop-color="#f09a5a"/></linearGradient>
      <linearGradient id="sea" x1="0" y1="0" x2="0" y2="1">
        <stop offset="0" stop-color="#2b4f78"/><stop offset="1" stop-color="#0a1a2c"/></linearGradient>
      <linearGradient id="beam" x1="0" y1="0" x2="0" y2="1">
        <stop offset="0" stop-color="#fff6c8" stop-opacity="0.55"/>
        <stop offset="1" stop-color="#fff6c8" stop-opacity="0.04"/></linearGradient>
      <linearGradient id="lbeam" x1="0" y1="0" x2="1" y2="0">
        <stop offset="0" stop-color="#fff3c0" stop-opacity="0.3"/>
        <stop offset="1" stop-color="#fff3c0" stop-opacity="0"/></linearGradient>
      <filter id="clouds" x="0" y="0" width="100%" height="100%">
        <feTurbulence type="fractalNoise" baseFrequency="0.006 0.02" numOctaves="4" seed="7"/>
        <feColorMatrix type="matrix" values="0 0 0 0 0.55  0 0 0 0 0.5  0 0 0 0 0.62  0 0 0 1.6 -0.75"/>
      </filter>
      <filter id="waves" x="0" y="0" width="100%" height="100%">
        <feTurbulence type="fractalNoise" baseFrequency="0.012 0.09" numOctaves="3" seed="3"/>
        <feColorMatrix type="matrix" values="0 0 0 0 0.95  0 0 0 0 0.72  0 0 0 0 0.55  0 0 0 2.2 -1.25"/>
      </filter>
      <filter id="soft"><feGaussianBlur stdDeviation="6"/></filter>
      <filter id="glow" x="-20%" y="-40%" width="140%" height="180%"><feGaussianBlur stdDeviation="2.5"/></filter>
      <linearGradient id="plain" x1="0" y1="0" x2="0" y2="1">
        <stop offset="0" stop-color="#3d5f86"/><stop offset="0.5" stop-color="#24405f"/>
        <stop offset="1" stop-color="#182c44"/></linearGradient>
      <linearGradient id="lit" x1="0" y1="0" x2="0" y2="1">
        <stop offset="0" stop-color="#ffb14a"/><stop offset="0.5" stop-color="#e4571c"/>
        <stop offset="1" stop-color="#a8300f"/></linearGradient>
    """
    horizon = 430
    p = [f'<rect width="{W}" height="{horizon}" fill="url(#sky)"/>',
         f'<rect width="{W}" height="{horizon}" filter="url(#clouds)"/>']
    rng = np.random.default_rng(31)
    for _ in range(70):
        x, y = rng.uniform(0, W), rng.uniform(0, 230)
        p.append(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="{rng.uniform(0.5, 1.2):.2f}" fill="#fdf6e0" '
                 f'opacity="{rng.uniform(0.4, 0.9):.2f}"/>')
    p.append(f'<rect y="{horizon}" width="{W}" height="{H - horizon}" fill="url(#sea)"/>')
    p.append(f'<rect y="{horizon}" width="{W}" height="{H - horizon}" filter="url(#waves)"/>')
    p.append(f'<ellipse cx="400" cy="{horizon + 4}" rx="330" ry="10" fill="#f7b070" opacity="0.45" filter="url(#soft)"/>')
    # lighthouse on rocks, left; helicopter with searchlight, right
    p.append(f'<path d="M0 {horizon + 6} Q40 {horizon - 24} 95 {horizon - 18} Q150 {horizon - 10} 190 {horizon + 8} Z" '
             'fill="#0d121c"/>')
    p.append(f'<path d="M72 {horizon - 18} L78 {horizon - 110} L92 {horizon - 110} L98 {horizon - 18} Z" fill="#131a26"/>'
             f'<rect x="74" y="{horizon - 124}" width="22" height="14" fill="#ffe9a8"/>'
             f'<path d="M70 {horizon - 124} L85 {horizon - 140} L100 {horizon - 124} Z" fill="#131a26"/>')
    p.append(f'<path d="M96 {horizon - 118} L280 {horizon - 165} L280 {horizon - 95} Z" fill="url(#lbeam)"/>')
    p.append(f'<path d="M655 205 L600 {horizon + 40} L760 {horizon + 40} L680 205 Z" fill="url(#beam)"/>')
    p.append('<g transform="translate(590 150) scale(0.8)" fill="#0a0f18">'
             f'<path d="{HELI_SIDE}"/><rect x="-30" y="16" width="250" height="3"/>'
             '<rect x="80" y="17" width="8" height="10"/><rect x="40" y="70" width="90" height="3"/>'
             '<rect x="55" y="60" width="3" height="11"/><rect x="110" y="60" width="3" height="11"/></g>')
    p.append('<circle cx="672" cy="204" r="3" fill="#fff6c8"/>')
    # title in the band above the first button
    title_svg = (f'<text x="402" y="56" text-anchor="middle" style="{kit.FONT_SERIF};font-size:40px;'
                 f'letter-spacing:2px" fill="#000000" opacity="0.6">{kit.esc(title)}</text>'
                 f'<text x="400" y="53" text-anchor="middle" style="{kit.FONT_SERIF};font-size:40px;'
                 f'letter-spacing:2px" fill="#ffd98a" stroke="#6a2a10" stroke-width="1.2">{kit.esc(title)}</text>')
    kit.expect_clear("vrt/pozadi_menu title", kit.render(kit.svg(W, H, title_svg), W, H),
                     kit.around(TITLE_ROOM, W, H))
    p.append(title_svg)
    for caption, (x, y, w, h) in zip(captions, BUTTONS):
        face = (x + 16, y + 13, w - 32, h - 26)  # inside the button's rim
        kit.expect_clear(f"vrt/menu button {caption}",
                         kit.render(kit.svg(W, H, caption_svg(caption, x + 10, y + 10, w - 20, h - 20, "#ffffff")),
                                    W, H),
                         kit.around(face, W, H))
        p.append(button(caption, x, y, w, h, lit))
    return kit.render(kit.svg(W, H, "".join(p), defs), W, H)


def caption_svg(caption, bx, by, bw, bh, colour):
    """A button's caption with its shadow, on the button face (bx, by, bw, bh)."""
    return (f'<text x="{bx + bw / 2 + 1.5}" y="{by + bh / 2 + 10.5}" text-anchor="middle" '
            f'style="{kit.FONT_BOLD};font-size:28px" fill="#000000" opacity="0.5">{kit.esc(caption)}</text>'
            f'<text x="{bx + bw / 2}" y="{by + bh / 2 + 9}" text-anchor="middle" '
            f'style="{kit.FONT_BOLD};font-size:28px" fill="{colour}">{kit.esc(caption)}</text>')


def button(caption, x, y, w, h, lit):
    bx, by, bw, bh = x + 10, y + 10, w - 20, h - 20
    fill = "url(#lit)" if lit else "url(#plain)"
    rim = "#ffe7a0" if lit else "#9fb8d4"
    text = "#fff5c0" if lit else "#eef3f8"
    s = ""
    if lit:
        s += (f'<rect x="{bx + 1}" y="{by + 1}" width="{bw - 2}" height="{bh - 2}" rx="12" fill="#ffb040" '
              'opacity="0.8" filter="url(#glow)"/>')
    s += (f'<rect x="{bx + 3}" y="{by + 4}" width="{bw}" height="{bh}" rx="12" fill="#000000" opacity="0.45"/>'
          f'<rect x="{bx}" y="{by}" width="{bw}" height="{bh}" rx="12" fill="{fill}" stroke="#0b1320" stroke-width="2"/>'
          f'<rect x="{bx + 3}" y="{by + 3}" width="{bw - 6}" height="{bh - 6}" rx="9" fill="none" stroke="{rim}" '
          'stroke-width="1.5" opacity="0.9"/>'
          f'<rect x="{bx + 6}" y="{by + 5}" width="{bw - 12}" height="{bh / 2 - 6}" rx="7" fill="#ffffff" opacity="0.12"/>'
          + caption_svg(caption, bx, by, bw, bh, text))
    return s


@functools.lru_cache(maxsize=4)
def _scene(lit, title, captions):
    return scene(lit, title, captions)


def _words():
    words = kit.words(MENU_WORDS)
    return words["title"], words["buttons"]


def background(w, h):
    return _scene(False, *_words())


def highlighted(k):
    def make(w, h):
        x, y, bw, bh = BUTTONS[k]
        return _scene(True, *_words())[y:y + bh, x:x + bw].copy()
    return make


PICTURES = {
    "31_pozadi_menu": background,
    "21_nhra": highlighted(0),
    "22_ulozeni": highlighted(1),
    "23_navrat": highlighted(2),
    "24_konec": highlighted(3),
}

"""Start pictures (800 x 600 briefings) of the nine levels.

Each picture has an illustrated header (a patch of sea with the level's own
objects and the rescue helicopter), the level's number and name, the task,
the dangers and a footer with the key that starts the level.  The numbers in
the texts follow the level layouts.
"""
import os

import numpy as np
from PIL import Image, ImageFont

import levkit as K

W, H = 800, 600
HEAD = 230
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
FONT_B = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

# Per level: the people to rescue and the dangers, each a key of the words table
# (with the count of other helicopters where the text takes one).
LEVELS = {
    1: dict(people=16, danger=["tamrox", ("fuel_helis", 2), "rocks"]),
    3: dict(people=16, danger=["tamrox", ("fuel_helis", 2), "rocks"]),
    5: dict(people=16, danger=["tamrox", ("fuel_helis", 2), "rocks"]),
    7: dict(people=12, danger=["tamrox", ("fuel_helis", 2), "rocks"]),
    9: dict(people=9, danger=["tamrox2", ("fuel_helis", 4), "rocks"]),
    2: dict(people=11, danger=["clock2", "heat2", ("fuel_helis", 3), "tamrox"]),
    4: dict(people=15, danger=["clock4", "air4", ("fuel_helis", 3), "tamrox"]),
    6: dict(people=5, danger=["drift6", "shots6", ("fuel_helis", 3), "tamrox"]),
    8: dict(people=19, danger=["tall8", ("fuel_helis", 4), "tamrox"]),
}

# The start pictures' words, one entry per language: titleN and taskN of level N,
# the dangers by key, and the words around them.
BRIEFING_WORDS = {
    "cs": {
        "badge": "ÚROVEŇ",
        "mission": "ZÁCHRANNÁ MISE",
        "rescue": "Zachránit:",
        "count_few": "{n} lidi",  # 2 to 4
        "count": "{n} lidí",
        "helis": "cizí vrtulníky:",
        "storms": "víry TAMROX:",
        "task": "ÚKOL",
        "dangers": "NEBEZPEČÍ",
        "footer": "Vrtulník pojme 4 lidi · palivo doplníš přistáním na čerpací stanici · lidi vylož na základně",
        "start": "Esc = start",
        "fuel_helis": "{n} cizí vrtulníky létají po moři – když letíš blízko nich, ubírají ti palivo.",
        "tamrox": "Vír TAMROX: neviditelná bouře bloudí nad mořem a strhává vrtulník. Vyhni se jí.",
        "tamrox2": "Dva víry TAMROX: dvě neviditelné bouře bloudí nad mořem a strhávají vrtulník.",
        "rocks": "Skalnaté ostrovy jsou vysoké – nad nimi leť dost vysoko, jinak narazíš.",
        "title1": "Trosečníci na skalách",
        "task1": "Na dvou skalnatých ostrovech čeká 16 trosečníků. Spusť k nim záchrannou sedačku, "
                 "vyzvedni je a dopravuj na základnu.",
        "title3": "Tábory na severu",
        "task3": "Na severních ostrovech se utábořilo 16 lidí, kterým došly zásoby. "
                 "Najdi jejich tábory, vyzvedni je a dopravuj na základnu.",
        "title5": "Rozptýlené ostrovy",
        "task5": "Bouře rozehnala čluny po souostroví: 16 lidí čeká na dvou ostrovech. "
                 "Dopravuj je všechny na základnu.",
        "title7": "Poslední ostrovy",
        "task7": "Na dvou ostrovech souostroví čeká 12 lidí. Najdi jejich tábory "
                 "a dopravuj je na základnu.",
        "title9": "Dvě bouře",
        "task9": "Na dvou ostrovech čeká 9 lidí. Nad mořem se tentokrát toulají dvě bouře – "
                 "leť opatrně a dopravuj všechny na základnu.",
        "title2": "Hořící dům",
        "task2": "Na střeše hořícího domu v přístavu stojí 30 lidí. Zachraň jich 11 "
                 "a dopravuj je na základnu.",
        "clock2": "Čas mise je 496 sekund. Každých 34 sekund jeden člověk v panice uteče "
                  "před ohněm po střeše a spadne.",
        "heat2": "Horko a kouř nad domem zmítají vrtulníkem.",
        "title4": "Hořící plošina",
        "task4": "Na hořící těžní plošině je 9 lidí, dalších 10 čeká na třech sousedních plošinách. "
                 "Zachraň 15 z nich.",
        "clock4": "Čas mise je 496 sekund a každých 100 sekund zemře na hořící plošině jeden "
                  "člověk. Jakmile z ní vyzvedneš 5 lidí, hodiny se zastaví.",
        "air4": "Plošiny jsou vysoké a nad ohněm je silný vzduch – leť vysoko.",
        "title6": "Loď unášená proudem",
        "task6": "Na palubě lodi, která ztratila motor, je 7 lidí. Zachraň 5 z nich, "
                 "než ji proud odnese.",
        "drift6": "Loď pluje na jih. Odpluje-li příliš daleko a lidé budou stále na palubě, "
                  "mise selže.",
        "shots6": "Posádka je ozbrojená a střílí: zásah ubere palivo a strhne vrtulník.",
        "title8": "Čtyři stavby",
        "task8": "Na jihu čeká 19 lidí na čtyřech stavbách: na vraku nákladní lodi, na majáku, "
                 "na radarové stanici a na jeřábovém pontonu. Na mapě je oblast vyznačena.",
        "tall8": "Stavby jsou vysoké – nad nimi leť dost vysoko.",
    },
    "en": {
        "badge": "LEVEL",
        "mission": "RESCUE MISSION",
        "rescue": "People to save:",
        "count_few": "{n}",
        "count": "{n}",
        "helis": "other helicopters:",
        "storms": "TAMROX vortices:",
        "task": "TASK",
        "dangers": "DANGERS",
        "footer": "The helicopter seats 4 · refuel by landing at the fuel depot · unload people at the base",
        "start": "Esc = start",
        "fuel_helis": "{n} other helicopters roam the sea – flying close to them drains your fuel.",
        "tamrox": "TAMROX vortex: an invisible storm roams the sea and drags you along. Avoid it.",
        "tamrox2": "Two TAMROX vortices: two invisible storms roam the sea and drag you along.",
        "rocks": "The rocky islands are tall – fly high enough over them, or you will crash.",
        "title1": "Castaways on the rocks",
        "task1": "16 castaways are waiting on two rocky islands. Lower the rescue seat to them, "
                 "pick them up and fly them to the base.",
        "title3": "Camps in the north",
        "task3": "16 people who have run out of supplies have camped on the northern islands. "
                 "Find their camps, pick them up and fly them to the base.",
        "title5": "Scattered islands",
        "task5": "The storm has scattered the boats across the archipelago: 16 people are waiting on two islands. "
                 "Fly them all to the base.",
        "title7": "The last islands",
        "task7": "12 people are waiting on two islands of the archipelago. Find their camps "
                 "and fly them to the base.",
        "title9": "Two storms",
        "task9": "9 people are waiting on two islands. This time two storms roam over the sea – "
                 "fly carefully and bring everyone to the base.",
        "title2": "The burning house",
        "task2": "30 people are standing on the roof of a burning house in the harbour. Rescue 11 of them "
                 "and fly them to the base.",
        "clock2": "The mission time is 496 seconds. Every 34 seconds one person panics, runs from "
                  "the fire across the roof and falls.",
        "heat2": "Heat and smoke above the house toss the helicopter about.",
        "title4": "The burning platform",
        "task4": "There are 9 people on the burning oil platform, and 10 more are waiting on three "
                 "neighbouring platforms. Rescue 15 of them.",
        "clock4": "The mission time is 496 seconds, and every 100 seconds one person dies on the burning "
                  "platform. Once you have lifted 5 people off it, the clock stops.",
        "air4": "The platforms are tall and the air above the fire is rough – fly high.",
        "title6": "Boat adrift in the current",
        "task6": "7 people are on board a boat that has lost its engine. Rescue 5 of them "
                 "before the current carries it away.",
        "drift6": "The boat drifts south: if it gets too far with people still aboard, the mission fails.",
        "shots6": "The crew is armed and shoots: a hit costs fuel and throws you off course.",
        "title8": "Four structures",
        "task8": "In the south, 19 people are waiting on four structures: a cargo ship wreck, a lighthouse, "
                 "a radar station and a crane pontoon. The area is marked on the map.",
        "tall8": "The structures are tall – fly high enough over them.",
    },
}

# Where the words may go: the title beside the badge, the caption inside the
# badge, the mission's caption under the title left of the counter box, the
# counter's caption left of its number inside the box, the counts' line under the
# box, the task and the dangers above the footer, the footer's line left of the
# start key.
TITLE_ROOM = (150, HEAD - 60, W - 155, 60)
MISSION_ROOM = (160, HEAD + 10, 560 - 8 - 160, 26)
BADGE_ROOM = (54, HEAD - 30, 84, 20)
COUNTER_BOX = (560, HEAD + 14, 200, 40)
COUNTS_ROOM = (120, HEAD + 60, W - 130, 22)
BODY_ROOM = (40, HEAD + 40, W - 80, 556 - 8 - (HEAD + 40))
FOOTER_ROOM = (20, 562, 664 - 8 - 20, 34)


def esc(s):
    return s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def wrap(text, size, width, bold=False):
    f = ImageFont.truetype(FONT_B if bold else FONT, size)
    words, lines, cur = text.split(), [], ""
    for w in words:
        t = (cur + " " + w).strip()
        if f.getlength(t) <= width or not cur:
            cur = t
        else:
            lines.append(cur)
            cur = w
    if cur:
        lines.append(cur)
    return lines


def helicopter_svg(x, y, scale=1.0, angle=-30):
    """The red-white rescue helicopter from above, nose up, shadow up-right,
    rotor as a translucent disc."""
    return f'''
  <g transform="translate({x + 26 * scale},{y - 20 * scale}) rotate({angle}) scale({scale})" opacity="0.35">
    <ellipse cx="0" cy="0" rx="15" ry="30" fill="#000"/>
    <rect x="-3" y="20" width="6" height="46" fill="#000"/>
    <circle cx="0" cy="0" r="46" fill="#000" opacity="0.35"/>
  </g>
  <g transform="translate({x},{y}) rotate({angle}) scale({scale})">
    <rect x="-3.5" y="18" width="7" height="48" rx="2" fill="#e8e6e0" stroke="#1a1a1a"/>
    <rect x="-3.5" y="40" width="7" height="10" fill="#d42a22"/>
    <rect x="-12" y="60" width="24" height="5" rx="2" fill="#d42a22" stroke="#1a1a1a"/>
    <ellipse cx="0" cy="0" rx="15" ry="30" fill="#d42a22" stroke="#1a1a1a" stroke-width="1.2"/>
    <path d="M-14,4 h28 v8 h-28 z" fill="#f4f2ec"/>
    <path d="M-11,-24 q11,-10 22,0 l-2,10 h-18 z" fill="#20303a"/>
    <path d="M-8,-22 q6,-5 10,-2" stroke="#9fc4d6" stroke-width="2" fill="none"/>
    <circle cx="0" cy="-2" r="4" fill="#3a3a3a" stroke="#1a1a1a"/>
    <circle cx="0" cy="-2" r="46" fill="#dfe8ec" opacity="0.18" stroke="#eef3f5" stroke-opacity="0.35"/>
    <path d="M-44,-10 L44,6 M-6,-46 L6,42" stroke="#1a1a1a" stroke-opacity="0.45" stroke-width="3"/>
  </g>'''


def header_sprites(level, sprite_dir):
    """[(png, x, y)] of the level's own pictures for the header."""
    p = lambda n: os.path.join(sprite_dir, n)  # noqa: E731
    if level in (1, 3, 5, 7, 9):
        names = sorted(os.listdir(sprite_dir))
        f = lambda i: p([n for n in names if n.startswith(f"{i:02d}_")][0])  # noqa: E731
        (a, ax, ay), (b, bx, by) = {
            1: ((8, 40, -60), (9, 470, -150)),
            3: ((10, 500, -80), (12, -120, -170)),
            5: ((11, 60, -140), (8, 560, -40)),
            7: ((12, 430, -120), (10, -30, -30)),
            9: ((9, 20, -90), (11, 540, -150)),
        }[level]
        return [(f(a), ax, ay), (f(13 + level % 4), ax + 50, ay + 105),
                (f(b), bx, by), (f(13 + (level + 2) % 4), bx + 50, by + 105)]
    names = sorted(os.listdir(sprite_dir))
    f = lambda i: p([n for n in names if n.startswith(f"{i:02d}_")][0])  # noqa: E731
    if level == 2:
        return [(f(13), 20, -70), (f(13), 220, -70), (f(15), 450, -60), (f(16), 520, -40), (f(8), 560, 0)]
    if level == 4:
        return [(f(13), 40, -90), (f(8), 470, -60)]
    if level == 6:
        return [("rot", f(8), 430, -30)]
    if level == 8:
        return [(f(0), -40, 30), (f(4), 420, 40), (f(8), 590, -60), (f(12), 740, -40)]
    return []


CAMPS = {1: ((40, -60), (470, -150)), 3: ((500, -80), (-120, -170)), 5: ((60, -140), (560, -40)),
         7: ((430, -120), (-30, -30)), 9: ((20, -90), (540, -150))}
HELI_AT = {1: (370, 120), 3: (330, 110), 5: (400, 130), 7: (300, 140), 9: (350, 120),
           2: (330, 110), 4: (330, 100), 6: (250, 120), 8: (330, 120)}


def header_people(level):
    """Top-left corners of the people (35 x 24 boxes) standing on the header's
    objects, at the places the level puts them."""
    rng = np.random.default_rng(70 + level)
    out = []

    def box(x, y, rx, ry, n):
        for _ in range(n):
            out.append((x + int(rng.integers(rx)), y + int(rng.integers(ry))))

    if level in CAMPS:
        for (ix, iy) in CAMPS[level]:
            cx, cy = ix + 50, iy + 105
            box(cx, cy - 30, 1, 120, 2)
            box(cx + 80, cy - 30, 1, 120, 2)
    elif level == 2:
        box(560 + 80, 80, 30, 60, 6)
    elif level == 4:
        box(470 + 55, -60 + 130, 45, 55, 4)
        box(40 + 55, -90 + 130, 45, 55, 3)
    elif level == 6:
        # the boat lies rotated by a quarter turn: after-deck now on the right
        for _ in range(5):
            ox, oy = 55 + int(rng.integers(25)), 200 + int(rng.integers(35))
            out.append((430 + oy, -20 + (150 - 1 - ox) - 35 + 12))
    elif level == 8:
        box(-40 + 180, 30 + 100, 45, 25, 4)
        box(420 + 40, 40 + 10, 20, 25, 2)
        box(590 + 60, -60 + 60, 20, 25, 2)
    return out


def person_svg(x, y, k):
    """A waiting person from above, waving both arms, shadow up-right."""
    cx, cy = x + 17, y + 12
    shirt = ["#e0472c", "#f0b42a", "#3f7ac8", "#7fbf4a", "#c85ac0"][k % 5]
    up = 1 if k % 2 else -1
    return f'''
  <g transform="translate({cx + 3},{cy - 3})" opacity="0.3"><ellipse rx="8" ry="5" fill="#000"/></g>
  <g transform="translate({cx},{cy})" stroke="#1a1a1a" stroke-width="0.9" stroke-linecap="round">
    <path d="M-6,0 L-13,{-6 * up}" stroke-width="3.2"/><path d="M6,0 L13,{6 * up - 7}" stroke-width="3.2"/>
    <path d="M-6,0 L-13,{-6 * up}" stroke="#f0c9a0" stroke-width="1.6"/>
    <path d="M6,0 L13,{6 * up - 7}" stroke="#f0c9a0" stroke-width="1.6"/>
    <ellipse rx="7" ry="4.6" fill="{shirt}"/>
    <circle r="3.6" fill="#4a3322"/>
  </g>'''


def swirl(w, h, cx, cy, radius, seed):
    """The storm vortex as seen from above: translucent spiral cloud arms."""
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float32)
    dx, dy = xx - cx, yy - cy
    r = np.hypot(dx, dy) + 1e-3
    th = np.arctan2(dy, dx)
    arms = 0.5 + 0.5 * np.cos(3 * th + 5.0 * np.log(r / radius + 0.05))
    n = K.fbm(w, h, seed, base=18, octaves=3)
    fall = np.clip(1 - r / radius, 0, 1) ** 0.8
    eye = np.clip((r - radius * 0.08) / (radius * 0.1), 0, 1)
    a = np.clip(arms ** 2 * (0.55 + 0.6 * n) * fall * eye * 1.2, 0, 0.85)
    out = np.zeros((h, w, 4), np.float32)
    g = 205 + 40 * n
    out[..., 0], out[..., 1], out[..., 2] = g, g + 3, g + 8
    out[..., 3] = a * 255
    return out


def load_keyed(path):
    a = np.asarray(Image.open(path).convert("RGB")).astype(np.float32)
    al = np.where((a == np.array(K.KEY, np.float32)).all(-1), 0, 255).astype(np.float32)
    return np.dstack([a, al])


def check_words(level, badge, title, mission, rescue, people, counts, tasks, footer, start):
    """Stops the run when a text leaves its room (a longer translation, say)."""
    def layer(text):
        return K.svg_render(K.svg_doc(W, H, text), W, H)

    what = f"start picture of level {level}"
    for name, text, room in (("badge", badge, BADGE_ROOM), ("title", title, TITLE_ROOM),
                             ("mission", mission, MISSION_ROOM),
                             ("counts", counts, COUNTS_ROOM), ("task", tasks, BODY_ROOM),
                             ("footer", footer, FOOTER_ROOM), ("number", people, COUNTER_BOX)):
        K.expect_clear(f"{what}: {name}", layer(text), K.around(room, W, H))
    # the counter's caption keeps a gap before its number
    number_left = int(np.argwhere(layer(people)[..., 3] > 0)[:, 1].min())
    x, y, _, h = COUNTER_BOX
    K.expect_clear(f"{what}: counter", layer(rescue), K.around((x + 4, y, number_left - 8 - x - 4, h), W, H))
    K.expect_clear(f"{what}: start key", layer(start), K.around((664, 566, 108, 26), W, H))


def make(level, sprite_dir, out_png):
    """Draws level `level`'s start picture, in the language set with K.set_language."""
    t = K.words(BRIEFING_WORDS)
    info = dict(LEVELS[level])
    info["title"] = t[f"title{level}"]
    info["task"] = t[f"task{level}"]
    info["danger"] = [t[d] if isinstance(d, str) else t[d[0]].format(n=d[1]) for d in info["danger"]]
    info["helis"] = {1: 2, 3: 2, 5: 2, 7: 2, 2: 3, 4: 3, 6: 3, 8: 4, 9: 4}[level]
    info["storms"] = 2 if level == 9 else 1
    img = np.zeros((H, W, 4), np.float32)
    # background: deep blue-grey panel with faint texture
    n = K.fbm(W, H, 500 + level, base=120, octaves=4)
    yy = np.mgrid[0:H, 0:W][0].astype(np.float32)
    bg = K.lerp_colors(0.5 * n + 0.5 * (1 - yy / H), [(0, (10, 24, 36)), (1, (22, 48, 68))])
    img[..., :3] = bg
    img[..., 3] = 255
    # header: the sea with the level's objects
    head = K.sea(W, HEAD, seed=40 + level)
    for spr in header_sprites(level, sprite_dir):
        if spr[0] == "rot":
            s = load_keyed(spr[1])
            s = np.rot90(s, 1).copy()  # the boat lies across the header
            K.over(head, s, spr[2], spr[3] + 10)
        else:
            K.over(head, load_keyed(spr[0]), spr[1], spr[2])
    storms = {9: [(700, 70, 120), (250, 150, 95)], 2: [(90, 180, 80)], 6: [(150, 110, 110)],
              8: [(560, 190, 70)], 4: [(330, 190, 80)]}.get(level, [(720 if level != 7 else 300, 160, 100)])
    for k, (cx, cy, rad) in enumerate(storms):
        K.over(head, swirl(W, HEAD, cx, cy, rad, 600 + level * 3 + k))
    img[:HEAD] = head
    people = "".join(person_svg(x, y, k) for k, (x, y) in enumerate(header_people(level)))
    hx, hy = HELI_AT[level]
    art = K.svg_render(K.svg_doc(W, H, people + helicopter_svg(hx, hy, 1.15)), W, H)
    K.over(img, art)

    # text layer
    y = HEAD + 70
    task = wrap(info["task"], 19, 700)
    body = []
    for i, line in enumerate(task):
        body.append(f'<text x="50" y="{y + 30 + i * 25}" font-size="19" fill="#f1f4f6">{esc(line)}</text>')
    y2 = y + 30 + len(task) * 25 + 18
    body.append(f'<text x="50" y="{y2}" font-size="15" font-weight="bold" fill="#ffb84a" '
                f'letter-spacing="2">{esc(t["dangers"])}</text>')
    y2 += 8
    for d in info["danger"]:
        ls = wrap(d, 16, 660)
        y2 += 27
        body.append(f'<path d="M54,{y2 + 2} l8,-15 l8,15 z" fill="#ffb84a" stroke="#1a1a1a" stroke-width="0.6"/>'
                    f'<text x="62" y="{y2 + 0.5}" font-size="10" font-weight="bold" text-anchor="middle" '
                    f'fill="#1a1a1a">!</text>')
        for j, line in enumerate(ls):
            body.append(f'<text x="80" y="{y2 + j * 20}" font-size="16" fill="#d6dde2">{esc(line)}</text>')
        y2 += 20 * (len(ls) - 1)
    count = t["count"] if info["people"] >= 5 else t["count_few"]
    badge = (f'''<text x="96" y="{HEAD - 14}" font-family="DejaVu Sans" font-weight="bold" font-size="13" fill="#f4f2ec"
        text-anchor="middle" letter-spacing="1">{esc(t["badge"])}</text>''')
    title = (f'''<text x="168" y="{HEAD - 18}" font-family="DejaVu Sans" font-weight="bold" font-size="36" fill="#ffffff"
        stroke="#0a1824" stroke-width="5" paint-order="stroke" stroke-linejoin="round">{esc(info["title"])}</text>''')
    mission = (f'<text x="170" y="{HEAD + 30}" font-family="DejaVu Sans" font-size="15" fill="#9fb4c2" '
               f'letter-spacing="1">{esc(t["mission"])}</text>')
    rescue = (f'<text x="576" y="{HEAD + 40}" font-family="DejaVu Sans" font-size="15" fill="#d6dde2">'
              f'{esc(t["rescue"])}</text>')
    people = (f'''<text x="744" y="{HEAD + 42}" font-family="DejaVu Sans" font-weight="bold" font-size="24" fill="#ff5a44"
        text-anchor="end">{esc(count.format(n=info["people"]))}</text>''')
    counts = (f'''<g font-family="DejaVu Sans" font-size="13" fill="#9fb4c2">
    <text x="760" y="{HEAD + 76}" text-anchor="end">{esc(t["helis"])} <tspan font-weight="bold" fill="#f1f4f6">{info["helis"]}</tspan>   ·   {esc(t["storms"])} <tspan font-weight="bold" fill="#f1f4f6">{info["storms"]}</tspan></text>
  </g>''')
    tasks = (f'''<text x="50" y="{y}" font-family="DejaVu Sans" font-size="15" font-weight="bold" fill="#7fd0ff"
        letter-spacing="2">{esc(t["task"])}</text>
  <g font-family="DejaVu Sans">{"".join(body)}</g>''')
    footer = (f'<text x="30" y="583" font-family="DejaVu Sans" font-size="14" fill="#9fb4c2">'
              f'{esc(t["footer"])}</text>')
    start = (f'''<text x="718" y="584" font-family="DejaVu Sans" font-weight="bold" font-size="15" fill="#ffffff"
        text-anchor="middle">{esc(t["start"])}</text>''')
    check_words(level, badge, title, mission, rescue, people, counts, tasks, footer, start)
    svg = f'''
  <defs>
    <linearGradient id="fade" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#0a1824" stop-opacity="0"/>
      <stop offset="1" stop-color="#0a1824" stop-opacity="0.9"/>
    </linearGradient>
  </defs>
  <rect x="0" y="{HEAD - 70}" width="800" height="70" fill="url(#fade)"/>
  <rect x="0" y="{HEAD}" width="800" height="3" fill="#d42a22"/>
  <rect x="0" y="{HEAD + 3}" width="800" height="1" fill="#f4f2ec" opacity="0.6"/>
  <!-- level badge -->
  <circle cx="96" cy="{HEAD}" r="52" fill="#d42a22" stroke="#f4f2ec" stroke-width="4"/>
  {badge}
  <text x="96" y="{HEAD + 30}" font-family="DejaVu Sans" font-weight="bold" font-size="46" fill="#ffffff"
        text-anchor="middle">{level}</text>
  {title}
  {mission}
  <!-- counters: people to rescue, other helicopters, storms -->
  <rect x="560" y="{HEAD + 14}" width="200" height="40" rx="8" fill="#0a1824" stroke="#d42a22" stroke-width="2"/>
  {rescue}
  {people}
  {counts}
  {tasks}
  <!-- footer -->
  <rect x="0" y="556" width="800" height="44" fill="#06111a" opacity="0.85"/>
  {footer}
  <rect x="664" y="566" width="108" height="26" rx="5" fill="#d42a22"/>
  {start}
'''
    K.over(img, K.svg_render(K.svg_doc(W, H, svg), W, H))
    K.save(out_png, K.opaque(img))

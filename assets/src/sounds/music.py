"""Scores of the game's music, written as note lists, turned into standard
MIDI files here and rendered with FluidSynth and the General MIDI sound font.

Melodies are strings of "pitch/beats" tokens ("r" is a rest), chords are
named per bar; accompaniment figures are generated from the chords.
"""
import os
import numpy as np

from common import (read_audio, resample, loop_crossfade, level, fade, run,
                    limit)

SOUNDFONT_CANDIDATES = ["/usr/share/sounds/sf2/FluidR3_GM.sf2",
                        "/usr/share/soundfonts/FluidR3_GM.sf2"]
RENDER_RATE = 44100
TPB = 480  # MIDI ticks per beat

NOTE = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def pitch(name):
    """'C#4' -> 61, 'Bb3' -> 58 (C4 = 60)."""
    p = NOTE[name[0]]
    i = 1
    while i < len(name) and name[i] in "#b":
        p += 1 if name[i] == "#" else -1
        i += 1
    return p + 12 * (int(name[i:]) + 1)


CHORDS = {  # intervals above the root
    "": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "m7": (0, 3, 7, 10),
    "sus4": (0, 5, 7), "maj7": (0, 4, 7, 11), "dim": (0, 3, 6),
}


def chord(sym):
    """'Dm' -> (root pitch class, intervals)."""
    root = sym[0]
    rest = sym[1:]
    acc = 0
    if rest[:1] in ("#", "b"):
        acc = 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return (NOTE[root] + acc) % 12, CHORDS[rest]


class Score:
    def __init__(self, beats, seconds):
        self.beats = beats
        self.tempo = int(round(seconds / beats * 1e6))  # microseconds per beat
        self.events = []     # (tick, order, bytes)
        self.setup = []

    def instrument(self, ch, program, volume=100, pan=64, reverb=40, chorus=0):
        self.setup.append(bytes([0xC0 | ch, program]))
        for cc, v in ((7, volume), (10, pan), (91, reverb), (93, chorus)):
            self.setup.append(bytes([0xB0 | ch, cc, v]))

    def note(self, ch, start, dur, p, vel):
        if isinstance(p, str):
            p = pitch(p)
        a = int(round(start * TPB))
        b = int(round((start + dur) * TPB)) - 1
        vel = max(1, min(127, int(vel)))
        self.events.append((a, 1, bytes([0x90 | ch, p, vel])))
        self.events.append((max(b, a + 1), 0, bytes([0x80 | ch, p, 0])))

    def melody(self, ch, start, text, vel=90, legato=0.95, accent=None):
        t = start
        for tok in text.split():
            name, d = tok.split("/")
            d = float(d)
            if name != "r":
                v = vel
                if accent and abs((t - start) % 1.0) < 1e-6:
                    v += accent
                self.note(ch, t, d * legato, name, v)
            t += d
        return t

    def cc(self, ch, start, num, val):
        self.events.append((int(round(start * TPB)), 0, bytes([0xB0 | ch, num, val])))

    def midi(self, repeats=1):
        def vlq(v):
            out = [v & 0x7F]
            v >>= 7
            while v:
                out.append(0x80 | (v & 0x7F))
                v >>= 7
            return bytes(reversed(out))
        evs = []
        span = self.beats * TPB
        for k in range(repeats):
            evs += [(t + k * span, o, b) for t, o, b in self.events]
        evs.sort(key=lambda e: (e[0], e[1], e[2]))
        body = bytearray()
        body += vlq(0) + b"\xFF\x51\x03" + self.tempo.to_bytes(3, "big")
        for b in self.setup:
            body += vlq(0) + b
        now = 0
        for t, _, b in evs:
            body += vlq(t - now) + b
            now = t
        # let the last notes ring for two seconds' worth of beats
        body += vlq(4 * TPB) + b"\xFF\x2F\x00"
        head = b"MThd" + (6).to_bytes(4, "big") + (0).to_bytes(2, "big") + \
            (1).to_bytes(2, "big") + TPB.to_bytes(2, "big")
        return head + b"MTrk" + len(body).to_bytes(4, "big") + bytes(body)


def soundfont():
    for p in [os.environ.get("SOUNDFONT", "")] + SOUNDFONT_CANDIDATES:
        if os.path.exists(p):
            return p
    raise SystemExit("General MIDI sound font FluidR3_GM.sf2 not found")


def render(score, tmp, repeats=1, gain=0.5):
    mid = os.path.join(tmp, "score.mid")
    wav = os.path.join(tmp, "render.wav")
    with open(mid, "wb") as f:
        f.write(score.midi(repeats))
    run(["fluidsynth", "-ni", "-q", "-g", str(gain), "-r", str(RENDER_RATE),
         "-o", "synth.cpu-cores=1", "-F", wav, soundfont(), mid])
    x = read_audio(wav, None, 2)
    return x.mean(axis=1)


def render_loop(score, frames_at_render, tmp, gain=0.5):
    """Render three passes and keep the middle one, folded into a loop."""
    x = render(score, tmp, repeats=3, gain=gain)
    L = frames_at_render
    F = 2048
    seg = x[L:2 * L + F]
    if len(seg) < L + F:
        seg = np.concatenate([seg, np.zeros(L + F - len(seg))])
    return loop_crossfade(seg, L, F)


# ---------------------------------------------------------------- helpers

def shift_octave(text, k):
    out = []
    for tok in text.split():
        name, d = tok.split("/")
        if name != "r":
            name = name[:-1] + str(int(name[-1]) + k)
        out.append(name + "/" + d)
    return " ".join(out)


def bars(chords_text):
    return chords_text.split()


def pad(sc, ch, chords, start_bar, vel, octave=3, beats=4, top=True):
    for i, sym in enumerate(chords):
        root, iv = chord(sym)
        base = 12 * (octave + 1) + root
        notes = [base + v for v in iv[:3]]
        if top:
            notes.append(base + 12)
        for p in notes:
            sc.note(ch, (start_bar + i) * beats, beats * 0.98, p, vel)


def arpeggio(sc, ch, chords, start_bar, vel, octave=3, pattern=(0, 2, 3, 4, 5, 4, 3, 2),
             step=0.5, beats=4):
    for i, sym in enumerate(chords):
        root, iv = chord(sym)
        base = 12 * (octave + 1) + root
        tones = [base + iv[0], base + iv[1], base + iv[2], base + 12,
                 base + 12 + iv[1], base + 12 + iv[2], base + 24]
        t0 = (start_bar + i) * beats
        for k, idx in enumerate(pattern):
            v = vel + (8 if k % 4 == 0 else 0)
            sc.note(ch, t0 + k * step, step * 1.6, tones[idx], v)


def bassline(sc, ch, chords, start_bar, vel, octave=2, figure=((0, 1.5, 0), (1.5, 0.5, 0), (2, 1.5, 7), (3.5, 0.5, 12)),
             beats=4):
    for i, sym in enumerate(chords):
        root, iv = chord(sym)
        base = 12 * (octave + 1) + root
        if base > 12 * (octave + 1) + 7:
            base -= 12
        t0 = (start_bar + i) * beats
        for off, d, iv_ in figure:
            if iv_ == 7 and 7 not in iv:
                iv_ = iv[2]
            sc.note(ch, t0 + off, d * 0.9, base + iv_, vel + (10 if off == 0 else 0))


# ---------------------------------------------------------------- h_menu

def score_h_menu(seconds):
    """Menu theme in D minor, 24 bars: a harp introduction, the horn theme,
    a brighter flute-and-horn answer, and a closing phrase on A that leads
    back to the start."""
    sc = Score(96, seconds)
    STR, HORN, HARP, BASS, TIMP, FLUTE, DR = 0, 1, 2, 3, 4, 5, 9
    sc.instrument(STR, 48, 95, 50, 60)
    sc.instrument(HORN, 60, 110, 70, 50)
    sc.instrument(HARP, 46, 115, 40, 50)
    sc.instrument(BASS, 45, 100, 64, 30)
    sc.instrument(TIMP, 47, 100, 64, 40)
    sc.instrument(FLUTE, 73, 95, 85, 55)
    sc.setup.append(bytes([0xB9, 7, 115]))
    sc.setup.append(bytes([0xB9, 91, 40]))
    ch = bars("Dm Bb C A  Dm Bb F C Dm Bb Gm A  Bb C Dm F Gm C F A  Dm Bb Gm A")
    pad(sc, STR, ch, 0, 72)
    arpeggio(sc, HARP, ch, 0, 62)
    bassline(sc, BASS, ch[4:], 4, 78, figure=((0, 1, 0), (1.5, 0.5, 0), (2, 1, 7), (3, 1, 0)))
    bassline(sc, BASS, ch[:4], 0, 60, figure=((0, 2, 0), (2, 2, 7)))
    # flute in the introduction
    sc.melody(FLUTE, 0, "r/4 r/2 F5/1 D5/1 E5/3 r/1 C#5/2 r/2", 70)
    # horn theme
    sc.melody(HORN, 16, "D4/1.5 A4/.5 A4/1 G4/.5 F4/.5  F4/1.5 D4/.5 Bb3/1 D4/1 "
                        "C4/1 F4/1 A4/1 C5/1  G4/3 r/1 "
                        "D5/1.5 C5/.5 A4/1 F4/1  G4/1.5 F4/.5 D4/2 "
                        "Bb4/1 A4/.5 G4/.5 D5/2  C#5/3 E4/1", 92, accent=6)
    # brighter answer: flute with the horn an octave below
    b_theme = ("F5/1 D5/1 Bb4/1 D5/1  E5/1.5 G5/.5 E5/1 C5/1  F5/1.5 E5/.5 D5/1 A4/1 "
               "C5/3 A4/1  Bb4/1 D5/1 G5/1.5 F5/.5  E5/1 C5/1 G5/2 "
               "A5/1.5 G5/.5 F5/1 C5/1  E5/2 C#5/1 A4/1")
    sc.melody(FLUTE, 48, b_theme, 88, accent=5)
    lower = shift_octave(b_theme, -1)
    sc.melody(HORN, 48, lower, 70)
    # closing phrase
    sc.melody(HORN, 80, "D4/2 F4/1 A4/1  Bb4/2 A4/1 F4/1  G4/2 Bb4/1 D5/1  C#5/2 E4/1 A4/1", 86)
    sc.melody(FLUTE, 80, "r/4 r/4 r/2 G5/1 F5/1 E5/4", 60)
    # timpani: downbeats of the sections and a roll into the loop point
    for b in (4, 8, 12, 16, 20):
        sc.note(TIMP, b * 4, 1.5, "D2", 100)
        sc.note(TIMP, b * 4 + 2, 1, "A1", 80)
    for k in range(16):
        sc.note(TIMP, 92 + k * 0.25, 0.3, "A1", 50 + k * 3)
    # light percussion from the theme on
    for b in range(4, 24):
        t0 = b * 4
        sc.note(DR, t0, 0.5, 36, 80)
        sc.note(DR, t0 + 2, 0.5, 36, 70)
        sc.note(DR, t0 + 1.5, 0.25, 45, 45)
        sc.note(DR, t0 + 3.5, 0.25, 45, 50)
        if 12 <= b < 20:
            sc.note(DR, t0 + 1, 0.25, 38, 45)
            sc.note(DR, t0 + 3, 0.25, 38, 50)
    for b in (4, 12):
        sc.note(DR, b * 4, 2, 49, 75)
    sc.note(DR, 0, 2, 57, 55)
    return sc


def h_menu(frames, rate, tmp):
    hi = frames * RENDER_RATE // rate
    assert hi * rate == frames * RENDER_RATE
    sc = score_h_menu(hi / RENDER_RATE)
    x = render_loop(sc, hi, tmp)
    y = resample(x, RENDER_RATE, rate, tmp, periodic=True)
    y = limit(y, 5.0, rate, periodic=True)
    return level(y, -1.5, -14)


# ---------------------------------------------------------------- hudba_hra

def score_hudba_hra(seconds):
    """In-flight music in A minor, 32 bars at about 121 beats a minute:
    a groove that builds, the trumpet theme, a lifting string section and
    the theme again, turning on E back to the start."""
    sc = Score(128, seconds)
    STR, BASS, LEAD, BRASS, PAD, HORN, DR = 0, 1, 2, 3, 4, 5, 9
    sc.instrument(STR, 48, 100, 44, 40)
    sc.instrument(BASS, 33, 90, 64, 10)
    sc.instrument(LEAD, 56, 100, 72, 45)
    sc.instrument(BRASS, 61, 105, 60, 40)
    sc.instrument(PAD, 89, 95, 64, 60)
    sc.instrument(HORN, 60, 100, 56, 50)
    sc.setup.append(bytes([0xB9, 7, 100]))
    sc.setup.append(bytes([0xB9, 91, 25]))
    ch = bars("Am Am F F C C G E  Am F C G Am F G E  F G Em Am F G C E  Am F C G Dm F E E")
    pad(sc, PAD, ch, 0, 45, octave=3)
    # string ostinato in eighths
    for i, sym in enumerate(ch):
        root, iv = chord(sym)
        base = 60 + root if root < 5 else 48 + root
        tones = [base, base + iv[2], base + 12, base + iv[2]]
        for k in range(8):
            v = 70 + (12 if k % 2 == 0 else 0) + (8 if i >= 8 else 0)
            sc.note(STR, i * 4 + k * 0.5, 0.35, tones[k % 4], v)
    # bass: driving eighths with octave jumps
    fig = tuple((k * 0.5, 0.45, 12 if k in (2, 6) else 0) for k in range(8))
    bassline(sc, BASS, ch[:4], 0, 72, figure=((0, 1.5, 0), (1.5, 0.5, 0), (2, 1.5, 0), (3.5, 0.5, 7)))
    bassline(sc, BASS, ch[4:], 4, 76, figure=fig)
    # lead lines
    sc.melody(HORN, 16, "E4/4 G4/4 D4/4 B3/2 G#3/2", 70)
    theme = ("A4/.5 A4/.5 C5/.5 E5/1 D5/.5 C5/1  A4/1.5 C5/.5 F5/1 E5/1 "
             "G4/.5 G4/.5 C5/.5 E5/1 G5/.5 E5/1  D5/3 r/1 "
             "A4/.5 A4/.5 C5/.5 E5/1 A5/.5 G5/1  F5/1.5 E5/.5 C5/1 A4/1 "
             "B4/1 D5/1 G5/1 F5/1  E5/3 r/1")
    sc.melody(LEAD, 32, theme, 92, legato=0.9, accent=8)
    lift = ("C5/2 F5/1 A5/1  B4/2 D5/1 G5/1  E5/1.5 G5/.5 B5/1 G5/1  A5/2 E5/2 "
            "F5/1 E5/1 D5/1 C5/1  D5/1 C5/1 B4/1 D5/1  E5/1.5 D5/.5 C5/1 G4/1  G#4/2 B4/2")
    sc.melody(STR, 64, lift, 84, legato=1.0)
    sc.melody(HORN, 64, shift_octave(lift, -1), 72)
    theme2 = ("A4/.5 A4/.5 C5/.5 E5/1 D5/.5 C5/1  A4/1.5 C5/.5 F5/1 E5/1 "
              "G4/.5 G4/.5 C5/.5 E5/1 G5/.5 E5/1  D5/3 r/1 "
              "F5/1.5 E5/.5 D5/1 A4/1  C5/1.5 A4/.5 F4/1 A4/1 "
              "G#4/1 B4/1 E5/2  D5/1 C5/1 B4/1 G#4/1")
    sc.melody(LEAD, 96, theme2, 94, legato=0.9, accent=8)
    # brass stabs in the lift and the second theme
    for i in range(16, 32):
        root, iv = chord(ch[i])
        base = 55 + (root - 7) % 12
        for off in (0, 1.5) if i < 24 else (0, 2.5):
            for v in iv[:3]:
                p = base + (v + root - (base % 12)) % 12
                sc.note(BRASS, i * 4 + off, 0.4, p, 80)
    # drums
    for b in range(32):
        t0 = b * 4
        sec = b // 8
        for k in range(8):
            if sec == 2 and k % 2 == 1:
                sc.note(DR, t0 + k * 0.5, 0.25, 46, 55)
            else:
                sc.note(DR, t0 + k * 0.5, 0.25, 42, 60 if k % 2 == 0 else 45)
        if sec == 2:
            for k in range(4):
                sc.note(DR, t0 + k, 0.25, 36, 80)
        else:
            sc.note(DR, t0, 0.25, 36, 85)
            sc.note(DR, t0 + 2, 0.25, 36, 76)
            if sec > 0:
                sc.note(DR, t0 + 2.5, 0.25, 36, 70)
        if b >= 4:
            sc.note(DR, t0 + 1, 0.25, 38, 80)
            if b % 8 != 7:
                sc.note(DR, t0 + 3, 0.25, 38, 80)
        if b % 8 == 7:   # fill
            for k, (d, v) in enumerate(((38, 80), (38, 70), (48, 85), (47, 85),
                                        (45, 90), (43, 95), (41, 100), (38, 105))):
                sc.note(DR, t0 + 2 + k * 0.25, 0.25, d, v)
        if b % 8 == 0:
            sc.note(DR, t0, 2, 49, 72)
    return sc


def hudba_hra(frames, rate, tmp):
    assert rate == RENDER_RATE
    sc = score_hudba_hra(frames / RENDER_RATE)
    x = render_loop(sc, frames, tmp)
    x = limit(x, 6.0, rate, periodic=True)
    return level(x, -1.5, -15)


# ---------------------------------------------------------------- fanfara

def score_fanfara():
    """Fanfare for a delivery at the base: trumpets in thirds over
    trombones, horns, tuba, timpani and snare, in C major."""
    sc = Score(36, 18.0)       # 120 beats a minute
    TR1, TR2, TBN, HRN, TUBA, TIMP, DR = 0, 1, 2, 3, 4, 5, 9
    sc.instrument(TR1, 56, 115, 70, 45)
    sc.instrument(TR2, 56, 108, 58, 45)
    sc.instrument(TBN, 57, 78, 50, 45)
    sc.instrument(HRN, 60, 95, 80, 50)
    sc.instrument(TUBA, 58, 100, 64, 35)
    sc.instrument(TIMP, 47, 105, 64, 40)
    sc.setup.append(bytes([0xB9, 7, 95]))
    sc.setup.append(bytes([0xB9, 91, 40]))
    t1 = ("G4/.333 G4/.333 G4/.334 C5/1.5 G4/.5 C5/.5 E5/.5 G5/2.5 E5/.5 C5/1 "
          "D5/1 D5/.5 E5/.5 F5/1 D5/1  G5/2 r/.5 G4/.5 A4/.5 B4/.5 "
          "C5/1 E5/1 G5/1 C6/1  B5/1.5 A5/.5 G5/1 F5/1  E5/1 G5/1 D5/1 B4/1 "
          "C5/.5 E5/.5 G5/.5 C6/.5 G5/.5 E5/.5 D5/.5 B4/.5  C5/4")
    t2 = ("r/1 E4/1.5 E4/.5 G4/.5 C5/.5 E5/2.5 C5/.5 G4/1 "
          "B4/1 B4/.5 C5/.5 D5/1 B4/1  D5/2 r/.5 G4/.5 F4/.5 G4/.5 "
          "G4/1 C5/1 E5/1 G5/1  G5/1.5 F5/.5 E5/1 D5/1  C5/1 E5/1 B4/1 G4/1 "
          "E4/.5 G4/.5 C5/.5 E5/.5 E5/.5 C5/.5 B4/.5 G4/.5  E4/4")
    # the fanfare is laid out from beat 0; the first bar has a pick-up
    sc.melody(TR1, 0, t1, 100, legato=0.85, accent=10)
    sc.melody(TR2, 0, t2, 86, legato=0.85)
    # chords, one per bar (bar 1 starts on beat 1 after the pick-up)
    ch = ["C", "C", "G", "G", "C", "F", "C", "C"]
    hits = [(1, "C"), (3, "C"), (5, "C"), (7, "C"), (9, "Dm"), (11, "G"), (13, "G"),
            (17, "C"), (19, "C"), (21, "F"), (23, "F"), (25, "C"), (27, "G"), (29, "C"), (31, "G")]
    for t, sym in hits:
        root, iv = chord(sym)
        for v in iv:
            sc.note(TBN, t, 1.8, 48 + root + v if root + v < 10 else 36 + root + v, 82)
        sc.note(HRN, t, 1.8, 60 + root + iv[1] if root + iv[1] < 8 else 48 + root + iv[1], 70)
        sc.note(TUBA, t, 1.8, 36 + root if root < 8 else 24 + root, 90)
    # final chord
    for p in (48, 52, 55, 60):
        sc.note(TBN, 33, 3.2, p, 90)
    for p in ("E4", "G4"):
        sc.note(HRN, 33, 3.2, p, 85)
    sc.note(TUBA, 33, 3.2, "C2", 100)
    # timpani and percussion
    for t in (1, 5, 9, 13, 17, 21, 25, 29):
        sc.note(TIMP, t, 1, "C2", 100)
        sc.note(TIMP, t + 2, 1, "G1", 85)
    for k in range(24):
        sc.note(TIMP, 33 + k * 0.125, 0.15, "C2", 60 + k * 2)
    sc.note(TIMP, 36, 1, "C2", 110)
    for t in range(1, 33):
        sc.note(DR, t, 0.25, 38, 60 if t % 2 else 75)
        sc.note(DR, t + 0.5, 0.25, 38, 45)
    for t in (1, 17, 33):
        sc.note(DR, t, 3, 49, 100)
    sc.note(DR, 36, 3, 57, 100)
    return sc


def fanfara(frames, rate, tmp):
    x = render(score_fanfara(), tmp, gain=0.5)
    y = resample(x, RENDER_RATE, rate, tmp)
    out = np.zeros(frames)
    m = min(frames, len(y))
    out[:m] = y[:m]
    out = fade(out, 0.005, 1.2, sr=rate)
    out = limit(out, 4.0, rate)
    return level(out, -1.5, -15)


# ---------------------------------------------------------------- drama

GAME_RATE_DRAMA = 12000


def score_drama():
    """The dramatic opening of the intro, 7.3 s as heard in the game:
    a timpani roll and low tremolo strings swell into brass stabs and a
    horn call that ends unresolved on the dominant."""
    sc = Score(10, 7.5)       # 80 beats a minute
    STR, BRASS, HORN, TIMP, CELLO, DR = 0, 1, 2, 3, 4, 9
    sc.instrument(STR, 44, 110, 50, 60)
    sc.instrument(BRASS, 61, 115, 70, 55)
    sc.instrument(HORN, 60, 115, 64, 60)
    sc.instrument(TIMP, 47, 110, 64, 50)
    sc.instrument(CELLO, 42, 100, 40, 50)
    sc.setup.append(bytes([0xB9, 7, 100]))
    for p in ("D2", "A2", "D3"):
        sc.note(STR, 0, 9.5, p, 80)
    for k in range(16):
        sc.note(TIMP, k * 0.125, 0.15, "D2", 40 + k * 4)
    sc.note(TIMP, 2, 1, "D2", 120)
    for t, d, notes, v in ((2, 0.5, ("D3", "F3", "A3", "D4"), 120),
                           (2.75, 0.25, ("D3", "F3", "A3", "D4"), 105),
                           (3, 1.0, ("Bb2", "F3", "Bb3", "D4"), 118)):
        for p in notes:
            sc.note(BRASS, t, d, p, v)
    sc.note(DR, 2, 3, 49, 110)
    sc.note(DR, 2, 1, 35, 120)
    sc.melody(HORN, 4, "D4/.75 F4/.25 E4/.75 C#4/.25 D4/1 A3/1.5", 105)
    sc.melody(CELLO, 4, "D3/2 C#3/2 A2/3", 90)
    for p in ("A2", "E3", "A3", "C#4"):
        sc.note(BRASS, 6, 3.5, p, 95)
    for k in range(12):
        sc.note(TIMP, 6 + k * 0.125, 0.15, "A1", 60 + k * 3)
    sc.note(TIMP, 7.5, 1, "A1", 110)
    sc.note(DR, 7.5, 2, 57, 90)
    return sc


def drama(frames, rate, tmp):
    """Rendered as heard at 12 kHz; the samples are stored under the
    catalogue's 22050 Hz and the game plays them back at 12000 Hz."""
    x = render(score_drama(), tmp, gain=0.5)
    y = resample(x, RENDER_RATE, GAME_RATE_DRAMA, tmp)
    out = np.zeros(frames)
    m = min(frames, len(y))
    out[:m] = y[:m]
    out = fade(out, 0.003, 0.8, sr=GAME_RATE_DRAMA)
    out = limit(out, 4.0, GAME_RATE_DRAMA)
    return level(out, -1.5, -14)


RECIPES = {"h_menu": h_menu, "hudba_hra": hudba_hra, "fanfara": fanfara,
           "drama": drama}

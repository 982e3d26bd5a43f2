"""Synthesised sound effects.  Each recipe returns float samples at 22050 Hz
with exactly the number of frames asked for, already levelled.

Loops are built one period at a time with circular filters and events that
wrap around the loop point, so that they join end to start without a seam.
"""
import os

import numpy as np

from common import (SR, rng, lp, hp, bp, reson, pnoise, cfilter, cconv,
                    m_lp, m_hp, m_bp, m_peak, m_pink, m_brown, env_ad, fade,
                    place, periodic_lfo, reverb_ir, add_reverb, level,
                    softclip, read_audio, run, limit)


# ------------------------------------------------------------ rotor loops

def _rotor_event(r, n, f_low, d_low, lp_body, d_body, slap_lo, slap_hi,
                 d_slap, a_slap):
    t = np.arange(n) / SR
    low = np.sin(2 * np.pi * f_low * t * (1 - 0.15 * t / (t[-1] + 1e-9)))
    low *= env_ad(n, 0.004, d_low)
    body = lp(r.standard_normal(n), lp_body, 2) * env_ad(n, 0.003, d_body)
    body /= np.max(np.abs(body)) + 1e-9
    slap = bp(r.standard_normal(n), slap_lo, slap_hi, 2) * env_ad(n, 0.0015, d_slap)
    slap /= np.max(np.abs(slap)) + 1e-9
    return low + 0.55 * body + a_slap * slap


def helik(n, tmp):
    """Rotor heard from inside the cabin: 20 blade passes per loop (13 Hz at
    the recording's own rate, 6..18 Hz over the game's 10..30 kHz range),
    gearbox hum, turbine whine and muffled cabin noise."""
    r = rng(101)
    T = n / SR
    t = np.arange(n) / SR
    out = np.zeros(n)
    blades = 20
    ev_len = int(0.12 * SR)
    for k in range(blades):
        amp = (1.0 if k % 2 == 0 else 0.86) * r.uniform(0.93, 1.05)
        ev = _rotor_event(r, ev_len, 64, 0.038, 420, 0.028, 500, 2200, 0.012, 0.18)
        place(out, amp * ev, round(k * n / blades), wrap=True)
    # pulse envelope for modulating the continuous parts
    ph = (t * blades / T) % 1.0
    puls = np.exp(-ph / 0.18)
    puls = cfilter(puls, m_lp(60, 2))
    # gearbox hum, turbine whine: whole cycles per loop
    def tone(freq, a):
        k = max(1, round(freq * T))
        return a * np.sin(2 * np.pi * k * t / T + r.uniform(0, 6.28))
    hum = tone(86, 0.10) + tone(172, 0.05) + tone(258, 0.035) + tone(430, 0.02)
    whine = (tone(1120, 0.035) + tone(1127, 0.028) + tone(2240, 0.012)) * (0.85 + 0.15 * puls)
    cabin = pnoise(n, r, m_pink(), m_lp(1400, 2), m_hp(60, 1)) * 0.16 * (0.75 + 0.5 * puls)
    rumble = pnoise(n, r, m_lp(110, 2), m_hp(25, 2)) * 0.22
    out = out + hum + whine + cabin + rumble
    out = cfilter(out, m_lp(5000, 2))
    return level(out, -1.5, -13)


def cizivrtulnik(n, tmp):
    """A heavier military helicopter from outside: 15 deep blade passes per
    loop (9.8 Hz here, 17.8 Hz when played at 40 kHz), strong blade slap,
    twin turbines beating against each other, tail rotor buzz."""
    r = rng(202)
    T = n / SR
    t = np.arange(n) / SR
    out = np.zeros(n)
    blades = 15
    ev_len = int(0.16 * SR)
    for k in range(blades):
        amp = r.uniform(0.9, 1.05)
        ev = _rotor_event(r, ev_len, 46, 0.055, 300, 0.04, 280, 1500, 0.022, 0.65)
        place(out, amp * ev, round(k * n / blades), wrap=True)
    def tone(freq, a):
        k = max(1, round(freq * T))
        return a * np.sin(2 * np.pi * k * t / T + r.uniform(0, 6.28))
    whine = tone(1380, 0.03) + tone(1384, 0.03) + tone(2760, 0.01) + tone(690, 0.015)
    tail_rate = round(5.3 * blades)          # tail rotor pulses per loop
    tail_env = 0.5 + 0.5 * np.cos(2 * np.pi * tail_rate * t / T)
    tail = pnoise(n, r, m_bp(250, 900, 2)) * 0.09 * tail_env ** 3
    roar = pnoise(n, r, m_pink(), m_bp(80, 1200, 2)) * 0.16
    out = out + whine + tail + roar
    out = cfilter(out, m_lp(4200, 2))
    return level(out, -1.5, -18)


# ------------------------------------------------------------ ambiences

def vlny(n, tmp):
    """The sea seen from above: steady surf with one slow swell per loop."""
    r = rng(404)
    swell = periodic_lfo(n, r, [1], 0.18) * periodic_lfo(n, r, [2, 3, 5], 0.1)
    wash_env = np.roll(swell, n // 3)
    body = pnoise(n, r, m_pink(), m_lp(1800, 2), m_hp(70, 2)) * swell
    wash = pnoise(n, r, m_bp(1500, 5500, 2)) * 0.35 * wash_env ** 2
    low = pnoise(n, r, m_brown(), m_lp(180, 2), m_hp(30, 2)) * 0.45
    out = body + wash + low
    return level(out, -1.5, -16)


def tamrox(n, tmp):
    """Storm wind of the vortex: roaring gusts and a howl that glides in
    pitch, every modulation built from whole cycles per loop."""
    r = rng(909)
    t = np.arange(n) / n
    gust = periodic_lfo(n, r, [2, 3, 5, 7], 0.45)
    rumble = pnoise(n, r, m_brown(), m_lp(160, 2), m_hp(25, 2)) * 0.6 * periodic_lfo(n, r, [1, 2], 0.3)
    body = pnoise(n, r, m_pink(), m_bp(180, 2200, 2)) * 0.8 * gust
    hiss = pnoise(n, r, m_bp(2500, 7000, 2)) * 0.12 * gust ** 2
    # gliding howl: many narrow bands weighted around a moving centre pitch
    centre = 520 * 2 ** (0.9 * (np.sin(2 * np.pi * 2 * t + 0.7) * 0.6 +
                                np.sin(2 * np.pi * 5 * t + 2.1) * 0.4))
    howl = np.zeros(n)
    for fb in np.geomspace(250, 1300, 24):
        band = pnoise(n, r, m_peak(fb, fb / 18))
        w = np.exp(-0.5 * (np.log2(centre / fb) / 0.08) ** 2)
        howl += band * w
    howl *= 0.45 * gust
    out = rumble + body + hiss + howl
    return level(out, -1.5, -17)


def ohen(n, tmp):
    """Fire: low roar with crackles and pops (wrapped around the loop)."""
    r = rng(1717)
    roar = pnoise(n, r, m_brown(), m_lp(350, 2), m_hp(40, 2)) * periodic_lfo(n, r, [1, 3, 4], 0.35)
    flame = pnoise(n, r, m_pink(), m_bp(300, 1500, 1)) * 0.35 * periodic_lfo(n, r, [2, 5, 7], 0.4)
    hiss = pnoise(n, r, m_bp(2500, 7000, 2)) * 0.06
    out = roar + flame + hiss
    # crackles
    T = n / SR
    for _ in range(int(55 * T)):
        m = int(r.uniform(0.001, 0.004) * SR)
        ev = hp(r.standard_normal(m), r.uniform(1500, 4000), 2) * env_ad(m, 0.0002, m / SR / 4)
        place(out, ev * r.lognormal(0, 0.7) * 0.5, r.integers(0, n), wrap=True)
    for _ in range(int(4 * T)):
        m = int(0.03 * SR)
        ev = reson(r.standard_normal(m) * env_ad(m, 0.0003, 0.002), r.uniform(700, 1800), 250)
        ev /= np.max(np.abs(ev))
        place(out, ev * r.uniform(1.5, 3.0), r.integers(0, n), wrap=True)
    return level(out, -1.5, -18)


def lodicka(n, tmp):
    """Small outboard motor: two-stroke exhaust pops (48 per loop, 61 Hz),
    mechanical rattle and water slapping the hull."""
    r = rng(1515)
    T = n / SR
    out = np.zeros(n)
    pulses = 48
    amps = 1 + 0.18 * r.standard_normal(pulses)
    m = int(0.03 * SR)
    for k in range(pulses):
        exc = r.standard_normal(m) * env_ad(m, 0.0005, 0.003)
        ev = reson(exc, 190 * r.uniform(0.97, 1.03), 90) + 0.3 * reson(exc, 610, 200)
        place(out, ev * amps[k], round(k * n / pulses), wrap=True)
    out /= np.max(np.abs(out))
    t = np.arange(n) / SR
    puls = 0.5 + 0.5 * np.cos(2 * np.pi * pulses * t / T)
    rattle = pnoise(n, r, m_bp(1500, 4500, 2)) * 0.1 * puls ** 4
    water = pnoise(n, r, m_pink(), m_bp(300, 3000, 1)) * 0.18 * periodic_lfo(n, r, [1, 2], 0.5)
    out = out + rattle + water
    out = cfilter(out, m_lp(3800, 2))
    return level(out, -1.5, -18)


def kroky(n, tmp):
    """Two stretcher bearers walking on the concrete pad, out of step:
    one makes 9 steps per loop, the other (heavier boots) 8."""
    r = rng(1414)
    T = n / SR
    out = np.zeros(n)
    for steps, cut, amp, toe in ((9, 700, 1.0, 0.5), (8, 450, 1.2, 0.35)):
        off = r.uniform(0, T / steps)
        for k in range(steps):
            pos = (off + k * T / steps + r.normal(0, 0.012)) * SR
            m = int(0.2 * SR)
            heel = lp(r.standard_normal(m), cut, 2) * env_ad(m, 0.003, 0.03)
            heel /= np.max(np.abs(heel))
            scuff = bp(r.standard_normal(m), 1500, 5000, 2) * env_ad(m, 0.01, 0.035)
            scuff /= np.max(np.abs(scuff))
            ev = heel + 0.22 * scuff
            toe_ev = np.zeros(m)
            d = int(r.uniform(0.06, 0.08) * SR)
            toe_ev[d:] = (heel * toe * 0.8 + 0.15 * scuff)[:m - d]
            a = amp * r.uniform(0.8, 1.1)
            place(out, a * (ev + toe_ev), pos, wrap=True)
    ir = reverb_ir(0.35, r, lp_hz=3500)
    out = out + 0.25 * cconv(out, ir)
    out = limit(out, 4.0, periodic=True)
    return level(out, -1.5, -20)


# ------------------------------------------------------------ siren

def sirena(n, tmp):
    """Landing pad siren: a mechanical wail rising and falling once per
    loop; the right channel hears it slightly later and with its own echo."""
    r = rng(1818)
    T = n / SR
    t = np.arange(n) / n
    shape = 0.5 - 0.5 * np.cos(2 * np.pi * t)          # 0 -> 1 -> 0
    shape = shape ** 0.8
    f = 470 + 380 * shape
    cycles = np.sum(f) / SR
    f *= round(cycles) / cycles                          # whole cycles per loop
    ph = 2 * np.pi * np.cumsum(f) / SR
    ph -= ph[0]
    x = np.zeros(n)
    for k in range(1, 10):
        a = (1.0 / k ** 1.3) * (1.0 if k % 2 else 0.45)
        x += a * np.sin(k * ph)
    # rotor chopping gives a slight flutter (whole cycles per loop)
    chop = round(32 * T)
    x *= 1 - 0.12 * (0.5 + 0.5 * np.cos(2 * np.pi * chop * t))
    x = cfilter(x, m_lp(3500, 2))
    x = cfilter(x, m_hp(200, 2))
    irl = reverb_ir(0.9, r, lp_hz=3000, predelay=0.03)
    irr = reverb_ir(0.9, r, lp_hz=3000, predelay=0.045)
    left = x + 0.35 * cconv(x, irl)
    right = np.roll(x, int(0.004 * SR)) * 0.92 + 0.38 * cconv(x, irr)
    out = np.stack([left, right], axis=1)
    return level(out, -1.5, -15)


# ------------------------------------------------------------ one-shots

def vytah(n, tmp):
    """Electric winch: the motor spins up, hauls the cable, spins down."""
    r = rng(202202)
    t = np.arange(n) / SR
    T = n / SR
    up, down = 0.18, 0.3
    speed = np.clip(t / up, 0, 1) ** 0.7 * np.clip((T - t) / down, 0, 1) ** 0.8
    speed *= 1 + 0.02 * np.sin(2 * np.pi * 3.1 * t)
    f_rot = 38 * speed                      # motor revolutions per second
    ph = 2 * np.pi * np.cumsum(f_rot) / SR
    hum = sum(np.sin(k * 2 * ph) / k for k in range(1, 6)) * 0.25
    gear = (np.sin(17 * ph) * 0.5 + np.sin(34 * ph) * 0.18) * speed
    brush = bp(r.standard_normal(n), 2500, 6000, 2) * 0.12 * speed * (0.6 + 0.4 * np.sin(4 * ph) ** 2)
    # cable drum ticks, one per drum revolution
    drum = np.zeros(n)
    drum_ph = np.cumsum(f_rot / 9) / SR
    ticks = np.nonzero(np.diff(np.floor(drum_ph)) > 0)[0]
    m = int(0.02 * SR)
    for p in ticks:
        ev = reson(r.standard_normal(m) * env_ad(m, 0.0003, 0.002), 2300, 400)
        place(drum, ev / (np.max(np.abs(ev)) + 1e-9) * 0.35, p)
    out = hum + gear + brush + drum
    out = lp(out, 6000, 2)
    out = add_reverb(out, reverb_ir(0.3, r, lp_hz=4000), 0.15)
    out = fade(out, 0.01, 0.05)
    return level(out, -1.5, -20)


def vybuch(n, tmp):
    """Explosion: a crack, a deep boom falling in pitch, rolling rumble and
    debris falling back."""
    r = rng(303)
    t = np.arange(n) / SR
    crack = hp(r.standard_normal(n), 800, 2) * env_ad(n, 0.0005, 0.015)
    boom_src = lp(r.standard_normal(n), 220, 4)
    boom_src /= np.max(np.abs(boom_src))
    boom = boom_src * env_ad(n, 0.006, 0.35) * 2.5
    f = 55 * np.exp(-t / 0.5) + 28
    sub = np.sin(2 * np.pi * np.cumsum(f) / SR) * env_ad(n, 0.004, 0.45)
    rumble = lp(r.standard_normal(n), 500, 2)
    rumble /= np.max(np.abs(rumble))
    rumble *= env_ad(n, 0.05, 0.7) * 0.9
    out = 0.7 * crack + boom + 1.3 * sub + rumble
    debris = np.zeros(n)
    for _ in range(70):
        p = int(r.uniform(0.25, 1.9) * SR)
        m = int(0.015 * SR)
        ev = bp(r.standard_normal(m), 900, 5000, 2) * env_ad(m, 0.0003, 0.003)
        place(debris, ev * r.lognormal(0, 0.5) * 0.25 * np.exp(-p / SR / 0.9), p)
    out = out + debris
    out = softclip(out / np.max(np.abs(out)) * 1.6, 1.0)
    out = add_reverb(out, reverb_ir(1.6, r, lp_hz=2500, predelay=0.02), 0.35)
    out = fade(out, 0.0, 0.4)
    return level(out, -1.5)


def klik(n, tmp):
    """A crisp switch click: press and a softer release."""
    r = rng(707)
    out = np.zeros(n)
    for pos, a, f in ((int(0.004 * SR), 1.0, 3100), (int(0.075 * SR), 0.45, 3600)):
        m = int(0.03 * SR)
        exc = r.standard_normal(m) * env_ad(m, 0.0001, 0.0006)
        ev = reson(exc, f, 500) * 0.8 + reson(exc, f * 0.45, 300) * 0.4 + hp(exc, 4000, 2) * 0.3
        ev /= np.max(np.abs(ev))
        place(out, a * ev, pos)
    out = fade(out, 0.0, 0.05)
    return level(out, -1.5)


def vystrel(n, tmp):
    """A rifle shot that hits the helicopter: crack, muzzle boom, a metallic
    hit on the hull, echoes from the sea and islands (stereo)."""
    r = rng(1616)
    t = np.arange(n) / SR
    crack = hp(r.standard_normal(n), 1200, 2) * env_ad(n, 0.0002, 0.004)
    boom = lp(r.standard_normal(n), 400, 2)
    boom = boom / np.max(np.abs(boom)) * env_ad(n, 0.002, 0.06)
    shot = crack * 0.9 + boom * 1.2
    hit = np.zeros(n)
    m = int(0.4 * SR)
    exc = r.standard_normal(m) * env_ad(m, 0.0002, 0.0015)
    clang = sum(reson(exc, f, bw) * a for f, bw, a in
                ((1730, 14, 1.0), (2920, 20, 0.7), (4150, 30, 0.5), (980, 12, 0.6)))
    clang /= np.max(np.abs(clang))
    place(hit, clang * 0.55 + hp(exc, 2000, 2) * 0.4, int(0.045 * SR))
    dry = shot + hit
    chans = []
    for seed, delays in ((1, (0.13, 0.31, 0.52)), (2, (0.17, 0.36, 0.61))):
        rr = rng(1616 + seed)
        y = dry.copy()
        for i, d in enumerate(delays):
            echo = np.zeros(n)
            place(echo, lp(shot, 2500 / (i + 1), 2) * 0.35 / (i + 1), int(d * SR))
            y += echo
        y = add_reverb(y, reverb_ir(1.0, rr, lp_hz=3000, predelay=0.01), 0.3)
        chans.append(fade(y, 0.0, 0.2))
    out = np.stack(chans, axis=1)
    return level(out, -1.5)


# ------------------------------------------------------------ voices

def _glottal(f0, sr=SR, r=None, jitter=0.01, shimmer=0.05):
    """Pulse train following the pitch track f0 (Hz per sample)."""
    n = len(f0)
    if r is not None:
        f0 = f0 * (1 + jitter * lp(r.standard_normal(n), 30, 1) * 8)
    ph = np.cumsum(f0) / sr
    frac = ph % 1.0
    # Rosenberg-like pulse: open phase rises, closing is quick
    g = np.where(frac < 0.6, 0.5 - 0.5 * np.cos(np.pi * frac / 0.6),
                 np.cos(np.pi * (frac - 0.6) / 0.8))
    g = np.maximum(g, 0)
    d = np.diff(g, prepend=0)
    if r is not None:
        d *= 1 + shimmer * lp(r.standard_normal(n), 40, 1) * 8
    return d


def _formants(src, fs, sr=SR):
    out = np.zeros(len(src))
    for f, bw, a in fs:
        out += a * reson(src, f, bw, sr)
    return out


def kasel(n, tmp):
    """Coughing in smoke: three coughs, each a burst of breath through the
    throat with a rough voiced part, the last ones weaker."""
    r = rng(1212)
    out = np.zeros(n)
    for start, amp, dur, f0s in ((0.02, 1.0, 0.26, 150), (0.36, 0.85, 0.24, 140),
                                 (0.68, 0.6, 0.3, 128)):
        m = int(dur * SR)
        t = np.arange(m) / SR
        env = env_ad(m, 0.008, dur / 4)
        breath = r.standard_normal(m) * env_ad(m, 0.006, dur / 3.5)
        f0 = f0s * (1.2 - 0.35 * t / dur)
        voiced = _glottal(f0, r=r, jitter=0.06, shimmer=0.4) * 14 * env_ad(m, 0.01, dur / 7)
        src = breath * 1.4 + voiced
        vt = _formants(src, ((560, 260, 1.0), (1350, 320, 0.9), (2500, 400, 0.6), (3500, 500, 0.35)))
        vt += bp(breath, 2000, 6000, 1) * 0.15
        click = bp(r.standard_normal(m), 400, 3000, 1) * env_ad(m, 0.0008, 0.006) * 0.12
        ev = vt / (np.max(np.abs(vt)) + 1e-9) + click
        ev = softclip(ev * 1.5, 1.2)
        place(out, ev * amp, int(start * SR))
    out = hp(out, 120, 2)
    out = add_reverb(out, reverb_ir(0.4, r, lp_hz=3500), 0.12)
    out = fade(out, 0.0, 0.03)
    out = limit(out, 3.0)
    return level(out, -1.5, -16)


def mrtvy(n, tmp):
    """A short cry: an open 'a' that breaks and falls away."""
    r = rng(1313)
    t = np.arange(n) / SR
    T = n / SR
    f0 = 330 + 140 * np.exp(-t / 0.09) - 130 * (t / T) ** 1.5
    f0 *= 1 + 0.025 * np.sin(2 * np.pi * 6.3 * t)
    src = _glottal(f0, r=r, jitter=0.035, shimmer=0.3) * 60
    src += _glottal(f0 / 2, r=r, jitter=0.05, shimmer=0.5) * 12   # vocal fry
    src += r.standard_normal(n) * 0.9 * (0.4 + 0.6 * t / T)
    fs = ((880, 110, 1.0), (1350, 140, 0.55), (2750, 220, 0.35), (3700, 300, 0.15))
    v = _formants(src, fs)
    env = np.clip(t / 0.03, 0, 1) * np.clip((T - t) / 0.35, 0, 1) ** 1.5
    v = v * env
    v = softclip(v / np.max(np.abs(v)) * 1.8, 1.0)
    v = hp(v, 150, 2)
    v = add_reverb(v, reverb_ir(0.6, r, lp_hz=3000, predelay=0.02), 0.2)
    v = fade(v, 0.0, 0.05)
    return level(v, -1.5, -15)


def hlas(n, tmp):
    """'Pomozte mi!' called by a person in distress: espeak-ng, pitched up
    as in a shout, with breath noise following the voice, a slight pitch
    drift, light drive and doubling, band-limited and given a little space."""
    r = rng(505)
    raw = os.path.join(tmp, "hlas_raw.wav")
    dry = os.path.join(tmp, "hlas_dry.wav")
    proc = os.path.join(tmp, "hlas_proc.wav")
    run(["espeak-ng", "-v", "cs+m3", "-s", "165", "-p", "82", "-a", "120",
         "-w", raw, "Pomozte mi!"])
    run(["sox", "-R", raw, dry, "gain", "-6", "silence", "1", "0.01", "0.5%",
         "reverse", "silence", "1", "0.01", "0.5%", "reverse",
         "pad", "0", "0.3", "bend", "0.05,40,0.15", "0.1,-60,0.25", "rate", "-v", str(SR)])
    x = read_audio(dry, SR, 1)
    env = lp(np.abs(x), 25, 2)
    breath = bp(r.standard_normal(len(x)), 900, 5000, 2) * env * 0.9
    x = x / np.max(np.abs(x)) + breath / np.max(np.abs(x))
    mid = os.path.join(tmp, "hlas_mid.f32")
    np.asarray(x / np.max(np.abs(x)) * 0.5, dtype="<f4").tofile(mid)
    run(["sox", "-R", "-t", "raw", "-e", "floating-point", "-b", "32", "-c", "1",
         "-r", str(SR), mid, proc,
         "highpass", "300", "lowpass", "3600", "overdrive", "5", "10",
         "chorus", "0.7", "0.8", "25", "0.35", "0.4", "2", "-t",
         "gain", "-n", "-6", "pad", "0.02", "0.4",
         "reverb", "30", "50", "50", "100", "10"])
    y = read_audio(proc, SR, 1)
    out = np.zeros(n)
    m = min(n, len(y))
    out[:m] = y[:m]
    out = fade(out, 0.0, 0.1)
    out = limit(out, 4.0)
    return level(out, -1.5, -14)


# ------------------------------------------------------------ intro storm

def storm(n, tmp):
    """The storm that opens the intro: rain sweeping in, gusts of wind, a
    thunderclap with a long rolling rumble and a distant second roll."""
    r = rng(1111)
    t = np.arange(n) / SR
    T = n / SR
    swell = np.clip(t / 1.2, 0, 1) * np.clip((T - t) / 1.8, 0, 1)
    rain = bp(r.standard_normal(n), 1500, 6500, 2) * 0.15
    rain *= 0.7 + 0.3 * lp(np.abs(r.standard_normal(n)), 40, 1) * 2
    drops = np.zeros(n)
    for _ in range(int(300 * T)):
        m = int(0.006 * SR)
        ev = reson(r.standard_normal(m) * env_ad(m, 0.0002, 0.0008), r.uniform(2000, 6000), 800)
        place(drops, ev * r.lognormal(-1, 0.6), r.integers(0, n))
    gust_env = 0.5 + 0.5 * np.sin(2 * np.pi * t / 3.1 - 1.2) ** 2
    wind = bp(r.standard_normal(n), 250, 1400, 2) * 0.6 * gust_env
    bed = (rain + drops * 0.6 + wind) * swell
    thunder = np.zeros(n)
    for start, amp, dec, cut in ((0.9, 1.0, 1.4, 900), (1.05, 0.8, 2.2, 260),
                                 (1.6, 0.6, 1.6, 180), (5.2, 0.4, 1.2, 200)):
        m = n - int(start * SR)
        src = r.standard_normal(m)
        mod = np.abs(lp(r.standard_normal(m), 6, 1)) * 6 + 0.3
        ev = lp(src, cut, 2) * mod * env_ad(m, 0.01 if cut > 500 else 0.15, dec)
        ev /= np.max(np.abs(ev))
        place(thunder, ev * amp, int(start * SR))
    crack = hp(r.standard_normal(n), 600, 2) * env_ad(n, 0.002, 0.08)
    crack = np.roll(crack, int(0.88 * SR))
    crack[:int(0.88 * SR)] = 0
    out = bed * 0.5 + thunder * 1.3 + crack * 0.5
    out = add_reverb(out, reverb_ir(2.0, r, lp_hz=2500, predelay=0.03), 0.3)
    out = fade(out, 0.3, 0.8)
    return level(out, -1.5, -16)


RECIPES = {
    "helik": helik, "cizivrtulnik": cizivrtulnik, "vlny": vlny,
    "tamrox": tamrox, "ohen": ohen, "lodicka": lodicka, "kroky": kroky,
    "sirena": sirena, "vytah": vytah, "vybuch": vybuch, "klik": klik,
    "vystrel": vystrel, "kasel": kasel, "mrtvy": mrtvy, "hlas": hlas,
    "storm": storm,
}

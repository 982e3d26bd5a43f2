"""Shared helpers for the sound recipes: noise, filters, envelopes, loops, IO.

Every function is deterministic: random numbers come from generators seeded
by the caller, and external tools are always run with SoX's repeatable mode.
"""
import os
import subprocess

import numpy as np
import scipy.signal as ss

SR = 22050


def rng(seed):
    return np.random.default_rng(seed)


# ---------------------------------------------------------------- catalogue

def catalogue():
    """Rows of catalogue.txt: (index, name, looped, channels, rate, bits, bytes)."""
    here = os.path.dirname(os.path.abspath(__file__))
    rows = []
    with open(os.path.join(here, "catalogue.txt")) as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            idx, name, loop, ch, rate, bits, size = line.split()
            rows.append((int(idx), name, loop == "yes", int(ch), int(rate),
                         int(bits), int(size)))
    return rows


# ---------------------------------------------------------------- raw IO

def run(cmd):
    subprocess.run(cmd, check=True)


def read_audio(path, rate, channels=1):
    """Any audio file -> float64 array (frames,) or (frames, ch) at rate."""
    tmp = path + ".f32"
    run(["sox", "-R", path, "-t", "raw", "-e", "floating-point", "-b", "32",
         "-c", str(channels), tmp, "rate", "-v", str(rate)] if rate else
        ["sox", "-R", path, "-t", "raw", "-e", "floating-point", "-b", "32",
         "-c", str(channels), tmp])
    x = np.fromfile(tmp, dtype="<f4").astype(np.float64)
    os.remove(tmp)
    if channels > 1:
        x = x.reshape(-1, channels)
    return x


def write_raw(path, x):
    np.asarray(x, dtype="<f4").tofile(path)


def resample(x, src, dst, tmpdir, periodic=False):
    """Resample mono x from src to dst Hz with SoX's very high quality.

    With periodic=True the signal is treated as one period of a loop: three
    copies are resampled and the middle one is kept, so the result loops.
    """
    n = len(x)
    m = int(round(n * dst / src))
    y = np.tile(x, 3) if periodic else np.concatenate([x, np.zeros(src // 10)])
    a = os.path.join(tmpdir, "rs_in.f32")
    b = os.path.join(tmpdir, "rs_out.f32")
    write_raw(a, y)
    run(["sox", "-R", "-t", "raw", "-e", "floating-point", "-b", "32", "-c", "1",
         "-r", str(src), a, "-t", "raw", "-e", "floating-point", "-b", "32",
         b, "rate", "-v", str(dst)])
    z = np.fromfile(b, dtype="<f4").astype(np.float64)
    os.remove(a)
    os.remove(b)
    if periodic:
        return z[m:2 * m]
    return z[:m]


# ---------------------------------------------------------------- filters

def sos_lp(fc, order=4, sr=SR):
    return ss.butter(order, fc, "lowpass", fs=sr, output="sos")


def sos_hp(fc, order=4, sr=SR):
    return ss.butter(order, fc, "highpass", fs=sr, output="sos")


def sos_bp(lo, hi, order=2, sr=SR):
    return ss.butter(order, [lo, hi], "bandpass", fs=sr, output="sos")


def lp(x, fc, order=4, sr=SR):
    return ss.sosfilt(sos_lp(fc, order, sr), x)


def hp(x, fc, order=4, sr=SR):
    return ss.sosfilt(sos_hp(fc, order, sr), x)


def bp(x, lo, hi, order=2, sr=SR):
    return ss.sosfilt(sos_bp(lo, hi, order, sr), x)


def reson(x, f, bw, sr=SR):
    """Two-pole resonator at f Hz with bandwidth bw Hz, unity peak gain."""
    r = np.exp(-np.pi * bw / sr)
    c = 2 * r * np.cos(2 * np.pi * f / sr)
    b = [1 - r]
    a = [1, -c, r * r]
    return ss.lfilter(b, a, x)


# Circular (periodic) filtering in the frequency domain: the output of a
# periodic input stays exactly periodic, which makes seamless loops.

def freqs(n, sr=SR):
    return np.fft.rfftfreq(n, 1.0 / sr)


def cfilter(x, mag):
    """Filter one period x with a real magnitude response mag(f)."""
    n = len(x)
    X = np.fft.rfft(x)
    return np.fft.irfft(X * mag(freqs(n)), n)


def m_lp(fc, k=2):
    return lambda f: 1.0 / np.sqrt(1.0 + (f / fc) ** (2 * k))


def m_hp(fc, k=2):
    return lambda f: 1.0 / np.sqrt(1.0 + (fc / np.maximum(f, 1e-6)) ** (2 * k))


def m_bp(lo, hi, k=2):
    a, b = m_hp(lo, k), m_lp(hi, k)
    return lambda f: a(f) * b(f)


def m_peak(fc, bw):
    return lambda f: 1.0 / np.sqrt(1.0 + ((f - fc) / (bw / 2.0)) ** 2)


def m_pink():
    return lambda f: 1.0 / np.sqrt(np.maximum(f, 20.0) / 20.0)


def m_brown():
    return lambda f: 20.0 / np.maximum(f, 20.0)


def m_mul(*ms):
    def g(f):
        r = np.ones_like(f)
        for m in ms:
            r = r * m(f)
        return r
    return g


def pnoise(n, r, *mags):
    """One period of noise shaped by the product of the magnitude responses."""
    x = r.standard_normal(n)
    if mags:
        x = cfilter(x, m_mul(*mags))
    return x / (np.sqrt(np.mean(x * x)) + 1e-12)


def cconv(x, ir):
    """Circular convolution of a period with an impulse response."""
    n = len(x)
    h = np.zeros(n)
    m = min(len(ir), n)
    h[:m] = ir[:m]
    return np.fft.irfft(np.fft.rfft(x) * np.fft.rfft(h), n)


def reverb_ir(seconds, r, decay=None, lp_hz=5000, sr=SR, predelay=0.0):
    """Synthetic room/outdoor impulse response: decaying filtered noise."""
    n = int(seconds * sr)
    t = np.arange(n) / sr
    decay = decay or seconds / 6.9   # -60 dB at the end
    ir = r.standard_normal(n) * np.exp(-t / decay)
    ir = lp(ir, lp_hz, 2, sr)
    pd = int(predelay * sr)
    ir = np.concatenate([np.zeros(pd), ir])
    return ir / np.sqrt(np.sum(ir * ir))


def add_reverb(x, ir, wet):
    y = ss.fftconvolve(x, ir)[:len(x)]
    return x + wet * y


# ---------------------------------------------------------------- envelopes

def env_ad(n, attack, decay, sr=SR):
    """Attack (linear) then exponential decay, times in seconds."""
    t = np.arange(n) / sr
    a = np.clip(t / max(attack, 1e-6), 0, 1)
    return a * np.exp(-np.maximum(t - attack, 0) / decay)


def fade(x, fin, fout, sr=SR):
    x = x.copy()
    a = int(fin * sr)
    b = int(fout * sr)
    if a:
        x[:a] *= np.sin(np.linspace(0, np.pi / 2, a)) ** 2
    if b:
        x[-b:] *= np.cos(np.linspace(0, np.pi / 2, b)) ** 2
    return x


def place(buf, ev, pos, wrap=False):
    """Add event ev into buf at sample pos (wrapping around for loops)."""
    n = len(buf)
    pos = int(pos)
    if wrap:
        idx = (pos + np.arange(len(ev))) % n
        np.add.at(buf, idx, ev)
    else:
        if pos >= n:
            return
        m = min(len(ev), n - pos)
        buf[pos:pos + m] += ev[:m]


def periodic_lfo(n, r, cycles, depth=1.0):
    """Smooth periodic random modulation built from whole cycles per period."""
    t = np.arange(n) / n
    y = np.zeros(n)
    for c in cycles:
        y += np.sin(2 * np.pi * c * t + r.uniform(0, 2 * np.pi)) / c
    y /= np.max(np.abs(y)) + 1e-12
    return 1.0 + depth * y


def loop_crossfade(x, n, f):
    """x holds n+f samples of a continuous signal; fold its tail onto its head.

    The result y (n samples) satisfies y[n-1] -> y[0] being the natural step
    x[n-1] -> x[n].
    """
    y = x[:n].copy()
    w = np.linspace(0, 1, f, endpoint=False)
    if x.ndim == 2:
        w = w[:, None]
    y[:f] = x[:f] * w + x[n:n + f] * (1 - w)
    return y


# ---------------------------------------------------------------- levels

def db(v):
    return 20 * np.log10(max(v, 1e-12))


def level(x, peak_db=-1.5, rms_db=None):
    """Scale so the peak is peak_db, or the RMS is rms_db if that is lower."""
    pk = np.max(np.abs(x))
    g = 10 ** (peak_db / 20) / pk
    if rms_db is not None:
        rms = np.sqrt(np.mean(x * x))
        g = min(g, 10 ** (rms_db / 20) / rms)
    return x * g


def softclip(x, drive=1.0):
    return np.tanh(drive * x) / np.tanh(drive)


def limit(x, reduce_db=6.0, sr=SR, periodic=False):
    """Transparent peak limiter: the loudest peaks are brought down by up to
    reduce_db with a smooth gain curve (4 ms look-around, ~25 ms recovery),
    so the whole recording can be raised by that much."""
    from scipy.ndimage import maximum_filter1d, minimum_filter1d
    n = len(x)
    y = np.tile(x, 3) if periodic else x
    a = np.abs(y)
    thr = np.max(a) * 10 ** (-reduce_db / 20)
    w = max(3, int(0.004 * sr))
    env = maximum_filter1d(a, size=w)
    g = np.minimum(1.0, thr / np.maximum(env, 1e-9))
    g = minimum_filter1d(g, size=2 * w)
    b, c = ss.butter(1, 1.0 / (0.025 * np.pi * sr / 2) if sr else 0.01)
    g = ss.filtfilt(b, c, g)
    g = np.minimum(g, 1.0)
    z = y * g
    return z[n:2 * n] if periodic else z

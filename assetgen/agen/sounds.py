"""Synthesised sound kinds. Every clip is a WAV file: 22050 Hz, signed 16-bit, mono."""
import hashlib
import os
import wave
import numpy as np

RATE = 22050
NOTE_INDEX = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}


def note_freq(n):
    """'A4' -> 440.0, 'C#5', 'Bb3'; a number is taken as Hz."""
    if isinstance(n, (int, float)):
        return float(n)
    n = n.strip()
    semi = NOTE_INDEX[n[0].upper()]
    k = 1
    if len(n) > 2 and n[1] in "#b":
        semi += 1 if n[1] == "#" else -1
        k = 2
    octave = int(n[k:])
    return 440.0 * 2 ** ((semi + 12 * (octave - 4)) / 12)


def _t(length):
    return np.arange(int(RATE * length)) / RATE


def _rng(item):
    return np.random.default_rng(int(hashlib.sha256(item["file"].encode()).hexdigest()[:8], 16))


def wavefn(kind, phase):
    if kind == "square":
        return np.sign(np.sin(phase)) * 0.6
    if kind == "saw":
        return ((phase / np.pi) % 2.0 - 1.0) * 0.6
    if kind == "triangle":
        return (2 * np.abs((phase / np.pi) % 2.0 - 1.0) - 1.0)
    return np.sin(phase)


def tone(freq, length, wave_kind="sine", attack=0.005, decay=None, bell=False):
    t = _t(length)
    ph = 2 * np.pi * freq * t
    if bell:
        s = np.sin(ph) + 0.5 * np.sin(2.76 * ph) * np.exp(-t * 9) + 0.25 * np.sin(5.4 * ph) * np.exp(-t * 16)
    else:
        s = wavefn(wave_kind, ph)
    env = np.minimum(1.0, t / max(attack, 1e-4))
    if decay is not None:
        env *= np.exp(-t * decay)
    else:
        rel = min(0.03, length / 4)
        env *= np.clip((length - t) / max(rel, 1e-4), 0, 1)
    return s * env


def lowpass(x, cutoff):
    """One-pole low-pass filter."""
    if cutoff >= RATE / 2:
        return x
    a = np.exp(-2 * np.pi * cutoff / RATE)
    y = np.empty_like(x)
    acc = 0.0
    b = 1 - a
    for i in range(len(x)):
        acc = b * x[i] + a * acc
        y[i] = acc
    return y


def _lp_fast(x, cutoff):
    # a cheap moving-average low-pass for long noise (deterministic and fast)
    k = max(1, int(RATE / max(cutoff, 1) / 2))
    if k <= 1:
        return x
    c = np.cumsum(np.concatenate([[0.0], x]))
    y = (c[k:] - c[:-k]) / k
    return np.concatenate([y, np.zeros(len(x) - len(y))])


def noise(item, length, cutoff=4000, decay=8.0, attack=0.002):
    t = _t(length)
    n = _rng(item).uniform(-1, 1, len(t))
    n = _lp_fast(n, cutoff)
    env = np.minimum(1.0, t / attack) * np.exp(-t * decay)
    return n * env


def sweep(f0, f1, length, wave_kind="sine", decay=None, curve="exp"):
    t = _t(length)
    if curve == "exp" and f0 > 0 and f1 > 0:
        f = f0 * (f1 / f0) ** (t / length)
    else:
        f = f0 + (f1 - f0) * t / length
    ph = 2 * np.pi * np.cumsum(f) / RATE
    s = wavefn(wave_kind, ph)
    env = np.minimum(1.0, t / 0.005) * np.clip((length - t) / 0.02, 0, 1)
    if decay:
        env *= np.exp(-t * decay)
    return s * env


def mixdown(parts, total=None):
    """parts: list of (start seconds, samples)."""
    end = max(int(st * RATE) + len(s) for st, s in parts) if total is None else int(total * RATE)
    out = np.zeros(end)
    for st, s in parts:
        a = int(st * RATE)
        b = min(end, a + len(s))
        out[a:b] += s[:b - a]
    return out


def parse_notes(spec):
    """'C5 E5 G5:2 -:1' -> [(note or None, beats)]."""
    out = []
    for tok in spec.split():
        name, _, beats = tok.partition(":")
        out.append((None if name in ("-", "r") else name, float(beats) if beats else 1.0))
    return out


# ---- kinds ----

def k_click(item):
    p = float(item.get("pitch", 1800))
    L = float(item.get("length", 0.05))
    body = tone(p, L, "square", attack=0.0005, decay=90) * 0.5 + noise(item, L, 6000, decay=120) * 0.6
    if item.get("thud", False):
        body += tone(p / 8, L * 2, "sine", decay=40)[:len(body)] * 0.8
    return body


def k_tick(item):
    p = float(item.get("pitch", 2600))
    L = float(item.get("length", 0.04))
    return tone(p, L, "triangle", attack=0.0005, decay=110)


def k_chime(item):
    steps = int(item.get("steps", 3))
    base = note_freq(item.get("base", "C5"))
    step_len = float(item.get("step", 0.09))
    scale = [0, 4, 7, 12, 16, 19, 24, 28, 31, 36]
    parts = []
    for k in range(steps):
        f = base * 2 ** (scale[k % len(scale)] / 12 + 2 * (k // len(scale)))
        parts.append((k * step_len, tone(f, 0.6, bell=True, decay=5) * 0.5))
    if item.get("sparkle", steps >= 5):
        top = base * 4
        for k in range(6):
            parts.append((steps * step_len + k * 0.05, tone(top * (1 + 0.06 * k), 0.25, bell=True, decay=14) * 0.2))
    return mixdown(parts)


def k_jingle(item):
    tempo = float(item.get("tempo", 8.0))  # beats per second
    wk = item.get("wave", "bell")
    parts = []
    tm = 0.0
    for name, beats in parse_notes(item.get("notes", "C5 E5 G5 C6:2")):
        dur = beats / tempo
        if name:
            for chord_note in name.split("+"):
                f = note_freq(chord_note)
                if wk == "bell":
                    parts.append((tm, tone(f, dur + 0.35, bell=True, decay=4) * 0.45))
                else:
                    parts.append((tm, tone(f, dur * 0.95, wk, attack=0.01) * 0.35))
        tm += dur
    return mixdown(parts)


def k_loop(item):
    """A soft ambient loop. Every partial and every swell makes a whole number of
    cycles in the loop's length, so the seam is silent. The tones start at phase
    0 and every swell, vibrato and gate is at its low point at the seam
    (cosines), so the clip is mirrored there: the level just before the seam
    is the level just after it, and the seam falls in a quiet moment. Ticks
    sit in the middle of their gaps at the seam, not on it."""
    L = float(item.get("length", 4.0))
    t = _t(L)
    out = np.zeros(len(t))
    n = len(t)
    chords = item.get("chords", [item.get("notes", ["C3", "E3", "G3"])])
    per = L / len(chords)
    for ci, chord in enumerate(chords):
        seg = np.zeros(n)
        for note in chord:
            f = round(note_freq(note) * L) / L
            seg += np.sin(2 * np.pi * f * t) + 0.3 * np.sin(2 * np.pi * 2 * f * t)
        # raised-cosine window that sums to 1 over the chord sequence (periodic, so the seam matches)
        if len(chords) > 1:
            centre = (ci + 0.5) * per
            d = ((t - centre + L / 2) % L) - L / 2
            w = np.clip(1 - np.abs(d) / per, 0, 1)
            seg *= w
        out += seg
    wk = item.get("wave", "sine")
    if wk != "sine":
        out = np.zeros(n)
        for chord in chords[:1]:
            for note in chord:
                f = round(note_freq(note) * L) / L
                out += wavefn(wk, 2 * np.pi * f * t)
    swell = item.get("swell", 2)
    out *= 0.75 - 0.25 * np.cos(2 * np.pi * swell * t / L)
    if item.get("pulse"):
        # on/off gating a whole number of times per loop (buzzes, warbles)
        k = max(1, round(float(item["pulse"]) * L))
        out *= 0.55 - 0.45 * np.sign(np.cos(2 * np.pi * k * t / L) + 1e-9)
    if item.get("vibrato"):
        k = max(1, round(float(item["vibrato"]) * L))
        out *= 0.7 - 0.3 * np.cos(2 * np.pi * k * t / L)
    if item.get("ticks"):
        # a train of evenly spaced clicks (counters, ratchets); each ends before the next
        k = int(item["ticks"])
        per = n // k
        tk = tone(float(item.get("pitch", 2600)), min(0.03, per / RATE * 0.8), "triangle", attack=0.0005, decay=150)
        tick_train = np.zeros(n)
        for j in range(k):
            tick_train[j * per:j * per + len(tk)] += tk[:n - j * per]
        out = out * float(item.get("bed", 0.0)) + np.roll(tick_train, max(0, per - len(tk)) // 2)
    if item.get("murmur", 0):
        # a room murmur: noise made periodic by filtering three copies and keeping
        # the middle one (the filter looks ahead, so the last copy feeds the seam)
        nz = _rng(item).uniform(-1, 1, n)
        nz = _lp_fast(np.concatenate([nz, nz, nz]), 500)[n:2 * n]
        # mirrored about the seam like the tones, so it carries the same level across it
        nz = (nz - np.roll(nz[::-1], 1)) / np.sqrt(2)
        out += nz * float(item["murmur"]) * 8
    return out


FX = {}


def fx(name):
    def deco(fn):
        FX[name] = fn
        return fn
    return deco


@fx("crash")
def _crash(item, L):
    return noise(item, L, 3000, decay=4) + noise(dict(item, file=item["file"] + "b"), L, 300, decay=6) * 1.5


@fx("whoosh")
def _whoosh(item, L):
    t = _t(L)
    n = noise(item, L, 1500, decay=0)
    return n * np.sin(np.pi * t / L) ** 2 * 2


@fx("pop")
def _pop(item, L):
    return sweep(900, 200, min(L, 0.08), decay=30) + noise(item, min(L, 0.08), 5000, decay=80) * 0.4


@fx("thunder")
def _thunder(item, L):
    return noise(item, L, 180, decay=2.2) * 4


@fx("splash")
def _splash(item, L):
    return noise(item, L, 2500, decay=5) * (1 + 0.5 * np.sin(2 * np.pi * 30 * _t(L)))


@fx("roar")
def _roar(item, L):
    t = _t(L)
    base = sweep(110, 70, L, "saw") * (0.6 + 0.4 * np.sin(2 * np.pi * 23 * t))
    return base + noise(item, L, 600, decay=1.5) * 1.5


@fx("buzz")
def _buzz(item, L):
    return tone(float(item.get("pitch", 120)), L, "saw") * (0.7 + 0.3 * np.sign(np.sin(2 * np.pi * 12 * _t(L))))


@fx("boing")
def _boing(item, L):
    t = _t(L)
    f = 180 + 120 * np.sin(2 * np.pi * 9 * t) * np.exp(-t * 3)
    return np.sin(2 * np.pi * np.cumsum(f) / RATE) * np.exp(-t * 3)


@fx("drum")
def _drum(item, L):
    parts = []
    hits = int(item.get("hits", 1))
    gap = float(item.get("gap", 0.12))
    for k in range(hits):
        parts.append((k * gap, mixdown([(0, sweep(160, 50, 0.35, decay=9)),
                                        (0, noise(dict(item, file=item["file"] + str(k)), 0.2, 2500, decay=25) * 0.5)])))
    return mixdown(parts)


@fx("gong")
def _gong(item, L):
    t = _t(L)
    f = 110
    s = sum(np.sin(2 * np.pi * f * m * t + m) * np.exp(-t * (1 + m)) / m for m in (1, 2.4, 3.9, 5.3, 6.8))
    return s * np.minimum(1, t / 0.01)


@fx("horn")
def _horn(item, L):
    f = note_freq(item.get("note", "A3"))
    return tone(f, L, "saw", attack=0.03) * 0.6 + tone(f * 2, L, "square", attack=0.05) * 0.2


@fx("clap")
def _clap(item, L):
    rng = _rng(item)
    parts = []
    n = int(L * 14)
    for k in range(n):
        parts.append((float(rng.uniform(0, max(0.01, L - 0.1))), noise(dict(item, file=item["file"] + str(k)), 0.08, 4000, decay=50)))
    return mixdown(parts, L)


@fx("engine")
def _engine(item, L):
    t = _t(L)
    f = 50 + 90 * (t / L) ** 0.6
    ph = 2 * np.pi * np.cumsum(f) / RATE
    # the engine dies away over the last third instead of stopping at full throttle
    fade = np.clip((L - t) / (L / 3), 0, 1) ** 2
    return (wavefn("saw", ph) * 0.7 + noise(item, L, 400, decay=0) * 0.5) * fade


@fx("coin")
def _coin(item, L):
    return mixdown([(0, tone(1975, 0.25, bell=True, decay=16)), (0.07, tone(2637, 0.4, bell=True, decay=10))])


@fx("bubble")
def _bubble(item, L):
    parts = []
    rng = _rng(item)
    for k in range(int(L * 10)):
        parts.append((k * 0.1 + float(rng.uniform(0, 0.05)), sweep(400 + float(rng.uniform(0, 500)), 1400, 0.06, decay=30)))
    return mixdown(parts, L)


@fx("zap")
def _zap(item, L):
    return sweep(2400, 120, L, "square", decay=4)


@fx("rise")
def _rise(item, L):
    return sweep(220, 1760, L, "triangle")


@fx("fall")
def _fall(item, L):
    return sweep(1200, 150, L, "triangle")


@fx("hum")
def _hum(item, L):
    # a steady spinning-reel hum; whole cycles so it can loop
    f = round(float(item.get("pitch", 90)) * L) / L
    t = _t(L)
    return (np.sin(2 * np.pi * f * t) + 0.4 * np.sin(2 * np.pi * 3 * f * t)) * 0.5


@fx("ratchet")
def _ratchet(item, L):
    parts = []
    for k in range(int(L * 30)):
        parts.append((k / 30, noise(dict(item, file=item["file"] + str(k)), 0.015, 5000, decay=200)))
    return mixdown(parts, L)


@fx("animal")
def _animal(item, L):
    # a voiced call: a low sweep with growl
    f0 = float(item.get("pitch", 200))
    t = _t(L)
    f = f0 * (1 + 0.25 * np.sin(np.pi * t / L))
    s = wavefn("saw", 2 * np.pi * np.cumsum(f) / RATE)
    return lowpass(s, 900) * np.sin(np.pi * t / L) * (0.8 + 0.2 * np.sin(2 * np.pi * 25 * t))


@fx("voice")
def _voice(item, L):
    # a vowel-like "ooh"/"aww": pitch glide through two formants
    f0 = float(item.get("pitch", 180))
    t = _t(L)
    f = f0 * (1.2 - 0.4 * t / L)
    ph = 2 * np.pi * np.cumsum(f) / RATE
    s = sum(np.sin(k * ph) * np.exp(-((k * f0 - 700) / 400) ** 2) for k in range(1, 12))
    return s * np.sin(np.pi * t / L)


def k_fx(item):
    L = float(item.get("length", 0.6))
    preset = item.get("preset", "pop")
    if preset not in FX:
        raise ValueError("unknown fx preset '%s' (known: %s)" % (preset, ", ".join(sorted(FX))))
    return FX[preset](item, L)


def k_mix(item):
    """Several sound recipes laid over each other: layers=[{at: seconds, kind..., ...}]."""
    parts = []
    for k, layer in enumerate(item["layers"]):
        sub = dict(layer)
        sub.setdefault("file", "%s#%d" % (item["file"], k))
        parts.append((float(layer.get("at", 0)), SOUND_KINDS[sub["kind"]](sub)))
    return mixdown(parts)


SOUND_KINDS = {"click": k_click, "tick": k_tick, "chime": k_chime, "jingle": k_jingle, "loop": k_loop,
               "fx": k_fx, "mix": k_mix}


def write_wav(samples, path, peak=0.7, loudness=0.2):
    """Normalises to the peak, but no louder than the given RMS level, so
    buzzy square and saw clips don't drown the bells."""
    m = float(np.max(np.abs(samples))) if len(samples) else 0.0
    if m > 0:
        rms = float(np.sqrt(np.mean(samples ** 2))) or m
        samples = samples * min(peak / m, loudness / rms)
    data = np.clip(np.round(samples * 32767), -32768, 32767).astype("<i2").tobytes()
    os.makedirs(os.path.dirname(path), exist_ok=True)
    tmp = path + ".tmp"
    with wave.open(tmp, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(data)
    os.replace(tmp, path)


END_FADE = 0.015   # seconds: every clip that doesn't loop ends in silence, never mid-swing


def fade_out(s, seconds=END_FADE):
    """The clip with its last `seconds` faded to silence (a raised cosine)."""
    n = min(len(s), int(RATE * seconds))
    if n > 1:
        s = s.copy()
        s[-n:] *= 0.5 + 0.5 * np.cos(np.pi * np.arange(1, n + 1) / n)
    return s


def render_sound(item, folder):
    fn = SOUND_KINDS[item["kind"]]
    s = fn(item)
    if item.get("repeat"):
        s = np.tile(s, int(item["repeat"]))
    if item["kind"] != "loop" and item.get("preset") != "hum":
        s = fade_out(s)
    peak = float(item.get("volume", 0.35 if item["kind"] == "loop" else 0.7))
    write_wav(s, os.path.join(folder, item["file"]), peak)


def single(item):
    return [item["file"]]


KINDS = {k: (single, render_sound) for k in SOUND_KINDS}

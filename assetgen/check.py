#!/usr/bin/python3
"""Checks the generator: builds the whole set twice into temporary folders and
looks at the result.

    /usr/bin/python3 assetgen/check.py

- both builds are byte for byte the same (no timestamps, fixed seeds);
- a second run over an unchanged tree does nothing and touches no file;
- every file the recipes name exists; pictures open and have the size their
  recipe asks for; colour-keyed pictures have the key colour top-left; a
  button's state pictures differ from each other;
- every sound is a 22050 Hz, 16-bit, mono WAV with sound in it; a clip that
  doesn't loop ends in silence (no click when it stops); the loops meet
  themselves at the seam without a click and at the same level;
- the LED font has a 7-row glyph for every printable character.
Exits 1 on the first kind of failure, with the offending files listed."""
import hashlib
import os
import subprocess
import sys
import tempfile
import wave

import numpy as np
from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import generate  # noqa: E402


def run(out, *extra):
    r = subprocess.run([sys.executable, os.path.join(HERE, "generate.py"), "--out", out, "--quiet", *extra],
                       capture_output=True, text=True)
    if r.returncode != 0:
        raise SystemExit("generate.py failed:\n" + r.stdout + r.stderr)


def tree_digest(root):
    files = {}
    for base, _, names in os.walk(root):
        for n in names:
            if n.endswith(".json"):
                continue
            p = os.path.join(base, n)
            with open(p, "rb") as f:
                files[os.path.relpath(p, root)] = hashlib.sha256(f.read()).hexdigest()
    return files


def loop_seam_ok(samples):
    """The jump from the last sample to the first is no bigger than the
    biggest step between neighbours inside the clip (a saw wave's own jump
    is fine; a pad that stops mid-swing is not)."""
    s = samples.astype(np.float64)
    steps = np.abs(np.diff(s))
    seam = abs(s[0] - s[-1])
    return seam <= max(np.max(steps) * 1.05, 64)


def ends_quiet(samples):
    """The last 2 ms of a clip stay under 5% of its peak: it fades out rather
    than stopping mid-swing (which clicks)."""
    s = np.abs(samples.astype(np.float64))
    return np.max(s[-int(0.002 * 22050):]) <= 0.05 * max(np.max(s), 1)


def loop_level_ok(samples):
    """The 20 ms before the seam and the 20 ms after it are within 1.25 times
    each other's level (RMS), and so are the last and the first millisecond:
    played round, the loop neither swells nor dips nor ticks at its seam."""
    s = samples.astype(np.float64)
    floor = 0.002 * max(np.max(np.abs(s)), 1)
    for w in (int(0.02 * 22050), int(0.001 * 22050)):
        before, after = (np.sqrt(np.mean(x ** 2)) + floor for x in (s[-w:], s[:w]))
        if max(before, after) > 1.25 * min(before, after):
            return False
    return True


def planned():
    """(recipes, jobs) of the recipes folder, as generate.py plans them."""
    recipes = [generate.Recipe(p) for p in generate.find_recipes()]
    return recipes, generate.plan(recipes, generate.kinds())


def compare_builds(a, b):
    """Problems that tell two builds of the same recipes apart."""
    da, db = tree_digest(a), tree_digest(b)
    diff = sorted(k for k in set(da) | set(db) if da.get(k) != db.get(k))
    return ["builds differ: " + ", ".join(diff[:20])] if diff else []


def check_rerun(root):
    """A second run over an unchanged tree must do nothing and touch no file."""
    failures = []
    files = tree_digest(root)
    before = {k: os.stat(os.path.join(root, k)).st_mtime_ns for k in files}
    r = subprocess.run([sys.executable, os.path.join(HERE, "generate.py"), "--out", root],
                       capture_output=True, text=True)
    if "up to date" not in r.stdout:
        failures.append("second run did work: " + r.stdout.strip())
    after = {k: os.stat(os.path.join(root, k)).st_mtime_ns for k in files}
    if before != after:
        failures.append("second run touched files")
    return failures


def check_tree(root, jobs):
    """Problems in a generated tree: missing files, wrong sizes, missing
    colour keys, bad WAVs, loops that click, a malformed LED font, button
    states that look alike."""
    failures = []
    for (recipe, i, item, folder, outs) in jobs:
        for o in outs:
            p = os.path.join(root, o)
            where = "%s item %d: %s" % (recipe.name, i, o)
            if not os.path.exists(p):
                failures.append("missing " + where)
                continue
            if ".png" in o:
                im = Image.open(p)
                im.load()
                if "size" in item and item["kind"] not in ("digits",) and tuple(im.size) != tuple(item["size"]):
                    failures.append("%s is %s, recipe says %s" % (where, im.size, item["size"]))
                if item.get("key") and im.convert("RGB").getpixel((0, 0)) != (255, 0, 255):
                    failures.append("%s: colour-keyed but the top-left pixel is not the key" % where)
            elif o.endswith(".wav"):
                with wave.open(p) as w:
                    if (w.getframerate(), w.getsampwidth(), w.getnchannels()) != (22050, 2, 1):
                        failures.append("%s: not 22050 Hz 16-bit mono" % where)
                        continue
                    data = np.frombuffer(w.readframes(w.getnframes()), dtype="<i2")
                if len(data) == 0 or np.max(np.abs(data.astype(np.int32))) < 500:
                    failures.append("%s: silent" % where)
                elif item["kind"] == "loop" or item.get("preset") == "hum":
                    if not loop_seam_ok(data):
                        failures.append("%s: clicks at the loop seam" % where)
                    if not loop_level_ok(data):
                        failures.append("%s: changes level across the loop seam" % where)
                elif not ends_quiet(data):
                    failures.append("%s: stops at full level (clicks): fade it out" % where)
            elif o.endswith(".def"):
                failures += check_ledfont(p)
        if item["kind"] == "button" and len(outs) > 1:
            failures += check_button_states(root, recipe.name, i, outs)
    return failures


def main():
    recipes, jobs = planned()
    with tempfile.TemporaryDirectory() as a, tempfile.TemporaryDirectory() as b:
        run(a)
        run(b, "--jobs", "1")
        failures = compare_builds(a, b) + check_rerun(a) + check_tree(a, jobs)
    if failures:
        print("assetgen check: %d problem(s)" % len(failures))
        for f in failures:
            print("  " + f)
        return 1
    print("assetgen check: %d recipes, %d files, all good" % (len(recipes), sum(len(j[4]) for j in jobs)))
    return 0


def check_button_states(root, recipe, i, outs):
    """A button's state pictures must look different from each other."""
    bad = []
    pics = [np.asarray(Image.open(os.path.join(root, o)).convert("RGB")).astype(np.int16) for o in outs]
    for x in range(len(pics)):
        for y in range(x + 1, len(pics)):
            if pics[x].shape == pics[y].shape and np.abs(pics[x] - pics[y]).mean() < 3.0:
                bad.append("%s item %d: %s and %s look the same" % (recipe, i, outs[x], outs[y]))
    return bad


def check_ledfont(path):
    """Problems in the LED signs' font file (format in README.md)."""
    bad = []
    height = None
    glyphs = {}
    code = None
    rows = []
    with open(path) as f:
        for line in f:
            line = line.rstrip("\n")
            if code is not None and len(rows) < (height or 0) and line and not set(line) - set("#."):
                rows.append(line)   # a glyph row, even when it starts with '#'
                continue
            if not line or line.startswith("#"):
                continue
            if line.startswith("height "):
                height = int(line.split()[1])
            elif line.startswith("spacing "):
                pass
            elif line.startswith("char "):
                code = int(line.split()[1])
                rows = []
                glyphs[code] = rows
            else:   # a glyph row too many, or a line the game would not understand
                bad.append("ledfont.def: stray line %r after glyph %s" % (line, code))
    if height != 7:
        bad.append("ledfont.def: height is %s" % height)
    for c in range(32, 127):
        g = glyphs.get(c)
        if not g or len(g) != height or len({len(r) for r in g}) != 1 or set("".join(g)) - set("#."):
            bad.append("ledfont.def: glyph %d malformed" % c)
    return bad


if __name__ == "__main__":
    sys.exit(main())

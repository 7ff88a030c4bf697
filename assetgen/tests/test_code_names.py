"""Every picture, sound and font file the game's C++ sources name is made by
a recipe. A short visit of each screen (the C++ asset tests) cannot reach
every bonus sound or picture; this reads the file names off the sources.

- "../gfx/...", "../fonts/..." paths are exact;
- a bare "name.wav" is played from ../sounds/;
- a bare "name.png" (or "name.png.3") is opened from a screen's own folder:
  some folder under gfx/ must have it; "name.png." is the stem of numbered
  frames; after a '+' the literal ends a name built at run time
  ("ballanim.png." or someone's "anim.png."): some picture's name holds it.
Fragments that only end a name ("_mo.png", ".png.0") and names with
placeholders ("<rank>_<suit>.png") are left to the C++ tests."""
import os
import re
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ASSETGEN = os.path.dirname(HERE)
SRC = os.path.join(os.path.dirname(ASSETGEN), "src")
sys.path.insert(0, ASSETGEN)

import check  # noqa: E402

NAME = re.compile(r"^[\w./-]+\.(png|wav|ttf|def)(\.\d*)?$")


def string_literals(text):
    """(literal, follows a '+') for the string literals of a C++ file,
    comments left out."""
    out, i, n = [], 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            i = text.find("\n", i)
            i = n if i < 0 else i
        elif text.startswith("/*", i):
            i = text.find("*/", i + 2)
            i = n if i < 0 else i + 2
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            if c == '"':
                joined = text[:i].rstrip().endswith("+")   # the end of a name built at run time
                out.append((text[i + 1:j], joined))
            i = j + 1
        else:
            i += 1
    return out


def named_files():
    """{(file name literal, follows a '+'): [source files naming it]}"""
    names = {}
    for base, _, files in os.walk(SRC):
        for f in files:
            if f.endswith((".cpp", ".h")):
                path = os.path.join(base, f)
                with open(path, encoding="utf-8") as fh:
                    for lit, joined in string_literals(fh.read()):
                        if NAME.match(lit) and not lit.startswith((".png", "_")) and "<" not in lit:
                            names.setdefault((lit, joined), []).append(os.path.relpath(path, SRC))
    return names


def unmade(names, made):
    basenames = {o.rsplit("/", 1)[-1] for o in made if o.startswith("gfx/")}
    missing = []
    for (lit, joined), where in sorted(names.items()):
        if joined:
            ok = any(lit in b for b in basenames)
        elif lit.startswith("../"):
            path = lit[3:]
            ok = path in made if not path.endswith(".") else any(o.startswith(path) for o in made)
        elif lit.endswith(".wav"):
            ok = "sounds/" + lit in made
        elif lit.endswith("."):
            ok = any(b.startswith(lit) for b in basenames)
        else:
            ok = lit in basenames
        if not ok:
            missing.append("%s (named in %s)" % (lit, ", ".join(sorted(set(where)))))
    return missing


class CodeNames(unittest.TestCase):
    def test_reader_skips_comments_and_keeps_escapes(self):
        self.assertEqual([(r'a \"b\".wav', False), ("c.png", True)],
                         string_literals('x("a \\"b\\".wav"); // "no.wav"\n/* "no.png" */ y(\'"\', s + "c.png");'))

    def test_every_file_the_sources_name_is_made(self):
        names = named_files()
        self.assertGreater(len(names), 100, "the sources name almost no files: has the naming changed?")
        _, jobs = check.planned()
        made = {o for j in jobs for o in j[4]}
        self.assertEqual([], unmade(names, made))


# A clip played with a literal loop flag: `play("name.wav", true)`,
# `playSound("name.wav", false)` ...
PLAYED = re.compile(r'\b(?:play|playSound)\(\s*"([\w-]+\.wav)"\s*,\s*(true|false)\s*\)')


def played_clips():
    """{clip: set of loop flags it is played with} from the sources."""
    clips = {}
    for base, _, files in os.walk(SRC):
        for f in files:
            if f.endswith((".cpp", ".h")):
                with open(os.path.join(base, f), encoding="utf-8") as fh:
                    for name, flag in PLAYED.findall(fh.read()):
                        clips.setdefault(name, set()).add(flag == "true")
    return clips


def loop_mismatches(clips, jobs):
    """Clips the game loops that are not made to loop (they jump at the seam),
    and clips it plays once only that are made as loops (they stop on a
    click)."""
    looping = {}
    for _, _, item, folder, outs in jobs:
        for o in outs:
            if o.startswith("sounds/"):
                looping[o[len("sounds/"):]] = item["kind"] == "loop" or item.get("preset") == "hum"
    wrong = []
    for clip, flags in sorted(clips.items()):
        if clip not in looping:
            continue
        if True in flags and not looping[clip]:
            wrong.append("%s is looped by the game but not made as a loop" % clip)
        if flags == {False} and looping[clip]:
            wrong.append("%s is played once by the game but made as a loop" % clip)
    return wrong


class LoopedClips(unittest.TestCase):
    def test_reader_finds_the_loop_flag(self):
        text = 'a = p->play("x.wav", true);\nplaySound( "y-1.wav" ,false );\nq("z.wav");\ncashOut("w.wav", true);'
        self.assertEqual([("x.wav", "true"), ("y-1.wav", "false")], PLAYED.findall(text))

    def test_a_clip_is_made_as_the_game_plays_it(self):
        clips = played_clips()
        self.assertGreater(len(clips), 10, "the sources play almost no clips with a loop flag: has the call changed?")
        _, jobs = check.planned()
        self.assertEqual([], loop_mismatches(clips, jobs))
        # the rule itself: a loop played once and a one-shot looped are both found
        fake = [(None, 0, dict(kind="loop"), "sounds", ["sounds/a.wav"]),
                (None, 1, dict(kind="fx", preset="splash"), "sounds", ["sounds/b.wav"])]
        self.assertEqual(2, len(loop_mismatches({"a.wav": {False}, "b.wav": {True}}, fake)))


if __name__ == "__main__":
    unittest.main()

"""The generator itself: the whole recipe set builds the same bytes twice and
passes check.py's checks; a recipe mistake stops it with the recipe named; the
LED font checker rejects what the game would misread."""
import os
import subprocess
import sys
import tempfile
import textwrap
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ASSETGEN = os.path.dirname(HERE)
sys.path.insert(0, ASSETGEN)
sys.path.insert(0, HERE)

import art_measures  # noqa: E402
import check  # noqa: E402
import numpy as np  # noqa: E402
from agen.fonts import ledfont_text  # noqa: E402

GENERATE = os.path.join(ASSETGEN, "generate.py")


def generate(out, *extra, timeout=300):
    return subprocess.run([sys.executable, GENERATE, "--out", out, "--quiet", *extra],
                          capture_output=True, text=True, timeout=timeout)


class WholeSet(unittest.TestCase):
    """Two fresh builds with different worker counts (so one picture's
    randomness cannot leak into another's through a shared process)."""

    @classmethod
    def setUpClass(cls):
        cls.dirs = [tempfile.TemporaryDirectory(prefix="assetgen-") for _ in range(2)]
        cls.a, cls.b = (d.name for d in cls.dirs)
        half = max(2, (os.cpu_count() or 2) // 2)
        runs = [subprocess.Popen([sys.executable, GENERATE, "--out", out, "--quiet", "--jobs", str(jobs)],
                                 stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
                for out, jobs in ((cls.a, half), (cls.b, half - 1))]
        cls.outputs = [r.communicate(timeout=600)[0] for r in runs]
        cls.codes = [r.returncode for r in runs]

    @classmethod
    def tearDownClass(cls):
        for d in cls.dirs:
            d.cleanup()

    def setUp(self):
        self.assertEqual([0, 0], self.codes, "generate.py failed:\n" + "\n".join(self.outputs))

    def test_builds_are_byte_identical(self):
        self.assertEqual([], check.compare_builds(self.a, self.b))

    def test_second_run_does_nothing(self):
        self.assertEqual([], check.check_rerun(self.b))

    def test_every_file_is_made_as_its_recipe_says(self):
        _, jobs = check.planned()
        self.assertEqual([], check.check_tree(self.a, jobs))

    def test_turned_wheels_are_smooth(self):
        # every frame as the game shows it, keyed onto its bonus screen: the rim's edge blends into the disc
        # the wheel turns on, and the slice borders and numbers are smoothed, not flat colours turned
        wheels = [("wheelofcash", "wheel", 40, (219, 177)), ("patriotspinforcash", "patspin", 24, (217, 81)),
                  ("doubledicespinforcash", "dicespin", 24, (217, 81))]
        for folder, name, frames, at in wheels:
            base = os.path.join(self.a, "gfx", "bonus", folder)
            for i in range(frames):
                with self.subTest(wheel=name, frame=i):
                    screen, figure = art_measures.keyed_on(os.path.join(base, "%s.png.%d" % (name, i)),
                                                           os.path.join(base, "bonus.png"), at)
                    self.assertGreater(art_measures.edge_blend(screen, figure), 0.3)
                    self.assertGreater(art_measures.ring_colours(screen, figure), 12)

    def test_gamble_wheels_show_the_colour_under_the_pointer_on_the_hub(self):
        # the colour each stop frame pays out, from the wheels' tables: the patriot wheel's and the dice wheel's
        from PIL import Image
        red, black = (196, 24, 32), (0, 0, 0)
        patriot = [black] + [red] * 2 + [black] * 2 + [red] * 2 + [black] * 3 + [red] * 2 + [black] * 3 + \
            [red] * 2 + [black] * 2 + [red] * 3 + [black] * 2
        dice = [black] + [red] * 2 + [black] * 3 + [red] * 2 + [black] * 3 + [red] * 2 + [black] * 3 + \
            [red] * 2 + [black] * 3 + [red] + [black] * 2
        for folder, name, colours in (("patriotspinforcash", "patspin", patriot),
                                      ("doubledicespinforcash", "dicespin", dice)):
            for i, want in enumerate(colours):
                with self.subTest(wheel=name, frame=i), \
                        Image.open(os.path.join(self.a, "gfx", "bonus", folder, "%s.png.%d" % (name, i))) as p:
                    frame = p.convert("RGB")
                    # above and below the word on the hub (the hub reaches 47 px out from the middle, 183, 183)
                    for y in (183 - 36, 183 + 36):
                        self.assertLess(max(abs(a - b) for a, b in zip(frame.getpixel((183, y)), want)), 30)

    def test_derby_win_mark_lets_the_winning_symbols_show(self):
        # the mark over each play's row: over each of the three symbol windows, most of what is under it
        # shows through, and little of it is covered outright
        from PIL import Image
        with Image.open(os.path.join(self.a, "gfx", "demoderby", "win.png")) as p:
            self.assertEqual("RGBA", p.mode)
            alpha = np.asarray(p)[..., 3]
        marks = [(175, 370), (175, 285), (175, 194), (175, 110), (175, 21)]
        for mark, top in zip(marks, [366, 279, 191, 103, 15]):
            for left in (172, 255, 339):
                with self.subTest(mark=mark, window=left):
                    shows, covered = art_measures.see_through(alpha, mark, (left, top, 75, 83))
                    self.assertGreater(shows, 0.55)
                    self.assertLess(covered, 0.2)

    def test_derby_change_tab_reads_change_and_cash_out_as_bright(self):
        from PIL import Image
        from agen.common import colour, find_font_file
        faces = [find_font_file(f) for f in ("narrow", "condensed-bold", "sans-bold", "serif-bold")]
        words = ["CHANGE", "BANK", "CASH OUT", "CASHIER", "EXIT", "LOBBY"]
        folder = os.path.join(self.a, "gfx", "demoderby")
        with Image.open(os.path.join(folder, "back.png")) as back, \
                Image.open(os.path.join(folder, "change_mo.png")) as lit:
            change, cashout = back.convert("RGB").crop((173, 471, 205, 486)), back.convert("RGB").crop((205, 471, 254, 486))
            cream, burgundy = colour("cream"), colour("burgundy")
            for what, pic, ink, ground in (("resting", change, cream, burgundy),
                                           ("lit", lit.convert("RGB"), colour("lightgold"), colour("red"))):
                with self.subTest(what):
                    word, score = art_measures.reads_as(pic, (3, 2, 29, 13), ink, ground, words, faces)
                    self.assertEqual("CHANGE", word)
                    self.assertGreater(score, 0.45)
            self.assertEqual("CASH OUT", art_measures.reads_as(cashout, (3, 2, 46, 13), cream, burgundy, words, faces)[0])
            # the share of the letters' pixels in the full cream: a thin face beside a bold one reads fainter
            self.assertGreater(art_measures.solid_share(cashout, cream, burgundy, (3, 2, 46, 13)),
                               0.75 * art_measures.solid_share(change, cream, burgundy, (3, 2, 29, 13)))


class RecipeMistakes(unittest.TestCase):
    """A broken recipe stops the generator with a non-zero exit that names the
    recipe and what it got wrong (and never hangs the worker pool)."""

    CASES = {
        "a font copied from a file no package installs": (
            {"bad.py": 'FOLDER = "fonts"\nITEMS = [dict(kind="font", file="x.ttf", source="no-such-face.ttf")]'},
            ["bad.py", "no-such-face.ttf"]),
        "a picture drawn in a face that isn't there": (
            {"bad.py": 'FOLDER = "gfx/t"\nITEMS = [dict(kind="text", file="t.png", text="HI", font="noface")]',
             **{"ok%d.py" % i: 'FOLDER = "gfx/t"\nITEMS = [dict(kind="click", dir="sounds", file="c%d.wav")]' % i
                for i in range(4)}},
            ["bad.py item 0", "noface"]),
        "an import of a helper that doesn't exist": (
            {"bad.py": 'from _nowhere import cabinet\nFOLDER = "gfx/t"\nITEMS = []'},
            ["bad.py", "_nowhere"]),
        "two recipes making the same file": (
            {"one.py": 'FOLDER = "sounds"\nITEMS = [dict(kind="click", file="c.wav")]',
             "two.py": 'FOLDER = "sounds"\nITEMS = [dict(kind="tick", file="c.wav")]'},
            ["sounds/c.wav", "one.py", "two.py"]),
        "a folder outside the game's tree": (
            {"bad.py": 'FOLDER = "pictures"\nITEMS = [dict(kind="click", file="c.wav")]'},
            ["bad.py", "pictures"]),
    }

    def test_each_mistake_is_reported(self):
        for what, (files, words) in self.CASES.items():
            with self.subTest(what), tempfile.TemporaryDirectory() as recipes, \
                    tempfile.TemporaryDirectory() as out:
                for name, text in files.items():
                    with open(os.path.join(recipes, name), "w") as f:
                        f.write(textwrap.dedent(text) + "\n")
                r = generate(out, "--recipes", recipes, "--jobs", "2", timeout=60)
                self.assertNotEqual(0, r.returncode, r.stdout)
                for w in words:
                    self.assertIn(w, r.stderr + r.stdout)


# A backdrop with a box that differs from the sky round it, and a sprite the
# game draws on it without a colour key.
def build_on_backdrop(backdrop, sprite, extra=None):
    """Builds a recipe of `backdrop` (its items, left open) and `sprite` (and
    any `extra` recipe files): the run, and the pixels of the sprite s.png
    and of back.png (None when the build failed)."""
    with tempfile.TemporaryDirectory() as recipes, tempfile.TemporaryDirectory() as out:
        with open(os.path.join(recipes, "scene.py"), "w") as f:
            f.write(backdrop + "    " + sprite + "]\n")
        for name, text in (extra or {}).items():
            with open(os.path.join(recipes, name), "w") as f:
                f.write(text)
        r = generate(out, "--recipes", recipes, "--jobs", "2", timeout=60)
        pixels = None
        if r.returncode == 0:
            from PIL import Image
            with Image.open(os.path.join(out, "gfx/t/s.png")) as p, Image.open(os.path.join(out, "gfx/t/back.png")) as b:
                pixels = (p.convert("RGB").load(), b.convert("RGB").load())
        return r, pixels


BACKDROP = ('FOLDER = "gfx/t"\nITEMS = [dict(kind="background", file="back.png", size=[200, 100], style="plain", '
            'colors=["sky", "sky"], elements=[dict(box=[100, 0, 100, 100], fill="navy"), '
            'dict(box=[0, 28, 100, 72], fill="green")]),\n')


class Backdrops(unittest.TestCase):
    """A sprite drawn without a colour key is cut from its backdrop at its
    place; one whose border would cut into the backdrop fails the build."""

    def build(self, sprite, extra=None):
        return build_on_backdrop(BACKDROP, sprite, extra)

    def test_a_sprite_is_cut_from_the_backdrop_at_its_place(self):
        r, pixels = self.build('dict(kind="symbol", file="s.png", size=[40, 30], glyph="star", color="gold", '
                               'bg="red", on=["gfx/t/back.png", [80, 10]])')
        self.assertEqual(0, r.returncode, r.stderr)
        sprite, back = pixels
        # its left half lies on the sky, its right half on the box, as the backdrop there
        for x, y in ((0, 0), (0, 29), (19, 0), (20, 0), (39, 29), (39, 15)):
            self.assertEqual(back[80 + x, 10 + y], sprite[x, y], (x, y))
        self.assertNotEqual(sprite[0, 0], sprite[39, 0])
        self.assertNotIn((196, 24, 32), [sprite[x, y] for x in range(40) for y in range(30)])   # no trace of its own bg
        self.assertNotEqual(back[100, 25], sprite[20, 15])   # the star itself in the middle, not the red bg

    def test_a_sprite_cropped_at_the_screen_edge_fits_every_place(self):
        # partly off the left edge at one place, whole at the other, on the same green
        r, pixels = self.build('dict(kind="symbol", file="s.png", size=[40, 30], glyph="star", color="gold", crop=True, '
                               'on=["gfx/t/back.png", [-20, 50], [30, 60]], keep=[[0, 28, 100, 4]])')
        self.assertEqual(0, r.returncode, r.stderr)
        sprite, back = pixels
        self.assertEqual(back[30, 60], sprite[0, 0])   # the part off the screen at one place carries the other's green

    def test_a_sprite_that_would_cut_into_its_backdrop_fails(self):
        cases = {
            "its own box up to its border": ('dict(kind="background", file="s.png", size=[40, 30], '
                                             'elements=[dict(box=[0, 0, 40, 30], fill="gold")], '
                                             'on=["gfx/t/back.png", [20, 10]])', ["scene.py item 1", "border"]),
            "a second place where the backdrop differs": (
                'dict(kind="symbol", file="s.png", size=[40, 30], glyph="star", on=["gfx/t/back.png", [10, 10], '
                '[80, 10]])', ["scene.py item 1", "(80, 10)"]),
            "a place off the backdrop": ('dict(kind="symbol", file="s.png", size=[40, 30], glyph="star", '
                                         'on=["gfx/t/back.png", [180, 10]])', ["scene.py item 1", "leaves"]),
            "a rectangle it must leave showing": (
                'dict(kind="symbol", file="s.png", size=[40, 30], glyph="star", on=["gfx/t/back.png", [10, 50]], '
                'keep=[[25, 60, 10, 10]])', ["scene.py item 1", "must leave showing"]),
            "a place half off the screen it may not leave": (
                'dict(kind="symbol", file="s.png", size=[40, 30], glyph="star", on=["gfx/t/back.png", [-20, 50]])',
                ["scene.py item 1", "leaves"]),
            "a backdrop another recipe makes": ('dict(kind="symbol", file="s.png", size=[40, 30], glyph="star", '
                                                'on=["gfx/u/other.png", [0, 0]])', ["scene.py item 1", "same recipe"]),
        }
        other = {"other.py": 'FOLDER = "gfx/u"\nITEMS = [dict(kind="background", file="other.png", size=[50, 50])]\n'}
        for what, (sprite, words) in cases.items():
            with self.subTest(what):
                r, _ = self.build(sprite, other)
                self.assertNotEqual(0, r.returncode, r.stdout)
                for w in words:
                    self.assertIn(w, r.stderr + r.stdout)


# A sky with two named drawings on it: a red ball and a gold sun.
NAMED = ('FOLDER = "gfx/t"\nITEMS = [dict(kind="background", file="back.png", size=[200, 100], style="plain", '
         'colors=["sky", "sky"], elements=[dict(circle=[40, 60, 14], fill="red", name="ball"), '
         'dict(circle=[120, 60, 14], fill="gold", name="sun")]),\n')


class TakenDrawings(unittest.TestCase):
    """A picture can take a named drawing off its backdrop (it is cut from
    the backdrop as it is without it) and must then cover all of it; one
    that names drawings to keep must leave them as they are."""

    def build(self, sprite):
        return build_on_backdrop(NAMED, sprite)

    # the ball thrown up out of its place, in a picture from x 10 to the given width
    def thrown(self, width, keep="", ball=(30, 20)):
        return ('dict(kind="background", file="s.png", size=[%d, 100], style="plain", colors=["navy", "navy"], '
                'elements=[dict(circle=[%d, %d, 14], fill="red")], on=["gfx/t/back.png", [10, 0]], takes=["ball"]%s)'
                % (width, ball[0], ball[1], keep))

    def test_a_drawing_taken_off_shows_what_lies_under_it(self):
        r, pixels = self.build(self.thrown(60, ', keep_drawn=["sun"]'))
        self.assertEqual(0, r.returncode, r.stderr)
        sprite, back = pixels
        sky, red = back[5, 5], back[40, 60]
        self.assertNotEqual(sky, red)
        self.assertEqual(sky, sprite[30, 60])    # where the ball was: the sky
        self.assertEqual(red, sprite[30, 20])    # the ball, up where it was thrown
        self.assertEqual(back[69, 99], sprite[59, 99])

    def test_a_drawing_left_in_part_or_one_covered_fails(self):
        cases = {
            "the ball taken but half of it outside the picture": (self.thrown(30), ["scene.py item 1", "'ball'",
                                                                                    "does not cover all"]),
            "the sun it must keep, covered by the thrown ball": (
                self.thrown(140, ', keep_drawn=["sun"]', ball=(110, 50)), ["scene.py item 1", "'sun'", "must leave"]),
            "a drawing the backdrop doesn't have": (self.thrown(60, ', keep_drawn=["moon"]'),
                                                    ["scene.py item 1", "'moon'"]),
        }
        for what, (sprite, words) in cases.items():
            with self.subTest(what):
                r, _ = self.build(sprite)
                self.assertNotEqual(0, r.returncode, r.stdout)
                for w in words:
                    self.assertIn(w, r.stderr + r.stdout)


def build_recipes(files, helpers=()):
    """Builds a recipes folder of `files` (name: text) plus copies of the
    named helpers of the real one; returns the generator's result."""
    with tempfile.TemporaryDirectory() as recipes, tempfile.TemporaryDirectory() as out:
        for name, text in files.items():
            os.makedirs(os.path.dirname(os.path.join(recipes, name)), exist_ok=True)
            with open(os.path.join(recipes, name), "w") as f:
                f.write(textwrap.dedent(text) + "\n")
        for h in helpers:
            with open(os.path.join(ASSETGEN, "recipes", h)) as src, open(os.path.join(recipes, h), "w") as f:
                f.write(src.read())
        return generate(out, "--recipes", recipes, "--jobs", "2", timeout=120)


class PlaceCheck(unittest.TestCase):
    """A picture drawn at fixed points (`fits`) must lie inside the room its
    screen leaves it at each of them; one that is too big, or a point that
    puts it out of the room, fails the build with the file and the place."""

    def build(self, fits, size="[30, 14]"):
        return build_recipes({"tabs.py": """
            FOLDER = "gfx/t"
            ITEMS = [dict(kind="button", name="tab", states=["mo"], size=%s, label="", fits=%s)]
            """ % (size, fits)})

    def test_pictures_that_fit_pass_and_others_fail(self):
        room = "room=[173, 471, 32, 16]"
        self.assertEqual(0, self.build("dict(at=[[173, 471]], %s)" % room).returncode)
        self.assertEqual(0, self.build("[dict(at=[[173, 471]], %s), dict(at=[[0, 0]], room=[0, 0, 30, 14])]"
                                       % room).returncode)
        cases = {
            "too wide": ("dict(at=[[173, 471]], %s)" % room, "[33, 14]", ["tabs.py item 0", "tab_mo.png (33 x 14)",
                                                                         "(173, 471)"]),
            "too tall at one of its places": ("dict(at=[[173, 471], [174, 474]], %s)" % room, "[30, 14]",
                                              ["(174, 474)", "leaves its room"]),
            "a point left of its room": ("dict(at=[[172, 471]], %s)" % room, "[30, 14]", ["(172, 471)"]),
            "no room given": ("dict(at=[[173, 471]])", "[30, 14]", ["tabs.py item 0", "'fits'"]),
        }
        for what, (fits, size, words) in cases.items():
            with self.subTest(what):
                r = self.build(fits, size)
                self.assertNotEqual(0, r.returncode, r.stdout)
                for w in words:
                    self.assertIn(w, r.stderr + r.stdout)
                if what == "too tall at one of its places":
                    self.assertNotIn("(173, 471)", r.stderr + r.stdout)


class GlassCheck(unittest.TestCase):
    """A pay glass that leaves out the picture of a symbol on the reels that
    pays, scatters or starts a bonus stops the build; one that shows it on a
    rule line, or a symbol the machine names as paying nothing, passes."""

    MACHINE = """
        FOLDER = "gfx/toy"
        GLASS = dict(pays=[["cherry", [0, 2, 5, 10, 20]], ["bell", [0, 0, 10, 20, 50]]], lines=%s)
        QUIET = %s
        ITEMS = [dict(kind="reelpictures", reel=False, size=[60, 90],
                      pictures=["cherry_bell_star", "bell_star_blank", "cherry_blank_cloud"],
                      looks=dict(cloud=dict(glyph="token", label="C")))]
        """
    GLASS = 'from _pay_glass import glass\nFOLDER = "gfx"\nITEMS = [glass("toy", "Toy", "blue")]'

    def run_with(self, lines, quiet):
        return build_recipes({"machines/toy.py": self.MACHINE % (lines, quiet), "glass.py": self.GLASS},
                             helpers=["_pay_glass.py"])

    def test_missing_picture_fails_and_a_pictured_line_passes(self):
        r = self.run_with('["STARS PAY ANYWHERE"]', '["cloud"]')
        self.assertNotEqual(0, r.returncode)
        self.assertIn("glass.py", r.stderr + r.stdout)
        self.assertIn("toy glass shows no picture of star", r.stderr + r.stdout)
        r = self.run_with('[["STARS PAY ANYWHERE", "star"]]', '[]')
        self.assertNotEqual(0, r.returncode)
        self.assertIn("no picture of cloud", r.stderr + r.stdout)
        r = self.run_with('[["STARS PAY ANYWHERE", "starr"]]', '["cloud"]')
        self.assertIn("lines show starr, not symbols of the machine", r.stderr + r.stdout)
        r = self.run_with('[["STARS PAY ANYWHERE", "star"]]', '["cloud"]')
        self.assertEqual(0, r.returncode, r.stderr + r.stdout)


class ReelCellCheck(unittest.TestCase):
    """Reel pictures whose symbol is drawn much smaller in its cell than its
    siblings stop the build, naming the symbol; drawn to size they pass."""

    RECIPE = """
        FOLDER = "gfx/toy"
        ITEMS = [dict(kind="reelpictures", reel=False, size=[130, 180],
                      pictures=["bar_cherry_gem", "bell_bar_cherry", "gem_bell_bar"],
                      looks=dict(gem=dict(glyph="emoji", emoji="lion"%s)))]
        """

    def test_a_small_symbol_fails(self):
        r = build_recipes({"toy.py": self.RECIPE % ", scale=0.4"})
        self.assertNotEqual(0, r.returncode)
        self.assertIn("toy.py item 0", r.stderr)
        self.assertIn("gem fill less than half", r.stderr)
        r = build_recipes({"toy.py": self.RECIPE % ""})
        self.assertEqual(0, r.returncode, r.stderr)


class WindowCheck(unittest.TestCase):
    """A picture that leaves the screen at its place, or a window too small
    for the text the game writes in it, stops the build naming the recipe;
    drawn to fit they pass."""

    RECIPE = """
        FOLDER = "gfx/toy"
        ITEMS = [dict(kind="font", dir="fonts", file="meter.ttf", source="DejaVuSans-Bold.ttf"),
                 dict(kind="background", file="back.png", size=[300, 100], style="plain", colors=["red", "red"],
                      elements=[dict(box=%s, fill="black")], screen=[[%d, 500]],
                      holds=[dict(font="meter.ttf", size=20, texts=["$12345"], at=[%d, 550], margin=3,
                                  plain=True)])]
        """

    def test_a_window_too_small_or_a_picture_off_the_screen_fails(self):
        r = build_recipes({"toy.py": self.RECIPE % ([20, 10, 260, 80], 400, 550)})
        self.assertEqual(0, r.returncode, r.stderr)
        r = build_recipes({"toy.py": self.RECIPE % ([80, 30, 140, 40], 400, 550)})
        self.assertNotEqual(0, r.returncode)
        self.assertIn("toy.py item 1", r.stderr)
        self.assertIn("does not lie on one plain window", r.stderr)
        r = build_recipes({"toy.py": self.RECIPE % ([20, 10, 260, 80], 520, 670)})
        self.assertNotEqual(0, r.returncode)
        self.assertIn("leaves the 800 x 600 screen", r.stderr)

    def test_the_window_holds_the_text_where_the_game_writes_it(self):
        # "$12345" at 20 points (DejaVu Sans Bold) measures 44 px high with
        # its ascent 32: centred on y 550 its baseline is at 572 and its box
        # runs from 540 to 584, 537 to 587 with the margin. A window from
        # y 520 to 579 would hold a box centred on the anchor (525 to 575),
        # not this one; a window from 530 to 589 holds it.
        r = build_recipes({"toy.py": self.RECIPE % ([20, 20, 260, 60], 400, 550)})
        self.assertNotEqual(0, r.returncode)
        self.assertIn("does not lie on one plain window", r.stderr)
        r = build_recipes({"toy.py": self.RECIPE % ([20, 30, 260, 60], 400, 550)})
        self.assertEqual(0, r.returncode, r.stderr)


class ClearCheck(unittest.TestCase):
    """A picture that covers, at one of its places on the screen, a rectangle
    it must leave showing (`clear`) fails the build naming the place."""

    RECIPE = """
        FOLDER = "gfx/toy"
        ITEMS = [dict(kind="background", file="slip.png", size=%s, style="plain", colors=["cream", "cream"],
                      screen=[[665, 351], [100, 100]], clear=[[673, 438, 88, 20]])]
        """

    def test_a_picture_clear_of_its_neighbour_passes_and_one_over_it_fails(self):
        r = build_recipes({"toy.py": self.RECIPE % [100, 87]})
        self.assertEqual(0, r.returncode, r.stderr)
        r = build_recipes({"toy.py": self.RECIPE % [100, 88]})
        self.assertNotEqual(0, r.returncode)
        self.assertIn("toy.py item 0", r.stderr)
        self.assertIn("slip.png (100 x 88) at (665, 351) covers [673, 438, 88, 20]", r.stderr)
        self.assertNotIn("(100, 100)", r.stderr)
        r = build_recipes({"toy.py": self.RECIPE.replace("screen=[[665, 351], [100, 100]], ", "") % [100, 87]})
        self.assertNotEqual(0, r.returncode)
        self.assertIn("'clear' needs the picture's places", r.stderr)


class PlaceChecks(unittest.TestCase):
    """The game's texts on a backdrop must sit on clear ground that they
    stand out from, laid out as the game's renderer lays them out; a blended
    figure must stay on its backdrop and stand out from it at every place."""

    FONT = 'FOLDER = "fonts"\nITEMS = [dict(kind="font", file="t.ttf", source="DejaVuSans-Bold.ttf")]'
    # a navy backdrop with a gold-framed window 120 x 60 at (40, 20), centre (100, 50)
    SCENE = """
        FOLDER = "gfx/t"
        ITEMS = [dict(kind="background", file="back.png", size=[200, 100], style="plain", colors=["navy", "navy"],
                      elements=[dict(box=[40, 20, 120, 60], outline="gold", width=2)], writes=[%s]),
                 dict(kind="symbol", file="s.png", size=[20, 20], glyph="star", color="%s", pad=0, alpha=True,
                      over=["gfx/t/back.png", [5, 5], %s])]
        """

    def run_with(self, write, star="gold", place="[170, 70]"):
        return build_recipes({"fonts.py": self.FONT, "scene.py": self.SCENE % (write, star, place)})

    def test_texts_and_figures_that_fit_pass_and_others_fail(self):
        fits = 'dict(font="t.ttf", size=20, at=[100, 50], align=4, color="white", texts=["8", "88", "888"])'
        r = self.run_with(fits)
        self.assertEqual(0, r.returncode, r.stderr)
        cases = {
            # 20 points are 27 px: seven eights (19 px each) are wider than the window
            "a text over the window's frame": (fits.replace('"888"', '"8888888"'),
                                               {}, ["scene.py item 0", "'8888888'", "not on clear ground"]),
            # centred on the baseline, the letters stand above the anchor and reach the frame
            "an anchor read as the wrong alignment": (fits.replace("align=4", "align=5").replace("50]", "34]"),
                                                      {}, ["'8'", "not on clear ground"]),
            "a text off the picture": (fits.replace("[100, 50]", "[190, 50]"), {}, ["runs off the picture"]),
            "a text that does not stand out": (fits.replace('"white"', '"blue"'), {}, ["stands out", "less than"]),
            "a figure the colour of its ground": (fits, dict(star="navy"), ["scene.py item 1", "s.png at (5, 5)",
                                                                          "hardly stands out"]),
            "a figure off its backdrop": (fits, dict(place="[190, 90]"), ["s.png at (190, 90)", "leaves"]),
        }
        for what, (write, kw, words) in cases.items():
            with self.subTest(what):
                r = self.run_with(write, **kw)
                self.assertNotEqual(0, r.returncode, r.stdout)
                for w in words:
                    self.assertIn(w, r.stderr)

    def test_a_centred_text_stands_half_its_height_below_the_anchor(self):
        # the layout table's example: centred on (466, 524), a text 60 x 20
        # is written from x 436 on the baseline y 534, whatever the ascent
        from agen.places import text_origin
        for ascent in (20, 15, 12):
            self.assertEqual((436, 534), text_origin(4, 466, 524, 60, ascent, 20))
        self.assertEqual((436, 534), text_origin(4, 466, 524, 61, 16, 21))
        self.assertEqual((436, 524), text_origin(5, 466, 524, 60, 15, 20))

    def test_layout_matches_the_game_renderer(self):
        # measured from the game's TrueType renderer: the dice bonus font
        # (DejaVu Serif Bold) at 60 points sets "12x" 161 px wide, ascent 92,
        # height 124; the cashier's (DejaVu Sans Bold) at 25 points "20" 46 px, ascent 40, height 54
        from agen.fonts import font_sources
        from agen.places import text_layout
        serif = font_sources(dict(kind="font", file="x.ttf", source="DejaVuSerif-Bold.ttf"))[0]
        sans = font_sources(dict(kind="font", file="x.ttf", source="DejaVuSans-Bold.ttf"))[0]
        w, ascent, height, ink = text_layout(serif, 60, "12x")
        self.assertLessEqual(abs(w - 161), 1)
        self.assertEqual((92, 124), (ascent, height))
        self.assertLess(ink[1], -55)   # digits stand about 58 px above the baseline
        w, ascent, height, _ = text_layout(sans, 25, "20")
        self.assertLessEqual(abs(w - 46), 1)
        self.assertEqual((40, 54), (ascent, height))


def stops_the_build(test, cases):
    """Each case ({what: (arguments of test.run_with, words)}) stops the
    build, and what the build says names every one of its words."""
    for what, (kw, words) in cases.items():
        with test.subTest(what):
            r = test.run_with(**kw)
            test.assertNotEqual(0, r.returncode, r.stdout)
            for w in words:
                test.assertIn(w, r.stderr)

class PopupCheck(unittest.TestCase):
    """A popup (`popups`) covers a text of the picture under it wholly or
    leaves it whole: a heading, a sign's letters or a text the game writes
    that the popup's edge would cut in two stops the build, naming the text
    and the popup; wholly under the popup or clear of it, they pass."""

    FONT = 'FOLDER = "fonts"\nITEMS = [dict(kind="font", file="t.ttf", source="DejaVuSans-Bold.ttf")]'
    # the popup covers (100, 80) to (300, 230) of the screen
    SCENE = """
        FOLDER = "gfx/t"
        POPUP = [dict(rect=[100, 80, 200, 150], name="%s")]
        ITEMS = [dict(kind="background", file="back.png", size=[400, 300], style="plain", colors=["navy", "navy"],
                      elements=[dict(text="HEADING", at=%s, size=20, color="white")],
                      writes=[dict(font="t.ttf", size=12, at=%s, texts=["(nobody yet)"], color="white")],
                      popups=POPUP),
                 dict(kind="anim", name="sign", frames=2, effect="frames", screen=[[50, 60]], popups=POPUP,
                      frame_items=[dict(kind="background", size=[300, 40], style="plain", colors=["red", "red"],
                                        elements=[dict(text="MARQUEE", at=[150, %d], size=18, color="white")])])]
        """

    def run_with(self, heading="[200, 68]", written="[20, 40]", sign_y=8, name="form"):
        return build_recipes({"fonts.py": self.FONT, "scene.py": self.SCENE % (name, heading, written, sign_y)})

    def test_a_text_the_popup_cuts_fails_one_it_covers_or_clears_passes(self):
        r = self.run_with()
        self.assertEqual(0, r.returncode, r.stderr)
        r = self.run_with(heading="[200, 150]", written="[120, 200]")   # both wholly under the popup
        self.assertEqual(0, r.returncode, r.stderr)
        cases = {
            "a heading across the popup's top edge": (dict(heading="[200, 80]"),
                                                      ["scene.py item 0", "'HEADING'", "cut by the form"]),
            "a heading across its left edge": (dict(heading="[100, 150]"), ["'HEADING'", "[100, 80, 200, 150]"]),
            "a text the game writes across its right edge": (dict(written="[250, 150]"),
                                                             ["'(nobody yet)'", "cut by the form"]),
            "a sign's letters across it at the sign's place": (dict(sign_y=22, name="menu"),
                                                               ["scene.py item 1", "sign.png.0", "'MARQUEE'",
                                                                "cut by the menu"]),
        }
        stops_the_build(self, cases)


class PopupOverBackdropsCheck(unittest.TestCase):
    """A popup picture that says where the game opens it and over which
    backdrops (`opens`) covers a rectangle of its own size there: a label of
    such a backdrop, or of a button the game lays on it (`laid`), that the
    popup's edge cuts stops the build; a popup drawn large enough to cover
    the button whole passes."""

    SCENE = """
        FOLDER = "gfx/t"
        ITEMS = [dict(kind="background", file="back.png", size=[500, 300], style="plain", colors=["navy", "navy"],
                      elements=[dict(text="CREDITS", at=%s, size=14, color="white")],
                      laid=[["gfx/t/join_std.png", %d, 150]]),
                 dict(kind="button", name="join", states=["std"], size=[160, 40], label="REGISTER",
                      color="burgundy", shape="rect"),
                 dict(kind="panel", file="prompt.png", size=[%d, 150],
                      opens=dict(at=[100, 80], over=%s, name="prompt"))]
        """

    def run_with(self, label="[200, 60]", button_x=320, width=200, over='["gfx/t/back.png"]'):
        return build_recipes({"scene.py": self.SCENE % (label, button_x, width, over)})

    def test_labels_cut_by_the_popup_edge_fail_covered_or_clear_pass(self):
        # the prompt covers (100, 80) to (300, 230): the button at x 320 is clear of it
        r = self.run_with()
        self.assertEqual(0, r.returncode, r.stderr)
        # drawn 300 wide, the prompt covers the button at x 220 whole
        r = self.run_with(button_x=220, width=300)
        self.assertEqual(0, r.returncode, r.stderr)
        cases = {
            "a button's label across the popup's right edge": (
                dict(button_x=220), ["scene.py item 0", "gfx/t/back.png", "'REGISTER'", "cut by the prompt",
                                     "[100, 80, 200, 150]"]),
            "a label of the backdrop across its left edge": (dict(label="[100, 130]"), ["'CREDITS'", "prompt"]),
            "a backdrop that no recipe makes": (dict(over='["gfx/t/none.png"]'), ["gfx/t/none.png",
                                                                                  "no recipe makes"]),
        }
        stops_the_build(self, cases)


class LookalikeCheck(unittest.TestCase):
    """Reel symbols that could not be told apart on the pay glass stop the
    build, naming both; the same symbols drawn apart pass."""

    RECIPE = """
        FOLDER = "gfx/toy"
        ITEMS = [dict(kind="reelpictures", reel=False, size=[130, 180],
                      pictures=["bar_n1_n2", "n2_bar_n1", "n1_n2_bar"],
                      looks=dict(n1=dict(glyph="microchip", label="1001"), n2=dict(glyph="microchip", label="1110"%s)))]
        """

    def test_lookalikes_fail(self):
        r = build_recipes({"toy.py": self.RECIPE % ""})
        self.assertNotEqual(0, r.returncode)
        self.assertIn("toy.py item 0", r.stderr)
        self.assertIn("n1 and n2", r.stderr)
        r = build_recipes({"toy.py": self.RECIPE % ', color="gold", text="navy"'})
        self.assertEqual(0, r.returncode, r.stderr)


class SoundChecks(unittest.TestCase):
    """check.py catches a clip that stops at full level and a loop whose
    level jumps at the seam, and passes the generator's own clips of both
    kinds (an engine rev, a yodel with vibrato, a ticking counter)."""

    def test_clicks_and_seam_jumps_are_caught(self):
        import numpy as np
        from agen.sounds import fade_out, k_fx, k_loop
        t = np.arange(22050) / 22050
        tone = np.sin(2 * np.pi * 441 * t) * 20000
        self.assertFalse(check.ends_quiet(tone.astype("<i2")))           # cut off mid-swing
        self.assertTrue(check.ends_quiet(fade_out(tone).astype("<i2")))
        rev = k_fx(dict(file="e.wav", preset="engine", length=1.0))
        self.assertTrue(check.ends_quiet((rev / np.max(np.abs(rev)) * 20000).astype("<i2")))
        swell = tone * (1 + t)                                           # half as loud at the end as at the start
        self.assertFalse(check.loop_level_ok(swell.astype("<i2")))
        self.assertTrue(check.loop_level_ok(tone.astype("<i2")))
        for loop in (dict(file="y.wav", length=2.0, notes=["G4", "D5"], vibrato=6),
                     dict(file="m.wav", length=3.0, chords=[["C3", "G3"], ["F3", "C4"]], murmur=1.0, swell=3),
                     dict(file="c.wav", length=1.0, notes=["C4"], ticks=12, pitch=1800)):
            with self.subTest(loop["file"]):
                s = k_loop(loop)
                s = (s / np.max(np.abs(s)) * 20000).astype("<i2")
                self.assertTrue(check.loop_level_ok(s))
                self.assertTrue(check.loop_seam_ok(s))


class LedFontChecker(unittest.TestCase):
    """The checker reads the file as the signs do: rows that start with '#'
    are rows, and a glyph with a row too many or too few is caught."""

    def check(self, text):
        with tempfile.NamedTemporaryFile("w", suffix=".def") as f:
            f.write(text)
            f.flush()
            return check.check_ledfont(f.name)

    def test_generated_font_passes_and_broken_ones_fail(self):
        good = ledfont_text()
        self.assertIn("\n#", good.split("char 65\n")[1][:40])   # 'A' has rows starting with '#'
        self.assertEqual([], self.check(good))
        a = "char 65\n.###.\n#...#\n#...#\n#...#\n#####\n#...#\n#...#\n"
        broken = {
            "row too many": good.replace(a, a + ".....\n"),
            "row too few": good.replace(a, a.replace("#####\n", "")),
            "ragged rows": good.replace(a, a.replace(".###.", ".###")),
            "glyph missing": good.replace(a, ""),
            "wrong height": good.replace("height 7", "height 8"),
        }
        for what, text in broken.items():
            with self.subTest(what):
                self.assertNotEqual(good, text)
                self.assertNotEqual([], self.check(text))


if __name__ == "__main__":
    unittest.main()

"""Numbers a picture shares with the game are read off the game's C++
headers: a recipe takes them by name, a picture follows a change of its
header (and is remade on the next run), a name the header does not give
stops the build, and the popups' places in the recipes are the ones the
game's headers declare."""
import os
import re
import subprocess
import sys
import tempfile
import textwrap
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ASSETGEN = os.path.dirname(HERE)
SRC = os.path.join(os.path.dirname(ASSETGEN), "src")
sys.path.insert(0, ASSETGEN)

import generate  # noqa: E402
from agen.header import int_constants  # noqa: E402

GENERATE = os.path.join(ASSETGEN, "generate.py")


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write(textwrap.dedent(text))


class HeaderReading(unittest.TestCase):
    def test_only_declared_integer_constants_are_read(self):
        values, others = int_constants(textwrap.dedent("""
            // constexpr int inLineComment = 1;
            /* constexpr int inBlockComment = 2; */
            constexpr int x = 232, y = -4;  // the popup
            const char* const note = "constexpr int inString = 3;";
            constexpr int sum = x + 1;
            namespace layout { constexpr int inner = 7; }
            constexpr long long wide = 9;
            const int plain = 5;
            """))
        self.assertEqual({"x": 232, "y": -4, "inner": 7}, values)
        self.assertEqual({"sum": "x + 1"}, others)


class RecipeReadsAHeader(unittest.TestCase):
    """A recipe in a folder of its own reading a header of a sources folder
    of its own."""

    RECIPE = """
        from src.t.places import boxW, boxH
        FOLDER = "gfx/t"
        ITEMS = [dict(kind="background", file="box.png", size=[boxW, boxH], style="plain", colors=["navy", "navy"])]
        """

    def setUp(self):
        self.dirs = [tempfile.TemporaryDirectory(prefix="assetgen-") for _ in range(3)]
        self.recipes, self.sources, self.out = (d.name for d in self.dirs)

    def tearDown(self):
        for d in self.dirs:
            d.cleanup()

    def run_with(self, header, recipe=RECIPE):
        write(os.path.join(self.recipes, "box.py"), recipe)
        write(os.path.join(self.sources, "t", "places.h"), header)
        return subprocess.run([sys.executable, GENERATE, "--out", self.out, "--quiet", "--jobs", "1",
                               "--recipes", self.recipes, "--sources", self.sources],
                              capture_output=True, text=True, timeout=120)

    def built_size(self):
        from PIL import Image
        with Image.open(os.path.join(self.out, "gfx", "t", "box.png")) as p:
            return p.size

    def test_the_picture_follows_its_header_and_is_remade_when_it_changes(self):
        r = self.run_with("#pragma once\n// constexpr int boxW = 99;\nconstexpr int boxW = 40, boxH = 30;\n")
        self.assertEqual(0, r.returncode, r.stderr)
        self.assertEqual((40, 30), self.built_size())
        # only the header changes: the next run remakes the picture
        r = self.run_with("#pragma once\nconstexpr int boxW = 52, boxH = 30;\n")
        self.assertEqual(0, r.returncode, r.stderr)
        self.assertEqual((52, 30), self.built_size())

    def test_a_number_the_header_does_not_give_stops_the_build(self):
        cases = {
            "a constant the header lacks": (dict(header="constexpr int boxW = 40;\n"),
                                            ["box.py", "places.h", "boxH"]),
            "a constant set to a sum": (dict(header="constexpr int boxW = 40, boxH = boxW - 10;\n"),
                                        ["box.py", "boxH", "boxW - 10"]),
            "a header that is not there": (dict(header="", recipe=self.RECIPE.replace("src.t.places",
                                                                                      "src.t.nowhere")),
                                           ["box.py", "nowhere.h"]),
            "a header taken whole": (dict(header="constexpr int boxW = 40, boxH = 30;\n",
                                          recipe="import src.t.places\n" + textwrap.dedent(self.RECIPE)),
                                     ["box.py", "from src.t.places import"]),
        }
        for what, (kw, words) in cases.items():
            with self.subTest(what):
                r = self.run_with(**kw)
                self.assertNotEqual(0, r.returncode, r.stdout)
                for w in words:
                    self.assertIn(w, r.stderr)


# The game's headers that give the popups' places, and a new value for each
# of their numbers.
MOVED = {
    os.path.join("machine", "money_input.h"): dict(moneyPopupX=200, moneyPopupY=210, moneyFieldX=250,
                                                   moneyFieldY=330),
    os.path.join("floor", "registration_form.h"): dict(formX=370, formY=110, formWidth=400, formHeight=340),
    os.path.join("floor", "machine_menu.h"): dict(panelX=90, panelY=30, panelW=610, panelH=530),
    os.path.join("floor", "lobby.h"): dict(lobbyHelpX=140, lobbyHelpY=100),
}


def moved_sources(root):
    """A sources folder at `root` holding the game's popup headers with the
    MOVED numbers in place of theirs."""
    for header, numbers in MOVED.items():
        with open(os.path.join(SRC, header)) as f:
            text = f.read()
        for name, value in numbers.items():
            text, n = re.subn(r"\b%s = -?\d+" % name, "%s = %d" % (name, value), text)
            assert n == 1, "%s in %s" % (name, header)
        write(os.path.join(root, header), text)


class PopupPlacesComeFromTheGame(unittest.TestCase):
    """The money prompt opens where money_input.h says, its field's box
    round the baseline the header gives; the new-player form is as large as
    registration_form.h says and opens there; the machine menu's panel and
    the lobby's help pages cover the floor where machine_menu.h and lobby.h
    put them. Moved in the header, each moves in the recipes too."""

    def places(self, sources):
        """What the recipes say of each popup, read with the headers of `sources`."""
        saved = generate.SOURCES
        generate.SOURCES = sources
        try:
            recipes = {n: generate.Recipe(os.path.join(generate.RECIPES, n))
                       for n in ("money.py", "cashier.py", "lobby.py", "menu.py")}
        finally:
            generate.SOURCES = saved

        def item(recipe, file):
            return [i for i in recipes[recipe].items if i.get("file") == file][0]

        prompt = item("money.py", "popup.png")
        field = [e for e in prompt["elements"] if e.get("fill") == "white"][0]["box"]
        form = item("cashier.py", "form.png")
        floor = {p["name"]: p["rect"] for p in item("lobby.py", "back.png")["popups"]}
        help_page = item("lobby.py", "lobby_1.png")
        return dict(prompt=list(prompt["opens"]["at"]) + list(prompt["size"]),
                    field_on_screen=[prompt["opens"]["at"][0] + field[0], prompt["opens"]["at"][1] + field[1]],
                    form=list(form["opens"]["at"]) + list(form["size"]),
                    menu=list(floor["machine menu"]), menu_picture=list(item("menu.py", "panel.png")["size"]),
                    help=list(floor["help page"]), help_picture=list(help_page["screen"][0]) + list(help_page["size"]))

    def test_the_game_places_and_the_recipes_agree(self):
        self.assertEqual(dict(prompt=[232, 222, 388, 178], field_on_screen=[268 - 8, 333 - 18],
                              form=[380, 120, 390, 334],
                              menu=[100, 40, 600, 520], menu_picture=[600, 520],
                              help=[150, 120, 490, 360], help_picture=[150, 120, 490, 360]),
                         self.places(SRC))

    def test_a_place_moved_in_the_header_moves_in_the_recipes(self):
        with tempfile.TemporaryDirectory() as sources:
            moved_sources(sources)
            self.assertEqual(dict(prompt=[200, 210, 388, 178], field_on_screen=[250 - 8, 330 - 18],
                                  form=[370, 110, 400, 340],
                                  menu=[90, 30, 610, 530], menu_picture=[610, 530],
                                  help=[140, 100, 490, 360], help_picture=[140, 100, 490, 360]),
                             self.places(sources))


if __name__ == "__main__":
    unittest.main()

"""Every help page says how to go on. The game shows a screen's help pages
one after another (the lobby's, each machine family's) and turns a page on a
mouse-button press or a key press; the last one goes back to the screen. A
player who stops at any page must read there what to do: a click or a key,
on to the next page, or to play."""
import os
import re
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ASSETGEN = os.path.dirname(HERE)
SRC = os.path.join(os.path.dirname(ASSETGEN), "src")
sys.path.insert(0, ASSETGEN)

import check  # noqa: E402

PAGE = re.compile(r"^gfx/help/([a-z]+)_(\d+)\.png$")
PAGE_NAME = re.compile(r'"([a-z]+_\d+\.png)"')


def help_pages():
    """{set name: [(page number, page item), ...] in page order} of the pages the recipes make."""
    _, jobs = check.planned()
    sets = {}
    for _, _, item, _, outs in jobs:
        for o in outs:
            m = PAGE.match(o)
            if m:
                sets.setdefault(m.group(1), []).append((int(m.group(2)), item))
    return {k: sorted(v, key=lambda p: p[0]) for k, v in sets.items()}


def page_text(item):
    """What a page says, its lines run together (a line is a text or [text, colour])."""
    lines = [line[0] if isinstance(line, (list, tuple)) else line for line in item.get("lines", [])]
    return " ".join(str(line) for line in lines if line).lower()


class HelpPages(unittest.TestCase):

    def test_the_game_turns_every_page_on_a_click_or_a_key(self):
        # the words on the pages promise this: every source that shows help pages turns them so
        shown_by = []
        for base, _, files in os.walk(SRC):
            for f in files:
                if not f.endswith(".cpp"):
                    continue
                with open(os.path.join(base, f), encoding="utf-8") as fh:
                    text = fh.read()
                if "gfx/help/" in text and PAGE_NAME.search(text):
                    shown_by.append(f)
                    self.assertIn("SDL_MOUSEBUTTONDOWN", text, f)
                    self.assertIn("SDL_KEYDOWN", text, f)
        self.assertGreaterEqual(len(shown_by), 3, "the lobby, the reel machines and the poker machines show pages")

    def test_every_page_says_how_to_go_on(self):
        sets = help_pages()
        self.assertTrue({"lobby", "slot", "nickel", "poker"} <= set(sets), sorted(sets))
        for name, pages in sets.items():
            self.assertEqual(list(range(1, len(pages) + 1)), [n for n, _ in pages], name)
            for n, item in pages:
                with self.subTest(page="%s_%d" % (name, n)):
                    said = page_text(item)
                    self.assertRegex(said, r"click.*\bkey\b|\bkey\b.*click", "says neither a click nor a key")
                    last = n == len(pages)
                    # on to the next page; from the last one, to the game: in one
                    # wording on every page of every set
                    self.assertTrue(said.endswith("click or press a key to play." if last
                                                  else "click or press a key to go on."), said)
                    if last:
                        self.assertNotIn("go on", said)


if __name__ == "__main__":
    unittest.main()

#!/usr/bin/python3
"""A look at the whole game as a player sees it.

    /usr/bin/python3 scripts/tour.py [--out DIR] [--workers N] [--only ID,ID]

Runs the real game in a virtual X display (Xvfb) and drives it with xdotool:
registers a first player at the cashier's desk, walks the floor (its help
pages, the machine menu's tabs, the statistics page, the prize room), then
visits every machine on the floor: money in, one play, the top and bottom
glass (Page Up, Page Down), out again; and brings up every bonus game and
gamble (a development seed makes its first play start it) and follows it
from start to prize. Every step is a screenshot in DIR
(default /tmp/corvalo-tour); DIR/contact-sheet.png lays them all out with
their names, and DIR/problems.txt lists the "Couldn't Load" lines the game
printed and machines the tour could not finish.

The game runs on a copy of the runtime tree in a temporary folder (bin/ with
the program, gfx/ fonts/ sounds/ linked, a fresh save/ and config.ini), so a
real player's files are never touched. Machines are shared out among
--workers displays running at the same time, each on its own copy."""
import argparse
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PACKAGES = {"Xvfb": "xvfb", "xdotool": "xdotool", "xwd": "x11-apps"}
CONVERT = "/usr/bin/convert"   # the real one (a stand-in may sit earlier on the PATH)
SCREEN = (800, 600)
REST = (400, 2)                # where the mouse waits: no button lights up there on any screen

# The lobby's cabinets: five rows of ten, three-reel slots first, then the
# video slots, the poker machines and the derby, each group in table order.
SPOT_LEFT, SPOT_TOP, SPOT_STEP_X, SPOT_STEP_Y = 14, 112, 78, 88
CATEGORY_ORDER = ["ThreeReel", "Video", "Poker", "Specialty"]
LOBBY_SHOT = None              # the lobby as the floor walk left it, to tell the floor from a machine


def ensure_tools():
    missing = sorted({pkg for tool, pkg in PACKAGES.items() if not shutil.which(tool)} |
                     ({"imagemagick"} if not os.path.exists(CONVERT) else set()))
    if not missing:
        return
    if os.geteuid() != 0:
        sys.exit("tour: missing %s; install them (as root): apt-get install %s" % (missing, " ".join(missing)))
    print("tour: installing " + " ".join(missing), flush=True)
    subprocess.run(["apt-get", "update", "-qq"], check=True)
    subprocess.run(["apt-get", "install", "-y", "-qq", *missing], check=True,
                   env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"), stdout=subprocess.DEVNULL)


def ensure_game():
    if not (os.path.exists(os.path.join(ROOT, "bin", "corvalo_slots")) and
            os.path.isdir(os.path.join(ROOT, "gfx"))):
        subprocess.run(["bash", os.path.join(ROOT, "scripts", "setup.sh")], check=True)


def sources():
    for base, _, files in os.walk(os.path.join(ROOT, "src")):
        for f in sorted(files):
            if f.endswith((".cpp", ".h")):
                with open(os.path.join(base, f)) as fh:
                    yield fh.read()


def floor_machines():
    """[(id, family, (x, y) of its cabinet in the lobby)] in lobby order,
    read from the sources: the machine table (id, title, category) and the
    class each id builds. The family is the category, or "VideoSlot" for a
    five-reel video slot (it has help pages of its own)."""
    table, classes, videos = [], {}, set()
    for text in sources():
        table += re.findall(r'\{"(\w+)",\s*"[^"]*",\s*C::(\w+)', text)
        classes.update(re.findall(r'\{"(\w+)",\s*build<(\w+)>', text))
        classes.update(re.findall(r'\{"(\w+)",.*?new (\w+)\(d\)', text))
        videos |= set(re.findall(r"class (\w+) : public VideoSlotMachine", text))
    if len(table) < 40:
        sys.exit("tour: found only %d machines in the sources: has the machine table moved?" % len(table))
    machines = []
    for cat in CATEGORY_ORDER:
        for mid, c in table:
            if c == cat:
                i = len(machines)
                spot = (SPOT_LEFT + (i % 10) * SPOT_STEP_X + 36, SPOT_TOP + (i // 10) * SPOT_STEP_Y + 41)
                machines.append((mid, "VideoSlot" if classes.get(mid) in videos else c, spot))
    return machines


def runtime_tree(where, from_tree=None):
    """A runtime tree in `where`: bin/ with the program, the generated
    folders linked, and a fresh save/ and config.ini (or a copy of
    from_tree's)."""
    os.makedirs(os.path.join(where, "bin"))
    shutil.copy2(os.path.join(ROOT, "bin", "corvalo_slots"), os.path.join(where, "bin"))
    for d in ("gfx", "fonts", "sounds"):
        os.symlink(os.path.join(ROOT, d), os.path.join(where, d))
    if from_tree:
        shutil.copytree(os.path.join(from_tree, "save"), os.path.join(where, "save"))
        shutil.copy2(os.path.join(from_tree, "config.ini"), where)
    else:
        os.makedirs(os.path.join(where, "save"))
        with open(os.path.join(where, "config.ini"), "w") as f:
            f.write("[global]\nfirsttimeever=1\n")
    return where


def start_xvfb():
    """An Xvfb of its own, on a display number the server picks (-displayfd:
    it names the number once it takes connections), so no two screens ever
    share one and no socket file left behind can fool the start. Returns
    (the server, its number) once a client can connect to it."""
    trouble = "no display named"
    for _ in range(3):   # a server that loses its number to one starting beside it ends; the next try takes another
        ready, told = os.pipe()
        try:
            xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(told), "-noreset", "-screen", "0", "%dx%dx24" % SCREEN,
                                     "-nolisten", "tcp"], pass_fds=[told],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        finally:
            os.close(told)
        deadline = time.time() + 30
        try:
            line = b""
            while not line.endswith(b"\n") and time.time() < deadline:
                if not select.select([ready], [], [], deadline - time.time())[0]:
                    break
                got = os.read(ready, 16)
                if not got:
                    break
                line += got
        finally:
            os.close(ready)
        if line.strip().isdigit():
            number = int(line)
            env = dict(os.environ, DISPLAY=":%d" % number)
            while time.time() < deadline and xvfb.poll() is None:
                try:
                    if subprocess.run(["xdotool", "getdisplaygeometry"], env=env, stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL, timeout=20).returncode == 0:
                        return xvfb, number
                except subprocess.TimeoutExpired:
                    pass
                time.sleep(0.05)
            trouble = "display :%d does not answer" % number
        xvfb.terminate()
        xvfb.wait()
    raise RuntimeError("tour: no virtual display came up (%s)" % trouble)


class Display:
    """One virtual screen with the game on it."""

    def __init__(self, shots, problems):
        self.xvfb, self.number = start_xvfb()
        self.env = dict(os.environ, DISPLAY=":%d" % self.number, SDL_AUDIODRIVER="dummy")
        self.env.pop("SDL_VIDEODRIVER", None)
        self.shots = shots
        self.problems = problems
        self.game = None
        self.log = None

    def close(self):
        self.stop_game()
        self.xvfb.terminate()
        self.xvfb.wait()

    def xdo(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=20)

    def start_game(self, tree, label, seed=None):
        self.log = open(os.path.join(self.shots, "log-%s.txt" % label), "w")
        env = dict(self.env, CORVALO_SEED=str(seed)) if seed else self.env
        self.game = subprocess.Popen([os.path.join(tree, "bin", "corvalo_slots")], cwd=os.path.join(tree, "bin"),
                                     env=env, stdout=self.log, stderr=subprocess.STDOUT)
        r = subprocess.run(["xdotool", "search", "--sync", "--name", "Corvalo Slots"], env=self.env,
                           capture_output=True, text=True, timeout=30)
        wid = r.stdout.split()[0]
        self.xdo("windowfocus", wid)
        self.rest()

    def stop_game(self):
        """Ends the game the way a stop signal does: it saves and quits."""
        if self.game and self.game.poll() is None:
            self.game.send_signal(signal.SIGTERM)
            try:
                self.game.wait(timeout=15)
            except subprocess.TimeoutExpired:
                self.game.kill()
                self.game.wait()
        self.game = None
        if self.log:
            self.log.close()
            with open(self.log.name) as f:
                for line in f:
                    if "Couldn't Load" in line or "TT error" in line:
                        self.problems.append("%s: %s" % (os.path.basename(self.log.name), line.strip()))
            self.log = None

    def rest(self):
        self.xdo("mousemove", *REST)

    def key(self, *keys, wait=0.4):
        for k in keys:
            self.xdo("key", k)
            time.sleep(0.08)
        time.sleep(wait)

    def type(self, text, wait=0.3):
        self.xdo("type", "--delay", 60, text)
        time.sleep(wait)

    def click(self, x, y, button=1, wait=0.5):
        self.xdo("mousemove", x, y)
        time.sleep(0.1)
        self.xdo("click", button)
        time.sleep(0.05)
        self.rest()
        time.sleep(wait)

    def shot(self, name):
        path = os.path.join(self.shots, name + ".png")
        xwd = subprocess.run(["xwd", "-root", "-silent", "-display", ":%d" % self.number], capture_output=True,
                             timeout=20).stdout
        subprocess.run([CONVERT, "xwd:-", path], input=xwd, timeout=20, check=True)
        return path


def walk_floor(d, tree, machines):
    """Registration, the desk, the floor and its pages; then one machine of
    each family, so that their first-visit help pages are seen (and done
    with, for the machine visits that follow)."""
    d.start_game(tree, "floor")
    time.sleep(7.5)   # the welcome plays out before the desk opens
    d.shot("00-cashier-form")
    d.type("Tour")
    d.key("Return")
    d.type("Guest")
    d.click(380 + 150 + 34, 120 + 170 + 16)   # title: Mr
    d.shot("01-cashier-form-filled")
    d.key("Return", wait=1.0)
    d.click(575, 426)   # additional funds, twice: fifty machines to visit
    d.click(575, 426)
    d.shot("02-cashier")
    d.click(575, 533, wait=1.5)   # to the lobby: two help pages first
    d.shot("03-lobby-help-1")
    d.key("space", wait=0.6)
    d.shot("04-lobby-help-2")
    d.key("space", wait=1.0)
    d.shot("05-lobby")
    d.click(110, 574, wait=1.5)
    d.shot("06-stats")
    d.click(43 + 20, 493 + 10, wait=1.5)
    d.click(310, 574, wait=1.5)
    d.shot("08-prizes")
    d.click(627 + 30, 556 + 14, wait=1.5)
    d.click(400, 300, button=3, wait=1.0)
    d.shot("09-menu-threereel")
    for i, stem in enumerate(["video", "poker", "specialty"], start=1):
        d.click(100 + 10 + i * 146 + 70, 40 + 86 + 15, wait=0.6)
        d.shot("%02d-menu-%s" % (9 + i, stem))
    d.click(10, 10, wait=0.8)   # off the panel: closes the menu
    by_category = {}
    for m in machines:
        by_category.setdefault(m[1], m)
    n = 13
    for cat, pages in (("ThreeReel", 6), ("VideoSlot", 6), ("Poker", 3)):
        mid, _, spot = by_category[cat]
        d.click(*spot, wait=1.5)
        d.type("100")
        d.key("Return", wait=1.0)
        for p in range(pages):
            d.shot("%02d-help-%s-%d" % (n, cat.lower(), p + 1))
            n += 1
            d.key("space", wait=0.6)
        d.key("Escape", wait=1.5)
    global LOBBY_SHOT
    LOBBY_SHOT = d.shot("%02d-lobby-again" % n)
    d.stop_game()


def closing_walk(d, tree):
    """The pages that need a played game: a machine's statistics, and the
    prize room with points enough to buy (the points are written into the
    save file first)."""
    d.start_game(tree, "closing")
    time.sleep(1.0)
    d.click(110, 574, wait=1.5)
    d.click(683 + 50, 80 + 9, wait=1.0)     # 10X, top of the right column
    d.shot("30-stats-10x")
    d.click(408 + 20, 493 + 20, wait=1.0)   # next
    d.shot("31-stats-next")
    d.click(43 + 20, 493 + 20, wait=1.5)
    d.stop_game()
    for name in os.listdir(os.path.join(tree, "save")):
        path = os.path.join(tree, "save", name)
        with open(path) as f:
            text = f.read()
        with open(path, "w") as f:
            f.write(re.sub(r"(?m)^vippoints=.*$", "vippoints=250000", text))
    d.start_game(tree, "prizes")
    time.sleep(1.0)
    d.click(310, 574, wait=1.5)
    d.shot("32-prizes-on-offer")
    n = 33
    for y in (9, 248, 348):                 # the key chain, the golf clubs, the piano
        d.click(9 + 80, y + 9, wait=0.8)
        d.shot("%02d-prizes-buy" % n)
        n += 1
        d.click(384 + 20, 86 + 10, wait=1.0)  # yes
    d.shot("%02d-prizes-shelf" % n)
    d.click(534 + 60, 158 + 45, wait=1.0)   # the first prize on the shelf
    d.shot("%02d-prizes-admire" % (n + 1))
    d.stop_game()


def visit(d, tree, machine, index):
    """One machine: money in, one play, both glasses, out."""
    mid, cat, spot = machine
    tag = "m%02d-%s" % (index, mid)
    d.start_game(tree, tag)
    time.sleep(1.0)
    d.click(*spot, wait=1.2)
    if index == 0:
        d.shot(tag + "-0-money")
    d.type("100")
    d.key("Return", wait=1.2)
    d.shot(tag + "-1-open")
    if cat == "Specialty":
        d.click(156 + 15, 477 + 10, wait=1.0)   # bet max: five plays at five coins
        wait_steady(d, tag)
        d.shot(tag + "-2-play")
        d.click(427 + 20, 442 + 10, wait=1.0)   # respin
        wait_steady(d, tag)
        d.shot(tag + "-3-respin")
    elif cat == "Poker":
        d.key("m", wait=0.5)
        wait_steady(d, tag)
        d.shot(tag + "-2-deal")
        d.key("Return", wait=0.5)
        wait_steady(d, tag)
        d.shot(tag + "-3-draw")
        if mid == "doubleupbonus":
            for _ in range(2):   # "no" to a double-up offer, which follows the winner banner (nothing there without one)
                time.sleep(2.0)
                d.click(396 + 30, 435 + 10, wait=0.5)
    else:
        d.key("m", wait=1.0)
        wait_steady(d, tag)
        d.shot(tag + "-2-play")
    if cat == "Poker":
        glass(d, lambda: d.click(380, 585, wait=0.8), tag + "-5-bottom")   # the hand ranks
    else:
        glass(d, lambda: d.key("Prior", wait=0.8), tag + "-4-top")
        glass(d, lambda: d.key("Next", wait=0.8), tag + "-5-bottom")
    for attempt in range(2):   # a long win still counting up takes no keys: wait and try again
        if cat == "Specialty":
            d.click(205 + 12, 471 + 8, wait=1.5)   # cash out
        else:
            d.key("Escape", wait=1.5)
        left = d.shot(tag + "-6-left")
        if on_floor(left) or attempt:
            break
        time.sleep(6.0)
    d.stop_game()
    if on_floor(left):
        os.remove(left)   # the floor again: nothing new to look at
    else:
        d.problems.append("%s: still on the machine after cashing out (kept %s)" % (mid, os.path.basename(left)))


# Every bonus game and gamble, brought up on the first play at the full bet:
# the game's development seed (CORVALO_SEED, which every cabinet starts its
# draws from) that brings it up, and what the player does in it: at each
# number of seconds after the play a screenshot, and a click where one is
# given. The seeds follow the machines' tables: after a change to a table or
# to the draws, find new ones (a seed that no longer brings the bonus up
# shows as a plain play on the sheet).
# the balloons popped (row by row from the top left, eight to a row): on the seed's draw six with cash, the big
# one among them, then a bust
BALLOONS = [(71 + 73 * (k % 8) + 33, 140 + 90 * (k // 8 % 4) + 40) for k in (9, 20, 3, 10, 14, 17, 28)]
BONUSES = [
    # each pop photographed under its cash tab (shown 1 s), the bust and the balloons left, the machine again
    ("balloonblitz", 35, sorted([(5, None)] + [(6 + 2 * i, p) for i, p in enumerate(BALLOONS)] +
                                [(6.7 + 2 * i, None) for i in range(len(BALLOONS) - 1)] +
                                [(20.5, None), (22.5, None), (27, None), (31, None)],
                                key=lambda step: step[0])),
] + [
    # the fishing bonus once for every fish (the click areas' middles): the catch photographed once it is up,
    # then beside the prize picture, under the amount won and back at the machine (the prize was drawn with
    # the play, so the seed's prize each time)
    ("deepsea", 205, [(5, None), (6, at), (8.4, None), (9.4, None), (11.5, None), (14.5, None), (19, None)], fish)
    for fish, at in (("yellow", (161, 152)), ("orange", (263, 168)), ("red", (374, 159)), ("blue", (485, 157)),
                     ("green", (632, 186)))
] + [
    ("magic", 8, [(5, None), (6, (383, 498)), (8, None), (10, None), (13, None), (17, None)]),
    # the climb shows from about 2.5 s (the third reel stops at 2.4 s) for 4.6 s (twelve steps and a rest), later
    # on a busy machine: photographed every second through it
    ("mountainclimber", 2, [(3.5, None), (4.5, None), (5.5, None), (6.5, None), (7.5, None), (9, None), (12, None),
                            (16, None)]),
    ("crazydice", 27, [(4, None), (6, None), (8, None), (11, None), (14, None)]),
    ("holeinone", 13, [(3, None), (5, None), (7, None), (10, None)]),
    ("wheelofcash", 27, [(4, None), (6, None), (9, None), (12, None), (16, None)]),
    # the two wheels with a red/black gamble after the spin, followed to their end (see gamble_visit): the
    # places of their RED, TAKE and BLACK buttons
    ("doubledicespinforcash", 4, dict(red=(491 + 28, 533 + 20), take=(551 + 28, 533 + 20), black=(611 + 28, 533 + 20))),
    ("patriotspinforcash", 48, dict(red=(513 + 28, 533 + 20), take=(572 + 28, 533 + 20), black=(632 + 28, 533 + 20))),
    ("shortcircuit", 6, [(3, None), (5, None), (7, None), (10, None)]),
    # a three-reel win: the third reel lands on its blank at 2.2 s, stands 1 s, spins again and lands at about 4 s
    ("dragonspin", 13, [(1.8, None), (2.5, None), (3.0, None), (3.5, None), (4.0, None), (5, None), (7, None),
                        (10, None)]),
    # the cash wheel turns for 6 to 16 s (the step drawn as it starts), then stands 4 s on its prize
    ("spinforcash", 282, [(4, None), (7, None), (10, None), (13, None), (16, None), (19, None), (22, None),
                          (26, None)]),
    # the double-up: YES once the offer shows, then a pick of the second card (62 x 89 at (259, 320))
    ("doubleupbonus", 5, [(4, None), (7, None), (7.5, (301, 445)), (9, None), (9.5, (290, 365)), (11, None),
                          (14, None)]),
]


def sit_down_and_bet_max(d, tree, machine, seed, tag):
    """Starts the game on the development seed, sits down at the machine,
    puts $100 on it and plays once at the full bet."""
    d.start_game(tree, tag, seed)
    time.sleep(1.0)
    d.click(*machine[2], wait=1.2)
    d.type("100")
    d.key("Return", wait=1.2)
    d.key("m", wait=0.0)


def bonus_visit(d, tree, machine, seed, steps, name=""):
    """A bonus game from start to prize: money in, one play at the full bet,
    then the screenshots and clicks of its steps (`name` tells apart visits
    to the same bonus: the fish picked)."""
    mid, cat, _ = machine
    tag = "b-%s" % mid + ("-" + name if name else "")
    sit_down_and_bet_max(d, tree, machine, seed, tag)
    start = time.time()
    if cat == "Poker":
        time.sleep(2.0)
        d.key("Return", wait=0.0)
    for n, (at, click) in enumerate(steps):
        time.sleep(max(0.0, start + at - time.time()))
        if click:
            d.click(*click, wait=0.0)
        else:
            d.shot("%s-%02d" % (tag, n))
    d.stop_game()


WHEEL_BOX = (217, 81, 583, 447)   # both gamble wheels' frames on the screen
WHEEL_HUB = (400, 228)            # a point of the hub, which takes the colour of the field under the pointer


def wheel_colour(path):
    """The colour the wheel's hub shows in a screenshot: "red", "black" or None."""
    from PIL import Image
    with Image.open(path) as im:
        r, g, b = im.convert("RGB").getpixel(WHEEL_HUB)
    return "red" if r > 150 and g < 80 and b < 80 else "black" if max(r, g, b) < 40 else None


def wheel_stops(d, name, limit=30.0):
    """Waits until the wheel has turned and stands still (its box alike in
    three screenshots 0.5 s apart; the blinking buttons lie outside it), then
    keeps the last screenshot as `name`. False when it did not stop in time."""
    from PIL import Image, ImageChops, ImageStat
    prev, moved, still, start = None, False, 0, time.time()
    path = None
    while time.time() - start < limit:
        path = d.shot(name)
        with Image.open(path) as im:
            box = im.convert("RGB").crop(WHEEL_BOX)
        if prev is not None:
            alike = sum(ImageStat.Stat(ImageChops.difference(prev, box)).mean) / 3 < 0.3
            moved = moved or not alike
            still = still + 1 if alike else 0
            if moved and still >= 2:
                return True
        prev = box
        time.sleep(0.5)
    return False


def gamble_visit(d, tree, machine, seed, buttons):
    """A spin-for-cash wheel and its red/black gamble, to the end: the wheel
    turning and where it stops; then a gamble on red, and after a win one on
    black; after two wins TAKE. A lost gamble ends the screen with nothing.
    Screenshots of every spin turning and landed, of the last picture and of
    the machine after it."""
    mid = machine[0]
    tag = "b-%s" % mid
    sit_down_and_bet_max(d, tree, machine, seed, tag)
    time.sleep(6.0)
    n = 0

    def shot(what):
        nonlocal n
        path = d.shot("%s-%02d-%s" % (tag, n, what))
        n += 1
        return path

    shot("turning")
    name = "%s-%02d-landed" % (tag, n)
    n += 1
    if not wheel_stops(d, name):
        d.problems.append("%s: the wheel did not stop (kept %s)" % (mid, name))
        d.stop_game()
        return
    for k, colour in enumerate(["red", "black"], start=1):
        d.click(*buttons[colour], wait=0.0)
        time.sleep(3.0)
        shot("gamble%d-%s-turning" % (k, colour))
        name = "%s-%02d-gamble%d-%s-landed" % (tag, n, k, colour)
        n += 1
        if not wheel_stops(d, name):
            d.problems.append("%s: the wheel did not stop in gamble %d (kept %s)" % (mid, k, name))
            d.stop_game()
            return
        landed = wheel_colour(os.path.join(d.shots, name + ".png"))
        os.replace(os.path.join(d.shots, name + ".png"), os.path.join(d.shots, "%s-on-%s.png" % (name, landed)))
        if landed != colour:   # lost: the last picture stays 4 s, then the machine again
            time.sleep(1.0)
            shot("lost-last-picture")
            time.sleep(5.0)
            shot("lost-machine")
            d.stop_game()
            return
    d.click(*buttons["take"], wait=0.0)
    time.sleep(1.0)
    shot("take-last-picture")
    time.sleep(5.0)
    shot("take-machine")
    time.sleep(6.0)
    shot("take-machine-paid")
    d.stop_game()


def wait_steady(d, name, limit=20.0):
    """Waits until two screenshots 0.6 s apart are alike: the reels have
    stopped and a win has finished counting up onto the meters (a machine
    takes no keys before that)."""
    from PIL import Image, ImageChops, ImageStat
    a = d.shot("steady-a-" + name)
    b = None
    start = time.time()
    try:
        while time.time() - start < limit:
            time.sleep(0.6)
            b = d.shot("steady-b-" + name)
            with Image.open(a) as x, Image.open(b) as y:
                diff = ImageChops.difference(x.convert("RGB"), y.convert("RGB"))
                if sum(ImageStat.Stat(diff).mean) / 3 < 0.3:
                    return
            os.replace(b, a)
    finally:
        for f in (a, b):
            if f and os.path.exists(f):
                os.remove(f)


def glass(d, show, name):
    """Opens a glass (or a machine's rules page) over the whole screen,
    shoots it and closes it. A machine still counting a win or running a
    bonus takes no keys: when the screen did not change, wait and try once
    more."""
    from PIL import Image, ImageChops, ImageStat
    before = d.shot("before-" + name)
    try:
        for attempt in range(2):
            show()
            path = d.shot(name)
            with Image.open(before) as a, Image.open(path) as b:
                diff = ImageChops.difference(a.convert("RGB"), b.convert("RGB"))
                changed = sum(ImageStat.Stat(diff).mean) / 3 > 20
            if changed:
                d.key("space", wait=0.6)
                return
            if not attempt:
                time.sleep(5.0)
                d.shot("before-" + name)
        d.problems.append("%s: the screen did not change (kept as it was)" % name)
    finally:
        os.remove(before)


def on_floor(path):
    """True when a screenshot shows the lobby: its bottom bar (the doors and
    the caption) is the one in the floor walk's last lobby screenshot."""
    from PIL import Image, ImageChops, ImageStat
    if not LOBBY_SHOT:
        return False
    with Image.open(path) as shot, Image.open(LOBBY_SHOT) as lobby:
        bar = (0, 552, 800, 600)
        diff = ImageChops.difference(shot.convert("RGB").crop(bar), lobby.convert("RGB").crop(bar))
        return sum(ImageStat.Stat(diff).mean) / 3 < 8


def contact_sheet(shots, out, columns=8, tile=(320, 240)):
    """All screenshots, in name order, on one sheet with their names."""
    from PIL import Image, ImageDraw, ImageFont
    names = sorted(f for f in os.listdir(shots) if f.endswith(".png") and f != os.path.basename(out))
    label_h, gap = 18, 6
    cell = (tile[0] + gap, tile[1] + label_h + gap)
    rows = (len(names) + columns - 1) // columns
    sheet = Image.new("RGB", (columns * cell[0] + gap, rows * cell[1] + gap), (32, 32, 32))
    draw = ImageDraw.Draw(sheet)
    try:
        font = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 13)
    except OSError:
        font = ImageFont.load_default()
    for i, n in enumerate(names):
        x, y = gap + (i % columns) * cell[0], gap + (i // columns) * cell[1]
        with Image.open(os.path.join(shots, n)) as im:
            sheet.paste(im.convert("RGB").resize(tile, Image.LANCZOS), (x, y))
        draw.text((x + 2, y + tile[1] + 2), n[:-4], fill=(240, 240, 240), font=font)
    sheet.save(out)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--out", default="/tmp/corvalo-tour")
    ap.add_argument("--workers", type=int, default=4)
    ap.add_argument("--only", default="", help="comma-separated machine ids (default: every machine on the floor)")
    ap.add_argument("--bonuses-only", action="store_true", help="only the bonus games, no machine visits")
    a = ap.parse_args()
    ensure_tools()
    ensure_game()
    t0 = time.time()
    shots = os.path.abspath(a.out)
    shutil.rmtree(shots, ignore_errors=True)
    os.makedirs(shots)
    machines = floor_machines()
    order = {m[0]: i for i, m in enumerate(machines)}
    todo = [m for m in machines if (not a.only or m[0] in a.only.split(",")) and not a.bonuses_only]
    problems = []
    with tempfile.TemporaryDirectory(prefix="corvalo-tour-") as tmp:
        first = runtime_tree(os.path.join(tmp, "floor"))
        d = Display(shots, problems)
        try:
            walk_floor(d, first, machines)
        finally:
            d.close()
        print("tour: floor done in %.0f s" % (time.time() - t0), flush=True)

        queue = list(todo)
        lock = threading.Lock()
        mine = [queue.pop(0)] if queue else []   # the first machine is played on worker 0, whose save the closing walk reads

        def worker(w):
            tree = runtime_tree(os.path.join(tmp, "w%d" % w), from_tree=first)
            disp = Display(shots, problems)
            try:
                while True:
                    with lock:
                        if w == 0 and mine:
                            m = mine.pop()
                        elif not queue:
                            return
                        else:
                            m = queue.pop(0)
                    try:
                        visit(disp, tree, m, order[m[0]])
                    except Exception as e:   # noqa: BLE001 -- one machine's trouble ends only its visit
                        problems.append("%s: the visit stopped: %s" % (m[0], e))
                        disp.stop_game()
            finally:
                disp.close()

        byid = {m[0]: m for m in machines}
        bonuses = [b for b in BONUSES if b[1] and (not a.only or b[0] in a.only.split(","))]

        def bonus_worker(w):
            tree = runtime_tree(os.path.join(tmp, "b%d" % w), from_tree=first)
            disp = Display(shots, problems)
            try:
                while True:
                    with lock:
                        if not bonuses:
                            return
                        mid, seed, steps, *name = bonuses.pop(0)
                    try:
                        if isinstance(steps, dict):
                            gamble_visit(disp, tree, byid[mid], seed, steps)
                        else:
                            bonus_visit(disp, tree, byid[mid], seed, steps, *name)
                    except Exception as e:   # noqa: BLE001 -- one bonus's trouble ends only its visit
                        problems.append("%s bonus: the visit stopped: %s" % (mid, e))
                        disp.stop_game()
            finally:
                disp.close()

        threads = [threading.Thread(target=worker, args=(w,)) for w in range(max(1, a.workers))]
        threads += [threading.Thread(target=bonus_worker, args=(w,)) for w in range(2)]
        for t in threads:
            t.start()
        for t in threads:
            t.join()
        d = Display(shots, problems)
        try:
            closing_walk(d, os.path.join(tmp, "w0"))
        finally:
            d.close()
    print("tour: %d machines visited in %.0f s" % (len(todo), time.time() - t0), flush=True)
    with open(os.path.join(shots, "problems.txt"), "w") as f:
        f.write("".join(p + "\n" for p in problems))
    sheet = os.path.join(shots, "contact-sheet.png")
    contact_sheet(shots, sheet)
    for p in problems:
        print("tour: " + p)
    print("tour: %s (%d screenshots, %d problems)" % (sheet, len(os.listdir(shots)), len(problems)))
    return 0


if __name__ == "__main__":
    sys.exit(main())

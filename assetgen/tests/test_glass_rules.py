"""What the glass says is the rule. Every sentence that a machine's pay glass,
a poker cabinet or a help page states about the game is listed here with the
rule it states, as data, and that rule is checked against the C++ the game
pays with: the machine's tables and calls read off its source, or, for the
poker machines, the hand evaluation itself, compiled into a small probe and
asked about the hands the sentence speaks of.

A sentence that is added, reworded or dropped from a picture without this
list following fails the inventory; a listed rule that the game does not pay
fails its check."""
import functools
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ASSETGEN = os.path.dirname(HERE)
ROOT = os.path.dirname(ASSETGEN)
SRC = os.path.join(ROOT, "src")
sys.path.insert(0, ASSETGEN)

import check  # noqa: E402
import generate  # noqa: E402


# ---- the C++ sources -------------------------------------------------------

@functools.lru_cache(maxsize=None)
def source(rel):
    """A source file of the game with its comments left out."""
    with open(os.path.join(SRC, rel), encoding="utf-8") as f:
        text = f.read()
    text = re.sub(r"/\*.*?\*/", " ", text, flags=re.S)
    return re.sub(r"//[^\n]*", "", text)


def names(text):
    """The string literals of a brace list: '"a", "b"' -> ("a", "b")."""
    return tuple(re.findall(r'"([^"]*)"', text))


def ints(text):
    return [int(v) for v in re.findall(r"-?\d+", text)]


THREE = "machines/threereel/"
VIDEO = "machines/video/"
PATRIOT = "machines/patriot/"


def declared(rel):
    """The symbols a reel machine declares, in order."""
    return re.findall(r'add(?:Arrow)?Symbol\("(\w+)"', source(rel))


def three_reel_wilds(rel):
    """{wild name: (multiplier, symbols it stands in for)} of a three-reel
    machine, from its addWild calls (a wild stands in for every declared
    symbol but those it names)."""
    text, every = source(rel), declared(rel)
    wilds = {}
    for name, mult, but in re.findall(r'\baddWild\(\*this, "(\w+)", (\d+), \{([^}]*)\}\)', text):
        wilds[name] = (int(mult), {s for s in every if s not in names(but)})
    for mult, but in re.findall(r'patriot::addWild\(\*this, (\d+), \{([^}]*)\}\)', text):
        wilds["wild"] = (int(mult), {s for s in every if s not in names(but)})
    for each, mult, but in re.findall(
            r'for \(const char\* \w+ : \{([^}]*)\}\) addWild\(\*this, \w+, (\d+), \{([^}]*)\}\)', text):
        for name in names(each):
            wilds[name] = (int(mult), {s for s in every if s not in names(but)})
    for name in re.findall(r'addInertWild\(\*this, "(\w+)"\)', text):
        wilds[name] = (1, set())
    return wilds


def three_reel_rules(rel):
    """The machine's rules built from literal symbol lists:
    (kind, symbols, award, coins): kind "bet" pays the award for the whole
    bet at exactly that many coins, "car" wins the car there, "jackpot" the
    progressive meter, "coin" pays the award per coin below that many coins
    (coins -1: at every bet)."""
    text, out = source(rel), []
    L = r'symbolList\(\{([^}]*)\}\)'
    for syms, award, coins, whole in re.findall(L + r', (\d+), (-?\d+), (true|false)\)',
                                                "\n".join(re.findall(r'addNoWildRule\([^;]*', text))):
        out.append(("bet" if whole == "true" else "coin", names(syms), int(award), int(coins)))
    for kind, call in (("bet", "addCoinThreeOfAKind"), ("car", "addJackpotMovieRule"),
                       ("jackpot", "addProgressiveRule")):
        for syms, award, coins in re.findall(call + r'\(' + L + r', (\d+), (\d+)\)', text):
            out.append((kind, names(syms), int(award), int(coins)))
    for syms, award, coins in re.findall(r'addThreeOfAKind\(' + L + r', (\d+), (\d+)\)', text):
        if int(coins):
            out.append(("coin", names(syms), int(award), int(coins)))
    return out


def max_coins(rel, mid):
    m = re.search(r'(?:setUpMachine\(|configureMachine\(\*this, )"%s", (\d+)' % mid, source(rel))
    assert m, "%s: no set-up of %s" % (rel, mid)
    return int(m.group(1))


def video_rows(rel):
    """{symbols of a row: pays for 1..5 of a kind} of a five-reel video slot."""
    block = re.search(r'OfAKindRow> payTable = \{(.*?)\n\};', source(rel), re.S).group(1)
    return {names(s): ints(p) for s, p in re.findall(r'\{\{([^}]*)\},\s*\{([^}]*)\}\}', block)}


def video_doubler(rel):
    m = re.search(r'\},\s*(nullptr|"\w+"),\s*&lineSounds', source(rel))
    return None if m.group(1) == "nullptr" else m.group(1).strip('"')


def int_table(rel, name):
    return ints(re.search(r'const int %s\[\d+\] = \{([^}]*)\}' % name, source(rel)).group(1))


def line_rows(rel):
    """(rule, symbols, award, line) of a three-reel multi-line machine's pay table."""
    return [(rule, names(syms), int(award), int(line)) for rule, syms, award, line in
            re.findall(r'\{LineRule::(\w+), \{([^}]*)\}, (\d+), (-?\d+)\}', source(rel))]


# ---- the poker probe: the game's own hand evaluation ------------------------

PROBE = r"""
#include <cstdio>
#include <string>
#include "poker/pay_tables.h"
// argv: machine id, coins, then five cards as rank suit pairs (rank 0: joker).
int main(int argc, char** argv) {
    if (argc != 13) return 2;
    const poker::PayTable* table = poker::payTableFor(argv[1]);
    if (!table) return 3;
    Card cards[5];
    const Card* five[5];
    for (int i = 0; i < 5; ++i) {
        cards[i].rank = std::stoi(argv[3 + 2 * i]);
        cards[i].suit = std::stoi(argv[4 + 2 * i]);
        five[i] = &cards[i];
    }
    const poker::Evaluation e = poker::evaluateHand(*table, five, std::stoi(argv[2]));
    std::printf("%s|%d\n", poker::handName(e.hand), e.payPerCoin);
    return 0;
}
"""

RANKS = {"A": 14, "K": 13, "Q": 12, "J": 11, "X": 0}
SUITS = {"H": 0, "S": 1, "C": 2, "D": 3}


class Probe:
    """Compiles the game's poker evaluation with a main that pays one hand."""
    exe = None
    tmp = None

    @classmethod
    def build(cls):
        if cls.exe:
            return
        cls.tmp = tempfile.mkdtemp(prefix="glass-probe-")
        main = os.path.join(cls.tmp, "probe.cpp")
        with open(main, "w") as f:
            f.write(PROBE)
        cls.exe = os.path.join(cls.tmp, "probe")
        cxx = shutil.which("c++") or shutil.which("g++")
        r = subprocess.run([cxx, "-std=c++17", "-O1", "-I", SRC, main] +
                           [os.path.join(SRC, "poker", f) for f in ("hand_eval.cpp", "pay_tables.cpp", "card.cpp")] +
                           ["-o", cls.exe], capture_output=True, text=True)
        assert r.returncode == 0, r.stderr

    @classmethod
    def pays(cls, mid, hand, coins=1):
        """(hand name, pay per coin) of "AS 2H 3D 4C 5S" ("XH" is a joker) on a machine."""
        args = []
        for card in hand.split():
            r, s = card[:-1], card[-1]
            args += [str(RANKS.get(r) if r in RANKS else int(r)), str(SUITS[s])]
        out = subprocess.run([cls.exe, mid, str(coins)] + args, capture_output=True, text=True, check=True).stdout
        name, pay = out.strip().split("|")
        return name, int(pay)


def tearDownModule():
    if Probe.tmp:
        shutil.rmtree(Probe.tmp, ignore_errors=True)
        Probe.exe = Probe.tmp = None


# ---- the rules, one kind of check each ---------------------------------------

def wild(rel, name, mult, stands_for="every other"):
    """A three-reel wild: its multiplier and what it stands in for ("every
    other": every declared symbol but the machine's wilds)."""
    def check(t):
        wilds = three_reel_wilds(rel)
        t.assertIn(name, wilds, rel)
        got_mult, got_for = wilds[name]
        t.assertEqual(mult, got_mult, "%s: %s multiplies by" % (rel, name))
        want = set(declared(rel)) - set(wilds) if stands_for == "every other" else set(stands_for)
        t.assertEqual(want, got_for, "%s: %s stands in for" % (rel, name))
    return check


def rule(rel, kind, syms, award, coins):
    def check(t):
        t.assertIn((kind, tuple(syms), award, coins), three_reel_rules(rel), rel)
    return check


def full_bet(rel, mid, coins):
    """The sentence's coins are the machine's full bet."""
    return lambda t: t.assertEqual(coins, max_coins(rel, mid), rel)


def has(rel, *patterns):
    """The code does what the sentence says: each pattern is the statement
    that does it."""
    def check(t):
        text = re.sub(r"\s+", " ", source(rel))
        for p in patterns:
            t.assertTrue(re.search(p, text), "%s does not: %s" % (rel, p))
    return check


def spin_wheel(rel, mid):
    """A SPIN on reel 3 at the full bet (3 coins) starts the cash wheel."""
    return both(full_bet(rel, mid, 3),
                has(rel, r'(placeOnReel\("spin", 2\)|result\.chosen\[2\] = s;).{0,40}if \(coins == maxCoins\) (\{ )?'
                         r'(win = 0; )?bonusPending = true;'))


def wheel_in_place(rel):
    """At the full bet the wheel's prize takes the place of the line's pay."""
    return has(rel, r'if \(coins == maxCoins\) \{ win = 0; bonusPending = true;')


def wheel_on_top(rel):
    """The wheel's prize is added to the line's pay: the spin keeps the win."""
    def check(t):
        text = re.sub(r"\s+", " ", source(rel))
        t.assertRegex(text, r'placeOnReel\("spin", 2\); if \(coins == maxCoins\) bonusPending = true; \}')
        t.assertRegex(text, r'if \(bonusPending\) \{ win \+= runWheelBonus\(\);')
        t.assertNotIn("win = 0;", text)
    return check


def each_wild(rel, name, mult, two):
    """Each wild that stands in multiplies the win by its multiplier, and a
    win takes at most two: two wilds pay `two` times."""
    return both(wild(rel, name, mult),
                has("machine/three_reel_draw.cpp", r'result\.chosen\[reel\] = wild; w \*= wild->multiplier;',
                    r'if \(substituted >= 2\) break;'),
                lambda t: t.assertEqual(mult * mult, two))


def wilds_each(rel, mults, two):
    """Wilds of several multipliers ({name: multiplier}): each that stands in
    multiplies the win by its own, at most two to a win, so two wilds pay
    any product of two of them (`two`, smallest first)."""
    return both(*[wild(rel, name, mult) for name, mult in mults.items()],
                has("machine/three_reel_draw.cpp", r'result\.chosen\[reel\] = wild; w \*= wild->multiplier;',
                    r'if \(substituted >= 2\) break;'),
                lambda t: t.assertEqual(sorted({a * b for a in mults.values() for b in mults.values()}), two))


def one_wild_a_reel(rel, lit, spent):
    """Where a wild stands in, the draw tries the machine's wilds in a
    shuffled order and puts up only the first that stands for the symbol:
    the lit wild with its multiplier or the spent one, which stands in for
    the same symbols and multiplies by 1."""
    def check(t):
        wilds = three_reel_wilds(rel)
        t.assertEqual(1, wilds[spent][0], "%s: the spent wild multiplies" % rel)
        t.assertEqual(wilds[lit][1], wilds[spent][1], "%s: the spent wild stands in elsewhere" % rel)
        has("machine/three_reel_draw.cpp",
            r'shuffleRange\(wilds\.begin\(\), wilds\.end\(\)\); for \(WildSymbol\* wild : wilds\) \{ '
            r'if \(!wild->substitutes\(result\.chosen\[reel\]\)\) continue; '
            r'if \(genrand\(\) % static_cast<uint32_t>\(wildChance\) == 0\) \{[^}]*\} break; \}')(t)
    return both(wild(rel, spent, 1), check)


def car_in_place(rel, coins, row=800):
    """Three wilds at `coins` coins win the car and no credit: the car's spin
    pays nothing onto the credits and counts nothing up, and the three wilds'
    own per-coin row (`row` a coin) holds below those coins only."""
    def row_below(t):
        # addNoWildRule(<three wilds>, row, coins, false): per coin, superseded from that many coins
        text = re.sub(r"\s+", " ", source(rel))
        lists = dict(re.findall(r'SymbolList (\w+) = (symbolList\(\{[^}]*\}\));', text))
        rows = [names(lists.get(arg, arg)) for arg in
                re.findall(r'addNoWildRule\((symbolList\(\{[^}]*\}\)|\w+), %d, %d, false\);' % (row, coins), text)]
        t.assertEqual([W], rows, "%s: three wilds' %d a coin below %d coins" % (rel, row, coins))
    return both(rule(rel, "car", W, 3000, coins), row_below,
                has("machine/three_reel.cpp",
                    r'creditsPaid\(long long drawnWin, long long creditsAfterBet\) const \{ '
                    r'if \(result\.payKind == payJackpotMovie\) return 0;',
                    r'keepDrawnWin\(creditsPaid\(win, credits\)\);',
                    r'if \(result\.payKind == payJackpotMovie\) \{ playCarJackpotMovie\(this\); \} '
                    r'else \{ countUpWin\(\); \}'))


def coin_rules(rel):
    """{(symbols, prize): coin counts} of a three-reel machine's rules that
    hold at some coin counts only: prize is the award (paid for the bet),
    "CAR" or "JACKPOT". Read off the literal calls and off the loops that
    add one rule per coin count ("for (int c = 2; c <= 3; ++c)
    addCoinGroupRule(cash, 100, c);" over "SymbolList cash = symbolList(...)")."""
    text = source(rel)
    out = {}
    for kind, syms, award, coins in three_reel_rules(rel):
        if kind != "coin":
            out.setdefault((syms, {"bet": str(award), "car": "CAR", "jackpot": "JACKPOT"}[kind]), set()).add(coins)
    for syms, award, coins in re.findall(r'addCoinGroupRule\(symbolList\(\{([^}]*)\}\), (\d+), (\d+)\)', text):
        out.setdefault((names(syms), award), set()).add(int(coins))
    lists = {var: names(syms) for var, syms in re.findall(r'SymbolList (\w+) = symbolList\(\{([^}]*)\}\)', text)}
    for c, low, high, var, award in re.findall(r'for \(int (\w+) = (\d+); \1 <= (\d+); \+\+\1\) '
                                               r'addCoin(?:ThreeOfAKind|GroupRule)\((\w+), (\d+), \1\)', text):
        out.setdefault((lists[var], award), set()).update(range(int(low), int(high) + 1))
    return out


def multiplies_by_coins(rel, mid):
    m = re.search(r'setUpMachine\("%s", \d+, (true|false)' % mid, source(rel))
    if m:
        return m.group(1) == "true"
    return bool(re.search(r'void configureMachine\([^)]*\) \{[^}]*m\.multiplyByCoins = true;',
                          source(PATRIOT + "patriot_family.cpp")))


def video_stands_in(rel, sub, stands_for, doubles, never=()):
    """A five-reel wild: the rows it stands in on (and none other), whether
    it doubles the line, the symbols it never stands for."""
    def check(t):
        rows = video_rows(rel)
        got = {s for syms in rows for s in syms if sub in syms and s != sub}
        t.assertEqual(set(stands_for), got, rel)
        t.assertEqual(sub if doubles else None, video_doubler(rel), rel)
        for s in never:
            t.assertFalse([syms for syms in rows if s in syms], "%s: %s has a line pay" % (rel, s))
            t.assertIn(s, declared_video(rel), rel)
    return check


def machine_source(mid):
    """The C++ file that sets a reel machine up under its id."""
    for d in (THREE, VIDEO, PATRIOT):
        for f in sorted(os.listdir(os.path.join(SRC, d))):
            if f.endswith(".cpp") and re.search(r'(setUpMachine\(|configureMachine\(\*this, |configureAs\(|name = )"%s"'
                                                % re.escape(mid), source(d + f)):
                return d + f
    raise AssertionError("no source sets up " + mid)


def declared_video(rel):
    block = re.search(r'symbolTable = \{(.*?)\n\};', source(rel), re.S).group(1)
    return names(block)


def table(rel, name, counts, values):
    return lambda t: t.assertEqual(values, [int_table(rel, name)[n] for n in counts], "%s %s" % (rel, name))


def doubled_alone(rel, sub, pays):
    """The doubling symbol doubles a line of itself alone too: its own row's
    pays for 3, 4 and 5 in a row, doubled."""
    return both(lambda t: t.assertEqual(sub, video_doubler(rel), rel),
                lambda t: t.assertEqual(pays, [2 * p for p in video_rows(rel)[(sub,)][2:]], rel),
                has("machine/video_slot.cpp", r'lineSymbols\[static_cast<size_t>\(k\)\]->name == tables\.doubler\) '
                                              r'return 2 \* linePay->award;'))


def line_wild_base(rel, base, squared):
    return both(has(rel, r'FiveLineWildMachine\(%s, payTable' % re.escape(base)),
                has(VIDEO + "five_line_wild.cpp", r'wilds == 1\) return static_cast<int>\(award \* base\)',
                    r'wilds == 2\) return static_cast<int>\(award \* base \* base\)'),
                lambda t: t.assertEqual(float(base) ** 2, squared))


def line_row(rel, rule_name, syms, by_line):
    """The rows of one combination: {line (-1 any): award}."""
    def check(t):
        got = {line: award for r, s, award, line in line_rows(rel) if r == rule_name and s == tuple(syms)}
        t.assertEqual(by_line, got, rel)
    return check


def line_wild_joins(rel, sub, rules, not_rules=()):
    """The wild is in every row of those kinds (with another symbol) and in
    no row of the others."""
    def check(t):
        rows = [r for r in line_rows(rel) if r[1] != (sub,)]
        for r, syms, award, line in rows:
            if r in rules:
                t.assertIn(sub, syms, "%s: %s row %s" % (rel, r, syms))
            if r in not_rules:
                t.assertNotIn(sub, syms, "%s: %s row %s" % (rel, r, syms))
    return check


def both(*checks):
    def check(t):
        for c in checks:
            c(t)
    return check


def poker(mid, *hands):
    """Hands and what the game pays them: (cards, hand name, pay per coin[, coins])."""
    def check(t):
        Probe.build()
        for h in hands:
            cards, name, pay = h[:3]
            coins = h[3] if len(h) > 3 else 1
            t.assertEqual((name, pay), Probe.pays(mid, cards, coins), "%s: %s at %d coins" % (mid, cards, coins))
    return check


def ace_low(mid, straight, flush):
    """What the machine's note says of A-2-3-4-5, read off the note itself,
    against what the game pays it: as a straight, or (the ace high only)
    nothing in mixed suits and a flush in one; 10-J-Q-K-A is a straight
    either way and K-A-2-3-4 never is."""
    def check(t):
        Probe.build()
        note = poker_note(mid)[0][0]
        counts = re.search(r"A-2-3-4-5 (counts as|is) a straight", note) is not None
        denies = re.search(r"A-2-3-4-5 is no straight", note) is not None
        t.assertNotEqual(counts, denies, "the note says nothing clear of A-2-3-4-5: " + note)
        t.assertEqual(("straight", straight) if counts else ("nothing", 0), Probe.pays(mid, "AS 2H 3D 4C 5S"),
                      "%s: the glass says %r" % (mid, note))
        t.assertEqual(("straight flush", None) if counts else ("flush", flush),
                      (Probe.pays(mid, "AH 2H 3H 4H 5H")[0], None if counts else Probe.pays(mid, "AH 2H 3H 4H 5H")[1]))
        t.assertEqual(("straight", straight), Probe.pays(mid, "10S JH QD KC AS"))
        t.assertEqual(("nothing", 0), Probe.pays(mid, "KS AH 2D 3C 4S"))
    return check


def royal_bonus(t):
    """On every poker machine the natural royal pays more per coin at five coins."""
    Probe.build()
    for mid in POKER_NOTES:
        royal = "10H JH QH KH AH"
        t.assertGreater(Probe.pays(mid, royal, 5)[1], Probe.pays(mid, royal, 4)[1], mid)


def keys(rel, *pairs):
    """Key -> what it does, as the handler's switch says."""
    return has(rel, *[r'case SDLK_%s: \{?\s*(machine\.)?%s' % (k, action) for k, action in pairs])


def buttons(rel, *pairs):
    return has(rel, *[r'n == "%s"\) \{? ?(if \([^)]*\) )?(machine\.)?%s' % (b, action) for b, action in pairs])


# ---- the sentences -----------------------------------------------------------

W = ("wild",)
T, V, P = THREE, VIDEO, PATRIOT

# Rules the test can't read off a table, as the code does them; the glass
# inventory and the required rules below share them.
RESPIN = has(T + "short_circuit.cpp",
             r'const int won = win; settle\(\); win = won; if \(result\.award > 0\) \{ '
             r'if \(genrand\(\) % 3 == 0 && respinCount <= 4\) \{',
             r'keepDrawnPlay\(name, 0, creditsPaid\(win, credits\)\);', r'pulledBet = 0; startSpin\(\);')
DIE_AT_FULL_BET = both(full_bet(T + "crazy_dice.cpp", "crazydice", 3),
                       has(T + "crazy_dice.cpp", r'return r % 20 == 0 && win > 0 && coins == maxCoins;',
                           r'setReelSymbol\(placeOnReel\("dice", 2\), 2\);.*bonusPending = true;'))
DICE_MULTIPLY = both(has(T + "crazy_dice.cpp", r'if \(bonusPending\) \{ win = multipliedWin\(runDiceBonus\(\)\);',
                         r'static_cast<long long>\(multiplier\) \* win;'),
                     has(T + "crazy_dice_bonus.cpp", r'face = static_cast<int>\(genrand\(\) % 6\) \+ 1;',
                         r'const int multiplier = leftFace \+ rightFace;', r'return multiplier; \}'))
PIGS_AND_TWO_COINS = both(full_bet(T + "crazy_dice.cpp", "crazydice", 3), rule(T + "crazy_dice.cpp", "bet", ("pig",), 500, 3),
                          rule(T + "crazy_dice.cpp", "coin", ("pig",), 100, 3),
                          has(T + "crazy_dice.cpp", r'::spin\(\) \{ ThreeReelMachine::spin\(\); payTwoCoinsWorthAtFullBet\(\);'),
                          has("machine/three_reel.cpp", r'coins == maxCoins && result\.payKind != payWholeBet && coins > 0\) '
                                                        r'win = \(win / coins\) \* 2;'))
CLIMB = both(has(T + "mountain_climber.cpp", r'if \(!result\.matched\) \{',
                 r'if \(one\) result\.chosen\[reel\] = one; climbPoints \+= 1;',
                 r'if \(two\) result\.chosen\[reel\] = two; climbPoints \+= 2;'),
             has(T + "mountain_climb_bonus.cpp", r'climbPoints \*= 6;'))
CLIMB_PAYS = both(has(T + "mountain_climb_bonus.cpp", r'if \(reached > summit\) return 100; '
                      r'if \(reached > 97 && spinCount > periodSpins - 1\) return 50; '
                      r'if \(reached > 83 && spinCount > periodSpins - 1\) return 20;'),
                  has(T + "mountain_climber.h", r'periodSpins = 20;'),
                  has(T + "mountain_climber.cpp", r'if \(height > 97\) \{ bonus = 50; \} else if \(height > 83\) \{ bonus = 20; \}'))
DRAGON = has(T + "dragon_spin.cpp", r'if \(result\.matched && !dragonSpun && result\.reelCount == 3\) \{',
             r'dragonSpun = true;', r'::configure\(float value\) \{[^}]*dragonSpun = false;')

DOUBLE_DICE_CAR = car_in_place(T + "double_dice.cpp", 2)
TRIPLE_DICE_CAR = car_in_place(T + "triple_dice.cpp", 3)
FIVE_X_CAR = car_in_place(T + "five_x.cpp", 3)
SOUR_APPLE_CAR = car_in_place(T + "wild_sour_apple.cpp", 3, 1000)
DOUBLE_TRIPLE_WILDS = wilds_each(T + "double_triple.cpp", {"doublewild": 2, "triplewild": 3}, [4, 6, 9])
APPLE_SPENT_WILD = one_wild_a_reel(T + "wild_apple.cpp", "wild", "wildoff")

# Each reel machine's bottom glass: its lines under the table, in order; a
# sentence over several lines is one entry.
GLASS = {
    "10x": [
        ("EACH WILD THAT STANDS IN MULTIPLIES THE WIN BY 10: TWO WILDS PAY 100 TIMES",
         each_wild(T + "ten_x.cpp", "wild", 10, 100)),
        ("3 WILDS AT 3 COINS PAY 5000 CREDITS", rule(T + "ten_x.cpp", "bet", W, 5000, 3))],
    "5x": [
        ("EACH WILD THAT STANDS IN MULTIPLIES THE WIN BY 5: TWO WILDS PAY 25 TIMES",
         each_wild(T + "five_x.cpp", "wild", 5, 25)),
        ("3 WILDS AT 3 COINS WIN THE CAR JACKPOT", rule(T + "five_x.cpp", "car", W, 3000, 3)),
        ("THE CAR TAKES THE PLACE OF EVERY CREDIT THAT SPIN WOULD PAY", FIVE_X_CAR)],
    "5linedouble": [
        ("EVERY WILD DOUBLES THE LINE: TWO WILDS ON A LINE PAY FOUR TIMES",
         line_wild_base(V + "five_line_double.cpp", "2.0", 4)),
        ("3 WILDS PAY 500 TIMES THE LINE NUMBER",
         line_row(V + "five_line_double.cpp", "ThreeOfAKind", W, {n: 500 * n for n in range(1, 6)}))],
    "5linetriple": [
        ("EVERY WILD TRIPLES THE LINE: TWO WILDS ON A LINE PAY NINE TIMES",
         line_wild_base(V + "five_line_triple.cpp", "3.0", 9)),
        ("3 WILDS PAY 500 TIMES THE LINE NUMBER",
         line_row(V + "five_line_triple.cpp", "ThreeOfAKind", W, {n: 500 * n for n in range(1, 6)}))],
    "baja7s": [
        ("THE BAJA SEVEN COMPLETES ANY THREE OF A KIND",
         line_wild_joins(V + "baja_7s.cpp", "baja7", ("ThreeOfAKind", "SymbolPlus"))),
        ("THREE BAJA 7s PAY 2500 ON LINE 3, 500 ON LINE 1",
         line_row(V + "baja_7s.cpp", "ThreeOfAKind", ("baja7",), {1: 500, 3: 2500}))],
    "balloonblitz": [
        ("THE TARGET STANDS IN FOR THE REGISTER AND THE CAR AND DOUBLES THE LINE",
         video_stands_in(V + "balloon_blitz.cpp", "target", {"register", "car"}, True)),
        ("3, 4 OR 5 TARGETS ALONE ARE DOUBLED TOO: THEY PAY 150, 2000 OR 10000",
         doubled_alone(V + "balloon_blitz.cpp", "target", [150, 2000, 10000])),
        ("3, 4 OR 5 BULLSEYES IN A ROW START THE BALLOON BONUS AND PAY",
         "15, 35 OR 60 x COINS A LINE; AT THE FULL BET 200, 600 OR 1500",
         both(has(V + "balloon_blitz.cpp", r'reelsInARow\(chosen, "bullseye"\)', r'if \(count >= 3\) bonusPending = true',
                  r'atLargestBet\(\) \? scatterAtMaxBet\[count\] : coins \* scatterTimesCoins\[count\]'),
              table(V + "balloon_blitz.cpp", "scatterTimesCoins", [3, 4, 5], [15, 35, 60]),
              table(V + "balloon_blitz.cpp", "scatterAtMaxBet", [2, 3, 4, 5], [0, 200, 600, 1500])))],
    "balloonmania": [
        ("3 WILDS AT 3 COINS PAY: 5000 - FOR THE BET", rule(T + "balloon_mania.cpp", "bet", W, 5000, 3))],
    "bitsnbytes": [
        ("THE WILD STANDS IN FOR ANY SYMBOL BUT A LONE ZERO",
         line_wild_joins(V + "bits_n_bytes.cpp", "wild", ("TwoOf", "ThreeOfAKind", "SymbolPlus"), ("OneOf",))),
        ("THREE ONES PAY 80 ON EVERY LINE", line_row(V + "bits_n_bytes.cpp", "ThreeOfAKind", ("1", "wild"), {-1: 80}))],
    "blackjack": [
        ("3 WILDS AT 3 COINS WIN: JACKPOT", rule(T + "blackjack.cpp", "jackpot", W, 5000, 3))],
    "cashcow": [
        ("THE WILD COMPLETES ANY THREE",
         line_wild_joins(V + "cash_cow.cpp", "wild", ("ThreeOfAKind", "SymbolPlus"), ("OneOf", "TwoOf"))),
        ("THREE WILDS PAY 500 ON ANY LINE", line_row(V + "cash_cow.cpp", "ThreeOfAKind", W, {-1: 500}))],
    "crazy8s": [
        ("EVERY EIGHT STANDS IN FOR THE BARS AND THE BLANK",
         both(*[wild(T + "crazy8s.cpp", e, 1, {"blank", "bar", "2bar", "3bar"}) for e in ("yellow", "green", "blue")])),
        ("* AT 3 COINS, 3 OF ONE 8 MAY PAY FOR THE BET:", "YELLOW 3000     GREEN 4000     BLUE 5000",
         both(full_bet(T + "crazy8s.cpp", "crazy8s", 3),
              *[rule(T + "crazy8s.cpp", "bet", (e,), a, 3) for e, a in (("yellow", 3000), ("green", 4000), ("blue", 5000))]))],
    "crazydice": [
        ("AT 3 COINS A WIN MAY BRING THE DIE TO REEL 3: THE DICE BONUS", DIE_AT_FULL_BET),
        ("THE TWO DICE ADDED UP MULTIPLY THE WIN: 2 TO 12 TIMES", DICE_MULTIPLY),
        ("AT 3 COINS 3 PIGS PAY 500 FOR THE BET; EVERY OTHER WIN PAYS AS 2 COINS", PIGS_AND_TWO_COINS)],
    "cursed": [
        ("* AT 1 COIN", both(*[rule(T + "cursed.cpp", "coin", s, a, 2) for s, a in
                               ((("silver7", "arrowup_silver7"), 100), (("blue7",), 200), (("green7",), 300))])),
        ("3 CURSES AT 3 COINS WIN: JACKPOT", rule(T + "cursed.cpp", "jackpot", ("cursed",), 5000, 3)),
        ("3 MATCHING SEVENS PAY FOR THE BET", "2 COINS:  SILVER 150   BLUE 250   GREEN 350",
         "3 COINS:  SILVER 200   BLUE 300   GREEN 400",
         has(T + "cursed.cpp", r'awards2\[\] = \{150, 250, 350\}', r'awards3\[\] = \{200, 300, 400\}',
             r'awards\[\] = \{awards2, awards3\}', r'coinCount = k \+ 2;',
             r'addCoinThreeOfAKind\(symbolList\(\{"silver7", "arrowup_silver7"\}\), awards\[k\]\[0\], coinCount\); '
             r'addCoinThreeOfAKind\(symbolList\(\{"blue7"\}\), awards\[k\]\[1\], coinCount\); '
             r'addCoinThreeOfAKind\(symbolList\(\{"green7", "arrowdown_green7"\}\), awards\[k\]\[2\], coinCount\);'))],
    "deepsea": [
        ("THE MERMAID STANDS IN FOR THE MARLIN", video_stands_in(V + "deep_sea.cpp", "mermaid", {"marlin"}, False)),
        ("3, 4 OR 5 SHARKS IN A ROW: THE FISHING BONUS AT 20, 30 OR 40 x COINS",
         has(V + "deep_sea.cpp", r'count\[3\] = \{reelsInARow\(chosen, "shark"\), reelsInARow\(chosen, "swordfish"\), '
                                 r'reelsInARow\(chosen, "fish"\)\}',
             r'if \(count\[0\] >= 3\) \{ bonusTriggered = true; bonusStake = coins \* '
             r'\(count\[0\] == 3 \? 20 : count\[0\] == 4 \? 30 : 40\);')),
        ("3 SWORDFISH OR 3 FISH IN A ROW: THE FISHING BONUS AT 20 x COINS",
         has(V + "deep_sea.cpp", r'else if \(count\[1\] >= 3 \|\| count\[2\] >= 3\) \{ bonusTriggered = true; '
                                 r'scatterWin = true; bonusStake = coins \* 20;'))],
    "doubledice": [
        ("EACH WILD THAT STANDS IN DOUBLES THE WIN: TWO WILDS PAY 4 TIMES", each_wild(T + "double_dice.cpp", "wild", 2, 4)),
        ("3 WILDS AT 2 COINS: CAR - WIN THE CAR!", rule(T + "double_dice.cpp", "car", W, 3000, 2)),
        ("THE CAR TAKES THE PLACE OF EVERY CREDIT THAT SPIN WOULD PAY", DOUBLE_DICE_CAR)],
    "doubledicedeluxe": [
        ("3 WILDS AT 3 COINS PAY: 5000 - FOR THE BET", rule(T + "double_dice_deluxe.cpp", "bet", W, 5000, 3)),
        ("EACH WILD THAT STANDS IN DOUBLES THE WIN: TWO WILDS PAY 4 TIMES",
         each_wild(T + "double_dice_deluxe.cpp", "wild", 2, 4))],
    "doubledicespinforcash": [
        ("SPIN ON REEL 3 AT 3 COINS: WHEEL - SPINS FOR CASH",
         spin_wheel(T + "double_dice_spin_for_cash.cpp", "doubledicespinforcash")),
        ("AT 3 COINS THE WHEEL PAYS IN PLACE OF THE LINE", wheel_in_place(T + "double_dice_spin_for_cash.cpp")),
        ("AT 3 COINS EVERY WIN PAYS AS 2 COINS",
         both(full_bet(T + "double_dice_spin_for_cash.cpp", "doubledicespinforcash", 3),
              has(T + "double_dice_spin_for_cash.cpp", r'payTwoCoinsWorthAtFullBet\(\);'),
              lambda t: t.assertFalse([r for r in three_reel_rules(T + "double_dice_spin_for_cash.cpp")
                                       if r[0] == "bet"], "a whole-bet pay is not paid as 2 coins"))),
        ("EACH WILD THAT STANDS IN DOUBLES THE WIN: TWO WILDS PAY 4 TIMES",
         each_wild(T + "double_dice_spin_for_cash.cpp", "wild", 2, 4))],
    "doubledoubledice": [
        ("EACH WILD THAT STANDS IN MULTIPLIES THE WIN BY 4: TWO WILDS PAY 16 TIMES",
         each_wild(T + "double_double_dice.cpp", "wild", 4, 16)),
        ("3 WILDS AT 3 COINS: 20000 - FOR THE BET", rule(T + "double_double_dice.cpp", "bet", W, 20000, 3)),
        ("* THREE WILDS", "1 COIN: 1000 A COIN", "FOR THE BET:  2 COINS 5000     3 COINS 20000",
         both(rule(T + "double_double_dice.cpp", "coin", W, 1000, 2), rule(T + "double_double_dice.cpp", "bet", W, 5000, 2),
              rule(T + "double_double_dice.cpp", "bet", W, 20000, 3)))],
    "doubletriple": [
        ("EACH WILD THAT STANDS IN MULTIPLIES THE WIN BY ITS x2 OR x3:", "TWO WILDS PAY 4, 6 OR 9 TIMES",
         DOUBLE_TRIPLE_WILDS),
        ("3 TRIPLE WILDS AT 3 COINS: 7500 - FOR THE BET", rule(T + "double_triple.cpp", "bet", ("triplewild",), 7500, 3)),
        ("* PER COIN AT 1 OR 2 COINS", "AT 3 COINS, FOR THE BET:", "3 TRIPLE WILDS 7500     3 DOUBLE WILDS 3500",
         both(rule(T + "double_triple.cpp", "coin", ("triplewild",), 2000, 3),
              rule(T + "double_triple.cpp", "coin", ("doublewild",), 1000, 3),
              rule(T + "double_triple.cpp", "bet", ("triplewild",), 7500, 3),
              rule(T + "double_triple.cpp", "bet", ("doublewild",), 3500, 3)))],
    "dragonspin": [
        ("THE THIRD REEL MAY SPIN AGAIN, ONCE A VISIT", DRAGON)],
    "egyptsprize": [
        ("3 TUTS ON A PLAYED LINE", "WIN THE PROGRESSIVE JACKPOT",
         both(line_row(V + "egypts_prize.cpp", "ThreeOfAKind", ("tut",), {-1: 500}),
              has(V + "egypts_prize.h", r'bool winsJackpot\(\) const \{ return win > 499; \}'),
              has(V + "egypts_prize.cpp", r'if \(winsJackpot\(\)\) \{ playJackpotMovie\(this\);[^}]*'
                                          r'win = progressiveCoins\(denomination\);')))],
    "gettinhot": [
        ("3 WILDS AT 3 COINS PAY: 5000 - FOR THE BET", rule(T + "gettin_hot.cpp", "bet", W, 5000, 3)),
        ("AT 3 COINS 3 SEVENS PAY 400 FOR THE BET", rule(T + "gettin_hot.cpp", "bet", ("7",), 400, 3))],
    "gloamerhouse": [
        ("3 GLOAMERS AT 3 COINS WIN: JACKPOT", rule(T + "gloamer_house.cpp", "jackpot", ("gloamer",), 500, 3))],
    "holeinone": [
        ("3 HOLES IN ONE AT 3 COINS: 5000 FOR THE BET", rule(T + "hole_in_one.cpp", "bet", ("holeinone",), 5000, 3)),
        ("THE WILD STANDS IN FOR EVERY OTHER SYMBOL", wild(T + "hole_in_one.cpp", "wild", 1))],
    "magic": [
        ("THE RABBIT STANDS IN FOR FLOWERS AND STARS AND DOUBLES THE LINE",
         video_stands_in(V + "magic.cpp", "rabbit", {"flowers", "stars"}, True)),
        ("3, 4 OR 5 RABBITS ALONE ARE DOUBLED TOO: THEY PAY 150, 2000 OR 10000",
         doubled_alone(V + "magic.cpp", "rabbit", [150, 2000, 10000])),
        ("3, 4 OR 5 HANKIES IN A ROW: PICK A HAT FOR A MULTIPLIER",
         has(V + "magic.cpp", r'return reelsInARow\(chosen, "hanky"\);', r'if \(count >= 3\) bonusTriggered = true;',
             r'runHatBonus\(\)\) \* bonusStake')),
        ("HAT BONUS: 15, 35 OR 60 x COINS A LINE; AT THE FULL BET 200, 600 OR 1500",
         both(table(V + "magic.cpp", "stakeTimesCoins", [3, 4, 5], [15, 35, 60]),
              table(V + "magic.cpp", "stakeAtMaxBet", [3, 4, 5], [200, 600, 1500]),
              has(V + "magic.cpp", r'if \(atLargestBet\(\)\) bonusStake = stakeAtMaxBet\[count\]; '
                                   r'else bonusStake = coins \* stakeTimesCoins\[count\];')))],
    "mardigras": [
        ("THE MASK STANDS IN FOR EVERY SYMBOL BUT THE SCATTER AND DOUBLES THE LINE",
         both(video_stands_in(V + "mardi_gras.cpp", "mask", {"trumpet", "10", "jack", "queen", "king", "ace", "flag"},
                              True, never=("scatter",)),
              lambda t: t.assertEqual({"trumpet", "10", "jack", "queen", "king", "ace", "flag", "mask", "scatter"},
                                      set(declared_video(V + "mardi_gras.cpp"))))),
        ("3, 4 OR 5 MASKS ALONE ARE DOUBLED TOO: THEY PAY 150, 2000 OR 20000",
         doubled_alone(V + "mardi_gras.cpp", "mask", [150, 2000, 20000])),
        ("SCATTERS PAY ANYWHERE: 2, 3, 4 OR 5 PAY 5, 15, 35 OR 60 x THE BET",
         both(table(V + "mardi_gras.cpp", "scatterTimesBet", [2, 3, 4, 5], [5, 15, 35, 60]),
              has(V + "mardi_gras.cpp", r'reelsShowing\(chosen, "scatter"\)', r'return coins \* lines \* scatterTimesBet\[n\];'))),
        ("AT THE FULL BET SCATTERS PAY 250, 750, 1600 OR 5000",
         both(table(V + "mardi_gras.cpp", "scatterAtMaxBet", [2, 3, 4, 5], [250, 750, 1600, 5000]),
              has(V + "mardi_gras.cpp", r'if \(atLargestBet\(\)\) return scatterAtMaxBet\[n\];')))],
    "mountainclimber": [
        ("CLIMB SYMBOLS ON A LOSING SPIN MOVE THE CLIMBER UP; THE 2X CLIMBS TWICE AS FAR", CLIMB),
        ("PAST THE SUMMIT: 100 AT ONCE. ABOVE A CAMP WHEN 20 SPINS ARE UP: 20 OR 50", CLIMB_PAYS),
        ("3 PEAKS AT 3 COINS: 2500 FOR THE BET", rule(T + "mountain_climber.cpp", "bet", ("pic",), 2500, 3))],
    "patriotgames": [
        ("AT 2 COINS R-W-B 7s PAY 1000 FOR THE BET",
         both(has(P + "patriot_games.cpp", r'CoinPayRule rule; rule\.setAward\(1000\); rule\.setCoins\(2\); '
                                           r'rule\.addSymbol\(0, findSymbol\("redseven"\)\); '
                                           r'rule\.addSymbol\(1, findSymbol\("whiteseven"\)\); '
                                           r'rule\.addSymbol\(2, findSymbol\("blueseven"\)\);'),
              has("machine/three_reel_rules.cpp", r'CoinPayRule::CoinPayRule\(\) \{ coins = -1; payKind = payWholeBet; \}')))],
    "patriotspinforcash": [
        ("SPIN ON REEL 3 AT 3 COINS: WHEEL - SPINS FOR CASH",
         spin_wheel(P + "patriot_spin_for_cash.cpp", "patriotspinforcash")),
        ("AT 3 COINS THE WHEEL PAYS IN PLACE OF THE LINE",
         has(P + "patriot_spin_for_cash.cpp", r'if \(coins == maxCoins\) \{ win = 0; bonusPending = true;')),
        ("AT 3 COINS EVERY WIN PAYS AS 2 COINS",
         both(full_bet(P + "patriot_spin_for_cash.cpp", "patriotspinforcash", 3),
              has(P + "patriot_spin_for_cash.cpp",
                  r'if \(coins == maxCoins && coins > 0 && result\.payKind != payWholeBet\) win = win / coins \* 2;')))],
    "patriotwild": [
        ("EACH WILD THAT STANDS IN DOUBLES THE WIN: TWO WILDS PAY 4 TIMES", each_wild(P + "patriot_wild.cpp", "wild", 2, 4))],
    "patriotwilddeluxe": [
        ("ARROW BARS PAY AS THE BAR OF THEIR COLOUR",
         lambda t: [t.assertRegex(re.sub(r"\s+", " ", source(P + "patriot_wild_deluxe.cpp")),
                                  r'addColourLines\(\*this, \{\{[^;]*\{(("arrow\w+_%s", )+)"%s"\}' % (bar, bar))
                    for bar in ("barred", "2barwhite", "3barblue")]
         and [t.assertTrue(any(a.endswith("_" + b) for b in ("barred", "2barwhite", "3barblue")), a)
              for a in declared(P + "patriot_wild_deluxe.cpp") if a.startswith("arrow")]),
        ("THE WILD STANDS IN FOR EVERY OTHER SYMBOL", wild(P + "patriot_wild_deluxe.cpp", "wild", 1))],
    "shortcircuit": [
        ("3 WILDS AT 3 COINS PAY: 2000 - FOR THE BET", rule(T + "short_circuit.cpp", "bet", W, 2000, 3)),
        ("A WIN MAY SPARK A FREE RE-SPIN: THE SAME WIN PAID AGAIN, NO BET TAKEN", RESPIN)],
    "super7s": [
        ("SUPER SEVENS AT 3 COINS: 500", rule(T + "super7s.cpp", "bet", ("super7",), 500, 3))],
    "tripledice": [
        ("EACH WILD THAT STANDS IN TRIPLES THE WIN: TWO WILDS PAY 9 TIMES", each_wild(T + "triple_dice.cpp", "wild", 3, 9)),
        ("3 WILDS AT 3 COINS: CAR - WIN THE CAR!", rule(T + "triple_dice.cpp", "car", W, 3000, 3)),
        ("THE CAR TAKES THE PLACE OF EVERY CREDIT THAT SPIN WOULD PAY", TRIPLE_DICE_CAR)],
    "tripledicedeluxe": [
        ("3 WILDS AT 3 COINS PAY: 5000 - FOR THE BET", rule(T + "triple_dice_deluxe.cpp", "bet", W, 5000, 3)),
        ("EACH WILD THAT STANDS IN TRIPLES THE WIN: TWO WILDS PAY 9 TIMES",
         each_wild(T + "triple_dice_deluxe.cpp", "wild", 3, 9))],
    "tripletriple": [
        ("EACH WILD THAT STANDS IN MULTIPLIES THE WIN BY 9: TWO WILDS PAY 81 TIMES",
         each_wild(T + "triple_triple.cpp", "wild", 9, 81)),
        ("3 WILDS AT 1 OR 2 COINS: 20000 - TOP PAY PER COIN", rule(T + "triple_triple.cpp", "coin", W, 20000, 3)),
        ("* THREE WILDS, PER COIN", "1 COIN: 1000, 5000 OR 20000     2 COINS: 20000", "3 COINS: THREE WILDS DO NOT PAY",
         lambda t: t.assertEqual(sorted([("coin", W, 1000, 2), ("coin", W, 5000, 2), ("coin", W, 20000, 3)]),
                                 sorted(r for r in three_reel_rules(T + "triple_triple.cpp") if r[1] == W)))],
    "wheelofcash": [
        ("* MONEY AND COINS PAY AT 2 OR 3 COINS ONLY: AT 1 COIN THEY PAY NOTHING",
         lambda t: t.assertEqual({(("coins", "money"), "100"): {2, 3}, (("coins",), "150"): {2, 3},
                                  (("money",), "500"): {2, 3}},
                                 {k: v for k, v in coin_rules(T + "wheel_of_cash.cpp").items()
                                  if set(k[0]) & {"coins", "money"}})),
        ("SPIN ON REEL 3 AT 3 COINS: WHEEL - SPINS FOR CASH", spin_wheel(T + "wheel_of_cash.cpp", "wheelofcash")),
        ("AT 3 COINS THE WHEEL PAYS ON TOP OF THE LINE", wheel_on_top(T + "wheel_of_cash.cpp"))],
    "wildapple": [
        ("EACH LIT WILD THAT STANDS IN DOUBLES THE WIN: TWO LIT WILDS PAY 4 TIMES",
         each_wild(T + "wild_apple.cpp", "wild", 2, 4)),
        ("A SPENT WILD STANDS IN TOO BUT LEAVES THE WIN AS IT IS", APPLE_SPENT_WILD),
        ("3 WILDS AT 3 COINS WIN: JACKPOT", rule(T + "wild_apple.cpp", "jackpot", W, 5000, 3))],
    "wildsourapple": [
        ("A WILD, LIT OR SPENT, STANDS IN FOR EVERY OTHER SYMBOL",
         both(wild(T + "wild_sour_apple.cpp", "wild", 1), wild(T + "wild_sour_apple.cpp", "wildoff", 1))),
        ("3 WILDS AT 3 COINS WIN THE CAR", rule(T + "wild_sour_apple.cpp", "car", W, 3000, 3)),
        ("THE CAR TAKES THE PLACE OF EVERY CREDIT THAT SPIN WOULD PAY", SOUR_APPLE_CAR)],
    "zookeeper": [
        ("ZEBRAS PAY ANYWHERE: 2, 3, 4 OR 5 REELS PAY 2, 10, 50 OR 250 x THE BET",
         has(V + "zookeeper.cpp", r'case 2: return 2; case 3: return 10; case 4: return 50; case 5: return 250; '
                                  r'default: return 0;',
             r'reelsShowing\(chosen, "zebra"\)', r'coins\) \* lines \* scatterFactor\(zebras\)'))],
}

# The poker cabinets: the note under the pay glass (on the cabinet and on
# the bottom panel) and the hands the glass pays.
POKER_NOTES = {
    "10sorbetter": ("The ace counts high only: A-2-3-4-5 is no straight.", ace_low("10sorbetter", 4, 6)),
    "jacksorbetter": ("The ace counts high only: A-2-3-4-5 is no straight.", ace_low("jacksorbetter", 4, 6)),
    "doublepremium": ("The ace counts high only: A-2-3-4-5 is no straight.", ace_low("doublepremium", 5, 15)),
    "4ofakind": ("Four of a kind pays by rank.",
                 poker("4ofakind", ("AS AH AD AC 5S", "four of a kind", 80), ("JS JH JD JC 5S", "four of a kind", 40),
                       ("10S 10H 10D 10C 5S", "four of a kind", 25))),
    "allwild": ("Deuces and jokers are wild.",
                poker("allwild", ("2H 7S 7D 9C KD", "three of a kind", 1), ("XH 7S 7D 9C KD", "three of a kind", 1),
                      ("3H 7S 7D 9C KD", "nothing", 0))),
    "deuceswild": ("All deuces are wild.",
                   poker("deuceswild", *[("2%s 7S 7D 9C KD" % s, "three of a kind", 1) for s in "HSCD"])),
    "jokerswild": ("Two jokers are wild.",
                   both(poker("jokerswild", ("XH 7S 7D 9C KD", "three of a kind", 2), ("2H 7S 7D 9C KD", "nothing", 0)),
                        has("poker/wild_poker.cpp", r'for \(int i = 0; i < 2; \+\+i\) \{ auto joker = std::make_unique<Card>\(\); '
                                                    r'joker->suit = 0; joker->rank = poker::kJoker;'),
                        has("poker/jokers_wild.cpp", r'configureWild\("jokerswild", denomination, true\)'))),
    "spinforcash": ("Full house or better at 5 coins spins the cash wheel!",
                    both(poker("spinforcash", ("KS KH KD 5C 5S", "full house", 8), ("2H 7H 9H JH KH", "flush", 6)),
                         has("poker/spin_for_cash.cpp",
                             r'bool SpinForCash::turnsWheel\(long long pay\) const \{ return coinsPlayed == 5 && pay / coinsPlayed > 7; \}',
                             r'if \(turnsWheel\(win\)\) \{'))),
    "doubleupbonus": ("Double up any win: beat the dealer's card!",
                      has("poker/double_up_bonus.cpp", r'if \(win <= 0\) return win;.*offerDoubleUp\(win\);',
                          r'const int mine = hand\[picked\]->rank, dealers = hand\[0\]->rank; '
                          r'return mine > dealers \? 2 \* stake : mine == dealers \? stake : 0;')),
}

# Hand names on the poker glasses and the cascade entries they are.
POKER_HANDS = {"Royal Flush": "royal flush", "Natural Royal Flush": "royal flush", "Straight Flush": "straight flush",
               "Four of a Kind": "four of a kind", "Full House": "full house", "Flush": "flush", "Straight": "straight",
               "Three of a Kind": "three of a kind", "Two Pair": "two pair", "Five of a Kind": "five of a kind",
               "Wild Royal Flush": "wild royal flush", "Four Deuces": "four deuces"}
PAIR_RANK = {"Tens or Better": 10, "Jacks or Better": 11, "Kings or Better": 13}
# A hand of each row, for the probe.
POKER_HAND_OF = {
    "Royal Flush": "10H JH QH KH AH", "Natural Royal Flush": "10H JH QH KH AH", "Straight Flush": "5S 6S 7S 8S 9S",
    "Four of a Kind": "9S 9H 9D 9C 5S", "Full House": "KS KH KD 5C 5S", "Flush": "3H 7H 9H JH KH",
    "Straight": "5S 6H 7D 8C 9S", "Three of a Kind": "8S 8H 8D 3C KS", "Two Pair": "8S 8H 4D 4C KS",
    "Tens or Better": "10S 10H 4D 6C KS", "Jacks or Better": "JS JH 4D 6C 9S", "Kings or Better": "KS KH 4D 6C 9S",
    "Five of a Kind": "XH 2S 9H 9D 9C", "Four Wild Cards": "2S 2H 2D 2C 9S", "Four Deuces": "2S 2H 2D 2C 9S",
    "Wild Royal Flush": "10H JH QH KH XH", "Four Aces": "AS AH AD AC 5S", "Four Kings, Queens, Jacks": "QS QH QD QC 5S",
    "Four 2s to 10s": "7S 7H 7D 7C 5S",
}
POKER_WILD_HANDS = {"Five of a Kind": {"deuceswild": "2S 9S 9H 9D 9C", "jokerswild": "XH XH 9H 9D 9C"}, "Wild Royal Flush": {"deuceswild": "10H JH QH KH 2S"}}

# Each help page's sentences, in order (the closing "click or press a key" is
# test_help_pages's).
SLOT = "machine/slot_cabinet.h"
PAGES = {
    "slot_1": [("Three reels, one pay line (three or five on some machines).",
                # the three-reel line machines: three lines where they set up with setupB, else five
                both(has("machine/multi_line.cpp", r'void MultiLineMachine::init\(\) \{ maxLines = 5;',
                         r'void MultiLineMachine::setupB\(\) \{ maxLines = 3;'),
                     lambda t: t.assertEqual([5, 5, 5, 3, 3, 3], [3 if "setupB();" in source(V + f) else 5 for f in (
                         "five_line_double.cpp", "five_line_triple.cpp", "bits_n_bytes.cpp", "cash_cow.cpp", "baja_7s.cpp",
                         "egypts_prize.cpp")])))],
    "slot_2": [("Click the bill slot (lower right) or the coin slot to turn dollars into credits.",
                buttons(SLOT, ('coin" \|\| n == "money', "insertMoney"))),
               ("Credits are coins at the machine's coin value.",
                has("machine/money_input.cpp", r'const long long coinCents = denomination->cents\(\);',
                    r'amountCents / coinCents;'))],
    "slot_3": [("BET ONE adds a coin to the bet (key N).", both(buttons(SLOT, ("betone", "betOne")), keys(SLOT, ("n", "betOne")))),
               ("BET MAX bets the most coins and spins at once (key M).",
                both(buttons(SLOT, ("betmax", "betMax")), keys(SLOT, ("m", "betMax")),
                     has("machine/three_reel.cpp", r'::betMax\(\) \{[^}]*coins = maxCoins; pull\(\); \}'),
                     has("machine/multi_line.cpp", r'::betMax\(\) \{[^}]*lines = maxLines;[^}]*pull\(\); \}')))],
    "slot_4": [("SPIN (or Return) plays the coins you bet.",
                both(buttons(SLOT, ("spin", "spinButton")), keys(SLOT, ("RETURN", "spinButton")))),
               ("The reels stop one by one; a win is counted onto your credits.", has("machine/bank.cpp", r'Bank::countUp')),
               ("Wilds stand in for other symbols; some also multiply the win.",
                lambda t: t.assertTrue({1} < {m for f in os.listdir(os.path.join(SRC, T)) if f.endswith(".cpp")
                                             for m, _ in three_reel_wilds(T + f).values()}))],
    "slot_5": [("CASH OUT (or Esc) takes your credits back to your money and returns to the floor.",
                both(buttons(SLOT, ("cashout", r"cashOut\(false\)")), keys(SLOT, ("ESCAPE", r"cashOut\(false\)")),
                     has("machine/bank.cpp", r'screen\.next = toCashier \? cashierScreen\(\) : lobbyScreen\(\);'))),
               ("CHANGE goes to the cashier.", buttons(SLOT, ("change", r"cashOut\(true\)")))],
    "slot_6": [("Click the coin badge to change the coin value.", buttons(SLOT, ("denomination", "changeDenomination"))),
               ("Page Up / Page Down show the glass.",
                keys(SLOT, ("PAGEUP", r"showSlotMarquee\(machine, true\)"), ("PAGEDOWN", r"showSlotMarquee\(machine, false\)"))),
               ("Right click: every machine.", has("shell/screen.cpp", r'event\.button\.button == SDL_BUTTON_RIGHT && menuEnabled')),
               ("Good luck!", None)],   # no rule
    "nickel_1": [("Five reels, three rows, up to five pay lines (nine on some machines).",
                  has(V + "mardi_gras.cpp", r'maxLines = 9;'))],
    "nickel_2": [("The buttons 1 LINE, 2 LINES ... choose how many pay lines you play.",
                  has("machine/video_slot.cpp", r'chooseLines\(control, std::atoi\(n\.c_str\(\) \+ 4\)\)')),
                 ("Line 1 runs across the middle row, line 2 the top row, line 3 the bottom row; lines 4 and 5 make a V.",
                  has(V + "zookeeper.cpp", r'\{1, \{1, 1, 1, 1, 1\}', r'\{2, \{0, 0, 0, 0, 0\}', r'\{3, \{2, 2, 2, 2, 2\}',
                      r'\{4, \{0, 1, 2, 1, 0\}', r'\{5, \{2, 1, 0, 1, 2\}'))],
    "nickel_3": [("BET ONE adds a coin on every played line (key N).",
                  both(keys("machine/video_slot.cpp", ("n", "betOne")),
                       has("machine/video_slot.cpp", r'coins \+= 1; previewBet\(coins \* lines\);'))),
                 ("BET MAX plays every line at the most coins and spins (key M).",
                  both(keys("machine/video_slot.cpp", ("m", "betMax")),
                       has("machine/video_slot.cpp", r'::betMax\(\) \{[^}]*coins = maxCoins; lines = maxLines; pull\(\); \}'))),
                 ("CANCEL takes the coins back.", has("machine/video_slot.cpp", r'n == "cancel"\) \{ coins = 0;'))],
    "nickel_4": [("START (or Return) spins with the same bet again.",
                  both(keys("machine/video_slot.cpp", ("RETURN", "startButton")),
                       has("machine/video_slot.cpp", r'n == "start"\) \{ startButton\(\);'))),
                 ("Wins pay from the leftmost reel on a played line; winning lines flash over the reels.",
                  has("machine/video_slot.cpp", r'nicklepaylines'))],
    "nickel_5": [("Click the bill slot or the coin slot to add money.",
                  has("machine/video_slot.cpp", r'n == "coin" \|\| n == "money"\) \{ insertMoney\(\);')),
                 ("Click the coin value to change it.",
                  has("machine/video_slot.cpp", r'n == "denomination"\) \{ changeDenomination\(\);')),
                 ("CASH OUT (Escape) takes your credits back to the lobby; CHANGE goes to the cashier.",
                  both(keys("machine/video_slot.cpp", ("ESCAPE", r"cashOut\(false")),
                       has("machine/video_slot.cpp", r'n == "cashout"\) \{ cashOut\(false', r'n == "change"\) \{ cashOut\(true')))],
    "nickel_6": [("Scatter symbols pay anywhere on the reels.",
                  has(V + "zookeeper.cpp", r'reelsShowing\(chosen, "zebra"\)')),
                 ("Bonus symbols start the bonus game.", has(V + "magic.cpp", r'bonusTriggered = true')),
                 ("Page Up / Page Down show the machine's top and bottom glass.",
                  keys("machine/video_slot.cpp", ("PAGEUP", r'showMarquee\(this, "top"\)'),
                       ("PAGEDOWN", r'showMarquee\(this, "bottom"\)')))],
    "poker_1": [("Bet one to five coins with BET ONE, or press BET MAX to deal at five coins.",
                 has("poker/video_poker.cpp", r'coinsBet > 4 \|\|', r'n == "betmax"\) \{ if \(credits >= 5 && !handOut\) deal\(5\);')),
                ("DEAL gives you five cards.", has("poker/video_poker.cpp", r'n == "deal"\) \{')),
                ("Keys: Return deals, m bets max, n bets one more coin, Esc cashes out.",
                 has("poker/video_poker.cpp", r'case SDLK_RETURN: if \(handOut\) \{ drawCards\(\); \} else if \(int coins = '
                                              r'coinsToDeal\(\)\) \{ deal\(coins\);',
                     r'case SDLK_m: if \(credits >= 5 && !handOut\) deal\(5\);', r'case SDLK_n: betOne\(\);',
                     r'case SDLK_ESCAPE: cashOut\('))],
    "poker_2": [("Click a card or its HOLD button to keep it; click again to let it go.",
                 has("poker/video_poker.cpp", r'compare\(0, 4, "hold"\)[^}]*toggleHold', r'compare\(0, 4, "card"\)[^}]*toggleHold')),
                ("DRAW replaces every card that is not held.",
                 has("poker/video_poker.cpp", r'n == "deal"\) \{ if \(handOut\) drawCards\(\);'))],
    "poker_3": [("The final hand is paid by the table on the glass, per coin bet.",
                 # the rows themselves: test_poker_glass_pays_the_game_table
                 both(has("poker/video_poker.cpp", r'return e\.payPerCoin \* coinsPlayed;'),
                      has("poker/wild_poker.cpp", r'bestScore = search\.bestScore \* coinsPlayed;'))),
                ("A royal flush at five coins pays the big bonus.",
                 royal_bonus),
                ("Click the coin value to change it, the bill slot to add money.",
                 has("poker/video_poker.cpp", r'n == "denomination"\) \{ if \(!handOut\) changeDenomination\(\);',
                     r'n == "coin" \|\| n == "money"\) \{ if \(!handOut\) \{ insertMoney\(\);'))],
    "lobby_1": [("Walk up to any machine on the floor and click it to sit down: you play for $1 a coin.",
                 has("floor/lobby.cpp", r'findMachine\(n\)\) \{ next = machineScreen\(n, 1\.0f\);')),
                ("Right-click anywhere for the machine menu: choose the coin value on the top tabs, the kind of machine "
                 "on the tabs below, then the machine.",
                 has("shell/screen.cpp", r'event\.button\.button == SDL_BUTTON_RIGHT && menuEnabled'))],
    "lobby_2": [("STATISTICS: your wins and losses at every machine.",
                 has("floor/lobby.cpp", r'n == "stats"\) \{ if \(currentPlayer\) next = std::make_unique<StatsScreen>')),
                ("PRIZE ROOM: every dollar you bet earns a VIP point; spend them on prizes.",
                 both(has("machine/machine.cpp", r'addVipPoints\(bet\);'), has("poker/video_poker.cpp", r'addVipPoints\(coins\);'),
                      has("machine/bank.cpp", r'Money::dollars\(currentPlayer->vippoints\) \+ worth\(coins\)'))),
                ("Short of money? Press CHANGE on a machine and draw funds at the cashier.",
                 has("machine/bank.cpp", r'toCashier \? cashierScreen\(\)')),
                ("EXIT ends the game; your account is saved.",
                 has("floor/lobby.cpp", r'if \(n == "exit"\) \{ if \(theApp\) theApp->quit = 1;'))],
}
# The derby: its "HOW THE DERBY PAYS" glass (bottom.png), the two rules on
# its cabinet (back.png, by where they stand) and the pay table on both.
D = "derby/"
DERBY_CAR = has(D + "derby_pay.cpp", r'bool DemoDerby::winsTheCar\(int row, int pay\) const \{ '
                                     r'return row == 4 && betCoins == 5 && pay == 400; \}',
                r'\{"flag", 400, "racejack\.wav"\}')
DERBY_HOLD = has(D + "derby_spin.cpp", r'for \(int row = 0; row < rows; \+\+row\) \{ DerbyLine line\(3\); '
                                       r'for \(int reel = 0; reel < 3; \+\+reel\) \{ if \(held\[reel\]\) \{ '
                                       r'line\[reel\] = first\[reel\];')
DERBY_CAR_REPLACES = both(
    DERBY_CAR,
    has(D + "derby_pay.cpp", r'if \(winsTheCar\(i, pay\)\) \{ awardCarPrize\(\); total = 0; break; \}',
        r'if \(winsTheCar\(i, pay\)\) \{ playCarJackpotMovie\(this\); total = 0; break; \}'))
DERBY_GLASS = [
    ("Bet 1 to 5 coins on 1 to 5 plays.",
     has(D + "demo_derby.cpp", r'coins = coins <= 4 \? coins \+ 1 : 1;', r"which\[4\] >= '1' && which\[4\] <= '5'")),
    ("Play 1 spins first.", has(D + "derby_spin.cpp", r'lines\.clear\(\);.*lines\.push_back\(line\); respinPending = true;')),
    ("HOLD the reels you like, then RESPIN: the held reels carry into every play.", DERBY_HOLD),
    ("Three flags on play 5 at five coins win the car!", DERBY_CAR),
    ("The car takes the place of every credit that game would pay.", DERBY_CAR_REPLACES),
]
DERBY_CABINET = {(293, 524): ("HOLD the reels of play 1, then RESPIN", DERBY_HOLD),
                 (400, 584): ("THREE FLAGS ON PLAY 5 AT 5 COINS WIN THE CAR!", DERBY_CAR)}


def derby_pays():
    """{symbol or mixed class: pay per coin} as the derby pays a play."""
    text = source(D + "derby_pay.cpp")
    pays = {sym: int(pay) for sym, pay in re.findall(r'\{"(\w+)", (\d+), (?:"[\w.]+"|nullptr)\}', text)}
    pays["ANY 3 BARS"] = int(re.search(r'kMixedBarsPay = (\d+);', text).group(1))
    pays["ANY 3 TIRES"] = int(re.search(r'kMixedTiresPay = (\d+);', text).group(1))
    return pays


# ---- the rules that change a pay, and what a glass must say of each ---------

NUMBER_WORDS = {2: "DOUBLE", 3: "TRIPLE", 4: "FOUR", 9: "NINE"}


def coins_said(counts):
    """How a glass names coin counts: "3 COINS", "1 COIN", "2 OR 3 COINS"."""
    return r"\b%s COINS?\b" % " OR ".join(str(c) for c in sorted(counts))


def times_said(n):
    return r"(\bx%d\b|\b%d TIMES\b|\bBY %d\b%s)" % (n, n, n, "|" + NUMBER_WORDS[n] if n in NUMBER_WORDS else "")


def together(*patterns):
    """All the patterns in one text, in any order."""
    return "".join("(?=.*%s)" % p for p in patterns)


def pay_rules(mid):
    """[(rule, pattern)]: the rules of a reel machine, read off its code,
    that change what a row pays (a wild's multiplier, a pay or a prize that
    holds at some coin counts only, a wheel that pays instead of the line or
    on top of it, the full bet paid as two coins, a symbol that doubles the
    line, the progressive jackpot in place of the top row, the fixed pays of
    the full bet), each with what a player must read on the glass."""
    rel, out = machine_source(mid), []
    text = re.sub(r"\s+", " ", source(rel))
    if rel.startswith((THREE, PATRIOT)):
        most, per_coin = max_coins(rel, mid), multiplies_by_coins(rel, mid)
        for name, (mult, _) in sorted(three_reel_wilds(rel).items()):
            if mult > 1:
                out.append(("the %s multiplies by %d" % (name, mult), together(r"WILD", times_said(mult))))
        for (syms, prize), counts in sorted(coin_rules(rel).items()):
            if per_coin or counts != set(range(1, most + 1)):
                out.append(("%s pays %s at %s coins only" % ("/".join(syms), prize, sorted(counts)),
                            together(coins_said(counts), r"\b%s\b" % prize)))
        if per_coin and re.search(r'payTwoCoinsWorthAtFullBet\(\);|win = win / coins \* 2;', text):
            out.append(("the full bet pays as 2 coins", together(coins_said([most]), r"EVERY (OTHER )?WIN PAYS AS 2 COINS")))
        spin = re.search(r'(placeOnReel\("spin", 2\)|result\.chosen\[2\] = s;)[^;]*;? ?\}? ?if \(coins == maxCoins\)'
                         r' (\{ win = 0; )?bonusPending = true;', text)
        if spin:
            out.append(("the wheel pays %s the line" % ("in place of" if spin.group(2) else "on top of"),
                        together(coins_said([most]), r"WHEEL PAYS %s THE LINE"
                                 % ("IN PLACE OF" if spin.group(2) else "ON TOP OF"))))
    elif "OfAKindRow> payTable" in text:
        doubler = video_doubler(rel)
        if doubler:
            out.append(("the %s doubles the line" % doubler, together(r"\b%s\b" % doubler.upper(), "DOUBLES THE LINE")))
            alone = [2 * p for p in video_rows(rel).get((doubler,), []) if p]
            if alone:
                said = ", ".join(map(str, alone[:-1])) + " OR %d" % alone[-1]
                out.append(("%ss alone pay %s" % (doubler, said), together("ALONE", r"\b%s\b" % said)))
        if re.search(r'const int \w+AtMaxBet\[', text):
            out.append(("fixed pays at the full bet", "AT THE FULL BET"))
    else:
        base = re.search(r'FiveLineWildMachine\((\d)\.0, payTable', text)
        if base:
            n = int(base.group(1))
            out.append(("each wild multiplies the line by %d" % n,
                        together(r"WILD %sS THE LINE" % NUMBER_WORDS[n], r"TWO WILDS", times_said(n * n))))
        if "playJackpotMovie(this)" in text:
            out.append(("the top row wins the progressive jackpot", "PROGRESSIVE JACKPOT"))
    return out


# Rules the code does in ways the reading above can't see, each with the
# code that does it.
MORE_PAY_RULES = {
    "10x": [("two wilds pay 100 times", "TWO WILDS PAY 100 TIMES", each_wild(T + "ten_x.cpp", "wild", 10, 100))],
    "5x": [("two wilds pay 25 times", "TWO WILDS PAY 25 TIMES", each_wild(T + "five_x.cpp", "wild", 5, 25)),
           ("the car takes the place of the spin's credits", "CAR TAKES THE PLACE OF EVERY CREDIT THAT SPIN",
            FIVE_X_CAR)],
    "wildsourapple": [("the car takes the place of the spin's credits", "CAR TAKES THE PLACE OF EVERY CREDIT THAT SPIN",
                       SOUR_APPLE_CAR)],
    "doubledicedeluxe": [("two wilds pay 4 times", "TWO WILDS PAY 4 TIMES",
                          each_wild(T + "double_dice_deluxe.cpp", "wild", 2, 4))],
    "tripledicedeluxe": [("two wilds pay 9 times", "TWO WILDS PAY 9 TIMES",
                          each_wild(T + "triple_dice_deluxe.cpp", "wild", 3, 9))],
    "doubledicespinforcash": [("two wilds pay 4 times", "TWO WILDS PAY 4 TIMES",
                               each_wild(T + "double_dice_spin_for_cash.cpp", "wild", 2, 4))],
    "doubledice": [("two wilds pay 4 times", "TWO WILDS PAY 4 TIMES", each_wild(T + "double_dice.cpp", "wild", 2, 4)),
                   ("the car takes the place of the spin's credits", "CAR TAKES THE PLACE OF EVERY CREDIT THAT SPIN",
                    DOUBLE_DICE_CAR)],
    "tripledice": [("two wilds pay 9 times", "TWO WILDS PAY 9 TIMES", each_wild(T + "triple_dice.cpp", "wild", 3, 9)),
                   ("the car takes the place of the spin's credits", "CAR TAKES THE PLACE OF EVERY CREDIT THAT SPIN",
                    TRIPLE_DICE_CAR)],
    "doubledoubledice": [("two wilds pay 16 times", "TWO WILDS PAY 16 TIMES",
                          each_wild(T + "double_double_dice.cpp", "wild", 4, 16))],
    "tripletriple": [("two wilds pay 81 times", "TWO WILDS PAY 81 TIMES",
                      each_wild(T + "triple_triple.cpp", "wild", 9, 81))],
    "doubletriple": [("two wilds pay 4, 6 or 9 times", together(r"EACH WILD THAT STANDS IN MULTIPLIES THE WIN BY ITS x2 OR x3\b",
                                                                "TWO WILDS PAY 4, 6 OR 9 TIMES"),
                      DOUBLE_TRIPLE_WILDS)],
    "wildapple": [("two lit wilds pay 4 times", "TWO LIT WILDS PAY 4 TIMES", each_wild(T + "wild_apple.cpp", "wild", 2, 4)),
                  ("a spent wild leaves the win alone", "SPENT WILD STANDS IN TOO BUT LEAVES THE WIN AS IT IS",
                   APPLE_SPENT_WILD)],
    "patriotwild": [("two wilds pay 4 times", "TWO WILDS PAY 4 TIMES", each_wild(P + "patriot_wild.cpp", "wild", 2, 4))],
    "shortcircuit": [("a win may be paid again by a free re-spin", together("FREE RE-SPIN", "SAME WIN", "NO BET"),
                      RESPIN)],
    "crazydice": [("at the full bet a win may roll the dice", together(r"AT 3 COINS", r"\bWIN\b", r"\bDIE\b"),
                   DIE_AT_FULL_BET),
                  ("the dice multiply the win by their sum", together("DICE ADDED UP MULTIPLY THE WIN", "2 TO 12 TIMES"),
                   DICE_MULTIPLY)],
    "dragonspin": [("the third reel may spin again", "THIRD REEL MAY SPIN AGAIN", DRAGON)],
    "mountainclimber": [("climb symbols move the climber", together("CLIMB", "TWICE AS FAR"), CLIMB),
                        ("where the climb pays", together(r"SUMMIT: 100\b", r"20 SPINS", r"\b20 OR 50\b"), CLIMB_PAYS)],
}


def glass_texts(mid):
    """What a player reads together on a machine's glass: each line under
    the table, run on into the next while it ends in ":" or "," or heads a
    note ("* ..."), and each pay row with its amount and, when its label
    carries a "*", the note that "*" starts."""
    pg = generate._recipe_import("_pay_glass")
    rows, lines = pg.table_of(mid)[2], glass_lines(mid)

    def sentence(k):
        said = lines[k]
        while k + 1 < len(lines) and (lines[k].rstrip().endswith((":", ",")) or lines[k].startswith("*")):
            k += 1
            said += " " + lines[k]
        return said
    out = [sentence(k) for k in range(len(lines))]
    star = [k for k, line in enumerate(lines) if line.startswith("*")]
    for row in rows:
        if isinstance(row[1], list):
            continue
        said = "%s %s" % (row[0], "JACKPOT" if row[1] == "JP" else row[1])
        if "*" in str(row[0]) and star:
            said += " " + sentence(star[0])
        out.append(said)
    return out


NAVIGATION = re.compile(r"\s*(click|press)[^.]*\b(go on|play|playing)\.\s*$", re.I)


# ---- what the pictures say ---------------------------------------------------

def _machine(mid):
    return generate._recipe_import("machines." + mid)


def glass_lines(mid):
    pg = generate._recipe_import("_pay_glass")
    return [pg.line_parts(line)[0] for line in pg.table_of(mid)[3]]


def read_recipe(name):
    """A recipe file's names (the marquee's list of reel machines)."""
    ns = {"__builtins__": generate._SAFE_BUILTINS}
    path = os.path.join(ASSETGEN, "recipes", name)
    with open(path, "rb") as f:
        exec(compile(f.read(), path, "exec"), ns)
    return ns


def poker_note(mid):
    """The note under a poker machine's pay glass, as its cabinet and its
    bottom panel write it."""
    m = _machine(mid)
    back = [i for i in m.ITEMS if i.get("file") == "back.png"][0]
    bottom = [i for i in m.ITEMS if i.get("file") == "bottom.png"][0]
    notes = [e["text"] for e in back["elements"] if e.get("at") == [400, 259]]
    return notes, bottom["lines"]


def page_sentences():
    """{page name: its text without the closing navigation line}."""
    _, jobs = check.planned()
    out = {}
    for _, _, item, _, outs in jobs:
        for o in outs:
            m = re.match(r"^gfx/help/([a-z]+_\d+)\.png$", o)
            if m:
                lines = [line[0] if isinstance(line, (list, tuple)) else line for line in item.get("lines", [])]
                text = " ".join(str(line) for line in lines if line)
                out[m.group(1)] = NAVIGATION.sub("", re.sub(r"\s+", " ", text)).strip()
    return out


class GlassRules(unittest.TestCase):

    def test_every_glass_sentence_is_listed(self):
        machines = [row[0] for row in read_recipe("marquee.py")["REEL_MACHINES"]]
        self.assertEqual(sorted(machines), sorted(GLASS))
        for mid in machines:
            with self.subTest(machine=mid):
                listed = [line for entry in GLASS[mid] for line in entry[:-1]]
                self.assertEqual(listed, glass_lines(mid))

    def test_the_game_pays_what_each_glass_says(self):
        for mid, entries in GLASS.items():
            for entry in entries:
                with self.subTest(machine=mid, sentence=" ".join(entry[:-1])):
                    entry[-1](self)

    def test_every_rule_that_changes_a_pay_stands_on_the_glass(self):
        found = 0
        for mid in GLASS:
            texts = glass_texts(mid)
            for what, pattern in pay_rules(mid):
                found += 1
                with self.subTest(machine=mid, rule=what):
                    self.assertTrue([s for s in texts if re.search(pattern, s)],
                                    "the glass doesn't say it (%s):\n%s" % (pattern, "\n".join(texts)))
            for what, pattern, rule_check in MORE_PAY_RULES.get(mid, []):
                with self.subTest(machine=mid, rule=what):
                    rule_check(self)
                    self.assertTrue([s for s in texts if re.search(pattern, s)],
                                    "the glass doesn't say it (%s):\n%s" % (pattern, "\n".join(texts)))
        # the reading finds the rules it was written for
        self.assertGreater(found, 60)

    def test_the_rules_read_off_the_code_are_the_machines_rules(self):
        # a tripwire on the reading itself: a few machines whose rules are
        # known from their sheets, each rule named as pay_rules names it
        def rules(mid):
            return [what for what, _ in pay_rules(mid)]
        self.assertCountEqual(["the wild multiplies by 2", "wild pays 5000 at [3] coins only"], rules("doubledicedeluxe"))
        self.assertCountEqual(["coins/money pays 100 at [2, 3] coins only", "coins pays 150 at [2, 3] coins only",
                          "money pays 500 at [2, 3] coins only", "the wheel pays on top of the line"],
                         rules("wheelofcash"))
        self.assertCountEqual(["the wild multiplies by 2", "the full bet pays as 2 coins", "the wheel pays in place of the line"],
                         rules("doubledicespinforcash"))
        self.assertCountEqual(["the mask doubles the line", "masks alone pay 150, 2000 OR 20000", "fixed pays at the full bet"],
                         rules("mardigras"))
        self.assertEqual(["each wild multiplies the line by 3"], rules("5linetriple"))

    def test_a_symbol_said_to_stand_in_for_every_symbol_does(self):
        # read off the sentence itself: "THE MASK STANDS IN FOR EVERY SYMBOL"
        # (with no "BUT ..." after it) holds only if the game lets that
        # symbol stand in for every other symbol the machine has
        said = re.compile(r"^THE (\w+) STANDS IN FOR (EVERY|ANY) (OTHER )?SYMBOL(?!S? (BUT|EXCEPT))")
        found = 0
        for mid in GLASS:
            for line in glass_lines(mid):
                m = said.match(line)
                if not m:
                    continue
                found += 1
                sub = m.group(1).lower()
                with self.subTest(machine=mid, sentence=line):
                    rel = machine_source(mid)
                    if "OfAKindRow" in source(rel):
                        rows = video_rows(rel)
                        every = set(declared_video(rel)) - {sub}
                        got = {s for syms in rows for s in syms if sub in syms and s != sub}
                    else:
                        wilds = three_reel_wilds(rel)
                        self.assertIn(sub, wilds)
                        every, got = set(declared(rel)) - set(wilds), wilds[sub][1]
                    self.assertEqual(set(), every - got, "the %s never stands in for these" % sub)
        self.assertGreater(found, 0)

    def test_three_reel_glass_says_whether_it_pays_per_coin(self):
        # the unit over the table: "PAYS PER COIN" where the game multiplies
        # the awards by the coins bet, a pay for the whole bet where it does not
        machines = [row[0] for row in read_recipe("marquee.py")["REEL_MACHINES"] if row[2] == "threereel"]
        pg = generate._recipe_import("_pay_glass")
        sources = {f: source(d + f) for d in (THREE, PATRIOT) for f in os.listdir(os.path.join(SRC, d))
                   if f.endswith(".cpp")}
        patriot_multiplies = re.search(r'void configureMachine\([^)]*\) \{[^}]*m\.multiplyByCoins = true;',
                                       source(PATRIOT + "patriot_family.cpp"))
        for mid in machines:
            with self.subTest(machine=mid):
                flags = [m.group(1) for text in sources.values()
                         for m in [re.search(r'setUpMachine\("%s", \d+, (true|false)' % mid, text)] if m]
                if not flags and any('configureMachine(*this, "%s"' % mid in text for text in sources.values()):
                    flags = ["true" if patriot_multiplies else "false"]
                self.assertEqual(1, len(flags), "no set-up found")
                unit = pg.table_of(mid)[1]
                if flags[0] == "true":
                    self.assertTrue(unit.startswith("PAYS PER COIN"), unit)
                else:
                    self.assertIn(unit, ("PAYS FOR THE BET", "PAYS PER BET"))

    def test_every_poker_note_is_listed_and_paid(self):
        for mid, (note, rule_check) in POKER_NOTES.items():
            notes, panel = poker_note(mid)
            with self.subTest(machine=mid, listed=note):
                self.assertEqual([note], notes)
                self.assertIn(note, panel)
            with self.subTest(machine=mid, paid=note):
                rule_check(self)

    def test_poker_glass_pays_the_game_table(self):
        # every row of the glass is a hand the game pays, at the glass's pay;
        # hands the glass leaves out pay nothing
        Probe.build()
        for mid in POKER_NOTES:
            rows = _machine(mid).ROWS
            for row in rows:
                label, pay = row[0], row[1]
                hand = POKER_WILD_HANDS.get(label, {}).get(mid, POKER_HAND_OF[label])
                with self.subTest(machine=mid, row=label):
                    name, got = Probe.pays(mid, hand)
                    self.assertEqual(pay, got, hand)
                    if label in POKER_HANDS:
                        self.assertEqual(POKER_HANDS[label], name, hand)
                    if len(row) > 2:
                        self.assertEqual(row[2] // 5, Probe.pays(mid, hand, 5)[1], "%s at 5 coins" % label)
            labels = {row[0] for row in rows}
            lowest = min([PAIR_RANK[label] for label in labels if label in PAIR_RANK] or [15])
            below = {10: "9", 11: "10", 13: "Q", 15: "A"}[lowest]
            unpaid = ["%sS %sH 4D 6C 8S" % (below, below)] + ([] if "Two Pair" in labels else ["QS QH 4D 4C 8S"])
            for hand in unpaid:
                with self.subTest(machine=mid, unpaid=hand):
                    self.assertEqual(("nothing", 0), Probe.pays(mid, hand))

    def test_every_help_page_sentence_is_listed_and_true(self):
        pages = page_sentences()
        self.assertEqual(sorted(PAGES), sorted(pages))
        for name, entries in PAGES.items():
            with self.subTest(page=name):
                self.assertEqual(" ".join(s for s, _ in entries), pages[name])
            for sentence, rule_check in entries:
                if rule_check:
                    with self.subTest(page=name, sentence=sentence):
                        rule_check(self)


    def test_the_derby_glass_and_cabinet_say_what_it_pays(self):
        m = _machine("demoderby")
        bottom = [i for i in m.ITEMS if i.get("file") == "bottom.png"][0]
        back = [i for i in m.ITEMS if i.get("file") == "back.png"][0]
        lines = [line[0] if isinstance(line, (list, tuple)) else line for line in bottom["lines"]]
        said = " ".join(line for line in lines if line)
        self.assertEqual(" ".join(s for s, _ in DERBY_GLASS), said)
        # the car is no win on top of the others: the glass says it replaces them
        DERBY_CAR_REPLACES(self)
        self.assertRegex(said, r"win the car!.*car takes the place of every credit that game would pay")
        for sentence, rule_check in DERBY_GLASS:
            with self.subTest(glass=sentence):
                rule_check(self)
        for at, (sentence, rule_check) in DERBY_CABINET.items():
            with self.subTest(cabinet=sentence):
                self.assertEqual([sentence], [e["text"] for e in back["elements"] if e.get("at") == list(at)])
                rule_check(self)
        pays = derby_pays()
        for sym, label, pay in m.PAYS:
            with self.subTest(row=label):
                self.assertEqual(pays[sym or label], pay)
        self.assertEqual(sorted(pays), sorted(sym or label for sym, label, _ in m.PAYS))

if __name__ == "__main__":
    unittest.main()

// The wheel and dice machines: the spin hooks that put a bonus symbol on the
// third reel and the pay at full bet; the red/black gamble screen of the dice
// wheel; the bonus inside a settle; the patriot wheel's real spin; and the
// hidden pay-out test, which arms no bonus.
#include <SDL_image.h>

#include <cmath>
#include <cstring>
#include <deque>
#include <functional>
#include <set>
#include <memory>
#include <sstream>
#include <string>
#include <vector>
#include <utility>

#include "machines/patriot/patriot_spin_for_cash.h"
#include "player/save_files.h"
#include "machines/threereel/crazy_dice.h"
#include "machines/threereel/double_dice_spin_for_cash.h"
#include "machines/threereel/gamble_wheel.h"
#include "machines/threereel/three_reel_session.h"
#include "machines/threereel/wheel_of_cash.h"
#include "shell/animation.h"
#include "shell/app.h"
#include "shell/display.h"
#include "support/test_clock.h"

using namespace reelsession;

namespace {

// Scripted wheel stops; the gamble screen reads the pointer where each
// press put it (the test input, scripted).
std::deque<std::pair<int, std::string>> scriptedStops;
int spinsTaken = 0;
std::function<void()> atSpin;  // looks at the screen as a spin starts

void scriptedTurn(Animation&, int& prize, std::string& colour, const WheelDrawn& drawn) {
    ++spinsTaken;
    if (atSpin) atSpin();
    ASSERT_FALSE(scriptedStops.empty()) << "a spin nobody asked for";
    prize = scriptedStops.front().first;
    if (!scriptedStops.front().second.empty()) colour = scriptedStops.front().second;
    scriptedStops.pop_front();
    if (drawn) drawn(prize, colour);
}

// The dice machine with its wheel turning as scripted.
class ScriptedDice : public DoubleDiceSpinForCash {
public:
    using DoubleDiceSpinForCash::DoubleDiceSpinForCash;
    void spinWheel(Animation& wheel, int& prize, std::string& colour, const WheelDrawn& drawn) override {
        scriptedTurn(wheel, prize, colour, drawn);
    }
};

const std::pair<int, int> kRed{510, 550}, kBlack{630, 550}, kCollect{570, 550}, kNowhere{100, 100};

// A press: the pointer is read when the gamble takes the event.
void press(std::pair<int, int> where) {
    testInput.points.push_back(where);
    pushClick(where.first, where.second);
}

template <class M>
bool& pendingOf(ThreeReelMachine& m) {
    return static_cast<M&>(m).bonusPending;
}

// A machine's spin hook: the symbol it puts on the third reel one spin in
// `oneIn` (0: the reels never show it), whether at full bet it then takes
// the line's pay away, and whether a full-bet line pays two coins' worth.
struct Hook {
    const char* id;
    const char* symbol;
    int oneIn;
    bool replacesLine;
    bool twoCoinsWorth;
    bool& (*pending)(ThreeReelMachine&);
};

const Hook hooks[] = {
    {"doubledicespinforcash", "spin", 50, true, true, pendingOf<DoubleDiceSpinForCash>},
    {"patriotspinforcash", "spin", 50, true, true, pendingOf<PatriotSpinForCash>},
    {"wheelofcash", "spin", 40, false, false, pendingOf<WheelOfCash>},
    {"crazydice", "dice", 0, false, true, pendingOf<CrazyDice>},
};

// A gamble screen given its wheel stops and the player's input: presses on
// red, black, collect or elsewhere, a release, a key, a window close.
struct Gamble {
    std::vector<std::pair<int, std::string>> stops;
    const char* input;
    int bank;
    std::vector<std::string> heard, silent;
    bool quit;
};

class WheelMachines : public MachineFixture {
protected:
    void script(const std::vector<std::pair<int, std::string>>& stops) {
        scriptedStops.assign(stops.begin(), stops.end());
        testInput.scripted = true;
        testInput.points.clear();
        spinsTaken = 0;
        atSpin = nullptr;
    }
    void TearDown() override {
        atSpin = nullptr;
        MachineFixture::TearDown();
    }
};

}  // namespace

// The hook shows only on the third reel and arms the bonus at full bet
// alone, winning line or not. Otherwise whole-bet lines pay as drawn and
// per-coin lines by the coins bet.
TEST_F(WheelMachines, SpinHooksAndTheFullBetPay) {
    const int N = 60000;
    for (const Hook& h : hooks) {
        SCOPED_TRACE(h.id);
        std::unique_ptr<ThreeReelMachine> m(openMachine<ThreeReelMachine>(h.id));
        long long topWild = 1;
        for (const WildSymbol* w : m->wilds) topWild = std::max<long long>(topWild, w->multiplier);
        for (int coins = 1; coins <= 3; ++coins) {
            m->coins = coins;
            int shown = 0, winningShown = 0;
            for (int i = 0; i < N; ++i) {
                h.pending(*m) = false;
                m->spin();
                for (int reel = 0; reel < 2; ++reel) ASSERT_NE(m->result.chosenSymbol(reel)->name, h.symbol);
                const bool hook = m->result.chosenSymbol(2)->name == h.symbol;
                shown += hook;
                winningShown += hook && m->result.matched;
                ASSERT_EQ(h.pending(*m), hook && coins == 3);
                const long long drawn = m->result.matched ? m->result.award * wildFactor(*m) : 0;
                const bool forTheBet = !m->multiplyByCoins || m->result.payKind == payWholeBet;
                const long long pay = forTheBet ? drawn : drawn * (coins == 3 && h.twoCoinsWorth ? 2 : coins);
                if (hook && coins == 3 && h.replacesLine) {
                    ASSERT_EQ(m->win, 0);
                } else if (hook) {
                    ASSERT_TRUE(m->win == pay || m->win == pay * topWild) << m->win << ": the hook covered a wild";
                } else {
                    ASSERT_EQ(m->win, pay);
                }
            }
            const double expected = h.oneIn ? N / h.oneIn : 0;
            EXPECT_NEAR(shown, expected, 5 * std::sqrt(expected)) << coins;
            EXPECT_EQ(winningShown > 0, h.oneIn > 0) << coins;
        }
        // The hidden pay-out test spins at full bet without settling: a bonus
        // it arms must not start at the player's next real spin.
        m->credits = 100;
        m->coins = 1;
        m->payoutTest();
        EXPECT_EQ(m->coins, 1) << "the bet comes back";
        EXPECT_FALSE(h.pending(*m));
    }
}

TEST_F(WheelMachines, GambleDoublesLosesAndCollects) {
    const Gamble gambles[] = {
        // Collect at once: the first prize, with the clap and the closing sound;
        // a close queued after the screen's end is a guard, only seen if it waits on.
        {{{500, "red"}}, "collect quit", 500, {"birdclap.wav", "doubintr.wav"}, {}, false},
        // Two won gambles on 500; presses elsewhere, releases and keys change nothing.
        {{{500, "black"}, {25, "black"}, {2500, "red"}}, "nowhere release key black red collect quit", 2000, {}, {},
         false},
        // A lost gamble: nothing, no closing sound, and the screen ends there.
        {{{100, "red"}, {10, "black"}}, "red collect", 0, {"ohh.wav"}, {"doubintr.wav"}, false},
        // A window close during the gamble keeps the bank and reaches the frame loop.
        {{{150, "black"}, {20, "red"}}, "red quit collect", 300, {}, {}, true},
    };
    for (const Gamble& g : gambles) {
        SCOPED_TRACE(g.input);
        script(g.stops);
        std::istringstream input(g.input);
        for (std::string e; input >> e;) {
            if (e == "quit") pushQuit();
            else if (e == "release") pushClick(kRed.first, kRed.second, SDL_MOUSEBUTTONUP);
            else if (e == "key") pushKey(SDLK_r, 'r');
            else press(e == "red" ? kRed : e == "black" ? kBlack : e == "collect" ? kCollect : kNowhere);
        }
        clearLoadedAssets();
        EXPECT_EQ(runGambleWheelBonus(diceWheel(), diceGamble(), scriptedTurn), g.bank);
        EXPECT_EQ(spinsTaken, static_cast<int>(g.stops.size()));
        for (const std::string& s : g.heard) EXPECT_TRUE(heard(s)) << s;
        for (const std::string& s : g.silent) EXPECT_FALSE(heard(s)) << s;
        EXPECT_EQ(quitRequested(), g.quit);
        // Polled without the modal poll, so a close left over stays unseen.
        EXPECT_EQ(testrt::pendingEvents(), 1) << "what follows the screen's end is left queued";
        testrt::drainEvents();
    }
}

TEST_F(WheelMachines, BonusInsideTheSettle) {
    DoubleDiceSpinForCash* d = open<ScriptedDice>();
    script({{150, "black"}, {20, "black"}});
    press(kBlack);
    press(kCollect);
    d->credits = 10;
    d->coins = 3;
    d->win = 0;
    d->bonusPending = true;
    d->result.reset();
    clearLoadedAssets();
    d->settle();
    EXPECT_FALSE(d->bonusPending);
    EXPECT_EQ(d->credits, 10 - 3 + 300);
    EXPECT_TRUE(heard("doubjack.wav")) << "300 is above 200";
    delete d;

    // The cash wheel: the line's pay and the wheel's prize together.
    std::unique_ptr<WheelOfCash> w(open<WheelOfCash>());
    w->credits = 10;
    w->coins = 3;
    do w->spin();
    while (!w->result.matched);
    const int line = w->win;
    w->bonusPending = true;
    clearLoadedAssets();
    w->settle();
    EXPECT_FALSE(w->bonusPending);
    const int prize = w->credits - (10 - 3 + line);
    std::set<int> prizes;
    for (const WheelStop& s : cashWheel().stops) prizes.insert(s.prize);
    EXPECT_EQ(prizes.count(prize), 1u) << prize;
    EXPECT_TRUE(heard("birdclap.wav"));
    EXPECT_EQ(heard("wheeljack.wav"), line + prize > 99);
}

// The two gamble screens as their layout tables give them: "bonus.png" over
// the whole screen, the wheel's frame 0 at (217, 81) with its colour key, and
// the buttons at their places (red, collect, black in one row at y 533). At
// every moment the screen holds exactly those pictures and nothing else: no
// text or window of the screen's own.
namespace {

struct GambleScreen {
    const char* id;
    const PrizeWheelSpec& (*wheel)();
    const GambleLayout& (*layout)();
    const char* folder;
    const char* wheelFrame0;
    int redX, collectX, blackX;
};

// One picture at a place, as the screen should show it.
struct Layer {
    std::string file;
    int x, y;
    bool colourKey;
};

// The screen the layers make, in the display's format, next to the real one:
// how many pixels differ.
int pixelsOff(const std::vector<Layer>& layers) {
    SurfacePtr want(SDL_CreateRGBSurface(SDL_SWSURFACE, screenWidth, screenHeight, display->screen->format->BitsPerPixel,
                                         display->screen->format->Rmask, display->screen->format->Gmask,
                                         display->screen->format->Bmask, 0));
    for (const Layer& l : layers) {
        SDL_Surface* picture = IMG_Load(l.file.c_str());
        EXPECT_NE(picture, nullptr) << l.file;
        if (!picture) continue;
        if (l.colourKey) SDL_SetColorKey(picture, SDL_SRCCOLORKEY, SDL_MapRGB(picture->format, 255, 0, 255));
        SDL_Rect at = {static_cast<Sint16>(l.x), static_cast<Sint16>(l.y), 0, 0};
        SDL_BlitSurface(picture, nullptr, want.get(), &at);
        SDL_FreeSurface(picture);
    }
    const SDL_Surface* got = display->screen;
    int off = 0;
    for (int y = 0; y < screenHeight; ++y)
        off += std::memcmp(static_cast<Uint8*>(want->pixels) + y * want->pitch,
                           static_cast<Uint8*>(got->pixels) + y * got->pitch, screenWidth * got->format->BytesPerPixel) != 0;
    return off;  // rows that differ
}

}  // namespace

TEST_F(WheelMachines, GambleScreensShowTheirPicturesAtTheirPlacesAndNothingElse) {
    const GambleScreen screens[] = {
        {"patriotspinforcash", patriotWheel, patriotGamble, "../gfx/bonus/patriotspinforcash/", "patspin.png.0", 513, 572,
         632},
        {"doubledicespinforcash", diceWheel, diceGamble, "../gfx/bonus/doubledicespinforcash/", "dicespin.png.0", 491, 551,
         611},
    };
    for (const GambleScreen& g : screens) {
        SCOPED_TRACE(g.id);
        const std::string f = g.folder;
        const std::vector<Layer> opened = {{f + "bonus.png", 0, 0, false}, {f + g.wheelFrame0, 217, 81, true}};
        auto with = [&](const std::string& file, int x) {
            std::vector<Layer> l = opened;
            l.push_back({f + file, x, 533, false});
            return l;
        };
        // The first spin, a gamble on red just inside its corner, one on black,
        // then collect: the screen at each spin and at the closing pause.
        script({{500, "red"}, {25, "red"}, {20, "black"}});
        press({g.redX + 1, 534});
        press({g.blackX + 1, 534});
        press({g.collectX + 1, 534});
        std::vector<int> offAtSpin;
        atSpin = [&] {
            offAtSpin.push_back(pixelsOff(spinsTaken == 1   ? opened
                                          : spinsTaken == 2 ? with("red_flash.png", g.redX)
                                                            : with("black_flash.png", g.blackX)));
        };
        int offAtClose = -1;
        testClock.atPause = [&](Uint32 ms) {
            if (ms == 4000) offAtClose = pixelsOff(with("collect_click.png", g.collectX));
        };
        EXPECT_EQ(runGambleWheelBonus(g.wheel(), g.layout(), scriptedTurn), 2000);
        testClock.atPause = nullptr;
        EXPECT_EQ(spinsTaken, 3) << "each press reached its button";
        EXPECT_EQ(offAtSpin, std::vector<int>({0, 0, 0})) << "rows off the layout at each spin";
        EXPECT_EQ(offAtClose, 0) << "rows off the layout at the close";
        testrt::drainEvents();
    }
}

// The patriot wheel turned for real (under a fast clock) stops on a frame
// and pays that frame.
TEST_F(WheelMachines, PatriotWheelPaysItsStopFrame) {
    std::unique_ptr<PatriotSpinForCash> m(open<PatriotSpinForCash>());
    std::unique_ptr<Animation> wheel = openWheelScreen(patriotWheel());
    ASSERT_EQ(wheel->frameCount(), 24);
    for (int i = 0; i < 3; ++i) {
        int prize = -1;
        std::string colour = "none";
        wheel->setFps(40);
        m->spinWheel(*wheel, prize, colour);
        std::string want;
        EXPECT_EQ(prize, wheelPrizeAt(patriotWheel(), wheel->frameIndex, &want));
        EXPECT_GT(prize, 0);
        EXPECT_EQ(colour, want);
    }
    wheel.reset();
    display->restoreScreen();
}

// Every stop frame of the three wheels, from their prize cards: the prize and
// the colour each frame gives, and nothing one frame past the wheel.
TEST(PrizeWheels, EveryStopFramePaysItsPrize) {
    const std::vector<int> cash = {400, 5, 250, 25, 500, 50, 100, 15, 300, 10, 200, 50, 30, 1000, 10, 100, 25, 150, 75, 600};
    std::string want, got;
    for (int frame = 0; frame <= 40; ++frame) {
        want += std::to_string(frame < 40 ? cash[frame / 2] : 0) + " ";
        got += std::to_string(wheelPrizeAt(cashWheel(), frame)) + " ";
    }
    EXPECT_EQ(got, want) << "cash wheel";
    const struct {
        const PrizeWheelSpec& spec;
        const char* frames;  // prize and colour of frames 0 to 23, then frame 24
    } gambles[] = {
        {diceWheel(), "25b 20r 20r 50b 50b 50b 100r 100r 10b 10b 10b 500r 500r 15b 15b 15b 2500r 2500r "
                      "150b 150b 150b 30r 25b 25b 0-"},
        {patriotWheel(), "25b 20r 20r 50b 50b 100r 100r 10b 10b 10b 500r 500r 15b 15b 15b 2500r 2500r "
                         "150b 150b 30r 30r 30r 25b 25b 0-"},
    };
    for (const auto& g : gambles) {
        std::string seen;
        for (int frame = 0; frame <= 24; ++frame) {
            std::string colour = "-";
            const int prize = wheelPrizeAt(g.spec, frame, &colour);
            seen += std::to_string(prize) + (colour == "-" ? "-" : colour.substr(0, 1)) + " ";
        }
        EXPECT_EQ(seen, std::string(g.frames) + " ") << g.spec.folder;
    }
}

// ---- a wheel's outcome is kept the moment it is drawn ----------------------
//
// A full-bet pull that opens the machine's wheel, followed rest by rest and
// pause by pause. The save file read at each of those moments is what a game
// killed there would leave; a window close pushed at one of them must settle
// the bonus exactly as the same seed played through does.

namespace {

const char* const kKeeper = "Wheel_Keeper";

std::string keeperFile() { return testrt::readFile(savefiles::savePath(kKeeper)); }

double moneyIn(const std::string& text) {
    const size_t at = text.find("\nmoney=");
    return at == std::string::npos ? -1.0 : std::stod(text.substr(at + 7));
}

// A machine whose wheel turns for real, each spin's draw noted as it is made.
template <class M>
class Watched : public M {
public:
    using M::M;
    std::vector<std::pair<int, std::string>> draws;
    void spinWheel(Animation& wheel, int& prize, std::string& colour, const WheelDrawn& drawn) override {
        M::spinWheel(wheel, prize, colour, [this, &drawn](int p, const std::string& c) {
            draws.push_back({p, c});
            if (drawn) drawn(p, c);
        });
    }
};
template <>
class Watched<WheelOfCash> : public WheelOfCash {
public:
    using WheelOfCash::WheelOfCash;
    std::vector<std::pair<int, std::string>> draws;  // the plain wheel turns inside its screen
};

struct Moment {
    bool inBonus;   // the wheel's screen is up
    double money;   // what the save file says
    size_t draws;   // the spins drawn by then
};

struct WheelPlay {
    double base = 0;  // the money in the file right after the pull
    std::vector<Moment> moments;
    std::vector<std::pair<int, std::string>> draws;
    std::string file;  // once the play has ended
};

// The first seed from `from` whose full-bet pull of M arms the wheel. A pull
// draws each reel's stop delay, then the spin.
template <class M>
uint32_t seedArmingTheWheel(M& m, uint32_t from) {
    m.coins = m.maxCoins;
    for (uint32_t seed = from;; ++seed) {
        sgenrand(seed);
        for (int reel = 0; reel < 3; ++reel) genrand();
        m.bonusPending = false;
        m.spin();
        if (m.bonusPending) {
            m.bonusPending = false;
            m.coins = 0;
            m.win = 0;
            return seed;
        }
    }
}

// One full-bet pull of M from $100 on the machine ($1 coins, $1000 in all)
// at the `nth` seed that arms its wheel, with `presses` queued for the
// gamble and a window close pushed at moment `closeAt` (-1: none).
template <class M>
WheelPlay playWheel(int nth, const std::vector<std::pair<int, int>>& presses, int closeAt) {
    WheelPlay out;
    resetFiles("[global]\nfirsttimeever=0\nplayers=Wheel_Keeper\nlastplayer=Wheel_Keeper\n");
    EXPECT_TRUE(startHeadless(kKeeper, 1000.0, false));
    runFast();
    typeMoney("100");
    auto m = std::make_unique<Watched<M>>(1.0f);
    uint32_t seed = 0;
    for (int i = 0; i < nth; ++i) seed = seedArmingTheWheel(*m, seed + 1);
    testInput.scripted = true;
    testInput.points.clear();
    for (auto p : presses) press(p);
    int moment = 0;
    const auto look = [&](Uint32) {
        if (moment++ == closeAt) pushQuit();
        out.moments.push_back({display->savedScreen != nullptr, moneyIn(keeperFile()), m->draws.size()});
    };
    testClock.atRest = look;
    testClock.atPause = look;
    sgenrand(seed);
    m->handleEvent(keyEvent(SDLK_m));
    out.base = moneyIn(keeperFile());
    EXPECT_TRUE(m->bonusPending) << "seed " << seed;
    for (int frame = 0; frame < 5000 && m->spinning; ++frame) m->tick();
    EXPECT_FALSE(m->spinning);
    testClock.atRest = nullptr;
    testClock.atPause = nullptr;
    EXPECT_EQ(quitRequestedOrQueued(), closeAt >= 0);
    clearQuitRequest();
    drainEvents();
    currentPlayer->saveNow();
    out.file = keeperFile();
    out.draws = m->draws;
    m.reset();
    stopHeadless();
    return out;
}

// Moments inside the bonus to close the window at: the first, the last, and
// four between them.
std::vector<int> closingMoments(const WheelPlay& through) {
    std::vector<int> inBonus;
    for (size_t i = 0; i < through.moments.size(); ++i)
        if (through.moments[i].inBonus) inBonus.push_back(static_cast<int>(i));
    std::vector<int> picked;
    if (inBonus.empty()) return picked;
    for (int k = 0; k <= 4; ++k) picked.push_back(inBonus[inBonus.size() * k / 5]);
    picked.push_back(inBonus.back());
    return picked;
}

// A close at each of those moments leaves the file the play leaves.
template <class M>
void closingChangesNothing(int nth, const std::vector<std::pair<int, int>>& presses, const WheelPlay& through) {
    const std::vector<int> moments = closingMoments(through);
    ASSERT_FALSE(moments.empty()) << "the wheel never showed";
    for (int at : moments) {
        const WheelPlay closed = playWheel<M>(nth, presses, at);
        EXPECT_TRUE(closed.file == through.file) << "closed at moment " << at << " of " << through.moments.size()
                                                 << ": money " << moneyIn(closed.file) << " against "
                                                 << moneyIn(through.file);
    }
}

}  // namespace

// The cash wheel adds its prize to the line's pay. The file holds the line
// from the pull and the prize from the moment it is drawn (as the opening
// hold ends, before the wheel turns); a close anywhere in the bonus pays it.
TEST(KeptWheel, CashWheelPrizeIsKeptAsDrawnAndACloseLeavesItSo) {
    std::set<int> prizes;
    for (const WheelStop& s : cashWheel().stops) prizes.insert(s.prize);
    for (int nth = 1; nth <= 2; ++nth) {
        SCOPED_TRACE(nth);
        const WheelPlay through = playWheel<WheelOfCash>(nth, {}, -1);
        EXPECT_GE(through.base, 997.0) << "three $1 coins bet, the line paid";
        const double prize = moneyIn(through.file) - through.base;
        EXPECT_EQ(prizes.count(static_cast<int>(prize)), 1u) << prize;
        bool opened = false;
        for (const Moment& at : through.moments) {
            if (!at.inBonus && !opened) {
                EXPECT_EQ(at.money, through.base);
                continue;
            }
            // The opening hold is the one moment of the bonus before the draw.
            EXPECT_EQ(at.money, opened ? moneyIn(through.file) : through.base);
            opened = true;
        }
        EXPECT_TRUE(opened);
        closingChangesNothing<WheelOfCash>(nth, {}, through);
    }
}

// The gamble wheels: the file holds the bank each spin draws (the first
// spin's prize, then twice it for the colour picked, or nothing), and a close
// anywhere in the bonus, spins included, settles it as drawn.
template <class M>
void gambleKeptAsDrawn(const std::pair<int, int>& red, const std::pair<int, int>& collect) {
    const std::vector<std::vector<std::pair<int, int>>> scripts = {{collect}, {red, collect}};
    int won = 0, lost = 0;
    for (const auto& presses : scripts) {
        for (int nth = 1; nth <= (presses.size() == 1 ? 1 : 6) && (presses.size() == 1 || !won || !lost); ++nth) {
            SCOPED_TRACE(std::to_string(presses.size()) + " presses, wheel " + std::to_string(nth));
            const WheelPlay through = playWheel<M>(nth, presses, -1);
            EXPECT_EQ(through.base, 997.0) << "the spin symbol takes the line's pay at full bet";
            ASSERT_EQ(through.draws.size(), presses.size());
            // The bank after each draw, by the gamble's rules.
            std::vector<double> bank = {0, static_cast<double>(through.draws[0].first)};
            if (presses.size() == 2) {
                const bool red = through.draws[1].second == "red";
                bank.push_back(red ? 2 * bank[1] : 0);
                won += red;
                lost += !red;
            }
            EXPECT_GT(bank[1], 0) << "every stop of the wheel pays";
            for (const Moment& at : through.moments) EXPECT_EQ(at.money, through.base + bank[at.draws]) << at.draws;
            EXPECT_EQ(moneyIn(through.file), through.base + bank.back());
            closingChangesNothing<M>(nth, presses, through);
        }
    }
    EXPECT_GT(won, 0) << "no gamble won: the doubled bank is untested";
    EXPECT_GT(lost, 0) << "no gamble lost";
}

TEST(KeptWheel, DiceGambleKeepsEachBankAsDrawnAndACloseLeavesItSo) {
    gambleKeptAsDrawn<DoubleDiceSpinForCash>(kRed, kCollect);
}

TEST(KeptWheel, PatriotGambleKeepsEachBankAsDrawnAndACloseLeavesItSo) {
    gambleKeptAsDrawn<PatriotSpinForCash>({530, 550}, {590, 550});
}

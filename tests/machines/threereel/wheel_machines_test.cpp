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
#include "machines/threereel/kept_play.h"
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

// Red, black and collect are taken where the pointer stands when the press
// is read, not at the point its event carries.
TEST_F(WheelMachines, GambleTakesTheChoiceUnderThePointer) {
    script({{500, "red"}, {25, "red"}, {10, "black"}});
    const auto pressAt = [](std::pair<int, int> pointer, std::pair<int, int> said) {
        testrt::pressWithPointerAt(pointer.first, pointer.second, said.first, said.second);
    };
    pressAt(kNowhere, kCollect);  // nothing
    pressAt(kRed, kNowhere);      // red, won: 1000
    pressAt(kBlack, kRed);        // black, won: 2000
    pressAt(kCollect, kBlack);    // collect
    pushQuit();                   // ends a screen that would wait on
    clearLoadedAssets();
    EXPECT_EQ(runGambleWheelBonus(diceWheel(), diceGamble(), scriptedTurn), 2000);
    EXPECT_EQ(spinsTaken, 3);
    EXPECT_FALSE(quitRequested());
    testrt::drainEvents();
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
// A full-bet pull that wins the machine's wheel, in the whole game, followed
// rest by rest and pause by pause from the pull on (keptplay). The save
// file read at each of those moments is what a game killed there would
// leave: the wheel's first prize is drawn with the pull, so from the pull
// on, while the reels still turn, it holds that prize. A window close or
// stop signal at one of those moments must leave the file the same seed
// played through leaves.

namespace {

// The first `count` seeds whose full-bet pull of the machine `id` wins its
// wheel. A pull draws each reel's stop delay, then the spin.
template <class M>
std::vector<uint32_t> seedsWinningTheWheel(const char* id, int count) {
    std::vector<uint32_t> seeds;
    testrt::resetFiles("[global]\nfirsttimeever=0\n");
    testrt::startGame();
    testrt::typeMoney("0");  // the money prompt as the machine opens
    {
        std::unique_ptr<Screen> made = createMachine(id, 1.0f);
        M* m = dynamic_cast<M*>(made.get());
        EXPECT_NE(m, nullptr) << id;
        for (uint32_t seed = 1; m && static_cast<int>(seeds.size()) < count; ++seed) {
            m->coins = m->maxCoins;
            seedGenerators(seed);
            for (int reel = 0; reel < 3; ++reel) genrand();
            m->bonusPending = false;
            m->spin();
            if (m->bonusPending) seeds.push_back(seed);
            m->bonusPending = false;
        }
        if (m) m->coins = 0;
    }
    testrt::stopGame();
    return seeds;
}

// The wheel's screen is up.
bool wheelScreenUp(Machine&) { return display && display->savedScreen != nullptr; }

// Every prize the wheel's table pays.
std::set<int> tablePrizes(const PrizeWheelSpec& spec) {
    std::set<int> prizes;
    for (const WheelStop& s : spec.stops) prizes.insert(s.prize);
    return prizes;
}

// Three $1 coins of the $40 the player owns bet (keptplay).
constexpr double kAfterTheBet = keptplay::kMoneyBefore - 3;

}  // namespace

// The cash wheel adds its prize to the line's pay. The file holds both from
// the pull on, while the reels turn, through the wheel's screen; a close at
// any of those moments pays them.
TEST(KeptWheel, CashWheelPrizeIsKeptFromThePullAndACloseLeavesItSo) {
    using namespace keptplay;
    const std::set<int> prizes = tablePrizes(cashWheel());
    std::set<int> won;
    for (uint32_t seed : seedsWinningTheWheel<WheelOfCash>("wheelofcash", 2)) {
        SCOPED_TRACE(seed);
        Plan plan("wheelofcash", seed, wheelScreenUp);
        plan.look = true;
        const PlayRun through = expectCloseKeepsThePlay(plan);
        EXPECT_FALSE(momentsBeforeThePart(through).empty()) << "no moment while the reels turn";
        const double prize = through.finalMoney - kAfterTheBet - through.pulledWin;
        EXPECT_EQ(prizes.count(static_cast<int>(prize)), 1u) << prize;
        won.insert(static_cast<int>(prize));
        expectHeldFromThePull(through, through.finalMoney, "wheelofcash");
    }
    EXPECT_EQ(won.size(), 2u) << "both seeds stopped on the same prize: a fixed stop would pass";
}

// The gamble wheels: the first spin's prize (the line's pay gone at full
// bet) is kept from the pull on. A gamble on red is the player's choice:
// the bank stays the prize until the gamble's spin draws twice it or
// nothing, and is kept from that draw on. A close before the player's
// choice is a gamble declined: the file is the one of a player who takes
// the prize at once; a close once he has chosen settles the gamble as
// drawn.
template <class M>
void gambleKeptAsDrawn(const char* id, const PrizeWheelSpec& spec, const std::pair<int, int>& red,
                       const std::pair<int, int>& collect) {
    using namespace keptplay;
    const std::set<int> prizes = tablePrizes(spec);
    // The player's presses, made as the wheel's screen opens (the gamble
    // reads them once the first spin has stopped).
    const auto pressing = [](std::vector<std::pair<int, int>> presses) {
        return [presses](Machine&) mutable {
            if (presses.empty() || !display || !display->savedScreen) return;
            testInput.scripted = true;
            for (auto p : presses) press(p);
            presses.clear();
        };
    };
    const auto played = [](const PlayRun& run) {
        testInput.scripted = false;
        testInput.points.clear();
        return run;
    };
    int gamblesWon = 0, gamblesLost = 0;
    for (uint32_t seed : seedsWinningTheWheel<M>(id, 6)) {
        if (gamblesWon && gamblesLost) break;
        SCOPED_TRACE(std::to_string(seed));
        Plan taking(id, seed, wheelScreenUp);
        taking.look = true;
        taking.atMoment = pressing({collect});
        const PlayRun took = played(play(taking));
        const double prize = took.finalMoney - kAfterTheBet;
        ASSERT_EQ(prizes.count(static_cast<int>(prize)), 1u) << prize;
        expectHeldFromThePull(took, took.finalMoney, id);

        Plan gambling = taking;
        gambling.atMoment = pressing({red, collect});
        const PlayRun through = played(play(gambling));
        const bool gambleWon = through.finalMoney == kAfterTheBet + 2 * prize;
        EXPECT_TRUE(gambleWon || through.finalMoney == kAfterTheBet) << through.finalMoney;
        gamblesWon += gambleWon;
        gamblesLost += !gambleWon;
        // The prize from the pull on, then the gamble's outcome from its draw.
        const std::vector<int> screen = bonusMoments(through);
        ASSERT_FALSE(screen.empty());
        ASSERT_FALSE(momentsBeforeThePart(through).empty()) << "no moment while the reels turn";
        size_t drawnAt = 0;
        while (drawnAt < through.money.size() && through.money[drawnAt] == kAfterTheBet + prize) ++drawnAt;
        EXPECT_GT(drawnAt, static_cast<size_t>(screen.front())) << "the prize stands while the first spin shows";
        for (size_t i = drawnAt; i < through.money.size(); ++i)
            ASSERT_EQ(through.money[i], through.finalMoney) << "moment " << i;

        // Closes while the reels turn (the gamble declined) and in the screen.
        std::vector<int> closes = someOf(momentsBeforeThePart(through), 2);
        for (int at : someOf(screen)) closes.push_back(at);
        for (size_t k = 0; k < closes.size(); ++k) {
            Plan closing = gambling;
            closing.look = false;
            closing.atMoment = pressing({red, collect});  // a fresh player: the presses are made once
            closing.closeAt = closes[k];
            closing.bySignal = k + 1 == closes.size();
            const PlayRun closed = played(play(closing));
            const bool chosen = closes[k] >= screen.front();
            EXPECT_TRUE(closed.save == (chosen ? through.save : took.save))
                << "closed at moment " << closes[k] << (chosen ? " after" : " before") << " the choice: money "
                << closed.finalMoney << " against " << (chosen ? through.finalMoney : took.finalMoney);
        }
    }
    EXPECT_GT(gamblesWon, 0) << "no gamble won: the doubled bank is untested";
    EXPECT_GT(gamblesLost, 0) << "no gamble lost";
}

TEST(KeptWheel, DiceGambleKeepsEachBankAsDrawnAndACloseLeavesItSo) {
    gambleKeptAsDrawn<DoubleDiceSpinForCash>("doubledicespinforcash", diceWheel(), kRed, kCollect);
}

TEST(KeptWheel, PatriotGambleKeepsEachBankAsDrawnAndACloseLeavesItSo) {
    gambleKeptAsDrawn<PatriotSpinForCash>("patriotspinforcash", patriotWheel(), {530, 550}, {590, 550});
}

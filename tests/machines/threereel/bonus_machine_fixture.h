// What the tests of the arrow, wheel, dice, golf and climb machines share:
// a headless display and sound player, a player with money, machines opened
// as the floor opens them, spins run to the end, and the pay of a
// combination read from a machine's active rules.
#pragma once

#include <gtest/gtest.h>
#include <sge.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "machine/denomination.h"
#include "machine/progressive.h"
#include "machine/prize_wheel.h"
#include "machine/three_reel.h"
#include "player/player.h"
#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/mtrand.h"
#include "shell/sound.h"
#include "support/runtime.h"

namespace bonustest {

// A clock that runs 40 ms a call, so timed steps end without waiting.
inline Uint32 fastClock() {
    static Uint32 now = 1000;
    return now += 40;
}

inline void noDelay(Uint32) {}

inline void pushKey(SDLKey key, Uint16 unicode) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    e.key.keysym.unicode = unicode;
    SDL_PushEvent(&e);
    e.type = SDL_KEYUP;
    e.key.type = SDL_KEYUP;
    e.key.state = SDL_RELEASED;
    SDL_PushEvent(&e);
}

// What the money popup reads: dollars and Return.
inline void typeDollars(const std::string& amount) {
    for (char c : amount) pushKey(static_cast<SDLKey>(c), static_cast<Uint16>(c));
    pushKey(SDLK_RETURN, '\r');
}

inline void pushMouse(Uint8 type, int x, int y) {
    SDL_Event e{};
    e.type = type;
    e.button.type = type;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
}

inline void pushQuit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

inline bool heard(const std::string& sound) { return loadedAssets().count("../sounds/" + sound) > 0; }
inline bool loadedPicture(const std::string& path) { return loadedAssets().count(path) > 0; }

// Every file asked for since the log was cleared is in the generated tree.
inline void expectEveryLoadedFileExists() {
    for (const std::string& path : loadedAssets()) EXPECT_TRUE(std::ifstream(path).good()) << path << " is missing";
}

class MachineTest : public ::testing::Test {
public:
    void SetUp() override {
        testrt::resetFiles();
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO)) << SDL_GetError();
        ASSERT_EQ(0, sge_TTF_Init());
        SDL_EnableUNICODE(1);
        display = new Display(SDL_SWSURFACE);
        ASSERT_TRUE(display->hasSurface());
        soundPlayer = new SoundPlayer();
        sgenrand(4321);
        buildDenominationTable();
        seedProgressiveMeters();
        currentPlayer = new Player();
        currentPlayer->name = "Bonus_Tester";
        currentPlayer->money = 500.0;
        currentPlayer->firsttimelobby = false;
        currentPlayer->firsttimeslot = false;
        ThreeReelMachine::countUpDelay = 0;
        mediaTicks = fastClock;
        wheelDelay = noDelay;
    }
    void TearDown() override {
        delete currentPlayer;
        currentPlayer = nullptr;
        clearProgressiveMeters();
        freeDenominationTable();
        ThreeReelMachine::countUpDelay = 200;
        mediaTicks = SDL_GetTicks;
        wheelDelay = SDL_Delay;
        delete soundPlayer;
        soundPlayer = nullptr;
        delete display;
        display = nullptr;
        SDL_Quit();
    }

    // Opens a machine as the floor does, with `dollars` paid in.
    template <class M>
    static M* open(float value = 1.0f, const std::string& dollars = "20") {
        typeDollars(dollars);
        return new M(value);
    }

    // Lets the reels stop at once and runs the frames up to the settle.
    static void finishSpin(ThreeReelMachine& m) {
        for (int& d : m.reelStopDelays) d = 0;
        for (int i = 0; i < 10 && m.spinning; ++i) m.tick();
    }

    // Pulls at `coins` coins (credits topped up) and runs the spin to its end.
    static void pullAndSettle(ThreeReelMachine& m, int coins) {
        m.credits = std::max(m.credits, 100);
        m.coins = coins;
        m.pull();
        finishSpin(m);
    }

    // What the three symbols pay at `coins`, by the rules in play there (0
    // when none accepts them). Every rule accepting them must agree.
    static int pays(ThreeReelMachine& m, int coins, const std::vector<std::string>& names) {
        m.coins = coins;
        m.buildActiveRules();
        Symbol* s[3];
        for (int i = 0; i < 3; ++i) {
            s[i] = nullptr;
            for (Symbol* d : m.symbols)
                if (d->name == names[i]) s[i] = d;
            if (!s[i]) ADD_FAILURE() << "no symbol " << names[i];
        }
        int best = -1, worst = -1;
        for (const PayRule& r : m.activeRules) {
            if (!r.accepts(0, s[0]) || !r.accepts(1, s[1]) || !r.accepts(2, s[2])) continue;
            int award = r.award;
            if (m.multiplyByCoins && r.payKind != payWholeBet) award *= coins;
            best = std::max(best, award);
            worst = worst < 0 ? award : std::min(worst, award);
        }
        EXPECT_EQ(best, worst) << "two rules pay " << names[0] << " " << names[1] << " " << names[2] << " differently";
        return best < 0 ? 0 : best;
    }

    // The family shuffles the wild list at every winning spin; the table
    // reckoning reads the first wild, so put the one that stands in for
    // something first (these machines have one such wild).
    static void substitutingWildFirst(ThreeReelMachine& m) {
        std::stable_partition(m.wilds.begin(), m.wilds.end(),
                              [](const WildSymbol* w) { return !w->substituteList.empty(); });
    }

    // The product of the multipliers of the wilds the result shows.
    static long long wildFactor(const ThreeReelMachine& m) {
        long long f = 1;
        for (int reel = 0; reel < 3; ++reel)
            for (const WildSymbol* w : m.wilds)
                if (m.result.chosenSymbol(reel) == w) f *= w->multiplier;
        return f;
    }
};

}  // namespace bonustest

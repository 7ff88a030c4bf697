// Zoruz Ivivede: the free re-spins after a win: same symbols, same win
// again, no bet, at most five in a row, and the machine locked meanwhile.
#include "machines/threereel/short_circuit.h"
#include "machines/threereel/kept_play.h"
#include "machines/threereel/three_reel_session.h"

using namespace reelsession;

namespace {

class ShortCircuitTest : public MachineFixture {};

// While a re-spin turns the machine is locked: no control, key or menu may
// move money or change the coin value before its win is counted.
void tryEveryControl(ShortCircuit& m) {
    for (const char* name :
         {"betmax", "betone", "spin", "cashout", "change", "coin", "money", "denomination", "top", "bottom"}) {
        pushKey(SDLK_RETURN, '\r');  // would close a popup that wrongly opened
        m.handleButton(m.buttonNamed(name));
    }
    for (SDLKey key : {SDLK_RETURN, SDLK_m, SDLK_n, SDLK_ESCAPE, SDLK_PAGEUP, SDLK_PAGEDOWN, SDLK_t, SDLK_y}) {
        pushKey(SDLK_RETURN, '\r');
        m.handleEvent(testrt::keyEvent(key));
    }
    SDL_Event right{};
    right.type = SDL_MOUSEBUTTONDOWN;
    right.button.button = SDL_BUTTON_RIGHT;
    right.button.x = 400;
    right.button.y = 300;
    pushKey(SDLK_ESCAPE, 27);
    m.handleEvent(right);
    testrt::drainEvents();
}

}  // namespace

TEST_F(ShortCircuitTest, FreeRespinsRepeatTheWin) {
    std::unique_ptr<ShortCircuit> m(open<ShortCircuit>(1.0f, "50"));
    int chains = 0, longest = 0;
    for (int i = 0; i < 3000 && (chains < 3 || longest < 2); ++i) {
        m->credits = 100;
        m->coins = 2;
        const double money = currentPlayer->money;
        m->pull();
        const PayRule drawn = m->result;
        const int won = m->win;
        const double points = currentPlayer->vippoints;
        // The pull's own settle, then every free re-spin to the end.
        int respins = -1;
        do {
            ++respins;
            for (int& d : m->reelStopDelays) d = 0;
            const int chain = m->respinCount;  // one spin at a time, however fast the clock
            for (int k = 0; k < 10 && m->spinning && m->respinCount == chain; ++k) m->tick();
            ASSERT_LE(respins, 5) << "no sixth re-spin";
            if (m->spinning) {
                EXPECT_TRUE(heard("sparks.wav"));
                EXPECT_FALSE(m->menuEnabled);
                EXPECT_EQ(m->respinCount, respins + 1);
                tryEveryControl(*m);
                ASSERT_EQ(m->next, nullptr);
            }
            clearLoadedAssets();
        } while (m->spinning);
        EXPECT_TRUE(m->menuEnabled);
        EXPECT_EQ(m->respinCount, 0);
        EXPECT_DOUBLE_EQ(currentPlayer->vippoints, points) << "re-spins earn no points";
        for (int reel = 0; reel < 3; ++reel) EXPECT_EQ(m->result.chosenSymbol(reel), drawn.chosenSymbol(reel));
        EXPECT_EQ(m->credits, 100 - 2 + won * (1 + respins)) << "the same win each time, one bet";
        EXPECT_DOUBLE_EQ(currentPlayer->money + m->credits * m->coinValue(), money + m->credits)
            << "money and credits conserved at one coin value";
        if (won == 0) {
            EXPECT_EQ(respins, 0) << "a losing spin never sparks";
        }
        chains += respins > 0;
        longest = std::max(longest, respins);
    }
    EXPECT_GE(chains, 3);
    EXPECT_GE(longest, 2);

    // A chain has at most five re-spins: after the fifth no win sparks again.
    int sparked[2] = {0, 0};
    for (int i = 0; i < 800; ++i) {
        const int before = 4 + i % 2;
        m->credits = 100;
        m->coins = 1;
        m->respinCount = before;
        m->pull();
        for (int k = 0; k < 10 && m->spinning && m->respinCount == before; ++k) m->tick();
        sparked[i % 2] += m->respinCount == before + 1;
        for (int k = 0; k < 100 && m->spinning; ++k) {
            for (int& d : m->reelStopDelays) d = 0;
            m->tick();
        }
        ASSERT_FALSE(m->spinning);
    }
    EXPECT_GT(sparked[0], 0);
    EXPECT_EQ(sparked[1], 0);
}

// Each free re-spin is the player's the moment it is drawn: the save file
// holds the win once more for every re-spin started, before its reels turn.
// A close anywhere in a chain plays its re-spins out as drawn.
TEST(ShortCircuitKept, EachRespinKeptWhenDrawn) {
    using namespace keptplay;
    int longest = 0;
    for (uint32_t seed : {2u, 30u}) {
        Plan plan("shortcircuit", seed, [](Machine& m) { return static_cast<ShortCircuit&>(m).respinCount > 0; });
        plan.look = true;
        // The win as the pull drew it (first seen while the reels turn; the
        // count-ups take it down as they pay it).
        auto drawnWin = std::make_shared<int>(-1);
        plan.expected = [drawnWin](Machine& m) {
            if (*drawnWin < 0) *drawnWin = m.win;
            // Three coins of $1 bet, and the same win for the spin and each re-spin.
            return kMoneyBefore - 3 + static_cast<double>(*drawnWin) * (1 + static_cast<ShortCircuit&>(m).respinCount);
        };
        const PlayRun through = expectCloseKeepsThePlay(plan);
        ASSERT_GT(through.pulledWin, 0);
        expectKeptAtEveryMoment(through, "shortcircuit");
        const double respins = (through.finalMoney - (kMoneyBefore - 3)) / through.pulledWin - 1;
        EXPECT_TRUE(respins == static_cast<int>(respins) && respins >= 1 && respins <= 5) << respins;
        longest = std::max(longest, static_cast<int>(respins));
    }
    EXPECT_GE(longest, 2) << "a chain of two re-spins at least";
}

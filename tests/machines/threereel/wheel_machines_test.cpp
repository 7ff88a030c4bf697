// The two wheel machines: Diviz av Ezed with the cash wheel on top of the
// line's pay, and the dice machine whose wheel replaces the line's pay and
// is followed by the red/black gamble. Tables, the spin hooks, returns,
// the gamble screen's rules and the bonus inside a settle.
#include <climits>
#include <cmath>
#include <deque>
#include <set>
#include <utility>

#include "game/machine_factory.h"
#include "player/machine_table.h"
#include "machine/three_reel_test_machine.h"
#include "machines/threereel/bonus_machine_fixture.h"
#include "machines/threereel/double_dice_spin_for_cash.h"
#include "machines/threereel/gamble_wheel.h"
#include "machines/threereel/wheel_of_cash.h"
#include "shell/app.h"

using bonustest::heard;

namespace {

// Scripted wheel stops and pointer positions for the gamble screen.
std::deque<std::pair<int, std::string>> scriptedStops;
int spinsTaken = 0;
using bonustest::pointerAt;
using bonustest::scriptedPointer;

void scriptedSpin(const PrizeWheelSpec&, Animation&, int& prize, std::string& colour) {
    ++spinsTaken;
    ASSERT_FALSE(scriptedStops.empty()) << "a spin nobody asked for";
    prize = scriptedStops.front().first;
    if (!scriptedStops.front().second.empty()) colour = scriptedStops.front().second;
    scriptedStops.pop_front();
}

const std::pair<int, int> kRed{510, 550}, kBlack{630, 550}, kCollect{570, 550}, kNowhere{100, 100};

// A press: the pointer is read when the gamble takes the event.
void press(std::pair<int, int> where) {
    pointerAt.push_back(where);
    bonustest::pushMouse(SDL_MOUSEBUTTONDOWN, where.first, where.second);
}

// Empties the queue without the modal poll (so a guard close stays unseen).
using testrt::drainEvents;

class WheelMachines : public bonustest::MachineTest {
protected:
    void SetUp() override {
        bonustest::MachineTest::SetUp();
        scriptedStops.clear();
        pointerAt.clear();
        spinsTaken = 0;
    }
    void script(std::initializer_list<std::pair<int, std::string>> stops) {
        gambleSpin = scriptedSpin;
        gamblePointer = scriptedPointer;
        scriptedStops.assign(stops.begin(), stops.end());
    }
};

}  // namespace

// The spin hooks: one spin in fifty (forty) shows "spin" on the third reel;
// at three coins the dice machine then pays nothing from the line and arms
// the wheel, and every other line pays two coins' worth.
TEST_F(WheelMachines, SpinHooks) {
    DoubleDiceSpinForCash* d = open<DoubleDiceSpinForCash>();
    WheelOfCash* w = open<WheelOfCash>();
    const int N = 60000;
    for (int coins = 1; coins <= 3; ++coins) {
        int diceSpins = 0, cashSpins = 0;
        d->coins = w->coins = coins;
        for (int i = 0; i < N; ++i) {
            d->bonusPending = false;
            d->spin();
            const bool spinShown = d->result.chosenSymbol(2)->name == "spin";
            for (int reel = 0; reel < 2; ++reel) ASSERT_NE(d->result.chosenSymbol(reel)->name, "spin");
            const long long line = d->result.matched ? d->result.award * bonustest::MachineTest::wildFactor(*d) : 0;
            if (spinShown) ++diceSpins;
            if (coins == 3 && spinShown) {
                EXPECT_EQ(d->win, 0);
                EXPECT_TRUE(d->bonusPending);
            } else if (spinShown && d->result.matched) {
                // "spin" may have covered a doubling wild on the third reel.
                const long long w = d->win, unit = line * coins;
                EXPECT_TRUE(w == unit || w == 2 * unit) << w << " for " << unit;
                EXPECT_FALSE(d->bonusPending);
            } else {
                EXPECT_EQ(d->win, line * (coins == 3 ? 2 : coins));
                EXPECT_FALSE(d->bonusPending);
            }

            w->bonusPending = false;
            w->spin();
            const bool cashSpin = w->result.chosenSymbol(2)->name == "spin";
            if (cashSpin) ++cashSpins;
            EXPECT_EQ(w->win, w->result.matched ? w->result.award : 0) << "whole-bet lines pay as drawn";
            EXPECT_EQ(w->bonusPending, cashSpin && coins == 3);
        }
        EXPECT_NEAR(diceSpins, N / 50.0, 5 * std::sqrt(N / 50.0));
        EXPECT_NEAR(cashSpins, N / 40.0, 5 * std::sqrt(N / 40.0));
    }
    delete d;
    delete w;
}

TEST_F(WheelMachines, GambleDoublesLosesAndCollects) {
    // Collect at once: the first prize, with the clap and the closing sound.
    script({{500, "red"}});
    press(kCollect);
    bonustest::pushQuit();  // a guard: only seen if the screen wrongly waits on
    clearLoadedAssets();
    EXPECT_EQ(runGambleWheelBonus(diceWheel(), diceGamble()), 500);
    EXPECT_EQ(spinsTaken, 1);
    EXPECT_TRUE(heard("birdclap.wav"));
    EXPECT_TRUE(heard("doubintr.wav"));
    EXPECT_FALSE(quitRequested());
    drainEvents();

    // Two won gambles on 500 return 2000; presses elsewhere, releases,
    // motion and keys change nothing.
    script({{500, "black"}, {25, "black"}, {2500, "red"}});
    press(kNowhere);
    bonustest::pushMouse(SDL_MOUSEBUTTONUP, kRed.first, kRed.second);
    bonustest::pushKey(SDLK_r, 'r');
    press(kBlack);
    press(kRed);
    press(kCollect);
    bonustest::pushQuit();
    EXPECT_EQ(runGambleWheelBonus(diceWheel(), diceGamble()), 2000);
    EXPECT_EQ(spinsTaken, 4);
    EXPECT_FALSE(quitRequested());
    drainEvents();

    // A lost gamble: nothing, no closing sound, and the screen ends there.
    script({{100, "red"}, {10, "black"}});
    press(kRed);
    press(kCollect);
    clearLoadedAssets();
    EXPECT_EQ(runGambleWheelBonus(diceWheel(), diceGamble()), 0);
    EXPECT_TRUE(heard("ohh.wav"));
    EXPECT_FALSE(heard("doubintr.wav"));
    SDL_Event left;
    EXPECT_EQ(SDL_PollEvent(&left), 1) << "the collect after the loss is not taken";
    drainEvents();
}

TEST_F(WheelMachines, WindowCloseDuringTheGambleKeepsTheBank) {
    script({{150, "black"}, {20, "red"}});
    press(kRed);
    bonustest::pushQuit();
    press(kCollect);
    EXPECT_EQ(runGambleWheelBonus(diceWheel(), diceGamble()), 300);
    EXPECT_TRUE(quitRequested()) << "the close reaches the frame loop";
    drainEvents();
}

TEST_F(WheelMachines, BonusInsideTheSettle) {
    DoubleDiceSpinForCash* d = open<DoubleDiceSpinForCash>();
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
    WheelOfCash* w = open<WheelOfCash>();
    w->credits = 10;
    w->coins = 3;
    w->spin();
    while (!w->result.matched) w->spin();
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
    delete w;
}

// The hidden pay-out test spins at full bet without settling: a wheel it
// arms must not turn at the player's next real spin.
TEST_F(WheelMachines, PayoutTestLeavesNoBonusArmed) {
    DoubleDiceSpinForCash* d = open<DoubleDiceSpinForCash>();
    WheelOfCash* w = open<WheelOfCash>();
    for (ThreeReelMachine* m : std::vector<ThreeReelMachine*>{d, w}) {
        m->credits = 100;
        m->coins = 1;
        m->payoutTest();
        EXPECT_EQ(m->coins, 1) << "the bet comes back";
    }
    EXPECT_FALSE(d->bonusPending);
    EXPECT_FALSE(w->bonusPending);
    delete d;
    delete w;
}

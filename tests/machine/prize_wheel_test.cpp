// The prize wheel's stop is drawn, not left to where the animation happens to
// stand: a spin's prize is known the moment its step length is drawn, the
// wheel shows that stop in the end, and a window close waiting when the
// wheel starts pays that same prize without the turn being shown.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>

#include "machine/prize_wheel.h"
#include "shell/animation.h"
#include "shell/display.h"
#include "shell/app.h"
#include "shell/mtrand.h"
#include "support/headless.h"
#include "support/runtime.h"
#include "support/test_clock.h"

namespace {

using namespace testrt;

class CashWheel : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(startHeadless("Wheel_Watcher", 1000.0, false)) << SDL_GetError();
        // A coarse clock: the turn is shown in a few hundred passes.
        testClock.stop(1000, 100);
    }
    void TearDown() override { stopHeadless(); }
};

}  // namespace

// 100 spins from 100 seeds, each once with a close waiting and once shown
// through: the same prize both times, the one told at the draw, and over the
// hundred the twenty fields come up evenly (the table's mean is 194.75 a
// spin, its spread about 241), where a wheel stopped where it stood paid the
// field beside its start every time.
TEST_F(CashWheel, ACloseWaitingPaysTheDrawnPrize) {
    const int prizesOfTheTable[20] = {400, 5, 250, 25, 500, 50, 100, 15, 300, 10,
                                      200, 50, 30, 1000, 10, 100, 25, 150, 75, 600};
    double mean = 0, square = 0;
    for (int p : prizesOfTheTable) mean += p / 20.0, square += p * p / 20.0;
    const double spread = std::sqrt(square - mean * mean);
    ASSERT_NEAR(mean, 194.75, 1e-9);

    const std::unique_ptr<Animation> wheel = openWheelScreen(cashWheel());
    ASSERT_EQ(wheel->frameCount(), 40);
    double sum = 0;
    std::set<int> seen;
    // One wheel turned again and again, standing where a new screen's does.
    const auto turn = [&wheel](uint32_t seed, int& told) {
        sgenrand(seed);
        wheel->frameIndex = wheel->position = 0;
        wheel->setFps(40);
        int prize = 0;
        std::string colour;
        spinPrizeWheel(cashWheel(), *wheel, prize, colour, [&told](int p, const std::string&) { told = p; });
        return prize;
    };
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        SCOPED_TRACE(seed);
        int told = -1, toldThrough = -1;
        pushQuit();
        const int closed = turn(seed, told);
        EXPECT_EQ(told, closed) << "the prize kept is the prize paid";
        EXPECT_TRUE(quitRequestedOrQueued());
        drainEvents();
        EXPECT_EQ(turn(seed, toldThrough), closed) << "shown through, the wheel stops on the drawn field";
        sum += closed;
        seen.insert(closed);
    }
    display->restoreScreen();
    EXPECT_NEAR(sum / 100, mean, 3 * spread / std::sqrt(100.0));
    EXPECT_GE(seen.size(), 10u) << "the stops bunch up";

    // The whole screen of the machines, with a close waiting, pays as drawn too.
    for (uint32_t seed = 1; seed <= 5; ++seed) {
        int told = -1, alone = -1;
        const int expected = turn(seed, alone);
        sgenrand(seed);
        pushQuit();
        EXPECT_EQ(runCashWheelBonus([&told](int prize) { told = prize; }), expected) << seed;
        EXPECT_EQ(told, expected) << seed;
        clearQuitRequest();
        drainEvents();
    }
}

// The turn the player sees ends on the stop the draw made, whatever the pace
// of the passes: 40 frames a second for two seconds and one step, one step
// each at 21, 17, 13 and 9 frames a second, and the last frame at 5.
TEST_F(CashWheel, TheTurnShownEndsOnTheDrawnStop) {
    const PrizeWheelSpec& spec = cashWheel();
    Animation wheel(spec.folder, spec.wheelName, spec.frameCount, 1, spec.x, spec.y, 0, true, false);
    ASSERT_EQ(wheel.frameCount(), 40);
    for (Uint32 look : {1u, 7u, 100u}) {
        SCOPED_TRACE(look);
        testClock.stop(1000, look);
        wheel.frameIndex = wheel.position = 0;
        for (uint32_t seed : {11u, 12u}) {
            sgenrand(seed);
            const Uint32 step = (genrand() % 20000 + 8000) / 10;
            // Frames turned at each rate, each rate showing a frame when it is set.
            int turned = static_cast<int>(std::ceil((2000.0 + step) / 25));
            for (int rate : {21, 17, 13, 9}) turned += static_cast<int>(std::ceil(step / double(1000 / rate)));
            turned += 1;
            const int from = wheel.frameIndex;
            sgenrand(seed);
            int prize = 0, told = -1;
            std::string colour;
            const Uint32 start = testClock.now;
            spinPrizeWheel(spec, wheel, prize, colour, [&told](int p, const std::string&) { told = p; });
            EXPECT_EQ(wheel.frameIndex, (from + turned) % 40);
            EXPECT_EQ(prize, wheelPrizeAt(spec, wheel.frameIndex));
            EXPECT_EQ(told, prize);
            EXPECT_GE(testClock.now - start, 2000 + 5 * step) << "the turn is shown to its end";
        }
    }
}

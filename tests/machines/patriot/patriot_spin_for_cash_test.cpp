// The spin-for-cash patriot machine: the "spin" trigger, the pay at full
// bet, the return, and the stars-and-stripes wheel with its gamble, run
// inside the settle.
#include <deque>
#include <memory>
#include <utility>

#include "game/machine_factory.h"
#include "player/machine_table.h"
#include "machine/prize_wheel.h"
#include "machines/patriot/patriot_spin_for_cash.h"
#include "machines/threereel/gamble_wheel.h"
#include "machines/threereel/bonus_machine_fixture.h"
#include "machines/threereel/table_checks.h"
#include "shell/animation.h"

using tablecheck::heard;

namespace {

// Scripted wheel stops (frames of the patriot wheel) and pointer positions.
std::deque<int> scriptedFrames;
int spinsTaken = 0;
const PrizeWheelSpec* spunSpec = nullptr;
using bonustest::pointerAt;
using bonustest::scriptedPointer;

void scriptedSpin(const PrizeWheelSpec& spec, Animation&, int& prize, std::string& colour) {
    ++spinsTaken;
    spunSpec = &spec;
    ASSERT_FALSE(scriptedFrames.empty()) << "a spin nobody asked for";
    prize = wheelPrizeAt(spec, scriptedFrames.front(), &colour);
    scriptedFrames.pop_front();
}

// The gamble buttons under the patriot wheel (inside their pictures).
const std::pair<int, int> red{520, 545}, black{640, 545}, collect{580, 545};

class PatriotSpinForCashTest : public bonustest::MachineTest {
protected:
    void SetUp() override {
        bonustest::MachineTest::SetUp();
        scriptedFrames.clear();
        pointerAt.clear();
        spinsTaken = 0;
        spunSpec = nullptr;
    }
    void script(std::initializer_list<int> frames) {
        gambleSpin = scriptedSpin;
        gamblePointer = scriptedPointer;
        scriptedFrames.assign(frames.begin(), frames.end());
    }
    std::unique_ptr<PatriotSpinForCash> openMachine() {
        tablecheck::typeDollars("20");
        return std::unique_ptr<PatriotSpinForCash>(dynamic_cast<PatriotSpinForCash*>(createMachine("patriotspinforcash", 1.0f)));
    }
};

}  // namespace

// The trigger: one spin in fifty puts "spin" on the third reel; at three
// coins it zeroes the win and arms the wheel, below that the drawn win
// stands. At three coins a line pays two coins' worth.
TEST_F(PatriotSpinForCashTest, SpinTriggerAndFullBetPay) {
    auto m = openMachine();
    ASSERT_TRUE(m);
    for (int coins = 1; coins <= 3; ++coins) {
        m->coins = coins;
        int triggers = 0, winningTriggers = 0;
        const int pulls = 60000;
        for (int i = 0; i < pulls; ++i) {
            m->bonusPending = false;
            m->spin();
            for (int reel = 0; reel < 2; ++reel) ASSERT_NE(m->result.chosenSymbol(reel)->name, "spin");
            const bool trigger = m->result.chosenSymbol(2)->name == "spin";
            const long long drawn = m->result.matched ? m->result.award * bonustest::MachineTest::wildFactor(*m) : 0;
            if (trigger) {
                ++triggers;
                if (m->result.matched) ++winningTriggers;
                EXPECT_EQ(m->bonusPending, coins == 3);
                ASSERT_EQ(m->win, coins == 3 ? 0 : drawn * coins);
            } else {
                ASSERT_FALSE(m->bonusPending);
                ASSERT_EQ(m->win, drawn * (coins == 3 ? 2 : coins));
            }
        }
        EXPECT_NEAR(static_cast<double>(triggers) / pulls, 0.02, 0.004) << coins;
        EXPECT_GT(winningTriggers, 0);  // a winning line is forfeited too
    }
    m->bonusPending = false;

    // Three wilds pay 1500 a coin below full bet, two coins' worth at it.
    EXPECT_EQ(tablecheck::paysFor(*m, 2, {"wild", "wild", "wild"}), std::vector<int>{3000});
}

// The real wheel (under a fast clock) stops on a frame and pays that frame.
TEST_F(PatriotSpinForCashTest, RealSpinPaysItsStopFrame) {
    auto m = openMachine();
    ASSERT_TRUE(m);
    Animation* wheel = openWheelScreen(patriotWheel());
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
    delete wheel;
    display->restoreScreen();
}

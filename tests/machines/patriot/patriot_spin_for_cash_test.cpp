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
#include "machines/threereel/table_checks.h"
#include "shell/animation.h"

using tablecheck::heard;

namespace {

// Scripted wheel stops (frames of the patriot wheel) and pointer positions.
std::deque<int> scriptedFrames;
int spinsTaken = 0;
const PrizeWheelSpec* spunSpec = nullptr;
std::deque<std::pair<int, int>> pointerAt;

void scriptedSpin(const PrizeWheelSpec& spec, Animation&, int& prize, std::string& colour) {
    ++spinsTaken;
    spunSpec = &spec;
    ASSERT_FALSE(scriptedFrames.empty()) << "a spin nobody asked for";
    prize = wheelPrizeAt(spec, scriptedFrames.front(), &colour);
    scriptedFrames.pop_front();
}

void scriptedPointer(int* x, int* y) {
    *x = *y = 0;
    if (pointerAt.empty()) return;
    *x = pointerAt.front().first;
    *y = pointerAt.front().second;
    pointerAt.pop_front();
}

void pushPress(std::pair<int, int> where, Uint8 button = SDL_BUTTON_LEFT) {
    pointerAt.push_back(where);
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = button;
    e.button.x = static_cast<Uint16>(where.first);
    e.button.y = static_cast<Uint16>(where.second);
    SDL_PushEvent(&e);
}

// The gamble buttons under the patriot wheel (inside their pictures).
const std::pair<int, int> red{520, 545}, black{640, 545}, collect{580, 545};

void noDelay(Uint32) {}

// The product of the multipliers of the wilds a result shows.
long long wildFactor(const ThreeReelMachine& m) {
    long long f = 1;
    for (int reel = 0; reel < 3; ++reel)
        for (const WildSymbol* w : m.wilds)
            if (m.result.chosenSymbol(reel) == w) f *= w->multiplier;
    return f;
}

class PatriotSpinForCashTest : public tablecheck::MachineFixture {
protected:
    void SetUp() override {
        tablecheck::MachineFixture::SetUp();
        wheelDelay = noDelay;
        scriptedFrames.clear();
        pointerAt.clear();
        spinsTaken = 0;
        spunSpec = nullptr;
    }
    void TearDown() override {
        gambleSpin = spinPrizeWheel;
        wheelDelay = SDL_Delay;
        tablecheck::MachineFixture::TearDown();
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

// Each frame's prize and colour; a frame off the wheel pays nothing.
TEST_F(PatriotSpinForCashTest, WheelTable) {
    const PrizeWheelSpec& w = patriotWheel();
    const int prizes[24] = {25, 20, 20, 50, 50, 100, 100, 10, 10, 10, 500, 500,
                            15, 15, 15, 2500, 2500, 150, 150, 30, 30, 30, 25, 25};
    for (int frame = 0; frame < 24; ++frame) {
        std::string colour = "none";
        EXPECT_EQ(wheelPrizeAt(w, frame, &colour), prizes[frame]) << frame;
        // Red and black take turns around the wheel; 25 spans the seam.
        const bool redField = prizes[frame] == 20 || prizes[frame] == 100 || prizes[frame] == 500 ||
                              prizes[frame] == 2500 || prizes[frame] == 30;
        EXPECT_EQ(colour, redField ? "red" : "black") << frame;
    }
    std::string colour = "kept";
    EXPECT_EQ(wheelPrizeAt(w, 24, &colour), 0);
    EXPECT_EQ(wheelPrizeAt(w, -1, &colour), 0);
    EXPECT_EQ(colour, "kept");
}

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
            const long long drawn = m->result.matched ? m->result.award * wildFactor(*m) : 0;
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

TEST_F(PatriotSpinForCashTest, ReturnMatchesTheTable) {
    auto m = openMachine();
    ASSERT_TRUE(m);
    for (int coins = 1; coins <= 3; ++coins) {
        // At three coins the pay is two coins' worth, and one spin in fifty
        // goes to the wheel instead (the wheel's own prize comes on top).
        const double exact = coins < 3 ? tablecheck::expectedWin(*m, coins) : tablecheck::expectedWin(*m, 2) * 49 / 50;
        const tablecheck::Simulated run = tablecheck::simulate(*m, coins, 200000);
        m->bonusPending = false;
        EXPECT_NEAR(run.mean, exact, 5 * run.standardError) << coins;
        std::printf("patriotspinforcash at %d coins: table %.4f, measured %.4f per coin (wheel aside)\n", coins,
                    exact / coins, run.mean / coins);
    }
}

// Collect at once, doubled twice, and a lost gamble; the presses land on
// the patriot spots (a right press gambles like a left one, a press on no
// button does nothing), the spins turn the patriot wheel, and no closing
// tune plays.
TEST_F(PatriotSpinForCashTest, GambleOnThePatriotWheel) {
    auto m = openMachine();
    ASSERT_TRUE(m);

    script({15});  // 2500 red
    pushPress({100, 100});
    pushPress(collect);
    clearLoadedAssets();
    EXPECT_EQ(m->runWheelBonus(), 2500);
    EXPECT_EQ(spinsTaken, 1);
    EXPECT_EQ(spunSpec, &patriotWheel());
    EXPECT_TRUE(heard("birdclap.wav"));
    EXPECT_FALSE(heard("doubintr.wav"));

    script({3, 1, 17});  // 50 black; red comes up (20 is not paid); black comes up
    pushPress(red, SDL_BUTTON_RIGHT);
    pushPress(black);
    pushPress(collect);
    EXPECT_EQ(m->runWheelBonus(), 200);
    EXPECT_EQ(spinsTaken, 4);

    script({17, 0});  // 150 black, then black on a gamble for red
    pushPress(red);
    clearLoadedAssets();
    EXPECT_EQ(m->runWheelBonus(), 0);
    EXPECT_TRUE(heard("ohh.wav"));
    EXPECT_FALSE(heard("doubintr.wav"));

    // Every bonus picture asked for exists.
    int pictures = 0;
    for (const std::string& path : loadedAssets()) {
        if (path.compare(0, 9, "../gfx/bo") != 0) continue;
        ++pictures;
        EXPECT_TRUE(SDL_RWFromFile(path.c_str(), "rb") != nullptr) << path;
    }
    EXPECT_GE(pictures, 24 + 1 + 5);
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

// A full-bet trigger forfeits the line and pays the wheel through the
// settle: credits, paid meter and statistics all see the prize.
TEST_F(PatriotSpinForCashTest, BonusInsideTheSettle) {
    auto m = openMachine();
    ASSERT_TRUE(m);
    script({10, 11});  // 500 red, then red again
    pushPress(red);
    pushPress(collect);
    m->credits = 30;
    m->coins = 3;
    m->win = 0;
    m->bonusPending = true;
    m->spinning = true;
    m->settle();
    EXPECT_FALSE(m->bonusPending);
    EXPECT_FALSE(m->spinning);
    EXPECT_EQ(m->credits, 30 - 3 + 1000);
    const MachineStats* stats = currentPlayer->findStats("patriotspinforcash");
    ASSERT_NE(stats, nullptr);
    EXPECT_EQ(stats->largestsinglewin, 1000);
    EXPECT_EQ(stats->spinswon, 1);

    // A lost gamble: the spin counts as lost.
    script({5, 3});
    pushPress(red);
    m->coins = 3;
    m->win = 0;
    m->bonusPending = true;
    m->settle();
    EXPECT_EQ(m->credits, 1027 - 3);
    EXPECT_EQ(stats->spinslost, 1);

    // Without the flag the settle is the family's: no wheel.
    m->coins = 1;
    m->win = 4;
    m->settle();
    EXPECT_EQ(m->credits, 1024 - 1 + 4);
    EXPECT_EQ(spinsTaken, 4);
}

// The hidden pay-out test spins thousands of times at full bet without a
// settle: the wheel it arms on the way must not turn at the next real pull.
TEST_F(PatriotSpinForCashTest, PayoutTestLeavesNoWheelArmed) {
    auto m = openMachine();
    ASSERT_TRUE(m);
    script({});
    m->credits = 100;
    m->coins = 1;
    m->payoutTest();
    EXPECT_EQ(m->coins, 1);
    EXPECT_FALSE(m->bonusPending);
    pushPress(collect);  // ends a wheel that wrongly turns
    m->spinning = true;
    m->win = 0;
    m->settle();
    EXPECT_EQ(spinsTaken, 0);
    EXPECT_EQ(m->credits, 99);
}

// A reel that stops on "spin" plays its sound after the reel stop; a wild
// sparkles.
TEST_F(PatriotSpinForCashTest, ReelStopSounds) {
    auto m = openMachine();
    ASSERT_TRUE(m);
    m->result.chosen = {m->findSymbol("wild"), m->findSymbol("blank"), m->findSymbol("spin")};
    clearLoadedAssets();
    m->onReelStop(1);
    EXPECT_FALSE(heard("holeinone.wav") || heard("shrtwrks.wav"));
    m->onReelStop(2);
    EXPECT_TRUE(heard("holeinone.wav"));
    EXPECT_FALSE(heard("shrtwrks.wav"));
    m->onReelStop(0);
    EXPECT_TRUE(heard("shrtwrks.wav"));
}

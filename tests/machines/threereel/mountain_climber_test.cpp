// Devizezu Dozozed: the climb symbols that only losing spins show, the climb
// bonus along the path, the period of twenty spins with its end-of-period
// pay, and the reset button.
#include <sge.h>

#include <memory>
#include <string>

#include "machines/threereel/kept_play.h"
#include "machines/threereel/three_reel_session.h"
#include "machines/threereel/mountain_climber.h"

using namespace reelsession;

using MountainClimberTest = MachineFixture;

TEST_F(MountainClimberTest, ClimbSymbolsOnlyOnLosingSpins) {
    std::unique_ptr<MountainClimber> m(open<MountainClimber>());
    for (int coins : {1, 3}) {
        m->coins = coins;
        const int N = 150000;
        long long losingReels = 0, ones = 0, twos = 0;
        for (int i = 0; i < N; ++i) {
            m->climbPoints = 0;
            m->bonusPending = false;
            m->spin();
            int points = 0;
            for (int reel = 0; reel < 3; ++reel) {
                const std::string& n = m->result.chosenSymbol(reel)->name;
                points += n == "climb" ? 1 : n == "2climb" ? 2 : 0;
                ones += n == "climb";
                twos += n == "2climb";
            }
            ASSERT_TRUE(points == 0 || !m->result.matched) << "a winning spin shows no climb symbol";
            losingReels += m->result.matched ? 0 : 3;
            ASSERT_EQ(m->climbPoints, points);
            ASSERT_EQ(m->bonusPending, points > 0);
        }
        EXPECT_NEAR(static_cast<double>(ones) / losingReels, 1 / 14.0, 0.004);
        EXPECT_NEAR(static_cast<double>(twos) / losingReels, 13 / 196.0, 0.004);
    }
}

// Past the summit: 100, and the climb starts over. Height 95 on the
// period's twentieth spin: 50 at once; on the nineteenth: nothing yet, the
// climber stays at 101. The pay-out test climbs nothing.
TEST_F(MountainClimberTest, SummitAndPeriodPays) {
    struct Climb {
        int height, spinCount, points, pay, heightAfter, spinCountAfter;
    };
    const Climb climbs[] = {{100, 5, 2, 100, 0, 0}, {95, 20, 1, 50, 0, 0}, {95, 19, 1, 0, 101, 19}};
    std::unique_ptr<MountainClimber> m(open<MountainClimber>());
    for (const Climb& c : climbs) {
        m->height = c.height;
        m->spinCount = c.spinCount;
        m->climbPoints = c.points;
        EXPECT_EQ(m->runClimbBonus(), c.pay) << c.height << " " << c.spinCount;
        EXPECT_EQ(m->height, c.heightAfter);
        EXPECT_EQ(m->spinCount, c.spinCountAfter);
    }
    // The period's end in the spin: above 97 adds 50 to the spin's win,
    // above 83 adds 20; the climb starts over from the foot either way.
    const int ends[][2] = {{98, 50}, {97, 20}, {84, 20}, {83, 0}};
    for (const auto& end : ends) {
        m->coins = 1;
        seedGenerators(5);
        m->spinCount = m->height = 0;
        m->spin();
        const int plain = m->win;
        seedGenerators(5);
        m->height = end[0];
        m->spinCount = MountainClimber::periodSpins;
        m->spin();
        EXPECT_EQ(m->win, plain + end[1]) << "height " << end[0];
        EXPECT_EQ(m->height, 0);
        EXPECT_EQ(m->spinCount, 1);
    }
    // The hidden pay-out test leaves the climb as it found it.
    m->credits = 100;
    m->height = 98;
    m->spinCount = 17;
    m->climberFrame = 3;
    m->payoutTest();
    EXPECT_FALSE(m->bonusPending);
    EXPECT_EQ(m->climbPoints, 0);
    EXPECT_EQ(m->height, 98);
    EXPECT_EQ(m->spinCount, 17);
    EXPECT_EQ(m->climberFrame, 3);
}

TEST_F(MountainClimberTest, BonusRunsInTheSettleAndResetButton) {
    std::unique_ptr<MountainClimber> m(open<MountainClimber>(1.0f, "50"));
    bool climbed = false;
    for (int i = 0; i < 200 && !climbed; ++i) {
        m->credits = 100;
        m->coins = 1;
        m->pull();
        const bool pending = m->bonusPending;
        const int points = m->climbPoints;
        const int won = m->win;
        clearLoadedAssets();
        finishSpin(*m);
        EXPECT_EQ(heard("yodel1.wav") || heard("yodel2.wav") || heard("yodel3.wav"), pending);
        EXPECT_FALSE(m->bonusPending);
        EXPECT_EQ(m->climbPoints, 0);
        if (pending) {
            EXPECT_EQ(m->height, 6 * points);
            EXPECT_EQ(m->credits, 100 - 1 + won);
            climbed = true;
        }
    }
    EXPECT_TRUE(climbed);

    // While the reels turn the button changes nothing; afterwards it resets.
    m->spinCount = 7;
    m->menuEnabled = false;
    press(*m, "reset");
    EXPECT_EQ(m->spinCount, 7);
    m->menuEnabled = true;
    clearLoadedAssets();
    press(*m, "reset");
    EXPECT_EQ(m->spinCount, 0);
    EXPECT_EQ(m->height, 0);
    EXPECT_TRUE(assetTried("../gfx/bonus/mountainclimber/climber.png.0"));
    EXPECT_TRUE(heard("click3.wav"));
}

namespace {

bool reelsStopped(const Machine& m) {
    for (int start : m.reelStartTimes)
        if (start != -1) return false;
    return true;
}

}  // namespace

// The climb points come with the spin, and so does what the climb pays: the
// save file holds it from the pull on, and a close anywhere in the climb
// leaves the save file as the climb played through does. Height 95 on the
// period's twentieth spin: any climb passes 97 and pays 50, or 100 past the
// summit.
TEST(MountainClimberKept, ClimbKeptWithTheSpin) {
    using namespace keptplay;
    for (uint32_t seed : {4u, 9u}) {
        Plan plan("mountainclimber", seed,
                  [](Machine& m) { return static_cast<MountainClimber&>(m).bonusPending && reelsStopped(m); });
        plan.before = [](Machine& m) {
            auto& climber = static_cast<MountainClimber&>(m);
            climber.height = 95;
            climber.spinCount = MountainClimber::periodSpins - 1;
        };
        plan.look = true;
        const PlayRun through = expectCloseKeepsThePlay(plan);
        ASSERT_EQ(through.pulledWin, 0) << "a climb comes with a losing spin";
        const double climbed = through.finalMoney - (kMoneyBefore - 3);
        EXPECT_TRUE(climbed == 50 || climbed == 100) << climbed;
        for (size_t i = 0; i < through.money.size(); ++i)
            ASSERT_EQ(through.money[i], through.finalMoney) << "moment " << i << " of " << through.money.size();
    }
}

// The end of a paying period is shown after the spin is kept: at height
// 90, the twenty-first spin pays 20 more, and the save file holds them
// while the mountain is shown. A close then changes nothing.
TEST(MountainClimberKept, PeriodEndShownOnceKept) {
    using namespace keptplay;
    Plan plan("mountainclimber", 1, [](Machine& m) { return static_cast<MountainClimber&>(m).periodEndHeight >= 0; });
    plan.before = [](Machine& m) {
        auto& climber = static_cast<MountainClimber&>(m);
        climber.height = 90;
        climber.spinCount = MountainClimber::periodSpins;
    };
    plan.look = true;
    const PlayRun through = expectCloseKeepsThePlay(plan);
    ASSERT_GE(through.pulledWin, 20);
    const std::vector<int> shown = bonusMoments(through);
    ASSERT_FALSE(shown.empty());
    for (int i : shown) EXPECT_EQ(through.money[i], kMoneyBefore - 3 + through.pulledWin) << "moment " << i;
}

// The mountain shows the spins counted in this period in "cashname.ttf" at 25
// points, black, centred on (548, 536): across, the text's middle on x 548;
// down, its baseline half the text's height (as the font measures it) below
// y 536, so the figures stand on that line, in the cream box drawn for them.
namespace {
// Where the screen showed near-black pixels at the mountain's pause, inside
// the cream box drawn for the count (120 x 52 at (488, 524)).
SDL_Rect darkInk;
void findDarkInk(Uint32) {
    const SDL_Surface* s = display->screen;
    int top = 600, bottom = -1, left = 800, right = -1;
    for (int y = 527; y < 573; ++y)
        for (int x = 491; x < 605; ++x) {
            Uint8 r, g, b;
            const Uint16 p = reinterpret_cast<const Uint16*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch)[x];
            SDL_GetRGB(p, s->format, &r, &g, &b);
            if (r < 60 && g < 60 && b < 60) {
                top = std::min(top, y), bottom = std::max(bottom, y);
                left = std::min(left, x), right = std::max(right, x);
            }
        }
    darkInk = {Sint16(left), Sint16(top), Uint16(right - left + 1), Uint16(bottom - top + 1)};
}
}  // namespace

TEST_F(MountainClimberTest, TheSpinCountStandsOnItsLineUnderTheAnchor) {
    std::unique_ptr<MountainClimber> m(open<MountainClimber>());
    std::unique_ptr<sge_TTFont, void (*)(sge_TTFont*)> font(sge_TTF_OpenFont("../fonts/cashname.ttf", 25),
                                                            sge_TTF_CloseFont);
    ASSERT_TRUE(font);
    for (int count : {7, 17}) {
        std::string text = std::to_string(count);
        const int h = sge_TTF_TextSize(font.get(), text.data()).h;
        m->spinCount = count;
        m->height = 0;
        darkInk = {0, 0, 0, 0};
        testClock.atPause = findDarkInk;
        clearLoadedAssets();
        m->showMountain(m->height);
        testClock.atPause = nullptr;
        EXPECT_TRUE(assetTried("../fonts/cashname.ttf"));
        ASSERT_GT(darkInk.w, 0) << count << ": no black text in the box under (548, 536)";
        const std::string ink = std::to_string(darkInk.x) + "," + std::to_string(darkInk.y) + " " +
                                std::to_string(darkInk.w) + "x" + std::to_string(darkInk.h);
        EXPECT_LE(std::abs(darkInk.x + darkInk.w / 2 - 548), 2) << count << ": ink " << ink;
        // Figures rest on the baseline: their last row is the one above it.
        EXPECT_LE(std::abs(darkInk.y + darkInk.h - (536 + h / 2)), 1) << count << ": ink " << ink << ", h " << h;
        // 25-point digits: about 25 px tall, all of them below the anchor's row.
        EXPECT_GE(darkInk.h, 20) << count;
        EXPECT_LE(darkInk.h, 28) << count;
        EXPECT_GT(darkInk.y, 536) << count;
    }
}

// Devizezu Dozozed: the climb symbols that only losing spins show, the climb
// bonus along the path, the period of twenty spins with its end-of-period
// pay, and the reset button.
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
        sgenrand(5);
        m->spinCount = m->height = 0;
        m->spin();
        const int plain = m->win;
        sgenrand(5);
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

// The mountain shows the spins counted in this period in "cashname.ttf" at 25
// points, black, centred both ways on (548, 536): the middle of the box
// under "SPINS".
namespace {
// Where the screen showed near-black pixels at the mountain's pause, inside
// the cream box drawn for the count (120 x 48 at (488, 512)).
SDL_Rect darkInk;
void findDarkInk(Uint32) {
    const SDL_Surface* s = display->screen;
    int top = 600, bottom = -1, left = 800, right = -1;
    for (int y = 515; y < 557; ++y)
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

TEST_F(MountainClimberTest, TheSpinCountStandsCentredOnItsAnchor) {
    std::unique_ptr<MountainClimber> m(open<MountainClimber>());
    for (int count : {7, 17}) {
        m->spinCount = count;
        m->height = 0;
        darkInk = {0, 0, 0, 0};
        testClock.atPause = findDarkInk;
        clearLoadedAssets();
        m->showMountain();
        testClock.atPause = nullptr;
        EXPECT_TRUE(assetTried("../fonts/cashname.ttf"));
        ASSERT_GT(darkInk.w, 0) << count << ": no black text near (548, 536)";
        const int midX = darkInk.x + darkInk.w / 2, midY = darkInk.y + darkInk.h / 2;
        EXPECT_LE(std::abs(midX - 548), 2) << count << ": ink " << darkInk.x << "," << darkInk.y << " " << darkInk.w
                                           << "x" << darkInk.h;
        EXPECT_LE(std::abs(midY - 536), 2) << count << ": ink " << darkInk.x << "," << darkInk.y << " " << darkInk.w
                                           << "x" << darkInk.h;
        // 25-point digits: about 18 px tall.
        EXPECT_GE(darkInk.h, 14) << count;
        EXPECT_LE(darkInk.h, 25) << count;
    }
}

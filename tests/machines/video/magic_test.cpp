// Magic: the rabbit's stand-in and doubling, the hanky count and stakes, the
// hat bonus on a seeded generator, and the return of the line pays from the
// reel tables against seeded spins.

#include "machines/video/bonus_prize.h"
#include "machines/video/magic.h"
#include "shell/app.h"
#include "shell/display.h"
#include "video_fixture.h"

using videotest::BonusFixture;
using videotest::prizeFor;

namespace {

class MagicTest : public BonusFixture {
protected:
    Magic* magic = nullptr;
    void SetUp() override {
        BonusFixture::SetUp();
        open("magic");
        magic = dynamic_cast<Magic*>(m);
    }
    // Pictures with (H) or without (-) a hanky, by a pattern like "H H - H H".
    int countFor(const std::string& pattern) {
        std::vector<ReelGraphic*> chosen;
        for (const std::string& w : videotest::words(pattern))
            for (ReelGraphic* g : m->reelGraphics)
                if (g->name == (w == "H" ? "aces_hanky_dove" : "aces_dove_queens")) chosen.push_back(g);
        return Magic::hankyCount(chosen);
    }
};

TEST_F(MagicTest, HankyReelsCountFromTheLeftAndSetTheStake) {
    ASSERT_NE(magic, nullptr);
    // Runs of hankies from the left or the right, a gap ending them.
    std::string counts;
    for (const char* p : {"H H H - -", "- - H H H", "H H H - H", "H - H H H", "H H - H H", "H H H H H"})
        counts += std::to_string(countFor(p));
    EXPECT_EQ(counts, "334325");

    const std::string three = "aces_hanky_dove hanky_dove_kings magic_aces_hanky aces_dove_queens aces_dove_queens";
    stopOn(three, 5, 9);
    EXPECT_TRUE(magic->bonusTriggered);
    EXPECT_EQ(magic->bonusStake, 200);
    magic->bonusTriggered = false;
    stopOn(three, 4, 9);
    EXPECT_EQ(magic->bonusStake, 135);
    stopOn("aces_hanky_dove hanky_dove_kings magic_aces_hanky rabbit_queens_hanky stars_rabbit_hanky", 1, 1);
    EXPECT_EQ(magic->bonusStake, 60);
    // A spin without the bonus sets no stake and leaves a standing flag.
    stopOn("aces_dove_queens aces_dove_queens aces_dove_queens aces_dove_queens aces_dove_queens", 5, 1);
    EXPECT_EQ(magic->bonusStake, 0);
    EXPECT_TRUE(magic->bonusTriggered);
}

TEST_F(MagicTest, HatBonusPaysMultiplierTimesStakeInTheSettle) {
    ASSERT_NE(magic, nullptr);
    const uint32_t seed = 4242;
    sgenrand(seed);
    const int expected = bonusMultipliers[prizeFor(genrand() % 101)];
    sgenrand(seed);

    // A bonus on a spin that won no line: 1 coin on 1 line.
    stopOn("aces_hanky_dove hanky_dove_kings magic_aces_hanky aces_dove_queens aces_dove_queens", 1, 1);
    ASSERT_TRUE(magic->bonusTriggered);
    ASSERT_EQ(m->win, 0);
    m->credits = 10;
    assettest::flushEvents();
    SDL_PumpEvents();
    assettest::queueKey(SDLK_SPACE, ' ');   // ignored
    assettest::queueClick(10, 10);          // beside every hat
    assettest::queueClick(340, 450);        // hat 3
    const int stake = magic->bonusStake;
    EXPECT_EQ(stake, 15);
    testing::internal::CaptureStdout();
    m->settle();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.find("Couldn't Load"), std::string::npos) << out;
    EXPECT_FALSE(magic->bonusTriggered);
    EXPECT_EQ(magic->bonusStake, 0);
    EXPECT_EQ(m->credits, 10 - 1 + expected * stake);
}

TEST_F(MagicTest, ClosingTheWindowDuringTheHatsStillPaysTheBonus) {
    ASSERT_NE(magic, nullptr);
    assettest::flushEvents();
    SDL_PumpEvents();
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    sgenrand(9);
    const int expected = bonusMultipliers[prizeFor(genrand() % 101)];
    sgenrand(9);
    EXPECT_EQ(magic->runHatBonus(), expected) << "the prize is drawn and paid, not lost";
    EXPECT_TRUE(quitRequested()) << "the close is kept for the frame loop";
}

TEST_F(MagicTest, PayoutTestArmsNoBonusForTheNextSpin) {
    ASSERT_NE(magic, nullptr);
    m->credits = 100000;
    m->coins = 1;
    m->lines = 1;
    sgenrand(5);
    testing::internal::CaptureStdout();
    m->payoutTest();
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(magic->bonusTriggered);
    EXPECT_EQ(magic->bonusStake, 0);
}

}  // namespace

// Zora Vav Odiderevi: line pays with the mermaid for the marlin, the big-fish
// runs that open the bonus and their stakes, the fishing bonus on a seeded
// generator, and the return of the lines from the reel tables against
// seeded spins.

#include "machines/video/bonus_prize.h"
#include "machines/video/deep_sea.h"
#include "shell/animation.h"
#include "shell/display.h"
#include "video_fixture.h"

using videotest::BonusFixture;
using videotest::prizeFor;

namespace {

class DeepSeaTest : public BonusFixture {
protected:
    DeepSea* sea = nullptr;
    void SetUp() override {
        BonusFixture::SetUp();
        open("deepsea");
        sea = dynamic_cast<DeepSea*>(m);
    }
    // S: a picture with a shark, F: with a fish (no shark), -: neither big fish.
    void reels(const std::string& pattern, int coinsPerLine) {
        std::string pictures;
        for (const std::string& w : videotest::words(pattern))
            pictures += (w == "S" ? "mermaid_star_shark " : w == "F" ? "crab_fish_mermaid " : "crab_marlin_star ");
        stopOn(pictures, 1, coinsPerLine);
    }
};

TEST_F(DeepSeaTest, BigFishRunsOpenTheBonusWithTheirStake) {
    ASSERT_NE(sea, nullptr);
    reels("S S S - -", 1);
    EXPECT_TRUE(sea->bonusTriggered);
    EXPECT_EQ(sea->bonusStake, 20);
    EXPECT_FALSE(m->scatterWin);
    reels("S S S - S", 2);
    EXPECT_EQ(sea->bonusStake, 60);
    reels("S S S S S", 1);
    EXPECT_EQ(sea->bonusStake, 40);
    sea->bonusTriggered = false;
    reels("S S - S S", 1);
    EXPECT_FALSE(sea->bonusTriggered);
    EXPECT_EQ(sea->bonusStake, 0);
    reels("- F F F -", 3);
    EXPECT_TRUE(sea->bonusTriggered);
    EXPECT_TRUE(m->scatterWin);
    EXPECT_EQ(sea->bonusStake, 60);
    auto sounds = soundsDuring([&] { m->playWinSound(); });
    EXPECT_EQ(sounds.count("jaws.wav"), 1u);
    sea->bonusTriggered = false;
    reels("S S F - -", 1);
    EXPECT_FALSE(sea->bonusTriggered);
}

TEST_F(DeepSeaTest, FishingBonusPaysTheDrawnMultiplierTimesTheStake) {
    ASSERT_NE(sea, nullptr);
    // Sharks on reels 1 to 4 at 2 coins: stake 60.
    reels("S S S S -", 2);
    ASSERT_EQ(sea->bonusStake, 60);
    const int lineWin = m->win;
    const uint32_t seed = 1234;
    sgenrand(seed);
    // The mouths flicker on passes without events; none run before the click here.
    const int expected = bonusMultipliers[prizeFor(genrand() % 101)];
    sgenrand(seed);
    m->credits = 50;
    assettest::flushEvents();
    SDL_PumpEvents();
    assettest::queueKey(SDLK_ESCAPE, 27);  // dropped
    assettest::queueClick(20, 500);        // no fish there
    assettest::queueClick(380, 150);       // the red fish
    testing::internal::CaptureStdout();
    m->settle();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.find("Couldn't Load"), std::string::npos) << out;
    EXPECT_FALSE(sea->bonusTriggered);
    EXPECT_EQ(sea->bonusStake, 0);
    EXPECT_EQ(m->credits, 50 - 2 + lineWin + expected * 60);
}

TEST_F(DeepSeaTest, RipplesStartAsManyFramesOnAsTheyWereMoved) {
    std::vector<AnimatedSprite*> waves;
    DeepSea::buildRipples(waves);
    std::vector<int> at;
    for (AnimatedSprite* w : waves) {
        at.push_back(w->position);
        delete w;
    }
    EXPECT_EQ(at, (std::vector<int>{1, 2, 1, 0, 0}));
}

TEST_F(DeepSeaTest, PayoutTestArmsNoBonusForTheNextSpin) {
    ASSERT_NE(sea, nullptr);
    m->credits = 100000;
    m->coins = 1;
    m->lines = 1;
    sgenrand(11);
    testing::internal::CaptureStdout();
    m->payoutTest();
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(sea->bonusTriggered);
}

}  // namespace

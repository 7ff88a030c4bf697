// Zora Vav Odiderevi: line pays with the mermaid for the marlin, the big-fish
// runs that open the bonus and their stakes, the fishing bonus on a seeded
// generator, and the return of the lines from the reel tables against
// seeded spins.
#include <cmath>
#include <iostream>

#include "machines/video/bonus_prize.h"
#include "machines/video/deep_sea.h"
#include "shell/display.h"
#include "video_fixture.h"

using videotest::VideoFixture;

namespace {

Uint32 fakeNow = 1000;
Uint32 fakeTicks() { return fakeNow += 5; }
void fakePause(Uint32 ms) { fakeNow += ms; }

int prizeFor(unsigned r) { return r == 0 ? 5 : r <= 2 ? 4 : r <= 6 ? 3 : r <= 14 ? 2 : r <= 55 ? 1 : 0; }

class DeepSeaTest : public VideoFixture {
protected:
    DeepSea* sea = nullptr;
    Uint32 (*savedTicks)() = nullptr;
    void SetUp() override {
        VideoFixture::SetUp();
        open("deepsea");
        sea = dynamic_cast<DeepSea*>(m);
        savedTicks = mediaTicks;
        mediaTicks = fakeTicks;
        videoBonusPause = fakePause;
    }
    void TearDown() override {
        mediaTicks = savedTicks;
        videoBonusPause = SDL_Delay;
        VideoFixture::TearDown();
    }
    // S: a picture with a shark, F: with a fish (no shark), -: neither big fish.
    void reels(const std::string& pattern, int coinsPerLine) {
        std::string pictures;
        for (const std::string& w : videotest::words(pattern))
            pictures += (w == "S" ? "mermaid_star_shark " : w == "F" ? "crab_fish_mermaid " : "crab_marlin_star ");
        stopOn(pictures, 1, coinsPerLine);
    }
};

TEST_F(DeepSeaTest, LinePaysWithTheMermaidForTheMarlin) {
    ASSERT_NE(sea, nullptr);
    EXPECT_EQ(m->maxCoins, 9);
    EXPECT_EQ(m->reelGraphics.size(), 27u);
    EXPECT_EQ(m->linePays.size(), 22u);
    EXPECT_EQ(pay("mermaid mermaid mermaid mermaid mermaid"), 500);
    EXPECT_EQ(pay("marlin marlin marlin marlin marlin"), 250);
    EXPECT_EQ(pay("mermaid marlin shell shell shell"), 25);
    EXPECT_EQ(pay("mermaid mermaid shell star star"), 30);
    EXPECT_EQ(pay("marlin shell shell shell shell"), 2);
    EXPECT_EQ(pay("shell shell shell star star"), 5);
    EXPECT_EQ(pay("shell shell star star star"), 0);
    EXPECT_EQ(pay("shark shark shark shark shark"), 0);
}

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

TEST_F(DeepSeaTest, ReturnPerCoinFromTheTablesMatchesSeededSpins) {
    ASSERT_NE(sea, nullptr);
    videotest::ReturnTable t;
    auto index = [&](const std::string& name) {
        for (size_t i = 0; i < m->symbols.size(); ++i)
            if (m->symbols[i]->name == name) return int(i);
        return -1;
    };
    for (ReelGraphic* g : m->reelGraphics) {
        t.pictures.push_back({index(g->symbols[0]->name), index(g->symbols[1]->name), index(g->symbols[2]->name)});
        t.weights.push_back(g->baseWeight());
    }
    const std::vector<std::pair<std::string, std::array<int, 6>>> pays = {
        {"shell", {0, 0, 0, 5, 10, 15}},      {"star", {0, 0, 0, 10, 20, 30}},     {"crab", {0, 0, 0, 10, 15, 20}},
        {"lobster", {0, 0, 0, 25, 30, 50}},   {"marlin", {0, 2, 25, 50, 75, 250}}, {"mermaid", {0, 2, 30, 75, 250, 500}},
        {"fish", {0, 0, 0, 0, 0, 0}},         {"shark", {0, 0, 0, 0, 0, 0}},       {"swordfish", {0, 0, 0, 0, 0, 0}},
    };
    t.pay.resize(m->symbols.size());
    for (const auto& p : pays) t.pay[size_t(index(p.first))] = p.second;
    t.wild = index("mermaid");
    t.wildOnly = {index("marlin")};
    t.wildDoubles = false;
    t.lines = {{1, 1, 1, 1, 1}, {0, 0, 0, 0, 0}, {2, 2, 2, 2, 2}, {0, 1, 2, 1, 0}, {2, 1, 0, 1, 2}};

    double mean = 0, variance = 0;
    videotest::exactReturn(t, mean, variance);
    std::cout << "deepsea: line return per coin from the tables " << mean / 5 << std::endl;

    sgenrand(20261206);
    const int spins = 30000;
    double total = 0;
    for (int i = 0; i < spins; ++i) {
        m->lines = 5;
        m->coins = 1;
        m->spin();
        total += m->win;
    }
    sea->bonusTriggered = false;
    std::cout << "deepsea: line return per coin over " << spins << " seeded spins " << total / spins / 5 << std::endl;
    EXPECT_NEAR(total / spins, mean, 5 * std::sqrt(variance / spins));
}

}  // namespace

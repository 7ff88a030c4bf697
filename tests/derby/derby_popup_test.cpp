// The derby's money popup (what an entry buys) and its attract screen.
#include <climits>

#include "derby/derby_fixture.h"

using namespace derbytest;

namespace {

// Types an amount into the popup of a machine at the given coin value (then
// Escape when it is to be refused); the credits it bought.
int insert(DemoDerby& d, const std::string& typed, float value, bool refused = false) {
    d.denomination = findDenominationValue(value);
    const int before = d.credits;
    testrt::typeMoney(typed);
    if (refused) testrt::tapKey(SDLK_ESCAPE);
    d.insertMoney();
    testrt::drainEvents();
    return d.credits - before;
}

}  // namespace

// Refused entries buy nothing and play no bill (a refusal is said, then
// Escape); large coins buy whole coins only; no entry takes the credits past
// room for the top win; a window close ends the field and is kept for the game.
TEST_F(DerbyTest, EntriesBuyWholeCoinsWithinTheLargestCount) {
    std::unique_ptr<DemoDerby> d(open("0"));
    const double money = currentPlayer->money;
    const std::vector<Uint8> before = screenPixels();
    for (const char* typed : {"", "abc", "-5", "0"}) {
        clearLoadedAssets();
        EXPECT_EQ(insert(*d, typed, 1.0f, *typed && *typed != '0'), 0) << typed;
        EXPECT_FALSE(assetTried("../gfx/money/pokerbill.png.0")) << typed;
        EXPECT_TRUE(assetTried("../sounds/coinin1.wav"));
    }
    EXPECT_DOUBLE_EQ(currentPlayer->money, money);
    EXPECT_TRUE(screenPixels() == before) << "the screen is put back after the popup";
    EXPECT_EQ(insert(*d, "12 dollars", 1.0f), 12);
    EXPECT_EQ(insert(*d, "3", 5.0f, true), 0);
    EXPECT_EQ(insert(*d, "7", 5.0f), 1);
    EXPECT_DOUBLE_EQ(currentPlayer->money, money - 12.0 - 5.0);

    currentPlayer->money = 1e9;
    d->credits = INT_MAX - derbyTopGameWin - 50;
    EXPECT_EQ(insert(*d, "51", 1.0f, true), 0) << "no room left for the top win";
    EXPECT_EQ(insert(*d, "50", 1.0f), 50);
    d->credits = 7;  // don't pay the test's billions into the purse

    testrt::pushQuit();
    d->insertMoney();
    EXPECT_EQ(d->credits, 7);
    EXPECT_DOUBLE_EQ(currentPlayer->money, 1e9 - 50);
    EXPECT_TRUE(quitRequested()) << "the frame loop still sees the request";
}

TEST_F(DerbyTest, AttractScreenLastsUntilAPressAndPutsTheScreenBack) {
    std::unique_ptr<DemoDerby> d(open("10"));
    const std::vector<Uint8> before = screenPixels();
    // Releases don't end it; the key press does; what follows stays queued.
    testrt::pushKey(SDLK_a, 'a', SDL_KEYUP);
    testrt::pushClick(10, 10, SDL_MOUSEBUTTONUP);
    testrt::pushKey(SDLK_a, 'a');
    testrt::pushClick(10, 10);
    clearLoadedAssets();
    d->showAttract("bottom");
    SDL_Event left{};
    ASSERT_TRUE(SDL_PollEvent(&left));
    EXPECT_EQ(left.type, SDL_MOUSEBUTTONDOWN) << "the press after the key stays queued";
    EXPECT_FALSE(SDL_PollEvent(&left));
    EXPECT_TRUE(assetTried("../gfx/demoderby/bottom.png"));
    EXPECT_FALSE(assetTried("../fonts/ledfont.def")) << "the bottom panel has no sign";
    EXPECT_TRUE(assetTried("../sounds/whoosh.wav"));
    EXPECT_TRUE(screenPixels() == before) << "the derby is back as it was";

    testrt::pushClick(10, 10);
    clearLoadedAssets();
    d->showAttract("top");
    EXPECT_TRUE(assetTried("../gfx/demoderby/top.png"));
    EXPECT_TRUE(assetTried("../fonts/ledfont.def"));

    // A window close ends it too, and is kept for the frame loop.
    testrt::pushQuit();
    d->showAttract("top");
    EXPECT_TRUE(quitRequested());
}

// The video slots' bonus games, played in the settle of a spin that armed
// them with the player's input queued: what they pay, what they ignore, how
// they end and what a window close does; and the prize draw they share.
#include <SDL_image.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "player/money.h"
#include "player/save_files.h"
#include "shell/app.h"
#include "video_fixture.h"

using videotest::armedStake;

namespace {

using BonusGames = videotest::VideoFixture;

// Runs a step that shows a bonus game: every picture it asks for loads.
void expectAllLoads(const std::function<void()>& step) {
    testing::internal::CaptureStdout();
    step();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.find("Couldn't Load"), std::string::npos) << out;
}

// Clicks balloon i (eight to a row, four rows), by default in its middle.
void clickBalloon(size_t i, int dx = 33, int dy = 40) {
    const int xs[8] = {71, 144, 214, 286, 357, 430, 503, 575};
    const int ys[4] = {140, 235, 322, 409};
    videotest::pickAt(xs[i % 8] + dx, ys[i / 8] + dy);
}

// A pick-one bonus armed by a spin, and the input its screen is given.
struct PickOne {
    const char* id;
    const char* pictures;
    int lines, coins;
    SDLKey ignored;
    int missX, missY;  // a click on nothing to pick
    int pickX, pickY;
};

const PickOne pickOnes[] = {
    // Three hankies on a spin that won no line, 1 coin on 1 line: a stake of 15; hat 3 picked.
    {"magic", "aces_hanky_dove hanky_dove_kings magic_aces_hanky aces_dove_queens aces_dove_queens", 1, 1, SDLK_SPACE,
     10, 10, 340, 450},
    // Sharks on reels 1 to 4 at 2 coins, with a line win: a stake of 60; the red fish picked.
    {"deepsea", "mermaid_star_shark mermaid_star_shark mermaid_star_shark mermaid_star_shark crab_marlin_star", 1, 2,
     SDLK_ESCAPE, 20, 500, 380, 150},
};

}  // namespace

// The draw takes one number below 101: 0 wins the 100x prize, 1-2 the 50x,
// 3-6 the 25x, 7-14 the 10x, 15-55 the 5x and 56-100 the 3x. Every number
// is met over the seeds, each against the prize its range gives.
TEST(BonusPrizeDraw, EachNumberWinsThePrizeOfItsRange) {
    const int upTo[6] = {100, 55, 14, 6, 2, 0};  // the largest number of each prize index
    std::vector<bool> met(101, false);
    for (uint32_t seed = 1; seed <= 3000 && !HasFailure(); ++seed) {
        sgenrand(seed);
        const int r = static_cast<int>(genrand() % 101);
        sgenrand(seed);
        const int index = drawBonusMultiplier();
        ASSERT_TRUE(index >= 0 && index < 6) << index;
        EXPECT_TRUE(r <= upTo[index] && (index == 5 || r > upTo[index + 1])) << r << " drew prize " << index;
        met[r] = true;
    }
    EXPECT_EQ(std::count(met.begin(), met.end(), true), 101);
}

TEST_F(BonusGames, PickOneBonusesPayTheDrawnMultiplierTimesTheStake) {
    for (const PickOne& row : pickOnes) {
        SCOPED_TRACE(row.id);
        open(row.id);
        stopOn(row.pictures, row.lines, row.coins);
        const int stake = armedStake(m);
        ASSERT_GT(stake, 0);
        const int lineWin = m->win;
        sgenrand(4242);
        const int expected = bonusMultipliers[drawBonusMultiplier()] * stake;
        sgenrand(4242);
        m->credits = 50;
        testrt::drainEvents();
        testrt::tapKey(row.ignored, 0);
        videotest::pickAt(row.missX, row.missY);
        videotest::pickAt(row.pickX, row.pickY);
        expectAllLoads([&] { m->settle(); });
        EXPECT_EQ(armedStake(m), -1);
        EXPECT_EQ(m->credits, 50 - row.lines * row.coins + lineWin + expected);
    }
}

// The prizes behind the hats and the fish, in the order the draw indexes
// them; the balloons: 6 busts, one big balloon of 1000 or 1500, and 25 of
// 5 x (coins + 0..4 x coins - 1) credits: 5 x coins to 25 x coins - 5.
TEST_F(BonusGames, PrizeListsAndBalloonValues) {
    const std::vector<int> prizes = {3, 5, 10, 25, 50, 100};
    const std::vector<MagicPrize> hats = Magic::buildBonusPrizes();
    const std::vector<DeepSeaBonusRecord> fish = DeepSea::buildBonusPrizes();
    ASSERT_EQ(hats.size(), 6u);
    ASSERT_EQ(fish.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(hats[i].multiplier, prizes[i]);
        EXPECT_EQ(fish[i].multiplier, prizes[i]);
    }
    open("balloonblitz");
    for (int coins : {1, 3}) {
        m->coins = coins;
        std::vector<int> seen, bigs;
        for (uint32_t seed = 1; seed <= 60; ++seed) {
            sgenrand(seed);
            const auto balloons = dynamic_cast<BalloonBlitz*>(m)->createBalloons();
            ASSERT_EQ(balloons.size(), 32u);
            std::vector<int> v;
            for (const auto& b : balloons) v.push_back(b->value);
            std::sort(v.begin(), v.end());
            EXPECT_EQ(std::count(v.begin(), v.end(), 0), 6);
            bigs.push_back(v.back());
            seen.insert(seen.end(), v.begin() + 6, v.end() - 1);
        }
        for (int big : bigs) EXPECT_TRUE(big == 1000 || big == 1500) << big;
        for (int cash : seen) EXPECT_EQ(cash % 5, 0) << cash;
        EXPECT_EQ(*std::min_element(seen.begin(), seen.end()), 5 * coins);
        EXPECT_EQ(*std::max_element(seen.begin(), seen.end()), 25 * coins - 5);
        EXPECT_NE(std::count(bigs.begin(), bigs.end(), 1000), 0);
        EXPECT_NE(std::count(bigs.begin(), bigs.end(), 1500), 0);
    }
}

TEST_F(BonusGames, BalloonsPayThePoppedCashUpToTheFirstBust) {
    open("balloonblitz");
    // Three bullseye reels on a spin that won no line: the scatter at 1 coin on 1 line.
    stopOn("box_bullseye_3box bullseye_car_2box bullseye_clown_3box box_clown_3box box_clown_3box", 1, 1);
    ASSERT_EQ(armedStake(m), 0);
    const int scatter = m->win;
    sgenrand(31);
    size_t cash = 0, bust = 0;
    int cashValue = 0;
    {
        const auto balloons = dynamic_cast<BalloonBlitz*>(m)->createBalloons();
        while (balloons[cash]->value == 0) ++cash;
        while (balloons[bust]->value != 0) ++bust;
        cashValue = balloons[cash]->value;
    }
    m->credits = 10;
    testrt::drainEvents();
    testrt::tapKey(SDLK_ESCAPE, 27);  // dropped
    clickBalloon(cash, 0, 0);              // the balloon's edge pixel: nothing
    clickBalloon(cash);                    // cash
    clickBalloon(cash);                    // popped already: nothing
    clickBalloon(bust);                    // bust: the bonus ends
    sgenrand(31);
    expectAllLoads([&] { m->settle(); });
    EXPECT_EQ(armedStake(m), -1);
    EXPECT_EQ(m->credits, 10 - 1 + scatter + cashValue);
}

// A pull that wins a bonus game draws the bonus's prizes with it: from the
// pull on, the save file holds the whole play, bonus included (for the
// balloons: the rest popped in the order they stand, row by row from the
// top left, up to the first bust, the picks of a player who picks no more).
// Each pick is kept before it is shown, and a window close during the bonus
// pays exactly what was kept.
TEST_F(BonusGames, TheBonusIsKeptWithThePullAndACloseTakesWhatWasKept) {
    auto saved = [] { return Money::dollars(savefiles::savedMoney(currentPlayer->name)).inCents(); };
    auto account = [] { return Money::dollars(currentPlayer->money).inCents(); };
    for (const PickOne& row : pickOnes) {
        SCOPED_TRACE(row.id);
        open(row.id);
        stopOn(row.pictures, row.lines, row.coins);
        const int stake = armedStake(m), lineWin = m->win, bet = row.lines * row.coins;
        sgenrand(77);
        const int prize = bonusMultipliers[drawBonusMultiplier()] * stake;
        sgenrand(77);
        m->credits = 50;
        m->keepPull(bet);
        EXPECT_EQ(saved(), account() + 100 * (50 - bet + lineWin + prize)) << "the bonus, kept with the pull";
        testrt::drainEvents();
        testrt::pushQuit();
        m->settle();
        clearQuitRequest();
        testrt::drainEvents();
        EXPECT_EQ(m->credits, 50 - bet + lineWin + prize);
        EXPECT_EQ(saved(), account() + 100 * m->credits);
    }

    open("balloonblitz");
    auto* b = dynamic_cast<BalloonBlitz*>(m);
    stopOn("box_bullseye_3box bullseye_car_2box bullseye_clown_3box box_clown_3box box_clown_3box", 1, 1);
    const int scatter = m->win;
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        sgenrand(seed);
        const std::vector<int> values = b->drawBalloonValues();
        // In the order they stand up to the first bust.
        int inOrder = 0, firstBust = 0;
        while (values[static_cast<size_t>(firstBust)] != 0) inOrder += values[static_cast<size_t>(firstBust++)];
        // The player picks the last cash balloon first, then closes the window.
        size_t lastCash = 31;
        while (values[lastCash] == 0) --lastCash;
        const int picked = values[lastCash] + inOrder - (static_cast<int>(lastCash) < firstBust ? values[lastCash] : 0);

        stopOn("box_bullseye_3box bullseye_car_2box bullseye_clown_3box box_clown_3box box_clown_3box", 1, 1);
        sgenrand(seed);
        m->credits = 10;
        m->keepPull(1);
        EXPECT_EQ(saved(), account() + 100 * (10 - 1 + scatter + inOrder));
        testrt::drainEvents();
        clickBalloon(lastCash);
        testrt::pushQuit();
        m->settle();
        clearQuitRequest();
        testrt::drainEvents();
        EXPECT_EQ(m->credits, 10 - 1 + scatter + picked);
        EXPECT_EQ(saved(), account() + 100 * m->credits);
    }
}

// A window close during the hats still pays the bonus; the hidden pay-out
// test arms none for the next spin.
TEST_F(BonusGames, HatsPayThroughAWindowCloseAndThePayoutTestArmsNothing) {
    open("magic");
    testrt::pushQuit();
    sgenrand(9);
    const int expected = bonusMultipliers[drawBonusMultiplier()];
    sgenrand(9);
    EXPECT_EQ(dynamic_cast<Magic*>(m)->runHatBonus(), expected) << "the prize is drawn and paid, not lost";
    EXPECT_TRUE(quitRequested()) << "the close is kept for the frame loop";

    m->credits = 100000;
    m->coins = 1;
    m->lines = 1;
    testing::internal::CaptureStdout();
    m->payoutTest();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(armedStake(m), -1);
}

// Played to its end, each bonus screen gives the machine's screen back
// exactly as it was, and every picture it put up is gone with it.
TEST_F(BonusGames, EachBonusScreenGivesTheMachineBackAsItWas) {
    struct Visit {
        const char* id;
        const char* backdrop;
        std::function<void()> play;  // queues the player's input and runs the bonus
    };
    const Visit visits[] = {
        {"magic", "../gfx/bonus/magic/bonus.png",
         [this] {
             videotest::pickAt(340, 450);  // hat 3
             dynamic_cast<Magic*>(m)->runHatBonus();
         }},
        {"deepsea", "../gfx/bonus/deepsea/bonus.png",
         [this] {
             videotest::pickAt(380, 150);  // the red fish
             dynamic_cast<DeepSea*>(m)->runDeepSeaBonus();
         }},
        {"balloonblitz", "../gfx/bonus/balloonblitz/bonus.png",
         [this] {
             for (size_t i = 0; i < 32; ++i) clickBalloon(i);  // popped one by one up to the first bust
             dynamic_cast<BalloonBlitz*>(m)->runBalloonBonus();
         }},
    };
    for (const Visit& v : visits) {
        SCOPED_TRACE(v.id);
        open(v.id);
        ASSERT_TRUE(display->hasSurface());
        const std::vector<Uint8> before = testrt::screenPixels();
        testrt::drainEvents();
        clearLoadedAssets();
        sgenrand(77);
        expectAllLoads(v.play);
        testrt::drainEvents();
        EXPECT_TRUE(testrt::assetTried(v.backdrop)) << "the bonus screen was shown";
        EXPECT_TRUE(testrt::screenPixels() == before);
    }
}

namespace {

// A copy of the screen as RGB, to look at after the bonus has given it back.
struct Shot {
    int w = 0, h = 0;
    std::vector<SDL_Color> px;
    SDL_Color at(int x, int y) const { return px[static_cast<size_t>(y * w + x)]; }
};

Shot shoot(SDL_Surface* s) {
    Shot shot;
    shot.w = s->w;
    shot.h = s->h;
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x) {
            Uint32 pixel = 0;
            std::memcpy(&pixel, static_cast<Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel,
                        s->format->BytesPerPixel);
            SDL_Color c{0, 0, 0, 0};
            SDL_GetRGB(pixel, s->format, &c.r, &c.g, &c.b);
            shot.px.push_back(c);
        }
    SDL_UnlockSurface(s);
    return shot;
}

// The box round the black ink inside [x, y, w, h] of a shot (w 0 when none).
SDL_Rect blackInk(const Shot& shot, int x0, int y0, int w, int h) {
    int left = 10000, top = 10000, right = -1, bottom = -1;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) {
            const SDL_Color c = shot.at(x, y);
            if (c.r < 50 && c.g < 50 && c.b < 50) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = std::max(bottom, y + 1);
            }
        }
    if (right < 0) return SDL_Rect{0, 0, 0, 0};
    return SDL_Rect{Sint16(left), Sint16(top), Uint16(right - left), Uint16(bottom - top)};
}

// How many pixels of a picture differ from the shot where it stands at (x, y),
// counting only the picture's part [fromX, toX) x [fromY, toY) (-1 to its edge).
int differences(const Shot& shot, const char* file, int x, int y, int fromX, int fromY, int toX = -1,
                int toY = -1) {
    SDL_Surface* raw = IMG_Load(file);
    if (!raw) return -1;
    Shot picture = shoot(raw);
    SDL_FreeSurface(raw);
    if (toX < 0) toX = picture.w;
    if (toY < 0) toY = picture.h;
    int differ = 0;
    for (int py = fromY; py < toY; ++py)
        for (int px = fromX; px < toX; ++px) {
            const SDL_Color a = picture.at(px, py), b = shot.at(x + px, y + py);
            differ += std::abs(a.r - b.r) > 8 || std::abs(a.g - b.g) > 8 || std::abs(a.b - b.b) > 8;
        }
    return differ;
}

}  // namespace

// Where the balloon bonus puts its pictures and texts, as the screen is
// designed: the backdrop at (0, 0), the register at (575, 394), the tab at
// (665, 351) with its amount on (713, 401), each balloon's value at 17
// points on its middle (x + 33, y + 40) over a grid of 66 x 80 balloons, and
// the total at 30 points on (466, 524).
TEST_F(BonusGames, BalloonScreenLaidOutAsDesigned) {
    const int columns[8] = {71, 144, 214, 286, 357, 430, 503, 575};
    const int rows[4] = {140, 235, 322, 409};
    struct Picture { const char* file; int x, y; };
    const Picture backdrop = {"../gfx/bonus/balloonblitz/bonus.png", 0, 0};
    const Picture reg = {"../gfx/bonus/balloonblitz/register.png", 575, 394};
    const Picture tab = {"../gfx/bonus/balloonblitz/tab.png", 665, 351};
    const int tabTextX = 713, tabTextY = 401, totalX = 466, totalY = 524;

    open("balloonblitz");
    ASSERT_TRUE(display->hasSurface());
    sgenrand(31);
    size_t cash = 0, bust = 0;
    {
        const auto balloons = dynamic_cast<BalloonBlitz*>(m)->createBalloons();
        while (balloons[cash]->value == 0) ++cash;
        while (balloons[bust]->value != 0) ++bust;
    }
    Shot withTab, atTheEnd;
    testrt::testClock.atPause = [&](Uint32 ms) {
        if (ms == 1000 && withTab.px.empty()) withTab = shoot(display->screen);
        if (ms == 3000) atTheEnd = shoot(display->screen);
    };
    testrt::drainEvents();
    clickBalloon(cash);
    clickBalloon(bust);
    sgenrand(31);
    dynamic_cast<BalloonBlitz*>(m)->runBalloonBonus();
    testrt::testClock.atPause = nullptr;
    ASSERT_FALSE(withTab.px.empty());
    ASSERT_FALSE(atTheEnd.px.empty());

    // the backdrop above the balloons; the register right of the balloon in
    // front of it; the tab's top rows over the register while a pop is shown
    EXPECT_EQ(0, differences(atTheEnd, backdrop.file, backdrop.x, backdrop.y, 0, 0, -1, 130));
    EXPECT_EQ(0, differences(atTheEnd, reg.file, reg.x, reg.y, 642 - reg.x, 0));
    EXPECT_EQ(0, differences(withTab, tab.file, tab.x, tab.y, 0, 0, -1, 28));
    const SDL_Rect tabInk = blackInk(withTab, tab.x + 4, tab.y + 30, 92, 66);
    ASSERT_GT(tabInk.w, 0);
    EXPECT_NEAR(tabTextX, tabInk.x + tabInk.w / 2.0, 2.0);
    // (the height of a centred text is the text label's matter: here it only stays on the tab)
    EXPECT_TRUE(tabInk.y > tab.y + 28 && tabInk.y + tabInk.h < tab.y + 97) << tabTextY;
    EXPECT_GE(tabInk.h, 15) << "a 17-point amount";

    // every balloon shows its value at the end, 17 points high, on its middle and inside it
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 8; ++c) {
            SCOPED_TRACE(testing::Message() << "balloon at " << columns[c] << "," << rows[r]);
            const SDL_Rect ink = blackInk(atTheEnd, columns[c], rows[r], 66, 80);
            ASSERT_GT(ink.w, 0);
            EXPECT_NEAR(columns[c] + 33, ink.x + ink.w / 2.0, 2.0);
            EXPECT_TRUE(ink.y > rows[r] && ink.y + ink.h < rows[r] + 80);
            EXPECT_GE(ink.h, 15);
            EXPECT_LE(ink.h, 20);
            EXPECT_GT(ink.x, columns[c]);
            EXPECT_LT(ink.x + ink.w, columns[c] + 66);
        }
    const SDL_Rect total = blackInk(atTheEnd, 380, 492, 176, 64);
    ASSERT_GT(total.w, 0);
    EXPECT_NEAR(totalX, total.x + total.w / 2.0, 2.0);
    EXPECT_TRUE(total.y > 492 && total.y + total.h < 556) << "inside the total's window round " << totalY;
    EXPECT_GE(total.h, 26) << "a 30-point total";
}

// Rerod Ozid: the dice bonus that one winning full-bet spin in twenty
// starts, and the dice screen itself.
#include <cstring>
#include <set>

#include "machines/threereel/crazy_dice.h"
#include "machines/threereel/three_reel_session.h"

using namespace reelsession;

namespace {

class CrazyDiceTest : public MachineFixture {};

// A copy of the whole screen, to compare before and after a bonus.
std::vector<Uint8> screenBytes() {
    SDL_Surface* s = SDL_GetVideoSurface();
    std::vector<Uint8> out;
    if (!s) return out;
    SDL_LockSurface(s);
    const Uint8* p = static_cast<const Uint8*>(s->pixels);
    out.assign(p, p + s->pitch * s->h);
    SDL_UnlockSurface(s);
    return out;
}

}  // namespace

TEST_F(CrazyDiceTest, DiceScreenAddsTwoFacesAndRestoresTheScreen) {
    CrazyDice* m = open<CrazyDice>();
    const std::vector<Uint8> before = screenBytes();
    std::set<int> seen;
    for (int i = 0; i < 12; ++i) {
        clearLoadedAssets();
        const int x = m->runDiceBonus();
        EXPECT_GE(x, 2);
        EXPECT_LE(x, 12);
        seen.insert(x);
        EXPECT_TRUE(heard("tympani.wav"));
        EXPECT_TRUE(heard("orchit1.wav") && heard("orchit2.wav") && heard("orchit3.wav"));
        EXPECT_EQ(heard("jazzy.wav"), x > 8) << x;
        EXPECT_TRUE(loadedPicture("../gfx/bonus/crazydice/six_right.png"));
        EXPECT_TRUE(screenBytes() == before) << "the machine's screen comes back unchanged";
    }
    EXPECT_GE(seen.size(), 3u);
    delete m;
}

TEST_F(CrazyDiceTest, BonusOnlyForAWinAtFullBet) {
    CrazyDice* m = open<CrazyDice>();
    m->coins = 3;
    do m->spin();
    while (!m->result.matched || m->result.payKind == payWholeBet);
    const PayRule winning = m->result;
    const int line = m->win;

    // One or two coins, or no win: never, whatever the draw.
    for (int i = 0; i < 150; ++i) {
        m->result = winning;
        m->coins = 1 + i % 2;
        m->win = line;
        m->credits = 100;
        clearLoadedAssets();
        m->settle();
        ASSERT_FALSE(heard("dice2.wav"));
        m->coins = 3;
        m->win = 0;
        m->settle();
        ASSERT_FALSE(heard("dice2.wav"));
    }

    // A win at three coins: about one settle in twenty puts the die on the
    // third reel and multiplies the win by the thrown sum.
    int settles = 0;
    bool bonus = false;
    while (!bonus && settles < 400) {
        ++settles;
        m->result = winning;
        m->coins = 3;
        m->win = line;
        m->credits = 100;
        clearLoadedAssets();
        m->settle();
        bonus = heard("dice2.wav");
    }
    ASSERT_TRUE(bonus);
    EXPECT_EQ(m->result.chosenSymbol(2)->name, "dice");
    EXPECT_TRUE(loadedPicture("../gfx/crazydice/b.png.3"));
    EXPECT_FALSE(m->bonusPending);
    const int gained = m->credits - 97;
    ASSERT_EQ(gained % line, 0);
    EXPECT_GE(gained / line, 2);
    EXPECT_LE(gained / line, 12);
    EXPECT_EQ(m->coins, 0);
    delete m;
}

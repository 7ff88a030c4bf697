// Rerod Ozid: the dice bonus that one winning full-bet spin in twenty
// starts, and the dice screen itself.
#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "machines/threereel/crazy_dice.h"
#include "machines/threereel/kept_play.h"
#include "machines/threereel/three_reel_session.h"
#include "shell/image.h"

using namespace reelsession;

using CrazyDiceTest = MachineFixture;

namespace {

Uint16& pixel(SDL_Surface* s, int x, int y) { return static_cast<Uint16*>(s->pixels)[y * s->pitch / 2 + x]; }

// Watches one die of the dice screen: which face it is drawn with at each
// look. Its six face pictures (in the screen's format) are compared with
// the screen where they differ; after each look the die is marked on the
// screen, so the next look sees whether it was drawn again (the same face
// twice running counts twice).
class DieWatch {
public:
    std::vector<int> shown;  // faces 1 to 6, in the order drawn

    explicit DieWatch(const std::string& side) {
        static const char* const names[6] = {"one", "two", "three", "four", "five", "six"};
        for (const char* name : names) {
            faces.push_back(std::make_unique<Image>(std::string("../gfx/bonus/crazydice/") + name + "_" + side + ".png",
                                                    true, false));
            EXPECT_TRUE(faces.back()->loaded) << name << "_" << side;
        }
        if (::testing::Test::HasFailure()) return;
        SDL_Surface* first = faces[0]->surface.get();
        const Uint32 key = first->format->colorkey;
        for (int y = 0; y < first->h; ++y)
            for (int x = 0; x < first->w; ++x) {
                bool opaque = true, same = true;
                for (const auto& f : faces) {
                    opaque = opaque && pixel(f->surface.get(), x, y) != key;
                    same = same && pixel(f->surface.get(), x, y) == pixel(first, x, y);
                }
                if (!opaque) continue;
                if (!same) probes.push_back({x, y});
                else if (markX < 0) markX = x, markY = y, mark = static_cast<Uint16>(~pixel(first, x, y));
            }
        EXPECT_FALSE(probes.empty()) << side << ": the faces look alike";
        EXPECT_GE(markX, 0) << side << ": the faces share no pixel";
    }

    void look() {
        if (markX < 0 || probes.empty()) return;
        SDL_Surface* screen = display->screen;
        if (pixel(screen, markX, markY) != mark) {
            for (size_t f = 0; f < faces.size(); ++f) {
                SDL_Surface* face = faces[f]->surface.get();
                bool all = true;
                for (const auto& p : probes) all = all && pixel(screen, p.first, p.second) == pixel(face, p.first, p.second);
                if (all) shown.push_back(static_cast<int>(f) + 1);
            }
        }
        pixel(screen, markX, markY) = mark;
    }

private:
    std::vector<std::unique_ptr<Image>> faces;
    std::vector<std::pair<int, int>> probes;
    int markX = -1, markY = -1;
    Uint16 mark = 0;
};

// The six faces in a loop's order after a shuffle of `order` by `choices`:
// each place from the second on swaps with the place chosen among those up
// to it.
std::vector<int> shuffled(std::vector<int> order, const std::vector<uint32_t>& choices) {
    for (size_t k = 1; k < order.size(); ++k) std::swap(order[k], order[choices[k - 1] % (k + 1)]);
    return order;
}

}  // namespace

TEST_F(CrazyDiceTest, DiceScreenAddsTwoFacesAndRestoresTheScreen) {
    std::unique_ptr<CrazyDice> m(open<CrazyDice>());
    const std::vector<Uint8> before = screenPixels();
    std::set<int> seen;
    sgenrand(7);
    for (int i = 0; i < 40; ++i) {
        clearLoadedAssets();
        const int x = m->runDiceBonus();
        EXPECT_TRUE(x >= 2 && x <= 12) << x;
        seen.insert(x);
        EXPECT_TRUE(heard("tympani.wav"));
        EXPECT_TRUE(heard("orchit1.wav") && heard("orchit2.wav") && heard("orchit3.wav"));
        EXPECT_EQ(heard("jazzy.wav"), x > 8) << x;
        EXPECT_TRUE(assetTried("../gfx/bonus/crazydice/six_right.png"));
        if (i < 12) {
            EXPECT_TRUE(screenPixels() == before) << "the machine's screen comes back unchanged";
        }
    }
    EXPECT_GE(*seen.rbegin(), 11) << "two dice of six faces";
    EXPECT_LE(*seen.begin(), 3);
}

TEST_F(CrazyDiceTest, BonusOnlyForAWinAtFullBet) {
    std::unique_ptr<CrazyDice> m(open<CrazyDice>());
    m->coins = 3;
    do m->spin();
    while (!m->result.matched || m->result.payKind == payWholeBet);
    const PayRule winning = m->result;
    const int line = m->win;

    // Settles that line at `coins` with `won` to pay; true when the die came.
    auto settleWith = [&](int coins, int won) {
        m->result = winning;
        m->coins = coins;
        m->win = won;
        m->credits = 100;
        clearLoadedAssets();
        m->settle();
        return heard("dice2.wav");
    };
    // One or two coins, or no win: never, whatever the draw.
    for (int i = 0; i < 150; ++i) {
        ASSERT_FALSE(settleWith(1 + i % 2, line));
        ASSERT_FALSE(settleWith(3, 0));
    }

    // A win at three coins: about one settle in twenty puts the die on the
    // third reel and multiplies the win by the thrown sum.
    bool bonus = false;
    for (int settles = 0; settles < 400 && !bonus; ++settles) bonus = settleWith(3, line);
    ASSERT_TRUE(bonus);
    EXPECT_EQ(m->result.chosenSymbol(2)->name, "dice");
    EXPECT_TRUE(assetTried("../gfx/crazydice/b.png.3"));
    EXPECT_FALSE(m->bonusPending);
    const int gained = m->credits - 97;
    ASSERT_EQ(gained % line, 0);
    EXPECT_TRUE(gained / line >= 2 && gained / line <= 12) << gained / line;
    EXPECT_EQ(m->coins, 0);
}

// The dice are thrown with the pull that wins them, whatever closes the
// game later: a window close or a stop signal while the reels turn or
// anywhere in the roll leaves the save file as the bonus played through
// leaves it, never the minimum of two. From the pull on, while the reels
// still turn, the save file holds the win the dice multiply.
TEST(CrazyDiceKept, DiceThrownWithThePullAndKeptFromIt) {
    using namespace keptplay;
    int beyondTheMinimum = 0;
    for (uint32_t seed : {47u, 176u}) {
        Plan plan("crazydice", seed, [](Machine& m) { return static_cast<CrazyDice&>(m).bonusPending; });
        plan.look = true;
        const PlayRun through = expectCloseKeepsThePlay(plan);
        ASSERT_FALSE(bonusMoments(through).empty());
        ASSERT_FALSE(momentsBeforeThePart(through).empty()) << "no moment while the reels turn";
        ASSERT_GT(through.pulledWin, 0);

        // Three coins of $1 bet; the spin's win times the sum of the dice.
        const double multiplier = (through.finalMoney - kMoneyBefore + 3) / through.pulledWin;
        EXPECT_TRUE(multiplier == static_cast<int>(multiplier) && multiplier >= 2 && multiplier <= 12) << multiplier;
        beyondTheMinimum += multiplier > 2;
        expectHeldFromThePull(through, through.finalMoney, "crazydice");
    }
    EXPECT_GT(beyondTheMinimum, 0) << "every seed threw the minimum: a close that stops the dice would pass";
}

// The throw is a function of the draws alone: the same seed throws the
// same faces however the roll is then shown, and the dice screen, on a slow
// clock or cut short by a close, pays the faces thrown and draws nothing
// more from the outcomes.
TEST_F(CrazyDiceTest, TheScreenShowsTheDiceThrownAndDrawsNothing) {
    std::unique_ptr<CrazyDice> m(open<CrazyDice>());
    std::set<int> sums;
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE(seed);
        sgenrand(seed);
        const DiceThrow thrown = CrazyDice::throwDice();
        const uint32_t next = genrand();
        ASSERT_TRUE(thrown.left >= 1 && thrown.left <= 6 && thrown.right >= 1 && thrown.right <= 6);
        sums.insert(thrown.left + thrown.right);

        sgenrand(seed);
        const DiceThrow again = CrazyDice::throwDice();
        ASSERT_EQ(std::make_pair(again.left, again.right), std::make_pair(thrown.left, thrown.right));
        ASSERT_EQ(again.leftTumble, thrown.leftTumble);
        ASSERT_EQ(again.rightTumble, thrown.rightTumble);
        m->thrown = thrown;
        if (seed % 2) pushQuit();
        EXPECT_EQ(m->runDiceBonus(), thrown.left + thrown.right);
        EXPECT_EQ(genrand(), next) << "the roll shown drew from the outcomes";
        EXPECT_EQ(m->thrown.left, 0) << "a throw is shown once";
        clearQuitRequest();
        drainEvents();
    }
    EXPECT_GE(sums.size(), 6u) << "the throws bunch up";
}

// Each die rolls in the shuffled loop, as drawn with the pull that won the
// dice: after the chance of the die, the left die's start is the next draw
// (a face among six), the right die's the one after; each shows its faces
// in their order (one to six) from the one after its start to the six, and
// each later pass shows all six once, in a fresh order. The first die
// through its first pass (the left one when both are, it rolls first) takes
// the next five draws for its first fresh order. Each stops on the face
// thrown, and the screen draws nothing: it shows the roll the pull drew, on
// a clock that runs exactly as the throw's (1 ms a pass).
TEST_F(CrazyDiceTest, EachDieTumblesInTheShuffledLoopThePullDrew) {
    std::unique_ptr<CrazyDice> m(open<CrazyDice>());
    DieWatch left("left"), right("right");
    ASSERT_FALSE(HasFailure());
    testClock.stop(1000, 0);
    testClock.atRest = testClock.atPause = [&](Uint32) {
        left.look();
        right.look();
    };
    std::set<int> leftStarts, rightStarts;
    std::set<std::vector<int>> orders;
    int throws = 0;
    for (uint32_t seed = 1; throws < 8; ++seed) {
        sgenrand(seed);
        if (genrand() % 20 != 0) continue;  // the die comes one full-bet win in twenty
        SCOPED_TRACE(seed);
        ++throws;
        sgenrand(seed);
        std::vector<uint32_t> draws;
        for (int i = 0; i < 8; ++i) draws.push_back(genrand());
        const int leftStart = static_cast<int>(draws[1] % 6), rightStart = static_cast<int>(draws[2] % 6);

        m->coins = 3;
        m->win = 10;
        sgenrand(seed);
        m->drawBonus();
        const uint32_t next = genrand();  // the draw after the pull's
        sgenrand(seed);
        m->drawBonus();
        ASSERT_TRUE(m->diceDue);
        left.shown.clear();
        right.shown.clear();
        const int multiplier = m->runDiceBonus();
        EXPECT_EQ(genrand(), next) << "the roll shown drew from the outcomes";
        m->settleDrawn = m->diceDue = false;

        const std::vector<int> faces = {1, 2, 3, 4, 5, 6};
        auto passes = [&](const std::vector<int>& shown, int start, const char* side) {
            SCOPED_TRACE(side);
            // the face it stops on, then the first pass in order from the one after the start
            EXPECT_GT(shown.size(), 20u);
            if (shown.size() < 2) return std::vector<std::vector<int>>{};
            const std::vector<int> rolled(shown.begin(), shown.end() - 1);
            std::vector<int> firstPass;
            for (int face = start + 2; face <= 6; ++face) firstPass.push_back(face);
            EXPECT_TRUE(std::equal(firstPass.begin(), firstPass.end(), rolled.begin())) << "starts after face " << start + 1;
            std::vector<std::vector<int>> later;
            for (size_t at = firstPass.size(); at < rolled.size(); at += 6) {
                std::vector<int> pass(rolled.begin() + static_cast<long>(at),
                                      rolled.begin() + static_cast<long>(std::min(at + 6, rolled.size())));
                std::vector<int> sorted = pass;
                std::sort(sorted.begin(), sorted.end());
                EXPECT_TRUE(std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end()) << "a face twice in a pass";
                later.push_back(pass);
            }
            EXPECT_GE(later.size(), 3u);
            return later;
        };
        const auto leftPasses = passes(left.shown, leftStart, "left");
        const auto rightPasses = passes(right.shown, rightStart, "right");
        ASSERT_FALSE(leftPasses.empty() || rightPasses.empty());
        EXPECT_EQ(left.shown.back() + right.shown.back(), multiplier) << "the dice stop on the faces thrown";

        const std::vector<int> firstFresh = shuffled(faces, {draws[3], draws[4], draws[5], draws[6], draws[7]});
        EXPECT_EQ(leftStart >= rightStart ? leftPasses.front() : rightPasses.front(), firstFresh);
        std::set<std::vector<int>> fresh;
        for (const auto* dice : {&leftPasses, &rightPasses})
            for (size_t i = 0; i + 1 < dice->size(); ++i) fresh.insert((*dice)[i]);  // the full passes
        EXPECT_GE(fresh.size(), 4u) << "the passes run in one order";
        orders.insert(fresh.begin(), fresh.end());
        leftStarts.insert(left.shown.front());
        rightStarts.insert(right.shown.front());
    }
    testClock.atRest = testClock.atPause = nullptr;
    EXPECT_GE(leftStarts.size(), 3u) << "the left die opens on one face";
    EXPECT_GE(rightStarts.size(), 3u) << "the right die opens on one face";
    EXPECT_GE(orders.size(), 30u);
}

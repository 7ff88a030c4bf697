// The six multi-line machines as the floor builds them (headless): their
// tables, pays by their rules, sound hooks, and each machine's return per
// coin computed exactly from its reel tables against a seeded simulation.
#include <cmath>
#include <functional>
#include <set>
#include <string>

#include "player/machine_table.h"
#include "machine/multi_line.h"
#include "machine/progressive.h"
#include "machines/video/egypts_prize.h"
#include "player/player.h"
#include "shell/util.h"
#include "video_fixture.h"

namespace {

class MultiLineMachines : public videotest::ReelFixture<MultiLineMachine> {
protected:
    // The reels stop on these pictures; `played` lines are evaluated.
    void stopOn(const std::string& pictures, int played) {
        m->chosenGraphics.clear();
        for (const std::string& p : videotest::words(pictures))
            for (ReelGraphic* g : m->reelGraphics)
                if (g->name == p) m->chosenGraphics.push_back(g);
        ASSERT_EQ(m->chosenGraphics.size(), 3u) << pictures;
        m->lines = played;
        m->coins = 1;
        m->evaluateLines();
    }

    // Whether `step` starts this sound (and only it, when `only`).
    bool played(const std::function<void()>& step, const std::string& sound, bool only = false) {
        const std::set<std::string> names = soundsDuring(step);
        return names.count(sound) > 0 && (!only || names.size() == 1);
    }

    // Mean and variance of a spin's win at every line and one coin,
    // enumerated over every three pictures with the draw's chances: a
    // picture gets trunc(10000 / weight) + 1 numbers, where its weight is
    // the sum of its symbols' values, five times as much for each time it
    // was drawn already in the spin.
    void exactFigures(double& mean, double& variance) {
        const size_t n = m->reelGraphics.size();
        std::vector<long> base(n);
        for (size_t i = 0; i < n; ++i) {
            long w = 0;
            for (ReelSymbol* s : m->reelGraphics[i]->symbols) w += s->value;
            base[i] = w;
        }
        auto share = [](long w) { return w > 0 ? 10000 / w + 1 : 0; };
        auto chance = [&](const std::vector<long>& w, size_t pick) {
            long total = 0;
            for (long x : w) total += share(x);
            return share(w[pick]) / double(total);
        };
        m->lines = m->maxLines;
        m->coins = 1;
        double sum = 0, sumSq = 0;
        for (size_t a = 0; a < n; ++a) {
            std::vector<long> w1 = base;
            double pa = chance(base, a);
            w1[a] *= 5;
            for (size_t b = 0; b < n; ++b) {
                std::vector<long> w2 = w1;
                double pb = chance(w1, b);
                w2[b] *= 5;
                for (size_t c = 0; c < n; ++c) {
                    double p = pa * pb * chance(w2, c);
                    m->chosenGraphics = {m->reelGraphics[a], m->reelGraphics[b], m->reelGraphics[c]};
                    m->evaluateLines();
                    sum += p * m->win;
                    sumSq += p * double(m->win) * m->win;
                }
            }
        }
        mean = sum;
        variance = sumSq - sum * sum;
    }

    // The table's return per coin against the average of seeded spins.
    void checkReturn(const std::string& id, double low, double high) {
        open(id);
        double mean = 0, variance = 0;
        exactFigures(mean, variance);
        const double perCoin = mean / m->maxLines;
        std::cout << id << ": return per coin from the tables " << perCoin << std::endl;
        EXPECT_GT(perCoin, low);
        EXPECT_LT(perCoin, high);

        sgenrand(20261206);
        const int spins = 30000;
        double total = 0;
        for (int i = 0; i < spins; ++i) {
            m->lines = m->maxLines;
            m->coins = 1;
            m->evaluate();
            total += m->win;
        }
        const double simulated = total / spins;
        std::cout << id << ": return per coin over " << spins << " seeded spins " << simulated / m->maxLines
                  << std::endl;
        EXPECT_NEAR(simulated, mean, 5 * std::sqrt(variance / spins));
    }
};

}  // namespace

TEST_F(MultiLineMachines, EachStartsHeadlessWithItsTables) {
    const std::pair<const char*, int> all[] = {{"5linedouble", 5}, {"5linetriple", 5}, {"bitsnbytes", 5},
                                               {"baja7s", 3},      {"cashcow", 3},     {"egyptsprize", 3}};
    for (const auto& e : all) {
        open(e.first);
        if (!m) return;
        SCOPED_TRACE(e.first);
        EXPECT_EQ(m->maxLines, e.second);
        EXPECT_EQ(m->credits, 100) << "the money popup took the typed 100 dollars";
        EXPECT_EQ(m->paylineImages.size(), static_cast<size_t>(e.second));
        for (ReelGraphic* g : m->reelGraphics) EXPECT_EQ(g->symbols.size(), 3u) << g->name;
        for (size_t i = 1; i < m->linePays.size(); ++i)
            EXPECT_GE(m->linePays[i - 1]->award, m->linePays[i]->award) << "highest award first";
        // The hidden pay-out test bets what bet max bets: one coin a line.
        testing::internal::CaptureStdout();
        m->payoutTest();
        testing::internal::GetCapturedStdout();
        EXPECT_DOUBLE_EQ(currentPlayer->findStats(e.first)->totalloss, e.second * Machine::payoutTestPlays);
        session->close(m);
        m = nullptr;
    }
}

TEST_F(MultiLineMachines, FiveLineDoubleDoublesPerWild) {
    open("5linedouble");
    EXPECT_EQ(pay("gold blank bar"), 2);
    EXPECT_EQ(pay("gold wild blank"), 10);
    EXPECT_EQ(pay("gold bar wild"), 10);
    EXPECT_EQ(pay("wild wild blank"), 20);
    EXPECT_EQ(pay("wild blank blank"), 0);
    EXPECT_EQ(pay("gold wild wild"), 40);
    EXPECT_EQ(pay("bar 2bar 3bar"), 5);
    EXPECT_EQ(pay("bar 2bar wild"), 10);
    EXPECT_EQ(pay("wild wild bar"), 40);
    EXPECT_EQ(pay("wild wild 3bar"), 160);
    for (int line = 1; line <= 5; ++line) EXPECT_EQ(pay("wild wild wild", line), 500 * line);

    // The big-win tune plays above a hundred.
    m->win = 100;
    EXPECT_FALSE(played([&] { m->playWinSound(); }, "newjack2.wav"));
    m->win = 101;
    EXPECT_TRUE(played([&] { m->playWinSound(); }, "newjack2.wav"));
}

TEST_F(MultiLineMachines, FiveLineTripleTriplesPerWild) {
    open("5linetriple");
    EXPECT_EQ(pay("dice blank bar"), 2);
    EXPECT_EQ(pay("dice wild blank"), 15);
    EXPECT_EQ(pay("wild wild blank"), 45);
    EXPECT_EQ(pay("dice wild wild"), 90);
    EXPECT_EQ(pay("bar 2bar wild"), 15);
    EXPECT_EQ(pay("wild wild bar"), 90);
    EXPECT_EQ(pay("wild wild 3bar"), 360);
    EXPECT_EQ(pay("wild wild 7"), 720);
    EXPECT_EQ(pay("7 7 7"), 80);
    for (int line = 1; line <= 5; ++line) EXPECT_EQ(pay("wild wild wild", line), 500 * line);
}

TEST_F(MultiLineMachines, BitsNBytesPaysAndRingsForPlayedLinesOfOnes) {
    open("bitsnbytes");
    EXPECT_EQ(pay("0 blank 1"), 2);
    EXPECT_EQ(pay("0 wild blank"), 5);
    EXPECT_EQ(pay("wild wild blank"), 5);
    EXPECT_EQ(pay("0 wild wild"), 10);
    EXPECT_EQ(pay("1001 1110 wild"), 5);
    EXPECT_EQ(pay("1001 1001 wild"), 25);
    EXPECT_EQ(pay("1 1 blank"), 0);
    EXPECT_EQ(pay("1 1 1"), 80);
    EXPECT_EQ(pay("1 wild 1"), 80);
    for (int line = 1; line <= 5; ++line) EXPECT_EQ(pay("wild wild wild", line), 80);

    // Top row 1 1 1 (line 2); middle blank blank blank.
    stopOn("1_blank_0 1_blank_blank 1_blank_0", 1);
    EXPECT_FALSE(played([&] { m->playWinSound(); }, "bitsjack.wav")) << "line 2 is not played";
    stopOn("1_blank_0 1_blank_blank 1_blank_0", 2);
    EXPECT_EQ(m->win, 80);
    EXPECT_TRUE(played([&] { m->playWinSound(); }, "bitsjack.wav"));
    // 1 wild 1 on line 2 pays but plays nothing.
    stopOn("1_blank_0 wild_blank_1110 1_blank_0", 5);
    EXPECT_FALSE(played([&] { m->playWinSound(); }, "bitsjack.wav"));
}

TEST_F(MultiLineMachines, Baja7sTopPaysDependOnTheLine) {
    open("baja7s");
    EXPECT_EQ(pay("baja7 baja7 baja7", 1), 500);
    EXPECT_EQ(pay("baja7 baja7 baja7", 2), 50);
    EXPECT_EQ(pay("baja7 baja7 baja7", 3), 2500);
    EXPECT_EQ(pay("cherry cherry baja7"), 10);
    EXPECT_EQ(pay("cherry baja7 baja7"), 10);
    EXPECT_EQ(pay("cherry bar baja7"), 2);
    EXPECT_EQ(pay("bar 2bar baja7"), 5);
    EXPECT_EQ(pay("bar bar baja7"), 10);
    EXPECT_EQ(pay("bar bar bar"), 10);
    EXPECT_EQ(pay("7 7 7"), 50);
    EXPECT_EQ(pay("7 baja7 baja7"), 50);
    EXPECT_EQ(pay("bar 2bar 7"), 0);

    // Bottom row baja7 x3 with three lines bet: 2500 and the jackpot sound.
    stopOn("3bar_blank_baja7 blank_blank_baja7 3bar_blank_baja7", 3);
    EXPECT_EQ(m->win, 2500);
    EXPECT_TRUE(m->paylines[2]->hit);
    EXPECT_TRUE(played([&] { m->playWinSound(); }, "racejack.wav"));
    m->win = 2499;
    EXPECT_FALSE(played([&] { m->playWinSound(); }, "racejack.wav"));

    // Reel stops: a baja7 on a played row races, a 7 crashes, an unplayed row is quiet.
    stopOn("baja7_blank_3bar blank_7_blank 7_blank_blank", 1);
    EXPECT_FALSE(played([&] { m->onReelStop(0); }, "race2.wav")) << "baja7 on the top row, line 2 not played";
    EXPECT_TRUE(played([&] { m->onReelStop(1); }, "shrtcrash.wav"));
    m->lines = 2;
    m->evaluateLines();
    EXPECT_TRUE(played([&] { m->onReelStop(0); }, "race2.wav"));
}

TEST_F(MultiLineMachines, CashCowWildsAndSounds) {
    open("cashcow");
    for (int line = 1; line <= 3; ++line) EXPECT_EQ(pay("wild wild wild", line), 500);
    EXPECT_EQ(pay("3bar 3bar 3bar"), 30);
    EXPECT_EQ(pay("milk milk wild"), 10);
    EXPECT_EQ(pay("milk wild blank"), 2) << "the wild is no milk in the two-of rule";
    EXPECT_EQ(pay("cow wild cow"), 50);

    // Middle row 3bar x3 on the one line played: 30 and the cowbell.
    stopOn("blank_3bar_blank blank_3bar_blank blank_3bar_blank", 1);
    EXPECT_EQ(m->win, 30);
    EXPECT_TRUE(played([&] { m->playWinSound(); }, "cowbell.wav"));
    // Not on a line that isn't played.
    stopOn("blank_3bar_blank blank_3bar_blank blank_3bar_blank", 0);
    EXPECT_FALSE(played([&] { m->playWinSound(); }, "cowbell.wav"));
    // A jackpot plays only its own sound, even with a 3bar line.
    stopOn("blank_3bar_blank blank_3bar_blank blank_3bar_blank", 1);
    m->win = 530;
    EXPECT_TRUE(played([&] { m->playWinSound(); }, "cowsjack.wav", true));

    // A wild moos only on a played row.
    stopOn("blank_wild_blank 3bar_blank_wild blank_blank_milk", 1);
    EXPECT_TRUE(played([&] { m->onReelStop(0); }, "cow.wav"));
    EXPECT_FALSE(played([&] { m->onReelStop(1); }, "cow.wav"));
}

TEST_F(MultiLineMachines, EgyptsPrizeTutsWinTheProgressive) {
    open("egyptsprize");
    EXPECT_EQ(pay("tablet bar blank"), 2);
    EXPECT_EQ(pay("tablet tablet bar"), 5);
    EXPECT_EQ(pay("bar 2bar 3bar"), 5);
    EXPECT_EQ(pay("2bar 2bar 2bar"), 20);
    EXPECT_EQ(pay("bar bar 2bar"), 5);
    EXPECT_EQ(pay("tut tut tut", 3), 500);

    m->tick();
    EgyptsPrize* egypt = dynamic_cast<EgyptsPrize*>(m);
    ASSERT_NE(egypt, nullptr);
    EXPECT_EQ(egypt->progressiveCaption(), "$" + doubleToString(progressiveValue(m->denomination)));

    // Three tuts on the middle row, all three lines played: the meter in
    // whole coins replaces the whole win, and the meter keeps its value.
    stopOn("blank_tut_blank blank_tut_blank blank_tut_blank", 3);
    ASSERT_EQ(m->win, 500);
    const double meter = progressiveValue(m->denomination);
    m->credits = 100;
    m->spinning = true;
    m->settle();
    EXPECT_EQ(m->credits, 100 - 3 + static_cast<int>(meter));
    EXPECT_DOUBLE_EQ(progressiveValue(m->denomination), meter);
    // Not on a line that isn't played.
    stopOn("tut_blank_3bar tut_blank_3bar tut_blank_3bar", 1);
    EXPECT_EQ(m->win, 0);
}

TEST_F(MultiLineMachines, ReturnOfFiveLineDouble) { checkReturn("5linedouble", 0.5, 1.5); }
TEST_F(MultiLineMachines, ReturnOfFiveLineTriple) { checkReturn("5linetriple", 0.5, 1.5); }
TEST_F(MultiLineMachines, ReturnOfBitsNBytes) { checkReturn("bitsnbytes", 0.5, 1.5); }
TEST_F(MultiLineMachines, ReturnOfBaja7s) { checkReturn("baja7s", 0.5, 1.5); }
TEST_F(MultiLineMachines, ReturnOfCashCow) { checkReturn("cashcow", 0.5, 1.5); }
TEST_F(MultiLineMachines, ReturnOfEgyptsPrize) { checkReturn("egyptsprize", 0.5, 1.5); }

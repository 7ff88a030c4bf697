// The patriot machines' tables: symbols and wilds, every combination of the
// coloured symbols paid as the red-white-blue design says (three alike, one
// colour mixed, mixed bars, mixed sevens, the colour sequence), the returns,
// and the wilds in play.
#include <memory>
#include <set>

#include "game/machine_factory.h"
#include "player/machine_table.h"
#include "machines/patriot/patriot_family.h"
#include "machines/patriot/patriot_games.h"
#include "machines/patriot/patriot_wild.h"
#include "machines/patriot/patriot_wild_deluxe.h"
#include "machines/threereel/table_checks.h"

using tablecheck::heard;
using tablecheck::paysFor;

namespace {

// One machine's design, written out independently of its rule list.
struct Design {
    const char* id;
    const char* sevens[3];  // red, white, blue
    bool arrowBars;
    int threeBars[3];       // per coin: red, white, blue bars
    int threeSevens[3];     // per coin: red, white, blue sevens
    int topMixed;           // red-white-blue sevens
    int threeWilds;         // 0: no wild
};

const Design designs[] = {
    {"patriotgames", {"redseven", "whiteseven", "blueseven"}, false, {10, 25, 40}, {300, 200, 150}, 400, 0},
    {"patriotspinforcash", {"redseven", "whiteseven", "blueseven"}, false, {10, 20, 30}, {200, 150, 100}, 500, 1500},
    {"patriotwild", {"redseven", "whiteseven", "blueseven"}, false, {10, 25, 40}, {300, 200, 150}, 300, 500},
    {"patriotwilddeluxe", {"red7", "white7", "blue7"}, true, {10, 25, 40}, {300, 200, 150}, 300, 500},
};

struct Coloured {
    int colour = -1;  // -1: blank, wild or spin
    bool seven = false;
};

Coloured colourOf(const Design& d, const std::string& name) {
    Coloured c;
    const char* bars[3] = {"barred", "2barwhite", "3barblue"};
    for (int k = 0; k < 3; ++k) {
        if (name == d.sevens[k]) c.colour = k, c.seven = true;
        const std::string bar = bars[k];
        if (name == bar || (d.arrowBars && (name == "arrowup_" + bar || name == "arrowdown_" + bar))) c.colour = k;
    }
    return c;
}

// What three symbols pay per coin by the design (no coin rules, no wilds).
int designPay(const Design& d, const std::string (&n)[3]) {
    if (n[0] == "blank" && n[1] == "blank" && n[2] == "blank") return 1;
    Coloured c[3];
    for (int i = 0; i < 3; ++i) {
        c[i] = colourOf(d, n[i]);
        if (c[i].colour < 0) return 0;
    }
    const int sevens = c[0].seven + c[1].seven + c[2].seven;
    const bool oneColour = c[0].colour == c[1].colour && c[1].colour == c[2].colour;
    const bool rwb = c[0].colour == 0 && c[1].colour == 1 && c[2].colour == 2;
    if (oneColour) {
        if (sevens == 3) return d.threeSevens[c[0].colour];
        if (sevens == 0) return d.threeBars[c[0].colour];
        return 2;
    }
    if (sevens == 0) return rwb ? 50 : 5;
    if (sevens == 3) return rwb ? d.topMixed : 80;
    return rwb ? 20 : 0;
}

class PatriotTables : public tablecheck::MachineFixture {
protected:
    ThreeReelMachine* openById(const std::string& id) {
        tablecheck::typeDollars("20");
        Screen* s = createMachine(id, 1.0f);
        ThreeReelMachine* m = dynamic_cast<ThreeReelMachine*>(s);
        if (!m) delete s;
        return m;
    }
};

int wildsShown(const ThreeReelMachine& m) {
    int n = 0;
    for (int reel = 0; reel < 3; ++reel) {
        const Symbol* s = m.result.chosenSymbol(reel);
        if (s && s->kind == symbolWild && s->name == "wild") ++n;
    }
    return n;
}

}  // namespace

TEST_F(PatriotTables, SymbolsWildsAndSetUp) {
    struct Expect {
        const char* id;
        const char* symbols;
        const char* wilds;
        int maxCoins, wildChance;
    } expected[] = {
        {"patriotgames", "blank:12 barred:2 2barwhite:2 3barblue:2 blueseven:2 redseven:2 whiteseven:2", "", 2, 5},
        {"patriotspinforcash",
         "blank:13 barred:2 2barwhite:2 3barblue:2 blueseven:2 redseven:1 whiteseven:1 wild:2 spin:1",
         "wild x1 not wild spin; spin x1 not blank barred 2barwhite 3barblue blueseven redseven whiteseven wild spin",
         3, 5},
        {"patriotwild", "blank:13 barred:2 2barwhite:2 3barblue:2 blueseven:2 redseven:1 whiteseven:2 wild:2",
         "wild x2 not wild", 2, 5},
        {"patriotwilddeluxe",
         "blank:8 barred:1 2barwhite:1 3barblue:1 blue7:1 red7:1 white7:1 arrowdown_3barblue:1v "
         "arrowdown_barred:1v arrowup_2barwhite:1^ arrowup_3barblue:1^ arrowup_barred:1^ wild:2",
         "wild x1 not wild", 2, 3},
    };
    for (const Expect& e : expected) {
        clearLoadedAssets();
        std::unique_ptr<ThreeReelMachine> m(openById(e.id));
        ASSERT_TRUE(m) << e.id;
        EXPECT_EQ(tablecheck::symbolTable(*m), e.symbols);
        EXPECT_EQ(tablecheck::wildTable(*m), e.wilds);
        EXPECT_EQ(m->maxCoins, e.maxCoins) << e.id;
        EXPECT_EQ(m->wildChance, e.wildChance) << e.id;
        EXPECT_TRUE(heard("patshrt.wav")) << e.id;
        EXPECT_EQ(std::string(e.id) == "patriotwilddeluxe",
                  dynamic_cast<ArrowThreeReelMachine*>(m.get()) != nullptr);
    }
}

// Every ordered triple of a machine's symbols (wilds aside) pays what the
// design says at every bet, through one rule at most.
TEST_F(PatriotTables, EveryCombinationPaysByTheDesign) {
    for (const Design& d : designs) {
        std::unique_ptr<ThreeReelMachine> m(openById(d.id));
        ASSERT_TRUE(m) << d.id;
        std::vector<std::string> names;
        for (const Symbol* s : m->symbols)
            if (s->name != "wild" && s->name != "spin") names.push_back(s->name);
        for (int coins = 1; coins <= m->maxCoins; ++coins) {
            for (const std::string& a : names)
                for (const std::string& b : names)
                    for (const std::string& c : names) {
                        const std::string n[3] = {a, b, c};
                        const std::vector<int> got = paysFor(*m, coins, {a, b, c});
                        int want = designPay(d, n) * coins;
                        const bool rwbSevens = a == d.sevens[0] && b == d.sevens[1] && c == d.sevens[2];
                        if (std::string(d.id) == "patriotgames" && rwbSevens && coins == 2) want = 1000;
                        ASSERT_LE(got.size(), 1u) << d.id << " " << a << " " << b << " " << c;
                        EXPECT_EQ(got.empty() ? 0 : got[0], want)
                            << d.id << " at " << coins << ": " << a << " " << b << " " << c;
                    }
        }
        if (d.threeWilds) {
            EXPECT_EQ(paysFor(*m, 1, {"wild", "wild", "wild"}), std::vector<int>{d.threeWilds});
            EXPECT_EQ(paysFor(*m, 2, {"wild", "wild", "wild"}), std::vector<int>{2 * d.threeWilds});
        }
    }
}

// Each table returns what its slices promise, wilds included; the measured
// figures go to the log.
TEST_F(PatriotTables, ReturnsMatchTheTables) {
    for (const char* id : {"patriotgames", "patriotwild", "patriotwilddeluxe"}) {
        std::unique_ptr<ThreeReelMachine> m(openById(id));
        ASSERT_TRUE(m) << id;
        for (int coins = 1; coins <= m->maxCoins; ++coins) {
            const double exact = tablecheck::expectedWin(*m, coins);
            const tablecheck::Simulated run = tablecheck::simulate(*m, coins, 200000);
            EXPECT_NEAR(run.mean, exact, 5 * run.standardError) << id << " at " << coins;
            std::printf("%s at %d coins: table %.4f, measured %.4f per coin\n", id, coins, exact / coins,
                        run.mean / coins);
        }
    }
}

// Wilds: only on reels open to them, two at most, never on a loss or a
// mixed-colour pay; each wild multiplies the win by its multiplier, and the
// deluxe's shows one time in three.
TEST_F(PatriotTables, WildsInPlay) {
    for (const char* id : {"patriotgames", "patriotwild", "patriotwilddeluxe"}) {
        std::unique_ptr<ThreeReelMachine> m(openById(id));
        ASSERT_TRUE(m) << id;
        const int multiplier = m->wilds.empty() ? 1 : m->wilds[0]->multiplier;
        std::set<int> blankWildCounts;
        int eligibleReels = 0, wildOnEligible = 0;
        for (int i = 0; i < 100000; ++i) {
            const int coins = i < 50000 ? 1 : m->maxCoins;  // the draw table is rebuilt when the bet changes
            m->coins = coins;
            m->spin();
            const int shown = wildsShown(*m);
            if (m->wilds.empty()) {
                ASSERT_EQ(shown, 0) << id;
            }
            if (!m->result.matched) {
                ASSERT_EQ(shown, 0) << id << ": a wild on a loss";
                ASSERT_EQ(m->win, 0);
                continue;
            }
            if (m->result.noWild) continue;  // three wilds
            ASSERT_LE(shown, 2);
            int factor = 1;
            for (int k = 0; k < shown; ++k) factor *= multiplier;
            ASSERT_EQ(m->win, m->result.award * coins * factor) << id;
            for (int reel = 0; reel < 3; ++reel) {
                const Symbol* s = m->result.chosenSymbol(reel);
                if (s && s->name == "wild") {
                    ASSERT_TRUE(m->result.reelBit(reel)) << id;
                }
            }
            if (m->result.wildReels == 7u) {  // three alike: reel 0 is the first one tried
                ++eligibleReels;
                if (m->result.chosenSymbol(0)->name == "wild") ++wildOnEligible;
            }
            if (m->result.award == 1) blankWildCounts.insert(shown);
        }
        if (m->wilds.empty()) continue;
        EXPECT_EQ(blankWildCounts, (std::set<int>{0, 1, 2})) << id;
        ASSERT_GT(eligibleReels, 1000);
        const double rate = static_cast<double>(wildOnEligible) / eligibleReels;
        EXPECT_NEAR(rate, 1.0 / m->wildChance, 0.03) << id;
    }
}

TEST_F(PatriotTables, WinAndReelStopSounds) {
    std::unique_ptr<ThreeReelMachine> m(openById("patriotwild"));
    ASSERT_TRUE(m);
    for (int win : {10, 11, 80, 81}) {  // a short tune above ten, the jackpot above eighty
        clearLoadedAssets();
        m->win = win;
        m->playWinSound();
        EXPECT_EQ(heard("patshrt.wav"), win > 10 && win <= 80) << win;
        EXPECT_EQ(heard("patjack.wav"), win > 80) << win;
    }

    // A reel stopping on a wild sparkles; any other symbol is silent.
    m->result.chosen = {m->findSymbol("wild"), m->findSymbol("blank"), m->wilds[0]};
    clearLoadedAssets();
    m->onReelStop(1);
    EXPECT_FALSE(heard("shrtwrks.wav"));
    m->onReelStop(0);
    EXPECT_TRUE(heard("shrtwrks.wav"));
    clearLoadedAssets();
    m->onReelStop(2);
    EXPECT_TRUE(heard("shrtwrks.wav"));
}

// On the deluxe an arrow that stops on a reel sounds and flips to its last
// picture once the reels have stopped; the win is left as it was.
TEST_F(PatriotTables, DeluxeArrowsFlip) {
    std::unique_ptr<ThreeReelMachine> m(openById("patriotwilddeluxe"));
    ASSERT_TRUE(m);
    bool sawArrow = false;
    for (int pull = 0; pull < 40 && !sawArrow; ++pull) {
        m->credits = 50;
        m->coins = 2;
        clearLoadedAssets();
        m->pull();
        const int win = m->win;
        tablecheck::finishSpin(*m);
        ASSERT_FALSE(m->spinning);
        EXPECT_EQ(m->credits, 48 + win);
        for (int reel = 0; reel < 3; ++reel) {
            const Symbol* s = m->result.chosenSymbol(reel);
            if (s && (s->kind == symbolArrowUp || s->kind == symbolArrowDown)) {
                sawArrow = true;
                EXPECT_TRUE(heard("slothit1.wav"));
                EXPECT_TRUE(loadedAssets().count("../gfx/" + m->name + "/" + s->name + ".png.2")) << s->name;
            }
        }
    }
    EXPECT_TRUE(sawArrow);
}

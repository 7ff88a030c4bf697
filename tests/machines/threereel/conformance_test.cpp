// Every single-line three-reel machine, the patriot machines included, held
// to one number per coin count: the exact return per coin its pay rules give
// (each rule's slice of the draw, the uniform pick of the shown symbols and
// the wild step) and the share of pulls that pay anything. A change to any
// pay table, wild rule, share or pay-out ratio moves one of them.
#include <cstdio>

#include "game/machine_factory.h"
#include "player/machine_table.h"
#include "machines/threereel/table_checks.h"

using namespace tablecheck;

namespace {

// The machine's return per coin (to 5 places) and hit rate (to 4) at each
// coin count, e.g. "1:0.91234/0.1342 2:...".
std::string tableFigures(ThreeReelMachine& m) {
    std::string out;
    for (int coins = 1; coins <= m.maxCoins; ++coins) {
        const double ret = expectedWin(m, coins) / coins;
        double hits = 0;
        for (const PayRule& r : m.activeRules)
            if (r.rangeStart >= 0) hits += r.rangeEnd - r.rangeStart + 1;
        char cell[64];
        std::snprintf(cell, sizeof cell, "%s%d:%.5f/%.4f", out.empty() ? "" : " ", coins, ret, hits / m.drawRange());
        out += cell;
    }
    return out;
}

struct Golden {
    const char* id;
    const char* figures;
};

const Golden golden[] = {
    {"10x", "1:1.60042/0.1892 2:1.60042/0.1892 3:1.60057/0.1891"},
    {"5x", "1:1.51292/0.1892 2:1.51292/0.1892 3:1.59216/0.1892"},
    {"balloonmania", "1:0.95004/0.1902 2:0.95004/0.1902 3:0.95017/0.1902"},
    {"blackjack", "1:0.95002/0.2047 2:0.95002/0.2047 3:1.10881/0.2046"},
    {"crazy8s", "1:0.95034/0.1305 2:0.95034/0.1305 3:0.95069/0.1187"},
    {"crazydice", "1:0.95001/0.1906 2:0.95001/0.1906 3:0.95020/0.1904"},
    {"cursed", "1:0.95016/0.1132 2:0.95013/0.1134 3:1.00811/0.1135"},
    {"doubledice", "1:1.21608/0.1890 2:1.26141/0.1890"},
    {"doubledicedeluxe", "1:1.21608/0.1890 2:1.21608/0.1890 3:1.21607/0.1890"},
    {"doubledicespinforcash", "1:1.21605/0.1902 2:1.21605/0.1902 3:1.21605/0.1902"},
    {"doubledoubledice", "1:1.14798/0.1676 2:1.14803/0.1676 3:1.14827/0.1675"},
    {"doubletriple", "1:1.23844/0.1409 2:1.23844/0.1409 3:1.23844/0.1409"},
    {"dragonspin", "1:0.95004/0.1839 2:0.95004/0.1839"},
    {"gettinhot", "1:0.95012/0.1937 2:0.95012/0.1937 3:0.95030/0.1935"},
    {"holeinone", "1:0.95009/0.1495 2:0.95009/0.1495 3:0.95006/0.1495"},
    {"mountainclimber", "1:0.95009/0.1500 2:0.95009/0.1500 3:0.95013/0.1500"},
    {"patriotgames", "1:0.95018/0.1851 2:0.95020/0.1851"},
    {"patriotspinforcash", "1:0.95030/0.1831 2:0.95030/0.1831 3:0.95030/0.1831"},
    {"patriotwild", "1:1.05086/0.1828 2:1.05086/0.1828"},
    {"patriotwilddeluxe", "1:0.95022/0.1828 2:0.95022/0.1828"},
    {"gloamerhouse", "1:0.95001/0.1748 2:1.05180/0.2636 3:1.21551/0.4705"},
    {"shortcircuit", "1:0.95007/0.1515 2:0.95007/0.1515 3:0.95008/0.1515"},
    {"super7s", "1:0.95001/0.1748 2:1.05180/0.2636 3:1.21551/0.4705"},
    {"tripledice", "1:0.75006/0.1020 2:0.75006/0.1020 3:0.80017/0.1020"},
    {"tripledicedeluxe", "1:1.42512/0.1937 2:1.42512/0.1937 3:1.42520/0.1937"},
    {"tripletriple", "1:1.49226/0.1737 2:1.54368/0.1902 3:1.57300/0.1997"},
    {"wheelofcash", "1:0.95001/0.1748 2:1.05181/0.2633 3:1.21549/0.4751"},
    {"wildapple", "1:1.16409/0.1902 2:1.16409/0.1902 3:1.24086/0.1816"},
    {"wildsourapple", "1:0.95010/0.1816 2:0.95010/0.1816 3:1.03655/0.1816"},
};

class ThreeReelConformance : public MachineFixture {};

}  // namespace

TEST_F(ThreeReelConformance, EveryMachineReturnsWhatItsTablesSay) {
    size_t checked = 0;
    for (const MachineInfo& info : machineTable()) {
        if (info.category != MachineCategory::ThreeReel) continue;
        typeDollars("0");
        Screen* screen = createMachine(info.id, 1.0f);
        auto* m = dynamic_cast<ThreeReelMachine*>(screen);
        ASSERT_NE(m, nullptr) << info.id;
        const std::string figures = tableFigures(*m);
        const Golden* row = nullptr;
        for (const Golden& g : golden)
            if (info.id == std::string(g.id)) row = &g;
        EXPECT_TRUE(row && figures == row->figures) << "    {\"" << info.id << "\", \"" << figures << "\"},";
        checked += row != nullptr;
        delete screen;
    }
    EXPECT_EQ(checked, sizeof golden / sizeof golden[0]);
}

// The draw itself against those numbers: a seeded run of every machine at
// one coin lands within five standard errors of the exact return.
TEST_F(ThreeReelConformance, SeededPullsAgreeWithTheTables) {
    for (const Golden& g : golden) {
        typeDollars("0");
        Screen* screen = createMachine(g.id, 1.0f);
        auto* m = dynamic_cast<ThreeReelMachine*>(screen);
        ASSERT_NE(m, nullptr) << g.id;
        const double exact = expectedWin(*m, 1);
        const Simulated run = simulate(*m, 1, 200000);
        EXPECT_NEAR(run.mean, exact, 5 * run.standardError + 1e-9) << g.id;
        delete screen;
    }
}

// Every pay-table row of every poker machine at every coin count, from the
// machines' pay cards: hands written out by hand, the pay per coin each
// machine gives them, the royal's own pay at five coins.
#include <set>

#include "poker/poker_fixture.h"

using namespace pokertest;

namespace {

// Pay per coin by machine, in the order of `ids`; -1 where the hand cannot
// be dealt there (jokers on a 52-card machine). `atFive` replaces `pay` when
// five coins are played (the royal flush).
struct Row {
    const char* hand;
    std::vector<int> pay, atFive;
};

const std::vector<std::string> kNatural = {"10sorbetter", "jacksorbetter", "spinforcash",
                                           "4ofakind", "doublepremium", "doubleupbonus"};
const Row kNaturalRows[] = {
    {"Th Jh Qh Kh Ah", {250, 250, 250, 375, 500, 500}, {1000, 1000, 1000, 500, 1000, 1000}},
    {"9s Ts Js Qs Ks", {50, 50, 50, 75, 100, 100}, {}},     // not a royal
    {"Ac Ah As Ad 5c", {25, 25, 25, 80, 50, 50}, {}},
    {"Kc Kh Ks Kd 5c", {25, 25, 25, 40, 50, 50}, {}},
    {"Jc Jh Js Jd 5c", {25, 25, 25, 40, 50, 50}, {}},
    {"Tc Th Ts Td 5c", {25, 25, 25, 25, 50, 50}, {}},
    {"2c 2h 2s 2d Kc", {25, 25, 25, 25, 50, 50}, {}},
    {"Ah As Ac Kd Kh", {9, 8, 8, 8, 20, 20}, {}},           // never three of a kind or a pair
    {"2h 6h 9h Jh Kh", {6, 6, 6, 6, 15, 15}, {}},
    {"Ac 2c 3c 4c 5c", {6, 6, 6, 6, 15, 15}, {}},           // the ace is high only: a flush
    {"5h 6s 7c 8d 9h", {4, 4, 4, 4, 5, 5}, {}},
    {"Th Js Qc Kd Ah", {4, 4, 4, 4, 5, 5}, {}},
    {"Ah 2s 3c 4d 5h", {0, 0, 0, 0, 0, 0}, {}},
    {"Kh As 2c 3d 4h", {0, 0, 0, 0, 0, 0}, {}},
    {"7h 7s 7c Kd 2h", {3, 2, 2, 2, 3, 3}, {}},
    {"4h 4s 9c 9d Kh", {1, 2, 2, 2, 2, 2}, {}},
    {"Ah As 3c 7d 9h", {1, 1, 1, 1, 1, 1}, {}},
    {"Jh Js 3c 7d 9h", {1, 1, 1, 1, 1, 1}, {}},
    {"Th Ts 3c 7d 9h", {1, 0, 0, 0, 0, 0}, {}},
    {"9h 9s 3c 7d Kh", {0, 0, 0, 0, 0, 0}, {}},
    {"2h 5s 9c Jd Kh", {0, 0, 0, 0, 0, 0}, {}},
};

const std::vector<std::string> kWild = {"allwild", "deuceswild", "jokerswild"};
const Row kWildRows[] = {
    {"Th Jh Qh Kh Ah", {500, 500, 500}, {1000, 800, 1000}},
    {"2h 2s 2c 2d 7h", {200, 100, -1}, {}},                  // four wild cards, whatever the fifth
    {"2h 2s 2c Xh 7h", {200, -1, -1}, {}},
    {"9h 9s 9c Xh Xh", {200, -1, 200}, {}},                  // five of a kind
    {"2h 2c 2d As Ah", {200, 10, -1}, {}},
    {"2h 2c 2d Ks As", {50, 20, -1}, {}},                    // a royal made with wild cards
    {"Th Jh Qh Kh 2s", {50, 20, -1}, {}},
    {"Th Jh Qh Kh Xh", {50, -1, 100}, {}},
    {"5s 6s 7s 8s 2h", {17, 8, -1}, {}},
    {"5s 6s 7s 8s Xh", {17, -1, 50}, {}},
    {"9h 9s 9c Kd 2h", {7, 4, -1}, {}},
    {"9h 9s 9c Kd Xh", {7, -1, 17}, {}},
    {"9h 9s Kd Kc Xh", {3, -1, 7}, {}},
    {"9h 9s 9c Kd Kh", {3, 4, 7}, {}},
    {"3h 6h 9h Jh Kh", {2, 2, 5}, {}},
    {"5h 6s 7c 8d 9h", {1, 2, 3}, {}},
    {"Ah 3s 4c 5d Xh", {-1, -1, 1}, {}},                     // no ace-low straight: a pair of aces
    {"9s 9h Kd 5c 2c", {1, 1, -1}, {}},
    {"Ks Kh 7d 4c Xh", {-1, -1, 2}, {}},
    {"9h 9s Kd Kc 5h", {0, 0, 1}, {}},
    {"Ks 7h 4d 3c Xh", {-1, -1, 1}, {}},                     // a pair of kings
    {"As Ah 7d 4c 3h", {0, 0, 1}, {}},
    {"Qs Qh 7d 4c 3h", {0, 0, 0}, {}},
    {"Qs 7h 4d 3c Xh", {-1, -1, 0}, {}},
};

// The twenty prizes of the cash wheel.
const std::set<int> kCashWheel = {5, 10, 15, 25, 30, 50, 75, 100, 150, 200, 250, 300, 400, 500, 600, 1000};

std::string facesOf(const VideoPoker& m) {
    std::string s;
    for (const Card* c : m.hand) s += std::to_string(c->rank) + "/" + std::to_string(c->suit) + " ";
    return s;
}

void checkMachines(const std::vector<std::string>& ids, const Row* rows, size_t count) {
    for (size_t col = 0; col < ids.size(); ++col) {
        const std::string& id = ids[col];
        std::unique_ptr<VideoPoker> m(openMachine<VideoPoker>(id, "100"));
        ASSERT_NE(m, nullptr);
        for (size_t r = 0; r < count; ++r) {
            const Row& row = rows[r];
            if (row.pay[col] < 0) continue;
            for (int coins = 1; coins <= 5; ++coins) {
                const int perCoin = coins == 5 && !row.atFive.empty() ? row.atFive[col] : row.pay[col];
                setHand(*m, row.hand);
                const std::string faces = facesOf(*m);
                m->coinsPlayed = coins;
                if (id == "doubleupbonus") scriptedClick(396 + 10, 435 + 10);  // declines the double-up
                const int win = m->evaluateHand();
                testInput.points.clear();
                drainEvents();
                const int wheel = win - perCoin * coins;
                if (id == "spinforcash" && coins == 5 && perCoin > 7)
                    EXPECT_EQ(kCashWheel.count(wheel), 1u) << row.hand << ": the wheel turns, " << win;
                else
                    EXPECT_EQ(win, perCoin * coins) << id << " " << row.hand << " at " << coins;
                EXPECT_EQ(facesOf(*m), faces) << "the cards show their own faces again";
            }
        }
    }
}

}  // namespace

TEST_F(PokerTest, NaturalMachinesPayTheirCards) {
    checkMachines(kNatural, kNaturalRows, std::size(kNaturalRows));
}

TEST_F(PokerTest, WildMachinesPayTheirCards) {
    checkMachines(kWild, kWildRows, std::size(kWildRows));
}

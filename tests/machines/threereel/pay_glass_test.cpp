// The pay glass of each single-line machine (the cabinet drawn on its
// back.png, made from the machine's art recipe) against the machine's own
// tables: every credit amount a rule can pay is printed on the glass, and
// every amount the glass lists is one a rule pays.
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "machines/threereel/blackjack.h"
#include "machines/threereel/crazy8s.h"
#include "machines/threereel/cursed.h"
#include "machines/threereel/double_dice.h"
#include "machines/threereel/double_double_dice.h"
#include "machines/threereel/double_triple.h"
#include "machines/threereel/dragon_spin.h"
#include "machines/threereel/gloamer_house.h"
#include "machines/threereel/super7s.h"
#include "machines/threereel/pay_glass.h"
#include "machines/threereel/table_checks.h"
#include "machines/threereel/triple_dice.h"
#include "machines/threereel/triple_triple.h"
#include "machines/threereel/wild_apple.h"
#include "machines/threereel/wild_sour_apple.h"

using namespace tablecheck;

namespace {

using payglass::cabinetRecipe;

std::set<int> payRowAmounts(const std::string& cabinet) {
    const std::multiset<int> rows = payglass::payRowAmounts(cabinet);
    return std::set<int>(rows.begin(), rows.end());
}

// Every whole number printed in a text of the glass (labels, feature panel,
// notes and extra texts).
std::set<int> printedNumbers(const std::string& cabinet) {
    std::set<int> out;
    static const std::regex quoted("\"([^\"]*)\"");
    static const std::regex number("\\b(\\d+)\\b");
    for (std::sregex_iterator q(cabinet.begin(), cabinet.end(), quoted), none; q != none; ++q) {
        const std::string text = (*q)[1].str();
        for (std::sregex_iterator n(text.begin(), text.end(), number); n != none; ++n)
            out.insert(std::stoi((*n)[1].str()));
    }
    return out;
}

// The credit amounts the machine's rules pay (per coin, or for the bet);
// the car and the progressive meter are prizes, not amounts.
std::set<int> ruleAmounts(const ThreeReelMachine& m) {
    std::set<int> out;
    for (const PayRule& r : m.payRules)
        if (r.payKind == payPerCoin || r.payKind == payWholeBet) out.insert(r.award);
    for (const CoinPayRule& r : m.coinRules)
        if (r.payKind == payPerCoin || r.payKind == payWholeBet) out.insert(r.award);
    return out;
}

class PayGlass : public MachineFixture {
protected:
    void checkGlass(ThreeReelMachine* m) {
        const std::string cabinet = cabinetRecipe(m->name);
        ASSERT_FALSE(cabinet.empty()) << m->name;
        const std::set<int> rows = payRowAmounts(cabinet);
        const std::set<int> printed = printedNumbers(cabinet);
        const std::set<int> amounts = ruleAmounts(*m);
        ASSERT_FALSE(rows.empty()) << m->name;
        // Small amounts must stand in a pay row; larger ones may be told in
        // the glass's other texts (pays that hold only at some bets).
        for (int a : amounts)
            EXPECT_TRUE(rows.count(a) || (a >= 100 && printed.count(a))) << m->name << " pays " << a;
        for (int a : rows) EXPECT_TRUE(amounts.count(a)) << m->name << " glass lists " << a;
        // A machine that never multiplies by the bet says its pays are for the bet.
        const bool forTheBet = cabinet.find("pays_title=\"PAYS FOR THE BET\"") != std::string::npos;
        EXPECT_EQ(forTheBet, !m->multiplyByCoins) << m->name;
        delete m;
    }
};

}  // namespace

TEST_F(PayGlass, DiceMachines) {
    checkGlass(open<DoubleDice>());
    checkGlass(open<DoubleDoubleDice>());
    checkGlass(open<DoubleTriple>());
    checkGlass(open<TripleDice>());
    checkGlass(open<TripleTriple>());
}

TEST_F(PayGlass, SevensApplesEightsAndDragons) {
    checkGlass(open<Super7s>());
    checkGlass(open<WildSourApple>());
    checkGlass(open<Crazy8s>());
    checkGlass(open<DragonSpin>());
}

TEST_F(PayGlass, ProgressiveMachines) {
    checkGlass(open<Blackjack>());
    checkGlass(open<Cursed>());
    checkGlass(open<GloamerHouse>());
    checkGlass(open<WildApple>());
}

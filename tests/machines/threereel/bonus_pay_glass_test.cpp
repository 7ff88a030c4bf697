// The pay glass of the arrow, wheel, dice, golf, re-spin and climb machines
// (the cabinet on back.png, drawn from each machine's art recipe) against
// the machine's rules: the rows under "PAYS PER COIN" are exactly the
// per-coin awards, a whole-bet award never stands in such a row but is told
// elsewhere on the glass as paid for the bet, and the machines that pay two
// coins' worth at three coins say so.
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "machines/threereel/balloon_mania.h"
#include "machines/threereel/bonus_machine_fixture.h"
#include "machines/threereel/pay_glass.h"
#include "machines/threereel/crazy_dice.h"
#include "machines/threereel/double_dice_deluxe.h"
#include "machines/threereel/double_dice_spin_for_cash.h"
#include "machines/threereel/gettin_hot.h"
#include "machines/threereel/hole_in_one.h"
#include "machines/threereel/mountain_climber.h"
#include "machines/threereel/short_circuit.h"
#include "machines/threereel/triple_dice_deluxe.h"
#include "machines/threereel/wheel_of_cash.h"

namespace {

const auto cabinetOf = payglass::cabinetRecipe;
const auto rowAmounts = payglass::payRowAmounts;

// Every quoted text of the glass that is not a pay row's label.
std::string otherTexts(const std::string& cabinet) {
    const size_t pays = cabinet.find("pays=[");
    std::string rest = cabinet;
    if (pays != std::string::npos) rest.erase(pays, cabinet.find("]],", pays) + 2 - pays);
    std::string out;
    static const std::regex quoted("\"([^\"]*)\"");
    for (std::sregex_iterator q(rest.begin(), rest.end(), quoted), end; q != end; ++q) out += (*q)[1].str() + "\n";
    return out;
}

bool printed(const std::string& texts, int amount) {
    return std::regex_search(texts, std::regex("(^|[^0-9])" + std::to_string(amount) + "($|[^0-9])"));
}

class BonusPayGlass : public bonustest::MachineTest {
protected:
    void checkGlass(ThreeReelMachine* m, bool twoCoinsWorthAtFullBet) {
        const std::string cabinet = cabinetOf(m->name);
        ASSERT_FALSE(cabinet.empty()) << m->name;
        std::set<int> perCoin, wholeBet;
        for (const PayRule& r : m->payRules) (r.payKind == payWholeBet ? wholeBet : perCoin).insert(r.award);
        for (const CoinPayRule& r : m->coinRules) (r.payKind == payWholeBet ? wholeBet : perCoin).insert(r.award);
        if (!m->multiplyByCoins) {
            // Nothing grows with the bet: every award is for the bet.
            wholeBet.insert(perCoin.begin(), perCoin.end());
            perCoin.clear();
        }
        const std::multiset<int> rows = rowAmounts(cabinet);
        const std::set<int> rowSet(rows.begin(), rows.end());
        const std::string texts = otherTexts(cabinet);
        const bool perCoinTitle = cabinet.find("pays_title=") == std::string::npos ||
                                  cabinet.find("pays_title=\"PAYS PER COIN\"") != std::string::npos;
        EXPECT_EQ(perCoinTitle, m->multiplyByCoins) << m->name << ": the glass's title tells how its rows pay";

        if (m->multiplyByCoins) {
            EXPECT_EQ(rowSet, perCoin) << m->name << ": the rows are the per-coin awards";
            for (int a : wholeBet) {
                EXPECT_FALSE(rowSet.count(a) && !perCoin.count(a)) << m->name << ": " << a << " in a per-coin row";
                EXPECT_TRUE(printed(texts, a)) << m->name << ": the whole-bet " << a << " is not on the glass";
            }
            if (!wholeBet.empty()) {
                EXPECT_NE(texts.find("FOR THE BET"), std::string::npos) << m->name;
            }
        } else {
            EXPECT_EQ(rowSet, wholeBet) << m->name;
        }
        EXPECT_EQ(texts.find("AS 2 COINS") != std::string::npos, twoCoinsWorthAtFullBet) << m->name;
        payglass::expectOwnSymbols(cabinet, m->symbols, m->name);
        delete m;
    }
};

}  // namespace

TEST_F(BonusPayGlass, ArrowMachines) {
    checkGlass(open<BalloonMania>(), false);
    checkGlass(open<DoubleDiceDeluxe>(), false);
    checkGlass(open<TripleDiceDeluxe>(), false);
    checkGlass(open<GettinHot>(), false);
}

TEST_F(BonusPayGlass, WheelAndDiceMachines) {
    checkGlass(open<WheelOfCash>(), false);
    checkGlass(open<DoubleDiceSpinForCash>(), true);
    checkGlass(open<CrazyDice>(), true);
}

TEST_F(BonusPayGlass, GolfRespinAndClimbMachines) {
    checkGlass(open<HoleInOne>(), false);
    checkGlass(open<ShortCircuit>(), false);
    checkGlass(open<MountainClimber>(), false);
}

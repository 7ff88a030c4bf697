// The pay glass of each single-line machine (the cabinet drawn on its
// back.png, made from the machine's art recipe) against the machine's own
// tables: every credit amount a rule can pay is printed on the glass, and
// every amount the glass lists is one a rule pays. Then the same for the
// glasses of the line machines (their marquee's bottom glass), the poker
// cabinets and the derby.
#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "derby/demo_derby.h"
#include "machines/patriot/patriot_games.h"
#include "machines/patriot/patriot_spin_for_cash.h"
#include "machines/patriot/patriot_wild.h"
#include "machines/patriot/patriot_wild_deluxe.h"
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
#include "machines/video/baja_7s.h"
#include "machines/video/balloon_blitz.h"
#include "machines/video/bits_n_bytes.h"
#include "machines/video/cash_cow.h"
#include "machines/video/deep_sea.h"
#include "machines/video/egypts_prize.h"
#include "machines/video/five_line_double.h"
#include "machines/video/five_line_triple.h"
#include "machines/video/magic.h"
#include "machines/video/mardi_gras.h"
#include "machines/video/zookeeper.h"
#include "poker/pay_tables.h"

using namespace tablecheck;

namespace {

using payglass::cabinetRecipe;
using payglass::numbers;
using payglass::recipeText;

std::set<int> payRowAmounts(const std::string& cabinet) {
    std::multiset<int> rows = payglass::payRowAmounts(cabinet);
    // the patriot machines build their rows with one helper: the numbers of
    // the call and of the helper's own rows
    static const std::regex number("\\b(\\d+)\\b"), afterLabel("\",\\s*(\\d+)");
    const size_t call = cabinet.find("patriot_pays(");
    if (rows.empty() && call != std::string::npos) {
        rows = numbers(cabinet.substr(call, cabinet.find("),", call) - call), number);
        for (int n : numbers(recipeText("_patriot"), afterLabel)) rows.insert(n);
    }
    return std::set<int>(rows.begin(), rows.end());
}

// The credits a line machine's glass rows name; a row "500xN" pays 500
// times the line number, on every line.
std::set<int> lineRowAmounts(const std::string& recipe, int lines) {
    const size_t at = recipe.find("pays=[");
    const std::string rows = recipe.substr(at, recipe.find("]],", at) + 2 - at);
    static const std::regex row("\\[\\s*['\"][^'\"]*['\"]\\s*,\\s*['\"]?(\\d+)(xN)?");
    std::set<int> out;
    for (std::sregex_iterator it(rows.begin(), rows.end(), row), none; it != none; ++it)
        for (int k = 1; k <= ((*it)[2].matched ? lines : 1); ++k) out.insert(std::stoi((*it)[1].str()) * k);
    return out;
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
        payglass::expectOwnSymbols(cabinet, m->symbols, m->name);
        const bool forTheBet = cabinet.find("pays_title=\"PAYS FOR THE BET\"") != std::string::npos;
        EXPECT_EQ(forTheBet, !m->multiplyByCoins) << m->name;
        delete m;
    }

    // Every award of the line pays stands on the glass, and nothing else.
    // (On a progressive machine the top award is won as the jackpot, which the glass names instead.)
    void checkLineGlass(MultiLineMachine* m) {
        const std::string recipe = recipeText("machines/" + m->name);
        std::set<int> awards;
        for (const LinePay* p : m->linePays) awards.insert(p->award);
        if (recipe.find("\"JACKPOT\"]") != std::string::npos) awards.erase(std::prev(awards.end()));
        EXPECT_EQ(lineRowAmounts(recipe, m->maxLines), awards) << m->name;
        payglass::expectOwnSymbols(recipe, m->symbols, m->name);
        delete m;
    }

    // The glass lists the of-a-kind table row by row: the symbols, then the
    // pays for one to five in a row.
    void checkVideoGlass(VideoSlotMachine* m) {
        const std::string text = recipeText("machines/" + m->name);
        static const std::regex row("\\[\"([a-z0-9 ]+)\", \\[(\\d+), (\\d+), (\\d+), (\\d+), (\\d+)\\]\\]");
        std::vector<std::string> glass, table;
        for (std::sregex_iterator it(text.begin(), text.end(), row), none; it != none; ++it)
            glass.push_back(std::regex_replace(it->str(), std::regex("[^a-z0-9]+"), " "));
        for (const OfAKindRow& r : *m->tables.pays) {
            std::string line;
            for (const std::string& sym : r.symbols) line += " " + sym;
            for (int pay : r.pays) line += " " + std::to_string(pay);
            table.push_back(line + " ");
        }
        EXPECT_EQ(glass, table) << m->name;
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

TEST_F(PayGlass, PatriotMachines) {
    checkGlass(open<PatriotGames>());
    checkGlass(open<PatriotSpinForCash>());
    checkGlass(open<PatriotWild>());
    checkGlass(open<PatriotWildDeluxe>());
}

TEST_F(PayGlass, LineMachines) {
    currentPlayer->firsttimenickle = false;   // no help pages on the video slots
    checkLineGlass(open<FiveLineDouble>());
    checkLineGlass(open<FiveLineTriple>());
    checkLineGlass(open<Baja7s>());
    checkLineGlass(open<BitsNBytes>());
    checkLineGlass(open<CashCow>());
    checkLineGlass(open<EgyptsPrize>());
    checkVideoGlass(open<BalloonBlitz>());
    checkVideoGlass(open<DeepSea>());
    checkVideoGlass(open<Magic>());
    checkVideoGlass(open<MardiGras>());
    checkVideoGlass(open<Zookeeper>());
}

// A poker cabinet names every hand of the machine's cascade with its pay
// (the royal also at five coins); the derby's glass rows pay what its line
// evaluation pays.
TEST(PokerAndDerbyGlass, RowsPayWhatTheMachinesPay) {
    static const std::regex row("\\[['\"]([^'\"]+)['\"], (\\d+)(?:, (\\d+))?\\]");
    for (const char* id : {"10sorbetter", "4ofakind", "allwild", "deuceswild", "doublepremium", "doubleupbonus",
                           "jacksorbetter", "jokerswild", "spinforcash"}) {
        const poker::PayTable* t = poker::payTableFor(id);
        const std::string text = recipeText(std::string("machines/") + id);
        for (const poker::PayLine& line : t->cascade) {
            const std::string hand = poker::handName(line.hand);
            bool found = false;
            for (std::sregex_iterator it(text.begin(), text.end(), row), none; it != none; ++it) {
                std::string label = (*it)[1].str();
                std::transform(label.begin(), label.end(), label.begin(), ::tolower);
                const bool same = label == hand || (hand == "pair" && label.find(" or better") != std::string::npos) ||
                                  (hand == "royal flush" && label.find("royal flush") != std::string::npos &&
                                   label.find("wild") == std::string::npos) ||
                                  (t->foursByRank && hand == "four of a kind" && label == "four 2s to 10s");
                if (!same) continue;
                found = true;
                EXPECT_EQ(std::stoi((*it)[2].str()), line.pay) << id << " " << hand;
                if (line.hand == poker::Hand::NaturalRoyalFlush) {
                    EXPECT_EQ(std::stoi((*it)[3].str()), t->royalMaxCoinsPay * 5) << id;
                }
            }
            EXPECT_TRUE(found) << id << " " << hand;
        }
    }
    const std::string derby = recipeText("machines/demoderby");
    static const std::regex derbyRow("\\(\"(\\w*)\", \"([^\"]+)\", (\\d+)\\)");
    int rows = 0;
    for (std::sregex_iterator it(derby.begin(), derby.end(), derbyRow), none; it != none; ++it, ++rows) {
        const std::string sym = (*it)[1].str(), label = (*it)[2].str();
        const DerbyLine line = !sym.empty() ? DerbyLine{sym, sym, sym}
                               : label.find("BARS") != std::string::npos ? DerbyLine{"bar", "2bar", "3bar"}
                                                                        : DerbyLine{"tire", "2tire", "3tire"};
        EXPECT_EQ(DemoDerby::linePayOf(line), std::stoi((*it)[3].str())) << label;
    }
    EXPECT_EQ(rows, 11);
}

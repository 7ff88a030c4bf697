// The pay glasses drawn from the art recipes against the machines' own
// tables. A single-line machine's cabinet (on its back.png): the rows are
// exactly its per-coin awards (or, when nothing grows with the bet, exactly
// its awards, under "PAYS FOR THE BET"), every whole-bet award is told
// elsewhere on the glass as paid for the bet, and the machines that pay two
// coins' worth at three coins say so. Then the bottom glasses of the line
// and video machines, the poker cabinets and the derby.
#include <algorithm>
#include <regex>
#include <set>
#include <sstream>

#include "derby/demo_derby.h"
#include "game/machine_factory.h"
#include "machine/multi_line.h"
#include "machine/video_slot.h"
#include "machines/threereel/three_reel_session.h"
#include "player/machine_table.h"
#include "poker/pay_tables.h"

using namespace reelsession;

namespace {

// A recipe file of the art generator ("machines/magic", "_patriot").
std::string recipeText(const std::string& name) {
    return testrt::readFile(std::string(CORVALO_ROOT) + "/assetgen/recipes/" + name + ".py");
}

// The whole numbers of a text that stand in the pattern's first group.
std::set<int> numbers(const std::string& text, const std::regex& pattern) {
    std::set<int> out;
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), none; it != none; ++it)
        out.insert(std::stoi((*it)[1].str()));
    return out;
}

// The cabinet item of a machine's art recipe: its text from kind="cabinet"
// up to the symbol set that follows it.
std::string cabinetRecipe(const std::string& id) {
    const std::string text = recipeText("machines/" + id);
    const size_t start = text.find("kind=\"cabinet\"");
    if (start == std::string::npos) return "";
    return text.substr(start, text.find("kind=\"symbolset\"", start) - start);
}

// Where a glass's pay rows stand: from "pays=[" to the end of the list.
std::pair<size_t, size_t> payRows(const std::string& cabinet) {
    const size_t at = cabinet.find("pays=[");
    if (at == std::string::npos) return {std::string::npos, 0};
    return {at, cabinet.find("]],", at) + 2 - at};
}

// The amounts of a cabinet's pay rows: ["label", amount] or ["label",
// amount, "the symbols the bottom glass shows"]. The patriot machines build
// their rows with one helper: the numbers of the call and the helper's own.
std::set<int> rowAmounts(const std::string& cabinet) {
    const auto [at, length] = payRows(cabinet);
    static const std::regex row("\\[\\s*\"[^\"]*\"\\s*,\\s*(\\d+)\\s*(?:,\\s*\"[^\"]*\"\\s*)?\\]");
    std::set<int> rows = numbers(cabinet.substr(at == std::string::npos ? 0 : at, length), row);
    const size_t call = cabinet.find("patriot_pays(");
    if (rows.empty() && call != std::string::npos) {
        rows = numbers(cabinet.substr(call, cabinet.find("),", call) - call), std::regex("\\b(\\d+)\\b"));
        for (int n : numbers(recipeText("_patriot"), std::regex("\",\\s*(\\d+)"))) rows.insert(n);
    }
    return rows;
}

// Every quoted text of the glass that is not in a pay row.
std::string otherTexts(std::string cabinet) {
    const auto [at, length] = payRows(cabinet);
    if (at != std::string::npos) cabinet.erase(at, length);
    std::string out;
    static const std::regex quoted("\"([^\"]*)\"");
    for (std::sregex_iterator q(cabinet.begin(), cabinet.end(), quoted), end; q != end; ++q)
        out += (*q)[1].str() + "\n";
    return out;
}

bool printed(const std::string& texts, int amount) {
    return std::regex_search(texts, std::regex("(^|[^0-9])" + std::to_string(amount) + "($|[^0-9])"));
}

// The symbols a glass row shows as pictures ([label, amount, "wild wild
// wild"]) are the machine's own.
template <class Symbols>
void expectOwnSymbols(const std::string& recipe, const Symbols& symbols, const std::string& id) {
    std::set<std::string> names;
    for (const auto* s : symbols) names.insert(s->name);
    static const std::regex shown("\\[\\s*['\"][^'\"]*['\"]\\s*,\\s*['\"]?\\w+['\"]?\\s*,\\s*\"([^\"]+)\"\\s*\\]");
    for (std::sregex_iterator it(recipe.begin(), recipe.end(), shown), none; it != none; ++it) {
        std::istringstream words((*it)[1].str());
        for (std::string w; words >> w;) EXPECT_TRUE(names.count(w)) << id << " glass shows " << w;
    }
}

void checkGlass(ThreeReelMachine& m, const std::string& cabinet, bool twoCoinsWorthAtFullBet) {
    // The car and the progressive meter are prizes, not amounts.
    std::set<int> perCoin, wholeBet;
    auto sortAward = [&](const PayRule& r) {
        if (r.payKind == payWholeBet || (r.payKind == payPerCoin && !m.multiplyByCoins)) wholeBet.insert(r.award);
        else if (r.payKind == payPerCoin) perCoin.insert(r.award);
    };
    std::for_each(m.payRules.begin(), m.payRules.end(), sortAward);
    std::for_each(m.coinRules.begin(), m.coinRules.end(), sortAward);
    const std::set<int> rows = rowAmounts(cabinet);
    const std::string texts = otherTexts(cabinet);
    const bool forTheBet = std::regex_search(cabinet, std::regex("pays_title=\"PAYS (FOR THE|PER) BET\""));
    EXPECT_EQ(forTheBet, !m.multiplyByCoins);
    const std::set<int>& inRows = m.multiplyByCoins ? perCoin : wholeBet;
    // Large amounts that hold only at some bets may be told beside the rows.
    for (int a : inRows) EXPECT_TRUE(rows.count(a) || (a >= 100 && printed(texts, a))) << "pays " << a;
    for (int a : rows) EXPECT_TRUE(inRows.count(a)) << "the glass lists " << a;
    for (int a : m.multiplyByCoins ? wholeBet : std::set<int>{}) {
        EXPECT_TRUE(printed(texts, a) && (perCoin.count(a) || !rows.count(a))) << "the whole-bet " << a << " in a row";
        const std::regex saysHow("FOR THE BET|COINS: [^\\n]*PAY " + std::to_string(a));
        EXPECT_TRUE(std::regex_search(texts, saysHow)) << "the glass says " << a << " pays for the bet";
    }
    EXPECT_EQ(texts.find("AS 2 COINS") != std::string::npos, twoCoinsWorthAtFullBet);
    expectOwnSymbols(cabinet, m.symbols, m.name);
}

// The credits a line machine's glass rows name; a row "500xN" pays 500
// times the line number, on every line.
std::set<int> lineRowAmounts(const std::string& recipe, int lines) {
    const auto [at, length] = payRows(recipe);
    const std::string rows = recipe.substr(at, length);
    static const std::regex row("\\[\\s*['\"][^'\"]*['\"]\\s*,\\s*['\"]?(\\d+)(xN)?");
    std::set<int> out;
    for (std::sregex_iterator it(rows.begin(), rows.end(), row), none; it != none; ++it)
        for (int k = 1; k <= ((*it)[2].matched ? lines : 1); ++k) out.insert(std::stoi((*it)[1].str()) * k);
    return out;
}

// Every award of the line pays stands on the glass, and nothing else (on a
// progressive machine the top award is won as the jackpot, which the glass
// names instead).
void checkLineGlass(const MultiLineMachine& m) {
    const std::string recipe = recipeText("machines/" + m.name);
    std::set<int> awards;
    for (const auto& p : m.linePays) awards.insert(p->award);
    if (recipe.find("\"JACKPOT\"]") != std::string::npos) awards.erase(std::prev(awards.end()));
    EXPECT_EQ(lineRowAmounts(recipe, m.maxLines), awards);
    expectOwnSymbols(recipe, m.symbols, m.name);
}

// The glass lists the of-a-kind table row by row: the symbols, then the
// pays for one to five in a row.
void checkVideoGlass(const VideoSlotMachine& m) {
    const std::string text = recipeText("machines/" + m.name);
    static const std::regex row("\\[\"([a-z0-9 ]+)\", \\[(\\d+), (\\d+), (\\d+), (\\d+), (\\d+)\\]\\]");
    std::vector<std::string> glass, table;
    for (std::sregex_iterator it(text.begin(), text.end(), row), none; it != none; ++it)
        glass.push_back(std::regex_replace(it->str(), std::regex("[^a-z0-9]+"), " "));
    for (const OfAKindRow& r : *m.tables.pays) {
        std::string line;
        for (const std::string& sym : r.symbols) line += " " + sym;
        for (int pay : r.pays) line += " " + std::to_string(pay);
        table.push_back(line + " ");
    }
    EXPECT_EQ(glass, table);
}

class PayGlass : public MachineFixture {};

}  // namespace

TEST_F(PayGlass, EveryReelMachineGlassListsItsPays) {
    currentPlayer->firsttimenickle = false;  // no help pages on the video slots
    const std::set<std::string> twoCoinsWorth = {"crazydice", "doubledicespinforcash", "patriotspinforcash"};
    int checked = 0;
    for (const MachineInfo& info : machineTable()) {
        if (info.category != MachineCategory::ThreeReel && info.category != MachineCategory::Video) continue;
        SCOPED_TRACE(info.id);
        typeMoney("0");
        std::unique_ptr<Screen> screen(createMachine(info.id, 1.0f));
        const std::string cabinet = cabinetRecipe(info.id);
        auto* m = dynamic_cast<ThreeReelMachine*>(screen.get());
        // 10X and 5X show their pays on the bottom glass, not the cabinet.
        if (m && !cabinet.empty()) checkGlass(*m, cabinet, twoCoinsWorth.count(info.id) > 0);
        if (auto* line = dynamic_cast<MultiLineMachine*>(screen.get())) checkLineGlass(*line);
        if (auto* video = dynamic_cast<VideoSlotMachine*>(screen.get())) checkVideoGlass(*video);
        checked += !m || !cabinet.empty();
    }
    EXPECT_EQ(checked, 38);
}

// A poker cabinet names every hand of the machine's cascade with its pay
// (the royal also at five coins); the derby's glass rows pay what its line
// evaluation pays.
TEST(PokerAndDerbyGlass, RowsPayWhatTheMachinesPay) {
    static const std::regex row("\\[['\"]([^'\"]+)['\"], (\\d+)(?:, (\\d+))?\\]");
    for (const MachineInfo& info : machineTable()) {
        if (info.category != MachineCategory::Poker) continue;
        const poker::PayTable* t = poker::payTableFor(info.id);
        const std::string text = recipeText(std::string("machines/") + info.id);
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
                EXPECT_EQ(std::stoi((*it)[2].str()), line.pay) << info.id << " " << hand;
                if (line.hand == poker::Hand::NaturalRoyalFlush) {
                    EXPECT_EQ(std::stoi((*it)[3].str()), t->royalMaxCoinsPay * 5) << info.id;
                }
            }
            EXPECT_TRUE(found) << info.id << " " << hand;
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

// The three-reel machines' tables (symbols, wilds, pay-rule builders) and the
// outcome draw over them.
//
// The draw gives every rule in play the same share of the expected return:
// with n rules in play each gets span = 10000000 / n, and a rule paying a per
// coin holds span / a + 1 of the 10000000 / payoutRatio draw numbers. So the
// whole table returns about payoutRatio per coin bet, whatever its awards,
// before the wild multipliers add their part.
#include <algorithm>
#include <cstdint>
#include <iostream>
#include <limits>

#include "machine/three_reel.h"
#include "shell/mtrand.h"
#include "shell/util.h"

namespace {

const int drawScale = 10000000;
const int familyReels = 3;
// Random tries of the losing-outcome search before it looks at every
// combination in turn.
const int losingTries = 2000;

bool contains(const SymbolList& list, const Symbol* s) {
    return std::find(list.begin(), list.end(), s) != list.end();
}

SymbolList withoutNulls(const SymbolList& list) {
    SymbolList out;
    out.reserve(list.size());
    for (Symbol* s : list) {
        if (s) out.push_back(s);
    }
    return out;
}

SymbolList without(const SymbolList& list, const SymbolList& removed) {
    SymbolList out;
    for (Symbol* s : list) {
        if (!contains(removed, s)) out.push_back(s);
    }
    return out;
}

void addList(PayRule& rule, int reel, const SymbolList& list) {
    if (list.empty()) {
        // Keeps the reel's place so the rule still has its three lists; an
        // empty list keeps the rule out of the draw.
        while (static_cast<int>(rule.accepted.size()) <= reel) rule.accepted.emplace_back();
        return;
    }
    for (Symbol* s : list) rule.addSymbol(reel, s);
}

void fillReels(PayRule& rule, const SymbolList& r0, const SymbolList& r1, const SymbolList& r2) {
    addList(rule, 0, r0);
    addList(rule, 1, r1);
    addList(rule, 2, r2);
}

int clampToInt(long long v) {
    if (v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

}  // namespace

// ---- symbols and wilds -----------------------------------------------------

void ThreeReelMachine::addSymbol(const std::string& symbolName, int variants) {
    ownedSymbols.push_back(std::make_unique<Symbol>(symbolName, variants));
    symbols.push_back(ownedSymbols.back().get());
}

void ThreeReelMachine::addArrowSymbol(const std::string& symbolName, int variants, int kind) {
    addSymbol(symbolName, variants);
    symbols.back()->kind = kind;
}

WildSymbol* ThreeReelMachine::addWildSymbol() {
    ownedWilds.push_back(std::make_unique<WildSymbol>());
    wilds.push_back(ownedWilds.back().get());
    return wilds.back();
}

Symbol* ThreeReelMachine::findSymbol(const std::string& symbolName) {
    const std::string wanted = symbolName == "yellowballoon" ? "arrowup_yellowballoon" : symbolName;
    for (Symbol* s : symbols) {
        if (s->name == wanted) return s;
    }
    std::cout << " Could not find symbol: " << symbolName << std::endl;
    return nullptr;
}

SymbolList ThreeReelMachine::symbolList(const std::vector<std::string>& names) {
    SymbolList out;
    for (const std::string& n : names) {
        Symbol* s = findSymbol(n);
        if (s) out.push_back(s);
    }
    return out;
}

void ThreeReelMachine::deleteSymbols() {
    symbols.clear();
    ownedSymbols.clear();
    activeValid = false;
    losingSymbols.clear();
    losingFromSymbols = losingFromWilds = static_cast<size_t>(-1);
}

void ThreeReelMachine::deleteWilds() {
    wilds.clear();
    ownedWilds.clear();
    activeValid = false;
    losingFromSymbols = losingFromWilds = static_cast<size_t>(-1);
}

// The declared symbols that carry a wild's name.
static SymbolList wildNamedSymbols(ThreeReelMachine& m) {
    SymbolList out;
    for (WildSymbol* w : m.wilds) {
        Symbol* s = m.findSymbol(w->name);
        if (s && !contains(out, s)) out.push_back(s);
    }
    return out;
}

// ---- rule builders ---------------------------------------------------------

void ThreeReelMachine::addOneOfRule(const SymbolList& list, int award) {
    const SymbolList L = withoutNulls(list);
    SymbolList others = without(without(symbols, L), wildNamedSymbols(*this));
    PayRule rule;
    for (int reel = 0; reel < familyReels; ++reel) {
        rule.reset();
        rule.setAward(award);
        fillReels(rule, reel == 0 ? L : others, reel == 1 ? L : others, reel == 2 ? L : others);
        payRules.push_back(rule);
    }
}

void ThreeReelMachine::addTwoOfRule(const SymbolList& list, int award) {
    const SymbolList L = withoutNulls(list);
    SymbolList others = without(without(symbols, L), wildNamedSymbols(*this));
    // L/L/O wild 0; O/L/L wild 1; L/O/L wild 2.
    const SymbolList* layouts[3][3] = {{&L, &L, &others}, {&others, &L, &L}, {&L, &others, &L}};
    for (int bit = 0; bit < 3; ++bit) {
        PayRule rule;
        rule.reset();
        rule.setAward(award);
        fillReels(rule, *layouts[bit][0], *layouts[bit][1], *layouts[bit][2]);
        rule.setReelBit(bit);
        payRules.push_back(rule);
    }
}

void ThreeReelMachine::addThreeOfAKind(const SymbolList& list, int award, int supersededFromCoins) {
    const SymbolList L = withoutNulls(list);
    PayRule rule;
    rule.reset();
    rule.setAward(award);
    rule.reelCount = 3;
    if (supersededFromCoins != 0) rule.setSupersededFromCoins(supersededFromCoins);
    fillReels(rule, L, L, L);
    rule.setReelBit(0);
    rule.setReelBit(1);
    rule.setReelBit(2);
    payRules.push_back(rule);
}

void ThreeReelMachine::addCoinThreeOfAKind(const SymbolList& list, int award, int coinCount) {
    const SymbolList L = withoutNulls(list);
    CoinPayRule rule;
    rule.reset();
    rule.setAward(award);
    rule.setCoins(coinCount);
    rule.payKind = payWholeBet;
    rule.reelCount = 3;
    fillReels(rule, L, L, L);
    coinRules.push_back(rule);
}

// Groups of a list: a plain symbol is a group of its own; an arrow symbol
// joins the group of its base symbol (the part of its name after the first
// "_"), so "arrowup_3bar" counts as "3bar".
static std::vector<SymbolList> groupsOf(ThreeReelMachine& m, const SymbolList& L) {
    std::vector<SymbolList> groups;
    auto groupOf = [&groups](const Symbol* s) -> SymbolList* {
        for (SymbolList& g : groups) {
            if (contains(g, s)) return &g;
        }
        return nullptr;
    };
    for (Symbol* s : L) {
        if (groupOf(s)) continue;
        if (s->kind == symbolArrowUp || s->kind == symbolArrowDown) {
            size_t cut = s->name.find('_');
            std::string baseName = cut == std::string::npos ? s->name : s->name.substr(cut + 1);
            Symbol* base = m.findSymbol(baseName);
            SymbolList* g = base ? groupOf(base) : nullptr;
            if (g) {
                g->push_back(s);
            } else {
                SymbolList fresh{s};
                if (base && base != s) fresh.push_back(base);
                groups.push_back(fresh);
            }
        } else {
            groups.push_back(SymbolList{s});
        }
    }
    return groups;
}

static void setRuleCoins(PayRule&, int) {}
static void setRuleCoins(CoinPayRule& rule, int coinCount) { rule.setCoins(coinCount); }

// The three rules of each group: the group on one reel, the whole list on
// another and the list without the group on the third.
template <class Rule>
static void groupRules(const SymbolList& L, const std::vector<SymbolList>& groups, Rule& rule, bool wilds,
                       std::vector<Rule>& out, int award, int coinCount, int kind, bool noWild) {
    for (const SymbolList& g : groups) {
        const SymbolList rest = without(L, g);
        for (int k = 0; k < 3; ++k) {
            rule.reset();
            rule.setAward(award);
            rule.payKind = kind;
            rule.reelCount = 3;
            rule.noWild = noWild;
            setRuleCoins(rule, coinCount);
            if (k == 0) {
                fillReels(rule, g, L, rest);
                if (wilds) rule.setReelBit(1);
            } else if (k == 1) {
                fillReels(rule, L, g, rest);
                if (wilds) rule.setReelBit(0);
            } else {
                fillReels(rule, L, rest, g);
                if (wilds) rule.setReelBit(0);
            }
            out.push_back(rule);
        }
    }
}

void ThreeReelMachine::addGroupRule(const SymbolList& list, int award) {
    const SymbolList L = withoutNulls(list);
    PayRule rule;
    groupRules(L, groupsOf(*this, L), rule, true, payRules, award, -1, payPerCoin, false);
}

void ThreeReelMachine::addNoWildGroupRule(const SymbolList& list, int award) {
    const SymbolList L = withoutNulls(list);
    PayRule rule;
    groupRules(L, groupsOf(*this, L), rule, false, payRules, award, -1, payPerCoin, true);
}

void ThreeReelMachine::addCoinGroupRule(const SymbolList& list, int award, int coinCount) {
    const SymbolList L = withoutNulls(list);
    std::vector<SymbolList> single;
    for (Symbol* s : L) single.push_back(SymbolList{s});
    CoinPayRule rule;
    groupRules(L, single, rule, true, coinRules, award, coinCount, payWholeBet, false);
}

// The no-wild builders with their coin switch: a per-coin rule superseded
// from coinsArg coins, or a whole-bet rule of exactly coinsArg coins.
template <class Fill>
static void noWildRules(ThreeReelMachine& m, int award, int coinsArg, bool coinRule, int reelCount, int count,
                        Fill fill) {
    for (int k = 0; k < count; ++k) {
        if (coinRule) {
            CoinPayRule rule;
            rule.reset();
            rule.setAward(award);
            rule.noWild = true;
            rule.payKind = payWholeBet;
            rule.reelCount = reelCount;
            rule.setCoins(coinsArg);
            fill(rule, k);
            m.coinRules.push_back(rule);
        } else {
            PayRule rule;
            rule.reset();
            rule.setAward(award);
            rule.noWild = true;
            rule.reelCount = reelCount;
            if (coinsArg != -1) rule.setSupersededFromCoins(coinsArg);
            fill(rule, k);
            m.payRules.push_back(rule);
        }
    }
}

void ThreeReelMachine::addOneWithBlanksRule(const SymbolList& list, int award, int coinsArg, bool coinRule) {
    const SymbolList L = withoutNulls(list);
    SymbolList B;
    if (Symbol* blank = findSymbol("blank")) B.push_back(blank);
    noWildRules(*this, award, coinsArg, coinRule, -1, 3, [&](PayRule& rule, int k) {
        fillReels(rule, k == 0 ? L : B, k == 1 ? L : B, k == 2 ? L : B);
    });
}

void ThreeReelMachine::addTwoWithBlankRule(const SymbolList& list, int award, int coinsArg, bool coinRule) {
    const SymbolList L = withoutNulls(list);
    SymbolList B;
    if (Symbol* blank = findSymbol("blank")) B.push_back(blank);
    // L/L/B; B/L/L; L/B/L.
    noWildRules(*this, award, coinsArg, coinRule, -1, 3, [&](PayRule& rule, int k) {
        if (k == 0) fillReels(rule, L, L, B);
        else if (k == 1) fillReels(rule, B, L, L);
        else fillReels(rule, L, B, L);
    });
}

void ThreeReelMachine::addNoWildRule(const SymbolList& list, int award, int coinsArg, bool coinRule) {
    const SymbolList L = withoutNulls(list);
    noWildRules(*this, award, coinsArg, coinRule, -1, 1, [&](PayRule& rule, int) { fillReels(rule, L, L, L); });
}

void ThreeReelMachine::addJackpotMovieRule(const SymbolList& list, int award, int coinCount) {
    const SymbolList L = withoutNulls(list);
    CoinPayRule rule;
    rule.reset();
    rule.setAward(award);
    rule.setCoins(coinCount);
    rule.payKind = payJackpotMovie;
    rule.reelCount = 3;
    fillReels(rule, L, L, L);
    coinRules.push_back(rule);
}

void ThreeReelMachine::addProgressiveRule(const SymbolList& list, int award, int coinCount) {
    const SymbolList L = withoutNulls(list);
    CoinPayRule rule;
    rule.reset();
    rule.setAward(award);
    rule.setCoins(coinCount);
    rule.payKind = payProgressive;
    rule.reelCount = 3;
    fillReels(rule, L, L, L);
    coinRules.push_back(rule);
}

// ---- the draw --------------------------------------------------------------

void ThreeReelMachine::buildActiveRules() {
    if (activeValid && activeCoins == coins && activePayRules == payRules.size() &&
        activeCoinRules == coinRules.size() && activeSymbols == symbols.size() &&
        losingFromWilds == wilds.size())
        return;

    // 1. The rules in play at this bet. A rule that cannot be shown (a reel
    //    list left empty) stays out.
    activeRules.clear();
    activeRules.reserve(payRules.size() + coinRules.size());
    for (const PayRule& r : payRules) {
        if ((r.supersededFromCoins == -1 || r.supersededFromCoins > coins) && r.showable(familyReels))
            activeRules.push_back(r);
    }
    for (const CoinPayRule& r : coinRules) {
        if (r.coins == coins && r.showable(familyReels)) activeRules.push_back(static_cast<const PayRule&>(r));
    }

    // 2. Largest award first; equal awards keep their order.
    std::stable_sort(activeRules.begin(), activeRules.end(), PayRule::compareAward);

    // 3 and 4. Every rule's slice of the draw numbers.
    const int n = static_cast<int>(activeRules.size());
    if (n > 0) {
        const int span = drawScale / n;
        const int perCoin = coins >= 1 ? coins : 1;
        long long start = 0;
        for (PayRule& r : activeRules) {
            long long width;
            if (r.payKind == payPerCoin) {
                // A rule that pays nothing per coin gets no numbers at all.
                width = r.award >= 1 ? span / r.award : -1;
            } else {
                int q = r.award / perCoin;
                width = q >= 1 ? span / q : span;
            }
            if (width < 0) {
                r.rangeStart = -1;
                r.rangeEnd = -1;
                continue;
            }
            r.rangeStart = clampToInt(start);
            r.rangeEnd = clampToInt(start + width);
            start = start + width + 1;
        }
    }

    activeValid = true;
    activeCoins = coins;
    activePayRules = payRules.size();
    activeCoinRules = coinRules.size();
    activeSymbols = symbols.size();
    buildMasks();
}

void ThreeReelMachine::buildMasks() {
    activeMasks.clear();
    masksUsable = symbols.size() <= 64;
    if (!masksUsable) return;
    refreshLosingSymbols();
    wildNamedMask = 0;
    for (size_t i = 0; i < symbols.size(); ++i) {
        if (!contains(losingSymbols, symbols[i])) wildNamedMask |= uint64_t(1) << i;
    }
    activeMasks.reserve(activeRules.size() * familyReels);
    for (const PayRule& r : activeRules) {
        for (int reel = 0; reel < familyReels; ++reel) {
            uint64_t mask = 0;
            for (size_t i = 0; i < symbols.size(); ++i) {
                if (r.accepts(reel, symbols[i])) mask |= uint64_t(1) << i;
            }
            activeMasks.push_back(mask);
        }
    }
}

bool ThreeReelMachine::anyActiveRuleAccepts(size_t i0, size_t i1, size_t i2) const {
    const uint64_t b0 = uint64_t(1) << i0, b1 = uint64_t(1) << i1, b2 = uint64_t(1) << i2;
    for (size_t k = 0; k + 2 < activeMasks.size(); k += 3) {
        if ((activeMasks[k] & b0) && (activeMasks[k + 1] & b1) && (activeMasks[k + 2] & b2)) return true;
    }
    return false;
}

Uint32 ThreeReelMachine::drawRange() const {
    // 10000000 / 0.95f truncates to 10526315. A ratio that is not a positive
    // number, or one so large that no number would be left, is no ratio the
    // draw can use: it then plays at a ratio of 1.
    long double ratio = static_cast<long double>(payoutRatio);
    long double m = (ratio > 0.0L && ratio <= drawScale) ? drawScale / ratio : drawScale;
    if (!(m >= 1.0L)) m = drawScale;
    if (m > 4294967295.0L) m = 4294967295.0L;
    return static_cast<Uint32>(m);
}

Uint32 ThreeReelMachine::drawStop() { return genrand() % drawRange(); }

void ThreeReelMachine::refreshLosingSymbols() {
    if (losingFromSymbols == symbols.size() && losingFromWilds == wilds.size()) return;
    SymbolList wildNamed = wildNamedSymbols(*this);
    losingSymbols = without(symbols, wildNamed);
    losingFromSymbols = symbols.size();
    losingFromWilds = wilds.size();
}

bool ThreeReelMachine::anyRuleCovers(const PayRule& rule) const {
    if (rule.award == -1) return true;
    for (const PayRule& active : activeRules) {
        if (rule.coversChosen(active)) return true;
    }
    return false;
}

void ThreeReelMachine::pickLosingReels() {
    refreshLosingSymbols();
    result.reset();
    result.award = 0;
    if (symbols.empty()) return;  // nothing to show; the reels keep what they show

    // A losing reel never shows a symbol named like a wild; a machine whose
    // every symbol carries a wild's name shows any of them.
    const SymbolList& pool = losingSymbols.empty() ? symbols : losingSymbols;
    const uint32_t n = static_cast<uint32_t>(symbols.size());
    const bool anyAllowed = pool.size() == symbols.size();
    auto allowed = [&](uint32_t i) {
        if (anyAllowed) return true;
        if (masksUsable) return !((wildNamedMask >> i) & 1u);
        return contains(pool, symbols[i]);
    };
    auto drawOne = [&]() -> uint32_t {
        for (int tries = 0; tries < 1000; ++tries) {
            uint32_t i = genrand() % n;
            if (allowed(i)) return i;
        }
        Symbol* s = pool[genrand() % pool.size()];
        return static_cast<uint32_t>(std::find(symbols.begin(), symbols.end(), s) - symbols.begin());
    };
    auto show = [&](uint32_t i0, uint32_t i1, uint32_t i2) {
        result.reset();
        result.award = 0;
        result.addSymbol(0, symbols[i0]);
        result.addSymbol(1, symbols[i1]);
        result.addSymbol(2, symbols[i2]);
    };

    // The bit masks hold while the active rules are the ones they were built for.
    const bool fast = masksUsable && activeMasks.size() == activeRules.size() * familyReels;
    uint32_t idx[3] = {0, 0, 0};
    for (int attempt = 0; attempt < losingTries; ++attempt) {
        for (int reel = 0; reel < familyReels; ++reel) idx[reel] = drawOne();
        if (fast) {
            if (!anyActiveRuleAccepts(idx[0], idx[1], idx[2])) {
                show(idx[0], idx[1], idx[2]);
                return;
            }
        } else {
            show(idx[0], idx[1], idx[2]);
            if (!anyRuleCovers(result)) return;
        }
    }

    // So many paying draws in a row: look at every combination and take one
    // of those that pay nothing.
    std::vector<uint32_t> allowedIdx;
    for (uint32_t i = 0; i < n; ++i) {
        if (allowed(i)) allowedIdx.push_back(i);
    }
    if (allowedIdx.empty()) {
        for (uint32_t i = 0; i < n; ++i) allowedIdx.push_back(i);
    }
    const size_t k = allowedIdx.size();
    std::vector<size_t> unpaid;
    for (size_t c = 0; c < k * k * k; ++c) {
        show(allowedIdx[c / (k * k)], allowedIdx[(c / k) % k], allowedIdx[c % k]);
        if (!anyRuleCovers(result)) unpaid.push_back(c);
    }
    if (unpaid.empty()) {
        // Every combination pays: the table leaves no way to show a loss. The
        // last draw stays on the reels and pays nothing.
        std::cout << " No losing combination on " << name << std::endl;
        show(idx[0], idx[1], idx[2]);
        return;
    }
    size_t c = unpaid[genrand() % unpaid.size()];
    show(allowedIdx[c / (k * k)], allowedIdx[(c / k) % k], allowedIdx[c % k]);
}

void ThreeReelMachine::spin() {
    buildActiveRules();
    const Uint32 r = drawStop();

    result.reset();
    bool found = false;
    for (const PayRule& rule : activeRules) {
        if (rule.rangeStart >= 0 && static_cast<long long>(rule.rangeStart) <= r &&
            r <= static_cast<long long>(rule.rangeEnd)) {
            result = rule;
            result.matched = true;
            found = true;
            break;
        }
    }
    if (!found) {
        pickLosingReels();
        result.matched = false;
    }
    result.pickSymbols();

    long long w = found ? result.award : 0;

    // Wilds: on a winning rule that admits them, each wild-eligible reel in
    // turn may show a wild in place of its symbol; at most two per spin.
    if (w != 0 && !wilds.empty() && !result.noWild && wildChance >= 1) {
        int substituted = 0;
        for (int reel = 0; reel < familyReels && reel < static_cast<int>(result.chosen.size()); ++reel) {
            if (result.reelBit(reel)) {
                shuffleRange(wilds.begin(), wilds.end());
                for (WildSymbol* wild : wilds) {
                    if (!wild->substitutes(result.chosen[reel])) continue;
                    if (genrand() % static_cast<uint32_t>(wildChance) == 0) {
                        result.chosen[reel] = wild;
                        w *= wild->multiplier;
                        if (w > std::numeric_limits<int>::max()) w = std::numeric_limits<int>::max();
                        ++substituted;
                    }
                    break;
                }
            }
            if (substituted >= 2) break;
        }
    }

    if (multiplyByCoins && result.payKind != payWholeBet) w *= coins;
    win = clampToInt(w);
    if (win < 0) win = 0;
}

void ThreeReelMachine::randomSymbolOnEveryReel(int n) {
    if (n <= 0 || symbols.empty()) return;
    if (n > static_cast<int>(symbols.size())) n = static_cast<int>(symbols.size());
    for (int reel = 0; reel < reelCount && reel < familyReels; ++reel)
        setReelSymbol(symbols[genrand() % static_cast<uint32_t>(n)], reel);
}

#include "machine/three_reel_rules.h"

#include <algorithm>
#include <cstdlib>

#include "shell/util.h"

// ---- symbols ---------------------------------------------------------------

Symbol::Symbol(const std::string& n, int v) : name(n), variants(v), kind(symbolPlain) {}

Symbol::~Symbol() {}

std::string Symbol::pictureName() const {
    int k = 0;
    if (variants >= 2) k = rand() % variants;
    return name + ".png." + intToString(k);
}

WildSymbol::WildSymbol() : Symbol("wild", 1), multiplier(1) { kind = symbolWild; }

WildSymbol::~WildSymbol() {}

void WildSymbol::setMultiplier(int n) { multiplier = n; }

void WildSymbol::addSubstitutesExcept(const SymbolList& all, const SymbolList& except) {
    for (Symbol* s : all) {
        if (std::find(except.begin(), except.end(), s) == except.end()) substituteList.push_back(s);
    }
}

bool WildSymbol::substitutes(const Symbol* symbol) const {
    return std::find(substituteList.begin(), substituteList.end(), symbol) != substituteList.end();
}

// ---- pay rules -------------------------------------------------------------

PayRule::PayRule() { clear(); }

PayRule::~PayRule() {}

void PayRule::clear() {
    matched = false;
    noWild = false;
    award = 0;
    rangeStart = -1;
    rangeEnd = -1;
    supersededFromCoins = -1;
    reelCount = -1;
    payKind = payPerCoin;
    accepted.clear();
    wildReels = 0;
}

void PayRule::reset() {
    clear();
    award = -1;
}

void PayRule::setSupersededFromCoins(int n) { supersededFromCoins = n; }

void PayRule::addSymbol(int reel, Symbol* symbol) {
    if (reel < 0) return;
    while (static_cast<int>(accepted.size()) <= reel) accepted.emplace_back();
    accepted[reel].push_back(symbol);
}

void PayRule::setReelBit(int reel) {
    if (reel >= 0 && reel < 32) wildReels |= 1u << reel;
}

Symbol* PayRule::pickChosenSymbol(int reel) const {
    if (reel < 0 || reel >= static_cast<int>(accepted.size())) return nullptr;
    const SymbolList& list = accepted[reel];
    if (list.empty()) return nullptr;
    if (list.size() >= 2) return list[static_cast<size_t>(rand()) % list.size()];
    return list[0];
}

void PayRule::pickSymbols() {
    chosen.clear();
    for (size_t r = 0; r < accepted.size(); ++r) chosen.push_back(pickChosenSymbol(static_cast<int>(r)));
}

Symbol* PayRule::chosenSymbol(int reel) const {
    if (reel < 0 || reel >= static_cast<int>(chosen.size())) return nullptr;
    return chosen[reel];
}

bool PayRule::accepts(int reel, const Symbol* symbol) const {
    if (reel < 0 || reel >= static_cast<int>(accepted.size())) return false;
    const SymbolList& list = accepted[reel];
    return std::find(list.begin(), list.end(), symbol) != list.end();
}

bool PayRule::coversChosen(const PayRule& other) const {
    for (size_t r = 0; r < accepted.size(); ++r) {
        if (accepted[r].empty()) return false;
        if (!other.accepts(static_cast<int>(r), accepted[r][0])) return false;
    }
    return true;
}

bool PayRule::showable(int reels) const {
    if (static_cast<int>(accepted.size()) < reels) return false;
    for (int r = 0; r < reels; ++r) {
        if (accepted[r].empty()) return false;
    }
    return true;
}

CoinPayRule::CoinPayRule() {
    coins = -1;
    payKind = payWholeBet;
}

void CoinPayRule::clear() {
    PayRule::clear();
    coins = -1;
    payKind = payWholeBet;
}

void CoinPayRule::reset() {
    PayRule::reset();
    coins = -1;
    payKind = payWholeBet;
}

void CoinPayRule::setCoins(int n) { coins = n; }

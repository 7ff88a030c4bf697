// The records of the three-reel machines: the symbols a reel can show, the
// wild symbols that may stand in for them, and the pay rules.
//
// A three-reel machine has no reel strips. What can come up is a list of pay
// rules: each names, for each of the three reels, the symbols that may show
// there and what the combination pays. A spin draws one rule (or a loss) and
// the reels then show one accepted symbol per reel.
#pragma once

#include <string>
#include <vector>

class Symbol;
typedef std::vector<Symbol*> SymbolList;

// Symbol kinds.
enum {
    symbolPlain = 0,
    symbolWild = 1,
    symbolArrowUp = 2,
    symbolArrowDown = 3,
};

// How a rule pays.
enum {
    payPerCoin = 0,      // award per coin bet (multiplied by the coins when the machine says so)
    payWholeBet = 1,     // award for the whole bet
    payJackpotMovie = 2, // the car prize with the car jackpot movie
    payProgressive = 3,  // the progressive meter of the machine's coin value
};

class Symbol {
public:
    std::string name;  // also the base name of its pictures
    int variants;      // pictures name + ".png.0" ... name + ".png.<variants-1>"
    int kind;          // symbolPlain, symbolWild, symbolArrowUp, symbolArrowDown

    Symbol(const std::string& name, int variants);
    virtual ~Symbol();

    // One of the symbol's pictures, chosen anew each call with the runtime's
    // rand(), never the game's generator (nothing is drawn when there is
    // only one picture).
    std::string pictureName() const;
};

class WildSymbol : public Symbol {
public:
    int multiplier;            // the win is multiplied by this for each reel it stands on
    SymbolList substituteList; // the symbols it may stand in for (not owned)

    WildSymbol();
    ~WildSymbol() override;

    void setMultiplier(int n);
    // Every symbol of `all` that is not in `except`, in the order of `all`.
    void addSubstitutesExcept(const SymbolList& all, const SymbolList& except);
    bool substitutes(const Symbol* symbol) const;
};

class PayRule {
public:
    bool matched;                          // set on a machine's result when a rule was drawn
    bool noWild;                           // never wild-substituted
    int award;                             // per coin (kind 0) or for the whole bet
    int rangeStart, rangeEnd;              // the rule's slice of draw numbers, both ends inclusive
    int payKind;                           // payPerCoin ... payProgressive
    int reelCount;                         // 3 for three-reel rules, else -1
    int supersededFromCoins;               // inactive from this many coins on; -1 never
    std::vector<SymbolList> accepted;      // per reel, in reel order (symbols not owned)
    unsigned wildReels;                    // bit r: a wild may stand on reel r
    SymbolList chosen;                     // the symbols shown, one per reel

    PayRule();
    PayRule(const PayRule&) = default;
    PayRule(PayRule&&) = default;
    PayRule& operator=(const PayRule&) = default;
    PayRule& operator=(PayRule&&) = default;
    virtual ~PayRule();

    // Everything back to its defaults (award 0); `chosen` is left alone.
    virtual void clear();
    // As clear, with award -1: nothing drawn yet.
    virtual void reset();
    virtual void setSupersededFromCoins(int n);

    void setAward(int n) { award = n; }
    // Appends a symbol to a reel's list (reels are filled in order 0, 1, 2).
    void addSymbol(int reel, Symbol* symbol);
    void setReelBit(int reel);
    bool reelBit(int reel) const { return reel >= 0 && reel < 32 && (wildReels >> reel) & 1u; }

    // A symbol of the reel's list, uniform with the runtime's rand(); null
    // for an empty list.
    Symbol* pickChosenSymbol(int reel) const;
    // Fills `chosen` with one pick per reel list.
    void pickSymbols();
    // The symbol shown on a reel; null when there is none.
    Symbol* chosenSymbol(int reel) const;
    // True when the first symbol of each of this rule's reel lists is in the
    // other rule's list for the same reel.
    bool coversChosen(const PayRule& other) const;
    // Whether the symbol is in the reel's list.
    bool accepts(int reel, const Symbol* symbol) const;
    // True when the rule has `reels` lists and none of them is empty, so it
    // can be shown on the reels.
    bool showable(int reels) const;

    // The ordering of the draw: larger awards first.
    static bool compareAward(const PayRule& a, const PayRule& b) { return a.award > b.award; }
};

// A rule that counts only when exactly `coins` coins are bet.
class CoinPayRule : public PayRule {
public:
    int coins;  // -1 unset

    CoinPayRule();
    void clear() override;
    void reset() override;
    virtual void setCoins(int n);
};

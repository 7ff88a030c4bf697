// The single-payline three-reel machines: the family base that every one of
// them derives from, and the arrow variant for the machines whose symbol sets
// hold arrow symbols.
//
// A machine of the family declares its symbols, wild symbols and pay rules in
// four hooks and picks a few sounds; the base does all of the play: bets,
// the outcome draw over the pay rules, the reels, the settle with statistics
// and count-up, the buttons, keys and help pages.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "machine/machine.h"
#include "machine/three_reel_rules.h"

class ThreeReelMachine : public Machine {
public:
    int wildChance;        // a wild shows on an eligible reel with chance 1 in this
    bool multiplyByCoins;  // per-coin wins are multiplied by the coins bet
    PayRule result;        // the outcome of the last pull
    std::vector<PayRule> activeRules;  // the rules in play at the current bet, sorted, with their slices
    std::vector<PayRule> payRules;     // the ordinary rules
    std::vector<CoinPayRule> coinRules;  // rules of exactly one coin count
    SymbolList symbols;                // in declaration order (held in ownedSymbols)
    std::vector<WildSymbol*> wilds;    // the wilds (held in ownedWilds), in the order of the wild step

    ThreeReelMachine();
    ~ThreeReelMachine() override;

    // The family set-up; a machine calls it from its own set-up once its id,
    // coin limits, pay-out ratio, coin flag and denomination are set.
    void init() override;
    // A machine's own set-up in one call: its id, the most coins a pull
    // takes, whether per-coin wins grow with the bet and the pay-out ratio,
    // then the coin value and the family set-up (init).
    void setUpMachine(const std::string& id, int mostCoins, bool perCoin, float value, float ratio = 0.95f);
    void handleEvent(const SDL_Event& event) override;
    void createButtons() override;
    void handleButton(Widget* control) override;
    void redraw() override;
    void showHelp() override;

    void startSpin() override;
    void keepPull(int bet) override;
    // What a win of `drawnWin` coins pays onto credits of `creditsAfterBet`
    // (the bet taken): nothing for the car, never past the most a machine holds.
    long long creditsPaid(long long drawnWin, long long creditsAfterBet) const;
    // A bonus drew `extra` coins on top of the line's win: the play's whole
    // win, kept at once (the settle still holds the bet).
    void keepWinWith(long long extra);
    void spin() override;
    void loadGraphics(const std::string& pictureName, int reel) override;
    void showStoppedReel(int reel) override;
    void drawOverlay() override;
    void settle() override;
    Uint32 drawStop() override;
    void createReels() override;
    void placeReels() override;
    void createMeters() override;
    void showDenomination() override;

    // The machine's own definition.
    virtual void declareSymbols() = 0;
    virtual void buildPayTable() = 0;
    virtual void buildExtraRules() = 0;
    virtual void buildWildRules() = 0;

    // ---- tables ------------------------------------------------------------
    void addSymbol(const std::string& name, int variants);
    void addArrowSymbol(const std::string& name, int variants, int kind);
    // A new wild (multiplier 1, named "wild", standing in for nothing yet),
    // kept by the machine and appended to `wilds`.
    WildSymbol* addWildSymbol();
    // The declared symbol of that name ("yellowballoon" is looked up as
    // "arrowup_yellowballoon"); null, with a line on stdout, when there is none.
    Symbol* findSymbol(const std::string& name);
    // A list of declared symbols by name; names that are not declared are
    // reported by findSymbol and left out.
    SymbolList symbolList(const std::vector<std::string>& names);

    // Rule builders. Every builder leaves out the null entries of its list
    // (names the machine never declared, already reported by findSymbol).
    void addOneOfRule(const SymbolList& list, int award);
    void addTwoOfRule(const SymbolList& list, int award);
    void addThreeOfAKind(const SymbolList& list, int award, int supersededFromCoins);
    void addCoinThreeOfAKind(const SymbolList& list, int award, int coins);
    void addGroupRule(const SymbolList& list, int award);
    void addNoWildGroupRule(const SymbolList& list, int award);
    void addCoinGroupRule(const SymbolList& list, int award, int coins);
    void addOneWithBlanksRule(const SymbolList& list, int award, int coinsArg, bool coinRule);
    void addTwoWithBlankRule(const SymbolList& list, int award, int coinsArg, bool coinRule);
    void addNoWildRule(const SymbolList& list, int award, int coinsArg, bool coinRule);
    void addJackpotMovieRule(const SymbolList& list, int award, int coins);
    void addProgressiveRule(const SymbolList& list, int award, int coins);

    // ---- the draw ----------------------------------------------------------
    // Rebuilds `activeRules` for the current coins: the rules in play, largest
    // award first, each with its slice of draw numbers. The tables don't
    // change after set-up, so the build is kept until the bet (or the number
    // of rules or symbols) changes; a machine that edits its rules in place
    // later calls invalidateActiveRules.
    void buildActiveRules();
    void invalidateActiveRules() { activeValid = false; }
    // How many draw numbers there are: 10000000 / payoutRatio.
    Uint32 drawRange() const;
    // A losing outcome: three non-wild symbols that no active rule pays.
    void pickLosingReels();
    bool anyRuleCovers(const PayRule& rule) const;
    void randomSymbolOnEveryReel(int n);
    void setReelSymbol(Symbol* symbol, int reel);

    void deleteSymbols();
    void deleteWilds();

    // The bet controls ("betmax" / m, "betone" / n, "spin" / Return); each
    // does nothing when the credits don't cover it.
    void betMax();
    void betOne();
    void spinButton();

    // Milliseconds between two steps of the count-up (200).
    static int countUpDelay;

    // The x of each reel's top-left corner (all at y 78).
    static constexpr int reelX[3] = {176, 339, 507};
    static constexpr int reelY = 78;

    // Counts `win` up onto the credits (bigger steps above 20000 coins);
    // returns the number of steps it took.
    int countUpWin() { return Machine::countUpWin(countUpStep, 0, countUpDelay); }

    // One frame of the reel stops as the family plays them: every reel whose
    // delay has passed shows its outcome with "slothit1.wav" and onReelStop
    // (with `overlayEachStop`, the pay line is redrawn on the screen after
    // each); the others turn on. True when the last reel stopped this frame.
    bool stopDueReels(bool overlayEachStop = false);
    // Silences the looping reel sound, if it still plays.
    void stopSpinSound();
    // Puts the declared symbol `name` on `reel` of the outcome (nothing when
    // it is not declared or the outcome has no such reel); returns it.
    Symbol* placeOnReel(const std::string& name, int reel);
    // At the full bet a per-coin line pays two coins' worth.
    void payTwoCoinsWorthAtFullBet();

private:
    // What `symbols` and `wilds` point at.
    std::vector<std::unique_ptr<Symbol>> ownedSymbols;
    std::vector<std::unique_ptr<WildSymbol>> ownedWilds;
    // The tables the active rules were last built from (they never change
    // after set-up, so the build is kept until the bet changes).
    int activeCoins;
    size_t activePayRules, activeCoinRules, activeSymbols;
    bool activeValid;
    // For machines of up to 64 symbols: per active rule and reel, the
    // indexes (into `symbols`) of the symbols it accepts, one bit each, so
    // the losing-outcome search can test a combination quickly.
    std::vector<uint64_t> activeMasks;  // three per active rule
    uint64_t wildNamedMask;
    bool masksUsable;
    void buildMasks();
    bool anyActiveRuleAccepts(size_t i0, size_t i1, size_t i2) const;
    // The symbols that losing reels may show: every declared symbol that is
    // not named like a wild.
    SymbolList losingSymbols;
    size_t losingFromSymbols, losingFromWilds;
    void refreshLosingSymbols();
};

// The family member for machines with arrow symbols: once the reels have
// stopped and before the settle, every arrow shown plays its sound and flips
// through its pictures 1 and 2.
class ArrowThreeReelMachine : public ThreeReelMachine {
public:
    ArrowThreeReelMachine();
    ~ArrowThreeReelMachine() override;

    void spinStep() override;
    virtual void animateArrows();
    virtual void playArrowSound() = 0;
};

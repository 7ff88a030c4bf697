// The multi-line three-reel machines: three reels of three rows in the
// three-reel cabinet, up to five (or three) pay lines, one coin on each line
// played. "Bet one" adds a line, "bet max" plays every line and spins, "spin"
// plays the lines bet; after every spin the lines go back to none.
//
// A member declares its tables in the reel layer's hooks (symbols, reel
// pictures, line pays, pay lines, line-number pictures) and its sounds; its
// set-up names the machine, sets the denomination and calls init() (five
// lines) or setupB() (three lines).
#pragma once

#include <string>
#include <vector>

#include "machine/reel_machine.h"

class MultiLineMachine : public ReelMachine {
public:
    MultiLineMachine();
    ~MultiLineMachine() override;

    // Five-line set-up: 5 lines, 3 reels, the reel layer's set-up, one coin a
    // line, no line bet, help pages on the player's first visit. The member
    // sets maxCoins afterwards.
    void init() override;
    // Three-line set-up: as init() with 3 lines and maxCoins 3.
    void setupB();

    void handleEvent(const SDL_Event& event) override;
    void createButtons() override;
    void handleButton(Widget* control) override;
    void showHelp() override;

    void startSpin() override;
    void drawOverlay() override;  // drawPaylines()
    void settle() override;       // the reel layer's settle, then no lines
    void createReels() override;
    void placeReels() override;
    void createMeters() override;
    void showDenomination() override;
    void betOne() override;

    // Every pay line of the machine drawn across the reel window.
    void drawPaylines();
    // "bet max" / m: every line at one coin, then spin (needs maxCoins credits).
    void betMax();
    // "spin" / Return: spins the lines bet when the credits cover them.
    void spinButton();

    // ---- pay-table builders -------------------------------------------------
    // The list on one reel, any other symbol on the two others (3 records).
    void addOneOfRule(const ReelSymbolList& list, int award);
    // The list on two reels, any other symbol on the third (3 records).
    void addTwoOfRule(const ReelSymbolList& list, int award);
    // The list on all three reels, on line `line` only (-1: any line).
    void addThreeOfAKind(const ReelSymbolList& list, int award, int line);
    // Three symbols of the list that are not all the same (3 records per symbol).
    void addSymbolPlusRule(const ReelSymbolList& list, int award);

    // Reel window: reels 130 x 180 (three rows of 60) at these x, at y 72.
    static constexpr int reelX[3] = {176, 339, 507};
    static constexpr int reelY = 72;
    static constexpr int reelWidth = 130;
    static constexpr int rowHeight = 60;
};

// The line-pay tables of the members, written as data: one row per builder call.
enum class LineRule { OneOf, TwoOf, ThreeOfAKind, SymbolPlus };

struct LinePayRow {
    LineRule rule;
    std::vector<std::string> symbols;
    int award;
    int line;  // three of a kind only: -1 any line, else that line
};

// Runs each row's builder on a fresh list of the named symbols.
void addLinePayRows(MultiLineMachine& machine, const std::vector<LinePayRow>& rows);

// A pay line of a member's table: number and rows on reels 1 to 3; and where
// its line-number picture ("linenumber<n>.png") stands.
struct PaylineRow {
    int number;
    std::vector<int> rows;
    int labelX, labelY;
};

void addPaylineRows(MultiLineMachine& machine, const std::vector<PaylineRow>& rows);
void loadPaylineRowImages(MultiLineMachine& machine, const std::vector<PaylineRow>& rows);

// The number of symbols on the line that are named `symbolName`.
int countOnLine(const ReelSymbolList& lineSymbols, const std::string& symbolName);
// Whether every symbol of the line is named `symbolName`.
bool lineIsAll(const ReelSymbolList& lineSymbols, const std::string& symbolName);

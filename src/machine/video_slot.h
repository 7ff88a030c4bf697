// The five-reel video slots: five reels of three rows, up to five (or nine)
// pay lines, coins per line times lines played, the nickel panel of line
// buttons, the winning lines flashed after each spin, the last bet shown.
//
// A machine of the family declares its tables in the reel layer's hooks and
// adds its scatter pays or bonus triggers in afterEvaluate. Its set-up names
// the machine, sets the denomination, calls init() and then sets maxCoins
// (and maxLines for a nine-line machine).
#pragma once

#include <string>
#include <vector>

#include "machine/reel_machine.h"

class TextLabel;
struct SDL_Surface;

// Where a machine stands its four meters on its own background.
struct VideoMeterPoints {
    int creditX, creditY;
    int paidX, paidY;
    int betX, betY;
    int lastBetX, lastBetY;
};

class VideoSlotMachine : public ReelMachine {
public:
    TextLabel* lastBetLabel;    // owned: the bet of the last settled spin
    SDL_Surface* savedReelArea; // owned: the reels before the winning lines were drawn
    bool scatterWin;            // set by a machine's afterEvaluate when a scatter paid

    VideoSlotMachine();
    ~VideoSlotMachine() override;

    void init() override;
    void handleEvent(const SDL_Event& event) override;
    void createButtons() override;
    void handleButton(Widget* control) override;
    void showHelp() override;
    void startSpin() override;
    void spin() override;  // the reel layer's draw and lines, then afterEvaluate
    void drawOverlay() override {}
    void settle() override;
    void createReels() override;
    void placeReels() override;
    void showDenomination() override;
    void betOne() override;

    // After every outcome draw, with the picture each reel stopped on.
    virtual void afterEvaluate(const std::vector<ReelGraphic*>& chosen) = 0;

    void showLastBet(int amount);
    // Every control whose name holds "play" goes back to the screen picture.
    void clearPlayButtons();
    void flashWinningLines();

    // ---- pay-table builders: exactly N of the list from the left ----------
    void addOneOfAKind(const ReelSymbolList& list, int award);
    void addTwoOfAKind(const ReelSymbolList& list, int award);
    void addThreeOfAKind(const ReelSymbolList& list, int award);
    void addFourOfAKind(const ReelSymbolList& list, int award);
    void addFiveOfAKind(const ReelSymbolList& list, int award, int unused);
    // The builder for `count` (1 to 5) of a kind.
    void addOfAKind(int count, const ReelSymbolList& list, int award);

    // The four red meters of the family at the machine's points.
    void createVideoMeters(const VideoMeterPoints& at);

    // The panel: its button folder and the line count of each line button
    // ("play" + count), left to right.
    void createPanel(const std::string& folder, const std::vector<int>& lineButtons);

    // The whole bet shown while it is set up: credits less the bet, the bet.
    void previewBet(int bet);
    // "betmax" / m: every line at the most coins, then spin.
    void betMax();
    // "start" / Return: spins the same bet again when the credits cover it.
    void startButton();
    // A line button: plays that many lines when the credits cover them.
    void chooseLines(Widget* button, int count);
    // Credits back to the player's money and off to the lobby (or cashier).
    void cashOut(bool toCashier, const char* sound);

    static constexpr int reelX[5] = {150, 250, 350, 450, 550};
    static constexpr int reelY = 65;
    // Milliseconds of each half of a winning line's flash.
    static int flashDelay;
};

// One row of a video pay table: a symbol list and its award for 1 to 5 of
// a kind from the left (0: that count doesn't pay).
struct OfAKindRow {
    std::vector<std::string> symbols;
    int pays[5];  // one, two, three, four, five of a kind
};

void addOfAKindRows(VideoSlotMachine& machine, const std::vector<OfAKindRow>& rows);

// How many reels show a symbol of that name in any row (one per reel).
int reelsShowing(const std::vector<ReelGraphic*>& chosen, const std::string& symbolName);

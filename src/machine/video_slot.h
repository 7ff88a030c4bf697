// The five-reel video slots: five reels of three rows, up to five (or nine)
// pay lines, coins per line times lines played, the nickel panel of line
// buttons, the winning lines flashed after each spin, the last bet shown.
//
// A machine of the family hands its tables to the constructor (the reel
// layer's hooks build from them) and adds its scatter pays or bonus triggers
// in afterEvaluate. Its set-up is configureAs (and maxLines for a nine-line
// machine).
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "machine/reel_machine.h"
#include "shell/sdl_handle.h"

class TextLabel;
struct SDL_Surface;

// Where a machine stands its four meters on its own background.
struct VideoMeterPoints {
    int creditX, creditY;
    int paidX, paidY;
    int betX, betY;
    int lastBetX, lastBetY;
};

// One row of a video pay table: a symbol list and its award for 1 to 5 of
// a kind from the left (0: that count doesn't pay).
struct OfAKindRow {
    std::vector<std::string> symbols;
    int pays[5];  // one, two, three, four, five of a kind
};

// One pay line: the row it takes on each reel and where its number stands.
struct VideoPayline {
    int number;
    std::vector<int> rows;
    int labelX, labelY;
};

// What a video slot is built from. The lists are the machine's own tables,
// kept for its life.
struct VideoSlotTables {
    const std::vector<std::pair<const char*, int>>* symbols;  // name, rarity value
    const std::vector<std::string>* reelPictures;
    const std::vector<OfAKindRow>* pays;
    const std::vector<VideoPayline>* paylines;
    VideoMeterPoints meters;
    const char* doubler;  // a symbol that doubles any line pay it is part of, or null
    // Three of a kind from the left of a symbol sounds its file, every such line.
    const std::vector<std::pair<const char*, const char*>>* lineSounds;
    const char* scatterSound;  // sounds when a scatter paid, or null
};

class VideoSlotMachine : public ReelMachine {
public:
    VideoSlotTables tables;
    std::unique_ptr<TextLabel> lastBetLabel;  // the bet of the last settled spin
    SurfacePtr savedReelArea;   // the reels before the winning lines were drawn
    bool scatterWin;            // set by a machine's afterEvaluate when a scatter paid

    explicit VideoSlotMachine(const VideoSlotTables& tables);
    ~VideoSlotMachine() override;

    // Names the machine, sets the coin value, sets up, then the coins a line.
    void configureAs(const std::string& id, float value, int coinsPerLine);

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
    void payoutTest() override;  // then forgets any bonus the test plays won

    // ---- built from the tables ----------------------------------------------
    void declareSymbols() override;
    void buildReelGraphics() override;
    void buildLinePays() override;
    void buildPaylines() override;
    void loadPaylineImages() override;
    void createMeters() override;
    void onReelStop(int) override {}
    int adjustLinePay(const ReelSymbolList& lineSymbols, LinePay* linePay) override;
    void playWinSound() override;

    // ---- a bonus game after the spin ------------------------------------------
    // A machine with one stops the reel sound as the spin settles, then plays
    // the bonus (credits won, 0 when none is due) and forgets it.
    virtual bool hasBonusGame() const { return false; }
    virtual long long playBonus() { return 0; }
    virtual void clearBonus() {}
    // A bonus game a pull won is drawn with the pull, so that the save file
    // holds all the play pays from its draw on: drawBonus makes the bonus
    // game's own draws (nothing when none is due), drawnBonusWin says what
    // they pay for a player who picks nothing more. The bonus screen then
    // shows them.
    virtual void drawBonus() {}
    virtual long long drawnBonusWin() const { return 0; }
    // A pick of the bonus game changed what it pays: the play's whole win
    // is the spin's win and `bonus`, kept at once.
    void keepBonusWin(long long bonus);
    void keepPull(int bet) override;

    // After every outcome draw, with the picture each reel stopped on.
    virtual void afterEvaluate(const std::vector<ReelGraphic*>& chosen) = 0;

    void showLastBet(int amount);
    // Every control whose name holds "play" goes back to the screen picture.
    void clearPlayButtons();
    void flashWinningLines();
    void stopSpinSound();
    // Adds to this spin's win, held at the largest int.
    void addToWin(long long amount);
    // Every line played at the most coins.
    bool atLargestBet() const;
    // Reels showing the symbol in a row from the left (a gap before the
    // third starts the count again), at most 5.
    static int reelsInARow(const std::vector<ReelGraphic*>& chosen, const std::string& symbolName);

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

    static constexpr int reelX[5] = {150, 250, 350, 450, 550};
    static constexpr int reelY = 65;
    // Milliseconds of each half of a winning line's flash.
    static int flashDelay;
};

void addOfAKindRows(VideoSlotMachine& machine, const std::vector<OfAKindRow>& rows);

// How many reels show a symbol of that name in any row (one per reel).
int reelsShowing(const std::vector<ReelGraphic*>& chosen, const std::string& symbolName);

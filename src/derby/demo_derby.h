// The demolition derby machine: a screen of its own with three reels and up
// to five plays per game. A game is one bet: the first spin turns the bottom
// row to a line that never pays, the player holds reels, and the respin fills
// every play row (held reels carry their symbol up into each row) and settles
// each row by the derby's pay table. Play 1 is the bottom row, play 5 the top.
//
// The spin, the respin and the settlement run to their end inside the button
// press that starts them; the money popup and the attract screen are modal.
#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "machine/bank.h"
#include "shell/animation.h"
#include "shell/screen.h"

class Button;
class Denomination;
class TextLabel;
class Animation;

// One line: three symbol names, reels 1 to 3 from left to right.
typedef std::vector<std::string> DerbyLine;

// Top-left corner of a symbol window (y first, as the layout table lists it).
struct DerbyPoint {
    int y;
    int x;
};

// The most a game can win: five plays of five coins on three flags.
constexpr int derbyTopGameWin = 5 * 5 * 400;

// The typed money entry as a whole number of dollars: its leading whole
// number (spaces and one sign allowed before it, anything may follow), 0
// when the text starts with no number. Values too large for any acceptable
// entry come back as 100001 or -100001, so they are refused like any other
// amount out of range.
long long derbyMoneyAmount(const std::string& text);

// The attract screen's LED sign text for a player.
std::string derbySignText(const std::string& playerName, double vippoints);

// One turning window of the respin.
class DerbyReelSpin {
public:
    DerbyReelSpin(std::unique_ptr<Animation> animation, int line, int reel);
    virtual ~DerbyReelSpin() = default;

    std::unique_ptr<Animation> animation;  // the window's turning frames
    bool stopped;          // the reel has stopped and its symbol is drawn
    bool waiting;          // not yet given its start time and duration
    Uint32 startTime;      // ms
    int duration;          // ms from startTime to the stop
    int line;              // play row, 0 to 4
    int reel;              // 0 to 2
};

class DemoDerby : public Screen, public Bank {
public:
    explicit DemoDerby(float coinValue);
    ~DemoDerby() override;

    void handleEvent(const SDL_Event& event) override;
    void createButtons() override;
    void tick() override;
    void checkHover() override;
    void handleButton(Widget* control) override;
    void setHovered(Widget* control) override;
    void redraw() override;
    void showHelp() override;  // the derby has no help pages
    // The first spin's points while it waits for its respin.
    Money pointsNotYetBet() const override;

    // Set-up (the constructor's work) and layout.
    void configure(float coinValue);
    void placeReels();
    void createMeters();
    void deleteMeters();
    void showCredits(int n);
    void showPaid(int n);
    void showBets();

    // Coin value: the record of that value offered for the derby, else 1.0.
    void setDenomination(float value);
    void drawDenominationBadge();
    void changeDenomination();

    // Symbols and drawing.
    static std::string symbolName(int index);
    void drawSymbol(int row, int reel, const DerbyLine& line);
    void drawRandomFaces();

    // A game.
    static std::string pickSymbol();
    void spin();
    void flashHeldReels();
    void respin();

    // Pays. linePay plays the winning class's sound; linePayOf only judges.
    int linePay(const DerbyLine& line);
    static int linePayOf(const DerbyLine& line, const char** sound = nullptr);
    // Three flags on the fifth play at five coins win the car.
    bool winsTheCar(int row, int pay) const;
    // The rows are drawn: the game's bet and what its rows pay go to the
    // save file before they are shown (the car to the prizes).
    void keepGame();
    void payout();

    void toggleHold(int reel);

    void insertMoney();
    void showAttract(const std::string& panel);

    Uint32 lastTick;
    int seconds;
    bool respinPending;
    bool held[3];
    int plays;
    int coins;
    int betPlays;
    int betCoins;
    Button* holdButtons[3];  // into `buttons`, not owned
    std::unique_ptr<TextLabel> creditMeter;
    std::unique_ptr<TextLabel> paidMeter;
    std::unique_ptr<TextLabel> betMeters[5];
    std::vector<std::vector<DerbyPoint>> reelPositions;
    std::vector<DerbyLine> lines;

    // The windows in the order the last respin stopped them (row, reel).
    std::vector<std::pair<int, int>> stopOrder;
};

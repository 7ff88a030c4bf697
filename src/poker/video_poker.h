// The video poker cabinet: the common screen of the nine single-hand
// five-card draw machines. It owns the deck and the hand, the meters, the
// buttons and keys, and the deal / hold / draw / settle cycle; a machine adds
// its hand evaluation and its card backs.
#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "machine/bank.h"
#include "poker/card.h"
#include "poker/hand_eval.h"
#include "shell/screen.h"
#include "shell/sdl_handle.h"

class TextLabel;
class Denomination;

// Where the poker pictures live.
extern const std::string pokerGfx;         // "../gfx/poker/"
extern const std::string pokerButtonsGfx;  // "../gfx/pokerbuttons/"
extern const std::string cardBackPicture;  // "../gfx/poker/backs/corvalo.png"

class VideoPoker : public Screen, public Bank {
public:
    struct Point {
        int x, y;  // the top left corner on the screen
    };

    Uint32 lastTick;
    int seconds;
    int coinsBet;
    int coinsPlayed;
    std::vector<Point> cardPositions;
    std::vector<Point> heldPositions;
    bool handOut;
    std::vector<Card*> hand;  // into `deck`
    SurfacePtr winnerBackground;
    std::unique_ptr<TextLabel> creditMeter;
    std::unique_ptr<TextLabel> winnerPaidText;
    std::unique_ptr<TextLabel> coinsMeter;
    std::unique_ptr<TextLabel> denominationText;
    std::vector<SurfacePtr> heldBackgrounds;
    std::vector<std::unique_ptr<Card>> deck;
    int deckSize;

    VideoPoker();
    ~VideoPoker() override;

    void init() override;
    void handleEvent(const SDL_Event& event) override;
    void createButtons() override;
    void tick() override;
    void checkHover() override;
    void handleButton(Widget* control) override;
    void setHovered(Widget* control) override;
    void redraw() override;
    void showHelp() override;
    // The game is closing: a hand on the glass settles as dealt.
    void finishUnderWay() override;

    virtual void setupCardPositions();
    virtual std::string suitName(int suit);
    virtual int suitNumber(const std::string& name);
    virtual void deal(int coins);
    virtual void showHand();
    virtual void toggleHold(int position);
    virtual void drawCards();
    virtual void settle(int win);
    virtual void insertMoney();
    virtual void showWinner();
    // The win of the hand on the table in coins (pay per coin x coinsPlayed);
    // calls showWinner when the hand pays.
    virtual int evaluateHand() = 0;
    // What the hand on the table pays in coins, by the machine's table,
    // computed without showing anything.
    virtual int handPay();
    // What the hand on the table wins in coins as drawn so far: its pay, and
    // whatever the machine drew with it (the cash wheel's prize on Spin for
    // Cash). The deal and the draw keep this.
    virtual long long handWin();
    // Card backs over every card of the hand that is not held.
    virtual void showCardBacks() = 0;

    // Side panels and meters.
    void setDenomination(float value);
    void changeDenomination();
    void showDenomination();
    void updateCreditMeter(int value);
    void updateCoinsMeter(int value);
    void setWinnerPaid(int amount);
    void showBottomPanel();

    // Deck handling.
    void buildDeck();
    void freeDeck();
    // Index of an undealt card among the first deckSize, drawn by genrand.
    int drawUndealtIndex();

    // Draws a card face up at a (y, x) point.
    void drawCardFace(const Card& card, const Point& at);

protected:
    // The five cards of a deal are chosen and not yet kept: a machine draws
    // here what comes with the dealt hand. Nothing by default.
    virtual void handDealt();
    // The replacement cards of a draw are chosen and the final hand is not
    // yet kept: a machine draws here what comes with it. Nothing by default.
    virtual void handDrawn();

    // Helpers shared by the nine machines.
    int payByTable(const poker::PayTable& table);  // classify `hand`, showWinner when it pays
    void drawCorvaloBacks();                // the card back over every card not held
    // The coins a deal with Return or "deal" plays (0: not enough credits).
    int coinsToDeal() const;
    void betOne();
    void cashOut(const char* sound, bool toCashier);
    // A hand still on the glass when the player leaves (or the game closes)
    // settles as it was dealt, all five cards held and none replaced: what
    // it pays is what was kept at the deal. Nothing more is drawn or shown.
    void settleDealtHand();
    void createMeters();
    void deleteMeters();
    void saveHeldBackgrounds();
    void freeHeldBackgrounds();
    void eraseHeldMarker(int position);
};

// The prize room: VIP points buy prizes. Affordable prizes sit in a column
// on the left; the prizes the player owns stand on a shelf of eight places,
// scrolled two at a time by "up" and "down".
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "shell/screen.h"

class TextLabel;

// The prizes on sale, cheapest first; prizePrices (VIP points) and
// prizeIconY (y of the prize's button, all at x 9) run parallel to it.
constexpr int prizeCount = 29;
extern const std::vector<std::string> prizeIds;
extern const int prizePrices[prizeCount];
extern const int prizeIconY[prizeCount];

// The car won by the car jackpot: owned like any prize, never sold.
extern const char* const carPrizeId;  // "prgrssvcar"

// Index of a prize id in prizeIds, or -1.
int prizeIndex(const std::string& id);

class TrophyRoom : public Screen {
public:
    int shelfOffset;       // index in the player's trophies of shelf place 0; always even
    std::unique_ptr<TextLabel> vipText;    // the player's VIP points
    std::unique_ptr<TextLabel> priceText;  // price of the prize last clicked

    // Builds the whole room (background, texts, prize buttons, shelf).
    TrophyRoom();
    ~TrophyRoom() override;

    void init() override;
    void createButtons() override;
    void tick() override;
    void checkHover() override;
    void handleButton(Widget* control) override;
    void setHovered(Widget* control) override;
    void redraw() override;
    void showHelp() override;

    // Shelf buttons (named id + "small") for the entries from shelfOffset on.
    void createShelf();
    // Takes every shelf button away, wiping it from the screen.
    void removeShelf();
    // One shelf button for that prize at place 0..7.
    void addShelfIcon(const std::string& id, int place);

    // The purchase panel for one prize; a mouse press closes it, and "yes"
    // buys the prize when the points suffice.
    void runPurchaseDialogue(const std::string& id);
};

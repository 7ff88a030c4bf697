// The money popup: the player types a whole number of dollars, which moves
// from the current player's money onto a machine's credits at the machine's
// coin value. It is modal: "coinin1.wav", the popup picture with a text field,
// the typed amount taken (or refused), the bill animation, the screen put
// back as it was, "coinin1.wav" again. It does not redraw any meter: the
// caller shows the new credits itself.
//
// Every cabinet opens it through its bank (Bank::takeMoney) with a look of
// its own.
#pragma once

#include <string>

class Denomination;

// Where and how the popup draws its bill animation and keeps the screen, and
// how it reads the typed text.
struct MoneyPopupStyle {
    const char* billName;  // frames "../gfx/money/" + billName + ".png.0" .. ".png.6"
    int billX, billY;      // top-left corner of the bill animation
    bool billColorKey;     // top-left pixel of the frames transparent
    bool ownScreenCopy;    // keep the screen in a copy of its own instead of the display's saved copy
    long long (*parse)(const std::string& text);  // the typed text as dollars
    bool keepTextOnFailure;  // a field that fails still yields what was typed (else nothing)
    int headroom;            // credits kept free above those held, for the largest win
};

// The reel machines' popup: bill "bill" at (658, 553), no colour key, display save/restore.
extern const MoneyPopupStyle reelMoneyPopup;
// The poker cabinet's popup: bill "pokerbill" at (544, 576), colour key, own screen copy.
extern const MoneyPopupStyle pokerMoneyPopup;

// Limits of one entry.
constexpr long long moneyInputMaxDollars = 100000;  // largest amount typed at once
constexpr long long moneyInputMaxCredits = 100000;  // most credits bought at once
constexpr int moneyInputMaxChars = 20;              // length of the text field

// The typed text as a whole number of dollars: digits only (spaces around
// them allowed). -1 for anything else: empty, letters, a sign, a decimal
// point, or more digits than any acceptable amount has.
long long parseMoneyAmount(const std::string& text);

// The credits an amount buys at a coin value, for a player holding `money`:
// 0 (refused) unless 0 < amount <= 100000, the player can pay the amount, and
// it makes 1 to 100000 coins. Below a coin value of 1.0 every dollar buys
// whole coins exactly; from 1.0 up only whole coins are bought and the rest
// of the amount stays with the player. Also 0 when adding them to
// `creditsHeld` would overflow a credit count.
int moneyInputCredits(long long amount, const Denomination* denomination, double money, int creditsHeld = 0);

// Takes a typed amount: when it is acceptable (see above, with `headroom`
// credits counted as held beside `credits`) the credits it buys are added to
// `credits` and their price, in whole cents, is taken from the current
// player's money. Returns the credits bought (0: nothing moved).
int acceptMoneyAmount(long long amount, int& credits, const Denomination* denomination, int headroom = 0);

class MoneyInput {
public:
    // The popup on a cabinet's credits and coin value, with the given look.
    MoneyInput(int& credits, const Denomination* denomination, const MoneyPopupStyle& style);

    std::string typed;  // the text the player entered ("" when the field failed)
    long long amount;   // parsed amount, -1 when not a whole number
    int creditsBought;  // 0 when the entry was refused

private:
    void run(int& credits, const Denomination* denomination, const MoneyPopupStyle& style);
};

// The money popup: the player types a whole number of dollars, which moves
// from the current player's money onto a machine's credits at the machine's
// coin value. It is modal: "coinin1.wav", the popup picture with a text field,
// the typed amount taken, the bill animation, the screen put back as it was,
// "coinin1.wav" again. An amount it refuses moves nothing: the popup says why
// in its bottom line and takes a new entry; no entry at all (Return on an
// empty field or on 0, Escape, a window close) closes it quietly. The bill
// and the second coin sound come only when money moved. It does not redraw
// any meter: the caller shows the new credits itself.
//
// Every cabinet opens it through its bank (Bank::takeMoney) with a look of
// its own.
#pragma once

#include <string>
#include <vector>

#include <sge.h>

class Denomination;
class Image;

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

// Where the popup opens (its picture's top-left corner on the screen) and
// the left end of its text field's baseline. The art generator reads these
// too: it opens the picture there over every cabinet and draws the field's
// box round this baseline.
constexpr int moneyPopupX = 232, moneyPopupY = 222;
constexpr int moneyFieldX = 268, moneyFieldY = 333;

// Limits of one entry.
constexpr long long moneyInputMaxDollars = 100000;  // largest amount typed at once
constexpr long long moneyInputMaxCredits = 100000;  // most credits bought at once
constexpr int moneyInputMaxChars = 20;              // length of the text field

// The typed text as a whole number of dollars: digits only (spaces around
// them allowed). -1 for anything else: empty, letters, a sign, a decimal
// point, or more digits than any acceptable amount has.
long long parseMoneyAmount(const std::string& text);

// Why an entry moves no money.
enum class MoneyRefusal {
    none,          // taken
    noEntry,       // nothing typed, or 0: the popup closes without a word
    notWhole,      // not a whole number of dollars
    aboveLimit,    // more than one entry takes ($100,000, or 100,000 coins)
    belowOneCoin,  // less than one coin costs
    cantPay,       // more than the player has
    machineFull,   // more credits than the machine can count
};

// The verdict on an amount (see moneyInputCredits) and the credits it buys.
MoneyRefusal checkMoneyAmount(long long amount, const Denomination* denomination, double money, int creditsHeld,
                              int& bought);
// The verdict on what was typed, read as `amount`: a field of spaces or of
// zeros is no entry; digits too many to read are above the limit; other text
// that reads as no amount is not a whole number.
MoneyRefusal checkMoneyEntry(const std::string& typed, long long amount, const Denomination* denomination,
                             double money, int creditsHeld);
// What the popup tells the player ("" for none and noEntry).
std::string moneyRefusalText(MoneyRefusal why, const Denomination* denomination, double money);

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

    std::string typed;  // the text of the last entry ("" when the field failed)
    long long amount;   // parsed amount, -1 when not a whole number
    int creditsBought;  // 0 when the entry was refused
    std::vector<std::string> refusals;  // what the popup said, one line per refused entry

private:
    void run(int& credits, const Denomination* denomination, const MoneyPopupStyle& style);
    void showRefusal(Image& popup, sge_TTFont* font, const std::string& text);
};

// What the four patriot machines share: the red, white and blue symbol
// theme, the pay list of mixed colours that ends every one of their pay
// tables, and the win sounds.
//
// Colours are counted red 0, white 1, blue 2 everywhere. Each colour has a
// bar ("barred", "2barwhite", "3barblue") and a seven, whose names differ on
// the deluxe machine.
#pragma once

#include <string>
#include <vector>

#include "machine/three_reel.h"

namespace patriot {

const int colourCount = 3;

// What sets one machine's mixed list apart.
struct MixedPayOptions {
    const char* sevens[colourCount];  // red, white, blue seven
    int topAward;                     // red, white and blue sevens in that order
    int topSupersededFrom;            // the top entry leaves the draw from this many coins; -1 never
    bool arrowBars;                   // a bar position also takes that bar's arrow pictures
};

// The names a reel accepts for a bar position.
std::vector<std::string> barNames(int colour, bool arrowBars);

// Appends the 54 mixed-colour rules to the machine's pay rules, in this
// order: 24 bar triples (every colour triple but three of one colour; 5 a
// coin, 50 for red-white-blue), the 6 red-white-blue lines that mix bars
// and sevens (20), then the 24 seven triples (80; red-white-blue pays the
// machine's top award). No reel of a mixed rule takes a wild.
void addMixedPayList(ThreeReelMachine& machine, const MixedPayOptions& options);

// The lines every patriot pay table opens with, from blanks up to three
// red sevens. Colours are listed red, white, blue.
struct ColourLines {
    std::vector<std::string> bars[colourCount];  // the names a bar position takes
    const char* sevens[colourCount];
    int barPays[colourCount];
    int sevenPays[colourCount];
};

// Appends, in this order: three blanks (1); any bar or seven of one colour,
// blue, white then red (2); three of each bar, red, white then blue; three
// of each seven, blue, white then red.
void addColourLines(ThreeReelMachine& machine, const ColourLines& lines);

// The lines of the machines with one picture per bar and the "...seven"
// sevens; pays listed red, white, blue.
ColourLines plainColourLines(const int (&barPays)[colourCount], const int (&sevenPays)[colourCount]);

// A wild that stands in for every symbol but the given ones, multiplying
// the win each time it does.
void addWild(ThreeReelMachine& machine, int multiplier, const std::vector<std::string>& except);

// The set-up every patriot machine shares: per-coin wins, a 95% return, at
// most `maxCoins` coins, then the denomination and the reels and rules.
void configureMachine(ThreeReelMachine& machine, const char* id, int maxCoins, float denomination);

// The short patriot tune each machine plays as it opens.
void playIntroSound();

// The win sounds of the family: over 80 credits the jackpot tune, over 10
// the short one, else nothing.
void playWinSound(int win);

// The sound of a reel that stops on a wild (and, on the spin-for-cash
// machine, on "spin"); nothing for any other symbol.
void playStopSound(const Symbol* shown, bool spinSymbol);

}  // namespace patriot

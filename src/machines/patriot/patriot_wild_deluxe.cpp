#include "machines/patriot/patriot_wild_deluxe.h"

#include "machines/patriot/patriot_family.h"
#include "shell/sound.h"

PatriotWildDeluxe::PatriotWildDeluxe(float denomination) {
    configure(denomination);
    patriot::playIntroSound();
}

PatriotWildDeluxe::~PatriotWildDeluxe() {}

void PatriotWildDeluxe::configure(float value) {
    patriot::configureMachine(*this, "patriotwilddeluxe", 2, value);
    wildChance = 3;
}

void PatriotWildDeluxe::declareSymbols() {
    addSymbol("blank", 8);
    addSymbol("barred", 1);
    addSymbol("2barwhite", 1);
    addSymbol("3barblue", 1);
    addSymbol("blue7", 1);
    addSymbol("red7", 1);
    addSymbol("white7", 1);
    addArrowSymbol("arrowdown_3barblue", 1, symbolArrowDown);
    addArrowSymbol("arrowdown_barred", 1, symbolArrowDown);
    addArrowSymbol("arrowup_2barwhite", 1, symbolArrowUp);
    addArrowSymbol("arrowup_3barblue", 1, symbolArrowUp);
    addArrowSymbol("arrowup_barred", 1, symbolArrowUp);
    addSymbol("wild", 2);
}

void PatriotWildDeluxe::buildWildRules() { patriot::addWild(*this, 1, {"wild"}); }

// A bar and its arrow pictures count as that bar. The white bar's arrow
// stands twice in the white lists, so it shows as often as the plain bar
// and the seven together.
void PatriotWildDeluxe::buildPayTable() {
    patriot::addColourLines(*this, {{{"arrowup_barred", "arrowdown_barred", "barred"},
                                     {"arrowup_2barwhite", "arrowup_2barwhite", "2barwhite"},
                                     {"arrowup_3barblue", "arrowdown_3barblue", "3barblue"}},
                                    {"red7", "white7", "blue7"},
                                    {10, 25, 40},
                                    {300, 200, 150}});
    addNoWildRule(symbolList({"wild"}), 500, -1, false);
    addMixedPays();
}

void PatriotWildDeluxe::addMixedPays() {
    patriot::addMixedPayList(*this, {{"red7", "white7", "blue7"}, 300, -1, true});
}

void PatriotWildDeluxe::buildExtraRules() {}

void PatriotWildDeluxe::onReelStop(int reel) { patriot::playStopSound(result.chosenSymbol(reel), false); }

void PatriotWildDeluxe::playWinSound() { patriot::playWinSound(win); }

void PatriotWildDeluxe::playArrowSound() {
    if (soundPlayer) soundPlayer->play("slothit1.wav", false);
}

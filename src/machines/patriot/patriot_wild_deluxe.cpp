#include "machines/patriot/patriot_wild_deluxe.h"

#include "machines/patriot/patriot_family.h"
#include "shell/sound.h"

PatriotWildDeluxe::PatriotWildDeluxe(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("patshrt.wav", false);
}

PatriotWildDeluxe::~PatriotWildDeluxe() {}

void PatriotWildDeluxe::configure(float value) {
    name = "patriotwilddeluxe";
    multiplyByCoins = true;
    payoutRatio = 0.95f;
    maxCoins = 2;
    denomination = nullptr;
    setDenomination(value);
    init();
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

void PatriotWildDeluxe::buildWildRules() {
    WildSymbol* wild = new WildSymbol();
    wild->setMultiplier(1);
    wild->addSubstitutesExcept(symbols, symbolList({"wild"}));
    wilds.push_back(wild);
}

// A bar and its arrow pictures count as that bar. The white bar's arrow
// stands twice in the white lists, so it shows as often as the plain bar
// and the seven together.
void PatriotWildDeluxe::buildPayTable() {
    addThreeOfAKind(symbolList({"blank"}), 1, 0.05f, 0);
    addGroupRule(symbolList({"arrowup_3barblue", "arrowdown_3barblue", "3barblue", "blue7"}), 2, 0.25f);
    addGroupRule(symbolList({"arrowup_2barwhite", "arrowup_2barwhite", "2barwhite", "white7"}), 2, 0.25f);
    addGroupRule(symbolList({"arrowup_barred", "arrowdown_barred", "barred", "red7"}), 2, 0.25f);
    addThreeOfAKind(symbolList({"arrowup_barred", "arrowdown_barred", "barred"}), 10, 0.05f, 0);
    addThreeOfAKind(symbolList({"arrowup_2barwhite", "arrowup_2barwhite", "2barwhite"}), 25, 0.05f, 0);
    addThreeOfAKind(symbolList({"arrowup_3barblue", "arrowdown_3barblue", "3barblue"}), 40, 0.1f, 0);
    addThreeOfAKind(symbolList({"blue7"}), 150, 0.1f, 0);
    addThreeOfAKind(symbolList({"white7"}), 200, 0.1f, 0);
    addThreeOfAKind(symbolList({"red7"}), 300, 0.1f, 0);
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

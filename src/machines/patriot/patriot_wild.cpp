#include "machines/patriot/patriot_wild.h"

#include "machines/patriot/patriot_family.h"

PatriotWild::PatriotWild(float denomination) {
    configure(denomination);
    patriot::playIntroSound();
}

PatriotWild::~PatriotWild() {}

void PatriotWild::configure(float value) {
    patriot::configureMachine(*this, "patriotwild", 2, value);
}

void PatriotWild::declareSymbols() {
    addSymbol("blank", 13);
    addSymbol("barred", 2);
    addSymbol("2barwhite", 2);
    addSymbol("3barblue", 2);
    addSymbol("blueseven", 2);
    addSymbol("redseven", 1);
    addSymbol("whiteseven", 2);
    addSymbol("wild", 2);
}

void PatriotWild::buildWildRules() { patriot::addWild(*this, 2, {"wild"}); }

void PatriotWild::buildPayTable() {
    patriot::addColourLines(*this, patriot::plainColourLines({10, 25, 40}, {300, 200, 150}));
    addNoWildRule(symbolList({"wild"}), 500, -1, false);
    addMixedPays();
}

void PatriotWild::addMixedPays() {
    patriot::addMixedPayList(*this, {{"redseven", "whiteseven", "blueseven"}, 300, -1, false});
}

void PatriotWild::buildExtraRules() {}

void PatriotWild::onReelStop(int reel) { patriot::playStopSound(result.chosenSymbol(reel), false); }

void PatriotWild::playWinSound() { patriot::playWinSound(win); }

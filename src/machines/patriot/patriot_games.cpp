#include "machines/patriot/patriot_games.h"

#include "machines/patriot/patriot_family.h"

PatriotGames::PatriotGames(float denomination) {
    configure(denomination);
    patriot::playIntroSound();
}

PatriotGames::~PatriotGames() {}

void PatriotGames::configure(float value) {
    patriot::configureMachine(*this, "patriotgames", 2, value);
}

void PatriotGames::declareSymbols() {
    addSymbol("blank", 12);
    addSymbol("barred", 2);
    addSymbol("2barwhite", 2);
    addSymbol("3barblue", 2);
    addSymbol("blueseven", 2);
    addSymbol("redseven", 2);
    addSymbol("whiteseven", 2);
}

void PatriotGames::buildWildRules() {}

void PatriotGames::buildPayTable() {
    patriot::addColourLines(*this, patriot::plainColourLines({10, 25, 40}, {300, 200, 150}));
    addMixedPays();
}

void PatriotGames::addMixedPays() {
    patriot::addMixedPayList(*this, {{"redseven", "whiteseven", "blueseven"}, 400, 2, false});
}

// Red, white and blue sevens at exactly two coins: 1000 for the bet.
void PatriotGames::buildExtraRules() {
    CoinPayRule rule;
    rule.setAward(1000);
    rule.setCoins(2);
    rule.addSymbol(0, findSymbol("redseven"));
    rule.addSymbol(1, findSymbol("whiteseven"));
    rule.addSymbol(2, findSymbol("blueseven"));
    coinRules.push_back(rule);
}

void PatriotGames::onReelStop(int) {}

void PatriotGames::playWinSound() { patriot::playWinSound(win); }

#include "machines/patriot/patriot_games.h"

#include "machines/patriot/patriot_family.h"
#include "shell/sound.h"

PatriotGames::PatriotGames(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("patshrt.wav", false);
}

PatriotGames::~PatriotGames() {}

void PatriotGames::configure(float value) {
    name = "patriotgames";
    multiplyByCoins = true;
    payoutRatio = 0.95f;
    maxCoins = 2;
    denomination = nullptr;
    setDenomination(value);
    init();
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
    addThreeOfAKind(symbolList({"blank"}), 1, 0.05f, 0);
    addGroupRule(symbolList({"3barblue", "blueseven"}), 2, 0.25f);
    addGroupRule(symbolList({"2barwhite", "whiteseven"}), 2, 0.25f);
    addGroupRule(symbolList({"barred", "redseven"}), 2, 0.25f);
    addThreeOfAKind(symbolList({"barred"}), 10, 0.05f, 0);
    addThreeOfAKind(symbolList({"2barwhite"}), 25, 0.05f, 0);
    addThreeOfAKind(symbolList({"3barblue"}), 40, 0.1f, 0);
    addThreeOfAKind(symbolList({"blueseven"}), 150, 0.1f, 0);
    addThreeOfAKind(symbolList({"whiteseven"}), 200, 0.1f, 0);
    addThreeOfAKind(symbolList({"redseven"}), 300, 0.1f, 0);
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

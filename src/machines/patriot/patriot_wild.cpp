#include "machines/patriot/patriot_wild.h"

#include "machines/patriot/patriot_family.h"
#include "shell/sound.h"

PatriotWild::PatriotWild(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("patshrt.wav", false);
}

PatriotWild::~PatriotWild() {}

void PatriotWild::configure(float value) {
    name = "patriotwild";
    multiplyByCoins = true;
    payoutRatio = 0.95f;
    maxCoins = 2;
    denomination = nullptr;
    setDenomination(value);
    init();
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

void PatriotWild::buildWildRules() {
    WildSymbol* wild = new WildSymbol();
    wild->setMultiplier(2);
    wild->addSubstitutesExcept(symbols, symbolList({"wild"}));
    wilds.push_back(wild);
}

void PatriotWild::buildPayTable() {
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
    addNoWildRule(symbolList({"wild"}), 500, -1, false);
    addMixedPays();
}

void PatriotWild::addMixedPays() {
    patriot::addMixedPayList(*this, {{"redseven", "whiteseven", "blueseven"}, 300, -1, false});
}

void PatriotWild::buildExtraRules() {}

void PatriotWild::onReelStop(int reel) { patriot::playStopSound(result.chosenSymbol(reel), false); }

void PatriotWild::playWinSound() { patriot::playWinSound(win); }

#include "machines/threereel/cursed.h"

#include "machines/threereel/reel_checks.h"
#include "player/jackpot_movies.h"

Cursed::Cursed(float denomination) {
    configure(denomination);
    playOnce("horrshrt.wav");
}

void Cursed::configure(float value) {
    setUpMachine("cursed", 3, true, value);
    progressive.create(denomination);
}

void Cursed::tick() {
    progressive.update(denomination);
    ArrowThreeReelMachine::tick();
}

void Cursed::declareSymbols() {
    addSymbol("blank", 8);
    addSymbol("cursed", 2);
    addSymbol("bar", 1);
    addSymbol("2bar", 1);
    addSymbol("3bar", 1);
    addSymbol("silver7", 1);
    addSymbol("blue7", 2);
    addSymbol("green7", 1);
    addSymbol("thing", 1);
    addArrowSymbol("arrowdown_2bar", 1, symbolArrowDown);
    addArrowSymbol("arrowdown_bar", 1, symbolArrowDown);
    addArrowSymbol("arrowdown_green7", 1, symbolArrowDown);
    addArrowSymbol("arrowup_2bar", 1, symbolArrowUp);
    addArrowSymbol("arrowup_3bar", 1, symbolArrowUp);
    addArrowSymbol("arrowup_bar", 1, symbolArrowUp);
    addArrowSymbol("arrowup_silver7", 1, symbolArrowUp);
    addArrowSymbol("arrowup_thing", 1, symbolArrowUp);
}

// The cursed symbol is the wild.
void Cursed::buildWildRules() { addWild(*this, "cursed", 1, {"cursed"}); }

void Cursed::buildPayTable() {
    SymbolList thing = symbolList({"thing", "arrowup_thing"});
    addOneOfRule(thing, 3);
    addTwoOfRule(thing, 5);
    addThreeOfAKind(thing, 10, 0);
    addThreeOfAKind(symbolList({"cursed"}), 500, 0);
    addGroupRule(symbolList({"bar", "2bar", "3bar", "arrowup_bar", "arrowup_2bar", "arrowup_3bar", "arrowdown_bar",
                             "arrowdown_2bar"}), 5);
    addThreeOfAKind(symbolList({"bar", "arrowdown_bar", "arrowup_bar"}), 10, 0);
    addThreeOfAKind(symbolList({"2bar", "arrowup_2bar", "arrowdown_2bar"}), 20, 0);
    addThreeOfAKind(symbolList({"3bar", "arrowup_3bar"}), 30, 0);
    // Matching sevens pay by the coin from two coins on, by the coin rules below.
    addThreeOfAKind(symbolList({"silver7", "arrowup_silver7"}), 100, 2);
    addThreeOfAKind(symbolList({"blue7"}), 200, 2);
    addThreeOfAKind(symbolList({"green7"}), 300, 2);
    addNoWildRule(symbolList({"cursed"}), 500, 3, false);
    addGroupRule(symbolList({"blue7", "green7", "arrowdown_green7", "arrowup_silver7", "silver7"}), 40);
}

void Cursed::buildExtraRules() {
    const int awards2[] = {150, 250, 350};
    const int awards3[] = {200, 300, 400};
    const int* awards[] = {awards2, awards3};
    for (int k = 0; k < 2; ++k) {
        const int coinCount = k + 2;
        addCoinThreeOfAKind(symbolList({"silver7", "arrowup_silver7"}), awards[k][0], coinCount);
        addCoinThreeOfAKind(symbolList({"blue7"}), awards[k][1], coinCount);
        addCoinThreeOfAKind(symbolList({"green7", "arrowdown_green7"}), awards[k][2], coinCount);
    }
    addProgressiveRule(symbolList({"cursed"}), 5000, 3);
}

void Cursed::onReelStop(int) {}

void Cursed::playWinSound() {
    if (result.payKind == payProgressive) {
        playJackpotMovie(this);
        playOnce("horror.wav");
    } else if (allReelsShow(*this, "cursed")) {
        playOnce("horror.wav");
    } else if (allReelsShow(*this, "3bar")) {
        playOnce("howls.wav");
    } else if (allReelsShow(*this, "2bar")) {
        playOnce("growl.wav");
    }
}

void Cursed::playArrowSound() { playOnce("scary.wav"); }

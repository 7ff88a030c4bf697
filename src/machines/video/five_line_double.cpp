#include "machines/video/five_line_double.h"

#include "shell/sound.h"

namespace {

// Pay table; "gold" plays the single-symbol pays. Three wilds pay 500 per
// line number, each on its own line.
const std::vector<LinePayRow> payTable = {
    {LineRule::OneOf, {"gold"}, 2, -1},
    {LineRule::TwoOf, {"gold", "wild"}, 5, -1},
    {LineRule::ThreeOfAKind, {"gold", "wild"}, 10, -1},
    {LineRule::SymbolPlus, {"bar", "2bar", "3bar", "wild"}, 5, -1},
    {LineRule::ThreeOfAKind, {"bar", "wild"}, 10, -1},
    {LineRule::ThreeOfAKind, {"2bar", "wild"}, 25, -1},
    {LineRule::ThreeOfAKind, {"3bar", "wild"}, 40, -1},
    {LineRule::ThreeOfAKind, {"wild"}, 500, 1},
    {LineRule::ThreeOfAKind, {"wild"}, 1000, 2},
    {LineRule::ThreeOfAKind, {"wild"}, 1500, 3},
    {LineRule::ThreeOfAKind, {"wild"}, 2000, 4},
    {LineRule::ThreeOfAKind, {"wild"}, 2500, 5},
};

// Pay lines (rows on reels 1-3: 0 top, 1 middle, 2 bottom) and where their
// numbers stand.
const std::vector<PaylineRow> paylineTable = {
    {1, {1, 1, 1}, 10, 145},
    {2, {0, 0, 0}, 15, 91},
    {3, {2, 2, 2}, 11, 200},
    {4, {2, 1, 0}, 36, 251},
    {5, {0, 1, 2}, 37, 41},
};

}  // namespace

FiveLineDouble::FiveLineDouble(float denomination) : FiveLineWildMachine(2.0, payTable, paylineTable) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("newintr.wav", false);
}

void FiveLineDouble::configure(float value) { configureAs("5linedouble", value); }

void FiveLineDouble::declareSymbols() {
    addSymbol("blank", 0);
    addSymbol("gold", 20);
    addSymbol("bar", 5);
    addSymbol("2bar", 5);
    addSymbol("3bar", 5);
    addSymbol("wild", 30);
}

void FiveLineDouble::buildReelGraphics() {
    addReelGraphics({"2bar_blank_bar", "2bar_blank_wild", "3bar_blank_gold", "bar_blank_3bar", "blank_2bar_blank",
                     "blank_3bar_blank", "blank_bar_blank", "blank_blank_bar", "blank_gold_blank", "blank_wild_blank",
                     "gold_blank_2bar", "gold_blank_wild", "wild_blank_2bar", "wild_blank_blank"});
}

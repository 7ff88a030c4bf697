#include "machines/video/five_line_triple.h"

#include "shell/sound.h"

namespace {

// Pay table; "dice" plays the single-symbol pays. Three wilds pay 500 per
// line number, each on its own line.
const std::vector<LinePayRow> payTable = {
    {LineRule::OneOf, {"dice"}, 2, -1},
    {LineRule::TwoOf, {"dice", "wild"}, 5, -1},
    {LineRule::ThreeOfAKind, {"dice", "wild"}, 10, -1},
    {LineRule::SymbolPlus, {"bar", "2bar", "3bar", "wild"}, 5, -1},
    {LineRule::ThreeOfAKind, {"bar", "wild"}, 10, -1},
    {LineRule::ThreeOfAKind, {"2bar", "wild"}, 25, -1},
    {LineRule::ThreeOfAKind, {"3bar", "wild"}, 40, -1},
    {LineRule::ThreeOfAKind, {"7", "wild"}, 80, -1},
    {LineRule::ThreeOfAKind, {"wild"}, 500, 1},
    {LineRule::ThreeOfAKind, {"wild"}, 1000, 2},
    {LineRule::ThreeOfAKind, {"wild"}, 1500, 3},
    {LineRule::ThreeOfAKind, {"wild"}, 2000, 4},
    {LineRule::ThreeOfAKind, {"wild"}, 2500, 5},
};

const std::vector<PaylineRow> paylineTable = {
    {1, {1, 1, 1}, 13, 147},
    {2, {0, 0, 0}, 13, 95},
    {3, {2, 2, 2}, 12, 205},
    {4, {2, 1, 0}, 32, 253},
    {5, {0, 1, 2}, 34, 43},
};

}  // namespace

FiveLineTriple::FiveLineTriple(float denomination) : FiveLineWildMachine(3.0, payTable, paylineTable) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("newintr.wav", false);
}

void FiveLineTriple::configure(float value) { configureAs("5linetriple", value); }

void FiveLineTriple::declareSymbols() {
    addSymbol("blank", 0);
    addSymbol("dice", 20);
    addSymbol("bar", 5);
    addSymbol("2bar", 5);
    addSymbol("3bar", 5);
    addSymbol("7", 8);
    addSymbol("wild", 20);
}

void FiveLineTriple::buildReelGraphics() {
    addReelGraphics({"2bar_blank_bar", "2bar_blank_blank", "3bar_blank_7", "7_blank_2bar", "7_blank_dice",
                     "bar_blank_3bar", "bar_blank_wild", "blank_2bar_blank", "blank_3bar_blank", "blank_7_blank",
                     "blank_bar_blank", "blank_blank_dice", "blank_blank_wild", "blank_dice_blank", "blank_wild_blank",
                     "dice_blank_3bar", "wild_blank_3bar", "wild_blank_bar", "wild_blank_dice", "3bar_blank_blank",
                     "7_blank_blank", "bar_blank_blank", "blank_blank_2bar", "blank_blank_3bar", "blank_blank_7",
                     "blank_blank_bar", "dice_blank_blank"});
}

#include "machines/video/cash_cow.h"

#include "shell/sound.h"

namespace {

// Pay table. "wild" joins every three-symbol combination; three wilds pay
// 500 on any line.
const std::vector<LinePayRow> payTable = {
    {LineRule::OneOf, {"milk"}, 2, -1},
    {LineRule::TwoOf, {"milk"}, 5, -1},
    {LineRule::ThreeOfAKind, {"milk", "wild"}, 10, -1},
    {LineRule::SymbolPlus, {"bar", "2bar", "3bar", "wild"}, 5, -1},
    {LineRule::ThreeOfAKind, {"bar", "wild"}, 10, -1},
    {LineRule::ThreeOfAKind, {"2bar", "wild"}, 20, -1},
    {LineRule::ThreeOfAKind, {"3bar", "wild"}, 30, -1},
    {LineRule::ThreeOfAKind, {"cow", "wild"}, 50, -1},
    {LineRule::ThreeOfAKind, {"wild"}, 500, -1},
};

const std::vector<PaylineRow> paylineTable = {
    {1, {1, 1, 1}, 19, 148},
    {2, {0, 0, 0}, 21, 86},
    {3, {2, 2, 2}, 19, 210},
};

}  // namespace

CashCow::CashCow(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("cowsint.wav", false);
}

void CashCow::configure(float value) {
    name = "cashcow";
    denomination = nullptr;
    setDenomination(value);
    setupB();
}

void CashCow::declareSymbols() {
    addSymbol("blank", 0);
    addSymbol("milk", 5);
    addSymbol("bar", 3);
    addSymbol("2bar", 4);
    addSymbol("3bar", 5);
    addSymbol("cow", 6);
    addSymbol("wild", 50);
}

void CashCow::buildReelGraphics() {
    addReelGraphics({"2bar_blank_3bar", "2bar_blank_cow", "3bar_blank_bar", "3bar_blank_wild", "bar_blank_2bar",
                     "bar_blank_blank", "blank_2bar_blank", "blank_3bar_blank", "blank_bar_blank", "blank_blank_milk",
                     "blank_cow_blank", "blank_milk_blank", "blank_wild_blank", "cow_blank_2bar", "cow_blank_wild",
                     "milk_blank_3bar", "milk_blank_cow", "wild_blank_bar"});
}

void CashCow::buildLinePays() { addLinePayRows(*this, payTable); }

void CashCow::buildPaylines() { addPaylineRows(*this, paylineTable); }

void CashCow::loadPaylineImages() { loadPaylineRowImages(*this, paylineTable); }

int CashCow::adjustLinePay(const ReelSymbolList&, LinePay* linePay) { return linePay->award; }

void CashCow::onReelStop(int reel) {
    if (!soundPlayer) return;
    for (const ReelSymbolList& line : lineSymbols) {
        if (reel < 0 || static_cast<size_t>(reel) >= line.size() || !line[static_cast<size_t>(reel)]) continue;
        if (line[static_cast<size_t>(reel)]->name == "wild") soundPlayer->play("cow.wav", false);
    }
}

void CashCow::playWinSound() {
    if (!soundPlayer) return;
    if (win > 499) {
        soundPlayer->play("cowsjack.wav", false);
        return;
    }
    for (const ReelSymbolList& line : lineSymbols)
        if (lineIsAll(line, "3bar")) soundPlayer->play("cowbell.wav", false);
}

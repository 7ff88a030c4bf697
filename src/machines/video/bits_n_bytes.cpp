#include "machines/video/bits_n_bytes.h"

#include "shell/sound.h"

namespace {

// Pay table: every combination pays on any line; the wild has no pay of
// its own (three wilds meet the "1" row first).
const std::vector<LinePayRow> payTable = {
    {LineRule::OneOf, {"0"}, 2, -1},
    {LineRule::TwoOf, {"0", "wild"}, 5, -1},
    {LineRule::ThreeOfAKind, {"0", "wild"}, 10, -1},
    {LineRule::SymbolPlus, {"1001", "1110", "wild"}, 5, -1},
    {LineRule::ThreeOfAKind, {"1001", "wild"}, 25, -1},
    {LineRule::ThreeOfAKind, {"1110", "wild"}, 40, -1},
    {LineRule::ThreeOfAKind, {"1", "wild"}, 80, -1},
};

const std::vector<PaylineRow> paylineTable = {
    {1, {1, 1, 1}, 15, 149},
    {2, {0, 0, 0}, 13, 97},
    {3, {2, 2, 2}, 14, 205},
    {4, {2, 1, 0}, 36, 46},
    {5, {0, 1, 2}, 32, 258},
};

}  // namespace

BitsNBytes::BitsNBytes(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("bitsintr.wav", false);
}

void BitsNBytes::configure(float value) {
    name = "bitsnbytes";
    denomination = nullptr;
    setDenomination(value);
    init();
    maxCoins = 5;
}

void BitsNBytes::declareSymbols() {
    addSymbol("blank", 0);
    addSymbol("0", 20);
    addSymbol("1001", 5);
    addSymbol("1110", 5);
    addSymbol("1", 8);
    addSymbol("wild", 30);
}

void BitsNBytes::buildReelGraphics() {
    addReelGraphics({"0_blank_1", "0_blank_1110", "1001_blank_1", "1001_blank_wild", "1110_blank_0", "1110_blank_1001",
                     "1_blank_0", "1_blank_blank", "blank_0_blank", "blank_1001_blank", "blank_1110_blank",
                     "blank_1_blank", "blank_blank_wild", "blank_wild_blank", "wild_blank_1001", "wild_blank_1110"});
}

void BitsNBytes::buildLinePays() { addLinePayRows(*this, payTable); }

void BitsNBytes::buildPaylines() { addPaylineRows(*this, paylineTable); }

void BitsNBytes::loadPaylineImages() { loadPaylineRowImages(*this, paylineTable); }

int BitsNBytes::adjustLinePay(const ReelSymbolList&, LinePay* linePay) { return linePay->award; }

void BitsNBytes::onReelStop(int) {}

void BitsNBytes::playWinSound() {
    // Every played line of three real "1"s (a wild doesn't count) rings once.
    for (const ReelSymbolList& line : lineSymbols)
        if (lineIsAll(line, "1") && soundPlayer) soundPlayer->play("bitsjack.wav", false);
}

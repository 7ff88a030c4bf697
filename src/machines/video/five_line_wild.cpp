#include "machines/video/five_line_wild.h"

#include "shell/sound.h"

int wildMultipliedPay(const ReelSymbolList& lineSymbols, int award, double base) {
    int wilds = countOnLine(lineSymbols, "wild");
    if (wilds == 1) return static_cast<int>(award * base);
    if (wilds == 2) return static_cast<int>(award * base * base);
    return award;
}

FiveLineWildMachine::FiveLineWildMachine(double base, const std::vector<LinePayRow>& payTable,
                                         const std::vector<PaylineRow>& paylineTable)
    : wildBase(base), linePayRows(payTable), paylineRows(paylineTable) {}

void FiveLineWildMachine::configureAs(const std::string& id, float value) {
    name = id;
    denomination = nullptr;
    setDenomination(value);
    init();
    maxCoins = 5;
}

void FiveLineWildMachine::buildLinePays() { addLinePayRows(*this, linePayRows); }

void FiveLineWildMachine::buildPaylines() { addPaylineRows(*this, paylineRows); }

void FiveLineWildMachine::loadPaylineImages() { loadPaylineRowImages(*this, paylineRows); }

int FiveLineWildMachine::adjustLinePay(const ReelSymbolList& lineSymbols, LinePay* linePay) {
    return wildMultipliedPay(lineSymbols, linePay->award, wildBase);
}

void FiveLineWildMachine::onReelStop(int) {}

void FiveLineWildMachine::playWinSound() {
    if (win > 100 && soundPlayer) soundPlayer->play("newjack2.wav", false);
}

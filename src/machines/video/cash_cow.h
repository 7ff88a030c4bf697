// Vevu Ziz: three-line farm machine; three wilds pay 500 on any line.
#pragma once

#include "machine/multi_line.h"

class CashCow : public MultiLineMachine {
public:
    explicit CashCow(float denomination);
    void configure(float denomination);

    void onReelStop(int reel) override;
    void playWinSound() override;
    int adjustLinePay(const ReelSymbolList& lineSymbols, LinePay* linePay) override;
    void buildLinePays() override;
    void buildReelGraphics() override;
    void declareSymbols() override;
    void buildPaylines() override;
    void loadPaylineImages() override;
};

// 5 Ziro Dazuru Ruva: five-line dice machine whose wilds double a line's pay
// (two wilds: four times); three wilds pay 500 times the line's number.
#pragma once

#include "machine/multi_line.h"

class FiveLineDouble : public MultiLineMachine {
public:
    explicit FiveLineDouble(float denomination);
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

// The twins' line pay: the award times base^n for one or two wilds on the
// line (n = 1, 2), truncated; the award unchanged for none or three.
int wildMultipliedPay(const ReelSymbolList& lineSymbols, int award, double base);

// Duri D Erore: five-line machine of bits and nibbles; its wild only stands in.
#pragma once

#include "machine/multi_line.h"

class BitsNBytes : public MultiLineMachine {
public:
    explicit BitsNBytes(float denomination);
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

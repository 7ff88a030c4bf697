// Vedu 7'r: three-line machine; three baja 7s pay 500 on line 1 and 2500 on line 3.
#pragma once

#include "machine/multi_line.h"

class Baja7s : public MultiLineMachine {
public:
    explicit Baja7s(float denomination);
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

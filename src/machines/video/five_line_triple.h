// 5 Zadi Zadare Vevi: the dice twin of 5 Ziro Dazuru Ruva whose wilds triple
// a line's pay (two wilds: nine times); dice play the single-symbol pays.
#pragma once

#include "machine/multi_line.h"

class FiveLineTriple : public MultiLineMachine {
public:
    explicit FiveLineTriple(float denomination);
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

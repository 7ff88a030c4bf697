// Zuzod Uriz: the nine-line video slot of the carnival. The mask stands for
// every plain symbol and doubles each line pay it takes part in; the scatter
// pays by the reels it shows on, anywhere, more at the largest bet.
#pragma once

#include "machine/video_slot.h"

class MardiGras : public VideoSlotMachine {
public:
    explicit MardiGras(float denomination);
    ~MardiGras() override;
    void configure(float denomination);

    void createButtons() override;  // the nine-line panel
    void onReelStop(int) override {}
    void playWinSound() override;
    void createMeters() override;
    int adjustLinePay(const ReelSymbolList& lineSymbols, LinePay* linePay) override;
    void buildLinePays() override;
    void buildReelGraphics() override;
    void declareSymbols() override;
    void buildPaylines() override;
    void loadPaylineImages() override;
    void afterEvaluate(const std::vector<ReelGraphic*>& chosen) override;

    // The scatter pay in credits for that many scatter reels at the current bet.
    int scatterPay(int scatterReels) const;
};

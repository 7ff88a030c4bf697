// Rizad'a Zidud: three-line machine of ancient Egypt. Three tuts on a played
// line win the progressive jackpot of the coin value, whose amount shows
// over the reels and is redrawn every frame.
#pragma once

#include <memory>

#include "machine/multi_line.h"
#include "shell/text_label.h"

class EgyptsPrize : public MultiLineMachine {
public:
    std::unique_ptr<TextLabel> progressiveText;  // the jackpot amount over the reels

    explicit EgyptsPrize(float denomination);
    ~EgyptsPrize() override;
    void configure(float denomination);

    void tick() override;
    void playWinSound() override;
    void onReelStop(int reel) override;
    int adjustLinePay(const ReelSymbolList& lineSymbols, LinePay* linePay) override;
    void buildLinePays() override;
    void buildReelGraphics() override;
    void declareSymbols() override;
    void buildPaylines() override;
    void loadPaylineImages() override;

    // "$" and the progressive amount of the coin value, as the meter shows it.
    std::string progressiveCaption() const;
};

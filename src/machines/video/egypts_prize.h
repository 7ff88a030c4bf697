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
    // Three tuts: the save file holds the jackpot as the meter stands at the
    // draw; the settle pays the meter as it stands then.
    void keepPull(int bet) override;
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
    // The spin's win is the jackpot's (more than 499 credits: only three
    // tuts on a played line reach it).
    bool winsJackpot() const { return win > 499; }
};

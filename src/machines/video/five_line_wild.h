// The five-line wild twins: five lines over three reels, five coins a line,
// a wild that multiplies a line's pay by a base per wild, and three wilds
// that pay by the line's number. Each twin brings its symbols, reel pictures,
// pay table and pay lines; the play is the same.
#pragma once

#include <string>
#include <vector>

#include "machine/multi_line.h"

class FiveLineWildMachine : public MultiLineMachine {
public:
    // `payTable` and `paylineTable` are the twin's own tables (kept for the
    // machine's life); `wildBase` is what one wild multiplies a pay by.
    FiveLineWildMachine(double wildBase, const std::vector<LinePayRow>& payTable,
                        const std::vector<PaylineRow>& paylineTable);

    // The twin's set-up: its id, the coin value, the five-line set-up, then
    // five coins a line.
    void configureAs(const std::string& id, float value);

    void onReelStop(int reel) override;
    void playWinSound() override;  // "newjack2.wav" for a win over 100
    int adjustLinePay(const ReelSymbolList& lineSymbols, LinePay* linePay) override;
    void buildLinePays() override;
    void buildPaylines() override;
    void loadPaylineImages() override;

private:
    double wildBase;
    const std::vector<LinePayRow>& linePayRows;
    const std::vector<PaylineRow>& paylineRows;
};

// The twins' line pay: the award times base^n for one or two wilds on the
// line (n = 1, 2), truncated; the award unchanged for none or three.
int wildMultipliedPay(const ReelSymbolList& lineSymbols, int award, double base);

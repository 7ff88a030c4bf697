// Zoruz Ivivede ("shortcircuit"): bars, 7s and a wild that pays with
// blanks. After a winning spin the machine may spark and spin again by
// itself, free, stopping on the same symbols and paying the same win once
// more: one chance in three each time, at most five times in a row.
#pragma once

#include "machine/three_reel.h"

class ShortCircuit : public ThreeReelMachine {
public:
    int respinCount;  // free re-spins started in the current chain

    explicit ShortCircuit(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void spinStep() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
};

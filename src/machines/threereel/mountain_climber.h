// Devizezu Dozozed ("mountainclimber"): a climb up a mountain that runs
// across spins. A losing spin may turn up climb symbols ("climb" one point,
// "2climb" two); the climb bonus then moves the climber six steps a point.
// Passing the summit pays 100 at once; standing high on the mountain when a
// period of twenty spins ends pays 50 (above 97) or 20 (above 83). The
// "reset" button starts the climb over.
#pragma once

#include <utility>
#include <vector>

#include "machine/three_reel.h"

class MountainClimber : public ThreeReelMachine {
public:
    // Heights run from 0 (the foot) to this (the summit).
    static constexpr int summit = 110;
    // Spins in a climb period.
    static constexpr int periodSpins = 20;

    bool bonusPending;   // the climb bonus runs at this spin's settle
    std::vector<std::pair<int, int>> climbPath;  // per height, the climber's corner stored (y, x)
    int climberFrame;    // the climber picture's frame, 0 to 7
    int height;          // index into climbPath
    int spinCount;       // spins counted in the current period
    int climbPoints;     // points of the current spin; steps once the bonus has begun
    bool testPlaying;    // the hidden pay-out test is running
    int periodEndHeight; // the height a paying climb period ended at in this spin, shown once
                         // the spin is kept; -1: none

    explicit MountainClimber(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void handleButton(Widget* control) override;
    void spin() override;
    // The spin is kept with what its climb pays: the climb points are drawn
    // with the spin, and the climb they make is known from them.
    void keepPull(int bet) override;
    void settle() override;
    // The hidden pay-out test plays the reels alone: its spins neither count
    // towards a climb period nor arm a climb, so the climb stays as it was.
    void payoutTest() override;
    void onReelStop(int reel) override;
    void playWinSound() override;

    // ---- the climb ---------------------------------------------------------
    void buildClimbPath();
    // The bonus screen: climbs the points won and returns the credits the
    // climb pays (100, 50, 20 or 0).
    int runClimbBonus();
    // Moves the climber climbPoints steps up (stops past the summit).
    void climb();
    // The height the climber reaches with `steps` more steps.
    int heightAfter(long long steps) const;
    // What a climb that reaches `reached` pays in this period (100, 50, 20 or 0).
    int climbPay(int reached) const;
    // The checkpoint flags of the heights passed.
    void drawFlags();
    // The mountain with the climber at height `at`, for two seconds.
    void showMountain(int at);
};

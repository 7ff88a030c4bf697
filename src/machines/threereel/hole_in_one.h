// Daru Du Rir ("holeinone"): golf. The four shot symbols (bogie, par,
// birdie, hole in one) are of a kind of their own: when every reel shows a
// shot or the wild, each shot is played out on its reel before the settle
// (the ball's flight, the shot's pictures and its clap).
#pragma once

#include "machine/three_reel.h"

class HoleInOne : public ThreeReelMachine {
public:
    // The kind of the golf-shot symbols.
    static constexpr int shotKind = 4;

    explicit HoleInOne(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void spinStep() override;
    void onReelStop(int reel) override;
    void playWinSound() override;

    // Every shot shown, reel by reel.
    void playShotAnimation();
    // The ball's flight on a reel: frames 19 down to lastFrame.
    void playBallAnimation(int lastFrame, int reel);
};

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
    void afterEvaluate(const std::vector<ReelGraphic*>& chosen) override;

    // The scatter pay in credits for that many scatter reels at the current bet.
    int scatterPay(int scatterReels) const;
};
